#ifndef KORRIN_BENCH_CONVERSION_CASE_H
#define KORRIN_BENCH_CONVERSION_CASE_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "TestSupport.h"
#include "WrittenTree.h"

class ProgressLine;

// What one conversion cost and wrote.
struct CaseFigures {
    std::size_t sources;
    bool replicate;                  // with "-rp"
    std::uintmax_t projectFileBytes;  // the .pjt read
    std::size_t prjLines;
    WrittenTree written;
    ChildCost korrin;
    double copySeconds;  // "cp -r" of the tree Korrin wrote
};

// Converts the generated project of a size, in the scratch folder, with one
// Korrin executable, and takes its figures.
class ConversionCase {
public:
    ConversionCase(const std::string& korrin, const testing_support::TempDir& scratch, ProgressLine& progress);

    // Writes the project file of sources; throws std::runtime_error when it
    // cannot.
    void generate(std::size_t sources);

    // Converts the project generated last, measures the tree written,
    // copies it with "cp -r" and removes both copies; a case of less than
    // five seconds is taken three times, each run in folders of its own, and
    // its fastest runs kept. Throws
    // std::runtime_error when Korrin or the copy fails.
    CaseFigures convert(bool replicate);

    // Removes the project file.
    void discard();

private:
    // The folders of one run: Korrin writes the first, "cp -r" the second.
    std::string outFolder(int runNumber) const;
    std::string copyFolder(int runNumber) const;
    std::string prjFile(int runNumber) const;
    ChildCost convertOnce(bool replicate, int runNumber);
    // Returns the seconds the copy took.
    double copyOnce(bool replicate, int runNumber);
    // Runs a child while the progress line says what describe tells.
    ChildCost run(const std::vector<std::string>& command, const std::function<std::string()>& describe);
    std::string label(bool replicate) const;

    std::string korrin;
    const testing_support::TempDir& scratch;
    ProgressLine& progress;
    std::size_t sources = 0;
    std::string projectFolder;
    std::string projectFile;
    std::string log;
};

#endif
