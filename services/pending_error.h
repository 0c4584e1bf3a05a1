#pragma once

// The pending-error convention: a failing service stores its error number
// and returns normally; callers clear it before an operation whose outcome
// they want to examine and read it afterwards. One thread, so one slot.
int PendingError();
void ClearPendingError();
int TakePendingError();

// Records an error as pending. Numbers 241 and above are internal faults of
// the services: the process ends at once with exit code 255.
void RaiseError(int number);
