#ifndef KORRIN_BENCH_BENCHOPTIONS_H
#define KORRIN_BENCH_BENCHOPTIONS_H

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>

// The "--name value" pairs of a benchmark's command line; a name the
// benchmark does not ask for is ignored.
class BenchOptions {
public:
    BenchOptions(int argc, char** argv);

    std::size_t count(const std::string& name, std::size_t byDefault) const;
    // Where the scratch folder is made: --scratch, else the system's temporary folder.
    std::filesystem::path scratchParent() const;

private:
    std::map<std::string, std::string> values;
};

#endif
