#include "controls/runtime_error.h"
#include "dialog/frm_zw_int_stp.h"

// Not built yet: replaced by the real procedures.
namespace zw {
bool frmZWIntStp::ValidateAndSave() {
    throw RuntimeError(5, "not built yet");
}
} // namespace zw
