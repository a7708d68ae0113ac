// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "SkinnedPage.h"

#include "SkinArtwork.h"

#include <QLabel>
#include <QWidget>

namespace skinpage {

namespace {

QFont face(const char* family, int pixels, bool bold) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

} // namespace

QWidget* MakePage(QWidget* parent) {
    auto* page = new QWidget(parent);
    QPalette pal = page->palette();
    pal.setColor(QPalette::Window, skinart::Page);
    pal.setColor(QPalette::WindowText, QColor(20, 30, 60));
    page->setPalette(pal);
    page->setAutoFillBackground(true);
    return page;
}

QLabel* AddHeading(QWidget* page, const QString& text) {
    auto* heading = new QLabel(text, page);
    heading->setFont(face("Times New Roman", 22, true));
    QPalette pal = heading->palette();
    pal.setColor(QPalette::WindowText, skinart::Ink);
    heading->setPalette(pal);
    heading->setGeometry(20, 10, 660, 30);
    return heading;
}

QLabel* AddNote(QWidget* page, const QString& text) {
    auto* note = new QLabel(text, page);
    note->setFont(face("Arial", 12, false));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note->setGeometry(20, 42, 670, 48);
    return note;
}

QLabel* AddCaption(QWidget* page, const QString& text, QRect area) {
    auto* caption = new QLabel(text, page);
    caption->setFont(face("Arial", 11, true));
    QPalette pal = caption->palette();
    pal.setColor(QPalette::WindowText, skinart::Ink);
    caption->setPalette(pal);
    caption->setWordWrap(true);
    caption->setGeometry(area);
    return caption;
}

} // namespace skinpage
