#include "choice/program_locations.h"
#include "frm_zw_int_stp.h"

namespace zw {

void frmZWIntStp::RunBrowseButton(int16_t Index) {
    const RegistryEntryRead read = [this](const RegistryEntry& entry) {
        return Environment().ReadRegistryString(entry.subKey, "", entry.root);
    };
    for (const auto& row : BrowseRows()) {
        if (row.command != Index)
            continue;
        std::string defaultFolder = BrowseDefaultFolder(row, read);
        BrowseForProgram(Text1(row.text), row.names, defaultFolder, row.secondFolder);
        return;
    }
}

} // namespace zw
