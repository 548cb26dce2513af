// The dialog's windows: made and placed from the model, and every later change of the model copied to them.
#include <gtest/gtest.h>

#include "controls/runtime_error.h"
#include "view_test_form.h"
#include "win32/view_native_kind.h"
#include "win32/view_window_util.h"

namespace zw::test {
namespace {

LONG StyleOf(HWND window) {
    return GetWindowLongW(window, GWL_STYLE);
}

LRESULT Checked(HWND window) {
    return SendMessageW(window, BM_GETCHECK, 0, 0);
}

class ViewWindows : public ::testing::TestWithParam<int> {
protected:
    AttachedView v{GetParam()};
    ViewTestForm& form = v.form;
    float tpp = 1440.0f / GetParam();

    long Px(float twips) const { return std::lround(twips / tpp); }
    void ExpectPlaced(const Control& c) {
        const RECT r = AttachedView::RectInParent(v.Window(c));
        EXPECT_EQ(r.left, Px(c.Left())) << c.FullName();
        EXPECT_EQ(r.top, Px(c.Top())) << c.FullName();
        EXPECT_EQ(r.right - r.left, Px(c.Width())) << c.FullName();
        EXPECT_EQ(r.bottom - r.top, Px(c.Height())) << c.FullName();
    }
};

TEST_P(ViewWindows, EachKindOfControlIsItsNativeCounterpart) {
    struct Kind {
        const Control* control;
        const wchar_t* className;
        LONG type;
        LONG mask;
    } kinds[] = {
        {form.boxA, L"Button", BS_CHECKBOX, BS_TYPEMASK},   {form.option0, L"Button", BS_RADIOBUTTON, BS_TYPEMASK},
        {form.ok, L"Button", BS_PUSHBUTTON, BS_TYPEMASK},   {form.text, L"Edit", ES_AUTOHSCROLL, ES_AUTOHSCROLL},
        {form.label, L"Static", SS_LEFT, SS_TYPEMASK},      {form.tabStrip, WC_TABCONTROLW, WS_TABSTOP, WS_TABSTOP},
        {form.frameA, view::FrameClassName, 0, WS_TABSTOP},
    };
    for (const Kind& kind : kinds) {
        HWND window = v.Window(*kind.control);
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        EXPECT_EQ(_wcsicmp(name, kind.className), 0) << kind.control->FullName();
        EXPECT_EQ(StyleOf(window) & kind.mask, kind.type) << kind.control->FullName();
        ExpectPlaced(*kind.control);
    }
    EXPECT_TRUE(GetWindowLongW(v.Window(*form.frameA), GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
    EXPECT_EQ(GetParent(v.Window(*form.boxB)), v.Window(*form.frameA));
    // A name the id table does not know still gets an id, clear of the table's.
    EXPECT_GE(GetDlgCtrlID(v.Window(*form.extra)), 3000);

    // Only the password box hides its text, with "*".
    EXPECT_TRUE(StyleOf(v.Window(*form.password)) & ES_PASSWORD);
    EXPECT_EQ(SendMessageW(v.Window(*form.password), EM_GETPASSWORDCHAR, 0, 0), L'*');
    EXPECT_FALSE(StyleOf(v.Window(*form.text)) & ES_PASSWORD);

    HWND tabs = v.Window(*form.tabStrip);
    ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
    wchar_t caption[64] = {};
    TCITEMW item{TCIF_TEXT, 0, 0, caption, 64, 0, 0};
    SendMessageW(tabs, TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(caption, L"Direct &Interface");
}

TEST_P(ViewWindows, TheFormIsAFixedDialogWhoseClientAreaIsTheModelsInnerSize) {
    HWND window = v.view.FormWindow();
    EXPECT_EQ(view::WindowText(window), L"View Test");
    EXPECT_TRUE(StyleOf(window) & WS_SYSMENU);
    EXPECT_FALSE(StyleOf(window) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    EXPECT_FALSE(IsWindowVisible(window)) << "hidden until the model shows it";

    RECT client, outer;
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    EXPECT_EQ(client.right, Px(form.ScaleWidth()));
    EXPECT_EQ(client.bottom, Px(form.ScaleHeight()));
    EXPECT_EQ(outer.left, Px(form.Left()));
    EXPECT_EQ(outer.top, Px(form.Top()));
    // The model's frame metrics are those of the real window.
    EXPECT_FLOAT_EQ(form.GetFrameMetrics().NonClientWidth(), (outer.right - outer.left - client.right) * tpp);
    EXPECT_FLOAT_EQ(form.GetFrameMetrics().NonClientHeight(), (outer.bottom - outer.top - client.bottom) * tpp);

    form.Move(3000, 2400, form.Width() + 60 * tpp);
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.left, Px(3000));
    EXPECT_EQ(outer.top, Px(2400));
    EXPECT_EQ(client.right, Px(form.ScaleWidth()));
    form.SetCaption("Schön ✓");
    EXPECT_EQ(view::WindowText(window), L"Sch\u00f6n \u2713");
}

TEST_P(ViewWindows, TheTabStripsClientAreaIsTheRealDisplayArea) {
    // Whole-pixel insets of the real display area, around the model's own twips.
    HWND tabs = v.Window(*form.tabStrip);
    const RECT window = AttachedView::RectInParent(tabs);
    RECT display = window;
    TabCtrl_AdjustRect(tabs, FALSE, &display);
    ASSERT_GT(display.top, window.top) << "the tabs take room at the top";
    const TabStrip& ts = *form.tabStrip;
    EXPECT_FLOAT_EQ(ts.ClientLeft() - ts.Left(), (display.left - window.left) * tpp);
    EXPECT_FLOAT_EQ(ts.ClientTop() - ts.Top(), (display.top - window.top) * tpp);
    EXPECT_FLOAT_EQ(ts.Width() - ts.ClientWidth(),
                    ((window.right - window.left) - (display.right - display.left)) * tpp);
    EXPECT_FLOAT_EQ(ts.Height() - ts.ClientHeight(),
                    ((window.bottom - window.top) - (display.bottom - display.top)) * tpp);
    // It follows the model's size, as the arrangement reads it between its own assignments.
    const float before = ts.ClientWidth();
    form.tabStrip->SetWidth(ts.Width() + 30 * tpp);
    EXPECT_FLOAT_EQ(ts.ClientWidth(), before + 30 * tpp);
}

TEST_P(ViewWindows, FramesLieAboveTheTabStripAndFollowTheModelsZOrder) {
    HWND parent = v.view.FormWindow();
    auto position = [parent](HWND window) {
        int at = 0;
        for (HWND w = GetWindow(parent, GW_CHILD); w != nullptr && w != window; w = GetWindow(w, GW_HWNDNEXT))
            ++at;
        return at;
    };
    HWND tabs = v.Window(*form.tabStrip);
    HWND a = v.Window(*form.frameA);
    HWND b = v.Window(*form.frameB);
    EXPECT_LT(position(a), position(tabs));
    EXPECT_LT(position(b), position(a)) << "made later, so in front";
    form.frameA->ZOrder(0);
    EXPECT_EQ(GetWindow(parent, GW_CHILD), a);
    form.frameA->ZOrder(1);
    EXPECT_GT(position(a), position(tabs));
}

TEST_P(ViewWindows, PropertyChangesReachTheWindows) {
    HWND box = v.Window(*form.boxB);
    form.boxB->SetValue(1);
    EXPECT_EQ(Checked(box), BST_CHECKED);
    // Grayed needs the three-state kind of box; the box goes back to the plain kind after.
    form.boxB->SetValue(2);
    EXPECT_EQ(Checked(box), BST_INDETERMINATE);
    form.boxB->SetValue(0);
    EXPECT_EQ(Checked(box), BST_UNCHECKED);
    EXPECT_EQ(StyleOf(box) & BS_TYPEMASK, BS_CHECKBOX);

    form.option1->SetValue(true);
    form.option0->SetValue(true);
    EXPECT_EQ(Checked(v.Window(*form.option0)), BST_CHECKED);
    EXPECT_EQ(Checked(v.Window(*form.option1)), BST_UNCHECKED);

    form.text->SetText("C:\\Program Files\\ÄÖÜ\\NCDR.EXE");
    EXPECT_EQ(view::WindowText(v.Window(*form.text)), L"C:\\Program Files\\\u00c4\u00d6\u00dc\\NCDR.EXE");
    form.text->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(v.Window(*form.text)));
    form.frameB->SetVisible(true);
    EXPECT_TRUE(StyleOf(v.Window(*form.frameB)) & WS_VISIBLE);
    form.boxB->Move(300, 990, 1200, 330);
    ExpectPlaced(*form.boxB);
    form.tabStrip->SelectTab(2);
    EXPECT_EQ(SendMessageW(v.Window(*form.tabStrip), TCM_GETCURSEL, 0, 0), 1);

    Font bold;
    bold.weight = 700;
    form.boxA->SetFont(bold);
    for (const Control* control : {static_cast<Control*>(form.boxA), static_cast<Control*>(form.boxB)}) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(v.Window(*control), WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, L"MS Sans Serif");
        EXPECT_EQ(font.lfHeight, -MulDiv(825, GetParam(), 7200));
        EXPECT_EQ(font.lfWeight, control == form.boxA ? 700 : 400);
    }
}

TEST_P(ViewWindows, UnloadHidesTheWindowAndDetachDestroysIt) {
    form.Show();
    EXPECT_TRUE(IsWindowVisible(v.view.FormWindow()));
    EXPECT_TRUE(form.Unload(UnloadMode::FormCode));
    EXPECT_FALSE(IsWindowVisible(v.view.FormWindow()));

    HWND window = v.view.FormWindow();
    v.view.Detach();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(v.view.WindowOf(*form.boxA), nullptr);
    v.view.Detach(); // a second time does nothing
}

INSTANTIATE_TEST_SUITE_P(AtDpi, ViewWindows, ::testing::Values(96, 120));

TEST(ViewMetrics, TheFrameNeedsNoWindowButTheTabStripDoes) {
    Win32FormView view(96);
    Screen screen = Screen::FromPixels(1024, 768, 96, 96);
    ViewTestForm form(screen, view.GetFrameMetrics(), view.GetTabClientMetrics());
    // The dialog sizes itself from the frame's metrics when it is made, before it has a window.
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, view::FormStyle, FALSE, view::FormExStyle);
    EXPECT_FLOAT_EQ(view.GetFrameMetrics().NonClientWidth(), (frame.right - frame.left) * 15.0f);
    EXPECT_FLOAT_EQ(view.GetFrameMetrics().NonClientHeight(), (frame.bottom - frame.top) * 15.0f);
    try {
        (void)form.tabStrip->ClientWidth();
        FAIL() << "no window, no client area";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), errors::ObjectRequired);
    }
}

TEST(ViewDpiChange, MovingToAMonitorOfAnotherDpiScalesTheWindows) {
    _putenv("ZW_DPI="); // the layout follows the monitor only when no DPI is forced
    AttachedView v(96);
    RECT suggested{100, 50, 900, 800};
    SendMessageW(v.view.FormWindow(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));

    const Control& box = *v.form.boxB;
    const RECT placed = AttachedView::RectInParent(v.Window(box));
    EXPECT_EQ(placed.left, std::lround(box.Left() / 10));
    EXPECT_EQ(placed.right - placed.left, std::lround(box.Width() / 10));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(v.Window(box), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -17);
    RECT client, outer;
    GetClientRect(v.view.FormWindow(), &client);
    GetWindowRect(v.view.FormWindow(), &outer);
    EXPECT_EQ(client.right, std::lround(v.form.ScaleWidth() / 10));
    EXPECT_EQ(outer.left, 100);
    EXPECT_EQ(outer.top, 50);
}

} // namespace
} // namespace zw::test
