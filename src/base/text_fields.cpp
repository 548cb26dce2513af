#include "text_fields.h"

namespace zw {

std::string FieldOf(const std::string& text, char delimiter, int n) {
    if (n < 1)
        return {};
    size_t start = 0;
    for (int field = 1; field < n; ++field) {
        const size_t next = text.find(delimiter, start);
        if (next == std::string::npos)
            return {};
        start = next + 1;
    }
    const size_t end = text.find(delimiter, start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

} // namespace zw
