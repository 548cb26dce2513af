// The program makes the child windows when the dialog is first shown (makeChildrenWhenShown): once shown they
// must be exactly the windows a view that made them at the attaching and followed every change has.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "controls/check_box.h"
#include "dialog/frm_zw_int_stp.h"
#include "environment/environment_stand_in.h"
#include "store/sqlite_database.h"
#include "win32/platform/process.h"
#include "win32/platform/profile.h"
#include "win32/platform/shell.h"
#include "win32/view/form_view.h"
#include "win32/view/window_util.h"

namespace zw {
namespace {

struct AnsweringBoxes : MessageBoxes {
    int Show(const std::string&, int, const std::string&) override { return mb::OK; }
};

// One dialog with its own view, loaded (without a product database the load stops after the arrangement)
// and changed in the same way as the other, then shown.
struct ShownDialog {
    explicit ShownDialog(bool whenShown) {
        view.makeChildrenWhenShown = whenShown;
        form.Initialize();
        view.Attach(form);
        form.Load();
        form.SetTag(""); // shown as a dialog that loaded: no unload at its activation
        // Changes while hidden: a place, a text, a grayed box, a hidden and a disabled control, another tab.
        form.CheckBox1(3).Click = [] {};
        form.CheckBox1(3).SetValue(2);
        form.Text1(2).SetText("C:\\Program Files\\X\\X.EXE");
        form.Label2(3).SetCaption("Some Product");
        form.Command1(4).SetVisible(false);
        form.Text1(4).SetEnabled(false);
        form.Label3->Move(300, 4000);
        form.ts->SelectTab(2);
        form.Show();
    }
    ~ShownDialog() { view.Detach(); }

    StandInFactory factory;
    SqliteDatabaseEngine engine;
    AnsweringBoxes boxes;
    Win32Shell shell;
    Win32Profile profile;
    Win32Process process;
    Platform platform{factory, engine, boxes, shell, profile, process};
    Screen screen = Screen::FromPixels(1280, 1024, 120, 120);
    Win32FormView view{120};
    frmZWIntStp form{platform, screen, view.GetFrameMetrics(), view.GetTabClientMetrics()};
};

// What a window shows of its control, and its place among its siblings.
auto Look(const ShownDialog& dialog, const Control& control) {
    HWND window = dialog.view.WindowOf(control);
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    std::vector<const Control*> above;
    for (HWND w = GetWindow(window, GW_HWNDPREV); w != nullptr; w = GetWindow(w, GW_HWNDPREV))
        above.push_back(dialog.view.ControlOf(w));
    const Control* parent = dialog.view.ControlOf(GetParent(window));
    return std::make_tuple(
        std::wstring(className), GetWindowLongW(window, GWL_STYLE), GetWindowLongW(window, GWL_EXSTYLE),
        GetDlgCtrlID(window), std::make_tuple(rect.left, rect.top, rect.right, rect.bottom), view::WindowText(window),
        SendMessageW(window, WM_GETFONT, 0, 0) != 0, SendMessageW(window, BM_GETCHECK, 0, 0),
        SendMessageW(window, TCM_GETCURSEL, 0, 0), parent ? parent->FullName() : std::string("-"), above.size());
}

TEST(ChildrenWhenShown, TheShownWindowsAreThoseOfAViewThatFollowedEveryChange) {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    auto following = std::make_unique<ShownDialog>(false);
    auto madeWhenShown = std::make_unique<ShownDialog>(true);
    const std::vector<Control*> a = following->form.Controls(), b = madeWhenShown->form.Controls();
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        SCOPED_TRACE(a[i]->FullName());
        ASSERT_NE(madeWhenShown->view.WindowOf(*b[i]), nullptr);
        EXPECT_EQ(Look(*following, *a[i]), Look(*madeWhenShown, *b[i]));
    }
}

} // namespace
} // namespace zw
