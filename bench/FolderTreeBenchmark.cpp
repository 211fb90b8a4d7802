// Folder chains of source paths, and the placing of sources into the tree
// of folder groups that "-rp" builds.

#include <benchmark/benchmark.h>

#include <vector>

#include "SourceTree.h"
#include "writers/corvel/FolderTree.h"

namespace {

const char* const projectFolder = "C:\\work\\product\\";
const char* const groupFolder = "C:\\out\\product\\F2812_FLASH";

// The source paths of a generated project as the reader resolves them.
std::vector<std::string> resolvedSources(std::size_t count) {
    SourceTree tree(count);
    std::vector<std::string> paths;
    paths.reserve(count);
    for (std::size_t source = 0; source < count; ++source)
        paths.push_back(projectFolder + tree.sourcePath(source));
    return paths;
}

void folderChains(benchmark::State& state) {
    const std::vector<std::string> paths = resolvedSources(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        for (const std::string& path : paths)
            benchmark::DoNotOptimize(toFolderChain(path));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * paths.size()));
}

void placeInFolderTrees(benchmark::State& state) {
    PathStore store;
    for (const std::string& path : resolvedSources(static_cast<std::size_t>(state.range(0))))
        store.keep(path);
    for (auto _ : state) {
        SourceGroup configuration("F2812_FLASH");
        FolderGroups folders(configuration, store, groupFolder);
        for (SourceIndex source = 0; source < store.size(); ++source)
            folders.placeInFolderTree(source);
        benchmark::DoNotOptimize(configuration);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * store.size()));
    state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(folderChains)->Arg(10000);
BENCHMARK(placeInFolderTrees)->RangeMultiplier(10)->Range(1000, 100000)->Complexity();
