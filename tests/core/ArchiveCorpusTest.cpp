// Maps from archives that other tools made: public test archives of other projects' test suites,
// imported as a player's download folder, compared with what bsdtar makes of each.

#include "operations/MapImport.h"
#include "platform/FileSystem.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <iconv.h>
#include <sys/stat.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <filesystem>
#include <iostream>
#include <fstream>
#include <map>
#include <set>
#include <vector>

namespace fs = std::filesystem;
using operations::SkipReason;

namespace {

class QuietProgress : public operations::UnpackProgress {
public:
    bool unpacking(const std::string&, std::uint64_t, std::uint64_t) override { return true; }
};

/// The folder of public test archives; empty where this checkout has none beside it.
std::string corpusFolder()
{
    std::string folder = VSM_ARCHIVE_CORPUS;
#ifdef _WIN32
    folder = "Z:" + native(folder);
#endif
    return fs::is_directory(fs::u8path(folder)) ? folder : std::string();
}

#ifndef _WIN32
/// The regular files below `folder`, by their path relative to it.
std::set<std::string> filesBelow(const std::string& folder)
{
    std::set<std::string> files;
    if (!fs::is_directory(folder))
        return files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_symlink() && entry.is_regular_file())
            files.insert(fs::relative(entry.path(), folder).generic_string());
    }
    return files;
}

/// True when two files hold the same bytes (read in pieces: some are 512 MB of holes).
bool sameBytes(const std::string& one, const std::string& other)
{
    std::ifstream a(one, std::ios::binary), b(other, std::ios::binary);
    std::vector<char> x(1 << 20), y(1 << 20);
    while (a && b) {
        a.read(x.data(), static_cast<std::streamsize>(x.size()));
        b.read(y.data(), static_cast<std::streamsize>(y.size()));
        if (a.gcount() != b.gcount() || !std::equal(x.begin(), x.begin() + a.gcount(), y.begin()))
            return false;
    }
    return a.eof() && b.eof();
}

/// An entry's name as a path to compare: "/" for "\", no leading "./" or "/" (which bsdtar
/// takes off).
std::string comparable(std::string path)
{
    std::replace(path.begin(), path.end(), '\\', '/');
    while (!path.empty() && (path[0] == '/' || path.compare(0, 2, "./") == 0))
        path.erase(0, path[0] == '/' ? 1 : 2);
    return path;
}
#endif

#ifndef _WIN32
/// A path that bsdtar wrote from a zip without a character set: where its bytes are no UTF-8,
/// read in code page 437, the OEM code page of the locale this test sets.
std::string inCodePage437(const std::string& path)
{
    const iconv_t toUtf8 = iconv_open("UTF-8", "UTF-8"), fromOem = iconv_open("UTF-8", "IBM437");
    const auto convert = [&](iconv_t converter) -> std::optional<std::string> {
        std::string in = path, out(path.size() * 4, '\0');
        char *from = in.data(), *to = out.data();
        std::size_t left = in.size(), room = out.size();
        if (iconv(converter, &from, &left, &to, &room) == static_cast<std::size_t>(-1))
            return std::nullopt;
        return out.substr(0, out.size() - room);
    };
    const auto name = convert(toUtf8) ? path : convert(fromOem).value_or(path);
    iconv_close(toUtf8);
    iconv_close(fromOem);
    return name;
}
#endif

} // namespace

TEST(ArchiveCorpus, ArchivesOfOtherToolsGiveWhatBsdtarGivesLessWhatTheReportNames)
{
    const std::string corpus = corpusFolder();
    if (corpus.empty())
        GTEST_SKIP() << "no public test archives beside this checkout";
#ifndef _WIN32
    // Zip names of no character set are read in the OEM code page of the locale's language: 437 here.
    const std::string locale = std::getenv("LC_ALL") ? std::getenv("LC_ALL") : "";
    setenv("LC_ALL", "C.UTF-8", 1);
    struct RestoreLocale {
        std::string was;
        ~RestoreLocale() { was.empty() ? unsetenv("LC_ALL") : setenv("LC_ALL", was.c_str(), 1); }
    } restoreLocale {locale};
#endif
    TempFolder root;
    const std::string newMaps = root.makeFolder("new maps");
    // A player's download folder: every archive and a map.
    const std::string downloads = root.makeFolder("downloads/corpus");
    root.write("downloads/corpus/DM-Corpus.vsm", "map");
    std::vector<std::string> archives;
    for (const auto& entry : fs::recursive_directory_iterator(corpus)) {
        if (!entry.is_regular_file() || entry.path().filename() == "README")
            continue;
        // All side by side (their names differ): a folder without maps in it would not be kept.
        const std::string name = entry.path().filename().string();
        fs::copy_file(entry.path(), root / ("downloads/corpus/" + name));
        archives.push_back(name);
    }
    QuietProgress progress;
    const auto report = operations::importMaps({downloads}, newMaps, progress);
    const auto named = [&](const std::string& what) {
        return std::any_of(report.skipped.begin(), report.skipped.end(), [&](const auto& skipped) { return skipped.what.text() == what; });
    };
    const auto reasonOf = [&](const std::string& archive) {
        for (const auto& skipped : report.skipped) {
            if (skipped.what.text() == "corpus/" + archive)
                return static_cast<int>(skipped.reason);
        }
        return -1;
    };

    // Archives refused whole, each for the reason that fits; the others are unpacked.
    std::map<std::string, SkipReason> refused = {
        {"7zr-crc_corrupted.7z", SkipReason::Damaged},
        {"7zr-zstd.7z", SkipReason::Unsupported},
        {"cc-bla-deflate64-7z.7z", SkipReason::Unsupported},
        {"cc-lorem-ipsum-deflate64.zip", SkipReason::Unsupported},
        {"cc-COMPRESS-544_truncated_in_content-fail.tar", SkipReason::Damaged},
        {"cc-archive_with_bytes_after_data.zip", SkipReason::Damaged},
        {"la-test_read_format_7zip_encryption_header.7z", SkipReason::Encrypted},
        {"la-test_read_format_rar4_encrypted.rar", SkipReason::Encrypted},
        {"la-test_read_format_rar5_encrypted_filenames.rar", SkipReason::Encrypted},
        {"la-test_read_format_zip_encryption_partially.zip", SkipReason::Encrypted},
        {"la-test_read_format_zip_traditional_encryption_data.zip", SkipReason::Encrypted},
        {"la-test_read_format_zip_winzip_aes256.zip", SkipReason::Encrypted},
        {"la-test_read_format_rar5_truncated_huff.rar", SkipReason::Damaged},
        {"cc-bla-stored-dd.zip", SkipReason::Damaged},
        {"go-test-baddirsz.zip", SkipReason::Damaged},
        {"7zr-archive.7z-001.7z", SkipReason::Damaged},
    };
#ifdef _WIN32
    // The Windows build of the archive library reads no Zstandard.
    refused.emplace("la-test_read_format_zip_zstd.zipx", SkipReason::Unsupported);
#endif
    for (const std::string& archive : archives) {
        const auto expected = refused.find(archive);
        EXPECT_EQ(reasonOf(archive), expected == refused.end() ? -1 : static_cast<int>(expected->second)) << archive;
    }

    // Everything landed in one new folder; nothing outside the new-maps folder, nothing unfinished.
    EXPECT_EQ(listFolder(root.path()), "downloads new maps");
    EXPECT_EQ(listFolder(newMaps), "corpus");
    EXPECT_EQ(report.addedMaps, std::vector<std::string> {"DM-Corpus.vsm"});
    for (const FoundEntry& entry : everythingBelow(newMaps)) {
        EXPECT_FALSE(entry.isLink) << entry.path;
        EXPECT_TRUE(entry.isFolder ? platform::folderExists(entry.path) : platform::fileExists(entry.path)) << entry.path;
        EXPECT_FALSE(platform::isSpecialFile(entry.path)) << entry.path;
        EXPECT_EQ(entry.relative.find("vsm-unpacking"), std::string::npos) << entry.path;
    }

    // An entry without a file type is a plain file; a member that only begins like an empty
    // archive stays a file; a 512 MB sparse file takes little room; zip names without the
    // UTF-8 flag, valid UTF-8 or a Unicode name field are the OEM code page's (437 here).
    const std::string placed = newMaps + native("/corpus/");
    EXPECT_TRUE(fs::is_regular_file(fsPath(placed + native("7zr-extra_payload_data/src/bra.txt"))));
    EXPECT_TRUE(fs::is_regular_file(fsPath(placed + native("py-testtar/gnu/sparse-0.0"))));
    EXPECT_EQ(fs::file_size(fsPath(placed + native("py-testtar/gnu/sparse-0.0"))), 86016u);
    const std::string sparse = placed + native("gotar-gnu-incremental/test2/sparse");
    ASSERT_TRUE(fs::is_regular_file(fsPath(sparse)));
    EXPECT_EQ(fs::file_size(fsPath(sparse)), 536870912u);
    EXPECT_TRUE(fs::is_regular_file(fsPath(placed + native("cc-utf8-7zip-test/\u00D6lf\u00E4sser.txt"))));
    EXPECT_FALSE(named("corpus/7zr-extra_payload_data.7z: src/bra.txt"));

#ifndef _WIN32
    struct stat info {};
    ASSERT_EQ(stat(sparse.c_str(), &info), 0);
    EXPECT_LT(info.st_blocks * 512, 1 << 20) << "the holes are written as zeros";
    // Every file bsdtar writes is there with its bytes, unless the report names it or its archive.
    for (const std::string& archive : archives) {
        // A web archive is no format read here: its files are not maps' and not looked for.
        if (refused.count(archive) || archive == "la-test_read_format_warc.warc")
            continue;
        const std::string folder = root / ("bsdtar/" + archive);
        fs::create_directories(folder);
        const std::string command = "cd '" + folder + "' && LC_ALL=C.UTF-8 bsdtar -xf '" + root / ("downloads/corpus/" + archive)
            + "' 2>/dev/null";
        (void)std::system(command.c_str());
        const std::string name = fs::path(archive).replace_extension().string();
        std::string unpacked = placed + native(name.size() > 4 && name.substr(name.size() - 4) == ".tar" ? name.substr(0, name.size() - 4) : name);
        const auto ours = filesBelow(unpacked);
        const bool zip = archive.size() > 4 && archive.substr(archive.size() - 4) == ".zip";
        for (const std::string& written : filesBelow(folder)) {
            const std::string path = zip ? inCodePage437(written) : written;
            if (ours.count(path)) {
                EXPECT_TRUE(sameBytes(unpacked + "/" + path, folder + "/" + written)) << archive << ": " << path << " differs";
                continue;
            }
            // Left out with a reason in the report: by the entry's name as the archive has it.
            const bool reported = std::any_of(report.skipped.begin(), report.skipped.end(), [&](const auto& skipped) {
                const std::string prefix = "corpus/" + archive + ": ";
                if (skipped.what.text().compare(0, prefix.size(), prefix) != 0)
                    return false;
                const std::string entry = comparable(skipped.what.text().substr(prefix.size()));
                return entry == comparable(path);
            });
            // An archive in the archive is unpacked beside itself instead.
            const bool nested = fs::is_directory(unpacked + "/" + fs::path(path).replace_extension().string());
            EXPECT_TRUE(reported || nested) << archive << ": " << path << " is missing and not reported";
        }
    }
#endif
}
