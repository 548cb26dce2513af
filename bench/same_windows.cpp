// The second yardstick of the start-up benchmark: a program that makes exactly the windows the dialog has
// when it is first painted, and does nothing else. It reads them from the list the program itself writes
// (ZW_WINDOW_LIST, src/win32/view/window_list.*): the same classes, styles, ids, rectangles, texts, fonts,
// check states and tabs, the hidden ones hidden, made in the program's order, with the program's manifest,
// icon and common controls. No model, database or loading: whatever the program needs beyond this is its own.
//
//   ZWSameWindows.exe LIST
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

long long Ticks() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

struct Marks {
    std::vector<std::pair<const char*, long long>> marks;
    void Mark(const char* name) { marks.emplace_back(name, Ticks()); }
};

std::wstring Wide(const std::string& utf8) {
    std::wstring out(utf8.size(), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(),
                                           static_cast<int>(out.size()));
    out.resize(static_cast<size_t>(length > 0 ? length : 0));
    return out;
}

std::string Unescaped(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

// One line of the list: the fields the program wrote, in its order.
struct Window {
    int parent = -1; // the line of the parent; -1 for the top-level window
    std::wstring className, text, face;
    DWORD style = 0, exStyle = 0;
    int id = 0, left = 0, top = 0, width = 0, height = 0;
    LONG fontHeight = 0, fontWeight = 0;
    BYTE charset = 0;
    int check = 0;
    bool focus = false;
    int selectedTab = -1;
    std::vector<std::wstring> tabs;
};

std::vector<Window> ReadList(const wchar_t* file) {
    std::vector<Window> windows;
    HANDLE handle = CreateFileW(file, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return windows;
    std::string content(static_cast<size_t>(GetFileSize(handle, nullptr)), '\0');
    DWORD read = 0;
    ReadFile(handle, content.data(), static_cast<DWORD>(content.size()), &read, nullptr);
    CloseHandle(handle);
    content.resize(read);

    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos)
            end = content.size();
        std::vector<std::string> fields;
        for (size_t field = start;;) {
            const size_t tab = content.find('\t', field);
            if (tab == std::string::npos || tab > end) {
                fields.push_back(Unescaped(content.substr(field, end - field)));
                break;
            }
            fields.push_back(Unescaped(content.substr(field, tab - field)));
            field = tab + 1;
        }
        start = end + 1;
        if (fields.size() < 16)
            continue;
        Window window;
        window.className = Wide(fields[0]);
        window.parent = fields[1] == "-" ? -1 : std::atoi(fields[1].c_str());
        window.style = std::strtoul(fields[2].c_str(), nullptr, 16);
        window.exStyle = std::strtoul(fields[3].c_str(), nullptr, 16);
        window.id = std::atoi(fields[4].c_str());
        window.left = std::atoi(fields[5].c_str());
        window.top = std::atoi(fields[6].c_str());
        window.width = std::atoi(fields[7].c_str());
        window.height = std::atoi(fields[8].c_str());
        window.fontHeight = std::atol(fields[9].c_str());
        window.fontWeight = std::atol(fields[10].c_str());
        window.charset = static_cast<BYTE>(std::atoi(fields[11].c_str()));
        window.face = Wide(fields[12]);
        window.check = std::atoi(fields[13].c_str());
        window.focus = fields[14] == "1";
        window.text = Wide(fields[15]);
        if (fields.size() > 16) {
            window.selectedTab = std::atoi(fields[16].c_str());
            for (size_t i = 17; i < fields.size(); ++i)
                window.tabs.push_back(Wide(fields[i]));
        }
        windows.push_back(std::move(window));
    }
    return windows;
}

// Closing ends the loop and leaves the windows to the end of the process, as the program's end does.
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE && GetParent(window) == nullptr) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool IsSystemClass(const std::wstring& name) {
    for (const wchar_t* system : {L"Button", L"Static", L"Edit", WC_TABCONTROLW})
        if (lstrcmpiW(name.c_str(), system) == 0)
            return true;
    return false;
}

// The program's own classes (its form and its frames): the button face, the arrow, the program's icon on the
// top-level one.
void Register(HINSTANCE instance, const std::wstring& name, bool topLevel) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name.c_str();
    if (topLevel) {
        windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                          GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
        windowClass.hIconSm =
            static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                          GetSystemMetrics(SM_CYSMICON), 0));
    }
    RegisterClassExW(&windowClass);
}

void WriteTrace(const wchar_t* file, const Marks& marks) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    if (FILE* out = _wfopen(file, L"ab")) {
        std::fprintf(out, "=frequency\t%lld\n", frequency.QuadPart);
        for (const auto& [name, ticks] : marks.marks)
            std::fprintf(out, "%s\t%lld\n", name, ticks);
        std::fclose(out);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    Marks marks;
    marks.Mark("wWinMain");
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    if (__argc < 2)
        return 2;
    const std::vector<Window> list = ReadList(__wargv[1]);
    if (list.empty() || list[0].parent != -1)
        return 3;
    marks.Mark("list read");

    std::map<std::wstring, bool> registered;
    std::map<std::tuple<LONG, LONG, BYTE, std::wstring>, HFONT> fonts;
    std::vector<HWND> made;
    HWND focus = nullptr;
    for (const Window& window : list) {
        const bool topLevel = window.parent < 0;
        if (!IsSystemClass(window.className) && !registered[window.className]) {
            Register(instance, window.className, topLevel);
            registered[window.className] = true;
        }
        if (!topLevel && window.parent >= static_cast<int>(made.size()))
            return 4;
        HWND parent = topLevel ? nullptr : made[static_cast<size_t>(window.parent)];
        // The top-level window is shown when it is whole, as the program's is.
        const DWORD style = topLevel ? window.style & ~WS_VISIBLE : window.style;
        HWND handle = CreateWindowExW(window.exStyle, window.className.c_str(), window.text.c_str(), style, window.left,
                                      window.top, window.width, window.height, parent,
                                      topLevel ? nullptr : reinterpret_cast<HMENU>(static_cast<INT_PTR>(window.id)),
                                      instance, nullptr);
        if (handle == nullptr)
            return 5;
        made.push_back(handle);
        if (!window.face.empty()) {
            auto key = std::make_tuple(window.fontHeight, window.fontWeight, window.charset, window.face);
            HFONT& font = fonts[key];
            if (font == nullptr) {
                LOGFONTW request{};
                request.lfHeight = window.fontHeight;
                request.lfWeight = window.fontWeight;
                request.lfCharSet = window.charset;
                request.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
                lstrcpynW(request.lfFaceName, window.face.c_str(), LF_FACESIZE);
                font = CreateFontIndirectW(&request);
            }
            SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
        if (window.check != 0)
            SendMessageW(handle, BM_SETCHECK, static_cast<WPARAM>(window.check), 0);
        for (size_t i = 0; i < window.tabs.size(); ++i) {
            std::wstring caption = window.tabs[i];
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = caption.data();
            SendMessageW(handle, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
        }
        if (window.selectedTab > 0)
            SendMessageW(handle, TCM_SETCURSEL, static_cast<WPARAM>(window.selectedTab), 0);
        if (window.focus)
            focus = handle;
    }
    marks.Mark("windows made");

    ShowWindow(made[0], SW_SHOWNORMAL);
    SetForegroundWindow(made[0]);
    if (focus != nullptr)
        SetFocus(focus);
    marks.Mark("shown");

    MSG message;
    bool painted = false;
    for (;;) {
        if (!painted && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            painted = true;
            marks.Mark("first paint done");
        }
        if (GetMessageW(&message, nullptr, 0, 0) <= 0)
            break;
        if (IsDialogMessageW(made[0], &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (const wchar_t* file = _wgetenv(L"ZW_TRACE_STARTUP"))
        WriteTrace(file, marks);
    return 0;
}
