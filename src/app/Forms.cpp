#include "app/Forms.h"

#include "app/MainWindow.h"
#include "app/Unit1.h"
#include "dialogs/Unit2.h"
#include "dialogs/Unit3.h"
#include "localisation/Unit4.h"

Forms::Forms(Environment& env)
    : Form1(std::make_unique<TForm1>(env))
    , Main(std::make_unique<MainWindow>(*Form1))
    , Form2(std::make_unique<TForm2>(*Main))
    , Form3(std::make_unique<TForm3>(*Main))
    , Form4(std::make_unique<TForm4>(*Main, *Form3))
{
    Form1->setDialogs(Form2.get(), Form3.get(), Form4.get());
}

Forms::~Forms() = default;
