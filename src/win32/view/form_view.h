#pragma once
#include <windows.h>

#include <exception>
#include <functional>
#include <unordered_map>

#include "app/program.h"
#include "controls/control_observer.h"
#include "fonts.h"
#include "metrics.h"

namespace zw {
class Control;
class Form;
class TabStrip;
} // namespace zw

namespace zw {

// The dialog's native windows. They hold no decisions: every window mirrors a control of the model, and
// what the user does becomes the same property change or event that code could make (a click on a check
// box is its UserClick, typing sets the text, closing the window is an unload from the control menu).
class Win32FormView : public FormView, private ControlObserver {
public:
    // Lays out at the given DPI (twips per pixel 1440 / DPI across and down).
    explicit Win32FormView(int layoutDpi);
    ~Win32FormView() override;
    Win32FormView(const Win32FormView&) = delete;
    Win32FormView& operator=(const Win32FormView&) = delete;

    void Attach(frmZWIntStp& form) override;
    void Run(frmZWIntStp& form) override;
    void Detach() override;
    const FrameMetrics& GetFrameMetrics() const override { return frameMetrics_; }
    const TabClientMetrics& GetTabClientMetrics() const override { return tabMetrics_; }

    // The same for any form: the dialog is one, tests use small ones of their own.
    void AttachForm(Form& form);
    void RunForm(Form& form);

    // Told of the dialog's window when it is made and of nullptr when it goes, so that message boxes can be
    // owned by it.
    std::function<void(HWND)> onFormWindow;

    // Set by the program for its end: Detach leaves the windows of a dialog that is already hidden to the end
    // of the process, which takes them away at once, rather than destroying eighty-odd windows one by one.
    // An unloaded dialog is not even hidden first (hiding a window costs Wine about 10 ms): its windows go
    // with the process, unless a failure is on its way out, when they are destroyed before the run-time
    // error box as a visible dialog's are (a failure before its unload).
    bool leaveHiddenWindows = false;

    // Set by the program: the child windows are made when the form is first shown, each at once with the
    // place, text, state and z-order the load gave its control, rather than made hidden and then moved,
    // filled, shown and hidden one property at a time while the form loads. Only the tab strips are made
    // at once: the arrangement reads their client metrics from the real windows. Left unset (the view
    // tests), every window exists from the attaching on and follows every change at once.
    bool makeChildrenWhenShown = false;

    // Called once, the first time the shown dialog has nothing left to handle: every window has painted.
    std::function<void()> onFirstIdle;

    HWND FormWindow() const { return formWindow_; }
    HWND WindowOf(const Control& control) const;
    Control* ControlOf(HWND window) const;
    int LayoutDpi() const { return layoutDpi_; }
    const view::Scaling& GetScaling() const { return scaling_; }

    // The window procedure of the dialog and of its frames, and the one every focusable control is
    // subclassed with; public only so that the registration code can name them.
    static LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    // Creating and destroying the windows.
    void NumberControls(const Form& form);
    void MakeChildren(bool all);
    HWND CreateNative(Control& control);
    void CreateTabs(HWND window, const TabStrip& tabStrip);
    void RestackChildren(const Control* container);
    void PlaceForm(bool move, bool size);
    // The form window's outer rectangle on the screen for a frame drawn at the DPI given.
    RECT FormPlace(int nonClientDpi) const;
    void PlaceChild(const Control& control, HWND window);
    void ApplyFont(const Control& control, HWND window, bool redraw = true);
    void Subclass(HWND window);
    void ReleaseSubclassed();
    int NextFreeId() { return nextFreeId_++; }

    // Mirroring the model.
    void PropertyChanged(Control& control, Property property) override;
    void MirrorFormProperty(Property property);
    void MirrorValue(Control& control, HWND window);
    void MirrorText(Control& control, HWND window);
    void MirrorFocus(Control& control, HWND window);
    void MirrorVisibility(Control& control, HWND window);

    // Input.
    LRESULT HandleContainerMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleControlMessage(WNDPROC original, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnNotify(const NMHDR& header);
    void OnActivate(bool active);
    bool RestoreFocus();
    void OnControlFocused(HWND window);
    LRESULT OnColour(HDC dc, HWND child);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void PressCancelButton();
    void FocusControl(const Control* control);
    void RepairFocus();
    LRESULT DefaultButtonId() const;

    // The message loop.
    bool PreTranslate(const MSG& message);
    bool HandleTabAccelerator(wchar_t typed);
    bool HandleNavigationKey(const MSG& message);

    // Runs a call into the model; an exception is kept for Run to throw again, and the loop ends. After a
    // failure no further input reaches the model until the view is attached again.
    template <typename F> void CallModel(F&& call);
    void Fail(std::exception_ptr error);
    void WakeLoop();
    void RethrowPending();

    int layoutDpi_;
    view::Scaling scaling_;
    view::Win32FrameMetrics frameMetrics_;
    view::Win32TabClientMetrics tabMetrics_;
    view::FontCache fonts_;

    Form* form_ = nullptr;
    HWND formWindow_ = nullptr;
    std::unordered_map<const Control*, HWND> windows_;
    std::unordered_map<HWND, Control*> controls_;
    std::unordered_map<const Control*, int> ids_;
    int nextFreeId_ = 3000;

    // Above zero while a change of the model is being copied to the windows: the notifications that the
    // copying causes are not the user's.
    int applying_ = 0;
    std::exception_ptr pending_;
    bool failed_ = false;
    bool initialFocusPosted_ = false;
    bool childrenMade_ = false;       // all the child windows exist (made when shown)
    bool formPlacePending_ = false;   // the form moved or changed size before its windows were made
    bool unloadedWhileShown_ = false; // the model hid the unloaded form; the window is left as it is
    HWND lastFocus_ = nullptr;
};

} // namespace zw

namespace zw {

template <typename F> void Win32FormView::CallModel(F&& call) {
    if (failed_ || form_ == nullptr)
        return;
    try {
        call();
    } catch (...) {
        Fail(std::current_exception());
    }
}

} // namespace zw
