#pragma once
// Puts a real planetary system into a simulation chapter through the parameter dialog: for
// each planet its radio button and its name, the catalogue's values (edge-on, m = m sin i,
// the star's mass) shown on the dialog's sliders; then the unused planets unticked, a time
// scale that shows a few periods of the fastest planet, a zoom that shows the widest orbit,
// a reset, and a velocity scale that fits the new system.

class TBaseChapter;
struct TRealSystem;

void SetUpRealSystem(TBaseChapter& chapter, const TRealSystem& system);
