#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "base/JsonText.h"
#include "model/Families.h"

namespace {

struct TextCase {
    std::string bytes;
    std::string json;
};

TEST(JsonString, EscapesWhatJsonRequiresAndEveryByteThatIsNotUtf8) {
    const TextCase cases[] = {
        {"C:\\ti\\\"x\"", "\"C:\\\\ti\\\\\\\"x\\\"\""},
        {std::string("a\0b\x1f\x7f", 5), "\"a\\u0000b\\u001f\x7f\""},
        {"\r\n\t", "\"\\u000d\\u000a\\u0009\""},
        {"\xc3\xa9t\xc3\xa9", "\"\xc3\xa9t\xc3\xa9\""},                 // UTF-8 stays
        {"\xe2\x82\xac \xf0\x9f\x98\x80", "\"\xe2\x82\xac \xf0\x9f\x98\x80\""},
        {"\xe9t\xe9", "\"\\u00e9t\\u00e9\""},                             // Latin-1
        {"\x80", "\"\\u0080\""},                                           // lone continuation
        {"\xc0\xaf", "\"\\u00c0\\u00af\""},                                // overlong
        {"\xed\xa0\x80", "\"\\u00ed\\u00a0\\u0080\""},                     // surrogate
        {"\xf4\x90\x80\x80", "\"\\u00f4\\u0090\\u0080\\u0080\""},          // past U+10FFFF
        {"\xe2\x82", "\"\\u00e2\\u0082\""},                                // cut short
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(jsonString(c.bytes), c.json) << c.bytes;
        EXPECT_NO_THROW(nlohmann::json::parse(c.json)) << c.json;
    }
}

TEST(VersionNumber, AsTheCompilersPredefineIt) {
    EXPECT_EQ(versionNumber("15.12.3.LTS", 3), "15012003");
    EXPECT_EQ(versionNumber("4.3.3", 3), "4003003");
    EXPECT_EQ(versionNumber("5.2", 3), "5002000");
    EXPECT_EQ(versionNumber("3.2.0.LTS", 2), "30200");
    EXPECT_EQ(versionNumber("x", 3), "0");
}

}  // namespace
