#pragma once

#include <QString>

// One copy of the program per user: the first copy holds a lock file in the user's runtime
// folder for as long as it runs. A lock left behind by a copy that was killed or crashed is
// recognised (its process is gone) and taken over.
namespace SingleInstance {

enum class Result {
    Acquired,       // this copy holds the lock now
    AlreadyRunning, // another live copy holds it
    Unavailable     // no lock could be made (folder missing, no permission); nobody can tell
};

// The lock file for this user and program name (the executable's base name by default).
QString LockFilePath(const QString& programName = {});

// Takes the lock and keeps it until Release() or the end of the process.
Result Acquire(const QString& programName = {});
void Release();

} // namespace SingleInstance
