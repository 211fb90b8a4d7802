#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <set>
#include <stdexcept>

#include <nlohmann/json.hpp>

#include "PrjFileShape.h"
#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;
using Lines = std::vector<std::string>;

Lines projectLines(const fs::path& path) {
    std::string bytes = readFile(path);
    Lines lines;
    std::string::size_type start = 0;
    while (start < bytes.size()) {
        std::string::size_type end = std::min(bytes.find('\n', start), bytes.size());
        std::string line = bytes.substr(start, end - start);
        if (end < bytes.size() && !line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

struct Configuration {
    std::string name;
    Lines files;  // sorted
};

// The text of line between prefix and the next occurrence of end, if the
// line starts with prefix.
std::optional<std::string> between(const std::string& line, const std::string& prefix, const std::string& end) {
    if (line.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    std::string::size_type stop = line.find(end, prefix.size());
    if (stop == std::string::npos)
        return std::nullopt;
    return line.substr(prefix.size(), stop - prefix.size());
}

// Which files each configuration should list: every source that it does not
// exclude, read from the project file on its own terms (the forms these
// files use, at the start of their lines), with no extension filter.
std::vector<Configuration> expectedConfigurations(const fs::path& project, const std::string& rootName) {
    const std::string folder = korrinPath(project.parent_path()) + "\\";
    auto absolute = [&](const std::string& path) { return path.find(':') == std::string::npos ? folder + path : path; };
    Lines sources;
    Lines names;
    std::set<std::pair<std::string, std::string>> exclusions;
    std::string previous;
    for (const std::string& line : projectLines(project)) {
        if (std::optional<std::string> source = between(line, "Source=\"", "\""))
            sources.push_back(absolute(*source));
        if (std::optional<std::string> name = between(line, "[\"Compiler\" Settings: \"", "\"]"))
            names.push_back(*name);
        std::optional<std::string> file = between(previous, "[\"", "\" Settings: \"");
        if (line == "ExcludeFromBuild=true" && file)
            exclusions.emplace(*between(previous, "[\"" + *file + "\" Settings: \"", "\"]"), absolute(*file));
        previous = line;
    }
    if (names.empty())
        names.push_back(rootName);
    std::vector<Configuration> configurations;
    for (const std::string& name : names) {
        Configuration configuration{name, {}};
        for (const std::string& source : sources)
            if (exclusions.count({name, source}) == 0)
                configuration.files.push_back(hostText(source));
        std::sort(configuration.files.begin(), configuration.files.end());
        configurations.push_back(configuration);
    }
    return configurations;
}

// The names of the definitions written quoted as a whole, -d"NAME=...".
std::vector<std::string> wholeQuotedDefinitions(const fs::path& project) {
    std::vector<std::string> names;
    const std::string bytes = readFile(project);
    for (std::string::size_type at = bytes.find("-d\""); at != std::string::npos; at = bytes.find("-d\"", at + 3))
        names.push_back(bytes.substr(at + 3, bytes.find_first_of("=\" \r\n", at + 3) - at - 3));
    return names;
}

// Every analyser personality written is free of the project folder macro
// and of strings made of definitions that were quoted as a whole.
void checkPersonalities(const fs::path& project, const fs::path& destination) {
    std::vector<std::string> quoted = wholeQuotedDefinitions(project);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(destination)) {
        if (entry.path().extension() != ".p_a")
            continue;
        std::string text = readFile(entry.path());
        std::string upper = text;
        std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
        EXPECT_EQ(upper.find("$(PROJ_DIR)"), std::string::npos) << entry.path();
        for (const std::string& name : quoted)
            EXPECT_EQ(text.find("-d \"" + name + "=ZRN_STRINGIFY("), std::string::npos) << name;
    }
}

// Every database and overlay is JSON, each database entry a source with its
// arguments.
void checkDatabases(const fs::path& destination) {
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(destination)) {
        const std::string name = entry.path().filename().string();
        if (name != "compile_commands.json" && name != "include-overlay.yaml")
            continue;
        nlohmann::json json;
        ASSERT_NO_THROW(json = nlohmann::json::parse(readFile(entry.path()))) << entry.path();
        if (name == "include-overlay.yaml")
            continue;
        ASSERT_TRUE(json.is_array()) << entry.path();
        for (const nlohmann::json& unit : json) {
            EXPECT_TRUE(unit["directory"].is_string() && unit["file"].is_string()) << unit;
            EXPECT_EQ(unit["arguments"].back(), unit["file"]) << unit;
        }
    }
}

void checkConversion(const fs::path& project, bool replicate) {
    TempDir dir;
    Lines arguments{project.string(), dir.path().string(), "-pn", "corpus", "-cdb"};
    if (replicate)
        arguments.push_back("-rp");
    ProgramRun result = runProgram(KORRIN_EXECUTABLE, arguments, dir.path());
    ASSERT_EQ(result.status, 0) << result.output;
    ASSERT_EQ(result.output.substr(result.output.rfind('\n', result.output.size() - 2) + 1),
              "Corvel/Corvel++ Project Completed!\n");

    ProjectBlock root = readPrjFile(readFile(dir / "corpus.prj"));
    std::string rootName = project.filename().string();
    rootName.erase(rootName.size() - 4);
    std::vector<Configuration> expected = expectedConfigurations(project, rootName);
    checkPersonalities(project, dir.path());
    checkDatabases(dir.path());
    EXPECT_EQ(nonPosixPathLines(dir.path().string()), Lines{});

    // A configuration that receives no file is not written.
    std::vector<Configuration> written;
    std::copy_if(expected.begin(), expected.end(), std::back_inserter(written),
                 [](const Configuration& configuration) { return !configuration.files.empty(); });
    // A project with sources that some configuration keeps lists files.
    ASSERT_EQ(filesBelow(root).empty(), written.empty());
    if (written.empty())
        return;
    bool flat = expected.size() == 1 && expected[0].name == rootName;
    std::vector<ProjectBlock> blocks = flat ? std::vector<ProjectBlock>{root} : root.children;
    ASSERT_EQ(blocks.size(), written.size());
    for (std::size_t i = 0; i < written.size(); ++i) {
        EXPECT_EQ(blocks[i].name, written[i].name);
        Lines files = filesBelow(blocks[i]);
        std::sort(files.begin(), files.end());
        EXPECT_EQ(files, written[i].files) << written[i].name;
    }
}

TEST(Corpus, EveryProjectConvertsWithEverySourceInPlace) {
    const fs::path corpus = fs::path(KORRIN_CORPUS) / "pjt";
    if (!fs::is_directory(corpus))
        GTEST_SKIP() << "no corpus at " << corpus;
    int projects = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(corpus)) {
        if (entry.path().extension() != ".pjt")
            continue;
        ++projects;
        for (bool replicate : {false, true}) {
            SCOPED_TRACE(entry.path().filename().string() + (replicate ? " -rp" : ""));
            try {
                checkConversion(entry.path(), replicate);
            } catch (const std::runtime_error& error) {
                ADD_FAILURE() << error.what();
            }
        }
    }
    EXPECT_GT(projects, 0);
}

}  // namespace
