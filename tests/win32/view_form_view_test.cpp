// The dialog's windows: one per control, made and placed from the model, and every later change of the
// model copied to them.
#include <gtest/gtest.h>

#include "controls/runtime_error.h"
#include "view_test_form.h"
#include "win32/view_native_spec.h"
#include "win32/view_window_util.h"

namespace zw::test {
namespace {

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

LONG StyleOf(HWND window) {
    return GetWindowLongW(window, GWL_STYLE);
}

class ViewWindows : public ::testing::TestWithParam<int> {
protected:
    AttachedView v{GetParam()};
    ViewTestForm& form = v.form;
    float tpp = 1440.0f / GetParam();

    RECT Expected(const Control& c) const {
        auto px = [this](float twips) { return static_cast<LONG>(std::lround(twips / tpp)); };
        return {px(c.Left()), px(c.Top()), px(c.Left()) + px(c.Width()), px(c.Top()) + px(c.Height())};
    }
    void ExpectPlaced(const Control& c) {
        const RECT actual = AttachedView::RectInParent(v.Window(c));
        const RECT expected = Expected(c);
        EXPECT_EQ(actual.left, expected.left) << c.FullName();
        EXPECT_EQ(actual.top, expected.top) << c.FullName();
        EXPECT_EQ(actual.right - actual.left, expected.right - expected.left) << c.FullName();
        EXPECT_EQ(actual.bottom - actual.top, expected.bottom - expected.top) << c.FullName();
    }
};

TEST_P(ViewWindows, EveryControlHasItsWindowWithItsIdInsideItsContainer) {
    for (Control* control : form.Controls()) {
        HWND window = v.Window(*control);
        ASSERT_NE(window, nullptr) << control->FullName();
        EXPECT_EQ(v.view.ControlOf(window), control);
        HWND expectedParent = control->Container() == &form ? v.view.FormWindow() : v.Window(*control->Container());
        EXPECT_EQ(GetParent(window), expectedParent) << control->FullName();
        ExpectPlaced(*control);
    }
    struct Id {
        const Control* control;
        int id;
    } ids[] = {{form.boxA, 1000},   {form.boxB, 1001},   {form.text, 1100},    {form.password, 1105},
               {form.ok, 1200},     {form.cancel, 1201}, {form.label, 1503},   {form.option1, 1701},
               {form.frameA, 1800}, {form.frameB, 1801}, {form.tabStrip, 1900}};
    for (const Id& id : ids)
        EXPECT_EQ(GetDlgCtrlID(v.Window(*id.control)), id.id) << id.control->FullName();
    // A control the id table does not know still gets an id of its own, clear of the table's.
    EXPECT_GE(GetDlgCtrlID(v.Window(*form.extra)), 3000);
    EXPECT_EQ(GetDlgItem(v.Window(*form.frameA), 1001), v.Window(*form.boxB));
}

TEST_P(ViewWindows, EachKindOfControlIsItsNativeCounterpart) {
    struct Kind {
        const Control* control;
        const wchar_t* className;
        LONG type;
        LONG typeMask;
    } kinds[] = {
        {form.boxA, L"Button", BS_CHECKBOX, BS_TYPEMASK},
        {form.option0, L"Button", BS_RADIOBUTTON, BS_TYPEMASK},
        {form.ok, L"Button", BS_PUSHBUTTON, BS_TYPEMASK},
        {form.text, L"Edit", ES_AUTOHSCROLL, ES_AUTOHSCROLL},
        {form.label, L"Static", SS_LEFT, SS_TYPEMASK},
        {form.tabStrip, WC_TABCONTROLW, 0, 0},
        {form.frameA, view::FrameClassName, WS_CLIPCHILDREN, WS_CLIPCHILDREN},
    };
    for (const Kind& kind : kinds) {
        HWND window = v.Window(*kind.control);
        EXPECT_EQ(_wcsicmp(ClassOf(window).c_str(), kind.className), 0) << kind.control->FullName();
        EXPECT_EQ(StyleOf(window) & kind.typeMask, kind.type) << kind.control->FullName();
    }
    // Focusable controls are tab stops; labels and frames are not. Frames let the keyboard in.
    EXPECT_TRUE(StyleOf(v.Window(*form.boxA)) & WS_TABSTOP);
    EXPECT_TRUE(StyleOf(v.Window(*form.tabStrip)) & WS_TABSTOP);
    EXPECT_FALSE(StyleOf(v.Window(*form.label)) & WS_TABSTOP);
    EXPECT_TRUE(GetWindowLongW(v.Window(*form.frameA), GWL_EXSTYLE) & WS_EX_CONTROLPARENT);

    // Only the password box hides its text, with "*".
    EXPECT_TRUE(StyleOf(v.Window(*form.password)) & ES_PASSWORD);
    EXPECT_EQ(SendMessageW(v.Window(*form.password), EM_GETPASSWORDCHAR, 0, 0), L'*');
    EXPECT_FALSE(StyleOf(v.Window(*form.text)) & ES_PASSWORD);

    // The tab strip has the model's tabs.
    HWND tabs = v.Window(*form.tabStrip);
    ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
    wchar_t caption[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    item.cchTextMax = 64;
    SendMessageW(tabs, TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(caption, L"Direct &Interface");
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
}

TEST_P(ViewWindows, TheFormIsAFixedDialogWhoseClientAreaIsTheModelsInnerSize) {
    HWND window = v.view.FormWindow();
    EXPECT_EQ(view::WindowText(window), L"View Test");
    const LONG style = StyleOf(window);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    EXPECT_FALSE(IsWindowVisible(window)) << "hidden until the model shows it";

    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, std::lround(form.ScaleWidth() / tpp));
    EXPECT_EQ(client.bottom, std::lround(form.ScaleHeight() / tpp));
    RECT outer;
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.left, std::lround(form.Left() / tpp));
    EXPECT_EQ(outer.top, std::lround(form.Top() / tpp));

    // The model's frame metrics are those of the real window.
    EXPECT_FLOAT_EQ(form.GetFrameMetrics().NonClientWidth(), (outer.right - outer.left - client.right) * tpp);
    EXPECT_FLOAT_EQ(form.GetFrameMetrics().NonClientHeight(), (outer.bottom - outer.top - client.bottom) * tpp);

    form.Move(3000, 2400, form.Width() + 60 * tpp);
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    EXPECT_EQ(outer.left, std::lround(3000 / tpp));
    EXPECT_EQ(outer.top, std::lround(2400 / tpp));
    EXPECT_EQ(client.right, std::lround(form.ScaleWidth() / tpp));

    form.SetCaption("Schön ✓");
    EXPECT_EQ(view::WindowText(window), L"Sch\u00f6n \u2713");
}

TEST_P(ViewWindows, TheTabStripsClientAreaIsTheRealDisplayArea) {
    // The insets of the real display area, in whole pixels, around the model's own twips.
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
    const float before = form.tabStrip->ClientWidth();
    form.tabStrip->SetWidth(form.tabStrip->Width() + 30 * tpp);
    EXPECT_FLOAT_EQ(form.tabStrip->ClientWidth(), before + 30 * tpp);
}

TEST_P(ViewWindows, FramesLieAboveTheTabStripAndFollowTheModelsZOrder) {
    HWND form_ = v.view.FormWindow();
    auto stackPosition = [form_](HWND window) {
        int position = 0;
        for (HWND w = GetWindow(form_, GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT), ++position)
            if (w == window)
                return position;
        return -1;
    };
    HWND tabs = v.Window(*form.tabStrip);
    HWND a = v.Window(*form.frameA);
    HWND b = v.Window(*form.frameB);
    EXPECT_LT(stackPosition(a), stackPosition(tabs));
    EXPECT_LT(stackPosition(b), stackPosition(tabs));
    EXPECT_LT(stackPosition(b), stackPosition(a)) << "made later, so in front";

    form.frameA->ZOrder(0);
    EXPECT_EQ(GetWindow(form_, GW_CHILD), a);
    form.frameB->ZOrder(0);
    EXPECT_EQ(GetWindow(form_, GW_CHILD), b);
    form.frameB->ZOrder(1);
    EXPECT_GT(stackPosition(b), stackPosition(tabs));
}

TEST_P(ViewWindows, PropertyChangesReachTheWindows) {
    form.boxB->SetValue(1);
    EXPECT_EQ(SendMessageW(v.Window(*form.boxB), BM_GETCHECK, 0, 0), BST_CHECKED);
    // The grayed value needs the three-state kind of box, and the box goes back to the plain kind after.
    form.boxB->SetValue(2);
    EXPECT_EQ(SendMessageW(v.Window(*form.boxB), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    EXPECT_EQ(StyleOf(v.Window(*form.boxB)) & BS_TYPEMASK, BS_3STATE);
    form.boxB->SetValue(0);
    EXPECT_EQ(SendMessageW(v.Window(*form.boxB), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(StyleOf(v.Window(*form.boxB)) & BS_TYPEMASK, BS_CHECKBOX);

    form.option1->SetValue(true);
    form.option0->SetValue(true);
    EXPECT_EQ(SendMessageW(v.Window(*form.option0), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(v.Window(*form.option1), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    form.label->SetCaption("Größe: 12 µm");
    EXPECT_EQ(view::WindowText(v.Window(*form.label)), L"Gr\u00f6\u00dfe: 12 \u00b5m");
    form.text->SetText("C:\\Program Files\\ÄÖÜ\\NCDR.EXE");
    EXPECT_EQ(view::WindowText(v.Window(*form.text)), L"C:\\Program Files\\\u00c4\u00d6\u00dc\\NCDR.EXE");

    form.text->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(v.Window(*form.text)));
    form.text->SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(v.Window(*form.text)));
    form.boxA->SetVisible(false);
    EXPECT_FALSE(GetWindowLongW(v.Window(*form.boxA), GWL_STYLE) & WS_VISIBLE);
    form.frameB->SetVisible(true);
    EXPECT_TRUE(GetWindowLongW(v.Window(*form.frameB), GWL_STYLE) & WS_VISIBLE);

    form.boxB->Move(300, 990, 1200, 330);
    ExpectPlaced(*form.boxB);
    form.tabStrip->SelectTab(2);
    EXPECT_EQ(SendMessageW(v.Window(*form.tabStrip), TCM_GETCURSEL, 0, 0), 1);
}

TEST_P(ViewWindows, FontsAreTheModelsAtTheLayoutDpi) {
    Font bold;
    bold.weight = 700;
    form.boxA->SetFont(bold);
    for (const Control* control : {static_cast<const Control*>(form.boxA), static_cast<const Control*>(form.boxB)}) {
        HFONT handle = reinterpret_cast<HFONT>(SendMessageW(v.Window(*control), WM_GETFONT, 0, 0));
        ASSERT_NE(handle, nullptr);
        LOGFONTW font{};
        GetObjectW(handle, sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, L"MS Sans Serif");
        EXPECT_EQ(font.lfHeight, -MulDiv(825, GetParam(), 7200));
        EXPECT_EQ(font.lfWeight, control == form.boxA ? 700 : 400);
    }
}

TEST_P(ViewWindows, TheFormsUnloadHidesItsWindowAndDetachDestroysThem) {
    form.Show();
    EXPECT_TRUE(IsWindowVisible(v.view.FormWindow()));
    EXPECT_TRUE(form.Unload(UnloadMode::FormCode));
    EXPECT_FALSE(IsWindowVisible(v.view.FormWindow()));

    HWND window = v.view.FormWindow();
    HWND child = v.Window(*form.boxA);
    v.view.Detach();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(v.view.FormWindow(), nullptr);
    v.view.Detach(); // a second time does nothing
    // The model no longer reaches any window.
    form.boxA->SetValue(1);
}

INSTANTIATE_TEST_SUITE_P(AtDpi, ViewWindows, ::testing::Values(96, 120));

TEST(ViewMetrics, TheTabStripNeedsItsWindowFirst) {
    Win32FormView view(96);
    Screen screen = Screen::FromPixels(1024, 768, 96, 96);
    ViewTestForm form(screen, view.GetFrameMetrics(), view.GetTabClientMetrics());
    try {
        (void)form.tabStrip->ClientWidth();
        FAIL() << "no window, no client area";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), errors::ObjectRequired);
    }
    // The frame's metrics need no window: the dialog sizes itself from them when it is made.
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, view::FormStyle, FALSE, view::FormExStyle);
    EXPECT_FLOAT_EQ(view.GetFrameMetrics().NonClientWidth(), (frame.right - frame.left) * 15.0f);
    EXPECT_FLOAT_EQ(view.GetFrameMetrics().NonClientHeight(), (frame.bottom - frame.top) * 15.0f);
}

} // namespace
} // namespace zw::test
