// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TThisChapter.h"

#include "ScreenPlacement.h"

#include "TCustomBook.h"
#include "TNavPanel.h"
#include "forms/ThisChapterForm.h"

#include "RichEditWriter.h"
#include "WidgetColour.h"
#include "oRichEdit.h"

#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

TThisChapter::TThisChapter(TCustomBook* owner) : TCustomChapter(owner) {
    DefineThisChapterForm(*this);
    AnswerCorrect = false;
    WrongAnswers = 0;
    MaxAttempts = 3;
    QuestionClosed = false;
    ScreenReaderSupport = false;
}

TThisChapter::~TThisChapter() = default;

void TThisChapter::ShowPage() { WritePageText(); }

void TThisChapter::WritePageText() {
    TextBox->Clear();
    *TextBox << "Some text to go in here.";
    TextBox->SetSelStart(0);
}

// A tick or a cross leads the verdict, so that it is not told by the panel's colour alone.
void TThisChapter::WriteCorrect() { *FeedbackBox << "\u2713 This is the correct answer.\n"; }

void TThisChapter::WriteIncorrect() {
    *FeedbackBox << "\u2717 Your answer is ";
    if (WrongAnswers > 1)
        *FeedbackBox << "still ";
    *FeedbackBox << "incorrect.\n";
}

void TThisChapter::SetScreenReaderSupport(bool on) {
    ScreenReaderSupport = on;
    const Qt::FocusPolicy policy = on ? Qt::StrongFocus : Qt::NoFocus;
    TextBox->setFocusPolicy(policy);
    FeedbackBox->setFocusPolicy(policy);
    FollowReadingOrder();
}

namespace {

bool TakesTab(const QWidget& w) { return (w.focusPolicy() & Qt::TabFocus) && !w.focusProxy(); }

bool IsAnswerControl(const QWidget& w) {
    return w.property(TThisChapter::AnswerChoiceProperty).toBool() ||
           (w.property(TThisChapter::QuestionPartProperty).toBool() &&
            (qobject_cast<const QLineEdit*>(&w) || qobject_cast<const QComboBox*>(&w)));
}

} // namespace

void TThisChapter::FollowReadingOrder() {
    std::vector<QWidget*> first{TextBox};
    QWidget* firstOther = nullptr;
    QWidget* const top = window();
    for (QWidget* w = top->nextInFocusChain(); w != top; w = w->nextInFocusChain()) {
        if (!isAncestorOf(w) || !TakesTab(*w) || w == TextBox || MessagePanel->isAncestorOf(w))
            continue;
        if (w->property(QuestionPartProperty).toBool())
            first.push_back(w);
        else if (!firstOther)
            firstOther = w;
    }
    first.insert(first.end(), {FeedbackBox, OKButton});
    std::erase_if(first, [](const QWidget* w) { return !TakesTab(*w); });
    if (first.empty() || !firstOther)
        return;
    // The group goes before the first of the others: after whatever takes Tab before it.
    QWidget* before = firstOther->previousInFocusChain();
    while (before != firstOther && (!TakesTab(*before) || std::ranges::count(first, before)))
        before = before->previousInFocusChain();
    if (before != firstOther)
        setTabOrder(before, first.front());
    for (std::size_t i = 1; i < first.size(); ++i)
        setTabOrder(first[i - 1], first[i]);
}

QWidget* TThisChapter::FirstControl() const {
    if (TakesTab(*TextBox) && TextBox->isVisibleTo(this))
        return TextBox;
    return FirstAnswerControl();
}

QWidget* TThisChapter::FirstAnswerControl() const {
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain())
        if (isAncestorOf(w) && IsAnswerControl(*w) && w->isVisibleTo(this) && w->isEnabled())
            return w;
    return nullptr;
}

void TThisChapter::ApplyColours() {
    TCustomChapter::ApplyColours();
    TCustomBook* book = Book();
    if (!book)
        return;
    if (book->WindowsColours)
        MessagePanel->SetColor(clWindow);
    else
        MessagePanel->SetColor(QuestionClosed ? RGB(255, 255, 255) : RGB(255, 255, 215));
    SetWidgetColour(*TextBox, Color());
    SetWidgetColour(*FeedbackBox, MessagePanel->Color());
}

void TThisChapter::JudgeAnswer() {
    if (const char* missing = MissingAnswer()) {
        ApplyColours();
        OKButton->show();
        MessagePanel->show();
        MessagePanel->raise();
        FeedbackBox->Clear();
        *FeedbackBox << *FeedbackFont << missing;
        FeedbackBox->SetSelStart(0);
        OKButton->setFocus();
        return;
    }
    if (IsAnswerCorrect()) {
        QuestionClosed = true;
        AnswerCorrect = true;
    } else {
        AnswerCorrect = false;
        ++WrongAnswers;
        if (WrongAnswers == MaxAttempts)
            QuestionClosed = true;
    }
    if (const std::string given = GivenAnswer(); !given.empty()) {
        // The question is the page text's last paragraph, as the page asks it.
        const QStringList paragraphs = TextBox->toPlainText().split('\n', Qt::SkipEmptyParts);
        RecordAttempt(Work, Page, DataSeed(),
                      paragraphs.isEmpty() ? std::string() : paragraphs.last().trimmed().toStdString(),
                      {given, AnswerCorrect}, QuestionClosed);
    }
    ApplyColours();
    OKButton->setVisible(!QuestionClosed);
    MessagePanel->show();
    MessagePanel->raise();
    if (!OKButton->isHidden())
        OKButton->setFocus();
    WriteFeedback();
}

void TThisChapter::WriteFeedback() {
    FeedbackBox->Clear();
    *FeedbackBox << *FeedbackFont;
    if (AnswerCorrect)
        WriteCorrect();
    else
        WriteIncorrect();
    if (QuestionClosed)
        WriteConclusion();
    else
        WriteHint();
    FeedbackBox->SetSelStart(0);
    if (FeedbackBox->focusPolicy() != Qt::NoFocus)
        FeedbackBox->setFocus();
    else if (!OKButton->isHidden())
        OKButton->setFocus();
}

void TThisChapter::OKButtonClick() {
    MessagePanel->hide();
    if (QWidget* next = FocusAfterFeedback())
        next->setFocus();
}

QWidget* TThisChapter::FocusAfterFeedback() const {
    TCustomBook* book = Book();
    if (book && book->NavPanel->NextButton->isVisibleTo(book))
        return book->NavPanel->NextButton;
    // Otherwise the question again.
    return FirstAnswerControl();
}

void TThisChapter::OpenQuestion() {
    MaxAttempts = 3;
    QuestionClosed = false;
    WrongAnswers = 0;
    AnswerCorrect = false;
    MessagePanel->hide();
}

void TThisChapter::ShowNextButton(bool shown) {
    if (TCustomBook* book = Book())
        book->NavPanel->NextButton->setVisible(shown);
}

std::vector<TKeepClear> TThisChapter::KeepClearAreas() const {
    return {{ScreenArea(*TextBox), 4}};
}
