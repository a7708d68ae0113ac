// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Fuzzes the rich edit's RTF stream-in: the Qt-free import, the export of what was read
// (which must read back to the same document), and the step into and out of a Qt text
// document (which must be stable after one pass).

#include "RtfExport.h"
#include "RtfImport.h"
#include "RtfTextDocument.h"
#include "TCharFormat.h"

#include <QApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

QApplication* application = nullptr;

void check(bool condition, const char* what, const std::string& detail) {
    if (condition)
        return;
    std::fprintf(stderr, "%s\n%s\n", what, detail.c_str());
    std::abort();
}

TCharFormat defaults() {
    TCharFormat cf;
    cf.Mask = CFM_ALL;
    cf.FaceName = "Arial";
    cf.Height_twips = 200;
    return cf;
}

void fuzzQtStep(const rtf::Document& content) {
    QTextDocument doc;
    rtf::load(doc, content, defaults());
    const rtf::Document once = rtf::save(doc, defaults());
    rtf::load(doc, once, defaults());
    const rtf::Document twice = rtf::save(doc, defaults());
    check(once == twice, "text document round trip differs", rtf::write(once));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    application = new QApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    // The input as it comes (mostly not RTF), and behind a header so that every input
    // reaches the reader.
    if (rtf::parse(input))
        check(rtf::looksLikeRtf(input), "parsed without an RTF header", input);
    const auto content = rtf::parse("{\\rtf1 " + input);
    check(content.has_value(), "header not recognised", input);

    const std::string written = rtf::write(*content);
    const auto reread = rtf::parse(written);
    check(reread.has_value(), "export not readable", written);
    check(rtf::write(*reread) == written, "export does not read back the same", written);

    fuzzQtStep(*content);
    return 0;
}
