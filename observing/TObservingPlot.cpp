// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/TObservingPlot.h"

#include "observing/ObservingDrawing.h"

#include "BookText.h"
#include "NumberText.h"
#include "PictureExport.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
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

QString Number(double value) { return FiguresText(value, 4); }

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
                                      TPoints what) {
    const bool residuals = what == TPoints::Residuals;
    if (points.empty())
        return residuals ? BookText("Observing plots", "No residuals.")
                         : BookText("Observing plots", "No measurements.");
    const auto highest = std::ranges::max_element(points, {}, &observing::TMeasurement::v_mps);
    const int count = static_cast<int>(points.size());
    return (residuals ? BookText("Observing plots",
                                 "%n residuals over %1 days; the highest, %2 m/s, at day %3.",
                                 nullptr, count)
                      : BookText("Observing plots",
                                 "%n measurements over %1 days; the highest, %2 m/s, at day %3.",
                                 nullptr, count))
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
    QString name = accessibleName().isEmpty() ? BookText("Observing plots", "plot",
                                                         "the name of "
                                                         "a picture file of a plot")
                                              : accessibleName();
    ShowPictureMenu(*this, name.toLower().replace(' ', '-').remove('\''), e->globalPos(),
                    [this](QPainter& p) { DrawPicture(p); });
}
