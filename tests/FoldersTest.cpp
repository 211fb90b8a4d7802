#include <gtest/gtest.h>

#include "base/PathText.h"

namespace {

struct NameCase {
    const char* path;
    const char* expected;
};

TEST(LastFolderName, TakesTheSeparatorWhoseFirstOccurrenceLiesFurtherRight) {
    const NameCase cases[] = {
        {"app", "app"},           {"app\\Debug", "Debug"},  {"app/Debug", "Debug"},
        {"a\\b/c\\d", "c\\d"},    {"a/b\\c/d", "c/d"},      {"app\\", ""},
        {"", ""},
    };
    for (const NameCase& c : cases)
        EXPECT_EQ(lastFolderName(c.path), c.expected) << c.path;
}

TEST(BaseName, PrefersTheLastBackslash) {
    const NameCase cases[] = {
        {"ARM", "ARM"}, {"Debug\\ARM", "ARM"}, {"Debug/ARM", "ARM"}, {"a/b\\c", "c"}, {"a\\b/c", "b/c"},
    };
    for (const NameCase& c : cases)
        EXPECT_EQ(baseName(c.path), c.expected) << c.path;
}

TEST(StaysInside, CountsLevelsOverBothSeparators) {
    for (const char* inside : {"app", "app\\Debug", "a/..", "a\\.\\b\\..\\..", "", "."})
        EXPECT_TRUE(staysInside(inside)) << inside;
    for (const char* outside : {"..", "app\\..\\..\\x", "a/../../..", "..\\a", "x\\..\\..\\..\\y"})
        EXPECT_FALSE(staysInside(outside)) << outside;
}

TEST(FoldedPath, TakesBackEachFolderThatADotDotFollows) {
    const NameCase cases[] = {
        {"C:\\ti\\sdk\\examples\\gpio\\..\\..\\common\\include", "C:\\ti\\sdk\\common\\include"},
        {"\\home\\me\\.\\app\\\\src\\", "\\home\\me\\app\\src\\"},
        {"\\a\\..\\..\\b", "\\b"},
        {"C:\\..", "C:\\"},
        {"..\\..\\inc\\x\\..", "..\\..\\inc"},
        {"a\\..", "."},
        {"\\\\server\\share\\a\\..\\b", "\\\\server\\share\\b"},
        {"${SDK}\\..\\inc", "${SDK}\\..\\inc"},
        {"", ""},
    };
    for (const NameCase& c : cases)
        EXPECT_EQ(foldedPath(c.path), c.expected) << c.path;
}

}  // namespace
