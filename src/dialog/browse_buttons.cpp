#include "choice/program_locations.h"
#include "frm_zw_int_stp.h"

namespace zw {

void frmZWIntStp::RunBrowseButton(int16_t Index) {
    const BridgeRow* row = FindBrowseButton(Index);
    if (row == nullptr)
        return;
    std::string defaultFolder = BrowseDefaultFolder(*row, [this](const std::string& subKey, uint32_t root) {
        return Environment().ReadRegistryString(subKey, "", root);
    });
    BrowseForProgram(Text1(static_cast<int16_t>(row->text)), row->browse.names, defaultFolder,
                     row->browse.secondFolder);
}

} // namespace zw
