#pragma once
// The list of the dialog's windows as they stand: what the same-windows yardstick of the start-up benchmark
// (bench/same_windows.cpp) makes again, so that it always makes exactly the program's windows.
#include <windows.h>

#include <string>

namespace zw::view {

// Writes one line for the top-level window and one for each window below it, each parent before its
// children and siblings front to back (the order they are made in): class, "-" for the top-level window or
// the parent's line (the first line is 0), style, extended style, id, left, top, width, height (client pixels of the
// parent; the window's own rectangle for the top-level one), font height, weight, charset and face, check state, focus,
// text, and for a tab control the selected tab and the tab captions, tab-separated (tabs, line ends and backslashes in
// texts escaped). Returns false when the file cannot be written.
bool WriteWindowList(HWND top, const std::wstring& file);

} // namespace zw::view
