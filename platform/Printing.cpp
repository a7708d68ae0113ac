#include "Printing.h"

#include "Application.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QWidget>
#include <algorithm>
#include <stdexcept>

QRect PrintPlacement(QSize picture, int offX, int offY, int pageWidth, int pageHeight) {
    // Viewport origin (offX, offY) and extent (W - 4 offX, H - 4 offY), window extent the
    // picture size; the isotropic mapping keeps the smaller scale on both axes.
    const int viewW = pageWidth - 4 * offX;
    const int viewH = pageHeight - 4 * offY;
    if (picture.isEmpty() || viewW <= 0 || viewH <= 0)
        return QRect(offX, offY, 0, 0);
    const double scale =
        std::min(double(viewW) / picture.width(), double(viewH) / picture.height());
    return QRect(offX, offY, int(picture.width() * scale), int(picture.height() * scale));
}

bool ExecutePrintDialog(QPrinter& printer) { return Application::RunPrintDialog(printer); }

void PrintClientArea(QWidget& client, QPageLayout::Orientation orientation, QPrinter& printer) {
    QImage picture(client.size(), QImage::Format_RGB32);
    picture.fill(client.palette().color(QPalette::Window));
    {
        QPainter p(&picture);
        client.render(&p, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    printer.setPageOrientation(orientation);
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error("Printing failed: the printer could not be opened.");
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect printable = printer.pageRect(QPrinter::DevicePixel).toRect();
    const int offX = printable.left() - paper.left();
    const int offY = printable.top() - paper.top();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(PrintPlacement(picture.size(), offX, offY, paper.width(), paper.height()),
                      picture);
    painter.end();
}
