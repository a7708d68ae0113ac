// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Greek letters are written as the Unicode letters in faces that have them, so that a screen
// reader and the clipboard take ψ and φ for what they are; each parameter slider says what
// it does.

#include "BookFixture.h"

#include "simulation/TBaseChapter.h"
#include "simulation/TPlanetParamForm.h"

#include <QLabel>
#include <QSlider>

namespace {

// The face that actually draws `letter` in `font` has a glyph for it.
bool Draws(const QFont& font, char32_t letter) {
    return QFontMetrics(font).inFontUcs4(letter);
}

} // namespace

class GreekLettersTest : public BookTest {
protected:
    TBaseChapter& sim() const { return *dynamic_cast<TBaseChapter*>(chapter()); }
    QLabel* dialogLabel(const QString& text) const {
        for (QLabel* label : sim().ParamForm->findChildren<QLabel*>())
            if (label->text() == text)
                return label;
        return nullptr;
    }
};

TEST_F(GreekLettersTest, TheDialogWritesPhiAndPsiAsLettersInItalics) {
    open(2);
    for (const auto& [text, letter] : {std::pair{QString("φ  ="), U'φ'}, {QString("ψ  ="), U'ψ'}}) {
        SCOPED_TRACE(text.toStdString());
        QLabel* symbol = dialogLabel(text);
        ASSERT_NE(symbol, nullptr);
        EXPECT_TRUE(symbol->font().italic());
        EXPECT_TRUE(Draws(symbol->font(), letter)) << "the face has the letter";
    }
    EXPECT_EQ(dialogLabel("f  ="), nullptr) << "no Latin stand-in";
    EXPECT_EQ(dialogLabel("y  ="), nullptr);
}

TEST_F(GreekLettersTest, PageTextCarriesTheLettersThemselves) {
    open(3, 11);
    const QString psiPage = dynamic_cast<TThisChapter*>(chapter())->TextBox->toPlainText();
    EXPECT_TRUE(psiPage.contains("the angle ψ. It rotates")) << psiPage.toStdString();
    open(3, 12);
    const QString phiPage = dynamic_cast<TThisChapter*>(chapter())->TextBox->toPlainText();
    EXPECT_TRUE(phiPage.contains("The azimuth φ of the orbit")) << phiPage.toStdString();
    EXPECT_TRUE(phiPage.contains("does not depend on φ at all"));
    EXPECT_TRUE(Draws(chapter()->SymbolFont->toQFont(), U'φ'));
    EXPECT_TRUE(Draws(chapter()->SymbolFont->toQFont(), U'ψ'));
}

TEST_F(GreekLettersTest, EachParameterSliderSaysWhatItDoes) {
    open(2);
    TPlanetParamForm& form = *sim().ParamForm;
    const std::pair<QSlider*, const char*> sliders[] = {
        {form.aSlider, "Semi-major axis a"}, {form.EccSlider, "Eccentricity e"},
        {form.incSlider, "Inclination i"},   {form.phiSlider, "Azimuth φ"},
        {form.psiSlider, "Orientation ψ"},   {form.massSlider, "Planet mass m"},
        {form.SmassSlider, "Star mass ms"},
    };
    QStringList descriptions;
    for (const auto& [slider, name] : sliders) {
        SCOPED_TRACE(name);
        EXPECT_EQ(slider->accessibleName(), QString::fromUtf8(name));
        EXPECT_FALSE(slider->accessibleDescription().isEmpty());
        EXPECT_EQ(slider->toolTip(), slider->accessibleDescription());
        EXPECT_FALSE(descriptions.contains(slider->toolTip())) << "each its own";
        descriptions << slider->toolTip();
    }
    EXPECT_EQ(form.psiSlider->toolTip(), "ψ turns the ellipse within its own plane.");
    EXPECT_EQ(form.phiSlider->toolTip(), "φ turns the plane of the orbit about the line of sight.");
}
