#include <gtest/gtest.h>

#include "tools/command.h"
#include "tools/json.h"

namespace zw::tool {
namespace {

std::string Refusal(const std::string& document) {
    try {
        ParseJson(document);
    } catch (const UsageError& error) {
        return error.message;
    }
    return "(read)";
}

// Only RFC 8259 JSON is read, and every refusal names its place.
TEST(ParseJson, RefusesAllButStrictJsonNamingLineAndColumn) {
    const std::pair<std::string, std::string> refused[] = {
        {"{\"a\": 0x1F}", "line 1, column 8"},
        {"{\"a\": 01}", "line 1, column 8"},
        {"{\"a\": 1.}", "line 1, column 9"},
        {"{\"a\": .5}", "line 1, column 7"},
        {"{\"a\":\n Infinity}", "line 2, column 2"},
        {"[NaN]", "line 1, column 2"},
        {"[\"\\ud800\"]", "line 1, column 9"},
        {"[\"\\udc00\"]", "line 1, column 8"},
        {"[\"\xED\xA0\x80\"]", "line 1, column 4"},
        {"[\"\xC0\xAF\"]", "line 1, column 3"},
        {"[\"Z\xe4hne\"]", "line 1, column 5"},
        {"{\"a\": 1,\n \"b\": {\"a\": 2, \"a\": 3}}", "line 2, column 16: the member \"a\" is given twice"},
        {"[1,]", "line 1, column 4"},
        {"[1] x", "line 1, column 5"},
        {std::string(65, '[') + std::string(65, ']'), "nested too deep"},
    };
    for (const auto& [document, place] : refused)
        EXPECT_NE(Refusal(document).find(place), std::string::npos) << document << ": " << Refusal(document);

    // A byte order mark is allowed, and a surrogate pair is one character.
    EXPECT_EQ(ParseJson("\xEF\xBB\xBF{\"a\": [\"\\ud83d\\ude00\", -0.5e3, true, null]}"),
              Json::parse("{\"a\": [\"\xF0\x9F\x98\x80\", -500, true, null]}"));
}

// Members in their order, ", " and ": " between; the first levels of arrays one item a line; text that is not
// UTF-8 as U+FFFD; reading what was written gives it back.
TEST(JsonText, WritesOneLayoutThatReadsBack) {
    const Json document = {{"z", 1}, {"list", {{{"b", {1, 2}}, {"a", "x\ny\x01\"\\"}}, Json::object()}}};
    EXPECT_EQ(JsonText(document), "{\"z\": 1, \"list\": [{\"b\": [1, 2], \"a\": \"x\\ny\\u0001\\\"\\\\\"}, {}]}");
    EXPECT_EQ(JsonText(document, 1),
              "{\"z\": 1, \"list\": [\n  {\"b\": [1, 2], \"a\": \"x\\ny\\u0001\\\"\\\\\"},\n  {}\n]}");
    EXPECT_EQ(JsonText(document, 2),
              "{\"z\": 1, \"list\": [\n  {\"b\": [\n    1,\n    2\n  ], \"a\": \"x\\ny\\u0001\\\"\\\\\"},\n  {}\n]}");
    for (int levels : {0, 1, 2})
        EXPECT_EQ(ParseJson(JsonText(document, levels)), document);
    EXPECT_EQ(JsonText(Json::array({"Z\xe4hne", Json::array()}), 1), "[\n  \"Z\xEF\xBF\xBDhne\",\n  []\n]");
}

} // namespace
} // namespace zw::tool
