// The program's entry point: the real Windows behind the dialog's platform interfaces, the environment
// component stand-in, and the dialog's windows at the screen's DPI.
#include <windows.h>

#include <commctrl.h>

#include "app/program.h"
#include "base/startup_trace.h"
#include "environment/environment_stand_in.h"
#include "store/sqlite_database.h"
#include "win32/platform/message_boxes.h"
#include "win32/platform/process.h"
#include "win32/platform/profile.h"
#include "win32/platform/shell.h"
#include "win32/platform/trace.h"
#include "win32/view/dpi.h"
#include "win32/view/form_view.h"
#include "win32/view/window_list.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const bool tracing = zw::view::StartTraceFromEnvironment();
    zw::trace::Mark("wWinMain");
    zw::view::EnablePerMonitorAwareness();

    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // COM is set up by the folder browser when it is first needed (Win32Shell): made here, it would load
    // ole32 and its companions with the program.
    zw::trace::Mark("common controls ready");

    zw::StandInFactory standIn;
    zw::view::TracingEnvironmentFactory tracedStandIn(standIn);
    zw::EnvironmentFactory& environmentFactory =
        tracing ? static_cast<zw::EnvironmentFactory&>(tracedStandIn) : standIn;
    zw::SqliteDatabaseEngine databaseEngine;
    zw::Win32MessageBoxes messageBoxes;
    zw::Win32Shell shell;
    zw::Win32Profile profile;
    zw::Win32Process process;
    zw::Platform platform{environmentFactory, databaseEngine, messageBoxes, shell, profile, process};

    const int dpi = zw::view::LayoutDpi();
    const zw::Screen screen = zw::view::PrimaryScreen(dpi);
    zw::Win32FormView view(dpi);
    // Message boxes belong to the dialog while it has a window; the run-time error box after it is gone
    // stands alone.
    view.onFormWindow = [&messageBoxes](HWND window) { messageBoxes.SetOwner(window); };
    view.leaveHiddenWindows = true;
    view.makeChildrenWhenShown = true;
    // For the start-up benchmark's same-windows yardstick: the windows as first painted.
    if (const wchar_t* list = _wgetenv(L"ZW_WINDOW_LIST"))
        view.onFirstIdle = [&view, file = std::wstring(list)] { zw::view::WriteWindowList(view.FormWindow(), file); };

    const int exitCode = zw::RunProgram(platform, screen, view);
    zw::trace::Mark("wWinMain returns");
    zw::view::WriteTrace();
    return exitCode;
}
