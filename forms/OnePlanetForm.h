#pragma once
// Layout of chapter 3: the message panel beside the three choice buttons of page 6.

class TOnePlanet;

void DefineOnePlanetForm(TOnePlanet& f);
