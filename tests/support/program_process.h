#pragma once

#include <string>
#include <vector>

// Runs a command-line program as a user would, with its output caught in
// files (no pipe can fill up), for the tests of "quiniela".

struct ProcessOutcome {
    int code = -1;  // the exit code; -1 when the program did not exit
    std::string out, err;
};

// `program` with `args`, standard input from `input`; its output goes
// through the files "in", "out" and "err" of `folder` (ending with "/").
ProcessOutcome RunProgramProcess(const std::string& program, const std::vector<std::string>& args,
                                 const std::string& folder, const std::string& input = "");

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
