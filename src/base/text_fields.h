#pragma once
#include <string>

namespace zw {

// Field n of the text, counting from 1, fields separated by the delimiter. The empty stretch after a final
// delimiter is a field of its own; a field number past the last field, or below 1, gives the empty text.
std::string FieldOf(const std::string& text, char delimiter, int n);

} // namespace zw
