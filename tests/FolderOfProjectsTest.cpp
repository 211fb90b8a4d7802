#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>

#include "KorrinFolder.h"
#include "TestSupport.h"

// A folder of many CCS projects, a repository or a workspace, converted in one run.
namespace {

namespace fs = std::filesystem;
using namespace testing_support;
using Lines = std::vector<std::string>;

std::string projectFile(const std::string& name) {
    return "<projectDescription><name>" + name +
           "</name><natures><nature>com.ti.ccstudio.core.ccsNature</nature></natures></projectDescription>\n";
}

// A C2000 project of the configurations, each with the include folders and definitions.
std::string cprojectFile(const std::vector<std::pair<std::string, std::string>>& configurations) {
    std::string text = "<cproject><storageModule moduleId=\"org.eclipse.cdt.core.settings\">";
    for (const auto& [name, options] : configurations)
        text += "<cconfiguration><storageModule moduleId=\"cdtBuildSystem\"><configuration name=\"" + name +
                "\"><folderInfo resourcePath=\"\"><toolChain><tool superClass=\"com.ti.ccstudio.buildDefinitions."
                "C2000_22.6.exe.compilerDebug\">" + options + "</tool></toolChain></folderInfo></configuration>"
                "</storageModule></cconfiguration>";
    return text + "</storageModule></cproject>\n";
}

std::string option(const std::string& key, const std::string& value) {
    return "<option superClass=\"com.ti.ccstudio.buildDefinitions.C2000_22.6.compilerID." + key +
           "\"><listOptionValue value=\"" + value + "\"/></option>";
}

// A workspace: an application that reaches the include folder of the
// library beside it, the library, a plain Eclipse project of another tool
// chain, and a project in the application's build folder, which is none.
class FolderOfProjects : public KorrinFolder {
protected:
    FolderOfProjects() {
        writeFile(dir / "ws/app/.project", projectFile("app"));
        writeFile(dir / "ws/app/.cproject",
                  cprojectFile({{"Debug", option("INCLUDE_PATH", "${workspace_loc:/Lib/inc}") + option("DEFINE", "LEVEL=1")},
                                {"Release", option("DEFINE", "LEVEL=2")}}));
        writeFile(dir / "ws/app/main.c", "int main(void) { return 0; }\n");
        writeFile(dir / "ws/app/Debug/stale/.project", projectFile("stale"));
        writeFile(dir / "ws/libs/lib/.project", projectFile("lib"));
        writeFile(dir / "ws/libs/lib/.cproject", cprojectFile({{"Debug", ""}}));
        writeFile(dir / "ws/libs/lib/inc/lib.h", "int lib(void);\n");
        writeFile(dir / "ws/libs/lib/lib.c", "int lib(void) { return 1; }\n");
        writeFile(dir / "ws/other/.project", "<projectDescription><name>other</name></projectDescription>\n");
        writeFile(dir / "ws/other/.cproject", "<cproject/>\n");
        fs::create_directory_symlink(dir / "ws", dir / "ws/libs/loop");
    }

    // The files of the database, by name, and the value of each one's LEVEL.
    std::map<std::string, std::string> levelsIn(const fs::path& database) const {
        std::map<std::string, std::string> levels;
        for (const nlohmann::json& entry : nlohmann::json::parse(readFile(database))) {
            std::string level;
            for (const std::string argument : entry["arguments"])
                if (argument.rfind("-DLEVEL=", 0) == 0)
                    level = argument.substr(8);
            levels[fs::path(entry["file"].get<std::string>()).filename().string()] = level;
        }
        return levels;
    }
};

TEST_F(FolderOfProjects, EachProjectBelowTheDestinationAndOneDatabase) {
    const ProgramRun result = run({"ws", "out", "-cdb"});
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_NE(result.output.find("Converting Project - " + at("ws\\app") + "\n" + started), std::string::npos);
    EXPECT_NE(result.output.find("Converting Project - " + at("ws\\libs\\lib") + "\n" + started), std::string::npos);
    EXPECT_EQ(result.output.find("stale"), std::string::npos) << result.output;
    EXPECT_EQ(result.output.find("Unresolved macro"), std::string::npos) << result.output;
    const std::string tail = "Creating Compilation Database - " + at("out\\compile_commands.json") +
                             "\nProjects Converted - 2, Failed - 0\n";
    EXPECT_EQ(result.output.substr(result.output.size() - tail.size()), tail);
    EXPECT_TRUE(fs::exists(dir / "out/app/app.prj"));
    EXPECT_TRUE(fs::exists(dir / "out/libs/lib/lib.prj"));
    // The sibling's folder, named with another letter case, as Windows compares names.
    EXPECT_EQ(readFile(dir / "out/app/app/Debug/person/Debug.p_a"),
              crlfLines({"-i \"" + at("ws\\libs\\lib\\inc") + "\"", "-d \"LEVEL=1\""}));
    EXPECT_EQ(levelsIn(dir / "out/compile_commands.json"),
              (std::map<std::string, std::string>{{"main.c", "1"}, {"lib.c", ""}}));
}

// "-config" chooses the configuration of the database where a project has it.
TEST_F(FolderOfProjects, TheDatabaseOfTheConfigurationNamed) {
    ASSERT_EQ(run({"ws", "out", "-cdb", "-config", "Release"}).status, 0);
    EXPECT_EQ(levelsIn(dir / "out/compile_commands.json"),
              (std::map<std::string, std::string>{{"main.c", "2"}, {"lib.c", ""}}));
}

// A project that fails is reported and the others go on; the status tells.
TEST_F(FolderOfProjects, AFailedProjectStopsNoOther) {
    writeFile(dir / "ws/broken/.project", "<projectDescription>\n<name>broken\n</projectDescription>\n");
    const ProgramRun result = run({"ws", "out"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.output.find("Converting Project - " + at("ws\\broken") + "\nMalformed project file: " +
                                 at("ws\\broken\\.project") + ":3:3: Start-end tags mismatch\n"),
              std::string::npos)
        << result.output;
    EXPECT_NE(result.output.find("Projects Converted - 2, Failed - 1\n"), std::string::npos) << result.output;
    EXPECT_FALSE(fs::exists(dir / "out/broken"));
}

// A project's folder is one project unless "-all" asks for those below it too.
TEST_F(FolderOfProjects, AProjectsFolderAndWhatItHolds) {
    writeFile(dir / "ws/app/inner/.project", projectFile("inner"));
    writeFile(dir / "ws/app/inner/.cproject", cprojectFile({{"Debug", option("DEFINE", "LEVEL=3")}}));
    writeFile(dir / "ws/app/inner/inner.c", "int inner;\n");
    EXPECT_EQ(run({"ws/app", "out", "-cdb"}).output.find("Converting Project"), std::string::npos);
    fs::remove_all(dir / "out");
    fs::create_directory(dir / "out");
    const ProgramRun result = run({"ws/app", "out", "-cdb", "-all"});
    EXPECT_NE(result.output.find("Projects Converted - 2, Failed - 0"), std::string::npos) << result.output;
    EXPECT_TRUE(fs::exists(dir / "out/app.prj"));
    EXPECT_TRUE(fs::exists(dir / "out/inner/inner.prj"));
    // The outer project lists the inner one's file too; its entry is the innermost project's.
    EXPECT_EQ(levelsIn(dir / "out/compile_commands.json"),
              (std::map<std::string, std::string>{{"main.c", "1"}, {"inner.c", "3"}}));
}

TEST_F(FolderOfProjects, AFolderWithoutProjects) {
    fs::create_directories(dir / "empty/sub");
    expectRefusal("empty", "Not a Code Composer Studio project: " + at("empty") + " (no .project)");
}

// clangd, pointed at the destination, serves a file of each project.
TEST_F(FolderOfProjects, ClangdFindsEachProjectsEntry) {
    if (std::string(CLANGD_PROGRAM).empty())
        GTEST_SKIP() << "no clangd";
    ASSERT_EQ(run({"ws", "out", "-cdb"}).status, 0);
    for (const char* file : {"ws/app/main.c", "ws/libs/lib/lib.c"}) {
        const ProgramRun result = runWithErrors(
            CLANGD_PROGRAM, {"--check=" + (dir / file).string(), "--compile-commands-dir=" + (dir / "out").string()},
            dir.path());
        EXPECT_NE(result.output.find("Compile command from CDB is"), std::string::npos) << result.output;
        EXPECT_NE(result.output.find("All checks completed, 0 errors"), std::string::npos) << result.output;
    }
}

// Each project of the real repositories converts in one run as it converts alone.
TEST(FolderOfProjectsCorpus, EveryProjectAsAlone) {
    const fs::path repos = fs::path(KORRIN_CORPUS) / "repos";
    if (!fs::is_directory(repos))
        GTEST_SKIP() << "no " << repos;
    for (const fs::directory_entry& repository : fs::directory_iterator(repos)) {
        SCOPED_TRACE(repository.path().filename().string());
        TempDir dir;
        fs::create_directory(dir / "out");
        const std::string source = repository.path().string();
        const ProgramRun whole = runProgram(KORRIN_EXECUTABLE, {source, "out", "-cdb", "-all"}, dir.path());
        EXPECT_NE(whole.output.find("Projects Converted - "), std::string::npos) << whole.output;
        fs::rename(dir / "out", dir / "whole");
        const ProgramRun listed = runProgram(KORRIN_EXECUTABLE, {source, "-projects", "-all"}, dir.path());
        std::string::size_type at = 0;
        std::size_t projects = 0;
        for (std::string::size_type end; (end = listed.output.find('\n', at)) != std::string::npos; at = end + 1) {
            const std::string location = listed.output.substr(at, end - at);
            std::string folder = location;
            if (fs::path(location).extension() == ".projectspec")
                folder = folder.substr(0, folder.find_last_of("\\/"));
            std::string below = folder.substr(std::min(folder.size(), shownPath(repository.path()).size() + 1));
            std::replace(below.begin(), below.end(), '\\', '/');
            const fs::path destination = below.empty() ? dir / "out" : dir / "out" / below;
            fs::create_directories(destination);
            const ProgramRun alone = runProgram(KORRIN_EXECUTABLE, {location, destination.string(), "-cdb"}, dir.path());
            EXPECT_NE(whole.output.find("Converting Project - " + location + "\n" + alone.output), std::string::npos)
                << location;
            // The folder was made for it here; a project that fails leaves nothing.
            if (alone.status != 0)
                fs::remove(destination);
            ++projects;
        }
        EXPECT_GT(projects, 10u);
        Lines expected;
        for (const std::string& entry : listTree(dir / "whole"))
            if (entry != "compile_commands.json")
                expected.push_back(entry);
        EXPECT_EQ(listTree(dir / "out"), expected);
        for (const std::string& entry : expected)
            if (entry.back() != '/')
                EXPECT_TRUE(readFile(dir / "out" / entry) == readFile(dir / "whole" / entry)) << entry;
    }
}

}  // namespace
