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
    <message>
        <source>%1 and %2</source>
        <comment>the instruments of a paper</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>The observing window&apos;s File menu opens these published radial velocities, with each instrument&apos;s number of measurements in brackets.</source>
        <translation>Das Menü Datei des Beobachtungsfensters öffnet diese veröffentlichten Radialgeschwindigkeiten, mit der Zahl der Messungen jedes Instruments in Klammern.</translation>
    </message>
    <message>
        <source>its files cannot be read: %1</source>
        <translation>seine Dateien lassen sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>The files of the published measurements that come with the book cannot be read: %1</source>
        <translation>Die Dateien der veröffentlichten Messungen, die zum Buch gehören, lassen sich nicht lesen: %1</translation>
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
    <message>
        <source>The book&apos;s settings were not saved: %1.</source>
        <translation>Die Einstellungen des Buchs wurden nicht gespeichert: %1.</translation>
    </message>
    <message>
        <source>The book&apos;s settings were not forgotten: %1.</source>
        <translation>Die Einstellungen des Buchs wurden nicht vergessen: %1.</translation>
    </message>
    <message>
        <source>%1 : Contents</source>
        <comment>the book&apos;s title and its contents page</comment>
        <translation>%1 : Inhalt</translation>
    </message>
    <message>
        <source>Unable to open calculator</source>
        <translation>Der Taschenrechner lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>%1 : %2 %3/%4</source>
        <comment>the book&apos;s title, the chapter&apos;s, the page and the pages</comment>
        <translation>%1 : %2 %3/%4</translation>
    </message>
    <message>
        <source>back</source>
        <comment>turns to the page before</comment>
        <translation>zurück</translation>
    </message>
    <message>
        <source>Click to move back</source>
        <translation>Klicken, um zurückzublättern</translation>
    </message>
    <message>
        <source>forward</source>
        <comment>turns to the next page</comment>
        <translation>weiter</translation>
    </message>
    <message>
        <source>Click to move forward</source>
        <translation>Klicken, um weiterzublättern</translation>
    </message>
    <message>
        <source>The work open before the new zoom was not taken over: %1</source>
        <translation>Die vor dem neuen Zoom offene Arbeit wurde nicht übernommen: %1</translation>
    </message>
    <message>
        <source>The open work could not be kept for the new zoom: %1</source>
        <translation>Die offene Arbeit ließ sich für den neuen Zoom nicht behalten: %1</translation>
    </message>
    <message>
        <source>The open work could not be kept for the new zoom: %1.</source>
        <translation>Die offene Arbeit ließ sich für den neuen Zoom nicht behalten: %1.</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <comment>the book&apos;s title and the chapter&apos;s</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Page %1/%2</source>
        <comment>the page and the pages</comment>
        <translation>Seite %1/%2</translation>
    </message>
    <message>
        <source>the chapter&apos;s run, seed %1</source>
        <comment>where the observing window&apos;s measurements come from</comment>
        <translation>die Kampagne des Kapitels, Seed %1</translation>
    </message>
    <message>
        <source>Saved work (*.json);;All files (*)</source>
        <translation>Gespeicherte Arbeit (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Only a system built in the free experiment can be saved.</source>
        <translation>Nur ein im freien Experiment gebautes System lässt sich speichern.</translation>
    </message>
    <message>
        <source>The file holds an observing run, not a system: open it in the observing run&apos;s window.</source>
        <translation>Die Datei enthält eine Beobachtungskampagne, kein System: Öffne sie im Fenster der Beobachtungskampagne.</translation>
    </message>
    <message>
        <source>The file holds no system.</source>
        <translation>Die Datei enthält kein System.</translation>
    </message>
    <message>
        <source>The open chapter shows no measurements.</source>
        <translation>Das offene Kapitel zeigt keine Messungen.</translation>
    </message>
    <message>
        <source>The measurements were not written: %1.</source>
        <translation>Die Messungen wurden nicht geschrieben: %1.</translation>
    </message>
    <message>
        <source>Export measurements</source>
        <translation>Messungen exportieren</translation>
    </message>
    <message>
        <source>measurements.csv</source>
        <comment>the file name offered</comment>
        <translation>messungen.csv</translation>
    </message>
    <message>
        <source>Measurements (*.csv);;All files (*)</source>
        <translation>Messungen (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save system</source>
        <translation>System speichern</translation>
    </message>
    <message>
        <source>system.json</source>
        <comment>the file name offered</comment>
        <translation>system.json</translation>
    </message>
    <message>
        <source>Open system</source>
        <translation>System öffnen</translation>
    </message>
    <message>
        <source>The system kept has no chapter to go into.</source>
        <translation>Das gespeicherte System hat kein Kapitel, in das es gehört.</translation>
    </message>
    <message>
        <source>back</source>
        <comment>under the arrow that goes back</comment>
        <translation>zurück</translation>
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
    <message>
        <source>Calculator</source>
        <translation>Taschenrechner</translation>
    </message>
    <message>
        <source>&amp;Expression</source>
        <translation>&amp;Ausdruck</translation>
    </message>
    <message>
        <source>such as 2 pi sqrt(5.2^3)</source>
        <comment>an example; the decimal mark may be the language&apos;s own</comment>
        <translation>etwa 2 pi sqrt(5,2^3)</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>&amp;Wert</translation>
    </message>
    <message>
        <source>Angles:</source>
        <translation>Winkel:</translation>
    </message>
    <message>
        <source>&amp;Degrees</source>
        <translation>&amp;Grad</translation>
    </message>
    <message>
        <source>&amp;Radians</source>
        <translation>&amp;Bogenmaß</translation>
    </message>
    <message>
        <source>sin, cos and tan take degrees; asin, acos and atan give degrees</source>
        <translation>sin, cos und tan nehmen Grad; asin, acos und atan geben Grad</translation>
    </message>
    <message>
        <source>sin, cos and tan take radians; asin, acos and atan give radians</source>
        <translation>sin, cos und tan nehmen Bogenmaß; asin, acos und atan geben Bogenmaß</translation>
    </message>
    <message>
        <source>Enter works it out. x is the last value; pi, sqrt, sin, cos, tan, exp, ln and log10 are known, ^ raises to a power.</source>
        <comment>the calculator&apos;s words (x, pi, sqrt, sin, ...) are typed as they stand in every language</comment>
        <translation>Die Eingabetaste rechnet es aus. x ist der letzte Wert; pi, sqrt, sin, cos, tan, exp, ln und log10 sind bekannt, ^ potenziert.</translation>
    </message>
    <message>
        <source>Work out</source>
        <translation>Ausrechnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <translation>Wir beginnen mit einem einfachen System: einem Stern von einer Sonnenmasse (der gelbe Punkt) und einem Planeten von einer Jupitermasse, Mondas (der weiße Punkt). Die hellblaue Linie ist seine Bahn: große Halbachse 5,2 AU, Exzentrizität 0, also ein Kreis mit dem Radius 5,2 AU. </translation>
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
        <translation>Das Diagramm rechts zeigt die Radialgeschwindigkeit des Sterns über der Zeit. Der Zeitmaßstab-Regler darunter legt fest, wie viel Zeit ein Teilstrich der Zeitachse bedeutet; die Einheit an der Achse sagt es (&lt;i&gt;t&lt;/i&gt; / 1000 Tage: ein Teilstrich sind 1000 Tage). Das Diagramm zeigt zehn Teilstriche. Erreicht die Kurve das Ende des Zeitbereichs, wird die Geschwindigkeitsachse automatisch neu skaliert; ohne Häkchen bei &lt;b&gt;Auto-Skalierung&lt;/b&gt; geschieht das nicht. &lt;b&gt;Neu skalieren&lt;/b&gt; skaliert die Achse jederzeit neu. </translation>
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
        <translation>Drücke &lt;b&gt;Start&lt;/b&gt;. Massen und Bahn sind dieselben wie im letzten Abschnitt, also auch das Radialgeschwindigkeitsprofil. </translation>
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
        <translation>Gib den Planeten die Parameter eines echten Systems, und du siehst, wie Planetenjäger arbeiten. </translation>
    </message>
    <message>
        <source>Open the card &lt;b&gt;Real planetary systems&lt;/b&gt; from the &lt;b&gt;Tools&lt;/b&gt; menu, choose a system and press &lt;b&gt;Set up&lt;/b&gt;. Or set them yourself: %1 = 90° and &lt;i&gt;m&lt;/i&gt; to the given %2. Set up shortens the velocity arrows to fit the view; the star&apos;s is %3 times a planet&apos;s at the same speed.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i; %2 the product m sin i; %3 a whole number. Real planetary systems, Tools, Set up: the names of the card, the menu and the card&apos;s button</comment>
        <translation>Öffne im Menü &lt;b&gt;Werkzeuge&lt;/b&gt; die Karte &lt;b&gt;Echte Planetensysteme&lt;/b&gt;, wähle ein System und drücke &lt;b&gt;Laden&lt;/b&gt;. Oder stelle selbst %1 = 90° und &lt;i&gt;m&lt;/i&gt; = angegebenes %2 ein. „Laden“ kürzt die Pfeile für die Ansicht; der des Sterns ist %3-mal so lang wie der eines gleich schnellen Planeten. </translation>
    </message>
    <message>
        <source>Challenge other students</source>
        <translation>Fordere andere Schüler heraus</translation>
    </message>
    <message>
        <source>Create a planetary system of your own, then print its velocity curve with &lt;b&gt;Print&lt;/b&gt; in the File menu to send to other students. Can they discover the parameters you chose? &lt;b&gt;Save system&lt;/b&gt; in the File menu keeps your system, so that &lt;b&gt;Open system&lt;/b&gt; can show them the answer later.</source>
        <comment>Print, File, Save system, Open system: the names of the menu and its entries</comment>
        <translation>Erschaffe ein eigenes Planetensystem und drucke seine Geschwindigkeitskurve (&lt;b&gt;Drucken&lt;/b&gt; im Menü Datei) für andere Schüler. Finden sie deine Parameter heraus? &lt;b&gt;System speichern&lt;/b&gt; im Menü Datei sichert dein System, und &lt;b&gt;System öffnen&lt;/b&gt; zeigt ihnen später die Lösung. </translation>
    </message>
    <message>
        <source>Note: the &lt;b&gt;Zoom&lt;/b&gt; slider can hide the animation graphics.</source>
        <comment>Zoom: the caption of the view&apos;s slider</comment>
        <translation>Hinweis: Der Schieberegler &lt;b&gt;Zoom&lt;/b&gt; kann die Grafik der Animation verdecken.</translation>
    </message>
</context>
<context>
    <name>Chapter 6: Finding a planet</name>
    <message>
        <source>Can you read the period off these points?</source>
        <translation>Kannst du die Periode an diesen Punkten ablesen?</translation>
    </message>
    <message>
        <source>Yes: from one peak to the next</source>
        <translation>Ja: von einem Maximum zum nächsten</translation>
    </message>
    <message>
        <source>No: too few points to join up</source>
        <translation>Nein: zu wenige Punkte zum Verbinden</translation>
    </message>
    <message>
        <source>Yes: by joining the dots</source>
        <translation>Ja: indem man die Punkte verbindet</translation>
    </message>
    <message>
        <source>The points lie days apart. Could you join them into one smooth curve?</source>
        <translation>Die Punkte liegen Tage auseinander. Könntest du sie zu einer glatten Kurve verbinden?</translation>
    </message>
    <message>
        <source>A star is measured at most once a night, on clear nights, so the points fall at random moments of a short orbit. The period must be searched for.</source>
        <translation>Ein Stern wird höchstens einmal pro Nacht gemessen, in klaren Nächten, deshalb fallen die Punkte auf zufällige Zeitpunkte eines kurzen Umlaufs. Die Periode muss gesucht werden.</translation>
    </message>
    <message>
        <source>What is the period of the highest peak?</source>
        <translation>Welche Periode hat der höchste Peak?</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>The period of the highest peak is written beside its marker and below the plot.</source>
        <translation>Die Periode des höchsten Peaks steht neben seiner Markierung und unter dem Diagramm.</translation>
    </message>
    <message>
        <source>A sine of that period fits your measurements better than any other.</source>
        <translation>Eine Sinuskurve dieser Periode passt besser zu deinen Messungen als jede andere.</translation>
    </message>
    <message>
        <source>What does a false-alarm probability of 1 % mean?</source>
        <translation>Was bedeutet eine Falschalarmwahrscheinlichkeit von 1 %?</translation>
    </message>
    <message>
        <source>a 1 % chance that a planet is there</source>
        <translation>eine Chance von 1 %, dass dort ein Planet ist</translation>
    </message>
    <message>
        <source>noise alone peaks so high 1 time in 100</source>
        <translation>Rauschen allein reicht 1-mal in 100 so hoch</translation>
    </message>
    <message>
        <source>the period is 1 % uncertain</source>
        <translation>die Periode ist auf 1 % unsicher</translation>
    </message>
    <message>
        <source>Think of a star with no planet at all, observed on the same nights.</source>
        <translation>Denk an einen Stern ganz ohne Planeten, beobachtet in denselben Nächten.</translation>
    </message>
    <message>
        <source>It is the chance that noise alone makes so high a peak. Fewer nights or noisier data lower the signal&apos;s peak, and noise reaches so high more often.</source>
        <translation>Sie ist die Chance, dass Rauschen allein einen so hohen Peak erzeugt. Weniger Nächte oder verrauschtere Daten senken den Peak des Signals, und das Rauschen reicht öfter so hoch.</translation>
    </message>
    <message>
        <source>Which of these periods is a daily alias of your highest peak?</source>
        <translation>Welche dieser Perioden ist ein täglicher Alias deines höchsten Peaks?</translation>
    </message>
    <message>
        <source>The window function peaks at 1 day. An alias lies at 1/|1/P − 1| days.</source>
        <translation>Die Fensterfunktion hat ihren Peak bei 1 Tag. Ein Alias liegt bei 1/|1/P − 1| Tagen.</translation>
    </message>
    <message>
        <source>Sampled once a night, a signal at f cycles a day also shows at |f − 1| and f + 1. Twice or half the period is no alias.</source>
        <translation>Einmal pro Nacht abgetastet, zeigt sich ein Signal mit f Zyklen pro Tag auch bei |f − 1| und f + 1. Die doppelte oder halbe Periode ist kein Alias.</translation>
    </message>
    <message>
        <source>Folded on the peak’s period × 1.1, what do the points do?</source>
        <translation>Gefaltet mit der Periode des Peaks × 1,1: Was tun die Punkte?</translation>
    </message>
    <message>
        <source>form the same curve</source>
        <translation>sie bilden dieselbe Kurve</translation>
    </message>
    <message>
        <source>scatter: no curve shows</source>
        <translation>sie streuen: keine Kurve zeigt sich</translation>
    </message>
    <message>
        <source>form a curve half as high</source>
        <translation>sie bilden eine halb so hohe Kurve</translation>
    </message>
    <message>
        <source>Press “Peak × 1.1” and look at the fold.</source>
        <translation>Drücke „Peak × 1,1“ und sieh dir die Faltung an.</translation>
    </message>
    <message>
        <source>On a wrong period the orbits&apos; phases drift apart over a season: only a period near the true one folds into one curve.</source>
        <translation>Bei einer falschen Periode laufen die Phasen der Umläufe über eine Saison auseinander: Nur eine Periode nahe der wahren faltet sich zu einer Kurve.</translation>
    </message>
    <message>
        <source>What is K, the semi-amplitude of your fit?</source>
        <translation>Wie groß ist K, die Halbamplitude deiner Anpassung?</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>K is the fit&apos;s semi-amplitude, written below the plots of the Fit tab with its uncertainty.</source>
        <translation>K ist die Halbamplitude der Anpassung; sie steht mit ihrer Unsicherheit unter den Diagrammen der Registerkarte Fit.</translation>
    </message>
    <message>
        <source>K is half the swing of the star&apos;s velocity; the fit also gives e and ω, which a sine cannot.</source>
        <translation>K ist die halbe Schwankung der Geschwindigkeit des Sterns; die Anpassung liefert auch e und ω, was eine Sinuskurve nicht kann.</translation>
    </message>
    <message>
        <source>What is the m sin i of your planet?</source>
        <translation>Wie groß ist das m sin i deines Planeten?</translation>
    </message>
    <message>
        <source>Jupiter masses</source>
        <translation>Jupitermassen</translation>
    </message>
    <message>
        <source>Use P in days, K in m/s, e, and the star&apos;s mass from the Data tab.</source>
        <translation>Nimm P in Tagen, K in m/s, e und die Masse des Sterns aus der Registerkarte Daten.</translation>
    </message>
    <message>
        <source>The tilt i is unknown, so the velocity gives only m sin i, the least the mass can be.</source>
        <translation>Die Neigung i ist unbekannt, deshalb liefert die Geschwindigkeit nur m sin i, die kleinste mögliche Masse.</translation>
    </message>
    <message>
        <source>Does your star have a second planet?</source>
        <translation>Hat dein Stern einen zweiten Planeten?</translation>
    </message>
    <message>
        <source>Yes: two planets fit much better</source>
        <translation>Ja: zwei Planeten passen viel besser</translation>
    </message>
    <message>
        <source>No: one planet is enough</source>
        <translation>Nein: ein Planet genügt</translation>
    </message>
    <message>
        <source>Yes: every residual peak is a planet</source>
        <translation>Ja: jeder Peak der Residuen ist ein Planet</translation>
    </message>
    <message>
        <source>A second planet is supported when it lowers the BIC by more than 10: ΔBIC below −10.</source>
        <translation>Ein zweiter Planet ist gestützt, wenn er das BIC um mehr als 10 senkt: ΔBIC unter −10.</translation>
    </message>
    <message>
        <source>Any extra planet fits the noise a little better; the BIC charges each parameter ln N, so only a real signal pays for itself.</source>
        <translation>Jeder zusätzliche Planet passt ein wenig besser zum Rauschen; das BIC stellt jedem Parameter ln N in Rechnung, sodass sich nur ein echtes Signal bezahlt macht.</translation>
    </message>
    <message>
        <source>What is the period of 51 Peg b?</source>
        <translation>Welche Periode hat 51 Peg b?</translation>
    </message>
    <message>
        <source>Open the Periodogram tab: the period of the highest peak is written below the plot.</source>
        <translation>Öffne die Registerkarte Periodogramm: Die Periode des höchsten Peaks steht unter dem Diagramm.</translation>
    </message>
    <message>
        <source>Both instruments, each from its own zero point, show the 4.23-day orbit that Mayor and Queloz found in 1995.</source>
        <translation>Beide Instrumente zeigen, jedes von seinem eigenen Nullpunkt aus, die Umlaufbahn von 4,23 Tagen, die Mayor und Queloz 1995 fanden.</translation>
    </message>
    <message>
        <source>What is the m sin i of 51 Peg b?</source>
        <translation>Wie groß ist das m sin i von 51 Peg b?</translation>
    </message>
    <message>
        <source>Use P, K and e from the Fit tab and the star&apos;s mass from the Data tab in the formula of the page on weighing the planet.</source>
        <translation>Setze P, K und e aus der Registerkarte Fit und die Masse des Sterns aus der Registerkarte Daten in die Formel der Seite über das Wiegen des Planeten ein.</translation>
    </message>
    <message>
        <source>About half a Jupiter mass, seven times closer to its star than Mercury is to the Sun: the first hot Jupiter.</source>
        <translation>Etwa eine halbe Jupitermasse, siebenmal näher an seinem Stern als Merkur an der Sonne: der erste heiße Jupiter.</translation>
    </message>
    <message>
        <source>The fit is still being worked out.</source>
        <translation>Die Anpassung wird noch berechnet.</translation>
    </message>
    <message>
        <source>The highest peak is at %1; answers within %2 days (its half width) count.</source>
        <comment>%1 is a period with its unit</comment>
        <translation>Der höchste Peak liegt bei %1; Antworten, die höchstens %2 Tage (seine Halbwertsbreite) abweichen, zählen.</translation>
    </message>
    <message>
        <source>Your fit&apos;s K is %1 m/s; answers within %2 m/s count.</source>
        <translation>Das K deiner Anpassung ist %1 m/s; Antworten, die höchstens %2 m/s abweichen, zählen.</translation>
    </message>
    <message>
        <source>Your planet&apos;s m sin i is %1 Jupiter masses; answers within %2 count, but not those nearer %3, the mass without the star&apos;s (M★ / 1 solar mass)^(2/3).</source>
        <translation>Das m sin i deines Planeten ist %1 Jupitermassen; Antworten, die höchstens %2 abweichen, zählen, aber nicht solche näher an %3, der Masse ohne den Faktor (M★ / 1 Sonnenmasse)^(2/3) des Sterns.</translation>
    </message>
    <message>
        <source>Your planet&apos;s m sin i is %1 Jupiter masses; answers within %2 count.</source>
        <translation>Das m sin i deines Planeten ist %1 Jupitermassen; Antworten, die höchstens %2 abweichen, zählen.</translation>
    </message>
    <message>
        <source>51 Peg b&apos;s period is %1 days; answers within %2 days count.</source>
        <comment>period of the orbit</comment>
        <translation>Die Umlaufzeit von 51 Peg b ist %1 Tage; Antworten, die höchstens %2 Tage abweichen, zählen.</translation>
    </message>
    <message>
        <source>51 Peg b&apos;s m sin i is %1 Jupiter masses; answers within %2 count, but not those nearer %3, the mass without the star&apos;s (M★ / 1 solar mass)^(2/3).</source>
        <translation>Das m sin i von 51 Peg b ist %1 Jupitermassen; Antworten, die höchstens %2 abweichen, zählen, aber nicht solche näher an %3, der Masse ohne den Faktor (M★ / 1 Sonnenmasse)^(2/3) des Sterns.</translation>
    </message>
    <message>
        <source>51 Peg b&apos;s m sin i is %1 Jupiter masses; answers within %2 count.</source>
        <translation>Das m sin i von 51 Peg b ist %1 Jupitermassen; Antworten, die höchstens %2 abweichen, zählen.</translation>
    </message>
    <message>
        <source>Hidden planet: P = %1 days, K = %2 m/s, e = %3, m sin i = %4 Jupiter masses.</source>
        <translation>Versteckter Planet: P = %1 Tage, K = %2 m/s, e = %3, m sin i = %4 Jupitermassen.</translation>
    </message>
    <message>
        <source>P = %1 days</source>
        <translation>P = %1 Tage</translation>
    </message>
    <message>
        <source>K = %1 m/s</source>
        <translation>K = %1 m/s</translation>
    </message>
    <message>
        <source>m sin i = %1 Jupiter masses</source>
        <translation>m sin i = %1 Jupitermassen</translation>
    </message>
    <message>
        <source>You answered no question on this star.</source>
        <translation>Du hast keine Frage zu diesem Stern beantwortet.</translation>
    </message>
    <message>
        <source>Your answers: %1.</source>
        <comment>%1 lists the answers, each as P = 3.5 days</comment>
        <translation>Deine Antworten: %1.</translation>
    </message>
    <message>
        <source>(Only 12 nights planned.)</source>
        <translation>(Nur 12 Nächte geplant.)</translation>
    </message>
    <message>
        <source>(A noisier instrument.)</source>
        <translation>(Ein stärker rauschendes Instrument.)</translation>
    </message>
    <message numerus="yes">
        <source>Seed %1: %n measurements in %2 days, each ± %3 m/s; the star, of %4 solar masses, jitters by about %5 m/s.%6</source>
        <comment>%6 says how the run was made worse, or nothing</comment>
        <translation>
            <numerusform>Seed %1: %n Messung in %2 Tagen, jede ± %3 m/s; der Stern mit %4 Sonnenmassen hat einen Jitter von etwa %5 m/s.%6</numerusform>
            <numerusform>Seed %1: %n Messungen in %2 Tagen, jede ± %3 m/s; der Stern mit %4 Sonnenmassen hat einen Jitter von etwa %5 m/s.%6</numerusform>
        </translation>
    </message>
    <message>
        <source>Highest peak: %1 (power %2), half width %3 days.
False-alarm probability: %4.</source>
        <comment>%1 is a period with its unit; power of the periodogram</comment>
        <translation>Höchster Peak: %1 (Leistung %2), Halbwertsbreite %3 Tage.
Falschalarmwahrscheinlichkeit: %4.</translation>
    </message>
    <message>
        <source>The grey curve, the window function, is the periodogram of the nights alone.</source>
        <translation>Die graue Kurve, die Fensterfunktion, ist das Periodogramm der Nächte allein.</translation>
    </message>
    <message>
        <source>radial velocity (m/s)</source>
        <comment>an axis&apos;s title</comment>
        <translation>Radialgeschwindigkeit (m/s)</translation>
    </message>
    <message>
        <source>Fitting the orbit…</source>
        <translation>Die Bahn wird angepasst…</translation>
    </message>
    <message>
        <source>(the error bars explain the scatter)</source>
        <translation>(die Fehlerbalken erklären die Streuung)</translation>
    </message>
    <message>
        <source>(more than the star&apos;s: the orbit leaves signal behind)</source>
        <translation>(mehr als der des Sterns: Die Bahn lässt Signal übrig)</translation>
    </message>
    <message>
        <source>One planet fitted:
P = %1 days
K = %2 m/s
e = %3,  ω = %4°
the star&apos;s jitter %5 m/s%8
rms about the fit %6 m/s, reduced χ² %7</source>
        <comment>%8 says why the fitted jitter differs from the star&apos;s, or nothing</comment>
        <translation>Ein Planet angepasst:
P = %1 Tage
K = %2 m/s
e = %3,  ω = %4°
Jitter des Sterns %5 m/s%8
rms um die Anpassung %6 m/s, reduziertes χ² %7</translation>
    </message>
    <message>
        <source>Highest peak of the residuals: %1, false-alarm probability %2.
BIC with one planet: %3</source>
        <comment>%1 is a period with its unit</comment>
        <translation>Höchster Peak der Residuen: %1, Falschalarmwahrscheinlichkeit %2.
BIC mit einem Planeten: %3</translation>
    </message>
    <message>
        <source>BIC with two planets: %1 (the second at %2 days, K = %3 m/s)
ΔBIC = BIC(two) − BIC(one) = %4: the second planet raises the BIC by %5.</source>
        <translation>BIC mit zwei Planeten: %1 (der zweite bei %2 Tagen, K = %3 m/s)
ΔBIC = BIC(zwei) − BIC(einer) = %4: Der zweite Planet erhöht das BIC um %5.</translation>
    </message>
    <message>
        <source>BIC with two planets: %1 (the second at %2 days, K = %3 m/s)
ΔBIC = BIC(two) − BIC(one) = %4: the second planet lowers the BIC by %5.</source>
        <translation>BIC mit zwei Planeten: %1 (der zweite bei %2 Tagen, K = %3 m/s)
ΔBIC = BIC(zwei) − BIC(einer) = %4: Der zweite Planet senkt das BIC um %5.</translation>
    </message>
    <message>
        <source>No fit with two planets could be made.</source>
        <translation>Es ließ sich keine Anpassung mit zwei Planeten berechnen.</translation>
    </message>
    <message>
        <source>Type the decimals after a point, as in 4.46: here a comma is no decimal mark. This cost no attempt.</source>
        <translation>Tippe die Nachkommastellen nach einem Punkt, wie in 4.46: Hier ist ein Komma kein Dezimalzeichen. Das hat keinen Versuch gekostet.</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <comment>%1 is the hint</comment>
        <translation>Tipp: %1</translation>
    </message>
    <message>
        <source>The answer: %1.</source>
        <comment>%1 is the right choice</comment>
        <translation>Die Antwort: %1.</translation>
    </message>
    <message>
        <source>A seed is a whole number from 1 to %1.</source>
        <translation>Ein Seed ist eine ganze Zahl von 1 bis %1.</translation>
    </message>
    <message>
        <source>Working out the periodogram and the fit…</source>
        <translation>Periodogramm und Anpassung werden berechnet…</translation>
    </message>
    <message>
        <source>The published measurements of 51 Peg cannot be read: %1</source>
        <comment>%1 is the reason</comment>
        <translation>Die veröffentlichten Messungen von 51 Peg lassen sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>%1, a star of %2 solar masses (%3):</source>
        <comment>%1 is the star&apos;s name, %3 where its mass is published</comment>
        <translation>%1, ein Stern mit %2 Sonnenmassen (%3):</translation>
    </message>
    <message>
        <source>%1 (m/s)</source>
        <comment>an axis&apos;s title: %1 is the instrument&apos;s name</comment>
        <translation>%1 (m/s)</translation>
    </message>
    <message>
        <source>Measurements of %1</source>
        <comment>%1 is the instrument&apos;s name</comment>
        <translation>Messungen von %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n measurements, %2.</source>
        <comment>%1 is the instrument&apos;s name, %2 the paper that published them</comment>
        <translation>
            <numerusform>%1: %n Messung, %2.</numerusform>
            <numerusform>%1: %n Messungen, %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>They span %1 days.</source>
        <translation>Sie umfassen %1 Tage.</translation>
    </message>
    <message>
        <source>Each instrument&apos;s own zero point taken off first.
Highest peak: %1 (power %2).
False-alarm probability: %3.</source>
        <comment>%1 is a period with its unit; power of the periodogram</comment>
        <translation>Der eigene Nullpunkt jedes Instruments ist zuerst abgezogen.
Höchster Peak: %1 (Leistung %2).
Falschalarmwahrscheinlichkeit: %3.</translation>
    </message>
    <message>
        <source>time since periastron (days)</source>
        <comment>an axis&apos;s title</comment>
        <translation>Zeit seit dem Periastron (Tage)</translation>
    </message>
    <message>
        <source>v less each instrument&apos;s zero point (m/s)</source>
        <comment>an axis&apos;s title</comment>
        <translation>v minus Nullpunkt des Instruments (m/s)</translation>
    </message>
    <message>
        <source>%1: zero point %2 m/s, jitter %3 m/s</source>
        <comment>%1 is the instrument&apos;s name</comment>
        <translation>%1: Nullpunkt %2 m/s, Jitter %3 m/s</translation>
    </message>
    <message>
        <source>51 Peg b, both instruments fitted together, each point shown at its time since periastron:
P = %1 days,  K = %2 m/s
e = %3,  ω = %4°
%5
rms %6 m/s, reduced χ² %7</source>
        <comment>%5 is a line for each instrument</comment>
        <translation>51 Peg b, beide Instrumente gemeinsam angepasst, jeder Punkt bei seiner Zeit seit dem Periastron:
P = %1 Tage,  K = %2 m/s
e = %3,  ω = %4°
%5
rms %6 m/s, reduziertes χ² %7</translation>
    </message>
    <message>
        <source>Finding a planet</source>
        <translation>Einen Planeten finden</translation>
    </message>
    <message>
        <source>In the simulation you could watch the star&apos;s velocity all the time. An astronomer cannot. A star is measured only on clear nights, in the months when it is up at night: a few dozen velocities in a season. Each has an error, the instrument&apos;s precision, and the star&apos;s restless surface adds a &lt;i&gt;jitter&lt;/i&gt; of a few m/s that no instrument removes.</source>
        <translation>In der Simulation konntest du die Geschwindigkeit des Sterns die ganze Zeit verfolgen. Ein Astronom kann das nicht. Ein Stern wird nur in klaren Nächten gemessen, in den Monaten, in denen er nachts am Himmel steht: ein paar Dutzend Geschwindigkeiten in einer Saison. Jede hat einen Fehler, die Genauigkeit des Instruments, und die unruhige Oberfläche des Sterns fügt einen &lt;i&gt;Jitter&lt;/i&gt; von einigen m/s hinzu, den kein Instrument entfernt.</translation>
    </message>
    <message>
        <source>The plot on the right shows such measurements, each with its error bar, of a star whose planet you do not know yet.</source>
        <translation>Das Diagramm rechts zeigt solche Messungen, jede mit ihrem Fehlerbalken, von einem Stern, dessen Planeten du noch nicht kennst.</translation>
    </message>
    <message>
        <source>Your star</source>
        <translation>Dein Stern</translation>
    </message>
    <message>
        <source>The book has hidden a planet around this star. The &lt;b&gt;seed&lt;/b&gt; below the plot picks the star and the nights: note it, and your teacher can make the very same measurements. Type another seed and press &lt;b&gt;Observe&lt;/b&gt; for another star.</source>
        <comment>Observe: the caption of the button</comment>
        <translation>Das Buch hat um diesen Stern einen Planeten versteckt. Der &lt;b&gt;Seed&lt;/b&gt; unter dem Diagramm wählt den Stern und die Nächte: Notiere ihn, dann kann deine Lehrkraft genau dieselben Messungen machen. Tippe einen anderen Seed ein und drücke &lt;b&gt;Beobachten&lt;/b&gt; für einen anderen Stern.</translation>
    </message>
    <message>
        <source>Look at the points before you answer.</source>
        <translation>Sieh dir die Punkte an, bevor du antwortest.</translation>
    </message>
    <message>
        <source>The periodogram</source>
        <translation>Das Periodogramm</translation>
    </message>
    <message>
        <source>For every trial period from half a day to the length of the run, the periodogram fits a sine of that period to the measurements and plots how much of their scatter it explains: its &lt;i&gt;power&lt;/i&gt;, from 0 to 1. A planet shows as a high, narrow peak at its period.</source>
        <comment>period of a signal; power of the periodogram</comment>
        <translation>Für jede Testperiode von einem halben Tag bis zur Länge der Kampagne passt das Periodogramm eine Sinuskurve dieser Periode an die Messungen an und zeigt, wie viel ihrer Streuung sie erklärt: ihre &lt;i&gt;Leistung&lt;/i&gt;, von 0 bis 1. Ein Planet zeigt sich als hoher, schmaler Peak bei seiner Periode.</translation>
    </message>
    <message>
        <source>The red marker shows the highest peak. The narrower a peak, the better it fixes the period: its half width is written below the plot. An answer within the half width counts, so give the period to as many decimals as the half width has.</source>
        <comment>period of a signal</comment>
        <translation>Die rote Markierung zeigt den höchsten Peak. Je schmaler ein Peak, desto genauer legt er die Periode fest: Seine Halbwertsbreite steht unter dem Diagramm. Eine Antwort innerhalb der Halbwertsbreite zählt; gib die Periode also mit so vielen Nachkommastellen an, wie die Halbwertsbreite hat.</translation>
    </message>
    <message>
        <source>False alarms</source>
        <translation>Falschalarme</translation>
    </message>
    <message>
        <source>Noise alone makes peaks too: among thousands of trial periods, a sine fits random numbers a little at some of them. The &lt;i&gt;false-alarm probability&lt;/i&gt; is the chance that noise alone would raise a peak as high as the highest one anywhere in the search. Astronomers trust a peak when it is below about 1 %.</source>
        <comment>periods of a signal</comment>
        <translation>Auch Rauschen allein erzeugt Peaks: Unter Tausenden von Testperioden passt eine Sinuskurve bei einigen ein wenig zu Zufallszahlen. Die &lt;i&gt;Falschalarmwahrscheinlichkeit&lt;/i&gt; ist die Chance, dass Rauschen allein irgendwo in der Suche einen so hohen Peak wie den höchsten erzeugt. Astronomen trauen einem Peak, wenn sie unter etwa 1 % liegt. </translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Only 12 nights&lt;/b&gt;, then &lt;b&gt;Noisier instrument&lt;/b&gt;, and watch the false-alarm probability below the plot rise; &lt;b&gt;My run again&lt;/b&gt; brings your own run back.</source>
        <comment>Only 12 nights, Noisier instrument, My run again: the captions of the buttons</comment>
        <translation>Drücke &lt;b&gt;Nur 12 Nächte&lt;/b&gt;, dann &lt;b&gt;Stärker rauschend&lt;/b&gt;, und beobachte, wie die Falschalarmwahrscheinlichkeit unter dem Diagramm steigt; &lt;b&gt;Meine Kampagne&lt;/b&gt; holt deine eigene Kampagne zurück.</translation>
    </message>
    <message>
        <source>Aliases</source>
        <translation>Aliase</translation>
    </message>
    <message>
        <source>The star is measured only at night, at about the same hour. Tick &lt;b&gt;Show the window function&lt;/b&gt;: the grey curve is the periodogram of the nights alone, and it peaks at a period of 1 day. Every signal is echoed by that peak: a planet of period &lt;i&gt;P&lt;/i&gt; also makes peaks, called &lt;i&gt;aliases&lt;/i&gt;, at 1/|1/&lt;i&gt;P&lt;/i&gt; − 1| and 1/(1/&lt;i&gt;P&lt;/i&gt; + 1) days. An alias can even stand higher than the true peak; folding and fitting tell them apart.</source>
        <comment>Show the window function: the caption of the check box; period of a signal</comment>
        <translation>Der Stern wird nur nachts gemessen, etwa zur selben Stunde. Kreuze &lt;b&gt;Fensterfunktion zeigen&lt;/b&gt; an: Die graue Kurve ist das Periodogramm der Nächte allein, und sie hat einen Peak bei einer Periode von 1 Tag. Jedes Signal wird von diesem Peak als Echo wiederholt: Ein Planet der Periode &lt;i&gt;P&lt;/i&gt; erzeugt auch Peaks, &lt;i&gt;Aliase&lt;/i&gt; genannt, bei 1/|1/&lt;i&gt;P&lt;/i&gt; − 1| und 1/(1/&lt;i&gt;P&lt;/i&gt; + 1) Tagen. Ein Alias kann sogar höher sein als der wahre Peak; Falten und Anpassen unterscheiden sie.</translation>
    </message>
    <message>
        <source>Folding</source>
        <translation>Falten</translation>
    </message>
    <message>
        <source>Folding puts every measurement at its phase: its time since the first measurement divided by the trial period, keeping only the fraction. On the right period the points of every orbit fall onto one curve, and the phases from 1 to 1.2 repeat those from 0 to 0.2.</source>
        <comment>period of a signal</comment>
        <translation>Falten setzt jede Messung auf ihre Phase: ihre Zeit seit der ersten Messung geteilt durch die Testperiode, wobei nur der Nachkommaanteil bleibt. Bei der richtigen Periode fallen die Punkte jedes Umlaufs auf eine Kurve, und die Phasen von 1 bis 1,2 wiederholen die von 0 bis 0,2.</translation>
    </message>
    <message>
        <source>Type a period beside &lt;b&gt;Fold on&lt;/b&gt;, or press &lt;b&gt;The peak&lt;/b&gt; or &lt;b&gt;Peak × 1.1&lt;/b&gt;.</source>
        <comment>Fold on: the caption beside the box; The peak, Peak × 1.1: the captions of the buttons</comment>
        <translation>Tippe eine Periode neben &lt;b&gt;Falten&lt;/b&gt; ein oder drücke &lt;b&gt;Der Peak&lt;/b&gt; oder &lt;b&gt;Peak × 1,1&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>The fit</source>
        <translation>Die Anpassung</translation>
    </message>
    <message>
        <source>A planet on an eccentric orbit moves its star in a curve sharper than a sine. On the &lt;b&gt;By hand&lt;/b&gt; tab the points are folded on the period the sliders set, so that one orbit shows: move the period until the points gather into one curve, then the others until the green curve runs through them and the rms is small (Page Up and Page Down move a slider in big steps). On the &lt;b&gt;Fit&lt;/b&gt; tab the book has done it properly: starting from the periodogram&apos;s highest peaks it adjusts &lt;i&gt;P&lt;/i&gt;, &lt;i&gt;K&lt;/i&gt;, &lt;i&gt;e&lt;/i&gt;, ω, the time of periastron and the star&apos;s mean velocity, each point weighed by its error. It also finds the star&apos;s jitter, the scatter the error bars leave unexplained, and adds it to every error, so the reduced χ² comes out near 1.</source>
        <comment>By hand, Fit: the captions of the tabs; Page Up, Page Down: the keys; period of the orbit</comment>
        <translation>Eine exzentrische Bahn bewegt den Stern in einer spitzeren Kurve als ein Sinus. Unter &lt;b&gt;Von Hand&lt;/b&gt; sind die Punkte mit der Periode der Regler gefaltet: Verschiebe die Periode, bis die Punkte eine Kurve bilden, dann die anderen Regler, bis die grüne Kurve durch sie läuft und der rms klein ist (Bild auf/ab: große Schritte). Unter &lt;b&gt;Fit&lt;/b&gt; rechnet das Buch: Ab den höchsten Peaks passt es &lt;i&gt;P&lt;/i&gt;, &lt;i&gt;K&lt;/i&gt;, &lt;i&gt;e&lt;/i&gt;, ω, die Periastronzeit und die mittlere Geschwindigkeit an, jeden Punkt nach seinem Fehler gewichtet. Dazu bestimmt es den Jitter des Sterns, die Streuung über die Fehlerbalken hinaus, und addiert ihn zu jedem Fehler: So liegt das reduzierte χ² nahe 1. </translation>
    </message>
    <message>
        <source>Weighing the planet</source>
        <translation>Den Planeten wiegen</translation>
    </message>
    <message>
        <source>For a planet much lighter than its star of mass &lt;i&gt;M&lt;/i&gt;★,</source>
        <comment>the sentence goes on after the formula below it</comment>
        <translation>Für einen Planeten, der viel leichter ist als sein Stern der Masse &lt;i&gt;M&lt;/i&gt;★, gilt</translation>
    </message>
    <message>
        <source>%1 ≈ (&lt;i&gt;K&lt;/i&gt; / 28.4 m/s) √(1 − &lt;i&gt;e&lt;/i&gt;&lt;sup&gt;2&lt;/sup&gt;)
      × (&lt;i&gt;P&lt;/i&gt; / 365.25 d)&lt;sup&gt;1/3&lt;/sup&gt; (&lt;i&gt;M&lt;/i&gt;★ / 1 solar mass)&lt;sup&gt;2/3&lt;/sup&gt;</source>
        <comment>a formula: %1 is the product m sin i; d stands for days</comment>
        <translation>%1 ≈ (&lt;i&gt;K&lt;/i&gt; / 28,4 m/s) √(1 − &lt;i&gt;e&lt;/i&gt;&lt;sup&gt;2&lt;/sup&gt;)
      × (&lt;i&gt;P&lt;/i&gt; / 365,25 d)&lt;sup&gt;1/3&lt;/sup&gt; (&lt;i&gt;M&lt;/i&gt;★ / 1 Sonnenmasse)&lt;sup&gt;2/3&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>in Jupiter masses. The star&apos;s mass is under the measurements; &lt;b&gt;Tools, Calculator&lt;/b&gt; helps. The tilt %1 of the orbit is unknown, so the velocity gives only %2, the least the planet&apos;s mass can be.</source>
        <comment>ends the sentence before the formula above it; Tools, Calculator: the menu and its entry; %1 is the inclination&apos;s symbol, an italic i; %2 the product m sin i</comment>
        <translation>in Jupitermassen. Die Masse des Sterns steht unter den Messungen; &lt;b&gt;Werkzeuge, Taschenrechner&lt;/b&gt; hilft. Die Neigung %1 der Bahn ist unbekannt, deshalb liefert die Geschwindigkeit nur %2, die kleinste mögliche Masse des Planeten.</translation>
    </message>
    <message>
        <source>Another planet?</source>
        <translation>Noch ein Planet?</translation>
    </message>
    <message>
        <source>Take the fitted curve away and what is left, the residuals, may hide a second planet. An extra planet always fits the noise a little better, so the book&apos;s one- and two-planet fits are compared by</source>
        <comment>the sentence goes on after the formula below it</comment>
        <translation>Im Rest ohne die angepasste Kurve, den Residuen, kann ein zweiter Planet stecken. Ein Planet mehr passt das Rauschen immer etwas besser, deshalb vergleicht das Buch die Fits mit einem und zwei Planeten über </translation>
    </message>
    <message>
        <source>for &lt;i&gt;k&lt;/i&gt; parameters and &lt;i&gt;N&lt;/i&gt; measurements (−2 ln &lt;i&gt;L&lt;/i&gt; is χ² plus a charge for the jitter): the lower, the better. ΔBIC, below the residuals&apos; plot, is the two-planet BIC less the one-planet BIC. The second planet is supported only when it lowers the BIC by more than 10 (ΔBIC below −10); a rise (ΔBIC above 0) means one planet is enough.</source>
        <comment>ends the sentence before the formula above it</comment>
        <translation>für &lt;i&gt;k&lt;/i&gt; Parameter und &lt;i&gt;N&lt;/i&gt; Messungen (−2 ln &lt;i&gt;L&lt;/i&gt;: χ² plus Jitter-Aufschlag): je kleiner, desto besser. ΔBIC unter den Residuen ist das BIC mit zwei Planeten minus das mit einem. Ein zweiter Planet zählt nur, senkt er das BIC um mehr als 10 (ΔBIC unter −10); ein Anstieg (ΔBIC über 0) heißt, ein Planet genügt. </translation>
    </message>
    <message>
        <source>Real data: 51 Pegasi</source>
        <translation>Echte Daten: 51 Pegasi</translation>
    </message>
    <message>
        <source>Now a real star. The Data tab shows published velocities of 51 Pegasi, an instrument a plot: LICK, from Lick Observatory (Butler et al. 2006, ApJ 646, 505), and ELODIE, from Haute-Provence (Naef et al. 2004, A&amp;amp;A 414, 351). Each instrument measures from a zero point of its own, so the book takes each one&apos;s zero point off before the periodogram. An instrument&apos;s jitter is a scatter, not an offset, so it cannot be taken off: the fit adds it to that instrument&apos;s error bars.</source>
        <comment>Data: the caption of the tab; LICK and ELODIE are the instruments&apos; names</comment>
        <translation>Jetzt ein echter Stern. Die Registerkarte Daten zeigt veröffentlichte Geschwindigkeiten von 51 Pegasi, ein Instrument je Diagramm: LICK, vom Lick-Observatorium (Butler et al. 2006, ApJ 646, 505), und ELODIE, von Haute-Provence (Naef et al. 2004, A&amp;amp;A 414, 351). Jedes Instrument misst von einem eigenen Nullpunkt aus, deshalb zieht das Buch vor dem Periodogramm den Nullpunkt jedes Instruments ab. Der Jitter eines Instruments ist eine Streuung, kein Versatz, deshalb lässt er sich nicht abziehen: Die Anpassung addiert ihn zu den Fehlerbalken dieses Instruments.</translation>
    </message>
    <message>
        <source>Weighing 51 Peg b</source>
        <translation>51 Peg b wiegen</translation>
    </message>
    <message>
        <source>The Fit tab shows one planet fitted to both instruments at once, each with its own zero point and jitter, and every point at its time since periastron: years of nights fall onto one orbit. The star&apos;s mass is on the Data tab, under the measurements. Weigh the planet as on page 8 of this chapter.</source>
        <comment>Fit, Data: the captions of the tabs</comment>
        <translation>Die Registerkarte Fit zeigt einen Planeten, an beide Instrumente zugleich angepasst, jedes mit eigenem Nullpunkt und Jitter, und jeden Punkt bei seiner Zeit seit dem Periastron: Jahre voller Nächte fallen auf eine Umlaufbahn. Die Masse des Sterns steht auf der Registerkarte Daten, unter den Messungen. Wiege den Planeten wie auf Seite 8 dieses Kapitels.</translation>
    </message>
    <message>
        <source>How planets are found</source>
        <translation>Wie Planeten gefunden werden</translation>
    </message>
    <message>
        <source>Measuring a star on a few dozen nights, searching the periodogram, ruling out false alarms and aliases, folding, fitting and weighing: this is how 51 Pegasi b, the first planet found around a star like the Sun, was found in 1995, and how most planets since have been found by their stars&apos; velocity.</source>
        <translation>Einen Stern in ein paar Dutzend Nächten messen, das Periodogramm durchsuchen, Falschalarme und Aliase ausschließen, falten, anpassen und wiegen: So wurde 51 Pegasi b, der erste Planet um einen sonnenähnlichen Stern, 1995 gefunden, und so wurden seitdem die meisten Planeten an der Geschwindigkeit ihrer Sterne gefunden.</translation>
    </message>
    <message>
        <source>The Data tab now shows your own star again with, in red, the curve of the planets the book hid around it, and their true values beside your answers. How close did you come?</source>
        <comment>Data: the caption of the tab</comment>
        <translation>Die Registerkarte Daten zeigt jetzt wieder deinen eigenen Stern, dazu in Rot die Kurve der Planeten, die das Buch um ihn versteckt hat, und ihre wahren Werte neben deinen Antworten. Wie nahe bist du gekommen?</translation>
    </message>
    <message>
        <source>Observing views</source>
        <translation>Beobachtungsansichten</translation>
    </message>
    <message>
        <source>Data</source>
        <comment>a tab&apos;s caption</comment>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <source>Measurements of one instrument</source>
        <translation>Messungen eines Instruments</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Seed:</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>Observe</source>
        <comment>the button that measures the star</comment>
        <translation>Beobachten</translation>
    </message>
    <message>
        <source>Periodogram</source>
        <comment>a tab&apos;s caption</comment>
        <translation>Periodogramm</translation>
    </message>
    <message>
        <source>Periodogram</source>
        <translation>Periodogramm</translation>
    </message>
    <message>
        <source>Show the window function</source>
        <translation>Fensterfunktion zeigen</translation>
    </message>
    <message>
        <source>Only 12 nights</source>
        <translation>Nur 12 Nächte</translation>
    </message>
    <message>
        <source>Noisier instrument</source>
        <translation>Stärker rauschend</translation>
    </message>
    <message>
        <source>My run again</source>
        <translation>Meine Kampagne</translation>
    </message>
    <message>
        <source>Fold</source>
        <comment>a tab&apos;s caption</comment>
        <translation>Faltung</translation>
    </message>
    <message>
        <source>Folded measurements</source>
        <translation>Gefaltete Messungen</translation>
    </message>
    <message>
        <source>Fold on (days):</source>
        <translation>Falten (Tage):</translation>
    </message>
    <message>
        <source>Fold period in days</source>
        <translation>Faltperiode in Tagen</translation>
    </message>
    <message>
        <source>The peak</source>
        <comment>folds on the highest peak&apos;s period</comment>
        <translation>Der Peak</translation>
    </message>
    <message>
        <source>Peak × 1.1</source>
        <translation>Peak × 1,1</translation>
    </message>
    <message>
        <source>By hand</source>
        <comment>a tab&apos;s caption: the fit by hand</comment>
        <translation>Von Hand</translation>
    </message>
    <message>
        <source>Fit</source>
        <comment>a tab&apos;s caption: the orbit&apos;s fit</comment>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Fitted curve</source>
        <translation>Angepasste Kurve</translation>
    </message>
    <message>
        <source>Residuals</source>
        <translation>Residuen</translation>
    </message>
    <message>
        <source>Residuals</source>
        <comment>a tab&apos;s caption</comment>
        <translation>Residuen</translation>
    </message>
    <message>
        <source>Periodogram of the residuals</source>
        <translation>Periodogramm der Residuen</translation>
    </message>
    <message>
        <source>Is this planet&apos;s orbit circular?</source>
        <translation>Ist die Bahn dieses Planeten kreisförmig?</translation>
    </message>
    <message>
        <source>No: the fit&apos;s e is far from 0</source>
        <translation>Nein: das e der Anpassung liegt weit von 0</translation>
    </message>
    <message>
        <source>It may be: nearly round orbits fit too</source>
        <translation>Vielleicht: fast runde Bahnen passen auch</translation>
    </message>
    <message>
        <source>Yes: e is exactly 0</source>
        <translation>Ja: e ist genau 0</translation>
    </message>
    <message>
        <source>Where does the shaded band, the middle 68 % of the orbits, begin? Compare it with e = 0.1.</source>
        <translation>Wo beginnt das schattierte Band, die mittleren 68 % der Bahnen? Vergleiche es mit e = 0,1.</translation>
    </message>
    <message>
        <source>The fit&apos;s ± σ takes the orbits that fit for a bell curve about the best one. Those of a weak planet are lopsided, and the best fit pushes e up. The book made this planet&apos;s orbit a circle: e = 0.</source>
        <translation>Das ± σ der Anpassung nimmt an, dass die passenden Bahnen wie eine Glockenkurve um die beste streuen. Bei einem schwachen Planeten streuen sie schief, und die beste Anpassung treibt e nach oben. Das Buch hat die Bahn dieses Planeten als Kreis angelegt: e = 0.</translation>
    </message>
    <message numerus="yes">
        <source>A made-up star of %1 solar masses: %n measurements in %2 days, each ± %3 m/s.</source>
        <translation>
            <numerusform>Ein erfundener Stern von %1 Sonnenmassen: %n Messung in %2 Tagen, jede ± %3 m/s.</numerusform>
            <numerusform>Ein erfundener Stern von %1 Sonnenmassen: %n Messungen in %2 Tagen, jede ± %3 m/s.</numerusform>
        </translation>
    </message>
    <message>
        <source>Fitting the orbit and drawing the orbits that fit the measurements…</source>
        <translation>Die Bahn wird angepasst, und die Bahnen, die zu den Messungen passen, werden gezogen…</translation>
    </message>
    <message>
        <source>The fit, as on the Fit tab: P = %1 days, K = %2 m/s, e = %3.</source>
        <translation>Die Anpassung wie auf der Registerkarte Fit: P = %1 Tage, K = %2 m/s, e = %3.</translation>
    </message>
    <message>
        <source>No orbits could be drawn about this fit.</source>
        <translation>Um diese Anpassung ließen sich keine Bahnen ziehen.</translation>
    </message>
    <message>
        <source>The orbits that fit: e from %1 to %2 (the middle 68 %), median %3.</source>
        <translation>Die passenden Bahnen: e von %1 bis %2 (die mittleren 68 %), Median %3.</translation>
    </message>
    <message>
        <source>Converged: %1 steps of %2 walkers, %3 times the longest autocorrelation time (%4 steps).</source>
        <translation>Konvergiert: %1 Schritte von %2 Walkern, das %3-Fache der längsten Autokorrelationszeit (%4 Schritte).</translation>
    </message>
    <message>
        <source>Not converged after %1 steps of %2 walkers, %3 times the longest autocorrelation time (%4 steps): the range is rough.</source>
        <translation>Nicht konvergiert nach %1 Schritten von %2 Walkern, dem %3-Fachen der längsten Autokorrelationszeit (%4 Schritte): Der Bereich ist grob.</translation>
    </message>
    <message>
        <source>How sure is e?</source>
        <translation>Wie sicher ist e?</translation>
    </message>
    <message>
        <source>A fit&apos;s ± σ takes the orbits that fit about as well as the best one to spread like a bell curve about it. For a weak planet they need not. On the right, a made-up star: the book fits its planet as on the Fit tab, then draws thousands of orbits that fit the measurements about as well, as &lt;b&gt;How sure?&lt;/b&gt; in the observing window does, and counts their &lt;i&gt;e&lt;/i&gt; in the histogram.</source>
        <comment>How sure?: the entry of the observing window&apos;s File menu</comment>
        <translation>Das ± σ einer Anpassung nimmt an, dass die Bahnen, die fast so gut passen wie die beste, wie eine Glockenkurve um sie streuen. Bei einem schwachen Planeten muss das nicht so sein. Rechts ein erfundener Stern: Das Buch passt seinen Planeten wie auf der Registerkarte Fit an, zieht dann wie &lt;b&gt;Wie sicher?&lt;/b&gt; im Beobachtungsfenster Tausende Bahnen, die fast ebenso gut zu den Messungen passen, und zählt ihr &lt;i&gt;e&lt;/i&gt; im Histogramm.</translation>
    </message>
    <message>
        <source>The shaded band holds the middle 68 % of the orbits; the red line and bar are the fit&apos;s &lt;i&gt;e&lt;/i&gt; ± σ. An orbit with &lt;i&gt;e&lt;/i&gt; below 0.1 is hardly told from a circle.</source>
        <translation>Das schattierte Band enthält die mittleren 68 % der Bahnen; die rote Linie mit Balken ist das &lt;i&gt;e&lt;/i&gt; ± σ der Anpassung. Eine Bahn mit &lt;i&gt;e&lt;/i&gt; unter 0,1 ist kaum von einem Kreis zu unterscheiden.</translation>
    </message>
    <message>
        <source>Fitted curve of the made-up star</source>
        <translation>Angepasste Kurve des erfundenen Sterns</translation>
    </message>
    <message>
        <source>Eccentricities of the orbits that fit</source>
        <translation>Exzentrizitäten der passenden Bahnen</translation>
    </message>
    <message>
        <source>Drawing the orbits</source>
        <translation>Bahnen werden gezogen</translation>
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
    <message>
        <source>Some text to go in here.</source>
        <translation>Hier kommt noch Text hin.</translation>
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
    <message>
        <source>Doppler spectroscopy</source>
        <translation>Doppler-Spektroskopie</translation>
    </message>
    <message>
        <source>How a star&apos;s motion shifts the light we receive</source>
        <translation>Wie die Bewegung eines Sterns sein Licht verschiebt</translation>
    </message>
    <message>
        <source>The simulation</source>
        <translation>Die Simulation</translation>
    </message>
    <message>
        <source>A star and one planet: reading the velocity curve</source>
        <translation>Ein Stern und ein Planet: die Geschwindigkeitskurve lesen</translation>
    </message>
    <message>
        <source>How mass, distance, shape and tilt change the signal</source>
        <translation>Wie Masse, Abstand, Form und Neigung das Signal verändern</translation>
    </message>
    <message>
        <source>Untangling the velocity curve of two planets</source>
        <translation>Die Geschwindigkeitskurve zweier Planeten entwirren</translation>
    </message>
    <message>
        <source>Build a planetary system of your own</source>
        <translation>Baue ein eigenes Planetensystem</translation>
    </message>
    <message>
        <source>Observe, search, fold, fit and weigh, as astronomers do</source>
        <translation>Beobachten, suchen, falten, anpassen und wiegen wie Astronomen</translation>
    </message>
    <message>
        <source>An interactive book on finding planets around other stars</source>
        <translation>Ein interaktives Buch über die Suche nach Planeten um andere Sterne</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>The star&apos;s radial velocity</source>
        <translation>Radialgeschwindigkeit des Sterns</translation>
    </message>
    <message>
        <source>time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>v (m/s)</source>
        <translation>v (m/s)</translation>
    </message>
    <message>
        <source>A planet tugs its star to and fro: the period and size of the swing reveal it.</source>
        <translation>Ein Planet zieht den Stern hin und her: Periode und Ausschlag verraten ihn.</translation>
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
    <name>Feedback</name>
    <message>
        <source>This is the correct answer.</source>
        <translation>Das ist die richtige Antwort.</translation>
    </message>
    <message>
        <source>Your answer is still incorrect.</source>
        <translation>Deine Antwort ist noch falsch.</translation>
    </message>
    <message>
        <source>Your answer is incorrect.</source>
        <translation>Deine Antwort ist falsch.</translation>
    </message>
</context>
<context>
    <name>Fit by hand</name>
    <message>
        <source>Fit by hand</source>
        <translation>Anpassung von Hand</translation>
    </message>
    <message>
        <source>Measurements with the curve set by hand</source>
        <translation>Messungen mit der von Hand eingestellten Kurve</translation>
    </message>
    <message>
        <source>The measurements less the best offset, with their error bars, and the curve the sliders set, in green.</source>
        <translation>Die Messungen minus den besten Versatz, mit ihren Fehlerbalken, und in Grün die Kurve, die die Schieberegler einstellen.</translation>
    </message>
    <message>
        <source>Orbi&amp;t period</source>
        <translation>Um&amp;laufzeit</translation>
    </message>
    <message>
        <source>&amp;Amplitude K</source>
        <translation>Amplitude &amp;K</translation>
    </message>
    <message>
        <source>Eccentricit&amp;y</source>
        <translation>E&amp;xzentrizität</translation>
    </message>
    <message>
        <source>Ome&amp;ga ω</source>
        <translation>&amp;Omega ω</translation>
    </message>
    <message>
        <source>Periastron ti&amp;me T</source>
        <translation>Periastron&amp;zeit T</translation>
    </message>
    <message>
        <source>Period, logarithmic</source>
        <translation>Periode, logarithmisch</translation>
    </message>
    <message>
        <source>Semi-amplitude K</source>
        <translation>Halbamplitude K</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>Exzentrizität</translation>
    </message>
    <message>
        <source>Argument of periastron omega</source>
        <translation>Argument des Periastrons omega</translation>
    </message>
    <message>
        <source>Time of periastron</source>
        <translation>Zeit des Periastrons</translation>
    </message>
    <message>
        <source>Fold on P</source>
        <translation>Falten mit P</translation>
    </message>
    <message>
        <source>Fold on the period</source>
        <comment>of the orbit</comment>
        <translation>Falten mit der Umlaufzeit</translation>
    </message>
    <message>
        <source>Shows each measurement at its phase in the orbit the sliders set, so that one orbit is seen; unchecked, the measurements stand against time.</source>
        <translation>Zeigt jede Messung bei ihrer Phase auf der Bahn, die die Schieberegler einstellen, sodass ein Umlauf zu sehen ist; ohne Häkchen stehen die Messungen über der Zeit.</translation>
    </message>
    <message>
        <source>Fit &amp;using these</source>
        <translation>&amp;Mit diesen anpassen</translation>
    </message>
    <message>
        <source>Fit using these elements</source>
        <translation>Mit diesen Bahnelementen anpassen</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>day %1</source>
        <comment>a time since the first measurement</comment>
        <translation>Tag %1</translation>
    </message>
    <message>
        <source>rms of the residuals: %1 m/s</source>
        <translation>rms der Residuen: %1 m/s</translation>
    </message>
    <message>
        <source>No measurements yet.</source>
        <translation>Noch keine Messungen.</translation>
    </message>
</context>
<context>
    <name>Fit notes</name>
    <message>
        <source>The eccentricity sits at the model&apos;s bound of %1: the data may want more, and its uncertainty says little.</source>
        <translation>Die Exzentrizität liegt an der Grenze des Modells von %1: Die Daten wollen vielleicht mehr, und ihre Unsicherheit sagt wenig.</translation>
    </message>
    <message>
        <source>strong evidence for the planet</source>
        <translation>starker Hinweis auf den Planeten</translation>
    </message>
    <message>
        <source>some evidence for the planet</source>
        <translation>gewisser Hinweis auf den Planeten</translation>
    </message>
    <message>
        <source>no evidence for the planet</source>
        <translation>kein Hinweis auf den Planeten</translation>
    </message>
    <message>
        <source>noise seldom makes such a peak</source>
        <translation>Rauschen erzeugt einen solchen Gipfel selten</translation>
    </message>
    <message>
        <source>noise often makes such a peak</source>
        <translation>Rauschen erzeugt einen solchen Gipfel oft</translation>
    </message>
    <message>
        <source>ΔBIC %1 (%2; below −10 is strong), false-alarm probability %3 (%4).</source>
        <translation>ΔBIC %1 (%2; unter −10 ist stark), Falschalarmwahrscheinlichkeit %3 (%4).</translation>
    </message>
    <message>
        <source>ΔBIC %1, false-alarm probability %2. Not evidence for a planet: %3</source>
        <translation>ΔBIC %1, Falschalarmwahrscheinlichkeit %2. Kein Hinweis auf einen Planeten: %3</translation>
    </message>
    <message>
        <source>%1 at %2 days</source>
        <translation>%1 bei %2 Tagen</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>No planet of %1 is published at %2: the card lists %3 (%4). A signal the measurements support is not yet a planet: the star&apos;s own surface and the instruments make signals too, so astronomers wait for other measurements before they name one.</source>
        <translation>Bei %2 ist kein Planet von %1 veröffentlicht: Die Karte nennt %3 (%4). Ein Signal, das die Messungen stützen, ist noch kein Planet: Auch die Oberfläche des Sterns und die Instrumente erzeugen Signale, darum warten Astronomen auf weitere Messungen, bevor sie einen Planeten benennen.</translation>
    </message>
    <message>
        <source>No planet added: the best period tried, %1 days, fails a test. %2</source>
        <translation>Kein Planet hinzugefügt: Die beste geprüfte Periode, %1 Tage, besteht einen Test nicht. %2</translation>
    </message>
    <message>
        <source>1 other period was tried and refused too.</source>
        <translation>1 weitere Periode wurde geprüft und ebenfalls abgelehnt.</translation>
    </message>
    <message>
        <source>%1 other periods were tried and refused too.</source>
        <translation>%1 weitere Perioden wurden geprüft und ebenfalls abgelehnt.</translation>
    </message>
    <message>
        <source>K is within three uncertainties of zero, so its eccentricity is biased high: noise makes a weak orbit look more eccentric than it is.</source>
        <translation>K liegt innerhalb von drei Unsicherheiten bei null, darum ist seine Exzentrizität zu hoch geschätzt: Rauschen lässt eine schwache Bahn exzentrischer aussehen, als sie ist.</translation>
    </message>
    <message>
        <source>χ² and BIC not shown: an error of %1 m/s is finer than the arithmetic resolves at these velocities and times (its residual is rounded by about %2 m/s), so they would measure rounding.</source>
        <translation>χ² und BIC nicht gezeigt: Ein Fehler von %1 m/s ist feiner, als die Rechnung bei diesen Geschwindigkeiten und Zeiten auflöst (sein Residuum wird um etwa %2 m/s gerundet), sie würden also Rundung messen.</translation>
    </message>
    <message>
        <source>%1 and %2 lie near a %3:%4 ratio of periods (%5) and are heavy enough to pull each other&apos;s orbits round within the %6 days of the measurements: a fixed Keplerian orbit cannot follow them. What the fit makes of the turning orbits is an eccentricity worn towards a circle, and power at a harmonic of their periods that looks like one more planet.</source>
        <translation>%1 und %2 liegen nahe einem Periodenverhältnis von %3:%4 (%5) und sind schwer genug, um ihre Bahnen innerhalb der %6 Tage der Messungen gegenseitig zu drehen: Eine feste Kepler-Bahn kann ihnen nicht folgen. Aus den sich drehenden Bahnen macht die Anpassung eine zum Kreis hin abgeschliffene Exzentrizität und Leistung bei einer Harmonischen ihrer Perioden, die wie ein weiterer Planet aussieht.</translation>
    </message>
</context>
<context>
    <name>Fit numbers</name>
    <message>
        <source>%1 (fixed)</source>
        <translation>%1 (fest)</translation>
    </message>
    <message>
        <source>%1 (unconstrained)</source>
        <translation>%1 (unbestimmt)</translation>
    </message>
</context>
<context>
    <name>Fit refusals</name>
    <message>
        <source>No orbit could be fitted: the search started from a period or shape beyond what these measurements can tell.</source>
        <translation>Keine Bahn konnte angepasst werden: Die Suche begann bei einer Periode oder Form jenseits dessen, was diese Messungen zeigen können.</translation>
    </message>
    <message>
        <source>At most four planets can be fitted.</source>
        <translation>Höchstens vier Planeten können angepasst werden.</translation>
    </message>
    <message>
        <source>At most %1 instruments can be fitted; there are %2.</source>
        <translation>Höchstens %1 Instrumente können angepasst werden; es sind %2.</translation>
    </message>
    <message>
        <source>Fitting 1 planet needs at least %2 measurements; there are %3.</source>
        <translation>Die Anpassung von 1 Planeten braucht mindestens %2 Messungen; es sind %3.</translation>
    </message>
    <message>
        <source>Fitting %1 planets needs at least %2 measurements; there are %3.</source>
        <translation>Die Anpassung von %1 Planeten braucht mindestens %2 Messungen; es sind %3.</translation>
    </message>
    <message>
        <source>What is left of the velocities does not vary at all, so no period can be sought.</source>
        <translation>Was von den Geschwindigkeiten übrig bleibt, ändert sich gar nicht, also kann keine Periode gesucht werden.</translation>
    </message>
    <message>
        <source>All measurements were taken at the same time, so no period can be sought.</source>
        <translation>Alle Messungen wurden zur selben Zeit gemacht, also kann keine Periode gesucht werden.</translation>
    </message>
</context>
<context>
    <name>Hidden stars</name>
    <message>
        <source>Hidden star 1</source>
        <translation>Versteckter Stern 1</translation>
    </message>
    <message>
        <source>Hidden star 2</source>
        <translation>Versteckter Stern 2</translation>
    </message>
    <message>
        <source>Hidden star 3</source>
        <translation>Versteckter Stern 3</translation>
    </message>
    <message>
        <source>Hidden star 4</source>
        <translation>Versteckter Stern 4</translation>
    </message>
    <message>
        <source>Hidden star 5</source>
        <translation>Versteckter Stern 5</translation>
    </message>
    <message>
        <source>Hidden star 6</source>
        <translation>Versteckter Stern 6</translation>
    </message>
</context>
<context>
    <name>How sure</name>
    <message>
        <source>How sure?</source>
        <translation>Wie sicher?</translation>
    </message>
    <message>
        <source>Sampling</source>
        <translation>Stichprobenziehung</translation>
    </message>
    <message>
        <source>Share of the sampling done</source>
        <translation>Anteil der erledigten Stichprobenziehung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Best fit, value ± σ</source>
        <translation>Beste Anpassung, Wert ± σ</translation>
    </message>
    <message>
        <source>Middle of the orbits</source>
        <translation>Mitte der Bahnen</translation>
    </message>
    <message>
        <source>68 % of the orbits</source>
        <translation>68 % der Bahnen</translation>
    </message>
    <message>
        <source>Each element&apos;s best fit and the range of the orbits</source>
        <translation>Beste Anpassung jedes Bahnelements und Bereich der Bahnen</translation>
    </message>
    <message>
        <source>&amp;Planet:</source>
        <translation>&amp;Planet:</translation>
    </message>
    <message>
        <source>The planet&apos;s orbits</source>
        <translation>Die Bahnen des Planeten</translation>
    </message>
    <message>
        <source>&amp;Save chain...</source>
        <translation>Kette &amp;speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 (held)</source>
        <comment>a value the fit kept fixed</comment>
        <translation>%1 (festgehalten)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>a range of values</comment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>No orbits could be drawn: near this fit the measurements allow no orbit the priors take (an eccentricity at its bound, say).</source>
        <translation>Es ließen sich keine Bahnen ziehen: In der Nähe dieser Anpassung erlauben die Messungen keine Bahn, die die Priors zulassen (etwa eine Exzentrizität an ihrer Grenze).</translation>
    </message>
    <message>
        <source>Drawing orbits that fit the measurements: %1 walkers over the %2 fitted values…</source>
        <translation>Bahnen, die zu den Messungen passen, werden gezogen: %1 Walker über die %2 angepassten Werte…</translation>
    </message>
    <message>
        <source>No orbits could be drawn: %1</source>
        <translation>Es ließen sich keine Bahnen ziehen: %1</translation>
    </message>
    <message>
        <source>Cancelled: no orbits are shown.</source>
        <translation>Abgebrochen: Es werden keine Bahnen gezeigt.</translation>
    </message>
    <message>
        <source>Converged: %1 steps of %2 walkers, %3 times the longest autocorrelation time (%4 steps).</source>
        <translation>Konvergiert: %1 Schritte von %2 Walkern, das %3-Fache der längsten Autokorrelationszeit (%4 Schritte).</translation>
    </message>
    <message>
        <source>Not converged after %1 steps of %2 walkers, %3 times the longest autocorrelation time (%4 steps): the autocorrelation time was still changing between looks, so the ranges below are rough. A planet the data barely hold spreads its orbits widely.</source>
        <translation>Nicht konvergiert nach %1 Schritten von %2 Walkern, dem %3-Fachen der längsten Autokorrelationszeit (%4 Schritte): Die Autokorrelationszeit änderte sich zwischen den Prüfungen noch, deshalb sind die Bereiche unten grob. Ein Planet, den die Daten kaum halten, streut seine Bahnen weit.</translation>
    </message>
    <message>
        <source>Not converged after %1 steps of %2 walkers, %3 times the longest autocorrelation time (%4 steps): a chain of %5 autocorrelation times is needed, so the ranges below are rough. A planet the data barely hold spreads its orbits widely.</source>
        <translation>Nicht konvergiert nach %1 Schritten von %2 Walkern, dem %3-Fachen der längsten Autokorrelationszeit (%4 Schritte): Nötig ist eine Kette von %5 Autokorrelationszeiten, deshalb sind die Bereiche unten grob. Ein Planet, den die Daten kaum halten, streut seine Bahnen weit.</translation>
    </message>
    <message>
        <source>Planet %1</source>
        <translation>Planet %1</translation>
    </message>
    <message>
        <source>Each orbit drawn fits the measurements about as well as the best fit does: the spread of the orbits is the uncertainty. Where the range is lopsided, or its middle lies off the best fit, the value ± σ of the Fit page says less than the orbits do.</source>
        <translation>Jede gezogene Bahn passt etwa so gut zu den Messungen wie die beste Anpassung: Die Streuung der Bahnen ist die Unsicherheit. Wo der Bereich schief ist oder seine Mitte neben der besten Anpassung liegt, sagt der Wert ± σ der Seite Anpassung weniger als die Bahnen.</translation>
    </message>
    <message>
        <source>%1: P (days)</source>
        <comment>the period of an orbit</comment>
        <translation>%1: P (Tage)</translation>
    </message>
    <message>
        <source>%1: m sin i (Jupiter masses)</source>
        <translation>%1: m sin i (Jupitermassen)</translation>
    </message>
    <message>
        <source>%1: a (AU)</source>
        <comment>the semi-major axis</comment>
        <translation>%1: a (AU)</translation>
    </message>
    <message>
        <source>instrument %1</source>
        <translation>Instrument %1</translation>
    </message>
    <message>
        <source>offset %1 (m/s)</source>
        <translation>Versatz %1 (m/s)</translation>
    </message>
    <message>
        <source>jitter %1 (m/s)</source>
        <translation>Jitter %1 (m/s)</translation>
    </message>
    <message>
        <source>The chain was not saved: %1.</source>
        <translation>Die Kette wurde nicht gespeichert: %1.</translation>
    </message>
    <message>
        <source>Save chain</source>
        <translation>Kette speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>No orbits drawn yet.</source>
        <translation>Noch keine Bahnen gezogen.</translation>
    </message>
    <message>
        <source>m sin i (Jupiter masses)</source>
        <translation>m sin i (Jupitermassen)</translation>
    </message>
    <message>
        <source>P (days)</source>
        <comment>the period of an orbit</comment>
        <translation>P (Tage)</translation>
    </message>
    <message>
        <source>periastron T (days)</source>
        <comment>the time of periastron</comment>
        <translation>Periastron T (Tage)</translation>
    </message>
    <message>
        <source>their median</source>
        <translation>ihr Median</translation>
    </message>
    <message>
        <source>the best fit ± σ</source>
        <translation>beste Anpassung ± σ</translation>
    </message>
    <message numerus="yes">
        <source>%n orbits that fit the measurements: %1 from %2 to %3 (68 % of them), median %4; the best fit %5 ± %6.</source>
        <comment>%1 is the value&apos;s name</comment>
        <translation>
            <numerusform>%n Bahn, die zu den Messungen passt: %1 von %2 bis %3 (68 % davon), Median %4; die beste Anpassung %5 ± %6.</numerusform>
            <numerusform>%n Bahnen, die zu den Messungen passen: %1 von %2 bis %3 (68 % davon), Median %4; die beste Anpassung %5 ± %6.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>time from %1</source>
        <translation>Zeit aus %1</translation>
    </message>
    <message>
        <source>velocity from %1</source>
        <translation>Geschwindigkeit aus %1</translation>
    </message>
    <message>
        <source>error from %1</source>
        <translation>Fehler aus %1</translation>
    </message>
    <message>
        <source>instrument from %1</source>
        <translation>Instrument aus %1</translation>
    </message>
    <message>
        <source>time in column %1</source>
        <translation>Zeit in Spalte %1</translation>
    </message>
    <message>
        <source>velocity in column %1</source>
        <translation>Geschwindigkeit in Spalte %1</translation>
    </message>
    <message>
        <source>error in column %1</source>
        <translation>Fehler in Spalte %1</translation>
    </message>
    <message>
        <source>instrument in column %1</source>
        <translation>Instrument in Spalte %1</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>Velocities in km/s, as the file says.</source>
        <translation>Geschwindigkeiten in km/s, wie die Datei sagt.</translation>
    </message>
    <message>
        <source>Velocities in m/s, as the file says.</source>
        <translation>Geschwindigkeiten in m/s, wie die Datei sagt.</translation>
    </message>
    <message>
        <source>Velocities in km/s: the errors are about %1, too small for m/s.</source>
        <translation>Geschwindigkeiten in km/s: Die Fehler sind etwa %1, zu klein für m/s.</translation>
    </message>
    <message>
        <source>Velocities in m/s: the errors are about %1.</source>
        <translation>Geschwindigkeiten in m/s: Die Fehler sind etwa %1.</translation>
    </message>
    <message>
        <source>Times are JD − 2 400 000, as the column&apos;s name says.</source>
        <translation>Die Zeiten sind JD − 2 400 000, wie der Name der Spalte sagt.</translation>
    </message>
    <message>
        <source>Times are MJD, as the column&apos;s name says.</source>
        <translation>Die Zeiten sind MJD, wie der Name der Spalte sagt.</translation>
    </message>
    <message>
        <source>Times are taken as JD − 2 400 000 (about %1), as .rdb tables keep them.</source>
        <translation>Die Zeiten werden als JD − 2 400 000 genommen (etwa %1), wie .rdb-Tabellen sie führen.</translation>
    </message>
    <message>
        <source>Times are BJD, as the column&apos;s name says.</source>
        <translation>Die Zeiten sind BJD, wie der Name der Spalte sagt.</translation>
    </message>
    <message>
        <source>Times are Julian dates (about %1).</source>
        <translation>Die Zeiten sind julianische Daten (etwa %1).</translation>
    </message>
    <message>
        <source>Times are taken as MJD (about %1); if they are JD − 2 400 000, choose that scale.</source>
        <translation>Die Zeiten werden als MJD genommen (etwa %1); sind sie JD − 2 400 000, wähle diese Skala.</translation>
    </message>
    <message>
        <source>Times are taken as days from an epoch of the file&apos;s own.</source>
        <translation>Die Zeiten werden als Tage ab einer eigenen Epoche der Datei genommen.</translation>
    </message>
    <message>
        <source>The columns could not be told apart; choose them.</source>
        <translation>Die Spalten ließen sich nicht unterscheiden; wähle sie aus.</translation>
    </message>
    <message>
        <source>Columns by their names: %1, %2, %3, %4.</source>
        <translation>Spalten nach ihren Namen: %1, %2, %3, %4.</translation>
    </message>
    <message>
        <source>Columns by their order: %1, %2, %3, %4.</source>
        <translation>Spalten nach ihrer Reihenfolge: %1, %2, %3, %4.</translation>
    </message>
    <message>
        <source>Columns by their names: %1, %2, %3.</source>
        <translation>Spalten nach ihren Namen: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Columns by their order: %1, %2, %3.</source>
        <translation>Spalten nach ihrer Reihenfolge: %1, %2, %3.</translation>
    </message>
    <message>
        <source>comma-separated</source>
        <translation>durch Kommas getrennt</translation>
    </message>
    <message>
        <source>semicolon-separated</source>
        <translation>durch Semikolons getrennt</translation>
    </message>
    <message>
        <source>separated by blanks</source>
        <translation>durch Leerzeichen getrennt</translation>
    </message>
</context>
<context>
    <name>Import measurements</name>
    <message>
        <source>Import measurements</source>
        <translation>Messungen importieren</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>File shown</source>
        <translation>Gezeigte Datei</translation>
    </message>
    <message>
        <source>The file&apos;s first rows</source>
        <translation>Die ersten Zeilen der Datei</translation>
    </message>
    <message>
        <source>&amp;Time column</source>
        <translation>&amp;Zeitspalte</translation>
    </message>
    <message>
        <source>Column of the times</source>
        <translation>Spalte der Zeiten</translation>
    </message>
    <message>
        <source>&amp;Velocity column</source>
        <translation>&amp;Geschwindigkeit</translation>
    </message>
    <message>
        <source>Column of the velocities</source>
        <translation>Spalte der Geschwindigkeiten</translation>
    </message>
    <message>
        <source>&amp;Error column</source>
        <translation>&amp;Fehlerspalte</translation>
    </message>
    <message>
        <source>Column of the errors</source>
        <translation>Spalte der Fehler</translation>
    </message>
    <message>
        <source>I&amp;nstrument column</source>
        <translation>I&amp;nstrumentenspalte</translation>
    </message>
    <message>
        <source>Column of the instruments&apos; names</source>
        <translation>Spalte der Namen der Instrumente</translation>
    </message>
    <message>
        <source>Velocity &amp;unit</source>
        <translation>&amp;Einheit</translation>
    </message>
    <message>
        <source>Unit of the velocities and errors</source>
        <translation>Einheit der Geschwindigkeiten und Fehler</translation>
    </message>
    <message>
        <source>Time &amp;scale</source>
        <translation>Zeit&amp;maßstab</translation>
    </message>
    <message>
        <source>Time scale of the times</source>
        <translation>Zeitmaßstab der Zeiten</translation>
    </message>
    <message>
        <source>What the import guessed</source>
        <translation>Was der Import vermutet hat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>This file cannot be read as a table: %1</source>
        <translation>Diese Datei lässt sich nicht als Tabelle lesen: %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>line %1</source>
        <comment>a line of the file</comment>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <comment>no column of instruments</comment>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>%1. The columns and units are as chosen.</source>
        <translation>%1. Die Spalten und Einheiten sind wie gewählt.</translation>
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
    <name>My answers</name>
    <message>
        <source>right at the first attempt</source>
        <translation>beim ersten Versuch richtig</translation>
    </message>
    <message>
        <source>right at attempt %1</source>
        <translation>beim %1. Versuch richtig</translation>
    </message>
    <message>
        <source>wrong: the answer was shown</source>
        <translation>falsch: Die Antwort wurde gezeigt</translation>
    </message>
    <message>
        <source>not yet answered right</source>
        <translation>noch nicht richtig beantwortet</translation>
    </message>
    <message>
        <source>My answers</source>
        <translation>Meine Antworten</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Dein &amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Name:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Name:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>(not given)</source>
        <comment>the name</comment>
        <translation>(nicht angegeben)</translation>
    </message>
    <message>
        <source>Chapter %1: %2</source>
        <comment>the chapter&apos;s number and title</comment>
        <translation>Kapitel %1: %2</translation>
    </message>
    <message>
        <source>&lt;b&gt;Seed:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Seed:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Page %1:&lt;/b&gt; %2 (seed %3)</source>
        <translation>&lt;b&gt;Seite %1:&lt;/b&gt; %2 (Seed %3)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Page %1:&lt;/b&gt; %2</source>
        <translation>&lt;b&gt;Seite %1:&lt;/b&gt; %2</translation>
    </message>
    <message>
        <source>Attempt %1: %2 (right)</source>
        <translation>Versuch %1: %2 (richtig)</translation>
    </message>
    <message>
        <source>Attempt %1: %2 (wrong)</source>
        <translation>Versuch %1: %2 (falsch)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Verdict:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Bewertung:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>No question has been answered yet.</source>
        <translation>Noch keine Frage wurde beantwortet.</translation>
    </message>
</context>
<context>
    <name>Mystery stars</name>
    <message>
        <source>omega undefined (circular orbit)</source>
        <translation>omega unbestimmt (Kreisbahn)</translation>
    </message>
    <message>
        <source>omega %1 degrees</source>
        <translation>omega %1 Grad</translation>
    </message>
    <message>
        <source>Mystery star A</source>
        <translation>Rätselstern A</translation>
    </message>
    <message>
        <source>Mystery star B</source>
        <translation>Rätselstern B</translation>
    </message>
    <message>
        <source>Mystery star C</source>
        <translation>Rätselstern C</translation>
    </message>
    <message>
        <source>%1, a star of %2 solar masses</source>
        <translation>%1, ein Stern von %2 Sonnenmassen</translation>
    </message>
    <message>
        <source>%1: star of %2 solar masses; %3</source>
        <translation>%1: Stern von %2 Sonnenmassen; %3</translation>
    </message>
    <message>
        <source>%1: period %2 days, K %3 m/s, e %4, %5, a %6 AU, m sin i %7 Jupiter masses</source>
        <translation>%1: Periode %2 Tage, K %3 m/s, e %4, %5, a %6 AE, m sin i %7 Jupitermassen</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>%1 day</source>
        <translation>%1 Tag</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>below 10⁻¹⁶</source>
        <translation>unter 10⁻¹⁶</translation>
    </message>
</context>
<context>
    <name>Observing plots</name>
    <message numerus="yes">
        <source>%n instruments</source>
        <translation>
            <numerusform>%n Instrument</numerusform>
            <numerusform>%n Instrumente</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <comment>instruments not named in the key</comment>
        <translation>
            <numerusform>%n weiteres</numerusform>
            <numerusform>%n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>periodogram</source>
        <translation>Periodogramm</translation>
    </message>
    <message>
        <source>window function</source>
        <translation>Fensterfunktion</translation>
    </message>
    <message>
        <source>No measurements yet: plan a run and press Observe, or import a file.</source>
        <translation>Noch keine Messungen: Plane eine Kampagne und drücke Beobachten, oder importiere eine Datei.</translation>
    </message>
    <message>
        <source>phase: time since periastron over the period of %1 days</source>
        <translation>Phase: Zeit seit dem Periastron durch die Periode von %1 Tagen</translation>
    </message>
    <message>
        <source>time since the first point, %1 (days)</source>
        <translation>Zeit seit dem ersten Punkt, %1 (Tage)</translation>
    </message>
    <message>
        <source>time (days)</source>
        <translation>Zeit (Tage)</translation>
    </message>
    <message>
        <source>The periodogram shows here once there are measurements.</source>
        <translation>Das Periodogramm erscheint hier, sobald es Messungen gibt.</translation>
    </message>
    <message>
        <source>period (days)</source>
        <comment>of an orbit</comment>
        <translation>Periode (Tage)</translation>
    </message>
    <message>
        <source>power</source>
        <comment>of a periodogram</comment>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>The measurements fold here on the trial period.</source>
        <translation>Die Messungen werden hier mit der Testperiode gefaltet.</translation>
    </message>
    <message>
        <source>phase at a period of %1 days</source>
        <translation>Phase bei einer Periode von %1 Tagen</translation>
    </message>
    <message>
        <source>radial velocity (m/s)</source>
        <translation>Radialgeschwindigkeit (m/s)</translation>
    </message>
    <message>
        <source>v − offset − trend (m/s)</source>
        <translation>v − Versatz − Trend (m/s)</translation>
    </message>
    <message>
        <source>v − offset (m/s)</source>
        <translation>v − Versatz (m/s)</translation>
    </message>
    <message>
        <source>The fit has no planet.</source>
        <translation>Die Anpassung hat keinen Planeten.</translation>
    </message>
    <message>
        <source>%1 days, K %2 m/s</source>
        <comment>a fitted planet&apos;s period and semi-amplitude</comment>
        <translation>%1 Tage, K %2 m/s</translation>
    </message>
    <message numerus="yes">
        <source>The fitted curve of %n planet(s) runs through them, over one orbit: %1.</source>
        <translation>
            <numerusform>Die angepasste Kurve von %n Planeten läuft durch sie, über einen Umlauf: %1.</numerusform>
            <numerusform>Die angepasste Kurve von %n Planeten läuft durch sie, über einen Umlauf: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The fitted curve of %n planet(s) runs through them: %1.</source>
        <translation>
            <numerusform>Die angepasste Kurve von %n Planeten läuft durch sie: %1.</numerusform>
            <numerusform>Die angepasste Kurve von %n Planeten läuft durch sie: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No measurements.</source>
        <translation>Keine Messungen.</translation>
    </message>
    <message numerus="yes">
        <source>%n measurements folded on a period of %1 days.</source>
        <translation>
            <numerusform>%n Messung, gefaltet mit einer Periode von %1 Tagen.</numerusform>
            <numerusform>%n Messungen, gefaltet mit einer Periode von %1 Tagen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n measurements folded on a period of %1 days; the highest, %2 m/s, at phase %3.</source>
        <translation>
            <numerusform>%n Messung, gefaltet mit einer Periode von %1 Tagen; die höchste, %2 m/s, bei Phase %3.</numerusform>
            <numerusform>%n Messungen, gefaltet mit einer Periode von %1 Tagen; die höchste, %2 m/s, bei Phase %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>No residuals.</source>
        <translation>Keine Residuen.</translation>
    </message>
    <message numerus="yes">
        <source>%n residuals over %1 days; the highest, %2 m/s, at day %3.</source>
        <translation>
            <numerusform>%n Residuum über %1 Tage; das höchste, %2 m/s, an Tag %3.</numerusform>
            <numerusform>%n Residuen über %1 Tage; das höchste, %2 m/s, an Tag %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n measurements over %1 days; the highest, %2 m/s, at day %3.</source>
        <translation>
            <numerusform>%n Messung über %1 Tage; die höchste, %2 m/s, an Tag %3.</numerusform>
            <numerusform>%n Messungen über %1 Tage; die höchste, %2 m/s, an Tag %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>plot</source>
        <comment>the name of a picture file of a plot</comment>
        <translation>diagramm</translation>
    </message>
    <message>
        <source>No peak: the velocities do not vary.</source>
        <translation>Kein Peak: Die Geschwindigkeiten schwanken nicht.</translation>
    </message>
    <message>
        <source>The highest peak is at a period of %1 days, power %2.</source>
        <translation>Der höchste Peak liegt bei einer Periode von %1 Tagen, Leistung %2.</translation>
    </message>
    <message>
        <source>The residuals show here after a fit.</source>
        <translation>Die Residuen erscheinen hier nach einer Anpassung.</translation>
    </message>
    <message>
        <source>residual (m/s)</source>
        <translation>Residuum (m/s)</translation>
    </message>
    <message>
        <source>Their rms is %1 m/s.</source>
        <translation>Ihr rms-Wert ist %1 m/s.</translation>
    </message>
</context>
<context>
    <name>Observing run</name>
    <message>
        <source>Observing run</source>
        <translation>Beobachtungskampagne</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Import measurements...</source>
        <translation>Messungen &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export measurements...</source>
        <translation>Messungen &amp;exportieren...</translation>
    </message>
    <message>
        <source>Save the &amp;fit...</source>
        <translation>&amp;Anpassung speichern...</translation>
    </message>
    <message>
        <source>Save the resi&amp;duals...</source>
        <translation>Residuen &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;How sure?...</source>
        <translation>&amp;Wie sicher?...</translation>
    </message>
    <message>
        <source>&amp;Open run...</source>
        <translation>Kampagne ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save run...</source>
        <translation>Kampagne s&amp;peichern...</translation>
    </message>
    <message>
        <source>Open &amp;real data</source>
        <translation>Ec&amp;hte Daten öffnen</translation>
    </message>
    <message>
        <source>Show on the &amp;card of real systems</source>
        <translation>Auf der &amp;Karte echter Systeme zeigen</translation>
    </message>
    <message>
        <source>Open a &amp;mystery star</source>
        <translation>Rä&amp;tselstern öffnen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Nights</source>
        <translation>&amp;Nächte</translation>
    </message>
    <message>
        <source>Number of nights</source>
        <translation>Zahl der Nächte</translation>
    </message>
    <message>
        <source>&amp;Run length (days)</source>
        <translation>Da&amp;uer (Tage)</translation>
    </message>
    <message>
        <source>Run length in days</source>
        <translation>Dauer der Kampagne in Tagen</translation>
    </message>
    <message>
        <source>Prec&amp;ision σ (m/s)</source>
        <translation>&amp;Genauigkeit σ (m/s)</translation>
    </message>
    <message>
        <source>Measurement precision in metres per second</source>
        <translation>Messgenauigkeit in Metern pro Sekunde</translation>
    </message>
    <message>
        <source>Stellar &amp;jitter (m/s)</source>
        <translation>Stern-&amp;Jitter (m/s)</translation>
    </message>
    <message>
        <source>Stellar jitter in metres per second</source>
        <translation>Jitter des Sterns in Metern pro Sekunde</translation>
    </message>
    <message>
        <source>Obser&amp;vable (% of year)</source>
        <translation>&amp;Sichtbar (% im Jahr)</translation>
    </message>
    <message>
        <source>Share of the year the star is observable, per cent</source>
        <translation>Anteil des Jahres, in dem der Stern beobachtbar ist, in Prozent</translation>
    </message>
    <message>
        <source>Lost to &amp;weather (%)</source>
        <translation>Wette&amp;rausfall (%)</translation>
    </message>
    <message>
        <source>Share of nights lost to weather, per cent</source>
        <translation>Anteil der Nächte, die wegen des Wetters ausfallen, in Prozent</translation>
    </message>
    <message>
        <source>&amp;Seed</source>
        <translation>S&amp;eed</translation>
    </message>
    <message>
        <source>Random seed</source>
        <translation>Zufälliger Seed</translation>
    </message>
    <message>
        <source>New s&amp;eed</source>
        <translation>Neu &amp;würfeln</translation>
    </message>
    <message>
        <source>New random seed</source>
        <translation>Neuer zufälliger Seed</translation>
    </message>
    <message>
        <source>&amp;Observe</source>
        <translation>&amp;Beobachten</translation>
    </message>
    <message>
        <source>Observe</source>
        <translation>Beobachten</translation>
    </message>
    <message>
        <source>One measurement a clear night at most. The same seed and plan give the same measurements on every computer, so a class can share one run.</source>
        <translation>Höchstens eine Messung pro klarer Nacht. Derselbe Seed und Plan ergeben auf jedem Computer dieselben Messungen, sodass eine Klasse eine Kampagne teilen kann.</translation>
    </message>
    <message>
        <source>Papers of the published measurements</source>
        <translation>Artikel der veröffentlichten Messungen</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Pages: data, periodogram, phase fold, fit by hand, fit</source>
        <translation>Seiten: Daten, Periodogramm, Phasenfaltung, Anpassung von Hand, Anpassung</translation>
    </message>
    <message>
        <source>Measurements against time</source>
        <translation>Messungen über der Zeit</translation>
    </message>
    <message>
        <source>Each measured radial velocity with its error bar against the time of the measurement; with Show the truth, the star&apos;s true velocity as a line.</source>
        <translation>Jede gemessene Radialgeschwindigkeit mit ihrem Fehlerbalken über dem Zeitpunkt der Messung; mit „Wahrheit zeigen“ die wahre Geschwindigkeit des Sterns als Linie.</translation>
    </message>
    <message>
        <source>Show the &amp;truth</source>
        <translation>Wahrheit &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>Da&amp;ten</translation>
    </message>
    <message>
        <source>Periodogram</source>
        <translation>Periodogramm</translation>
    </message>
    <message>
        <source>The power of a sine fitted at each trial period, periods on a logarithmic axis, the highest peak marked.</source>
        <translation>Die Leistung einer bei jeder Testperiode angepassten Sinuskurve, die Perioden auf einer logarithmischen Achse, der höchste Peak markiert.</translation>
    </message>
    <message>
        <source>Shor&amp;test period (days)</source>
        <translation>Kürzeste Peri&amp;ode (Tage)</translation>
    </message>
    <message>
        <source>Shortest period in days</source>
        <translation>Kürzeste Periode in Tagen</translation>
    </message>
    <message>
        <source>Periods down to this are searched. It starts at half a day, so that a planet of a period under a day is found.</source>
        <comment>periods of orbits</comment>
        <translation>Bis zu dieser Periode wird gesucht. Sie beginnt bei einem halben Tag, damit ein Planet mit einer Umlaufzeit unter einem Tag gefunden wird.</translation>
    </message>
    <message>
        <source>Show the window f&amp;unction</source>
        <translation>Fensterfun&amp;ktion zeigen</translation>
    </message>
    <message>
        <source>Wor&amp;k out</source>
        <translation>&amp;Ausrechnen</translation>
    </message>
    <message>
        <source>Work out the periodogram</source>
        <translation>Das Periodogramm berechnen</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Cancel the periodogram</source>
        <translation>Das Periodogramm abbrechen</translation>
    </message>
    <message>
        <source>Periodogram progress</source>
        <translation>Fortschritt des Periodogramms</translation>
    </message>
    <message>
        <source>&amp;Periodogram</source>
        <translation>&amp;Periodogramm</translation>
    </message>
    <message>
        <source>Measurements folded on the trial period</source>
        <translation>Mit der Testperiode gefaltete Messungen</translation>
    </message>
    <message>
        <source>Each measurement at its phase on the trial period, from %1 to %2; the ends are repeated, shaded.</source>
        <translation>Jede Messung bei ihrer Phase auf der Testperiode, von %1 bis %2; die Enden sind schattiert wiederholt.</translation>
    </message>
    <message>
        <source>Tria&amp;l period</source>
        <comment>of an orbit</comment>
        <translation>Testperi&amp;ode</translation>
    </message>
    <message>
        <source>Trial period, logarithmic</source>
        <translation>Testperiode, logarithmisch</translation>
    </message>
    <message>
        <source> d</source>
        <comment>unit of days after a period</comment>
        <translation> d</translation>
    </message>
    <message>
        <source>Trial period in days</source>
        <translation>Testperiode in Tagen</translation>
    </message>
    <message>
        <source>Use the hi&amp;ghest peak</source>
        <translation>Höchsten Pea&amp;k nehmen</translation>
    </message>
    <message>
        <source>Use the highest peak</source>
        <translation>Den höchsten Peak nehmen</translation>
    </message>
    <message>
        <source>P&amp;hase fold</source>
        <translation>Phasen&amp;faltung</translation>
    </message>
    <message>
        <source>&amp;By hand</source>
        <translation>Von &amp;Hand</translation>
    </message>
    <message>
        <source>Fit</source>
        <comment>the page of the orbit fit</comment>
        <translation>Anpassung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Saved work (*.json);;All files (*)</source>
        <translation>Gespeicherte Arbeit (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file cannot be used: its run length %1 lies outside %2 to %3.</source>
        <translation>Die Datei lässt sich nicht verwenden: Ihre Kampagnendauer %1 liegt außerhalb von %2 bis %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its precision %1 lies outside %2 to %3.</source>
        <translation>Die Datei lässt sich nicht verwenden: Ihre Genauigkeit %1 liegt außerhalb von %2 bis %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its jitter %1 lies outside %2 to %3.</source>
        <translation>Die Datei lässt sich nicht verwenden: Ihr Jitter %1 liegt außerhalb von %2 bis %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its shortest period %1 lies outside %2 to %3.</source>
        <translation>Die Datei lässt sich nicht verwenden: Ihre kürzeste Periode %1 liegt außerhalb von %2 bis %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its star&apos;s mass for the fit %1 lies outside %2 to %3.</source>
        <translation>Die Datei lässt sich nicht verwenden: Die Sternmasse für die Anpassung darin, %1, liegt außerhalb von %2 bis %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its fold period is shorter than half its shortest period.</source>
        <translation>Die Datei lässt sich nicht verwenden: Ihre Faltperiode ist kürzer als die Hälfte ihrer kürzesten Periode.</translation>
    </message>
    <message>
        <source>The file cannot be used: the book has no published measurements of %1.</source>
        <translation>Die Datei lässt sich nicht verwenden: Das Buch hat keine veröffentlichten Messungen von %1.</translation>
    </message>
    <message>
        <source>%1 The run shown is kept.</source>
        <translation>%1 Die gezeigte Kampagne bleibt erhalten.</translation>
    </message>
    <message>
        <source>The file holds no observing run.</source>
        <translation>Die Datei enthält keine Beobachtungskampagne.</translation>
    </message>
    <message>
        <source>Save run</source>
        <translation>Kampagne speichern</translation>
    </message>
    <message>
        <source>Open run</source>
        <translation>Kampagne öffnen</translation>
    </message>
    <message>
        <source>No run can cover two cycles of the longest period, %1 days: a periodogram cannot tell it well.</source>
        <translation>Keine Kampagne kann zwei Zyklen der längsten Periode, %1 Tage, abdecken: Ein Periodogramm kann sie nicht gut erkennen.</translation>
    </message>
    <message>
        <source>The run covers less than two cycles of the longest period, %1 days: a periodogram cannot tell it well.</source>
        <translation>Die Kampagne umfasst weniger als zwei Zyklen der längsten Periode, %1 Tage: Ein Periodogramm kann sie nicht gut erkennen.</translation>
    </message>
    <message numerus="yes">
        <source>Observed %n clear nights of the %1 asked for over %2 days, seed %3.</source>
        <translation>
            <numerusform>%n klare Nacht von den %1 verlangten über %2 Tage beobachtet, Seed %3.</numerusform>
            <numerusform>%n klare Nächte von den %1 verlangten über %2 Tage beobachtet, Seed %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n measurements. What orbits it?</source>
        <translation>
            <numerusform>%1: %n Messung. Was umkreist ihn?</numerusform>
            <numerusform>%1: %n Messungen. Was umkreist ihn?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, published: %n measurements from %2.</source>
        <translation>
            <numerusform>%1, veröffentlicht: %n Messung aus %2.</numerusform>
            <numerusform>%1, veröffentlicht: %n Messungen aus %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n measurements of %1 instruments from a saved run.</source>
        <translation>
            <numerusform>%n Messung von %1 Instrumenten aus einer gespeicherten Kampagne gelesen.</numerusform>
            <numerusform>%n Messungen von %1 Instrumenten aus einer gespeicherten Kampagne gelesen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n measurements from a saved run.</source>
        <translation>
            <numerusform>%n Messung aus einer gespeicherten Kampagne gelesen.</numerusform>
            <numerusform>%n Messungen aus einer gespeicherten Kampagne gelesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: its files are missing</source>
        <translation>%1: Seine Dateien fehlen</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n measurements (%3)</source>
        <comment>a star, its instruments, its measurements and their papers</comment>
        <translation>
            <numerusform>%1: %2, %n Messung (%3)</numerusform>
            <numerusform>%1: %2, %n Messungen (%3)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (The plan on the left is for the chapter&apos;s star, not these data.)</source>
        <translation>%1 (Der Plan links gilt für den Stern des Kapitels, nicht für diese Daten.)</translation>
    </message>
    <message>
        <source>%1 (The plan on the left is the one these data were made with; Observe uses it on the chapter&apos;s star.)</source>
        <translation>%1 (Mit dem Plan links wurden diese Daten erzeugt; Beobachten wendet ihn auf den Stern des Kapitels an.)</translation>
    </message>
    <message>
        <source>The open chapter&apos;s star has no planet in use: Observe measures a quiet star.</source>
        <translation>Der Stern des offenen Kapitels hat keinen Planeten in Gebrauch: Beobachten misst einen ruhigen Stern.</translation>
    </message>
    <message>
        <source>Plan a run on the open chapter&apos;s star and press Observe.</source>
        <translation>Plane eine Kampagne für den Stern des offenen Kapitels und drücke Beobachten.</translation>
    </message>
    <message>
        <source>No simulation chapter is open: import measurements or open a mystery star.</source>
        <translation>Kein Simulationskapitel ist offen: Importiere Messungen oder öffne einen Rätselstern.</translation>
    </message>
    <message numerus="yes">
        <source>Only %n nights were clear: too few for a periodogram. Ask for more nights, a longer run or better weather.</source>
        <translation>
            <numerusform>Nur %n Nacht war klar: zu wenige für ein Periodogramm. Verlange mehr Nächte, eine längere Kampagne oder besseres Wetter.</numerusform>
            <numerusform>Nur %n Nächte waren klar: zu wenige für ein Periodogramm. Verlange mehr Nächte, eine längere Kampagne oder besseres Wetter.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file was not read: %1</source>
        <translation>Die Datei wurde nicht gelesen: %1</translation>
    </message>
    <message numerus="yes">
        <source>Read %n measurements from %1.</source>
        <translation>
            <numerusform>%n Messung aus %1 gelesen.</numerusform>
            <numerusform>%n Messungen aus %1 gelesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The measurements of %1 were not read: %2</source>
        <translation>Die Messungen von %1 wurden nicht gelesen: %2</translation>
    </message>
    <message numerus="yes">
        <source>The %n measurements of %1.</source>
        <translation>
            <numerusform>Die %n Messung von %1.</numerusform>
            <numerusform>Die %n Messungen von %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 The measurements shown are kept.</source>
        <translation>%1 Die gezeigten Messungen bleiben erhalten.</translation>
    </message>
    <message>
        <source>The measurements were not read: %1</source>
        <translation>Die Messungen wurden nicht gelesen: %1</translation>
    </message>
    <message numerus="yes">
        <source>Read %n measurements of %1 instruments from %2.</source>
        <translation>
            <numerusform>%n Messung von %1 Instrumenten aus %2 gelesen.</numerusform>
            <numerusform>%n Messungen von %1 Instrumenten aus %2 gelesen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n measurements of %1 instruments from %2 files.</source>
        <translation>
            <numerusform>%n Messung von %1 Instrumenten aus %2 Dateien gelesen.</numerusform>
            <numerusform>%n Messungen von %1 Instrumenten aus %2 Dateien gelesen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n measurements from %1 files.</source>
        <translation>
            <numerusform>%n Messung aus %1 Dateien gelesen.</numerusform>
            <numerusform>%n Messungen aus %1 Dateien gelesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The published measurements of %1 were not read: %2</source>
        <translation>Die veröffentlichten Messungen von %1 wurden nicht gelesen: %2</translation>
    </message>
    <message>
        <source>The measurements were not written: %1.</source>
        <translation>Die Messungen wurden nicht geschrieben: %1.</translation>
    </message>
    <message>
        <source>v less each instrument&apos;s mean (m/s)</source>
        <translation>v minus Mittelwert des Instruments (m/s)</translation>
    </message>
    <message>
        <source>radial velocity (m/s)</source>
        <translation>Radialgeschwindigkeit (m/s)</translation>
    </message>
    <message>
        <source>Data: %1.</source>
        <comment>the papers of the published measurements</comment>
        <translation>Daten: %1.</translation>
    </message>
    <message>
        <source>Working out the periodogram…</source>
        <translation>Das Periodogramm wird berechnet…</translation>
    </message>
    <message>
        <source>The periodogram could not be worked out: %1.</source>
        <translation>Das Periodogramm ließ sich nicht berechnen: %1.</translation>
    </message>
    <message>
        <source>The periodogram could not be worked out.</source>
        <translation>Das Periodogramm ließ sich nicht berechnen.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>The periodogram was cancelled. Press Work out to start it again.</source>
        <translation>Das Periodogramm wurde abgebrochen. Drücke Ausrechnen, um es neu zu starten.</translation>
    </message>
    <message>
        <source>Highest peak: %1; false-alarm probability %2.</source>
        <translation>Höchster Peak: %1; Falschalarmwahrscheinlichkeit %2.</translation>
    </message>
    <message>
        <source>No periodogram: every measurement was taken at the same time, so there is no time span in which to look for a period.</source>
        <translation>Kein Periodogramm: Alle Messungen wurden zur selben Zeit gemacht, es gibt also keine Zeitspanne, in der sich eine Periode suchen ließe.</translation>
    </message>
    <message>
        <source>No periodogram yet.</source>
        <translation>Noch kein Periodogramm.</translation>
    </message>
    <message>
        <source>Import measurements: one file, or one per instrument</source>
        <translation>Messungen importieren: eine Datei oder eine je Instrument</translation>
    </message>
    <message>
        <source>Measurements (*.csv *.tsv *.txt *.dat *.vels *.rdb);;All files (*)</source>
        <translation>Messungen (*.csv *.tsv *.txt *.dat *.vels *.rdb);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save the fit</source>
        <translation>Anpassung speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Save the residuals</source>
        <translation>Residuen speichern</translation>
    </message>
    <message>
        <source>Export measurements</source>
        <translation>Messungen exportieren</translation>
    </message>
    <message>
        <source>Printing failed: the printer cannot be opened.</source>
        <translation>Drucken fehlgeschlagen: Der Drucker lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>Printing failed: the printer took no further page.</source>
        <translation>Drucken fehlgeschlagen: Der Drucker hat keine weitere Seite angenommen.</translation>
    </message>
    <message>
        <source>Printing failed.</source>
        <translation>Drucken fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Observing run: %1 nights over %2 days, precision %3 m/s, jitter %4 m/s, observable %5 % of the year, %6 % of nights lost to weather, seed %7</source>
        <translation>Beobachtungskampagne: %1 Nächte über %2 Tage, Genauigkeit %3 m/s, Jitter %4 m/s, beobachtbar %5 % des Jahres, %6 % der Nächte wetterbedingt verloren, Seed %7</translation>
    </message>
</context>
<context>
    <name>Orbit fit</name>
    <message>
        <source>Fit</source>
        <comment>the page of the orbit fit</comment>
        <translation>Anpassung</translation>
    </message>
    <message>
        <source>Measurements with the fitted curve</source>
        <translation>Messungen mit der angepassten Kurve</translation>
    </message>
    <message>
        <source>The measurements less each instrument&apos;s fitted offset and the trend, with their error bars, and the fitted planets&apos; curve in green.</source>
        <translation>Die Messungen minus den angepassten Versatz jedes Instruments und den Trend, mit ihren Fehlerbalken, und in Grün die Kurve der angepassten Planeten.</translation>
    </message>
    <message>
        <source>Residuals</source>
        <translation>Residuen</translation>
    </message>
    <message>
        <source>Each measurement less the fitted curve, with its error bar, against time.</source>
        <translation>Jede Messung minus die angepasste Kurve, mit ihrem Fehlerbalken, über der Zeit.</translation>
    </message>
    <message>
        <source>Periodogram of the residuals</source>
        <translation>Periodogramm der Residuen</translation>
    </message>
    <message>
        <source>Where the next planet would be sought: the periodogram of what the fitted planets leave.</source>
        <translation>Wo der nächste Planet zu suchen wäre: das Periodogramm dessen, was die angepassten Planeten übrig lassen.</translation>
    </message>
    <message>
        <source>Fit one &amp;more planet</source>
        <translation>Einen Pl&amp;aneten mehr</translation>
    </message>
    <message>
        <source>Fit one more planet</source>
        <translation>Einen Planeten mehr anpassen</translation>
    </message>
    <message>
        <source>Remove the &amp;last</source>
        <translation>&amp;Letzten entfernen</translation>
    </message>
    <message>
        <source>Remove the last planet fitted</source>
        <translation>Den zuletzt angepassten Planeten entfernen</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Cancel the fit</source>
        <translation>Die Anpassung abbrechen</translation>
    </message>
    <message>
        <source>Fit a ji&amp;tter</source>
        <translation>&amp;Mit Jitter</translation>
    </message>
    <message>
        <source>Fit a jitter for each instrument</source>
        <translation>Einen Jitter für jedes Instrument anpassen</translation>
    </message>
    <message>
        <source>Star&apos;s mass in solar masses</source>
        <translation>Masse des Sterns in Sonnenmassen</translation>
    </message>
    <message>
        <source>Star (M☉)</source>
        <translation>Stern (M☉)</translation>
    </message>
    <message>
        <source>none</source>
        <comment>trend</comment>
        <translation>keiner</translation>
    </message>
    <message>
        <source>linear</source>
        <comment>trend</comment>
        <translation>linear</translation>
    </message>
    <message>
        <source>quadratic</source>
        <comment>trend</comment>
        <translation>quadratisch</translation>
    </message>
    <message>
        <source>Trend fitted with the planets</source>
        <translation>Mit den Planeten angepasster Trend</translation>
    </message>
    <message>
        <source>Trends</source>
        <translation>Trends</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Circular orbit</source>
        <translation>Kreisbahn</translation>
    </message>
    <message>
        <source>Hold the next planet&apos;s orbit circular</source>
        <translation>Die Bahn des nächsten Planeten kreisförmig halten</translation>
    </message>
    <message>
        <source>Period of the next planet in days</source>
        <translation>Umlaufzeit des nächsten Planeten in Tagen</translation>
    </message>
    <message>
        <source>Period (da&amp;ys)</source>
        <comment>of an orbit</comment>
        <translation>Peri&amp;ode (Tage)</translation>
    </message>
    <message>
        <source>Hold</source>
        <comment>keep the typed period fixed</comment>
        <translation>Fest</translation>
    </message>
    <message>
        <source>Hold the typed period</source>
        <translation>Die eingegebene Periode festhalten</translation>
    </message>
    <message>
        <source>Fit at this period</source>
        <translation>Bei dieser Periode</translation>
    </message>
    <message>
        <source>Fit one more planet at the typed period</source>
        <translation>Einen Planeten mehr bei der eingegebenen Periode anpassen</translation>
    </message>
    <message>
        <source>Fit progress</source>
        <translation>Fortschritt der Anpassung</translation>
    </message>
    <message>
        <source>Fitted planets</source>
        <translation>Angepasste Planeten</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Offset (m/s)</source>
        <translation>Versatz (m/s)</translation>
    </message>
    <message>
        <source>Jitter (m/s)</source>
        <translation>Jitter (m/s)</translation>
    </message>
    <message>
        <source>Each instrument&apos;s fitted offset and jitter</source>
        <translation>Angepasster Versatz und Jitter jedes Instruments</translation>
    </message>
    <message>
        <source>Fit summary</source>
        <translation>Zusammenfassung der Anpassung</translation>
    </message>
    <message>
        <source>Compare with the tr&amp;uth</source>
        <translation>Mit Wahrheit &amp;vergleichen</translation>
    </message>
    <message>
        <source>Compare with the truth</source>
        <translation>Mit der Wahrheit vergleichen</translation>
    </message>
    <message>
        <source>%1 (%2 to %3)</source>
        <comment>a median and its interval</comment>
        <translation>%1 (%2 bis %3)</translation>
    </message>
    <message>
        <source>The fit was not written: %1.</source>
        <translation>Die Anpassung wurde nicht geschrieben: %1.</translation>
    </message>
    <message>
        <source>The residuals file was not written: %1.</source>
        <translation>Die Datei der Residuen wurde nicht geschrieben: %1.</translation>
    </message>
    <message>
        <source>Seeking one more planet...</source>
        <translation>Ein weiterer Planet wird gesucht...</translation>
    </message>
    <message>
        <source>Fitting...</source>
        <translation>Anpassung läuft...</translation>
    </message>
    <message>
        <source>The residuals&apos; periodogram stopped: %1.</source>
        <translation>Das Periodogramm der Residuen wurde abgebrochen: %1.</translation>
    </message>
    <message>
        <source>The fit stopped: %1.</source>
        <translation>Die Anpassung wurde abgebrochen: %1.</translation>
    </message>
    <message>
        <source>Cancelled: the last fit is kept.</source>
        <translation>Abgebrochen: Die letzte Anpassung bleibt.</translation>
    </message>
    <message>
        <source>Cancelled when the window closed: the last fit is kept.</source>
        <translation>Beim Schließen des Fensters abgebrochen: Die letzte Anpassung bleibt.</translation>
    </message>
    <message>
        <source>Seeking one more planet... then refitting with the new settings.</source>
        <translation>Ein weiterer Planet wird gesucht... danach wird mit den neuen Einstellungen neu angepasst.</translation>
    </message>
    <message>
        <source>Fitting... then refitting with the new settings.</source>
        <translation>Anpassung läuft... danach wird mit den neuen Einstellungen neu angepasst.</translation>
    </message>
    <message>
        <source>Show the res&amp;ults</source>
        <translation>Ergebnisse &amp;zeigen</translation>
    </message>
    <message numerus="yes">
        <source>rms %1 m/s, trend %2 m/s/d, %n measurements; %3</source>
        <translation>
            <numerusform>rms %1 m/s, Trend %2 m/s/d, %n Messung; %3</numerusform>
            <numerusform>rms %1 m/s, Trend %2 m/s/d, %n Messungen; %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rms %1 m/s, %n measurements; %2</source>
        <translation>
            <numerusform>rms %1 m/s, %n Messung; %2</numerusform>
            <numerusform>rms %1 m/s, %n Messungen; %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rms %1 m/s, reduced χ² %2, trend %3 m/s/d, BIC %4, %n measurements</source>
        <translation>
            <numerusform>rms %1 m/s, reduziertes χ² %2, Trend %3 m/s/d, BIC %4, %n Messung</numerusform>
            <numerusform>rms %1 m/s, reduziertes χ² %2, Trend %3 m/s/d, BIC %4, %n Messungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rms %1 m/s, reduced χ² %2, BIC %3, %n measurements</source>
        <translation>
            <numerusform>rms %1 m/s, reduziertes χ² %2, BIC %3, %n Messung</numerusform>
            <numerusform>rms %1 m/s, reduziertes χ² %2, BIC %3, %n Messungen</numerusform>
        </translation>
    </message>
    <message>
        <source>No measurements to fit.</source>
        <translation>Keine Messungen zum Anpassen.</translation>
    </message>
    <message>
        <source>Press “Fit one more planet”.</source>
        <translation>Drücke „Einen Planeten mehr“.</translation>
    </message>
    <message>
        <source>Evidence for the last planet</source>
        <translation>Belege für den letzten Planeten</translation>
    </message>
    <message>
        <source>Orbit fit</source>
        <translation>Bahnanpassung</translation>
    </message>
    <message>
        <source>%1: offset %2 m/s, jitter %3 m/s</source>
        <translation>%1: Versatz %2 m/s, Jitter %3 m/s</translation>
    </message>
    <message>
        <source>%1: offset %2 m/s</source>
        <translation>%1: Versatz %2 m/s</translation>
    </message>
    <message>
        <source>How sure? The orbits that fit the measurements, each value&apos;s median and 68 % interval from %1 steps of %2 walkers: converged.</source>
        <translation>Wie sicher? Die Bahnen, die zu den Messungen passen, Median und 68-%-Intervall jedes Werts aus %1 Schritten von %2 Walkern: konvergiert.</translation>
    </message>
    <message>
        <source>How sure? The orbits that fit the measurements, each value&apos;s median and 68 % interval from %1 steps of %2 walkers: not converged, so the intervals are rough.</source>
        <translation>Wie sicher? Die Bahnen, die zu den Messungen passen, Median und 68-%-Intervall jedes Werts aus %1 Schritten von %2 Walkern: nicht konvergiert, deshalb sind die Intervalle grob.</translation>
    </message>
    <message>
        <source>%1: P %2 days, K %3 m/s, e %4, ω %5°, m sin i %6 Mⱼ, a %7 AU</source>
        <translation>%1: P %2 Tage, K %3 m/s, e %4, ω %5°, m sin i %6 Mⱼ, a %7 AU</translation>
    </message>
    <message>
        <source>P (days)</source>
        <comment>the period of an orbit</comment>
        <translation>P (Tage)</translation>
    </message>
    <message>
        <source>a (AU)</source>
        <comment>the semi-major axis</comment>
        <translation>a (AU)</translation>
    </message>
    <message>
        <source>not fitted</source>
        <translation>nicht angepasst</translation>
    </message>
    <message>
        <source>true %1</source>
        <comment>the true planet of a letter</comment>
        <translation>wahrer %1</translation>
    </message>
    <message>
        <source>no true planet</source>
        <translation>kein wahrer Planet</translation>
    </message>
    <message>
        <source>No fit could be made.</source>
        <translation>Es ließ sich keine Anpassung berechnen.</translation>
    </message>
    <message>
        <source>No fit could be made: %1</source>
        <comment>%1 is the reason, ending with a full stop</comment>
        <translation>Es ließ sich keine Anpassung berechnen: %1</translation>
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
    <message>
        <source>Edit parameters</source>
        <translation>Parameter ändern</translation>
    </message>
    <message>
        <source>Planet 1</source>
        <translation>Planet 1</translation>
    </message>
    <message>
        <source>Planet name</source>
        <translation>Name des Planeten</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>%1 AU</source>
        <comment>a distance in astronomical units</comment>
        <translation>%1 AU</translation>
    </message>
    <message>
        <source>%1 Jupiter mass</source>
        <translation>%1 Jupitermasse</translation>
    </message>
    <message>
        <source>%1 Jupiter masses</source>
        <translation>%1 Jupitermassen</translation>
    </message>
    <message>
        <source>%1 solar mass</source>
        <translation>%1 Sonnenmasse</translation>
    </message>
    <message>
        <source>%1 solar masses</source>
        <translation>%1 Sonnenmassen</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>“%1” (the first choice).</source>
        <translation>„%1“ (die erste Antwort).</translation>
    </message>
    <message>
        <source>“%1” (the second choice).</source>
        <translation>„%1“ (die zweite Antwort).</translation>
    </message>
    <message>
        <source>“%1” (the third choice).</source>
        <translation>„%1“ (die dritte Antwort).</translation>
    </message>
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
    <name>Real data</name>
    <message>
        <source>Its two giants, at 61 and 30 days, lie in a 2:1 resonance and pull each other&apos;s orbits round within the years of these measurements: fixed Keplerian orbits cannot follow them. Fitted so, c comes out nearly circular and a harmonic at 15 days looks like one more planet. Four planets are known; the fit takes four.</source>
        <translation>Seine zwei Riesen bei 61 und 30 Tagen liegen in einer 2:1-Resonanz und drehen ihre Bahnen in den Jahren dieser Messungen gegenseitig: Feste Kepler-Bahnen können ihnen nicht folgen. So angepasst, kommt c fast kreisförmig heraus, und eine Harmonische bei 15 Tagen sieht wie ein weiterer Planet aus. Vier Planeten sind bekannt; die Anpassung nimmt vier.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1 lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>%1 is too large for a table of measurements.</source>
        <translation>%1 ist zu groß für eine Tabelle von Messungen.</translation>
    </message>
    <message>
        <source>%1 names no star or no file of measurements.</source>
        <translation>%1 nennt keinen Stern oder keine Datei mit Messungen.</translation>
    </message>
    <message>
        <source>%1 names %2, which is not a file beside it.</source>
        <translation>%1 nennt %2, das keine Datei daneben ist.</translation>
    </message>
    <message>
        <source>from the data&apos;s system file</source>
        <translation>aus der Systemdatei der Daten</translation>
    </message>
    <message>
        <source>from %1, as on the card of real systems</source>
        <translation>aus %1, wie auf der Karte echter Systeme</translation>
    </message>
    <message>
        <source>No data come with the book for %1.</source>
        <translation>Für %1 liegen dem Buch keine Daten bei.</translation>
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
    <message>
        <source>Real planetary systems</source>
        <translation>Echte Planetensysteme</translation>
    </message>
    <message>
        <source>m sin i is the least mass the planet can have: the spectrum gives its mass times the sine of the orbit&apos;s inclination († marks a true mass, where the inclination is known). Astrometry gives Upsilon Andromedae c and d true masses of about 14 and 10 Jupiter masses, far above m sin i. Gliese 876&apos;s giants c and b pull each other round in their 2:1 resonance within a few years: a fit of fixed orbits to its measurements makes c nearly circular and adds a harmonic at 15 days that is no planet. Its m sin i come from the masses of a fit with the pulls, at the inclination it finds (59°); its fourth planet, e (124 days), is left out, as the simulation holds three. ω, the argument of periastron, sets the shape of the curve; for the Sun&apos;s planets it depends on where the Sun is seen from (—). * marks a K computed from the source&apos;s elements. a is derived from P and the masses, so the simulated periods are the catalogue&apos;s. Every planet starts at periastron at time 0, so the curves of several planets add up to an offset at the start. Set up puts these values into the simulation exactly; moving a slider afterwards takes that slider&apos;s steps.</source>
        <translation>m sin i ist die kleinste Masse, die der Planet haben kann: Das Spektrum liefert seine Masse mal dem Sinus der Inklination der Bahn († kennzeichnet eine wahre Masse, wo die Inklination bekannt ist). Die Astrometrie gibt Upsilon Andromedae c und d wahre Massen von etwa 14 und 10 Jupitermassen, weit über m sin i. Die Riesen c und b von Gliese 876 zerren in ihrer 2:1-Resonanz innerhalb weniger Jahre aneinander: Eine Anpassung fester Bahnen an seine Messungen macht c fast kreisförmig und fügt bei 15 Tagen eine Oberschwingung hinzu, die kein Planet ist. Seine m sin i stammen aus den Massen einer Anpassung mit den gegenseitigen Anziehungen, bei der Inklination, die sie findet (59°); sein vierter Planet, e (124 Tage), ist weggelassen, da die Simulation drei aufnimmt. ω, das Argument des Periastrons, bestimmt die Form der Kurve; für die Planeten der Sonne hängt es davon ab, von wo aus die Sonne gesehen wird (—). * kennzeichnet ein K, das aus den Bahnelementen der Quelle berechnet ist. a ist aus P und den Massen abgeleitet, sodass die simulierten Perioden die des Katalogs sind. Jeder Planet beginnt zur Zeit 0 im Periastron, deshalb summieren sich die Kurven mehrerer Planeten am Anfang zu einem Versatz. „Laden“ bringt diese Werte exakt in die Simulation; wird danach ein Schieberegler bewegt, gelten dessen Schritte.</translation>
    </message>
    <message>
        <source>Sources: %1.</source>
        <comment>the citations, separated by semicolons</comment>
        <translation>Quellen: %1.</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <source>Open the published measurements of the chosen star</source>
        <translation>Die veröffentlichten Messungen des gewählten Sterns öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the time must lie between %1 and %2 days</source>
        <translation>die Zeit muss zwischen %1 und %2 Tagen liegen</translation>
    </message>
    <message>
        <source>the velocity must lie between %1 and %2 m/s (the speed of light)</source>
        <translation>die Geschwindigkeit muss zwischen %1 und %2 m/s liegen (der Lichtgeschwindigkeit)</translation>
    </message>
    <message>
        <source>the error must be a positive number</source>
        <translation>der Fehler muss eine positive Zahl sein</translation>
    </message>
    <message>
        <source>the error must lie between %1 m/s and %2 m/s (the speed of light)</source>
        <translation>der Fehler muss zwischen %1 m/s und %2 m/s liegen (der Lichtgeschwindigkeit)</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB; the book reads up to %1 MB of measurements.</source>
        <translation>Die Datei ist größer als %1 MB; das Buch liest bis zu %1 MB an Messungen.</translation>
    </message>
    <message>
        <source>The file has more than %1 rows; the book reads up to %1 measurements.</source>
        <translation>Die Datei hat mehr als %1 Zeilen; das Buch liest bis zu %1 Messungen.</translation>
    </message>
    <message>
        <source>The file holds 1 measurement; at least %2 are needed.</source>
        <translation>Die Datei enthält 1 Messung; mindestens %2 sind nötig.</translation>
    </message>
    <message>
        <source>The file holds %1 measurements; at least %2 are needed.</source>
        <translation>Die Datei enthält %1 Messungen; mindestens %2 sind nötig.</translation>
    </message>
    <message>
        <source>with it the files hold more than %1 measurements; the book reads up to %1.</source>
        <translation>mit ihr enthalten die Dateien mehr als %1 Messungen; das Buch liest bis zu %1.</translation>
    </message>
    <message>
        <source>with it the files name more than %1 instruments; the book fits up to %1.</source>
        <translation>mit ihr nennen die Dateien mehr als %1 Instrumente; das Buch passt bis zu %1 an.</translation>
    </message>
    <message>
        <source>an instrument&apos;s name is longer than the %1 bytes the book keeps of a name.</source>
        <translation>der Name eines Instruments ist länger als die %1 Bytes, die das Buch von einem Namen behält.</translation>
    </message>
    <message>
        <source>The measurements span less than %1 days (%2 seconds); a period can only be sought in measurements spread over more.</source>
        <translation>Die Messungen umfassen weniger als %1 Tage (%2 Sekunden); eine Periode lässt sich nur in Messungen suchen, die über mehr Zeit verteilt sind.</translation>
    </message>
    <message>
        <source>the time is not a number</source>
        <translation>die Zeit ist keine Zahl</translation>
    </message>
    <message>
        <source>the velocity is not a number</source>
        <translation>die Geschwindigkeit ist keine Zahl</translation>
    </message>
    <message>
        <source>the time must be a finite number</source>
        <translation>die Zeit muss eine endliche Zahl sein</translation>
    </message>
    <message>
        <source>the velocity must be a finite number</source>
        <translation>die Geschwindigkeit muss eine endliche Zahl sein</translation>
    </message>
    <message>
        <source>The file is written in UTF-16; save it as plain text (UTF-8 or ASCII) and import it again.</source>
        <translation>Die Datei ist in UTF-16 geschrieben; speichere sie als reinen Text (UTF-8 oder ASCII) und importiere sie erneut.</translation>
    </message>
    <message>
        <source>expected three columns (time, velocity, error), found %1</source>
        <translation>drei Spalten erwartet (Zeit, Geschwindigkeit, Fehler), %1 gefunden</translation>
    </message>
    <message>
        <source>its times are dates and those of the files before are not; choose the same kind of time for every file.</source>
        <translation>ihre Zeiten sind Daten, die der Dateien davor nicht; wähle für jede Datei dieselbe Art von Zeit.</translation>
    </message>
    <message>
        <source>its times are days of an epoch of its own and those of the files before are not; choose the same kind of time for every file.</source>
        <translation>ihre Zeiten sind Tage einer eigenen Epoche, die der Dateien davor nicht; wähle für jede Datei dieselbe Art von Zeit.</translation>
    </message>
    <message>
        <source>The data set</source>
        <translation>Der Datensatz</translation>
    </message>
    <message>
        <source>there are %1 measurements; a data set needs at least %2.</source>
        <translation>es sind %1 Messungen; ein Datensatz braucht mindestens %2.</translation>
    </message>
    <message>
        <source>The table has %1 columns; choose the time, velocity and error among them.</source>
        <translation>Die Tabelle hat %1 Spalten; wähle unter ihnen Zeit, Geschwindigkeit und Fehler.</translation>
    </message>
    <message>
        <source>The table has no column %1 for the instrument.</source>
        <translation>Die Tabelle hat keine Spalte %1 für das Instrument.</translation>
    </message>
    <message>
        <source>the time %1 is not a finite number.</source>
        <translation>die Zeit %1 ist keine endliche Zahl.</translation>
    </message>
    <message>
        <source>the velocity %1 is not a finite number.</source>
        <translation>die Geschwindigkeit %1 ist keine endliche Zahl.</translation>
    </message>
    <message>
        <source>the error %1 is not a finite number.</source>
        <translation>der Fehler %1 ist keine endliche Zahl.</translation>
    </message>
    <message>
        <source>the error %1 is not above 0.</source>
        <translation>der Fehler %1 ist nicht größer als 0.</translation>
    </message>
    <message>
        <source>the time %1 is beyond any date in days; are the times in seconds?</source>
        <translation>die Zeit %1 liegt jenseits jedes Datums in Tagen; sind die Zeiten in Sekunden?</translation>
    </message>
    <message>
        <source>the time %1 is no Julian date (those are above %2); choose MJD or days.</source>
        <translation>die Zeit %1 ist kein julianisches Datum (diese liegen über %2); wähle MJD oder Tage.</translation>
    </message>
    <message>
        <source>the time %1 is a Julian date, not %2; choose JD or BJD.</source>
        <translation>die Zeit %1 ist ein julianisches Datum, nicht %2; wähle JD oder BJD.</translation>
    </message>
    <message>
        <source>the instrument&apos;s name is empty.</source>
        <translation>der Name des Instruments ist leer.</translation>
    </message>
    <message>
        <source>the line of dashes has %1 columns where the names above have %2.</source>
        <translation>die Zeile der Striche hat %1 Spalten, wo die Namen darüber %2 haben.</translation>
    </message>
    <message>
        <source>1 column where the line of names has %2; are its values separated by something else?</source>
        <translation>1 Spalte, wo die Zeile der Namen %2 hat; sind ihre Werte durch etwas anderes getrennt?</translation>
    </message>
    <message>
        <source>%1 columns where the line of names has %2; are its values separated by something else?</source>
        <translation>%1 Spalten, wo die Zeile der Namen %2 hat; sind ihre Werte durch etwas anderes getrennt?</translation>
    </message>
    <message>
        <source>1 column where line %3 has %2; are its values separated by something else?</source>
        <translation>1 Spalte, wo Zeile %3 %2 hat; sind ihre Werte durch etwas anderes getrennt?</translation>
    </message>
    <message>
        <source>%1 columns where line %3 has %2; are its values separated by something else?</source>
        <translation>%1 Spalten, wo Zeile %3 %2 hat; sind ihre Werte durch etwas anderes getrennt?</translation>
    </message>
    <message>
        <source>The file holds no rows of measurements.</source>
        <translation>Die Datei enthält keine Zeilen mit Messungen.</translation>
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
    <message>
        <source>Spectrum of the star</source>
        <translation>Spektrum des Sterns</translation>
    </message>
    <message>
        <source>The visible spectrum from 380 to 700 nm with its dark absorption lines, and a panel that magnifies the shift of one line, its rest wavelength marked by a dashed line.</source>
        <translation>Das sichtbare Spektrum von 380 bis 700 nm mit seinen dunklen Absorptionslinien und ein Feld, das die Verschiebung einer Linie vergrößert; ihre Ruhewellenlänge ist gestrichelt markiert.</translation>
    </message>
    <message>
        <source>&amp;Magnify:</source>
        <translation>&amp;Lupe:</translation>
    </message>
    <message>
        <source>%1  (%2 nm)</source>
        <comment>a line and its rest wavelength</comment>
        <translation>%1  (%2 nm)</translation>
    </message>
    <message>
        <source>%1  (%2, %3 nm)</source>
        <comment>a pair of lines and their rest wavelengths</comment>
        <translation>%1  (%2, %3 nm)</translation>
    </message>
    <message>
        <source>Line to magnify</source>
        <translation>Linie für die Lupe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Radial velocity v</source>
        <translation>Radialgeschwindigkeit v</translation>
    </message>
    <message>
        <source>Line shift Δλ</source>
        <translation>Linienverschiebung Δλ</translation>
    </message>
    <message>
        <source>Resolution element</source>
        <translation>Auflösungselement</translation>
    </message>
    <message>
        <source>How so small a shift is really measured: one line&apos;s centre can be found to a small fraction of a resolution element only from a great deal of light, so thousands of lines are cross-correlated with a reference recorded through the same spectrograph at the same time (an iodine cell, a thorium–argon lamp or a laser frequency comb); the shift that best matches them all is found to a thousandth of an element.</source>
        <translation>Wie man eine so kleine Verschiebung wirklich misst: Die Mitte einer Linie lässt sich nur bei sehr viel Licht auf einen kleinen Bruchteil eines Auflösungselements bestimmen, daher werden Tausende Linien mit einer Referenz kreuzkorreliert, die zugleich durch denselben Spektrografen aufgenommen wird (Iodzelle, Thorium-Argon-Lampe oder Laser-Frequenzkamm); die am besten passende Verschiebung ergibt sich auf ein Tausendstel eines Elements genau.</translation>
    </message>
    <message>
        <source>Magnified around %1</source>
        <comment>a line&apos;s name</comment>
        <translation>Ausschnitt um %1</translation>
    </message>
    <message>
        <source>shift drawn to scale</source>
        <translation>Verschiebung maßstabsgetreu</translation>
    </message>
    <message>
        <source>shift drawn %1 larger; widths not to scale</source>
        <comment>the magnification, such as 100 000×</comment>
        <translation>Δλ %1 überhöht; Breiten nicht maßstäblich</translation>
    </message>
    <message>
        <source>rest in air %1 nm</source>
        <comment>a line&apos;s rest wavelength</comment>
        <translation>Ruhelage in Luft %1 nm</translation>
    </message>
    <message>
        <source>rest in air %1, %2 nm</source>
        <comment>the rest wavelengths of a pair of lines</comment>
        <translation>Ruhelagen in Luft %1, %2 nm</translation>
    </message>
    <message>
        <source>true shift / pm</source>
        <comment>an axis title</comment>
        <translation>wahre Verschiebung / pm</translation>
    </message>
    <message>
        <source>%1 shift / pm</source>
        <comment>an axis title: the shift of the line named</comment>
        <translation>Verschiebung von %1 / pm</translation>
    </message>
    <message>
        <source>The visible spectrum, 380 to 700 nm in air</source>
        <translation>Das sichtbare Spektrum, 380 bis 700 nm in Luft</translation>
    </message>
    <message>
        <source>%1 (moving away)</source>
        <comment>the star&apos;s radial velocity</comment>
        <translation>%1 (entfernt sich)</translation>
    </message>
    <message>
        <source>%1 (approaching)</source>
        <comment>the star&apos;s radial velocity</comment>
        <translation>%1 (nähert sich)</translation>
    </message>
    <message>
        <source>%1 (to the red) at %2</source>
        <comment>a line&apos;s shift, and the line</comment>
        <translation>%1 (ins Rote) bei %2</translation>
    </message>
    <message>
        <source>%1 (to the blue) at %2</source>
        <comment>a line&apos;s shift, and the line</comment>
        <translation>%1 (ins Blaue) bei %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>a line&apos;s shift, and the line</comment>
        <translation>%1 bei %2</translation>
    </message>
    <message>
        <source>λ/R = %1 at R = %2; the shift is zero</source>
        <comment>the resolution element at the spectrograph&apos;s resolving power R</comment>
        <translation>λ/R = %1 bei R = %2; die Verschiebung ist null</translation>
    </message>
    <message>
        <source>λ/R = %1 at R = %2; the shift is %3 times it</source>
        <comment>the resolution element at the spectrograph&apos;s resolving power R</comment>
        <translation>λ/R = %1 bei R = %2; die Verschiebung ist %3-mal so groß</translation>
    </message>
    <message>
        <source>λ/R = %1 at R = %2; the shift is 1/%3 of it</source>
        <comment>the resolution element at the spectrograph&apos;s resolving power R</comment>
        <translation>λ/R = %1 bei R = %2; die Verschiebung ist 1/%3 davon</translation>
    </message>
    <message>
        <source>The star moves neither towards us nor away from us just now, so every line lies at its rest wavelength.</source>
        <translation>Der Stern bewegt sich gerade weder auf uns zu noch von uns weg, deshalb liegt jede Linie bei ihrer Ruhewellenlänge.</translation>
    </message>
    <message>
        <source>The star is moving away from us, so its light is stretched: every line lies to the red of its rest wavelength, each by the same fraction v/c of its wavelength. As the planet swings the star to and fro, the lines swing with it, in step with the velocity graph.</source>
        <translation>Der Stern entfernt sich von uns, also ist sein Licht gedehnt: Jede Linie ist ins Rote verschoben, jede um denselben Bruchteil v/c ihrer Wellenlänge. Während der Planet den Stern hin und her zieht, schwingen die Linien im Takt des Geschwindigkeitsdiagramms mit.</translation>
    </message>
    <message>
        <source>The star is moving towards us, so its light is squeezed: every line lies to the blue of its rest wavelength, each by the same fraction v/c of its wavelength. As the planet swings the star to and fro, the lines swing with it, in step with the velocity graph.</source>
        <translation>Der Stern kommt auf uns zu, also ist sein Licht gestaucht: Jede Linie ist ins Blaue verschoben, jede um denselben Bruchteil v/c ihrer Wellenlänge. Während der Planet den Stern hin und her zieht, schwingen die Linien im Takt des Geschwindigkeitsdiagramms mit.</translation>
    </message>
    <message>
        <source>Following the simulation as it runs.</source>
        <translation>Folgt der laufenden Simulation.</translation>
    </message>
    <message>
        <source>The simulation is stopped: its last spectrum stays.</source>
        <translation>Die Simulation ist angehalten: Ihr letztes Spektrum bleibt stehen.</translation>
    </message>
    <message>
        <source>No simulation chapter is open: the last spectrum stays.</source>
        <translation>Kein Simulationskapitel ist offen: Das letzte Spektrum bleibt stehen.</translation>
    </message>
    <message>
        <source>No simulation chapter is open. Open one to watch its star&apos;s spectrum.</source>
        <translation>Kein Simulationskapitel ist offen. Öffne eines, um das Spektrum seines Sterns zu sehen.</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Doppler</source>
        <comment>the title&apos;s first line</comment>
        <translation>Doppler-</translation>
    </message>
    <message>
        <source>spectroscopy</source>
        <comment>the title&apos;s second line</comment>
        <translation>Spektroskopie</translation>
    </message>
    <message>
        <source>Finding planets from the wobble of their star</source>
        <translation>Planeten finden am Wackeln ihres Sterns</translation>
    </message>
    <message>
        <source>approaching: lines shift to the blue</source>
        <translation>Annäherung: Linien verschieben sich ins Blaue</translation>
    </message>
    <message>
        <source>receding: lines shift to the red</source>
        <translation>Entfernung: Linien verschieben sich ins Rote</translation>
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
    <message>
        <source>no: the points are too few and too far apart to join</source>
        <translation>nein: Die Punkte sind zu wenige und liegen zu weit auseinander, um sie zu verbinden</translation>
    </message>
    <message>
        <source>that a velocity curve can always be traced point to point</source>
        <translation>dass sich eine Geschwindigkeitskurve immer von Punkt zu Punkt nachzeichnen lässt</translation>
    </message>
    <message>
        <source>the period of the highest peak shown, within the peak&apos;s half width</source>
        <translation>die Periode des höchsten gezeigten Peaks, innerhalb der Halbwertsbreite des Peaks</translation>
    </message>
    <message>
        <source>that the periodogram&apos;s vertical axis is a velocity, or that every peak is a planet</source>
        <translation>dass die senkrechte Achse des Periodogramms eine Geschwindigkeit ist oder dass jeder Peak ein Planet ist</translation>
    </message>
    <message>
        <source>the chance that noise alone peaks so high</source>
        <translation>die Chance, dass Rauschen allein einen so hohen Peak erzeugt</translation>
    </message>
    <message>
        <source>that the false-alarm probability is the chance that the planet is real</source>
        <translation>dass die Falschalarmwahrscheinlichkeit die Chance ist, dass der Planet echt ist</translation>
    </message>
    <message>
        <source>the period 1/|1/P − 1| for the highest peak&apos;s period P</source>
        <translation>die Periode 1/|1/P − 1| für die Periode P des höchsten Peaks</translation>
    </message>
    <message>
        <source>that twice or half the period is an alias of the sampling</source>
        <translation>dass die doppelte oder halbe Periode ein Alias der Abtastung ist</translation>
    </message>
    <message>
        <source>they scatter</source>
        <translation>sie streuen</translation>
    </message>
    <message>
        <source>that any period near the peak folds as well</source>
        <translation>dass jede Periode nahe dem Peak genauso gut faltet</translation>
    </message>
    <message>
        <source>the fitted K, within its uncertainty but at least 10 %</source>
        <translation>das angepasste K, innerhalb seiner Unsicherheit, aber mindestens 10 %</translation>
    </message>
    <message>
        <source>that K is the full swing from the lowest to the highest point</source>
        <translation>dass K die volle Schwankung vom tiefsten zum höchsten Punkt ist</translation>
    </message>
    <message>
        <source>the fit&apos;s m sin i (mass function solved with the star&apos;s stated mass), within its uncertainty but at least 10 %</source>
        <translation>das m sin i der Anpassung (Massenfunktion mit der angegebenen Masse des Sterns gelöst), innerhalb seiner Unsicherheit, aber mindestens 10 %</translation>
    </message>
    <message>
        <source>that the radial velocity gives the planet&apos;s true mass</source>
        <translation>dass die Radialgeschwindigkeit die wahre Masse des Planeten liefert</translation>
    </message>
    <message>
        <source>yes exactly when the two-planet fit lowers the BIC by more than 10 (ΔBIC below −10)</source>
        <translation>ja genau dann, wenn die Anpassung mit zwei Planeten das BIC um mehr als 10 senkt (ΔBIC unter −10)</translation>
    </message>
    <message>
        <source>that a lower χ² alone proves another planet</source>
        <translation>dass ein kleineres χ² allein einen weiteren Planeten beweist</translation>
    </message>
    <message>
        <source>4.2308 days (Butler et al. 2006), within 0.01 days</source>
        <translation>4,2308 Tage (Butler et al. 2006), innerhalb von 0,01 Tagen</translation>
    </message>
    <message>
        <source>that data from two instruments can be joined without their own zero points</source>
        <translation>dass sich Daten zweier Instrumente ohne ihre eigenen Nullpunkte zusammenlegen lassen</translation>
    </message>
    <message>
        <source>that a planet so close to its star must be small</source>
        <translation>dass ein Planet so nahe an seinem Stern klein sein muss</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;to find a planet in a season of noisy, nightly measurements as astronomers do: the periodogram and its false-alarm probability, daily aliases and the window function, folding, the fit by hand and the Keplerian fit with the star&apos;s jitter, the planet&apos;s m sin i, and whether a second planet is believed (BIC). Each student&apos;s star is chosen by the seed shown under the measurements; the hidden stars are listed at the end of this guide.</source>
        <translation>&lt;b&gt;Ziele: &lt;/b&gt;einen Planeten in einer Saison verrauschter, nächtlicher Messungen finden, wie Astronomen es tun: das Periodogramm und seine Falschalarmwahrscheinlichkeit, tägliche Aliase und die Fensterfunktion, das Falten, die Anpassung von Hand und die Kepler-Anpassung mit dem Jitter des Sterns, das m sin i des Planeten, und ob man einem zweiten Planeten glaubt (BIC). Den Stern jedes Schülers wählt der Seed, der unter den Messungen steht; die versteckten Sterne sind am Ende dieses Leitfadens aufgeführt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Real data (pages 10 and 11): &lt;/b&gt;the published velocities of 51 Pegasi from two instruments, LICK (Butler et al. 2006, ApJ 646, 505) and ELODIE at Haute-Provence (Naef et al. 2004, A&amp;amp;A 414, 351), read from the book&apos;s data folder and shown an instrument a plot. The book fits each instrument&apos;s zero point and jitter with the planet; the periodogram is of the measurements less each zero point, and the fold and the fit show every measurement less its instrument&apos;s zero point. Page 10 asks the period (4.2308 days within 0.01), page 11 the m sin i from the fit shown. Every student sees the same numbers.</source>
        <comment>period of the orbit; LICK and ELODIE are the instruments&apos; names</comment>
        <translation>&lt;b&gt;Echte Daten (Seiten 10 und 11): &lt;/b&gt;die veröffentlichten Geschwindigkeiten von 51 Pegasi von zwei Instrumenten, LICK (Butler et al. 2006, ApJ 646, 505) und ELODIE in Haute-Provence (Naef et al. 2004, A&amp;amp;A 414, 351), aus dem Datenordner des Buchs gelesen und ein Instrument je Diagramm gezeigt. Das Buch passt den Nullpunkt und den Jitter jedes Instruments mit dem Planeten an; das Periodogramm ist das der Messungen minus den jeweiligen Nullpunkt, und Faltung und Anpassung zeigen jede Messung minus den Nullpunkt ihres Instruments. Seite 10 fragt nach der Umlaufzeit (4,2308 Tage, höchstens 0,01 daneben), Seite 11 nach dem m sin i aus der gezeigten Anpassung. Jeder Schüler sieht dieselben Zahlen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Fehlvorstellungen:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>page %1: %2;</source>
        <comment>%1 is the page&apos;s number, %2 the misconception its question catches</comment>
        <translation>Seite %1: %2;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;let pairs share one seed; after two wrong answers each page gives a hint; on page 8 work out each bracket of the formula on its own first.</source>
        <translation>&lt;b&gt;Unterstützung: &lt;/b&gt;Paare einen Seed teilen lassen; nach zwei falschen Antworten gibt jede Seite einen Tipp; auf Seite 8 zuerst jede Klammer der Formel einzeln ausrechnen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;observe a second seed and compare; on page 4 find how few nights still find the planet; open the star in Tools, Observing run and plan a better season.</source>
        <comment>Tools, Observing run: the menu and its entry</comment>
        <translation>&lt;b&gt;Vertiefung: &lt;/b&gt;einen zweiten Seed beobachten und vergleichen; auf Seite 4 herausfinden, mit wie wenigen Nächten der Planet noch gefunden wird; den Stern unter Werkzeuge, Beobachtungskampagne öffnen und eine bessere Saison planen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The fitted jitter: &lt;/b&gt;the label under the measurements gives the jitter the book gave the star; the fit&apos;s jitter is what its residuals leave unexplained by the error bars, found from a few dozen points. It comes out at 0 when the error bars already explain the scatter, and above the star&apos;s own jitter when the one-planet orbit leaves signal behind (a second planet, or an orbit the data fix poorly). Both are honest results of the fit.</source>
        <translation>&lt;b&gt;Der angepasste Jitter: &lt;/b&gt;Die Beschriftung unter den Messungen gibt den Jitter an, den das Buch dem Stern gegeben hat; der Jitter der Anpassung ist das, was ihre Residuen von den Fehlerbalken unerklärt lassen, bestimmt aus ein paar Dutzend Punkten. Er kommt als 0 heraus, wenn die Fehlerbalken die Streuung schon erklären, und über dem eigenen Jitter des Sterns, wenn die Bahn mit einem Planeten Signal übrig lässt (ein zweiter Planet oder eine Bahn, die die Daten schlecht festlegen). Beides sind ehrliche Ergebnisse der Anpassung.</translation>
    </message>
    <message>
        <source>no fit</source>
        <comment>in the class&apos;s table of answers</comment>
        <translation>keine Anpassung</translation>
    </message>
    <message>
        <source>%1 ± %2</source>
        <comment>a value and its tolerance</comment>
        <translation>%1 ± %2</translation>
    </message>
    <message>
        <source>yes (ΔBIC %1)</source>
        <comment>a second planet is believed</comment>
        <translation>ja (ΔBIC %1)</translation>
    </message>
    <message>
        <source>no (ΔBIC %1)</source>
        <comment>no second planet is believed</comment>
        <translation>nein (ΔBIC %1)</translation>
    </message>
    <message>
        <source>%1 ± %2, not nearer %3</source>
        <comment>an m sin i, its tolerance, and the m sin i without the star&apos;s mass</comment>
        <translation>%1 ± %2, nicht näher an %3</translation>
    </message>
    <message>
        <source>peak (days)</source>
        <translation>Peak (Tage)</translation>
    </message>
    <message>
        <source>alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>K (m/s)</source>
        <translation>K (m/s)</translation>
    </message>
    <message>
        <source>m sin i (MJ)</source>
        <translation>m sin i (MJ)</translation>
    </message>
    <message>
        <source>second planet</source>
        <translation>zweiter Planet</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>what is accepted, and the accepted value in words</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1. For seed %2: %3</source>
        <comment>what is accepted, the student&apos;s seed, and the accepted value in words</comment>
        <translation>%1. Für Seed %2: %3</translation>
    </message>
    <message>
        <source>%1. For seed %2: “%3”, the first button.</source>
        <translation>%1. Für Seed %2: „%3“, die erste Schaltfläche.</translation>
    </message>
    <message>
        <source>%1. For seed %2: “%3”, the second button.</source>
        <translation>%1. Für Seed %2: „%3“, die zweite Schaltfläche.</translation>
    </message>
    <message>
        <source>%1. For seed %2: “%3”, the third button.</source>
        <translation>%1. Für Seed %2: „%3“, die dritte Schaltfläche.</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>Page text and question:</source>
        <translation>Seitentext und Frage:</translation>
    </message>
    <message>
        <source>Accepted answer:</source>
        <translation>Akzeptierte Antwort:</translation>
    </message>
    <message>
        <source>After two wrong answers:</source>
        <translation>Nach zwei falschen Antworten:</translation>
    </message>
    <message>
        <source>Conclusion:</source>
        <translation>Ergebnis:</translation>
    </message>
    <message>
        <source>P = %1 days, K = %2 m/s, e = %3, ω = %4°, m sin i = %5 Jupiter masses</source>
        <comment>a planet&apos;s period, semi-amplitude, eccentricity, argument of periastron and minimum mass</comment>
        <translation>P = %1 Tage, K = %2 m/s, e = %3, ω = %4°, m sin i = %5 Jupitermassen</translation>
    </message>
    <message>
        <source>Best supported fit:</source>
        <translation>Am besten gestützte Anpassung:</translation>
    </message>
    <message numerus="yes">
        <source>%n planet(s), rms %1 m/s, reduced χ² %2.</source>
        <translation>
            <numerusform>%n Planet, rms %1 m/s, reduziertes χ² %2.</numerusform>
            <numerusform>%n Planeten, rms %1 m/s, reduziertes χ² %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>P = %1 days, K = %2 m/s, e = %3, m sin i = %4 Jupiter masses.</source>
        <comment>a fitted planet&apos;s period, semi-amplitude, eccentricity and minimum mass, each with its uncertainty</comment>
        <translation>P = %1 Tage, K = %2 m/s, e = %3, m sin i = %4 Jupitermassen.</translation>
    </message>
    <message>
        <source>The hidden stars of “Finding a planet”</source>
        <translation>Die versteckten Sterne von „Einen Planeten finden“</translation>
    </message>
    <message>
        <source>A seed s observes hidden star (s mod %1) + 1 on the nights the seed draws; the fits below are those of the smallest seed of each star.</source>
        <translation>Ein Seed s beobachtet den versteckten Stern (s mod %1) + 1 in den Nächten, die der Seed auslost; die Anpassungen unten sind die des kleinsten Seeds jedes Sterns.</translation>
    </message>
    <message>
        <source>%1 (seed %2), star of %3 solar masses</source>
        <comment>a hidden star&apos;s name, its seed and its mass</comment>
        <translation>%1 (Seed %2), Stern mit %3 Sonnenmassen</translation>
    </message>
    <message>
        <source>True planet:</source>
        <translation>Wahrer Planet:</translation>
    </message>
    <message>
        <source>The observing run&apos;s mystery stars</source>
        <translation>Die Rätselsterne der Beobachtungskampagne</translation>
    </message>
    <message>
        <source>The published data of the observing window</source>
        <translation>Die veröffentlichten Daten des Beobachtungsfensters</translation>
    </message>
    <message>
        <source>In the observing window, File, Open real data opens the published measurements that come with the book, and the Fit page finds their planets one by one.</source>
        <translation>Im Beobachtungsfenster öffnet Datei, Echte Daten öffnen die veröffentlichten Messungen, die zum Buch gehören, und die Seite Anpassung findet ihre Planeten einen nach dem anderen.</translation>
    </message>
    <message>
        <source>Chapter %1: %2</source>
        <comment>the chapter&apos;s number and title</comment>
        <translation>Kapitel %1: %2</translation>
    </message>
    <message>
        <source>%1: the class&apos;s answers</source>
        <comment>the chapter&apos;s heading</comment>
        <translation>%1: die Antworten der Klasse</translation>
    </message>
    <message>
        <source>seed</source>
        <comment>the column of the students&apos; seeds</comment>
        <translation>Seed</translation>
    </message>
    <message>
        <source>Doppler spectroscopy: the teacher&apos;s guide</source>
        <translation>Doppler-Spektroskopie: Leitfaden für Lehrkräfte</translation>
    </message>
    <message>
        <source>--seed wants a seed from 1 to %1.</source>
        <translation>--seed verlangt einen Seed von 1 bis %1.</translation>
    </message>
    <message>
        <source>--seeds wants two seeds from 1 to %1, the first no larger, at most %2 apart, as 101-130.</source>
        <translation>--seeds verlangt zwei Seeds von 1 bis %1, der erste nicht größer, höchstens %2 auseinander, etwa 101-130.</translation>
    </message>
    <message>
        <source>Every question of the book, with its accepted answer, hint and conclusion as the chapters write them. Answers that depend on a student&apos;s own data are worked out from the numbers the student&apos;s screen shows; the values given are those of seed %1, which a student gets by typing it beside Observe.</source>
        <translation>Jede Frage des Buchs mit ihrer akzeptierten Antwort, ihrem Tipp und ihrem Ergebnis, wie die Kapitel sie formulieren. Antworten, die von den eigenen Daten eines Schülers abhängen, werden aus den Zahlen berechnet, die der Bildschirm des Schülers zeigt; die angegebenen Werte sind die von Seed %1, den ein Schüler erhält, wenn er ihn neben Beobachten eintippt.</translation>
    </message>
    <message>
        <source>The teacher&apos;s guide cannot be written to %1: %2.</source>
        <translation>Der Leitfaden für Lehrkräfte lässt sich nicht nach %1 schreiben: %2.</translation>
    </message>
    <message>
        <source>it may be circular exactly when the middle 68 % of the orbits drawn reach below e = 0.1</source>
        <translation>sie kann genau dann kreisförmig sein, wenn die mittleren 68 % der gezogenen Bahnen unter e = 0,1 reichen</translation>
    </message>
    <message>
        <source>that a value several σ from 0 cannot be 0, whatever the shape of its spread</source>
        <translation>dass ein Wert mehrere σ von 0 entfernt nicht 0 sein kann, wie auch immer seine Streuung aussieht</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;two lessons of about 45 minutes: pages 1 to 6 (the periodogram, false alarms, aliases, folding), then pages 7 to 13 (the fit, the mass, a second planet, 51 Peg, how sure an eccentricity is). Prerequisites: chapter 3 (K and m sin i), the idea of measurement errors, a calculator.</source>
        <translation>&lt;b&gt;Unterricht: &lt;/b&gt;zwei Unterrichtsstunden von je etwa 45 Minuten: Seiten 1 bis 6 (Periodogramm, Falschalarme, Aliase, Falten), dann Seiten 7 bis 13 (Anpassung, Masse, ein zweiter Planet, 51 Peg, wie sicher eine Exzentrizität ist). Voraussetzungen: Kapitel 3 (K und m sin i), die Idee von Messfehlern, ein Taschenrechner.</translation>
    </message>
    <message>
        <source>The orbits drawn (the sampler&apos;s seed %1): e from %2 to %3 (the middle 68 %), median %4; the fit&apos;s e %5.</source>
        <translation>Die gezogenen Bahnen (Startwert des Samplers %1): e von %2 bis %3 (die mittleren 68 %), Median %4; das e der Anpassung %5.</translation>
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
<context>
    <name>Vetting</name>
    <message>
        <source>observing once a night</source>
        <translation>der Beobachtung einmal pro Nacht</translation>
    </message>
    <message>
        <source>observing the star when it stands at the same place in the sky each night (a sidereal day)</source>
        <translation>der Beobachtung des Sterns, wenn er jede Nacht an derselben Stelle am Himmel steht (ein Sterntag)</translation>
    </message>
    <message>
        <source>observing in the same months each year</source>
        <translation>der Beobachtung in denselben Monaten jedes Jahres</translation>
    </message>
    <message>
        <source>A period of %1 is longer than the %2 the measurements cover: they cannot tell such an orbit from a slow drift of the star&apos;s velocity.</source>
        <translation>Eine Periode von %1 ist länger als die %2, die die Messungen abdecken: Sie können eine solche Bahn nicht von einer langsamen Drift der Geschwindigkeit des Sterns unterscheiden.</translation>
    </message>
    <message>
        <source>Its orbit comes out as eccentric as the fit allows (e = %1): a spike through a few measurements, not an orbit they follow.</source>
        <translation>Seine Bahn wird so exzentrisch, wie die Anpassung erlaubt (e = %1): eine Spitze durch wenige Messungen, keine Bahn, der sie folgen.</translation>
    </message>
    <message>
        <source>The measurements do not pin its period down (%1 ± %2).</source>
        <translation>Die Messungen legen seine Periode nicht fest (%1 ± %2).</translation>
    </message>
    <message>
        <source>The measurements do not pin its period of %1 down at all.</source>
        <translation>Die Messungen legen seine Periode von %1 überhaupt nicht fest.</translation>
    </message>
    <message>
        <source>Its K of %1 ± %2 m/s is within three uncertainties of zero.</source>
        <translation>Sein K von %1 ± %2 m/s liegt innerhalb von drei Unsicherheiten bei null.</translation>
    </message>
    <message>
        <source>%1 is an echo of %2, not of the star.</source>
        <translation>%1 ist ein Echo %2, nicht des Sterns.</translation>
    </message>
    <message>
        <source>%1 is too close to a day: measured once a night, its phase moves less than a turn in a season of observing, so it cannot be told from a slow change.</source>
        <translation>%1 liegt zu nahe an einem Tag: Einmal pro Nacht gemessen, rückt seine Phase in einer Beobachtungssaison um weniger als eine Umdrehung vor, daher lässt es sich nicht von einer langsamen Änderung unterscheiden.</translation>
    </message>
    <message>
        <source>%1 is an echo of planet %2&apos;s %3 through %4.</source>
        <translation>%1 ist ein Echo der %3 von Planet %2 infolge %4.</translation>
    </message>
    <message>
        <source>%1 is half of planet %2&apos;s %3: what a fixed orbit leaves of %2&apos;s orbit as its neighbour pulls it round, not a planet of its own.</source>
        <translation>%1 ist die Hälfte der %3 von Planet %2: was eine feste Bahn von der Bahn von %2 übrig lässt, während sein Nachbar sie dreht, kein eigener Planet.</translation>
    </message>
    <message>
        <source>%1 is half of planet %2&apos;s %3: what a fixed orbit leaves of %2&apos;s eccentric orbit, not a planet of its own.</source>
        <translation>%1 ist die Hälfte der %3 von Planet %2: was eine feste Bahn von der exzentrischen Bahn von %2 übrig lässt, kein eigener Planet.</translation>
    </message>
    <message>
        <source>%1 is a third of planet %2&apos;s %3: what a fixed orbit leaves of %2&apos;s orbit as its neighbour pulls it round, not a planet of its own.</source>
        <translation>%1 ist ein Drittel der %3 von Planet %2: was eine feste Bahn von der Bahn von %2 übrig lässt, während sein Nachbar sie dreht, kein eigener Planet.</translation>
    </message>
    <message>
        <source>%1 is a third of planet %2&apos;s %3: what a fixed orbit leaves of %2&apos;s eccentric orbit, not a planet of its own.</source>
        <translation>%1 ist ein Drittel der %3 von Planet %2: was eine feste Bahn von der exzentrischen Bahn von %2 übrig lässt, kein eigener Planet.</translation>
    </message>
    <message>
        <source>Noise often makes such a peak (false-alarm probability %1; below 1 % is a peak noise seldom makes).</source>
        <translation>Rauschen erzeugt einen solchen Gipfel oft (Falschalarmwahrscheinlichkeit %1; unter 1 % ist ein Gipfel, den Rauschen selten erzeugt).</translation>
    </message>
    <message>
        <source>The BIC falls by only %1 with it: a fall of more than 10 is needed to pay for its five parameters.</source>
        <translation>Der BIC fällt mit ihm nur um %1: Ein Fall um mehr als 10 ist nötig, um seine fünf Parameter aufzuwiegen.</translation>
    </message>
    <message>
        <source>The BIC rises by %1 with it: a fall of more than 10 is needed to pay for its five parameters.</source>
        <translation>Der BIC steigt mit ihm um %1: Ein Fall um mehr als 10 ist nötig, um seine fünf Parameter aufzuwiegen.</translation>
    </message>
    <message>
        <source>%1 is an echo of a stronger signal at %2 through %3.</source>
        <translation>%1 ist ein Echo eines stärkeren Signals bei %2 infolge %3.</translation>
    </message>
</context>
<context>
    <name>Work file</name>
    <message>
        <source>is not a whole number of 1 to 18 digits</source>
        <translation>ist keine ganze Zahl mit 1 bis 18 Ziffern</translation>
    </message>
    <message>
        <source>is none of &quot;none&quot;, &quot;observed&quot;, &quot;imported&quot;, &quot;mystery&quot;, &quot;published&quot;</source>
        <translation>ist keiner der Werte &quot;none&quot;, &quot;observed&quot;, &quot;imported&quot;, &quot;mystery&quot;, &quot;published&quot;</translation>
    </message>
    <message>
        <source>is empty for published measurements</source>
        <translation>ist bei veröffentlichten Messungen leer</translation>
    </message>
    <message>
        <source>is given for measurements that are not published</source>
        <translation>ist bei Messungen angegeben, die nicht veröffentlicht sind</translation>
    </message>
    <message>
        <source>does not list %1 slider positions</source>
        <translation>listet keine %1 Schiebereglerstellungen auf</translation>
    </message>
    <message>
        <source>position %1 is not a whole number from 0 to %2</source>
        <translation>Stellung %1 ist keine ganze Zahl von 0 bis %2</translation>
    </message>
    <message>
        <source>are given without enough measurements to fit</source>
        <translation>sind ohne genug Messungen für eine Anpassung angegeben</translation>
    </message>
    <message>
        <source>does not list %1 planets</source>
        <translation>listet keine %1 Planeten auf</translation>
    </message>
    <message>
        <source>is below 0</source>
        <translation>ist kleiner als 0</translation>
    </message>
    <message>
        <source>is below &quot;low&quot;</source>
        <translation>ist kleiner als &quot;low&quot;</translation>
    </message>
    <message>
        <source>lies outside &quot;low&quot; to &quot;high&quot;</source>
        <translation>liegt außerhalb von &quot;low&quot; bis &quot;high&quot;</translation>
    </message>
    <message>
        <source>does not list %1 instruments</source>
        <translation>listet keine %1 Instrumente auf</translation>
    </message>
    <message>
        <source>entry %1 is not a name</source>
        <translation>Eintrag %1 ist kein Name</translation>
    </message>
    <message>
        <source>row %1 is not four numbers</source>
        <translation>Zeile %1 sind nicht vier Zahlen</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>row %1 names no instrument of the set</source>
        <translation>Zeile %1 nennt kein Instrument des Satzes</translation>
    </message>
    <message>
        <source>row %1 is earlier than the row before it</source>
        <translation>Zeile %1 liegt früher als die Zeile davor</translation>
    </message>
    <message>
        <source>The file was not read: %1.</source>
        <translation>Die Datei wurde nicht gelesen: %1.</translation>
    </message>
    <message>
        <source>The file is not a saved piece of work: it holds more than %1 values, more than any work the book saves.</source>
        <translation>Die Datei ist keine gespeicherte Arbeit: Sie enthält mehr als %1 Werte, mehr als jede Arbeit, die das Buch speichert.</translation>
    </message>
    <message>
        <source>The file is not a saved piece of work: at byte %1, %2.</source>
        <translation>Die Datei ist keine gespeicherte Arbeit: bei Byte %1, %2.</translation>
    </message>
    <message>
        <source>The file is not a saved piece of work: it holds no JSON object.</source>
        <translation>Die Datei ist keine gespeicherte Arbeit: Sie enthält kein JSON-Objekt.</translation>
    </message>
    <message>
        <source>The file is not a saved piece of work: its &quot;format&quot; is not &quot;%1&quot;.</source>
        <translation>Die Datei ist keine gespeicherte Arbeit: Ihr &quot;format&quot; ist nicht &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The file was saved by another version of the book (format version %1; this book reads version %2).</source>
        <translation>Die Datei wurde von einer anderen Version des Buchs gespeichert (Formatversion %1; dieses Buch liest Version %2).</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a version number</comment>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>The work was not saved: %1.</source>
        <translation>Die Arbeit wurde nicht gespeichert: %1.</translation>
    </message>
    <message>
        <source>The file cannot be used: &quot;%1&quot; %2.</source>
        <comment>%1 is a field of the file, %2 what is wrong with it</comment>
        <translation>Die Datei ist nicht verwendbar: &quot;%1&quot; %2.</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>ist keine Zahl</translation>
    </message>
    <message>
        <source>is %1, outside %2 to %3</source>
        <translation>ist %1, außerhalb von %2 bis %3</translation>
    </message>
    <message>
        <source>is not a whole number</source>
        <translation>ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>is not true or false</source>
        <translation>ist weder true noch false</translation>
    </message>
    <message>
        <source>is not a text</source>
        <translation>ist kein Text</translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation>ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>is not a list</source>
        <translation>ist keine Liste</translation>
    </message>
    <message>
        <source>has more than %1 entries</source>
        <translation>hat mehr als %1 Einträge</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>ist kein Objekt</translation>
    </message>
    <message>
        <source>The file cannot be used: &quot;%1&quot; is not an object.</source>
        <translation>Die Datei ist nicht verwendbar: &quot;%1&quot; ist kein Objekt.</translation>
    </message>
    <message>
        <source>names a chapter twice</source>
        <translation>nennt ein Kapitel zweimal</translation>
    </message>
    <message>
        <source>lists no answer</source>
        <translation>listet keine Antwort auf</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Doppler spectroscopy: worksheet</source>
        <translation>Doppler-Spektroskopie: Arbeitsblatt</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>%1   Seed (chapter 6): %2</source>
        <comment>%1 and %2 are the lines the name and the seed are written on</comment>
        <translation>%1   Seed (Kapitel 6): %2</translation>
    </message>
    <message>
        <source>Page %1:</source>
        <translation>Seite %1:</translation>
    </message>
    <message>
        <source>The worksheet cannot be written to %1: %2.</source>
        <translation>Das Arbeitsblatt lässt sich nicht nach %1 schreiben: %2.</translation>
    </message>
</context>
</TS>
