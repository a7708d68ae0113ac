#include "colourmatch.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>

namespace {

// A 24-bit source pixel drawn onto a pixel in the display's own format, made once.
struct MatchPair {
    QImage source{1, 1, QImage::Format_RGB888};
    QImage display;
    MatchPair() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const int depth = screen ? screen->depth() : 32;
        const QImage::Format format = depth >= 24   ? QImage::Format_RGB32
                                      : depth >= 16 ? QImage::Format_RGB16
                                                    : QImage::Format_Indexed8;
        display = QImage(1, 1, format == QImage::Format_Indexed8 ? QImage::Format_RGB444 : format);
    }
};

} // namespace

TColor DisplayColour(int red, int green, int blue) {
    static MatchPair pair;
    pair.source.setPixelColor(0, 0, QColor(red & 0xFF, green & 0xFF, blue & 0xFF));
    {
        QPainter p(&pair.display);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, pair.source);
    }
    return fromQColor(pair.display.pixelColor(0, 0));
}
