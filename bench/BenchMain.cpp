// korrin_bench: converts generated projects of growing size with Korrin and
// prints what each conversion cost. It judges nothing.

#include <cstdio>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

#include "BenchSettings.h"
#include "ChildProcess.h"
#include "ConversionCase.h"
#include "FigureTable.h"
#include "Machine.h"
#include "ProgressLine.h"
#include "TestSupport.h"
#include "SyntheticProject.h"

namespace {

const int interruptedStatus = 130;

void checkExecutable(const std::string& korrin) {
    if (korrin.find('/') != std::string::npos && access(korrin.c_str(), X_OK) != 0)
        throw std::invalid_argument("no Korrin executable at " + korrin);
}

void printPreamble(const BenchSettings& settings, const testing_support::TempDir& scratch) {
    std::printf("Machine: %s\n", describeMachine().c_str());
    std::printf("Load:    %s at the start\n", loadAverages().c_str());
    std::printf("Korrin:  %s\n", settings.korrin.c_str());
    std::printf("Scratch: %s (removed at the end)\n", scratch.path().c_str());
    const std::size_t sample = 1000;
    ProjectShape shape = productLineShape(sample);
    std::printf("Projects: %zu configurations, %zu exclusions per %zu sources\n\n", shape.configurations,
                shape.exclusions, sample);
}

void measure(const BenchSettings& settings, const testing_support::TempDir& scratch) {
    ProgressLine progress;
    ConversionCase conversion(settings.korrin, scratch, progress);
    std::vector<CaseFigures> cases;
    printTableHeader();
    for (std::size_t sources : settings.sizes) {
        conversion.generate(sources);
        for (bool replicate : {false, true}) {
            cases.push_back(conversion.convert(replicate));
            printRow(cases.back());
        }
        conversion.discard();
    }
    std::printf("\n");
    printGrowth(cases);
}

}  // namespace

int main(int argc, char** argv) {
    try {
        BenchSettings settings = readSettings(std::vector<std::string>(argv + 1, argv + argc), KORRIN_EXECUTABLE);
        if (settings.helpWanted) {
            std::fputs(benchUsage, stdout);
            return 0;
        }
        checkExecutable(settings.korrin);
        catchInterruptions();
        testing_support::TempDir scratch(settings.scratchParent);
        printPreamble(settings, scratch);
        measure(settings, scratch);
        return 0;
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "korrin_bench: %s\n%s", error.what(), benchUsage);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "korrin_bench: %s\n", error.what());
    }
    return interrupted() ? interruptedStatus : 1;
}
