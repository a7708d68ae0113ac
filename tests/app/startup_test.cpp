// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The book program itself: how start-up fails, and how it ends on a signal.

#include <QDir>
#include <QFile>
#include <QDirIterator>
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

    void start(QProcess& process, bool withDisplay = true, const QStringList& args = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // The reader's settings are the test's own, not those of whoever runs it.
        env.insert("XDG_CONFIG_HOME", config());
        if (withDisplay) {
            env.insert("QT_QPA_PLATFORM", "offscreen");
        } else {
            for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
                env.remove(name);
        }
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir.path());
        process.start(program, args);
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    QString config() const { return dir.filePath("config"); }

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

TEST(StartUp, HelpAndVersionPrintAndEndWithoutADisplay) {
    Installed book;
    for (const char* option : {"--help", "--version"}) {
        SCOPED_TRACE(option);
        QProcess process;
        book.start(process, false, {option});
        ASSERT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitCode(), 0);
        const QByteArray printed = process.readAllStandardOutput();
        EXPECT_TRUE(printed.startsWith(QString(option) == "--help" ? "Usage: doppler-spectroscopy"
                                                                   : "doppler-spectroscopy 1."))
            << printed.toStdString();
    }
}

TEST(StartUp, AZoomLargerThanTheScreenOrALanguageNotSpokenIsRefusedNamingWhatIs) {
    Installed book;
    for (const auto& [args, refusal] :
         {std::pair{QStringList{"--zoom", "150"},
                    "The zoom 150 % does not fit this screen; the largest that fits is 100 %."},
          std::pair{QStringList{"--language=xx"},
                    "The book does not speak \"xx\"; it speaks en (English), de (Deutsch), fr "
                    "(Français), es (Español)."}}) {
        SCOPED_TRACE(refusal);
        QProcess process;
        book.start(process, true, args);
        ASSERT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitCode(), 2);
        EXPECT_TRUE(process.readAllStandardError().contains(refusal));
    }
}

TEST(StartUp, TheBookWritesNoSettingsButItsOwnFile) {
    Installed book;
    QProcess process;
    book.start(process);
    ASSERT_TRUE(QTest::qWaitFor([&] { return listensForSignals(process.processId()); }, 30000));
    ::kill(pid_t(process.processId()), SIGTERM);
    ASSERT_TRUE(process.waitForFinished(10000));
    QStringList written;
    QDirIterator files(book.config(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        written << QDir(book.config()).relativeFilePath(files.next());
    EXPECT_EQ(written, QStringList{"doppler-spectroscopy/doppler-spectroscopy.conf"});
}
