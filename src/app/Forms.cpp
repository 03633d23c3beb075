#include "app/Forms.h"

#include "app/Unit1.h"
#include "dialogs/Unit2.h"
#include "dialogs/Unit3.h"
#include "localisation/Unit4.h"

Forms::Forms(Environment& env)
    : Form1(std::make_unique<TForm1>(env))
    , Form2(std::make_unique<TForm2>(*Form1))
    , Form3(std::make_unique<TForm3>(*Form1))
    , Form4(std::make_unique<TForm4>(*Form1, *Form3))
{
    Form1->setDialogs(Form2.get(), Form3.get(), Form4.get());
}

Forms::~Forms() = default;
