#pragma once

#include <string>
#include <vector>

// A result whose first match is still to be played starts with "-"
// ("-X2X1-1112XX2-"), which the option parser would take for an option.
// Such words after "check", and the value of "--result" after "chances", go
// through the parser disguised as plain words and are turned back afterwards.

// The arguments with those words disguised; `disguised` owns the new words.
std::vector<char*> DisguiseResults(int argc, char** argv, std::vector<std::string>& disguised);
// Turns the disguised words among `words` back into what was typed.
void UndisguiseResults(std::vector<std::string>& words);
