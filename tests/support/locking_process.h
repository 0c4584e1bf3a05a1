#pragma once

#include <string>
#include <sys/types.h>

// Another process holding a file open under the programs' exclusive lock,
// as a second program would while it reads or writes the bet. The lock is
// held from construction until destruction.
class LockingProcess {
public:
    explicit LockingProcess(const std::string& path);
    ~LockingProcess();
    LockingProcess(const LockingProcess&) = delete;
    LockingProcess& operator=(const LockingProcess&) = delete;

private:
    pid_t pid_ = -1;
    int release_[2] = {-1, -1};
};
