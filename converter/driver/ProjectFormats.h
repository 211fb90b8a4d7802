#ifndef KORRIN_PROJECT_FORMATS_H
#define KORRIN_PROJECT_FORMATS_H

#include <string>

#include "model/Project.h"
#include "readers/ReadOptions.h"

// What a source names: a project of one of the formats Korrin reads, or a
// folder of many projects (a repository, a workspace), which holds them.
enum class ProjectKind { ProjectSpec, Pjt, FolderOfProjects, Ccs };

struct ProjectFormat {
    ProjectKind kind;
    // Whether a location is of this kind; all: a project's folder counts
    // as a folder of many projects ("-all").
    bool (*recognise)(const std::string& location, bool all);
    // Reads the project at the location; none for a folder of many.
    Project (*read)(const std::string& location, const ReadOptions& options);
};

// The format of the first kind that recognises location, in the order
// .projectspec, .pjt, folder of many, CCS project; else the .pjt reader,
// which says what it cannot open.
const ProjectFormat& formatOf(const std::string& location, bool all);

#endif
