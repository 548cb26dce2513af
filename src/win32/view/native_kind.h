#pragma once
#include <windows.h>

namespace zw {
class Control;
}

namespace zw::view {

// The window class that holds the controls of a picture-box frame, and the one of the dialog itself.
inline constexpr const wchar_t* FrameClassName = L"ZWInterfaceSetupFrame";
inline constexpr const wchar_t* FormClassName = L"ZWInterfaceSetupForm";

// The dialog's own window: a caption with the close box only, a fixed dialog border, no sizing.
inline constexpr DWORD FormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
inline constexpr DWORD FormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;

// What native window stands for a model control: its class, styles and extended styles, as the control's
// kind and current state (visible, enabled, password character, alignment, border) ask for.
struct NativeKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};
NativeKind KindFor(const Control& control);

} // namespace zw::view
