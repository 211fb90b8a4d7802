#include <gtest/gtest.h>

#include <list>
#include <memory>

#include "GroupFiles.h"
#include "TestSupport.h"
#include "base/ConversionError.h"
#include "readers/pjt/PjtReader.h"

namespace {

// The .pjt reader with the given extensions and no macros.
Project readPjt(const std::string& file, const std::list<std::string>& extensions = {}) {
    return readPjtProject(file, {std::nullopt, extensions, BuildMacros(), TiInstalls(), WorkspaceProjects()});
}

using namespace testing_support;

// Reads content as the project file 'C:\work\app\app.pjt', which on this
// host is the file 'C:/work/app/app.pjt' below the test's working directory.
class PjtReading : public ::testing::Test {
protected:
    PjtReading() : inTemp(dir.path()) {}

    const Project& parse(const std::vector<std::string>& lines, const std::string& extension = "") {
        return read(crlfLines(lines), extension);
    }

    const Project& read(const std::string& bytes, const std::string& extension = "") {
        writeFile(dir / "C:/work/app/app.pjt", bytes);
        std::list<std::string> extensions;
        if (!extension.empty())
            extensions.push_back(extension);
        project = std::make_unique<Project>(readPjt("C:\\work\\app\\app.pjt", extensions));
        return *project;
    }

    const SourceGroup& child(std::size_t index) {
        auto it = project->root.getChildren().begin();
        std::advance(it, index);
        return *it;
    }

    Files files(const SourceGroup& group) const { return filesOf(project->paths, group); }

    TempDir dir;
    WorkingDirectory inTemp;
    std::unique_ptr<Project> project;
};

TEST_F(PjtReading, WorkedExample) {
    const Project& result = parse({"[Project Settings]", "ProjectName=\"app\"", "CPUFamily=DSPX", "Config=\"Debug\"",
                                      "[Source Files]", "Source=\"main.c\"", "Source=\"..\\lib\\util.c\"",
                                      "Source=\"app.cmd\"", "Source=\"D:\\shared\\crc.c\"",
                                      "[\"Compiler\" Settings: \"Debug\"]", "Options=-g -i\"..\\inc\" -d\"_DEBUG\"",
                                      "[\"Compiler\" Settings: \"Release\"]", "Options=-o2 -i\"..\\inc\"",
                                      "[\"Linker\" Settings: \"Debug\"]", "Options=-m\"app.map\"",
                                      "[\"main.c\" Settings: \"Release\"]", "ExcludeFromBuild=true"},
                                     "c");
    const SourceGroup& root = result.root;
    EXPECT_EQ(macrosOf(root), (Macros{{"CPUFamily", "DSPX"}}));
    EXPECT_TRUE(root.getFiles().empty());
    ASSERT_EQ(root.getChildren().size(), 2u);
    EXPECT_EQ(child(0).getName(), "Debug");
    EXPECT_EQ(child(0).getSourceFolder(), "C:\\work\\app\\");
    EXPECT_EQ(files(child(0)), (Files{"C:\\work\\app\\main.c", "C:\\work\\app\\..\\lib\\util.c", "D:\\shared\\crc.c"}));
    EXPECT_EQ(macrosOf(child(0)),
              (Macros{{"CPUFamily", "DSPX"}, {"_DEBUG", ""}}));
    EXPECT_EQ(child(0).getIncludePaths(), (std::set<std::string>{"C:\\work\\app\\..\\inc"}));
    EXPECT_EQ(child(1).getName(), "Release");
    EXPECT_EQ(files(child(1)), (Files{"C:\\work\\app\\..\\lib\\util.c", "D:\\shared\\crc.c"}));
    EXPECT_EQ(macrosOf(child(1)), (Macros{{"CPUFamily", "DSPX"}}));
}

TEST_F(PjtReading, WithoutConfigurationsTheRootReceivesTheSources) {
    const Project& result = parse({"Options=-dEARLY", "Source=\"a.c\"", "Source=\"a.c\"", "Source=\"b.c\"",
                                      "[\"b.c\" Settings: \"app\"]", "ExcludeFromBuild=true",
                                      "[\"a.c\" Settings: \"Debug\"]", "ExcludeFromBuild=true"});
    const SourceGroup& root = result.root;
    EXPECT_EQ(files(root), (Files{"C:\\work\\app\\a.c", "C:\\work\\app\\a.c"}));
    EXPECT_EQ(macrosOf(root), (Macros{{"EARLY", ""}}));
}

TEST_F(PjtReading, OptionsFollowTheLatestCompilerHeaderUnlessALinkerHeaderCame) {
    parse({"[\"Compiler\" Settings: \"Debug\"]", "[\"main.c\" Settings: \"Debug\"]", "Options=-dA",
           "[\"Linker\" Settings: \"Debug\"]", "Options=-dB", "[\"Archiver\" Settings: \"Debug\"]", "Options=-dC",
           "[\"Compiler\" Settings: \"Debug\"]", "Options=-dD", "Source=\"late.c\""});
    ASSERT_EQ(project->root.getChildren().size(), 2u);
    EXPECT_EQ(macrosOf(child(0)), (Macros{{"A", ""}}));
    EXPECT_EQ(child(1).getName(), "Debug");
    EXPECT_EQ(macrosOf(child(1)), (Macros{{"D", ""}}));
    EXPECT_EQ(files(child(0)), (Files{"C:\\work\\app\\late.c"}));
    EXPECT_EQ(files(child(1)), (Files{"C:\\work\\app\\late.c"}));
}

TEST_F(PjtReading, CpuFamilyPassedToOptionsIsTheLatestBeforeThem) {
    parse({"[\"Compiler\" Settings: \"A\"]", "Options=-g", "CPUFamily=ONE", "[\"Compiler\" Settings: \"B\"]",
           "Options=-g", "CPUFamily=TWO"});
    EXPECT_FALSE(child(0).hasOwnSettings());
    EXPECT_EQ(macrosOf(child(1)), (Macros{{"CPUFamily", "ONE"}}));
    EXPECT_EQ(macrosOf(project->root),
              (Macros{{"CPUFamily", "TWO"}}));
}

TEST_F(PjtReading, ExtensionsAreComparedInUpperCase) {
    parse({"Source=\"main.c\"", "Source=\"MAIN.C\"", "Source=\"app.cmd\"", "Source=\"C:\\my.dir\\Makefile\""}, "c");
    EXPECT_EQ(files(project->root), (Files{"C:\\work\\app\\main.c", "C:\\work\\app\\MAIN.C"}));
    parse({"Source=\"main.c\""}, ".c");
    EXPECT_TRUE(project->root.getFiles().empty());
    parse({"Source=\"C:\\my.dir\\Makefile\""}, "dir\\Makefile");
    EXPECT_EQ(files(project->root), (Files{"C:\\my.dir\\Makefile"}));
}

TEST_F(PjtReading, ExclusionsMatchPathsAsBuilt) {
    parse({"[\"Compiler\" Settings: \"Debug\"]", "Source=\"..\\src\\a.c\"", "Source=\"src\\..\\..\\src\\a.c\"",
           "Source=\"Main.c\"", "Source=\"D:\\shared\\crc.c\"", "Source=\"..\\src\\a.c\"",
           "[\"..\\src\\a.c\" Settings: \"Debug\"]",
           "ExcludeFromBuild=true", "[\"main.c\" Settings: \"Debug\"]", "ExcludeFromBuild=true",
           "[\"D:\\shared\\crc.c\" Settings: \"Debug\"]", "ExcludeFromBuild=true",
           "[\"src\\..\\..\\src\\a.c\" Settings: \"Debug\"]", "ExcludeFromBuild=false"});
    EXPECT_EQ(files(child(0)), (Files{"C:\\work\\app\\src\\..\\..\\src\\a.c", "C:\\work\\app\\Main.c"}));
}

TEST_F(PjtReading, MalformedLinesAreCarriedThrough) {
    parse({"[\"Compiler\" Settings: ", "Options=-dX", "Source=\"", "Source=\"\"", "Source=noquotes.c", "CPUFamily",
           "[\"Compiler\" Settings: \"Open"});
    ASSERT_EQ(project->root.getChildren().size(), 2u);
    EXPECT_EQ(child(0).getName(), "");
    EXPECT_EQ(macrosOf(child(0)), (Macros{{"X", ""}}));
    EXPECT_EQ(child(1).getName(), "Open");
    EXPECT_TRUE(child(0).getFiles().empty());
    EXPECT_EQ(macrosOf(project->root), (Macros{{"CPUFamily", ""}}));
}

TEST_F(PjtReading, ACarriageReturnTheReaderKeepsNeverReachesAName) {
    // The first CR of CR CR LF stays on the line, and so does a lone CR at
    // the end of the file; a header without its closing quote would carry it.
    read("Source=\"a.c\"\r\nSource=\"b.c\"\r\n[\"Compiler\" Settings: \"Rel\r\r\nOptions=-d\"X\"\r\r\n"
         "[\"b.c\" Settings: \"Rel\r\r\nExcludeFromBuild=true\r\n");
    ASSERT_EQ(project->root.getChildren().size(), 1u);
    EXPECT_EQ(child(0).getName(), "Rel");
    EXPECT_EQ(files(child(0)), (Files{"C:\\work\\app\\a.c"}));
    EXPECT_EQ(macrosOf(child(0)), (Macros{{"X", ""}}));

    read("Source=\"a.c\"\r\n[\"Compiler\" Settings: \"Rel\r");
    EXPECT_EQ(child(0).getName(), "Rel");
    read("Options=-d\"X\"\r");
    EXPECT_EQ(macrosOf(project->root), (Macros{{"X", ""}}));
}

TEST_F(PjtReading, LinesAcrossTheReadBlocksComeWhole) {
    // The file is read in blocks of 1 MiB: a line, or its CR LF, may start in
    // one and end in the next, and a line may be longer than a block.
    const std::size_t block = 1024 * 1024;
    const std::string source = "Source=\"a.c\"";
    for (std::size_t crAt = block - 2; crAt <= block + 1; ++crAt) {
        const std::string padding(crAt - source.size() - 2, 'x');
        read(padding + "\r\n" + source + "\r\n" + std::string(3 * block, 'y') + "\r\nSource=\"b.c\"\r\n");
        EXPECT_EQ(files(project->root), (Files{"C:\\work\\app\\a.c", "C:\\work\\app\\b.c"}))
            << "CR at byte " << crAt;
    }
}

TEST_F(PjtReading, RootGroupIsTheFileNameLessFourCharacters) {
    const struct {
        const char* file;
        const char* root;
    } cases[] = {{"app.pjt", "app"}, {"app.old.pjt", "app.old"}, {"abc", "abc"}, {"abcd", ""}, {"abcd.pjt", "abcd"}};
    for (const auto& each : cases) {
        writeFile(dir / each.file, "Source=\"a.c\"\n");
        EXPECT_EQ(readPjt(each.file).root.getName(), each.root) << each.file;
    }
}

TEST_F(PjtReading, AFileThatCannotBeReadIsReportedAsGiven) {
    try {
        readPjt("C:/work/missing.pjt");
        FAIL();
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.message, "Could not open file: C:/work/missing.pjt");
    }
}

}  // namespace
