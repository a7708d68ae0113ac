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
        <translation>Die Simulationsseiten zeigen den Stern und seine Planeten auf ihren Bahnen über der Radialgeschwindigkeit des Sterns. &lt;b&gt;Start&lt;/b&gt;, &lt;b&gt;Stopp&lt;/b&gt; und &lt;b&gt;Zurücksetzen&lt;/b&gt; steuern sie, &lt;b&gt;Parameter ändern&lt;/b&gt; verändert die Planeten, und die Schieberegler drehen die Ansicht und stellen den Zeitmaßstab ein. Das Menü &lt;b&gt;Werkzeuge&lt;/b&gt; öffnet den Taschenrechner, das Spektrum, die echten Planetensysteme und die Beobachtungskampagne; &lt;b&gt;Datei, Bild speichern&lt;/b&gt; speichert ein Bild, das die Seite zeigt.</translation>
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
</TS>
