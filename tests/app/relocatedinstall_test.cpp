// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The book installed into a prefix other than the configured one and started from a third
// folder: it finds its files in the installation it sits in and opens its contents page.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

namespace {

constexpr int kWaitMs = 30000;

// Runs a command to its end; its output, or what went wrong.
QByteArray RunToEnd(const QString& program, const QStringList& arguments, bool* ok) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    *ok = process.waitForFinished(kWaitMs) && process.exitStatus() == QProcess::NormalExit &&
          process.exitCode() == 0;
    return process.readAll() + process.errorString().toLocal8Bit();
}

class RelocatedInstall : public ::testing::Test {
protected:
    void SetUp() override {
        bool ok = false;
        const QByteArray output =
            RunToEnd(CMAKE_COMMAND, {"--install", DOPPLER_BUILD_DIR, "--prefix", prefix.path()}, &ok);
        ASSERT_TRUE(ok) << output.toStdString();
        program = QDir(prefix.path()).filePath("bin/doppler-spectroscopy");
        dataFolder = QDir(prefix.path()).filePath("share/doppler-spectroscopy");
        ASSERT_TRUE(QFile::exists(program));
        ASSERT_TRUE(QFile::exists(QDir(dataFolder).filePath("Access.rtf")));
    }

    // Starts the installed book in an empty folder of its own, on the given display.
    void start(QProcess& book, const QString& platform, const QString& display = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", platform);
        env.insert("XDG_CONFIG_HOME", elsewhere.filePath("config"));
        if (!display.isEmpty())
            env.insert("DISPLAY", display);
        // In a sanitized build, the X keyboard library that a real display loads copies a
        // fixed-length name with strndup, which the strict string check reports although
        // strndup stops at the length; the book's own code stays checked strictly elsewhere.
        if (env.contains("ASAN_OPTIONS"))
            env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS")
                                           .replace("strict_string_checks=1", "strict_string_checks=0"));
        book.setProcessEnvironment(env);
        book.setWorkingDirectory(elsewhere.path());
        book.start(program, {});
        ASSERT_TRUE(book.waitForStarted(kWaitMs));
    }

    static void end(QProcess& book) {
        book.terminate();
        ASSERT_TRUE(book.waitForFinished(kWaitMs));
    }

    QTemporaryDir prefix, elsewhere;
    QString program, dataFolder;
};

// A virtual X server of its own for the test's lifetime.
class VirtualScreen {
public:
    VirtualScreen() {
        // -noreset: the book's screen probe connects and leaves before the book itself
        // connects, and a server that resets when its last client leaves refuses meanwhile.
        server.start("Xvfb", {"-displayfd", "1", "-noreset", "-nolisten", "tcp", "-screen", "0",
                              "1024x768x24"});
        (void)QTest::qWaitFor([this] {
            server.waitForReadyRead(100);
            number += server.readAllStandardOutput();
            return number.contains('\n') || server.state() == QProcess::NotRunning;
        }, kWaitMs);
    }
    ~VirtualScreen() {
        server.terminate();
        server.waitForFinished(kWaitMs);
    }
    // ":<n>", or empty when the server did not start.
    QString Display() const {
        return number.contains('\n') ? ":" + QString::fromLatin1(number.trimmed()) : QString();
    }

private:
    QProcess server;
    QByteArray number;
};

// The id of the window with exactly this title on that display, or empty.
QString FindWindow(const QString& display, const QString& title) {
    QProcess search;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display);
    search.setProcessEnvironment(env);
    search.start("xdotool", {"search", "--name", "^" + QRegularExpression::escape(title) + "$"});
    search.waitForFinished(kWaitMs);
    return QString::fromLatin1(search.readAllStandardOutput()).section('\n', 0, 0).trimmed();
}

} // namespace

TEST_F(RelocatedInstall, StartsFromAnotherFolderAndOpensTheContentsPage) {
    VirtualScreen screen;
    const QString display = screen.Display();
    ASSERT_FALSE(display.isEmpty()) << "Xvfb did not start";
    QProcess book;
    start(book, "xcb", display);
    QString window;
    QByteArray shown;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        shown += book.readAllStandardError();
        window = FindWindow(display, "Doppler spectroscopy");
        return !window.isEmpty() || book.state() == QProcess::NotRunning;
    }, kWaitMs));
    QTest::qWait(200);
    shown += book.readAllStandardError();
    // A failed start-up shows its message in a window of the same title.
    ASSERT_FALSE(shown.contains("Cannot open file")) << shown.toStdString();
    ASSERT_FALSE(window.isEmpty()) << "the book ended: " << shown.toStdString();

    // A click on the splash picture turns to the contents page.
    QProcess click;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display);
    click.setProcessEnvironment(env);
    click.start("xdotool", {"mousemove", "--window", window, "396", "300", "click", "1"});
    ASSERT_TRUE(click.waitForFinished(kWaitMs));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !FindWindow(display, "Doppler spectroscopy : Contents").isEmpty(); }, kWaitMs))
        << (shown + book.readAllStandardError()).toStdString();
    end(book);
    EXPECT_EQ(book.exitCode(), 128 + SIGTERM) << "ended by the signal, having closed as Exit does";
}

TEST_F(RelocatedInstall, ReadsTheFilesOfTheInstallationItSitsIn) {
    // The installation's own file, made unreadable, is the one the book complains about,
    // whatever the configured data folder holds.
    const QString access = QDir(dataFolder).filePath("Access.rtf");
    ASSERT_TRUE(QFile::remove(access));
    ASSERT_TRUE(QDir(dataFolder).mkdir("Access.rtf"));
    QProcess book;
    start(book, "offscreen");
    QByteArray shown;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        book.waitForReadyRead(100);
        shown += book.readAllStandardError();
        return shown.contains("Cannot open file") || book.state() == QProcess::NotRunning;
    }, kWaitMs));
    EXPECT_TRUE(shown.contains(QDir::cleanPath(access).toLocal8Bit() + "\". Is a directory."))
        << shown.toStdString();
    end(book);
}
