#include <gtest/gtest.h>

#include "base/ConversionError.h"
#include "GroupFiles.h"
#include "TestSupport.h"
#include "model/PathStore.h"
#include "model/SourceGroup.h"
#include "writers/corvel/FolderTree.h"

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

// The paths stay in a store that outlives every test.
PathStore store;

// Places each path below group, in order.
void place(SourceGroup& group, const std::vector<std::string>& paths,
           const std::string& groupFolder = "C:\\out\\app\\Debug") {
    FolderGroups folders(group, store, groupFolder);
    for (const std::string& path : paths)
        folders.placeInFolderTree(store.keep(path));
}

Files files(const SourceGroup& group) { return filesOf(store, group); }

std::vector<std::string> names(const SourceGroup& group) {
    std::vector<std::string> result;
    for (const SourceGroup& child : group.getChildren())
        result.push_back(child.getName());
    return result;
}

TEST(PlaceInFolderTree, WorkedExample) {
    SourceGroup debug("Debug");
    place(debug, {"C:\\work\\app\\main.c", "C:\\work\\app\\..\\lib\\util.c", "D:\\shared\\crc.c"});

    EXPECT_TRUE(debug.getFiles().empty());
    ASSERT_EQ(names(debug), (std::vector<std::string>{"C_colon", "D_colon"}));
    const SourceGroup& drive = debug.getChildren().front();
    EXPECT_EQ(drive.getSourceFolder(), testing_support::folderGroupSource("C:"));
    const SourceGroup& work = drive.getChildren().front();
    EXPECT_EQ(work.getSourceFolder(), testing_support::folderGroupSource("C:\\work"));
    ASSERT_EQ(names(work), (std::vector<std::string>{"app", "lib"}));
    EXPECT_EQ(work.getChildren().front().getSourceFolder(), testing_support::folderGroupSource("C:\\work\\app"));
    EXPECT_EQ(files(work.getChildren().front()), (Files{"C:\\work\\app\\main.c"}));
    EXPECT_EQ(work.getChildren().back().getSourceFolder(), testing_support::folderGroupSource("C:\\work\\lib"));
    EXPECT_EQ(files(work.getChildren().back()), (Files{"C:\\work\\app\\..\\lib\\util.c"}));
    const SourceGroup& shared = debug.getChildren().back().getChildren().front();
    EXPECT_EQ(shared.getName(), "shared");
    EXPECT_EQ(files(shared), (Files{"D:\\shared\\crc.c"}));
}

TEST(PlaceInFolderTree, ReusesFoldersCaseSensitively) {
    SourceGroup group("Debug");
    // Folders alternate, come back, and one path has none.
    place(group, {"C:\\Src\\a.c", "C:\\src\\b.c", "C:\\Src\\c.c", "C:\\Src\\c2.c", "C:\\..\\x\\d.c", "e.c"});
    ASSERT_EQ(names(group), (std::vector<std::string>{"C_colon", "x"}));
    const SourceGroup& drive = group.getChildren().front();
    ASSERT_EQ(names(drive), (std::vector<std::string>{"Src", "src"}));
    EXPECT_EQ(files(drive.getChildren().front()), (Files{"C:\\Src\\a.c", "C:\\Src\\c.c", "C:\\Src\\c2.c"}));
    EXPECT_EQ(files(drive.getChildren().back()), (Files{"C:\\src\\b.c"}));
    EXPECT_EQ(group.getChildren().back().getSourceFolder(), testing_support::folderGroupSource("x"));
    EXPECT_EQ(files(group), (Files{"e.c"}));
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

    SourceGroup group("Debug");
    try {
        place(group, {"C:\\" + tooLong + "f.c"}, groupFolder);
        ADD_FAILURE() << "placed";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.kind, ConversionError::Kind::CannotCreateFolder);
        EXPECT_EQ(error.subject, groupFolder + "\\C_colon\\" + tooLong);
    }
    EXPECT_TRUE(group.getChildren().empty());
    place(group, {"C:\\" + longest + "f.c"}, groupFolder);
    EXPECT_EQ(group.getChildren().size(), 1u);
}

// With "-rp" every configuration gets the folder groups of its own sources.
TEST(ReplicateSourceTree, EveryConfigurationGetsItsFolderGroups) {
    Project project("app");
    for (const char* name : {"Debug", "Release"})
        project.root.addChild(SourceGroup(name)).addFile(project.paths.keep("C:\\work\\main.c"));
    EXPECT_FALSE(replicateSourceTree(project, "C:\\out"));
    for (const SourceGroup& configuration : project.root.getChildren()) {
        EXPECT_TRUE(configuration.getFiles().empty());
        ASSERT_EQ(names(configuration), (std::vector<std::string>{"C_colon"}));
    }
}

// A chain too deep is reported, not thrown, and its sources stay where they
// were: the group's name is checked before the run fails.
TEST(ReplicateSourceTree, AChainTooDeepLeavesItsSourcesInTheirConfiguration) {
    Project project("app");
    SourceGroup& debug = project.root.addChild(SourceGroup("Debug"));
    const std::string deep = "C:\\" + std::string(5000, 'd') + "\\f.c";
    debug.addFile(project.paths.keep(deep));
    debug.addFile(project.paths.keep("C:\\a.c"));
    std::optional<ConversionError> tooDeep = replicateSourceTree(project, "C:\\out");
    ASSERT_TRUE(tooDeep);
    EXPECT_EQ(tooDeep->subject, "C:\\out\\app\\Debug\\C_colon\\" + std::string(5000, 'd') + "\\");
    EXPECT_EQ(filesOf(project.paths, debug), (Files{deep}));
    EXPECT_EQ(names(debug), (std::vector<std::string>{"C_colon"}));
}

}  // namespace
