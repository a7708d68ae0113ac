#include "Calculator.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <csignal>
#include <sys/types.h>

QStringList Calculator::Candidates() {
    return {"gnome-calculator", "kcalc",       "galculator", "mate-calc",
            "qalculate-gtk",    "speedcrunch", "xcalc"};
}

bool Calculator::Running() const {
    if (pid_ <= 0 || ::kill(pid_t(pid_), 0) != 0)
        return false;
    // The number may since have been given to another program: check it is still ours.
    QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid_));
    if (!cmdline.open(QIODevice::ReadOnly))
        return true;
    const QByteArray args = cmdline.readAll();
    const QByteArray first = args.left(args.indexOf('\0'));
    const QString name = QFileInfo(QString::fromLocal8Bit(first)).fileName();
    // Scripts run under their interpreter, so their own name comes second.
    return name == QFileInfo(program_).fileName() || args.contains(program_.toLocal8Bit());
}

bool Calculator::OpenOrRaise() {
    if (Running()) {
        raise();
        return true;
    }
    return start();
}

bool Calculator::start() {
    for (const QString& name : Candidates()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (path.isEmpty())
            continue;
        qint64 pid = 0;
        if (QProcess::startDetached(path, {}, QString(), &pid) && pid > 0) {
            pid_ = pid;
            program_ = path;
            return true;
        }
    }
    return false;
}

void Calculator::raise() const {
    // Restoring and raising another program's window is the window manager's business;
    // xdotool asks it, where it is installed.
    const QString tool = QStandardPaths::findExecutable("xdotool");
    if (!tool.isEmpty())
        QProcess::startDetached(tool, {"search", "--pid", QString::number(pid_), "windowactivate"});
}

void Calculator::EndIfStarted() {
    if (Running())
        ::kill(pid_t(pid_), SIGTERM);
    pid_ = 0;
}
