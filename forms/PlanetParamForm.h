#pragma once
// Layout of the planet parameter dialog: the planet choice and name, and the seven sliders
// with their symbols, value labels and end labels.

class TPlanetParamForm;

void DefinePlanetParamForm(TPlanetParamForm& f);
