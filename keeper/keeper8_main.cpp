#include "keeper_settings.h"
#include "keeper_window.h"

int main(int argc, char** argv) { return RunKeeper(argc, argv, Keeper8Settings); }
