// Failures provoked while files are written: nothing a user had is lost or left half-done.
// POSIX only: the faults are a file-size limit (RLIMIT_FSIZE) and a killed process.

#ifndef _WIN32

#include "catalogue/MapNames.h"
#include "operations/MapImport.h"
#include "platform/DiskSpace.h"
#include "platform/Errors.h"
#include "platform/FileTransfer.h"
#include "platform/TextFile.h"
#include "settings/LineList.h"
#include "ArchiveMaker.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

/// Limits the size of every file this process writes while it lives; a write past the limit
/// fails with EFBIG instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
};

class NoProgress : public operations::UnpackProgress {
public:
    bool unpacking(const std::string&, std::uint64_t, std::uint64_t) override { return true; }
};

bool onOtherFileSystem(const std::string& a, const std::string& b)
{
    struct stat first {}, second {};
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 && first.st_dev != second.st_dev;
}

} // namespace

TEST(FaultInjection, SavesThatFailWhileWritingKeepTheOldFile)
{
    TempFolder program;
    const std::string config = program.write("config.ini", "Language:\r\nEnglish\r\n");
    const std::string ini = program.write("maps/DM-Deck.ini", "[DM-Deck]\r\n");
    {
        FileSizeLimit limit(8);
        EXPECT_THROW(settings::saveLineList(config, LineList(50, "a long settings line")), platform::FileCreateError);
        EXPECT_THROW(platform::saveFileAtomically(ini, std::string(4096, 'i')), platform::FileCreateError);
    }
    EXPECT_EQ(readFile(config), "Language:\r\nEnglish\r\n");
    EXPECT_EQ(readFile(ini), "[DM-Deck]\r\n");
    EXPECT_EQ(listFolder(program.path()), "config.ini maps");
    EXPECT_EQ(listFolder(program / "maps"), "DM-Deck.ini");
}

TEST(FaultInjection, CopyThatFailsMidwayLeavesNoPartialDestination)
{
    TempFolder root;
    const std::string source = root.write("new/DM-Big.vsm", std::string(1 << 20, 'b'));
    const std::string existing = root.write("published/DM-Old.vsm", "old");
    {
        FileSizeLimit limit(64 * 1024);
        EXPECT_FALSE(platform::copyFile(source, root / "published/DM-Big.vsm"));
        EXPECT_FALSE(platform::copyFile(source, existing));
    }
    EXPECT_EQ(listFolder(root / "published"), "DM-Old.vsm");
    EXPECT_EQ(readFile(existing), "old");
    EXPECT_EQ(readFile(source), std::string(1 << 20, 'b'));
}

TEST(FaultInjection, MoveToAnotherFileSystemWhoseCopyFailsKeepsTheSource)
{
    TempFolder root;
    if (!onOtherFileSystem(root.path(), "/dev/shm"))
        GTEST_SKIP() << "no second file system at /dev/shm";
    const std::string source = root.write("DM-Far.vsm", std::string(1 << 20, 'f'));
    const std::string target = "/dev/shm/vsm-fault-" + std::to_string(getpid()) + ".vsm";
    {
        FileSizeLimit limit(64 * 1024);
        EXPECT_FALSE(platform::moveFile(source, target));
    }
    EXPECT_EQ(readFile(source), std::string(1 << 20, 'f'));
    EXPECT_EQ(readFile(target), "<missing>");
    EXPECT_EQ(listFolder(root.path()), "DM-Far.vsm");
}

TEST(FaultInjection, UnpackingThatFailsWhileWritingOrFillsTheDiskLeavesNoFolder)
{
    TempFolder root;
    const std::string zip = root / "DM-Pack.zip";
    writeArchive(zip, "zip", {{"DM-Small.vsm", "small"}, {"DM-Big.vsm", std::string(4 << 20, 'b')}});
    const std::string newMaps = root.makeFolder("new");
    NoProgress progress;
    {
        FileSizeLimit limit(1 << 20);
        const auto report = operations::importMaps({zip}, newMaps, progress);
        ASSERT_EQ(report.skipped.size(), 1u);
        EXPECT_EQ(report.skipped[0].reason, operations::SkipReason::Unreadable);
        EXPECT_TRUE(report.addedMaps.empty());
    }
    EXPECT_EQ(listFolder(newMaps), "");

    // A disk of 3 MiB keeps 300 KiB free for the rest of the system: an archive or a folder
    // that would take more is refused whole and leaves nothing.
    for (int i = 0; i < 10; ++i)
        root.write("many/DM-Map" + std::to_string(i) + ".vsm", std::string(400 << 10, 'm'));
    const std::string small = root.makeFolder("small");
    const SmallDisk disk(small, 3);
    if (!disk.mounted())
        GTEST_SKIP() << "no small file system can be mounted here";
    const auto report = operations::importMaps({zip, root / "many"}, small, progress);
    EXPECT_TRUE(report.addedMaps.empty());
    ASSERT_EQ(report.skipped.size(), 2u);
    EXPECT_EQ(report.skipped[0].what.text(), "DM-Pack.zip");
    EXPECT_EQ(report.skipped[0].reason, operations::SkipReason::TooLittleRoom);
    EXPECT_EQ(report.skipped[1].what.text(), "many/DM-Map6.vsm");
    EXPECT_EQ(report.skipped[1].reason, operations::SkipReason::TooLittleRoom);
    EXPECT_EQ(listFolder(small), "");
}

// An import counts what the disk really spends: each file's data in whole blocks, and each file
// and folder an entry, against the room for files too; a disk that runs full all the same stops
// the archive whole, and no map goes without the companions its archive held.
TEST(FaultInjection, ImportsCountBlocksAndFilesAndAFullDiskRefusesTheArchiveWhole)
{
    TempFolder root;
    const auto pack = [&](const std::string& name, int files) {
        std::vector<ArchiveEntry> entries {{"DM-Pack.vsm", "map"}};
        for (int i = 0; i < files; ++i)
            entries.push_back({"bits/" + std::to_string(i), files > 10000 ? "x" : ""});
        entries.push_back({"DM-Pack.ini", "[DM-Pack]"});
        entries.push_back({"DM-Pack_LOC_INT.vsp", "loc"});
        writeArchive(root / name, "tar", entries);
        return root / name;
    };
    /// Takes the disk's last free entries once a few entries are unpacked, as another program could.
    struct FillingProgress : operations::UnpackProgress {
        std::string filler;
        int calls = 0;
        bool unpacking(const std::string&, std::uint64_t, std::uint64_t) override
        {
            if (++calls != 5 || filler.empty())
                return true;
            for (int i = 0;; ++i) {
                FILE* file = std::fopen((filler + "/" + std::to_string(i)).c_str(), "w");
                if (!file)
                    return true;
                std::fclose(file);
            }
        }
    };
    const struct {
        const char* what;
        std::string archive;
        int megabytes, files;
        bool fill;
        operations::SkipReason reason;
    } rows[] = {
        {"30 000 one-byte files on 100 MB", pack("Bytes.tar", 30000), 100, 0, false, operations::SkipReason::TooLittleRoom},
        {"5 000 empty files with room for 3 000", pack("Empty.tar", 5000), 100, 3000, false, operations::SkipReason::TooLittleRoom},
        {"the room for files taken meanwhile", pack("Taken.tar", 50), 100, 400, true, operations::SkipReason::DiskFull},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string small = root.makeFolder("small");
        const SmallDisk disk(small, row.megabytes, row.files);
        if (!disk.mounted())
            GTEST_SKIP() << "no small file system can be mounted here";
        const std::string newMaps = root.makeFolder("small/new");
        FillingProgress progress;
        progress.filler = row.fill ? root.makeFolder("small/filler") : "";
        const auto before = platform::diskSpace(newMaps);
        const auto report = operations::importMaps({row.archive}, newMaps, progress);
        EXPECT_TRUE(report.addedMaps.empty());
        ASSERT_EQ(report.skipped.size(), 1u);
        EXPECT_EQ(report.skipped[0].what.text(), catalogue::fileNameOf(row.archive));
        EXPECT_EQ(report.skipped[0].reason, row.reason);
        EXPECT_EQ(listFolder(newMaps), "");
        // Refused before the reserves were touched: what the disk had free, it has again.
        const auto after = platform::diskSpace(newMaps);
        if (!row.fill && before && after) {
            EXPECT_EQ(after->available, before->available);
            EXPECT_EQ(after->availableFiles, before->availableFiles);
        }
    }
}

TEST(FaultInjection, KilledSaveLeavesTheOldOrTheNewFileNeverAMix)
{
    TempFolder program;
    const std::string oldText(200000, 'o');
    const std::string newText(300000, 'n');
    for (int round = 0; round < 20; ++round) {
        const std::string path = program.write("config.ini", oldText);
        const pid_t child = fork();
        if (child == 0) {
            // The child saves until it is killed and never returns into the test, whatever happens.
            try {
                for (;;)
                    platform::saveFileAtomically(path, newText);
            } catch (...) {
            }
            _exit(0);
        }
        usleep(static_cast<useconds_t>(200 + round * 150));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string after = readFile(path);
        EXPECT_TRUE(after == oldText || after == newText) << "round " << round << ": " << after.size() << " bytes";
    }
}

#endif
