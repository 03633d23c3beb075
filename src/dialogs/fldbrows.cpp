#include "dialogs/fldbrows.h"

#include "platform/DirectorySearch.h"
#include "platform/PathSeparator.h"

#include <utility>

TFolderBrowser::TFolderBrowser(WindowHandle ownerWindow, std::string title, std::string initialFolder,
                               bool includeFiles, bool newDialogStyle)
    : OwnerWindow(ownerWindow)
    , Title(std::move(title))
    , IncludeFiles(includeFiles)
    , NewDialogStyle(newDialogStyle)
    , InitialFolder(std::move(initialFolder))
{
}

TFolderBrowser::~TFolderBrowser()
{
    if (Root)
        FreeItemIdList(Root);
}

bool TFolderBrowser::Execute(FolderPicker& picker)
{
    const auto chosen = picker.pickFolder(*this);
    if (!chosen || !FolderPath.empty() || chosen->empty())
        return false;
    FolderPath = *chosen;
    return true;
}

unsigned TFolderBrowser::Flags() const
{
    unsigned flags = 0;
    if (StatusText)
        flags |= BIF_STATUSTEXT;
    if (IncludeFiles)
        flags |= BIF_BROWSEINCLUDEFILES;
    flags |= NewDialogStyle ? BIF_NEWDIALOGSTYLE : BIF_NONEWFOLDERBUTTON;
    if (NoTranslateTargets)
        flags |= BIF_NOTRANSLATETARGETS;
    return flags;
}

bool FolderHasFilterMatch(const std::string& folder, const std::string& filter)
{
    if (folder.empty() || filter.empty())
        return false;
    const std::string entries = filter + std::string(2, '\0');
    for (std::size_t start = 0; entries[start] != '\0';) {
        const std::size_t end = entries.find('\0', start);
        if (PathMatchExists(platform::joinPath(folder, entries.substr(start, end - start))))
            return true;
        start = end + 1;
    }
    return false;
}

bool PathMatchExists(const std::string& pattern)
{
    const auto cut = platform::lastComponentStart(pattern);
    const std::string folder = cut == 0 ? platform::withSeparator(".") : pattern.substr(0, cut);
    const std::string mask = pattern.substr(cut);
    return platform::searchDirectory(folder, mask).has_value();
}
