#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <stdexcept>

#include "PrjFileShape.h"
#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;
using Lines = std::vector<std::string>;

const std::set<std::string> descriptionFiles{".project", ".cproject", ".cdtbuild", ".ccsproject", "macros.ini"};

// The project laid out below folder: its description files as published,
// every other file of its files.txt empty.
std::set<std::string> layOut(const fs::path& corpusProject, const fs::path& folder) {
    std::set<std::string> files;
    std::ifstream list(corpusProject / "files.txt");
    for (std::string file; std::getline(list, file);) {
        const fs::path published = corpusProject / file;
        const bool described = (descriptionFiles.count(fs::path(file).filename().string()) != 0 ||
                                fs::path(file).extension() == ".projectspec") &&
                               fs::is_regular_file(published);
        writeFile(folder / file, described ? readFile(published) : std::string());
        files.insert(shownPath(folder / file));
    }
    return files;
}

// The configurations the project declares, read on their own terms.
Lines declaredConfigurations(const fs::path& folder) {
    const bool cdt4 = fs::exists(folder / ".cproject");
    const std::string text = readFile(folder / (cdt4 ? ".cproject" : ".cdtbuild"));
    const std::regex configuration(cdt4 ? "moduleId=\"cdtBuildSystem\"[^>]*>\\s*<configuration [^>]*?name=\"([^\"]*)\""
                                        : "<configuration [^>]*?name=\"([^\"]*)\"");
    Lines names;
    for (std::sregex_iterator it(text.begin(), text.end(), configuration), end; it != end; ++it)
        names.push_back((*it)[1]);
    return names;
}

fs::path prjIn(const fs::path& folder) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".prj")
            return entry.path();
    throw std::runtime_error("no .prj in " + folder.string());
}

// The published folder laid out below dir/folder, source (relative to dir)
// converted into dir/out, and the .prj it wrote; files: those laid out.
ProjectBlock convertLaidOut(const TempDir& dir, const fs::path& published, const std::string& folder,
                            const std::string& source, std::set<std::string>& files) {
    files = layOut(published, dir / folder);
    fs::create_directory(dir / "out");
    const ProgramRun result = runProgram(KORRIN_EXECUTABLE, {source, "out"}, dir.path());
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_EQ(nonPosixPathLines((dir / "out").string()), Lines{});
    return result.status == 0 ? readPrjFile(readFile(prjIn(dir / "out"))) : ProjectBlock{};
}

Lines namesOf(const std::vector<ProjectBlock>& blocks) {
    Lines names;
    for (const ProjectBlock& block : blocks)
        names.push_back(block.name);
    return names;
}

bool inDotFolder(const std::string& path, const std::string& folder) {
    return path.find(hostText("\\."), folder.size()) != std::string::npos;
}

// Every Eclipse project of the corpus converts, with the configurations it
// declares, each listing only files of the project folder that are no
// Eclipse state, or files elsewhere that links name.
TEST(CcsCorpus, EveryProjectConvertsWithItsConfigurations) {
    const fs::path corpus = fs::path(KORRIN_CORPUS) / "ccs";
    if (!fs::is_directory(corpus))
        GTEST_SKIP() << "no corpus at " << corpus;
    int projects = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(corpus)) {
        if (entry.path().filename() != "files.txt" || !fs::exists(entry.path().parent_path() / ".project"))
            continue;
        ++projects;
        const fs::path published = entry.path().parent_path();
        SCOPED_TRACE(fs::relative(published, corpus).string());
        TempDir dir;
        std::set<std::string> files;
        const ProjectBlock root = convertLaidOut(dir, published, "project", "project", files);
        EXPECT_EQ(namesOf(root.children), declaredConfigurations(dir / "project"));
        const std::string folder = shownPath(dir / "project");
        for (const ProjectBlock& configuration : root.children)
            for (const std::string& file : configuration.files)
                if (file.compare(0, folder.size(), folder) == 0 && file.find(hostText("\\..\\")) == std::string::npos) {
                    EXPECT_TRUE(files.count(file)) << file;
                    EXPECT_FALSE(inDotFolder(file, folder)) << file;
                }
    }
    EXPECT_GT(projects, 30);
}

// The configurations a .projectspec declares, read on their own terms: its
// <configuration> elements, else its configurations list, else CCS's pair.
Lines declaredSpecConfigurations(const fs::path& spec) {
    const std::string text = readFile(spec);
    Lines names;
    const std::regex element("<configuration\\s+name=\"([^\"]*)\"");
    for (std::sregex_iterator it(text.begin(), text.end(), element), end; it != end; ++it)
        names.push_back((*it)[1]);
    std::smatch list;
    if (names.empty() && std::regex_search(text, list, std::regex("configurations=\"([^\"]*)\""))) {
        const std::string items = list[1];
        const std::regex item("[^,\\s]+");
        for (std::sregex_iterator it(items.begin(), items.end(), item), end; it != end; ++it)
            names.push_back(it->str());
    }
    return names.empty() ? Lines{"Debug", "Release"} : names;
}

// Every .projectspec of the corpus converts with the configurations it
// declares; the files it lists from its own folder are files of that folder.
TEST(CcsCorpus, EveryProjectSpecConvertsWithItsConfigurations) {
    const fs::path corpus = fs::path(KORRIN_CORPUS) / "ccs";
    if (!fs::is_directory(corpus))
        GTEST_SKIP() << "no corpus at " << corpus;
    int specs = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(corpus)) {
        if (entry.path().extension() != ".projectspec" || !fs::exists(entry.path().parent_path() / "files.txt"))
            continue;
        ++specs;
        SCOPED_TRACE(fs::relative(entry.path(), corpus).string());
        TempDir dir;
        std::set<std::string> files;
        const ProjectBlock root = convertLaidOut(dir, entry.path().parent_path(), "spec",
                                                 "spec/" + entry.path().filename().string(), files);
        EXPECT_EQ(namesOf(root.children), declaredSpecConfigurations(entry.path()));
        const std::string folder = shownPath(dir / "spec");
        for (const ProjectBlock& configuration : root.children)
            for (const std::string& file : configuration.files)
                if (file.compare(0, folder.size(), folder) == 0 && file.find(hostText("\\..\\")) == std::string::npos)
                    EXPECT_TRUE(files.count(file)) << file;
    }
    EXPECT_EQ(specs, 4);
}

}  // namespace
