// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "ThisChapterForm.h"

#include "Artwork.h"
#include "BookText.h"
#include "book/TThisChapter.h"

#include "oRichEdit.h"

namespace {

std::unique_ptr<TImageList> blankFaces(int width, int height) {
    auto list = std::make_unique<TImageList>(width, height);
    artwork::AddBlankFaces(*list, 4);
    return list;
}

oRichEdit* readOnlyBox(QWidget* parent) {
    auto* box = new oRichEdit(parent);
    box->setFrameShape(QFrame::NoFrame);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->RtfLoader()->SetText("{\\rtf1 Rich\\i Text}");
    return box;
}

} // namespace

void DefineThisChapterForm(TThisChapter& f) {
    f.SetColor(RGB(219, 234, 232));
    f.SetFont(TFont("Arial", -13, clWindowText));

    f.TextBox = readOnlyBox(&f);
    f.TextBox->setAccessibleName(BookText("Chapter window", "Page text"));
    f.TextBox->setGeometry(28, 20, 301, 301);

    f.MessagePanel = new TPanel(&f);
    f.MessagePanel->setGeometry(64, 360, 281, 97);
    f.MessagePanel->SetLoweredBevel(true);
    f.MessagePanel->SetColor(RGB(255, 255, 215));
    f.MessagePanel->hide();
    f.FeedbackBox = readOnlyBox(f.MessagePanel);
    f.FeedbackBox->setAccessibleName(
        BookText("Chapter window", "Feedback", "on the answer to a question"));

    f.ButtonImages = blankFaces(65, 36);
    f.ButtonImages2 = blankFaces(110, 36);
    f.ButtonImages3 = blankFaces(150, 36);
    f.OKButtonImages = blankFaces(31, 26);

    f.OKButton = new oBitBtn(f.MessagePanel);
    f.OKButton->SetImages(f.OKButtonImages.get());
    f.OKButton->NumGlyphs = 4;
    f.OKButton->SetCaption(BookText("Chapter window", "OK", "closes the feedback").toStdString());
    f.OKButton->move(244, 66);
    QObject::connect(f.OKButton, &QPushButton::clicked, [&f] { f.OKButtonClick(); });

    // The feedback box fills the panel; the OK button keeps its distance from the
    // panel's right and bottom edges.
    const int right = 281 - (244 + 31);
    const int bottom = 97 - (66 + 26);
    f.MessagePanel->OnResize = [&f, right, bottom] {
        const QRect inside = f.MessagePanel->contentsRect();
        f.FeedbackBox->setGeometry(inside);
        f.OKButton->move(f.MessagePanel->width() - right - f.OKButton->width(),
                         f.MessagePanel->height() - bottom - f.OKButton->height());
        f.OKButton->raise();
    };
    f.MessagePanel->OnResize();
}
