#ifndef KORRIN_BENCH_SEEDED_RANDOM_H
#define KORRIN_BENCH_SEEDED_RANDOM_H

#include <cstddef>
#include <random>

// The generated projects must be the same on every machine and every run:
// the Mersenne twister's sequence is fixed by the standard, whereas the
// standard distributions are not, so draws are taken modulo by hand.
class SeededRandom {
public:
    explicit SeededRandom(std::size_t seed) : engine(static_cast<std::mt19937::result_type>(seed)) {}

    // A number below bound (bound > 0).
    std::size_t below(std::size_t bound) { return engine() % bound; }

private:
    std::mt19937 engine;
};

#endif
