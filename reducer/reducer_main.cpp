#include "reducer_window.h"

int main(int argc, char** argv) { return RunReducer(argc, argv); }
