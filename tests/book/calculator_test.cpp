// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "BookFixture.h"

#include "TerminationSignals.h"
#include "calculator/TCalculatorForm.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

// Puts only a folder of our own on the PATH for the test's lifetime.
class FakePath {
public:
    FakePath() : saved_(qgetenv("PATH")) { qputenv("PATH", dir.path().toLocal8Bit()); }
    ~FakePath() { qputenv("PATH", saved_); }

    // A stand-in calculator that runs until it is asked to end.
    QString addCalculator(const QString& name) {
        // It lets go of the test's output at once and gives up by itself after about ten
        // seconds, so a failing test never leaves it holding the runner.
        return addProgram(name, "exec >/dev/null 2>&1\ntrap 'exit 0' TERM\ni=0\n"
                                "while [ $i -lt 200 ]; do /bin/sleep 0.05; i=$((i+1)); done\n");
    }

    // A shell script of that name and body.
    QString addProgram(const QString& name, const QByteArray& body) {
        const QString path = QDir(dir.path()).filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("#!/bin/sh\n" + body);
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    QTemporaryDir dir;

private:
    QByteArray saved_;
};

bool alive(qint64 pid) { return pid > 0 && ::kill(pid_t(pid), 0) == 0; }

} // namespace

TEST_F(BookTest, WithoutACalculatorOnThePathTheBookOpensItsOwn) {
    FakePath path;
    book->mnitCalc->trigger();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(book->TheCalculator().Started());
    ASSERT_NE(book->OwnCalculator, nullptr);
    TCalculatorForm* own = book->OwnCalculator;
    EXPECT_TRUE(own->isVisible());
    EXPECT_TRUE(book->screen()->availableGeometry().contains(own->frameGeometry()))
        << "wholly on screen";
    own->hide();
    book->mnitCalc->trigger();
    EXPECT_EQ(book->OwnCalculator, own) << "the same window again";
    EXPECT_TRUE(own->isVisible());
}

TEST_F(BookTest, ACalculatorThatCannotBeStartedIsReportedAndTheBooksOwnStaysShut) {
    FakePath path;
    path.addProgram("xcalc", "").clear();
    // Its interpreter does not exist, so the program is there but does not start.
    QFile script(QDir(path.dir.path()).filePath("xcalc"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/nonexistent/interpreter\n");
    script.close();
    book->mnitCalc->trigger();
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Unable to open calculator"});
    EXPECT_EQ(book->OwnCalculator, nullptr);
}

TEST_F(BookTest, TheBookStartsOneCalculatorAndEndsItOnClose) {
    FakePath path;
    path.addCalculator("xcalc");
    book->mnitCalc->trigger();
    ASSERT_TRUE(dialogs.messages.empty());
    const qint64 pid = book->TheCalculator().Pid();
    ASSERT_TRUE(QTest::qWaitFor([&] { return book->TheCalculator().Running(); }, 2000));
    book->mnitCalc->trigger();
    EXPECT_EQ(book->TheCalculator().Pid(), pid) << "raised, not started again";
    book->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !alive(pid); }, 3000));
}

TEST_F(BookTest, ACalculatorTheUserStartedIsNeverTouched) {
    FakePath path;
    const QString program = path.addCalculator("galculator");
    qint64 userPid = 0;
    ASSERT_TRUE(QProcess::startDetached(program, {}, QString(), &userPid));
    book->close();
    QTest::qWait(200);
    EXPECT_TRUE(alive(userPid));
    ::kill(pid_t(userPid), SIGTERM);
}

TEST(CalculatorOwnership, OnlyTheExactCommandLineIsOurs) {
    const QString program = "/opt/calc/bin/xcalc";
    const QByteArray nul(1, '\0');
    const auto line = [&](std::initializer_list<const char*> args) {
        QByteArray b;
        for (const char* a : args)
            b += QByteArray(a) + nul;
        return b;
    };
    EXPECT_TRUE(Calculator::IsCommandLineOf(line({"/opt/calc/bin/xcalc"}), program, ""));
    EXPECT_TRUE(Calculator::IsCommandLineOf(line({"xcalc"}), program, ""));
    EXPECT_TRUE(Calculator::IsCommandLineOf(line({"/bin/sh", "/opt/calc/bin/xcalc"}), program, "sh"));
    EXPECT_FALSE(Calculator::IsCommandLineOf(line({"/bin/sh", "/opt/calc/bin/xcalc"}), program, ""))
        << "not a script";
    EXPECT_FALSE(Calculator::IsCommandLineOf(line({"vim", "/opt/calc/bin/xcalc"}), program, "sh"));
    EXPECT_FALSE(Calculator::IsCommandLineOf(line({"/opt/calc/bin/xcalc2"}), program, ""));
    EXPECT_FALSE(Calculator::IsCommandLineOf(line({"less", "/opt/calc/bin/xcalc", "-N"}), program, "sh"));
    EXPECT_FALSE(Calculator::IsCommandLineOf(line({"xcalc", "-geometry", "9x9"}), program, ""));
    EXPECT_FALSE(Calculator::IsCommandLineOf(QByteArray(), program, "")) << "a zombie shows none";
}

TEST(CalculatorOwnership, TheInterpreterComesFromTheScriptsFirstLine) {
    FakePath path;
    EXPECT_EQ(Calculator::ScriptInterpreter(path.addProgram("a", "")), "sh");
    const QString env = QDir(path.dir.path()).filePath("b");
    QFile f(env);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#! /usr/bin/env  python3\nprint(1)\n");
    f.close();
    EXPECT_EQ(Calculator::ScriptInterpreter(env), "python3");
    EXPECT_EQ(Calculator::ScriptInterpreter("/nonexistent/c"), "");
}

TEST_F(BookTest, AProcessThatTurnedIntoAnotherProgramIsNoLongerOurs) {
    FakePath path;
    // Replaces itself by a shell that still names the calculator's path among its arguments.
    path.addProgram("xcalc", "exec >/dev/null 2>&1\n"
                             "exec /bin/sh -c 'trap \"exit 0\" TERM; /bin/sleep 10' \"$0\"\n");
    book->mnitCalc->trigger();
    const qint64 pid = book->TheCalculator().Pid();
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !book->TheCalculator().Running(); }, 3000));
    EXPECT_TRUE(alive(pid));
    book->close();
    QTest::qWait(200);
    EXPECT_TRUE(alive(pid)) << "a stranger's process is never ended";
    ::kill(pid_t(pid), SIGKILL);
}

TEST_F(BookTest, ACalculatorWithoutAProcessNumberIsRaisedByItsWindowClass) {
    FakePath path;
    path.addCalculator("xcalc");
    const QString log = QDir(path.dir.path()).filePath("xdotool.log");
    // Finds no window by process number, as with xcalc.
    path.addProgram("xdotool", "echo \"$*\" >> '" + log.toLocal8Bit() +
                                   "'\n[ \"$2\" = --pid ] && exit 1\nexit 0\n");
    book->mnitCalc->trigger();
    const qint64 pid = book->TheCalculator().Pid();
    ASSERT_TRUE(QTest::qWaitFor([&] { return book->TheCalculator().Running(); }, 2000));
    book->mnitCalc->trigger();
    const auto calls = [&] {
        QFile f(log);
        return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed().split('\n')
                                           : QList<QByteArray>();
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls().size() >= 2; }, 3000));
    ASSERT_EQ(calls().size(), 2);
    EXPECT_EQ(calls()[0], "search --pid " + QByteArray::number(pid) + " windowactivate");
    EXPECT_EQ(calls()[1], "search --classname xcalc windowactivate");
    ::kill(pid_t(pid), SIGTERM);
}

TEST_F(BookTest, ATerminationSignalClosesTheBookAndItsCalculator) {
    FakePath path;
    path.addCalculator("xcalc");
    book->mnitCalc->trigger();
    const qint64 pid = book->TheCalculator().Pid();
    ASSERT_TRUE(QTest::qWaitFor([&] { return book->TheCalculator().Running(); }, 2000));
    for (int signal : {SIGTERM, SIGINT}) {
        bool closed = false;
        CloseOnTerminationSignals([&](int) {
            closed = true;
            book->close();
        });
        ::raise(signal);
        EXPECT_TRUE(QTest::qWaitFor([&] { return closed; }, 2000)) << signal;
    }
    CloseOnTerminationSignals(nullptr);
    EXPECT_FALSE(book->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !alive(pid); }, 3000));
}
