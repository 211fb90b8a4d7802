// The distribution of the sources over the configurations, measured through
// the reading of a whole generated project, with and without "-rp".

#include <benchmark/benchmark.h>

#include <map>
#include <optional>

#include "readers/pjt/PjtReader.h"
#include "writers/corvel/FolderTree.h"
#include "TestSupport.h"
#include "SyntheticProject.h"
#include "base/PathText.h"

namespace {

// The project file of a size, generated once per run, in the converter's
// notation; nothing when it cannot be written.
std::optional<std::string> generatedProject(std::size_t sources) {
    static testing_support::TempDir scratch;
    static std::map<std::size_t, std::string> projects;
    auto known = projects.find(sources);
    if (known != projects.end())
        return known->second;
    std::string path = (scratch / ("product" + std::to_string(sources) + ".pjt")).string();
    if (!writePjtFile(productLineShape(sources), path))
        return std::nullopt;
    toNativeSeparators(path);
    return projects[sources] = path;
}

void distributeSources(benchmark::State& state, bool replicate) {
    const std::size_t sources = static_cast<std::size_t>(state.range(0));
    const std::optional<std::string> project = generatedProject(sources);
    if (!project) {
        state.SkipWithError("could not write the project file");
        return;
    }
    for (auto _ : state) {
        Project read = readPjtProject(*project, {std::nullopt, {}, BuildMacros(), TiInstalls(), WorkspaceProjects()});
        if (replicate)
            benchmark::DoNotOptimize(replicateSourceTree(read, "\\out"));
        benchmark::DoNotOptimize(read.root);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * sources));
    state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK_CAPTURE(distributeSources, flat, false)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK_CAPTURE(distributeSources, replicated, true)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
