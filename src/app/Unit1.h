#pragma once

#include "app/Unit1Controls.h"
#include "catalogue/FileManagement.h"
#include "catalogue/MapListPanel.h"
#include "localisation/LanguageTexts.h"
#include "operations/MapRun.h"
#include "settings/LineList.h"

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class Environment;
class TForm2;
class TForm3;
class TForm4;
class QDragEnterEvent;
class QDropEvent;
namespace operations {
class DetailsPanel;
class IniEditorPanel;
class PublishedStatus;
class SelectionSize;
}

/// The main window: the three map lists, the details of the selected map, the game-type
/// tabs, the options and, in mapper mode, the map INI editor. It also owns the program's
/// shared data. Its handlers are spread over the source files of their roles.
class TForm1 : public QWidget, public TForm1Controls {
    Q_OBJECT
public:
    /// The three map lists, by the numbers the list rebuild takes (any other number names none).
    enum class ListKind { NewMaps = 1, Published = 2, Unpublished = 3 };
    static constexpr ListKind kListKinds[] = {ListKind::NewMaps, ListKind::Published, ListKind::Unpublished};

    TForm1(Environment& env);
    ~TForm1() override;

    /// The dialogs this window opens; set once after all four windows exist.
    void setDialogs(TForm2* form2, TForm3* form3, TForm4* form4);

    Environment& env() { return m_env; }

    // Start-up and modes (app/Unit1.cpp)
    void FormCreate();
    void FormActivate();
    void CheckBox1Click();
    void CheckBox2Click();
    void Button8Click();
    void Button9Click();
    /// Writes `Config` to config.ini.
    void saveSettings();

    // Languages (localisation/Captions.cpp)
    void listLanguages();
    void loadLanguage(const std::string& name);
    void setLanguage();
    void LanguageBoxSelect();
    /// Language line `n` for display; where the language lacks it, the built-in text of a line
    /// added later, else the list index error.
    QString languageText(std::size_t n) const;

    // Map lists (catalogue/MapLists.cpp; the panels' accessors in app/Unit1Layout.cpp)
    void refreshFileList(ListKind kind);
    /// Rebuilds the lists of new, published and unpublished maps, in this order.
    void refreshAllFileLists();
    /// Shows the last component of `folder` as the new-maps heading.
    void setNewMapsHeading(const std::string& folder);
    void Button3Click();
    /// The filter of list `kind` changed: the list shows what it lets through.
    void filterChange(ListKind kind);
    /// Ctrl+F: the keyboard goes to the filter of the list last used.
    void focusFilter();
    /// The full paths of the maps selected in list `kind`, and of those it shows, in its order.
    std::vector<std::string> selectedPaths(ListKind kind);
    std::vector<std::string> shownPaths(ListKind kind);
    void newFilesClick();
    void publishedFilesClick();
    void unpublishedFilesClick();
    /// The panel of list `kind`; none for any other number.
    catalogue::MapListPanel* listPanel(ListKind kind);

    // Game-type tabs (catalogue/GameTypeTabs.cpp)
    void gameTypesChange();
    /// Shows `caption` over the game-type picture.
    void setPreviewCaption(const QString& caption);
    /// A click on tab `index`: applies its filter when that tab is already the selected one
    /// but its filter is not in force.
    void gameTypesClick(int index);
    /// The map mask of tab `index` (see TabControl::maskOf).
    std::string tabMask(int index) const;
    /// The captions of all tabs, tab 0 included.
    QStringList gameTypeCaptions() const;

    // Details panel (operations/MapDetails.cpp)
    void showMapInfo(const std::string& path);
    /// Shows the map at `path` with the files found of it.
    void showMapInfo(const std::string& path, catalogue::MapFileSet files);
    /// The map the details panel shows, if any, with its files.
    const operations::ShownMap& shownMap() const;
    /// The status of the map the panel shows, a map of the new-maps or unpublished list:
    /// whether the published folder holds it already, with the same files or others.
    void showPublishedState();
    /// How many maps are selected and their total size, where a list has more than one selected.
    void showSelection();
    /// Names the controls for screen readers in the active language (the lists by their headings).
    void nameControlsForReaders();

    // Installing, copying, deleting (operations/MapTransfer.cpp; the runs in app/RunWindow.cpp)
    void installmap();
    void Button1Click();
    void Button2Click();
    void Button4Click();
    void Button7Click();
    void Button10Click();
    using MapAction = operations::MapAction;
    /// The button that starts a run of `action`.
    QPushButton* actionButton(MapAction action) const;

    // Maps dropped or pasted onto the window (operations/MapDrop.cpp)
    /// Adds the dropped or pasted files, folders and archives to the new-maps folder, rebuilds
    /// the list of new maps and reports what was added and skipped.
    void addMaps(const std::vector<std::string>& paths);
    /// Ctrl+V: the files a file manager put on the clipboard.
    void pasteMaps();

    // INI editor (operations/IniEditor.cpp)
    void inieditClick();
    void Button5Click();
    void Button6Click();
    void iniContentChange();

    // Program-wide values of this window's unit.
    std::string DocumentsFolder; ///< the user's documents folder
    std::string DesktopFolder;   ///< the user's desktop folder
    std::string NewMapsFolder;   ///< the new-maps folder (settings line 5)
    std::string FileMask;        ///< mask of every map search
    bool MapperMode = false;     ///< true while mapper mode is on
    bool FirstStart = false;     ///< true from a start without config.ini until the first-start dialog opens
    std::string SelectedMapPath; ///< full path of the map last shown in the details panel

    // Hidden data stores.
    LineList Config;        ///< the settings lines
    LineList DefaultConfig; ///< the default settings lines
    LineList Language;      ///< the lines of the active language file, as UTF-8 text
    LineList ListBox4;      ///< scratch list for probing language files
    LineList Memo2;         ///< template of a map's INI file
    TStringArray ListBox1; ///< full paths of the new maps; newFiles shows them
    TStringArray ListBox2; ///< full paths of the published maps; publishedFiles shows them
    TStringArray ListBox3; ///< full paths of the unpublished maps; unpublishedFiles shows them

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createControls();
    void createListPanels();
    void createDetailsPanel();
    void createGameTypeTabs();
    void createOptionsPanel();
    void createIniEditor();
    /// The order in which Tab goes through the controls: the order the window shows them.
    void setTabOrder();
    /// The keys of the lists and their filters: Enter, Delete, Esc, Ctrl+F, F5.
    void connectListKeys();
    void connectHandlers();
    void setClientWidth(int width);
    /// The width of a mode, the credits moved with it.
    void setModeWidth(bool mapper);
    /// Runs `action` over `maps` (full paths, taken at the press), one after the other.
    void runOverMaps(MapAction action, std::vector<std::string> maps);
    class RunWindow;
    /// Shows the lists' counts again, as a run does at its pictures.
    void recountLists();
    /// Saves the editor's text as the shown map's INI file, or reports why it cannot.
    void saveEditor();
    /// Says that the character set of the INI file at `path` cannot hold the text.
    void showIniCharsetError(const std::string& path);

    Environment& m_env;
    localisation::LanguageTexts m_texts {Language}; ///< the active language's texts
    std::vector<catalogue::MapListPanel> m_lists;  ///< the map-list panels, by ListKind from 1
    TForm2* m_form2 = nullptr;
    TForm3* m_form3 = nullptr;
    TForm4* m_form4 = nullptr;
    bool m_centred = false;
    bool m_mapRunning = false; ///< while a run over maps goes on
    std::unique_ptr<operations::DetailsPanel> m_details;             ///< what the details panel shows
    std::unique_ptr<operations::PublishedStatus> m_publishedStatus; ///< its status row
    std::unique_ptr<operations::SelectionSize> m_selectionSize;     ///< its sizes of a selection
    std::unique_ptr<operations::IniEditorPanel> m_editor;           ///< the INI editor

    ListKind m_lastListKind = ListKind::NewMaps; ///< the list last used, whose filter Ctrl+F goes to
};
