<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doppler spectroscopy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 The Doppler spectroscopy book authors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acknowledgements and copyright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Published measurements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Accessibility options</name>
    <message>
        <source>Kept settings forgotten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accessibility options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About these options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use system colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include support for screen reader users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forget kept settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes the book&apos;s settings file; the book then keeps nothing when it closes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Book window</name>
    <message>
        <source>Doppler spectroscopy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit to screen (%1 %)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click |Return to previous section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print &amp;chapter text...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit to screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Accessibility...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;bout...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click or press Enter to begin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open system...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save system...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My &amp;answers...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export measurements...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Spectrum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Real planetary systems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Observing run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keys and how to use this book...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;ccessibility...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>You cannot divide by zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A closing bracket ) is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is a ) without its opening bracket (.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A number is missing after an operator or inside brackets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An operator such as + or * is missing between two numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The expression has a word or sign the calculator does not know.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A number is not written as a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put a function&apos;s number in brackets, as in sin(30).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! takes only whole numbers from 0 up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ln(0) and the ln of a negative number are undefined.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>log10(0) and the log10 of a negative number are undefined.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A negative number has no square root.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>asin takes only numbers from -1 to 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>acos takes only numbers from -1 to 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tan is undefined there: the angle is an odd multiple of 90°.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A negative number cannot be raised to a fractional power.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 cannot be raised to a negative power.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The result is too large for the calculator.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Chapter 1: Doppler spectroscopy</name>
    <message>
        <source>Doppler spectroscopy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light and other radiation from a moving object, such as a star, is shifted in wavelength. When the star moves away from us its light is stretched to longer, redder wavelengths; when it approaches, the light is compressed to shorter, bluer wavelengths. The size of the shift is proportional to the star&apos;s &lt;b&gt;radial velocity&lt;/b&gt; (&lt;i&gt;v&lt;sub&gt;r&lt;/sub&gt;&lt;/i&gt;) the speed at which the star is moving towards or away from the observer. This kind of shift in wavelength is known as the &lt;b&gt;Doppler effect.&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modern instruments measure the wavelength of a line in a star&apos;s spectrum very precisely. Comparing it with the wavelength of the same line measured in the laboratory gives the star&apos;s radial velocity. Once the effects of the Earth&apos;s own orbit around the Sun and of the star&apos;s steady motion through space are removed, any periodic variation that remains means the star is orbiting with an unseen companion. The companion is often another star, but sometimes it is a planet. This way of finding unseen companions is often called&lt;b&gt; Doppler spectroscopy.&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Chapter 2: The simulation</name>
    <message>
        <source>The simulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We start with a simple system: a star of one solar mass (the yellow dot) and a single planet of one Jupiter mass, Mondas (the white dot). The light-blue line is the orbit of Mondas. Its semimajor axis is 5.2 AU and its eccentricity is 0, so Mondas moves on a circle of radius 5.2 AU.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At first you see the orbit edge-on, so the circle looks like a straight line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can turn the view to look at the orbit from any direction: drag the mouse across the black pane, or move the &lt;b&gt;Rotate axes &lt;/b&gt;sliders. The &lt;b&gt;Zoom &lt;/b&gt;slider makes the picture larger or smaller.</source>
        <comment>Rotate axes, Zoom: the captions of the view&apos;s sliders</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;Start &lt;/b&gt;button to begin the simulation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The star and Mondas both orbit their common centre of mass, which lies at the origin, where the &lt;i&gt;x, y &lt;/i&gt;and &lt;i&gt;z &lt;/i&gt;axes meet. The star is much heavier than the planet, so its orbit is much smaller.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;NOTE: The star&apos;s motion is always drawn %1 times larger than the planet&apos;s, so that you can see it move.&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observers on Earth are a very long way off along the &lt;i&gt;z &lt;/i&gt;axis. They cannot see the star wobble across the sky; all they can measure is the &lt;i&gt;radial velocity &lt;/i&gt;of the star, &lt;i&gt;v&lt;sub&gt;r&lt;/sub&gt;&lt;/i&gt;, the part of its velocity directed towards or away from them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;The radial velocity is always measured along the &lt;i&gt;z &lt;/i&gt;axis.&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the &lt;b&gt;Velocity vector &lt;/b&gt;check box to show the velocities of the star and the planet as arrows. The length of each arrow is proportional to the speed. The star&apos;s arrow is drawn %1 times longer than the planet&apos;s would be at the same speed.</source>
        <comment>Velocity vector: the caption of the check box</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The graph on the right plots the radial velocity of the star against time. The timescale slider below the graph sets how much time one division of the time axis stands for, as the unit beside the axis says (&lt;i&gt;t&lt;/i&gt; / 1000 days: each division is 1000 days); the graph shows ten divisions. When the curve reaches the end of the displayed time range, the velocity axis is rescaled automatically to fit it; untick &lt;b&gt;Autoscale velocity &lt;/b&gt;to switch this off. The &lt;b&gt;Rescale velocity&lt;/b&gt; button rescales the velocity axis at any time.</source>
        <comment>Autoscale velocity, Rescale velocity: the captions of the check box and the button below the graph</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;What is the orbital period?&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your answer below to 2 sig figs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;When is the star&apos;s radial velocity zero?&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on one of the following answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The view is turned: the axes show apart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the &lt;b&gt;Velocity vector &lt;/b&gt;check box and watch the star&apos;s velocity vector (the green arrow). When the radial velocity is greatest, the arrow is parallel to the &lt;i&gt;z&lt;/i&gt; axis: the star is moving straight towards or away from the Earth. When the radial velocity is zero, the star&apos;s velocity is perpendicular to the &lt;i&gt;z&lt;/i&gt; axis, and the star moves across our line of sight.</source>
        <comment>Velocity vector: the caption of the check box</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You should now see why the radial velocity of the star varies as the planet and the star orbit their centre of mass. Next we investigate how the orientation of the orbit and the other parameters affect the amplitude of the radial velocity curve.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: Your number is 1000 times too small:
read the unit beside the time axis.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: Your number is 1000 times too large:
read the unit beside the time axis.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: Measure between maxima or minima,
and note the scale of the time axis.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: Press &lt;b&gt;Stop&lt;/b&gt; when the graph
crosses zero.</source>
        <comment>Stop: the caption of the button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The period to two sig figs is %1 days.</source>
        <comment>of the orbit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(The precise period is %1 days.)</source>
        <comment>of the orbit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The correct answer is when it crosses the &lt;i&gt;z&lt;/i&gt; axis.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mondas&apos;s period to three figures, %1 days; answers within %2 days count.</source>
        <comment>of the orbit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” (the third choice).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>crosses the x axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>crosses the y axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>crosses the z axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When it...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period of Mondas in days</source>
        <comment>of the orbit</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Chapter 3: One planet</name>
    <message>
        <source>One planet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This section shows what the radial velocity profile of a star can tell us about a single planet orbiting it, and what it cannot. We keep one planet, Mondas, and change its orbit and its mass one parameter at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First we look at how changing the inclination %1 of the orbit changes the amplitude of the radial velocity. %1 is the angle between the line of sight (the &lt;i&gt;z&lt;/i&gt; axis) and the orbit&apos;s normal vector, the arrow drawn at right angles to the orbit in the orbit&apos;s own colour, here light blue.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The orbit starts edge-on, seen from the side: %1 is 90°.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Start&lt;/b&gt;. The masses and the orbit are the same as in the last section, so the radial velocity profile is the same too.</source>
        <comment>Start: the caption of the button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now click &lt;b&gt;Edit parameters&lt;/b&gt; and, in the window that opens, use the slider to change the inclination of the orbit of Mondas to about 30°.</source>
        <comment>Edit parameters: the caption of the button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Sliders will be enabled when you first need them.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amplitude of the radial velocity is reduced: the maxima and minima are smaller. (Automatic rescaling has been turned off so that you can see this.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag the orbit view to look at the orbit from different angles, and notice that the star orbits in the same plane as the planet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now set %1 to zero. The orbit then lies in the plane of the sky, at right angles to the line of sight, and the star&apos;s radial velocity is always zero: the star never moves towards or away from us.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planets whose orbits we see face-on like this cannot be detected by Doppler spectroscopy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Decrease the planet&apos;s mass.
How does the radial velocity
amplitude change?&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A lighter planet pulls less on the star, so the star moves more slowly around the centre of mass and the amplitude of its radial velocity is smaller. A heavier planet gives a larger amplitude.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing the inclination and the mass did not change the period of the radial velocity curve. Now vary the semimajor axis &lt;i&gt;a. &lt;/i&gt;You may need the graph&apos;s scaling controls below to see the whole curve: the timescale slider and the &lt;b&gt;Rescale velocity&lt;/b&gt; button.</source>
        <comment>period of the orbit; Rescale velocity: the caption of the button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The semimajor axis &lt;i&gt;a &lt;/i&gt;affects both the period and the amplitude. A planet with a smaller &lt;i&gt;a &lt;/i&gt;is closer to the star and moves faster, so the amplitude is larger and the period shorter.</source>
        <comment>period of the orbit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now try an eccentricity &lt;i&gt;e &lt;/i&gt;of about 0.5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An ellipse has an eccentricity between 0 (a circle) and 1. On an elliptical orbit the speed is no longer constant, so the radial velocity profile looks skewed. The speed is greatest when the star and the planet are closest together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The period has not changed: it depends on the semimajor axis, not on the eccentricity.</source>
        <comment>period of the orbit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now try altering the angle %1. It rotates the orbit about its normal, turning the ellipse within its own plane. For a circular orbit this does not change the shape of the radial velocity profile, only shifts it in time (the planet starts from another place); for an elliptical orbit it changes the shape itself.</source>
        <comment>%1 is the angle&apos;s symbol, an italic Greek psi</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The azimuth %1 of the orbit rotates the orbit&apos;s normal about the &lt;i&gt;z&lt;/i&gt; axis. The radial velocity profile does not depend on %1 at all, so Doppler spectroscopy tells us nothing about the azimuth of an orbit.</source>
        <comment>%1 is the azimuth&apos;s symbol, an italic Greek phi</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mass of the star can be found by other methods, from its spectrum and its brightness, so we treat it as known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may now vary it as well. The period follows from the star&apos;s mass and the semimajor axis.</source>
        <comment>period of the orbit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So, for one planet: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- the amplitude tells us about the semimajor axis &lt;i&gt;a, &lt;/i&gt;the inclination %1 and the planet&apos;s mass &lt;i&gt;m.&lt;/i&gt;</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- the period determines the semimajor axis.</source>
        <comment>period of the orbit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- the shape of the profile determines the eccentricity &lt;i&gt;e.&lt;/i&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conclusions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With one planet, the semimajor axis &lt;i&gt;a&lt;/i&gt; and the eccentricity &lt;i&gt;e&lt;/i&gt; follow from the radial velocity profile. But the amplitude depends on both the mass &lt;i&gt;m&lt;/i&gt; and the inclination %1, so the two cannot be found separately: the best we can find is %2.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i; %2 the product m sin i</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make sure %1 is not zero.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radial velocity amplitude &lt;i&gt;decreases&lt;/i&gt; as the planet&apos;s mass is decreased.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” (the first choice).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it decreases</source>
        <comment>the radial velocity amplitude</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it increases</source>
        <comment>the radial velocity amplitude</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it does not change</source>
        <comment>the radial velocity amplitude</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Chapter 4: Two planets</name>
    <message>
        <source>Parameter</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two planets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working out the orbits when more than one planet circles a star is a problem that real planet hunters face. Here a second planet, Vulcan, joins Mondas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click &lt;b&gt;Start&lt;/b&gt; to see why it is a problem.</source>
        <comment>Start: the caption of the button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radial velocity profile is now much more complicated. Each planet has a fixed period, but their combined effect does not repeat itself after any fixed time: the profile is not periodic.</source>
        <comment>period of an orbit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can see at once, though, that there is more than one planet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;The orbits now have very different
semimajor axes. What are the periods?&lt;/b&gt;</source>
        <comment>periods of the orbits</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The timescale is now set to 1000 days. On this scale the period of Vulcan is clear, but that of Mondas is not.</source>
        <comment>period of an orbit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The timescale is now set to 10000 days. Now the much longer period of Mondas shows, with the shorter variations of Vulcan superimposed on it.</source>
        <comment>period of an orbit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;One parameter has been changed from
the last page. From the radial velocity
profile alone, what parameter(s) could have been changed? (Animation has been disabled.)&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The animation shows that the yellow orbit of Vulcan is now greatly inclined: it is only 10° from face-on. The radial velocity alone did not reveal this.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the &lt;b&gt;Edit parameters&lt;/b&gt; window choose Vulcan, then try setting %1 to 90° and the mass to 0.17 Jupiter masses. The graph should look the same.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i; Edit parameters: the caption of the button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are two lessons here. Even when several planets orbit a star, their properties can still be worked out, because their periods are different. But the mass of a planet and the inclination of its orbit cannot be determined separately.</source>
        <comment>periods of the orbits</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Astronomers find the planets&apos; parameters from the radial velocity profile by an automated trial-and-error procedure called &lt;i&gt;fitting&lt;/i&gt;. It fits %1 as one parameter. The number of planets can itself be fitted, although it is often guessed from the profile.</source>
        <comment>%1 is the product m sin i</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a parameter and a planet from the lists first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a parameter from the list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a planet from the list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: Try the largest timescale for Mondas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: Compare the graph with the one on
the previous page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The periods are %1 and %2 days.</source>
        <comment>periods of the orbits</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The correct answer is the &lt;i&gt;inclination or
mass of Vulcan.&lt;/i&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mondas %1 days (within %2 days) and Vulcan %3 days (within %4 whole days), each to three figures.</source>
        <comment>periods of the orbits</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>planet “%1”, parameter “%2”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days (largest timescale)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>semimajor axis</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eccentricity</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inclination</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orbit azimuth</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mass</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inclination or mass</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eccentricity or mass</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of</source>
        <comment>the parameter of the planet</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Chapter 5: Free experiment</name>
    <message>
        <source>Free experiment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are now free to experiment with all the parameters of all three planets. The following pages suggest a few interesting investigations.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suppose you have daily access to a telescope for a year, and its spectrometer cannot measure the wavelength shifts of radial velocities below 10 m s⁻¹.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;What restrictions does that place on the planets that you can discover?&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconstruct reality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the planets the parameters of a real system, and you will see the work planet hunters do.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the card &lt;b&gt;Real planetary systems&lt;/b&gt; from the &lt;b&gt;Tools&lt;/b&gt; menu, choose a system and press &lt;b&gt;Set up&lt;/b&gt;. Or set them yourself: %1 = 90° and &lt;i&gt;m&lt;/i&gt; to the given %2. Set up shortens the velocity arrows to fit the view; the star&apos;s is %3 times a planet&apos;s at the same speed.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i; %2 the product m sin i; %3 a whole number. Real planetary systems, Tools, Set up: the names of the card, the menu and the card&apos;s button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Challenge other students</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a planetary system of your own, then print its velocity curve with &lt;b&gt;Print&lt;/b&gt; in the File menu to send to other students. Can they discover the parameters you chose? &lt;b&gt;Save system&lt;/b&gt; in the File menu keeps your system, so that &lt;b&gt;Open system&lt;/b&gt; can show them the answer later.</source>
        <comment>Print, File, Save system, Open system: the names of the menu and its entries</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: the &lt;b&gt;Zoom&lt;/b&gt; slider can hide the animation graphics.</source>
        <comment>Zoom: the caption of the view&apos;s slider</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Chapter window</name>
    <message>
        <source>Page text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback</source>
        <comment>on the answer to a question</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <comment>closes the feedback</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Contents</name>
    <message>
        <source>Doppler Spectroscopy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;1 Doppler spectroscopy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Simulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;2 The simulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One planet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;3 One planet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two planets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;4 Two planets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free experiment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;5 Free experiment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finding a planet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;6 Finding a planet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapter %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Data files</name>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>How to use this book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The book is read page by page. The &lt;b&gt;Section&lt;/b&gt; menu&apos;s &lt;b&gt;Contents&lt;/b&gt; lists the chapters; choose one to open it at its first page. The arrows below a page, or the page keys, turn the pages. Where a page asks a question, answer it and press &lt;b&gt;Done&lt;/b&gt;: the feedback opens with &amp;#x2713; when the answer is right and &amp;#x2717; when it is not, and &lt;b&gt;OK&lt;/b&gt; closes it. Some pages lead on only once their question is answered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The simulation pages show the star and its planets on their orbits above the star&apos;s radial velocity. &lt;b&gt;Start&lt;/b&gt;, &lt;b&gt;Stop&lt;/b&gt; and &lt;b&gt;Reset&lt;/b&gt; run it, &lt;b&gt;Edit parameters&lt;/b&gt; changes the planets, and the sliders turn the view and set the timescale. The &lt;b&gt;Tools&lt;/b&gt; menu opens the calculator, the spectrum, the real planetary systems and the observing run; &lt;b&gt;File, Save picture&lt;/b&gt; saves a picture the page shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Page Down&lt;/b&gt; or &lt;b&gt;Alt+Right&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Page Up&lt;/b&gt; or &lt;b&gt;Alt+Left&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A slider, list or scrolling text with the focus takes Page Up and Page Down for itself; Alt+Right and Alt+Left turn the page from anywhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Tab&lt;/b&gt;, &lt;b&gt;Shift+Tab&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next, previous control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Space&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press the button or tick the box with the focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Enter&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press a dialog&apos;s default button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Left&lt;/b&gt;, &lt;b&gt;Right&lt;/b&gt; (or &lt;b&gt;Up&lt;/b&gt;, &lt;b&gt;Down&lt;/b&gt;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move a slider a step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Page Up&lt;/b&gt;, &lt;b&gt;Page Down&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move a slider a large step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Home&lt;/b&gt;, &lt;b&gt;End&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move a slider to its ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+Plus&lt;/b&gt;, &lt;b&gt;Ctrl+Minus&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in, out (the book reopens at the new zoom)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+0&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom to 100 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Alt&lt;/b&gt; with a menu&apos;s underlined letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open that menu: File, View, Section, Tools, Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Esc&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close a dialog without its changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With &lt;b&gt;Help, Accessibility&lt;/b&gt;&apos;s screen reader option, Tab also stops at the page&apos;s text and its feedback.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys and how to use this book</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Planet parameters</name>
    <message>
        <source>semi-major axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi-major axis a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The size of the orbit: half its longest diameter, from 0.01 to 100 AU.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eccentricity e</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far the orbit is from a circle: 0 is a circle, near 1 a long, thin ellipse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbit Inclination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inclination i</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The angle between the line of sight and the orbit&apos;s normal: 90° is edge-on, 0° face-on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbit Azimuth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azimuth φ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>φ turns the plane of the orbit about the line of sight.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orientation of the ellipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orientation ψ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ψ turns the ellipse within its own plane.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planet Mass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planet mass m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The planet&apos;s mass, from 0.01 to 10 Jupiter masses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star Mass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star mass ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The star&apos;s mass, from 0.1 to 100 solar masses.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Please type a valid number!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <comment>the button that hands in an answer</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Real planetary systems</name>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star mass
(solar)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P (days)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K (m/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ω (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m sin i
(Jupiter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a (AU)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Sun, seen from afar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first planet found around a Sun-like star: a giant closer to its star than Mercury.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mass with which Butler et al. 2006&apos;s K gives their m sin i (mass function); the 1.11 of later catalogues gives K 1.1 % below theirs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Butler et al. 2006, table of orbital solutions, columns P, K, e, ω, M sin i; all five confirmed against copies of that row (ω = 58°, 1.012291 rad)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A heavy planet on a clearly eccentric orbit: the curve is no longer a sine wave.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kane et al. 2015&apos;s stellar table; its K and m sin i agree with it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kane et al. 2015, table of the Keplerian orbit, columns P, K, e, ω, M sin i; not confirmed against a copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A very eccentric orbit: the velocity hardly changes for weeks, then swings in days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hébrard et al. 2010&apos;s stellar parameters; not confirmed against a copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hébrard et al. 2010, table of fitted and derived parameters, columns P, K, e, ω, M_p; ω = 300.8° as a copy of that solution gives it (the 300.651° the card had is not in it); P, e, K and M_p not confirmed against a copy of the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two giants on nearly circular orbits of years, like Jupiter and Saturn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gregory &amp; Fischer 2010; its K and m sin i agree with it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gregory &amp; Fischer 2010, table of the two-planet solution, columns P, K, e, ω, M sin i; not confirmed against a copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gregory &amp; Fischer 2010, table of the two-planet solution, columns P, e, ω, M sin i; K computed; not confirmed against a copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first system of several planets found around a Sun-like star this way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>McArthur et al. 2010, the primary&apos;s mass M★ = 1.31 their masses are computed with (confirmed against the catalogue&apos;s abstract)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>McArthur et al. 2010, table of the orbital solution, columns P, K, e, ω, M sin i; ω = 44° from a catalogue copy of that solution, the rest not confirmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>McArthur et al. 2010, table of the orbital solution, columns P, K, e, ω, M sin i; not confirmed against a copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>McArthur et al. 2010, table of the orbital solution, columns P, K, e, ω, M sin i; P and e confirmed against an encyclopaedia copy citing it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two giants in a 2:1 resonance pull each other round: no fixed orbit follows them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rivera et al. 2010, the star&apos;s mass their planets&apos; masses are computed with; not confirmed against a copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rivera et al. 2010, table of the coplanar four-planet fit, columns P, K, e, ω and the mass (6.83 Earth masses); m sin i computed at i = 59°; P, e, ω and the mass confirmed against an encyclopaedia copy citing it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rivera et al. 2010, table of the coplanar four-planet fit, columns P, K, e, ω and the mass (0.7142 Jupiter masses); m sin i computed at i = 59°; all five confirmed against an encyclopaedia copy citing it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rivera et al. 2010, table of the coplanar four-planet fit, columns P, K, e, ω and the mass (2.2756 Jupiter masses); m sin i computed at i = 59°; P, e and the mass confirmed against an encyclopaedia copy citing it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What our own Jupiter does to the Sun: about 12 m/s, repeating every twelve years.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Sun&apos;s mass, by definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the fact sheet&apos;s columns sidereal period, eccentricity and mass, confirmed against its current values; K computed; ω left undefined, as it depends on where the Sun is seen from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a system, then press Set up: its planets replace those of the simulation, seen edge-on, with m = m sin i and the published ω.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here the card is for reading. In the chapter &quot;Free experiment&quot;, Set up puts the chosen system into the simulation.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Save picture</name>
    <message>
        <source>picture</source>
        <comment>a file name</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture was not saved: the SVG could not be begun.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture was not saved: it could not be written as PNG.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture was not saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save pic&amp;ture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No picture shown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Simulation</name>
    <message>
        <source>The file cannot be used: its time scale position %1 lies outside %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be used: its zoom position %1 lies outside %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be used: its tilt position %1 lies outside %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be used: its turn position %1 lies outside %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Simulation window</name>
    <message>
        <source>Rotate axes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <comment>of the view</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tilt of the view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tilts the view from looking along the line of sight (0°) to looking down on the sky (90°).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn of the view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turns the view about the vertical axis.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom of the view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brings the view closer (up) or farther (down).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radial velocity graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The star&apos;s radial velocity against time, drawn as the simulation runs; the titles beside it give the units of both axes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timescale (days)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The simulated days per tick, from 0.1 to 10 000: also the span of the graph.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 days</source>
        <comment>a number of simulated days per tick</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autoscale velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rescale velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rescales the velocity axis so that the largest speed of the curve shown fills it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radial velocity v r, in 10 to the power %1 metres per second</source>
        <comment>the velocity axis&apos;s title as a screen reader reads it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbit view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The star and its planets on their orbits; drag to turn the view.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbits</source>
        <comment>the check box that draws the orbits</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity vector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <comment>the simulation</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>the simulation</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>the simulation</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit parameters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Spectrum window</name>
    <message>
        <source>%1: %2</source>
        <comment>a readout&apos;s caption and its value, as a screen reader says them</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While a simulation runs, the lines here swing to the red and to the blue as the star&apos;s radial velocity changes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have now reached the end of this program. You can return to any section by choosing the appropriate section from the &lt;b&gt;Section&lt;/b&gt; menu, otherwise exit the program from the &lt;b&gt;File&lt;/b&gt; menu.</source>
        <comment>Section and File: the book window&apos;s menus, named as the menus name them</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Teacher&apos;s guide</name>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;to predict, then check, how each element of up to three planets shapes the star&apos;s velocity curve; to set up a real system from the card and compare it with its published curve.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that the curves of several planets cannot be told apart; that a face-on orbit still shows a signal. The chapter asks no questions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 45 minutes. Prerequisites: chapters 3 and 4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;give each pair one system from Tools, Real planetary systems, and a table of its elements to fill in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;page 4 in pairs: each builds a system, prints its curve and the other finds its period, K and m sin i.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Answers to the investigations: &lt;/b&gt;page 2: a semi-amplitude K of at least 10 m/s, K ≈ 28.4 m/s (m sin i / 1 Jupiter mass) (P / 1 year)^(−1/3) for a Sun-like star on a circular orbit, needs m sin i of at least 0.35 Jupiter masses at a period of a year but only 0.08 (about 25 Earth masses) at 4 days, and a year of nights shows periods up to about a year, at least one whole orbit; so heavy planets close to their stars are found first, an Earth at 1 AU (0.09 m/s) not at all, and an orbit seen nearly face-on (small sin i) hides any planet. Page 3: the curve set up from the card has the published period and semi-amplitude. Page 4: the answers are the system the student saved with File, Save system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;the Doppler effect of light; that a star and its planet orbit their common centre of mass, so an unseen planet shows in the periodic shift of its star&apos;s lines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that the planet is seen or its own light measured; that the star stands still while the planet orbits it; that a shift to the red means a redder star.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 20 minutes. Prerequisites: waves, wavelength and frequency.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;first let the class hear the Doppler effect of sound: a siren or a phone on a string passing by.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;how far does a speed of 10 m/s shift a line at 500 nm? (λ v / c = 1.7 × 10⁻⁵ nm.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;how the planet&apos;s mass, the size and shape of its orbit and the orbit&apos;s tilt change the amplitude and shape of the velocity curve; that only m sin i can be measured.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that a heavier planet gives a longer period; that a face-on orbit shows its full signal; that an eccentric orbit&apos;s curve is a sine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 40 minutes. Prerequisites: chapters 1 and 2; Kepler&apos;s third law.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;change one slider at a time, and sketch the curve before and after each change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;predict what doubling the planet&apos;s mass does to the curve&apos;s height, then check it (it doubles).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;to read the orbit view and the velocity graph together: the period from the graph, and when the radial velocity is zero or greatest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that the velocity is greatest when the star is farthest from us (it is zero there); that the graph&apos;s time axis is the same at every timescale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 30 minutes. Prerequisites: chapter 1; reading the period off a repeating graph.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;stop the simulation at each quarter of the orbit and mark on the graph where the star is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;why is the radial velocity zero when the star is nearest to us or farthest from us?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;5 minutes, to close the course.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Collecting the work: &lt;/b&gt;File, My answers shows each student&apos;s name, the seed of chapter 6 and every answer given, with its attempts and verdict, and prints it to paper or a PDF file to hand in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;to untangle a velocity curve made by two planets: each period from the timescale that shows it, and which element of a planet changed the curve.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that the curve of two planets repeats with either period; that the inclination and the mass of a planet can be told apart from the velocity alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 40 minutes. Prerequisites: chapter 3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;give one planet its least mass first, so that the other planet&apos;s curve shows alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;find two periods for which the curve of both planets repeats (their ratio a fraction of small whole numbers), and say after how long.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Velocity graph</name>
    <message>
        <source>days</source>
        <comment>the unit of the time axis</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 days</source>
        <comment>one division of the time axis</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
