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
