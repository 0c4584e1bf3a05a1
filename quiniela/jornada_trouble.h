#pragma once

#include <string>

#include "jornada_file.h"

// Why a jornada a command reads cannot be used: one line for standard error
// and the exit code. No line when it was read, or when it is missing and
// was not named (the command goes on without it then).
struct JornadaTrouble {
    std::string line;
    int exit = 0;
};

JornadaTrouble TroubleWith(const JornadaRead& read, const std::string& file, bool named);
