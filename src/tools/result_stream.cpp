#include "result_stream.h"

#include <string>

namespace zw::tool {

int ResultStream::overflow(int c) {
    if (c == traits_type::eof())
        return traits_type::not_eof(c);
    const char ch = traits_type::to_char_type(c);
    xsputn(&ch, 1);
    return c;
}

std::streamsize ResultStream::xsputn(const char* text, std::streamsize count) {
    if (drop_ || count <= 0)
        return count;
    if (!started_ && bom_ != nullptr && *bom_)
        target_ << "\xEF\xBB\xBF";
    started_ = true;
    target_.write(text, count);
    return count;
}

int ResultStream::sync() {
    target_.flush();
    return 0;
}

} // namespace zw::tool
