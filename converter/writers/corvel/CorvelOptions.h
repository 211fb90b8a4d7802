#ifndef KORRIN_CORVEL_OPTIONS_H
#define KORRIN_CORVEL_OPTIONS_H

#include <string>

// Where the Corvel project is written and which personalities it names:
// the paths are absolute, a personality is empty when none was given.
struct CorvelOptions {
    std::string destination;
    std::string projectName;
    std::string messagePersonality;
    std::string analyserPersonality;  // a template copied into every analyser personality written
    std::string compilerPersonality;
};

#endif
