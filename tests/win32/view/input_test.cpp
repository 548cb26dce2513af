// What the view makes of the user's input: a check box that shows the model's value rather than toggling
// itself, and an error from an event procedure leaving the message loop.
#include <gtest/gtest.h>

#include <windows.h>

#include "base/runtime_error.h"
#include "controls/check_box.h"
#include "controls/form.h"
#include "win32/view/form_view.h"

namespace zw {
namespace {

// A form of one check box, for what the view makes of the user's input.
struct OneBoxForm : Form {
    OneBoxForm(const Screen& screen, const FrameMetrics& frame)
        : Form("frmViewTest", screen, frame), box(this, this, "CheckBox1", 1) {
        Move(1500, 1200, 4000, 3000);
        box.Move(270, 660, 915, 315);
    }
    CheckBox box;
};

class ViewInput : public ::testing::Test {
protected:
    ViewInput() {
        view.AttachForm(form);
        form.Load();
        form.Show();
    }
    ~ViewInput() override { view.Detach(); }
    HWND Box() const { return view.WindowOf(form.box); }
    // The model's value and the window's check, side by side.
    std::pair<int, LRESULT> Click() {
        SendMessageW(Box(), BM_CLICK, 0, 0);
        return {form.box.Value(), SendMessageW(Box(), BM_GETCHECK, 0, 0)};
    }

    const Screen screen = Screen::FromPixels(1024, 768, 96, 96);
    Win32FormView view{96};
    OneBoxForm form{screen, view.GetFrameMetrics()};
};

TEST_F(ViewInput, TheCheckBoxShowsTheModelsValueRatherThanToggleItself) {
    EXPECT_EQ(Click(), std::make_pair(1, LRESULT(BST_CHECKED)));
    EXPECT_EQ(Click(), std::make_pair(0, LRESULT(BST_UNCHECKED)));
    // A click procedure that refuses the check: the window must not keep a check of its own.
    form.box.Click = [this] { form.box.SetValue(0); };
    EXPECT_EQ(Click(), std::make_pair(0, LRESULT(BST_UNCHECKED)));
}

TEST_F(ViewInput, AnErrorInAnEventProcedureEndsTheLoopAndLeavesRun) {
    form.box.Click = [] { throw RuntimeError(errors::TypeMismatch); };
    PostMessageW(Box(), BM_CLICK, 0, 0);
    PostMessageW(view.FormWindow(), WM_CLOSE, 0, 0);
    try {
        view.RunForm(form);
        FAIL() << "the event's error must come out of Run";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), errors::TypeMismatch);
    }
    // The close posted after the click never reached the model, nor does a later click; the box keeps showing
    // the model's value rather than checking itself.
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_EQ(Click(), std::make_pair(1, LRESULT(BST_CHECKED)));
}

} // namespace
} // namespace zw
