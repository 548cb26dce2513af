#pragma once
#include <string>
#include <string_view>

namespace zw {

// Well-formed UTF-8 as Unicode defines it: no overlong form, no encoded surrogate (U+D800 to U+DFFF), nothing
// above U+10FFFF, no sequence cut short, no stray continuation byte.
bool IsUtf8(std::string_view text);

// The length of the well-formed UTF-8 character at text[at], or 0 when the byte there does not start one.
size_t Utf8CharLength(std::string_view text, size_t at);

// The text for people: every byte that does not belong to a well-formed UTF-8 character is written as U+FFFD
// (the replacement character), one for each such byte; well-formed text comes back unchanged.
std::string ShownUtf8(std::string_view text);

} // namespace zw
