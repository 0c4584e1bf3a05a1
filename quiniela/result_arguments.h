#pragma once

#include <string>
#include <vector>

// A result whose first matches are still to be played starts with "-" or
// "--" ("-X2X1-1112XX2-", "--21XX111X21-2"), which the option parser would
// take for an option. Such words after "check", and the value of "--result"
// after "chances", go through the parser disguised as plain words and are
// turned back afterwards; a word that is no result stays as typed, for the
// parser to accept or refuse.

// The arguments with those words disguised; `disguised` owns the new words.
std::vector<char*> DisguiseResults(int argc, char** argv, std::vector<std::string>& disguised);
// Turns the disguised words among `words` back into what was typed.
void UndisguiseResults(std::vector<std::string>& words);

// Matches may come as one word or as 14 unquoted shell words: the words
// joined by blanks, for ParseMatchSigns.
std::string Joined(const std::vector<std::string>& words);
