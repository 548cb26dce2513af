#include "harness.h"

#include <commctrl.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <thread>

namespace zw::e2e {

namespace {

// What every started program finds: the workstation E2E, the product's own database password (as at a
// practice) and, under Wine, unmanaged windows. Under Xvfb there is no window manager, and Wine's X11 driver
// would wait up to two seconds for one each time a managed window goes away.
class Surroundings : public ::testing::Environment {
    void SetUp() override {
        SetEnvironmentVariableW(L"ZELT_STATION", L"E2E");
        SetEnvironmentVariableW(L"ZELT_DB_PASSWORD", nullptr);
        if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr)
            RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\X11 Driver", L"Managed", REG_SZ, L"N", 4);
    }
};
const auto* const registered = ::testing::AddGlobalTestEnvironment(new Surroundings);

// CTest names the programs under test as paths of the machine Wine runs on: "/x/y" is Z:\x\y.
std::wstring PathFromEnvironment(const wchar_t* name) {
    const wchar_t* value = _wgetenv(name);
    if (value == nullptr || *value == L'\0')
        throw std::runtime_error(Narrow(name) + " must name the file (see docs/testing.md)");
    std::wstring path = value;
    if (path.size() > 1 && path[1] == L':')
        return path;
    for (wchar_t& c : path)
        c = c == L'/' ? L'\\' : c;
    return L"Z:" + path;
}

bool IsDialogBox(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return std::wstring(name) == L"#32770";
}

HANDLE OpenShared(const std::wstring& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, disposition, 0, nullptr);
}

} // namespace

LRESULT SendOrFail(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 10000, &result))
        throw std::runtime_error("the program did not answer message " + std::to_string(message));
    return static_cast<LRESULT>(result);
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    for (const auto deadline = std::chrono::steady_clock::now() + timeout;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(20ms);
    }
}

std::wstring TextOf(HWND window) {
    std::wstring text(SendOrFail(window, WM_GETTEXTLENGTH) + 1, L'\0');
    text.resize(SendOrFail(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    return text;
}

void Touch(const std::wstring& path) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
}

void Box::Answer(int button) const {
    PostMessageW(GetDlgItem(box_, button), BM_CLICK, 0, 0);
    if (!WaitUntil([&] { return !IsWindowVisible(box_); }))
        throw std::runtime_error("the message box did not close");
}

DialogTest::DialogTest() {
    static int counter = 0;
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    folder_ = temp + (L"zw-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter));
    std::filesystem::create_directories(std::filesystem::path(folder_));
    if (!CopyFileW(PathFromEnvironment(L"ZW_PROGRAM").c_str(), (folder_ + L"\\ZWInterfaceSetup.exe").c_str(), TRUE))
        throw std::runtime_error("could not copy the program into " + Narrow(folder_));
    RunTool({L"create-database", Database()});
}

DialogTest::~DialogTest() {
    // A test that failed half-way leaves the program up; it must not outlive the test and hold its folder.
    if (process_.hProcess != nullptr) {
        TerminateProcess(process_.hProcess, 255);
        WaitForSingleObject(process_.hProcess, 10000);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(folder_), ignored);
    DeleteFileW((folder_ + L".in").c_str());
    DeleteFileW((folder_ + L".out").c_str());
}

std::string DialogTest::RunTool(const std::vector<std::wstring>& arguments, const std::string& input) {
    // Standard input and output go through files beside the product folder, which the program never sees.
    const std::wstring tool = PathFromEnvironment(L"ZW_SETTINGS_TOOL"), in = folder_ + L".in", out = folder_ + L".out";
    HANDLE file = OpenShared(in, GENERIC_WRITE, CREATE_ALWAYS);
    DWORD done = 0;
    WriteFile(file, input.data(), DWORD(input.size()), &done, nullptr);
    CloseHandle(file);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = OpenShared(in, GENERIC_READ, OPEN_EXISTING);
    startup.hStdOutput = startup.hStdError = OpenShared(out, GENERIC_WRITE, CREATE_ALWAYS);
    std::wstring line = L"\"" + tool + L"\"";
    for (const auto& argument : arguments)
        line += L" \"" + argument + L"\"";
    PROCESS_INFORMATION run{};
    // Wine has been seen to refuse a start now and then while a process of the last test still ends: a few
    // more tries, then the error with its number.
    bool started = false;
    DWORD error = 0;
    for (int attempt = 0; attempt < 5 && !started; ++attempt) {
        started = CreateProcessW(tool.c_str(), line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                                 &startup, &run);
        if (!started) {
            error = GetLastError();
            Sleep(200);
        }
    }
    CloseHandle(startup.hStdInput);
    CloseHandle(startup.hStdOutput);
    if (!started)
        throw std::runtime_error("could not start the settings tool (error " + std::to_string(error) + ")");
    DWORD code = 1;
    WaitForSingleObject(run.hProcess, 60000);
    GetExitCodeProcess(run.hProcess, &code);
    CloseHandle(run.hThread);
    CloseHandle(run.hProcess);
    std::string text;
    char chunk[4096];
    file = OpenShared(out, GENERIC_READ, OPEN_EXISTING);
    while (ReadFile(file, chunk, sizeof chunk, &done, nullptr) && done > 0)
        text.append(chunk, done);
    CloseHandle(file);
    if (code != 0)
        throw std::runtime_error("the settings tool failed (" + std::to_string(code) + "): " + text);
    return text;
}

std::optional<std::string> DialogTest::StoredXray() {
    try {
        return RunTool({L"--database", Database(), L"get", L"INTERFACE", XrayKey});
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
}

void DialogTest::Start(bool expectDialog) {
    const std::wstring program = folder_ + L"\\ZWInterfaceSetup.exe";
    std::wstring line = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_))
        throw std::runtime_error("could not start " + Narrow(program));
    if (expectDialog && (dialog_ = WaitForWindow([](HWND w) { return TextOf(w) == L"Interface Setup"; })) == nullptr)
        throw std::runtime_error("no dialog; on screen: " + OpenBoxes());
}

void DialogTest::ExpectExit(DWORD expectedCode) {
    DWORD code = 0;
    ASSERT_EQ(WaitForSingleObject(process_.hProcess, 20000), WAIT_OBJECT_0) << "still running: " << OpenBoxes();
    GetExitCodeProcess(process_.hProcess, &code);
    EXPECT_EQ(code, expectedCode);
}

std::vector<HWND> DialogTest::Windows() const {
    std::pair<DWORD, std::vector<HWND>> search{process_.dwProcessId, {}};
    EnumWindows(
        [](HWND window, LPARAM data) {
            auto& [process, windows] = *reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == process && IsWindowVisible(window))
                windows.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

HWND DialogTest::WaitForWindow(const std::function<bool(HWND)>& match) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND window : Windows())
            if (match(window))
                return (found = window) != nullptr;
        return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
    });
    return found;
}

std::optional<Box> DialogTest::WaitForMessageBox(const std::wstring& title) {
    HWND box =
        WaitForWindow([&](HWND w) { return IsDialogBox(w) && GetDlgItem(w, 0xFFFF) != nullptr && TextOf(w) == title; });
    return box == nullptr ? std::nullopt : std::optional<Box>(box);
}

HWND DialogTest::WaitForFolderBrowser() {
    return WaitForWindow([](HWND w) { return IsDialogBox(w) && FindWindowExW(w, nullptr, WC_TREEVIEWW, nullptr); });
}

std::string DialogTest::OpenBoxes() {
    std::string boxes;
    for (HWND window : Windows())
        if (IsDialogBox(window))
            boxes += Narrow(TextOf(window)) + ": " + Narrow(Box(window).Text()) + "\n";
    return boxes;
}

HWND DialogTest::Control(int id) {
    std::pair<int, HWND> search{id, nullptr};
    EnumChildWindows(
        dialog_,
        [](HWND window, LPARAM data) {
            auto& [wanted, found] = *reinterpret_cast<std::pair<int, HWND>*>(data);
            found = GetDlgCtrlID(window) == wanted ? window : found;
            return BOOL(found == nullptr);
        },
        reinterpret_cast<LPARAM>(&search));
    if (search.second == nullptr)
        throw std::runtime_error("the dialog has no control " + std::to_string(id));
    return search.second;
}

std::vector<long> DialogTest::Placed(int id) {
    RECT r{};
    GetWindowRect(Control(id), &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(Control(id)), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void DialogTest::PressKey(WPARAM key) {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    if (!GetGUIThreadInfo(process_.dwThreadId, &gui) || gui.hwndFocus == nullptr)
        throw std::runtime_error("no control of the program has the focus");
    const LPARAM scan = LPARAM(MapVirtualKeyW(UINT(key), MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(gui.hwndFocus, WM_KEYDOWN, key, 1 | scan);
    PostMessageW(gui.hwndFocus, WM_KEYUP, key, 1 | scan | (3LL << 30));
}

} // namespace zw::e2e
