// What only the view can get wrong: the real dialog's windows with their fixed ids, containers and places at a
// DPI other than 96.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "dialog/frm_zw_int_stp.h"
#include "environment/environment_stand_in.h"
#include "store/sqlite_database.h"
#include "win32/platform/process.h"
#include "win32/platform/profile.h"
#include "win32/platform/shell.h"
#include "win32/view/form_view.h"
#include "win32/view/geometry.h"

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

TEST(ViewOfTheDialog, At120DpiEveryControlHasItsIdItsContainerAndItsPlace) {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    StandInFactory factory;
    SqliteDatabaseEngine engine;
    AnsweringBoxes boxes;
    Win32Shell shell;
    Win32Profile profile;
    Win32Process process;
    Platform platform{factory, engine, boxes, shell, profile, process};
    const Screen screen = Screen::FromPixels(1280, 1024, 120, 120);
    Win32FormView view(120);
    frmZWIntStp form(platform, screen, view.GetFrameMetrics(), view.GetTabClientMetrics());
    struct Cleanup {
        Win32FormView& view;
        ~Cleanup() { view.Detach(); }
    } cleanup{view};
    form.Initialize();
    view.Attach(form);
    // Without a product database beside the test program, the load stops after the arrangement.
    form.Load();
    ASSERT_EQ(form.Tag(), "ERROR_UNLOAD");

    for (Control* control : form.Controls()) {
        SCOPED_TRACE(control->FullName());
        HWND window = view.WindowOf(*control);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(GetDlgCtrlID(window), view::DesignedControlId(control->Name(), control->Index()).value_or(-1));
        EXPECT_EQ(GetParent(window),
                  control->Container() == &form ? view.FormWindow() : view.WindowOf(*control->Container()));
        const RECT at = InParent(window);
        EXPECT_EQ(at.left, std::lround(control->Left() / 12));
        EXPECT_EQ(at.top, std::lround(control->Top() / 12));
    }
    EXPECT_TRUE(GetWindowLongW(view.WindowOf(form.Text1(5)), GWL_STYLE) & ES_PASSWORD);
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
