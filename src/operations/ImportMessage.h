#pragma once

// The message that reports what an import of dropped or pasted maps added and skipped.

#include "localisation/LanguageTexts.h"
#include "operations/ImportReport.h"

#include <QString>

namespace operations {

struct ImportMessage {
    QString text;    ///< the first lines, shown in the box
    QString details; ///< every line, behind the box's details button; empty where the text has them all
};

/// The message for `report` in the active language.
ImportMessage importMessage(const ImportReport& report, const localisation::LanguageTexts& texts);

} // namespace operations
