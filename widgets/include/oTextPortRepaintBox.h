// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A text port paint box that keeps its text: what is written into Text() is laid out
// afresh on every paint, so it re-wraps when the box is resized and survives being covered.
// Flushing Text() repaints the box.

#include "oTextPortPaintBox.h"

#include <sstream>

class oTextPortRepaintBox;

// The repaint box's text: an in-memory stream whose flush asks its box for a repaint.
// Text and text port actions are written into it as into the port itself.
class oRepaintTextBuffer : public std::ostream {
public:
    explicit oRepaintTextBuffer(oTextPortRepaintBox& owner);

    // Everything written since the last reset.
    AnsiString str() const { return buffer_.str(); }
    void reset();

private:
    class Buffer : public std::stringbuf {
    public:
        explicit Buffer(oTextPortRepaintBox& owner)
            : std::stringbuf(std::ios_base::out), owner_(owner) {}

    protected:
        int sync() override;

    private:
        oTextPortRepaintBox& owner_;
    };
    Buffer buffer_;
};

class oTextPortRepaintBox : public oTextPortPaintBox {
public:
    explicit oTextPortRepaintBox(QWidget* parent = nullptr);

    oRepaintTextBuffer& Text() { return text_; }
    // Forgets the text and repaints the box blank.
    void Clear();

protected:
    void Paint() override;

private:
    oRepaintTextBuffer text_;
};
