#pragma once
// Drives the real program from outside, as a user and a support engineer would: a fresh product folder with
// its database, the program started in it, its windows found by caption and control id, buttons pressed,
// message boxes read and answered, and the stored settings read back with the settings tool. The test
// executable is itself a Windows program and shares the Wine prefix (registry, Windows folder) with it.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/text_conversion.h"

namespace zw::e2e {

using namespace std::chrono_literals;

inline constexpr const wchar_t* BoxTitle = L"ZELT Windows Interface Setup";
// Every started program stores its choice for the workstation E2E (the harness sets ZELT_STATION).
inline constexpr const wchar_t* XrayKey = L"XRAYE2E";
inline const std::wstring AppPaths = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

// Control ids of the dialog's windows: the base of each control array, plus the index.
enum Id {
    CheckBox1 = 1000,
    Text1 = 1100,
    Command1 = 1200,
    DI_CheckBox1 = 1400,
    Label2 = 1500,
    TabStrip = 1900,
    OK = 1200,
    Cancel = 1201
};

inline std::string Narrow(const std::wstring& utf16) {
    return Utf8FromWide(utf16);
}
// Polls until the condition holds or the deadline passes; nothing waits for a fixed time.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 20s);
// A message sent to a window of the program, which must answer within a few seconds.
LRESULT SendOrFail(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// WM_GETTEXT, which Windows carries across processes.
std::wstring TextOf(HWND window);
// An empty file, with its folders.
void Touch(const std::wstring& path);

// An App Paths registration of a program, removed again afterwards.
class AppPath {
public:
    AppPath(const std::wstring& program, const std::wstring& path) : key_(AppPaths + program) {
        RegSetValueW(HKEY_LOCAL_MACHINE, key_.c_str(), REG_SZ, path.c_str(), 0);
    }
    ~AppPath() { RegDeleteTreeW(HKEY_LOCAL_MACHINE, key_.c_str()); }

private:
    std::wstring key_;
};

// A message box of the program.
class Box {
public:
    explicit Box(HWND box) : box_(box) {}
    std::wstring Text() const {
        HWND text = GetDlgItem(box_, 0xFFFF);
        return text == nullptr ? L"" : TextOf(text);
    }
    // Presses one of its buttons (IDOK, IDYES, ...) and waits until the box has gone.
    void Answer(int button) const;

private:
    HWND box_;
};

// A fresh product folder with the program and its database; the program started in it on demand and ended,
// if still running, with the test.
class DialogTest : public ::testing::Test {
protected:
    DialogTest();
    ~DialogTest() override;

    std::wstring Folder() const { return folder_; }
    std::wstring Database() const { return folder_ + L"\\ZELTWIN.MDB"; }
    // The settings tool on the folder's database: the stored choice, none when not stored.
    std::optional<std::string> StoredXray();

    // Starts the program; with a dialog expected, waits for it and fails the test when none came.
    void Start(bool expectDialog = true);
    void ExpectExit(DWORD expectedCode = 0);
    // The first visible top-level window of the program that matches, waited for; null when none came.
    HWND WaitForWindow(const std::function<bool(HWND)>& match);
    std::optional<Box> WaitForMessageBox(const std::wstring& title = BoxTitle);
    HWND WaitForFolderBrowser();
    // The program's visible dialog boxes, described for failure messages; empty when none is up.
    std::string OpenBoxes();

    HWND Control(int id);
    // Clicks that open no modal box are sent, so they have been handled when the call returns; clicks that
    // may open one are posted.
    void Click(int id) { SendOrFail(Control(id), BM_CLICK); }
    void PostClick(int id) { PostMessageW(Control(id), BM_CLICK, 0, 0); }
    std::wstring Text(int id) { return TextOf(Control(id)); }
    void SetText(int id, const std::wstring& text) { SendOrFail(Control(id), WM_SETTEXT, 0, LPARAM(text.c_str())); }
    int Check(int id) { return int(SendOrFail(Control(id), BM_GETCHECK)); }
    // The rectangle in the parent's client area, left, top, width, height, in pixels.
    std::vector<long> Placed(int id);
    void PostClose() { PostMessageW(dialog_, WM_CLOSE, 0, 0); }
    // A key pressed and released in whichever control of the program has the focus.
    void PressKey(WPARAM key);

    // The settings tool with these arguments and standard input: what it wrote; a failure when it ended
    // with an exit code other than 0.
    std::string RunTool(const std::vector<std::wstring>& arguments, const std::string& input = {});

    HWND dialog_ = nullptr;

private:
    std::vector<HWND> Windows() const;

    std::wstring folder_;
    PROCESS_INFORMATION process_{};
};

} // namespace zw::e2e
