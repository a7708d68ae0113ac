// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "textport.h"

#include "Precondition.h"
#include "TGraphic.h"
#include "WriteRaw.h"
#include "oGraphic.h"
#include "oTextRuler.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// Bytes of the argument that follows an action's letter; -1 when the letter is no action.
int argumentBytes(char letter) {
    switch (letter) {
    case tpColour:
    case tpHeight:
    case tpShift:
        return 4;
    case tpFont:
    case tpWhereat:
    case tpPicture:
        return int(sizeof(void*));
    default:
        return letter >= tpBoldOn && letter <= tpDrawOff ? 0 : -1;
    }
}

template <class T> T readArgument(const char* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

std::ostream& action(std::ostream& out, char letter) { return out << '\0' << letter; }

} // namespace

oTextPortSpacer& oTextPortSpacer::Merge(const oTextPortSpacer& other) {
    ascent = std::max(ascent, other.ascent);
    descent = std::max(descent, other.descent);
    width += other.width;
    return *this;
}

// What the actions change besides the pen: measuring a piece executes its actions, and
// delivering it executes them again from the same state.
struct oTextPort::ActionState {
    TFont font;
    int shift;
    bool draw;
    int indexHeight;
};

oTextPort::oTextPort(TCanvas* canvas, const oRect& frame, int size)
    : std::stringbuf(std::ios_base::out), out_(this), ruler_(std::make_unique<oTextRuler>()) {
    Init(canvas, frame, size);
}

oTextPort::~oTextPort() = default;

void oTextPort::Init(TCanvas* canvas, const oRect& frame, int) {
    PRECONDITION(canvas != nullptr);
    font_ = TFont("Arial", 16);
    canvas_ = canvas;
    frame_ = frame;
    leading_ = 0;
    Transparent = true;
    Alignment = 0;
    at_ = oVector(0, 0);
    draw_ = true;
    IndexScale = 0.75;
    IndexShift = 0.25;
    shift_ = 0;
    lineAscent_ = 0;
    lineHeight_ = 0;
    indexHeight_ = 0;
    graphic_.Clear();
    measuring_ = false;
    setp(pbase(), epptr());
    out_.clear();
}

void oTextPort::SetAt(const oVector& at) {
    out_.flush();
    at_ = at;
}

void oTextPort::Box() {
    const oPoint p = frame_.pos();
    const oVector s = frame_.size();
    canvas_->Rectangle(p.x - 1, p.y - 1, p.x + s.x + 1, p.y + s.y + 1);
}

oTextPort::ActionState oTextPort::SaveActionState() const {
    return ActionState{font_, shift_, draw_, indexHeight_};
}

void oTextPort::RestoreActionState(const ActionState& state) {
    font_ = state.font;
    shift_ = state.shift;
    draw_ = state.draw;
    indexHeight_ = state.indexHeight;
}

int oTextPort::sync() {
    if (pptr() == pbase())
        return 0;
    const TFont canvasFont = canvas_->Font;
    const unsigned align = canvas_->TextAlign;
    const bool transparent = canvas_->TransparentText;
    canvas_->Font = font_;
    canvas_->TextAlign = TA_BASELINE | TA_LEFT;
    canvas_->TransparentText = Transparent;

    char* p = pbase();
    char* const end = pptr();
    touched_ = QRect();
    const int portMax = frame_.size().x;
    if (portMax <= 0) {
        ApplyActionsOnly(p, end);
    } else {
        while (p < end) {
            if (*p == '\n') {
                NewLine();
                ++p;
                continue;
            }
            const ActionState state = SaveActionState();
            measuring_ = true;
            const Piece piece = textMeasure(p, end, std::min(portMax - at_.x, portMax));
            measuring_ = false;
            RestoreActionState(state);
            Deliver(piece.spacer, p, piece.end, piece.newline);
            p = piece.next;
        }
    }

    setp(pbase(), epptr());
    canvas_->TextAlign = align;
    canvas_->TransparentText = transparent;
    canvas_->Font = canvasFont;
    // The text is drawn straight through the painter, past the canvas's own reports.
    if (canvas_->OnChange && !touched_.isEmpty())
        canvas_->OnChange(touched_);
    return 0;
}

void oTextPort::ApplyActionsOnly(const char* p, const char* end) {
    measuring_ = true;
    while (p < end) {
        const char c = *p++;
        if (c == '\n')
            NewLine();
        else if (c == '\0')
            p += HandleEscape(p, end);
    }
    measuring_ = false;
}

void oTextPort::NewLine() {
    if (lineHeight_ == 0)
        lineHeight_ = ruler_->Of(font_).height;
    at_.y += lineHeight_ + leading_;
    at_.x = 0;
}

void oTextPort::Deliver(const oTextPortSpacer& spacer, char* from, char* to, bool newline) {
    PRECONDITION(to >= from);
    const int spare = spacer.width != 0 ? frame_.size().x - at_.x - spacer.width : 0;
    if (Alignment == 1)
        at_.x += spare;
    else if (Alignment == 2)
        at_.x += spare / 2;
    const int endX = at_.x + spacer.width;
    lineAscent_ = spacer.ascent;
    lineHeight_ = spacer.ascent + spacer.descent;
    char* p = from;
    while (p < to) {
        if (*p == '\0')
            p += 1 + HandleEscape(p + 1, to);
        else
            p = PutText(p, to);
    }
    at_.x = endX;
    if (newline)
        NewLine();
}

char* oTextPort::PutText(char* text, char* end) {
    canvas_->Font = font_;
    char* stop = static_cast<char*>(std::memchr(text, '\0', std::size_t(end - text)));
    if (!stop)
        stop = end;
    const oTextRuler::Face& face = ruler_->Of(font_);
    const int width = oTextRuler::Width(face, text, stop, std::numeric_limits<int>::max());
    if (draw_) {
        const int x = frame_.pos().x + at_.x;
        const int baseline = frame_.pos().y + at_.y + shift_ + lineAscent_;
        QPainter& painter = canvas_->Painter();
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        if (!Transparent && canvas_->Brush.Style != bsClear)
            painter.fillRect(QRect(x, baseline - face.ascent, width, face.ascent + face.descent),
                             toQColor(canvas_->Brush.Color));
        painter.setFont(face.font);
        painter.setPen(toQColor(font_.Color));
        painter.drawText(QPoint(x, baseline), QString::fromUtf8(text, stop - text));
        // Room for italic overhangs and glyphs that reach out of their cell.
        const int margin = face.height / 2 + 2;
        touched_ |= QRect(x, baseline - face.ascent, width, face.ascent + face.descent)
                        .adjusted(-margin, -margin, margin, margin);
    }
    at_.x += width;
    return stop;
}

int oTextPort::ActionLength(const char* letter, const char* end) {
    if (letter >= end)
        return 0;
    const int bytes = argumentBytes(*letter);
    if (bytes < 0)
        return 0;
    // An argument cut off by the end of the text is dropped with the rest of the text.
    if (end - letter - 1 < bytes)
        return int(end - letter);
    return 1 + bytes;
}

int oTextPort::HandleEscape(const char* letter, const char* end) {
    graphic_.Clear();
    const int used = ActionLength(letter, end);
    // Not an action, or one whose argument the end of the text cut off.
    if (used == 0 || used != 1 + argumentBytes(*letter))
        return used;
    const char* arg = letter + 1;
    const int height = std::abs(font_.Height);
    switch (*letter) {
    case tpBoldOn:
        font_.Style = font_.Style.with(fsBold);
        break;
    case tpBoldOff:
        font_.Style = font_.Style.without(fsBold);
        break;
    case tpItalicOn:
        font_.Style = font_.Style.with(fsItalic);
        break;
    case tpItalicOff:
        font_.Style = font_.Style.without(fsItalic);
        break;
    case tpUnderlineOn:
        font_.Style = font_.Style.with(fsUnderline);
        break;
    case tpUnderlineOff:
        font_.Style = font_.Style.without(fsUnderline);
        break;
    case tpSubscriptOn:
    case tpSuperscriptOn:
        indexHeight_ = font_.Height;
        font_.Height = int(height * IndexScale);
        shift_ = int(height * IndexShift);
        if (*letter == tpSuperscriptOn)
            shift_ = -shift_;
        break;
    case tpSubscriptOff:
    case tpSuperscriptOff:
        font_.Height = indexHeight_;
        shift_ = 0;
        break;
    case tpFixedPitch:
        font_.Pitch = fpFixed;
        break;
    case tpVariablePitch:
        font_.Pitch = fpVariable;
        break;
    case tpDrawOn:
        draw_ = true;
        break;
    case tpDrawOff:
        draw_ = false;
        break;
    case tpColour:
        font_.Color = readArgument<std::int32_t>(arg);
        break;
    case tpFont:
        font_ = *readArgument<const TFont*>(arg);
        break;
    case tpHeight:
        font_.Height = readArgument<std::int32_t>(arg);
        break;
    case tpShift:
        shift_ = readArgument<std::int32_t>(arg);
        break;
    case tpWhereat:
        SetWhereat(*readArgument<oTextPortPosition*>(arg));
        break;
    case tpPicture:
        ProcessGraphic(readArgument<TGraphic*>(arg));
        break;
    }
    return used;
}

void oTextPort::ProcessGraphic(TGraphic* graphic) {
    if (!graphic)
        return;
    canvas_->Font = font_;
    double fraction = 0.0;
    if (auto* laidOut = dynamic_cast<oGraphic*>(graphic)) {
        laidOut->Measure(*canvas_);
        fraction = laidOut->DescentRatio;
    }
    const int height = graphic->Height();
    graphic_.width = graphic->Width();
    graphic_.descent = int(height * fraction + 1);
    graphic_.ascent = height - graphic_.descent;
    if (measuring_)
        return;
    if (draw_) {
        const int x = frame_.pos().x + at_.x;
        const int baseline = frame_.pos().y + at_.y + shift_ + lineAscent_;
        canvas_->Draw(x, baseline - graphic_.ascent, *graphic);
    }
    at_.x += graphic_.width;
}

void oTextPort::SetWhereat(oTextPortPosition& position) const {
    position.pen = oPoint(at_.x, at_.y);
    position.baseline = oPoint(at_.x, at_.y + shift_ + lineAscent_);
    position.bottom = oPoint(at_.x, at_.y + lineHeight_);
}

oTextPortSpacer oTextPort::fontMetrics() {
    const oTextRuler::Face& face = ruler_->Of(canvas_->Font);
    return oTextPortSpacer{face.ascent, face.descent, 0};
}

int oTextPort::MeasureText(const char* from, const char* to, int limit) {
    canvas_->Font = font_;
    return oTextRuler::Width(ruler_->Of(font_), from, to, limit);
}

oTextPortSpacer oTextPort::RunSpacer(int width) {
    const oTextPortSpacer m = fontMetrics();
    return oTextPortSpacer{m.ascent - shift_, m.descent + shift_, width};
}

// Manipulators.

oTextPortHeight size(int height) { return oTextPortHeight{height}; }
oTextPortShift drop(int pixels) { return oTextPortShift{pixels}; }
oTextPortWhereat whereat(oTextPortPosition& position) { return oTextPortWhereat{&position}; }
oTextPortIndex power(const AnsiString& text) { return oTextPortIndex{text, true}; }
oTextPortIndex index(const AnsiString& text) { return oTextPortIndex{text, false}; }

std::ostream& operator<<(std::ostream& out, oTextPortActions a) { return action(out, a); }

std::ostream& operator<<(std::ostream& out, oTextPortHeight height) {
    return WriteRaw(action(out, tpHeight), std::int32_t(height.height));
}

std::ostream& operator<<(std::ostream& out, oTextPortShift shift) {
    return WriteRaw(action(out, tpShift), std::int32_t(shift.pixels));
}

std::ostream& operator<<(std::ostream& out, oTextPortWhereat where) {
    return WriteRaw(action(out, tpWhereat), where.position);
}

std::ostream& operator<<(std::ostream& out, const oTextPortIndex& text) {
    if (text.superscript)
        return out << tpSuperscriptOn << text.text << tpSuperscriptOff;
    return out << tpSubscriptOn << text.text << tpSubscriptOff;
}

std::ostream& operator<<(std::ostream& out, TextColor colour) {
    return WriteRaw(action(out, tpColour), std::int32_t(colour.color));
}

std::ostream& operator<<(std::ostream& out, const TFont& font) {
    return WriteRaw(action(out, tpFont), &font);
}

std::ostream& operator<<(std::ostream& out, TGraphic& picture) {
    TGraphic* address = &picture;
    return WriteRaw(action(out, tpPicture), address);
}

std::ostream& operator<<(std::ostream& out, std::istream& in) {
    char buffer[512];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        out.write(buffer, in.gcount());
    return out;
}

const char* stringf(const char* format, ...) {
    static char buffer[BUFFER_LENGTH];
    va_list args;
    va_start(args, format);
    const int len = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    PRECONDITION(len < BUFFER_LENGTH);
    return buffer;
}

char* sstringf(char* buffer, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vsprintf(buffer, format, args);
    va_end(args);
    return buffer;
}
