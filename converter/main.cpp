#include "driver/CommandLine.h"

int main(int argc, char** argv) { return runKorrin(std::vector<std::string>(argv, argv + argc)); }
