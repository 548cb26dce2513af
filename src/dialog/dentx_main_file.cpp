// ProImage counts as set up on this computer when Dentx.ini in the Windows folder names its main file.
#include "choice/bridge_rows.h"
#include "frm_zw_int_stp.h"

namespace zw {

std::string frmZWIntStp::ReadDentxMainFile() {
    return zw::ReadDentxMainFile(GetPlatform().profile);
}

} // namespace zw
