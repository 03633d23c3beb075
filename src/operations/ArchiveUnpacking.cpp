#include "operations/ArchiveUnpacking.h"

#include "operations/ArchiveEntryNames.h"
#include "operations/ImportedFile.h"
#include "platform/ArchiveFile.h"
#include "platform/FileSystem.h"
#include "platform/NameIndex.h"
#include "platform/PathSeparator.h"

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace operations {

namespace {

constexpr std::size_t kBlockBytes = 256u << 10;

using ArchivePtr = std::unique_ptr<struct archive, int (*)(struct archive*)>;

/// An archive open for reading. The formats are those that hold their files' bytes; not mtree,
/// whose entries would name files elsewhere on this machine to be read, and not WARC web
/// archives (no maps come in them, and the library's reader of them reads past its buffer).
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
    if (platform::openArchiveFile(a, path, kBlockBytes) != ARCHIVE_OK)
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
    // "Unsupported ZIP compression method", "Unknown codec ID" (7z), "not supported".
    for (const char* unsupported : {"nsupported", "not supported", "nknown codec", "nknown compression"}) {
        if (text.find(unsupported) != std::string::npos)
            return SkipReason::Unsupported;
    }
    return SkipReason::Damaged;
}

/// A name of the entry in this system's form; nothing when this system cannot hold it.
std::optional<std::string> systemName(const std::string& component, bool isUtf8)
{
    auto name = isUtf8 ? std::optional(component) : platform::nameFromUnknownCharset(component);
    if (name && !platform::canHoldName(*name))
        name.reset();
    return name;
}

/// True for why an entry failed that refuses its whole archive, as against leaving out the
/// entry: damage, encryption, the disk, a cancel. An entry whose path leaves its folder, a link
/// or device, or a name that cannot be written here or is taken, is left out alone.
bool stopsTheArchive(SkipReason reason)
{
    switch (reason) {
    case SkipReason::OutsideItsFolder:
    case SkipReason::Link:
    case SkipReason::SpecialFile:
    case SkipReason::NameNotPossible:
    case SkipReason::NameTaken:
        return false;
    default:
        return true;
    }
}

/// The folder `components` name below `root`, made where missing; nothing (and why) when a
/// name cannot be held here, a file stands in the way or the disk has no room for it.
std::variant<std::string, SkipReason> folderBelow(std::string root, const std::vector<std::string>& components,
                                                  std::size_t count, bool isUtf8, DiskReserve& reserve)
{
    for (std::size_t i = 0; i < count; ++i) {
        const auto name = systemName(components[i], isUtf8);
        if (!name)
            return SkipReason::NameNotPossible;
        // "Maps/" and "maps/" are one folder, as on Windows.
        root = platform::nameOnDisk(root + *name);
        if (!platform::folderExists(root)) {
            if (const auto failed = makeImportedFolder(root, reserve))
                return *failed;
        }
        root = platform::withSeparator(std::move(root));
    }
    return root;
}

/// Writes the data of the current entry into `path`, holes as holes; nothing, or why it failed.
std::optional<SkipReason> writeEntry(archive* a, archive_entry* entry, const std::string& path, DiskReserve& reserve,
                                     const std::string& archivePath, std::uint64_t total, UnpackProgress& progress)
{
    const bool sizeKnown = archive_entry_size_is_set(entry) && archive_entry_size(entry) >= 0;
    const std::uint64_t size = sizeKnown ? static_cast<std::uint64_t>(archive_entry_size(entry)) : 0;
    ImportedFile out(path, reserve, size);
    if (out.failure())
        return out.failure();
    std::uint64_t end = 0;
    for (;;) {
        const void* block = nullptr;
        std::size_t length = 0;
        la_int64_t offset = 0;
        const int status = archive_read_data_block(a, &block, &length, &offset);
        if (status == ARCHIVE_EOF)
            break;
        // A warning here is a checksum that does not match: damaged data.
        if (status != ARCHIVE_OK || offset < 0)
            return failureOf(a, entry);
        // Data past the size the entry gave (a hostile sparse map) is damage, not a hole to make.
        if (sizeKnown && static_cast<std::uint64_t>(offset) + length > size)
            return SkipReason::Damaged;
        if (length > 0 && !out.writeAt(static_cast<std::uint64_t>(offset), block, length))
            return out.failure();
        end = std::max(end, static_cast<std::uint64_t>(offset) + length);
        if (!progress.unpacking(archivePath, static_cast<std::uint64_t>(archive_filter_bytes(a, -1)), total))
            return SkipReason::Cancelled;
    }
    // A sparse file may end in a hole: its length is the one the entry gives.
    if (!out.finish(sizeKnown ? std::max(end, size) : end))
        return out.failure();
    return std::nullopt;
}

} // namespace

ArchiveProbe probeArchive(const std::string& path)
{
    platform::ArchiveNameConversions utf8;
    ArchivePtr reader = openArchive(path);
    if (!reader)
        return ArchiveProbe::NotAnArchive;
    archive_entry* entry = nullptr;
    const int result = archive_read_next_header(reader.get(), &entry);
    if (result == ARCHIVE_OK || result == ARCHIVE_WARN)
        return ArchiveProbe::Entries;
    // A format may be recognised where even its first entry is damaged.
    if (archive_format(reader.get()) == 0)
        return ArchiveProbe::NotAnArchive;
    return result == ARCHIVE_EOF ? ArchiveProbe::NoEntries : ArchiveProbe::Damaged;
}

namespace {

/// An entry's name: as the archive means it, and as the report shows it.
struct EntryName {
    std::string name;
    std::string shown;
    bool isUtf8; ///< `name` is UTF-8 (else bytes of no known character set)
};

/// The name the archive means: in UTF-8 where it says so, gives a Unicode form of it (a zip's
/// Unicode name field) or its bytes are valid UTF-8 (what zip tools of Linux and macOS write
/// without the flag); another zip name is in the player's OEM code page, as Windows' own
/// unzipping reads it. Other names of no known character set (an old tar) keep their bytes (on
/// Windows: are read in the ANSI code page).
EntryName nameOf(archive* a, archive_entry* entry)
{
    const char* rawName = archive_entry_pathname(entry);
    auto utf8Name = platform::entryNameInUtf8(entry);
    if (!utf8Name && rawName && (archive_format(a) & ARCHIVE_FORMAT_BASE_MASK) == ARCHIVE_FORMAT_ZIP)
        utf8Name = platform::nameFromOemCodePage(rawName);
    if (utf8Name)
        return {*utf8Name, *utf8Name, true};
    const std::string bytes = rawName ? rawName : "";
    return {bytes, platform::nameFromUnknownCharset(bytes).value_or(bytes), false};
}

/// Why an entry of this kind is not written: a link, or what is neither file nor folder (an
/// entry without a file type, as a 7z written without attributes or a member of an "ar" file
/// has, is a plain file); nothing for a file or folder.
std::optional<SkipReason> refusedKind(archive_entry* entry)
{
    const auto type = archive_entry_filetype(entry);
    if (archive_entry_hardlink(entry) || archive_entry_symlink(entry) || type == AE_IFLNK)
        return SkipReason::Link;
    if (type != AE_IFDIR && type != AE_IFREG && type != 0)
        return SkipReason::SpecialFile;
    return std::nullopt;
}

/// One unpacking: the archive being read and what it has written.
class Unpacking {
public:
    Unpacking(archive* a, const std::string& archivePath, const std::string& folder, DiskReserve& reserve,
              UnpackProgress& progress)
        : m_archive(a), m_path(archivePath), m_folder(folder), m_reserve(reserve), m_progress(progress),
          m_total(platform::fileSizeOrZero(archivePath))
    {
    }

    /// Reads every entry; what was unpacked and skipped, or why the archive failed.
    Unpacked run()
    {
        for (;;) {
            archive_entry* entry = nullptr;
            const int status = archive_read_next_header(m_archive, &entry);
            if (status == ARCHIVE_EOF)
                break;
            const auto failure = status < ARCHIVE_WARN ? failureOf(m_archive, nullptr) : unpackEntry(entry);
            if (failure) {
                m_result.failure = failure;
                break;
            }
        }
        return std::move(m_result);
    }

private:
    /// Writes one entry, or notes why it is left out; why the whole archive fails, or nothing.
    std::optional<SkipReason> unpackEntry(archive_entry* entry)
    {
        if (!m_progress.unpacking(m_path, static_cast<std::uint64_t>(archive_filter_bytes(m_archive, -1)), m_total))
            return SkipReason::Cancelled;
        if (archive_entry_is_encrypted(entry))
            return SkipReason::Encrypted;
        const EntryName name = nameOf(m_archive, entry);
        const auto parsed = entryComponents(name.name);
        const auto* components = std::get_if<std::vector<std::string>>(&parsed);
        if (!components)
            return skip(name, std::get<SkipReason>(parsed));
        if (components->empty())
            return std::nullopt;
        if (const auto refused = refusedKind(entry))
            return skip(name, *refused);
        const bool isFolder = archive_entry_filetype(entry) == AE_IFDIR;
        const auto parent = folderBelow(m_folder, *components, components->size() - (isFolder ? 0 : 1), name.isUtf8, m_reserve);
        if (const auto* reason = std::get_if<SkipReason>(&parent))
            return skip(name, *reason);
        if (isFolder)
            return std::nullopt;
        const auto fileName = systemName(components->back(), name.isUtf8);
        if (!fileName)
            return skip(name, SkipReason::NameNotPossible);
        const std::string path = std::get<std::string>(parent) + *fileName;
        // Names compare without case, as on Windows: a second "dm-deck.vsm" does not join "DM-Deck.vsm".
        if (!m_written.insert(path))
            return skip(name, SkipReason::NameTaken);
        if (const auto failed = writeEntry(m_archive, entry, path, m_reserve, m_path, m_total, m_progress))
            return skip(name, *failed);
        m_result.files.push_back(path);
        return std::nullopt;
    }

    /// Leaves the entry out for `reason`, or fails the archive where the reason is one that
    /// refuses it whole.
    std::optional<SkipReason> skip(const EntryName& name, SkipReason reason)
    {
        if (stopsTheArchive(reason))
            return reason;
        m_result.skippedEntries.push_back({ShownPath(name.shown), reason});
        return std::nullopt;
    }

    archive* m_archive;
    const std::string& m_path;
    const std::string& m_folder;
    DiskReserve& m_reserve;
    UnpackProgress& m_progress;
    std::uint64_t m_total;
    platform::NameSet m_written;
    Unpacked m_result;
};

} // namespace

Unpacked unpackArchive(const std::string& archivePath, const std::string& folder, DiskReserve& reserve,
                       UnpackProgress& progress)
{
    platform::ArchiveNameConversions conversions;
    ArchivePtr reader = openArchive(archivePath);
    if (!reader)
        return {SkipReason::Unreadable, {}, {}};
    return Unpacking(reader.get(), archivePath, folder, reserve, progress).run();
}

} // namespace operations
