// The settings tool's version text, from the build's generated zw_version.h.
#include "tools/command.h"
#include "zw_version.h"

namespace zw::tool {

const char* const ProductVersion = ZW_VERSION_TEXT;

} // namespace zw::tool
