// What the user does to the windows becomes the model's own change or event, and nothing the model does
// comes back as if the user had done it.
#include <gtest/gtest.h>

#include "controls/runtime_error.h"
#include "view_test_form.h"
#include "win32/view_window_util.h"

namespace zw::test {
namespace {

using Events = std::vector<std::string>;

class ViewInput : public ::testing::Test {
protected:
    AttachedView v{96};
    ViewTestForm& form = v.form;

    HWND W(const Control& control) { return v.Window(control); }
    void Click(const Control& control) { SendMessageW(W(control), BM_CLICK, 0, 0); }
    LRESULT Checked(const Control& control) { return SendMessageW(W(control), BM_GETCHECK, 0, 0); }
    void PostKey(const Control& control, WPARAM key) { PostMessageW(W(control), WM_KEYDOWN, key, 1); }
    void PostFocus(const Control& control) {
        PostMessageW(v.view.FormWindow(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(W(control)), TRUE);
    }
    // Runs the program's loop over what was posted, ending it with a close from the title bar.
    void RunThenClose() {
        PostMessageW(v.view.FormWindow(), WM_CLOSE, 0, 0);
        v.view.RunForm(form);
    }
};

TEST_F(ViewInput, ACheckBoxClickIsTheModelsUserClick) {
    Click(*form.boxB);
    EXPECT_EQ(form.boxB->Value(), 1);
    EXPECT_EQ(Checked(*form.boxB), BST_CHECKED);
    Click(*form.boxB);
    EXPECT_EQ(form.boxB->Value(), 0);
    EXPECT_EQ(Checked(*form.boxB), BST_UNCHECKED);
    // A mouse click gives the box the focus first, as on any dialog.
    EXPECT_EQ(form.events, (Events{"boxB.GotFocus", "boxB.Click", "boxB.Click"}));

    // A click behaviour that refuses the check: the window must not keep a check of its own.
    form.boxA->Click = [this] { form.boxA->SetValue(0); };
    Click(*form.boxA);
    EXPECT_EQ(form.boxA->Value(), 0);
    EXPECT_EQ(Checked(*form.boxA), BST_UNCHECKED);
}

TEST_F(ViewInput, OptionButtonsAndPushButtons) {
    form.frameB->SetVisible(true);
    Click(*form.option1);
    Click(*form.option0);
    EXPECT_TRUE(form.option0->Value());
    EXPECT_FALSE(form.option1->Value());
    EXPECT_EQ(Checked(*form.option1), BST_UNCHECKED);
    Click(*form.ok);
    form.ok->SetEnabled(false);
    Click(*form.ok);
    EXPECT_EQ(form.events, (Events{"option1.Click", "option0.Click", "ok.Click"}));
}

TEST_F(ViewInput, TypingSetsTheTextAndTheModelsTextDoesNotComeBack) {
    // What the user types (WM_SETTEXT stands for it, as for a support tool) reaches the model in UTF-8.
    SendMessageW(W(*form.text), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"C:\\D\u00e9p\u00f4t\\CDR.EXE"));
    EXPECT_EQ(form.text->Text(), "C:\\Dépôt\\CDR.EXE");

    // A model that changes what was typed (say, to upper case) wins, and no loop starts.
    int sets = 0;
    struct Upper : ControlObserver {
        TextBox& box;
        int& sets;
        Upper(TextBox& b, int& s) : box(b), sets(s) {}
        void PropertyChanged(Control& c, Property p) override {
            if (&c == &box && p == Property::Caption && ++sets < 10 && box.Text() != "ABC")
                box.SetText("ABC");
        }
    } upper(*form.text, sets);
    form.AddObserver(upper);
    SendMessageW(W(*form.text), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"abc"));
    form.RemoveObserver(upper);
    EXPECT_EQ(form.text->Text(), "ABC");
    EXPECT_EQ(view::WindowText(W(*form.text)), L"ABC");
    EXPECT_EQ(sets, 2);
}

TEST_F(ViewInput, ChoosingATabSelectsItInTheModelWhichHasTheLastWord) {
    HWND tabs = W(*form.tabStrip);
    NMHDR header{tabs, 1900, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
    SendMessageW(v.view.FormWindow(), WM_NOTIFY, 1900, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(form.tabStrip->SelectedTab(), 2);
    EXPECT_EQ(form.events, (Events{"ts.Click 2"}));

    form.tabStrip->SelectTab(1);
    form.tabStrip->Click = [this] { form.tabStrip->SelectTab(1); };
    SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
    SendMessageW(v.view.FormWindow(), WM_NOTIFY, 1900, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(form.tabStrip->SelectedTab(), 1);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
}

TEST_F(ViewInput, ClosingTheWindowAsksTheModelWhichMayRefuse) {
    v.Show();
    form.cancelUnload = 1;
    SendMessageW(v.view.FormWindow(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form.unloadModes, (std::vector<UnloadMode>{UnloadMode::ControlMenu}));
    EXPECT_TRUE(IsWindowVisible(v.view.FormWindow()));
    EXPECT_EQ(SendMessageW(v.view.FormWindow(), WM_QUERYENDSESSION, 0, 0), FALSE);

    form.cancelUnload = 0;
    EXPECT_EQ(SendMessageW(v.view.FormWindow(), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(form.unloadModes.back(), UnloadMode::AppWindows);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_FALSE(IsWindowVisible(v.view.FormWindow()));
}

TEST_F(ViewInput, AnExceptionInAnEventEndsTheLoopAndIsThrownFromRun) {
    v.Show();
    form.boxA->Click = [] { throw RuntimeError(13, "Type mismatch"); };
    PostMessageW(W(*form.boxA), BM_CLICK, 0, 0);
    try {
        RunThenClose();
        FAIL() << "the event's error must come out of Run";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), 13);
        EXPECT_STREQ(error.what(), "Type mismatch");
    }
    // The close posted after the click never reached the model, nor does anything after the failure.
    form.events.clear();
    Click(*form.boxB);
    SendMessageW(v.view.FormWindow(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(form.events.empty());
    EXPECT_TRUE(form.unloadModes.empty());
    EXPECT_TRUE(form.IsLoaded());
}

TEST_F(ViewInput, FocusGoesFirstToTheFirstInTabOrderAndGotFocusOnlyForANewControl) {
    v.Show();
    EXPECT_EQ(GetFocus(), W(*form.boxA));
    EXPECT_EQ(form.FocusedControl(), form.boxA);
    SetFocus(W(*form.boxB));
    // Back from a message box or another program: the same control again is no new GotFocus.
    SetFocus(nullptr);
    SendMessageW(v.view.FormWindow(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(GetFocus(), W(*form.boxB));
    EXPECT_EQ(form.events, (Events{"boxA.GotFocus", "boxB.GotFocus"}));
}

TEST_F(ViewInput, HidingTheFocusedControlMovesTheFocusOn) {
    v.Show();
    SetFocus(W(*form.boxB));
    form.frameA->SetVisible(false);
    v.Pump();
    EXPECT_EQ(GetFocus(), W(*form.ok));
    EXPECT_EQ(form.FocusedControl(), form.ok);
}

TEST_F(ViewInput, EscPressesTheCancelButton) {
    v.Show();
    PostKey(*form.text, VK_ESCAPE);
    v.view.RunForm(form); // the cancel button's click unloads the form
    EXPECT_EQ(form.events.back(), "cancel.Click");
    EXPECT_EQ(form.unloadModes, (std::vector<UnloadMode>{UnloadMode::FormCode}));
}

TEST_F(ViewInput, TabFollowsTabIndexAcrossContainers) {
    v.Show();
    PostFocus(*form.boxB);
    PostKey(*form.boxB, VK_TAB);
    RunThenClose();
    EXPECT_EQ(form.FocusedControl(), form.ok) << "TabIndex 1 is followed by 2, on the form";
}

TEST_F(ViewInput, EnterPressesOnlyAFocusedButton) {
    v.Show();
    PostKey(*form.boxA, VK_RETURN); // the dialog has no default button
    PostFocus(*form.ok);
    PostKey(*form.ok, VK_RETURN);
    RunThenClose();
    EXPECT_EQ(form.events, (Events{"boxA.GotFocus", "ok.Click"}));
    EXPECT_EQ(form.boxA->Value(), 0);
}

TEST_F(ViewInput, TheDialogManagersEnterReachesOnlyAFocusedButton) {
    // What the dialog manager asks and sends for Enter, as Windows does it.
    HWND dialog = v.view.FormWindow();
    v.Show();
    EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), 0) << "no default button while a check box has the focus";
    SendMessageW(dialog, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(W(*form.boxA)));
    EXPECT_EQ(form.boxA->Value(), 0) << "IDOK from the focused check box is no click on it";
    SetFocus(W(*form.ok));
    EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), MAKELRESULT(1200, DC_HASDEFID));
    EXPECT_EQ(form.events, (Events{"boxA.GotFocus"}));
}

TEST_F(ViewInput, AltAndATabsLetterSelectsThatTab) {
    v.Show();
    PostMessageW(W(*form.boxA), WM_SYSCHAR, L'i', 1 << 29);
    RunThenClose();
    EXPECT_EQ(form.tabStrip->SelectedTab(), 2);
    EXPECT_EQ(form.FocusedControl(), form.tabStrip);
    EXPECT_EQ(form.events.back(), "ts.Click 2");
}

} // namespace
} // namespace zw::test
