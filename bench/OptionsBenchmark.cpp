// The translation of a compiler "Options=" line into a configuration group.

#include <benchmark/benchmark.h>

#include "Configurations.h"
#include "ProjectConverter.h"
#include "reader/CompilerOptions.h"

namespace {

void translateOptions(benchmark::State& state) {
    const std::string line = compilerOptionsLine(0);
    ProjectConverter converter("C:\\work\\product\\product.pjt", "C:\\out");
    ProjectPaths paths("C:\\work\\product", converter.getBuildMacros());
    for (auto _ : state) {
        SourceGroup group(configurationName(0), &converter);
        translateCompilerOptions(line, group, "TMS320C28XX", paths);
        benchmark::DoNotOptimize(group);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * line.size()));
}

}  // namespace

BENCHMARK(translateOptions);
