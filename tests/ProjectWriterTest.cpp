#include <gtest/gtest.h>

#include <filesystem>

#include "MotorExample.h"
#include "ProjectConverter.h"
#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;

// A group lists its files from the converter's store of paths.
SourcePath kept(ProjectConverter& converter, std::string_view path) { return converter.getSourcePaths().keep(path); }

// The writers get Windows paths; on this host 'C:\work\out' is the folder
// 'C:/work/out' below the test's working directory.
class ProjectWriter : public ::testing::Test {
protected:
    ProjectWriter() : inTemp(dir.path()) { fs::create_directories(dir / "C:/work/out"); }

    // The root 'motor' with the configurations Debug and Release.
    void buildMotorTree(ProjectConverter& converter) {
        SourceGroup& root = converter.getRootGroup();
        root.setSourceFolder("C:\\ti\\motor\\");
        for (const char* name : {"Debug", "Release"}) {
            SourceGroup configuration(name, &converter);
            configuration.setSourceFolder("C:\\ti\\motor\\");
            configuration.addFile(kept(converter, "C:\\ti\\motor\\main.c"));
            configuration.addFile(kept(converter, "C:\\ti\\motor\\pwm.c"));
            root.addChild(std::move(configuration));
        }
        SourceGroup& debug = root.getChildren().front();
        debug.addIncludePath("C:\\ti\\include");
        debug.defineMacro("LEVEL", "2");
        debug.defineMacro("DEBUG", "");
    }

    std::string write(ProjectConverter& converter) {
        CapturedConsole console;
        EXPECT_EQ(converter.writeProjectFile(), 0);
        return console.text();
    }

    TempDir dir;
    WorkingDirectory inTemp;
};

TEST_F(ProjectWriter, MotorWorkedExample) {
    ProjectConverter converter("C:\\ti\\motor\\motor.pjt", "C:\\work\\out");
    converter.setProjectName("motor");
    buildMotorTree(converter);

    EXPECT_EQ(write(converter), lfLines(motor_example::consoleLines));
    EXPECT_EQ(readFile(dir / "C:/work/out/motor.prj"), crlfLines(motor_example::projectLines));
    EXPECT_EQ(listTree(dir / "C:/work/out"), motor_example::tree);
    EXPECT_EQ(readFile(dir / "C:/work/out/motor/Debug/person/Debug.p_a"),
              crlfLines(motor_example::debugPersonalityLines));
    for (const std::string& empty : motor_example::emptyPersonalities)
        EXPECT_EQ(readFile(dir / "C:/work/out" / empty), "") << empty;
}

TEST_F(ProjectWriter, EmptyRootWritesOnlyTheVersionLine) {
    ProjectConverter converter("C:\\ti\\motor\\motor.pjt", "C:\\work\\out");
    converter.setProjectName("motor");
    EXPECT_EQ(write(converter), lfLines({"Creating Corvel/Corvel++ Project ...", "Corvel/Corvel++ Project Completed!"}));
    EXPECT_EQ(readFile(dir / "C:/work/out/motor.prj"), crlfLines({"VersionTag45"}));
    EXPECT_EQ(listTree(dir / "C:/work/out"), (std::vector<std::string>{"motor.prj"}));
}

TEST_F(ProjectWriter, GroupsWithoutFilesOrWithEmptyChildren) {
    ProjectConverter converter("C:\\ti\\p.pjt", "C:\\work\\out");
    converter.setProjectName("p");
    SourceGroup& root = converter.getRootGroup();
    SourceGroup& holder = root.addChild(SourceGroup("holder", &converter));
    holder.addChild(SourceGroup("empty", &converter));
    write(converter);
    std::string prj = readFile(dir / "C:/work/out/p.prj");
    EXPECT_NE(prj.find("SourcePath=C:\\work\\out\\p\\\r\n"), std::string::npos);
    EXPECT_NE(prj.find("CompPers=C:\\work\\out\\person\\p.p_c\r\nEndContainedFilesMarker\r\n"
                       "StartSubProjectMarker\r\nEndSubProjectMarker\r\n"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "C:/work/out/p/holder/empty"));
}

TEST_F(ProjectWriter, PersonalitiesAreInheritedThroughGroupsWithoutSettings) {
    // Root with own settings, then a child and a grandchild without any.
    ProjectConverter converter("C:\\ti\\p.pjt", "C:\\work\\out");
    converter.setProjectName("p");
    SourceGroup& root = converter.getRootGroup();
    root.defineMacro("CPUFamily", "X");
    SourceGroup& child = root.addChild(SourceGroup("child", &converter));
    child.addChild(SourceGroup("grandchild", &converter)).addFile(kept(converter, "g.c"));
    child.addChild(SourceGroup("own", &converter)).addIncludePath("inc");
    child.getChildren().back().addChild(SourceGroup("under", &converter)).addFile(kept(converter, "u.c"));
    write(converter);
    std::string prj = readFile(dir / "C:/work/out/p.prj");
    const std::string rootOwn = "AnalPers=C:\\work\\out\\p\\person\\p.p_a\r\n";
    EXPECT_NE(prj.find("FolderName=under\r\nSourcePath=C:\\work\\out\\p\\child\\own\\under\\\r\n"
                       "OutputPath=C:\\work\\out\\p\\child\\own\\under\\output\\\r\n"
                       "SubsPers=C:\\work\\out\\person\\p.p_s\r\n"
                       "AnalPers=C:\\work\\out\\p\\child\\own\\person\\own.p_a\r\n"),
              std::string::npos);
    // Every group found a personality of an ancestor: no shared one is made.
    EXPECT_FALSE(fs::exists(dir / "C:/work/out/person/p.p_a"));
    std::size_t rootRefs = 0;
    for (std::size_t at = prj.find(rootOwn); at != std::string::npos; at = prj.find(rootOwn, at + 1))
        ++rootRefs;
    EXPECT_EQ(rootRefs, 3u);  // root, child, grandchild
}

TEST_F(ProjectWriter, NamesWithSeparatorsGetFolderChains) {
    ProjectConverter converter("C:\\ti\\p.pjt", "C:\\work\\out");
    converter.setProjectName("p");
    SourceGroup& root = converter.getRootGroup();
    SourceGroup& arm = root.addChild(SourceGroup("Debug\\ARM", &converter));
    arm.addFile(kept(converter, "a.c"));
    arm.defineMacro("A", "");
    root.addChild(SourceGroup("src/../lib", &converter)).addFile(kept(converter, "b.c"));
    CapturedConsole console;
    converter.writeProjectFile();
    EXPECT_NE(console.text().find("  Creating Analyser Personality - C:\\work\\out\\p\\Debug\\ARM\\person\\ARM.p_a\n"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(dir / "C:/work/out/p/Debug/ARM/person/ARM.p_a"));
    EXPECT_TRUE(fs::is_directory(dir / "C:/work/out/p/src"));
    EXPECT_TRUE(fs::is_directory(dir / "C:/work/out/p/lib/output"));
}

TEST_F(ProjectWriter, RefusesGroupsOutsideTheDestination) {
    for (const char* name : {"..\\..\\x", "a/../../..", "x\\..\\..\\..\\y"}) {
        ProjectConverter converter("C:\\ti\\p.pjt", "C:\\work\\out");
        converter.setProjectName("p");
        converter.getRootGroup().addChild(SourceGroup("fine", &converter)).addFile(kept(converter, "a.c"));
        converter.getRootGroup().addChild(SourceGroup(name, &converter)).addFile(kept(converter, "a.c"));
        CapturedConsole console;
        try {
            converter.writeProjectFile();
            ADD_FAILURE() << name << " was written";
        } catch (const IOERROR& error) {
            EXPECT_EQ(error.code, 3);
            EXPECT_EQ(error.path, name);
        }
        EXPECT_EQ(console.text(), "");
        EXPECT_TRUE(listTree(dir / "C:/work/out").empty()) << name;
    }
}

TEST_F(ProjectWriter, RefusesNamesHoldingNul) {
    ProjectConverter converter("C:\\ti\\p.pjt", "C:\\work\\out");
    converter.getRootGroup().addChild(SourceGroup(std::string("a\0b", 3), &converter)).addFile(kept(converter, "a.c"));
    EXPECT_THROW(converter.writeProjectFile(), IOERROR);
    EXPECT_TRUE(listTree(dir / "C:/work/out").empty());
}

}  // namespace
