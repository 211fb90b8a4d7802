// korrin_repository_bench: converts a generated repository of many small
// Code Composer Studio projects (10 sources, two configurations each) in
// one run with "-cdb", then each project alone, and sets the run against the
// time the projects take one by one with a single start-up of Korrin (the
// sum of the lone runs less all start-ups but one), and its peak memory
// against that of the largest lone run. It judges nothing.
//   korrin_repository_bench [--projects COUNT] [--scratch FOLDER]

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "BenchFiles.h"
#include "BenchOptions.h"
#include "ChildProcess.h"
#include "Machine.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

std::string configuration(const std::string& name, int level) {
    const std::string key = "com.ti.ccstudio.buildDefinitions.C2000_22.6.compilerID.";
    return "<cconfiguration><storageModule moduleId=\"cdtBuildSystem\"><configuration name=\"" + name +
           "\"><folderInfo resourcePath=\"\"><toolChain><tool superClass=\"com.ti.ccstudio.buildDefinitions."
           "C2000_22.6.exe.compilerDebug\"><option superClass=\"" + key + "INCLUDE_PATH\"><listOptionValue value=\""
           "${PROJECT_ROOT}/inc\"/><listOptionValue value=\"${CG_TOOL_ROOT}/include\"/></option><option superClass=\"" +
           key + "DEFINE\"><listOptionValue value=\"LEVEL=" + std::to_string(level) +
           "\"/></option></tool></toolChain></folderInfo></configuration></storageModule></cconfiguration>";
}

// Projects in groups of fifty, as repositories hold examples by device.
void writeRepository(const fs::path& root, std::size_t projects) {
    for (std::size_t number = 0; number < projects; ++number) {
        const std::string name = "example" + std::to_string(number);
        const fs::path folder = root / ("group" + std::to_string(number / 50)) / name;
        writeOrThrow(folder / ".project", "<projectDescription><name>" + name +
                                       "</name><natures><nature>com.ti.ccstudio.core.ccsNature</nature></natures>"
                                       "</projectDescription>\n");
        writeOrThrow(folder / ".cproject", "<cproject><storageModule moduleId=\"org.eclipse.cdt.core.settings\">" +
                                        configuration("Debug", 1) + configuration("Release", 2) + "</storageModule></cproject>\n");
        writeOrThrow(folder / "inc/board.h", "int board(void);\n");
        for (int source = 0; source < 10; ++source)
            writeOrThrow(folder / "src" / ("file" + std::to_string(source) + ".c"), "int f" + std::to_string(source) + ";\n");
    }
}

}  // namespace

int main(int argc, char** argv) {
    const BenchOptions options(argc, argv);
    const std::size_t projects = options.count("--projects", 2000);
    try {
        testing_support::TempDir scratch(options.scratchParent());
        printMachineAndLoad();
        writeRepository(scratch / "repository", projects);
        fs::create_directories(scratch / "whole");
        const ChildCost whole = runOrThrow(
            {KORRIN_EXECUTABLE, (scratch / "repository").string(), (scratch / "whole").string(), "-cdb"}, (scratch / "whole.log").string());
        double alone = 0;
        long largestPeak = 0;
        for (const fs::directory_entry& group : fs::directory_iterator(scratch / "repository"))
            for (const fs::directory_entry& project : fs::directory_iterator(group.path())) {
                const fs::path out = scratch / "alone" / project.path().filename();
                fs::create_directories(out);
                const ChildCost cost =
                    runOrThrow({KORRIN_EXECUTABLE, project.path().string(), out.string(), "-cdb"}, (scratch / "alone.log").string());
                alone += cost.wallSeconds;
                largestPeak = std::max(largestPeak, cost.peakResidentKiB);
            }
        // The usage text alone is a start-up and nothing else.
        double startUp = 1e30;
        for (int run = 0; run < 20; ++run)
            startUp = std::min(startUp, runOrThrow({KORRIN_EXECUTABLE}, (scratch / "usage.log").string()).wallSeconds);
        const double oneByOne = alone - static_cast<double>(projects - 1) * startUp;
        std::printf("\nprojects  one run s  one by one s  / one by one  peak MB  largest alone MB  / largest\n");
        std::printf("%8zu  %9.3f  %12.3f  %12.2f  %7.1f  %16.1f  %9.2f\n", projects, whole.wallSeconds, oneByOne,
                    whole.wallSeconds / oneByOne, whole.peakResidentKiB / 1024.0, largestPeak / 1024.0,
                    static_cast<double>(whole.peakResidentKiB) / static_cast<double>(largestPeak));
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "korrin_repository_bench: %s\n", error.what());
        return 1;
    }
}
