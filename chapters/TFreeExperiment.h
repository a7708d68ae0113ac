#pragma once
// Chapter 5, "Free experiment": four pages of suggestions while every control of the
// simulation is left free. Vulcan joins Mondas, Skyron can be switched on, and the
// parameter dialog offers all its sliders. There is no question.

#include "simulation/TBaseChapter.h"

class TFreeExperiment : public TBaseChapter {
public:
    explicit TFreeExperiment(TCustomBook* owner);

    void ShowPage() override;
    void WritePageText() override;
};
