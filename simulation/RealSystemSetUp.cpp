#include "simulation/RealSystemSetUp.h"

#include "simulation/RealSystemFit.h"
#include "simulation/TBaseChapter.h"
#include "simulation/TPlanetParamForm.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <cmath>

namespace {

TSliderRange RangeOf(const QSlider& slider) {
    return TSliderRange{slider.minimum(), slider.maximum()};
}

} // namespace

void SetUpRealSystem(TBaseChapter& chapter, const TRealSystem& system) {
    TPlanetParamForm& dialog = *chapter.ParamForm;
    const TParamRanges ranges{RangeOf(*dialog.aSlider), RangeOf(*dialog.EccSlider),
                              RangeOf(*dialog.massSlider), RangeOf(*dialog.SmassSlider)};
    const TSystemPositions positions = realfit::FitPositions(system, ranges);
    QRadioButton* const radios[] = {dialog.PlanRadioButton1, dialog.PlanRadioButton2,
                                    dialog.PlanRadioButton3};
    QCheckBox* const boxes[] = {chapter.ChBoxPlanet1, chapter.ChBoxPlanet2, chapter.ChBoxPlanet3};
    const std::size_t count = system.Planets.size();

    for (std::size_t k = 0; k < count; ++k) {
        radios[k]->click();
        dialog.PlanName->setText(QString::fromStdString(SimulationName(system, system.Planets[k])));
        const TPlanetPositions& p = positions.Planets[k];
        dialog.aSlider->setValue(p.a);
        dialog.EccSlider->setValue(p.Ecc);
        dialog.incSlider->setValue(dialog.incSlider->maximum());
        dialog.phiSlider->setValue(dialog.phiSlider->minimum());
        dialog.psiSlider->setValue(dialog.psiSlider->minimum());
        dialog.massSlider->setValue(p.Mass);
        dialog.SmassSlider->setValue(positions.StarMass);
        // A slider already standing at its position sent no change, and the planet's value
        // may not be the one that position gives.
        dialog.SliderChange();
    }
    for (std::size_t k = 0; k < std::size(boxes); ++k)
        boxes[k]->setChecked(k < count);
    radios[0]->click();

    chapter.TimeSlider->setValue(realfit::TimeScaleFor(system, RangeOf(*chapter.TimeSlider),
                                                       TSimulationModel::LastStepScale));
    chapter.ZoomSlider->setValue(realfit::ZoomFor(system, RangeOf(*chapter.ZoomSlider)));
    chapter.ResetSimulation();
    // Every planet now stands at pericentre, where an edge-on orbit with psi = 0 moves the
    // star fastest along the line of sight: no later speed is larger. The first sweep takes
    // the scale a rescale would give it rather than the last system's, which on a short time
    // scale could leave the curve off the graph for many minutes.
    const double peak_AUperDay = std::fabs(chapter.StarVelocity.z);
    if (peak_AUperDay > 0.0)
        chapter.VelocityScale = TVelocityGraph::Height * 0.5 * 0.9 / peak_AUperDay;
}
