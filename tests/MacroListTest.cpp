#include <gtest/gtest.h>

#include <filesystem>

#include "KorrinFolder.h"
#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;
using Lines = std::vector<std::string>;

// "-macros" lists the macros that only "-var" can give a value to, as the
// project writes them, and writes nothing.
class MacroList : public KorrinFolder {
protected:
    MacroList() {
        writeFile(dir / "app.pjt",
                  "[Source Files]\n"
                  "Source=\"$(Install_dir)\\c5400\\a.c\"\n"
                  "Source=\"$(Proj_dir)\\b.c\"\n"
                  "Source=\"src\\$(Inside)\\c.c\"\n"
                  "[\"Compiler\" Settings: \"Debug\"]\n"
                  "Options=-i\"%BIOS_INSTALL_DIR%\\include\" -i\"$(INSTALL_DIR)\\include\"\n");
    }
};

TEST_F(MacroList, PjtMacrosWithoutValueOfTheirOwn) {
    for (const Lines& arguments : {Lines{"app.pjt", "-macros"}, Lines{"app.pjt", "out", "-rp", "-macros", "-cdb"},
                                   Lines{"app.pjt", "out", "-macros", "-var", "Install_dir=C:\\CCS"}}) {
        const ProgramRun result = run(arguments);
        EXPECT_EQ(result.status, 0) << arguments.back();
        EXPECT_EQ(result.output, lfLines({"$(Install_dir)", "%BIOS_INSTALL_DIR%"})) << arguments.back();
        EXPECT_TRUE(listTree(dir / "out").empty()) << arguments.back();
    }
}

TEST_F(MacroList, ProjectThatCannotBeReadFails) {
    const ProgramRun result = run({"missing.pjt", "out", "-macros"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, lfLines({"Could not open file: " + at("missing.pjt")}));
}

TEST_F(MacroList, CcsVariablesWithoutValueOfTheirOwn) {
    writeFile(dir / "app/.project",
              "<projectDescription><name>motor</name>"
              "<natures><nature>com.ti.ccstudio.core.ccsNature</nature></natures>"
              "<linkedResources><link><name>lib</name><type>2</type>"
              "<locationURI>SDK_ROOT/lib</locationURI></link></linkedResources></projectDescription>\n");
    writeFile(dir / "app/.cproject",
              "<cproject><storageModule moduleId=\"org.eclipse.cdt.core.settings\"><cconfiguration>"
              "<storageModule moduleId=\"cdtBuildSystem\"><configuration name=\"Debug\"><folderInfo resourcePath=\"\">"
              "<toolChain><tool superClass=\"com.ti.ccstudio.buildDefinitions.C2000_15.12.exe.compilerDebug\">"
              "<option superClass=\"com.ti.ccstudio.buildDefinitions.C2000_15.12.compilerID.INCLUDE_PATH\">"
              "<listOptionValue value=\"${CG_TOOL_ROOT}/include\"/>"
              "<listOptionValue value=\"${PROJECT_ROOT}/inc\"/></option></tool></toolChain></folderInfo>"
              "</configuration></storageModule></cconfiguration></storageModule></cproject>\n");
    const ProgramRun result = run({"app", "out", "-macros", "-var", "CG_TOOL_ROOT=C:\\ti"});
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_EQ(result.output, lfLines({"${SDK_ROOT}", "${CG_TOOL_ROOT}"}));
    EXPECT_TRUE(listTree(dir / "out").empty());
}

}  // namespace

namespace {

// The project's own variables that name a place not on this machine are
// listed with their value, for "-var" to put right; one that names an
// existing folder, or that the project does not use, is not.
TEST_F(MacroList, OwnVariablesThatNameNoPathHere) {
    fs::create_directories(dir / "here");
    writeFile(dir / "app/.project",
              "<projectDescription><name>motor</name><natures><nature>com.ti.ccstudio.core.ccsNature</nature></natures>"
              "<linkedResources><link><name>adc.c</name><type>1</type><locationURI>ORIGINAL_PROJECT_ROOT/adc.c</locationURI>"
              "</link></linkedResources><variableList>"
              "<variable><name>ORIGINAL_PROJECT_ROOT</name><value>file:/C:/ti/controlSUITE/blink</value></variable>"
              "<variable><name>HERE</name><value>$%7BPARENT-1-PROJECT_LOC%7D/here</value></variable>"
              "<variable><name>UNUSED</name><value>file:/C:/nowhere</value></variable></variableList></projectDescription>\n");
    writeFile(dir / "app/.cproject",
              "<cproject><storageModule moduleId=\"org.eclipse.cdt.core.settings\"><cconfiguration>"
              "<storageModule moduleId=\"cdtBuildSystem\"><configuration name=\"Debug\"><folderInfo resourcePath=\"\">"
              "<toolChain><tool superClass=\"com.ti.ccstudio.buildDefinitions.C2000_15.12.exe.compilerDebug\">"
              "<option superClass=\"com.ti.ccstudio.buildDefinitions.C2000_15.12.compilerID.INCLUDE_PATH\">"
              "<listOptionValue value=\"${HERE}\"/><listOptionValue value=\"${HEADERS}/include\"/>"
              "<listOptionValue value=\"${SDK}/include\"/></option></tool></toolChain></folderInfo></configuration>"
              "</storageModule><storageModule><macros><stringMacro name=\"HEADERS\" type=\"VALUE_PATH_DIR\" value=\"${ORIGINAL_PROJECT_ROOT}/../..\"/>"
              "<stringMacro name=\"SDK\" type=\"VALUE_PATH_DIR\" value=\"${SDK_ROOT}/sdk\"/>"
              "<stringMacro name=\"LEVEL\" type=\"VALUE_TEXT\" value=\"2\"/></macros></storageModule>"
              "</cconfiguration></storageModule></cproject>\n");
    const ProgramRun result = run({"app", "-macros"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, hostText(lfLines({"${SDK_ROOT}", "${ORIGINAL_PROJECT_ROOT}\tC:\\ti\\controlSUITE\\blink\tproject",
                                               "${HEADERS}\tC:\\ti\\controlSUITE\\blink\\..\\..\tproject",
                                               "${SDK}\t${SDK_ROOT}\\sdk\tproject"})));
}

// "-name" prints the name of the project Korrin would write, and writes nothing.
TEST_F(MacroList, NameOfTheProject) {
    writeFile(dir / "spec/blink.projectspec", "<projectSpec><project name=\"blinky\" device=\"F28335\"/></projectSpec>\n");
    for (const auto& [arguments, name] : {std::pair<Lines, std::string>{{"app.pjt", "-name"}, "app"},
                                          {{"spec/blink.projectspec", "out", "-name"}, "blinky"},
                                          {{"spec/blink.projectspec", "out", "-name", "-pn", "mine"}, "mine"}}) {
        const ProgramRun result = run(arguments);
        EXPECT_EQ(result.status, 0) << arguments.front();
        EXPECT_EQ(result.output, name + "\n") << arguments.front();
    }
    EXPECT_TRUE(listTree(dir / "out").empty());
}

}  // namespace
