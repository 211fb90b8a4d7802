#ifndef KORRIN_BENCH_FIGURE_TABLE_H
#define KORRIN_BENCH_FIGURE_TABLE_H

#include <vector>

#include "ConversionCase.h"

// The figures on standard output: one row per case as soon as it is taken,
// then how the time per .prj line grew.

void printTableHeader();
void printRow(const CaseFigures& figures);

// The growth of Korrin's wall time per .prj line from the 10 000 source
// case to the largest one, without and with "-rp".
void printGrowth(const std::vector<CaseFigures>& cases);

#endif
