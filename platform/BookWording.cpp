// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "BookWording.h"

#include "BookLanguage.h"
#include "NumberText.h"

#include <QCoreApplication>

namespace {

// A number the model wrote in English ("-4.23", "2.5 × 10⁻⁷"), with the language's mark.
QString InLanguage(const std::string& number) {
    return QString::fromStdString(number).replace('.', NumberTextLocale().decimalPoint());
}

QString Translated(const TWording& wording) {
    const TSaid& said = wording.Pattern();
    const QString pattern = said.context ? QCoreApplication::translate(said.context, said.pattern)
                                         : QString::fromUtf8(said.pattern);
    const std::vector<TWording::TFill>& fills = wording.Fills();
    QString text = QString::fromStdString(
        TWording::Filled(pattern.toStdString(), [&fills](std::size_t k) {
            // A translation naming a place its English has not (a translator's slip) shows
            // the place as written rather than stopping the book.
            if (k >= fills.size())
                return "%" + std::to_string(k + 1);
            const TWording::TFill& f = fills[k];
            switch (f.kind) {
            case TWording::TKind::Number:
                return InLanguage(f.text).toStdString();
            case TWording::TKind::Name:
                return f.text;
            case TWording::TKind::Part:
                break;
            }
            return Translated(f.part.front()).toStdString();
        }));
    for (const TWording& next : wording.Following())
        text += (text.isEmpty() ? "" : " ") + Translated(next);
    return text;
}

} // namespace

QString BookWording(const TWording& wording) {
    if (CurrentBookLanguage() == "en")
        return QString::fromStdString(wording.English());
    return Translated(wording);
}
