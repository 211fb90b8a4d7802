#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>

#include "ProjectConverter.h"
#include "GroupFiles.h"
#include "TestSupport.h"

namespace {

using namespace testing_support;

// Reads content as the project file 'C:\work\app\app.pjt', which on this
// host is the file 'C:/work/app/app.pjt' below the test's working directory.
class ProjectFileReading : public ::testing::Test {
protected:
    ProjectFileReading() : inTemp(dir.path()) {}

    ProjectConverter& parse(const std::vector<std::string>& lines, const std::string& extensions = "",
                            bool replicate = false) {
        return read(crlfLines(lines), extensions, replicate);
    }

    ProjectConverter& read(const std::string& bytes, const std::string& extensions = "", bool replicate = false) {
        writeFile(dir / "C:/work/app/app.pjt", bytes);
        converter = std::make_unique<ProjectConverter>("C:\\work\\app\\app.pjt", "C:\\out");
        converter->setReplicateSourceTree(replicate);
        if (!extensions.empty())
            converter->addExtensions(extensions);
        converter->readProjectFile();
        return *converter;
    }

    const SourceGroup& child(std::size_t index) {
        auto it = converter->getRootGroup().getChildren().begin();
        std::advance(it, index);
        return *it;
    }

    TempDir dir;
    WorkingDirectory inTemp;
    std::unique_ptr<ProjectConverter> converter;
};

TEST_F(ProjectFileReading, WorkedExample) {
    ProjectConverter& result = parse({"[Project Settings]", "ProjectName=\"app\"", "CPUFamily=DSPX", "Config=\"Debug\"",
                                      "[Source Files]", "Source=\"main.c\"", "Source=\"..\\lib\\util.c\"",
                                      "Source=\"app.cmd\"", "Source=\"D:\\shared\\crc.c\"",
                                      "[\"Compiler\" Settings: \"Debug\"]", "Options=-g -i\"..\\inc\" -d\"_DEBUG\"",
                                      "[\"Compiler\" Settings: \"Release\"]", "Options=-o2 -i\"..\\inc\"",
                                      "[\"Linker\" Settings: \"Debug\"]", "Options=-m\"app.map\"",
                                      "[\"main.c\" Settings: \"Release\"]", "ExcludeFromBuild=true"},
                                     "c");
    const SourceGroup& root = result.getRootGroup();
    EXPECT_EQ(root.getMacroDefinitions(), (std::map<std::string, std::string>{{"CPUFamily", "DSPX"}}));
    EXPECT_TRUE(root.getFiles().empty());
    ASSERT_EQ(root.getChildren().size(), 2u);
    EXPECT_EQ(child(0).getName(), "Debug");
    EXPECT_EQ(child(0).getSourceFolder(), "C:\\work\\app\\");
    EXPECT_EQ(filesOf(child(0)), (Files{"C:\\work\\app\\main.c", "C:\\work\\app\\..\\lib\\util.c", "D:\\shared\\crc.c"}));
    EXPECT_EQ(child(0).getMacroDefinitions(),
              (std::map<std::string, std::string>{{"CPUFamily", "DSPX"}, {"_DEBUG", ""}}));
    EXPECT_EQ(child(0).getIncludePaths(), (std::set<std::string>{"C:\\work\\app\\..\\inc"}));
    EXPECT_EQ(child(1).getName(), "Release");
    EXPECT_EQ(filesOf(child(1)), (Files{"C:\\work\\app\\..\\lib\\util.c", "D:\\shared\\crc.c"}));
    EXPECT_EQ(child(1).getMacroDefinitions(), (std::map<std::string, std::string>{{"CPUFamily", "DSPX"}}));
}

TEST_F(ProjectFileReading, WithoutConfigurationsTheRootReceivesTheSources) {
    ProjectConverter& result = parse({"Options=-dEARLY", "Source=\"a.c\"", "Source=\"a.c\"", "Source=\"b.c\"",
                                      "[\"b.c\" Settings: \"app\"]", "ExcludeFromBuild=true",
                                      "[\"a.c\" Settings: \"Debug\"]", "ExcludeFromBuild=true"});
    const SourceGroup& root = result.getRootGroup();
    EXPECT_EQ(filesOf(root), (Files{"C:\\work\\app\\a.c", "C:\\work\\app\\a.c"}));
    EXPECT_EQ(root.getMacroDefinitions(), (std::map<std::string, std::string>{{"EARLY", ""}}));
}

TEST_F(ProjectFileReading, OptionsFollowTheLatestCompilerHeaderUnlessALinkerHeaderCame) {
    parse({"[\"Compiler\" Settings: \"Debug\"]", "[\"main.c\" Settings: \"Debug\"]", "Options=-dA",
           "[\"Linker\" Settings: \"Debug\"]", "Options=-dB", "[\"Archiver\" Settings: \"Debug\"]", "Options=-dC",
           "[\"Compiler\" Settings: \"Debug\"]", "Options=-dD", "Source=\"late.c\""});
    ASSERT_EQ(converter->getRootGroup().getChildren().size(), 2u);
    EXPECT_EQ(child(0).getMacroDefinitions(), (std::map<std::string, std::string>{{"A", ""}}));
    EXPECT_EQ(child(1).getName(), "Debug");
    EXPECT_EQ(child(1).getMacroDefinitions(), (std::map<std::string, std::string>{{"D", ""}}));
    EXPECT_EQ(filesOf(child(0)), (Files{"C:\\work\\app\\late.c"}));
    EXPECT_EQ(filesOf(child(1)), (Files{"C:\\work\\app\\late.c"}));
}

TEST_F(ProjectFileReading, CpuFamilyPassedToOptionsIsTheLatestBeforeThem) {
    parse({"[\"Compiler\" Settings: \"A\"]", "Options=-g", "CPUFamily=ONE", "[\"Compiler\" Settings: \"B\"]",
           "Options=-g", "CPUFamily=TWO"});
    EXPECT_FALSE(child(0).hasOwnSettings());
    EXPECT_EQ(child(1).getMacroDefinitions(), (std::map<std::string, std::string>{{"CPUFamily", "ONE"}}));
    EXPECT_EQ(converter->getRootGroup().getMacroDefinitions(),
              (std::map<std::string, std::string>{{"CPUFamily", "TWO"}}));
}

TEST_F(ProjectFileReading, ExtensionsAreComparedInUpperCase) {
    parse({"Source=\"main.c\"", "Source=\"MAIN.C\"", "Source=\"app.cmd\"", "Source=\"C:\\my.dir\\Makefile\""}, "c");
    EXPECT_EQ(filesOf(converter->getRootGroup()), (Files{"C:\\work\\app\\main.c", "C:\\work\\app\\MAIN.C"}));
    parse({"Source=\"main.c\""}, ".c");
    EXPECT_TRUE(converter->getRootGroup().getFiles().empty());
    parse({"Source=\"C:\\my.dir\\Makefile\""}, "dir\\Makefile");
    EXPECT_EQ(filesOf(converter->getRootGroup()), (Files{"C:\\my.dir\\Makefile"}));
}

TEST_F(ProjectFileReading, ExclusionsMatchPathsAsBuilt) {
    parse({"[\"Compiler\" Settings: \"Debug\"]", "Source=\"..\\src\\a.c\"", "Source=\"src\\..\\..\\src\\a.c\"",
           "Source=\"Main.c\"", "Source=\"D:\\shared\\crc.c\"", "Source=\"..\\src\\a.c\"",
           "[\"..\\src\\a.c\" Settings: \"Debug\"]",
           "ExcludeFromBuild=true", "[\"main.c\" Settings: \"Debug\"]", "ExcludeFromBuild=true",
           "[\"D:\\shared\\crc.c\" Settings: \"Debug\"]", "ExcludeFromBuild=true",
           "[\"src\\..\\..\\src\\a.c\" Settings: \"Debug\"]", "ExcludeFromBuild=false"});
    EXPECT_EQ(filesOf(child(0)), (Files{"C:\\work\\app\\src\\..\\..\\src\\a.c", "C:\\work\\app\\Main.c"}));
}

TEST_F(ProjectFileReading, MalformedLinesAreCarriedThrough) {
    parse({"[\"Compiler\" Settings: ", "Options=-dX", "Source=\"", "Source=\"\"", "Source=noquotes.c", "CPUFamily",
           "[\"Compiler\" Settings: \"Open"});
    ASSERT_EQ(converter->getRootGroup().getChildren().size(), 2u);
    EXPECT_EQ(child(0).getName(), "");
    EXPECT_EQ(child(0).getMacroDefinitions(), (std::map<std::string, std::string>{{"X", ""}}));
    EXPECT_EQ(child(1).getName(), "Open");
    EXPECT_TRUE(child(0).getFiles().empty());
    EXPECT_EQ(converter->getRootGroup().getMacroDefinitions(), (std::map<std::string, std::string>{{"CPUFamily", ""}}));
}

TEST_F(ProjectFileReading, ACarriageReturnTheReaderKeepsNeverReachesAName) {
    // The first CR of CR CR LF stays on the line, and so does a lone CR at
    // the end of the file; a header without its closing quote would carry it.
    read("Source=\"a.c\"\r\nSource=\"b.c\"\r\n[\"Compiler\" Settings: \"Rel\r\r\nOptions=-d\"X\"\r\r\n"
         "[\"b.c\" Settings: \"Rel\r\r\nExcludeFromBuild=true\r\n");
    ASSERT_EQ(converter->getRootGroup().getChildren().size(), 1u);
    EXPECT_EQ(child(0).getName(), "Rel");
    EXPECT_EQ(filesOf(child(0)), (Files{"C:\\work\\app\\a.c"}));
    EXPECT_EQ(child(0).getMacroDefinitions(), (std::map<std::string, std::string>{{"X", ""}}));

    read("Source=\"a.c\"\r\n[\"Compiler\" Settings: \"Rel\r");
    EXPECT_EQ(child(0).getName(), "Rel");
    read("Options=-d\"X\"\r");
    EXPECT_EQ(converter->getRootGroup().getMacroDefinitions(), (std::map<std::string, std::string>{{"X", ""}}));
}

TEST_F(ProjectFileReading, LinesAcrossTheReadBlocksComeWhole) {
    // The file is read in blocks of 1 MiB: a line, or its CR LF, may start in
    // one and end in the next, and a line may be longer than a block.
    const std::size_t block = 1024 * 1024;
    const std::string source = "Source=\"a.c\"";
    for (std::size_t crAt = block - 2; crAt <= block + 1; ++crAt) {
        const std::string padding(crAt - source.size() - 2, 'x');
        read(padding + "\r\n" + source + "\r\n" + std::string(3 * block, 'y') + "\r\nSource=\"b.c\"\r\n");
        EXPECT_EQ(filesOf(converter->getRootGroup()), (Files{"C:\\work\\app\\a.c", "C:\\work\\app\\b.c"}))
            << "CR at byte " << crAt;
    }
}

TEST_F(ProjectFileReading, ReplicatedSourcesGetFolderGroupsPerConfiguration) {
    parse({"[\"Compiler\" Settings: \"Debug\"]", "[\"Compiler\" Settings: \"Release\"]", "Source=\"main.c\""}, "",
          true);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_TRUE(child(i).getFiles().empty());
        ASSERT_EQ(child(i).getChildren().size(), 1u);
        EXPECT_EQ(child(i).getChildren().front().getName(), "C_colon");
    }
}

}  // namespace
