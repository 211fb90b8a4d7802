#include "FigureTable.h"

#include <cstdio>
#include <optional>
#include <string>

namespace {

const std::size_t growthBase = 10000;
const double megabyte = 1e6;

double secondsPerLine(const CaseFigures& figures) {
    return figures.korrin.wallSeconds / static_cast<double>(figures.prjLines > 0 ? figures.prjLines : 1);
}

struct Growth {
    std::size_t largest;
    double factor;
};

// The growth of one mode, or nothing when its base or a larger case is missing.
std::optional<Growth> growthOf(const std::vector<CaseFigures>& cases, bool replicate) {
    const CaseFigures* base = nullptr;
    const CaseFigures* last = nullptr;
    for (const CaseFigures& figures : cases) {
        if (figures.replicate != replicate)
            continue;
        if (figures.sources == growthBase)
            base = &figures;
        if (figures.sources > growthBase)
            last = &figures;
    }
    if (base == nullptr || last == nullptr)
        return std::nullopt;
    return Growth{last->sources, secondsPerLine(*last) / secondsPerLine(*base)};
}

}  // namespace

void printTableHeader() {
    std::printf("%9s %3s %8s %10s %8s %8s %7s %7s %8s %8s %8s %7s\n", "sources", "-rp", ".pjt MB", ".prj lines",
                "folders", "wall s", "user s", "sys s", "peak MB", "wrote MB", "cp -r s", "/ cp");
    std::fflush(stdout);
}

void printRow(const CaseFigures& figures) {
    const ChildCost& cost = figures.korrin;
    std::printf("%9zu %3s %8.1f %10zu %8zu %8.3f %7.2f %7.2f %8.1f %8.1f %8.3f %7.1f\n", figures.sources,
                figures.replicate ? "yes" : "no", static_cast<double>(figures.projectFileBytes) / megabyte,
                figures.prjLines, figures.written.folders, cost.wallSeconds, cost.userSeconds, cost.systemSeconds,
                static_cast<double>(cost.peakResidentKiB) * 1024 / megabyte,
                static_cast<double>(figures.written.bytes) / megabyte, figures.copySeconds,
                figures.copySeconds > 0 ? cost.wallSeconds / figures.copySeconds : 0.0);
    std::fflush(stdout);
}

void printGrowth(const std::vector<CaseFigures>& cases) {
    std::printf("Growth of the wall time per .prj line from %zu sources to the largest case:\n", growthBase);
    for (bool replicate : {false, true}) {
        const char* mode = replicate ? "with -rp:" : "without -rp:";
        if (std::optional<Growth> growth = growthOf(cases, replicate))
            std::printf("  %-12s x%.2f (to %zu sources)\n", mode, growth->factor, growth->largest);
        else
            std::printf("  %-12s not measured: needs %zu sources and a larger size\n", mode, growthBase);
    }
}
