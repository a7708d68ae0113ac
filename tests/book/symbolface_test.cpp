// Greek letters are Latin letters set in the face "Symbol"; a face that falls back to a
// Latin one would show "f" for phi without any error, so these tests compare the ink.

#include "BookFixture.h"

#include "RichEditWriter.h"
#include "simulation/TBaseChapter.h"
#include "simulation/TPlanetParamForm.h"

#include <QLabel>
#include <algorithm>
#include <vector>

namespace {

// Where the widget as drawn is dark: the ink of its text on a light ground.
std::vector<bool> Ink(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    std::vector<bool> ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink.push_back(qGray(image.pixel(x, y)) < 128);
    return ink;
}

long Dots(const std::vector<bool>& ink) { return std::count(ink.begin(), ink.end(), true); }

// The ink of `label` drawn with `font` at `size` on its own ground; the label is restored.
std::vector<bool> InkAs(QLabel& label, const QFont& font, QSize size) {
    const QFont font0 = label.font();
    const QSize size0 = label.size();
    label.setFont(font);
    label.resize(size);
    std::vector<bool> ink = Ink(label);
    label.setFont(font0);
    label.resize(size0);
    return ink;
}

QFont WithFamily(QFont font, const char* family) {
    font.setFamilies({family});
    return font;
}

} // namespace

class SymbolFaceTest : public BookTest {
protected:
    void SetUp() override {
        BookTest::SetUp();
        open(2);
    }
    TBaseChapter& sim() const { return *dynamic_cast<TBaseChapter*>(chapter()); }
    QLabel* dialogLabel(const char* text) const {
        for (QLabel* label : sim().ParamForm->findChildren<QLabel*>())
            if (label->text() == text)
                return label;
        return nullptr;
    }
};

TEST_F(SymbolFaceTest, TheDialogDrawsPhiAndPsiInItalics) {
    for (const char* text : {"f  =", "y  ="}) {
        SCOPED_TRACE(text);
        QLabel* symbol = dialogLabel(text);
        ASSERT_NE(symbol, nullptr);
        const std::vector<bool> greek = Ink(*symbol);
        EXPECT_GT(Dots(greek), 20);
        // The last is the face that a missing face falls back to.
        for (const char* latin : {"Times New Roman", "Arial", "No such face"})
            EXPECT_NE(InkAs(*symbol, WithFamily(symbol->font(), latin), symbol->size()), greek)
                << "drawn as Latin letters, like " << latin;
        QFont upright = symbol->font();
        upright.setItalic(false);
        EXPECT_NE(InkAs(*symbol, upright, symbol->size()), greek) << "no italics";
    }
    QLabel* mass = dialogLabel("m   =");
    ASSERT_NE(mass, nullptr);
    QFont upright = mass->font();
    upright.setItalic(false);
    EXPECT_NE(InkAs(*mass, upright, mass->size()), Ink(*mass)) << "no italics";
}

TEST_F(SymbolFaceTest, EveryDialogLabelShowsItsWholeText) {
    // A clipped text leaves less ink than the same text on a label with room to spare.
    for (QLabel* label : sim().ParamForm->findChildren<QLabel*>()) {
        SCOPED_TRACE(label->text().toStdString());
        const long shown = Dots(Ink(*label));
        EXPECT_GT(shown, 0);
        EXPECT_EQ(shown, Dots(InkAs(*label, label->font(), label->size() + QSize(40, 40))));
    }
}

TEST_F(SymbolFaceTest, PageTextWritesGreekInTheSymbolFace) {
    TThisChapter& page = sim();
    auto inkOf = [&page](const TFont& font) {
        page.TextBox->Clear();
        *page.TextBox << font << "y";
        return Ink(*page.TextBox);
    };
    const std::vector<bool> greek = inkOf(*page.SymbolFont);
    EXPECT_GT(Dots(greek), 20);
    for (const char* latin : {page.BodyFont->Name.c_str(), "No such face"}) {
        TFont same = *page.SymbolFont;
        same.Name = latin;
        EXPECT_NE(inkOf(same), greek) << "drawn as a Latin y, like " << latin;
    }
}
