#pragma once
#include <windows.h>

#include <optional>

#include "controls/screen.h"

namespace zw::view {

// The DPI functions of newer Windows versions, looked up at run time so that the program still starts
// where they are missing.

// Declares the process per-monitor aware (v2, else v1, else system aware). The manifest normally has done
// it already; then this changes nothing.
void EnablePerMonitorAwareness();

// The DPI that the system draws window frames and title bars at: the window's own when it is given and
// known, else the system's.
int NonClientDpi(HWND window = nullptr);

// The DPI the dialog is laid out at: the override variable ZW_DPI when it holds a valid number (tests and
// screenshots), else the system's.
int LayoutDpi();
std::optional<int> DpiOverride();

// The outer size of a window whose client area is client pixels, with the given styles, at a DPI.
SIZE OuterSize(SIZE client, DWORD style, DWORD exStyle, int dpi);

// The primary monitor as the dialog's Screen: its size in pixels at the layout DPI.
Screen PrimaryScreen(int layoutDpi);

} // namespace zw::view
