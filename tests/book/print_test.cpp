#include "BookFixture.h"

#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

// Answers the print dialog with a PDF printer writing to `file`.
std::function<bool(QPrinter&)> printTo(const QString& file) {
    return [file](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
    };
}

} // namespace

TEST_F(BookTest, FilePrintPrintsTheWindowAndReportsAPrinterThatFails) {
    open(1);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("book.pdf");
    dialogs.answerPrint = printTo(pdf);
    book->mnitPrint->trigger();
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    EXPECT_TRUE(dialogs.exceptions.empty());

    dialogs.answerPrint = printTo(dir.filePath("no such folder/book.pdf"));
    book->mnitPrint->trigger();
    ASSERT_EQ(dialogs.exceptions.size(), 1u) << "shown, and the book carries on";
    EXPECT_NE(dialogs.exceptions[0].find("Printing failed"), std::string::npos);
    EXPECT_EQ(caption(), "Doppler spectroscopy : Doppler spectroscopy 1/1");
}
