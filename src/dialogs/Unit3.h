#pragma once

#include <QDialog>

#include <string>

class MainWindow;
class QLabel;
class QLineEdit;
class QPushButton;

/// The new-maps folder dialog: the user types, picks or browses for the folder of new maps.
/// Its cancel button is disabled during a first start, which it then completes.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(MainWindow& main);

    void FormActivate();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    /// Language line 17 with its first letter upper-cased, a blank, line 18 and ":".
    QString promptText() const;

    QLabel* Label1;       ///< the prompt
    QLineEdit* Edit1;     ///< the folder path
    QPushButton* Button1; ///< finish
    QPushButton* Button2; ///< cancel; disabled until the main window first opens the dialog
    QPushButton* Button4; ///< "browse..."
    QPushButton* Button3; ///< "desktop"

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    /// Shows the folder `path` in Edit1, remembering its bytes.
    void showPath(const std::string& path);
    /// The folder in Edit1: the bytes it was shown from while its text is unchanged, else
    /// the typed text. (A name that is not UTF-8 comes back as the same bytes.)
    std::string enteredPath() const;

    MainWindow& m_main;
    std::string m_shownPath; ///< the bytes behind the text last put into Edit1
    QString m_shownText;     ///< that text
};
