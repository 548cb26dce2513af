// The real dialog on the view: every designed control has its window with its fixed id in its container,
// and the standard arrangement, computed from the real windows' metrics, lays the Bridge frame exactly
// over the tab strip's display area.
#include <gtest/gtest.h>

#include "app/environment.h"
#include "dialog/frm_zw_int_stp.h"
#include "environment/environment_stand_in.h"
#include "environment/sqlite_database.h"
#include "view_test_form.h"
#include "win32/platform_process.h"
#include "win32/platform_profile.h"
#include "win32/platform_shell.h"
#include "win32/view_geometry.h"

namespace zw::test {
namespace {

// Message boxes answered at once, so that the failing load does not wait for a person.
struct AnsweringBoxes : MessageBoxes {
    int Show(const std::string&, int, const std::string&) override { return mb::OK; }
};

class ViewDialog : public ::testing::TestWithParam<int> {
protected:
    void TearDown() override {
        view.Detach();
        form.reset();
        ReleaseEnvironment();
    }
    StandInFactory factory;
    SqliteDatabaseEngine engine;
    AnsweringBoxes boxes;
    Win32Shell shell;
    Win32Profile profile;
    Win32Process process;
    Platform platform{factory, engine, boxes, shell, profile, process};
    Screen screen = Screen::FromPixels(1280, 1024, GetParam(), GetParam());
    Win32FormView view{GetParam()};
    std::unique_ptr<frmZWIntStp> form;
    float tpp = 1440.0f / GetParam();
};

TEST_P(ViewDialog, ControlsHaveTheirIdsAndTheBridgeFrameFillsTheTabStrip) {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    form = std::make_unique<frmZWIntStp>(platform, screen, view.GetFrameMetrics(), view.GetTabClientMetrics());
    form->Initialize();
    view.Attach(*form);
    // Without a product database beside the test program, the load stops after the arrangement.
    form->Load();
    ASSERT_EQ(form->Tag(), "ERROR_UNLOAD");

    for (Control* control : form->Controls()) {
        HWND window = view.WindowOf(*control);
        ASSERT_NE(window, nullptr) << control->FullName();
        const auto id = view::DesignedControlId(control->Name(), control->Index());
        ASSERT_TRUE(id) << control->FullName() << " has no fixed id";
        EXPECT_EQ(GetDlgCtrlID(window), *id) << control->FullName();
        HWND parent = control->Container() == form.get() ? view.FormWindow() : view.WindowOf(*control->Container());
        EXPECT_EQ(GetParent(window), parent) << control->FullName();
        const RECT at = AttachedView::RectInParent(window);
        EXPECT_EQ(at.left, std::lround(control->Left() / tpp)) << control->FullName();
        EXPECT_EQ(at.top, std::lround(control->Top() / tpp)) << control->FullName();
    }
    EXPECT_EQ(form->Controls().size(), 82u);
    EXPECT_EQ(GetDlgItem(view.WindowOf(form->Picture1(0)), 1008), view.WindowOf(form->CheckBox1(8)));
    EXPECT_TRUE(GetWindowLongW(view.WindowOf(form->Text1(5)), GWL_STYLE) & ES_PASSWORD);

    HWND tabs = view.WindowOf(*form->ts);
    const RECT strip = AttachedView::RectInParent(tabs);
    RECT display = strip;
    TabCtrl_AdjustRect(tabs, FALSE, &display);
    for (int i : {0, 1}) {
        const RECT frame = AttachedView::RectInParent(view.WindowOf(form->Picture1(i)));
        EXPECT_TRUE(EqualRect(&frame, &display)) << "Picture1(" << i << ") at " << frame.left << "," << frame.top
                                                 << " - " << frame.right << "," << frame.bottom;
    }
    // The Bridge frame is drawn above the tab strip.
    for (HWND w = GetWindow(view.FormWindow(), GW_CHILD); w != view.WindowOf(form->Picture1(0));
         w = GetWindow(w, GW_HWNDNEXT))
        ASSERT_NE(w, tabs);
    // The client area is the inner size, one side gap of 4 pixels right of the tab strip.
    RECT client;
    GetClientRect(view.FormWindow(), &client);
    EXPECT_EQ(client.right, std::lround(form->ScaleWidth() / tpp));
    EXPECT_EQ(client.bottom, std::lround(form->ScaleHeight() / tpp));
    EXPECT_EQ(client.right - strip.right, 4);
}

INSTANTIATE_TEST_SUITE_P(AtDpi, ViewDialog, ::testing::Values(96, 120));

} // namespace
} // namespace zw::test
