#pragma once
#include <string>

// Conversions between the UTF-8 texts the component works in and the UTF-16 texts of the Win32 API.
namespace zw::host {

std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);

} // namespace zw::host
