#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "KorrinFolder.h"
#include "PrjFileShape.h"
#include "TestSupport.h"
#include "TiFolder.h"

// CCS projects converted on a machine with TI's installs: the variables
// they take from CCS, its compilers and its products.
namespace {

namespace fs = std::filesystem;
using namespace testing_support;
using Lines = std::vector<std::string>;

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (std::string::size_type at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++found;
    return found;
}

const std::string c2000ware = "ti\\c2000\\C2000Ware_5_05_00_00";
const std::string compiler21 = "ti\\ccs1281\\ccs\\tools\\compiler\\ti-cgt-c2000_21.6.1.LTS";

// The .cproject of a C2000 project of CCS 12 with one configuration, Debug,
// that asks for C2000Ware and names these include folders.
std::string c2000Cproject(const Lines& includes) {
    const std::string key = "com.ti.ccstudio.buildDefinitions.C2000_16.9.compilerID.";
    std::string text =
        "<cproject><storageModule moduleId=\"org.eclipse.cdt.core.settings\"><cconfiguration>"
        "<storageModule moduleId=\"cdtBuildSystem\"><configuration name=\"Debug\"><folderInfo resourcePath=\"\">"
        "<toolChain><option superClass=\"com.ti.ccstudio.buildDefinitions.core.OPT_CODEGEN_VERSION\" "
        "value=\"16.9.1.LTS\"/><option superClass=\"com.ti.ccstudio.buildDefinitions.core.OPT_TAGS\">"
        "<listOptionValue value=\"PRODUCTS=C2000WARE:5.5.0.0;\"/></option>"
        "<tool superClass=\"com.ti.ccstudio.buildDefinitions.C2000_16.9.exe.compilerDebug\">"
        "<option superClass=\"" + key + "INCLUDE_PATH\">";
    for (const std::string& include : includes)
        text += "<listOptionValue value=\"" + include + "\"/>";
    return text + "</option><option superClass=\"" + key + "DEFINE\"><listOptionValue value=\"${COM_TI_C2000WARE_SYMBOLS}\"/>"
                  "<listOptionValue value=\"CPU1\"/></option></tool></toolChain></folderInfo>"
                  "</configuration></storageModule></cconfiguration></storageModule></cproject>\n";
}

std::string c2000Project(const std::string& name, const std::string& links = "", const std::string& variables = "") {
    return "<projectDescription><name>" + name + "</name><natures><nature>com.ti.ccstudio.core.ccsNature</nature>"
           "</natures><linkedResources>" + links + "</linkedResources><variableList>" + variables +
           "</variableList></projectDescription>\n";
}

// A C2000 project 'motor' of CCS 12 that links a source of C2000Ware's
// device support through a path variable, and names the compiler's,
// C2000Ware's and another machine's include folders.
class FoundInstalls : public KorrinFolder {
protected:
    FoundInstalls() {
        writeTiFolder(dir / "ti");
        writeFile(dir / (c2000ware + "/device_support/f2833x/headers/source/DSP2833x_GlobalVariableDefs.c"), "int g;\n");
        writeFile(dir / "app/.project",
                  c2000Project("motor",
                               "<link><name>DSP2833x_GlobalVariableDefs.c</name><type>1</type>"
                               "<locationURI>INSTALLROOT_2833X/headers/source/DSP2833x_GlobalVariableDefs.c</locationURI></link>",
                               "<variable><name>INSTALLROOT_2833X</name>"
                               "<value>$%7BCOM_TI_C2000WARE_INSTALL_DIR%7D/device_support/f2833x</value></variable>"));
        writeFile(dir / "app/.cproject",
                  c2000Cproject({"&quot;${CG_TOOL_ROOT}/include&quot;", "${INSTALLROOT_2833X}/headers/include",
                                 "${COM_TI_C2000WARE_INCLUDE_PATH}", "C:/ti/c2000/C2000Ware_5_05_00_00/libraries/math/include",
                                 "${XDAIS_CG_ROOT}/packages"}));
        writeFile(dir / "app/main.c", "int main(void) { return 0; }\n");
    }

    Lines foundLines() const {
        return {"  Found macro - ${COM_TI_C2000WARE_INSTALL_DIR} = " + at(c2000ware),
                "  Found macro - ${CG_TOOL_ROOT} = " + at(compiler21),
                "  Found macro - ${COM_TI_C2000WARE_INCLUDE_PATH} (empty)",
                "  Found macro - ${COM_TI_C2000WARE_SYMBOLS} (empty)",
                "  Version taken - c2000 compiler 21.6.1.LTS for 16.9.1.LTS"};
    }

    // The console of a conversion into out, from its first line to where the groups begin.
    Lines head(const Lines& arguments) const {
        ProgramRun result = run(arguments);
        EXPECT_EQ(result.status, 0) << result.output;
        Lines lines;
        std::string::size_type start = 0;
        for (std::string::size_type end; (end = result.output.find('\n', start)) != std::string::npos; start = end + 1) {
            const std::string line = result.output.substr(start, end - start);
            if (line.find("Creating Group") != std::string::npos)
                break;
            lines.push_back(line);
        }
        return lines;
    }
};

TEST_F(FoundInstalls, CompilerProductsAndForeignPathsResolveWhereInstalled) {
    Lines expected{started};
    for (const std::string& line : foundLines())
        expected.push_back(line);
    expected.push_back("  Unresolved macro - ${XDAIS_CG_ROOT}");
    EXPECT_EQ(head({"app", "out", "-ti", "ti"}), expected);
    const ProjectBlock root = readPrjFile(readFile(dir / "out/motor.prj"));
    EXPECT_EQ(root.children.at(0).files,
              (Lines{at("app\\main.c"), at(c2000ware + "\\device_support\\f2833x\\headers\\source\\DSP2833x_GlobalVariableDefs.c")}));
    EXPECT_EQ(readFile(dir / "out/motor/Debug/person/Debug.p_a"),
              crlfLines({"-i \"${XDAIS_CG_ROOT}/packages\"",
                         "-i \"" + at(c2000ware + "\\device_support\\f2833x\\headers\\include") + "\"",
                         "-i \"" + at(c2000ware + "\\libraries\\math\\include") + "\"",
                         "-i \"" + at(compiler21 + "\\include") + "\"", "-d \"CPU1\""}));
}

// Without "-ti" the home folder's ti is one of the usual places; a "-ti"
// that holds nothing finds nothing, as on a machine without TI's tools.
TEST_F(FoundInstalls, TheUsualPlacesUnlessFoldersAreGiven) {
    fs::create_directory(dir / "empty");
    const Lines usual = head({"app", "out"});
    EXPECT_EQ(Lines(usual.begin() + 1, usual.begin() + 6), foundLines());
    EXPECT_EQ(head({"app", "out", "-ti", "empty"}),
              (Lines{started, "  Unresolved macro - ${COM_TI_C2000WARE_INSTALL_DIR}", "  Unresolved macro - ${CG_TOOL_ROOT}",
                     "  Unresolved macro - ${COM_TI_C2000WARE_INCLUDE_PATH}", "  Unresolved macro - ${XDAIS_CG_ROOT}",
                     "  Unresolved macro - ${COM_TI_C2000WARE_SYMBOLS}"}));
}

// "-var" wins over what is found, and a value with "/" is the path it is with "\".
TEST_F(FoundInstalls, GivenValuesWinAndAreHostPaths) {
    std::string outputs[2];
    std::string personalities[2];
    for (int i = 0; i < 2; ++i) {
        const std::string value = i == 0 ? "CG_TOOL_ROOT=/opt/cgt" : "CG_TOOL_ROOT=\\opt\\cgt";
        outputs[i] = run({"app", "out", "-ti", "ti", "-var", value}).output;
        personalities[i] = readFile(dir / "out/motor/Debug/person/Debug.p_a");
    }
    EXPECT_EQ(outputs[0], outputs[1]);
    EXPECT_EQ(personalities[0], personalities[1]);
    EXPECT_EQ(outputs[0].find("${CG_TOOL_ROOT} ="), std::string::npos) << outputs[0];
    EXPECT_NE(personalities[0].find(hostText("-i \"\\opt\\cgt\\include\"\r\n")), std::string::npos) << personalities[0];
}

// The folders of the author's machine as CCS would give them here: ".."
// after a folder that is not installed folded away, the project's own
// found below it by the project's name, SysConfig's in the build folder;
// a folder that exists nowhere here stays as written.
TEST_F(FoundInstalls, AuthorsFoldersAsTheIdeGivesThem) {
    writeFile(dir / "x+load/.project", c2000Project("load"));  // the folder's name is not the project's
    writeFile(dir / "x+load/.cproject",
              c2000Cproject({"${COM_TI_C2000WARE_INSTALL_DIR}/device_support/f2833x/examples/gpio/../../headers/./include",
                             "/Users/me/ws/load/app/adc", "C:\\work\\load\\app", "/Users/me/ws/other/include",
                             "${SYSCONFIG_TOOL_INCLUDE_PATH}"}));
    writeFile(dir / "x+load/app/adc/adc.c", "int adc;\n");
    const std::string output = run({"x+load", "out", "-ti", "ti", "-cdb"}).output;
    const std::string syscfg = at("x+load\\Debug\\syscfg");
    for (const std::string& line : Lines{"  Found in project - " + hostText("\\Users\\me\\ws\\load\\app\\adc = ") + at("x+load\\app\\adc"),
                                    "  Found in project - " + hostText("C:\\work\\load\\app = ") + at("x+load\\app"),
                                    "  Not generated yet - " + syscfg + " (SysConfig writes it when the project is built)",
                                    "  Not found - " + hostText("\\Users\\me\\ws\\other\\include")})
        EXPECT_EQ(count(output, line + "\n"), 1u) << line << "\n" << output;
    EXPECT_EQ(readFile(dir / "out/load/Debug/person/Debug.p_a"),
              crlfLines({"-i \"" + hostText("\\Users\\me\\ws\\other\\include") + "\"",
                         "-i \"" + at(c2000ware + "\\device_support\\f2833x\\headers\\include") + "\"",
                         "-i \"" + syscfg + "\"", "-i \"" + at("x+load\\app") + "\"",
                         "-i \"" + at("x+load\\app\\adc") + "\"", "-d \"CPU1\""}));
    const nlohmann::json database = nlohmann::json::parse(readFile(dir / "out/load/Debug/compile_commands.json"));
    const std::vector<std::string> arguments = database.at(0).at("arguments");
    const std::string folded = (dir / "ti/c2000/C2000Ware_5_05_00_00/device_support/f2833x/headers/include").string();
    EXPECT_EQ(std::count(arguments.begin(), arguments.end(), "-I" + folded), 1) << database.dump(1);
    EXPECT_EQ(std::count(arguments.begin(), arguments.end(), "-I" + (dir / "x+load/app/adc").string()), 1);
}

// "-macros" gives each value found after a tab.
TEST_F(FoundInstalls, MacroListGivesWhatWasFound) {
    const ProgramRun result = run({"app", "-macros", "-ti", "ti"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, lfLines({"${XDAIS_CG_ROOT}", "${COM_TI_C2000WARE_INSTALL_DIR}\t" + at(c2000ware),
                                      "${CG_TOOL_ROOT}\t" + at(compiler21), "${COM_TI_C2000WARE_INCLUDE_PATH}\t",
                                      "${COM_TI_C2000WARE_SYMBOLS}\t"}));
}

}  // namespace
