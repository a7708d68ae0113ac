// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TKeysBox.h"

#include "BookText.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// The list, each paragraph and each key's line a text of its own for translators, with
// the HTML marks of its bold words.
QString KeysHtml() {
    const auto row = [](const QString& keys, const QString& what) {
        return "<tr><td>" + keys + "</td><td>" + what + "</td></tr>\n";
    };
    return "<h3>" + BookText("Keys", "How to use this book") + "</h3>\n<p>" +
           BookText("Keys",
                    "The book is read page by page. The <b>Section</b> menu's <b>Contents</b> "
                    "lists the chapters; choose one to open it at its first page. The arrows "
                    "below a page, or the page keys, turn the pages. Where a page asks a "
                    "question, answer it and press <b>Done</b>: the feedback opens with "
                    "&#x2713; when the answer is right and &#x2717; when it is not, and "
                    "<b>OK</b> closes it. Some pages lead on only once their question is "
                    "answered.") +
           "</p>\n<p>" +
           BookText("Keys",
                    "The simulation pages show the star and its planets on their orbits above "
                    "the star's radial velocity. <b>Start</b>, <b>Stop</b> and <b>Reset</b> "
                    "run it, <b>Edit parameters</b> changes the planets, and the sliders turn "
                    "the view and set the timescale. The <b>Tools</b> menu opens the "
                    "calculator, the spectrum, the real planetary systems and the observing "
                    "run; <b>File, Save picture</b> saves a picture the page shows.") +
           "</p>\n<h3>" + BookText("Keys", "Keys") + "</h3>\n<table cellspacing=\"4\">\n" +
           row(BookText("Keys", "<b>Page Down</b> or <b>Alt+Right</b>"),
               BookText("Keys", "Next page")) +
           row(BookText("Keys", "<b>Page Up</b> or <b>Alt+Left</b>"),
               BookText("Keys", "Previous page")) +
           "<tr><td colspan=\"2\">" +
           BookText("Keys",
                    "A slider, list or scrolling text with the focus takes Page Up and Page "
                    "Down for itself; Alt+Right and Alt+Left turn the page from anywhere.") +
           "</td></tr>\n" +
           row(BookText("Keys", "<b>Tab</b>, <b>Shift+Tab</b>"),
               BookText("Keys", "Next, previous control")) +
           row(BookText("Keys", "<b>Space</b>"),
               BookText("Keys", "Press the button or tick the box with the focus")) +
           row(BookText("Keys", "<b>Enter</b>"),
               BookText("Keys", "Press a dialog's default button")) +
           row(BookText("Keys", "<b>Left</b>, <b>Right</b> (or <b>Up</b>, <b>Down</b>)"),
               BookText("Keys", "Move a slider a step")) +
           row(BookText("Keys", "<b>Page Up</b>, <b>Page Down</b>"),
               BookText("Keys", "Move a slider a large step")) +
           row(BookText("Keys", "<b>Home</b>, <b>End</b>"),
               BookText("Keys", "Move a slider to its ends")) +
           row(BookText("Keys", "<b>Ctrl+Plus</b>, <b>Ctrl+Minus</b>"),
               BookText("Keys", "Zoom in, out (the book reopens at the new zoom)")) +
           row(BookText("Keys", "<b>Ctrl+0</b>"), BookText("Keys", "Zoom to 100 %")) +
           row(BookText("Keys", "<b>Alt</b> with a menu's underlined letter"),
               BookText("Keys", "Open that menu: File, View, Section, Tools, Help")) +
           row("<b>F1</b>", BookText("Keys", "This list")) +
           row(BookText("Keys", "<b>Esc</b>"),
               BookText("Keys", "Close a dialog without its changes")) +
           "</table>\n<p>" +
           BookText("Keys",
                    "With <b>Help, Accessibility</b>'s screen reader option, Tab also stops at "
                    "the page's text and its feedback.") +
           "</p>\n";
}

} // namespace

TKeysBox::TKeysBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(BookText("Keys", "Keys and how to use this book"));
    auto* column = new QVBoxLayout(this);
    Text = new QTextBrowser(this);
    Text->setHtml(KeysHtml());
    Text->setAccessibleName(BookText("Keys", "Keys and how to use this book"));
    column->addWidget(Text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    resize(520, 560);
}
