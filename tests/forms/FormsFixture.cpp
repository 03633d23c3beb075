#include "FormsFixture.h"

#include "app/PathListView.h"
#include "settings/Settings.h"

#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <filesystem>

#ifdef _WIN32
namespace {

/// Qt's offscreen platform on Windows reads fonts from a folder of its own: give it the system's.
const bool kSystemFonts = [] {
    if (!qEnvironmentVariableIsSet("QT_QPA_FONTDIR"))
        qputenv("QT_QPA_FONTDIR", qgetenv("WINDIR") + "\\Fonts");
    return true;
}();

} // namespace
#endif

World::World()
    : program(root.makeFolder("program"))
    , documents(root.makeFolder("documents"))
    , desktop(root.makeFolder("desktop"))
    , newMaps(root.makeFolder("downloads/maps"))
    , published(root.makeFolder("documents/My Games/Vesmar Arena/VSGame/Published/CookedPC/CustomMaps"))
    , unpublished(root.makeFolder("documents/My Games/Vesmar Arena/VSGame/Unpublished/CookedPC/CustomMaps"))
{
    // What the windows may read of the machine is this world's: the number format (a point,
    // whatever the machine's locale), the home folder, the XDG settings and the trash.
    QLocale::setDefault(QLocale::c());
    // One home and data folder for the whole test program, as the system's trash library looks
    // them up once; the trash is emptied for each world.
    static const TempFolder home;
    qputenv("HOME", home.path().c_str());
    qputenv("XDG_CONFIG_HOME", (root / "config").c_str());
    qputenv("XDG_DATA_HOME", (home / "data").c_str());
    std::filesystem::remove_all(home / "data/Trash");
    trash = home / "data/Trash/files";
    for (const char* language : {"English.ini", "Deutsch.ini"})
        std::filesystem::copy_file(std::string(VSM_LANGUAGE_DIR) + "/" + language, program + "/" + language);
}

void World::writeConfig(std::initializer_list<std::pair<std::size_t, std::string>> changes, std::size_t lines)
{
    LineList config = settings::defaultConfig();
    config[1] = "English";
    config[5] = newMaps;
    for (const auto& [line, text] : changes)
        config[line] = text;
    config.resize(lines);
    settings::saveLineList(program + "/config.ini", config);
}

std::string World::config() const
{
    return readFile(program + "/config.ini");
}

std::string World::put(const std::string& path, const std::string& bytes)
{
    return writeFile(path, bytes);
}

Forms& World::start()
{
    env = std::make_unique<FakeEnvironment>(program, documents, desktop, settings);
    forms = std::make_unique<Forms>(*env);
    return *forms;
}

void click(QPushButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void clickRow(PathListView* list, int row, Qt::KeyboardModifiers modifiers)
{
    const QRect place = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, place.center());
}

QStringList itemsOf(const PathListView* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i));
    return items;
}
