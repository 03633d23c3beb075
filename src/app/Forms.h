#pragma once

#include <memory>

class Environment;
class MainWindow;
class TForm1;
class TForm2;
class TForm3;
class TForm4;

/// The program's four windows, created once in this order and reaching each other
/// through these references.
struct Forms {
    explicit Forms(Environment& env);
    ~Forms();

    std::unique_ptr<TForm1> Form1; ///< the main window
    std::unique_ptr<MainWindow> Main; ///< what the dialogs reach of it
    std::unique_ptr<TForm2> Form2; ///< the game types dialog
    std::unique_ptr<TForm3> Form3; ///< the new-maps folder dialog
    std::unique_ptr<TForm4> Form4; ///< the first-start dialog
};
