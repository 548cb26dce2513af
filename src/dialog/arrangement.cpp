#include "controls/runtime_error.h"
#include "dialog/frm_zw_int_stp.h"

// Not built yet: replaced by the real procedures.
namespace zw {
void frmZWIntStp::ArrangeStandard() {
    throw RuntimeError(5, "not built yet");
}
void frmZWIntStp::ArrangeCompact() {
    throw RuntimeError(5, "not built yet");
}
void frmZWIntStp::PlaceOnScreen() {
    throw RuntimeError(5, "not built yet");
}
void frmZWIntStp::BuildBridgeRowMap() {
    throw RuntimeError(5, "not built yet");
}
} // namespace zw
