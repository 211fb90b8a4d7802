#include "BenchSettings.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <stdexcept>

#include "Counts.h"

const char* const benchUsage =
    "Usage: korrin_bench [--max SOURCES] [--sizes N,N,...] [--korrin PATH] [--scratch FOLDER]\n"
    "Converts generated projects of 10, 1000, 10000, 100000 and 1000000 sources (4 configurations,\n"
    "one exclusion per ten sources) with and without -rp, and prints what each conversion cost.\n"
    "  --max SOURCES     only the sizes up to SOURCES\n"
    "  --sizes N,N,...   these sizes instead\n"
    "  --korrin PATH     the Korrin executable to measure (default: the one built with this command)\n"
    "  --scratch FOLDER  where the projects are generated and converted (default: $TMPDIR or /tmp)\n";

namespace {

std::size_t countOf(const std::string& option, const std::string& text) {
    std::optional<std::size_t> count = parseCount(text);
    if (!count || *count == 0)
        throw std::invalid_argument(option + " needs a number of sources, not '" + text + "'");
    return *count;
}

std::vector<std::size_t> sizeList(const std::string& text) {
    std::vector<std::size_t> sizes;
    std::string::size_type start = 0;
    for (std::string::size_type comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1)
        sizes.push_back(countOf("--sizes", text.substr(start, comma - start)));
    sizes.push_back(countOf("--sizes", text.substr(start)));
    std::sort(sizes.begin(), sizes.end());
    sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    return sizes;
}

}  // namespace

BenchSettings readSettings(const std::vector<std::string>& arguments, const std::string& defaultKorrin) {
    BenchSettings settings{{10, 1000, 10000, 100000, 1000000}, defaultKorrin, std::filesystem::temp_directory_path().string()};
    std::optional<std::size_t> largest;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--help" || option == "-h") {
            settings.helpWanted = true;
            continue;
        }
        if (option != "--max" && option != "--sizes" && option != "--korrin" && option != "--scratch")
            throw std::invalid_argument("unknown argument '" + option + "'");
        if (i + 1 == arguments.size())
            throw std::invalid_argument(option + " needs a value");
        const std::string& value = arguments[++i];
        if (option == "--max")
            largest = countOf(option, value);
        else if (option == "--sizes")
            settings.sizes = sizeList(value);
        else if (option == "--korrin")
            settings.korrin = value;
        else
            settings.scratchParent = value;
    }
    if (largest)
        settings.sizes.erase(std::upper_bound(settings.sizes.begin(), settings.sizes.end(), *largest),
                             settings.sizes.end());
    if (settings.sizes.empty())
        throw std::invalid_argument("no size left to measure below --max");
    return settings;
}
