#ifndef KORRIN_EXCLUSIONS_H
#define KORRIN_EXCLUSIONS_H

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/PathStore.h"

// The configurations that exclude each source path, as the project file's
// exclusion pairs name them. Every source is looked up once, and most are
// excluded nowhere: a bit filter small enough to stay in the processor's
// cache answers those without touching the map.
class Exclusions {
public:
    explicit Exclusions(PathStore& store) : store(store) {}

    void add(const std::string& path, const std::string& configuration);
    // The configurations that exclude path, in the order met; none when it is
    // excluded nowhere.
    const std::vector<std::string>* of(std::string_view path) const;

private:
    using ConfigurationsByPath = std::unordered_map<std::string_view, std::vector<std::string>>;

    void rebuildFilter();
    void setBits(std::size_t hash);
    bool mayHold(std::size_t hash) const;

    PathStore& store;  // holds the paths the map's keys view
    ConfigurationsByPath configurations;
    std::vector<std::uint64_t> filter;  // two bits a path
};

#endif
