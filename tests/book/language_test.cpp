// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The book in another language: its texts come through the translation, its numbers follow
// the language's convention, and a language chosen in the menu reopens the book in it.

#include "BookFixture.h"
#include "BookLanguage.h"
#include "BookWording.h"
#include "PseudoLanguage.h"

#include "book/ChapterTable.h"
#include "book/StudentWork.h"
#include "book/TAboutBox.h"
#include "calculator/TCalculatorForm.h"
#include "chapters/TFindingPlanet.h"
#include "model/fit/FitText.h"
#include "model/observing/HiddenSystems.h"
#include "model/observing/MysteryStars.h"
#include "model/simulation/RealSystems.h"
#include "model/rv/RvBundle.h"
#include "observing/TFitByHandPage.h"
#include "observing/THowSureForm.h"
#include "observing/TImportDialog.h"
#include "observing/TObservingRunForm.h"
#include "realsystems/CardTexts.h"
#include "realsystems/TRealSystemsForm.h"
#include "simulation/TBaseChapter.h"
#include "simulation/TPlanetParamForm.h"
#include "spectrum/TSpectrumForm.h"
#include "thisbook/TKeysBox.h"
#include "thisbook/TMyAnswersForm.h"
#include "thisbook/TeacherGuide.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QTranslator>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
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

// What the model writes, in German: each pattern translated whole, numbers with a comma,
// names as they stand; a translation naming a place its English lacks keeps the place.
TEST(BookWording, TranslatesThePatternsAndWritesTheNumbersInTheLanguage) {
    class TSlip final : public QTranslator {
    public:
        QString translate(const char* context, const char*, const char*, int) const override {
            return QString(context) == "Slip" ? "%1 und %3" : QString();
        }
        bool isEmpty() const override { return false; }
    } slip;
    UseBookLanguage("de");
    QCoreApplication::installTranslator(&slip);
    EXPECT_EQ(BookWording(fit::EvidenceLine(-4.3, 0.45)),
              "ΔBIC -4,3 (gewisser Hinweis auf den Planeten; unter −10 ist stark), "
              "Falschalarmwahrscheinlichkeit 45 % (Rauschen erzeugt einen solchen Gipfel oft).");
    EXPECT_EQ(BookWording(TWording(Said("Fit notes", "%1 and %2")).Name("v1.5").Number("1.5")),
              "v1.5 und 1,5");
    EXPECT_EQ(BookWording(TWording(Said("Slip", "%1 and %2")).Name("a").Name("b")), "a und %3");
    QCoreApplication::removeTranslator(&slip);
    UseBookLanguage("en");
    EXPECT_EQ(BookWording(fit::EvidenceLine(-4.3, 0.45)).toStdString(),
              fit::EvidenceLine(-4.3, 0.45).English());
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

// The chapters whose pages speak the language, held to it page by page and in the guide.
const std::initializer_list<int> ChaptersInLanguage = {1, 2, 3, 4, 5, 6, 7};

// The planets' names stay as the student types them.
const QStringList PlanetNames = {"Mondas", "Vulcan", "Skyron"};

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

// Every page of the chapters and of the summary speaks the language: its text, the captions,
// names and tips of the controls it shows on each of its open tabs, the lists' items, its
// hints and conclusions, and what the teacher's guide says of it: the accepted answer and the
// chapter's notes. The planet hunt observes one seed's star and shows its finished fits.
TEST_F(BookInPseudoLanguage, TheChaptersPagesQuestionsAndControlsFollowTheLanguage) {
    for (const int number : ChaptersInLanguage) {
        open(number);
        if (auto* hunt = dynamic_cast<TFindingPlanet*>(chapter())) {
            hunt->SeedEdit->setText("4242");
            hunt->ObserveButtonClick();
        }
        for (int page = 1; page <= chapter()->PageTotal; ++page) {
            open(number, page);
            auto* shown = dynamic_cast<TThisChapter*>(chapter());
            ASSERT_NE(shown, nullptr);
            auto* hunt = dynamic_cast<TFindingPlanet*>(shown);
            if (hunt) {
                hunt->WaitForFits();
                QApplication::processEvents();
            }
            QStringList texts = {shown->windowTitle(), shown->TextBox->toPlainText(),
                                 QString::fromStdString(shown->AcceptedAnswer())};
            if (const char* missing = shown->MissingAnswer())
                texts << QString::fromUtf8(missing);
            QTabWidget* tabs = shown->findChild<QTabWidget*>();
            for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
                if (tabs && !tabs->isTabEnabled(tab))
                    continue;
                if (tabs)
                    tabs->setCurrentIndex(tab);
                for (const QWidget* w : shown->findChildren<QWidget*>()) {
                    // The fit by hand is the observing window's page, held to the language
                    // with that window.
                    if (!w->isVisibleTo(shown) || (hunt && hunt->ByHandPage->isAncestorOf(w)))
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
            }
            shown->WrongAnswers = 2;
            shown->FeedbackBox->Clear();
            shown->WriteHint();
            shown->WriteConclusion();
            if (page == 1)
                shown->WriteTeacherNotes(*shown->FeedbackBox);
            texts << shown->FeedbackBox->toPlainText();
            // The published data's star, instruments and papers stay as their files and the
            // card name them.
            QStringList kept = PlanetNames;
            if (hunt) {
                kept << QString::fromStdString(hunt->RealData().star);
                if (const TRealSystem* card = rvdata::CardSystem(hunt->RealData().star))
                    kept << QString::fromStdString(card->Planets.front().Source);
                for (const rvdata::TRvInstrument& instrument : hunt->RealData().instruments)
                    kept << QString::fromStdString(instrument.name)
                         << QString::fromStdString(instrument.reference);
            }
            for (QString text : texts) {
                for (const QString& name : kept)
                    if (!name.isEmpty())
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

// A right and a wrong answer's verdict, the My answers window with an answer in it, and the
// teacher's guide as its PDF reads speak the language. The guide quotes the observing run's
// answer sheet, the published stars' notes and the hidden stars' names as the star tables
// hold them, which are left out, as are the chapters the page-by-page check leaves out.
TEST_F(BookInPseudoLanguage, TheFeedbackMyAnswersAndTheTeachersGuideFollowTheLanguage) {
    TThisChapter* shown = nullptr;
    for (int page = 1; !shown || (shown->AcceptedAnswer().empty() && page <= shown->PageCount);
         ++page) {
        open(2, page);
        shown = dynamic_cast<TThisChapter*>(chapter());
        ASSERT_NE(shown, nullptr);
    }
    ASSERT_FALSE(shown->AcceptedAnswer().empty());
    shown->FeedbackBox->Clear();
    shown->WriteCorrect();
    for (const int wrong : {1, 2}) {
        shown->WrongAnswers = wrong;
        shown->WriteIncorrect();
    }
    const QStringList verdicts = shown->FeedbackBox->toPlainText().split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(verdicts.size(), 3);
    QStringList texts = verdicts;
    const QString question = shown->TextBox->toPlainText().split('\n', Qt::SkipEmptyParts).last();
    RecordAttempt(shown->Work, shown->Page, 0, question.toStdString(), {"1", false}, false);
    RecordAttempt(shown->Work, shown->Page, 0, question.toStdString(), {"2", true}, true);
    {
        TMyAnswersForm answers(*book);
        texts << WindowTexts(answers);
    }
    for (const QString& text : texts)
        EXPECT_FALSE(HasUntranslatedWord(text)) << text.toStdString();

    // Whitespace squeezed, the page numbers dropped, and a word or unit broken at a line's end
    // joined again.
    const auto squeezed = [](QString text) {
        return text.replace(QRegularExpression(R"(\n\d+\n*\f)"), " ")
            .remove('-')
            .simplified()
            .replace("/ ", "/");
    };
    QTemporaryDir dir;
    const QString pdf = dir.filePath("guide.pdf");
    ASSERT_EQ(WriteTeacherGuide(*book, pdf), QString());
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-enc", "UTF-8", pdf, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(60000));
    QString guide = squeezed(QString::fromUtf8(pdftotext.readAllStandardOutput()));
    // Each chapter's part runs from its heading to the next chapter's or the hidden stars'.
    std::vector<QString> ends;
    for (int number = 1; number <= ChapterTableSize(); ++number) {
        open(number);
        ends.push_back(squeezed(BookText("Teacher's guide", "Chapter %1: %2")
                                    .arg(number)
                                    .arg(QString::fromStdString(chapter()->Caption()))));
    }
    ends.push_back(squeezed(BookText("Teacher's guide", "The hidden stars of “Finding a planet”")));
    for (int number = ChapterTableSize(); number >= 1; --number) {
        if (std::ranges::count(ChaptersInLanguage, number))
            continue;
        const qsizetype from = guide.indexOf(ends[number - 1]);
        ASSERT_GE(from, 0) << ends[number - 1].toStdString();
        qsizetype to = -1;
        for (std::size_t next = number; next < ends.size() && to < 0; ++next)
            to = guide.indexOf(ends[next], from);
        guide.remove(from, to - from);
    }
    for (const QString& text : PlanetNames)
        if (!text.isEmpty())
            guide.remove(text);
    const QStringList sentences = guide.split(QRegularExpression(R"((?<=[.:;])\s)"));
    EXPECT_GT(sentences.size(), 100);
    for (const QString& sentence : sentences)
        EXPECT_FALSE(HasUntranslatedWord(sentence)) << sentence.toStdString();
}

// The observing run window with its pages, menu and tabs, the import dialog and How sure?
// speak the language before any measurements are shown. The published stars' entries name
// stars, instruments and papers, and the mystery stars' names come from the star table.
TEST_F(BookInPseudoLanguage, TheObservingWindowAndItsDialogsSpeakTheLanguage) {
    book->mnitObservingRun->trigger();
    const TObservingRunForm& run = *book->ObservingRunForm;
    QStringList texts = WindowTexts(run);
    for (const QAction* menu : run.MenuBar->actions()) {
        texts << menu->text();
        CollectTexts(*menu->menu(), qobject_cast<const QMenu*>(run.mnitRealData.front()->parent()),
                     texts);
    }
    for (int tab = 0; tab < run.Tabs->count(); ++tab)
        texts << run.Tabs->tabText(tab);
    const TImportDialog import(book);
    const THowSureForm sure(book);
    texts << WindowTexts(import) << WindowTexts(sure);
    EXPECT_GT(texts.size(), 100);
    for (const QString& text : texts)
        EXPECT_FALSE(HasUntranslatedWord(text)) << text.toStdString();
}
