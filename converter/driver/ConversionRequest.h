#ifndef KORRIN_CONVERSION_REQUEST_H
#define KORRIN_CONVERSION_REQUEST_H

#include <list>
#include <optional>
#include <string>
#include <vector>

#include "base/BuildMacros.h"

// What one run of Korrin is asked for, as its command line gives it: what
// to convert, where to and how.
struct ConversionRequest {
    std::string sourceProjectPath;           // absolute
    std::string destinationFolder;           // absolute
    bool replicateSourceTree = false;        // "-rp"
    bool writeCompilationDatabases = false;  // "-cdb": for the open analysers, beside the Corvel project
    bool listBuildMacros = false;            // "-macros": print them, write nothing
    bool printProjectName = false;           // "-name": print the .prj's name, write nothing
    bool listProjects = false;               // "-projects": print the projects, write nothing
    bool convertAll = false;                 // "-all": a project's folder as a folder of projects
    std::string combinedConfiguration;       // "-config": of each project in the folder's database
    std::optional<std::string> projectName;  // "-pn"
    std::string messagePersonality;          // "-mp", absolute
    std::string analyserPersonality;         // "-ap", absolute
    std::string compilerPersonality;         // "-cp", absolute
    std::list<std::string> extensions;       // "-ext"
    BuildMacros buildMacros;                 // "-var"
    std::vector<std::string> tiFolders;      // "-ti", absolute, in order
};

// Appends the comma-separated items of value to the extension list.
void addExtensions(ConversionRequest& request, const std::string& value);

// Gives a value to the build macro NAME of "NAME=VALUE"; without "=" it is
// ignored. The value is a path of this host, in Korrin's notation as a
// path argument is.
void defineBuildMacro(ConversionRequest& request, const std::string& definition);

#endif
