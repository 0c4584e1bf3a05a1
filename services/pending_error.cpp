#include "pending_error.h"

#include <cstdio>
#include <cstdlib>

namespace {
constexpr int FirstInternalFault = 241;
int pending = 0;
}  // namespace

int PendingError() { return pending; }
void ClearPendingError() { pending = 0; }

int TakePendingError() {
    const int number = pending;
    pending = 0;
    return number;
}

void RaiseError(int number) {
    if (number >= FirstInternalFault) {
        std::fprintf(stderr, "internal fault %d\n", number);
        std::_Exit(255);
    }
    pending = number;
}
