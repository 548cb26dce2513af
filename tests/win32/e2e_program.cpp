// The started program and its windows, reached from the test process the way any outside tool reaches
// another program's windows: by process id, caption, class and control id.
#include "e2e_harness.h"

#include <commctrl.h>

#include <stdexcept>

namespace zw::e2e {

namespace {

constexpr UINT SendTimeoutMs = 10000;

std::string Describe(int id) {
    return "control " + std::to_string(id);
}

LRESULT SendOrFail(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const std::string& what) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, SendTimeoutMs, &result))
        throw std::runtime_error("the program did not answer in time: " + what);
    return static_cast<LRESULT>(result);
}

struct TopLevelSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<TopLevelSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId)
        search.found.push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindows(DWORD processId) {
    TopLevelSearch search{processId, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct ChildSearch {
    int id;
    HWND found;
};

BOOL CALLBACK FindChild(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<ChildSearch*>(data);
    if (GetDlgCtrlID(window) == search.id) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

std::wstring ClassName(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring TextOf(HWND window) {
    const auto length = static_cast<size_t>(SendOrFail(window, WM_GETTEXTLENGTH, 0, 0, "reading a text"));
    std::wstring text(length + 1, L'\0');
    const auto copied = static_cast<size_t>(
        SendOrFail(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), "reading a text"));
    text.resize(copied);
    return text;
}

RECT RectInParent(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

LONG StyleOf(HWND window) {
    return GetWindowLongW(window, GWL_STYLE);
}

std::wstring Box::Text() const {
    HWND message = GetDlgItem(box_, 0xFFFF);
    return message == nullptr ? std::wstring() : TextOf(message);
}

bool Box::HasIcon() const {
    HWND icon = GetDlgItem(box_, 0x0440);
    return icon != nullptr && IsWindowVisible(icon) && SendOrFail(icon, STM_GETICON, 0, 0, "reading an icon") != 0;
}

void Box::Answer(int id) const {
    HWND button = GetDlgItem(box_, id);
    if (button == nullptr)
        throw std::runtime_error("the message box has no button " + std::to_string(id));
    PostMessageW(button, BM_CLICK, 0, 0);
    if (!WaitUntil([&] { return !IsWindow(box_) || !IsWindowVisible(box_); }))
        throw std::runtime_error("the message box did not close");
}

RunningProgram::RunningProgram(const ProductFolder& folder, const std::wstring& arguments,
                               const std::map<std::wstring, std::wstring>& environment) {
    std::map<std::wstring, std::wstring> variables = environment;
    variables.emplace(L"ZELT_STATION", Widen(Station));
    // Unless a test says otherwise the program uses the product's own password, as at a practice.
    variables.emplace(L"ZELT_DB_PASSWORD", L"");

    std::wstring block = EnvironmentBlock(variables);

    std::wstring commandLine = L"\"" + folder.Program() + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(folder.Program().c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_UNICODE_ENVIRONMENT, block.data(), nullptr, &startup, &info_))
        throw std::runtime_error("could not start " + Narrow(folder.Program()) + " (error " +
                                 std::to_string(GetLastError()) + ")");
}

RunningProgram::~RunningProgram() {
    if (info_.hProcess == nullptr)
        return;
    // A test that failed half-way leaves the program up; it must not outlive the test and hold its folder.
    if (!HasExited()) {
        TerminateProcess(info_.hProcess, 255);
        WaitForSingleObject(info_.hProcess, 10000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool RunningProgram::HasExited() const {
    return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0;
}

std::optional<DWORD> RunningProgram::WaitForExit(Clock::duration timeout) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(timeout).count();
    if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(ms)) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

HWND RunningProgram::WaitForDialog(Clock::duration timeout) {
    WaitUntil(
        [&] {
            for (HWND window : TopLevelWindows(ProcessId()))
                if (IsWindowVisible(window) && TextOf(window) == DialogCaption) {
                    dialog_ = window;
                    return true;
                }
            return HasExited();
        },
        timeout);
    return dialog_;
}

std::vector<HWND> RunningProgram::DialogBoxes() const {
    std::vector<HWND> boxes;
    for (HWND window : TopLevelWindows(ProcessId()))
        if (IsWindowVisible(window) && ClassName(window) == L"#32770")
            boxes.push_back(window);
    return boxes;
}

std::optional<Box> RunningProgram::WaitForMessageBox(const std::wstring& title, Clock::duration timeout) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND box : DialogBoxes())
                if (TextOf(box) == title && GetDlgItem(box, 0xFFFF) != nullptr) {
                    found = box;
                    return true;
                }
            return HasExited();
        },
        timeout);
    if (found == nullptr)
        return std::nullopt;
    return Box(found);
}

HWND RunningProgram::WaitForFolderBrowser(Clock::duration timeout) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND box : DialogBoxes())
                if (FindWindowExW(box, nullptr, WC_TREEVIEWW, nullptr) != nullptr) {
                    found = box;
                    return true;
                }
            return HasExited();
        },
        timeout);
    return found;
}

std::string RunningProgram::DescribeOpenBoxes() const {
    std::string description;
    for (HWND box : DialogBoxes()) {
        description += "[" + Narrow(TextOf(box)) + "] " + Narrow(Box(box).Text()) + "\n";
    }
    return description.empty() ? "(no box open)" : description;
}

HWND RunningProgram::Dialog() const {
    if (dialog_ == nullptr || !IsWindow(dialog_))
        throw std::runtime_error("the dialog window is not there (call WaitForDialog first)");
    return dialog_;
}

HWND RunningProgram::Control(int id) const {
    ChildSearch search{id, nullptr};
    EnumChildWindows(Dialog(), FindChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND RunningProgram::RequireControl(int id) const {
    HWND control = Control(id);
    if (control == nullptr)
        throw std::runtime_error("the dialog has no " + Describe(id));
    return control;
}

void RunningProgram::Click(int id) const {
    SendOrFail(RequireControl(id), BM_CLICK, 0, 0, "pressing " + Describe(id));
}

void RunningProgram::PostClick(int id) const {
    PostMessageW(RequireControl(id), BM_CLICK, 0, 0);
}

void RunningProgram::SetText(int id, const std::wstring& text) const {
    SendOrFail(RequireControl(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
               "typing into " + Describe(id));
}

std::wstring RunningProgram::Text(int id) const {
    return TextOf(RequireControl(id));
}

int RunningProgram::CheckState(int id) const {
    return static_cast<int>(SendOrFail(RequireControl(id), BM_GETCHECK, 0, 0, "reading " + Describe(id)));
}

bool RunningProgram::IsVisible(int id) const {
    return IsWindowVisible(RequireControl(id)) != FALSE;
}

bool RunningProgram::IsEnabled(int id) const {
    return IsWindowEnabled(RequireControl(id)) != FALSE;
}

void RunningProgram::PostClose() const {
    PostMessageW(Dialog(), WM_CLOSE, 0, 0);
}

void RunningProgram::PressKey(WPARAM key) const {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    if (!GetGUIThreadInfo(info_.dwThreadId, &gui) || gui.hwndFocus == nullptr)
        throw std::runtime_error("no control of the program has the keyboard focus");
    HWND control = gui.hwndFocus;
    const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
    PostMessageW(control, WM_KEYDOWN, key, 1 | (static_cast<LPARAM>(scan) << 16));
    PostMessageW(control, WM_KEYUP, key, 1 | (static_cast<LPARAM>(scan) << 16) | (3LL << 30));
}

} // namespace zw::e2e
