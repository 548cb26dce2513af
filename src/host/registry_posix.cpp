#include "registry_reader.h"

namespace zw {

std::unique_ptr<RegistryReader> MakeSystemRegistryReader() {
    // There is no registry here: every look-up finds nothing, as on a workstation where no imaging
    // program was ever installed.
    return std::make_unique<TableRegistryReader>();
}

} // namespace zw
