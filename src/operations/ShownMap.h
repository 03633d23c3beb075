#pragma once

// The map the details panel shows, with the files found of it, or none; the panel's rows of
// files are drawn from it and never read back from the screen.

#include "catalogue/MapFileSet.h"

#include <optional>
#include <string>
#include <utility>

namespace operations {

class ShownMap {
public:
    /// The rows of the details panel, one for each kind of file of a map.
    enum class Row { Package, Ini, Localisation, Others };

    void show(std::string path, catalogue::MapFileSet files) { m_shown = Shown {std::move(path), std::move(files)}; }
    void clear() { m_shown.reset(); }

    bool showsAny() const { return m_shown.has_value(); }
    bool shows(const std::string& path) const { return m_shown && m_shown->path == path; }
    /// The files of the shown map; an empty set where none is shown.
    const catalogue::MapFileSet& files() const { return m_shown ? m_shown->files : m_none; }

    /// True where the shown map has a file of the row's kind (the package: where one is shown;
    /// other files are not told).
    bool lit(Row row) const
    {
        switch (row) {
        case Row::Package: return showsAny();
        case Row::Ini: return files().ini.has_value();
        case Row::Localisation: return files().localisation.has_value();
        case Row::Others: return false;
        }
        return false;
    }

private:
    struct Shown {
        std::string path;
        catalogue::MapFileSet files;
    };
    std::optional<Shown> m_shown;
    catalogue::MapFileSet m_none;
};

} // namespace operations
