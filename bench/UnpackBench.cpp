// Unpacking a 200 MB zip of 100 maps dropped onto the window, beside `bsdtar -xf` of the same
// archive in the same run; and the peak memory of the program while it unpacks, beside the same
// program idle. The memory is measured in a child process that starts the program's windows.

#include "BenchForms.h"

#include "app/Forms.h"
#include "app/Unit1.h"
#include "catalogue/MapNames.h"
#include "operations/MapImport.h"

#include <QApplication>

#include <archive.h>
#include <archive_entry.h>

#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr std::size_t kPackageBytes = 2 << 20;

/// A zip of `maps` maps, each a folder with a package that does not compress (as real
/// packages), its INI file and a read-me.
void writeZip(const std::string& path, int maps)
{
    std::mt19937_64 random(42);
    std::vector<std::uint64_t> words(kPackageBytes / 8);
    archive* a = archive_write_new();
    archive_write_set_format_zip(a);
    archive_write_set_options(a, "zip:compression-level=1");
    archive_write_open_filename(a, path.c_str());
    const auto add = [&](const std::string& name, const void* bytes, std::size_t size) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.c_str());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, static_cast<la_int64_t>(size));
        archive_write_header(a, entry);
        archive_write_data(a, bytes, size);
        archive_entry_free(entry);
    };
    for (int i = 0; i < maps; ++i) {
        for (auto& word : words)
            word = random();
        const std::string base = "Pack/DM-Map" + std::to_string(i) + "/DM-Map" + std::to_string(i);
        add(base + ".vsm", words.data(), kPackageBytes);
        const std::string ini = "[DM-Map" + std::to_string(i) + "]\r\nName=Map\r\n";
        add(base + ".ini", ini.data(), ini.size());
        const std::string readme(4000, 'r');
        add("Pack/DM-Map" + std::to_string(i) + "/readme.txt", readme.data(), readme.size());
    }
    archive_write_close(a);
    archive_write_free(a);
}

class NoProgress : public operations::UnpackProgress {
public:
    bool unpacking(const std::string&, std::uint64_t, std::uint64_t) override { return true; }
};

/// The highest resident memory of this process so far, in MB.
double peakResidentMB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0 * 1.048576;
    }
    return 0;
}

/// In a child: the program's windows, idle, then the zip dropped onto them. Writes the two peaks.
int childRun(const std::string& worldRoot, const std::string& zip, const std::string& out)
{
    int argc = 1;
    char name[] = "bench";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QuietEnvironment env(worldRoot + "/program", worldRoot + "/documents", worldRoot);
    Forms forms(env);
    forms.Form1->show();
    QApplication::processEvents();
    const double idle = peakResidentMB();
    forms.Form1->addMaps({zip});
    const double unpacking = peakResidentMB();
    std::ofstream(out) << idle << " " << unpacking;
    return 0;
}

/// A player's collection of `count` maps (packs in subfolders, most without companions).
std::string collectionFolder(const std::string& root, int count)
{
    const std::string folder = root + "/Maps" + std::to_string(count);
    if (!makeCollection(folder, count))
        std::fprintf(stderr, "make-collection is missing\n");
    return folder;
}

/// The best of three pastes of `folder` into a fresh new-maps folder, beside `cp -r` of it; and
/// whether every paste holds every package of the folder. Nothing is removed between the rounds: a file
/// system slows down making files where many were just removed, and each round should find the
/// disk as the last one left it for both.
struct PasteRound {
    double paste = 1e9, copy = 1e9;
    bool whole = true;
};
PasteRound pasteBesideCopy(const std::string& root, const std::string& folder)
{
    NoProgress progress;
    PasteRound round;
    const std::size_t packages = countFilesBelow(folder, catalogue::kPackageExtension);
    for (int run = 0; run < 3; ++run) {
        const std::string pasted = root + "/pasted" + std::to_string(run), copied = root + "/copied" + std::to_string(run);
        shell("mkdir '" + pasted + "'");
        sync();
        round.paste = std::min(round.paste, bestMilliseconds(1, [&] { operations::importMaps({folder}, pasted, progress); }));
        sync();
        round.copy = std::min(round.copy, bestMilliseconds(1, [&] { shell("cp -r '" + folder + "' '" + copied + "'"); }));
        round.whole = round.whole && countFilesBelow(pasted, catalogue::kPackageExtension) == packages;
    }
    shell("rm -rf '" + root + "'/pasted* '" + root + "'/copied*");
    return round;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 5 && std::strcmp(argv[1], "--child") == 0)
        return childRun(argv[2], argv[3], argv[4]);

    BenchFolder work;
    const std::string zip = work.path() + "/Pack.zip";
    const int zipMaps = benchSize(100);
    writeZip(zip, zipMaps);
    const std::string ours = work.path() + "/ours", theirs = work.path() + "/bsdtar";
    NoProgress progress;
    double unpack = 1e9, bsdtar = 1e9;
    for (int run = 0; run < 3; ++run) {
        shell("rm -rf '" + ours + "' '" + theirs + "' && mkdir '" + ours + "' '" + theirs + "'");
        sync();
        unpack = std::min(unpack, bestMilliseconds(1, [&] { operations::importMaps({zip}, ours, progress); }));
        sync();
        bsdtar = std::min(bsdtar, bestMilliseconds(1, [&] { shell("bsdtar -xf '" + zip + "' -C '" + theirs + "'"); }));
    }
    const bool whole = shell("diff -r '" + ours + "/Pack/Pack' '" + theirs + "/Pack'") == 0;

    BenchProgramWorld world;
    const std::string figures = work.path() + "/memory.txt";
    const pid_t child = fork();
    if (child == 0) {
        execl(argv[0], argv[0], "--child", world.root.path().c_str(), zip.c_str(), figures.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    waitpid(child, nullptr, 0);
    double idle = 0, unpacking = 0;
    std::ifstream(figures) >> idle >> unpacking;

    const int some = benchSize(1000), many = benchSize(5000);
    const PasteRound small = pasteBesideCopy(work.path(), collectionFolder(work.path(), some));
    const PasteRound large = pasteBesideCopy(work.path(), collectionFolder(work.path(), many));

    const auto zipMB = static_cast<long long>((zipMaps * kPackageBytes) >> 20);
    reportRow("Unpack a " + grouped(zipMB) + " MB zip of " + grouped(zipMaps) + " maps (dropped)", unpack, "ms",
              "bsdtar -xf", bsdtar, "<= 1.2x");
    reportRow("Paste a collection of " + grouped(some) + " maps", small.paste, "ms", "cp -r", small.copy, "-");
    reportRow("Paste a collection of " + grouped(many) + " maps", large.paste, "ms", "cp -r", large.copy, "<= 1.5x");
    reportRow("Peak memory while unpacking it", unpacking, "MB", "the program idle", idle, "<= idle + 50 MB");
    if (!whole || !small.whole || !large.whole)
        std::fprintf(stderr, "an unpacking differs from bsdtar's, or a paste lacks packages of its folder\n");
    return whole && small.whole && large.whole ? 0 : 1;
}
