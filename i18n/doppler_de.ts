<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
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
</TS>
