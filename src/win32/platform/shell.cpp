#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <shlwapi.h>
// shlwapi names its wide functions through macros that would rename the members below.
#undef PathFileExists
#undef PathAppend

#include "shell.h"

#include <memory>

#include "ansi_text.h"
#include "base/text_conversion.h"

namespace zw {

namespace {

// The browser needs COM on this thread; whoever started the thread may already have set it up.
class ComScope {
public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~ComScope() {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT result_;
};

struct ItemListDeleter {
    void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};

constexpr size_t MaxPath = 260;

} // namespace

std::string Win32Shell::BrowseForFolder(const std::string& title, unsigned flags) {
    ComScope com;
    // Kept in a local so the text stays valid while the browser is up.
    std::string ansiTitle = win32::ToAnsi(title);
    BROWSEINFOA info{};
    info.hwndOwner = GetActiveWindow();
    info.pidlRoot = nullptr;
    info.pszDisplayName = nullptr;
    info.lpszTitle = ansiTitle.c_str();
    info.ulFlags = flags;
    info.lpfn = nullptr;
    info.lParam = 0;
    std::unique_ptr<ITEMIDLIST, ItemListDeleter> list(SHBrowseForFolderA(&info));
    if (!list)
        return {};
    char buffer[MaxPath] = {};
    SHGetPathFromIDListA(list.get(), buffer);
    return win32::FromAnsi(buffer);
}

bool Win32Shell::PathFileExists(const std::string& path) {
    return PathFileExistsW(WideFromUtf8(path).c_str()) != FALSE;
}

std::string Win32Shell::PathAppend(const std::string& folder, const std::string& name) {
    std::wstring buffer = WideFromUtf8(folder);
    if (buffer.size() >= MaxPath)
        return {};
    buffer.resize(MaxPath, L'\0');
    PathAppendW(buffer.data(), WideFromUtf8(name).c_str());
    return Utf8FromWide(buffer.c_str());
}

} // namespace zw
