#include "ConversionCase.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include <unistd.h>

#include "ProgressLine.h"
#include "TestSupport.h"
#include "SyntheticProject.h"

namespace fs = std::filesystem;

namespace {

// The last line a failed child printed, to say why it failed.
std::string lastLine(const std::string& path) {
    std::ifstream in(path);
    std::string last;
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            last = line;
    return last.empty() ? "(it printed nothing)" : last;
}

const double repeatBelowSeconds = 5;

// What a running conversion is at, told by the size of its .prj file.
std::string conversionStage(std::uintmax_t prjBytes) {
    if (prjBytes == 0)
        return "reading";
    char text[48];
    std::snprintf(text, sizeof text, "writing, .prj %.1f MB so far", static_cast<double>(prjBytes) / 1e6);
    return text;
}

}  // namespace

ConversionCase::ConversionCase(const std::string& korrin, const testing_support::TempDir& scratch, ProgressLine& progress)
    : korrin(korrin),
      scratch(scratch),
      progress(progress),
      projectFolder((scratch / "product").string()),
      projectFile(projectFolder + "/product.pjt"),
      log((scratch / "output.log").string()) {}

void ConversionCase::generate(std::size_t count) {
    sources = count;
    fs::create_directories(projectFolder);
    if (!writePjtFile(productLineShape(sources), projectFile))
        throw std::runtime_error("could not write " + projectFile);
}

// A short case is run three times and its fastest run kept, for Korrin and
// for "cp -r" alike: a single run of a fraction of a second says as much
// about what else the machine was doing. Every run writes to folders of its
// own, removed once the case is done: on ext4, making folders right after
// many were removed costs more, and only one of the two would pay for it.
// A run is repeated only while the scratch file system holds two more trees
// (a tmpfs has a fixed number of inodes).
CaseFigures ConversionCase::convert(bool replicate) {
    ChildCost korrinCost = convertOnce(replicate, 0);
    CaseFigures figures{sources, replicate, fileBytes(projectFile), countLines(prjFile(0)), measureTree(outFolder(0)),
                        korrinCost, copyOnce(replicate, 0)};
    const int repeats = korrinCost.wallSeconds < repeatBelowSeconds ? 2 : 0;
    int runs = 1;
    for (; runs <= repeats && hasRoomFor(scratch.path().string(), figures.written, 2); ++runs) {
        ChildCost again = convertOnce(replicate, runs);
        if (again.wallSeconds < figures.korrin.wallSeconds)
            figures.korrin = again;
        figures.copySeconds = std::min(figures.copySeconds, copyOnce(replicate, runs));
    }
    for (int run = 0; run < runs; ++run) {
        fs::remove_all(outFolder(run));
        fs::remove_all(copyFolder(run));
    }
    return figures;
}

std::string ConversionCase::outFolder(int run) const { return (scratch / ("out-" + std::to_string(run))).string(); }

std::string ConversionCase::copyFolder(int run) const { return (scratch / ("copy-" + std::to_string(run))).string(); }

std::string ConversionCase::prjFile(int run) const { return outFolder(run) + "/product.prj"; }

ChildCost ConversionCase::convertOnce(bool replicate, int runNumber) {
    fs::create_directory(outFolder(runNumber));
    std::vector<std::string> command = {korrin, projectFile, outFolder(runNumber)};
    if (replicate)
        command.push_back("-rp");
    const std::string prj = prjFile(runNumber);
    ChildCost cost = run(command, [this, replicate, prj] {
        return label(replicate) + ", " + conversionStage(fileBytes(prj));
    });
    if (cost.status != 0)
        throw std::runtime_error("Korrin failed with status " + std::to_string(cost.status) + " on " +
                                 label(replicate) + ": " + lastLine(log));
    return cost;
}

double ConversionCase::copyOnce(bool replicate, int runNumber) {
    ChildCost cost = run({"cp", "-r", outFolder(runNumber), copyFolder(runNumber)},
                         [this, replicate] { return label(replicate) + ", cp -r"; });
    if (cost.status != 0)
        throw std::runtime_error("cp -r failed on " + label(replicate) + ": " + lastLine(log));
    return cost.wallSeconds;
}

void ConversionCase::discard() { fs::remove_all(projectFolder); }

// Each timed command starts once the file system has written out what the one
// before left in memory, so that it does not pay for that.
ChildCost ConversionCase::run(const std::vector<std::string>& command, const std::function<std::string()>& describe) {
    sync();
    ChildCost cost = runChild(command, log, [this, describe](double seconds) { progress.show(describe(), seconds); });
    progress.clear();
    if (interrupted())
        throw std::runtime_error("interrupted");
    return cost;
}

std::string ConversionCase::label(bool replicate) const {
    return std::to_string(sources) + " sources" + (replicate ? " -rp" : "");
}
