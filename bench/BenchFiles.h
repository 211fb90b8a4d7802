#ifndef KORRIN_BENCH_FILES_H
#define KORRIN_BENCH_FILES_H

#include <filesystem>
#include <string>

// Writes the file and the folders it lies in; throws std::runtime_error
// when it cannot.
void writeOrThrow(const std::filesystem::path& path, const std::string& text);

#endif
