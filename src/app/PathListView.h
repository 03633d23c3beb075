#pragma once

#include <QListView>
#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

class StringArray;
class PathListModel;

/// A list of maps: a view of a path list, its one store, each entry showing its map's display
/// name (the file name less its extension), derived when the entry is drawn. A filter shows only
/// the entries whose names hold each of its words; the store stays whole and in its order, and
/// the rows shown are translated into the store's entries here and nowhere else. Several entries
/// may be selected (Ctrl and Shift with the mouse or the arrows, Ctrl+A).
/// Changing the paths, the filter or the selection from code does not emit
/// `userSelectionChanged`; a change by mouse or keyboard does.
class PathListView : public QListView {
    Q_OBJECT
public:
    PathListView(QWidget* parent, const char* name, const StringArray& paths);

    /// While it lives, the path list may change: the list shows no entry and no selection,
    /// and shows the paths as they are then, through the filter, when it ends (also when an
    /// error ends the change). Rebuilds within a rebuild are part of it: the list is laid out
    /// once, when the outer one ends.
    class Rebuild {
    public:
        explicit Rebuild(PathListView& list);
        ~Rebuild();
        Rebuild(const Rebuild&) = delete;
        Rebuild& operator=(const Rebuild&) = delete;

    private:
        PathListView& m_list;
    };

    /// The number of rows shown.
    int count() const;
    /// The text of row `row`.
    QString item(int row) const;
    /// The selected row: the current row where it is selected, else the first selected row;
    /// -1 when none is.
    int itemIndex() const;
    /// Selects row `row` alone (-1: none) without emitting `userSelectionChanged`.
    void setItemIndex(int row);

    /// Shows only the entries whose display names hold every word of `text`, in any order and
    /// without regard to case; an empty text shows all. Entries still shown stay selected.
    void setFilter(const QString& text);
    /// True while a filter hides entries or could.
    bool filtered() const;

    /// The store's entry of the selected row (see itemIndex); nothing when none is selected.
    std::optional<std::size_t> selectedEntry() const;
    /// The store's entries of every selected row, in the store's order.
    std::vector<std::size_t> selectedEntries() const;
    /// The store's entries of every row shown, in the store's order.
    std::vector<std::size_t> shownEntries() const;
    /// Selects the row that shows the store's entry `entry` alone (none where it is not shown),
    /// without emitting `userSelectionChanged`.
    void selectEntry(std::size_t entry);

signals:
    void userSelectionChanged();
    /// The list took the keyboard focus.
    void focused();

protected:
    void doItemsLayout() override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    /// The row showing the store's entry `entry`; -1 where it is not shown.
    int rowOf(std::size_t entry) const;
    /// Selects the rows of `entries` (store order) and makes `current`'s row the current one, quietly.
    void selectEntries(const std::vector<std::size_t>& entries, std::optional<std::size_t> current);

    PathListModel* m_model;
    bool m_quiet = false;
    int m_rebuilds = 0; ///< the rebuilds going on, one inside the other
    int m_rowHeight = 0; ///< the height of every row; 0 until a row has been measured
};
