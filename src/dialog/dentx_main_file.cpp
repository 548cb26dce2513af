// ProImage counts as set up on this computer when Dentx.ini in the Windows folder names its main file.
#include "dialog/dentx_main_file.h"

#include "controls/strings.h"
#include "dialog/frm_zw_int_stp.h"

namespace zw {

namespace {

constexpr unsigned WindowsFolderBufferSize = 255;
constexpr unsigned MainFileBufferSize = 2048;

} // namespace

DentxMainFile LookUpDentxMainFile(WindowsProfile& profile) {
    DentxMainFile found;
    std::string folder;
    const unsigned folderLength = profile.GetWindowsDirectoryA(folder, WindowsFolderBufferSize);
    if (folderLength < 1)
        return found;
    found.iniFile = zw::Left(folder, static_cast<int>(folderLength)) + "\\Dentx.ini";
    found.iniExists = profile.FileExists(found.iniFile);
    if (!found.iniExists)
        return found;

    std::string mainFile;
    const unsigned count =
        profile.GetPrivateProfileStringA("imagemgt", "MainFile", "", mainFile, MainFileBufferSize, found.iniFile);
    if (count > 0)
        found.mainFile = zw::Left(mainFile, static_cast<int>(count));
    return found;
}

std::string frmZWIntStp::ReadDentxMainFile() {
    return LookUpDentxMainFile(GetPlatform().profile).mainFile;
}

} // namespace zw
