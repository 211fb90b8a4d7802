#include "Exclusions.h"

#include <set>
#include <utility>

#include "SeededRandom.h"

std::vector<Exclusion> chooseExclusions(std::size_t sources, std::size_t configurations, std::size_t count) {
    const std::size_t seed = 10;
    SeededRandom random(seed);
    std::set<std::pair<std::size_t, std::size_t>> chosen;
    while (chosen.size() < count)
        chosen.emplace(random.below(sources), random.below(configurations));
    std::vector<Exclusion> exclusions;
    exclusions.reserve(count);
    for (const auto& pair : chosen)
        exclusions.push_back({pair.first, pair.second});
    return exclusions;
}
