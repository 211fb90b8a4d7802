#include <gtest/gtest.h>

#include "ConversionErrors.h"
#include "GroupFiles.h"
#include "model/SourceGroup.h"
#include "reader/FolderTree.h"

namespace {

TEST(ToFolderChain, ResolvesDotsAndNamesTheDrive) {
    EXPECT_EQ(toFolderChain("C:\\work\\app\\main.c"), "C_colon\\work\\app\\");
    EXPECT_EQ(toFolderChain("C:\\work\\app\\..\\lib\\util.c"), "C_colon\\work\\lib\\");
    EXPECT_EQ(toFolderChain("C:\\work\\app\\src/a.c"), "C_colon\\work\\app\\");
    EXPECT_EQ(toFolderChain("C:\\a.c"), "C_colon\\");
    EXPECT_EQ(toFolderChain("C:\\..\\x\\a.c"), "x\\");
    EXPECT_EQ(toFolderChain("C:\\..\\..\\x\\a.c"), "x\\");
    EXPECT_EQ(toFolderChain("C:\\work\\\\.\\a.c"), "C_colon\\work\\");
    EXPECT_EQ(toFolderChain("\\\\server\\share\\a.c"), "server\\share\\");
    EXPECT_EQ(toFolderChain("C:\\x:y\\a.c"), "C_colon\\x:y\\");
}

TEST(ToFolderChain, PathWithoutBackslashHasNoFolders) {
    EXPECT_EQ(toFolderChain("C:/work/a.c"), "");
    EXPECT_EQ(toFolderChain("a.c"), "");
}

std::vector<std::string> names(const SourceGroup& group) {
    std::vector<std::string> result;
    for (const SourceGroup& child : group.getChildren())
        result.push_back(child.getName());
    return result;
}

TEST(PlaceInFolderTree, WorkedExample) {
    SourceGroup debug("Debug", nullptr);
    placeInFolderTree(debug, "C:\\work\\app\\main.c", nullptr, "C:\\out\\app\\Debug");
    placeInFolderTree(debug, "C:\\work\\app\\..\\lib\\util.c", nullptr, "C:\\out\\app\\Debug");
    placeInFolderTree(debug, "D:\\shared\\crc.c", nullptr, "C:\\out\\app\\Debug");

    EXPECT_TRUE(debug.getFiles().empty());
    ASSERT_EQ(names(debug), (std::vector<std::string>{"C_colon", "D_colon"}));
    const SourceGroup& drive = debug.getChildren().front();
    EXPECT_EQ(drive.getSourceFolder(), "C:\\\\");
    const SourceGroup& work = drive.getChildren().front();
    EXPECT_EQ(work.getSourceFolder(), "C:\\work\\\\");
    ASSERT_EQ(names(work), (std::vector<std::string>{"app", "lib"}));
    EXPECT_EQ(work.getChildren().front().getSourceFolder(), "C:\\work\\app\\\\");
    EXPECT_EQ(filesOf(work.getChildren().front()), (Files{"C:\\work\\app\\main.c"}));
    EXPECT_EQ(work.getChildren().back().getSourceFolder(), "C:\\work\\lib\\\\");
    EXPECT_EQ(filesOf(work.getChildren().back()), (Files{"C:\\work\\app\\..\\lib\\util.c"}));
    const SourceGroup& shared = debug.getChildren().back().getChildren().front();
    EXPECT_EQ(shared.getName(), "shared");
    EXPECT_EQ(filesOf(shared), (Files{"D:\\shared\\crc.c"}));
}

TEST(PlaceInFolderTree, ReusesFoldersCaseSensitively) {
    SourceGroup group("Debug", nullptr);
    placeInFolderTree(group, "C:\\Src\\a.c", nullptr, "C:\\out\\app\\Debug");
    placeInFolderTree(group, "C:\\src\\b.c", nullptr, "C:\\out\\app\\Debug");
    placeInFolderTree(group, "C:\\Src\\c.c", nullptr, "C:\\out\\app\\Debug");
    placeInFolderTree(group, "C:\\..\\x\\d.c", nullptr, "C:\\out\\app\\Debug");
    placeInFolderTree(group, "e.c", nullptr, "C:\\out\\app\\Debug");
    ASSERT_EQ(names(group), (std::vector<std::string>{"C_colon", "x"}));
    const SourceGroup& drive = group.getChildren().front();
    ASSERT_EQ(names(drive), (std::vector<std::string>{"Src", "src"}));
    EXPECT_EQ(filesOf(drive.getChildren().front()), (Files{"C:\\Src\\a.c", "C:\\Src\\c.c"}));
    EXPECT_EQ(group.getChildren().back().getSourceFolder(), "x\\\\");
    EXPECT_EQ(filesOf(group), (Files{"e.c"}));
}

TEST(PlaceInFolderTree, ChainsLongerThanAnyHostCreatesAreRefused) {
    // 'C:\out\app\Debug' and "\" and 'C_colon\' take 25 bytes; the chain's
    // deepest folder may be 4096 bytes long.
    const std::string groupFolder = "C:\\out\\app\\Debug";
    std::string tooLong;
    for (int level = 0; level < 2036; ++level)
        tooLong += "a\\";
    const std::string longest = tooLong.substr(4) + "ab\\";
    ASSERT_EQ(groupFolder.size() + 1 + 8 + longest.size(), 4096u);

    SourceGroup group("Debug", nullptr);
    try {
        placeInFolderTree(group, "C:\\" + tooLong + "f.c", nullptr, groupFolder);
        ADD_FAILURE() << "placed";
    } catch (const IOERROR& error) {
        EXPECT_EQ(error.code, 1);
        EXPECT_EQ(error.path, groupFolder + "\\C_colon\\" + tooLong);
    }
    EXPECT_TRUE(group.getChildren().empty());
    placeInFolderTree(group, "C:\\" + longest + "f.c", nullptr, groupFolder);
    EXPECT_EQ(group.getChildren().size(), 1u);
}

}  // namespace
