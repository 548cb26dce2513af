#pragma once
#include <string>

namespace zw::tool {

// Base64 with padding (RFC 4648), for raw values that are not UTF-8 text.
std::string Base64(const std::string& bytes);
// The bytes; UsageError when the text is not base64.
std::string FromBase64(const std::string& text);

} // namespace zw::tool
