#include "json.h"

#include <cstdlib>

#include "base/text_conversion.h"
#include "command.h"

namespace zw::tool::json {

namespace {

const char* const Base64Digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

class Reader {
public:
    explicit Reader(const std::string& text) : text_(text) {}

    Value Document() {
        Value value = Any();
        Space();
        if (at_ != text_.size())
            Fail("text after the end of the document");
        return value;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        size_t line = 1, column = 1;
        for (size_t i = 0; i < at_ && i < text_.size(); ++i, ++column)
            if (text_[i] == '\n')
                ++line, column = 0;
        throw UsageError{"line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + what};
    }
    void Space() {
        while (at_ < text_.size() &&
               (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }
    bool Take(char c) {
        Space();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    void Expect(char c) {
        if (!Take(c))
            Fail(std::string("'") + c + "' expected");
    }
    bool Word(const char* word) {
        const std::string w = word;
        if (text_.compare(at_, w.size(), w) != 0)
            return false;
        at_ += w.size();
        return true;
    }

    Value Any() {
        // An export file nests four deep; a file nested past this is not one, and would exhaust the stack.
        if (++depth_ > 64)
            Fail("nested too deep");
        struct Leave {
            int& depth;
            ~Leave() { --depth; }
        } leave{depth_};
        Space();
        if (at_ >= text_.size())
            Fail("a value expected");
        Value value;
        const char c = text_[at_];
        if (c == '{') {
            value.kind = Value::Kind::Object;
            ++at_;
            if (!Take('}')) {
                do {
                    Space();
                    if (at_ >= text_.size() || text_[at_] != '"')
                        Fail("a member name expected");
                    std::string name = String();
                    Expect(':');
                    value.members.emplace_back(std::move(name), Any());
                } while (Take(','));
                Expect('}');
            }
        } else if (c == '[') {
            value.kind = Value::Kind::Array;
            ++at_;
            if (!Take(']')) {
                do
                    value.items.push_back(Any());
                while (Take(','));
                Expect(']');
            }
        } else if (c == '"') {
            value.kind = Value::Kind::String;
            value.text = String();
        } else if (Word("null")) {
        } else if (Word("true") || Word("false")) {
            value.kind = Value::Kind::Bool;
            value.boolean = text_[at_ - 1] == 'e' && text_[at_ - 2] == 'u';
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            value.kind = Value::Kind::Number;
            const char* start = text_.c_str() + at_;
            char* end = nullptr;
            value.number = std::strtod(start, &end);
            at_ += static_cast<size_t>(end - start);
        } else {
            Fail("a value expected");
        }
        return value;
    }

    unsigned Hex4() {
        if (at_ + 4 > text_.size())
            Fail("four hex digits expected");
        unsigned value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[at_++];
            value <<= 4;
            if (c >= '0' && c <= '9')
                value |= static_cast<unsigned>(c - '0');
            else if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f')
                value |= static_cast<unsigned>((c | 0x20) - 'a' + 10);
            else
                Fail("four hex digits expected");
        }
        return value;
    }

    std::string String() {
        ++at_; // the opening quote
        std::string out;
        const size_t start = at_;
        while (true) {
            if (at_ >= text_.size())
                Fail("the text has no closing quote");
            const char c = text_[at_++];
            if (c == '"')
                break;
            if (static_cast<unsigned char>(c) < 0x20)
                Fail("a control character in a text must be escaped");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= text_.size())
                Fail("an escape expected");
            const char e = text_[at_++];
            switch (e) {
            case '"':
                out += '"';
                break;
            case '\\':
                out += '\\';
                break;
            case '/':
                out += '/';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                char32_t code = Hex4();
                if (code >= 0xD800 && code < 0xDC00) {
                    if (!Word("\\u"))
                        Fail("a lone surrogate");
                    const unsigned low = Hex4();
                    if (low < 0xDC00 || low >= 0xE000)
                        Fail("a lone surrogate");
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                } else if (code >= 0xDC00 && code < 0xE000) {
                    Fail("a lone surrogate");
                }
                AppendUtf8(out, code);
                break;
            }
            default:
                Fail(std::string("unknown escape \\") + e);
            }
        }
        const std::string raw = text_.substr(start, at_ - start);
        if (ToUtf8(ToUtf16(raw)) != raw)
            Fail("a text that is not UTF-8");
        return out;
    }

    const std::string& text_;
    size_t at_ = 0;
    int depth_ = 0;
};

} // namespace

std::string Quote(const std::string& text) {
    static const char digits[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20 || byte == 0x7f) {
                out += "\\u00";
                out += digits[byte >> 4];
                out += digits[byte & 0x0f];
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

const Value* Value::Find(const std::string& name) const {
    for (const auto& [key, value] : members)
        if (key == name)
            return &value;
    return nullptr;
}

Value Parse(const std::string& document) {
    return Reader(document).Document();
}

std::string Base64(const std::string& bytes) {
    std::string out;
    unsigned buffer = 0;
    int bits = 0;
    for (const char c : bytes) {
        buffer = (buffer << 8) | static_cast<unsigned char>(c);
        bits += 8;
        while (bits >= 6) {
            bits -= 6;
            out += Base64Digits[(buffer >> bits) & 0x3F];
        }
    }
    if (bits > 0)
        out += Base64Digits[(buffer << (6 - bits)) & 0x3F];
    while (out.size() % 4 != 0)
        out += '=';
    return out;
}

std::string FromBase64(const std::string& text) {
    const std::string digits = Base64Digits;
    std::string out;
    unsigned buffer = 0;
    int bits = 0;
    size_t end = text.find_last_not_of('=') + 1;
    if (text.size() % 4 != 0 || text.size() - end > 2)
        throw UsageError{"not base64"};
    for (size_t i = 0; i < end; ++i) {
        const size_t digit = digits.find(text[i]);
        if (digit == std::string::npos)
            throw UsageError{"not base64"};
        buffer = (buffer << 6) | static_cast<unsigned>(digit);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((buffer >> bits) & 0xFF);
        }
    }
    return out;
}

} // namespace zw::tool::json
