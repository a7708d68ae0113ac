// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TThisChapter.h"

#include "ScreenPlacement.h"
#include "Zoom.h"

#include "TCustomBook.h"
#include "TNavPanel.h"
#include "forms/ThisChapterForm.h"

#include "BookText.h"
#include "RichEditWriter.h"
#include "WidgetColour.h"
#include "oRichEdit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

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

void TThisChapter::RefreshPage() {
    const int designed = Font().Height;
    SetTextHeight(int(std::lround(designed * zoom::TextScale())));
    TCustomChapter::RefreshPage();
    while (BodyFont->Height < designed && !PageTextFits()) {
        SetTextHeight(BodyFont->Height + 1);
        WritePageText();
    }
}

void TThisChapter::SetTextHeight(int height) {
    BodyFont->Height = SymbolFont->Height = height;
    HeadingFont->Height = int(height * 14 * 0.1);
    // For the text that a page writes in the box's own font.
    QFont font = TextBox->font();
    font.setPixelSize(-height);
    TextBox->setFont(font);
}

bool TThisChapter::PageTextFits() const {
    const QTextDocument& text = *TextBox->document();
    const QWidget& port = *TextBox->viewport();
    if (std::ceil(text.size().height()) > port.height() ||
        std::ceil(text.idealWidth()) > port.width())
        return false;
    const QPoint origin = port.mapTo(this, QPoint());
    std::vector<QRect> lines;
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        const QTextLayout& layout = *block.layout();
        for (int i = 0; i < layout.lineCount(); ++i)
            lines.push_back(layout.lineAt(i)
                                .naturalTextRect()
                                .translated(layout.position())
                                .toAlignedRect()
                                .translated(origin));
    }
    const QRect box(TextBox->mapTo(this, QPoint()), TextBox->size());
    for (const QWidget* control : findChildren<QWidget*>()) {
        if (control == TextBox || TextBox->isAncestorOf(control) || control->isWindow() ||
            !control->isVisibleTo(this))
            continue;
        // A panel is judged by what it holds.
        const QList<QWidget*> held = control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        if (std::any_of(held.begin(), held.end(),
                        [this](const QWidget* w) { return w->isVisibleTo(this); }))
            continue;
        const QRect place(control->mapTo(this, QPoint()), control->size());
        if (!place.intersects(box))
            continue;
        for (const QRect& line : lines)
            if (line.intersects(place))
                return false;
    }
    return true;
}

void TThisChapter::WritePageText() {
    TextBox->Clear();
    *TextBox << BookText("Chapter window", "Some text to go in here.");
    TextBox->SetSelStart(0);
}

// A tick or a cross leads the verdict, so that it is not told by the panel's colour alone.
void TThisChapter::WriteCorrect() {
    *FeedbackBox << "\u2713 " + BookText("Feedback", "This is the correct answer.") + "\n";
}

void TThisChapter::WriteIncorrect() {
    *FeedbackBox << "\u2717 " +
                        (WrongAnswers > 1 ? BookText("Feedback", "Your answer is still incorrect.")
                                          : BookText("Feedback", "Your answer is incorrect.")) +
                        "\n";
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
