#pragma once

#include <string>

#include "jornada.h"

// The jornada in words, as "quiniela jornada show" prints it: a heading, one
// line per match (teams, the chance of each sign in use, where it came from,
// the public's shares and the result), then the money. Spanish, UTF-8, every
// line ending with a newline.
std::string JornadaSummary(const Jornada& jornada);
