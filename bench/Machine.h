#ifndef KORRIN_BENCH_MACHINE_H
#define KORRIN_BENCH_MACHINE_H

#include <string>

// One line naming the machine the figures are taken on: processor, cores,
// memory and system.
std::string describeMachine();

// The load averages over 1, 5 and 15 minutes: other work on the machine
// slows the cases down.
std::string loadAverages();

// The two lines that head a benchmark's figures: the machine and its load.
void printMachineAndLoad();

#endif
