#ifndef KORRIN_PRJ_WRITER_H
#define KORRIN_PRJ_WRITER_H

#include <string>

#include "model/Project.h"
#include "writers/OutputFile.h"
#include "writers/corvel/CorvelOptions.h"

// The Corvel project: '{dest}\{projectName}.prj', created (or truncated)
// when the writer is made, so that a run that cannot write it says so
// before anything else. write() gives it one block per group that holds
// files or groups, nested as the groups are, makes a folder per group below
// the destination with its output and person folders and the
// personalities the blocks name, and prints a line per group and per own
// analyser personality. Group names must have been checked
// (refuseGroupsOutside). Both throw ConversionError when a folder or file
// cannot be made.
class PrjWriter {
public:
    PrjWriter(const Project& project, const CorvelOptions& options);

    void write();

private:
    void writeGroup(const SourceGroup& group, const std::string& parentPath,
                    const std::string& inheritedAnalyserPersonality);
    // A line of a path, as the host writes paths.
    void writePath(const std::string& key, const std::string& path);

    const Project& project;
    const CorvelOptions& options;
    OutputFile file;
};

#endif
