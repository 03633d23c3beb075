#pragma once

#include "platform/IndexIterator.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

/// One entry of a directory search, as the system reports it.
struct DirectoryEntry {
    std::string_view name; ///< the entry's long name, without folder; valid as long as its list
    bool isFolder;         ///< the directory attribute (a link to a folder counts as a folder)
    bool isLink = false;   ///< the entry is a link (or junction) to somewhere else
};

/// The entries of one directory search, their names kept in one block: a folder of a hundred
/// thousand maps costs two allocations, not one per name.
class DirectoryEntries {
public:
    std::size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }
    DirectoryEntry operator[](std::size_t index) const
    {
        const Stored& entry = m_entries[index];
        return {std::string_view(m_names).substr(entry.begin, entry.length), entry.isFolder, entry.isLink};
    }
    void add(std::string_view name, bool isFolder, bool isLink);
    /// Sorts as Windows lists a folder: by case-insensitive name; names that differ only in
    /// case (possible here, not on Windows) keep a fixed order.
    void sortAsWindowsLists();

    using const_iterator = platform::IndexIterator<DirectoryEntries, DirectoryEntry>;
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    struct Stored {
        std::uint32_t begin;
        std::uint32_t length;
        bool isFolder;
        bool isLink;
    };
    std::string m_names;
    std::vector<Stored> m_entries;
};

/// Lists the entries of `folder` (which ends in the separator) whose names match `mask`
/// (Windows wildcard rules), sorted as Windows lists them: by case-insensitive name.
/// "." and ".." are reported like any other entry. Returns nothing when the search
/// cannot start: the folder is missing or unreadable, or no entry matches.
std::optional<DirectoryEntries> searchDirectory(const std::string& folder, const std::string& mask);

/// The two searches of one folder that a recursive file search makes: its subfolders (the
/// folders of a "*.*" search) and its entries matching `mask`, each as `searchDirectory`
/// would report it. Where the system allows, both come from one reading of the folder.
struct FolderSearch {
    std::optional<DirectoryEntries> subfolders;
    std::optional<DirectoryEntries> matches;
};
FolderSearch searchFolderAndSubfolders(const std::string& folder, const std::string& mask);

/// What makes a folder the same folder, whatever path leads to it.
struct FolderIdentity {
    std::uint64_t device = 0;
    std::uint64_t node = 0;
    friend bool operator==(const FolderIdentity&, const FolderIdentity&) = default;
};

/// The identity of the folder at `path`, or nothing when it cannot be queried.
std::optional<FolderIdentity> folderIdentity(const std::string& path);

} // namespace platform
