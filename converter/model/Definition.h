#ifndef KORRIN_DEFINITION_H
#define KORRIN_DEFINITION_H

#include <string>

// A macro definition as a project gives it: NAME, NAME=value, or a value
// that stands for a string (written "abc" in the project; the value holds
// the text between the quotes). NAME= defines the macro as nothing, where
// compilers define NAME alone as 1.
struct Definition {
    std::string name;
    std::string value;
    bool isString = false;
    bool isEmpty = false;  // NAME=
};

#endif
