#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "readers/eclipse/CcsReader.h"
#include "readers/ccs/CompilerFlags.h"

namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// A Windows path with one "\" between folders and no "." or ".." in it.
std::string normalised(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    Names parts;
    std::istringstream stream(path);
    for (std::string part; std::getline(stream, part, '\\');) {
        if (part == ".." && !parts.empty())
            parts.pop_back();
        else if (!part.empty() && part != ".")
            parts.push_back(part);
    }
    std::string result = !path.empty() && path.front() == '\\' ? "\\" : "";
    for (std::size_t i = 0; i < parts.size(); ++i)
        result += (i == 0 ? "" : "\\") + parts[i];
    return result;
}

std::string unquoted(const std::string& text) {
    return text.size() >= 2 && text.front() == '"' ? text.substr(1, text.size() - 2) : text;
}

struct CompilerLine {
    Names options;  // in their long form, those that change what a parser sees
    Names defines;
    Names includes;
};

// The first compiler command line of CCS's rules; the author's project
// folder stands for where the tree lies here.
CompilerLine firstCompilerLine(const fs::path& rules, const std::string& authorsFolder, const std::string& folder) {
    std::ifstream input(rules);
    std::string line;
    while (std::getline(input, line) && line.find("cl2000\"") == std::string::npos) {
    }
    CompilerLine compiler;
    std::istringstream words(line);
    for (std::string word; words >> word;) {
        const std::string flag = longFlag(word);
        if (flag.compare(0, 15, "--include_path=") == 0) {
            std::string include = unquoted(flag.substr(15));
            if (include.compare(0, authorsFolder.size(), authorsFolder) == 0)
                include = folder + include.substr(authorsFolder.size());
            compiler.includes.push_back(normalised(include));
        } else if (flag.compare(0, 9, "--define=") == 0) {
            compiler.defines.push_back(unquoted(flag.substr(9)));
        } else if (flag.compare(0, 2, "--") == 0 && flag.find('=') != std::string::npos
                       ? flag.compare(0, 18, "--silicon_version=") == 0 || flag.compare(0, 16, "--float_support=") == 0
                       : flag == "--large_memory_model" || flag == "--unified_memory") {
            compiler.options.push_back(flag);
        }
    }
    std::sort(compiler.options.begin(), compiler.options.end());
    std::sort(compiler.includes.begin(), compiler.includes.end());
    return compiler;
}

// CCS's own makefiles of the C2000 tree hold the compiler's command line of
// every file: what Korrin reads from the project is what CCS passed.
TEST(CcsMakefiles, TheCompilerLineOfTheC2000Tree) {
    const fs::path tree = fs::path(KORRIN_CORPUS) / "ccs-trees/Martisek+TMS320F28335-and-QPC";
    if (!fs::exists(tree / "Debug/subdir_rules.mk"))
        GTEST_SKIP() << "no " << tree;
    const std::string folder = normalised(tree.string());
    const CompilerLine expected =
        firstCompilerLine(tree / "Debug/subdir_rules.mk", "C:/Users/martisek/Desktop/TI_projects/Example_2833xLEDBlink", folder);
    ASSERT_EQ(expected.options.size(), 4u);

    // CCS had no value for XDAIS_CG_ROOT.
    const BuildMacros macros{{"CG_TOOL_ROOT", "C:/ti/ccsv6/tools/compiler/c2000_15.12.3.LTS"}, {"XDAIS_CG_ROOT", ""}};
    const Project project = readCcsProject(tree.string(), {std::nullopt, {}, macros, TiInstalls(), WorkspaceProjects()});
    Names options = project.targetOf("Debug").options;
    std::sort(options.begin(), options.end());
    EXPECT_EQ(options, expected.options);
    const SourceGroup& debug = project.root.getChildren().front();
    ASSERT_EQ(debug.getName(), "Debug");
    Names defines;
    for (const Definition& definition : debug.getDefinitions())
        defines.push_back(definition.name);
    EXPECT_EQ(defines, expected.defines);
    Names includes;
    for (const std::string& include : debug.getIncludePaths())
        includes.push_back(normalised(include));
    std::sort(includes.begin(), includes.end());
    EXPECT_EQ(includes, expected.includes);
}

}  // namespace
