// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "simulation/TPlanetParamForm.h"

#include "forms/PlanetParamForm.h"
#include "Precondition.h"
#include "book/TCustomBook.h"
#include "model/simulation/ParamSliders.h"
#include "simulation/TBaseChapter.h"

#include "BookText.h"
#include "NumberText.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <algorithm>

using namespace paramsliders;

namespace {

TSliderRange RangeOf(const QSlider& slider) {
    return TSliderRange{slider.minimum(), slider.maximum()};
}

// The angles' texts pad their numbers with leading spaces for a fixed-width face; in the
// dialog's face that only staggers the column, so every value starts at its left edge.
void SetText(QLabel& label, const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    label.setText(QString::fromStdString(first == std::string::npos ? text : text.substr(first)));
}

// Two significant figures, or the top of the slider's range once they would round up to it.
QString Rounded(double value, double roundsToTop, int top) {
    return value >= roundsToTop ? FixedText(top, 0) : FiguresText(value, 2);
}

QString AText(double a_AU) {
    return BookText("Planet parameters", "%1 AU", "a distance in astronomical units")
        .arg(Rounded(a_AU, 99.5, 100));
}

QString EccText(double ecc) { return FiguresText(ecc, 15); }

// The unit singular when the number shows as 1.
QString MassText(double mass_Jupiter) {
    const QString number = Rounded(mass_Jupiter, 9.95, 10);
    return number == FixedText(1, 0)
               ? BookText("Planet parameters", "%1 Jupiter mass").arg(number)
               : BookText("Planet parameters", "%1 Jupiter masses").arg(number);
}

QString StarMassText(double mass_Solar) {
    const QString number = Rounded(mass_Solar, 99.5, 100);
    return number == FixedText(1, 0) ? BookText("Planet parameters", "%1 solar mass").arg(number)
                                     : BookText("Planet parameters", "%1 solar masses").arg(number);
}

} // namespace

TPlanetParamForm::TPlanetParamForm(TBaseChapter* owner) : TForm(owner), Chapter(owner) {
    DefinePlanetParamForm(*this);
    // Beside the book, or over what of it the student needs least while moving the sliders.
    KeepClear = [this] {
        if (const auto* book = dynamic_cast<const TCustomBook*>(Chapter->window());
            book && book->CurrentChapter == Chapter)
            return book->KeepClearAreas();
        std::vector<TKeepClear> areas{{Chapter->window()->frameGeometry(), 1}};
        for (const TKeepClear& area : Chapter->KeepClearAreas())
            areas.push_back(area);
        return areas;
    };
}

void TPlanetParamForm::FormCreate() {
    Planet = &Chapter->Planets[0];
    ShowPlanet();
    MatchColour();
}

void TPlanetParamForm::MatchColour() { SetColor(Chapter->Color()); }

void TPlanetParamForm::ShowPlanet() {
    Updating = true;
    TPlanet& planet = *Planet;

    aSlider->setValue(APosition(planet.a, RangeOf(*aSlider)));
    aLabel->setText(AText(planet.a));

    EccSlider->setValue(EccPosition(planet.ecc, RangeOf(*EccSlider)));
    EccLabel->setText(EccText(std::min(planet.ecc, MaxEccentricity)));

    incSlider->setValue(IncPosition(IncDegreesOf(planet.inc), RangeOf(*incSlider)));
    SetText(*incLabel, IncLabelText(NearestDegreesOf(planet.inc)));

    phiSlider->setValue(AzimuthPosition(AzimuthDegreesOf(planet.phi), RangeOf(*phiSlider)));
    SetText(*phiLabel, AzimuthLabelText(NearestDegreesOf(planet.phi)));
    psiSlider->setValue(AzimuthPosition(AzimuthDegreesOf(planet.psi), RangeOf(*psiSlider)));
    SetText(*psiLabel, AzimuthLabelText(NearestDegreesOf(planet.psi)));

    const double jupiters = planet.mass * JupiterMassesPerSolarMass;
    massSlider->setValue(MassPosition(jupiters, RangeOf(*massSlider)));
    massLabel->setText(MassText(jupiters));

    SmassSlider->setValue(StarMassPosition(Chapter->StarMass, RangeOf(*SmassSlider)));
    SmassLabel->setText(StarMassText(Chapter->StarMass));

    PlanName->setText(QString::fromStdString(planet.Name.str()));
    Updating = false;
}

void TPlanetParamForm::ApplySlider(const QSlider& slider) {
    TPlanet& planet = *Planet;
    const TSliderRange range = RangeOf(slider);
    const int position = slider.value();

    if (&slider == aSlider) {
        planet.a = A_AU(position, range);
        aLabel->setText(AText(planet.a));
    } else if (&slider == EccSlider) {
        planet.ecc = Ecc(position, range);
        EccLabel->setText(EccText(planet.ecc));
    } else if (&slider == incSlider) {
        const int inc = IncDegrees(position, range);
        planet.inc = Radians(inc);
        SetText(*incLabel, IncLabelText(inc));
    } else if (&slider == phiSlider) {
        const int phi = AzimuthDegrees(position, range);
        planet.phi = Radians(phi);
        SetText(*phiLabel, AzimuthLabelText(phi));
    } else if (&slider == psiSlider) {
        const int psi = AzimuthDegrees(position, range);
        planet.psi = Radians(psi);
        SetText(*psiLabel, AzimuthLabelText(psi));
    } else if (&slider == massSlider) {
        const double jupiters = JupiterMasses(position, range);
        planet.mass = jupiters * JupiterMass;
        massLabel->setText(MassText(jupiters));
    } else {
        PRECONDITION(&slider == SmassSlider);
        Chapter->StarMass = SolarMasses(position, range);
        SmassLabel->setText(StarMassText(Chapter->StarMass));
    }
}

void TPlanetParamForm::SliderChange(const QSlider& slider) {
    if (Updating)
        return;
    ApplySlider(slider);
    Chapter->ResetSimulation();
}

void TPlanetParamForm::PlanNameChange() {
    if (Updating)
        return;
    Planet->Name = PlanName->text().toStdString();
    QCheckBox* boxes[] = {Chapter->ChBoxPlanet1, Chapter->ChBoxPlanet2, Chapter->ChBoxPlanet3};
    for (int k = 0; k < TSimulationModel::PlanetCount; ++k) {
        const QString name = QString::fromStdString(Chapter->Planets[k].Name.str());
        RadioButton(k)->setText(name);
        boxes[k]->setText(name);
    }
}

void TPlanetParamForm::SelectPlanet(int k) {
    Planet = &Chapter->Planets[k];
    ShowPlanet();
    for (int i = 0; i < TSimulationModel::PlanetCount; ++i)
        RadioButton(i)->setChecked(i == k);
}

QRadioButton* TPlanetParamForm::RadioButton(int k) const {
    QRadioButton* const buttons[] = {PlanRadioButton1, PlanRadioButton2, PlanRadioButton3};
    return buttons[k];
}
