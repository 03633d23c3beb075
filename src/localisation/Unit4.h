#pragma once

#include <QDialog>

class MainWindow;
class TForm3;
class ComboBox;
class QLabel;
class QPushButton;

/// The first-start dialog: asks for the language before anything else, then hands over to
/// the new-maps folder dialog. Closing it any other way ends the program.
class TForm4 : public QDialog {
    Q_OBJECT
public:
    TForm4(MainWindow& main, TForm3& form3);

    void FormCreate();
    void Button1Click();

    /// While true, closing this dialog closes the main window and so ends the program.
    bool QuitOnClose = true;

    QLabel* Label1;        ///< "Please choose a language:"
    ComboBox* ComboBox1;   ///< the discovered languages
    QPushButton* Button1;  ///< "ok"

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    MainWindow& m_main;
    TForm3& m_form3;
};
