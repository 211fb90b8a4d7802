#ifndef KORRIN_BENCH_CCS_PROJECT_TREE_H
#define KORRIN_BENCH_CCS_PROJECT_TREE_H

#include <cstddef>
#include <filesystem>

// Writes below root a Code Composer Studio project, root/project, of about
// files source and header files on disk: three quarters in nested folders
// of the project, a quarter in root/shared, which the project links as a
// folder, and one linked file. Its four configurations each leave out a
// folder and a few files, and give include folders and definitions; a
// build folder holds files that are no sources. Every file is empty.
// Throws std::runtime_error when it cannot write.
void writeCcsProjectTree(const std::filesystem::path& root, std::size_t files);

#endif
