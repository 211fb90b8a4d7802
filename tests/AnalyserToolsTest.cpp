#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>

#include "KorrinFolder.h"
#include "PrjFileShape.h"
#include "TestSupport.h"

// The open analysers, run on what "-cdb" writes. Each test is skipped when
// its tool was not found when the tests were configured.
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

class Analysers : public KorrinFolder {
protected:
    // Converts the bundled example with "-cdb" into 'out'.
    void convertExample() {
        fs::copy(KORRIN_EXAMPLES "/app", dir / "app", fs::copy_options::recursive);
        ASSERT_EQ(run({"app/app.pjt", "out", "-cdb"}).status, 0);
    }
};

TEST_F(Analysers, CppcheckFindsTheDefectOnlyWhereItsConfigurationBuildsIt) {
    if (std::string(CPPCHECK_PROGRAM).empty())
        GTEST_SKIP() << "no cppcheck";
    convertExample();
    const std::string defect = "trace.c:13:12: error: Array 'history[4]' accessed at index 4, which is out of bounds.";
    ProgramRun debug =
        runWithErrors(CPPCHECK_PROGRAM, {"--project=out/app/Debug/compile_commands.json", "-q"}, dir.path());
    EXPECT_EQ(debug.status, 0) << debug.output;
    EXPECT_NE(debug.output.find(defect), std::string::npos) << debug.output;
    ProgramRun release =
        runWithErrors(CPPCHECK_PROGRAM, {"--project=out/app/Release/compile_commands.json", "-q"}, dir.path());
    EXPECT_EQ(release.status, 0) << release.output;
    EXPECT_EQ(release.output, "");
}

TEST_F(Analysers, ClangTidyTakesEveryArgumentAndFindsTheProjectsHeaders) {
    if (std::string(CLANG_TIDY_PROGRAM).empty())
        GTEST_SKIP() << "no clang-tidy";
    convertExample();
    // trace.c includes "Board.h", which is board.h on disk.
    ProgramRun result = runWithErrors(CLANG_TIDY_PROGRAM,
                                      {"-p", "out/app/Debug", "--vfsoverlay=out/app/Debug/include-overlay.yaml",
                                       "app/src/trace.c"},
                                      dir.path());
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_EQ(count(result.output, "error:"), 0u) << result.output;
    EXPECT_EQ(count(result.output, "unknown argument"), 0u) << result.output;
    EXPECT_NE(result.output.find("array index 4 is past the end of the array"), std::string::npos) << result.output;
}

// clang -fsyntax-only on every entry of the databases below folder; the
// driver named first is only a name, clang stands for it.
std::vector<std::pair<std::string, ProgramRun>> clangOnDatabases(const fs::path& folder) {
    std::vector<std::pair<std::string, ProgramRun>> runs;
    for (const fs::directory_entry& file : fs::recursive_directory_iterator(folder)) {
        if (file.path().filename() != "compile_commands.json")
            continue;
        for (const nlohmann::json& entry : nlohmann::json::parse(readFile(file.path()))) {
            Lines arguments{"-fsyntax-only"};
            for (std::size_t i = 1; i < entry["arguments"].size(); ++i)
                arguments.push_back(entry["arguments"][i]);
            runs.emplace_back(entry["file"], runWithErrors(CLANG_PROGRAM, arguments, entry["directory"].get<std::string>()));
        }
    }
    return runs;
}

TEST_F(Analysers, ClangParsesEveryConfigurationOfARealTree) {
    const fs::path project = fs::path(KORRIN_CORPUS) / "trees/TI_F28xxx_SysSW/FlashingLeds/FlashingLeds.pjt";
    if (std::string(CLANG_PROGRAM).empty() || !fs::exists(project))
        GTEST_SKIP() << "no clang or no " << project;
    ASSERT_EQ(run({project.string(), "out", "-cdb"}).status, 0);
    const auto runs = clangOnDatabases(dir / "out");
    for (const auto& [file, result] : runs) {
        EXPECT_EQ(result.status, 0) << file << "\n" << result.output;
        EXPECT_EQ(count(result.output, "error:"), 0u) << file << "\n" << result.output;
    }
    EXPECT_EQ(runs.size(), 44u);
}

// Whole Code Composer Studio projects of four families, converted with
// "-cdb" below out/, their compiler given as a stand-in for TI's C library
// headers, which take their types from the compiler's macros.
class CcsTrees : public Analysers {
protected:
    // The folders of the databases; none when the trees are not there.
    std::vector<fs::path> convertTrees() {
        const fs::path trees = fs::path(KORRIN_CORPUS) / "ccs-trees";
        std::vector<fs::path> folders;
        if (!fs::is_directory(trees))
            return folders;
        for (const fs::directory_entry& tree : fs::directory_iterator(trees)) {
            const fs::path out = dir / "out" / tree.path().filename();
            fs::create_directories(out);
            const std::string compiler = std::string("CG_TOOL_ROOT=") + KORRIN_TEST_DATA + "/ti-compiler";
            EXPECT_EQ(run({tree.path().string(), out.string(), "-cdb", "-var", compiler}).status, 0) << tree.path();
            folders.push_back(out);
        }
        return folders;
    }
};

// clang finds nothing wrong but the headers that only a CCS installation or
// an SDK holds.
TEST_F(CcsTrees, ClangParsesThemButForHeadersOfCcs) {
    if (std::string(CLANG_PROGRAM).empty())
        GTEST_SKIP() << "no clang";
    std::size_t clean = 0;
    for (const fs::path& out : convertTrees()) {
        for (const auto& [file, result] : clangOnDatabases(out)) {
            EXPECT_EQ(count(result.output, "error:"), count(result.output, "file not found")) << file << "\n" << result.output;
            clean += result.status == 0;
        }
    }
    EXPECT_GE(clean, 118u);
}

// An SDK example's description around the sources of the Hercules tree,
// its SDK given by "-var": clang parses every source without an error.
TEST_F(CcsTrees, ClangParsesAProjectSpecOfPresentSources) {
    const fs::path tree = fs::path(KORRIN_CORPUS) / "ccs-trees/salokanto+freertos-rm46";
    if (std::string(CLANG_PROGRAM).empty() || !fs::is_directory(tree))
        GTEST_SKIP() << "no clang or no " << tree;
    std::string files;
    for (const fs::directory_entry& file : fs::directory_iterator(tree / "src/FreeRTOS"))
        files += "<file path=\"${RM46}/src/FreeRTOS/" + file.path().filename().string() +
                 "\" action=\"copy\" targetDirectory=\"FreeRTOS\"/>\n";
    writeFile(dir / "spec/rm46.projectspec",
              "<projectSpec>\n<project name=\"rm46\" device=\"RM46L852\" cgtVersion=\"16.9.2.LTS\" toolChain=\"TI\"\n"
              "  configurations=\"Debug\" compilerBuildOptions=\"-mv7R4 --code_state=32 --float_support=VFPv3D16\n"
              "  --abi=eabi -me --c99 -I${RM46} -I${RM46}/src/FreeRTOS/include -I${CG_TOOL_ROOT}/include\">\n"
              "<pathVariable name=\"RM46\" path=\"${RM46_ROOT}\" scope=\"project\"/>\n"
              "<file path=\"RM46/src/main.c\" action=\"link\"/>\n<file path=\"RM46/src/blinky.c\" action=\"link\"/>\n"
              "<file path=\"RM46/src/led_control.c\" action=\"link\"/>\n" +
                  files + "</project>\n</projectSpec>\n");
    ASSERT_EQ(run({"spec/rm46.projectspec", "out", "-cdb", "-var", "RM46_ROOT=" + tree.string(), "-var",
                   std::string("CG_TOOL_ROOT=") + KORRIN_TEST_DATA + "/ti-compiler"})
                  .status,
              0);
    const auto runs = clangOnDatabases(dir / "out");
    for (const auto& [file, result] : runs)
        EXPECT_EQ(result.status, 0) << file << "\n" << result.output;
    EXPECT_EQ(runs.size(), 34u);
}

// The repositories of many projects, each converted in one run with the TI
// folder of the corpus: clang finds nothing wrong in the folder's database
// but missing headers; no intrinsic goes undeclared.
TEST_F(CcsTrees, ClangParsesTheRepositoriesButForMissingHeaders) {
    const fs::path repos = fs::path(KORRIN_CORPUS) / "repos";
    if (std::string(CLANG_PROGRAM).empty() || !fs::is_directory(repos))
        GTEST_SKIP() << "no clang or no " << repos;
    std::size_t entries = 0;
    for (const fs::directory_entry& repository : fs::directory_iterator(repos)) {
        const fs::path out = dir / "out" / repository.path().filename();
        fs::create_directories(out);
        run({repository.path().string(), out.string(), "-cdb", "-all", "-ti", (fs::path(KORRIN_CORPUS) / "ti-root").string(),
             "-var", std::string("CG_TOOL_ROOT=") + KORRIN_TEST_DATA + "/ti-compiler"});
        for (const auto& [file, result] : clangOnDatabases(out)) {
            ++entries;
            EXPECT_EQ(count(result.output, "error:"), count(result.output, "file not found")) << file << "\n" << result.output;
            EXPECT_EQ(count(result.output, "implicit declaration of function '_"), 0u) << file << "\n" << result.output;
        }
    }
    EXPECT_GT(entries, 300u);
}

// cppcheck reads every source and finds no syntax it cannot take.
TEST_F(CcsTrees, CppcheckReadsThemWithoutSyntaxErrors) {
    if (std::string(CPPCHECK_PROGRAM).empty())
        GTEST_SKIP() << "no cppcheck";
    std::size_t databases = 0;
    for (const fs::path& out : convertTrees()) {
        for (const fs::directory_entry& file : fs::recursive_directory_iterator(out)) {
            if (file.path().filename() != "compile_commands.json" || file.path().parent_path().filename() != "Debug")
                continue;
            ++databases;
            ProgramRun result = runWithErrors(
                CPPCHECK_PROGRAM, {"--project=" + file.path().string(), "-q", "--template={id}"}, dir.path());
            EXPECT_EQ(result.status, 0) << result.output;
            for (const char* failure : {"syntaxError", "preprocessorErrorDirective", "unknownMacro", "internalError"})
                EXPECT_EQ(count(result.output, failure), 0u) << file.path() << "\n" << result.output;
        }
    }
    EXPECT_EQ(databases, 4u);
}

}  // namespace

namespace {

// The words of a command line as a shell splits them, quotes dropped.
Lines shellWords(const std::string& command) {
    Lines words;
    std::string word;
    bool quoted = false;
    bool inWord = false;
    for (char c : command) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (c == ' ' && !quoted) {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

// Where a folder of the author's machine is here: one of the project
// (authorsFolder) in project, one of the author's TI folder ('C:/ti/...',
// '/Applications/ti/...') at the same place in tiRoot, but a compiler's
// folder is the one of its family installed there. Empty for a folder
// elsewhere.
fs::path onThisMachine(const std::string& folder, const std::string& authorsFolder, const fs::path& project,
                       const fs::path& tiRoot) {
    if (folder == authorsFolder || folder.rfind(authorsFolder + "/", 0) == 0)
        return project / folder.substr(std::min(folder.size(), authorsFolder.size() + 1));
    std::smatch match;
    if (!std::regex_search(folder, match, std::regex("^(?:[A-Za-z]:|/Applications|/Users/[^/]+)/ti/(.*)$")))
        return fs::path();
    const std::string rest = match[1];
    if (!std::regex_match(rest, match, std::regex("(?:ccs[^/]*/ccs/tools/compiler/)?ti-cgt-([a-z0-9]+)_[^/]+(/.*)?")))
        return tiRoot / rest;
    for (const fs::directory_entry& ccs : fs::directory_iterator(tiRoot))
        if (fs::is_directory(ccs.path() / "ccs/tools/compiler"))
            for (const fs::directory_entry& compiler : fs::directory_iterator(ccs.path() / "ccs/tools/compiler"))
                if (compiler.path().filename().string().rfind("ti-cgt-" + match[1].str() + "_", 0) == 0)
                    return compiler.path().string() + match[2].str();
    return fs::path();
}

std::string realPath(const fs::path& path) { return fs::weakly_canonical(path).string(); }

// A folder as a database should write it: "." and ".." folded, letter case aside.
std::string asWritten(const fs::path& folder) {
    std::string text = folder.lexically_normal().string();
    if (text.size() > 1 && text.back() == '/')
        text.pop_back();
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The include folders ("-I" and "-isystem", as written) and definitions
// of a database's entries, by canonical file.
struct Entry {
    std::set<std::string> includes;
    std::set<std::string> definitions;
};
std::map<std::string, Entry> entriesOf(const fs::path& database) {
    std::map<std::string, Entry> entries;
    for (const nlohmann::json& entry : nlohmann::json::parse(readFile(database))) {
        Entry& own = entries[realPath(entry["file"].get<std::string>())];
        for (const std::string argument : entry["arguments"]) {
            const std::string::size_type flag = argument.rfind("-isystem", 0) == 0 ? 8 : argument.rfind("-I", 0) == 0 ? 2 : 0;
            if (argument.find("${") != std::string::npos)
                own.includes.insert(argument);
            else if (flag != 0)
                own.includes.insert(asWritten(argument.substr(flag)));
            else if (argument.rfind("-D", 0) == 0)
                own.definitions.insert(argument.substr(2));
        }
    }
    return entries;
}

// The CCS 20 projects of the corpus, converted with "-cdb" and the TI
// folder of the corpus, set against what CCS 20 wrote for clangd on the
// author's machine, for the configuration it wrote.
class Ccs20Projects : public Analysers {};

TEST_F(Ccs20Projects, DatabasesHoldWhatTheIdeGaveForWhatIsInstalledHere) {
    const fs::path corpus = fs::path(KORRIN_CORPUS) / "ccs20";
    const fs::path tiRoot = fs::path(KORRIN_CORPUS) / "ti-root";
    if (!fs::is_directory(corpus) || !fs::is_directory(tiRoot))
        GTEST_SKIP() << "no " << corpus << " or " << tiRoot;
    std::size_t compared = 0;
    std::size_t folders = 0;  // of the IDE's that exist here
    for (const fs::directory_entry& project : fs::directory_iterator(corpus)) {
        SCOPED_TRACE(project.path().filename().string());
        const fs::path out = dir / "out" / project.path().filename();
        fs::create_directories(out);
        const ProgramRun converted = run({project.path().string(), out.string(), "-cdb", "-ti", tiRoot.string()});
        ASSERT_EQ(converted.status, 0);
        // Every path, on the console and in the Corvel project, is this host's.
        EXPECT_EQ(converted.output.find('\\'), std::string::npos) << converted.output;
        EXPECT_EQ(nonPosixPathLines(out.string()), Lines{});
        fs::path ours;
        for (const fs::directory_entry& file : fs::recursive_directory_iterator(out))
            if (file.path().filename() == "compile_commands.json" && file.path().parent_path().filename() == "Debug")
                ours = file.path();
        const std::map<std::string, Entry> entries = entriesOf(ours);
        const nlohmann::json ide = nlohmann::json::parse(readFile(project.path() / "Debug/.clangd/compile_commands.json"));
        const std::string authorsFolder = fs::path(ide[0]["directory"].get<std::string>()).parent_path().string();
        for (const nlohmann::json& entry : ide) {
            const std::string file = entry["file"].get<std::string>().substr(authorsFolder.size() + 1);
            const std::string extension = fs::path(file).extension().string();
            // Assembly is no C, and SysConfig writes its sources into the build folder.
            if (file.rfind("Debug/", 0) == 0 || (extension != ".c" && extension != ".cpp"))
                continue;
            ASSERT_TRUE(entries.count(realPath(project.path() / file))) << file;
            const Entry& own = entries.at(realPath(project.path() / file));
            ++compared;
            const Lines words = shellWords(entry["command"]);
            for (std::size_t i = 1; i < words.size(); ++i) {
                const std::string& word = words[i];
                if (word.rfind("-D", 0) == 0) {
                    EXPECT_TRUE(own.definitions.count(word.substr(2))) << file << " " << word;
                    continue;
                }
                const std::string::size_type flag = word.rfind("-isystem", 0) == 0 ? 8 : word.rfind("-I", 0) == 0 ? 2 : 0;
                const fs::path here =
                    flag == 0 ? fs::path() : onThisMachine(word.substr(flag), authorsFolder, project.path(), tiRoot);
                if (!here.empty() && fs::exists(here)) {
                    ++folders;
                    EXPECT_TRUE(own.includes.count(asWritten(here))) << file << " " << word;
                }
            }
            for (const std::string& include : own.includes)
                EXPECT_EQ(include.find("${"), std::string::npos) << file << " " << include;
        }
        if (!std::string(CLANG_PROGRAM).empty())
            for (const auto& [file, result] : clangOnDatabases(out))
                EXPECT_EQ(count(result.output, "error:"), count(result.output, "file not found")) << file << "\n" << result.output;
    }
    EXPECT_EQ(compared, 22u);
    EXPECT_EQ(folders, 60u);
}

}  // namespace
