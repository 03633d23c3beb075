#pragma once

// The game-type tabs above the lists.

#include <QStringList>
#include <QWidget>

#include <string>
#include <vector>

class QTabBar;

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
    /// The map mask of tab `index`: "*.vsm" for tab 0, else its game type followed by "*.vsm".
    std::string maskOf(int index) const;
    /// The captions of all tabs, tab 0 included.
    QStringList captions() const;

    /// The pictures of the game types: the four built-in ones (whatever the case of the name)
    /// have their own, tab 0 and every other type the general one.
    enum class Picture { General, DM, CTF, VCTF, WAR };
    Picture pictureOf(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QTabBar* m_tabs;
};
