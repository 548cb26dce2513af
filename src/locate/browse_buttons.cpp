#include "controls/runtime_error.h"
#include "dialog/frm_zw_int_stp.h"

// Not built yet: replaced by the real procedures.
namespace zw {
void frmZWIntStp::RunBrowseButton(int16_t) {
    throw RuntimeError(5, "not built yet");
}
} // namespace zw
