#include "app/Guard.h"

#include "app/Display.h"

#include <exception>

namespace {

/// The error box's text: the failure's message with a full stop added when it has none.
QString errorText(const char* what)
{
    QString text = toDisplay(what);
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
}

} // namespace

bool runGuarded(Environment& env, const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        env.showError(errorText(error.what()));
    } catch (...) {
        env.showError(errorText("Unbekannter Fehler"));
    }
    return false;
}
