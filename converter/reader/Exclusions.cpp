#include "reader/Exclusions.h"

#include <functional>

namespace {

std::uint64_t hashOf(std::string_view path) { return std::hash<std::string_view>()(path); }

std::uint32_t checkOf(std::uint64_t hash) { return static_cast<std::uint32_t>(hash); }

// Spreads any hash, even one of 32 bits, over the whole table.
std::size_t firstSlot(std::uint64_t hash, std::size_t slotCount) {
    return static_cast<std::size_t>((hash * 0x9e3779b97f4a7c15u) >> 32) & (slotCount - 1);
}

}  // namespace

// The slot numbers have 32 bits: more exclusions than that would not fit in
// any memory long before.
void Exclusions::add(std::string_view path, const std::string& configuration) {
    const std::uint64_t hash = hashOf(path);
    std::size_t slot = slots.empty() ? 0 : find(path, hash);
    if (slots.empty() || slots[slot].number == 0) {
        if (2 * (excluded.size() + 1) > slots.size()) {
            grow();
            slot = find(path, hash);
        }
        excluded.push_back({store.keep(path), hash, {}});
        slots[slot] = {static_cast<std::uint32_t>(excluded.size()), checkOf(hash)};
    }
    excluded[slots[slot].number - 1].configurations.push_back(configuration);
}

const std::vector<std::string>* Exclusions::of(std::string_view path) const {
    if (slots.empty())
        return nullptr;
    const Slot& slot = slots[find(path, hashOf(path))];
    return slot.number == 0 ? nullptr : &excluded[slot.number - 1].configurations;
}

std::size_t Exclusions::find(std::string_view path, std::uint64_t hash) const {
    const std::size_t mask = slots.size() - 1;
    for (std::size_t slot = firstSlot(hash, slots.size());; slot = (slot + 1) & mask) {
        const Slot& candidate = slots[slot];
        if (candidate.number == 0)
            return slot;
        if (candidate.check == checkOf(hash) && std::string_view(excluded[candidate.number - 1].path) == path)
            return slot;
    }
}

void Exclusions::grow() {
    std::vector<Slot> larger(slots.empty() ? 16 : 2 * slots.size());
    const std::size_t mask = larger.size() - 1;
    for (std::size_t number = 1; number <= excluded.size(); ++number) {
        const std::uint64_t hash = excluded[number - 1].hash;
        std::size_t slot = firstSlot(hash, larger.size());
        while (larger[slot].number != 0)
            slot = (slot + 1) & mask;
        larger[slot] = {static_cast<std::uint32_t>(number), checkOf(hash)};
    }
    slots.swap(larger);
}
