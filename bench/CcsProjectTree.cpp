#include "BenchFiles.h"
#include "CcsProjectTree.h"

#include <fstream>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace {

const char* const configurations[] = {"Debug", "Release", "Flash", "RAM"};

// File number of a tree: sixteen folders of sixteen, every fourth a header.
std::string treeFile(std::size_t number) {
    return "m" + std::to_string(number % 16) + "/s" + std::to_string(number / 16 % 16) + "/file" +
           std::to_string(number) + (number % 4 == 3 ? ".h" : ".c");
}

std::string projectFile() {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<projectDescription>\n\t<name>product</name>\n"
           "\t<natures><nature>com.ti.ccstudio.core.ccsNature</nature></natures>\n\t<linkedResources>\n"
           "\t\t<link><name>lib</name><type>2</type><locationURI>PARENT-1-PROJECT_LOC/shared</locationURI></link>\n"
           "\t\t<link><name>extra.c</name><type>1</type><locationURI>SHARED/extra.c</locationURI></link>\n"
           "\t</linkedResources>\n\t<variableList><variable><name>SHARED</name>"
           "<value>$%7BPARENT-1-PROJECT_LOC%7D/shared</value></variable></variableList>\n</projectDescription>\n";
}

std::string listOption(const std::string& key, const std::string& values) {
    return "<option superClass=\"com.ti.ccstudio.buildDefinitions.C2000_22.6.compilerID." + key + "\">" + values +
           "</option>\n";
}

std::string configuration(std::size_t index) {
    const std::string name = configurations[index];
    const std::string includes = "<listOptionValue value=\"&quot;${CG_TOOL_ROOT}/include&quot;\"/>"
                                 "<listOptionValue value=\"&quot;${PROJECT_ROOT}/src/m1&quot;\"/>"
                                 "<listOptionValue value=\"&quot;${SHARED}/m2&quot;\"/>";
    const std::string defines = "<listOptionValue value=\"&quot;" + name + "&quot;\"/><listOptionValue value=\"LEVEL=" +
                                std::to_string(index) + "\"/><listOptionValue value=\"CPU1\"/>";
    const std::string excluding = "src/m" + std::to_string(8 + index) + "|" + treeFile(index) + "|" + treeFile(17 + index);
    return "<cconfiguration><storageModule moduleId=\"cdtBuildSystem\"><configuration name=\"" + name +
           "\">\n<folderInfo resourcePath=\"\"><toolChain>\n"
           "<tool superClass=\"com.ti.ccstudio.buildDefinitions.C2000_22.6.exe.compilerDebug\">\n" +
           listOption("INCLUDE_PATH", includes) + listOption("DEFINE", defines) +
           "</tool></toolChain></folderInfo>\n<sourceEntries><entry excluding=\"" + excluding +
           "\" kind=\"sourcePath\" name=\"\"/></sourceEntries>\n</configuration></storageModule></cconfiguration>\n";
}

std::string cprojectFile() {
    std::string text = "<?xml version=\"1.0\"?>\n<?fileVersion 4.0.0?><cproject><storageModule>\n";
    for (std::size_t index = 0; index < std::size(configurations); ++index)
        text += configuration(index);
    return text + "</storageModule></cproject>\n";
}

}  // namespace

void writeCcsProjectTree(const fs::path& root, std::size_t files) {
    const fs::path project = root / "project";
    writeOrThrow(project / ".project", projectFile());
    writeOrThrow(project / ".cproject", cprojectFile());
    writeOrThrow(root / "shared/extra.c", "");
    for (std::size_t number = 0; number < 8; ++number)
        writeOrThrow(project / "Debug" / ("gen" + std::to_string(number) + ".obj"), "");
    const std::size_t inProject = files - files / 4;
    for (std::size_t number = 0; number < files; ++number)
        writeOrThrow((number < inProject ? project / "src" : root / "shared") / treeFile(number), "");
}
