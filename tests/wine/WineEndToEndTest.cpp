#include <gtest/gtest.h>

#include <filesystem>

#include "MotorExample.h"
#include "TestSupport.h"
#include "WineSession.h"

// Korrin.exe under Wine, with the paths Windows gives it: a working directory
// on drive Z, a drive D of the test's own, and the prefix's drive C. Console
// lines end with CR LF here, as every line of a Windows console program in
// text mode does; the files are written in binary mode and end every line
// with CR LF on every host.
namespace {

namespace fs = std::filesystem;
using namespace testing_support;
using namespace wine_session;
using Lines = std::vector<std::string>;

class KorrinExe : public ::testing::Test {
protected:
    KorrinExe() {
        fs::create_directory(dir / "out");
        mapDrive('d', drive.path());
    }

    ProgramRun run(const Lines& arguments) { return runKorrinExe(arguments, dir.path()); }

    // How Korrin.exe names a path below the working directory.
    std::string at(const std::string& relative) const { return onDriveZ(dir.path()) + "\\" + relative; }

    TempDir dir;    // the working directory, on drive Z
    TempDir drive;  // drive D
};

TEST_F(KorrinExe, RelativeArgumentsJoinTheWorkingDirectory) {
    // A text-mode read would end at the Ctrl-Z and lose b.c.
    writeFile(dir / "app.pjt",
              crlfLines({"Source=\"src\\main.c\"", "Source=\"D:\\shared\\crc.c\"", "[\"Compiler\" Settings: \"Debug\"]",
                         "Options=-g -i\"inc\" -dLEVEL=2", "Note=\x1a", "Source=\"b.c\""}));
    writeFile(dir / "tpl.p_a", "-d \"T\"\nlast");
    ProgramRun result = run({"app.pjt", "out", "-ap", "tpl.p_a"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output,
              crlfLines({"Creating Corvel/Corvel++ Project ...", "  Creating Group - app", "  Creating Group - Debug",
                         "  Creating Analyser Personality - " + at("out\\app\\Debug\\person\\Debug.p_a"),
                         "Corvel/Corvel++ Project Completed!"}));
    EXPECT_EQ(readFile(dir / "out/app.prj"),
              crlfLines({"VersionTag45",
                         "StartProjectMarker",
                         "FolderName=app",
                         "SourcePath=" + at(""),
                         "OutputPath=" + at("out\\app\\output\\"),
                         "SubsPers=" + at("out\\person\\app.p_s"),
                         "AnalPers=" + at("out\\person\\app.p_a"),
                         "CompPers=" + at("out\\person\\app.p_c"),
                         "EndContainedFilesMarker",
                         "StartSubProjectMarker",
                         "StartProjectMarker",
                         "FolderName=Debug",
                         "SourcePath=" + at(""),
                         "OutputPath=" + at("out\\app\\Debug\\output\\"),
                         "SubsPers=" + at("out\\person\\app.p_s"),
                         "AnalPers=" + at("out\\app\\Debug\\person\\Debug.p_a"),
                         "CompPers=" + at("out\\person\\app.p_c"),
                         at("src\\main.c"),
                         "D:\\shared\\crc.c",
                         at("b.c"),
                         "EndContainedFilesMarker",
                         "EndSubProjectMarker"}));
    EXPECT_EQ(readFile(dir / "out/app/Debug/person/Debug.p_a"),
              "-i \"" + at("inc") + "\"\r\n-d \"LEVEL=2\"\r\n-d \"T\"\r\nlast");
    EXPECT_EQ(readFile(dir / "out/person/app.p_a"), "-d \"T\"\r\nlast");
    EXPECT_EQ(listTree(dir / "out"),
              (Lines{"app.prj", "app/", "app/Debug/", "app/Debug/output/", "app/Debug/person/",
                     "app/Debug/person/Debug.p_a", "app/output/", "app/person/", "person/", "person/app.p_a",
                     "person/app.p_c", "person/app.p_s"}));
}

TEST_F(KorrinExe, DriveRelativePathsUseThatDrivesCurrentDirectory) {
    writeFile(drive / "dir/sub/x.pjt", "Source=\"a.c\"\r\n");
    fs::create_directory(drive / "dir/out");
    // cmd keeps a current directory per drive; Korrin.exe then starts on Z.
    ProgramRun result = runCommandLine({"cd", "/d", "D:\\dir", "&", "cd", "/d", onDriveZ(dir.path()), "&",
                                        "C:\\Korrin.exe", "D:sub\\x.pjt", "D:out", "-mp", "m.p_s"},
                                       dir.path());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, crlfLines({"Creating Corvel/Corvel++ Project ...", "  Creating Group - x",
                                        "Corvel/Corvel++ Project Completed!"}));
    // The message personality, relative again, still joins the working directory on Z.
    EXPECT_EQ(readFile(drive / "dir/out/x.prj"),
              crlfLines({"VersionTag45", "StartProjectMarker", "FolderName=x", "SourcePath=D:\\dir\\sub\\",
                         "OutputPath=D:\\dir\\out\\x\\output\\", "SubsPers=" + at("m.p_s"),
                         "AnalPers=D:\\dir\\out\\person\\x.p_a", "CompPers=D:\\dir\\out\\person\\x.p_c",
                         "D:\\dir\\sub\\a.c", "EndContainedFilesMarker"}));
}

TEST_F(KorrinExe, WorkingDriveIsCurrentAgainAfterAnotherDrivesPath) {
    writeFile(dir / "app.pjt", "Source=\"a.c\"\r\n");
    writeFile(drive / "tpl.p_a", "template\r\n");
    // Working directory D:\, source and destination on Z; the template's
    // path names the root of whichever drive is current when it is opened.
    ProgramRun result = runCommandLine({"cd", "/d", onDriveZ(dir.path()), "&", "cd", "/d", "D:\\", "&",
                                        "C:\\Korrin.exe", "Z:app.pjt", "Z:out", "-ap", "\\tpl.p_a"},
                                       dir.path());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, crlfLines({"Creating Corvel/Corvel++ Project ...", "  Creating Group - app",
                                        "Corvel/Corvel++ Project Completed!"}));
    EXPECT_EQ(readFile(dir / "out/person/app.p_a"), "template\r\n");
}

TEST_F(KorrinExe, DriveRootWorkingDirectoryDoublesTheBackslash) {
    writeFile(drive / "app.pjt", "Source=\"a.c\"\r\nOptions=-dA\r\n");
    fs::create_directory(drive / "out");
    ProgramRun result = runKorrinExe({"app.pjt", "out", "-mp", ".", "-cp", "c.p_c"}, drive.path());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, crlfLines({"Creating Corvel/Corvel++ Project ...", "  Creating Group - app",
                                        "  Creating Analyser Personality - D:\\\\out\\app\\person\\app.p_a",
                                        "Corvel/Corvel++ Project Completed!"}));
    EXPECT_EQ(readFile(drive / "out/app.prj"),
              crlfLines({"VersionTag45", "StartProjectMarker", "FolderName=app", "SourcePath=D:\\\\",
                         "OutputPath=D:\\\\out\\app\\output\\", "SubsPers=D:\\",
                         "AnalPers=D:\\\\out\\app\\person\\app.p_a", "CompPers=D:\\\\c.p_c", "D:\\\\a.c",
                         "EndContainedFilesMarker"}));
    EXPECT_EQ(readFile(drive / "out/app/person/app.p_a"), crlfLines({"-d \"A\""}));
}

// A project of two configurations, one with an include folder and two
// definitions, on the prefix's drive C: the paths are those of a project
// kept in 'C:\ti\motor' and converted into 'C:\work\out'.
class MotorProject : public KorrinExe {
protected:
    MotorProject() {
        writeFile(driveC() / "ti/motor/motor.pjt",
                  crlfLines({"[Project Settings]", "[Source Files]", "Source=\"main.c\"", "Source=\"pwm.c\"",
                             "[\"Compiler\" Settings: \"Debug\"]",
                             "Options=-g -i\"C:\\ti\\include\" -dLEVEL=2 -d\"DEBUG\"",
                             "[\"Compiler\" Settings: \"Release\"]", "Options=-o2"}));
        writeFile(driveC() / "ti/motor/main.c", "int main(void) { return 0; }\n");
        writeFile(driveC() / "ti/motor/pwm.c", "void pwm(void) {}\n");
        fs::create_directories(driveC() / "work/out");
    }
    ~MotorProject() override {
        fs::remove_all(driveC() / "ti");
        fs::remove_all(driveC() / "work");
    }
};

TEST_F(MotorProject, IsWrittenByteForByte) {
    ProgramRun result = runKorrinExe({"C:\\ti\\motor\\motor.pjt", "C:\\work\\out"}, dir.path());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, crlfLines(motor_example::consoleLines));
    const fs::path out = driveC() / "work/out";
    EXPECT_EQ(readFile(out / "motor.prj"), crlfLines(motor_example::projectLines));
    EXPECT_EQ(readFile(out / "motor/Debug/person/Debug.p_a"), crlfLines(motor_example::debugPersonalityLines));
    for (const std::string& empty : motor_example::emptyPersonalities)
        EXPECT_EQ(readFile(out / empty), "") << empty;
    EXPECT_EQ(listTree(out), motor_example::tree);
}

// A Code Composer Studio project whose folder is linked twice: Windows
// names the real folder, which is walked once.
TEST_F(KorrinExe, CodeComposerStudioProject) {
    const std::string link = "<link><name>drivers</name><type>2</type><locationURI>PARENT-1-PROJECT_LOC/drivers"
                             "</locationURI></link>";
    writeFile(dir / "app/.project", "<projectDescription><name>motor</name><natures><nature>"
                                    "com.ti.ccstudio.core.ccsNature</nature></natures><linkedResources>" +
                                        link + link + "</linkedResources></projectDescription>");
    writeFile(dir / "app/.cproject",
              "<cproject><storageModule><cconfiguration><storageModule moduleId=\"cdtBuildSystem\"><configuration "
              "name=\"Debug\"><folderInfo resourcePath=\"\"><toolChain><tool superClass=\"com.ti.ccstudio."
              "buildDefinitions.C2000_15.12.exe.compilerDebug\"><option superClass=\"com.ti.ccstudio.buildDefinitions."
              "C2000_15.12.compilerID.INCLUDE_PATH\"><listOptionValue value=\"&quot;${PROJECT_ROOT}/inc&quot;\"/>"
              "</option></tool></toolChain></folderInfo></configuration></storageModule></cconfiguration>"
              "</storageModule></cproject>");
    for (const char* file : {"app/main.c", "app/Debug/gen.c", "drivers/pwm.c"})
        writeFile(dir / file, "int x;\n");
    ProgramRun result = run({"app", "out"});
    ASSERT_EQ(result.status, 0) << result.output;
    const std::string prj = readFile(dir / "out/motor.prj");
    EXPECT_NE(prj.find("FolderName=Debug\r\n"), std::string::npos) << prj;
    EXPECT_NE(prj.find(at("app\\main.c") + "\r\n" + at("drivers\\pwm.c") + "\r\nEndContainedFilesMarker"),
              std::string::npos)
        << prj;
    EXPECT_EQ(readFile(dir / "out/motor/Debug/person/Debug.p_a"), "-i \"" + at("app\\inc") + "\"\r\n");
}

TEST_F(KorrinExe, UsageIsTheLinuxBuildsWithWindowsLineEnds) {
    std::string linuxUsage = runProgram(KORRIN_EXECUTABLE, {}, dir.path()).output;
    std::string windowsUsage;
    for (char c : linuxUsage)
        windowsUsage += c == '\n' ? "\r\n" : std::string(1, c);
    ProgramRun result = run({});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, windowsUsage);
    result = run({"app.pjt", "out", "-pn"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, windowsUsage);
}

TEST_F(KorrinExe, UnreadableProjectFile) {
    ProgramRun result = run({"missing.pjt", "out"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, crlfLines({"Could not open file: " + at("missing.pjt")}));
    EXPECT_TRUE(listTree(dir / "out").empty());
}

// Opened with "\" separators, reported as typed.
TEST_F(KorrinExe, SlashSeparatedProjectPath) {
    ProgramRun result = run({"sub/missing.pjt", "out"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, crlfLines({"Could not open file: " + at("sub/missing.pjt")}));

    writeFile(dir / "sub/app.pjt", "Source=\"a.c\"\r\n");
    result = run({"sub/app.pjt", "out", "-pn", "app"});
    EXPECT_EQ(result.status, 0);
    std::string prj = readFile(dir / "out/app.prj");
    EXPECT_NE(prj.find("\r\nSourcePath=" + at("sub\\") + "\r\n"), std::string::npos);
}

TEST_F(KorrinExe, WritingFailures) {
    writeFile(dir / "app.pjt", crlfLines({"Source=\"a.c\"", "[\"Compiler\" Settings: \"Debug\"]"}));
    ProgramRun result = run({"app.pjt", "nowhere"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, crlfLines({"Could not write file: " + at("nowhere\\app.prj")}));

    writeFile(dir / "out/app/Debug", "a file in the way");
    result = run({"app.pjt", "out"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, crlfLines({"Creating Corvel/Corvel++ Project ...", "  Creating Group - app",
                                        "Could not create directory: " + at("out\\app\\Debug")}));

    writeFile(dir / "app.pjt", crlfLines({"Source=\"a.c\"", "[\"Compiler\" Settings: \"..\\..\\x\"]"}));
    result = run({"app.pjt", "out\\app"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, crlfLines({"Refusing to write outside the destination folder: ..\\..\\x"}));
}

TEST_F(KorrinExe, MissingTemplateIsReportedAndTheRunGoesOn) {
    writeFile(dir / "app.pjt", "Source=\"a.c\"\r\n");
    ProgramRun result = run({"app.pjt", "out", "-ap", "missing.p_a"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, crlfLines({"Creating Corvel/Corvel++ Project ...", "  Creating Group - app",
                                        "Couldnt open file", "Corvel/Corvel++ Project Completed!"}));
    EXPECT_EQ(readFile(dir / "out/person/app.p_a"), "");
}

}  // namespace
