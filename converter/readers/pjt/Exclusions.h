#ifndef KORRIN_EXCLUSIONS_H
#define KORRIN_EXCLUSIONS_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The configurations that exclude each source path, as the project file's
// exclusion pairs name them. Every source is looked up once and most are
// excluded nowhere, so the paths sit in an open table whose slots hold 16
// bits of a hash each: small enough to stay in the processor's cache (half a
// megabyte for 100 000 paths), and a lookup of a path that is not there
// mostly reads one slot and nothing else.
class Exclusions {
public:
    // The hash by which the table finds a path.
    static std::uint32_t hashOf(std::string_view path);

    void add(std::string_view path, std::string_view configuration);
    // The configurations that exclude path, in the order met; none when it is
    // excluded nowhere.
    const std::vector<std::string>* of(std::string_view path) const { return of(path, hashOf(path)); }
    // The same for a path whose hash was taken before.
    const std::vector<std::string>* of(std::string_view path, std::uint32_t hash) const;

private:
    struct Excluded {
        std::string path;
        std::uint32_t hash;
        std::vector<std::string> configurations;
    };

    // The slot that holds path, or the empty one where it would go.
    std::size_t find(std::string_view path, std::uint32_t hash) const;
    void place(std::size_t slot, std::size_t index);
    void grow();

    std::vector<Excluded> excluded;
    // A power of two of slots, at most half in use. A slot holds part of its
    // path's hash, never 0, which tells most other paths apart, and 0 when it
    // is empty; the path's index in excluded is in indices, read on a match.
    std::vector<std::uint16_t> checks;
    std::vector<std::uint32_t> indices;
};

#endif
