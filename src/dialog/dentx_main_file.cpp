// ProImage counts as set up on this computer when Dentx.ini in the Windows folder names its main file.
#include "controls/strings.h"
#include "dialog/frm_zw_int_stp.h"

namespace zw {

namespace {

constexpr unsigned WindowsFolderBufferSize = 255;
constexpr unsigned MainFileBufferSize = 2048;

} // namespace

std::string frmZWIntStp::ReadDentxMainFile() {
    WindowsProfile& profile = GetPlatform().profile;

    std::string folder;
    const unsigned folderLength = profile.GetWindowsDirectoryA(folder, WindowsFolderBufferSize);
    if (folderLength < 1)
        return "";
    const std::string file = zw::Left(folder, static_cast<int>(folderLength)) + "\\Dentx.ini";
    if (!profile.FileExists(file))
        return "";

    std::string mainFile;
    const unsigned count =
        profile.GetPrivateProfileStringA("imagemgt", "MainFile", "", mainFile, MainFileBufferSize, file);
    if (count == 0)
        return "";
    return zw::Left(mainFile, static_cast<int>(count));
}

} // namespace zw
