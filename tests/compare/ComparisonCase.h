#ifndef KORRIN_COMPARISON_CASE_H
#define KORRIN_COMPARISON_CASE_H

#include <map>
#include <string>
#include <vector>

// One run of Korrin to be made by two builds: what is laid out in the case
// folder first and the arguments, run in that folder.
struct ComparisonCase {
    std::string name;
    std::map<std::string, std::string> files;  // relative path -> bytes
    std::vector<std::string> folders;          // made empty, such as the destination
    std::vector<std::string> arguments;
};

#endif
