#include "dialogs/SystemFolderPicker.h"
#include "dialogs/win32/ShellCallbacks.h"
#include "platform/win32/Win32Files.h"

#include <objbase.h>
#include <shlobj.h>

namespace {

/// Balances a successful CoInitializeEx, also when an error interrupts.
struct ComApartment {
    ~ComApartment() { CoUninitialize(); }
};

} // namespace

void FreeItemIdList(void*& list)
{
    IMalloc* allocator = nullptr;
    if (SHGetMalloc(&allocator) != S_OK || !allocator)
        return;
    allocator->Free(list);
    allocator->Release();
    list = nullptr;
}

int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM parameter, LPARAM data)
{
    const auto& browser = *reinterpret_cast<const TFolderBrowser*>(data);
    if (message == BFFM_INITIALIZED) {
        if (!browser.InitialFolder.empty()) {
            const std::wstring initial = platform::wideFromUtf8(browser.InitialFolder);
            SendMessageW(window, BFFM_SETSELECTIONW, 1, reinterpret_cast<LPARAM>(initial.c_str()));
        }
        SendMessageW(window, BFFM_ENABLEOK, 0, browser.FileFilter.empty() ? 1 : 0);
        if (browser.PositionSet)
            SetWindowPos(window, nullptr, browser.Left, browser.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    } else if (message == BFFM_SELCHANGED && parameter != 0 && !browser.FileFilter.empty()) {
        wchar_t path[MAX_PATH] = {};
        if (SHGetPathFromIDListW(reinterpret_cast<LPCITEMIDLIST>(parameter), path)) {
            SendMessageW(window, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(path));
            SendMessageW(window, BFFM_ENABLEOK, 0,
                         FolderHasFilterMatch(platform::utf8FromWide(path), browser.FileFilter) ? 1 : 0);
        }
    }
    return 0;
}

std::optional<std::string> SystemFolderPicker::pickFolder(const TFolderBrowser& browser)
{
    const HRESULT initialised = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (initialised != S_OK && initialised != S_FALSE)
        return std::nullopt;
    ComApartment apartment;

    wchar_t displayName[MAX_PATH];
    const std::wstring title = platform::wideFromUtf8(browser.Title);
    BROWSEINFOW info = {};
    info.hwndOwner = reinterpret_cast<HWND>(browser.OwnerWindow);
    info.pidlRoot = static_cast<LPCITEMIDLIST>(browser.Root);
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = browser.Flags();
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(&browser);
    void* chosen = SHBrowseForFolderW(&info);
    if (!chosen)
        return std::nullopt;

    std::optional<std::string> result;
    wchar_t path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(static_cast<LPCITEMIDLIST>(chosen), path) && path[0] != L'\0')
        result = platform::utf8FromWide(path);
    FreeItemIdList(chosen);
    return result;
}
