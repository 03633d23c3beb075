// The program entry: the application object, the four windows in order, one event loop
// until the main window closes.

#include "app/Environment.h"
#include "app/Forms.h"
#include "app/RealEnvironment.h"
#include "app/Unit1.h"

#include <QApplication>
#include <QEvent>

namespace {

/// Ends the event loop when the watched window closes.
class QuitOnClose : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close)
            QCoreApplication::quit();
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    // The program reads no command line: Qt is not given it either (no -style, -platform, ...).
    int qtArgc = argc > 0 ? 1 : 0;
    char* qtArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    QApplication app(qtArgc, qtArgv);
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setQuitOnLastWindowClosed(false);

    RealEnvironment env;
    Forms forms(env);
    QuitOnClose quit;
    forms.Form1->installEventFilter(&quit);
    forms.Form1->show();
    return QApplication::exec();
}
