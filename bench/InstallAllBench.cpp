// Install all on collections as players have them (made by make-collection: most packages
// without companions, companions in other letter case, packs in subfolders, names in other
// scripts), at 1 000 and 5 000 maps, each beside the disk work it cannot leave out, measured on
// the same disk in the same round:
// - move within one file system: the bare renames of the same files;
// - move into a published folder on another file system (a tmpfs): each file copied there,
//   flushed, renamed into place and its source removed, one by one;
// - copy (the copy option off): each file copied into the folder, flushed and renamed into place.
// The growth between the two sizes shows whether the run costs the maps it moves or more.
// Set QT_QPA_PLATFORM (xcb under a display) to measure through a real window.

#include "BenchForms.h"

#include "app/Forms.h"
#include "app/Unit1.h"

#include <QApplication>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

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
};

/// Where make-collection is: beside the project, as the project's tests find the shared tools.
std::string makeCollection()
{
    return std::string(VSM_SHARED_DIR) + "/tools/make-collection";
}

/// Makes a collection of `maps` in `folder`; false where the tool is missing or fails.
bool makeMaps(const std::string& folder, int maps, const Kind& kind)
{
    return shell("'" + makeCollection() + "' '" + folder + "' --maps " + std::to_string(maps) + " --layout "
                 + kind.layout + (kind.link ? " --link" : "")) == 0;
}

/// Every file below `folder`, links to folders followed.
std::vector<std::string> filesBelow(const std::string& folder)
{
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder, fs::directory_options::follow_directory_symlink)) {
        if (entry.is_regular_file())
            files.push_back(entry.path().string());
    }
    return files;
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

struct Round {
    double installAll = 0, baseline = 0;
    bool allPublished = true;
};

Round runRound(const Kind& kind, int maps)
{
    BenchProgramWorld world(kind.move ? "true" : "false");
    Round round;
    if (!makeMaps(world.newMaps, maps, kind))
        return {0, 0, false};
    const std::size_t files = filesBelow(world.newMaps).size();
    std::unique_ptr<BenchFolder> across;
    std::string to = world.root.path() + "/to";
    if (kind.baseline == Kind::Baseline::MovesAcross) {
        // The published folder a link to a folder on the other file system.
        across = std::make_unique<BenchFolder>(otherFileSystem());
        fs::remove(world.published);
        fs::create_directory_symlink(across->path(), world.published);
        to = across->path() + "/baseline";
    }
    QuietEnvironment env(world.program, world.documents, world.root.path());
    Forms forms(env);
    TForm1& form = *forms.Form1;
    form.show();
    QApplication::processEvents();
    sync();
    round.installAll = bestMilliseconds(1, [&] { form.Button2->click(); });
    round.allPublished = filesBelow(world.published).size() == files;
    round.baseline = baseline(kind, maps, to);
    return round;
}

Round bestOf(int rounds, const Kind& kind, int maps)
{
    Round best{1e300, 1e300, true};
    for (int i = 0; i < rounds; ++i) {
        const Round round = runRound(kind, maps);
        best = {std::min(best.installAll, round.installAll), std::min(best.baseline, round.baseline),
                best.allPublished && round.allPublished};
    }
    return best;
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

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (access(makeCollection().c_str(), X_OK) != 0) {
        std::printf("| Install all | skipped: %s is missing | | | |\n", makeCollection().c_str());
        return 0;
    }
    using Baseline = Kind::Baseline;
    const Kind kinds[] = {
        {"a mixed collection, move", "mixed", false, Baseline::Renames, true},
        {"one folder, move", "flat", false, Baseline::Renames, true},
        {"a folder link in the tree, move", "mixed", true, Baseline::Renames, true},
        {"move into another file system", "mixed", false, Baseline::MovesAcross, true},
        {"a mixed collection, copy", "mixed", false, Baseline::FlushedCopies, false},
    };
    // An argument picks the kinds whose names hold it (to look at one of them closely).
    const std::string picked = argc > 1 ? argv[1] : "";
    bool whole = true;
    for (const Kind& kind : kinds) {
        if ((kind.baseline == Baseline::MovesAcross && otherFileSystem().empty())
            || std::string(kind.name).find(picked) == std::string::npos)
            continue;
        const Round small = bestOf(2, kind, 1000), large = bestOf(2, kind, 5000);
        whole = whole && small.allPublished && large.allPublished;
        const std::string what = std::string("Install all, 5000 maps, ") + kind.name;
        const char* target = kind.baseline == Baseline::FlushedCopies ? "<= 1.5x" : "<= 10x";
        reportRow((std::string("Install all, 1000 maps, ") + kind.name).c_str(), small.installAll, "ms",
                  baselineName(kind), small.baseline, "-");
        reportRow(what.c_str(), large.installAll, "ms", baselineName(kind), large.baseline, target);
        std::printf("| Install all, growth from 1000 to 5000 maps, %s | N^%.2f | its baseline: N^%.2f | | <= N^1.2 |\n",
                    kind.name, std::log(large.installAll / small.installAll) / std::log(5.0),
                    std::log(large.baseline / small.baseline) / std::log(5.0));
        std::fflush(stdout);
    }
    return whole ? 0 : 1;
}
