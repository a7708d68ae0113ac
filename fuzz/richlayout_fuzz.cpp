// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Fuzzes what showing a data file costs: the input is streamed into a rich edit as the book
// reads its data files (RTF, or plain text in Windows-1252 or UTF-8) and laid out at the
// width of a dialog's page. The layout must end in time that the size of the input explains;
// the run's timeout catches one that freezes. Kept apart from the RTF stream-in harness
// because every new face an input names costs a font lookup, which would slow that one down.

#include "TCharFormat.h"
#include "TRichEditControl.h"
#include "fuzz/LeaksIgnored.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

QApplication* application = nullptr;
TRichEditControl* edit = nullptr;

// The width of the About box's pages, in pixels.
constexpr int PageWidth = 400;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    application = new QApplication(*argc, *argv);
    LeaksIgnored fontsLoaded;
    edit = new TRichEditControl;
    TCharFormat defaults;
    defaults.Mask = CFM_ALL;
    defaults.FaceName = "Arial";
    defaults.Height_twips = 200;
    edit->SetDefaultCharFormat(defaults);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Fontconfig and Qt's font caches keep what they allocate for each new face and size;
    // this harness looks for memory errors, undefined behaviour and hangs, not for leaks.
    LeaksIgnored cachesGrow;
    edit->StreamIn(std::string(reinterpret_cast<const char*>(data), size));
    edit->document()->setTextWidth(PageWidth);
    edit->document()->documentLayout()->documentSize();
    return 0;
}
