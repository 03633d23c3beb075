// A run over maps started from the main window: its parameters taken at the press, the window
// kept as it goes.

#include "app/Display.h"
#include "app/Environment.h"
#include "app/PathListView.h"
#include "app/ProgressBox.h"
#include "app/Unit1.h"
#include "catalogue/MapNames.h"
#include "localisation/LanguageLines.h"
#include "operations/DetailsPanel.h"
#include "operations/IniEditorPanel.h"
#include "operations/MapRun.h"
#include "operations/SelectionSize.h"
#include "platform/PathSeparator.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <initializer_list>
#include <optional>

/// What the window shows of a run over maps: the map acted on in the details panel, where that
/// can be seen; the lists it changes, kept between two maps and drawn at its pictures only; its
/// progress, in a box with a button to cancel once the run takes more than a second.
class TForm1::RunWindow : public operations::MapRunObserver {
public:
    RunWindow(TForm1& form, operations::MapRun& run, MapAction action)
        : m_form(form), m_run(run), m_action(action),
          m_progress(&form, form.languageText(localisation::lines::kCancel), Qt::NonModal)
    {
    }
    /// What the run held is drawn again (the counts are shown after, where a failure may be told).
    ~RunWindow() override { showChanges(); }

    /// The details panel shows the map, as a click on it would, where that can be seen (`seen`),
    /// and where the panel meanwhile shows what the run did not put there (the user clicked a map
    /// or refreshed), so that all it says is of one map. Between two pictures nothing of the
    /// panel is drawn, and filling it (its texts, the sizes of the files, the INI file) costs
    /// more than moving the map. Install all clears the other lists' selections, as the click.
    /// (The click's selection in the new maps would be cleared again when the list is kept after
    /// the map, before anything is drawn: it is not made.)
    void acting(const std::string& path, const catalogue::MapFileSet& files, bool seen) override
    {
        if (m_action == MapAction::InstallAll) {
            m_form.publishedFiles->setItemIndex(-1);
            m_form.unpublishedFiles->setItemIndex(-1);
        }
        if (seen || !m_form.m_details->shown().shows(m_shownInPanel)) {
            if (!m_form.m_details->shown().shows(path))
                m_form.showMapInfo(path, files);
            m_shownInPanel = path;
        }
    }

    void keepLists(catalogue::KeptFileList* newMaps, catalogue::KeptFileList& published, bool mayRead) override
    {
        if (newMaps)
            m_form.listPanel(ListKind::NewMaps)->keep(*newMaps, m_form.FileMask, mayRead);
        m_form.listPanel(ListKind::Published)->keep(published, m_form.FileMask, mayRead);
    }

    void readLists() override
    {
        m_form.refreshFileList(ListKind::NewMaps);
        m_form.refreshFileList(ListKind::Published);
    }

    /// Only what a run changes: the two lists with their counts, the details panel and the INI
    /// editor (shown in mapper mode). The buttons and frames around them stay as drawn. The
    /// counts are shown again at each picture: the edits between two pictures change no text
    /// (every change of a text is told to screen readers).
    void drawChanges(bool drawn) override
    {
        if (drawn) {
            showChanges();
            m_form.recountLists();
            return;
        }
        setChangesDrawn(false);
        // The lists' edits between two pictures are one rebuild each: a list is laid out once a
        // picture, not once a map (a layout steps through all its rows).
        if (m_run.keepsLists() && !m_heldNew) {
            m_heldNew.emplace(*m_form.newFiles);
            m_heldPublished.emplace(*m_form.publishedFiles);
        }
    }

    void progressUpdated(const std::string& path, std::size_t done, std::size_t total) override
    {
        m_progress.show(m_form.actionButton(m_action)->text() + QLatin1Char(' ') + toDisplay(catalogue::baseName(path)), done,
                        total);
    }

    void takeInput() override
    {
        QCoreApplication::processEvents();
        if (m_progress.cancelled())
            m_run.requestInterruption();
    }

private:
    void setChangesDrawn(bool drawn)
    {
        TForm1& f = m_form;
        for (QWidget* widget : std::initializer_list<QWidget*>{f.newFiles, f.Label13, f.publishedFiles, f.Label14, f.Panel1, f.iniContent})
            widget->setUpdatesEnabled(drawn);
    }

    /// Draws again what the run changed, its held rebuilds of the lists ended.
    void showChanges()
    {
        setChangesDrawn(true);
        m_heldNew.reset();
        m_heldPublished.reset();
    }

    TForm1& m_form;
    operations::MapRun& m_run;
    MapAction m_action;
    ProgressBox m_progress;
    std::string m_shownInPanel; ///< the map the run last showed in the details panel
    /// The rebuilds of the two lists held between two pictures.
    std::optional<PathListView::Rebuild> m_heldNew, m_heldPublished;
};

void TForm1::runOverMaps(MapAction action, std::vector<std::string> maps)
{
    // The runs let other events run; a press meanwhile would start a run of its own.
    if (m_mapRunning) {
        m_env.beep();
        return;
    }
    operations::MapRunParams params;
    params.action = action;
    params.maps = std::move(maps);
    params.move = CheckBox2->isChecked();
    params.publishedFolder = platform::withSeparator(catalogue::publishedFolder(DocumentsFolder));
    params.newMapsFolder = NewMapsFolder;
    if (action == MapAction::TakeOut)
        params.newMaps.assign(ListBox1.begin(), ListBox1.end());
    params.seen = m_details->shown();
    // The selection is acted on: its sizes are not added up meanwhile, and are told again after.
    m_selectionSize->stop();
    m_mapRunning = true;
    {
        const struct Finish {
            TForm1& form;
            ~Finish()
            {
                form.m_mapRunning = false;
                form.m_editor->placeWaitingText();
            }
        } finish {*this};
        operations::MapRun run(std::move(params));
        RunWindow window(*this, run, action);
        run.run(window);
    }
    recountLists();
    showSelection();
}

QPushButton* TForm1::actionButton(MapAction action) const
{
    switch (action) {
    case MapAction::Install: return Button1;
    case MapAction::InstallAll: return Button2;
    case MapAction::Copy: return Button7;
    case MapAction::Delete: return Button4;
    case MapAction::TakeOut: return Button10;
    }
    return Button1;
}
