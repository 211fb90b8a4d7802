#ifndef KORRIN_GENERATED_PROJECTS_H
#define KORRIN_GENERATED_PROJECTS_H

#include <filesystem>
#include <vector>

#include "ComparisonCase.h"

// count projects drawn from seed: configurations, sources, exclusions,
// include and definition options in every quoting, every line end, names
// with blanks, eight-bit bytes, "..", drive letters and build macros, and
// random command lines around them.
std::vector<ComparisonCase> generatedProjects(unsigned seed, int count);

// Group names that leave the destination, alone and beside a folder chain
// too deep for any host, with and without "-rp".
std::vector<ComparisonCase> hostileProjects();

// Every project below corpus (the real .pjt files and trees, the folders of
// Code Composer Studio projects, the .projectspec files), converted where it
// lies with and without "-rp" and "-cdb".
std::vector<ComparisonCase> corpusProjects(const std::filesystem::path& corpus);

#endif
