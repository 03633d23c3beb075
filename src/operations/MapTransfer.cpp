// Installing new maps, copying unpublished maps and deleting published maps.

#include "app/Controls.h"
#include "app/Display.h"
#include "app/Environment.h"
#include "app/Unit1.h"
#include "catalogue/MapNames.h"
#include "localisation/LanguageLines.h"
#include "platform/FileSystem.h"
#include "platform/FileTransfer.h"
#include "platform/PathSeparator.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>

#include <set>
#include <vector>

void TForm1::transferMapFiles(bool move)
{
    const std::string base = catalogue::basePath(SelectedMapPath);
    const std::string name = catalogue::baseName(SelectedMapPath);
    std::vector<platform::FileToPlace> files{{SelectedMapPath, catalogue::fileNameOf(SelectedMapPath)}};
    using catalogue::kIniSuffix, catalogue::kLocalisationSuffix;
    if (textColour(Label2) == colours::black)
        files.push_back({platform::nameOnDisk(base + kIniSuffix), name + kIniSuffix});
    if (textColour(Label3) == colours::black)
        files.push_back({platform::nameOnDisk(base + kLocalisationSuffix), name + kLocalisationSuffix});
    // Failures are not reported: the rebuilt lists show the outcome.
    const std::string destination = catalogue::publishedFolder(DocumentsFolder) + platform::kPathSeparator;
    move ? platform::moveFilesInto(destination, files) : platform::copyFilesInto(destination, files);
}

void TForm1::installmap()
{
    if (newFiles->itemIndex() == -1) {
        m_env.beep();
        return;
    }
    transferMapFiles(CheckBox2->isChecked());
    refreshFileList(1);
    refreshFileList(2);
}

void TForm1::Button1Click()
{
    installmap();
}

void TForm1::Button2Click()
{
    // The passes let other events run; a second press meanwhile would start a run of its own.
    if (m_installingAll) {
        m_env.beep();
        return;
    }
    m_installingAll = true;
    struct Finish {
        bool& flag;
        ~Finish() { flag = false; }
    } finish{m_installingAll};

    const int passes = newFiles->count();
    std::set<std::string, std::less<>> taken;
    for (int pass = 0; pass < passes; ++pass) {
        std::size_t next = 0;
        while (next < ListBox1.size() && taken.count(ListBox1[next]))
            ++next;
        if (next == ListBox1.size())
            break;
        const std::string path(ListBox1[next]);
        taken.insert(path);
        newFiles->setItemIndex(static_cast<int>(next));
        publishedFiles->setItemIndex(-1);
        unpublishedFiles->setItemIndex(-1);
        showMapInfo(path);
        // installmap ends by rebuilding lists 1 and 2; rebuilding them again right away, with
        // no event and no file operation between, would give the same lists: it is left out.
        installmap();
        QCoreApplication::processEvents();
    }
    showMapInfo({});
}

void TForm1::Button7Click()
{
    if (unpublishedFiles->itemIndex() == -1) {
        m_env.beep();
        return;
    }
    transferMapFiles(false);
    refreshFileList(1);
    refreshFileList(2);
}

void TForm1::Button4Click()
{
    if (publishedFiles->itemIndex() == -1) {
        m_env.beep();
    } else if (m_env.askYesNo(this, QStringLiteral("...!"), toDisplay(languageLine(localisation::lines::kDeleteQuestion)))) {
        const std::string base = catalogue::basePath(SelectedMapPath);
        for (const std::string& path : {SelectedMapPath, base + catalogue::kIniSuffix, base + catalogue::kLocalisationSuffix})
            platform::recycleFile(platform::nameOnDisk(path));
    }
    refreshFileList(2);
}
