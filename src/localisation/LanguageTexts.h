#pragma once

#include "settings/LineList.h"

#include <QString>

#include <cstddef>

namespace localisation {

/// The interface texts of the active language, for display: what each panel of the window
/// translates itself from.
class LanguageTexts {
public:
    explicit LanguageTexts(const LineList& language) : m_language(language) {}

    /// Line `n` for display; where the language lacks it, the built-in text of a line added
    /// later, else the list index error.
    QString operator()(std::size_t n) const;

private:
    const LineList& m_language;
};

} // namespace localisation
