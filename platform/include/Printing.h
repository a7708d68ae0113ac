#pragma once
// Printing a window's picture: the client area as it shows on the screen, scaled with
// equal x and y scale onto the page, starting at twice the printer's physical offset
// from the paper's top-left edge and staying at least that far from the other edges.

#include <QPageLayout>

class QPrinter;
class QWidget;

// Runs the print dialog through the application's dialog hook; true when the user chose
// to print.
bool ExecutePrintDialog(QPrinter& printer);

// Prints the widget's picture on its own page.
void PrintClientArea(QWidget& client, QPageLayout::Orientation orientation, QPrinter& printer);

// Where the picture lands on the page, in device units measured from the printable
// area's corner: offX and offY are the physical offsets, W and H the paper size.
QRect PrintPlacement(QSize picture, int offX, int offY, int pageWidth, int pageHeight);
