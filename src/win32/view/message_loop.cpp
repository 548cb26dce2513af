// The dialog's message loop and its keyboard: Tab in the model's tab order, the tab strip's accelerators,
// and the dialog manager for Esc, Enter and the other accelerators.
#include "base/runtime_error.h"
#include "base/startup_trace.h"
#include "base/text_conversion.h"
#include "controls/form.h"
#include "controls/option_button.h"
#include "controls/tab_strip.h"
#include "form_view.h"
#include "geometry.h"
#include "tab_order.h"

namespace zw {

namespace {

bool KeyDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

} // namespace

void Win32FormView::RunForm(Form& form) {
    if (&form != form_)
        throw RuntimeError(errors::ObjectRequired, "Object required: the view is not attached to this form");
    RethrowPending();
    MSG message{};
    bool painted = !trace::Enabled() && !onFirstIdle;
    while (form.IsLoaded() && !failed_) {
        // Traced or watched only: the first time nothing is left to handle, every window has painted.
        if (!painted && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            painted = true;
            trace::Mark("first paint done");
            if (onFirstIdle)
                onFirstIdle();
        }
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == -1)
            throw RuntimeError(errors::InvalidProcedureCall, "The message loop failed");
        if (got == 0) {
            // Someone asked the thread to end: the form is closed as when Windows ends the program.
            CallModel([&form] { form.Unload(UnloadMode::TaskManager); });
            continue;
        }
        if (PreTranslate(message))
            continue;
        if (formWindow_ != nullptr && IsDialogMessageW(formWindow_, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    RethrowPending();
}

void Win32FormView::Fail(std::exception_ptr error) {
    if (!failed_)
        pending_ = std::move(error);
    failed_ = true;
    WakeLoop();
}

void Win32FormView::WakeLoop() {
    // A thread message that nothing handles: it only makes GetMessage return, so that the loop looks at
    // the form again. (WM_QUIT would linger and close the next message box at once.)
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void Win32FormView::RethrowPending() {
    if (!pending_)
        return;
    std::exception_ptr error = pending_;
    pending_ = nullptr;
    std::rethrow_exception(error);
}

bool Win32FormView::PreTranslate(const MSG& message) {
    // Only keys are the view's own; asked first, since IsChild is a round trip to the Wine server.
    if (message.message != WM_SYSCHAR && message.message != WM_KEYDOWN)
        return false;
    if (form_ == nullptr || failed_ || formWindow_ == nullptr)
        return false;
    if (message.hwnd != formWindow_ && !IsChild(formWindow_, message.hwnd))
        return false;
    if (message.message == WM_SYSCHAR)
        return HandleTabAccelerator(static_cast<wchar_t>(message.wParam));
    if (message.message == WM_KEYDOWN)
        return HandleNavigationKey(message);
    return false;
}

bool Win32FormView::HandleTabAccelerator(wchar_t typed) {
    for (Control* control : form_->Controls()) {
        if (control->Type() != ControlType::TabStrip || !view::CanTakeFocus(*control))
            continue;
        auto* tabStrip = static_cast<TabStrip*>(control);
        for (int number = 1; number <= tabStrip->TabCount(); ++number) {
            const wchar_t accelerator = view::AcceleratorOf(WideFromUtf8(tabStrip->GetTab(number).caption));
            if (!view::MatchesAccelerator(typed, accelerator))
                continue;
            FocusControl(tabStrip);
            CallModel([tabStrip, number] { tabStrip->SelectTab(number); });
            return true;
        }
    }
    return false;
}

bool Win32FormView::HandleNavigationKey(const MSG& message) {
    const auto key = static_cast<int>(message.wParam);
    if (KeyDown(VK_CONTROL) || KeyDown(VK_MENU))
        return false;
    Control* current = ControlOf(GetFocus());

    Control* next = nullptr;
    if (key == VK_TAB) {
        next = view::NextInTabOrder(*form_, current != nullptr ? current : form_->FocusedControl(), !KeyDown(VK_SHIFT));
    } else if (key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN) {
        // Arrows move between buttons and check boxes like Tab; in an option group they move and choose.
        // Text boxes and the tab strip keep their own arrows.
        if (current == nullptr)
            return false;
        const bool forward = key == VK_RIGHT || key == VK_DOWN;
        switch (current->Type()) {
        case ControlType::CheckBox:
        case ControlType::CommandButton:
            next = view::NextInTabOrder(*form_, current, forward);
            break;
        case ControlType::OptionButton:
            next = view::NextOptionInGroup(*form_, *current, forward);
            if (next != nullptr) {
                FocusControl(next);
                CallModel([next] { static_cast<OptionButton*>(next)->UserClick(); });
            }
            return true;
        default:
            return false;
        }
    } else {
        return false;
    }
    // The user works with the keyboard now: show where the focus is.
    SendMessageW(formWindow_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    FocusControl(next);
    return true;
}

} // namespace zw
