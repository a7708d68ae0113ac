// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "SpokenAsOne.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

constexpr const char* SilentProperty = "spokenByAnother";

// A piece another widget speaks for: invisible to assistive technology, with no name.
class TSilentPiece : public QAccessibleWidget {
public:
    explicit TSilentPiece(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
    QString text(QAccessible::Text) const override { return {}; }
};

QAccessibleInterface* SilentPieceFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->property(SilentProperty).toBool())
        return new TSilentPiece(widget);
    return nullptr;
}

} // namespace

void SpeakAsOne(QWidget& first, std::initializer_list<QWidget*> others, const QString& spoken) {
    static const bool installed = [] {
        QAccessible::installFactory(SilentPieceFactory);
        return true;
    }();
    (void)installed;
    first.setAccessibleName(spoken);
    for (QWidget* piece : others) {
        piece->setProperty(SilentProperty, true);
        // An interface made before (a label announces its text as it is set) is dropped,
        // so that the next query goes through the factory.
        QAccessibleInterface* made = QAccessible::queryAccessibleInterface(piece);
        if (made && !dynamic_cast<TSilentPiece*>(made))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}
