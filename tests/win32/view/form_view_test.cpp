// What only the view can get wrong: the real dialog's windows with their fixed ids, containers, places, texts,
// states and stacking at a DPI other than 96, and the same windows whether made at the attaching or when first
// shown.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <tuple>
#include <vector>

#include "base/text_conversion.h"
#include "dialog/frm_zw_int_stp.h"
#include "environment/environment_stand_in.h"
#include "store/sqlite_database.h"
#include "win32/platform/process.h"
#include "win32/platform/profile.h"
#include "win32/platform/shell.h"
#include "win32/view/form_view.h"
#include "win32/view/geometry.h"
#include "win32/view/window_util.h"

namespace zw {
namespace {

RECT InParent(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Message boxes answered at once, so that the failing load does not wait for a person.
struct AnsweringBoxes : MessageBoxes {
    int Show(const std::string&, int, const std::string&) override { return mb::OK; }
};

// The dialog on the real platform at 120 DPI with its own view, attached and loaded. Without a product database
// beside the test program, the load stops after the arrangement (ChangeAndShow shows it as a dialog that loaded).
struct ViewedDialog {
    explicit ViewedDialog(bool whenShown) {
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        view.makeChildrenWhenShown = whenShown;
        form.Initialize();
        view.Attach(form);
        form.Load();
    }
    ~ViewedDialog() { view.Detach(); }

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

// Changes while hidden (a place, a text, a grayed box, a hidden and a disabled control, another tab), then shown
// as a dialog that loaded.
void ChangeAndShow(frmZWIntStp& form) {
    form.SetTag("");
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

// What a window shows of its control, and its place among its siblings.
auto Look(const ViewedDialog& dialog, const Control& control) {
    HWND window = dialog.view.WindowOf(control);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    const RECT rect = InParent(window);
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

// The program makes the child windows when the dialog is first shown: once shown, every window has its
// control's id, container, place, text and state, and is exactly the window of a view that made it at the
// attaching and followed every change.
TEST(ViewOfTheDialog, At120DpiTheWindowsMadeWhenShownAreTheControlsAndThoseOfAViewThatFollowedEveryChange) {
    auto following = std::make_unique<ViewedDialog>(false);
    auto madeWhenShown = std::make_unique<ViewedDialog>(true);
    ChangeAndShow(following->form);
    ChangeAndShow(madeWhenShown->form);
    Win32FormView& view = madeWhenShown->view;
    frmZWIntStp& form = madeWhenShown->form;
    const std::vector<Control*> followed = following->form.Controls(), controls = form.Controls();
    ASSERT_EQ(followed.size(), controls.size());
    for (size_t i = 0; i < controls.size(); ++i) {
        const Control* control = controls[i];
        SCOPED_TRACE(control->FullName());
        HWND window = view.WindowOf(*control);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(GetDlgCtrlID(window), view::DesignedControlId(control->Name(), control->Index()).value_or(-1));
        EXPECT_EQ(GetParent(window),
                  control->Container() == &form ? view.FormWindow() : view.WindowOf(*control->Container()));
        const RECT at = InParent(window);
        EXPECT_EQ(at.left, std::lround(control->Left() / 12));
        EXPECT_EQ(at.top, std::lround(control->Top() / 12));
        EXPECT_EQ(view::WindowText(window), WideFromUtf8(control->DisplayText()));
        const LONG style = GetWindowLongW(window, GWL_STYLE);
        EXPECT_EQ((style & WS_VISIBLE) != 0, control->Visible());
        EXPECT_EQ((style & WS_DISABLED) == 0, control->Enabled());
        // Only the Dimaxis box hides what is typed.
        EXPECT_EQ(control->Name() == "Text1" && (style & ES_PASSWORD) != 0, control == &form.Text1(5));
        EXPECT_EQ(Look(*following, *followed[i]), Look(*madeWhenShown, *control));
    }
    // The Bridge frame fills the tab strip's real display area.
    HWND tabs = view.WindowOf(*form.ts);
    RECT display = InParent(tabs);
    TabCtrl_AdjustRect(tabs, FALSE, &display);
    const RECT frame = InParent(view.WindowOf(form.Picture1(0)));
    EXPECT_TRUE(EqualRect(&frame, &display));

    // In every container the windows stand in the model's z-order, newest ZOrder() in front, as made and
    // after a frame is brought to the front.
    auto expectModelStacking = [&] {
        for (const Control* container :
             {static_cast<const Control*>(&form), static_cast<const Control*>(&form.Picture1(0))}) {
            std::vector<const Control*> wanted;
            for (const Control* control : form.Controls())
                if (control->Container() == container)
                    wanted.push_back(control);
            std::sort(wanted.begin(), wanted.end(), [](auto a, auto b) { return a->ZStamp() > b->ZStamp(); });
            std::vector<const Control*> stacked;
            for (HWND w = GetWindow(view.WindowOf(*container), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
                stacked.push_back(view.ControlOf(w));
            EXPECT_EQ(stacked, wanted) << container->FullName();
        }
    };
    expectModelStacking();
    form.Picture1(2).ZOrder(0);
    form.Picture1(0).ZOrder(1);
    expectModelStacking();
}

} // namespace
} // namespace zw
