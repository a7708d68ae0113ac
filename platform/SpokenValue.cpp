// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "SpokenValue.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <cmath>
#include <map>

namespace {

constexpr const char* ReadoutProperty = "spokenReadout";

// The scales of the sliders that speak in their unit, by slider; a slider leaves the table
// when it is destroyed.
std::map<const QObject*, TSpokenScale>& Scales() {
    static std::map<const QObject*, TSpokenScale> scales;
    return scales;
}

QString PlainText(const QLabel& label) {
    const QString text = label.text();
    const bool rich = label.textFormat() == Qt::RichText ||
                      (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    return FormulaInWords(rich ? text : text.toHtmlEscaped()).trimmed();
}

// Tells assistive technology of a readout's new text. A label tells of no new text itself, and
// has no signal for it: its painting, which follows every new text, is the moment checked,
// and only while something listens.
class TReadoutWatch : public QObject {
public:
    explicit TReadoutWatch(QLabel& label) : QObject(&label), label_(label) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && QAccessible::isActive() && label_.text() != told_) {
            told_ = label_.text();
            QAccessibleEvent changed(&label_, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&changed);
        }
        return false;
    }

private:
    QLabel& label_;
    QString told_;
};

class TSpokenReadout : public QAccessibleWidget {
public:
    explicit TSpokenReadout(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const QLabel*>(widget());
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QString what = label->property(ReadoutProperty).toString();
        const QString shown = PlainText(*label);
        return shown.isEmpty() ? what : what + ": " + shown;
    }
};

class TSpokenSlider : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TSpokenSlider(QAbstractSlider* slider) : QAccessibleWidget(slider, QAccessible::Slider) {}
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return scale().text(scale().value(slider()->value()));
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return scale().value(slider()->value()); }
    void setCurrentValue(const QVariant& value) override {
        const double wanted = value.toDouble();
        int best = slider()->minimum();
        for (int k = slider()->minimum(); k <= slider()->maximum(); ++k)
            if (std::abs(scale().value(k) - wanted) < std::abs(scale().value(best) - wanted))
                best = k;
        slider()->setValue(best);
    }
    QVariant maximumValue() const override { return std::max(ends().first, ends().second); }
    QVariant minimumValue() const override { return std::min(ends().first, ends().second); }
    QVariant minimumStepSize() const override {
        const int k = slider()->minimum();
        return std::abs(scale().value(k + slider()->singleStep()) - scale().value(k));
    }

private:
    const QAbstractSlider* slider() const { return static_cast<const QAbstractSlider*>(widget()); }
    QAbstractSlider* slider() { return static_cast<QAbstractSlider*>(widget()); }
    const TSpokenScale& scale() const { return Scales().at(widget()); }
    std::pair<double, double> ends() const {
        return {scale().value(slider()->minimum()), scale().value(slider()->maximum())};
    }
};

QAccessibleInterface* SpokenFactory(const QString&, QObject* object) {
    if (auto* label = qobject_cast<QLabel*>(object); label && label->property(ReadoutProperty).isValid())
        return new TSpokenReadout(label);
    if (auto* slider = qobject_cast<QAbstractSlider*>(object); slider && Scales().contains(slider))
        return new TSpokenSlider(slider);
    return nullptr;
}

void InstallFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(SpokenFactory);
        return true;
    }();
    (void)installed;
}

// An interface made before goes, so that the next query goes through the factory.
void DropMadeInterface(QObject& object) {
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&object))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

QString Words(const QString& number) {
    static const std::map<QString, QString> words = {
        {"1/2", "one half"},     {"1/3", "one third"},     {"2/3", "two thirds"},
        {"1/4", "one quarter"},  {"3/4", "three quarters"}, {"3/2", "three halves"},
        {"-1/3", "minus one third"}, {"-2/3", "minus two thirds"}, {"-1", "minus one"}};
    const auto found = words.find(number);
    return found != words.end() ? found->second : number;
}

} // namespace

void SpeakReadout(QLabel& label, const QString& what) {
    InstallFactory();
    // A label with a name of its own neither reads nor announces its text.
    label.setAccessibleName(QString());
    if (!label.property(ReadoutProperty).isValid())
        label.installEventFilter(new TReadoutWatch(label));
    label.setProperty(ReadoutProperty, what);
    DropMadeInterface(label);
}

void SpeakInUnit(QAbstractSlider& slider, TSpokenScale scale) {
    InstallFactory();
    Scales()[&slider] = std::move(scale);
    QObject::connect(&slider, &QObject::destroyed, [](QObject* gone) { Scales().erase(gone); });
    DropMadeInterface(slider);
}

QString FormulaInWords(const QString& html) {
    QString text = html;
    static const QRegularExpression power("<sup>\\s*([^<]*?)\\s*</sup>");
    QRegularExpressionMatch m;
    while ((m = power.match(text)).hasMatch()) {
        const QString p = m.captured(1);
        const QString spoken = p == "2"   ? " squared"
                               : p == "3" ? " cubed"
                                          : " to the power " + Words(p);
        text.replace(m.capturedStart(), m.capturedLength(), spoken);
    }
    static const QRegularExpression lower("<sub>\\s*([^<]*?)\\s*</sub>");
    text.replace(lower, " \\1");
    return QTextDocumentFragment::fromHtml(text).toPlainText();
}
