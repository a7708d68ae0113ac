// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The book in another language: its texts come through the translation, its numbers follow
// the language's convention, and a language chosen in the menu reopens the book in it.

#include "BookFixture.h"
#include "BookLanguage.h"
#include "PseudoLanguage.h"

#include "book/TAboutBox.h"
#include "calculator/TCalculatorForm.h"
#include "model/RealSystems.h"
#include "realsystems/CardTexts.h"
#include "realsystems/TRealSystemsForm.h"
#include "simulation/TBaseChapter.h"
#include "simulation/TPlanetParamForm.h"
#include "spectrum/TSpectrumForm.h"
#include "thisbook/TKeysBox.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTextBrowser>
#include <algorithm>

TEST(PseudoLanguage, LengthensAndAccentsTheWordsAndKeepsWhatIsNotText) {
    EXPECT_EQ(PseudoTranslation("&Fit to screen (%1 %)"),
              QString::fromUtf8("&Fíít töö scréééén (%1 %)"));
    EXPECT_EQ(PseudoTranslation("<b>K</b> &amp; %L2, %n && 10"), "<b>K</b> &amp; %L2, %n && 10");
    EXPECT_FALSE(HasUntranslatedWord(PseudoTranslation("Doppler spectroscopy")));
    EXPECT_TRUE(HasUntranslatedWord(QString::fromUtf8("Fíít to screen")));
    EXPECT_FALSE(HasUntranslatedWord("51 Peg b: 4.23 d, 56 m/s"));
}

class BookInPseudoLanguage : public BookTest {
protected:
    void SetUp() override {
        UseBookLanguage(PseudoLanguageCode);
        BookTest::SetUp();
    }
    void TearDown() override {
        BookTest::TearDown();
        UseBookLanguage("en");
    }
};

namespace {

// The texts of a menu's entries and of its submenus' entries, but those of `skipped`.
void CollectTexts(const QMenu& menu, const QMenu* skipped, QStringList& texts) {
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        texts << action->text();
        if (action->menu() && action->menu() != skipped)
            CollectTexts(*action->menu(), skipped, texts);
    }
}

// What a window says in its own controls: its title, and each label's, button's and
// browser's text and each control's accessible name. The book's rich-text files are
// translated as files of their own, not through the translation.
QStringList WindowTexts(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        texts << w->accessibleName() << w->toolTip();
        if (const auto* label = qobject_cast<const QLabel*>(w))
            texts << label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            texts << button->text();
        if (const auto* browser = qobject_cast<const QTextBrowser*>(w))
            texts << browser->toPlainText();
    }
    return texts;
}

} // namespace

// Every menu of the book window speaks the language (the languages are named each in its
// own), a spin box writes the language's decimal mark, and choosing another language closes
// the book to reopen in it.
TEST_F(BookInPseudoLanguage, TheMenusTheNumbersAndTheChoiceFollowTheLanguage) {
    QStringList texts;
    for (const QAction* menu : book->MainMenu->actions()) {
        texts << menu->text();
        CollectTexts(*menu->menu(), book->LanguageMenu, texts);
    }
    EXPECT_GT(texts.size(), 25);
    for (const QString& text : texts)
        EXPECT_FALSE(HasUntranslatedWord(text)) << text.toStdString();

    QDoubleSpinBox box;
    box.setValue(1.5);
    EXPECT_EQ(box.text(), "1,50");

    book->mnitLanguageClick(PseudoLanguageCode);
    EXPECT_TRUE(book->LanguageRequested.isEmpty()) << "the language it speaks already";
    book->mnitLanguageClick("en");
    EXPECT_EQ(book->LanguageRequested, "en");
    EXPECT_FALSE(book->isVisible());
}

TEST_F(BookInPseudoLanguage, TheBooksDialogsSpeakTheLanguage) {
    TAboutBox about(book);
    TKeysBox keys(book);
    for (const QWidget* window : std::initializer_list<const QWidget*>{access, &about, &keys})
        for (const QString& text : WindowTexts(*window))
            EXPECT_FALSE(HasUntranslatedWord(text))
                << window->windowTitle().toStdString() << ": " << text.toStdString();
}

// Every page of the chapters before the planet hunt and of the summary speaks the language:
// its text, the captions, names and tips of the controls it shows, the lists' items, its
// hints and conclusions, and what the teacher's guide says of it: the accepted answer and the
// chapter's notes.
TEST_F(BookInPseudoLanguage, TheChaptersPagesQuestionsAndControlsFollowTheLanguage) {
    // The planets' names stay as the student types them.
    const QStringList names = {"Mondas", "Vulcan", "Skyron"};
    for (const int number : {1, 2, 3, 4, 5, 7}) {
        open(number);
        for (int page = 1; page <= chapter()->PageTotal; ++page) {
            open(number, page);
            auto* shown = dynamic_cast<TThisChapter*>(chapter());
            ASSERT_NE(shown, nullptr);
            QStringList texts = {shown->windowTitle(), shown->TextBox->toPlainText(),
                                 QString::fromStdString(shown->AcceptedAnswer())};
            if (const char* missing = shown->MissingAnswer())
                texts << QString::fromUtf8(missing);
            for (const QWidget* w : shown->findChildren<QWidget*>()) {
                if (!w->isVisibleTo(shown))
                    continue;
                texts << w->accessibleName() << w->accessibleDescription() << w->toolTip();
                if (const auto* label = qobject_cast<const QLabel*>(w))
                    texts << label->text();
                if (const auto* button = qobject_cast<const QAbstractButton*>(w))
                    texts << button->text();
                if (const auto* list = qobject_cast<const QComboBox*>(w))
                    for (int i = 0; i < list->count(); ++i)
                        texts << list->itemText(i);
            }
            shown->WrongAnswers = 2;
            shown->FeedbackBox->Clear();
            shown->WriteHint();
            shown->WriteConclusion();
            if (page == 1)
                shown->WriteTeacherNotes(*shown->FeedbackBox);
            texts << shown->FeedbackBox->toPlainText();
            for (QString text : texts) {
                for (const QString& name : names)
                    text.remove(name);
                EXPECT_FALSE(HasUntranslatedWord(text))
                    << "chapter " << number << " page " << page << ": " << text.toStdString();
            }
        }
    }
}

// The spectrum window (its readouts moving both ways and at rest), the card of real systems
// (its table too), the calculator with a message and the simulation's parameter dialog speak
// the language. Stars, authors and journals keep their names in every language, and so do
// the planets' names the student gives.
TEST_F(BookInPseudoLanguage, TheToolsWindowsAndTheParameterDialogSpeakTheLanguage) {
    // Every text of the model's table that the card shows is offered to translators.
    const auto offered = [](const std::string& text) {
        return std::ranges::any_of(CardModelTexts(),
                                   [&text](const char* listed) { return text == listed; });
    };
    for (const TRealSystem& system : RealSystems()) {
        EXPECT_TRUE(offered(system.Significance) && offered(system.StarMassWhere)) << system.Name;
        for (const TRealPlanet& planet : system.Planets)
            EXPECT_TRUE(offered(planet.Where)) << system.Name << " " << planet.Letter;
    }

    open(5);
    auto* sim = dynamic_cast<TBaseChapter*>(chapter());
    ASSERT_NE(sim, nullptr);
    QStringList texts = WindowTexts(*sim->ParamForm);
    book->mnitSpectrum->trigger();
    for (const double v_mps : {12.4, -0.003, 0.0}) {
        book->SpectrumForm->SimulationTick(1.0, v_mps);
        texts << WindowTexts(*book->SpectrumForm);
    }
    book->mnitRealSystems->trigger();
    const TRealSystemsForm& card = *book->RealSystemsCard;
    texts << WindowTexts(card);
    for (int column = 0; column < card.SystemTable->columnCount(); ++column) {
        texts << card.SystemTable->horizontalHeaderItem(column)->text();
        for (int row = 0; row < card.SystemTable->rowCount(); ++row)
            if (const QTableWidgetItem* item = card.SystemTable->item(row, column))
                texts << item->text() << item->toolTip();
    }
    TCalculatorForm calculator(book);
    texts << WindowTexts(calculator);
    calculator.ExpressionEdit->setText("ln(0)");
    calculator.EqualsButtonClick();
    texts << calculator.MessageLabel->text();

    EXPECT_GT(texts.size(), 100);
    QStringList names = {"Mondas", "Vulcan", "Skyron"};
    for (const TRealSystem& system : RealSystems())
        if (!system.ShortName.empty())
            names << QString::fromStdString(system.Name);
    for (const std::string& source : RealSystemSources())
        names << QString::fromStdString(source);
    for (QString text : texts) {
        for (const QString& name : names)
            text.remove(name);
        EXPECT_FALSE(HasUntranslatedWord(text)) << text.toStdString();
    }
}
