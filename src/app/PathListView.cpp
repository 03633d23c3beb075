#include "app/PathListView.h"

#include "app/Display.h"
#include "catalogue/MapNames.h"
#include "catalogue/StringArray.h"
#include "platform/PathSeparator.h"

#include <QAbstractItemDelegate>
#include <QAbstractListModel>
#include <QEvent>
#include <QItemSelection>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

/// The display names of a path list's entries, each derived from its path when asked; through
/// a filter, the entries whose names hold every word of it.
class PathListModel : public QAbstractListModel {
public:
    PathListModel(const StringArray& paths, QObject* parent) : QAbstractListModel(parent), m_paths(paths) {}

    int rowCount(const QModelIndex& parent = {}) const override
    {
        if (parent.isValid())
            return 0;
        return static_cast<int>(m_words.empty() ? m_paths.size() : m_shown.size());
    }
    /// Each layout asks for the index of every row: answered without the general checks.
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override
    {
        const bool inside = row >= 0 && row < rowCount() && column == 0 && !parent.isValid();
        return inside ? createIndex(row, column) : QModelIndex();
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid() || !holds(entryOf(index.row())))
            return {};
        return displayName(entryOf(index.row()));
    }

    /// The store's entry shown in `row`.
    std::size_t entryOf(int row) const
    {
        const auto at = static_cast<std::size_t>(row);
        return m_words.empty() ? at : m_shown[at];
    }
    /// The row showing the store's entry `entry`; -1 where none does.
    int rowOf(std::size_t entry) const
    {
        if (m_words.empty())
            return entry < m_paths.size() ? static_cast<int>(entry) : -1;
        const auto found = std::lower_bound(m_shown.begin(), m_shown.end(), entry);
        return found != m_shown.end() && *found == entry ? static_cast<int>(found - m_shown.begin()) : -1;
    }
    bool filtered() const { return !m_words.empty(); }

    void beginRebuild()
    {
        beginResetModel();
        m_names.clear(); // they belong to the entries as they were
    }
    void endRebuild()
    {
        applyFilter();
        endResetModel();
    }
    /// A new filter; in a rebuild it takes effect when the rebuild ends.
    void setFilter(const QString& text, bool inRebuild)
    {
        if (!inRebuild)
            beginResetModel();
        m_words.clear();
        for (const QString& word : text.toCaseFolded().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
            m_words.push_back(word.toStdString());
        if (!inRebuild) {
            applyFilter();
            endResetModel();
        }
    }
    /// False for an entry the store no longer has: a row shown before a rebuild that goes on.
    bool holds(std::size_t entry) const { return entry < m_paths.size(); }

private:
    QString displayName(std::size_t entry) const
    {
        return toDisplay(catalogue::baseName(std::string(m_paths[entry])));
    }
    /// The display name of the entry of `path`, case-folded, as UTF-8: a name in ASCII (most
    /// are) folded byte by byte, any other through its text.
    static std::string foldedName(std::string_view path)
    {
        std::string_view name = path.substr(platform::lastComponentStart(path));
        name = name.size() > catalogue::kExtensionLength ? name.substr(0, name.size() - catalogue::kExtensionLength)
                                                          : std::string_view();
        if (std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
            std::string folded(name);
            for (char& c : folded)
                c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            return folded;
        }
        return toDisplay(name).toCaseFolded().toStdString();
    }
    /// The entries whose names hold every word. The names are made once for the entries as
    /// they are, so that each keystroke costs only the comparisons.
    void applyFilter()
    {
        m_shown.clear();
        if (m_words.empty())
            return;
        if (m_names.size() != m_paths.size()) {
            m_names.clear();
            for (const std::string_view path : m_paths)
                m_names.insert(m_names.size(), foldedName(path));
        }
        for (std::size_t entry = 0; entry < m_names.size(); ++entry) {
            const std::string_view name = m_names[entry];
            if (std::all_of(m_words.begin(), m_words.end(), [&](const std::string& word) { return name.find(word) != name.npos; }))
                m_shown.push_back(entry);
        }
    }

    const StringArray& m_paths;
    std::vector<std::string> m_words; ///< the filter's words, case-folded, UTF-8; none: every entry is shown
    StringArray m_names; ///< the entries' display names, case-folded, UTF-8, once a filter needed them
    std::vector<std::size_t> m_shown; ///< the entries shown through the filter, in the store's order
};

PathListView::PathListView(QWidget* parent, const char* name, const StringArray& paths)
    : QListView(parent), m_model(new PathListModel(paths, this))
{
    setObjectName(QString::fromLatin1(name));
    setModel(m_model);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_quiet)
            emit userSelectionChanged();
    });
}

PathListView::Rebuild::Rebuild(PathListView& list) : m_list(list)
{
    if (m_list.m_rebuilds++ > 0)
        return;
    m_list.m_quiet = true;
    m_list.m_model->beginRebuild();
}

PathListView::Rebuild::~Rebuild()
{
    if (--m_list.m_rebuilds > 0)
        return;
    m_list.m_model->endRebuild();
    m_list.m_quiet = false;
}

void PathListView::doItemsLayout()
{
    // Every row is one line of the list's font, so all are as high as the first. With that
    // height as the grid, a layout steps through thousands of rows without asking each its size.
    // A grid without width: like a Windows list box, the list does not scroll sideways.
    if (m_rowHeight == 0 && count() > 0) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        m_rowHeight = itemDelegate()->sizeHint(option, m_model->index(0)).height();
        setGridSize({0, m_rowHeight});
    }
    QListView::doItemsLayout();
}

void PathListView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_rowHeight = 0;
        setGridSize({});
    }
    QListView::changeEvent(event);
}

void PathListView::focusInEvent(QFocusEvent* event)
{
    QListView::focusInEvent(event);
    emit focused();
}

int PathListView::count() const
{
    return m_model->rowCount();
}

QString PathListView::item(int row) const
{
    return m_model->index(row).data().toString();
}

int PathListView::itemIndex() const
{
    const QModelIndex current = selectionModel()->currentIndex();
    if (current.isValid() && selectionModel()->isSelected(current))
        return current.row();
    const QItemSelection selection = selectionModel()->selection();
    int first = -1;
    for (const QItemSelectionRange& range : selection)
        first = first < 0 ? range.top() : std::min(first, range.top());
    return first;
}

void PathListView::setItemIndex(int row)
{
    const bool quiet = std::exchange(m_quiet, true);
    if (row < 0 || row >= count())
        selectionModel()->clear();
    else
        selectionModel()->setCurrentIndex(m_model->index(row), QItemSelectionModel::ClearAndSelect);
    m_quiet = quiet;
}

void PathListView::setFilter(const QString& text)
{
    if (m_rebuilds > 0) {
        m_model->setFilter(text, true); // (the rebuild's end shows the entries, none selected)
        return;
    }
    const std::vector<std::size_t> selected = selectedEntries();
    const std::optional<std::size_t> current = selectedEntry();
    const bool quiet = std::exchange(m_quiet, true);
    m_model->setFilter(text, false);
    m_quiet = quiet;
    selectEntries(selected, current);
}

bool PathListView::filtered() const
{
    return m_model->filtered();
}

std::optional<std::size_t> PathListView::selectedEntry() const
{
    const int row = itemIndex();
    if (row < 0 || !m_model->holds(m_model->entryOf(row)))
        return std::nullopt;
    return m_model->entryOf(row);
}

std::vector<std::size_t> PathListView::selectedEntries() const
{
    std::vector<std::size_t> entries;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            if (m_model->holds(m_model->entryOf(row)))
                entries.push_back(m_model->entryOf(row));
        }
    }
    std::sort(entries.begin(), entries.end());
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
    return entries;
}

std::vector<std::size_t> PathListView::shownEntries() const
{
    std::vector<std::size_t> entries;
    entries.reserve(static_cast<std::size_t>(count()));
    for (int row = 0; row < count(); ++row) {
        if (m_model->holds(m_model->entryOf(row)))
            entries.push_back(m_model->entryOf(row));
    }
    return entries;
}

void PathListView::selectEntry(std::size_t entry)
{
    setItemIndex(rowOf(entry));
}

int PathListView::rowOf(std::size_t entry) const
{
    return m_model->rowOf(entry);
}

void PathListView::selectEntries(const std::vector<std::size_t>& entries, std::optional<std::size_t> current)
{
    // The rows of the entries, runs of neighbours taken as one range each.
    QItemSelection selection;
    int first = -1, last = -1;
    const auto close = [&] {
        if (first >= 0)
            selection.select(m_model->index(first), m_model->index(last));
    };
    for (const std::size_t entry : entries) {
        const int row = rowOf(entry);
        if (row < 0)
            continue;
        if (row != last + 1 || first < 0) {
            close();
            first = row;
        }
        last = row;
    }
    close();
    const bool quiet = std::exchange(m_quiet, true);
    const int currentRow = current ? rowOf(*current) : -1;
    if (currentRow >= 0)
        selectionModel()->setCurrentIndex(m_model->index(currentRow), QItemSelectionModel::NoUpdate);
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_quiet = quiet;
}
