// What the user does to the windows becomes the model's own change or event, and nothing the model does
// comes back as if the user had done it.
#include <gtest/gtest.h>

#include "controls/control_observer.h"
#include "controls/runtime_error.h"
#include "view_test_form.h"
#include "win32/view_window_util.h"

namespace zw::test {
namespace {

// Counts the model's changes of one property.
struct ChangeCounter : ControlObserver {
    Property watched;
    int count = 0;
    explicit ChangeCounter(Property p) : watched(p) {}
    void PropertyChanged(Control&, Property property) override {
        if (property == watched)
            ++count;
    }
};

class ViewInput : public ::testing::Test {
protected:
    AttachedView v{96};
    ViewTestForm& form = v.form;

    void Click(const Control& control) { SendMessageW(v.Window(control), BM_CLICK, 0, 0); }
    LRESULT Checked(const Control& control) { return SendMessageW(v.Window(control), BM_GETCHECK, 0, 0); }
    // Runs the loop over what was posted; the last thing posted must end it (an unload).
    void RunUntilUnloaded() { v.view.RunForm(form); }
    void PostKey(const Control& control, WPARAM key) {
        PostMessageW(v.Window(control), WM_KEYDOWN, key, 1);
        PostMessageW(v.Window(control), WM_KEYUP, key, 0xC0000001);
    }
    void PostClose() { PostMessageW(v.view.FormWindow(), WM_CLOSE, 0, 0); }
};

TEST_F(ViewInput, ACheckBoxClickIsTheModelsUserClick) {
    Click(*form.boxB);
    EXPECT_EQ(form.boxB->Value(), 1);
    EXPECT_EQ(Checked(*form.boxB), BST_CHECKED);
    Click(*form.boxB);
    EXPECT_EQ(form.boxB->Value(), 0);
    EXPECT_EQ(Checked(*form.boxB), BST_UNCHECKED);
    // A mouse click gives the box the focus first, as it does on any dialog.
    EXPECT_EQ(form.events, (std::vector<std::string>{"boxB.GotFocus", "boxB.Click", "boxB.Click"}));

    // From grayed, a click checks, as the run time's does.
    form.boxB->SetValue(2);
    form.events.clear();
    Click(*form.boxB);
    EXPECT_EQ(form.boxB->Value(), 1);
    EXPECT_EQ(Checked(*form.boxB), BST_CHECKED);
}

TEST_F(ViewInput, TheBoxShowsWhatTheModelDecided) {
    // A click behaviour that refuses the check: the window must not keep a check of its own.
    form.boxA->Click = [this] {
        if (form.boxA->Value() == 1)
            form.boxA->SetValue(0);
    };
    Click(*form.boxA);
    EXPECT_EQ(form.boxA->Value(), 0);
    EXPECT_EQ(Checked(*form.boxA), BST_UNCHECKED);

    // A box disabled in the model ignores the click even if its window were reached.
    form.boxB->SetEnabled(false);
    SendMessageW(v.Window(*form.frameA), WM_COMMAND, MAKEWPARAM(1001, BN_CLICKED),
                 reinterpret_cast<LPARAM>(v.Window(*form.boxB)));
    EXPECT_EQ(form.boxB->Value(), 0);
}

TEST_F(ViewInput, OptionButtonsAndPushButtons) {
    form.frameB->SetVisible(true);
    Click(*form.option1);
    EXPECT_TRUE(form.option1->Value());
    Click(*form.option0);
    EXPECT_TRUE(form.option0->Value());
    EXPECT_FALSE(form.option1->Value());
    EXPECT_EQ(Checked(*form.option1), BST_UNCHECKED);
    EXPECT_EQ(Checked(*form.option0), BST_CHECKED);

    Click(*form.ok);
    EXPECT_EQ(form.events, (std::vector<std::string>{"option1.Click", "option0.Click", "ok.Click"}));
}

TEST_F(ViewInput, TypingSetsTheTextOnceAndTheModelsTextDoesNotComeBack) {
    ChangeCounter texts(Property::Caption);
    form.AddObserver(texts);

    // What the user types (WM_SETTEXT stands for it, as for a support tool) reaches the model in UTF-8.
    SendMessageW(v.Window(*form.text), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"C:\\D\u00e9p\u00f4t\\CDR.EXE"));
    EXPECT_EQ(form.text->Text(), "C:\\Dépôt\\CDR.EXE");
    EXPECT_EQ(texts.count, 1);

    // The model's own text goes to the window without coming back as typing.
    form.text->SetText("C:\\NCDR.EXE");
    EXPECT_EQ(texts.count, 2);
    EXPECT_EQ(view::WindowText(v.Window(*form.text)), L"C:\\NCDR.EXE");
    EXPECT_EQ(form.text->Text(), "C:\\NCDR.EXE");

    // Typing into the password box works the same; the window only masks it.
    SendMessageW(v.Window(*form.password), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"s3cret"));
    EXPECT_EQ(form.password->Text(), "s3cret");
    form.RemoveObserver(texts);
}

TEST_F(ViewInput, ChoosingATabSelectsItInTheModel) {
    HWND tabs = v.Window(*form.tabStrip);
    SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
    NMHDR header{tabs, 1900, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(v.view.FormWindow(), WM_NOTIFY, 1900, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(form.tabStrip->SelectedTab(), 2);
    EXPECT_EQ(form.events, (std::vector<std::string>{"ts.Click 2"}));

    // A click behaviour that goes back to the first tab: the window shows the model's tab.
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
    ASSERT_EQ(form.unloadModes, (std::vector<UnloadMode>{UnloadMode::ControlMenu}));
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_TRUE(IsWindow(v.view.FormWindow()));
    EXPECT_TRUE(IsWindowVisible(v.view.FormWindow()));

    // Windows ending: the answer to the query is the model's.
    EXPECT_EQ(SendMessageW(v.view.FormWindow(), WM_QUERYENDSESSION, 0, 0), FALSE);
    form.cancelUnload = 0;
    EXPECT_EQ(SendMessageW(v.view.FormWindow(), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(form.unloadModes.back(), UnloadMode::AppWindows);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_FALSE(IsWindowVisible(v.view.FormWindow()));
}

TEST_F(ViewInput, TheLoopEndsWhenTheFormIsUnloaded) {
    v.Show();
    PostClose();
    RunUntilUnloaded();
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(form.unloadModes, (std::vector<UnloadMode>{UnloadMode::ControlMenu}));
}

TEST_F(ViewInput, AnExceptionInAnEventEndsTheLoopAndIsThrownFromRun) {
    v.Show();
    form.boxA->Click = [] { throw RuntimeError(13, "Type mismatch"); };
    PostMessageW(v.Window(*form.boxA), BM_CLICK, 0, 0);
    try {
        RunUntilUnloaded();
        FAIL() << "the event's error must come out of Run";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), 13);
        EXPECT_STREQ(error.what(), "Type mismatch");
    }
    EXPECT_TRUE(form.IsLoaded());

    // After the failure no input reaches the model any more; the program is ending.
    form.events.clear();
    Click(*form.boxB);
    SendMessageW(v.view.FormWindow(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(form.events.empty());
    EXPECT_EQ(form.boxB->Value(), 0);
    EXPECT_TRUE(form.unloadModes.empty());
}

TEST_F(ViewInput, TheFirstControlInTabOrderGetsTheFocusOnceShown) {
    v.Show();
    EXPECT_EQ(GetFocus(), v.Window(*form.boxA));
    EXPECT_EQ(form.FocusedControl(), form.boxA);
    EXPECT_EQ(form.events, (std::vector<std::string>{"boxA.GotFocus"}));
}

TEST_F(ViewInput, GotFocusIsRaisedForANewControlOnly) {
    v.Show();
    form.events.clear();
    SetFocus(v.Window(*form.boxB));
    EXPECT_EQ(form.FocusedControl(), form.boxB);
    // Back from elsewhere (a message box, another program): the same control again is no new GotFocus.
    SetFocus(nullptr);
    SendMessageW(v.view.FormWindow(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(GetFocus(), v.Window(*form.boxB));
    SetFocus(v.Window(*form.boxA));
    EXPECT_EQ(form.events, (std::vector<std::string>{"boxB.GotFocus", "boxA.GotFocus"}));
}

TEST_F(ViewInput, HidingTheFocusedControlMovesTheFocusOn) {
    v.Show();
    SetFocus(v.Window(*form.boxB));
    form.frameA->SetVisible(false);
    v.Pump();
    EXPECT_EQ(GetFocus(), v.Window(*form.ok));
    EXPECT_EQ(form.FocusedControl(), form.ok);
}

TEST_F(ViewInput, EscPressesTheCancelButton) {
    v.Show();
    PostKey(*form.boxA, VK_ESCAPE);
    RunUntilUnloaded();
    EXPECT_EQ(form.events.back(), "cancel.Click");
    EXPECT_EQ(form.unloadModes, (std::vector<UnloadMode>{UnloadMode::FormCode}));
}

TEST_F(ViewInput, TabFollowsTabIndexAcrossContainers) {
    v.Show();
    SetFocus(v.Window(*form.boxB));
    PostKey(*form.boxB, VK_TAB);
    PostClose();
    RunUntilUnloaded();
    EXPECT_EQ(form.FocusedControl(), form.ok) << "TabIndex 1 is followed by 2, on the form";
}

TEST_F(ViewInput, EnterPressesOnlyAFocusedButton) {
    v.Show();
    // On a check box Enter does nothing: the dialog has no default button.
    PostKey(*form.boxA, VK_RETURN);
    PostClose();
    RunUntilUnloaded();
    EXPECT_EQ(form.events, (std::vector<std::string>{"boxA.GotFocus"}));
    EXPECT_EQ(form.boxA->Value(), 0);
}

TEST_F(ViewInput, EnterOnTheFocusedButtonPressesIt) {
    v.Show();
    SetFocus(v.Window(*form.ok));
    PostKey(*form.ok, VK_RETURN);
    PostClose();
    RunUntilUnloaded();
    EXPECT_EQ(form.events, (std::vector<std::string>{"boxA.GotFocus", "ok.Click"}));
}

TEST_F(ViewInput, AltAndATabsLetterSelectsThatTab) {
    v.Show();
    PostMessageW(v.Window(*form.boxA), WM_SYSCHAR, L'i', 1 << 29);
    PostClose();
    RunUntilUnloaded();
    EXPECT_EQ(form.tabStrip->SelectedTab(), 2);
    EXPECT_EQ(form.FocusedControl(), form.tabStrip);
    EXPECT_EQ(form.events.back(), "ts.Click 2");
}

TEST_F(ViewInput, AltAndAButtonsLetterPressesIt) {
    v.Show();
    PostMessageW(v.Window(*form.boxA), WM_SYSCHAR, L'o', 1 << 29);
    PostClose();
    RunUntilUnloaded();
    EXPECT_NE(std::find(form.events.begin(), form.events.end(), "ok.Click"), form.events.end());
}

} // namespace
} // namespace zw::test
