// korrin_ccs_bench: converts generated Code Composer Studio projects of
// growing size, on disk, and sets what Korrin took against what listing
// the files (find -type f) and copying the .prj it wrote (cp) take in the
// same run. It judges nothing.
//   korrin_ccs_bench [--max FILES] [--scratch FOLDER]

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "BenchOptions.h"
#include "CcsProjectTree.h"
#include "ChildProcess.h"
#include "Machine.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

void measure(std::size_t files, const fs::path& scratch) {
    const fs::path root = scratch / ("ccs" + std::to_string(files));
    writeCcsProjectTree(root, files);
    fs::create_directories(root / "out");
    const ChildCost korrin = runOrThrow({KORRIN_EXECUTABLE, (root / "project").string(), (root / "out").string()},
                                        (root / "korrin.log").string());
    const fs::path prj = root / "out/product.prj";
    const ChildCost find = runOrThrow({"find", root.string(), "-type", "f"}, (root / "find.log").string());
    const ChildCost copy = runOrThrow({"cp", prj.string(), (root / "copy.prj").string()}, (root / "cp.log").string());
    const double prjMegabytes = static_cast<double>(fs::file_size(prj)) / 1e6;
    const double peakMegabytes = static_cast<double>(korrin.peakResidentKiB) * 1024 / 1e6;
    const double reference = find.wallSeconds + copy.wallSeconds;
    std::printf("%9zu %8.1f %8.3f %8.1f %10.3f %8.1f %9.1f\n", files, prjMegabytes, korrin.wallSeconds, peakMegabytes,
                reference, korrin.wallSeconds / reference, peakMegabytes / prjMegabytes);
    fs::remove_all(root);
}

}  // namespace

int main(int argc, char** argv) {
    const BenchOptions options(argc, argv);
    const std::size_t largest = options.count("--max", 100000);
    try {
        testing_support::TempDir scratch(options.scratchParent());
        printMachineAndLoad();
        std::printf("\n");
        std::printf("    files   .prj MB   wall s  peak MB  find+cp s  / find+cp  peak / .prj\n");
        for (std::size_t files = 1000; files <= largest; files *= 10)
            measure(files, scratch.path());
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "korrin_ccs_bench: %s\n", error.what());
        return 1;
    }
}
