// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/SessionWork.h"

#include "BookText.h"
#include "BookWording.h"

QString NoFitText(const fit::TFitResult& result) {
    if (result.message.Empty())
        return BookText("Orbit fit", "No fit could be made.");
    QString reason = BookWording(result.message);
    // The reason continues the sentence: its first letter small unless the next is a
    // capital too (an abbreviation), and a full stop at its end.
    if (reason.size() > 1 && reason[0].isUpper() && !reason[1].isUpper())
        reason[0] = reason[0].toLower();
    if (!reason.endsWith('.') && !reason.endsWith('?'))
        reason += '.';
    return BookText("Orbit fit", "No fit could be made: %1",
                    "%1 is the reason, ending with a full stop")
        .arg(reason);
}
