#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "KorrinFolder.h"
#include "PrjFileShape.h"
#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;
using Lines = std::vector<std::string>;

std::string projectFile(const std::string& name, const std::string& links, const std::string& variables) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<projectDescription>\n<name>" + name +
           "</name>\n<natures><nature>com.ti.ccstudio.core.ccsNature</nature></natures>\n<linkedResources>" +
           links + "</linkedResources>\n<variableList>" + variables + "</variableList>\n</projectDescription>\n";
}

std::string link(const std::string& name, int type, const std::string& uri) {
    return "<link><name>" + name + "</name><type>" + std::to_string(type) + "</type><locationURI>" + uri +
           "</locationURI></link>\n";
}

std::string listOption(const std::string& key, const Lines& values) {
    std::string option = "<option superClass=\"com.ti.ccstudio.buildDefinitions.C2000_15.12.compilerID." + key + "\">";
    for (const std::string& value : values)
        option += "<listOptionValue builtIn=\"false\" value=\"" + value + "\"/>";
    return option + "</option>\n";
}

std::string compilerTool(const std::string& options) {
    return "<tool superClass=\"com.ti.ccstudio.buildDefinitions.C2000_15.12.exe.compilerDebug\">\n" + options + "</tool>";
}

// resources: the fileInfo and folderInfo elements of files and folders with
// settings of their own.
std::string configuration(const std::string& name, const Lines& includes, const Lines& defines,
                          const std::string& excluding, const std::string& resources = "") {
    return "<cconfiguration><storageModule moduleId=\"cdtBuildSystem\"><configuration name=\"" + name +
           "\">\n<folderInfo resourcePath=\"\"><toolChain>\n" +
           compilerTool(listOption("INCLUDE_PATH", includes) + listOption("DEFINE", defines)) +
           "</toolChain></folderInfo>\n" + resources + "<sourceEntries><entry excluding=\"" + excluding +
           "\" kind=\"sourcePath\" name=\"\"/></sourceEntries>\n</configuration></storageModule></cconfiguration>\n";
}

std::string cprojectFile(const std::string& configurations) {
    return "<?xml version=\"1.0\"?>\n<?fileVersion 4.0.0?><cproject><storageModule moduleId=\"org.eclipse.cdt.core.settings\">\n" +
           configurations + "</storageModule></cproject>\n";
}

// A C2000 project 'motor' in app/ with two configurations, a file and a
// folder linked from beside it, a link through a variable nobody gave, a
// build folder and a dot folder.
class CcsProject : public KorrinFolder {
protected:
    CcsProject() {
        writeFile(dir / "app/.project",
                  projectFile("motor",
                              link("crc.c", 1, "PARENT-1-PROJECT_LOC/shared/crc.c") + link("drivers", 2, "DRIVERS") +
                                  link("sdk.c", 1, "COM_TI_SDK_INSTALL_DIR/sdk.c"),
                              "<variable><name>DRIVERS</name><value>$%7BPARENT-1-PROJECT_LOC%7D/drivers</value></variable>"));
        writeFile(dir / "app/.cproject",
                  cprojectFile(configuration("Debug", {"&quot;${PROJECT_ROOT}/inc&quot;", "&quot;${CG_TOOL_ROOT}/include&quot;", "../common"},
                                             {"&quot;_DEBUG&quot;", "LEVEL=2"}, "") +
                               configuration("Release", {"&quot;${PROJECT_ROOT}/inc&quot;"}, {"NDEBUG"}, "test|main_old.c")));
        writeFile(dir / "app/.ccsproject", "<?xml version=\"1.0\"?><projectOptions/>\n");
        for (const char* file : {"app/main.c", "app/main_old.c", "app/inc/board.h", "app/test/t.c", "app/app.cmd",
                                 "app/Debug/gen.c", "app/.settings/x.c", "shared/crc.c", "drivers/pwm.c", "drivers/pwm.h"})
            writeFile(dir / file, "int x;\n");
    }

    Lines block(const std::string& name, const std::string& folder, const std::string& analyser, const Lines& files) const {
        Lines lines{"StartProjectMarker",
                    "FolderName=" + name,
                    "SourcePath=" + at("app\\"),
                    "OutputPath=" + at(folder + "\\output\\"),
                    "SubsPers=" + at("out\\person\\motor.p_s"),
                    "AnalPers=" + analyser,
                    "CompPers=" + at("out\\person\\motor.p_c")};
        lines.insert(lines.end(), files.begin(), files.end());
        lines.push_back("EndContainedFilesMarker");
        return lines;
    }
};

TEST_F(CcsProject, ConvertsConfigurationsSourcesAndLinks) {
    ProgramRun result = run({"app", "out"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output,
              lfLines({started, "  Unresolved macro - ${COM_TI_SDK_INSTALL_DIR}", "  Unresolved macro - ${CG_TOOL_ROOT}",
                       "  Creating Group - motor", "  Creating Group - Debug",
                       "  Creating Analyser Personality - " + at("out\\motor\\Debug\\person\\Debug.p_a"),
                       "  Creating Group - Release",
                       "  Creating Analyser Personality - " + at("out\\motor\\Release\\person\\Release.p_a"), completed}));
    const Lines links{at("shared\\crc.c"), at("drivers\\pwm.c"), at("drivers\\pwm.h"), hostText("COM_TI_SDK_INSTALL_DIR\\sdk.c")};
    Lines debug{at("app\\inc\\board.h"), at("app\\main.c"), at("app\\main_old.c"), at("app\\test\\t.c")};
    debug.insert(debug.end(), links.begin(), links.end());
    Lines release{at("app\\inc\\board.h"), at("app\\main.c")};
    release.insert(release.end(), links.begin(), links.end());
    Lines expected{"VersionTag45"};
    for (const Lines& part : {block("motor", "out\\motor", at("out\\person\\motor.p_a"), {}), Lines{"StartSubProjectMarker"},
                              block("Debug", "out\\motor\\Debug", at("out\\motor\\Debug\\person\\Debug.p_a"), debug),
                              block("Release", "out\\motor\\Release", at("out\\motor\\Release\\person\\Release.p_a"), release),
                              Lines{"EndSubProjectMarker"}})
        expected.insert(expected.end(), part.begin(), part.end());
    EXPECT_EQ(readFile(dir / "out/motor.prj"), crlfLines(expected));
    EXPECT_EQ(readFile(dir / "out/motor/Debug/person/Debug.p_a"),
              crlfLines({"-i \"${CG_TOOL_ROOT}/include\"", "-i \"" + at("app\\common") + "\"",
                         "-i \"" + at("app\\inc") + "\"", "-d \"LEVEL=2\"", "-d \"_DEBUG\""}));
}

TEST_F(CcsProject, EveryFileOfTheProjectNamesIt) {
    const std::string whole = (run({"app", "out"}), readFile(dir / "out/motor.prj"));
    for (const char* source : {"app/.project", "app/.cproject", "app/.ccsproject", "app/"}) {
        fs::remove_all(dir / "out");
        fs::create_directory(dir / "out");
        ProgramRun result = run({source, "out", "-var", "CG_TOOL_ROOT=C:\\ti\\cgt"});
        EXPECT_EQ(result.status, 0) << source;
        EXPECT_EQ(result.output.find("Unresolved macro - ${CG_TOOL_ROOT}"), std::string::npos) << source;
        EXPECT_EQ(readFile(dir / "out/motor.prj"), whole) << source;
    }
    // "-pn" names the project and its root group.
    ProgramRun result = run({"app", "out", "-pn", "drive"});
    ASSERT_EQ(result.status, 0);
    EXPECT_EQ(readPrjFile(readFile(dir / "out/drive.prj")).name, "drive");
}

// A file or folder whose settings change the include folders or the
// definitions gets a group of its own, with a personality of what is in
// force there; one that repeats the configuration's does not.
TEST_F(CcsProject, FilesAndFoldersWithSettingsOfTheirOwn) {
    const std::string resources =
        "<folderInfo resourcePath=\"test\"><toolChain>" +
        compilerTool(listOption("INCLUDE_PATH", {"${PROJECT_ROOT}/test/inc"})) + "</toolChain></folderInfo>\n" +
        "<folderInfo resourcePath=\"inc\"><toolChain>" + compilerTool(listOption("DEFINE", {"LEVEL=2"})) +
        "</toolChain></folderInfo>\n<fileInfo resourcePath=\"main.c\">" +
        compilerTool(listOption("DEFINE", {"LEVEL=3"})) + "</fileInfo>\n";
    writeFile(dir / "app/.cproject", cprojectFile(configuration("Debug", {"${PROJECT_ROOT}/inc"}, {"LEVEL=2"}, "", resources)));
    ASSERT_EQ(run({"app", "out", "-ext", "c,h"}).status, 0);
    const ProjectBlock debug = readPrjFile(readFile(dir / "out/motor.prj")).children.at(0);
    EXPECT_EQ(debug.files, (Lines{at("app\\inc\\board.h"), at("app\\main_old.c"), at("shared\\crc.c"),
                                  at("drivers\\pwm.c"), at("drivers\\pwm.h"), hostText("COM_TI_SDK_INSTALL_DIR\\sdk.c")}));
    ASSERT_EQ(debug.children.size(), 2u);
    EXPECT_EQ(debug.children[0].name, "main.c");
    EXPECT_EQ(debug.children[0].files, Lines{at("app\\main.c")});
    EXPECT_EQ(debug.children[1].name, "test");
    EXPECT_EQ(debug.children[1].files, Lines{at("app\\test\\t.c")});
    EXPECT_EQ(readFile(dir / "out/motor/Debug/main.c/person/main.c.p_a"),
              crlfLines({"-i \"" + at("app\\inc") + "\"", "-d \"LEVEL=3\""}));
    EXPECT_EQ(readFile(dir / "out/motor/Debug/test/person/test.p_a"),
              crlfLines({"-i \"" + at("app\\test\\inc") + "\"", "-d \"LEVEL=2\""}));
}

// No line of a .prj could name a file whose name holds a line end.
TEST_F(CcsProject, FilesWhoseNameHoldsALineEndAreLeftOut) {
    writeFile(dir / "app/a\nb.c", "int ab;\n");
    ASSERT_EQ(run({"app", "out", "-ext", "c"}).status, 0);
    const std::string prj = readFile(dir / "out/motor.prj");
    EXPECT_EQ(prj.find("a\nb.c"), std::string::npos);
    EXPECT_NO_THROW(readPrjFile(prj));
}

TEST_F(CcsProject, ExtensionsChooseTheFiles) {
    ASSERT_EQ(run({"app", "out", "-ext", "cmd"}).status, 0);
    const ProjectBlock root = readPrjFile(readFile(dir / "out/motor.prj"));
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].files, Lines{at("app\\app.cmd")});
}

// The name comes from the project file: it may not lead the .prj out of the
// destination, even when no group is written.
TEST_F(CcsProject, ANameLeavingTheDestinationIsRefused) {
    writeFile(dir / "app/.project", projectFile("../../x", "", ""));
    writeFile(dir / "app/.cproject", cprojectFile(configuration("Debug", {}, {}, "")));
    fs::remove_all(dir / "app/inc");
    for (const char* file : {"app/main.c", "app/main_old.c", "app/test/t.c"})
        fs::remove(dir / file);
    ProgramRun result = run({"app", "out"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, "Refusing to write outside the destination folder: ../../x\n");
    EXPECT_TRUE(listTree(dir / "out").empty());
    EXPECT_FALSE(fs::exists(dir / "x.prj"));
}

TEST_F(CcsProject, LoopsAndFoldersReachedTwiceAreWalkedOnce) {
    fs::create_directory_symlink(dir / "app", dir / "app/inc/again");
    writeFile(dir / "app/.project",
              projectFile("motor", link("up", 2, "PARENT-1-PROJECT_LOC") + link("drivers", 2, "PARENT-1-PROJECT_LOC/drivers") +
                                       link("twice", 2, "PARENT-1-PROJECT_LOC/drivers"), ""));
    ProgramRun result = run({"app", "out", "-ext", "h"});
    ASSERT_EQ(result.status, 0);
    const ProjectBlock root = readPrjFile(readFile(dir / "out/motor.prj"));
    // The project folder was walked before the link to its parent reached it again.
    EXPECT_EQ(root.children[0].files, (Lines{at("app\\inc\\board.h"), at("drivers\\pwm.h")}));
}

// What a tool of TI's names an option: "<tool>.compilerID.<key>".
std::string toolOption(const std::string& tool, const std::string& key, const std::string& value,
                       const std::string& type) {
    const std::string id = "com.ti.ccstudio.buildDefinitions." + tool + ".compilerID." + key;
    return "<option superClass=\"" + id + "\" value=\"" + (type == "enumerated" ? id + "." : "") + value +
           "\" valueType=\"" + type + "\"/>\n";
}

// A configuration compiled by the tool, with the compiler's options and the
// tool chain's version and device.
std::string compilerConfiguration(const std::string& name, const std::string& tool, const std::string& options,
                                  const std::string& toolChainOptions) {
    return "<cconfiguration><storageModule moduleId=\"cdtBuildSystem\"><configuration name=\"" + name +
           "\">\n<folderInfo resourcePath=\"\"><toolChain>\n" + toolChainOptions +
           "<tool superClass=\"com.ti.ccstudio.buildDefinitions." + tool + ".exe.compilerDebug\">\n" + options +
           "</tool></toolChain></folderInfo>\n</configuration></storageModule></cconfiguration>\n";
}

// The arguments of each file of a database, by the file's name, up to the
// source's own include folders and definitions.
std::map<std::string, Lines> argumentsByFile(const std::string& text) {
    std::map<std::string, Lines> result;
    for (const nlohmann::json& entry : nlohmann::json::parse(text)) {
        Lines arguments;
        for (const nlohmann::json& argument : entry["arguments"]) {
            const std::string each = argument;
            if (each.compare(0, 12, "-ivfsoverlay") == 0)
                break;
            arguments.push_back(each);
        }
        result[fs::path(entry["file"].get<std::string>()).filename().string()] = arguments;
    }
    return result;
}

// Each configuration's compiler decides what clang is told of it: TI's C28x
// compiler with its floating point, memory model, CLA and dialect options, an
// option file and a file read first, TI's clang-based ARM compiler with its processor.
TEST_F(CcsProject, DatabasesTellEachConfigurationsCompiler) {
    const std::string c2000 = "C2000_22.6";
    const std::string tiarmclang = "TMS470_TICLANG_3.2";
    const std::string debug =
        toolOption(c2000, "SILICON_VERSION", "28", "enumerated") + toolOption(c2000, "FLOAT_SUPPORT", "fpu32", "enumerated") +
        toolOption(c2000, "CLA_SUPPORT", "cla1", "enumerated") + toolOption(c2000, "LARGE_MEMORY_MODEL", "true", "boolean") +
        toolOption(c2000, "C_DIALECT", "C99", "enumerated") + toolOption(c2000, "OPT_LEVEL", "2", "enumerated") +
        toolOption(c2000, "CMD_FILE", "${PROJECT_ROOT}/device.opt", "string") +
        "<option superClass=\"com.ti.ccstudio.buildDefinitions.C2000_22.6.compilerID.PREINCLUDE\" valueType=\"stringList\">"
        "<listOptionValue value=\"&quot;${PROJECT_ROOT}/config.h&quot;\"/></option>\n" +
        listOption("DEFINE", {"_DEBUG"});
    const std::string version =
        "<option superClass=\"com.ti.ccstudio.buildDefinitions.core.OPT_CODEGEN_VERSION\" value=\"22.6.1.LTS\"/>\n";
    const std::string arm = toolOption(tiarmclang, "MCPU", "cortex-m0plus", "string") +
                            toolOption(tiarmclang, "MFLOAT_ABI", "soft", "enumerated") +
                            toolOption(tiarmclang, "STD_C", "gnu9x", "enumerated");
    writeFile(dir / "app/.cproject", cprojectFile(compilerConfiguration("Debug", c2000, debug, version) +
                                                  compilerConfiguration("Arm", tiarmclang, arm, "")));
    writeFile(dir / "app/.ccsproject",
              "<?xml version=\"1.0\"?><projectOptions><codegenToolVersion value=\"3.2.0.LTS\"/></projectOptions>\n");
    for (const char* file : {"app/config.h", "app/task.cla", "app/view.cpp"})
        writeFile(dir / file, "int y;\n");
    writeFile(dir / "app/device.opt", "-DDEVICE_OPT\n--include_path=\"${PROJECT_ROOT}/opt\" --c11\n");
    fs::remove_all(dir / "app/test");
    fs::remove(dir / "app/main_old.c");
    ASSERT_EQ(run({"app", "out", "-cdb", "-ext", "c,cla,cpp"}).status, 0);

    // What the family's table adds is checked through the analysers; here
    // what the project's options, option file and files read first give.
    auto expectAll = [](const Lines& arguments, const Lines& expected, const std::string& file) {
        for (const std::string& argument : expected)
            EXPECT_NE(std::find(arguments.begin(), arguments.end(), argument), arguments.end()) << file << " " << argument;
    };
    auto endsWith = [](const Lines& arguments, const Lines& tail) {
        return arguments.size() >= tail.size() && std::equal(tail.begin(), tail.end(), arguments.end() - tail.size());
    };
    const std::string intrinsics = (dir / "out/motor/Debug/ti-intrinsics.h").string();
    // The option file adds an include folder, a definition and the dialect.
    const Lines own{"-I" + (dir / "app/opt").string(), "-DDEVICE_OPT", "-D_DEBUG", "-include", intrinsics, "-include",
                    (dir / "app/config.h").string()};
    const auto debugUnits = argumentsByFile(readFile(dir / "out/motor/Debug/compile_commands.json"));
    const Lines c28x{"-std=gnu11", "-D__TI_COMPILER_VERSION__=22006001", "-D__TMS320C28XX_FPU32__", "-D__LARGE_MODEL__"};
    expectAll(debugUnits.at("main.c"), c28x, "main.c");
    expectAll(debugUnits.at("task.cla"), c28x, "task.cla");
    expectAll(debugUnits.at("task.cla"), {"-D__TMS320C28XX_CLA__", "-D__TMS320C28XX_CLA1__"}, "task.cla");
    expectAll(debugUnits.at("view.cpp"), {"-D__TI_COMPILER_VERSION__=22006001", "-Drestrict=__restrict"}, "view.cpp");
    for (const char* file : {"main.c", "task.cla", "view.cpp"})
        EXPECT_TRUE(endsWith(debugUnits.at(file), own)) << file;
    EXPECT_EQ(debugUnits.count("crc.c"), 1u);
    EXPECT_TRUE(fs::exists(intrinsics));

    // TI's clang-based compiler is clang: its own options, no intrinsics of TI's.
    const auto armUnits = argumentsByFile(readFile(dir / "out/motor/Arm/compile_commands.json"));
    expectAll(armUnits.at("main.c"),
              {"--target=arm-none-eabi", "-mcpu=cortex-m0plus", "-mfloat-abi=soft", "-std=gnu9x", "-D__ti__",
               "-D__ti_version__=30200"},
              "main.c");
    EXPECT_EQ(armUnits.at("view.cpp").back(), "-Drestrict=__restrict");
    EXPECT_FALSE(fs::exists(dir / "out/motor/Arm/ti-intrinsics.h"));
}

using CcsFaults = KorrinFolder;

TEST_F(CcsFaults, NotACodeComposerStudioProject) {
    writeFile(dir / "cdt/.project", "<projectDescription><name>cdt</name></projectDescription>");
    writeFile(dir / "cdt/.cproject",
              "<cproject><storageModule><cconfiguration><storageModule moduleId=\"cdtBuildSystem\"><configuration "
              "name=\"Debug\"><folderInfo resourcePath=\"\"><toolChain><tool superClass=\"cdt.managedbuild.tool.gnu.c.compiler\"/>"
              "</toolChain></folderInfo></configuration></storageModule></cconfiguration></storageModule></cproject>");
    writeFile(dir / "broken/.project", "<projectDescription>\n  <name>broken</name>\n  <natures>\n</projectDescription>\n");
    fs::create_directories(dir / "empty");
    writeFile(dir / "lines/.project", projectFile("lines", link("a.c", 1, "PARENT-1-PROJECT_LOC/a\nb.c"), ""));
    writeFile(dir / "lines/.cproject", cprojectFile(configuration("Debug", {}, {}, "")));
    const struct {
        const char* source;
        std::string line;
    } cases[] = {
        {"empty", "Not a Code Composer Studio project: " + at("empty") + " (no .project)"},
        {"cdt", "Not a Code Composer Studio project: " + at("cdt") + " (no TI tool chain)"},
        {"broken/.project", "Malformed project file: " + at("broken\\.project") + ":4:3: Start-end tags mismatch"},
        {"lines", "Malformed project file: " + at("lines") + " (a name or path holds a line end)"},
    };
    for (const auto& each : cases)
        expectRefusal(each.source, each.line);
}

}  // namespace
