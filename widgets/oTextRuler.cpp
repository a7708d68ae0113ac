// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oTextRuler.h"

#include "Utf8.h"

#include <QFontMetrics>
#include <QString>
#include <algorithm>
#include <cmath>

namespace {

// Faces kept at once: a text rarely uses more than a body face, its bold and italic,
// sub- and superscripts and a symbol face.
constexpr std::size_t FaceLimit = 12;
constexpr std::ptrdiff_t ChunkBytes = 120;

std::unique_ptr<oTextRuler::Face> makeFace(const TFont& font) {
    QFont q = font.toQFont();
    q.setKerning(false);
    const QFontMetrics whole(q);
    auto face = std::unique_ptr<oTextRuler::Face>(new oTextRuler::Face{
        font, q, QFontMetricsF(q), whole.ascent(), whole.descent(), whole.height(), {}});
    for (int c = 0; c < 128; ++c)
        face->ascii[std::size_t(c)] = face->metrics.horizontalAdvance(QChar(c));
    return face;
}

} // namespace

const oTextRuler::Face& oTextRuler::Of(const TFont& font) {
    // The colour takes no part in the measures.
    TFont key = font;
    key.Color = clBlack;
    auto it = std::find_if(faces_.begin(), faces_.end(),
                           [&](const std::unique_ptr<Face>& f) { return f->key == key; });
    if (it == faces_.begin() && it != faces_.end())
        return **it;
    if (it == faces_.end()) {
        if (faces_.size() == FaceLimit)
            faces_.pop_back();
        faces_.insert(faces_.begin(), makeFace(key));
    } else {
        std::rotate(faces_.begin(), it, it + 1);
    }
    return *faces_.front();
}

int oTextRuler::Width(const Face& face, const char* from, const char* to, int limit) {
    double sum = 0.0;
    const char* p = from;
    while (p < to) {
        // A chunk never splits a character's bytes.
        const char* q = utf8::CharacterStart(to - p > ChunkBytes ? p + ChunkBytes : to, to);
        bool ascii = true;
        double chunk = 0.0;
        for (const char* c = p; c < q; ++c) {
            const auto b = static_cast<unsigned char>(*c);
            if (b >= 128) {
                ascii = false;
                break;
            }
            chunk += face.ascii[b];
        }
        if (!ascii)
            chunk = face.metrics.horizontalAdvance(QString::fromUtf8(p, q - p));
        sum += chunk;
        const int width = int(std::lround(sum));
        if (width > limit)
            return width;
        p = q;
    }
    return int(std::lround(sum));
}
