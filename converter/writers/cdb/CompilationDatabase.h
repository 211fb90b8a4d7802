#ifndef KORRIN_COMPILATION_DATABASE_H
#define KORRIN_COMPILATION_DATABASE_H

#include "model/Project.h"
#include "writers/cdb/CombinedDatabase.h"
#include "writers/corvel/CorvelOptions.h"

// Writes a JSON compilation database, 'compile_commands.json', into the
// folder of every configuration group (of the root when the project has
// none), so that the open analysers read the configuration that the Corvel
// project describes. On hosts whose names respect letter case an include
// overlay goes beside it. The entries of one configuration go into combined
// too when it is given. Call it once the Corvel project is complete.
void writeCompilationDatabases(const Project& project, const CorvelOptions& options,
                               CombinedDatabase* combined = nullptr);

#endif
