#include "program/program.h"

int main(int argc, char* argv[]) { return ortambra::runProgram(argc, argv); }
