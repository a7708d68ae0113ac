// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "DialogRecorder.h"
#include "GuardedApplication.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// Qt's event delivery is built without exception clean-up, so the copies it makes of an event
// whose handler throws are never freed: a few hundred bytes per failure, the price of carrying
// on. The leak checker looks away while such events are delivered.
struct IgnoringUnwoundEvents {
#if defined(__SANITIZE_ADDRESS__)
    IgnoringUnwoundEvents() { __lsan_disable(); }
    ~IgnoringUnwoundEvents() { __lsan_enable(); }
#endif
};

class ThrowingWidget : public QWidget {
protected:
    void mousePressEvent(QMouseEvent*) override { throw std::runtime_error("press failed"); }
    void keyPressEvent(QKeyEvent*) override { throw 42; }
};

} // namespace

TEST(GuardedApplication, ExceptionsFromHandlersReachTheExceptionDisplayAndTheProgramGoesOn) {
    ASSERT_NE(dynamic_cast<GuardedApplication*>(qApp), nullptr);
    DialogRecorder dialogs;
    ThrowingWidget widget;
    widget.show();

    {
        const IgnoringUnwoundEvents ignoring;
        QTest::mouseClick(&widget, Qt::LeftButton);
        QTest::keyClick(&widget, Qt::Key_A);
        QTimer::singleShot(0, [] { throw std::logic_error("tick failed"); });
        QTest::qWait(20);
    }

    EXPECT_EQ(dialogs.exceptions,
              (std::vector<std::string>{"press failed", "Unknown error", "tick failed"}));
    {
        const IgnoringUnwoundEvents ignoring;
        QTest::mouseClick(&widget, Qt::LeftButton);
    }
    EXPECT_EQ(dialogs.exceptions.size(), 4u) << "the widget still answers";
}

namespace {

// An exception display that fails in turn, as a hook may, or as building a message box does
// when memory runs out.
class FailingDisplay : public DialogHook {
public:
    explicit FailingDisplay(bool outOfMemory) : outOfMemory_(outOfMemory) {}
    void showMessage(const AnsiString&) override {}
    int showModal(TForm&) override { return mrCancel; }
    void showException(const AnsiString&) override {
        ++calls;
        if (outOfMemory_)
            throw std::bad_alloc();
        throw std::runtime_error("display broken");
    }
    bool printDialog(QPrinter&, TPrintOptions&) override { return false; }
    int calls = 0;

private:
    bool outOfMemory_;
};

} // namespace

TEST(GuardedApplication, AnExceptionDisplayThatFailsLeavesTheMessageOnStandardError) {
    for (const bool outOfMemory : {false, true}) {
        SCOPED_TRACE(outOfMemory ? "out of memory" : "a throwing hook");
        FailingDisplay display(outOfMemory);
        DialogHook* previous = Application::SetDialogHook(&display);
        testing::internal::CaptureStderr();
        {
            // The widget too: what Qt made for it before the unwound event is never freed.
            const IgnoringUnwoundEvents ignoring;
            ThrowingWidget widget;
            widget.show();
            QTest::mouseClick(&widget, Qt::LeftButton);
        }
        try {
            throw std::runtime_error("direct failure");
        } catch (...) {
            Application::HandleException();
        }
        Application::ShowException(std::runtime_error("shown failure"));
        const std::string written = testing::internal::GetCapturedStderr();
        Application::SetDialogHook(previous);
        EXPECT_EQ(display.calls, 3) << "the program carried on";
        for (const char* message : {"press failed", "direct failure", "shown failure"})
            EXPECT_NE(written.find(message), std::string::npos) << message << " in " << written;
        EXPECT_NE(written.find(outOfMemory ? "std::bad_alloc" : "display broken"),
                  std::string::npos)
            << written;
    }
}
