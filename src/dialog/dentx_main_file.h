#pragma once
#include <string>

namespace zw {

class WindowsProfile;

// Where ProImage names its main file: Dentx.ini in the Windows folder, key MainFile of section imagemgt.
struct DentxMainFile {
    std::string iniFile; // empty when the Windows folder is not known
    bool iniExists = false;
    std::string mainFile; // empty when not named
};

DentxMainFile LookUpDentxMainFile(WindowsProfile& profile);

} // namespace zw
