// The dialog's life: creating the environment component, the load with its database stretch, the
// self-unload after a failed start, closing the database and releasing the component.
#include "base/runtime_error.h"
#include "base/startup_trace.h"
#include "base/strings.h"
#include "frm_zw_int_stp.h"

namespace zw {

namespace {

const char* const ErrorUnload = "ERROR_UNLOAD";
const char* const DatabaseFileName = "ZELTWIN.MDB";
const char* const DatabaseMessage = "Can not open database, This program must run in ZELTWIN directory";

} // namespace

void frmZWIntStp::CreateEnvironment() {
    if (gEnvironment)
        return;
    gEnvironment = platform_.environmentFactory.Create();
    std::string text = InitialisationText;
    const std::string transformed = gEnvironment->TransformText(text);
    gEnvironment->SetInitValue(transformed);
    gEnvironment->InitText(InitialisationText);
}

void frmZWIntStp::ReleaseEnvironment() {
    gEnvironment.reset();
}

EnvironmentComponent& frmZWIntStp::Environment() const {
    if (!gEnvironment)
        throw RuntimeError(errors::ObjectVariableNotSet);
    return *gEnvironment;
}

void frmZWIntStp::Form_Initialize() {
    CreateEnvironment();
}

void frmZWIntStp::Form_Load() {
    trace::Mark("load begins");
    ArrangeStandard();

    EnvironmentComponent& env = Environment();
    const std::string commandLine = platform_.process.CommandLine();
    env.SetMedMode(UCase(Trim(commandLine)) == "MED");
    if (env.MedMode())
        ArrangeCompact();
    trace::Mark("arranged");
    env.SetCallerKind(1);

    std::string productFolder = platform_.process.ProgramFileFolder();

    // A product folder on a share whose drive cannot be made current must still reach the database step:
    // each of these operations is skipped when it fails.
    try {
        platform_.process.ChangeDrive(productFolder);
    } catch (const std::exception&) {
    }
    try {
        platform_.process.ChangeFolder(productFolder);
    } catch (const std::exception&) {
    }
    if (commandLine == "FROM_VB") {
        try {
            productFolder = platform_.process.CurrentFolder();
        } catch (const std::exception&) {
        }
    }

    try {
        env.SetProgramFolder(productFolder + "\\");
        env.LoadEnvironment();
        const std::string name = env.ProgramFolder() + DatabaseFileName;
        const std::string connect = ";pwd=" + env.DatabasePassword();
        trace::Mark("database open begins");
        DatabaseRef database = platform_.databaseEngine.OpenDatabase(name, false, false, connect);
        trace::Mark("database opened");
        env.SetActiveDatabase(database);
        for (int i = 0; i <= Text1.Count() - 1; ++i)
            Text1(i).SetText("");
    } catch (...) {
        platform_.messageBoxes.Show(DatabaseMessage, mb::OKOnly, ProgramTitle);
        SetTag(ErrorUnload);
        return;
    }

    PlaceOnScreen();
    LoadInterfaceSettings();
    trace::Mark("settings loaded");
}

void frmZWIntStp::Form_Activate() {
    if (Tag() == ErrorUnload)
        Unload(UnloadMode::FormCode);
}

void frmZWIntStp::Form_Unload(int& Cancel) {
    (void)Cancel;
    if (Tag() == ErrorUnload)
        return;
    EnvironmentComponent& env = Environment();
    DatabaseRef database = env.ActiveDatabase();
    if (!database)
        throw RuntimeError(errors::ObjectVariableNotSet);
    database->Close();
    env.SetActiveDatabase(nullptr);
    trace::Mark("database closed");
}

void frmZWIntStp::Form_Terminate() {
    ReleaseEnvironment();
}

} // namespace zw
