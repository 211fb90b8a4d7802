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
