#include "BookFixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
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
        const QString path = QDir(dir.path()).filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        // It lets go of the test's output at once and gives up by itself after about ten
        // seconds, so a failing test never leaves it holding the runner.
        f.write("#!/bin/sh\nexec >/dev/null 2>&1\ntrap 'exit 0' TERM\ni=0\n"
                "while [ $i -lt 200 ]; do /bin/sleep 0.05; i=$((i+1)); done\n");
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

TEST_F(BookTest, NoCalculatorOnThePathSaysSo) {
    FakePath path;
    book->mnitCalc->trigger();
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Unable to open calculator"});
    EXPECT_FALSE(book->TheCalculator().Started());
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
