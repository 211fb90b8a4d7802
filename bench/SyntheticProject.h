#ifndef KORRIN_BENCH_SYNTHETIC_PROJECT_H
#define KORRIN_BENCH_SYNTHETIC_PROJECT_H

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>

// The size of a generated Code Composer project.
struct ProjectShape {
    std::size_t sources;
    std::size_t configurations;
    std::size_t exclusions;
};

// The shape the benchmarks convert: four configurations and one exclusion
// per ten sources.
ProjectShape productLineShape(std::size_t sources);

// Why a shape cannot be generated, or nothing when it can.
std::optional<std::string> shapeProblem(const ProjectShape& shape);

// Writes the project file of the shape, the same bytes on every run: the
// project settings with "CPUFamily=TMS320C28XX", one "Source=" line per
// source, per configuration its compiler, DSP/BIOS and linker settings, then
// the exclusion pairs; CR LF line ends.
void writeProject(const ProjectShape& shape, std::ostream& out);

// Writes the project file at path; false when it cannot be written.
bool writePjtFile(const ProjectShape& shape, const std::string& path);

#endif
