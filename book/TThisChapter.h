// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The chapter window that the book's chapters derive from: the page text box, the
// feedback panel with its OK button, and the question protocol (judging an answer,
// counting attempts, composing the feedback).

#include "StudentWork.h"
#include "TCustomChapter.h"
#include "TImageList.h"
#include "TPanel.h"
#include "oBitBtn.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

class TRichEditControl;
class oRichEdit;

class TThisChapter : public TCustomChapter {
public:
    explicit TThisChapter(TCustomBook* owner);
    ~TThisChapter() override;

    oRichEdit* TextBox = nullptr;
    TPanel* MessagePanel = nullptr;
    oRichEdit* FeedbackBox = nullptr;
    oBitBtn* OKButton = nullptr;
    std::unique_ptr<TImageList> ButtonImages;  // 65 x 36: Done, Start, Stop, Reset
    std::unique_ptr<TImageList> ButtonImages2; // 110 x 36
    std::unique_ptr<TImageList> ButtonImages3; // 150 x 36: the wide buttons
    std::unique_ptr<TImageList> OKButtonImages;

    // The last judged answer was right.
    bool AnswerCorrect = false;
    // Wrong answers given on this page.
    int WrongAnswers = 0;
    // Wrong answers after which the question closes.
    int MaxAttempts = 3;
    // Answered right, or the attempts are used up.
    bool QuestionClosed = false;
    // The text boxes take part in keyboard focus.
    bool ScreenReaderSupport = false;

    void ShowPage() override;
    // Sets the page up with its text at zoom::TextScale(), a pixel smaller at a time until
    // the text fits its box and runs under no control (PageTextFits), the forms' size at least.
    void RefreshPage() override;
    void ApplyColours() override;
    // Also puts the Tab order in reading order, the page text taking part in it or not.
    void SetScreenReaderSupport(bool on) override;
    // The page text where the screen reader mode lets it take the focus, else the open
    // question's answer field or first choice.
    QWidget* FirstControl() const override;
    // The page text.
    std::vector<TKeepClear> KeepClearAreas() const override;

    virtual void WriteFeedback();
    virtual bool IsAnswerCorrect() { return false; }
    virtual void WritePageText();
    virtual void WriteHint() {}
    virtual void WriteConclusion() {}
    virtual void WriteCorrect();
    virtual void WriteIncorrect();
    // What the reader has still to give before the answer can be judged ("Choose a
    // planet."), or null when the answer is complete. An incomplete answer costs no attempt.
    virtual const char* MissingAnswer() const { return nullptr; }
    // For the teacher's guide: what the chapter sets out to teach and the misconceptions it
    // meets.
    virtual void WriteTeacherNotes(TRichEditControl&) {}
    // For the teacher's guide, on a page that ShowPage has set up: the answer accepted, with
    // its tolerance; empty on a page that asks nothing.
    virtual std::string AcceptedAnswer() { return {}; }
    // For the teacher's table of a class: the answers that the data of ChapterSeed() make
    // right, as (heading, answer) pairs; none where they do not depend on a seed.
    virtual std::vector<std::pair<std::string, std::string>> ClassAnswers() { return {}; }
    // The measurements the chapter shows, as a CSV file for a spreadsheet; empty where it
    // shows none.
    virtual std::string MeasurementsCsv() const { return {}; }

    // The answer as the reader gave it, for the record of the reader's work: the typed text
    // or the chosen caption; empty where the chapter keeps no record.
    virtual std::string GivenAnswer() const { return {}; }
    // The seed of the data the page's question is about; 0 where the data have none.
    virtual std::uint64_t DataSeed() const { return 0; }
    // The seed of the chapter's own data, 0 where it has none; and, before its first page is
    // shown, draws them from `seed` instead (a student's star kept, or a teacher's choice).
    virtual std::uint64_t ChapterSeed() const { return 0; }
    virtual void UseChapterSeed(std::uint64_t) {}
    // Every answer given on the chapter's pages, with its verdict, in the order first asked.
    std::vector<TAnsweredQuestion> Work;

    // Judges the current answer and shows the feedback; an answer given is recorded in Work.
    void JudgeAnswer();
    // Hides the feedback and hands the focus to the forward button when it shows, else to
    // the question's answer field or first choice, so that the next Enter never turns back.
    void OKButtonClick();

    // The property that marks a question's choice buttons.
    static constexpr const char* AnswerChoiceProperty = "answerChoice";
    // The property that marks every control of a page's question (answer fields, drop-down
    // lists, choices, Done), which Tab reaches right after the page text.
    static constexpr const char* QuestionPartProperty = "questionPart";

protected:
    QWidget* FocusAfterFeedback() const;
    // The open question's answer field or first choice, shown and enabled, or nullptr.
    QWidget* FirstAnswerControl() const;
    // The page text's fonts at `height` (negative: pixels), the heading in proportion.
    void SetTextHeight(int height);
    // The page text lies inside its box, clear of every control shown over the box.
    bool PageTextFits() const;
    // Tab follows reading order: the page text, the question, the feedback and its OK, then
    // the page's other controls in the order they were made.
    void FollowReadingOrder();
    // Opens the page's question afresh: three attempts, none used, feedback hidden.
    void OpenQuestion();
    // Shows or hides the navigation panel's forward button, which a page with an open
    // question hides until the question closes.
    void ShowNextButton(bool shown);
};
