// The yardstick of the start-up benchmark: a Win32 program that shows one window with the dialog's caption,
// styles and size, and ends when the window is closed. Whatever the real program costs beyond this is its own.
// Built with ZW_BARE_COMMON_CONTROLS (and the program's resources) it also loads and initialises the common
// controls version 6, as every dialog with a tab strip must: what that alone costs.
#include <windows.h>

#ifdef ZW_BARE_COMMON_CONTROLS
#include <commctrl.h>
#endif

#include <cstdio>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

long long Ticks() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

// The same trace as the program's (ZW_TRACE_STARTUP), so that the launcher can set the two starts side by side.
void WriteTrace(const wchar_t* file, long long entered, long long shown) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    if (FILE* out = _wfopen(file, L"ab")) {
        std::fprintf(out, "=frequency\t%lld\nwWinMain\t%lld\nshown\t%lld\n", frequency.QuadPart, entered, shown);
        std::fclose(out);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const long long entered = Ticks();
#ifdef ZW_BARE_COMMON_CONTROLS
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
#endif
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"ZWBareWindow";
    if (RegisterClassExW(&windowClass) == 0)
        return 1;

    // The dialog's frame and its 96-DPI size (a 475 x 586 client area).
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;
    RECT frame{0, 0, 475, 586};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    HWND window =
        CreateWindowExW(exStyle, windowClass.lpszClassName, L"Interface Setup", style, 271, 63,
                        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    const long long shown = Ticks();

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (const wchar_t* file = _wgetenv(L"ZW_TRACE_STARTUP"))
        WriteTrace(file, entered, shown);
    return 0;
}
