// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A track bar: a slider with a tick style, the side its ticks are on, a tick frequency and
// a selection range. A vertical bar has its minimum at the top. The channel and thumb
// rectangles come from the style's slider geometry, so a subclass that paints the bar
// itself places its parts where the mouse handling expects them.

#include <QSlider>

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickStyle { tsNone, tsAuto, tsManual };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };

class TTrackBar : public QSlider {
public:
    explicit TTrackBar(QWidget* parent = nullptr);

    void SetBounds(int left, int top, int width, int height);

    void SetOrientation(TTrackBarOrientation orientation);
    TTrackBarOrientation Orientation() const;
    void SetMin(int min) { setMinimum(min); }
    void SetMax(int max) { setMaximum(max); }
    void SetPosition(int position) { setValue(position); }
    int Min() const { return minimum(); }
    int Max() const { return maximum(); }
    int Position() const { return value(); }

    // Ticks every Frequency values with tsAuto; tsManual shows only the two end ticks.
    void SetFrequency(int frequency);
    int Frequency() const { return frequency_; }
    void SetTickStyle(TTickStyle style);
    TTickStyle TickStyle() const { return tickStyle_; }
    void SetTickMarks(TTickMark marks);
    TTickMark TickMarks() const { return tickMarks_; }

    // The selection range, shown by bars that paint themselves; 0 to 0 is no selection.
    void SetSelStart(int start);
    void SetSelEnd(int end);
    int SelStart() const { return selStart_; }
    int SelEnd() const { return selEnd_; }

    // The channel the thumb slides along, and the thumb, in client coordinates.
    QRect ChannelRect() const;
    QRect ThumbRect() const;

private:
    void applyTicks();

    int frequency_ = 1;
    TTickStyle tickStyle_ = tsAuto;
    TTickMark tickMarks_ = tmBottomRight;
    int selStart_ = 0;
    int selEnd_ = 0;
};
