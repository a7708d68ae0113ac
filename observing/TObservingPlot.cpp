// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/TObservingPlot.h"

#include "observing/ObservingDrawing.h"

#include "PictureExport.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QLocale>
#include <QPainter>
#include <algorithm>

namespace {

// A plot's description with what it shows now.
class TSpokenPlot : public QAccessibleWidget {
public:
    explicit TSpokenPlot(TObservingPlot* plot) : QAccessibleWidget(plot, QAccessible::Graphic) {}
    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (t != QAccessible::Description)
            return own;
        const QString now = static_cast<const TObservingPlot*>(widget())->Spoken();
        return own.isEmpty() ? now : now.isEmpty() ? own : own + " " + now;
    }
};

QAccessibleInterface* PlotFactory(const QString&, QObject* object) {
    if (auto* plot = dynamic_cast<TObservingPlot*>(object))
        return new TSpokenPlot(plot);
    return nullptr;
}

QString Number(double value) { return QLocale().toString(value, 'g', 4); }

} // namespace

TObservingPlot::TObservingPlot(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(PlotFactory);
        return true;
    }();
    (void)installed;
    setAttribute(Qt::WA_OpaquePaintEvent);
    OfferPicture(*this, QString(), [this](QPainter& p) { DrawPicture(p); });
}

void TObservingPlot::SetMessage(const QString& message) {
    if (message == message_)
        return;
    message_ = message;
    update();
}

void TObservingPlot::DrawInto(QPainter& p, const QRectF& area) const {
    if (message_.isEmpty())
        Draw(p, area);
    else
        observingdrawing::DrawMessage(p, area, message_);
}

QString TObservingPlot::Spoken() const { return message_.isEmpty() ? Contents() : message_; }

QString TObservingPlot::PointsInWords(const std::vector<observing::TMeasurement>& points,
                                      const QString& what) {
    if (points.empty())
        return "No " + what + ".";
    const auto highest = std::ranges::max_element(points, {}, &observing::TMeasurement::v_mps);
    return QString("%1 %2 over %3 days; the highest, %4 m/s, at day %5.")
        .arg(points.size())
        .arg(what)
        .arg(Number(points.back().t_days - points.front().t_days))
        .arg(Number(highest->v_mps))
        .arg(Number(highest->t_days));
}

void TObservingPlot::paintEvent(QPaintEvent*) {
    // Each new picture is painted: the moment to tell a listener of a new description.
    if (QAccessible::isActive()) {
        if (const QString now = Spoken(); now != told_) {
            told_ = now;
            QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&changed);
        }
    }
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    DrawInto(p, QRectF(rect()));
}

void TObservingPlot::DrawPicture(QPainter& p) const {
    p.fillRect(rect(), palette().color(QPalette::Window));
    DrawInto(p, QRectF(rect()));
}

QString TObservingPlot::SavePictureFile(const QString& path) const {
    return SavePicture(path, size(), devicePixelRatioF(), [this](QPainter& p) { DrawPicture(p); });
}

void TObservingPlot::contextMenuEvent(QContextMenuEvent* e) {
    QString name = accessibleName().isEmpty() ? QString("plot") : accessibleName();
    ShowPictureMenu(*this, name.toLower().replace(' ', '-').remove('\''), e->globalPos(),
                    [this](QPainter& p) { DrawPicture(p); });
}
