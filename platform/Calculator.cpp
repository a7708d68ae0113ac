// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "Calculator.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <csignal>
#include <sys/types.h>

namespace {

// How long the book waits for the window search before it tries the window class.
constexpr int kRaiseWaitMs = 2000;

} // namespace

QStringList Calculator::Candidates() {
    return {"gnome-calculator", "kcalc",       "galculator", "mate-calc",
            "qalculate-gtk",    "speedcrunch", "xcalc"};
}

bool Calculator::AnyInstalled() {
    const QStringList names = Candidates();
    return std::any_of(names.begin(), names.end(), [](const QString& name) {
        return !QStandardPaths::findExecutable(name).isEmpty();
    });
}

QString Calculator::ScriptInterpreter(const QString& program) {
    QFile file(program);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray first = file.readLine(256).trimmed();
    if (!first.startsWith("#!"))
        return {};
    // "#!/bin/sh" runs as sh, "#!/usr/bin/env python3" as python3.
    const QList<QByteArray> words = first.mid(2).simplified().split(' ');
    return QFileInfo(QString::fromLocal8Bit(words.last())).fileName();
}

bool Calculator::IsCommandLineOf(const QByteArray& cmdline, const QString& program,
                                 const QString& interpreter) {
    QList<QByteArray> args = cmdline.split('\0');
    if (!args.isEmpty() && args.last().isEmpty())
        args.removeLast(); // the list ends with a NUL
    const QByteArray path = program.toLocal8Bit();
    const auto named = [](const QByteArray& arg, const QString& name) {
        return !name.isEmpty() && QFileInfo(QString::fromLocal8Bit(arg)).fileName() == name;
    };
    // Started without arguments: the program under its path or its own name, or a script
    // under its interpreter, with the script's path second.
    if (args.size() == 1)
        return args[0] == path || named(args[0], QFileInfo(program).fileName());
    return args.size() == 2 && args[1] == path && named(args[0], interpreter);
}

bool Calculator::Running() const {
    if (pid_ <= 0 || ::kill(pid_t(pid_), 0) != 0)
        return false;
    // The number may since have been given to another program: check it is still ours.
    // What cannot be read cannot be told apart from a stranger's process.
    QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid_));
    if (!cmdline.open(QIODevice::ReadOnly))
        return false;
    return IsCommandLineOf(cmdline.readAll(), program_, interpreter_);
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
            interpreter_ = ScriptInterpreter(path);
            return true;
        }
    }
    return false;
}

void Calculator::raise() const {
    // Restoring and raising another program's window is the window manager's business;
    // xdotool asks it, where it is installed. A calculator that does not tell the window
    // manager its process number (xcalc) is found by its window class instead, whose
    // instance part is the program's name.
    const QString tool = QStandardPaths::findExecutable("xdotool");
    if (tool.isEmpty())
        return;
    QProcess search;
    search.start(tool, {"search", "--pid", QString::number(pid_), "windowactivate"});
    if (search.waitForFinished(kRaiseWaitMs) && search.exitStatus() == QProcess::NormalExit &&
        search.exitCode() == 0)
        return;
    QProcess::startDetached(
        tool, {"search", "--classname", QFileInfo(program_).fileName(), "windowactivate"});
}

void Calculator::EndIfStarted() {
    if (Running())
        ::kill(pid_t(pid_), SIGTERM);
    pid_ = 0;
}
