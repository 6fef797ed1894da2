#include "RunLockHolder.h"

#include "TRunLock.h"

// The child's lock lives until the child is killed.
TForeignRunLock::TForeignRunLock(const QString& folder)
    : fHolder([folder] { return (new TRunLock)->Acquire(folder) == TRunLock::TResult::Locked; }) {}
