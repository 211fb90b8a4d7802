#ifndef KORRIN_SOURCE_PATHS_H
#define KORRIN_SOURCE_PATHS_H

#include <list>
#include <string>

// A path from the project file made absolute: one without any ":" is taken
// relative to the project folder; one with a ":" stays as written. Nothing is
// normalised. Source paths, exclusion names and include folders all use it.
std::string resolveSourcePath(const std::string& path, const std::string& projectFolder);

// Whether the extension of path (after its last ".", or the whole path)
// equals one of the extensions, letter case aside. An empty list accepts all.
bool hasAcceptedExtension(const std::string& path, const std::list<std::string>& extensions);

#endif
