#include "simulation/RealSystemSetUp.h"

#include "simulation/RealSystemView.h"
#include "simulation/TBaseChapter.h"
#include "simulation/TPlanetParamForm.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <cmath>

namespace {

constexpr double EdgeOn_rad = 1.5707963267948966;

TSliderRange RangeOf(const QSlider& slider) {
    return TSliderRange{slider.minimum(), slider.maximum()};
}

} // namespace

void SetUpRealSystem(TBaseChapter& chapter, const TRealSystem& system) {
    TPlanetParamForm& dialog = *chapter.ParamForm;
    QRadioButton* const radios[] = {dialog.PlanRadioButton1, dialog.PlanRadioButton2,
                                    dialog.PlanRadioButton3};
    QCheckBox* const boxes[] = {chapter.ChBoxPlanet1, chapter.ChBoxPlanet2, chapter.ChBoxPlanet3};
    const std::size_t count = system.Planets.size();

    // The sliders move in steps too coarse for a catalogue (the semi-major axis by 15 % of
    // the period), so the values go into the planets as the chapters write elements, and
    // the dialog, which chose and named each planet, shows them.
    chapter.StarMass = system.StarMass_Solar;
    for (std::size_t k = 0; k < count; ++k) {
        const TRealPlanet& real = system.Planets[k];
        radios[k]->click();
        dialog.PlanName->setText(QString::fromStdString(SimulationName(system, real)));
        TPlanet& planet = *dialog.Planet;
        planet.a = real.a_AU;
        planet.ecc = real.Ecc;
        planet.inc = EdgeOn_rad;
        planet.phi = 0.0;
        planet.psi = 0.0;
        planet.mass = real.MassSinI_Jupiter * JupiterMass;
        dialog.ShowPlanet();
    }
    for (std::size_t k = 0; k < std::size(boxes); ++k)
        boxes[k]->setChecked(k < count);
    radios[0]->click();

    chapter.TimeSlider->setValue(realview::TimeScaleFor(system, RangeOf(*chapter.TimeSlider),
                                                        TSimulationModel::LastStepScale));
    chapter.ZoomSlider->setValue(realview::ZoomFor(system, RangeOf(*chapter.ZoomSlider)));
    chapter.ResetSimulation();
    // Every planet now stands at pericentre, where an edge-on orbit with psi = 0 moves the
    // star fastest along the line of sight: no later speed is larger. The first sweep takes
    // the scale a rescale would give it rather than the last system's, which on a short time
    // scale could leave the curve off the graph for many minutes.
    const double peak_AUperDay = std::fabs(chapter.StarVelocity.z);
    if (peak_AUperDay > 0.0)
        chapter.VelocityScale = TVelocityGraph::Height * 0.5 * 0.9 / peak_AUperDay;
}
