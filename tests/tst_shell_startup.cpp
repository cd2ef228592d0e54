// Start-up and end inside one process: the one-copy check and EndProgram. The check across
// two real processes is in tests/scripts/test_shell_single_instance.sh.

#include "MessageBox.h"
#include "SingleInstance.h"
#include "StartUp.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>

class tst_shell_startup : public QObject {
    Q_OBJECT

private:
    QTemporaryDir runtime;
    int ends = 0;

private slots:
    void initTestCase() {
        QVERIFY(runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        TestSupport::isolate();
        StartUp::setEndHandler([this] { ++ends; });
    }

    void init() {
        ends = 0;
        MessageBox::clearShownMessages();
    }

    void cleanup() { SingleInstance::Release(); }

    void lockLivesInTheUsersRuntimeFolder() {
        const QString path = SingleInstance::LockFilePath();
        QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(runtime.path()).absoluteFilePath());
        QCOMPARE(QFileInfo(path).fileName(), QCoreApplication::applicationName() + ".lock");
    }

    void firstCopyGoesOnAndHoldsTheLock() {
        QVERIFY(CheckSingleInstance());
        QVERIFY(MessageBox::shownMessages().isEmpty());
        QCOMPARE(ends, 0);
        QVERIFY(QFile::exists(SingleInstance::LockFilePath()));
        // Another holder (standing in for a second copy) cannot take it now.
        QLockFile other(SingleInstance::LockFilePath());
        QVERIFY(!other.tryLock(0));
        QCOMPARE(other.error(), QLockFile::LockFailedError);
        SingleInstance::Release();
        QVERIFY(!QFile::exists(SingleInstance::LockFilePath()));
    }

    void secondCopySaysSoAndEnds() {
        // The lock held by somebody else, as by a running first copy.
        QLockFile running(SingleInstance::LockFilePath());
        QVERIFY(running.tryLock(0));

        QVERIFY(!CheckSingleInstance());
        QCOMPARE(ends, 1);
        const QList<MessageBox::Shown>& shown = MessageBox::shownMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("Application is already running"));
        QCOMPARE(shown[0].icon, MessageBox::Icon::Information);
        QCOMPARE(shown[0].buttons, MessageBox::Buttons::Ok);
        QCOMPARE(shown[0].title, QStringLiteral("Zenthari"));
        // The running copy keeps its lock.
        QVERIFY(running.isLocked());
        QVERIFY(QFile::exists(SingleInstance::LockFilePath()));

        running.unlock();
        MessageBox::clearShownMessages();
        QVERIFY(CheckSingleInstance());
        QVERIFY(MessageBox::shownMessages().isEmpty());
    }

    void aLockWhoseProcessIsGoneIsTakenOver() {
        // What a killed copy leaves behind: a lock file naming a process that no longer runs.
        QFile stale(SingleInstance::LockFilePath());
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("999999999\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
                    QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();
        QVERIFY(CheckSingleInstance());
        QVERIFY(MessageBox::shownMessages().isEmpty());
        QCOMPARE(ends, 0);
    }

    void noLockPossibleStillStarts() {
        // A name the folder cannot hold: no lock can be made, and starting beats refusing.
        QCOMPARE(SingleInstance::Acquire("no/such/folder/zenthari"),
                 SingleInstance::Result::Unavailable);
    }

    void endProgramWithoutWindowsEndsOnce() {
        EndProgram();
        QCOMPARE(ends, 1);
        QVERIFY(!StartUp::isEnding());
    }
};

QTEST_MAIN(tst_shell_startup)
#include "tst_shell_startup.moc"
