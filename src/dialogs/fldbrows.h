#pragma once

#include <cstdint>
#include <optional>
#include <string>

class TFolderBrowser;

/// The window in which the user picks a folder for a TFolderBrowser: the Windows shell's
/// picker on Windows, a window of our own elsewhere, a recording fake in tests.
class FolderPicker {
public:
    virtual ~FolderPicker() = default;
    /// Shows the picker as `browser` describes it and waits; the chosen folder's
    /// file-system path, or nothing when the user cancelled or chose no such folder.
    virtual std::optional<std::string> pickFolder(const TFolderBrowser& browser) = 0;
};

/// Picker flags, as the Windows shell numbers them.
inline constexpr unsigned BIF_STATUSTEXT = 0x0004;
inline constexpr unsigned BIF_NEWDIALOGSTYLE = 0x0040;
inline constexpr unsigned BIF_NONEWFOLDERBUTTON = 0x0200;
inline constexpr unsigned BIF_NOTRANSLATETARGETS = 0x0400;
inline constexpr unsigned BIF_BROWSEINCLUDEFILES = 0x4000;

/// One browse for a folder: created with its options, `Execute` once, `FolderPath` read,
/// then freed.
class TFolderBrowser {
public:
    using WindowHandle = std::uintptr_t;

    TFolderBrowser(WindowHandle ownerWindow, std::string title, std::string initialFolder,
                   bool includeFiles, bool newDialogStyle);

    /// Shows the picker; true when a folder with a file-system path was chosen, which
    /// `FolderPath` then holds. A second call on the same object never changes `FolderPath`.
    bool Execute(FolderPicker& picker);

    /// The picker flags that the fields ask for.
    unsigned Flags() const;

    WindowHandle OwnerWindow;   ///< the window the picker is modal to
    std::string Title;          ///< text above the folder tree
    bool IncludeFiles;          ///< list files as well as folders
    bool NewDialogStyle;        ///< resizable style with a new-folder button
    bool StatusText = true;     ///< the picker has a status line
    bool NoTranslateTargets = true; ///< a chosen link is returned as itself
    std::string InitialFolder;  ///< folder selected at opening; empty: none
    std::string FolderPath;     ///< result: the chosen folder's path
    std::int32_t Top = 0;       ///< screen position of the picker, when PositionSet
    std::int32_t Left = 0;
    bool PositionSet = false;
    std::string FileFilter;     ///< NUL-separated names or masks; OK only for a folder holding a match
    void* Root = nullptr;       ///< root of the tree; none means the desktop; owned

    ~TFolderBrowser();
    TFolderBrowser(const TFolderBrowser&) = delete;
    TFolderBrowser& operator=(const TFolderBrowser&) = delete;
};

/// Releases a shell item id list with the shell's allocator and sets it to none; leaves it as
/// it is when the allocator cannot be obtained. (Only the Windows shell makes such lists.)
void FreeItemIdList(void*& list);

/// True when `folder` holds an entry matching one of the NUL-separated entries of `filter`.
bool FolderHasFilterMatch(const std::string& folder, const std::string& filter);

/// True when a directory search on `pattern` (a path whose last part may be a mask) starts.
bool PathMatchExists(const std::string& pattern);
