#include "BookFixture.h"
#include "book/TThisChapter.h"

#include <QAccessible>
#include <QTest>
#include <QTimer>

namespace {

// Answers the accessibility dialog by setting its boxes and pressing a button.
std::function<int(TForm&)> answer(bool windowsColours, bool screenReader, int result) {
    return [=](TForm& form) {
        auto& box = dynamic_cast<TAccessBox&>(form);
        box.WinCheck->setChecked(windowsColours);
        box.TabCheck->setChecked(screenReader);
        return result;
    };
}

} // namespace

TEST_F(BookTest, AccessibilityDialogIsLaidOutWithItsExplanation) {
    EXPECT_EQ(access->Caption(), "Accessibility options");
    EXPECT_EQ(access->Color(), RGB(213, 230, 227));
    EXPECT_EQ(access->WinCheck->text().toStdString(), "Use Windows colours");
    EXPECT_FALSE(access->WinCheck->isChecked());
    EXPECT_EQ(access->TabCheck->text().toStdString(), "Include support for screen reader users");
    EXPECT_TRUE(access->rtfText->toPlainText().contains("screen reader"));
}

TEST_F(BookTest, WindowsColoursApplyAtOnceToTheChapterButNotTheContents) {
    open(2);
    const TColor contents = book->Color();
    dialogs.answerModal = answer(true, false, mrOk);
    book->Accessibility1->trigger();
    EXPECT_TRUE(book->WindowsColours);
    EXPECT_EQ(chapter()->Color(), clWindow);
    EXPECT_EQ(book->NavPanel->Color(), clWindow);
    EXPECT_EQ(book->Color(), contents);
    dialogs.answerModal = answer(false, false, mrOk);
    book->Accessibility1->trigger();
    EXPECT_EQ(chapter()->Color(), book->BookColour);
    EXPECT_EQ(chapter()->Font().Color, clBlack);
    EXPECT_EQ(chapter()->FeedbackFont->Color, RGB(0, 0, 157));
}

TEST_F(BookTest, CancelKeepsTheBoxesButAppliesNothingUntilThePageTurns) {
    open(2);
    auto* page = dynamic_cast<TThisChapter*>(chapter());
    dialogs.answerModal = answer(true, true, mrCancel);
    book->Accessibility1->trigger();
    EXPECT_FALSE(book->WindowsColours);
    EXPECT_FALSE(page->ScreenReaderSupport);
    EXPECT_TRUE(access->WinCheck->isChecked()) << "the boxes stay as the reader left them";
    book->PageForward();
    EXPECT_TRUE(page->ScreenReaderSupport) << "a page refresh reads the box itself";
    EXPECT_FALSE(book->WindowsColours) << "colours only change with OK";
    EXPECT_EQ(page->TextBox->focusPolicy(), Qt::StrongFocus);
}

TEST_F(BookTest, EnterPressesTheFocusedDialogButtonAndOtherwiseOk) {
    struct EnterCase {
        const char* name;
        QWidget* target;
        int result;
    };
    const EnterCase cases[] = {
        {"focused Cancel cancels", access->CancelButton, mrCancel},
        {"focused OK accepts", access->OKButton, mrOk},
        {"a check box leaves it to OK", access->WinCheck, mrOk},
    };
    for (const auto& [name, target, result] : cases) {
        SCOPED_TRACE(name);
        // The key goes to the control as it would with the focus there.
        QTimer::singleShot(0, [target] { QTest::keyClick(target, Qt::Key_Return); });
        QTimer::singleShot(2000, access, [this] { access->SetModalResult(-1); });
        EXPECT_EQ(access->ExecModal(), result);
    }
}

TEST_F(BookTest, TheScreenReaderOptionFollowsTheAccessibilityBridge) {
    open(2);
    auto* page = dynamic_cast<TThisChapter*>(chapter());
    ASSERT_NE(page, nullptr);
    ASSERT_FALSE(page->ScreenReaderSupport);
    // The bridge reports a screen reader after start-up, and later loses it.
    QAccessible::setActive(true);
    EXPECT_TRUE(access->TabCheck->isChecked());
    EXPECT_TRUE(page->ScreenReaderSupport) << "applies to the open page at once";
    QAccessible::setActive(false);
    EXPECT_FALSE(access->TabCheck->isChecked());
    EXPECT_FALSE(page->ScreenReaderSupport);
}
