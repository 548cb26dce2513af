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
        {"[\"Z\xe4hne\"]", "line 1, column 5"},
        {"{\"a\": 1,\n \"b\": {\"a\": 2, \"a\": 3}}", "line 2, column 16: the member \"a\" is given twice"},
        {"[1] x", "line 1, column 5"},
        {std::string(65, '[') + std::string(65, ']'), "nested too deep"},
    };
    for (const auto& [document, place] : refused)
        EXPECT_NE(Refusal(document).find(place), std::string::npos) << document << ": " << Refusal(document);
}

// Members in their order, ", " and ": " between; the first levels of arrays one item a line; text that is not
// UTF-8 as U+FFFD. (That an export reads back as it was written is checked by the tool's import test.)
TEST(JsonText, WritesOneLayout) {
    const Json document = {{"z", 1}, {"list", {{{"b", {1, 2}}, {"a", "x\ny\x01\"\\"}}, Json::array()}}};
    EXPECT_EQ(JsonText(document, 2),
              "{\"z\": 1, \"list\": [\n  {\"b\": [\n    1,\n    2\n  ], \"a\": \"x\\ny\\u0001\\\"\\\\\"},\n  []\n]}");
    EXPECT_EQ(JsonText(Json::array({"Z\xe4hne", {1, 2}})), "[\"Z\xEF\xBF\xBDhne\", [1, 2]]");
}

} // namespace
} // namespace zw::tool
