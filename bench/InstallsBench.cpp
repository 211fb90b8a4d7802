// korrin_installs_bench: converts a generated Code Composer Studio project
// once with "-ti" naming a TI folder of 40 products and 20 compilers with
// 500 000 files below them, and once with "-ti" naming an empty folder, in
// turns, and prints the fastest of each and their ratio. Korrin reads only
// the names and metadata of what is installed, so the two should be close.
// It judges nothing.
//   korrin_installs_bench [--files FILES] [--installed FILES] [--scratch FOLDER]

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "BenchFiles.h"
#include "BenchOptions.h"
#include "CcsProjectTree.h"
#include "ChildProcess.h"
#include "Machine.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

const std::size_t productCount = 40;
const std::size_t compilerCount = 20;
const char* const families[] = {"c2000", "msp430", "arm", "armllvm", "c6000"};

// files empty files in folders of sixteen below folder, as an SDK holds them.
void fill(const fs::path& folder, std::size_t files) {
    for (std::size_t number = 0; number < files; ++number)
        writeOrThrow(folder / ("d" + std::to_string(number % 16)) / ("s" + std::to_string(number / 16 % 16)) /
                  ("file" + std::to_string(number) + ".h"),
              "");
}

// Half the products directly in the TI folder, half one level down; the
// compilers in two CCS but four installed alone.
void writeTiFolder(const fs::path& ti, std::size_t installedFiles) {
    const std::size_t each = installedFiles / (productCount + compilerCount);
    for (std::size_t number = 0; number < productCount; ++number) {
        const std::string name = "product" + std::to_string(number) + "_sdk_1_" + std::to_string(number) + "_00_00";
        const fs::path folder = number % 2 == 0 ? ti / name : ti / ("group" + std::to_string(number % 4)) / name;
        writeOrThrow(folder / ".metadata/.tirex/package.tirex.json",
              "[{\"id\": \"PRODUCT" + std::to_string(number) + "-SDK\", \"version\": \"1." + std::to_string(number) + ".0.0\"}]\n");
        writeOrThrow(folder / ".metadata/.tirex/package.ccs.json",
              "[{\"rootMacroName\": \"COM_TI_PRODUCT" + std::to_string(number) +
                  "_SDK_INSTALL_DIR\", \"compilerIncludePath\": [\"source\"], \"compilerSymbols\": []}]\n");
        fill(folder / "source", each);
    }
    for (std::size_t number = 0; number < compilerCount; ++number) {
        const std::string name = std::string("ti-cgt-") + families[number % 5] + "_" + std::to_string(20 + number) + ".6.1.LTS";
        const fs::path folder = number < 4 ? ti / name : ti / ("ccs20" + std::to_string(number % 2) + "0/ccs/tools/compiler") / name;
        fill(folder / "include", each);
    }
}

double fastest(const std::vector<std::string>& command, const fs::path& log, const fs::path& out) {
    double best = 1e30;
    for (int run = 0; run < 5; ++run) {
        fs::remove_all(out);
        fs::create_directories(out);
        best = std::min(best, runOrThrow(command, log.string()).wallSeconds);
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const BenchOptions options(argc, argv);
    const std::size_t files = options.count("--files", 10000);
    const std::size_t installed = options.count("--installed", 500000);
    try {
        testing_support::TempDir scratch(options.scratchParent());
        printMachineAndLoad();
        writeCcsProjectTree(scratch.path(), files);
        writeTiFolder(scratch / "ti", installed);
        fs::create_directories(scratch / "empty");
        const std::string project = (scratch / "project").string();
        const std::string out = (scratch / "out").string();
        const double withInstalls =
            fastest({KORRIN_EXECUTABLE, project, out, "-cdb", "-ti", (scratch / "ti").string()}, scratch / "ti.log", out);
        const double without =
            fastest({KORRIN_EXECUTABLE, project, out, "-cdb", "-ti", (scratch / "empty").string()}, scratch / "empty.log", out);
        std::printf("\nproject files  installed files  with TI folder s  with empty folder s  ratio\n");
        std::printf("%13zu  %15zu  %16.3f  %19.3f  %5.2f\n", files, installed, withInstalls, without, withInstalls / without);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "korrin_installs_bench: %s\n", error.what());
        return 1;
    }
}
