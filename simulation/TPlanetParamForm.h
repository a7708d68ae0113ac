// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The modeless dialog "Edit parameters" of a simulation chapter window: the user picks one
// of the three planets and sets its semi-major axis, eccentricity, inclination, the two
// azimuths of its orbit and its mass, and the star's mass, with sliders. A slider movement
// writes only the element of that slider, at once, and resets the chapter's simulation; the
// other elements keep their exact values, which the labels show (a slider stands only near
// a value it cannot hit). The chapters enable or disable single sliders to restrict what may
// be changed.

#include "TForm.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class TBaseChapter;
class TPlanet;

class TPlanetParamForm : public TForm {
public:
    // A dialog of the chapter window `owner`, which owns it; hidden until shown.
    explicit TPlanetParamForm(TBaseChapter* owner);

    QRadioButton* PlanRadioButton1 = nullptr;
    QRadioButton* PlanRadioButton2 = nullptr;
    QRadioButton* PlanRadioButton3 = nullptr;
    QLineEdit* PlanName = nullptr;
    QSlider* aSlider = nullptr;
    QSlider* EccSlider = nullptr;
    QSlider* incSlider = nullptr;
    QSlider* phiSlider = nullptr;
    QSlider* psiSlider = nullptr;
    QSlider* massSlider = nullptr;
    QSlider* SmassSlider = nullptr;
    QLabel* aLabel = nullptr;
    QLabel* EccLabel = nullptr;
    QLabel* incLabel = nullptr;
    QLabel* phiLabel = nullptr;
    QLabel* psiLabel = nullptr;
    QLabel* massLabel = nullptr;
    QLabel* SmassLabel = nullptr;
    QPushButton* CloseButton = nullptr; // and Esc

    TBaseChapter* Chapter;     // the owning chapter window
    TPlanet* Planet = nullptr; // the planet being edited, one of Chapter's Planets
    bool Updating = false;     // the controls are being loaded from Planet

    void FormCreate();
    // Takes the chapter window's colour.
    void MatchColour();
    // Loads every slider, label and the name from Planet and the chapter's star mass.
    void ShowPlanet();
    // Stores the value of `slider`, one of the seven, into its element of Planet or the
    // chapter, with its label text.
    void ApplySlider(const QSlider& slider);

    // Handlers.
    void SliderChange(const QSlider& slider);
    void PlanNameChange();
    void CloseButtonClick() { hide(); }
    void PlanRadioButton1Click() { SelectPlanet(0); }
    void PlanRadioButton2Click() { SelectPlanet(1); }
    void PlanRadioButton3Click() { SelectPlanet(2); }

private:
    void SelectPlanet(int k);
    QRadioButton* RadioButton(int k) const;
};
