// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TKeysBox.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const char* const KeysHtml = R"(
<h3>How to use this book</h3>
<p>The book is read page by page. The <b>Section</b> menu's <b>Contents</b> lists the chapters;
choose one to open it at its first page. The arrows below a page, or the page keys, turn
the pages. Where a page asks a question, answer it and press <b>Done</b>: the feedback
opens with &#x2713; when the answer is right and &#x2717; when it is not, and
<b>OK</b> closes it. Some pages lead on only once their question is answered.</p>
<p>The simulation pages show the star and its planets on their orbits above the star's
radial velocity. <b>Start</b>, <b>Stop</b> and <b>Reset</b> run it, <b>Edit parameters</b>
changes the planets, and the sliders turn the view and set the timescale. The
<b>Tools</b> menu opens the calculator, the spectrum, the real planetary systems and the
observing run; <b>File, Save picture</b> saves a picture the page shows.</p>
<h3>Keys</h3>
<table cellspacing="4">
<tr><td><b>Page Down</b> or <b>Alt+Right</b></td><td>Next page</td></tr>
<tr><td><b>Page Up</b> or <b>Alt+Left</b></td><td>Previous page</td></tr>
<tr><td colspan="2">A slider, list or scrolling text with the focus takes Page Up and Page
Down for itself; Alt+Right and Alt+Left turn the page from anywhere.</td></tr>
<tr><td><b>Tab</b>, <b>Shift+Tab</b></td><td>Next, previous control</td></tr>
<tr><td><b>Space</b></td><td>Press the button or tick the box with the focus</td></tr>
<tr><td><b>Enter</b></td><td>Press a dialog's default button</td></tr>
<tr><td><b>Left</b>, <b>Right</b> (or <b>Up</b>, <b>Down</b>)</td><td>Move a slider a step</td></tr>
<tr><td><b>Page Up</b>, <b>Page Down</b></td><td>Move a slider a large step</td></tr>
<tr><td><b>Home</b>, <b>End</b></td><td>Move a slider to its ends</td></tr>
<tr><td><b>Ctrl+Plus</b>, <b>Ctrl+Minus</b></td><td>Zoom in, out (the book reopens at the new zoom)</td></tr>
<tr><td><b>Ctrl+0</b></td><td>Zoom to 100 %</td></tr>
<tr><td><b>Alt</b> with a menu's underlined letter</td><td>Open that menu: File, View,
Section, Tools, Help</td></tr>
<tr><td><b>F1</b></td><td>This list</td></tr>
<tr><td><b>Esc</b></td><td>Close a dialog without its changes</td></tr>
</table>
<p>With <b>Help, Accessibility</b>'s screen reader option, Tab also stops at the page's text
and its feedback.</p>
)";

} // namespace

TKeysBox::TKeysBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Keys and how to use this book");
    auto* column = new QVBoxLayout(this);
    Text = new QTextBrowser(this);
    Text->setHtml(KeysHtml);
    Text->setAccessibleName("Keys and how to use this book");
    column->addWidget(Text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    resize(520, 560);
}
