#include <gtest/gtest.h>

#include "driver/CommandLine.h"
#include "readers/pjt/PjtReader.h"

namespace {

// A working directory on drive C, and drive D whose current directory is D:\data.
PathBase windowsBase(const std::string& workingDirectory = "C:\\w") {
    return {[workingDirectory] { return std::optional<std::string>(workingDirectory); },
            [workingDirectory](const std::string& drive) -> std::optional<std::string> {
                if (drive == "D:")
                    return std::string("D:\\data");
                return workingDirectory;
            }};
}

std::string absolute(const std::string& path, const PathBase& base = windowsBase()) {
    std::optional<std::string> result = makeAbsolutePath(path, base);
    return result ? *result : "<none>";
}

TEST(MakeAbsolutePath, RelativePathsJoinTheWorkingDirectory) {
    EXPECT_EQ(absolute("a.pjt"), "C:\\w\\a.pjt");
    EXPECT_EQ(absolute("out"), "C:\\w\\out");
    EXPECT_EQ(absolute("..\\x"), "C:\\w\\..\\x");
    EXPECT_EQ(absolute("."), "C:\\w");
    EXPECT_EQ(absolute(""), "C:\\w\\");
    EXPECT_EQ(absolute("a.pjt", windowsBase("C:\\")), "C:\\\\a.pjt");
}

TEST(MakeAbsolutePath, AbsolutePathsStayAsTheyAre) {
    EXPECT_EQ(absolute("C:\\work\\app.pjt"), "C:\\work\\app.pjt");
    EXPECT_EQ(absolute("\\dir\\file"), "\\dir\\file");
    EXPECT_EQ(absolute("\\\\server\\share\\file"), "\\\\server\\share\\file");
}

TEST(MakeAbsolutePath, DriveRelativePathsUseThatDrivesDirectory) {
    EXPECT_EQ(absolute("D:sub\\x.pjt"), "D:\\data\\sub\\x.pjt");
    EXPECT_EQ(absolute("D:"), "D:\\data\\");
    // Only "\" separates: a forward slash after the colon is relative to drive C.
    EXPECT_EQ(absolute("C:/work/app.pjt"), "C:\\w\\/work/app.pjt");
}

TEST(MakeAbsolutePath, UnreadableDirectoriesMatterOnlyToPathsRelativeToThem) {
    const auto nothing = [] { return std::optional<std::string>(); };
    PathBase noDrive{[] { return std::optional<std::string>("C:\\w"); },
                     [nothing](const std::string&) { return nothing(); }};
    EXPECT_FALSE(makeAbsolutePath("D:x", noDrive).has_value());
    EXPECT_EQ(absolute("x", noDrive), "C:\\w\\x");

    PathBase noWorkingDirectory{nothing, [nothing](const std::string&) { return nothing(); }};
    for (const char* relative : {"x", ".", ""})
        EXPECT_FALSE(makeAbsolutePath(relative, noWorkingDirectory).has_value()) << relative;
    for (const char* absolutePath : {"C:\\work\\app.pjt", "\\dir\\file"})
        EXPECT_EQ(absolute(absolutePath, noWorkingDirectory), absolutePath);
}

TEST(DefaultProjectName, IsTheFileNameWithoutItsExtensions) {
    EXPECT_EQ(defaultProjectName("C:\\work\\app.pjt"), "app");
    EXPECT_EQ(defaultProjectName("C:\\my.dir\\app.pjt"), "app");
    EXPECT_EQ(defaultProjectName("C:\\work\\app.old.pjt"), "app");
    EXPECT_EQ(defaultProjectName("C:\\work\\app"), "app");
    EXPECT_EQ(defaultProjectName("C:\\my.dir\\app"), "my");
}

}  // namespace
