#ifndef KORRIN_PRJ_WRITER_H
#define KORRIN_PRJ_WRITER_H

#include "model/Project.h"
#include "writers/corvel/CorvelOptions.h"

// Writes the Corvel project: '{dest}\{projectName}.prj' with one block per
// group that holds files or groups, nested as the groups are, a folder per
// group below the destination with its output and person folders, and the
// personalities the blocks name. Prints the first line of the run, the
// macros left unresolved and a line per group and per own analyser
// personality. Group names must have been checked (refuseGroupsOutside).
// Throws ConversionError when a folder or file cannot be made.
void writeCorvelProject(const Project& project, const CorvelOptions& options);

#endif
