#include "TPanel.h"

#include "WidgetColour.h"

TPanel::TPanel(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::NoFrame);
    SetColor(colour_);
}

void TPanel::SetColor(TColor colour) {
    colour_ = colour;
    SetWidgetColour(*this, colour);
}

void TPanel::SetLoweredBevel(bool lowered) {
    setFrameShape(lowered ? QFrame::Panel : QFrame::NoFrame);
    setFrameShadow(QFrame::Sunken);
    setLineWidth(1);
}

void TPanel::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    if (OnResize)
        OnResize();
}
