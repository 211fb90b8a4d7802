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
      destination((scratch / "out").string()),
      prjFile(destination + "/product.prj"),
      copy((scratch / "copy").string()),
      log((scratch / "output.log").string()) {}

void ConversionCase::generate(std::size_t count) {
    sources = count;
    fs::create_directories(projectFolder);
    if (!writeProjectFile(productLineShape(sources), projectFile))
        throw std::runtime_error("could not write " + projectFile);
}

// A short case is run three times and its fastest run kept, for Korrin and
// for "cp -r" alike: a single run of a fraction of a second says as much
// about what else the machine was doing.
CaseFigures ConversionCase::convert(bool replicate) {
    ChildCost korrinCost = convertOnce(replicate);
    CaseFigures figures{sources, replicate, fileBytes(projectFile), countLines(prjFile), measureTree(destination),
                        korrinCost, copyOnce(replicate)};
    const int runs = korrinCost.wallSeconds < repeatBelowSeconds ? 3 : 1;
    for (int run = 1; run < runs; ++run) {
        fs::remove_all(destination);
        ChildCost again = convertOnce(replicate);
        if (again.wallSeconds < figures.korrin.wallSeconds)
            figures.korrin = again;
        figures.copySeconds = std::min(figures.copySeconds, copyOnce(replicate));
    }
    fs::remove_all(destination);
    return figures;
}

ChildCost ConversionCase::convertOnce(bool replicate) {
    fs::create_directory(destination);
    std::vector<std::string> command = {korrin, projectFile, destination};
    if (replicate)
        command.push_back("-rp");
    ChildCost cost = run(command, [this, replicate] {
        return label(replicate) + ", " + conversionStage(fileBytes(prjFile));
    });
    if (cost.status != 0)
        throw std::runtime_error("Korrin failed with status " + std::to_string(cost.status) + " on " +
                                 label(replicate) + ": " + lastLine(log));
    return cost;
}

double ConversionCase::copyOnce(bool replicate) {
    ChildCost cost = run({"cp", "-r", destination, copy}, [this, replicate] { return label(replicate) + ", cp -r"; });
    if (cost.status != 0)
        throw std::runtime_error("cp -r failed on " + label(replicate) + ": " + lastLine(log));
    fs::remove_all(copy);
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
