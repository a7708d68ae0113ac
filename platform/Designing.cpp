// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "Designing.h"

#include <QVariant>
#include <QWidget>

namespace designing {

namespace {

constexpr const char* property = "designing";

} // namespace

void SetDesigning(QWidget& form, bool designing) { form.setProperty(property, designing); }

bool IsDesigning(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget())
        if (widget->property(property).toBool())
            return true;
    return false;
}

} // namespace designing
