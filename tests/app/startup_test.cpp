// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The book program itself: how start-up fails, and how it ends on a signal.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

namespace {

// A copy of the program with its data files beside it, where it looks first.
class Installed {
public:
    Installed() {
        program = dir.filePath("doppler-spectroscopy");
        EXPECT_TRUE(QFile::copy(DOPPLER_APP, program));
        for (const char* name : {"Access.rtf", "Copyrght.rtf", "Contacts.rtf"})
            QFile::copy(QDir::current().filePath(name), dir.filePath(name));
    }

    void start(QProcess& process, bool withDisplay = true) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (withDisplay) {
            env.insert("QT_QPA_PLATFORM", "offscreen");
        } else {
            for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
                env.remove(name);
        }
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir.path());
        process.start(program, {});
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    QTemporaryDir dir;
    QString program;
};

// Whether the process holds the socket pair through which its signal handler reports.
bool listensForSignals(qint64 pid) {
    int sockets = 0;
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString& name : fds.entryList(QDir::System | QDir::NoDotAndDotDot))
        sockets += QFile::symLinkTarget(fds.filePath(name)).contains("socket:") ? 1 : 0;
    return sockets >= 2;
}

} // namespace

TEST(StartUp, AFailedStartUpIsShownAndEndsWithAFailureStatus) {
    Installed book;
    QFile::remove(book.dir.filePath("Access.rtf"));
    ASSERT_TRUE(QDir(book.dir.path()).mkdir("Access.rtf"));
    QProcess process;
    book.start(process);
    QByteArray shown;
    // The message stays on screen until the reader closes it; here a signal ends it.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        process.waitForReadyRead(100);
        shown += process.readAllStandardError();
        return shown.contains("Is a directory.");
    }, 30000)) << shown.toStdString();
    EXPECT_TRUE(shown.contains("Access.rtf")) << shown.toStdString();
    process.terminate();
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
}

TEST(StartUp, ATerminationSignalEndsTheBookCleanlyWithTheSignalsStatus) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        Installed book;
        QProcess process;
        book.start(process);
        ASSERT_TRUE(QTest::qWaitFor([&] { return listensForSignals(process.processId()); }, 30000));
        QTest::qWait(500);
        ::kill(pid_t(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "ended by its own handler";
        EXPECT_EQ(process.exitCode(), 128 + signal);
    }
}

TEST(StartUp, WithoutADisplayTheBookSaysSoAndEnds) {
    Installed book;
    QProcess process;
    book.start(process, false);
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(process.readAllStandardError().toStdString(),
              "Doppler spectroscopy needs a graphical display (no DISPLAY or WAYLAND_DISPLAY is "
              "set)\n");
}
