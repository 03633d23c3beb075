#pragma once

#include "catalogue/MapFileSet.h"
#include "localisation/LanguageTexts.h"
#include "operations/ShownMap.h"

#include <QString>

#include <cstdint>
#include <string>

class QLabel;
class QToolButton;
class StatusIcon;

namespace operations {

/// The details panel's view of one map: its title, its rows of files (drawn from the shown map,
/// never read back from the screen), the total size of its files and its path.
/// A size in bytes as the panel shows it, with the user's decimal separator.
QString sizeForDisplay(std::int64_t bytes);

class DetailsPanel {
public:
    struct Controls {
        QLabel* title;
        QLabel* size;
        QLabel* path;
        StatusIcon* icons[4];  ///< by ShownMap::Row
        QLabel* captions[4];   ///< by ShownMap::Row
        QToolButton* makeIni;  ///< creates the INI file of a map that has none (mapper mode)
    };

    DetailsPanel(Controls controls, const localisation::LanguageTexts& texts);

    const ShownMap& shown() const { return m_shown; }

    /// Shows the map at `path` with `files`; in mapper mode a map without an INI file offers to
    /// create one.
    void show(const std::string& path, catalogue::MapFileSet files, bool mapperMode);
    /// Shows no map.
    void clear();
    /// Mapper mode on or off: the offer to create an INI file with it.
    void setMapperMode(bool mapperMode);
    /// Draws the rows of files anew, and names them for screen readers in the active language.
    void drawRows();

private:
    /// Names a row for screen readers: its kind of file and whether the file is there.
    void nameRowForReaders(ShownMap::Row row, bool there);

    Controls m_controls;
    const localisation::LanguageTexts& m_texts;
    ShownMap m_shown;
};

} // namespace operations
