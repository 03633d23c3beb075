#include "ArchiveMaker.h"
#include "TempFolder.h"

#include <archive.h>
#include <archive_entry.h>

#include <stdexcept>

namespace {

bool isUtf8(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

} // namespace

void writeArchive(const std::string& path, const std::string& format, const std::vector<ArchiveEntry>& entries,
                  const std::string& passphrase)
{
    archive* a = archive_write_new();
    if (format == "zip") {
        archive_write_set_format_zip(a);
        archive_write_set_options(a, "zip:hdrcharset=UTF-8");
    } else if (format == "tar") {
        archive_write_set_format_pax_restricted(a);
    } else {
        archive_write_set_format_7zip(a);
    }
    if (!passphrase.empty()) {
        archive_write_set_options(a, "zip:encryption=zipcrypt");
        archive_write_set_passphrase(a, passphrase.c_str());
    }
#ifdef _WIN32
    // (Without the "\\?\" form, which the library's writer does not take.)
    const int opened = archive_write_open_filename_w(a, fsPath(path).wstring().substr(4).c_str());
#else
    const int opened = archive_write_open_filename(a, path.c_str());
#endif
    if (opened != ARCHIVE_OK)
        throw std::runtime_error("cannot write " + path);
    for (const ArchiveEntry& item : entries) {
        archive_entry* entry = archive_entry_new();
        // A name that is no UTF-8 goes in as its bytes, as old tar writers stored names.
        if (isUtf8(item.name))
#ifdef _WIN32
            // (The library's Windows build takes names in UTF-16 there.)
            archive_entry_copy_pathname_w(entry, fsPath(item.name).wstring().c_str());
#else
            archive_entry_update_pathname_utf8(entry, item.name.c_str());
#endif
        else
            archive_entry_copy_pathname(entry, item.name.c_str());
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_mtime(entry, 1700000000, 0);
        switch (item.kind) {
        case ArchiveEntry::Kind::File:
            archive_entry_set_filetype(entry, AE_IFREG);
            archive_entry_set_size(entry, static_cast<la_int64_t>(item.bytes.size()));
            break;
        case ArchiveEntry::Kind::Folder:
            archive_entry_set_filetype(entry, AE_IFDIR);
            break;
        case ArchiveEntry::Kind::Symlink:
            archive_entry_set_filetype(entry, AE_IFLNK);
            archive_entry_update_symlink_utf8(entry, item.target.c_str());
            break;
        case ArchiveEntry::Kind::HardLink:
            archive_entry_set_filetype(entry, AE_IFREG);
            archive_entry_update_hardlink_utf8(entry, item.target.c_str());
            break;
        case ArchiveEntry::Kind::Fifo:
            archive_entry_set_filetype(entry, AE_IFIFO);
            break;
        }
        archive_write_header(a, entry);
        if (!item.bytes.empty())
            archive_write_data(a, item.bytes.data(), item.bytes.size());
        archive_entry_free(entry);
    }
    archive_write_close(a);
    archive_write_free(a);
}
