#pragma once

#include "catalogue/FileManagement.h"
#include "localisation/LanguageTexts.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class PathListView;
class QLabel;
class QLineEdit;
namespace catalogue {
class KeptFileList;
}

namespace catalogue {

/// One map-list panel of the main window: the list of a folder's maps (its hidden paths and the
/// view of them), its count label and its filter. It rebuilds itself from the folder, keeps
/// itself from change notices and counts and filters what it shows.
class MapListPanel {
public:
    struct Controls {
        PathListView* view;
        QLabel* count;
        QLineEdit* filter;
    };

    /// `paths` are the hidden paths the view shows; `folder` gives the folder listed, as it is now.
    MapListPanel(Controls controls, TStringArray& paths, std::function<std::string()> folder,
                 const localisation::LanguageTexts& texts);

    PathListView* view() const { return m_controls.view; }
    QLineEdit* filter() const { return m_controls.filter; }

    /// Reads the folder's maps matching `mask` again, and shows their count.
    void refresh(const std::string& mask);
    /// Brings the list up to date from `kept` during a run over maps: edited where the notices
    /// tell what changed (its count is shown again at the run's next picture, by showCount),
    /// else read again (where there are no notices only when `mayRead`).
    void keep(KeptFileList& kept, const std::string& mask, bool mayRead);
    /// Shows how many maps the list has, and through a filter how many of them it shows.
    void showCount();
    /// The list shows what the filter's text lets through.
    void applyFilter();
    /// The keyboard goes to the filter, its text selected.
    void focusFilter();

    /// The full paths of the selected maps, and of those shown, in the list's order.
    std::vector<std::string> selectedPaths() const;
    std::vector<std::string> shownPaths() const;
    /// The map selected (the current one where it is), if any.
    std::optional<std::string> selectedPath() const;

private:
    Controls m_controls;
    TStringArray& m_paths;
    std::function<std::string()> m_folder;
    const localisation::LanguageTexts& m_texts;
};

} // namespace catalogue
