<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Doppler spectroscopy</source>
        <translation>Doppler-Spektroskopie</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Doppler spectroscopy book authors</source>
        <translation>Copyright © 2026 Die Autoren des Buchs Doppler-Spektroskopie</translation>
    </message>
    <message>
        <source>Acknowledgements and copyright</source>
        <translation>Dank und Urheberrecht</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Published measurements</source>
        <translation>Veröffentlichte Messungen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Urheberrecht</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Dank</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
</context>
<context>
    <name>Accessibility options</name>
    <message>
        <source>Kept settings forgotten</source>
        <translation>Gespeicherte Einstellungen vergessen</translation>
    </message>
    <message>
        <source>Accessibility options</source>
        <translation>Barrierefreiheit</translation>
    </message>
    <message>
        <source>About these options</source>
        <translation>Über diese Einstellungen</translation>
    </message>
    <message>
        <source>Use system colours</source>
        <translation>Farben des Systems verwenden</translation>
    </message>
    <message>
        <source>Include support for screen reader users</source>
        <translation>Bildschirmleser unterstützen</translation>
    </message>
    <message>
        <source>&amp;Forget kept settings</source>
        <translation>Gespeicherte Einstellungen &amp;vergessen</translation>
    </message>
    <message>
        <source>Deletes the book&apos;s settings file; the book then keeps nothing when it closes.</source>
        <translation>Löscht die Einstellungsdatei des Buchs; beim Schließen speichert das Buch dann nichts.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Book window</name>
    <message>
        <source>&amp;Fit to screen (%1 %)</source>
        <translation>&amp;An Bildschirm anpassen (%1 %)</translation>
    </message>
    <message>
        <source>Click |Return to previous section</source>
        <translation>Klicken |Zurück zum vorigen Abschnitt</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print &amp;chapter text...</source>
        <translation>&amp;Kapiteltext drucken...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Fit to screen</source>
        <translation>&amp;An Bildschirm anpassen</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;Section</source>
        <translation>Ab&amp;schnitt</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Taschenrechner</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Accessibility...</source>
        <translation>&amp;Barrierefreiheit...</translation>
    </message>
    <message>
        <source>A&amp;bout...</source>
        <translation>Ü&amp;ber das Buch...</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Click or press Enter to begin</source>
        <translation>Klicken oder die Eingabetaste drücken, um zu beginnen</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Taschenrechner</translation>
    </message>
    <message>
        <source>&amp;Open system...</source>
        <translation>System ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save system...</source>
        <translation>System &amp;speichern...</translation>
    </message>
    <message>
        <source>My &amp;answers...</source>
        <translation>&amp;Meine Antworten...</translation>
    </message>
    <message>
        <source>&amp;Export measurements...</source>
        <translation>Messungen &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Spectrum</source>
        <translation>&amp;Spektrum</translation>
    </message>
    <message>
        <source>&amp;Real planetary systems</source>
        <translation>&amp;Echte Planetensysteme</translation>
    </message>
    <message>
        <source>&amp;Observing run</source>
        <translation>&amp;Beobachtungskampagne</translation>
    </message>
    <message>
        <source>&amp;Keys and how to use this book...</source>
        <translation>&amp;Tasten und Gebrauch des Buchs...</translation>
    </message>
    <message>
        <source>A&amp;ccessibility...</source>
        <translation>&amp;Barrierefreiheit...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber das Buch...</translation>
    </message>
    <message>
        <source>Doppler spectroscopy</source>
        <translation>Doppler-Spektroskopie</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>You cannot divide by zero.</source>
        <translation>Durch null kann man nicht teilen.</translation>
    </message>
    <message>
        <source>A closing bracket ) is missing.</source>
        <translation>Eine schließende Klammer ) fehlt.</translation>
    </message>
    <message>
        <source>There is a ) without its opening bracket (.</source>
        <translation>Da steht eine ) ohne ihre öffnende Klammer (.</translation>
    </message>
    <message>
        <source>A number is missing after an operator or inside brackets.</source>
        <translation>Nach einem Rechenzeichen oder in einer Klammer fehlt eine Zahl.</translation>
    </message>
    <message>
        <source>An operator such as + or * is missing between two numbers.</source>
        <translation>Zwischen zwei Zahlen fehlt ein Rechenzeichen wie + oder *.</translation>
    </message>
    <message>
        <source>The expression has a word or sign the calculator does not know.</source>
        <translation>Der Ausdruck enthält ein Wort oder Zeichen, das der Taschenrechner nicht kennt.</translation>
    </message>
    <message>
        <source>A number is not written as a number.</source>
        <translation>Eine Zahl ist nicht als Zahl geschrieben.</translation>
    </message>
    <message>
        <source>Put a function&apos;s number in brackets, as in sin(30).</source>
        <translation>Setze die Zahl einer Funktion in Klammern, wie in sin(30).</translation>
    </message>
    <message>
        <source>! takes only whole numbers from 0 up.</source>
        <translation>! nimmt nur ganze Zahlen ab 0.</translation>
    </message>
    <message>
        <source>ln(0) and the ln of a negative number are undefined.</source>
        <translation>ln(0) und der ln einer negativen Zahl sind nicht definiert.</translation>
    </message>
    <message>
        <source>log10(0) and the log10 of a negative number are undefined.</source>
        <translation>log10(0) und der log10 einer negativen Zahl sind nicht definiert.</translation>
    </message>
    <message>
        <source>A negative number has no square root.</source>
        <translation>Eine negative Zahl hat keine Quadratwurzel.</translation>
    </message>
    <message>
        <source>asin takes only numbers from -1 to 1.</source>
        <translation>asin nimmt nur Zahlen von -1 bis 1.</translation>
    </message>
    <message>
        <source>acos takes only numbers from -1 to 1.</source>
        <translation>acos nimmt nur Zahlen von -1 bis 1.</translation>
    </message>
    <message>
        <source>tan is undefined there: the angle is an odd multiple of 90°.</source>
        <translation>tan ist dort nicht definiert: Der Winkel ist ein ungerades Vielfaches von 90°.</translation>
    </message>
    <message>
        <source>A negative number cannot be raised to a fractional power.</source>
        <translation>Eine negative Zahl kann nicht mit einem gebrochenen Exponenten potenziert werden.</translation>
    </message>
    <message>
        <source>0 cannot be raised to a negative power.</source>
        <translation>0 kann nicht mit einem negativen Exponenten potenziert werden.</translation>
    </message>
    <message>
        <source>The result is too large for the calculator.</source>
        <translation>Das Ergebnis ist zu groß für den Taschenrechner.</translation>
    </message>
</context>
<context>
    <name>Chapter 1: Doppler spectroscopy</name>
    <message>
        <source>Doppler spectroscopy</source>
        <translation>Doppler-Spektroskopie</translation>
    </message>
    <message>
        <source>Light and other radiation from a moving object, such as a star, is shifted in wavelength. When the star moves away from us its light is stretched to longer, redder wavelengths; when it approaches, the light is compressed to shorter, bluer wavelengths. The size of the shift is proportional to the star&apos;s &lt;b&gt;radial velocity&lt;/b&gt; (&lt;i&gt;v&lt;sub&gt;r&lt;/sub&gt;&lt;/i&gt;) the speed at which the star is moving towards or away from the observer. This kind of shift in wavelength is known as the &lt;b&gt;Doppler effect.&lt;/b&gt;</source>
        <translation>Licht und andere Strahlung eines bewegten Objekts, etwa eines Sterns, ist in der Wellenlänge verschoben. Bewegt sich der Stern von uns weg, wird sein Licht zu längeren, röteren Wellenlängen gedehnt; kommt er auf uns zu, wird das Licht zu kürzeren, blaueren Wellenlängen gestaucht. Die Größe der Verschiebung ist proportional zur &lt;b&gt;Radialgeschwindigkeit&lt;/b&gt; (&lt;i&gt;v&lt;sub&gt;r&lt;/sub&gt;&lt;/i&gt;) des Sterns, also der Geschwindigkeit, mit der sich der Stern auf den Beobachter zu oder von ihm weg bewegt. Diese Art der Wellenlängenverschiebung heißt &lt;b&gt;Doppler-Effekt.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Modern instruments measure the wavelength of a line in a star&apos;s spectrum very precisely. Comparing it with the wavelength of the same line measured in the laboratory gives the star&apos;s radial velocity. Once the effects of the Earth&apos;s own orbit around the Sun and of the star&apos;s steady motion through space are removed, any periodic variation that remains means the star is orbiting with an unseen companion. The companion is often another star, but sometimes it is a planet. This way of finding unseen companions is often called&lt;b&gt; Doppler spectroscopy.&lt;/b&gt;</source>
        <translation>Moderne Instrumente messen die Wellenlänge einer Linie im Spektrum eines Sterns sehr genau. Vergleicht man sie mit der Wellenlänge derselben Linie, gemessen im Labor, erhält man die Radialgeschwindigkeit des Sterns. Sind die Einflüsse der Bahn der Erde um die Sonne und der gleichmäßigen Bewegung des Sterns durch den Raum herausgerechnet, so bedeutet jede verbleibende periodische Schwankung, dass der Stern mit einem unsichtbaren Begleiter umläuft. Der Begleiter ist oft ein anderer Stern, manchmal aber ein Planet. Diese Methode, unsichtbare Begleiter zu finden, nennt man oft&lt;b&gt; Doppler-Spektroskopie.&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>Chapter 2: The simulation</name>
    <message>
        <source>The simulation</source>
        <translation>Die Simulation</translation>
    </message>
    <message>
        <source>We start with a simple system: a star of one solar mass (the yellow dot) and a single planet of one Jupiter mass, Mondas (the white dot). The light-blue line is the orbit of Mondas. Its semimajor axis is 5.2 AU and its eccentricity is 0, so Mondas moves on a circle of radius 5.2 AU.</source>
        <translation>Wir beginnen mit einem einfachen System: einem Stern von einer Sonnenmasse (der gelbe Punkt) und einem einzigen Planeten von einer Jupitermasse, Mondas (der weiße Punkt). Die hellblaue Linie ist die Bahn von Mondas. Ihre große Halbachse beträgt 5,2 AU und ihre Exzentrizität 0, also bewegt sich Mondas auf einem Kreis mit dem Radius 5,2 AU.</translation>
    </message>
    <message>
        <source>At first you see the orbit edge-on, so the circle looks like a straight line.</source>
        <translation>Zuerst siehst du die Bahn genau von der Kante, deshalb sieht der Kreis wie eine gerade Linie aus.</translation>
    </message>
    <message>
        <source>You can turn the view to look at the orbit from any direction: drag the mouse across the black pane, or move the &lt;b&gt;Rotate axes &lt;/b&gt;sliders. The &lt;b&gt;Zoom &lt;/b&gt;slider makes the picture larger or smaller.</source>
        <comment>Rotate axes, Zoom: the captions of the view&apos;s sliders</comment>
        <translation>Du kannst die Ansicht drehen und die Bahn aus jeder Richtung betrachten: Ziehe die Maus über das schwarze Feld oder bewege die Schieberegler &lt;b&gt;Achsen drehen&lt;/b&gt;. Der Schieberegler &lt;b&gt;Zoom &lt;/b&gt;macht das Bild größer oder kleiner.</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;Start &lt;/b&gt;button to begin the simulation.</source>
        <translation>Klicke auf die Schaltfläche &lt;b&gt;Start&lt;/b&gt;, um die Simulation zu beginnen.</translation>
    </message>
    <message>
        <source>The star and Mondas both orbit their common centre of mass, which lies at the origin, where the &lt;i&gt;x, y &lt;/i&gt;and &lt;i&gt;z &lt;/i&gt;axes meet. The star is much heavier than the planet, so its orbit is much smaller.</source>
        <translation>Der Stern und Mondas umlaufen beide ihren gemeinsamen Schwerpunkt, der im Ursprung liegt, wo sich die &lt;i&gt;x-, y-&lt;/i&gt; und &lt;i&gt;z&lt;/i&gt;-Achse treffen. Der Stern ist viel schwerer als der Planet, deshalb ist seine Bahn viel kleiner.</translation>
    </message>
    <message>
        <source>&lt;b&gt;NOTE: The star&apos;s motion is always drawn %1 times larger than the planet&apos;s, so that you can see it move.&lt;/b&gt;</source>
        <translation>&lt;b&gt;HINWEIS: Die Bewegung des Sterns wird immer %1-mal größer gezeichnet als die des Planeten, damit du sie sehen kannst.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Observers on Earth are a very long way off along the &lt;i&gt;z &lt;/i&gt;axis. They cannot see the star wobble across the sky; all they can measure is the &lt;i&gt;radial velocity &lt;/i&gt;of the star, &lt;i&gt;v&lt;sub&gt;r&lt;/sub&gt;&lt;/i&gt;, the part of its velocity directed towards or away from them.</source>
        <translation>Beobachter auf der Erde befinden sich sehr weit entfernt entlang der &lt;i&gt;z&lt;/i&gt;-Achse. Sie können nicht sehen, wie der Stern am Himmel hin und her wackelt; sie können nur die &lt;i&gt;Radialgeschwindigkeit&lt;/i&gt; des Sterns messen, &lt;i&gt;v&lt;sub&gt;r&lt;/sub&gt;&lt;/i&gt;, also den Teil seiner Geschwindigkeit, der auf sie zu oder von ihnen weg gerichtet ist.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The radial velocity is always measured along the &lt;i&gt;z &lt;/i&gt;axis.&lt;/b&gt;</source>
        <translation>&lt;b&gt;Die Radialgeschwindigkeit wird immer entlang der &lt;i&gt;z&lt;/i&gt;-Achse gemessen.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Tick the &lt;b&gt;Velocity vector &lt;/b&gt;check box to show the velocities of the star and the planet as arrows. The length of each arrow is proportional to the speed. The star&apos;s arrow is drawn %1 times longer than the planet&apos;s would be at the same speed.</source>
        <comment>Velocity vector: the caption of the check box</comment>
        <translation>Kreuze das Kontrollkästchen &lt;b&gt;Geschwindigkeit&lt;/b&gt; an, um die Geschwindigkeiten des Sterns und des Planeten als Pfeile zu zeigen. Die Länge jedes Pfeils ist proportional zum Betrag der Geschwindigkeit. Der Pfeil des Sterns wird %1-mal länger gezeichnet, als der des Planeten bei gleicher Geschwindigkeit wäre.</translation>
    </message>
    <message>
        <source>The graph on the right plots the radial velocity of the star against time. The timescale slider below the graph sets how much time one division of the time axis stands for, as the unit beside the axis says (&lt;i&gt;t&lt;/i&gt; / 1000 days: each division is 1000 days); the graph shows ten divisions. When the curve reaches the end of the displayed time range, the velocity axis is rescaled automatically to fit it; untick &lt;b&gt;Autoscale velocity &lt;/b&gt;to switch this off. The &lt;b&gt;Rescale velocity&lt;/b&gt; button rescales the velocity axis at any time.</source>
        <comment>Autoscale velocity, Rescale velocity: the captions of the check box and the button below the graph</comment>
        <translation>Das Diagramm rechts zeigt die Radialgeschwindigkeit des Sterns über der Zeit. Der Zeitmaßstab-Regler unter dem Diagramm legt fest, wie viel Zeit ein Teilstrich der Zeitachse bedeutet, wie die Einheit neben der Achse angibt (&lt;i&gt;t&lt;/i&gt; / 1000 Tage: Jeder Teilstrich sind 1000 Tage); das Diagramm zeigt zehn Teilstriche. Erreicht die Kurve das Ende des angezeigten Zeitbereichs, wird die Geschwindigkeitsachse automatisch passend neu skaliert; entferne das Häkchen bei &lt;b&gt;Auto-Skalierung&lt;/b&gt;, um das abzuschalten. Die Schaltfläche &lt;b&gt;Neu skalieren&lt;/b&gt; skaliert die Geschwindigkeitsachse jederzeit neu.</translation>
    </message>
    <message>
        <source>&lt;b&gt;What is the orbital period?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Wie groß ist die Umlaufzeit?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Enter your answer below to 2 sig figs.</source>
        <translation>Antworte unten auf 2 signifikante Stellen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;When is the star&apos;s radial velocity zero?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Wann ist die Radialgeschwindigkeit
des Sterns null?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Click on one of the following answers.</source>
        <translation>Klicke auf eine der folgenden Antworten.</translation>
    </message>
    <message>
        <source>The view is turned: the axes show apart.</source>
        <translation>Die Ansicht ist gedreht:
Die Achsen sind einzeln zu sehen.</translation>
    </message>
    <message>
        <source>Tick the &lt;b&gt;Velocity vector &lt;/b&gt;check box and watch the star&apos;s velocity vector (the green arrow). When the radial velocity is greatest, the arrow is parallel to the &lt;i&gt;z&lt;/i&gt; axis: the star is moving straight towards or away from the Earth. When the radial velocity is zero, the star&apos;s velocity is perpendicular to the &lt;i&gt;z&lt;/i&gt; axis, and the star moves across our line of sight.</source>
        <comment>Velocity vector: the caption of the check box</comment>
        <translation>Kreuze das Kontrollkästchen &lt;b&gt;Geschwindigkeit&lt;/b&gt; an und beobachte den Geschwindigkeitsvektor des Sterns (den grünen Pfeil). Wenn die Radialgeschwindigkeit am größten ist, ist der Pfeil parallel zur &lt;i&gt;z&lt;/i&gt;-Achse: Der Stern bewegt sich genau auf die Erde zu oder von ihr weg. Wenn die Radialgeschwindigkeit null ist, steht die Geschwindigkeit des Sterns senkrecht zur &lt;i&gt;z&lt;/i&gt;-Achse, und der Stern bewegt sich quer zu unserer Sichtlinie.</translation>
    </message>
    <message>
        <source>You should now see why the radial velocity of the star varies as the planet and the star orbit their centre of mass. Next we investigate how the orientation of the orbit and the other parameters affect the amplitude of the radial velocity curve.</source>
        <translation>Jetzt solltest du verstehen, warum sich die Radialgeschwindigkeit des Sterns ändert, während Planet und Stern ihren Schwerpunkt umlaufen. Als Nächstes untersuchen wir, wie die Lage der Bahn und die anderen Parameter die Amplitude der Radialgeschwindigkeitskurve beeinflussen.</translation>
    </message>
    <message>
        <source>Hint: Your number is 1000 times too small:
read the unit beside the time axis.</source>
        <translation>Tipp: Deine Zahl ist 1000-mal zu klein:
Lies die Einheit neben der Zeitachse.</translation>
    </message>
    <message>
        <source>Hint: Your number is 1000 times too large:
read the unit beside the time axis.</source>
        <translation>Tipp: Deine Zahl ist 1000-mal zu groß:
Lies die Einheit neben der Zeitachse.</translation>
    </message>
    <message>
        <source>Hint: Measure between maxima or minima,
and note the scale of the time axis.</source>
        <translation>Tipp: Miss zwischen Maxima oder Minima
und achte auf den Maßstab der Zeitachse.</translation>
    </message>
    <message>
        <source>Hint: Press &lt;b&gt;Stop&lt;/b&gt; when the graph
crosses zero.</source>
        <comment>Stop: the caption of the button</comment>
        <translation>Tipp: Drücke &lt;b&gt;Stopp&lt;/b&gt;, wenn die Kurve
die Null kreuzt.</translation>
    </message>
    <message>
        <source>The period to two sig figs is %1 days.</source>
        <comment>of the orbit</comment>
        <translation>Die Umlaufzeit auf zwei signifikante Stellen beträgt %1 Tage.</translation>
    </message>
    <message>
        <source>(The precise period is %1 days.)</source>
        <comment>of the orbit</comment>
        <translation>(Die genaue Umlaufzeit beträgt %1 Tage.)</translation>
    </message>
    <message>
        <source>The correct answer is when it crosses the &lt;i&gt;z&lt;/i&gt; axis.</source>
        <translation>Richtig ist: wenn er die &lt;i&gt;z&lt;/i&gt;-Achse kreuzt.</translation>
    </message>
    <message>
        <source>Mondas&apos;s period to three figures, %1 days; answers within %2 days count.</source>
        <comment>of the orbit</comment>
        <translation>Umlaufzeit von Mondas auf drei Stellen: %1 Tage; Antworten, die höchstens %2 Tage abweichen, zählen.</translation>
    </message>
    <message>
        <source>“%1” (the third choice).</source>
        <translation>„%1“ (die dritte Antwort).</translation>
    </message>
    <message>
        <source>crosses the x axis</source>
        <translation>die x-Achse kreuzt</translation>
    </message>
    <message>
        <source>crosses the y axis</source>
        <translation>die y-Achse kreuzt</translation>
    </message>
    <message>
        <source>crosses the z axis</source>
        <translation>die z-Achse kreuzt</translation>
    </message>
    <message>
        <source>When it...</source>
        <translation>Wenn er...</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Period of Mondas in days</source>
        <comment>of the orbit</comment>
        <translation>Umlaufzeit von Mondas in Tagen</translation>
    </message>
</context>
<context>
    <name>Chapter 3: One planet</name>
    <message>
        <source>One planet</source>
        <translation>Ein Planet</translation>
    </message>
    <message>
        <source>This section shows what the radial velocity profile of a star can tell us about a single planet orbiting it, and what it cannot. We keep one planet, Mondas, and change its orbit and its mass one parameter at a time.</source>
        <translation>Dieser Abschnitt zeigt, was das Radialgeschwindigkeitsprofil eines Sterns über einen einzelnen Planeten verrät, der ihn umläuft, und was nicht. Wir behalten einen Planeten, Mondas, und ändern seine Bahn und seine Masse, immer nur einen Parameter auf einmal.</translation>
    </message>
    <message>
        <source>First we look at how changing the inclination %1 of the orbit changes the amplitude of the radial velocity. %1 is the angle between the line of sight (the &lt;i&gt;z&lt;/i&gt; axis) and the orbit&apos;s normal vector, the arrow drawn at right angles to the orbit in the orbit&apos;s own colour, here light blue.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i</comment>
        <translation>Zuerst sehen wir uns an, wie eine Änderung der Inklination %1 der Bahn die Amplitude der Radialgeschwindigkeit verändert. %1 ist der Winkel zwischen der Sichtlinie (der &lt;i&gt;z&lt;/i&gt;-Achse) und dem Normalenvektor der Bahn, dem Pfeil, der senkrecht zur Bahn in der Farbe der Bahn gezeichnet ist, hier hellblau.</translation>
    </message>
    <message>
        <source>The orbit starts edge-on, seen from the side: %1 is 90°.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i</comment>
        <translation>Die Bahn ist anfangs genau von der Kante, von der Seite zu sehen: %1 ist 90°.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Start&lt;/b&gt;. The masses and the orbit are the same as in the last section, so the radial velocity profile is the same too.</source>
        <comment>Start: the caption of the button</comment>
        <translation>Drücke &lt;b&gt;Start&lt;/b&gt;. Die Massen und die Bahn sind dieselben wie im letzten Abschnitt, also ist auch das Radialgeschwindigkeitsprofil dasselbe.</translation>
    </message>
    <message>
        <source>Now click &lt;b&gt;Edit parameters&lt;/b&gt; and, in the window that opens, use the slider to change the inclination of the orbit of Mondas to about 30°.</source>
        <comment>Edit parameters: the caption of the button</comment>
        <translation>Klicke jetzt auf &lt;b&gt;Parameter ändern&lt;/b&gt; und stelle im Fenster, das sich öffnet, mit dem Schieberegler die Inklination der Bahn von Mondas auf etwa 30° ein.</translation>
    </message>
    <message>
        <source>(Sliders will be enabled when you first need them.)</source>
        <translation>(Schieberegler werden freigegeben, sobald du sie zum ersten Mal brauchst.)</translation>
    </message>
    <message>
        <source>The amplitude of the radial velocity is reduced: the maxima and minima are smaller. (Automatic rescaling has been turned off so that you can see this.)</source>
        <translation>Die Amplitude der Radialgeschwindigkeit ist kleiner geworden: Die Maxima und Minima sind kleiner. (Die automatische Skalierung wurde abgeschaltet, damit du das sehen kannst.)</translation>
    </message>
    <message>
        <source>Drag the orbit view to look at the orbit from different angles, and notice that the star orbits in the same plane as the planet.</source>
        <translation>Ziehe an der Bahnansicht, um die Bahn aus verschiedenen Winkeln zu betrachten, und achte darauf, dass der Stern in derselben Ebene umläuft wie der Planet.</translation>
    </message>
    <message>
        <source>Now set %1 to zero. The orbit then lies in the plane of the sky, at right angles to the line of sight, and the star&apos;s radial velocity is always zero: the star never moves towards or away from us.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i</comment>
        <translation>Setze jetzt %1 auf null. Die Bahn liegt dann in der Himmelsebene, senkrecht zur Sichtlinie, und die Radialgeschwindigkeit des Sterns ist immer null: Der Stern bewegt sich nie auf uns zu oder von uns weg.</translation>
    </message>
    <message>
        <source>Planets whose orbits we see face-on like this cannot be detected by Doppler spectroscopy.</source>
        <translation>Planeten, deren Bahnen wir so von oben sehen, lassen sich mit Doppler-Spektroskopie nicht entdecken.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Decrease the planet&apos;s mass.
How does the radial velocity
amplitude change?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Verringere die Masse des Planeten.
Wie ändert sich die Amplitude
der Radialgeschwindigkeit?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>A lighter planet pulls less on the star, so the star moves more slowly around the centre of mass and the amplitude of its radial velocity is smaller. A heavier planet gives a larger amplitude.</source>
        <translation>Ein leichterer Planet zieht schwächer am Stern, deshalb bewegt sich der Stern langsamer um den Schwerpunkt, und die Amplitude seiner Radialgeschwindigkeit ist kleiner. Ein schwererer Planet ergibt eine größere Amplitude.</translation>
    </message>
    <message>
        <source>Changing the inclination and the mass did not change the period of the radial velocity curve. Now vary the semimajor axis &lt;i&gt;a. &lt;/i&gt;You may need the graph&apos;s scaling controls below to see the whole curve: the timescale slider and the &lt;b&gt;Rescale velocity&lt;/b&gt; button.</source>
        <comment>period of the orbit; Rescale velocity: the caption of the button</comment>
        <translation>Die Änderung der Inklination und der Masse hat die Periode der Radialgeschwindigkeitskurve nicht verändert. Ändere jetzt die große Halbachse &lt;i&gt;a&lt;/i&gt;. Um die ganze Kurve zu sehen, brauchst du vielleicht die Regler des Diagramms unten: den Zeitmaßstab-Regler und die Schaltfläche &lt;b&gt;Neu skalieren&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>The semimajor axis &lt;i&gt;a &lt;/i&gt;affects both the period and the amplitude. A planet with a smaller &lt;i&gt;a &lt;/i&gt;is closer to the star and moves faster, so the amplitude is larger and the period shorter.</source>
        <comment>period of the orbit</comment>
        <translation>Die große Halbachse &lt;i&gt;a&lt;/i&gt; beeinflusst sowohl die Periode als auch die Amplitude. Ein Planet mit kleinerem &lt;i&gt;a&lt;/i&gt; ist näher am Stern und bewegt sich schneller, deshalb ist die Amplitude größer und die Periode kürzer.</translation>
    </message>
    <message>
        <source>Now try an eccentricity &lt;i&gt;e &lt;/i&gt;of about 0.5.</source>
        <translation>Versuche jetzt eine Exzentrizität &lt;i&gt;e&lt;/i&gt; von etwa 0,5.</translation>
    </message>
    <message>
        <source>An ellipse has an eccentricity between 0 (a circle) and 1. On an elliptical orbit the speed is no longer constant, so the radial velocity profile looks skewed. The speed is greatest when the star and the planet are closest together.</source>
        <translation>Eine Ellipse hat eine Exzentrizität zwischen 0 (ein Kreis) und 1. Auf einer elliptischen Bahn ist die Geschwindigkeit nicht mehr konstant, deshalb sieht das Radialgeschwindigkeitsprofil schief aus. Die Geschwindigkeit ist am größten, wenn Stern und Planet einander am nächsten sind.</translation>
    </message>
    <message>
        <source>The period has not changed: it depends on the semimajor axis, not on the eccentricity.</source>
        <comment>period of the orbit</comment>
        <translation>Die Periode hat sich nicht geändert: Sie hängt von der großen Halbachse ab, nicht von der Exzentrizität.</translation>
    </message>
    <message>
        <source>Now try altering the angle %1. It rotates the orbit about its normal, turning the ellipse within its own plane. For a circular orbit this does not change the shape of the radial velocity profile, only shifts it in time (the planet starts from another place); for an elliptical orbit it changes the shape itself.</source>
        <comment>%1 is the angle&apos;s symbol, an italic Greek psi</comment>
        <translation>Versuche jetzt, den Winkel %1 zu ändern. Er dreht die Bahn um ihre Normale, dreht also die Ellipse in ihrer eigenen Ebene. Bei einer Kreisbahn ändert das die Form des Radialgeschwindigkeitsprofils nicht, sondern verschiebt es nur zeitlich (der Planet startet an einer anderen Stelle); bei einer elliptischen Bahn ändert es die Form selbst.</translation>
    </message>
    <message>
        <source>The azimuth %1 of the orbit rotates the orbit&apos;s normal about the &lt;i&gt;z&lt;/i&gt; axis. The radial velocity profile does not depend on %1 at all, so Doppler spectroscopy tells us nothing about the azimuth of an orbit.</source>
        <comment>%1 is the azimuth&apos;s symbol, an italic Greek phi</comment>
        <translation>Der Azimut %1 der Bahn dreht die Normale der Bahn um die &lt;i&gt;z&lt;/i&gt;-Achse. Das Radialgeschwindigkeitsprofil hängt überhaupt nicht von %1 ab, deshalb verrät uns die Doppler-Spektroskopie nichts über den Azimut einer Bahn.</translation>
    </message>
    <message>
        <source>The mass of the star can be found by other methods, from its spectrum and its brightness, so we treat it as known.</source>
        <translation>Die Masse des Sterns lässt sich mit anderen Methoden bestimmen, aus seinem Spektrum und seiner Helligkeit, deshalb behandeln wir sie als bekannt.</translation>
    </message>
    <message>
        <source>You may now vary it as well. The period follows from the star&apos;s mass and the semimajor axis.</source>
        <comment>period of the orbit</comment>
        <translation>Du darfst sie jetzt auch ändern. Die Periode ergibt sich aus der Masse des Sterns und der großen Halbachse.</translation>
    </message>
    <message>
        <source>So, for one planet: </source>
        <translation>Für einen Planeten gilt also: </translation>
    </message>
    <message>
        <source>- the amplitude tells us about the semimajor axis &lt;i&gt;a, &lt;/i&gt;the inclination %1 and the planet&apos;s mass &lt;i&gt;m.&lt;/i&gt;</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i</comment>
        <translation>- Die Amplitude verrät etwas über die große Halbachse &lt;i&gt;a&lt;/i&gt;, die Inklination %1 und die Masse &lt;i&gt;m&lt;/i&gt; des Planeten.</translation>
    </message>
    <message>
        <source>- the period determines the semimajor axis.</source>
        <comment>period of the orbit</comment>
        <translation>- Die Periode bestimmt die große Halbachse.</translation>
    </message>
    <message>
        <source>- the shape of the profile determines the eccentricity &lt;i&gt;e.&lt;/i&gt;</source>
        <translation>- Die Form des Profils bestimmt die Exzentrizität &lt;i&gt;e&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Conclusions</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>With one planet, the semimajor axis &lt;i&gt;a&lt;/i&gt; and the eccentricity &lt;i&gt;e&lt;/i&gt; follow from the radial velocity profile. But the amplitude depends on both the mass &lt;i&gt;m&lt;/i&gt; and the inclination %1, so the two cannot be found separately: the best we can find is %2.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i; %2 the product m sin i</comment>
        <translation>Bei einem Planeten ergeben sich die große Halbachse &lt;i&gt;a&lt;/i&gt; und die Exzentrizität &lt;i&gt;e&lt;/i&gt; aus dem Radialgeschwindigkeitsprofil. Die Amplitude hängt aber sowohl von der Masse &lt;i&gt;m&lt;/i&gt; als auch von der Inklination %1 ab, deshalb lassen sich die beiden nicht getrennt bestimmen: Das Beste, was wir finden können, ist %2.</translation>
    </message>
    <message>
        <source>Make sure %1 is not zero.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i</comment>
        <translation>Sorge dafür, dass %1 nicht null ist.</translation>
    </message>
    <message>
        <source>The radial velocity amplitude &lt;i&gt;decreases&lt;/i&gt; as the planet&apos;s mass is decreased.</source>
        <translation>Die Amplitude der Radialgeschwindigkeit &lt;i&gt;nimmt ab&lt;/i&gt;, wenn die Masse des Planeten verringert wird.</translation>
    </message>
    <message>
        <source>“%1” (the first choice).</source>
        <translation>„%1“ (die erste Antwort).</translation>
    </message>
    <message>
        <source>it decreases</source>
        <comment>the radial velocity amplitude</comment>
        <translation>sie nimmt ab</translation>
    </message>
    <message>
        <source>it increases</source>
        <comment>the radial velocity amplitude</comment>
        <translation>sie nimmt zu</translation>
    </message>
    <message>
        <source>it does not change</source>
        <comment>the radial velocity amplitude</comment>
        <translation>sie ändert sich nicht</translation>
    </message>
</context>
<context>
    <name>Chapter 4: Two planets</name>
    <message>
        <source>Parameter</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>Two planets</source>
        <translation>Zwei Planeten</translation>
    </message>
    <message>
        <source>Working out the orbits when more than one planet circles a star is a problem that real planet hunters face. Here a second planet, Vulcan, joins Mondas.</source>
        <translation>Die Bahnen zu bestimmen, wenn mehr als ein Planet einen Stern umläuft, ist ein Problem, vor dem echte Planetenjäger stehen. Hier kommt zu Mondas ein zweiter Planet hinzu, Vulcan.</translation>
    </message>
    <message>
        <source>Click &lt;b&gt;Start&lt;/b&gt; to see why it is a problem.</source>
        <comment>Start: the caption of the button</comment>
        <translation>Klicke auf &lt;b&gt;Start&lt;/b&gt;, um zu sehen, warum das ein Problem ist.</translation>
    </message>
    <message>
        <source>The radial velocity profile is now much more complicated. Each planet has a fixed period, but their combined effect does not repeat itself after any fixed time: the profile is not periodic.</source>
        <comment>period of an orbit</comment>
        <translation>Das Radialgeschwindigkeitsprofil ist jetzt viel komplizierter. Jeder Planet hat eine feste Umlaufzeit, aber ihre gemeinsame Wirkung wiederholt sich nach keiner festen Zeit: Das Profil ist nicht periodisch.</translation>
    </message>
    <message>
        <source>You can see at once, though, that there is more than one planet.</source>
        <translation>Man sieht aber sofort, dass es mehr als einen Planeten gibt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The orbits now have very different
semimajor axes. What are the periods?&lt;/b&gt;</source>
        <comment>periods of the orbits</comment>
        <translation>&lt;b&gt;Die großen Halbachsen sind jetzt sehr
verschieden. Wie lauten die Umlaufzeiten?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The timescale is now set to 1000 days. On this scale the period of Vulcan is clear, but that of Mondas is not.</source>
        <comment>period of an orbit</comment>
        <translation>Der Zeitmaßstab ist jetzt auf 1000 Tage gestellt. In diesem Maßstab ist die Umlaufzeit von Vulcan deutlich zu erkennen, die von Mondas aber nicht.</translation>
    </message>
    <message>
        <source>The timescale is now set to 10000 days. Now the much longer period of Mondas shows, with the shorter variations of Vulcan superimposed on it.</source>
        <comment>period of an orbit</comment>
        <translation>Der Zeitmaßstab ist jetzt auf 10000 Tage gestellt. Jetzt zeigt sich die viel längere Umlaufzeit von Mondas, überlagert von den kürzeren Schwankungen durch Vulcan.</translation>
    </message>
    <message>
        <source>&lt;b&gt;One parameter has been changed from
the last page. From the radial velocity
profile alone, what parameter(s) could have been changed? (Animation has been disabled.)&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ein Parameter wurde gegenüber der
letzten Seite geändert. Welche(r) Parameter
könnte(n) allein nach dem Radialgeschwindigkeitsprofil geändert worden sein? (Die Animation ist abgeschaltet.)&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The animation shows that the yellow orbit of Vulcan is now greatly inclined: it is only 10° from face-on. The radial velocity alone did not reveal this.</source>
        <translation>Die Animation zeigt, dass die gelbe Bahn von Vulcan jetzt stark geneigt ist: Sie ist nur 10° von der Draufsicht entfernt. Die Radialgeschwindigkeit allein hat das nicht verraten.</translation>
    </message>
    <message>
        <source>In the &lt;b&gt;Edit parameters&lt;/b&gt; window choose Vulcan, then try setting %1 to 90° and the mass to 0.17 Jupiter masses. The graph should look the same.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i; Edit parameters: the caption of the button</comment>
        <translation>Wähle im Fenster &lt;b&gt;Parameter ändern&lt;/b&gt; Vulcan aus und versuche dann, %1 auf 90° und die Masse auf 0,17 Jupitermassen zu setzen. Das Diagramm sollte gleich aussehen.</translation>
    </message>
    <message>
        <source>There are two lessons here. Even when several planets orbit a star, their properties can still be worked out, because their periods are different. But the mass of a planet and the inclination of its orbit cannot be determined separately.</source>
        <comment>periods of the orbits</comment>
        <translation>Daraus lernen wir zweierlei. Auch wenn mehrere Planeten einen Stern umlaufen, lassen sich ihre Eigenschaften bestimmen, weil ihre Umlaufzeiten verschieden sind. Die Masse eines Planeten und die Inklination seiner Bahn lassen sich aber nicht getrennt bestimmen.</translation>
    </message>
    <message>
        <source>Astronomers find the planets&apos; parameters from the radial velocity profile by an automated trial-and-error procedure called &lt;i&gt;fitting&lt;/i&gt;. It fits %1 as one parameter. The number of planets can itself be fitted, although it is often guessed from the profile.</source>
        <comment>%1 is the product m sin i</comment>
        <translation>Astronomen bestimmen die Parameter der Planeten aus dem Radialgeschwindigkeitsprofil mit einem automatischen Verfahren aus Versuch und Irrtum, dem &lt;i&gt;Fitten&lt;/i&gt; (Anpassen). Dabei wird %1 als ein Parameter angepasst. Auch die Zahl der Planeten lässt sich anpassen, oft wird sie aber aus dem Profil geschätzt.</translation>
    </message>
    <message>
        <source>Choose a parameter and a planet from the lists first.</source>
        <translation>Wähle zuerst einen Parameter und einen Planeten aus den Listen.</translation>
    </message>
    <message>
        <source>Choose a parameter from the list first.</source>
        <translation>Wähle zuerst einen Parameter aus der Liste.</translation>
    </message>
    <message>
        <source>Choose a planet from the list first.</source>
        <translation>Wähle zuerst einen Planeten aus der Liste.</translation>
    </message>
    <message>
        <source>Hint: Try the largest timescale for Mondas.</source>
        <translation>Tipp: Nimm für Mondas den größten Zeitmaßstab.</translation>
    </message>
    <message>
        <source>Hint: Compare the graph with the one on
the previous page</source>
        <translation>Tipp: Vergleiche das Diagramm mit dem
auf der vorigen Seite</translation>
    </message>
    <message>
        <source>The periods are %1 and %2 days.</source>
        <comment>periods of the orbits</comment>
        <translation>Die Umlaufzeiten betragen %1 und %2 Tage.</translation>
    </message>
    <message>
        <source>The correct answer is the &lt;i&gt;inclination or
mass of Vulcan.&lt;/i&gt;</source>
        <translation>Richtig ist: &lt;i&gt;Inklination oder
Masse von Vulcan.&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Mondas %1 days (within %2 days) and Vulcan %3 days (within %4 whole days), each to three figures.</source>
        <comment>periods of the orbits</comment>
        <translation>Mondas %1 Tage (höchstens %2 Tage daneben) und Vulcan %3 Tage (höchstens %4 ganze Tage daneben), jeweils auf drei Stellen.</translation>
    </message>
    <message>
        <source>planet “%1”, parameter “%2”.</source>
        <translation>Planet „%1“, Parameter „%2“.</translation>
    </message>
    <message>
        <source>days (largest timescale)</source>
        <translation>Tage (größter Zeitmaßstab)</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>semimajor axis</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>große Halbachse</translation>
    </message>
    <message>
        <source>eccentricity</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>Exzentrizität</translation>
    </message>
    <message>
        <source>inclination</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>Inklination</translation>
    </message>
    <message>
        <source>orbit azimuth</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>Azimut der Bahn</translation>
    </message>
    <message>
        <source>mass</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>Masse</translation>
    </message>
    <message>
        <source>inclination or mass</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>Inklination oder Masse</translation>
    </message>
    <message>
        <source>eccentricity or mass</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>Exzentrizität oder Masse</translation>
    </message>
    <message>
        <source>of</source>
        <comment>the parameter of the planet</comment>
        <translation>für</translation>
    </message>
</context>
<context>
    <name>Chapter 5: Free experiment</name>
    <message>
        <source>Free experiment</source>
        <translation>Freies Experiment</translation>
    </message>
    <message>
        <source>You are now free to experiment with all the parameters of all three planets. The following pages suggest a few interesting investigations.</source>
        <translation>Jetzt kannst du frei mit allen Parametern aller drei Planeten experimentieren. Die folgenden Seiten schlagen einige interessante Untersuchungen vor.</translation>
    </message>
    <message>
        <source>Selection Effects</source>
        <translation>Auswahleffekte</translation>
    </message>
    <message>
        <source>Suppose you have daily access to a telescope for a year, and its spectrometer cannot measure the wavelength shifts of radial velocities below 10 m s⁻¹.</source>
        <translation>Angenommen, du kannst ein Jahr lang jeden Tag ein Teleskop benutzen, und sein Spektrometer kann die Wellenlängenverschiebungen von Radialgeschwindigkeiten unter 10 m s⁻¹ nicht messen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;What restrictions does that place on the planets that you can discover?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Welche Einschränkungen ergeben sich daraus für die Planeten, die du entdecken kannst?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Reconstruct reality</source>
        <translation>Die Wirklichkeit nachbauen</translation>
    </message>
    <message>
        <source>Give the planets the parameters of a real system, and you will see the work planet hunters do.</source>
        <translation>Gib den Planeten die Parameter eines echten Systems, und du siehst die Arbeit, die Planetenjäger leisten.</translation>
    </message>
    <message>
        <source>Open the card &lt;b&gt;Real planetary systems&lt;/b&gt; from the &lt;b&gt;Tools&lt;/b&gt; menu, choose a system and press &lt;b&gt;Set up&lt;/b&gt;. Or set them yourself: %1 = 90° and &lt;i&gt;m&lt;/i&gt; to the given %2. Set up shortens the velocity arrows to fit the view; the star&apos;s is %3 times a planet&apos;s at the same speed.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i; %2 the product m sin i; %3 a whole number. Real planetary systems, Tools, Set up: the names of the card, the menu and the card&apos;s button</comment>
        <translation>Öffne die Karte &lt;b&gt;Echte Planetensysteme&lt;/b&gt; im Menü &lt;b&gt;Werkzeuge&lt;/b&gt;, wähle ein System und drücke &lt;b&gt;Laden&lt;/b&gt;. Oder stelle sie selbst ein: %1 = 90° und &lt;i&gt;m&lt;/i&gt; auf das angegebene %2. „Laden“ verkürzt die Geschwindigkeitspfeile passend zur Ansicht; der des Sterns ist %3-mal so lang wie der eines Planeten bei gleicher Geschwindigkeit.</translation>
    </message>
    <message>
        <source>Challenge other students</source>
        <translation>Fordere andere Schüler heraus</translation>
    </message>
    <message>
        <source>Create a planetary system of your own, then print its velocity curve with &lt;b&gt;Print&lt;/b&gt; in the File menu to send to other students. Can they discover the parameters you chose? &lt;b&gt;Save system&lt;/b&gt; in the File menu keeps your system, so that &lt;b&gt;Open system&lt;/b&gt; can show them the answer later.</source>
        <comment>Print, File, Save system, Open system: the names of the menu and its entries</comment>
        <translation>Erschaffe ein eigenes Planetensystem und drucke dann seine Geschwindigkeitskurve mit &lt;b&gt;Drucken&lt;/b&gt; im Menü Datei, um sie anderen Schülern zu schicken. Finden sie die Parameter heraus, die du gewählt hast? &lt;b&gt;System speichern&lt;/b&gt; im Menü Datei bewahrt dein System auf, sodass &lt;b&gt;System öffnen&lt;/b&gt; ihnen später die Lösung zeigen kann.</translation>
    </message>
    <message>
        <source>Note: the &lt;b&gt;Zoom&lt;/b&gt; slider can hide the animation graphics.</source>
        <comment>Zoom: the caption of the view&apos;s slider</comment>
        <translation>Hinweis: Der Schieberegler &lt;b&gt;Zoom&lt;/b&gt; kann die Grafik der Animation verdecken.</translation>
    </message>
</context>
<context>
    <name>Chapter window</name>
    <message>
        <source>Page text</source>
        <translation>Seitentext</translation>
    </message>
    <message>
        <source>Feedback</source>
        <comment>on the answer to a question</comment>
        <translation>Rückmeldung</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>closes the feedback</comment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Contents</name>
    <message>
        <source>Doppler Spectroscopy</source>
        <translation>Doppler-Spektroskopie</translation>
    </message>
    <message>
        <source>&amp;1 Doppler spectroscopy</source>
        <translation>&amp;1 Doppler-Spektroskopie</translation>
    </message>
    <message>
        <source>The Simulation</source>
        <translation>Die Simulation</translation>
    </message>
    <message>
        <source>&amp;2 The simulation</source>
        <translation>&amp;2 Die Simulation</translation>
    </message>
    <message>
        <source>One planet</source>
        <translation>Ein Planet</translation>
    </message>
    <message>
        <source>&amp;3 One planet</source>
        <translation>&amp;3 Ein Planet</translation>
    </message>
    <message>
        <source>Two planets</source>
        <translation>Zwei Planeten</translation>
    </message>
    <message>
        <source>&amp;4 Two planets</source>
        <translation>&amp;4 Zwei Planeten</translation>
    </message>
    <message>
        <source>Free experiment</source>
        <translation>Freies Experiment</translation>
    </message>
    <message>
        <source>&amp;5 Free experiment</source>
        <translation>&amp;5 Freies Experiment</translation>
    </message>
    <message>
        <source>Finding a planet</source>
        <translation>Einen Planeten finden</translation>
    </message>
    <message>
        <source>&amp;6 Finding a planet</source>
        <translation>&amp;6 Einen Planeten finden</translation>
    </message>
    <message>
        <source>Chapter %1: %2</source>
        <translation>Kapitel %1: %2</translation>
    </message>
</context>
<context>
    <name>Data files</name>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>Die Datei „%1“ ist leer.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>How to use this book</source>
        <translation>So benutzt man dieses Buch</translation>
    </message>
    <message>
        <source>The book is read page by page. The &lt;b&gt;Section&lt;/b&gt; menu&apos;s &lt;b&gt;Contents&lt;/b&gt; lists the chapters; choose one to open it at its first page. The arrows below a page, or the page keys, turn the pages. Where a page asks a question, answer it and press &lt;b&gt;Done&lt;/b&gt;: the feedback opens with &amp;#x2713; when the answer is right and &amp;#x2717; when it is not, and &lt;b&gt;OK&lt;/b&gt; closes it. Some pages lead on only once their question is answered.</source>
        <translation>Das Buch wird Seite für Seite gelesen. Unter &lt;b&gt;Inhalt&lt;/b&gt; im Menü &lt;b&gt;Abschnitt&lt;/b&gt; stehen die Kapitel; wähle eines, um es auf seiner ersten Seite zu öffnen. Die Pfeile unter einer Seite oder die Bildtasten blättern um. Stellt eine Seite eine Frage, beantworte sie und drücke &lt;b&gt;Fertig&lt;/b&gt;: Die Rückmeldung beginnt mit &amp;#x2713;, wenn die Antwort stimmt, und mit &amp;#x2717;, wenn nicht; &lt;b&gt;OK&lt;/b&gt; schließt sie. Manche Seiten führen erst weiter, wenn ihre Frage beantwortet ist.</translation>
    </message>
    <message>
        <source>The simulation pages show the star and its planets on their orbits above the star&apos;s radial velocity. &lt;b&gt;Start&lt;/b&gt;, &lt;b&gt;Stop&lt;/b&gt; and &lt;b&gt;Reset&lt;/b&gt; run it, &lt;b&gt;Edit parameters&lt;/b&gt; changes the planets, and the sliders turn the view and set the timescale. The &lt;b&gt;Tools&lt;/b&gt; menu opens the calculator, the spectrum, the real planetary systems and the observing run; &lt;b&gt;File, Save picture&lt;/b&gt; saves a picture the page shows.</source>
        <translation>Die Simulationsseiten zeigen den Stern und seine Planeten auf ihren Bahnen über der Radialgeschwindigkeit des Sterns. &lt;b&gt;Start&lt;/b&gt;, &lt;b&gt;Stopp&lt;/b&gt; und &lt;b&gt;Reset&lt;/b&gt; steuern sie, &lt;b&gt;Parameter ändern&lt;/b&gt; verändert die Planeten, und die Schieberegler drehen die Ansicht und stellen den Zeitmaßstab ein. Das Menü &lt;b&gt;Werkzeuge&lt;/b&gt; öffnet den Taschenrechner, das Spektrum, die echten Planetensysteme und die Beobachtungskampagne; &lt;b&gt;Datei, Bild speichern&lt;/b&gt; speichert ein Bild, das die Seite zeigt.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>&lt;b&gt;Page Down&lt;/b&gt; or &lt;b&gt;Alt+Right&lt;/b&gt;</source>
        <translation>&lt;b&gt;Bild ab&lt;/b&gt; oder &lt;b&gt;Alt+Rechts&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>&lt;b&gt;Page Up&lt;/b&gt; or &lt;b&gt;Alt+Left&lt;/b&gt;</source>
        <translation>&lt;b&gt;Bild auf&lt;/b&gt; oder &lt;b&gt;Alt+Links&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>A slider, list or scrolling text with the focus takes Page Up and Page Down for itself; Alt+Right and Alt+Left turn the page from anywhere.</source>
        <translation>Ein Schieberegler, eine Liste oder ein rollender Text mit dem Fokus nimmt Bild auf und Bild ab für sich; Alt+Rechts und Alt+Links blättern von überall um.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tab&lt;/b&gt;, &lt;b&gt;Shift+Tab&lt;/b&gt;</source>
        <translation>&lt;b&gt;Tab&lt;/b&gt;, &lt;b&gt;Umschalt+Tab&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Next, previous control</source>
        <translation>Nächstes, voriges Bedienelement</translation>
    </message>
    <message>
        <source>&lt;b&gt;Space&lt;/b&gt;</source>
        <translation>&lt;b&gt;Leertaste&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Press the button or tick the box with the focus</source>
        <translation>Die Schaltfläche mit dem Fokus drücken oder das Kästchen ankreuzen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Enter&lt;/b&gt;</source>
        <translation>&lt;b&gt;Eingabe&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Press a dialog&apos;s default button</source>
        <translation>Die vorgegebene Schaltfläche eines Dialogs drücken</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left&lt;/b&gt;, &lt;b&gt;Right&lt;/b&gt; (or &lt;b&gt;Up&lt;/b&gt;, &lt;b&gt;Down&lt;/b&gt;)</source>
        <translation>&lt;b&gt;Links&lt;/b&gt;, &lt;b&gt;Rechts&lt;/b&gt; (oder &lt;b&gt;Auf&lt;/b&gt;, &lt;b&gt;Ab&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Move a slider a step</source>
        <translation>Einen Schieberegler um einen Schritt bewegen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Page Up&lt;/b&gt;, &lt;b&gt;Page Down&lt;/b&gt;</source>
        <translation>&lt;b&gt;Bild auf&lt;/b&gt;, &lt;b&gt;Bild ab&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Move a slider a large step</source>
        <translation>Einen Schieberegler um einen großen Schritt bewegen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Home&lt;/b&gt;, &lt;b&gt;End&lt;/b&gt;</source>
        <translation>&lt;b&gt;Pos1&lt;/b&gt;, &lt;b&gt;Ende&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Move a slider to its ends</source>
        <translation>Einen Schieberegler an sein Ende bewegen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+Plus&lt;/b&gt;, &lt;b&gt;Ctrl+Minus&lt;/b&gt;</source>
        <translation>&lt;b&gt;Strg+Plus&lt;/b&gt;, &lt;b&gt;Strg+Minus&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Zoom in, out (the book reopens at the new zoom)</source>
        <translation>Vergrößern, verkleinern (das Buch öffnet sich neu in der neuen Größe)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+0&lt;/b&gt;</source>
        <translation>&lt;b&gt;Strg+0&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Zoom to 100 %</source>
        <translation>Auf 100 % zoomen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Alt&lt;/b&gt; with a menu&apos;s underlined letter</source>
        <translation>&lt;b&gt;Alt&lt;/b&gt; mit dem unterstrichenen Buchstaben eines Menüs</translation>
    </message>
    <message>
        <source>Open that menu: File, View, Section, Tools, Help</source>
        <translation>Dieses Menü öffnen: Datei, Ansicht, Abschnitt, Werkzeuge, Hilfe</translation>
    </message>
    <message>
        <source>This list</source>
        <translation>Diese Liste</translation>
    </message>
    <message>
        <source>&lt;b&gt;Esc&lt;/b&gt;</source>
        <translation>&lt;b&gt;Esc&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close a dialog without its changes</source>
        <translation>Einen Dialog ohne seine Änderungen schließen</translation>
    </message>
    <message>
        <source>With &lt;b&gt;Help, Accessibility&lt;/b&gt;&apos;s screen reader option, Tab also stops at the page&apos;s text and its feedback.</source>
        <translation>Mit der Bildschirmleser-Einstellung unter &lt;b&gt;Hilfe, Barrierefreiheit&lt;/b&gt; hält Tab auch am Text der Seite und an ihrer Rückmeldung.</translation>
    </message>
    <message>
        <source>Keys and how to use this book</source>
        <translation>Tasten und Gebrauch des Buchs</translation>
    </message>
</context>
<context>
    <name>Planet parameters</name>
    <message>
        <source>semi-major axis</source>
        <translation>große Halbachse</translation>
    </message>
    <message>
        <source>Semi-major axis a</source>
        <translation>Große Halbachse a</translation>
    </message>
    <message>
        <source>The size of the orbit: half its longest diameter, from 0.01 to 100 AU.</source>
        <translation>Die Größe der Bahn: ihr halber größter Durchmesser, von 0,01 bis 100 AU.</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>Exzentrizität</translation>
    </message>
    <message>
        <source>Eccentricity e</source>
        <translation>Exzentrizität e</translation>
    </message>
    <message>
        <source>How far the orbit is from a circle: 0 is a circle, near 1 a long, thin ellipse.</source>
        <translation>Wie weit die Bahn von einem Kreis abweicht: 0 ist ein Kreis, nahe 1 eine lange, schmale Ellipse.</translation>
    </message>
    <message>
        <source>Orbit Inclination</source>
        <translation>Inklination der Bahn</translation>
    </message>
    <message>
        <source>Inclination i</source>
        <translation>Inklination i</translation>
    </message>
    <message>
        <source>The angle between the line of sight and the orbit&apos;s normal: 90° is edge-on, 0° face-on.</source>
        <translation>Der Winkel zwischen der Sichtlinie und der Normalen der Bahn: 90° ist Kantenansicht, 0° Draufsicht.</translation>
    </message>
    <message>
        <source>Orbit Azimuth</source>
        <translation>Azimut der Bahn</translation>
    </message>
    <message>
        <source>Azimuth φ</source>
        <translation>Azimut φ</translation>
    </message>
    <message>
        <source>φ turns the plane of the orbit about the line of sight.</source>
        <translation>φ dreht die Bahnebene um die Sichtlinie.</translation>
    </message>
    <message>
        <source>Orientation of the ellipse</source>
        <translation>Ausrichtung der Ellipse</translation>
    </message>
    <message>
        <source>Orientation ψ</source>
        <translation>Ausrichtung ψ</translation>
    </message>
    <message>
        <source>ψ turns the ellipse within its own plane.</source>
        <translation>ψ dreht die Ellipse in ihrer eigenen Ebene.</translation>
    </message>
    <message>
        <source>Planet Mass</source>
        <translation>Masse des Planeten</translation>
    </message>
    <message>
        <source>Planet mass m</source>
        <translation>Planetenmasse m</translation>
    </message>
    <message>
        <source>The planet&apos;s mass, from 0.01 to 10 Jupiter masses.</source>
        <translation>Die Masse des Planeten, von 0,01 bis 10 Jupitermassen.</translation>
    </message>
    <message>
        <source>Star Mass</source>
        <translation>Masse des Sterns</translation>
    </message>
    <message>
        <source>Star mass ms</source>
        <translation>Sternmasse ms</translation>
    </message>
    <message>
        <source>The star&apos;s mass, from 0.1 to 100 solar masses.</source>
        <translation>Die Masse des Sterns, von 0,1 bis 100 Sonnenmassen.</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Please type a valid number!</source>
        <translation>Bitte gib eine gültige Zahl ein!</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>the button that hands in an answer</comment>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>Real planetary systems</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Star mass
(solar)</source>
        <translation>Masse
(Sonne=1)</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>P (days)</source>
        <translation>P (Tage)</translation>
    </message>
    <message>
        <source>K (m/s)</source>
        <translation>K (m/s)</translation>
    </message>
    <message>
        <source>e</source>
        <translation>e</translation>
    </message>
    <message>
        <source>ω (°)</source>
        <translation>ω (°)</translation>
    </message>
    <message>
        <source>m sin i
(Jupiter)</source>
        <translation>m sin i
(Jupiter=1)</translation>
    </message>
    <message>
        <source>a (AU)</source>
        <translation>a (AU)</translation>
    </message>
    <message>
        <source>The Sun, seen from afar</source>
        <translation>Die Sonne, aus der Ferne gesehen</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>The first planet found around a Sun-like star: a giant closer to its star than Mercury.</source>
        <translation>Der erste Planet, der um einen sonnenähnlichen Stern gefunden wurde: ein Riese, der seinem Stern näher ist als Merkur der Sonne.</translation>
    </message>
    <message>
        <source>the mass with which Butler et al. 2006&apos;s K gives their m sin i (mass function); the 1.11 of later catalogues gives K 1.1 % below theirs</source>
        <translation>die Masse, mit der das K von Butler et al. 2006 ihr m sin i ergibt (Massenfunktion); der Wert 1,11 späterer Kataloge ergibt ein K, das 1,1 % unter ihrem liegt</translation>
    </message>
    <message>
        <source>Butler et al. 2006, table of orbital solutions, columns P, K, e, ω, M sin i; all five confirmed against copies of that row (ω = 58°, 1.012291 rad)</source>
        <translation>Butler et al. 2006, Tabelle der Bahnlösungen, Spalten P, K, e, ω, M sin i; alle fünf an Kopien dieser Zeile bestätigt (ω = 58°, 1,012291 rad)</translation>
    </message>
    <message>
        <source>A heavy planet on a clearly eccentric orbit: the curve is no longer a sine wave.</source>
        <translation>Ein schwerer Planet auf einer deutlich exzentrischen Bahn: Die Kurve ist keine Sinuskurve mehr.</translation>
    </message>
    <message>
        <source>Kane et al. 2015&apos;s stellar table; its K and m sin i agree with it</source>
        <translation>die Sterntabelle von Kane et al. 2015; ihr K und ihr m sin i stimmen damit überein</translation>
    </message>
    <message>
        <source>Kane et al. 2015, table of the Keplerian orbit, columns P, K, e, ω, M sin i; not confirmed against a copy</source>
        <translation>Kane et al. 2015, Tabelle der Kepler-Bahn, Spalten P, K, e, ω, M sin i; nicht an einer Kopie bestätigt</translation>
    </message>
    <message>
        <source>A very eccentric orbit: the velocity hardly changes for weeks, then swings in days.</source>
        <translation>Eine sehr exzentrische Bahn: Die Geschwindigkeit ändert sich wochenlang kaum und schwingt dann innerhalb von Tagen um.</translation>
    </message>
    <message>
        <source>Hébrard et al. 2010&apos;s stellar parameters; not confirmed against a copy</source>
        <translation>die Sternparameter von Hébrard et al. 2010; nicht an einer Kopie bestätigt</translation>
    </message>
    <message>
        <source>Hébrard et al. 2010, table of fitted and derived parameters, columns P, K, e, ω, M_p; ω = 300.8° as a copy of that solution gives it (the 300.651° the card had is not in it); P, e, K and M_p not confirmed against a copy of the table</source>
        <translation>Hébrard et al. 2010, Tabelle der angepassten und abgeleiteten Parameter, Spalten P, K, e, ω, M_p; ω = 300,8°, wie eine Kopie dieser Lösung es angibt (die 300,651° der Karte stehen nicht darin); P, e, K und M_p nicht an einer Kopie der Tabelle bestätigt</translation>
    </message>
    <message>
        <source>Two giants on nearly circular orbits of years, like Jupiter and Saturn.</source>
        <translation>Zwei Riesen auf nahezu kreisförmigen Bahnen von mehreren Jahren, wie Jupiter und Saturn.</translation>
    </message>
    <message>
        <source>Gregory &amp; Fischer 2010; its K and m sin i agree with it</source>
        <translation>Gregory &amp; Fischer 2010; ihr K und ihr m sin i stimmen damit überein</translation>
    </message>
    <message>
        <source>Gregory &amp; Fischer 2010, table of the two-planet solution, columns P, K, e, ω, M sin i; not confirmed against a copy</source>
        <translation>Gregory &amp; Fischer 2010, Tabelle der Zwei-Planeten-Lösung, Spalten P, K, e, ω, M sin i; nicht an einer Kopie bestätigt</translation>
    </message>
    <message>
        <source>Gregory &amp; Fischer 2010, table of the two-planet solution, columns P, e, ω, M sin i; K computed; not confirmed against a copy</source>
        <translation>Gregory &amp; Fischer 2010, Tabelle der Zwei-Planeten-Lösung, Spalten P, e, ω, M sin i; K berechnet; nicht an einer Kopie bestätigt</translation>
    </message>
    <message>
        <source>The first system of several planets found around a Sun-like star this way.</source>
        <translation>Das erste System aus mehreren Planeten, das auf diese Weise um einen sonnenähnlichen Stern gefunden wurde.</translation>
    </message>
    <message>
        <source>McArthur et al. 2010, the primary&apos;s mass M★ = 1.31 their masses are computed with (confirmed against the catalogue&apos;s abstract)</source>
        <translation>McArthur et al. 2010, die Masse des Hauptsterns M★ = 1,31, mit der ihre Massen berechnet sind (am Abstract des Katalogs bestätigt)</translation>
    </message>
    <message>
        <source>McArthur et al. 2010, table of the orbital solution, columns P, K, e, ω, M sin i; ω = 44° from a catalogue copy of that solution, the rest not confirmed</source>
        <translation>McArthur et al. 2010, Tabelle der Bahnlösung, Spalten P, K, e, ω, M sin i; ω = 44° aus einer Katalogkopie dieser Lösung, der Rest nicht bestätigt</translation>
    </message>
    <message>
        <source>McArthur et al. 2010, table of the orbital solution, columns P, K, e, ω, M sin i; not confirmed against a copy</source>
        <translation>McArthur et al. 2010, Tabelle der Bahnlösung, Spalten P, K, e, ω, M sin i; nicht an einer Kopie bestätigt</translation>
    </message>
    <message>
        <source>McArthur et al. 2010, table of the orbital solution, columns P, K, e, ω, M sin i; P and e confirmed against an encyclopaedia copy citing it</source>
        <translation>McArthur et al. 2010, Tabelle der Bahnlösung, Spalten P, K, e, ω, M sin i; P und e an einer Lexikon-Kopie bestätigt, die sie zitiert</translation>
    </message>
    <message>
        <source>Two giants in a 2:1 resonance pull each other round: no fixed orbit follows them.</source>
        <translation>Zwei Riesen in einer 2:1-Resonanz zerren aneinander: Keine feste Bahn beschreibt ihre Bewegung.</translation>
    </message>
    <message>
        <source>Rivera et al. 2010, the star&apos;s mass their planets&apos; masses are computed with; not confirmed against a copy</source>
        <translation>Rivera et al. 2010, die Masse des Sterns, mit der die Massen ihrer Planeten berechnet sind; nicht an einer Kopie bestätigt</translation>
    </message>
    <message>
        <source>Rivera et al. 2010, table of the coplanar four-planet fit, columns P, K, e, ω and the mass (6.83 Earth masses); m sin i computed at i = 59°; P, e, ω and the mass confirmed against an encyclopaedia copy citing it</source>
        <translation>Rivera et al. 2010, Tabelle der koplanaren Vier-Planeten-Anpassung, Spalten P, K, e, ω und die Masse (6,83 Erdmassen); m sin i bei i = 59° berechnet; P, e, ω und die Masse an einer Lexikon-Kopie bestätigt, die sie zitiert</translation>
    </message>
    <message>
        <source>Rivera et al. 2010, table of the coplanar four-planet fit, columns P, K, e, ω and the mass (0.7142 Jupiter masses); m sin i computed at i = 59°; all five confirmed against an encyclopaedia copy citing it</source>
        <translation>Rivera et al. 2010, Tabelle der koplanaren Vier-Planeten-Anpassung, Spalten P, K, e, ω und die Masse (0,7142 Jupitermassen); m sin i bei i = 59° berechnet; alle fünf an einer Lexikon-Kopie bestätigt, die sie zitiert</translation>
    </message>
    <message>
        <source>Rivera et al. 2010, table of the coplanar four-planet fit, columns P, K, e, ω and the mass (2.2756 Jupiter masses); m sin i computed at i = 59°; P, e and the mass confirmed against an encyclopaedia copy citing it</source>
        <translation>Rivera et al. 2010, Tabelle der koplanaren Vier-Planeten-Anpassung, Spalten P, K, e, ω und die Masse (2,2756 Jupitermassen); m sin i bei i = 59° berechnet; P, e und die Masse an einer Lexikon-Kopie bestätigt, die sie zitiert</translation>
    </message>
    <message>
        <source>What our own Jupiter does to the Sun: about 12 m/s, repeating every twelve years.</source>
        <translation>Was unser eigener Jupiter mit der Sonne macht: etwa 12 m/s, alle zwölf Jahre wiederkehrend.</translation>
    </message>
    <message>
        <source>the Sun&apos;s mass, by definition</source>
        <translation>die Masse der Sonne, per Definition</translation>
    </message>
    <message>
        <source>the fact sheet&apos;s columns sidereal period, eccentricity and mass, confirmed against its current values; K computed; ω left undefined, as it depends on where the Sun is seen from</source>
        <translation>die Spalten siderische Umlaufzeit, Exzentrizität und Masse des Datenblatts, an seinen aktuellen Werten bestätigt; K berechnet; ω nicht festgelegt, da es davon abhängt, von wo aus die Sonne gesehen wird</translation>
    </message>
    <message>
        <source>Choose a system, then press Set up: its planets replace those of the simulation, seen edge-on, with m = m sin i and the published ω.</source>
        <translation>Wähle ein System und drücke dann „Laden“: Seine Planeten ersetzen die der Simulation, von der Kante gesehen, mit m = m sin i und dem veröffentlichten ω.</translation>
    </message>
    <message>
        <source>Here the card is for reading. In the chapter &quot;Free experiment&quot;, Set up puts the chosen system into the simulation.</source>
        <translation>Hier ist die Karte zum Lesen da. Im Kapitel „Freies Experiment“ bringt „Laden“ das gewählte System in die Simulation.</translation>
    </message>
</context>
<context>
    <name>Save picture</name>
    <message>
        <source>picture</source>
        <comment>a file name</comment>
        <translation>bild</translation>
    </message>
    <message>
        <source>The picture was not saved: the SVG could not be begun.</source>
        <translation>Das Bild wurde nicht gespeichert: Die SVG-Datei ließ sich nicht beginnen.</translation>
    </message>
    <message>
        <source>The picture was not saved: it could not be written as PNG.</source>
        <translation>Das Bild wurde nicht gespeichert: Es ließ sich nicht als PNG schreiben.</translation>
    </message>
    <message>
        <source>The picture was not saved: %1.</source>
        <translation>Das Bild wurde nicht gespeichert: %1.</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Save &amp;picture...</source>
        <translation>Bild &amp;speichern...</translation>
    </message>
    <message>
        <source>Save pic&amp;ture</source>
        <translation>Bild speiche&amp;rn</translation>
    </message>
    <message>
        <source>No picture shown</source>
        <translation>Kein Bild zu sehen</translation>
    </message>
</context>
<context>
    <name>Simulation</name>
    <message>
        <source>The file cannot be used: its time scale position %1 lies outside %2 to %3.</source>
        <translation>Die Datei lässt sich nicht verwenden: Die Stellung %1 des Zeitmaßstabs darin liegt außerhalb von %2 bis %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its zoom position %1 lies outside %2 to %3.</source>
        <translation>Die Datei lässt sich nicht verwenden: Die Zoom-Stellung %1 darin liegt außerhalb von %2 bis %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its tilt position %1 lies outside %2 to %3.</source>
        <translation>Die Datei lässt sich nicht verwenden: Die Neigungsstellung %1 darin liegt außerhalb von %2 bis %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its turn position %1 lies outside %2 to %3.</source>
        <translation>Die Datei lässt sich nicht verwenden: Die Drehstellung %1 darin liegt außerhalb von %2 bis %3.</translation>
    </message>
</context>
<context>
    <name>Simulation window</name>
    <message>
        <source>Rotate axes</source>
        <translation>Achsen drehen</translation>
    </message>
    <message>
        <source>Zoom</source>
        <comment>of the view</comment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Tilt of the view</source>
        <translation>Neigung der Ansicht</translation>
    </message>
    <message>
        <source>Tilts the view from looking along the line of sight (0°) to looking down on the sky (90°).</source>
        <translation>Neigt die Ansicht vom Blick entlang der Sichtlinie (0°) bis zum Blick von oben auf den Himmel (90°).</translation>
    </message>
    <message>
        <source>Turn of the view</source>
        <translation>Drehung der Ansicht</translation>
    </message>
    <message>
        <source>Turns the view about the vertical axis.</source>
        <translation>Dreht die Ansicht um die senkrechte Achse.</translation>
    </message>
    <message>
        <source>Zoom of the view</source>
        <translation>Zoom der Ansicht</translation>
    </message>
    <message>
        <source>Brings the view closer (up) or farther (down).</source>
        <translation>Holt die Ansicht näher heran (nach oben) oder rückt sie weiter weg (nach unten).</translation>
    </message>
    <message>
        <source>Radial velocity graph</source>
        <translation>Radialgeschwindigkeitsdiagramm</translation>
    </message>
    <message>
        <source>The star&apos;s radial velocity against time, drawn as the simulation runs; the titles beside it give the units of both axes.</source>
        <translation>Die Radialgeschwindigkeit des Sterns über der Zeit, gezeichnet, während die Simulation läuft; die Titel daneben geben die Einheiten beider Achsen an.</translation>
    </message>
    <message>
        <source>Timescale (days)</source>
        <translation>Zeitmaßstab (Tage)</translation>
    </message>
    <message>
        <source>The simulated days per tick, from 0.1 to 10 000: also the span of the graph.</source>
        <translation>Die simulierten Tage je Teilstrich, von 0,1 bis 10 000: zugleich die Spanne des Diagramms.</translation>
    </message>
    <message>
        <source>%1 days</source>
        <comment>a number of simulated days per tick</comment>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>Autoscale velocity</source>
        <translation>Auto-Skalierung</translation>
    </message>
    <message>
        <source>Rescale velocity</source>
        <translation>Neu skalieren</translation>
    </message>
    <message>
        <source>Rescales the velocity axis so that the largest speed of the curve shown fills it</source>
        <translation>Skaliert die Geschwindigkeitsachse so, dass die größte Geschwindigkeit der gezeigten Kurve sie ausfüllt</translation>
    </message>
    <message>
        <source>Radial velocity v r, in 10 to the power %1 metres per second</source>
        <comment>the velocity axis&apos;s title as a screen reader reads it</comment>
        <translation>Radialgeschwindigkeit v r, in 10 hoch %1 Metern pro Sekunde</translation>
    </message>
    <message>
        <source>Orbit view</source>
        <translation>Bahnansicht</translation>
    </message>
    <message>
        <source>The star and its planets on their orbits; drag to turn the view.</source>
        <translation>Der Stern und seine Planeten auf ihren Bahnen; ziehen, um die Ansicht zu drehen.</translation>
    </message>
    <message>
        <source>Orbits</source>
        <comment>the check box that draws the orbits</comment>
        <translation>Bahnen</translation>
    </message>
    <message>
        <source>Velocity vector</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>the simulation</comment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>the simulation</comment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>the simulation</comment>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Edit parameters</source>
        <translation>Parameter ändern</translation>
    </message>
</context>
<context>
    <name>Spectrum window</name>
    <message>
        <source>%1: %2</source>
        <comment>a readout&apos;s caption and its value, as a screen reader says them</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>While a simulation runs, the lines here swing to the red and to the blue as the star&apos;s radial velocity changes.</source>
        <translation>Während eine Simulation läuft, wandern die Linien hier ins Rote und ins Blaue, wenn sich die Radialgeschwindigkeit des Sterns ändert.</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>You have now reached the end of this program. You can return to any section by choosing the appropriate section from the &lt;b&gt;Section&lt;/b&gt; menu, otherwise exit the program from the &lt;b&gt;File&lt;/b&gt; menu.</source>
        <comment>Section and File: the book window&apos;s menus, named as the menus name them</comment>
        <translation>Du bist jetzt am Ende dieses Programms angekommen. Du kannst zu jedem Abschnitt zurückkehren, indem du ihn im Menü &lt;b&gt;Abschnitt&lt;/b&gt; auswählst; sonst beende das Programm über das Menü &lt;b&gt;Datei&lt;/b&gt;.</translation>
    </message>
</context>
<context>
    <name>Teacher&apos;s guide</name>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;to predict, then check, how each element of up to three planets shapes the star&apos;s velocity curve; to set up a real system from the card and compare it with its published curve.</source>
        <translation>&lt;b&gt;Ziele: &lt;/b&gt;vorhersagen und dann prüfen, wie jedes Bahnelement von bis zu drei Planeten die Geschwindigkeitskurve des Sterns formt; ein echtes System von der Karte laden und mit seiner veröffentlichten Kurve vergleichen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that the curves of several planets cannot be told apart; that a face-on orbit still shows a signal. The chapter asks no questions.</source>
        <translation>&lt;b&gt;Fehlvorstellungen: &lt;/b&gt;dass sich die Kurven mehrerer Planeten nicht auseinanderhalten lassen; dass eine von oben gesehene Bahn noch ein Signal zeigt. Das Kapitel stellt keine Fragen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 45 minutes. Prerequisites: chapters 3 and 4.</source>
        <translation>&lt;b&gt;Unterricht: &lt;/b&gt;etwa 45 Minuten. Voraussetzungen: Kapitel 3 und 4.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;give each pair one system from Tools, Real planetary systems, and a table of its elements to fill in.</source>
        <translation>&lt;b&gt;Unterstützung: &lt;/b&gt;jedem Paar ein System aus Werkzeuge, Echte Planetensysteme geben und dazu eine Tabelle seiner Bahnelemente zum Ausfüllen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;page 4 in pairs: each builds a system, prints its curve and the other finds its period, K and m sin i.</source>
        <translation>&lt;b&gt;Vertiefung: &lt;/b&gt;Seite 4 in Paaren: Jeder baut ein System und druckt seine Kurve, und der andere bestimmt dessen Periode, K und m sin i.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Answers to the investigations: &lt;/b&gt;page 2: a semi-amplitude K of at least 10 m/s, K ≈ 28.4 m/s (m sin i / 1 Jupiter mass) (P / 1 year)^(−1/3) for a Sun-like star on a circular orbit, needs m sin i of at least 0.35 Jupiter masses at a period of a year but only 0.08 (about 25 Earth masses) at 4 days, and a year of nights shows periods up to about a year, at least one whole orbit; so heavy planets close to their stars are found first, an Earth at 1 AU (0.09 m/s) not at all, and an orbit seen nearly face-on (small sin i) hides any planet. Page 3: the curve set up from the card has the published period and semi-amplitude. Page 4: the answers are the system the student saved with File, Save system.</source>
        <translation>&lt;b&gt;Antworten zu den Untersuchungen: &lt;/b&gt;Seite 2: Eine Halbamplitude K von mindestens 10 m/s, K ≈ 28,4 m/s (m sin i / 1 Jupitermasse) (P / 1 Jahr)^(−1/3) für einen sonnenähnlichen Stern auf einer Kreisbahn, erfordert bei einer Periode von einem Jahr ein m sin i von mindestens 0,35 Jupitermassen, bei 4 Tagen aber nur 0,08 (etwa 25 Erdmassen), und ein Jahr voller Nächte zeigt Perioden bis etwa ein Jahr, mindestens einen ganzen Umlauf; also werden schwere Planeten nahe an ihren Sternen zuerst gefunden, eine Erde bei 1 AU (0,09 m/s) gar nicht, und eine fast von oben gesehene Bahn (kleines sin i) verbirgt jeden Planeten. Seite 3: Die von der Karte geladene Kurve hat die veröffentlichte Periode und Halbamplitude. Seite 4: Die Antworten sind das System, das der Schüler mit Datei, System speichern gespeichert hat.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;the Doppler effect of light; that a star and its planet orbit their common centre of mass, so an unseen planet shows in the periodic shift of its star&apos;s lines.</source>
        <translation>&lt;b&gt;Ziele: &lt;/b&gt;der Doppler-Effekt des Lichts; dass ein Stern und sein Planet ihren gemeinsamen Schwerpunkt umlaufen, sodass sich ein unsichtbarer Planet in der periodischen Verschiebung der Linien seines Sterns zeigt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that the planet is seen or its own light measured; that the star stands still while the planet orbits it; that a shift to the red means a redder star.</source>
        <translation>&lt;b&gt;Fehlvorstellungen: &lt;/b&gt;dass man den Planeten sieht oder sein eigenes Licht misst; dass der Stern stillsteht, während der Planet ihn umläuft; dass eine Rotverschiebung einen röteren Stern bedeutet.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 20 minutes. Prerequisites: waves, wavelength and frequency.</source>
        <translation>&lt;b&gt;Unterricht: &lt;/b&gt;etwa 20 Minuten. Voraussetzungen: Wellen, Wellenlänge und Frequenz.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;first let the class hear the Doppler effect of sound: a siren or a phone on a string passing by.</source>
        <translation>&lt;b&gt;Unterstützung: &lt;/b&gt;die Klasse zuerst den Doppler-Effekt des Schalls hören lassen: eine Sirene oder ein Handy an einer Schnur, das vorbeisaust.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;how far does a speed of 10 m/s shift a line at 500 nm? (λ v / c = 1.7 × 10⁻⁵ nm.)</source>
        <translation>&lt;b&gt;Vertiefung: &lt;/b&gt;Wie weit verschiebt eine Geschwindigkeit von 10 m/s eine Linie bei 500 nm? (λ v / c = 1,7 × 10⁻⁵ nm.)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;how the planet&apos;s mass, the size and shape of its orbit and the orbit&apos;s tilt change the amplitude and shape of the velocity curve; that only m sin i can be measured.</source>
        <translation>&lt;b&gt;Ziele: &lt;/b&gt;wie die Masse des Planeten, Größe und Form seiner Bahn und die Neigung der Bahn die Amplitude und Form der Geschwindigkeitskurve verändern; dass sich nur m sin i messen lässt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that a heavier planet gives a longer period; that a face-on orbit shows its full signal; that an eccentric orbit&apos;s curve is a sine.</source>
        <translation>&lt;b&gt;Fehlvorstellungen: &lt;/b&gt;dass ein schwererer Planet eine längere Periode ergibt; dass eine von oben gesehene Bahn ihr volles Signal zeigt; dass die Kurve einer exzentrischen Bahn eine Sinuskurve ist.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 40 minutes. Prerequisites: chapters 1 and 2; Kepler&apos;s third law.</source>
        <translation>&lt;b&gt;Unterricht: &lt;/b&gt;etwa 40 Minuten. Voraussetzungen: Kapitel 1 und 2; drittes Keplersches Gesetz.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;change one slider at a time, and sketch the curve before and after each change.</source>
        <translation>&lt;b&gt;Unterstützung: &lt;/b&gt;immer nur einen Schieberegler ändern und die Kurve vor und nach jeder Änderung skizzieren.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;predict what doubling the planet&apos;s mass does to the curve&apos;s height, then check it (it doubles).</source>
        <translation>&lt;b&gt;Vertiefung: &lt;/b&gt;vorhersagen, was eine Verdopplung der Planetenmasse mit der Höhe der Kurve macht, und es dann prüfen (sie verdoppelt sich).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;to read the orbit view and the velocity graph together: the period from the graph, and when the radial velocity is zero or greatest.</source>
        <translation>&lt;b&gt;Ziele: &lt;/b&gt;die Bahnansicht und das Geschwindigkeitsdiagramm zusammen lesen: die Periode aus dem Diagramm, und wann die Radialgeschwindigkeit null oder am größten ist.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that the velocity is greatest when the star is farthest from us (it is zero there); that the graph&apos;s time axis is the same at every timescale.</source>
        <translation>&lt;b&gt;Fehlvorstellungen: &lt;/b&gt;dass die Geschwindigkeit am größten ist, wenn der Stern am weitesten von uns entfernt ist (dort ist sie null); dass die Zeitachse des Diagramms bei jedem Zeitmaßstab dieselbe ist.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 30 minutes. Prerequisites: chapter 1; reading the period off a repeating graph.</source>
        <translation>&lt;b&gt;Unterricht: &lt;/b&gt;etwa 30 Minuten. Voraussetzungen: Kapitel 1; die Periode an einem sich wiederholenden Diagramm ablesen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;stop the simulation at each quarter of the orbit and mark on the graph where the star is.</source>
        <translation>&lt;b&gt;Unterstützung: &lt;/b&gt;die Simulation nach jedem Viertel des Umlaufs anhalten und im Diagramm markieren, wo der Stern ist.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;why is the radial velocity zero when the star is nearest to us or farthest from us?</source>
        <translation>&lt;b&gt;Vertiefung: &lt;/b&gt;Warum ist die Radialgeschwindigkeit null, wenn der Stern uns am nächsten oder am fernsten ist?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;5 minutes, to close the course.</source>
        <translation>&lt;b&gt;Unterricht: &lt;/b&gt;5 Minuten, zum Abschluss des Kurses.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Collecting the work: &lt;/b&gt;File, My answers shows each student&apos;s name, the seed of chapter 6 and every answer given, with its attempts and verdict, and prints it to paper or a PDF file to hand in.</source>
        <translation>&lt;b&gt;Arbeiten einsammeln: &lt;/b&gt;Datei, Meine Antworten zeigt den Namen jedes Schülers, den Startwert (Seed) von Kapitel 6 und jede gegebene Antwort mit ihren Versuchen und ihrer Bewertung und druckt sie zum Abgeben auf Papier oder in eine PDF-Datei.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;to untangle a velocity curve made by two planets: each period from the timescale that shows it, and which element of a planet changed the curve.</source>
        <translation>&lt;b&gt;Ziele: &lt;/b&gt;eine von zwei Planeten erzeugte Geschwindigkeitskurve entwirren: jede Periode aus dem Zeitmaßstab, der sie zeigt, und welches Bahnelement eines Planeten die Kurve verändert hat.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that the curve of two planets repeats with either period; that the inclination and the mass of a planet can be told apart from the velocity alone.</source>
        <translation>&lt;b&gt;Fehlvorstellungen: &lt;/b&gt;dass sich die Kurve zweier Planeten mit einer der beiden Perioden wiederholt; dass sich Inklination und Masse eines Planeten allein an der Geschwindigkeit unterscheiden lassen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 40 minutes. Prerequisites: chapter 3.</source>
        <translation>&lt;b&gt;Unterricht: &lt;/b&gt;etwa 40 Minuten. Voraussetzungen: Kapitel 3.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;give one planet its least mass first, so that the other planet&apos;s curve shows alone.</source>
        <translation>&lt;b&gt;Unterstützung: &lt;/b&gt;einem Planeten zuerst seine kleinste Masse geben, sodass sich die Kurve des anderen Planeten allein zeigt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;find two periods for which the curve of both planets repeats (their ratio a fraction of small whole numbers), and say after how long.</source>
        <translation>&lt;b&gt;Vertiefung: &lt;/b&gt;zwei Perioden finden, bei denen sich die Kurve beider Planeten wiederholt (ihr Verhältnis ein Bruch aus kleinen ganzen Zahlen), und angeben, nach welcher Zeit.</translation>
    </message>
</context>
<context>
    <name>Velocity graph</name>
    <message>
        <source>days</source>
        <comment>the unit of the time axis</comment>
        <translation>Tage</translation>
    </message>
    <message>
        <source>%1 days</source>
        <comment>one division of the time axis</comment>
        <translation>%1 Tage</translation>
    </message>
</context>
</TS>
