#include "operations/ArchiveUnpacking.h"

#include "operations/ArchiveEntryNames.h"
#include "platform/FileSystem.h"
#include "platform/FolderTree.h"
#include "platform/NameCompare.h"
#include "platform/PathSeparator.h"

#include <archive.h>
#include <archive_entry.h>

#include <memory>
#include <unordered_set>

namespace operations {

namespace {

/// Room left for the rest of the system: unpacking stops before the disk is this full.
constexpr std::uint64_t kSpareBytes = 16u << 20;
/// How often the free space is asked again while one large entry is written.
constexpr std::uint64_t kSpaceCheckBytes = 16u << 20;
constexpr std::size_t kBlockBytes = 256u << 10;

using ArchivePtr = std::unique_ptr<struct archive, int (*)(struct archive*)>;

/// An archive open for reading. The formats are those that hold their files' bytes; not mtree,
/// whose entries would name files elsewhere on this machine to be read.
ArchivePtr openArchive(const std::string& path)
{
    ArchivePtr reader(archive_read_new(), archive_read_free);
    archive* a = reader.get();
    archive_read_support_filter_all(a);
    for (auto support : {archive_read_support_format_7zip, archive_read_support_format_ar, archive_read_support_format_cab,
                         archive_read_support_format_cpio, archive_read_support_format_iso9660,
                         archive_read_support_format_lha, archive_read_support_format_rar,
                         archive_read_support_format_rar5, archive_read_support_format_tar,
                         archive_read_support_format_zip})
        support(a);
    if (archive_read_open_filename(a, path.c_str(), kBlockBytes) != ARCHIVE_OK)
        return ArchivePtr(nullptr, archive_read_free);
    return reader;
}

/// Why reading stopped, as the library tells it.
SkipReason failureOf(archive* a, archive_entry* entry)
{
    if ((entry && archive_entry_is_encrypted(entry)) || archive_read_has_encrypted_entries(a) > 0)
        return SkipReason::Encrypted;
    const char* message = archive_error_string(a);
    const std::string text = message ? message : "";
    if (text.find("ncrypt") != std::string::npos || text.find("assphrase") != std::string::npos)
        return SkipReason::Encrypted;
    if (text.find("nsupported") != std::string::npos)
        return SkipReason::Unsupported;
    return SkipReason::Damaged;
}

/// The folder `components` name below `root`, made where missing; nothing (and why) when a
/// name cannot be held here or a file stands in the way.
std::variant<std::string, SkipReason> folderBelow(std::string root, const std::vector<std::string>& components, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const auto name = platform::nameFromUtf8(components[i]);
        if (!name || !platform::canHoldName(*name))
            return SkipReason::NameNotPossible;
        // "Maps/" and "maps/" are one folder, as on Windows.
        root = platform::nameOnDisk(root + *name);
        if (!platform::folderExists(root) && !platform::makeFolder(root))
            return platform::fileExists(root) ? SkipReason::NameTaken : SkipReason::Unreadable;
        root += platform::kPathSeparator;
    }
    return root;
}

bool roomFor(const std::string& folder, std::uint64_t bytes)
{
    const auto free = platform::freeSpace(folder);
    return !free || *free >= bytes + kSpareBytes;
}

/// Writes the data of the current entry into `path`; nothing, or why it failed.
std::optional<SkipReason> writeEntry(archive* a, archive_entry* entry, const std::string& path, const std::string& folder,
                                     const std::string& archivePath, std::uint64_t total, UnpackProgress& progress)
{
    platform::NewFile out(path);
    if (!out.valid())
        return platform::fileExists(path) ? SkipReason::NameTaken : SkipReason::NameNotPossible;
    std::vector<char> block(kBlockBytes);
    std::uint64_t sinceCheck = 0;
    for (;;) {
        const la_ssize_t read = archive_read_data(a, block.data(), block.size());
        if (read == 0)
            break;
        if (read < 0)
            return failureOf(a, entry);
        if (!out.write(block.data(), static_cast<std::size_t>(read)))
            return roomFor(folder, 0) ? SkipReason::Unreadable : SkipReason::DiskFull;
        sinceCheck += static_cast<std::uint64_t>(read);
        if (sinceCheck >= kSpaceCheckBytes) {
            sinceCheck = 0;
            if (!roomFor(folder, 0))
                return SkipReason::DiskFull;
        }
        if (!progress.unpacking(archivePath, static_cast<std::uint64_t>(archive_filter_bytes(a, -1)), total))
            return SkipReason::Cancelled;
    }
    if (!out.close())
        return roomFor(folder, 0) ? SkipReason::Unreadable : SkipReason::DiskFull;
    return std::nullopt;
}

} // namespace

bool isArchive(const std::string& path)
{
    platform::Utf8NameConversions utf8;
    ArchivePtr reader = openArchive(path);
    if (!reader)
        return false;
    archive_entry* entry = nullptr;
    const int result = archive_read_next_header(reader.get(), &entry);
    // A format was recognised even where its first entry is damaged.
    return result >= ARCHIVE_WARN || result == ARCHIVE_EOF || archive_format(reader.get()) != 0;
}

Unpacked unpackArchive(const std::string& archivePath, const std::string& folder, UnpackProgress& progress)
{
    platform::Utf8NameConversions utf8;
    Unpacked result;
    ArchivePtr reader = openArchive(archivePath);
    if (!reader) {
        result.failure = SkipReason::Unreadable;
        return result;
    }
    archive* a = reader.get();
    std::unordered_set<std::string> written;
    std::uint64_t total = 0;
    try {
        total = static_cast<std::uint64_t>(platform::fileSize(archivePath));
    } catch (const std::exception&) {
    }
    for (;;) {
        archive_entry* entry = nullptr;
        const int status = archive_read_next_header(a, &entry);
        if (status == ARCHIVE_EOF)
            break;
        if (status < ARCHIVE_WARN) {
            result.failure = failureOf(a, nullptr);
            return result;
        }
        if (!progress.unpacking(archivePath, static_cast<std::uint64_t>(archive_filter_bytes(a, -1)), total)) {
            result.failure = SkipReason::Cancelled;
            return result;
        }
        if (archive_entry_is_encrypted(entry)) {
            result.failure = SkipReason::Encrypted;
            return result;
        }
        const char* utf8Name = archive_entry_pathname_utf8(entry);
        const char* rawName = archive_entry_pathname(entry);
        const std::string shown = utf8Name ? platform::nameFromUtf8(utf8Name).value_or(utf8Name) : rawName ? rawName : "?";
        const auto skip = [&](SkipReason reason) { result.skippedEntries.push_back({shown, reason}); };
        if (!utf8Name) {
            skip(SkipReason::NameNotPossible);
            continue;
        }
        const auto parsed = entryComponents(utf8Name);
        if (const auto* reason = std::get_if<SkipReason>(&parsed)) {
            skip(*reason);
            continue;
        }
        const auto& components = std::get<std::vector<std::string>>(parsed);
        if (components.empty())
            continue;
        const auto type = archive_entry_filetype(entry);
        if (archive_entry_hardlink(entry) || archive_entry_symlink(entry) || type == AE_IFLNK) {
            skip(SkipReason::Link);
            continue;
        }
        if (type != AE_IFDIR && type != AE_IFREG) {
            skip(SkipReason::SpecialFile);
            continue;
        }
        const bool isFolder = type == AE_IFDIR;
        const auto parent = folderBelow(folder, components, isFolder ? components.size() : components.size() - 1);
        if (const auto* reason = std::get_if<SkipReason>(&parent)) {
            skip(*reason);
            continue;
        }
        if (isFolder)
            continue;
        const auto name = platform::nameFromUtf8(components.back());
        if (!name || !platform::canHoldName(*name)) {
            skip(SkipReason::NameNotPossible);
            continue;
        }
        const std::uint64_t size = archive_entry_size_is_set(entry) ? static_cast<std::uint64_t>(archive_entry_size(entry)) : 0;
        if (!roomFor(folder, size)) {
            result.failure = SkipReason::DiskFull;
            return result;
        }
        const std::string path = std::get<std::string>(parent) + *name;
        // Names compare without case, as on Windows: a second "dm-deck.vsm" does not join "DM-Deck.vsm".
        if (!written.insert(platform::upperCasedAscii(path)).second) {
            skip(SkipReason::NameTaken);
            continue;
        }
        if (const auto failed = writeEntry(a, entry, path, folder, archivePath, total, progress)) {
            if (*failed == SkipReason::NameTaken || *failed == SkipReason::NameNotPossible) {
                skip(*failed);
                continue;
            }
            result.failure = failed;
            return result;
        }
        result.files.push_back(path);
    }
    return result;
}

} // namespace operations
