#ifndef KORRIN_BENCH_BENCH_SETTINGS_H
#define KORRIN_BENCH_BENCH_SETTINGS_H

#include <cstddef>
#include <string>
#include <vector>

// What korrin_bench is asked to measure.
struct BenchSettings {
    std::vector<std::size_t> sizes;  // sources per case, ascending
    std::string korrin;              // the executable measured
    std::string scratchParent;       // where the scratch folder goes
    bool helpWanted = false;
};

// Reads the arguments after the program name; defaultKorrin is the
// executable measured without "--korrin". Throws std::invalid_argument with
// a one-line message on a bad argument.
BenchSettings readSettings(const std::vector<std::string>& arguments, const std::string& defaultKorrin);

extern const char* const benchUsage;

#endif
