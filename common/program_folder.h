#pragma once

#include <string>

// The folder of the running executable, ending with "/": every file the
// programs touch lives there, whatever the current directory is.
std::string ProgramFolder();

// True when the path's attributes can be read (a folder counts). Leaves no
// error pending.
bool FileExists(const std::string& path);
