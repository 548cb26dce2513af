#pragma once
#include <string>
#include <utility>
#include <vector>

namespace zw::tool::json {

// The little JSON the export files need: written by hand, read by a strict reader that names the place
// of the first fault.

// A JSON string literal of UTF-8 text.
std::string Quote(const std::string& text);

struct Value {
    enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<Value> items;
    std::vector<std::pair<std::string, Value>> members;

    // The member of that name; nullptr when there is none.
    const Value* Find(const std::string& name) const;
};

// Reads one JSON document; UsageError naming the line and column of the first fault.
Value Parse(const std::string& document);

std::string Base64(const std::string& bytes);
// The bytes; UsageError when the text is not base64.
std::string FromBase64(const std::string& text);

} // namespace zw::tool::json
