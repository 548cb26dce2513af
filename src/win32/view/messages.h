#pragma once
#include <windows.h>

namespace zw::view {

// Messages the view posts to the dialog's window, to act once the model's current event has finished.
inline constexpr UINT SetInitialFocusMessage = WM_APP + 1;
inline constexpr UINT RepairFocusMessage = WM_APP + 2;

} // namespace zw::view
