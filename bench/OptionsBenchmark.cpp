// The translation of a compiler "Options=" line into a configuration group.

#include <benchmark/benchmark.h>

#include "Configurations.h"
#include "model/SourceGroup.h"
#include "readers/pjt/CompilerOptions.h"
#include "readers/pjt/PjtPaths.h"

namespace {

void translateOptions(benchmark::State& state) {
    const std::string line = compilerOptionsLine(0);
    PjtPaths paths("C:\\work\\product", {});
    for (auto _ : state) {
        SourceGroup group(configurationName(0));
        translateCompilerOptions(line, group, "TMS320C28XX", paths);
        benchmark::DoNotOptimize(group);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * line.size()));
}

}  // namespace

BENCHMARK(translateOptions);
