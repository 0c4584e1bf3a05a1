// systems: builds reduced systems for a forecast in a window of the suite.
#include "systems_window.h"

int main(int argc, char** argv) { return RunSystems(argc, argv); }
