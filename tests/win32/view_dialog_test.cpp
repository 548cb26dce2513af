// The real dialog on the view: every designed control gets its window and id in its container, and the
// standard arrangement, computed from the real windows' metrics, lays the Bridge frame exactly over the
// tab strip's display area.
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

// Message boxes answered at once, so that a load that fails does not wait for a person.
struct AnsweringBoxes : MessageBoxes {
    std::vector<std::string> texts;
    int Show(const std::string& text, int, const std::string&) override {
        texts.push_back(text);
        return mb::OK;
    }
};

class ViewDialog : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
    }
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

    void Create() {
        form = std::make_unique<frmZWIntStp>(platform, screen, view.GetFrameMetrics(), view.GetTabClientMetrics());
        form->Initialize();
        view.Attach(*form);
    }
    RECT PixelRect(const Control& c) const {
        auto px = [this](float twips) { return static_cast<LONG>(std::lround(twips / tpp)); };
        return {px(c.Left()), px(c.Top()), px(c.Left()) + px(c.Width()), px(c.Top()) + px(c.Height())};
    }
};

TEST_P(ViewDialog, EveryDesignedControlHasItsIdInItsContainer) {
    Create();
    int checked = 0;
    for (Control* control : form->Controls()) {
        HWND window = view.WindowOf(*control);
        ASSERT_NE(window, nullptr) << control->FullName();
        const auto id = view::DesignedControlId(control->Name(), control->Index());
        ASSERT_TRUE(id) << control->FullName() << " has no designed id";
        EXPECT_EQ(GetDlgCtrlID(window), *id) << control->FullName();
        HWND parent = control->Container() == form.get() ? view.FormWindow() : view.WindowOf(*control->Container());
        EXPECT_EQ(GetParent(window), parent) << control->FullName();
        const RECT want = PixelRect(*control);
        const RECT got = AttachedView::RectInParent(window);
        EXPECT_EQ(got.left, want.left) << control->FullName();
        EXPECT_EQ(got.top, want.top) << control->FullName();
        ++checked;
    }
    // CheckBox1 16, Text1 12, Command1 13, Label1 13, DI_CheckBox1 7, Label2 4, Label4 4, Prob_Label1 3,
    // Prob_Option1 2, Prob_Text1 1, Prob_Command1 1, Picture1 3, Picture2, ts and Label3.
    EXPECT_EQ(checked, 82);
    EXPECT_EQ(GetDlgItem(view.WindowOf(form->Picture1(0)), 1008), view.WindowOf(form->CheckBox1(8)));
    EXPECT_EQ(GetDlgItem(view.WindowOf(form->Picture1(1)), 1402), view.WindowOf(form->DI_CheckBox1(2)));
    EXPECT_EQ(GetDlgItem(view.FormWindow(), 1900), view.WindowOf(*form->ts));
    EXPECT_TRUE(GetWindowLongW(view.WindowOf(form->Text1(5)), GWL_STYLE) & ES_PASSWORD);
}

TEST_P(ViewDialog, TheArrangedBridgeFrameFillsTheTabStripsDisplayArea) {
    Create();
    // Without a product database next to the test program the load stops after the arrangement.
    form->Load();
    ASSERT_EQ(form->Tag(), "ERROR_UNLOAD");

    HWND tabs = view.WindowOf(*form->ts);
    RECT display = AttachedView::RectInParent(tabs);
    TabCtrl_AdjustRect(tabs, FALSE, &display);
    for (int i : {0, 1}) {
        const RECT frame = AttachedView::RectInParent(view.WindowOf(form->Picture1(i)));
        EXPECT_EQ(frame.left, display.left) << i;
        EXPECT_EQ(frame.top, display.top) << i;
        EXPECT_EQ(frame.right, display.right) << i;
        EXPECT_EQ(frame.bottom, display.bottom) << i;
    }
    // The frames lie over the tab strip, the visible one in front.
    HWND first = GetWindow(view.FormWindow(), GW_CHILD);
    bool tabsSeen = false;
    for (HWND w = first; w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == tabs)
            tabsSeen = true;
        if (w == view.WindowOf(form->Picture1(0))) {
            EXPECT_FALSE(tabsSeen) << "the Bridge frame must be drawn above the tab strip";
        }
    }
    // The dialog's client area is its inner size: one side gap right of the tab strip.
    RECT client;
    GetClientRect(view.FormWindow(), &client);
    EXPECT_EQ(client.right, std::lround(form->ScaleWidth() / tpp));
    EXPECT_EQ(client.bottom, std::lround(form->ScaleHeight() / tpp));
    const RECT strip = AttachedView::RectInParent(tabs);
    EXPECT_EQ(client.right - strip.right, 4);
}

INSTANTIATE_TEST_SUITE_P(AtDpi, ViewDialog, ::testing::Values(96, 120));

} // namespace
} // namespace zw::test
