#pragma once

#include <QDialog>

#include <string>

class MainWindow;
class QLineEdit;
class QListWidget;
class QPushButton;

/// The game types dialog: adds and deletes game-type tabs, keeping the tabs, its list and
/// the settings lines from line 9 on in step.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(MainWindow& main);

    void FormActivate();
    void Button1Click();
    void Button2Click();
    void Button3Click();

    QListWidget* ListBox1; ///< captions of all tabs, tab 0 included
    QPushButton* Button3;  ///< delete the selected game type
    QLineEdit* Edit1;      ///< a new game type, at most 5 characters
    QPushButton* Button2;  ///< add the typed game type
    QPushButton* Button1;  ///< close the dialog

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    /// Writes the game types of the list into the settings and saves them.
    void saveGameTypes();
    /// Lists the game type `bytes`, shown as text.
    void addGameTypeItem(const std::string& bytes);

    MainWindow& m_main;
};
