// Install all on collections as players have them (made by make-collection: most packages
// without companions, companions in other letter case, packs in subfolders, names in other
// scripts), at 1 000 and 5 000 maps, each beside the disk work it cannot leave out, measured on
// the same disk in the same round:
// - move within one file system: the bare renames of the same files;
// - move into a published folder on another file system (a tmpfs): each file copied there,
//   flushed, renamed into place and its source removed, one by one;
// - copy (the copy option off): each file copied into the folder, flushed and renamed into place.
// The growth between the two sizes shows whether the run costs the maps it moves or more.
// With --window, the mixed collection's move and copy also run through a real window on the
// display of DISPLAY (xcb), each round beside the same round offscreen: what the window adds.
// Each run is a process of its own on its platform (this program, started with --round).

#include "BenchForms.h"

#include "app/Forms.h"
#include "app/Unit1.h"
#include "catalogue/MapNames.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

/// One kind of collection and run.
struct Kind {
    const char* name;
    const char* layout;
    bool link;
    enum class Baseline { Renames, MovesAcross, FlushedCopies } baseline;
    bool move;
    bool window; ///< also through a real window, with --window
};

using Baseline = Kind::Baseline;
const Kind kKinds[] = {
    {"a mixed collection, move", "mixed", false, Baseline::Renames, true, true},
    {"one folder, move", "flat", false, Baseline::Renames, true, false},
    {"a folder link in the tree, move", "mixed", true, Baseline::Renames, true, false},
    {"move into another file system", "mixed", false, Baseline::MovesAcross, true, false},
    {"a mixed collection, copy", "mixed", false, Baseline::FlushedCopies, false, true},
};

/// Makes a collection of `maps` in `folder` as `kind` has it.
bool makeMaps(const std::string& folder, int maps, const Kind& kind)
{
    return makeCollection(folder, maps, kind.layout, kind.link);
}

/// Copies `from` to `to` through a temporary file beside it, flushed and renamed into place.
void flushedCopy(const std::string& from, const std::string& to)
{
    std::ifstream in(from, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    const std::string temp = to + ".tmp";
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) || fsync(fd) != 0)
        std::fprintf(stderr, "baseline copy of %s failed\n", from.c_str());
    close(fd);
    std::rename(temp.c_str(), to.c_str());
}

/// The disk work of the run, done by hand on a second collection of the same seed.
double baseline(const Kind& kind, int maps, const std::string& to)
{
    BenchFolder plain;
    const std::string from = plain.path() + "/from";
    makeMaps(from, maps, kind);
    const auto files = filesBelow(from);
    fs::create_directories(to);
    sync();
    return bestMilliseconds(1, [&] {
        for (std::size_t i = 0; i < files.size(); ++i) {
            const std::string target = to + "/" + std::to_string(i);
            if (kind.baseline == Kind::Baseline::Renames) {
                std::rename(files[i].c_str(), target.c_str());
            } else {
                flushedCopy(files[i], target);
                if (kind.baseline == Kind::Baseline::MovesAcross)
                    unlink(files[i].c_str());
            }
        }
    });
}

/// A folder on another file system than the temporary folder, for the published folder.
std::string otherFileSystem()
{
    return fs::is_directory("/dev/shm") ? "/dev/shm" : "";
}

/// One install all in a fresh world, in this process: its milliseconds, or a negative number
/// where the run did not place every package of the collection (a move leaves none of them
/// behind, a copy all of them).
double installAllOnce(const Kind& kind, int maps)
{
    BenchProgramWorld world(kind.move ? "true" : "false");
    if (!makeMaps(world.newMaps, maps, kind))
        return -1;
    const std::size_t packages = countFilesBelow(world.newMaps, catalogue::kPackageExtension);
    std::unique_ptr<BenchFolder> across;
    if (kind.baseline == Baseline::MovesAcross) {
        // The published folder a link to a folder on the other file system.
        across = std::make_unique<BenchFolder>(otherFileSystem());
        fs::remove(world.published);
        fs::create_directory_symlink(across->path(), world.published);
    }
    QuietEnvironment env(world.program, world.documents, world.root.path());
    Forms forms(env);
    TForm1& form = *forms.Form1;
    // On the screen, drawn and settled, as the player sees it before the press: a window manager
    // maps a window a moment after it is shown, and the display then draws it while the program
    // would already run.
    form.show();
    while (!form.windowHandle() || !form.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QElapsedTimer settling;
    settling.start();
    while (settling.elapsed() < 300)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    sync();
    const double milliseconds = bestMilliseconds(1, [&] { form.Button2->click(); });
    const std::size_t published = countFilesBelow(world.published, catalogue::kPackageExtension);
    const std::size_t left = countFilesBelow(world.newMaps, catalogue::kPackageExtension);
    if (published == packages && left == (kind.move ? 0 : packages))
        return milliseconds;
    std::fprintf(stderr, "%s, %d maps: %zu of %zu packages published, %zu left among the new maps\n", kind.name,
                 maps, published, packages, left);
    return -1;
}

/// One install all in a process of its own on `platform` (offscreen, xcb); as installAllOnce.
double installAllApart(const char* self, const char* platform, std::size_t kind, int maps)
{
    const std::string command = std::string("'") + self + "' --round " + platform + " " + std::to_string(kind) + " "
        + std::to_string(maps);
    FILE* child = popen(command.c_str(), "r");
    double milliseconds = -1;
    if (!child || std::fscanf(child, "%lf", &milliseconds) != 1)
        milliseconds = -1;
    if (child && pclose(child) != 0)
        milliseconds = -1;
    return milliseconds;
}

/// The best of some rounds of one kind at one size: offscreen, through the window (where asked)
/// and the baseline.
struct Round {
    double offscreen = 1e300, window = 1e300, baseline = 1e300;
    bool placed = true;
};

Round bestOf(int rounds, const char* self, std::size_t kind, int maps, bool window)
{
    Round best;
    for (int i = 0; i < rounds; ++i) {
        const double offscreen = installAllApart(self, "offscreen", kind, maps);
        const double real = window ? installAllApart(self, "xcb", kind, maps) : 0;
        if (offscreen < 0 || real < 0) {
            best.placed = false;
            continue;
        }
        best.offscreen = std::min(best.offscreen, offscreen);
        if (window)
            best.window = std::min(best.window, real);
        BenchFolder root;
        std::unique_ptr<BenchFolder> across;
        std::string to = root.path() + "/to";
        if (kKinds[kind].baseline == Baseline::MovesAcross) {
            across = std::make_unique<BenchFolder>(otherFileSystem());
            to = across->path() + "/baseline";
        }
        best.baseline = std::min(best.baseline, baseline(kKinds[kind], maps, to));
    }
    return best;
}

/// Exponent of the growth from `small` at `smallMaps` to `large` at `largeMaps`.
double growth(double small, double large, int smallMaps, int largeMaps)
{
    return std::log(large / small) / std::log(static_cast<double>(largeMaps) / smallMaps);
}

const char* baselineName(const Kind& kind)
{
    switch (kind.baseline) {
    case Kind::Baseline::Renames:
        return "the renames of its files";
    case Kind::Baseline::MovesAcross:
        return "its files copied, flushed, renamed, removed";
    case Kind::Baseline::FlushedCopies:
        return "its files copied, flushed, renamed";
    }
    return "";
}

/// The rows of one kind at two sizes.
void report(const Kind& kind, int smallMaps, const Round& small, int largeMaps, const Round& large)
{
    const auto at = [&](int maps) { return "Install all, " + grouped(maps) + " maps, " + kind.name; };
    const bool copies = kind.baseline == Baseline::FlushedCopies;
    reportRow(at(smallMaps), small.offscreen, "ms", baselineName(kind), small.baseline, "-");
    reportRow(at(largeMaps), large.offscreen, "ms", baselineName(kind), large.baseline, copies ? "<= 1.5x" : "<= 10x");
    std::printf("| Install all, growth from %s to %s maps, %s | N^%.2f | its baseline: N^%.2f | | <= N^1.2 |\n",
                grouped(smallMaps).c_str(), grouped(largeMaps).c_str(), kind.name,
                growth(small.offscreen, large.offscreen, smallMaps, largeMaps),
                growth(small.baseline, large.baseline, smallMaps, largeMaps));
    if (!kind.window || large.window >= 1e300)
        return;
    const char* target = copies ? "<= 1.5x" : "<= 5x";
    for (const auto& [maps, round] : {std::pair{smallMaps, small}, std::pair{largeMaps, large}}) {
        reportRow(at(maps) + ", real window", round.window, "ms", baselineName(kind), round.baseline, target);
        reportRow(at(maps) + ", real window against offscreen", round.window, "ms", "offscreen", round.offscreen,
                  "<= 1.2x");
    }
    std::printf("| Install all, growth from %s to %s maps, %s, real window | N^%.2f | its baseline: N^%.2f | | <= N^1.1 |\n",
                grouped(smallMaps).c_str(), grouped(largeMaps).c_str(), kind.name,
                growth(small.window, large.window, smallMaps, largeMaps),
                growth(small.baseline, large.baseline, smallMaps, largeMaps));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 5 && std::strcmp(argv[1], "--round") == 0) {
        qputenv("QT_QPA_PLATFORM", argv[2]);
        QApplication app(argc, argv);
        std::printf("%f\n", installAllOnce(kKinds[std::stoul(argv[3])], std::stoi(argv[4])));
        return 0;
    }
    // --window adds the rows through a real window; a word picks the kinds whose names hold it
    // (to look at one of them closely).
    bool window = false;
    std::string picked;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--window") == 0)
            window = true;
        else
            picked = argv[i];
    }
    if (makeCollectionTool().empty()) {
        std::printf("| Install all | skipped: make-collection is missing | | | |\n");
        return 0;
    }
    if (window && qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "--window needs a display (DISPLAY)\n");
        return 1;
    }
    const int smallMaps = benchSize(1000), largeMaps = benchSize(5000);
    bool placed = true;
    for (std::size_t kind = 0; kind < std::size(kKinds); ++kind) {
        if ((kKinds[kind].baseline == Baseline::MovesAcross && otherFileSystem().empty())
            || std::string(kKinds[kind].name).find(picked) == std::string::npos)
            continue;
        // A round more where the window is set beside offscreen: each of the two varies with the disk.
        const bool throughWindow = window && kKinds[kind].window;
        const int rounds = benchRounds(throughWindow ? 3 : 2);
        const Round small = bestOf(rounds, argv[0], kind, smallMaps, throughWindow);
        const Round large = bestOf(rounds, argv[0], kind, largeMaps, throughWindow);
        report(kKinds[kind], smallMaps, small, largeMaps, large);
        if (!small.placed || !large.placed) {
            std::fprintf(stderr, "install all, %s: not every package of the collection ended where it belongs\n",
                         kKinds[kind].name);
            placed = false;
        }
    }
    return placed ? 0 : 1;
}
