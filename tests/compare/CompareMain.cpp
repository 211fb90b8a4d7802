// Runs two builds of Korrin on the same inputs, each in the same case
// folder, and compares what they print, their status and every file and
// folder they write, byte for byte.
//   korrin_compare BEFORE AFTER SCRATCH [--corpus FOLDER] [--generated COUNT] [--seed SEED]
//                  [--fold-separators]
// --fold-separators compares with every "\" of a path line turned into "/"
// on both sides (see foldSeparators).

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "GeneratedProjects.h"
#include "TestSupport.h"
#include "WrittenTree.h"

namespace fs = std::filesystem;

namespace {

struct Settings {
    std::string before;
    std::string after;
    fs::path scratch;
    fs::path corpus;
    int generated = 3000;
    unsigned seed = 1;
    bool foldSeparators = false;
};

bool parse(int argc, char** argv, Settings& settings) {
    if (argc < 4)
        return false;
    settings.before = fs::absolute(argv[1]).string();
    settings.after = fs::absolute(argv[2]).string();
    settings.scratch = fs::absolute(argv[3]);
    for (int i = 4; i < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--fold-separators") {
            settings.foldSeparators = true;
            --i;
        } else if (i + 1 >= argc) {
            return false;
        } else if (option == "--corpus")
            settings.corpus = argv[i + 1];
        else if (option == "--generated")
            settings.generated = std::atoi(argv[i + 1]);
        else if (option == "--seed")
            settings.seed = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
        else
            return false;
    }
    return true;
}

RunResult runIn(const fs::path& folder, const std::string& korrin, const ComparisonCase& run) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const auto& [path, bytes] : run.files)
        testing_support::writeFile(folder / path, bytes);
    for (const std::string& path : run.folders)
        fs::create_directories(folder / path);
    testing_support::ProgramRun ran = testing_support::runProgram(korrin, run.arguments, folder);
    return snapshot(ran.status, std::move(ran.output), folder);
}

}  // namespace

int main(int argc, char** argv) {
    Settings settings;
    if (!parse(argc, argv, settings)) {
        std::cerr << "usage: korrin_compare BEFORE AFTER SCRATCH [--corpus FOLDER] [--generated COUNT] [--seed SEED]"
                     " [--fold-separators]\n";
        return 2;
    }
    std::vector<ComparisonCase> cases = corpusProjects(settings.corpus);
    for (std::vector<ComparisonCase> more : {hostileProjects(), generatedProjects(settings.seed, settings.generated)})
        cases.insert(cases.end(), more.begin(), more.end());
    // Both runs of a case use the same folder, so that every path they
    // write is the same.
    const fs::path folder = settings.scratch / "case";
    int passed = 0;
    int failed = 0;
    for (const ComparisonCase& run : cases) {
        RunResult before = runIn(folder, settings.before, run);
        RunResult after = runIn(folder, settings.after, run);
        if (settings.foldSeparators) {
            foldSeparators(before);
            foldSeparators(after);
        }
        const std::vector<std::string> found = differences(before, after, 5);
        if (found.empty()) {
            ++passed;
            continue;
        }
        ++failed;
        std::cout << "DIFFERS: " << run.name << ":";
        for (const std::string& argument : run.arguments)
            std::cout << " '" << (argument.size() > 60 ? argument.substr(0, 60) + "..." : argument) << "'";
        std::cout << "\n";
        for (const std::string& difference : found)
            std::cout << "  " << difference << "\n";
    }
    fs::remove_all(folder);
    std::cout << passed << " passed, " << failed << " failed" << std::endl;
    return failed == 0 ? 0 : 1;
}
