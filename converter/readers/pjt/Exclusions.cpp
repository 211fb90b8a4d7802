#include "readers/pjt/Exclusions.h"

#include <functional>

namespace {

std::uint16_t checkOf(std::uint32_t hash) { return static_cast<std::uint16_t>(hash | 1); }

// Spreads the hash over the whole table, with other bits than the check's.
std::size_t firstSlot(std::uint32_t hash, std::size_t slotCount) {
    return static_cast<std::size_t>((hash * std::uint64_t{0x9e3779b97f4a7c15u}) >> 32) & (slotCount - 1);
}

}  // namespace

std::uint32_t Exclusions::hashOf(std::string_view path) {
    return static_cast<std::uint32_t>(std::hash<std::string_view>()(path));
}

// The indices have 32 bits: more exclusions than that would not fit in any
// memory long before.
void Exclusions::add(std::string_view path, std::string_view configuration) {
    const std::uint32_t hash = hashOf(path);
    std::size_t slot = checks.empty() ? 0 : find(path, hash);
    if (checks.empty() || checks[slot] == 0) {
        excluded.push_back({std::string(path), hash, {}});
        if (2 * excluded.size() > checks.size()) {
            grow();
            slot = find(path, hash);
        } else {
            place(slot, excluded.size() - 1);
        }
    }
    excluded[indices[slot]].configurations.emplace_back(configuration);
}

const std::vector<std::string>* Exclusions::of(std::string_view path, std::uint32_t hash) const {
    if (checks.empty())
        return nullptr;
    const std::size_t slot = find(path, hash);
    return checks[slot] == 0 ? nullptr : &excluded[indices[slot]].configurations;
}

std::size_t Exclusions::find(std::string_view path, std::uint32_t hash) const {
    const std::size_t mask = checks.size() - 1;
    const std::uint16_t check = checkOf(hash);
    for (std::size_t slot = firstSlot(hash, checks.size());; slot = (slot + 1) & mask) {
        if (checks[slot] == 0)
            return slot;
        if (checks[slot] == check && excluded[indices[slot]].path == path)
            return slot;
    }
}

void Exclusions::place(std::size_t slot, std::size_t index) {
    checks[slot] = checkOf(excluded[index].hash);
    indices[slot] = static_cast<std::uint32_t>(index);
}

// Doubles the table and places every path again.
void Exclusions::grow() {
    const std::size_t slotCount = checks.empty() ? 16 : 2 * checks.size();
    checks.assign(slotCount, 0);
    indices.assign(slotCount, 0);
    for (std::size_t index = 0; index < excluded.size(); ++index)
        place(find(excluded[index].path, excluded[index].hash), index);
}
