#include <gtest/gtest.h>

#include <filesystem>

#include "KorrinFolder.h"
#include "PrjFileShape.h"
#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;
using Lines = std::vector<std::string>;

// An SDK example 'blink' in ex/ for a C2000 device, with two configurations,
// files of its own folder, of an SDK named by a path variable and of an SDK
// nobody gave, a folder it copies whole, an option file and a file read first.
class ProjectSpec : public KorrinFolder {
protected:
    ProjectSpec() {
        const std::string options =
            "-v28 -ml --float_support=fpu32 -I${PROJECT_ROOT}/inc --include_path=&quot;${SDK}/src&quot; -D_DEBUG\n"
            "  --define=NEAR= --cmd_file=${PROJECT_ROOT}/device.opt --preinclude=${PROJECT_ROOT}/config.h\n"
            "  -I${UNKNOWN_ROOT}/include -O2";
        writeFile(dir / "ex/blink.projectspec",
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<projectSpec>\n"
                  "<applicability><when><context deviceFamily=\"C2000\"/></when></applicability>\n"
                  "<project name=\"blink\" device=\"TMS320F280049C\" cgtVersion=\"22.6.1.LTS\" toolChain=\"TI\"\n"
                  "  compilerBuildOptions=\"" + options + "\">\n"
                  "<configuration name=\"RAM\" compilerBuildOptions=\"-D_RAM\"/>\n"
                  "<configuration name=\"Flash\" compilerBuildOptions=\" -D_FLASH --define=LEVEL=3 \"/>\n"
                  "<pathVariable name=\"SDK\" path=\"${COM_TI_SDK_INSTALL_DIR}\" scope=\"project\"/>\n"
                  "<pathVariable name=\"HERE\" path=\".\" scope=\"project\"/>\n"
                  "<file path=\"main.c\" action=\"copy\" targetDirectory=\"\"/>\n"
                  "<file path=\"./board.h\" action=\"copy\" openOnCreation=\"true\"/>\n"
                  "<file path=\"flash.c\" action=\"copy\" applicableConfigurations=\"Flash\"/>\n"
                  "<file path=\"old.c\" action=\"copy\" excludeFromBuild=\"True\"/>\n"
                  "<file path=\"linker.cmd\" action=\"copy\"/>\n"
                  "<file path=\"SDK/src/uart.c\" action=\"link\" targetDirectory=\"drivers\" createVirtualFolders=\"true\"/>\n"
                  "<file path=\"${SDK}/drivers/\" action=\"copy\" targetDirectory=\"drivers\"/>\n"
                  "<file path=\"${OTHER_SDK}/x.c\" action=\"link\"/>\n"
                  "<file path=\"HERE/main.c\" action=\"link\"/>\n"
                  "</project>\n</projectSpec>\n");
        writeFile(dir / "ex/device.opt", "-DDEVICE_OPT\n--define=LEVEL=2\n");
        for (const char* file : {"ex/main.c", "ex/board.h", "ex/flash.c", "ex/old.c", "ex/linker.cmd", "ex/config.h",
                                 "ex/inc/pins.h", "sdk/src/uart.c", "sdk/src/uart.h", "sdk/drivers/gpio.c",
                                 "sdk/drivers/gpio.h", "sdk/drivers/notes.txt"})
            writeFile(dir / file, "int x;\n");
    }

    ProgramRun convert(Lines options = {}) {
        Lines arguments{"ex/blink.projectspec", "out", "-var", "COM_TI_SDK_INSTALL_DIR=" + at("sdk")};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return run(arguments);
    }
};

TEST_F(ProjectSpec, ConvertsConfigurationsFilesAndOptions) {
    ProgramRun result = convert();
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output,
              lfLines({started, "  Unresolved macro - ${OTHER_SDK}", "  Unresolved macro - ${UNKNOWN_ROOT}",
                       "  Creating Group - blink", "  Creating Group - RAM",
                       "  Creating Analyser Personality - " + at("out\\blink\\RAM\\person\\RAM.p_a"),
                       "  Creating Group - Flash",
                       "  Creating Analyser Personality - " + at("out\\blink\\Flash\\person\\Flash.p_a"), completed}));
    const ProjectBlock root = readPrjFile(readFile(dir / "out/blink.prj"));
    EXPECT_EQ(root.name, "blink");
    EXPECT_EQ(root.keys.at(0), "SourcePath=" + at("ex\\"));
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].name, "RAM");
    EXPECT_EQ(root.children[0].files,
              (Lines{at("ex\\main.c"), at("ex\\board.h"), at("sdk\\src\\uart.c"), hostText("${OTHER_SDK}\\x.c")}));
    EXPECT_EQ(root.children[1].name, "Flash");
    EXPECT_EQ(root.children[1].files, (Lines{at("ex\\main.c"), at("ex\\board.h"), at("ex\\flash.c"),
                                             at("sdk\\src\\uart.c"), hostText("${OTHER_SDK}\\x.c")}));
    const Lines includes{"-i \"${UNKNOWN_ROOT}/include\"", "-i \"" + at("ex\\inc") + "\"", "-i \"" + at("sdk\\src") + "\""};
    Lines ram = includes;
    ram.insert(ram.end(), {"-d \"DEVICE_OPT\"", "-d \"LEVEL=2\"", "-d \"NEAR=\"", "-d \"_DEBUG\"", "-d \"_RAM\""});
    EXPECT_EQ(readFile(dir / "out/blink/RAM/person/RAM.p_a"), crlfLines(ram));
    Lines flash = includes;
    flash.insert(flash.end(), {"-d \"DEVICE_OPT\"", "-d \"LEVEL=3\"", "-d \"NEAR=\"", "-d \"_DEBUG\"", "-d \"_FLASH\""});
    EXPECT_EQ(readFile(dir / "out/blink/Flash/person/Flash.p_a"), crlfLines(flash));
}

// The family comes from the .projectspec's device and tool chain, the processor
// options from its command lines, the file read first from --preinclude.
TEST_F(ProjectSpec, DatabasesTellTheSpecsCompiler) {
    ASSERT_EQ(convert({"-cdb"}).status, 0);
    const std::string database = readFile(dir / "out/blink/RAM/compile_commands.json");
    for (const char* argument : {"\"-D__TI_COMPILER_VERSION__=22006001\"", "\"-D__TMS320C28XX__\"",
                                 "\"-D__TMS320C28XX_FPU32__\"", "\"-D__LARGE_MODEL__\"", "\"-Dinterrupt=\"",
                                 "\"-DNEAR=\"", "\"-include\""})
        EXPECT_NE(database.find(argument), std::string::npos) << argument;
    EXPECT_NE(database.find((dir / "ex/config.h").string()), std::string::npos);
    // A file behind a variable without a value is not on disk.
    EXPECT_EQ(database.find("x.c"), std::string::npos);
}

TEST_F(ProjectSpec, ConfigurationsFromTheListElseCcsDefaults) {
    const struct {
        std::string project;
        Lines configurations;
    } cases[] = {
        {"<project name=\"a\" configurations=\"\n  Debug,\n  Release Flash,\n\">", {"Debug", "Release Flash"}},
        {"<project name=\"a\">", {"Debug", "Release"}},
    };
    for (const auto& each : cases) {
        writeFile(dir / "ex/a.projectspec", "<projectSpec>" + each.project + "<file path=\"main.c\"/></project></projectSpec>");
        fs::remove_all(dir / "out");
        fs::create_directory(dir / "out");
        ASSERT_EQ(run({"ex/a.projectspec", "out", "-pn", "named"}).status, 0) << each.project;
        const ProjectBlock root = readPrjFile(readFile(dir / "out/named.prj"));
        Lines names;
        for (const ProjectBlock& configuration : root.children) {
            names.push_back(configuration.name);
            EXPECT_EQ(configuration.files, Lines{at("ex\\main.c")});
        }
        EXPECT_EQ(names, each.configurations);
    }
}

TEST_F(ProjectSpec, BadSpecsAreRefused) {
    writeFile(dir / "ex/other.projectspec", "<projectDescription><name>x</name></projectDescription>");
    writeFile(dir / "ex/broken.projectspec", "<projectSpec>\n<project name=\"b\">\n</projectSpec>\n");
    writeFile(dir / "ex/lines.projectspec", "<projectSpec><project name=\"a&#10;b\"/></projectSpec>");
    const struct {
        const char* source;
        std::string line;
    } cases[] = {
        {"ex/other.projectspec", "Not a Code Composer Studio project: " + at("ex\\other.projectspec") + " (no projectSpec project)"},
        {"ex/broken.projectspec", "Malformed project file: " + at("ex\\broken.projectspec") + ":3:3: Start-end tags mismatch"},
        {"ex/lines.projectspec", "Malformed project file: " + at("ex\\lines.projectspec") + " (a name or path holds a line end)"},
    };
    for (const auto& each : cases)
        expectRefusal(each.source, each.line);
}

}  // namespace
