#pragma once
// How many times larger than true the magnified panel draws a line's shift. The
// magnification is the largest power of ten at which the largest speed seen since the last
// restart still keeps the line within Reach of the panel's half span, so the line swings
// visibly but never leaves the panel. Before any speed is seen it keeps its last choice.

namespace spectrum {

class TShiftMagnifier {
public:
    static constexpr double Reach = 0.8;
    static constexpr double Initial = 1e5;
    static constexpr double Smallest = 1.0;
    static constexpr double Largest = 1e12;

    // Forgets the largest speed: a new run begins.
    void Restart() { PeakSpeed_mps = 0.0; }
    // Notes a radial velocity of the star (m/s).
    void Observe(double v_mps);
    // The magnification for a line at rest_nm in a panel showing ± halfSpan_nm; it only
    // changes with the largest speed, so it stays put while the line swings.
    double Magnification(double rest_nm, double halfSpan_nm);

private:
    double PeakSpeed_mps = 0.0;
    double Last = Initial;
};

} // namespace spectrum
