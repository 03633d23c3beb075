#pragma once

#include "app/Steps.h"
#include "localisation/LanguageTexts.h"

#include <cstdint>
#include <string>
#include <vector>

class Environment;
class QLabel;
class QObject;

namespace operations {

/// How many maps are selected and their total size, where a list has more than one selected.
/// The sizes of a large selection are added up in steps between the window's events.
class SelectionSize {
public:
    /// `count` and `size` show the answer; the steps run on a timer owned by `parent`.
    SelectionSize(Environment& env, QObject* parent, QLabel* count, QLabel* size, const localisation::LanguageTexts& texts);

    /// Shows the selection `selected` (full paths of the maps).
    void show(std::vector<std::string> selected);
    /// Stops adding up (the selection is acted on meanwhile).
    void stop();

private:
    void continueSizing();

    QLabel* m_count;
    QLabel* m_size;
    const localisation::LanguageTexts& m_texts;
    Steps m_steps;
    std::vector<std::string> m_toSize; ///< the selected maps whose sizes are still to add up
    std::size_t m_sized = 0;           ///< how many of them are added up
    std::int64_t m_bytes = 0;          ///< their total so far
};

} // namespace operations
