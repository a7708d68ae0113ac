// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oTextPortRepaintBox.h"

oRepaintTextBuffer::oRepaintTextBuffer(oTextPortRepaintBox& owner)
    : std::ostream(nullptr), buffer_(owner) {
    rdbuf(&buffer_);
}

void oRepaintTextBuffer::reset() {
    buffer_.str(AnsiString());
    clear();
}

int oRepaintTextBuffer::Buffer::sync() {
    owner_.Invalidate();
    return std::stringbuf::sync();
}

oTextPortRepaintBox::oTextPortRepaintBox(QWidget* parent)
    : oTextPortPaintBox(parent), text_(*this) {}

void oTextPortRepaintBox::Clear() {
    text_.reset();
    Invalidate();
}

void oTextPortRepaintBox::Paint() {
    oTextPortPaintBox::Paint();
    std::ostream& out = Port().Stream();
    out << text_.str();
    out.flush();
}
