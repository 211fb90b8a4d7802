#ifndef KORRIN_INCLUDE_OVERLAY_H
#define KORRIN_INCLUDE_OVERLAY_H

#include <string>
#include <vector>

class DiskSpelling;

// Writes a virtual file system overlay for clang-based tools that lists the
// files of each folder with letter case ignored, so that an include written
// in another case than the file on disk is found, as on Windows. Names that
// differ only in case within one folder are left out: the overlay would give
// one file for both. folders are absolute and exist.
void writeIncludeOverlay(const std::string& path, const std::vector<std::string>& folders, DiskSpelling& disk);

#endif
