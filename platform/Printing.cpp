// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "Printing.h"

#include "RegularFile.h"
#include "SavedFile.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QWidget>
#include <algorithm>
#include <memory>
#include <stdexcept>

namespace {

// The resolution page texts and forms are designed at.
constexpr double ScreenDpi = 96.0;

void Begin(QPainter& painter, QPrinter& printer) {
    if (!painter.begin(&printer))
        throw std::runtime_error("Printing failed: the printer could not be opened.");
}

} // namespace

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

bool ExecutePrintDialog(QPrinter& printer, TPrintOptions& options) {
    return Application::RunPrintDialog(printer, options);
}

QRgb OnWhiteColour(QRgb colour) {
    const QColor c(colour);
    float h = 0, s = 0, l = 0;
    c.getHslF(&h, &s, &l);
    float turned = 1.0f - l;
    // A light colour turned over stays light; on white it needs depth to show.
    if (s > 0.2f)
        turned = std::min(turned, 0.4f);
    return QColor::fromHslF(h, s, turned).rgb();
}

QImage OnWhite(const QImage& picture) {
    QImage out = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            row[x] = OnWhiteColour(row[x]);
    }
    out.setDevicePixelRatio(picture.devicePixelRatio());
    return out;
}

namespace {

// Records `widget` at `at` and its shown children over it, each clipped to its own rectangle
// within its parents' and `region`. On the screen Qt holds a widget's painting inside its
// rectangle with a clip that a picture does not record, so what a style paints past a
// widget's edge (a selected tab reaches down over its page) would print. Each widget goes
// into a picture of its own, at its own origin: clipped in place in one picture, the texts
// a widget clips itself (the tabs' captions) are lost.
void RecordClipped(QWidget& widget, QPainter& recorder, QPoint at, const QRegion& region) {
    const QRegion inside = region & QRect(at, widget.size());
    if (inside.isEmpty())
        return;
    QPicture own;
    {
        QPainter painter(&own);
        painter.setClipRegion(inside.translated(-at));
        widget.render(&painter, QPoint(), QRegion(), {});
    }
    recorder.save();
    recorder.translate(at);
    recorder.drawPicture(0, 0, own);
    recorder.restore();
    for (QObject* child : widget.children())
        if (auto* control = qobject_cast<QWidget*>(child);
            control && !control->isWindow() && !control->isHidden())
            RecordClipped(*control, recorder, at + control->pos(), inside);
}

void PrintClientAreaOnce(QWidget& client, QPageLayout::Orientation orientation, QPrinter& printer,
                         const std::vector<QWidget*>& onWhite,
                         const std::vector<TPrintedDrawing>& drawings) {
    printer.setPageOrientation(orientation);
    printer.setFullPage(false);
    QPainter painter;
    Begin(painter, printer);
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect printable = printer.pageRect(QPrinter::DevicePixel).toRect();
    const int offX = printable.left() - paper.left();
    const int offY = printable.top() - paper.top();
    const QRect place =
        PrintPlacement(client.size(), offX, offY, paper.width(), paper.height());
    painter.translate(place.topLeft());
    painter.scale(double(place.width()) / client.width(), double(place.height()) / client.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(client.rect(), client.palette().color(QPalette::Window));
    // The widgets paint themselves onto the printer: text and lines stay vectors.
    QRegion drawn(client.rect());
    std::vector<std::pair<QRect, const TPrintedDrawing*>> own;
    for (const TPrintedDrawing& drawing : drawings) {
        if (!drawing.widget->isVisibleTo(&client))
            continue;
        const QRect area(drawing.widget->mapTo(&client, QPoint()), drawing.widget->size());
        drawn -= area;
        own.emplace_back(area, &drawing);
    }
    const auto drawnOwn = [&drawings](const QWidget* widget) {
        return std::any_of(drawings.begin(), drawings.end(),
                           [widget](const TPrintedDrawing& d) { return d.widget == widget; });
    };
    std::vector<std::pair<QRect, QImage>> turned;
    for (QWidget* picture : onWhite) {
        if (!picture->isVisibleTo(&client) || drawnOwn(picture))
            continue;
        const QRect area(picture->mapTo(&client, QPoint()), picture->size());
        drawn -= area;
        turned.emplace_back(area, OnWhite(picture->grab().toImage()));
    }
    // Qt draws a widget straight onto a printer only through a picture of pixels; recorded
    // first, its drawing commands reach the printer as they are.
    QPicture recorded;
    {
        QPainter recorder(&recorded);
        RecordClipped(client, recorder, QPoint(), drawn);
    }
    // A picture plays at its own resolution's size on the printer; the mapping above
    // already scales to the printer.
    painter.save();
    painter.scale(double(recorded.logicalDpiX()) / printer.logicalDpiX(),
                  double(recorded.logicalDpiY()) / printer.logicalDpiY());
    painter.drawPicture(0, 0, recorded);
    painter.restore();
    for (const auto& [area, image] : turned)
        painter.drawImage(area, image);
    for (const auto& [area, drawing] : own) {
        painter.save();
        painter.translate(area.topLeft());
        painter.setClipRect(QRect(QPoint(), area.size()));
        drawing->draw(painter);
        painter.restore();
    }
    painter.end();
}

void PrintDocumentOnce(const QTextDocument& document, QPageLayout::Orientation orientation,
                       QPrinter& printer) {
    printer.setPageOrientation(orientation);
    printer.setFullPage(false);
    QPainter painter;
    Begin(painter, printer);
    const double scale = printer.resolution() / ScreenDpi;
    const QRectF printable = printer.pageRect(QPrinter::DevicePixel);
    // Laid out on pages of the printable area's size in screen pixels, lines kept whole.
    std::unique_ptr<QTextDocument> paged(document.clone());
    const QSizeF page(printable.width() / scale, printable.height() / scale);
    paged->setPageSize(page);
    const int pages = paged->pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !printer.newPage())
            throw std::runtime_error("Printing failed: the printer took no further page.");
        painter.save();
        painter.scale(scale, scale);
        painter.translate(0, -i * page.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, i * page.height(), page.width(), page.height());
        context.palette.setColor(QPalette::Text, Qt::black);
        painter.setClipRect(context.clip);
        paged->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    painter.end();
}

// The file name a printer writes to, put back however the printout ends.
class TOutputFileName {
public:
    TOutputFileName(QPrinter& printer, const QString& name)
        : printer_(printer), kept_(printer.outputFileName()) {
        printer_.setOutputFileName(name);
    }
    ~TOutputFileName() { printer_.setOutputFileName(kept_); }
    TOutputFileName(const TOutputFileName&) = delete;
    TOutputFileName& operator=(const TOutputFileName&) = delete;

private:
    QPrinter& printer_;
    QString kept_;
};

} // namespace

EPrintoutNotSaved::EPrintoutNotSaved(const QString& cause)
    : std::runtime_error(("The printout was not saved: " + cause + ".").toStdString()),
      cause_(cause) {}

void PrintWhole(QPrinter& printer, const std::function<void()>& print) {
    const QString target = printer.outputFileName();
    if (target.isEmpty() || printer.outputFormat() != QPrinter::PdfFormat) {
        print();
        return;
    }
    // The printer's own file writing reports no failure, so it writes into a folder of the
    // book's; what it made is checked whole and only then written to the chosen file.
    const QTemporaryDir folder;
    if (!folder.isValid())
        throw EPrintoutNotSaved("no temporary folder could be made (" + folder.errorString() + ")");
    const QString made = folder.filePath("printout.pdf");
    {
        const TOutputFileName into(printer, made);
        print();
    }
    AnsiString bytes;
    try {
        bytes = ReadRegularFile(QFile::encodeName(made).toStdString(), MaxPrintoutBytes);
    } catch (const EFOpenError& e) {
        throw EPrintoutNotSaved(CauseClause(e.Cause()));
    }
    const std::size_t end = bytes.find_last_not_of(" \r\n");
    if (end == AnsiString::npos || end < 4 || bytes.compare(end - 4, 5, "%%EOF") != 0)
        throw EPrintoutNotSaved("it could not be made whole in the temporary folder, which may be "
                                "full");
    if (const QString cause = SaveWholeFile(target, bytes); !cause.isEmpty())
        throw EPrintoutNotSaved(cause);
}

void PrintClientArea(QWidget& client, QPageLayout::Orientation orientation, QPrinter& printer,
                     const std::vector<QWidget*>& onWhite,
                     const std::vector<TPrintedDrawing>& drawings) {
    PrintWhole(printer, [&] { PrintClientAreaOnce(client, orientation, printer, onWhite, drawings); });
}

void PrintDocument(const QTextDocument& document, QPageLayout::Orientation orientation,
                   QPrinter& printer) {
    PrintWhole(printer, [&] { PrintDocumentOnce(document, orientation, printer); });
}
