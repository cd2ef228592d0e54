#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <memory>

#include <unistd.h>

namespace SingleInstance {

namespace {

std::unique_ptr<QLockFile> heldLock;

QString nameOrDefault(const QString& programName) {
    if (!programName.isEmpty())
        return programName;
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("zenthari") : name;
}

// The user's runtime folder, private to the user. When the desktop provides none, a folder of
// the user's own under the temporary folder, so that two users never share a lock.
QString lockFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
    const QString own =
        QDir::tempPath() + QStringLiteral("/zenthari-%1").arg(static_cast<qulonglong>(getuid()));
    QDir().mkpath(own);
    QFile::setPermissions(own,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return own;
}

} // namespace

QString LockFilePath(const QString& programName) {
    return lockFolder() + QLatin1Char('/') + nameOrDefault(programName) + QStringLiteral(".lock");
}

Result Acquire(const QString& programName) {
    if (heldLock)
        return Result::Acquired;
    auto lock = std::make_unique<QLockFile>(LockFilePath(programName));
    // Only a lock whose process has gone counts as stale, however old it is: a copy that has
    // been running for days still holds its lock.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        heldLock = std::move(lock);
        return Result::Acquired;
    }
    return lock->error() == QLockFile::LockFailedError ? Result::AlreadyRunning
                                                       : Result::Unavailable;
}

void Release() {
    heldLock.reset();
}

} // namespace SingleInstance
