#pragma once

#include <QColor>
#include <QComboBox>
#include <QRect>
#include <QFont>
#include <QImage>
#include <QListView>
#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class StringArray;
class PathListModel;
class QTabBar;

/// The design's font faces; missing faces are replaced by metric-compatible ones.
enum class Face { SansSerif, Arial, ArialNarrow };

/// A font of the design: face, character height in pixels, weight.
QFont designFont(Face face, int pixelHeight, bool bold = false);

/// The colours of the design.
namespace colours {
inline const QColor black(0, 0, 0);
inline const QColor silver(192, 192, 192);
inline const QColor maroon(128, 0, 0);
inline const QColor white(255, 255, 255);
} // namespace colours

/// Sets the text colour of a label or other control.
void setTextColour(QWidget* widget, const QColor& colour);
/// The text colour of a label or other control.
QColor textColour(const QWidget* widget);

/// A label at a place, with a font; it sizes itself to its text, which it shows as plain
/// text (a name from disk is never taken for markup).
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int left, int top, const QFont& font);

/// A push button at a place; in dialogs it never turns into the default button by itself.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, QRect place, bool bold = false);

/// Sizes a label to its text (at `height`) and moves it so that its right edge stays at `right`.
void alignRightEdge(QLabel* label, int right, int top, int height);

/// A 32-bit picture drawn from its top-left corner on white, without smoothing, at a
/// master opacity from 0 to 255.
class StatusIcon : public QWidget {
public:
    StatusIcon(QWidget* parent, const char* name, const QImage& image, int left, int top);
    void setAlpha(int alpha);
    int alpha() const { return m_alpha; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
    int m_alpha = 40;
};

/// A row of tabs above one shared client area, whose children are placed relative to the
/// whole control.
class TabControl : public QWidget {
public:
    TabControl(QWidget* parent, const char* name);
    QTabBar* tabs() const { return m_tabs; }

    /// Appends a tab for the game type `bytes` (as config.ini holds it), showing them as text.
    void addGameType(const std::string& bytes);
    /// Appends a tab for each of `gameTypes`, the tab bar laid out once for all of them.
    void addGameTypes(const std::vector<std::string>& gameTypes);
    /// The bytes of the game type of tab `index`, exactly as they were given.
    std::string gameTypeAt(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QTabBar* m_tabs;
};

/// A single-selection list of maps: a view of a path list, each entry showing its map's
/// display name (the file name less its extension), derived when the entry is drawn.
/// Changing the paths or the selection from code does not emit `userSelectionChanged`; a
/// change by mouse or keyboard does.
class PathListView : public QListView {
    Q_OBJECT
public:
    PathListView(QWidget* parent, const char* name, const StringArray& paths);

    /// While it lives, the path list may change: the list shows no entry and no selection,
    /// and shows the paths as they are then when it ends (also when an error ends the change).
    /// Rebuilds within a rebuild are part of it: the list is laid out once, when the outer one ends.
    class Rebuild {
    public:
        explicit Rebuild(PathListView& list);
        ~Rebuild();
        Rebuild(const Rebuild&) = delete;
        Rebuild& operator=(const Rebuild&) = delete;

    private:
        PathListView& m_list;
    };

    int count() const;
    QString item(int index) const;
    /// The selected index, -1 when none.
    int itemIndex() const;
    /// Selects `index` (-1: none) without emitting `userSelectionChanged`.
    void setItemIndex(int index);

signals:
    void userSelectionChanged();

protected:
    void doItemsLayout() override;
    void changeEvent(QEvent* event) override;

private:
    PathListModel* m_model;
    bool m_quiet = false;
    int m_rebuilds = 0; ///< the rebuilds going on, one inside the other
    int m_rowHeight = 0; ///< the height of every row; 0 until a row has been measured
};

/// A combo box with an edit field whose entries are names kept as the bytes they came from.
/// Typing never completes a name, and `entryPicked` is emitted only when the user picks an
/// entry from the list, not when a typed text happens to equal one.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    ComboBox(QWidget* parent, const char* name);

    /// Appends an entry showing `bytes`.
    void addEntry(const std::string& bytes);
    /// The bytes of entry `index`.
    std::string entryBytes(int index) const;
    /// The first entry whose bytes equal `bytes`, -1 when none does.
    int findEntry(const std::string& bytes) const;

    void showPopup() override;

signals:
    /// An entry was picked: from the list, or by an arrow key or the mouse wheel on the closed
    /// box, as a Windows combo box picks; never by typed text.
    void entryPicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool m_typed = false; ///< the text was typed: an activation now is no pick
};
