#pragma once
// Puts a real planetary system into a simulation chapter as a reader would with the
// parameter dialog: for each planet its radio button, its name and the slider positions
// the fit chooses (edge-on, m = m sin i, the star's mass), so that the dialog's own
// handlers store the values; then the unused planets unticked, a time scale that shows a
// few periods of the fastest planet, a zoom that shows the widest orbit, a reset, and a
// velocity scale that fits the new system.

class TBaseChapter;
struct TRealSystem;

void SetUpRealSystem(TBaseChapter& chapter, const TRealSystem& system);
