// The modal windows of the Win32 platform layer, shown by this test program itself and answered from a
// second thread, as a user would answer them.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "e2e_harness.h"
#include "win32/platform_message_boxes.h"
#include "win32/platform_shell.h"

namespace zw {
namespace {

struct OpenBox {
    std::wstring title;
    std::wstring message;
    std::vector<std::wstring> statics;
    bool hasIcon = false;
    bool hadOwner = false;
};

BOOL CALLBACK CollectStatic(HWND window, LPARAM data) {
    if (e2e::ClassName(window) == L"Static")
        reinterpret_cast<std::vector<std::wstring>*>(data)->push_back(e2e::TextOf(window));
    return TRUE;
}

// Waits on its own thread for a dialog box of this process, notes what it shows, and presses a button.
class BoxAnswerer {
public:
    explicit BoxAnswerer(int button) {
        thread_ = std::thread([this, button] {
            HWND box = nullptr;
            e2e::WaitUntil([&] {
                box = FindBox();
                return box != nullptr;
            });
            if (box == nullptr)
                return;
            seen_.title = e2e::TextOf(box);
            e2e::Box shown(box);
            seen_.message = shown.Text();
            seen_.hasIcon = shown.HasIcon();
            seen_.hadOwner = GetWindow(box, GW_OWNER) != nullptr;
            EnumChildWindows(box, CollectStatic, reinterpret_cast<LPARAM>(&seen_.statics));
            found_ = true;
            PostMessageW(GetDlgItem(box, button), BM_CLICK, 0, 0);
        });
    }
    ~BoxAnswerer() {
        if (thread_.joinable())
            thread_.join();
    }
    // Joins the thread; what the box showed, when one appeared.
    std::optional<OpenBox> Seen() {
        thread_.join();
        return found_ ? std::optional<OpenBox>(seen_) : std::nullopt;
    }

private:
    static HWND FindBox() {
        struct Search {
            HWND found = nullptr;
        } search;
        EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                DWORD process = 0;
                GetWindowThreadProcessId(window, &process);
                if (process != GetCurrentProcessId() || !IsWindowVisible(window) || e2e::ClassName(window) != L"#32770")
                    return TRUE;
                reinterpret_cast<Search*>(data)->found = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    std::thread thread_;
    OpenBox seen_;
    std::atomic<bool> found_{false};
};

TEST(Win32MessageBoxes, ShowsTextAndTitleAndReturnsTheButtonPressed) {
    struct Case {
        int style;
        int button;
        bool icon;
    };
    const Case cases[] = {
        {0, IDOK, false},         // OK only, no icon
        {3, IDNO, false},         // Yes/No/Cancel
        {3 | 64, IDCANCEL, true}, // with the information icon
        {16, IDOK, true},         // critical
    };
    Win32MessageBoxes boxes;
    for (const auto& c : cases) {
        BoxAnswerer answerer(c.button);
        const int answer = boxes.Show("Program Found\r\nC:\\R\xC3\xB6ntgen\\XVLITE.EXE", c.style, "ZELT Windows");
        const auto seen = answerer.Seen();
        ASSERT_TRUE(seen) << "style " << c.style;
        EXPECT_EQ(answer, c.button) << "style " << c.style;
        EXPECT_EQ(seen->title, L"ZELT Windows");
        EXPECT_EQ(seen->message, L"Program Found\r\nC:\\R\u00f6ntgen\\XVLITE.EXE");
        EXPECT_EQ(seen->hasIcon, c.icon) << "style " << c.style;
    }
}

TEST(Win32MessageBoxes, TheOwnerTheBoxIsToldIsTheOwner) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                                 nullptr);
    ASSERT_NE(owner, nullptr);
    Win32MessageBoxes boxes;
    boxes.SetOwner(owner);
    BoxAnswerer answerer(IDOK);
    EXPECT_EQ(boxes.Show("owned", 0, "t"), IDOK);
    const auto seen = answerer.Seen();
    ASSERT_TRUE(seen);
    EXPECT_TRUE(seen->hadOwner);

    // A destroyed owner no longer owns anything; the box still comes up.
    DestroyWindow(owner);
    BoxAnswerer second(IDOK);
    EXPECT_EQ(boxes.Show("unowned", 0, "t"), IDOK);
    EXPECT_TRUE(second.Seen());
}

TEST(Win32Shell, BrowseForFolderShowsTheTitleAndACancelGivesTheEmptyText) {
    Win32Shell shell;
    BoxAnswerer answerer(IDCANCEL);
    const std::string chosen = shell.BrowseForFolder("Locate the XVa3 program folder (\xC3\xA4)", 3);
    const auto seen = answerer.Seen();
    ASSERT_TRUE(seen) << "no folder browser appeared";
    EXPECT_EQ(chosen, "");
    const bool titleShown = std::find(seen->statics.begin(), seen->statics.end(),
                                      L"Locate the XVa3 program folder (\u00e4)") != seen->statics.end();
    EXPECT_TRUE(titleShown);
}

} // namespace
} // namespace zw
