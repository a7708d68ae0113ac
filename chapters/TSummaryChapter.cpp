// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TSummaryChapter.h"

#include "BookText.h"
#include "RichEditWriter.h"
#include "oRichEdit.h"

TSummaryChapter::TSummaryChapter(TCustomBook* owner) : TThisChapter(owner) {
    SetCaption(BookText("Summary", "Summary").toStdString());
    TextBox->setGeometry(26, 26, 355, 301);
    PageCount = PageTotal = 1;
}

void TSummaryChapter::ShowPage() { WritePageText(); }

void TSummaryChapter::WritePageText() {
    oRichEdit& t = *TextBox;
    t.Clear();
    WriteMarked(
        t, BookText("Summary",
                    "You have now reached the end of this program. You can return to "
                    "any section by choosing the appropriate section from the "
                    "<b>Section</b> menu, otherwise exit the program from the "
                    "<b>File</b> menu.",
                    "Section and File: the book window's menus, named as the menus name them"));
    t.SetSelStart(0);
}

void TSummaryChapter::WriteTeacherNotes(TRichEditControl& t) {
    WriteMarked(t, BookText("Teacher's guide", "<b>Lesson: </b>5 minutes, to close the course."));
    t << "\n";
    WriteMarked(t, BookText("Teacher's guide",
                            "<b>Collecting the work: </b>File, My answers shows each student's "
                            "name, the seed of chapter 6 and every answer given, with its attempts "
                            "and verdict, and prints it to paper or a PDF file to hand in."));
    t << "\n";
}
