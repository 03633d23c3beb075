#include "localisation/LanguageTexts.h"

#include "localisation/LanguageLines.h"

#include <string_view>

namespace localisation {

QString LanguageTexts::operator()(std::size_t n) const
{
    // A line the language file lacks: the built-in text of lines added later, else the
    // list-index error of every list.
    const std::string_view builtIn = n < m_language.size() ? std::string_view() : builtInText(n);
    return !builtIn.empty() ? QString::fromUtf8(builtIn) : QString::fromStdString(settings::lineAt(m_language, n));
}

} // namespace localisation
