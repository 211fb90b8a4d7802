#include <gtest/gtest.h>

#include <filesystem>

#include "MotorExample.h"
#include "base/ConversionError.h"
#include "model/Project.h"
#include "writers/corvel/GroupFolders.h"
#include "writers/corvel/PrjWriter.h"
#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;

// The writers get Windows paths; on this host 'C:\work\out' is the folder
// 'C:/work/out' below the test's working directory.
class PrjWriting : public ::testing::Test {
protected:
    PrjWriting() : inTemp(dir.path()) { fs::create_directories(dir / "C:/work/out"); }

    // The root 'motor' with the configurations Debug and Release.
    static void buildMotorTree(Project& project) {
        project.root.setSourceFolder("C:\\ti\\motor\\");
        for (const char* name : {"Debug", "Release"}) {
            SourceGroup configuration(name);
            configuration.setSourceFolder("C:\\ti\\motor\\");
            configuration.addFile(project.paths.keep("C:\\ti\\motor\\main.c"));
            configuration.addFile(project.paths.keep("C:\\ti\\motor\\pwm.c"));
            project.root.addChild(std::move(configuration));
        }
        SourceGroup& debug = project.root.getChildren().front();
        debug.addIncludePath("C:\\ti\\include");
        debug.define({"LEVEL", "2"});
        debug.define({"DEBUG", ""});
    }

    // What writing the project prints.
    static std::string write(const Project& project, const std::string& projectName) {
        CapturedConsole console;
        PrjWriter(project, {"C:\\work\\out", projectName, "", "", ""}).write();
        return console.text();
    }

    TempDir dir;
    WorkingDirectory inTemp;
};

TEST_F(PrjWriting, MotorWorkedExample) {
    Project project("motor");
    buildMotorTree(project);

    // The driver prints the first line, before the reader's findings, and
    // the last, once everything is written.
    const std::vector<std::string>& lines = motor_example::consoleLines;
    EXPECT_EQ(write(project, "motor"), hostText(lfLines({lines.begin() + 1, lines.end() - 1})));
    EXPECT_EQ(readFile(dir / "C:/work/out/motor.prj"), hostText(crlfLines(motor_example::projectLines)));
    EXPECT_EQ(listTree(dir / "C:/work/out"), motor_example::tree);
    EXPECT_EQ(readFile(dir / "C:/work/out/motor/Debug/person/Debug.p_a"),
              hostText(crlfLines(motor_example::debugPersonalityLines)));
    for (const std::string& empty : motor_example::emptyPersonalities)
        EXPECT_EQ(readFile(dir / "C:/work/out" / empty), "") << empty;
}

TEST_F(PrjWriting, EmptyRootWritesOnlyTheVersionLine) {
    EXPECT_EQ(write(Project("motor"), "motor"), "");
    EXPECT_EQ(readFile(dir / "C:/work/out/motor.prj"), crlfLines({"VersionTag45"}));
    EXPECT_EQ(listTree(dir / "C:/work/out"), (std::vector<std::string>{"motor.prj"}));
}

TEST_F(PrjWriting, GroupsWithoutFilesOrWithEmptyChildren) {
    Project project("p");
    SourceGroup& holder = project.root.addChild(SourceGroup("holder"));
    holder.addChild(SourceGroup("empty"));
    write(project, "p");
    std::string prj = readFile(dir / "C:/work/out/p.prj");
    EXPECT_NE(prj.find(hostText("SourcePath=C:\\work\\out\\p\\\r\n")), std::string::npos);
    EXPECT_NE(prj.find(hostText("CompPers=C:\\work\\out\\person\\p.p_c\r\nEndContainedFilesMarker\r\n"
                                "StartSubProjectMarker\r\nEndSubProjectMarker\r\n")),
              std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "C:/work/out/p/holder/empty"));
}

TEST_F(PrjWriting, PersonalitiesAreInheritedThroughGroupsWithoutSettings) {
    // Root with own settings, then a child and a grandchild without any.
    Project project("p");
    project.root.define({"CPUFamily", "X"});
    SourceGroup& child = project.root.addChild(SourceGroup("child"));
    child.addChild(SourceGroup("grandchild")).addFile(project.paths.keep("g.c"));
    child.addChild(SourceGroup("own")).addIncludePath("inc");
    child.getChildren().back().addChild(SourceGroup("under")).addFile(project.paths.keep("u.c"));
    write(project, "p");
    std::string prj = readFile(dir / "C:/work/out/p.prj");
    const std::string rootOwn = hostText("AnalPers=C:\\work\\out\\p\\person\\p.p_a\r\n");
    EXPECT_NE(prj.find(hostText("FolderName=under\r\nSourcePath=C:\\work\\out\\p\\child\\own\\under\\\r\n"
                                "OutputPath=C:\\work\\out\\p\\child\\own\\under\\output\\\r\n"
                                "SubsPers=C:\\work\\out\\person\\p.p_s\r\n"
                                "AnalPers=C:\\work\\out\\p\\child\\own\\person\\own.p_a\r\n")),
              std::string::npos);
    // Every group found a personality of an ancestor: no shared one is made.
    EXPECT_FALSE(fs::exists(dir / "C:/work/out/person/p.p_a"));
    std::size_t rootRefs = 0;
    for (std::size_t at = prj.find(rootOwn); at != std::string::npos; at = prj.find(rootOwn, at + 1))
        ++rootRefs;
    EXPECT_EQ(rootRefs, 3u);  // root, child, grandchild
}

TEST_F(PrjWriting, NamesWithSeparatorsGetFolderChains) {
    Project project("p");
    SourceGroup& arm = project.root.addChild(SourceGroup("Debug\\ARM"));
    arm.addFile(project.paths.keep("a.c"));
    arm.define({"A", ""});
    project.root.addChild(SourceGroup("src/../lib")).addFile(project.paths.keep("b.c"));
    EXPECT_NE(write(project, "p").find(hostText("  Creating Analyser Personality - C:\\work\\out\\p\\Debug\\ARM\\person\\ARM.p_a\n")),
              std::string::npos);
    EXPECT_TRUE(fs::exists(dir / "C:/work/out/p/Debug/ARM/person/ARM.p_a"));
    EXPECT_TRUE(fs::is_directory(dir / "C:/work/out/p/src"));
    EXPECT_TRUE(fs::is_directory(dir / "C:/work/out/p/lib/output"));
}

// A value that stands for a string is written as a call of ZRN_STRINGIFY,
// which the personality defines; a later definition of a name wins.
TEST_F(PrjWriting, StringValuesAreWrittenStringified) {
    Project project("p");
    SourceGroup& debug = project.root.addChild(SourceGroup("Debug"));
    debug.addFile(project.paths.keep("a.c"));
    debug.define({"VERSION", "1.2", true});
    debug.define({"LEVEL", "1", true});
    debug.define({"LEVEL", "2"});
    debug.define({"EMPTY", "", true});
    write(project, "p");
    EXPECT_EQ(readFile(dir / "C:/work/out/p/Debug/person/Debug.p_a"),
              crlfLines({"-d \"EMPTY=ZRN_STRINGIFY()\"", "-d \"LEVEL=2\"", "-d \"VERSION=ZRN_STRINGIFY(1.2)\"",
                         "-d \"ZRN_STRINGIFY(x)=#x\""}));
}

TEST(RefuseGroupsOutside, NamesThatLeaveTheDestinationOrHoldNul) {
    for (const std::string& name :
         std::vector<std::string>{"..\\..\\x", "a/../../..", "x\\..\\..\\..\\y", std::string("a\0b", 3)}) {
        Project project("p");
        project.root.addChild(SourceGroup("fine")).addFile(project.paths.keep("a.c"));
        project.root.addChild(SourceGroup(name)).addFile(project.paths.keep("a.c"));
        try {
            refuseGroupsOutside(project.root);
            ADD_FAILURE() << name << " passed";
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.kind, ConversionError::Kind::OutsideDestination);
            EXPECT_EQ(error.subject, name);
        }
    }
    // An empty group is never written.
    Project project("p");
    project.root.addChild(SourceGroup("..\\..\\x"));
    EXPECT_NO_THROW(refuseGroupsOutside(project.root));
}

}  // namespace
