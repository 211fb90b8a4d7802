#ifndef KORRIN_FAMILY_TABLES_H
#define KORRIN_FAMILY_TABLES_H

#include "model/Family.h"

// One table per compiler family, each in a file of its own.
Family c28xFamily();
Family c28xClaFamily();
Family c5500Family();
Family c6000Family();
Family msp430Family();
Family tiArmFamily();
Family tiArmClangFamily();
Family pruFamily();
Family gnuArmFamily();
Family gnuMsp430Family();
// Families of Code Composer 3.x alone.
Family c2400Family();
Family c5400Family();

#endif
