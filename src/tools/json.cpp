#include "json.h"

#include <iterator>
#include <set>
#include <vector>

#include "base/utf8.h"
#include "command.h"

namespace zw::tool {

namespace {

// An export file nests four deep; a document nested past this is none of the tool's.
constexpr int MaxDepth = 64;

std::string Quoted(const std::string& text) {
    return Json(ShownUtf8(text)).dump();
}

void Append(std::string& out, const Json& value, int lineLevels, size_t indent) {
    if (value.is_object()) {
        out += '{';
        for (auto member = value.begin(); member != value.end(); ++member) {
            out += (member == value.begin() ? "" : ", ") + Quoted(member.key()) + ": ";
            Append(out, member.value(), lineLevels, indent);
        }
        out += '}';
    } else if (value.is_array()) {
        const bool lines = lineLevels > 0 && !value.empty();
        out += '[';
        for (size_t i = 0; i < value.size(); ++i) {
            out += lines ? (i ? ",\n" : "\n") + std::string(indent + 2, ' ') : (i ? ", " : "");
            Append(out, value[i], lineLevels - 1, indent + 2);
        }
        out += lines ? "\n" + std::string(indent, ' ') + "]" : "]";
    } else if (value.is_string()) {
        out += Quoted(value.get_ref<const std::string&>());
    } else {
        out += value.dump();
    }
}

// An iterator over the document that tells how far the parser has read, for the place of a member given twice.
class CountingIterator {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    CountingIterator(const char* at, size_t* read) : at_(at), read_(read) {}
    reference operator*() const { return *at_; }
    CountingIterator& operator++() {
        ++at_;
        ++*read_;
        return *this;
    }
    CountingIterator operator++(int) {
        CountingIterator before = *this;
        ++*this;
        return before;
    }
    bool operator==(const CountingIterator& other) const { return at_ == other.at_; }
    bool operator!=(const CountingIterator& other) const { return at_ != other.at_; }

private:
    const char* at_;
    size_t* read_;
};

[[noreturn]] void FailAt(const std::string& document, size_t offset, const std::string& what) {
    size_t line = 1, column = 1;
    for (size_t i = 0; i < offset && i < document.size(); ++i, ++column)
        if (document[i] == '\n')
            ++line, column = 0;
    throw UsageError{"line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + what, false};
}

// Where the member name ending just before offset starts: its opening quote.
size_t NameStart(const std::string& document, size_t end) {
    size_t at = end >= 2 ? end - 2 : 0; // the last character inside the quotes
    while (at > 0) {
        if (document[at] == '"') {
            size_t backslashes = 0;
            while (at > backslashes && document[at - 1 - backslashes] == '\\')
                ++backslashes;
            if (backslashes % 2 == 0)
                return at;
        }
        --at;
    }
    return at;
}

// The parser's events, checked for depth and for members given twice, handed to the library's own builder of
// the document. (Its parser with a callback looks through the enclosing list at the end of every object, so
// that a long list of stations took time by the square of its length.)
class StrictBuilder {
public:
    StrictBuilder(Json& root, const std::string& document, const size_t& read)
        : dom_(root, true), document_(document), read_(read) {}

    bool null() { return dom_.null(); }
    bool boolean(bool value) { return dom_.boolean(value); }
    bool number_integer(Json::number_integer_t value) { return dom_.number_integer(value); }
    bool number_unsigned(Json::number_unsigned_t value) { return dom_.number_unsigned(value); }
    bool number_float(Json::number_float_t value, const std::string& text) { return dom_.number_float(value, text); }
    bool string(std::string& value) { return dom_.string(value); }
    bool binary(Json::binary_t& value) { return dom_.binary(value); }
    bool start_object(std::size_t size) {
        Deeper();
        names_.emplace_back();
        return dom_.start_object(size);
    }
    bool key(std::string& name) {
        if (!names_.back().insert(name).second)
            FailAt(document_, NameStart(document_, read_), "the member \"" + ShownUtf8(name) + "\" is given twice");
        return dom_.key(name);
    }
    bool end_object() {
        names_.pop_back();
        --depth_;
        return dom_.end_object();
    }
    bool start_array(std::size_t size) {
        Deeper();
        return dom_.start_array(size);
    }
    bool end_array() {
        --depth_;
        return dom_.end_array();
    }
    // Thrown as the library throws it: a parse_error, with its line and column.
    template <class Error> bool parse_error(std::size_t position, const std::string& token, const Error& error) {
        return dom_.parse_error(position, token, error);
    }

private:
    void Deeper() {
        if (++depth_ > MaxDepth)
            FailAt(document_, read_, "nested too deep");
    }

    nlohmann::detail::json_sax_dom_parser<Json> dom_;
    const std::string& document_;
    const size_t& read_;
    std::vector<std::set<std::string>> names_; // the member names of each object being read
    int depth_ = 0;
};

} // namespace

std::string JsonText(const Json& value, int lineLevels) {
    std::string out;
    Append(out, value, lineLevels, 0);
    return out;
}

Json ParseJson(const std::string& document) {
    size_t read = 0;
    Json parsed;
    StrictBuilder builder(parsed, document, read);
    try {
        Json::sax_parse(CountingIterator(document.data(), &read),
                        CountingIterator(document.data() + document.size(), &read), &builder);
        return parsed;
    } catch (const Json::parse_error& error) {
        // "[json.exception.parse_error.101] parse error at line 1, column 5: syntax error ...": the place and
        // the fault, in the words of every other message of the tool.
        const std::string what = error.what();
        const size_t at = what.find("line ");
        throw UsageError{at == std::string::npos ? what : what.substr(at), false};
    }
}

} // namespace zw::tool
