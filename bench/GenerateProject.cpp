// Writes a synthetic Code Composer project file:
//   korrin_generate_project SOURCES CONFIGURATIONS EXCLUSIONS FILE

#include <cstdio>
#include <optional>
#include <string>

#include "Counts.h"
#include "SyntheticProject.h"

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "korrin_generate_project: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5)
        return fail("usage: korrin_generate_project SOURCES CONFIGURATIONS EXCLUSIONS FILE");
    std::optional<std::size_t> counts[3];
    for (int i = 0; i < 3; ++i)
        if (!(counts[i] = parseCount(argv[i + 1])))
            return fail(std::string("not a count: '") + argv[i + 1] + "'");
    ProjectShape shape{*counts[0], *counts[1], *counts[2]};
    if (std::optional<std::string> problem = shapeProblem(shape))
        return fail(*problem);
    if (!writePjtFile(shape, argv[4]))
        return fail(std::string("could not write ") + argv[4]);
    std::printf("Wrote %s: %zu sources, %zu configurations, %zu exclusions\n", argv[4], shape.sources,
                shape.configurations, shape.exclusions);
    return 0;
}
