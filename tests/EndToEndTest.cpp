#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "KorrinFolder.h"
#include "PrjFileShape.h"
#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;
using Lines = std::vector<std::string>;

const Lines usage{"Usage: Korrin <source_proj> <dest_folder> [-rp] [-pn dest_proj_name]",
                  "[-mp message_personality] [-ap analyser_personality] [-cp compiler_personality] [-ext file_extension] [-var NAME=VALUE] [-cdb]"};

class Korrin : public KorrinFolder {
protected:
    // The lines of one project block; `rest` holds the file lines and any
    // sub-project lines, ending with the block's last marker.
    Lines block(const std::string& name, const std::string& source, const std::string& folder,
                const std::string& analyser, const Lines& rest) const {
        Lines lines{"StartProjectMarker",
                    "FolderName=" + name,
                    "SourcePath=" + source,
                    "OutputPath=" + at(folder + "\\output\\"),
                    "SubsPers=" + at("out\\person\\app.p_s"),
                    "AnalPers=" + analyser,
                    "CompPers=" + at("out\\person\\app.p_c")};
        lines.insert(lines.end(), rest.begin(), rest.end());
        return lines;
    }

    static Lines join(std::initializer_list<Lines> parts) {
        Lines all;
        for (const Lines& part : parts)
            all.insert(all.end(), part.begin(), part.end());
        return all;
    }
};

TEST_F(Korrin, TooFewArgumentsPrintTheUsage) {
    for (const Lines& arguments : {Lines{}, Lines{"app.pjt"}}) {
        ProgramRun result = run(arguments);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.output, lfLines(usage));
    }
}

TEST_F(Korrin, ValueOptionWithoutValuePrintsTheUsage) {
    writeFile(dir / "app.pjt", "Source=\"a.c\"\n");
    for (const char* option : {"-pn", "-mp", "-ap", "-cp", "-ext", "-var"}) {
        ProgramRun result = run({"app.pjt", "out", "-rp", option});
        EXPECT_EQ(result.status, 1) << option;
        EXPECT_EQ(result.output, lfLines(usage)) << option;
        EXPECT_TRUE(listTree(dir / "out").empty()) << option;
    }
}

TEST_F(Korrin, ConvertsAProjectWithRelativeSources) {
    writeFile(dir / "app.pjt",
              crlfLines({"[Project Settings]", "CPUFamily=DSPX", "[Source Files]", "Source=\"src\\main.c\"",
                         "Source=\"D:\\shared\\crc.c\"", "Source=\"app.cmd\"", "[\"Compiler\" Settings: \"Debug\"]",
                         "Options=-g -i\"inc\" -d\"_DEBUG\" -dLEVEL=2", "[\"Compiler\" Settings: \"Release\"]",
                         "Options=-o2", "[\"Linker\" Settings: \"Debug\"]", "Options=-m\"app.map\"",
                         "[\"src\\main.c\" Settings: \"Release\"]", "ExcludeFromBuild=true"}));
    ProgramRun result = run({"app.pjt", "out", "-ext", "c,h"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, lfLines({"Creating Corvel/Corvel++ Project ...", "  Creating Group - app",
                                      "  Creating Analyser Personality - " + at("out\\app\\person\\app.p_a"),
                                      "  Creating Group - Debug",
                                      "  Creating Analyser Personality - " + at("out\\app\\Debug\\person\\Debug.p_a"),
                                      "  Creating Group - Release",
                                      "  Creating Analyser Personality - " +
                                          at("out\\app\\Release\\person\\Release.p_a"),
                                      "Corvel/Corvel++ Project Completed!"}));
    Lines expected = join({{"VersionTag45"},
                           block("app", at(""), "out\\app", at("out\\app\\person\\app.p_a"),
                                 {"EndContainedFilesMarker", "StartSubProjectMarker"}),
                           block("Debug", at(""), "out\\app\\Debug", at("out\\app\\Debug\\person\\Debug.p_a"),
                                 {at("src\\main.c"), "D:\\shared\\crc.c", "EndContainedFilesMarker"}),
                           block("Release", at(""), "out\\app\\Release",
                                 at("out\\app\\Release\\person\\Release.p_a"),
                                 {"D:\\shared\\crc.c", "EndContainedFilesMarker"}),
                           {"EndSubProjectMarker"}});
    EXPECT_EQ(readFile(dir / "out/app.prj"), hostText(crlfLines(expected)));
    EXPECT_EQ(readFile(dir / "out/app/Debug/person/Debug.p_a"),
              crlfLines({"-i \"" + at("inc") + "\"", "-d \"CPUFamily=DSPX\"", "-d \"LEVEL=2\"", "-d \"_DEBUG\""}));
    EXPECT_EQ(readFile(dir / "out/app/person/app.p_a"), crlfLines({"-d \"CPUFamily=DSPX\""}));
    EXPECT_EQ(listTree(dir / "out/person"), (Lines{"app.p_c", "app.p_s"}));
}

TEST_F(Korrin, ReplicatesTheSourceTree) {
    writeFile(dir / "app.pjt",
              lfLines({"Source=\"C:\\ti\\motor\\main.c\"", "Source=\"C:\\ti\\motor\\drv\\pwm.c\"",
                       "Source=\"D:\\shared\\crc.c\"", "Source=\"C:\\ti\\motor\\app.cmd\"",
                       "[\"Compiler\" Settings: \"Debug\"]", "Options=-i\"C:\\ti\\include\" -dLEVEL=2",
                       "[\"Compiler\" Settings: \"Release\"]", "Options=-o2",
                       "[\"C:\\ti\\motor\\drv\\pwm.c\" Settings: \"Release\"]", "ExcludeFromBuild=true"}));
    ProgramRun result = run({"app.pjt", "out", "-rp", "-ext", "c,h"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output,
              lfLines({"Creating Corvel/Corvel++ Project ...", "  Creating Group - app", "  Creating Group - Debug",
                       "  Creating Analyser Personality - " + at("out\\app\\Debug\\person\\Debug.p_a"),
                       "  Creating Group - C_colon", "  Creating Group - ti", "  Creating Group - motor",
                       "  Creating Group - drv", "  Creating Group - D_colon", "  Creating Group - shared",
                       "  Creating Group - Release", "  Creating Group - C_colon", "  Creating Group - ti",
                       "  Creating Group - motor", "  Creating Group - D_colon", "  Creating Group - shared",
                       "Corvel/Corvel++ Project Completed!"}));
    const std::string shared = at("out\\person\\app.p_a");
    const std::string debugOwn = at("out\\app\\Debug\\person\\Debug.p_a");
    auto folders = [&](const std::string& config, const std::string& analyser, bool withDriver) {
        const std::string base = "out\\app\\" + config;
        Lines driver = withDriver ? join({block("drv", folderGroupSource("C:\\ti\\motor\\drv"), base + "\\C_colon\\ti\\motor\\drv",
                                                analyser, {"C:\\ti\\motor\\drv\\pwm.c", "EndContainedFilesMarker"}),
                                          {"EndSubProjectMarker"}})
                                  : Lines{};
        return join({block("C_colon", folderGroupSource("C:"), base + "\\C_colon", analyser,
                           {"EndContainedFilesMarker", "StartSubProjectMarker"}),
                     block("ti", folderGroupSource("C:\\ti"), base + "\\C_colon\\ti", analyser,
                           {"EndContainedFilesMarker", "StartSubProjectMarker"}),
                     block("motor", folderGroupSource("C:\\ti\\motor"), base + "\\C_colon\\ti\\motor", analyser,
                           withDriver ? Lines{"C:\\ti\\motor\\main.c", "EndContainedFilesMarker", "StartSubProjectMarker"}
                                      : Lines{"C:\\ti\\motor\\main.c", "EndContainedFilesMarker"}),
                     driver,
                     {"EndSubProjectMarker", "EndSubProjectMarker"},
                     block("D_colon", folderGroupSource("D:"), base + "\\D_colon", analyser,
                           {"EndContainedFilesMarker", "StartSubProjectMarker"}),
                     block("shared", folderGroupSource("D:\\shared"), base + "\\D_colon\\shared", analyser,
                           {"D:\\shared\\crc.c", "EndContainedFilesMarker"}),
                     {"EndSubProjectMarker"}});
    };
    Lines expected = join({{"VersionTag45"},
                           block("app", at(""), "out\\app", shared,
                                 {"EndContainedFilesMarker", "StartSubProjectMarker"}),
                           block("Debug", at(""), "out\\app\\Debug", debugOwn,
                                 {"EndContainedFilesMarker", "StartSubProjectMarker"}),
                           folders("Debug", debugOwn, true),
                           {"EndSubProjectMarker"},
                           block("Release", at(""), "out\\app\\Release", shared,
                                 {"EndContainedFilesMarker", "StartSubProjectMarker"}),
                           folders("Release", shared, false),
                           {"EndSubProjectMarker", "EndSubProjectMarker"}});
    EXPECT_EQ(readFile(dir / "out/app.prj"), hostText(crlfLines(expected)));
    EXPECT_EQ(readFile(dir / "out/person/app.p_a"), "");
    EXPECT_TRUE(fs::is_directory(dir / "out/app/Release/C_colon/ti/motor/person"));
    EXPECT_FALSE(fs::exists(dir / "out/app/Release/C_colon/ti/motor/drv"));
}

TEST_F(Korrin, LineEndsDoNotChangeTheResult) {
    Lines project{"CPUFamily=X", "Source=\"a.c\"", "[\"Compiler\" Settings: \"Debug\"]", "Options=-dA=1 -i\"inc\"",
                  "[\"a.c\" Settings: \"Debug\"]", "ExcludeFromBuild=true", "Source=\"b.c\""};
    writeFile(dir / "app.pjt", crlfLines(project));
    ASSERT_EQ(run({"app.pjt", "out"}).status, 0);
    std::string prj = readFile(dir / "out/app.prj");
    std::string personality = readFile(dir / "out/app/Debug/person/Debug.p_a");
    EXPECT_EQ(personality, crlfLines({"-i \"" + at("inc") + "\"", "-d \"A=1\"", "-d \"CPUFamily=X\""}));

    writeFile(dir / "app.pjt", lfLines(project));
    ASSERT_EQ(run({"app.pjt", "out"}).status, 0);
    EXPECT_EQ(readFile(dir / "out/app.prj"), prj);
    EXPECT_EQ(readFile(dir / "out/app/Debug/person/Debug.p_a"), personality);
}

TEST_F(Korrin, OptionsAreScannedInOrderAndLastValuesWin) {
    writeFile(dir / "app.pjt", "Source=\"a.c\"\nSource=\"b.h\"\nSource=\"c.x\"\n");
    ProgramRun result = run({"app.pjt", "out", "-pn", "first", "-pn", "second", "-ext", "c", "-ext", "h", "-RP"});
    EXPECT_EQ(result.status, 0);
    ProjectBlock root = readPrjFile(readFile(dir / "out/second.prj"));
    EXPECT_EQ(root.files, (Lines{at("a.c"), at("b.h")}));
    EXPECT_TRUE(root.children.empty());
    // '-pn -rp' names the project '-rp' and turns on replication too.
    result = run({"app.pjt", "out", "-pn", "-rp"});
    EXPECT_EQ(result.status, 0);
    EXPECT_FALSE(readPrjFile(readFile(dir / "out/-rp.prj")).children.empty());
}

TEST_F(Korrin, BuildMacrosBeginningAPath) {
    writeFile(dir / "app.pjt",
              crlfLines({"Source=\"$(Proj_dir)\\src\\main.c\"", "Source=\"$(Install_dir)\\lib\\rts.c\"",
                         "[\"Compiler\" Settings: \"Debug\"]",
                         "Options=-g -i\"$(Proj_dir)\\..\\common\" -i\"$(INSTALL_DIR)\\include\" "
                         "-i\"%BIOS_INSTALL_DIR%\\packages\" -i\"inc\\$(Proj_dir)\" -d\"NUMST=1\" -ml",
                         "[\"$(Proj_dir)\\src\\main.c\" Settings: \"Debug\"]", "ExcludeFromBuild=false"}));
    ProgramRun result = run({"app.pjt", "out"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output,
              lfLines({"Creating Corvel/Corvel++ Project ...", "  Unresolved macro - $(Install_dir)",
                       "  Unresolved macro - %BIOS_INSTALL_DIR%", "  Creating Group - app", "  Creating Group - Debug",
                       "  Creating Analyser Personality - " + at("out\\app\\Debug\\person\\Debug.p_a"),
                       "Corvel/Corvel++ Project Completed!"}));
    EXPECT_EQ(readPrjFile(readFile(dir / "out/app.prj")).children.at(0).files,
              (Lines{at("src\\main.c"), hostText("$(Install_dir)\\lib\\rts.c")}));
    EXPECT_EQ(readFile(dir / "out/app/Debug/person/Debug.p_a"),
              hostText(crlfLines({"-i \"$(INSTALL_DIR)\\include\"", "-i \"%BIOS_INSTALL_DIR%\\packages\"",
                                  "-i \"" + at("..\\common") + "\"", "-i \"" + at("inc\\$(Proj_dir)") + "\"",
                                  "-d \"NUMST=1\""})));

    result = run({"app.pjt", "out", "-var", "install_dir=C:\\old", "-var", "Install_Dir=C:\\CCStudio_v3.3", "-var",
                  "BIOS_INSTALL_DIR=/opt/bios", "-var", "ignored"});
    EXPECT_EQ(result.output.find("Unresolved"), std::string::npos);
    EXPECT_EQ(readPrjFile(readFile(dir / "out/app.prj")).children.at(0).files,
              (Lines{at("src\\main.c"), hostText("C:\\CCStudio_v3.3\\lib\\rts.c")}));
    std::string personality = readFile(dir / "out/app/Debug/person/Debug.p_a");
    // A value is a path of this host, written as Korrin writes paths.
    EXPECT_NE(personality.find(hostText("-i \"\\opt\\bios\\packages\"\r\n")), std::string::npos);
    EXPECT_NE(personality.find(hostText("-i \"C:\\CCStudio_v3.3\\include\"\r\n")), std::string::npos);

    result = run({"app.pjt", "out", "-var", "Proj_dir=E:\\proj"});
    EXPECT_EQ(readPrjFile(readFile(dir / "out/app.prj")).children.at(0).files.at(0), hostText("E:\\proj\\src\\main.c"));
}

TEST_F(Korrin, GivenPersonalities) {
    writeFile(dir / "app.pjt", lfLines({"Source=\"a.c\"", "[\"Compiler\" Settings: \"Debug\"]", "Options=-dA",
                                        "[\"Compiler\" Settings: \"Release\"]"}));
    writeFile(dir / "tpl.p_a", "-d \"T\"\r\nlf line\nlast");
    ProgramRun result = run({"app.pjt", "out", "-mp", "m.p_s", "-ap", "tpl.p_a", "-cp", "/abs/c.p_c"});
    EXPECT_EQ(result.status, 0);
    std::string prj = readFile(dir / "out/app.prj");
    EXPECT_NE(prj.find("SubsPers=" + at("m.p_s") + "\r\n"), std::string::npos);
    EXPECT_NE(prj.find(hostText("CompPers=\\abs\\c.p_c\r\n")), std::string::npos);
    EXPECT_EQ(listTree(dir / "out/person"), (Lines{"app.p_a"}));
    EXPECT_EQ(readFile(dir / "out/person/app.p_a"), "-d \"T\"\r\nlf line\r\nlast");
    EXPECT_EQ(readFile(dir / "out/app/Debug/person/Debug.p_a"), "-d \"A\"\r\n-d \"T\"\r\nlf line\r\nlast");

    // A second run keeps the shared copy but rewrites the group's own file.
    writeFile(dir / "tpl.p_a", "changed\n");
    ASSERT_EQ(run({"app.pjt", "out", "-ap", "tpl.p_a"}).status, 0);
    EXPECT_EQ(readFile(dir / "out/person/app.p_a"), "-d \"T\"\r\nlf line\r\nlast");
    EXPECT_EQ(readFile(dir / "out/app/Debug/person/Debug.p_a"), "-d \"A\"\r\nchanged\r\n");
}

TEST_F(Korrin, MissingTemplateIsReportedAndTheRunGoesOn) {
    writeFile(dir / "app.pjt", lfLines({"Source=\"a.c\"", "Options=-dA"}));
    fs::create_directory(dir / "folder.p_a");
    for (const char* missing : {"missing.p_a", "folder.p_a"}) {
        ProgramRun result = run({"app.pjt", "out", "-ap", missing});
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.output, lfLines({"Creating Corvel/Corvel++ Project ...", "  Creating Group - app",
                                          "  Creating Analyser Personality - " + at("out\\app\\person\\app.p_a"),
                                          "Couldnt open file", "Corvel/Corvel++ Project Completed!"}));
        EXPECT_EQ(readFile(dir / "out/app/person/app.p_a"), crlfLines({"-d \"A\""}));
    }
}

TEST_F(Korrin, UnreadableProjectFile) {
    fs::create_directory(dir / "folder.pjt");
    for (const char* source : {"missing.pjt", "folder.pjt"}) {
        ProgramRun result = run({source, "out"});
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.output, lfLines({"Could not open file: " + at(source)}));
        EXPECT_TRUE(listTree(dir / "out").empty());
    }
    ProgramRun result = run({(dir / "sub/missing.pjt").string(), "out"});
    EXPECT_EQ(result.output, lfLines({"Could not open file: " + at("sub\\missing.pjt")}));
}

TEST_F(Korrin, DestinationThatCannotBeWritten) {
    writeFile(dir / "app.pjt", "Source=\"a.c\"\n");
    ProgramRun result = run({"app.pjt", "nowhere"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, lfLines({"Could not write file: " + at("nowhere\\app.prj")}));
    EXPECT_FALSE(fs::exists(dir / "nowhere"));

    fs::create_directory(dir / "out/app.prj");
    result = run({"app.pjt", "out"});
    EXPECT_EQ(result.output, lfLines({"Could not write file: " + at("out\\app.prj")}));
}

TEST_F(Korrin, GroupFolderThatCannotBeCreated) {
    writeFile(dir / "app.pjt", lfLines({"Source=\"a.c\"", "[\"Compiler\" Settings: \"Debug\"]"}));
    writeFile(dir / "out/app/Debug", "a file in the way");
    ProgramRun result = run({"app.pjt", "out"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, lfLines({"Creating Corvel/Corvel++ Project ...", "  Creating Group - app",
                                      "Could not create directory: " + at("out\\app\\Debug")}));
    std::string prj = readFile(dir / "out/app.prj");
    EXPECT_EQ(prj.substr(prj.size() - 48), "EndContainedFilesMarker\r\nStartSubProjectMarker\r\n");
}

TEST_F(Korrin, RefusesToWriteOutsideTheDestination) {
    fs::create_directory(dir / "out/inner");
    // With "-rp" the project also holds a source whose folder chain no host
    // could create: the name is still what is reported.
    std::string deepSource = "Source=\"C:\\";
    for (int level = 0; level < 2100; ++level)
        deepSource += "d\\";
    deepSource += "f.c\"";
    // Alone, that source is all the named group holds.
    for (const Lines& sources : {Lines{"Source=\"a.c\"", deepSource}, Lines{deepSource}}) {
        for (const char* configuration : {"..\\..\\x", "a/../../.."}) {
            for (const Lines& options : {Lines{}, Lines{"-rp"}}) {
                Lines project = sources;
                project.insert(project.end(), {"[\"Compiler\" Settings: \"Debug\"]",
                                               std::string("[\"Compiler\" Settings: \"") + configuration + "\"]"});
                writeFile(dir / "app.pjt", lfLines(project));
                Lines arguments{"app.pjt", "out/inner"};
                arguments.insert(arguments.end(), options.begin(), options.end());
                ProgramRun result = run(arguments);
                EXPECT_EQ(result.status, 1);
                EXPECT_EQ(result.output, lfLines({"Refusing to write outside the destination folder: " +
                                                  hostText(configuration)}));
                EXPECT_EQ(listTree(dir / "out"), (Lines{"inner/"}));
            }
        }
    }
    // The folder chain of a source can name a folder group the same way.
    writeFile(dir / "app.pjt", "Source=\"C:\\a/../../../..\\f.c\"\n");
    ProgramRun result = run({"app.pjt", "out/inner", "-rp"});
    EXPECT_EQ(result.output, lfLines({"Refusing to write outside the destination folder: " + hostText("a/../../../..")}));
    EXPECT_EQ(listTree(dir / "out"), (Lines{"inner/"}));
}

// A project file named '.pjt' gives the root group the empty name; its
// folder is still its parent's, "\\" and its name.
TEST_F(Korrin, EmptyRootNameKeepsItsSeparator) {
    writeFile(dir / ".pjt", lfLines({"CPUFamily=X", "Source=\"a.c\"", "[\"Compiler\" Settings: \"Debug\"]"}));
    for (const std::string destination : {"out", "out/"}) {
        const std::string out = at(destination);
        const std::string root = out + hostText("\\");
        ProgramRun result = run({".pjt", destination});
        EXPECT_EQ(result.status, 0) << destination;
        EXPECT_EQ(result.output,
                  lfLines({"Creating Corvel/Corvel++ Project ...", "  Creating Group - ",
                           "  Creating Analyser Personality - " + root + hostText("\\person\\.p_a"), "  Creating Group - Debug",
                           "Corvel/Corvel++ Project Completed!"}))
            << destination;
        const Lines personalities{"SubsPers=" + out + hostText("\\person\\.p_s"), "AnalPers=" + root + hostText("\\person\\.p_a"),
                                  "CompPers=" + out + hostText("\\person\\.p_c")};
        EXPECT_EQ(readFile(dir / "out/.prj"),
                  crlfLines(join({{"VersionTag45", "StartProjectMarker", "FolderName=", "SourcePath=" + at(""),
                                   "OutputPath=" + root + hostText("\\output\\")},
                                  personalities,
                                  {"EndContainedFilesMarker", "StartSubProjectMarker", "StartProjectMarker",
                                   "FolderName=Debug", "SourcePath=" + at(""), "OutputPath=" + out + hostText("\\Debug\\output\\")},
                                  personalities,
                                  {at("a.c"), "EndContainedFilesMarker", "EndSubProjectMarker"}})))
            << destination;
        fs::remove_all(dir / "out");
        fs::create_directory(dir / "out");
    }
}

// Each "-ext" adds the items between its commas, and a source is taken
// whose extension is one of them, letter case aside.
TEST_F(Korrin, EveryExtensionListAddsItsItems) {
    writeFile(dir / "app.pjt", lfLines({"Source=\"a.cpp\"", "Source=\"b.H\"", "Source=\"c.c\"", "Source=\"d\"",
                                        "Source=\"e.x\"", "Source=\"f.txt\""}));
    EXPECT_EQ(run({"app.pjt", "out", "-ext", "cpp,h", "-ext", "C,", "-ext", "x"}).status, 0);
    EXPECT_EQ(readPrjFile(readFile(dir / "out/app.prj")).files,
              (Lines{at("a.cpp"), at("b.H"), at("c.c"), at("e.x")}));
}

TEST_F(Korrin, NamesThatStayInsideAreWritten) {
    writeFile(dir / "app.pjt", lfLines({"Source=\"a.c\"", "[\"Compiler\" Settings: \"Debug\\ARM\"]",
                                        "[\"Compiler\" Settings: \"src/../lib\"]"}));
    ProgramRun result = run({"app.pjt", "out"});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(fs::is_directory(dir / "out/app/Debug/ARM/output"));
    EXPECT_TRUE(fs::is_directory(dir / "out/app/lib/person"));
}

// On Linux every path Korrin writes or prints is a Linux path, the folder
// groups mirrored from "/"; a group's name and a definition keep their "\".
TEST_F(Korrin, PathsAreThisHostsNamesAndDefinitionsKeepTheirBytes) {
    writeFile(dir / "app.pjt", lfLines({"Source=\"src\\main.c\"", "Source=\"C:\\ti\\rts.c\"",
                                        "[\"Compiler\" Settings: \"Debug\\ARM\"]",
                                        "Options=-i\"inc\\board\" -d\"DIR=a\\b\""}));
    const ProgramRun result = run({"app.pjt", "out", "-rp"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(nonPosixPathLines((dir / "out").string()), Lines{});
    const std::string prj = readFile(dir / "out/app.prj");
    for (const std::string& line : Lines{"FolderName=Debug\\ARM\r\n", "SourcePath=" + at("src/") + "\r\n",
                                    "SourcePath=/C:/ti/\r\n", "C:/ti/rts.c\r\n"})
        EXPECT_NE(prj.find(line), std::string::npos) << line << prj;
    EXPECT_EQ(readFile(dir / "out/app/Debug/ARM/person/ARM.p_a"),
              crlfLines({"-i \"" + at("inc/board") + "\"", "-d \"DIR=a\\b\""}));
    EXPECT_NE(result.output.find("  Creating Group - Debug\\ARM\n"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("  Creating Analyser Personality - " + at("out/app/Debug/ARM/person/ARM.p_a")),
              std::string::npos) << result.output;
}

TEST_F(Korrin, ConvertsTheBundledExample) {
    fs::copy(KORRIN_EXAMPLES "/app", dir / "app", fs::copy_options::recursive);
    ProgramRun result = run({"app/app.pjt", "out", "-rp", "-ext", "c,h"});
    EXPECT_EQ(result.status, 0);
    ProjectBlock root = readPrjFile(readFile(dir / "out/app.prj"));
    ASSERT_EQ(root.children.size(), 2u);
    Lines debug = filesBelow(root.children[0]);
    Lines release = filesBelow(root.children[1]);
    std::sort(debug.begin(), debug.end());
    Lines expected{hostText("D:\\shared\\crc\\crc16.c"), at("app\\include\\board.h"), at("app\\lib\\filter.c"),
                   at("app\\src\\main.c"), at("app\\src\\pwm.c"), at("app\\src\\trace.c")};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(debug, expected);
    EXPECT_EQ(release.size(), 5u);
    EXPECT_EQ(std::count(release.begin(), release.end(), at("app\\src\\pwm.c")), 0);
}

}  // namespace
