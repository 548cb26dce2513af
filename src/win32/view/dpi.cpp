#include "dpi.h"

#include <cstdlib>

#include "geometry.h"

namespace zw::view {

namespace {

template <typename F> F Lookup(const wchar_t* module, const char* name) {
    HMODULE handle = GetModuleHandleW(module);
    if (handle == nullptr)
        handle = LoadLibraryW(module);
    if (handle == nullptr)
        return nullptr;
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(handle, name)));
}

using SetContextFn = BOOL(WINAPI*)(HANDLE);
using SetAwarenessFn = HRESULT(WINAPI*)(int);
using SetAwareFn = BOOL(WINAPI*)();
using DpiForWindowFn = UINT(WINAPI*)(HWND);
using DpiForSystemFn = UINT(WINAPI*)();
using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

int DeviceDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

} // namespace

void EnablePerMonitorAwareness() {
    // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 and _V1 are the handles -4 and -3.
    if (auto setContext = Lookup<SetContextFn>(L"user32.dll", "SetProcessDpiAwarenessContext")) {
        if (setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4))) ||
            setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3))))
            return;
        if (GetLastError() == ERROR_ACCESS_DENIED)
            return; // already set, by the manifest
    }
    if (auto setAwareness = Lookup<SetAwarenessFn>(L"shcore.dll", "SetProcessDpiAwareness")) {
        const HRESULT result = setAwareness(2); // PROCESS_PER_MONITOR_DPI_AWARE
        if (SUCCEEDED(result) || result == E_ACCESSDENIED)
            return;
    }
    if (auto setAware = Lookup<SetAwareFn>(L"user32.dll", "SetProcessDPIAware"))
        setAware();
}

int NonClientDpi(HWND window) {
    if (window != nullptr)
        if (auto forWindow = Lookup<DpiForWindowFn>(L"user32.dll", "GetDpiForWindow"))
            if (const UINT dpi = forWindow(window); dpi != 0)
                return static_cast<int>(dpi);
    if (auto forSystem = Lookup<DpiForSystemFn>(L"user32.dll", "GetDpiForSystem"))
        if (const UINT dpi = forSystem(); dpi != 0)
            return static_cast<int>(dpi);
    return DeviceDpi();
}

std::optional<int> DpiOverride() {
    return ParseDpiOverride(std::getenv("ZW_DPI"));
}

int LayoutDpi() {
    if (const auto forced = DpiOverride())
        return *forced;
    return NonClientDpi();
}

SIZE OuterSize(SIZE client, DWORD style, DWORD exStyle, int dpi) {
    RECT rect{0, 0, client.cx, client.cy};
    auto adjustForDpi = Lookup<AdjustForDpiFn>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (adjustForDpi == nullptr || !adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

Screen PrimaryScreen(int layoutDpi) {
    return Screen::FromPixels(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), layoutDpi, layoutDpi);
}

} // namespace zw::view
