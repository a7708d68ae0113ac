// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TBackgroundWork.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

using TEnd = TBackgroundWork::TEnd;

// What a run told, as the interface thread saw it.
struct Told {
    int count = 0;
    TEnd end = TEnd::Finished;
    QString failure;
    bool onInterfaceThread = false;

    TBackgroundWork::TDone Done() {
        return [this](TEnd e, const QString& f) {
            ++count;
            end = e;
            failure = f;
            onInterfaceThread = QThread::currentThread() == QCoreApplication::instance()->thread();
        };
    }
};

// Work that runs until it is asked to stop, saying whether it was asked.
struct Endless {
    std::atomic<bool> started{false};
    std::atomic<bool> sawStop{false};

    TBackgroundWork::TWork Work() {
        return [this](TBackgroundWork::TControl& control) {
            started = true;
            const TWorkControl model = control.Work();
            while (!model.Cancelled())
                QThread::msleep(1);
            sawStop = true;
        };
    }
    void WaitStarted() const {
        for (int i = 0; i < 2000 && !started; ++i)
            QThread::msleep(1);
    }
};

void Settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(2);
    }
}

} // namespace

TEST(BackgroundWork, TheResultComesOnTheInterfaceThreadWithTheProgressOnTheWay) {
    TBackgroundWork work;
    std::vector<double> shown;
    work.OnProgress([&shown](double share) { shown.push_back(share); }, 5);
    auto result = std::make_shared<int>(0);
    std::atomic<bool> offThread{false};
    std::atomic<bool> go{false};
    Told told;
    work.Start(
        [result, &offThread, &go](TBackgroundWork::TControl& control) {
            offThread = QThread::currentThread() != QCoreApplication::instance()->thread();
            // The second half of the work, as a step of the model's would report it.
            const TWorkControl secondHalf = control.Work().Part(0.5, 0.5);
            secondHalf.Report(0.5);
            while (!go)
                QThread::msleep(1);
            *result = 42;
            secondHalf.Report(1.0);
        },
        told.Done());
    EXPECT_TRUE(work.Running());
    for (int i = 0; i < 400 && (shown.empty() || shown.back() < 0.75); ++i)
        QTest::qWait(5);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), 0.0) << "a new run shows no progress at first";
    EXPECT_EQ(shown.back(), 0.75) << "half of the second half";
    EXPECT_EQ(told.count, 0) << "nothing is told while the work runs";
    go = true;
    for (int i = 0; i < 400 && told.count == 0; ++i)
        QTest::qWait(5);
    EXPECT_EQ(told.count, 1);
    EXPECT_EQ(told.end, TEnd::Finished);
    EXPECT_TRUE(told.onInterfaceThread);
    EXPECT_TRUE(offThread);
    EXPECT_EQ(*result, 42);
    EXPECT_FALSE(work.Running());
}

TEST(BackgroundWork, WorkThatThrowsIsReportedNotFatal) {
    TBackgroundWork work;
    Told told;
    work.Start([](TBackgroundWork::TControl&) { throw std::length_error("vector too long"); },
               told.Done());
    work.Wait();
    EXPECT_EQ(told.count, 1);
    EXPECT_EQ(told.end, TEnd::Failed);
    EXPECT_EQ(told.failure, "vector too long");

    work.Start([](TBackgroundWork::TControl&) { throw 7; }, told.Done());
    work.Wait();
    EXPECT_EQ(told.end, TEnd::Failed);
    EXPECT_EQ(told.failure, "an unknown error");

    // Short work run here is caught the same way.
    work.Start([](TBackgroundWork::TControl&) { throw std::runtime_error("here"); }, told.Done(),
               TBackgroundWork::TWhere::Here);
    EXPECT_EQ(told.count, 3);
    EXPECT_EQ(told.failure, "here");
    Settle();
    EXPECT_EQ(told.count, 3) << "each end is told once";
}

TEST(BackgroundWork, CancelIsToldStopAndANewStartAreNot) {
    TBackgroundWork work;
    Told told;
    Endless first;
    work.Start(first.Work(), told.Done());
    first.WaitStarted();
    work.Cancel();
    for (int i = 0; i < 400 && told.count == 0; ++i)
        QTest::qWait(5);
    EXPECT_EQ(told.count, 1);
    EXPECT_EQ(told.end, TEnd::Cancelled);
    EXPECT_TRUE(first.sawStop);

    Told dropped;
    Endless second;
    work.Start(second.Work(), dropped.Done());
    second.WaitStarted();
    Told kept;
    work.Start([](TBackgroundWork::TControl&) {}, kept.Done());
    EXPECT_TRUE(work.Running());
    work.Wait();
    for (int i = 0; i < 400 && !second.sawStop; ++i)
        QTest::qWait(5);
    Settle();
    EXPECT_TRUE(second.sawStop) << "a new start stops the work before it";
    EXPECT_EQ(dropped.count, 0) << "and its end is never told";
    EXPECT_EQ(kept.count, 1);

    Told stopped;
    Endless third;
    work.Start(third.Work(), stopped.Done());
    third.WaitStarted();
    work.Stop();
    EXPECT_FALSE(work.Running());
    for (int i = 0; i < 400 && !third.sawStop; ++i)
        QTest::qWait(5);
    Settle();
    EXPECT_EQ(stopped.count, 0);
}

TEST(BackgroundWork, AnOwnerGoneMidWorkHearsNothingAndLeavesNoThread) {
    Told told;
    Endless endless;
    auto owner = std::make_unique<QObject>();
    auto* work = new TBackgroundWork(owner.get());
    work->Start(endless.Work(), told.Done());
    endless.WaitStarted();
    owner.reset(); // waits for the work, which is asked to stop
    EXPECT_TRUE(endless.sawStop);
    Settle();
    EXPECT_EQ(told.count, 0);

    // Work that has ended, its end posted but not yet told, is dropped with its owner too.
    owner = std::make_unique<QObject>();
    work = new TBackgroundWork(owner.get());
    std::atomic<bool> ended{false};
    work->Start([&ended](TBackgroundWork::TControl&) { ended = true; }, told.Done());
    while (!ended)
        QThread::msleep(1);
    QThread::msleep(20);
    owner.reset();
    Settle();
    EXPECT_EQ(told.count, 0);
}

TEST(BackgroundWork, TheBookQuittingStopsTheWork) {
    TBackgroundWork work;
    Told told;
    Endless endless;
    work.Start(endless.Work(), told.Done());
    endless.WaitStarted();
    QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
    EXPECT_FALSE(work.Running());
    for (int i = 0; i < 400 && !endless.sawStop; ++i)
        QThread::msleep(5);
    EXPECT_TRUE(endless.sawStop);
    Settle();
    EXPECT_EQ(told.count, 0);
}
