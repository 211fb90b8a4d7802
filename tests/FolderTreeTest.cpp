#include <gtest/gtest.h>

#include "ConversionErrors.h"
#include "GroupFiles.h"
#include "model/PathStore.h"
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

// Places each path below group, in order, as the reader does. The paths stay
// in a store that outlives every test.
void place(SourceGroup& group, const std::vector<std::string>& paths,
           const std::string& groupFolder = "C:\\out\\app\\Debug") {
    static PathStore store;
    FolderGroups folders(group, nullptr, groupFolder);
    for (const std::string& path : paths)
        folders.placeInFolderTree(store.keep(path));
}

std::vector<std::string> names(const SourceGroup& group) {
    std::vector<std::string> result;
    for (const SourceGroup& child : group.getChildren())
        result.push_back(child.getName());
    return result;
}

TEST(PlaceInFolderTree, WorkedExample) {
    SourceGroup debug("Debug", nullptr);
    place(debug, {"C:\\work\\app\\main.c", "C:\\work\\app\\..\\lib\\util.c", "D:\\shared\\crc.c"});

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
    // Folders alternate, come back, and one path has none.
    place(group, {"C:\\Src\\a.c", "C:\\src\\b.c", "C:\\Src\\c.c", "C:\\Src\\c2.c", "C:\\..\\x\\d.c", "e.c"});
    ASSERT_EQ(names(group), (std::vector<std::string>{"C_colon", "x"}));
    const SourceGroup& drive = group.getChildren().front();
    ASSERT_EQ(names(drive), (std::vector<std::string>{"Src", "src"}));
    EXPECT_EQ(filesOf(drive.getChildren().front()), (Files{"C:\\Src\\a.c", "C:\\Src\\c.c", "C:\\Src\\c2.c"}));
    EXPECT_EQ(filesOf(drive.getChildren().back()), (Files{"C:\\src\\b.c"}));
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
        place(group, {"C:\\" + tooLong + "f.c"}, groupFolder);
        ADD_FAILURE() << "placed";
    } catch (const IOERROR& error) {
        EXPECT_EQ(error.code, 1);
        EXPECT_EQ(error.path, groupFolder + "\\C_colon\\" + tooLong);
    }
    EXPECT_TRUE(group.getChildren().empty());
    place(group, {"C:\\" + longest + "f.c"}, groupFolder);
    EXPECT_EQ(group.getChildren().size(), 1u);
}

}  // namespace
