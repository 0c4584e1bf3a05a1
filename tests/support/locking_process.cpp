#include "locking_process.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

LockingProcess::LockingProcess(const std::string& path) {
    int ready[2];
    if (pipe(ready) != 0 || pipe(release_) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
        const int fd = open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
        flock(fd, LOCK_EX);
        char byte = 1;
        (void)!write(ready[1], &byte, 1);
        (void)!read(release_[0], &byte, 1);
        _exit(0);
    }
    // Return only once the lock is really held.
    char byte = 0;
    (void)!read(ready[0], &byte, 1);
    close(ready[0]);
    close(ready[1]);
}

LockingProcess::~LockingProcess() {
    char byte = 1;
    (void)!write(release_[1], &byte, 1);
    if (pid_ > 0) waitpid(pid_, nullptr, 0);
    close(release_[0]);
    close(release_[1]);
}
