#include "reader/Exclusions.h"

#include <functional>

namespace {

const std::size_t filterBitsPerPath = 16;

std::size_t hashOf(std::string_view path) { return std::hash<std::string_view>()(path); }

// The two bits of a path, both from its one hash.
std::size_t firstBit(std::size_t hash, std::size_t bits) { return hash % bits; }
std::size_t secondBit(std::size_t hash, std::size_t bits) {
    return ((hash >> 17) ^ (hash * 0x9e3779b97f4a7c15u)) % bits;
}

}  // namespace

void Exclusions::add(const std::string& path, const std::string& configuration) {
    auto excluded = configurations.find(path);
    if (excluded == configurations.end()) {
        excluded = configurations.emplace(std::string_view(store.keep(path)), std::vector<std::string>()).first;
        if (configurations.size() * filterBitsPerPath > filter.size() * 64)
            rebuildFilter();
        else
            setBits(hashOf(path));
    }
    excluded->second.push_back(configuration);
}

const std::vector<std::string>* Exclusions::of(std::string_view path) const {
    if (configurations.empty() || !mayHold(hashOf(path)))
        return nullptr;
    auto excluded = configurations.find(path);
    return excluded == configurations.end() ? nullptr : &excluded->second;
}

// Doubles the filter whenever the paths outgrow it, so that building it costs
// a constant per path.
void Exclusions::rebuildFilter() {
    filter.assign(2 * configurations.size() * filterBitsPerPath / 64 + 1, 0);
    for (const auto& excluded : configurations)
        setBits(hashOf(excluded.first));
}

void Exclusions::setBits(std::size_t hash) {
    const std::size_t bits = filter.size() * 64;
    for (std::size_t bit : {firstBit(hash, bits), secondBit(hash, bits)})
        filter[bit / 64] |= std::uint64_t(1) << (bit % 64);
}

bool Exclusions::mayHold(std::size_t hash) const {
    const std::size_t bits = filter.size() * 64;
    for (std::size_t bit : {firstBit(hash, bits), secondBit(hash, bits)})
        if ((filter[bit / 64] & (std::uint64_t(1) << (bit % 64))) == 0)
            return false;
    return true;
}
