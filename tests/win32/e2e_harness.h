#pragma once
// Drives the real program from outside, as a user and a support engineer would: a fresh product folder
// with its database, the program started in it, its windows found by caption and control id, buttons
// pressed, texts typed, message boxes read and answered, and the stored settings read back afterwards.
// The test executable is itself a Windows program and shares the Wine prefix (registry, Windows folder)
// with the program it starts.
#include <windows.h>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zw::e2e {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Deadlines are generous: Wine starts a process in seconds on a loaded machine, never in minutes.
constexpr auto StartTimeout = 60s;
constexpr auto StateTimeout = 20s;

inline constexpr const wchar_t* DialogCaption = L"Interface Setup";
inline constexpr const wchar_t* BoxTitle = L"ZELT Windows Interface Setup";
// The workstation the started program stores its choice for (ZELT_STATION).
inline constexpr const char* Station = "E2E";
inline constexpr const char* XrayKey = "XRAYE2E";

// "/x/y" (a path of the machine Wine runs on) as the same file seen through Wine's Z: drive.
std::wstring WindowsPathFromUnix(std::string_view unixPath);
// An environment variable that names a file as a Unix path, as a Windows path; fails the test when unset.
std::wstring PathFromEnvironment(const char* name);

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// Polls the condition until it holds or the deadline passes. The polling interval is short; nothing waits
// for a fixed time in the hope that the program got somewhere.
bool WaitUntil(const std::function<bool()>& condition, Clock::duration timeout = StateTimeout);

// A fresh, empty folder under the temporary folder; removed with everything in it when destroyed.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring File(std::wstring_view name) const { return path_ + L"\\" + std::wstring(name); }

private:
    std::wstring path_;
};

// The test's own environment with the changes made (an empty value removes the variable), as a sorted
// block for CreateProcessW.
std::wstring EnvironmentBlock(const std::map<std::wstring, std::wstring>& changes);

struct ToolResult {
    DWORD exitCode = 0;
    std::string out;
    std::string err;
};

// Runs a console program and waits for it: arguments quoted as needed, stdin given, stdout captured.
// Variables in `environment` are added to (an empty value: removed from) the test's own environment.
ToolResult RunConsoleProgram(const std::wstring& program, const std::vector<std::wstring>& arguments,
                             const std::string& input = {},
                             const std::map<std::wstring, std::wstring>& environment = {});

// The settings tool of the build (ZW_SETTINGS_TOOL) on one product database.
class SettingsTool {
public:
    explicit SettingsTool(std::wstring database);

    // Creates the database with the product's own password (the one the program uses by default).
    void CreateDatabase();
    // The stored value, or none when the key is not stored.
    std::optional<std::string> Get(const std::string& section, const std::string& key);
    void Set(const std::string& section, const std::string& key, const std::string& value);
    // Every stored setting, as the tool lists them.
    std::string List();

private:
    ToolResult Run(const std::vector<std::wstring>& arguments, const std::string& input = {});

    std::wstring tool_;
    std::wstring database_;
};

// A product folder as the program expects it: the program file copied in, optionally with its database.
class ProductFolder {
public:
    ProductFolder();

    const std::wstring& Path() const { return folder_.Path(); }
    std::wstring Program() const { return folder_.File(L"ZWInterfaceSetup.exe"); }
    std::wstring Database() const { return folder_.File(L"ZELTWIN.MDB"); }
    bool HasDatabase() const;
    SettingsTool Settings() const { return SettingsTool(Database()); }
    // Creates ZELTWIN.MDB with the product's password.
    void CreateDatabase();

private:
    TempFolder folder_;
};

// One top-level window or control of the program.
std::wstring ClassName(HWND window);
// The text of a window of another process (WM_GETTEXT, which Windows carries across processes).
std::wstring TextOf(HWND window);
// The window's rectangle in its parent's client coordinates (pixels).
RECT RectInParent(HWND window);
LONG StyleOf(HWND window);

// A message box of the program: its text and its buttons.
class Box {
public:
    explicit Box(HWND box) : box_(box) {}
    std::wstring Title() const { return TextOf(box_); }
    // The box's message (the static with id 0xFFFF).
    std::wstring Text() const;
    bool HasButton(int id) const { return GetDlgItem(box_, id) != nullptr; }
    // Whether the box shows an icon (the standard box puts it in a static with id 0x0440).
    bool HasIcon() const;
    // Presses one of the box's buttons (IDOK, IDYES, ...) and waits until the box has gone.
    void Answer(int id) const;

private:
    HWND box_;
};

// The program, started in a product folder and stopped (if still running) when destroyed.
class RunningProgram {
public:
    // Starts the program of the folder with ZELT_STATION=E2E. `arguments` follow the program's name on the
    // command line; `environment` adds (or, with an empty value, removes) variables for the program only.
    RunningProgram(const ProductFolder& folder, const std::wstring& arguments = {},
                   const std::map<std::wstring, std::wstring>& environment = {});
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    DWORD ProcessId() const { return info_.dwProcessId; }
    bool HasExited() const;
    // Waits for the end of the process; its exit code, or none when it is still running at the deadline.
    std::optional<DWORD> WaitForExit(Clock::duration timeout = StateTimeout);

    // The visible "Interface Setup" window, waited for; null when it did not appear in time.
    HWND WaitForDialog(Clock::duration timeout = StartTimeout);
    // The program's top-level windows of class #32770 (dialog boxes), visible ones only.
    std::vector<HWND> DialogBoxes() const;
    // The first visible message box with that title, waited for.
    std::optional<Box> WaitForMessageBox(const std::wstring& title = BoxTitle, Clock::duration timeout = StateTimeout);
    // The shell's folder browser (a dialog box holding a folder tree), waited for; null when none came.
    HWND WaitForFolderBrowser(Clock::duration timeout = StateTimeout);
    // Texts of every message box up now: for failure messages when something unexpected is on screen.
    std::string DescribeOpenBoxes() const;

    // The control with that automation id, searched in every container of the dialog; null when none.
    HWND Control(int id) const;
    // Presses a button and returns once the program has handled the press. Only for presses that open no
    // modal box: those would not return until the box is closed.
    void Click(int id) const;
    // Presses a button without waiting for it to be handled (the press may open a modal box).
    void PostClick(int id) const;
    // Types a text into an edit box, as pasting it over the whole text would.
    void SetText(int id, const std::wstring& text) const;
    std::wstring Text(int id) const;
    // BM_GETCHECK of a check box or option button: 0, 1 or 2.
    int CheckState(int id) const;
    bool IsVisible(int id) const;
    bool IsEnabled(int id) const;
    // Asks the dialog to close, as the title bar's close button does.
    void PostClose() const;
    // A key pressed and released in the control that has the keyboard focus in the program.
    void PressKey(WPARAM key) const;

private:
    HWND Dialog() const;
    HWND RequireControl(int id) const;

    PROCESS_INFORMATION info_{};
    HWND dialog_ = nullptr;
};

// A registry value written for one test and removed again (with any key it had to create) afterwards.
class RegistryValue {
public:
    RegistryValue(HKEY root, std::wstring subKey, std::wstring valueName, const std::wstring& value);
    ~RegistryValue();
    RegistryValue(const RegistryValue&) = delete;
    RegistryValue& operator=(const RegistryValue&) = delete;

private:
    HKEY root_;
    std::wstring subKey_;
    std::wstring valueName_;
    std::wstring createdFrom_; // the topmost key this value created, deleted afterwards
};

// A file written (or, without content, removed) for one test and put back as it was afterwards.
class ScopedFile {
public:
    ScopedFile(std::wstring path, const std::optional<std::string>& content);
    ~ScopedFile();
    ScopedFile(const ScopedFile&) = delete;
    ScopedFile& operator=(const ScopedFile&) = delete;

private:
    std::wstring path_;
    std::optional<std::string> previous_;
};

// Control ids of the dialog's native controls, by model name and index.
namespace ids {
constexpr int CheckBox1(int i) {
    return 1000 + i;
}
constexpr int Text1(int i) {
    return 1100 + i;
}
constexpr int Command1(int i) {
    return 1200 + i;
}
constexpr int Label1(int i) {
    return 1300 + i;
}
constexpr int DI_CheckBox1(int i) {
    return 1400 + i;
}
constexpr int Label2(int i) {
    return 1500 + i;
}
constexpr int Label4(int i) {
    return 1600 + i;
}
constexpr int Prob_Option1(int i) {
    return 1700 + i;
}
constexpr int Prob_Text1 = 1710;
constexpr int Prob_Command1 = 1720;
constexpr int Picture1(int i) {
    return 1800 + i;
}
constexpr int Picture2 = 1810;
constexpr int ts = 1900;
constexpr int Label3 = 1950;
constexpr int OK = 1200;
constexpr int Cancel = 1201;
} // namespace ids

// The Windows folder of the prefix (C:\windows).
std::wstring WindowsFolder();
// Makes a file (and its folders) with the given content; it stays until its folder is removed.
void WriteTextFile(const std::wstring& path, const std::string& content);
std::optional<std::string> ReadTextFile(const std::wstring& path);
// Removes a folder tree that a test created outside a TempFolder.
void RemoveTree(const std::wstring& path);

} // namespace zw::e2e
