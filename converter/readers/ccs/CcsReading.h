#ifndef KORRIN_CCS_READING_H
#define KORRIN_CCS_READING_H

#include <string>
#include <vector>

#include "installs/InstallValues.h"
#include "model/Project.h"
#include "readers/ReadOptions.h"
#include "readers/ccs/CcsVariables.h"

// A Code Composer Studio project being read, from either of its
// descriptions (.project and its kin, or a .projectspec): the project, its
// root group named by the options or else after the project's own name,
// with its folder as its source folder; the values TI's installs give the
// products it asks for; and its variables.
struct CcsReading {
    CcsReading(const std::string& folder, const std::string& ownName, const ReadOptions& options,
               std::vector<ProductRequest> products);
    CcsReading(const CcsReading&) = delete;
    CcsReading& operator=(const CcsReading&) = delete;

    // The project once every configuration is read: its own target is its
    // first configuration's, and what the variables met and found goes with it.
    Project finish();

    Project project;
    InstallValues installs;
    CcsVariables variables;
};

#endif
