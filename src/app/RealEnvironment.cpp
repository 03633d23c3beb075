#include "app/RealEnvironment.h"

#include "platform/ProgramFolder.h"
#include "platform/ShellFolders.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QMessageBox>

RealEnvironment::RealEnvironment()
    : Environment(platform::programFolder(), platform::documentsFolder(), platform::desktopFolder(),
                  settings::settingsFolder(platform::programFolder(), platform::userSettingsFolder()))
    , m_picker(desktopFolder())
{
}

void RealEnvironment::beep()
{
    QApplication::beep();
}

void RealEnvironment::showError(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, kApplicationTitle, message, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool RealEnvironment::askYesNo(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void RealEnvironment::showMessage(QWidget* parent, const QString& text, const QString& details)
{
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDetailedText(details);
    box.exec();
}
