#include "controls/runtime_error.h"
#include "dialog/frm_zw_int_stp.h"

// Not built yet: replaced by the real procedures.
namespace zw {
std::string frmZWIntStp::FindProgramInFolder(const std::vector<std::string>&, const std::string&) {
    throw RuntimeError(5, "not built yet");
}
void frmZWIntStp::BrowseForProgram(TextBox&, const std::vector<std::string>&, std::string&, const std::string&) {
    throw RuntimeError(5, "not built yet");
}
} // namespace zw
