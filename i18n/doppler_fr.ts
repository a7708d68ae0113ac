<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Doppler spectroscopy</source>
        <translation>Spectroscopie Doppler</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Doppler spectroscopy book authors</source>
        <translation>Copyright © 2026 Les auteurs du livre Spectroscopie Doppler</translation>
    </message>
    <message>
        <source>Acknowledgements and copyright</source>
        <translation>Remerciements et droits d&apos;auteur</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Published measurements</source>
        <translation>Mesures publiées</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Droits d&apos;auteur</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Remerciements</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the instruments of a paper</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>The observing window&apos;s File menu opens these published radial velocities, with each instrument&apos;s number of measurements in brackets.</source>
        <translation>Le menu Fichier de la fenêtre d&apos;observation ouvre ces vitesses radiales publiées&#xa0;; le nombre de mesures de chaque instrument est indiqué entre parenthèses.</translation>
    </message>
    <message>
        <source>its files cannot be read: %1</source>
        <translation>ses fichiers ne peuvent pas être lus&#xa0;: %1</translation>
    </message>
    <message>
        <source>The files of the published measurements that come with the book cannot be read: %1</source>
        <translation>Les fichiers des mesures publiées fournies avec le livre ne peuvent pas être lus&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Accessibility options</name>
    <message>
        <source>Kept settings forgotten</source>
        <translation>Réglages conservés oubliés</translation>
    </message>
    <message>
        <source>Accessibility options</source>
        <translation>Options d&apos;accessibilité</translation>
    </message>
    <message>
        <source>About these options</source>
        <translation>À propos de ces options</translation>
    </message>
    <message>
        <source>Use system colours</source>
        <translation>Utiliser les couleurs du système</translation>
    </message>
    <message>
        <source>Include support for screen reader users</source>
        <translation>Inclure l&apos;aide aux utilisateurs de lecteurs d&apos;écran</translation>
    </message>
    <message>
        <source>&amp;Forget kept settings</source>
        <translation>&amp;Oublier les réglages conservés</translation>
    </message>
    <message>
        <source>Deletes the book&apos;s settings file; the book then keeps nothing when it closes.</source>
        <translation>Supprime le fichier de réglages du livre&#xa0;; le livre ne conserve alors plus rien à sa fermeture.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Book window</name>
    <message>
        <source>Doppler spectroscopy</source>
        <translation>Spectroscopie Doppler</translation>
    </message>
    <message>
        <source>&amp;Fit to screen (%1 %)</source>
        <translation>&amp;Ajuster à l&apos;écran (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Click |Return to previous section</source>
        <translation>Cliquez |Revenir à la section précédente</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>Print &amp;chapter text...</source>
        <translation>Imprimer le texte du &amp;chapitre...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Fit to screen</source>
        <translation>&amp;Ajuster à l&apos;écran</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Section</source>
        <translation>&amp;Section</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Accessibility...</source>
        <translation>&amp;Accessibilité...</translation>
    </message>
    <message>
        <source>A&amp;bout...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Click or press Enter to begin</source>
        <translation>Cliquez ou appuyez sur Entrée pour commencer</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Calculatrice</translation>
    </message>
    <message>
        <source>&amp;Open system...</source>
        <translation>&amp;Ouvrir un système...</translation>
    </message>
    <message>
        <source>&amp;Save system...</source>
        <translation>&amp;Enregistrer le système...</translation>
    </message>
    <message>
        <source>My &amp;answers...</source>
        <translation>&amp;Mes réponses...</translation>
    </message>
    <message>
        <source>&amp;Export measurements...</source>
        <translation>E&amp;xporter les mesures...</translation>
    </message>
    <message>
        <source>&amp;Spectrum</source>
        <translation>&amp;Spectre</translation>
    </message>
    <message>
        <source>&amp;Real planetary systems</source>
        <translation>Systèmes planétaires &amp;réels</translation>
    </message>
    <message>
        <source>&amp;Observing run</source>
        <translation>Campagne d&apos;&amp;observation</translation>
    </message>
    <message>
        <source>&amp;Keys and how to use this book...</source>
        <translation>&amp;Touches et mode d&apos;emploi du livre...</translation>
    </message>
    <message>
        <source>A&amp;ccessibility...</source>
        <translation>A&amp;ccessibilité...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>The book&apos;s settings were not saved: %1.</source>
        <translation>Les réglages du livre n&apos;ont pas été enregistrés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The book&apos;s settings were not forgotten: %1.</source>
        <translation>Les réglages du livre n&apos;ont pas été oubliés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 : Contents</source>
        <comment>the book&apos;s title and its contents page</comment>
        <translation>%1&#xa0;: Sommaire</translation>
    </message>
    <message>
        <source>Unable to open calculator</source>
        <translation>Impossible d&apos;ouvrir la calculatrice</translation>
    </message>
    <message>
        <source>%1 : %2 %3/%4</source>
        <comment>the book&apos;s title, the chapter&apos;s, the page and the pages</comment>
        <translation>%1&#xa0;: %2&#xa0;%3/%4</translation>
    </message>
    <message>
        <source>back</source>
        <comment>turns to the page before</comment>
        <translation>précédente</translation>
    </message>
    <message>
        <source>Click to move back</source>
        <translation>Cliquez pour revenir en arrière</translation>
    </message>
    <message>
        <source>forward</source>
        <comment>turns to the next page</comment>
        <translation>suivante</translation>
    </message>
    <message>
        <source>Click to move forward</source>
        <translation>Cliquez pour avancer</translation>
    </message>
    <message>
        <source>The work open before the new zoom was not taken over: %1</source>
        <translation>Le travail ouvert avant le nouveau zoom n&apos;a pas été repris&#xa0;: %1</translation>
    </message>
    <message>
        <source>The open work could not be kept for the new zoom: %1</source>
        <translation>Le travail ouvert n&apos;a pas pu être conservé pour le nouveau zoom&#xa0;: %1</translation>
    </message>
    <message>
        <source>The open work could not be kept for the new zoom: %1.</source>
        <translation>Le travail ouvert n&apos;a pas pu être conservé pour le nouveau zoom&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <comment>the book&apos;s title and the chapter&apos;s</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Page %1/%2</source>
        <comment>the page and the pages</comment>
        <translation>Page %1/%2</translation>
    </message>
    <message>
        <source>the chapter&apos;s run, seed %1</source>
        <comment>where the observing window&apos;s measurements come from</comment>
        <translation>la campagne du chapitre, graine %1</translation>
    </message>
    <message>
        <source>Saved work (*.json);;All files (*)</source>
        <translation>Travail enregistré (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Only a system built in the free experiment can be saved.</source>
        <translation>Seul un système construit dans l&apos;expérimentation libre peut être enregistré.</translation>
    </message>
    <message>
        <source>The file holds an observing run, not a system: open it in the observing run&apos;s window.</source>
        <translation>Le fichier contient une campagne d&apos;observation, pas un système&#xa0;: ouvrez-le dans la fenêtre de la campagne d&apos;observation.</translation>
    </message>
    <message>
        <source>The file holds no system.</source>
        <translation>Le fichier ne contient aucun système.</translation>
    </message>
    <message>
        <source>The open chapter shows no measurements.</source>
        <translation>Le chapitre ouvert ne montre aucune mesure.</translation>
    </message>
    <message>
        <source>The measurements were not written: %1.</source>
        <translation>Les mesures n&apos;ont pas été écrites&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Export measurements</source>
        <translation>Exporter les mesures</translation>
    </message>
    <message>
        <source>measurements.csv</source>
        <comment>the file name offered</comment>
        <translation>mesures.csv</translation>
    </message>
    <message>
        <source>Measurements (*.csv);;All files (*)</source>
        <translation>Mesures (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save system</source>
        <translation>Enregistrer le système</translation>
    </message>
    <message>
        <source>system.json</source>
        <comment>the file name offered</comment>
        <translation>systeme.json</translation>
    </message>
    <message>
        <source>Open system</source>
        <translation>Ouvrir un système</translation>
    </message>
    <message>
        <source>The system kept has no chapter to go into.</source>
        <translation>Le système conservé n&apos;a aucun chapitre où aller.</translation>
    </message>
    <message>
        <source>back</source>
        <comment>under the arrow that goes back</comment>
        <translation>retour</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>You cannot divide by zero.</source>
        <translation>Vous ne pouvez pas diviser par zéro.</translation>
    </message>
    <message>
        <source>A closing bracket ) is missing.</source>
        <translation>Il manque une parenthèse fermante ).</translation>
    </message>
    <message>
        <source>There is a ) without its opening bracket (.</source>
        <translation>Il y a une ) sans sa parenthèse ouvrante (.</translation>
    </message>
    <message>
        <source>A number is missing after an operator or inside brackets.</source>
        <translation>Il manque un nombre après un opérateur ou entre des parenthèses.</translation>
    </message>
    <message>
        <source>An operator such as + or * is missing between two numbers.</source>
        <translation>Il manque un opérateur tel que + ou * entre deux nombres.</translation>
    </message>
    <message>
        <source>The expression has a word or sign the calculator does not know.</source>
        <translation>L&apos;expression contient un mot ou un signe que la calculatrice ne connaît pas.</translation>
    </message>
    <message>
        <source>A number is not written as a number.</source>
        <translation>Un nombre n&apos;est pas écrit comme un nombre.</translation>
    </message>
    <message>
        <source>Put a function&apos;s number in brackets, as in sin(30).</source>
        <translation>Mettez le nombre d&apos;une fonction entre parenthèses, comme dans sin(30).</translation>
    </message>
    <message>
        <source>! takes only whole numbers from 0 up.</source>
        <translation>! ne prend que des nombres entiers à partir de 0.</translation>
    </message>
    <message>
        <source>ln(0) and the ln of a negative number are undefined.</source>
        <translation>ln(0) et le ln d&apos;un nombre négatif ne sont pas définis.</translation>
    </message>
    <message>
        <source>log10(0) and the log10 of a negative number are undefined.</source>
        <translation>log10(0) et le log10 d&apos;un nombre négatif ne sont pas définis.</translation>
    </message>
    <message>
        <source>A negative number has no square root.</source>
        <translation>Un nombre négatif n&apos;a pas de racine carrée.</translation>
    </message>
    <message>
        <source>asin takes only numbers from -1 to 1.</source>
        <translation>asin ne prend que des nombres de -1 à 1.</translation>
    </message>
    <message>
        <source>acos takes only numbers from -1 to 1.</source>
        <translation>acos ne prend que des nombres de -1 à 1.</translation>
    </message>
    <message>
        <source>tan is undefined there: the angle is an odd multiple of 90°.</source>
        <translation>tan n&apos;est pas définie à cet endroit&#xa0;: l&apos;angle est un multiple impair de 90°.</translation>
    </message>
    <message>
        <source>A negative number cannot be raised to a fractional power.</source>
        <translation>Un nombre négatif ne peut pas être élevé à une puissance fractionnaire.</translation>
    </message>
    <message>
        <source>0 cannot be raised to a negative power.</source>
        <translation>0 ne peut pas être élevé à une puissance négative.</translation>
    </message>
    <message>
        <source>The result is too large for the calculator.</source>
        <translation>Le résultat est trop grand pour la calculatrice.</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>&amp;Expression</source>
        <translation>&amp;Expression</translation>
    </message>
    <message>
        <source>such as 2 pi sqrt(5.2^3)</source>
        <comment>an example; the decimal mark may be the language&apos;s own</comment>
        <translation>par exemple 2 pi sqrt(5,2^3)</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>&amp;Valeur</translation>
    </message>
    <message>
        <source>Angles:</source>
        <translation>Angles&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Degrees</source>
        <translation>&amp;Degrés</translation>
    </message>
    <message>
        <source>&amp;Radians</source>
        <translation>&amp;Radians</translation>
    </message>
    <message>
        <source>sin, cos and tan take degrees; asin, acos and atan give degrees</source>
        <translation>sin, cos et tan prennent des degrés&#xa0;; asin, acos et atan donnent des degrés</translation>
    </message>
    <message>
        <source>sin, cos and tan take radians; asin, acos and atan give radians</source>
        <translation>sin, cos et tan prennent des radians&#xa0;; asin, acos et atan donnent des radians</translation>
    </message>
    <message>
        <source>Enter works it out. x is the last value; pi, sqrt, sin, cos, tan, exp, ln and log10 are known, ^ raises to a power.</source>
        <comment>the calculator&apos;s words (x, pi, sqrt, sin, ...) are typed as they stand in every language</comment>
        <translation>Entrée effectue le calcul. x est la dernière valeur&#xa0;; pi, sqrt, sin, cos, tan, exp, ln et log10 sont connus, ^ élève à une puissance.</translation>
    </message>
    <message>
        <source>Work out</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Chapter 1: Doppler spectroscopy</name>
    <message>
        <source>Doppler spectroscopy</source>
        <translation>Spectroscopie Doppler</translation>
    </message>
    <message>
        <source>Light and other radiation from a moving object, such as a star, is shifted in wavelength. When the star moves away from us its light is stretched to longer, redder wavelengths; when it approaches, the light is compressed to shorter, bluer wavelengths. The size of the shift is proportional to the star&apos;s &lt;b&gt;radial velocity&lt;/b&gt; (&lt;i&gt;v&lt;sub&gt;r&lt;/sub&gt;&lt;/i&gt;) the speed at which the star is moving towards or away from the observer. This kind of shift in wavelength is known as the &lt;b&gt;Doppler effect.&lt;/b&gt;</source>
        <translation>La lumière et les autres rayonnements émis par un objet en mouvement, comme une étoile, sont décalés en longueur d&apos;onde. Quand l&apos;étoile s&apos;éloigne de nous, sa lumière est étirée vers des longueurs d&apos;onde plus grandes, plus rouges&#xa0;; quand elle s&apos;approche, la lumière est comprimée vers des longueurs d&apos;onde plus courtes, plus bleues. L&apos;importance du décalage est proportionnelle à la &lt;b&gt;vitesse radiale&lt;/b&gt; (&lt;i&gt;v&lt;sub&gt;r&lt;/sub&gt;&lt;/i&gt;) de l&apos;étoile, la vitesse à laquelle l&apos;étoile se rapproche ou s&apos;éloigne de l&apos;observateur. Ce type de décalage en longueur d&apos;onde est appelé &lt;b&gt;effet Doppler.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Modern instruments measure the wavelength of a line in a star&apos;s spectrum very precisely. Comparing it with the wavelength of the same line measured in the laboratory gives the star&apos;s radial velocity. Once the effects of the Earth&apos;s own orbit around the Sun and of the star&apos;s steady motion through space are removed, any periodic variation that remains means the star is orbiting with an unseen companion. The companion is often another star, but sometimes it is a planet. This way of finding unseen companions is often called&lt;b&gt; Doppler spectroscopy.&lt;/b&gt;</source>
        <translation>Les instruments modernes mesurent très précisément la longueur d&apos;onde d&apos;une raie du spectre d&apos;une étoile. En la comparant à la longueur d&apos;onde de la même raie mesurée en laboratoire, on obtient la vitesse radiale de l&apos;étoile. Une fois retirés les effets de l&apos;orbite de la Terre autour du Soleil et du mouvement régulier de l&apos;étoile dans l&apos;espace, toute variation périodique qui subsiste signifie que l&apos;étoile est en orbite avec un compagnon invisible. Ce compagnon est souvent une autre étoile, mais c&apos;est parfois une planète. Cette façon de trouver des compagnons invisibles est souvent appelée&lt;b&gt; spectroscopie Doppler.&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>Chapter 2: The simulation</name>
    <message>
        <source>The simulation</source>
        <translation>La simulation</translation>
    </message>
    <message>
        <source>We start with a simple system: a star of one solar mass (the yellow dot) and a single planet of one Jupiter mass, Mondas (the white dot). The light-blue line is the orbit of Mondas. Its semimajor axis is 5.2 AU and its eccentricity is 0, so Mondas moves on a circle of radius 5.2 AU.</source>
        <translation>Commençons par un système simple&#xa0;: une étoile d&apos;une masse solaire (le point jaune) et une planète d&apos;une masse de Jupiter, Mondas (le point blanc). La ligne bleu clair est son orbite. Son demi-grand axe vaut 5,2 AU et son excentricité 0&#xa0;: Mondas décrit donc un cercle de 5,2 AU de rayon.</translation>
    </message>
    <message>
        <source>At first you see the orbit edge-on, so the circle looks like a straight line.</source>
        <translation>Au début, l&apos;orbite est vue par la tranche&#xa0;: le cercle semble une ligne droite.</translation>
    </message>
    <message>
        <source>You can turn the view to look at the orbit from any direction: drag the mouse across the black pane, or move the &lt;b&gt;Rotate axes &lt;/b&gt;sliders. The &lt;b&gt;Zoom &lt;/b&gt;slider makes the picture larger or smaller.</source>
        <comment>Rotate axes, Zoom: the captions of the view&apos;s sliders</comment>
        <translation>Vous pouvez tourner la vue pour regarder l&apos;orbite depuis n&apos;importe quelle direction&#xa0;: faites glisser la souris sur le panneau noir, ou déplacez les curseurs &lt;b&gt;Rotation des axes&lt;/b&gt;. Le curseur &lt;b&gt;Zoom&lt;/b&gt; agrandit ou réduit l&apos;image.</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;Start &lt;/b&gt;button to begin the simulation.</source>
        <translation>Cliquez sur le bouton &lt;b&gt;Lancer&lt;/b&gt; pour commencer la simulation.</translation>
    </message>
    <message>
        <source>The star and Mondas both orbit their common centre of mass, which lies at the origin, where the &lt;i&gt;x, y &lt;/i&gt;and &lt;i&gt;z &lt;/i&gt;axes meet. The star is much heavier than the planet, so its orbit is much smaller.</source>
        <translation>L&apos;étoile et Mondas tournent tous deux autour de leur centre de masse commun, situé à l&apos;origine, là où se croisent les axes &lt;i&gt;x, y&lt;/i&gt; et &lt;i&gt;z&lt;/i&gt;. L&apos;étoile est beaucoup plus lourde que la planète&#xa0;: son orbite est donc beaucoup plus petite.</translation>
    </message>
    <message>
        <source>&lt;b&gt;NOTE: The star&apos;s motion is always drawn %1 times larger than the planet&apos;s, so that you can see it move.&lt;/b&gt;</source>
        <translation>&lt;b&gt;REMARQUE&#xa0;: le mouvement de l&apos;étoile est toujours dessiné %1 fois plus grand que celui de la planète, pour que vous puissiez le voir.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Observers on Earth are a very long way off along the &lt;i&gt;z &lt;/i&gt;axis. They cannot see the star wobble across the sky; all they can measure is the &lt;i&gt;radial velocity &lt;/i&gt;of the star, &lt;i&gt;v&lt;sub&gt;r&lt;/sub&gt;&lt;/i&gt;, the part of its velocity directed towards or away from them.</source>
        <translation>Les observateurs sur Terre se trouvent très loin le long de l&apos;axe &lt;i&gt;z&lt;/i&gt;. Ils ne peuvent pas voir l&apos;étoile osciller sur le ciel&#xa0;; tout ce qu&apos;ils peuvent mesurer, c&apos;est la &lt;i&gt;vitesse radiale&lt;/i&gt; de l&apos;étoile, &lt;i&gt;v&lt;sub&gt;r&lt;/sub&gt;&lt;/i&gt;, la partie de sa vitesse dirigée vers eux ou à l&apos;opposé d&apos;eux.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The radial velocity is always measured along the &lt;i&gt;z &lt;/i&gt;axis.&lt;/b&gt;</source>
        <translation>&lt;b&gt;La vitesse radiale est toujours mesurée le long de l&apos;axe &lt;i&gt;z&lt;/i&gt;.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Tick the &lt;b&gt;Velocity vector &lt;/b&gt;check box to show the velocities of the star and the planet as arrows. The length of each arrow is proportional to the speed. The star&apos;s arrow is drawn %1 times longer than the planet&apos;s would be at the same speed.</source>
        <comment>Velocity vector: the caption of the check box</comment>
        <translation>Cochez la case &lt;b&gt;Vecteur vitesse&lt;/b&gt; pour afficher les vitesses de l&apos;étoile et de la planète sous forme de flèches. La longueur de chaque flèche est proportionnelle à la vitesse. La flèche de l&apos;étoile est dessinée %1 fois plus longue que ne le serait celle de la planète à la même vitesse.</translation>
    </message>
    <message>
        <source>The graph on the right plots the radial velocity of the star against time. The timescale slider below the graph sets how much time one division of the time axis stands for, as the unit beside the axis says (&lt;i&gt;t&lt;/i&gt; / 1000 days: each division is 1000 days); the graph shows ten divisions. When the curve reaches the end of the displayed time range, the velocity axis is rescaled automatically to fit it; untick &lt;b&gt;Autoscale velocity &lt;/b&gt;to switch this off. The &lt;b&gt;Rescale velocity&lt;/b&gt; button rescales the velocity axis at any time.</source>
        <comment>Autoscale velocity, Rescale velocity: the captions of the check box and the button below the graph</comment>
        <translation>Le graphique de droite montre la vitesse radiale de l&apos;étoile au cours du temps. Le curseur d&apos;échelle de temps, sous le graphique, fixe la durée d&apos;une division de l&apos;axe du temps, indiquée par l&apos;unité à côté de l&apos;axe (&lt;i&gt;t&lt;/i&gt; / 1000 jours&#xa0;: une division vaut 1000 jours)&#xa0;; le graphique montre dix divisions. Quand la courbe atteint la fin du temps affiché, l&apos;axe des vitesses se remet à l&apos;échelle tout seul&#xa0;; décochez &lt;b&gt;Échelle auto&lt;/b&gt; pour l&apos;éviter. Le bouton &lt;b&gt;Réajuster vitesse&lt;/b&gt; le fait à tout moment.</translation>
    </message>
    <message>
        <source>&lt;b&gt;What is the orbital period?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Quelle est la période orbitale&#xa0;?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Enter your answer below to 2 sig figs.</source>
        <translation>Répondez ci-dessous à 2 chiffres significatifs.</translation>
    </message>
    <message>
        <source>&lt;b&gt;When is the star&apos;s radial velocity zero?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Quand la vitesse radiale est-elle nulle&#xa0;?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Click on one of the following answers.</source>
        <translation>Cliquez sur l&apos;une des réponses suivantes.</translation>
    </message>
    <message>
        <source>The view is turned: the axes show apart.</source>
        <translation>La vue est tournée&#xa0;: les axes se distinguent.</translation>
    </message>
    <message>
        <source>Tick the &lt;b&gt;Velocity vector &lt;/b&gt;check box and watch the star&apos;s velocity vector (the green arrow). When the radial velocity is greatest, the arrow is parallel to the &lt;i&gt;z&lt;/i&gt; axis: the star is moving straight towards or away from the Earth. When the radial velocity is zero, the star&apos;s velocity is perpendicular to the &lt;i&gt;z&lt;/i&gt; axis, and the star moves across our line of sight.</source>
        <comment>Velocity vector: the caption of the check box</comment>
        <translation>Cochez la case &lt;b&gt;Vecteur vitesse&lt;/b&gt; et observez le vecteur vitesse de l&apos;étoile (la flèche verte). Quand la vitesse radiale est maximale, la flèche est parallèle à l&apos;axe &lt;i&gt;z&lt;/i&gt;&#xa0;: l&apos;étoile se déplace droit vers la Terre ou s&apos;en éloigne. Quand la vitesse radiale est nulle, la vitesse de l&apos;étoile est perpendiculaire à l&apos;axe &lt;i&gt;z&lt;/i&gt;, et l&apos;étoile se déplace en travers de notre ligne de visée.</translation>
    </message>
    <message>
        <source>You should now see why the radial velocity of the star varies as the planet and the star orbit their centre of mass. Next we investigate how the orientation of the orbit and the other parameters affect the amplitude of the radial velocity curve.</source>
        <translation>Vous devriez maintenant comprendre pourquoi la vitesse radiale de l&apos;étoile varie quand la planète et l&apos;étoile tournent autour de leur centre de masse. Nous allons ensuite étudier comment l&apos;orientation de l&apos;orbite et les autres paramètres influent sur l&apos;amplitude de la courbe de vitesse radiale.</translation>
    </message>
    <message>
        <source>Hint: Your number is 1000 times too small:
read the unit beside the time axis.</source>
        <translation>Indice&#xa0;: votre nombre est 1000 fois trop petit&#xa0;:
lisez l&apos;unité à côté de l&apos;axe du temps.</translation>
    </message>
    <message>
        <source>Hint: Your number is 1000 times too large:
read the unit beside the time axis.</source>
        <translation>Indice&#xa0;: votre nombre est 1000 fois trop grand&#xa0;:
lisez l&apos;unité à côté de l&apos;axe du temps.</translation>
    </message>
    <message>
        <source>Hint: Measure between maxima or minima,
and note the scale of the time axis.</source>
        <translation>Indice&#xa0;: mesurez entre deux maxima ou deux minima,
et notez l&apos;échelle de l&apos;axe du temps.</translation>
    </message>
    <message>
        <source>Hint: Press &lt;b&gt;Stop&lt;/b&gt; when the graph
crosses zero.</source>
        <comment>Stop: the caption of the button</comment>
        <translation>Indice&#xa0;: appuyez sur &lt;b&gt;Arrêter&lt;/b&gt; quand la courbe
passe par zéro.</translation>
    </message>
    <message>
        <source>The period to two sig figs is %1 days.</source>
        <comment>of the orbit</comment>
        <translation>La période à deux chiffres significatifs est de %1 jours.</translation>
    </message>
    <message>
        <source>(The precise period is %1 days.)</source>
        <comment>of the orbit</comment>
        <translation>(La période exacte est de %1 jours.)</translation>
    </message>
    <message>
        <source>The correct answer is when it crosses the &lt;i&gt;z&lt;/i&gt; axis.</source>
        <translation>La bonne réponse est&#xa0;: quand elle traverse l&apos;axe &lt;i&gt;z&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Mondas&apos;s period to three figures, %1 days; answers within %2 days count.</source>
        <comment>of the orbit</comment>
        <translation>La période de Mondas à trois chiffres&#xa0;: %1 jours&#xa0;; les réponses à %2 jours près sont acceptées.</translation>
    </message>
    <message>
        <source>crosses the x axis</source>
        <translation>elle traverse l&apos;axe x</translation>
    </message>
    <message>
        <source>crosses the y axis</source>
        <translation>elle traverse l&apos;axe y</translation>
    </message>
    <message>
        <source>crosses the z axis</source>
        <translation>elle traverse l&apos;axe z</translation>
    </message>
    <message>
        <source>When it...</source>
        <translation>Quand...</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>Period of Mondas in days</source>
        <comment>of the orbit</comment>
        <translation>Période de Mondas en jours</translation>
    </message>
</context>
<context>
    <name>Chapter 3: One planet</name>
    <message>
        <source>One planet</source>
        <translation>Une planète</translation>
    </message>
    <message>
        <source>This section shows what the radial velocity profile of a star can tell us about a single planet orbiting it, and what it cannot. We keep one planet, Mondas, and change its orbit and its mass one parameter at a time.</source>
        <translation>Cette section montre ce que le profil de vitesse radiale d&apos;une étoile peut nous apprendre sur une planète unique en orbite autour d&apos;elle, et ce qu&apos;il ne peut pas nous apprendre. Nous gardons une seule planète, Mondas, et modifions son orbite et sa masse, un paramètre à la fois.</translation>
    </message>
    <message>
        <source>First we look at how changing the inclination %1 of the orbit changes the amplitude of the radial velocity. %1 is the angle between the line of sight (the &lt;i&gt;z&lt;/i&gt; axis) and the orbit&apos;s normal vector, the arrow drawn at right angles to the orbit in the orbit&apos;s own colour, here light blue.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i</comment>
        <translation>Voyons d&apos;abord comment la variation de l&apos;inclinaison %1 de l&apos;orbite modifie l&apos;amplitude de la vitesse radiale. %1 est l&apos;angle entre la ligne de visée (l&apos;axe &lt;i&gt;z&lt;/i&gt;) et le vecteur normal à l&apos;orbite, la flèche dessinée perpendiculairement à l&apos;orbite dans la couleur de l&apos;orbite, ici bleu clair.</translation>
    </message>
    <message>
        <source>The orbit starts edge-on, seen from the side: %1 is 90°.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i</comment>
        <translation>L&apos;orbite est d&apos;abord vue par la tranche, de côté&#xa0;: %1 vaut 90°.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Start&lt;/b&gt;. The masses and the orbit are the same as in the last section, so the radial velocity profile is the same too.</source>
        <comment>Start: the caption of the button</comment>
        <translation>Appuyez sur &lt;b&gt;Lancer&lt;/b&gt;. Masses et orbite sont celles de la section précédente&#xa0;: le profil de vitesse radiale est donc le même.</translation>
    </message>
    <message>
        <source>Now click &lt;b&gt;Edit parameters&lt;/b&gt; and, in the window that opens, use the slider to change the inclination of the orbit of Mondas to about 30°.</source>
        <comment>Edit parameters: the caption of the button</comment>
        <translation>Cliquez ensuite sur &lt;b&gt;Modifier paramètres&lt;/b&gt; et, dans la fenêtre qui s&apos;ouvre, réglez avec le curseur l&apos;inclinaison de l&apos;orbite de Mondas à environ 30°.</translation>
    </message>
    <message>
        <source>(Sliders will be enabled when you first need them.)</source>
        <translation>(Les curseurs s&apos;activent dès que vous en avez besoin.)</translation>
    </message>
    <message>
        <source>The amplitude of the radial velocity is reduced: the maxima and minima are smaller. (Automatic rescaling has been turned off so that you can see this.)</source>
        <translation>L&apos;amplitude de la vitesse radiale est réduite&#xa0;: les maxima et les minima sont plus petits. (La remise à l&apos;échelle automatique a été désactivée pour que vous puissiez le voir.)</translation>
    </message>
    <message>
        <source>Drag the orbit view to look at the orbit from different angles, and notice that the star orbits in the same plane as the planet.</source>
        <translation>Faites glisser la vue des orbites pour regarder l&apos;orbite sous différents angles, et remarquez que l&apos;étoile tourne dans le même plan que la planète.</translation>
    </message>
    <message>
        <source>Now set %1 to zero. The orbit then lies in the plane of the sky, at right angles to the line of sight, and the star&apos;s radial velocity is always zero: the star never moves towards or away from us.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i</comment>
        <translation>Réglez maintenant %1 à zéro. L&apos;orbite se trouve alors dans le plan du ciel, perpendiculaire à la ligne de visée, et la vitesse radiale de l&apos;étoile est toujours nulle&#xa0;: l&apos;étoile ne se rapproche jamais de nous et ne s&apos;en éloigne jamais.</translation>
    </message>
    <message>
        <source>Planets whose orbits we see face-on like this cannot be detected by Doppler spectroscopy.</source>
        <translation>Les planètes dont nous voyons ainsi l&apos;orbite de face ne peuvent pas être détectées par spectroscopie Doppler.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Decrease the planet&apos;s mass.
How does the radial velocity
amplitude change?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Diminuez la masse de la planète.
Comment varie l&apos;amplitude
de la vitesse radiale&#xa0;?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>A lighter planet pulls less on the star, so the star moves more slowly around the centre of mass and the amplitude of its radial velocity is smaller. A heavier planet gives a larger amplitude.</source>
        <translation>Une planète plus légère attire moins l&apos;étoile&#xa0;: l&apos;étoile se déplace donc plus lentement autour du centre de masse et l&apos;amplitude de sa vitesse radiale est plus petite. Une planète plus lourde donne une amplitude plus grande.</translation>
    </message>
    <message>
        <source>Changing the inclination and the mass did not change the period of the radial velocity curve. Now vary the semimajor axis &lt;i&gt;a. &lt;/i&gt;You may need the graph&apos;s scaling controls below to see the whole curve: the timescale slider and the &lt;b&gt;Rescale velocity&lt;/b&gt; button.</source>
        <comment>period of the orbit; Rescale velocity: the caption of the button</comment>
        <translation>Modifier l&apos;inclinaison et la masse n&apos;a pas changé la période de la courbe de vitesse radiale. Faites maintenant varier le demi-grand axe &lt;i&gt;a&lt;/i&gt;. Vous aurez peut-être besoin des réglages d&apos;échelle du graphique ci-dessous pour voir toute la courbe&#xa0;: le curseur d&apos;échelle de temps et le bouton &lt;b&gt;Réajuster vitesse&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>The semimajor axis &lt;i&gt;a &lt;/i&gt;affects both the period and the amplitude. A planet with a smaller &lt;i&gt;a &lt;/i&gt;is closer to the star and moves faster, so the amplitude is larger and the period shorter.</source>
        <comment>period of the orbit</comment>
        <translation>Le demi-grand axe &lt;i&gt;a&lt;/i&gt; influe à la fois sur la période et sur l&apos;amplitude. Une planète de plus petit &lt;i&gt;a&lt;/i&gt; est plus proche de l&apos;étoile et se déplace plus vite&#xa0;: l&apos;amplitude est donc plus grande et la période plus courte.</translation>
    </message>
    <message>
        <source>Now try an eccentricity &lt;i&gt;e &lt;/i&gt;of about 0.5.</source>
        <translation>Essayez maintenant une excentricité &lt;i&gt;e&lt;/i&gt; d&apos;environ 0,5.</translation>
    </message>
    <message>
        <source>An ellipse has an eccentricity between 0 (a circle) and 1. On an elliptical orbit the speed is no longer constant, so the radial velocity profile looks skewed. The speed is greatest when the star and the planet are closest together.</source>
        <translation>Une ellipse a une excentricité comprise entre 0 (un cercle) et 1. Sur une orbite elliptique, la vitesse n&apos;est plus constante&#xa0;: le profil de vitesse radiale paraît donc déformé. La vitesse est maximale quand l&apos;étoile et la planète sont au plus près l&apos;une de l&apos;autre.</translation>
    </message>
    <message>
        <source>The period has not changed: it depends on the semimajor axis, not on the eccentricity.</source>
        <comment>period of the orbit</comment>
        <translation>La période n&apos;a pas changé&#xa0;: elle dépend du demi-grand axe, pas de l&apos;excentricité.</translation>
    </message>
    <message>
        <source>Now try altering the angle %1. It rotates the orbit about its normal, turning the ellipse within its own plane. For a circular orbit this does not change the shape of the radial velocity profile, only shifts it in time (the planet starts from another place); for an elliptical orbit it changes the shape itself.</source>
        <comment>%1 is the angle&apos;s symbol, an italic Greek psi</comment>
        <translation>Essayez maintenant de modifier l&apos;angle %1. Il fait tourner l&apos;orbite autour de sa normale, ce qui tourne l&apos;ellipse dans son propre plan. Pour une orbite circulaire, cela ne change pas la forme du profil de vitesse radiale, mais le décale seulement dans le temps (la planète part d&apos;un autre endroit)&#xa0;; pour une orbite elliptique, cela change la forme elle-même.</translation>
    </message>
    <message>
        <source>The azimuth %1 of the orbit rotates the orbit&apos;s normal about the &lt;i&gt;z&lt;/i&gt; axis. The radial velocity profile does not depend on %1 at all, so Doppler spectroscopy tells us nothing about the azimuth of an orbit.</source>
        <comment>%1 is the azimuth&apos;s symbol, an italic Greek phi</comment>
        <translation>L&apos;azimut %1 de l&apos;orbite fait tourner la normale de l&apos;orbite autour de l&apos;axe &lt;i&gt;z&lt;/i&gt;. Le profil de vitesse radiale ne dépend pas du tout de %1&#xa0;: la spectroscopie Doppler ne nous apprend donc rien sur l&apos;azimut d&apos;une orbite.</translation>
    </message>
    <message>
        <source>The mass of the star can be found by other methods, from its spectrum and its brightness, so we treat it as known.</source>
        <translation>La masse de l&apos;étoile peut être déterminée par d&apos;autres méthodes, à partir de son spectre et de sa luminosité&#xa0;: nous la considérons donc comme connue.</translation>
    </message>
    <message>
        <source>You may now vary it as well. The period follows from the star&apos;s mass and the semimajor axis.</source>
        <comment>period of the orbit</comment>
        <translation>Vous pouvez maintenant la faire varier aussi. La période découle de la masse de l&apos;étoile et du demi-grand axe.</translation>
    </message>
    <message>
        <source>So, for one planet: </source>
        <translation>Ainsi, pour une planète&#xa0;: </translation>
    </message>
    <message>
        <source>- the amplitude tells us about the semimajor axis &lt;i&gt;a, &lt;/i&gt;the inclination %1 and the planet&apos;s mass &lt;i&gt;m.&lt;/i&gt;</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i</comment>
        <translation>- l&apos;amplitude nous renseigne sur le demi-grand axe &lt;i&gt;a&lt;/i&gt;, l&apos;inclinaison %1 et la masse &lt;i&gt;m&lt;/i&gt; de la planète.</translation>
    </message>
    <message>
        <source>- the period determines the semimajor axis.</source>
        <comment>period of the orbit</comment>
        <translation>- la période détermine le demi-grand axe.</translation>
    </message>
    <message>
        <source>- the shape of the profile determines the eccentricity &lt;i&gt;e.&lt;/i&gt;</source>
        <translation>- la forme du profil détermine l&apos;excentricité &lt;i&gt;e&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Conclusions</source>
        <translation>Conclusions</translation>
    </message>
    <message>
        <source>With one planet, the semimajor axis &lt;i&gt;a&lt;/i&gt; and the eccentricity &lt;i&gt;e&lt;/i&gt; follow from the radial velocity profile. But the amplitude depends on both the mass &lt;i&gt;m&lt;/i&gt; and the inclination %1, so the two cannot be found separately: the best we can find is %2.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i; %2 the product m sin i</comment>
        <translation>Avec une seule planète, le demi-grand axe &lt;i&gt;a&lt;/i&gt; et l&apos;excentricité &lt;i&gt;e&lt;/i&gt; se déduisent du profil de vitesse radiale. Mais l&apos;amplitude dépend à la fois de la masse &lt;i&gt;m&lt;/i&gt; et de l&apos;inclinaison %1&#xa0;: on ne peut donc pas les déterminer séparément, et le mieux que l&apos;on puisse obtenir est %2.</translation>
    </message>
    <message>
        <source>Make sure %1 is not zero.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i</comment>
        <translation>Assurez-vous que %1 n&apos;est pas égal à zéro.</translation>
    </message>
    <message>
        <source>The radial velocity amplitude &lt;i&gt;decreases&lt;/i&gt; as the planet&apos;s mass is decreased.</source>
        <translation>L&apos;amplitude de la vitesse radiale &lt;i&gt;diminue&lt;/i&gt; quand on diminue la masse de la planète.</translation>
    </message>
    <message>
        <source>it decreases</source>
        <comment>the radial velocity amplitude</comment>
        <translation>elle diminue</translation>
    </message>
    <message>
        <source>it increases</source>
        <comment>the radial velocity amplitude</comment>
        <translation>elle augmente</translation>
    </message>
    <message>
        <source>it does not change</source>
        <comment>the radial velocity amplitude</comment>
        <translation>elle ne change pas</translation>
    </message>
</context>
<context>
    <name>Chapter 4: Two planets</name>
    <message>
        <source>Parameter</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>Paramètre</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planète</translation>
    </message>
    <message>
        <source>Two planets</source>
        <translation>Deux planètes</translation>
    </message>
    <message>
        <source>Working out the orbits when more than one planet circles a star is a problem that real planet hunters face. Here a second planet, Vulcan, joins Mondas.</source>
        <translation>Déterminer les orbites quand plusieurs planètes tournent autour d&apos;une étoile est un problème auquel se heurtent les vrais chasseurs de planètes. Ici, une deuxième planète, Vulcan, rejoint Mondas.</translation>
    </message>
    <message>
        <source>Click &lt;b&gt;Start&lt;/b&gt; to see why it is a problem.</source>
        <comment>Start: the caption of the button</comment>
        <translation>Cliquez sur &lt;b&gt;Lancer&lt;/b&gt; pour voir pourquoi c&apos;est un problème.</translation>
    </message>
    <message>
        <source>The radial velocity profile is now much more complicated. Each planet has a fixed period, but their combined effect does not repeat itself after any fixed time: the profile is not periodic.</source>
        <comment>period of an orbit</comment>
        <translation>Le profil de vitesse radiale est maintenant beaucoup plus compliqué. Chaque planète a une période fixe, mais leur effet combiné ne se répète pas au bout d&apos;une durée fixe&#xa0;: le profil n&apos;est pas périodique.</translation>
    </message>
    <message>
        <source>You can see at once, though, that there is more than one planet.</source>
        <translation>Vous voyez cependant tout de suite qu&apos;il y a plus d&apos;une planète.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The orbits now have very different
semimajor axes. What are the periods?&lt;/b&gt;</source>
        <comment>periods of the orbits</comment>
        <translation>&lt;b&gt;Les demi-grands axes diffèrent désormais
beaucoup. Quelles sont les périodes&#xa0;?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The timescale is now set to 1000 days. On this scale the period of Vulcan is clear, but that of Mondas is not.</source>
        <comment>period of an orbit</comment>
        <translation>L&apos;échelle de temps est maintenant réglée sur 1000 jours. À cette échelle, la période de Vulcan est nette, mais pas celle de Mondas.</translation>
    </message>
    <message>
        <source>The timescale is now set to 10000 days. Now the much longer period of Mondas shows, with the shorter variations of Vulcan superimposed on it.</source>
        <comment>period of an orbit</comment>
        <translation>L&apos;échelle de temps est maintenant réglée sur 10&#xa0;000 jours. La période bien plus longue de Mondas apparaît alors, avec les variations plus courtes de Vulcan superposées.</translation>
    </message>
    <message>
        <source>&lt;b&gt;One parameter has been changed from
the last page. From the radial velocity
profile alone, what parameter(s) could have been changed? (Animation has been disabled.)&lt;/b&gt;</source>
        <translation>&lt;b&gt;Un paramètre a été modifié par rapport
à la page précédente. D&apos;après le seul profil
de vitesse radiale, quel(s) paramètre(s) a-t-on pu modifier&#xa0;? (L&apos;animation a été désactivée.)&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The animation shows that the yellow orbit of Vulcan is now greatly inclined: it is only 10° from face-on. The radial velocity alone did not reveal this.</source>
        <translation>L&apos;animation montre que l&apos;orbite jaune de Vulcan est maintenant fortement inclinée&#xa0;: elle n&apos;est qu&apos;à 10° d&apos;une orbite vue de face. La vitesse radiale seule ne le révélait pas.</translation>
    </message>
    <message>
        <source>In the &lt;b&gt;Edit parameters&lt;/b&gt; window choose Vulcan, then try setting %1 to 90° and the mass to 0.17 Jupiter masses. The graph should look the same.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i; Edit parameters: the caption of the button</comment>
        <translation>Dans la fenêtre &lt;b&gt;Modifier paramètres&lt;/b&gt;, choisissez Vulcan, puis essayez de régler %1 à 90° et la masse à 0,17 masse de Jupiter. Le graphique devrait rester le même.</translation>
    </message>
    <message>
        <source>There are two lessons here. Even when several planets orbit a star, their properties can still be worked out, because their periods are different. But the mass of a planet and the inclination of its orbit cannot be determined separately.</source>
        <comment>periods of the orbits</comment>
        <translation>Il y a deux leçons à en tirer. Même quand plusieurs planètes tournent autour d&apos;une étoile, on peut encore déterminer leurs propriétés, car leurs périodes sont différentes. Mais la masse d&apos;une planète et l&apos;inclinaison de son orbite ne peuvent pas être déterminées séparément.</translation>
    </message>
    <message>
        <source>Astronomers find the planets&apos; parameters from the radial velocity profile by an automated trial-and-error procedure called &lt;i&gt;fitting&lt;/i&gt;. It fits %1 as one parameter. The number of planets can itself be fitted, although it is often guessed from the profile.</source>
        <comment>%1 is the product m sin i</comment>
        <translation>Les astronomes déterminent les paramètres des planètes à partir du profil de vitesse radiale par une procédure automatique d&apos;essais et d&apos;erreurs appelée &lt;i&gt;ajustement&lt;/i&gt;. Elle ajuste %1 comme un seul paramètre. Le nombre de planètes peut lui-même être ajusté, bien qu&apos;on le devine souvent d&apos;après le profil.</translation>
    </message>
    <message>
        <source>Choose a parameter and a planet from the lists first.</source>
        <translation>Choisissez d&apos;abord un paramètre et une planète dans les listes.</translation>
    </message>
    <message>
        <source>Choose a parameter from the list first.</source>
        <translation>Choisissez d&apos;abord un paramètre dans la liste.</translation>
    </message>
    <message>
        <source>Choose a planet from the list first.</source>
        <translation>Choisissez d&apos;abord une planète dans la liste.</translation>
    </message>
    <message>
        <source>Hint: Try the largest timescale for Mondas.</source>
        <translation>Indice&#xa0;: essayez la plus grande échelle de temps pour Mondas.</translation>
    </message>
    <message>
        <source>Hint: Compare the graph with the one on
the previous page</source>
        <translation>Indice&#xa0;: comparez le graphique avec celui de
la page précédente</translation>
    </message>
    <message>
        <source>The periods are %1 and %2 days.</source>
        <comment>periods of the orbits</comment>
        <translation>Les périodes sont de %1 et %2 jours.</translation>
    </message>
    <message>
        <source>The correct answer is the &lt;i&gt;inclination or
mass of Vulcan.&lt;/i&gt;</source>
        <translation>La bonne réponse est l&apos;&lt;i&gt;inclinaison ou
la masse de Vulcan.&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Mondas %1 days (within %2 days) and Vulcan %3 days (within %4 whole days), each to three figures.</source>
        <comment>periods of the orbits</comment>
        <translation>Mondas %1 jours (à %2 jours près) et Vulcan %3 jours (à %4 jours entiers près), chaque période à trois chiffres.</translation>
    </message>
    <message>
        <source>planet “%1”, parameter “%2”.</source>
        <translation>planète «&#xa0;%1&#xa0;», paramètre «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>days (largest timescale)</source>
        <translation>jours (échelle maximale)</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>semimajor axis</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>demi-grand axe</translation>
    </message>
    <message>
        <source>eccentricity</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>excentricité</translation>
    </message>
    <message>
        <source>inclination</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>inclinaison</translation>
    </message>
    <message>
        <source>orbit azimuth</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>azimut de l&apos;orbite</translation>
    </message>
    <message>
        <source>mass</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>masse</translation>
    </message>
    <message>
        <source>inclination or mass</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>inclinaison ou masse</translation>
    </message>
    <message>
        <source>eccentricity or mass</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>excentricité ou masse</translation>
    </message>
    <message>
        <source>of</source>
        <comment>the parameter of the planet</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>Chapter 5: Free experiment</name>
    <message>
        <source>Free experiment</source>
        <translation>Expérimentation libre</translation>
    </message>
    <message>
        <source>You are now free to experiment with all the parameters of all three planets. The following pages suggest a few interesting investigations.</source>
        <translation>Vous êtes maintenant libre d&apos;expérimenter avec tous les paramètres des trois planètes. Les pages suivantes proposent quelques recherches intéressantes.</translation>
    </message>
    <message>
        <source>Selection Effects</source>
        <translation>Effets de sélection</translation>
    </message>
    <message>
        <source>Suppose you have daily access to a telescope for a year, and its spectrometer cannot measure the wavelength shifts of radial velocities below 10 m s⁻¹.</source>
        <translation>Supposons que vous ayez accès chaque jour à un télescope pendant un an, et que son spectromètre ne puisse pas mesurer les décalages en longueur d&apos;onde dus à des vitesses radiales inférieures à 10 m s⁻¹.</translation>
    </message>
    <message>
        <source>&lt;b&gt;What restrictions does that place on the planets that you can discover?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Quelles restrictions cela impose-t-il aux planètes que vous pouvez découvrir&#xa0;?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Reconstruct reality</source>
        <translation>Reconstituer la réalité</translation>
    </message>
    <message>
        <source>Give the planets the parameters of a real system, and you will see the work planet hunters do.</source>
        <translation>Donnez aux planètes les paramètres d&apos;un système réel&#xa0;: voici le travail des chasseurs de planètes.</translation>
    </message>
    <message>
        <source>Open the card &lt;b&gt;Real planetary systems&lt;/b&gt; from the &lt;b&gt;Tools&lt;/b&gt; menu, choose a system and press &lt;b&gt;Set up&lt;/b&gt;. Or set them yourself: %1 = 90° and &lt;i&gt;m&lt;/i&gt; to the given %2. Set up shortens the velocity arrows to fit the view; the star&apos;s is %3 times a planet&apos;s at the same speed.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i; %2 the product m sin i; %3 a whole number. Real planetary systems, Tools, Set up: the names of the card, the menu and the card&apos;s button</comment>
        <translation>Ouvrez la fiche &lt;b&gt;Systèmes planétaires réels&lt;/b&gt; (menu &lt;b&gt;Outils&lt;/b&gt;), choisissez un système, puis &lt;b&gt;Charger&lt;/b&gt;. Ou réglez vous-même %1 = 90° et &lt;i&gt;m&lt;/i&gt; à la valeur de %2. Charger raccourcit les flèches de vitesse à la taille de la vue&#xa0;; celle de l&apos;étoile est %3 fois celle d&apos;une planète de même vitesse.</translation>
    </message>
    <message>
        <source>Challenge other students</source>
        <translation>Défiez d&apos;autres élèves</translation>
    </message>
    <message>
        <source>Create a planetary system of your own, then print its velocity curve with &lt;b&gt;Print&lt;/b&gt; in the File menu to send to other students. Can they discover the parameters you chose? &lt;b&gt;Save system&lt;/b&gt; in the File menu keeps your system, so that &lt;b&gt;Open system&lt;/b&gt; can show them the answer later.</source>
        <comment>Print, File, Save system, Open system: the names of the menu and its entries</comment>
        <translation>Créez votre système planétaire, puis imprimez sa courbe de vitesse (&lt;b&gt;Imprimer&lt;/b&gt;, menu Fichier) pour d&apos;autres élèves. Retrouveront-ils vos paramètres&#xa0;? &lt;b&gt;Enregistrer le système&lt;/b&gt; dans le menu Fichier le conserve&#xa0;: &lt;b&gt;Ouvrir un système&lt;/b&gt; leur montrera la réponse plus tard.</translation>
    </message>
    <message>
        <source>Note: the &lt;b&gt;Zoom&lt;/b&gt; slider can hide the animation graphics.</source>
        <comment>Zoom: the caption of the view&apos;s slider</comment>
        <translation>Remarque&#xa0;: le curseur &lt;b&gt;Zoom&lt;/b&gt; peut masquer les éléments graphiques de l&apos;animation.</translation>
    </message>
</context>
<context>
    <name>Chapter 6: Finding a planet</name>
    <message>
        <source>Can you read the period off these points?</source>
        <translation>Pouvez-vous lire la période sur ces points&#xa0;?</translation>
    </message>
    <message>
        <source>Yes: from one peak to the next</source>
        <translation>Oui&#xa0;: d&apos;un pic au suivant</translation>
    </message>
    <message>
        <source>No: too few points to join up</source>
        <translation>Non&#xa0;: trop peu de points à relier</translation>
    </message>
    <message>
        <source>Yes: by joining the dots</source>
        <translation>Oui&#xa0;: en reliant les points</translation>
    </message>
    <message>
        <source>The points lie days apart. Could you join them into one smooth curve?</source>
        <translation>Les points sont espacés de plusieurs jours. Pourriez-vous les relier en une seule courbe lisse&#xa0;?</translation>
    </message>
    <message>
        <source>A star is measured at most once a night, on clear nights, so the points fall at random moments of a short orbit. The period must be searched for.</source>
        <translation>Une étoile est mesurée au plus une fois par nuit, les nuits claires&#xa0;: les points tombent donc à des moments quelconques d&apos;une orbite courte. La période doit être cherchée.</translation>
    </message>
    <message>
        <source>What is the period of the highest peak?</source>
        <translation>Quelle est la période du plus haut pic&#xa0;?</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>The period of the highest peak is written beside its marker and below the plot.</source>
        <translation>La période du plus haut pic est écrite à côté de son repère et sous le graphique.</translation>
    </message>
    <message>
        <source>A sine of that period fits your measurements better than any other.</source>
        <translation>Une sinusoïde de cette période s&apos;ajuste à vos mesures mieux que toute autre.</translation>
    </message>
    <message>
        <source>What does a false-alarm probability of 1 % mean?</source>
        <translation>Que signifie une probabilité de fausse alarme de 1&#xa0;%&#xa0;?</translation>
    </message>
    <message>
        <source>a 1 % chance that a planet is there</source>
        <translation>1&#xa0;% de chances qu&apos;une planète soit là</translation>
    </message>
    <message>
        <source>noise alone peaks so high 1 time in 100</source>
        <translation>le bruit seul monte aussi haut 1 fois sur 100</translation>
    </message>
    <message>
        <source>the period is 1 % uncertain</source>
        <translation>la période est incertaine à 1&#xa0;%</translation>
    </message>
    <message>
        <source>Think of a star with no planet at all, observed on the same nights.</source>
        <translation>Pensez à une étoile sans aucune planète, observée les mêmes nuits.</translation>
    </message>
    <message>
        <source>It is the chance that noise alone makes so high a peak. Fewer nights or noisier data lower the signal&apos;s peak, and noise reaches so high more often.</source>
        <translation>C&apos;est la probabilité que le bruit seul produise un pic aussi haut. Moins de nuits ou des données plus bruitées abaissent le pic du signal, et le bruit monte aussi haut plus souvent.</translation>
    </message>
    <message>
        <source>Which of these periods is a daily alias of your highest peak?</source>
        <translation>Laquelle de ces périodes est un alias journalier de votre plus haut pic&#xa0;?</translation>
    </message>
    <message>
        <source>The window function peaks at 1 day. An alias lies at 1/|1/P − 1| days.</source>
        <translation>La fonction fenêtre a un pic à 1 jour. Un alias se trouve à 1/|1/P − 1| jours.</translation>
    </message>
    <message>
        <source>Sampled once a night, a signal at f cycles a day also shows at |f − 1| and f + 1. Twice or half the period is no alias.</source>
        <translation>Échantillonné une fois par nuit, un signal à f cycles par jour apparaît aussi à |f − 1| et f + 1. Le double ou la moitié de la période n&apos;est pas un alias.</translation>
    </message>
    <message>
        <source>Folded on the peak’s period × 1.1, what do the points do?</source>
        <translation>Repliés sur la période du pic × 1,1, que font les points&#xa0;?</translation>
    </message>
    <message>
        <source>form the same curve</source>
        <translation>ils forment la même courbe</translation>
    </message>
    <message>
        <source>scatter: no curve shows</source>
        <translation>ils se dispersent&#xa0;: aucune courbe n&apos;apparaît</translation>
    </message>
    <message>
        <source>form a curve half as high</source>
        <translation>ils forment une courbe deux fois moins haute</translation>
    </message>
    <message>
        <source>Press “Peak × 1.1” and look at the fold.</source>
        <translation>Appuyez sur «&#xa0;Pic × 1,1&#xa0;» et regardez le repliement.</translation>
    </message>
    <message>
        <source>On a wrong period the orbits&apos; phases drift apart over a season: only a period near the true one folds into one curve.</source>
        <translation>Sur une période fausse, les phases des orbites se décalent au fil d&apos;une saison&#xa0;: seule une période proche de la vraie se replie en une seule courbe.</translation>
    </message>
    <message>
        <source>What is K, the semi-amplitude of your fit?</source>
        <translation>Que vaut K, la demi-amplitude de votre ajustement&#xa0;?</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>K is the fit&apos;s semi-amplitude, written below the plots of the Fit tab with its uncertainty.</source>
        <translation>K est la demi-amplitude de l&apos;ajustement, écrite sous les graphiques de l&apos;onglet Ajustement avec son incertitude.</translation>
    </message>
    <message>
        <source>K is half the swing of the star&apos;s velocity; the fit also gives e and ω, which a sine cannot.</source>
        <translation>K est la moitié de l&apos;amplitude totale de la vitesse de l&apos;étoile&#xa0;; l&apos;ajustement donne aussi e et ω, ce qu&apos;une sinusoïde ne peut pas faire.</translation>
    </message>
    <message>
        <source>What is the m sin i of your planet?</source>
        <translation>Quel est le m sin i de votre planète&#xa0;?</translation>
    </message>
    <message>
        <source>Jupiter masses</source>
        <translation>masses de Jupiter</translation>
    </message>
    <message>
        <source>Use P in days, K in m/s, e, and the star&apos;s mass from the Data tab.</source>
        <translation>Utilisez P en jours, K en m/s, e, et la masse de l&apos;étoile de l&apos;onglet Données.</translation>
    </message>
    <message>
        <source>The tilt i is unknown, so the velocity gives only m sin i, the least the mass can be.</source>
        <translation>L&apos;inclinaison i est inconnue&#xa0;: la vitesse ne donne donc que m sin i, la plus petite valeur possible de la masse.</translation>
    </message>
    <message>
        <source>Does your star have a second planet?</source>
        <translation>Votre étoile a-t-elle une deuxième planète&#xa0;?</translation>
    </message>
    <message>
        <source>Yes: two planets fit much better</source>
        <translation>Oui&#xa0;: deux planètes s&apos;ajustent bien mieux</translation>
    </message>
    <message>
        <source>No: one planet is enough</source>
        <translation>Non&#xa0;: une planète suffit</translation>
    </message>
    <message>
        <source>Yes: every residual peak is a planet</source>
        <translation>Oui&#xa0;: chaque pic des résidus est une planète</translation>
    </message>
    <message>
        <source>A second planet is supported when it lowers the BIC by more than 10: ΔBIC below −10.</source>
        <translation>Une deuxième planète est retenue quand elle abaisse le BIC de plus de 10&#xa0;: ΔBIC inférieur à −10.</translation>
    </message>
    <message>
        <source>Any extra planet fits the noise a little better; the BIC charges each parameter ln N, so only a real signal pays for itself.</source>
        <translation>Toute planète supplémentaire s&apos;ajuste un peu mieux au bruit&#xa0;; le BIC fait payer ln N pour chaque paramètre, si bien que seul un vrai signal est rentable.</translation>
    </message>
    <message>
        <source>What is the period of 51 Peg b?</source>
        <translation>Quelle est la période de 51 Peg b&#xa0;?</translation>
    </message>
    <message>
        <source>Open the Periodogram tab: the period of the highest peak is written below the plot.</source>
        <translation>Ouvrez l&apos;onglet Périodogramme&#xa0;: la période du plus haut pic est écrite sous le graphique.</translation>
    </message>
    <message>
        <source>Both instruments, each from its own zero point, show the 4.23-day orbit that Mayor and Queloz found in 1995.</source>
        <translation>Les deux instruments, chacun depuis son propre zéro, montrent l&apos;orbite de 4,23 jours que Mayor et Queloz ont trouvée en 1995.</translation>
    </message>
    <message>
        <source>What is the m sin i of 51 Peg b?</source>
        <translation>Quel est le m sin i de 51 Peg b&#xa0;?</translation>
    </message>
    <message>
        <source>Use P, K and e from the Fit tab and the star&apos;s mass from the Data tab in the formula of the page on weighing the planet.</source>
        <translation>Utilisez P, K et e de l&apos;onglet Ajustement et la masse de l&apos;étoile de l&apos;onglet Données dans la formule de la page sur la pesée de la planète.</translation>
    </message>
    <message>
        <source>About half a Jupiter mass, seven times closer to its star than Mercury is to the Sun: the first hot Jupiter.</source>
        <translation>Environ une demi-masse de Jupiter, sept fois plus proche de son étoile que Mercure ne l&apos;est du Soleil&#xa0;: le premier Jupiter chaud.</translation>
    </message>
    <message>
        <source>The fit is still being worked out.</source>
        <translation>L&apos;ajustement est encore en cours de calcul.</translation>
    </message>
    <message>
        <source>The highest peak is at %1; answers within %2 days (its half width) count.</source>
        <comment>%1 is a period with its unit</comment>
        <translation>Le plus haut pic est à %1&#xa0;; les réponses à %2 jours près (sa demi-largeur) sont acceptées.</translation>
    </message>
    <message>
        <source>Your fit&apos;s K is %1 m/s; answers within %2 m/s count.</source>
        <translation>Le K de votre ajustement vaut %1 m/s&#xa0;; les réponses à %2 m/s près sont acceptées.</translation>
    </message>
    <message>
        <source>Your planet&apos;s m sin i is %1 Jupiter masses; answers within %2 count, but not those nearer %3, the mass without the star&apos;s (M★ / 1 solar mass)^(2/3).</source>
        <translation>Le m sin i de votre planète vaut %1 masses de Jupiter&#xa0;; les réponses à %2 près sont acceptées, mais pas celles plus proches de %3, la masse sans le facteur (M★ / 1 masse solaire)^(2/3) de l&apos;étoile.</translation>
    </message>
    <message>
        <source>Your planet&apos;s m sin i is %1 Jupiter masses; answers within %2 count.</source>
        <translation>Le m sin i de votre planète vaut %1 masses de Jupiter&#xa0;; les réponses à %2 près sont acceptées.</translation>
    </message>
    <message>
        <source>51 Peg b&apos;s period is %1 days; answers within %2 days count.</source>
        <comment>period of the orbit</comment>
        <translation>La période de 51 Peg b est de %1 jours&#xa0;; les réponses à %2 jours près sont acceptées.</translation>
    </message>
    <message>
        <source>51 Peg b&apos;s m sin i is %1 Jupiter masses; answers within %2 count, but not those nearer %3, the mass without the star&apos;s (M★ / 1 solar mass)^(2/3).</source>
        <translation>Le m sin i de 51 Peg b vaut %1 masses de Jupiter&#xa0;; les réponses à %2 près sont acceptées, mais pas celles plus proches de %3, la masse sans le facteur (M★ / 1 masse solaire)^(2/3) de l&apos;étoile.</translation>
    </message>
    <message>
        <source>51 Peg b&apos;s m sin i is %1 Jupiter masses; answers within %2 count.</source>
        <translation>Le m sin i de 51 Peg b vaut %1 masses de Jupiter&#xa0;; les réponses à %2 près sont acceptées.</translation>
    </message>
    <message>
        <source>Hidden planet: P = %1 days, K = %2 m/s, e = %3, m sin i = %4 Jupiter masses.</source>
        <translation>Planète cachée&#xa0;: P = %1 jours, K = %2 m/s, e = %3, m sin i = %4 masses de Jupiter.</translation>
    </message>
    <message>
        <source>P = %1 days</source>
        <translation>P = %1 jours</translation>
    </message>
    <message>
        <source>K = %1 m/s</source>
        <translation>K = %1 m/s</translation>
    </message>
    <message>
        <source>m sin i = %1 Jupiter masses</source>
        <translation>m sin i = %1 masses de Jupiter</translation>
    </message>
    <message>
        <source>You answered no question on this star.</source>
        <translation>Vous n&apos;avez répondu à aucune question sur cette étoile.</translation>
    </message>
    <message>
        <source>Your answers: %1.</source>
        <comment>%1 lists the answers, each as P = 3.5 days</comment>
        <translation>Vos réponses&#xa0;: %1.</translation>
    </message>
    <message>
        <source>(Only 12 nights planned.)</source>
        <translation>(Seulement 12 nuits prévues.)</translation>
    </message>
    <message>
        <source>(A noisier instrument.)</source>
        <translation>(Un instrument plus bruité.)</translation>
    </message>
    <message numerus="yes">
        <source>Seed %1: %n measurements in %2 days, each ± %3 m/s; the star, of %4 solar masses, jitters by about %5 m/s.%6</source>
        <comment>%6 says how the run was made worse, or nothing</comment>
        <translation>
            <numerusform>Graine %1&#xa0;: %n mesure en %2 jours, chacune à ± %3 m/s&#xa0;; l&apos;étoile, de %4 masses solaires, a un jitter d&apos;environ %5 m/s.%6</numerusform>
            <numerusform>Graine %1&#xa0;: %n mesures en %2 jours, chacune à ± %3 m/s&#xa0;; l&apos;étoile, de %4 masses solaires, a un jitter d&apos;environ %5 m/s.%6</numerusform>
        </translation>
    </message>
    <message>
        <source>Highest peak: %1 (power %2), half width %3 days.
False-alarm probability: %4.</source>
        <comment>%1 is a period with its unit; power of the periodogram</comment>
        <translation>Plus haut pic&#xa0;: %1 (puissance %2), demi-largeur %3 jours.
Probabilité de fausse alarme&#xa0;: %4.</translation>
    </message>
    <message>
        <source>The grey curve, the window function, is the periodogram of the nights alone.</source>
        <translation>La courbe grise, la fonction fenêtre, est le périodogramme des seules nuits d&apos;observation.</translation>
    </message>
    <message>
        <source>radial velocity (m/s)</source>
        <comment>an axis&apos;s title</comment>
        <translation>vitesse radiale (m/s)</translation>
    </message>
    <message>
        <source>Fitting the orbit…</source>
        <translation>Ajustement de l&apos;orbite…</translation>
    </message>
    <message>
        <source>(the error bars explain the scatter)</source>
        <translation>(les barres d&apos;erreur expliquent la dispersion)</translation>
    </message>
    <message>
        <source>(more than the star&apos;s: the orbit leaves signal behind)</source>
        <translation>(plus que celui de l&apos;étoile&#xa0;: l&apos;orbite laisse du signal derrière elle)</translation>
    </message>
    <message>
        <source>One planet fitted:
P = %1 days
K = %2 m/s
e = %3,  ω = %4°
the star&apos;s jitter %5 m/s%8
rms about the fit %6 m/s, reduced χ² %7</source>
        <comment>%8 says why the fitted jitter differs from the star&apos;s, or nothing</comment>
        <translation>Une planète ajustée&#xa0;:
P = %1 jours
K = %2 m/s
e = %3,  ω = %4°
le jitter de l&apos;étoile %5 m/s%8
rms autour de l&apos;ajustement %6 m/s, χ² réduit %7</translation>
    </message>
    <message>
        <source>Highest peak of the residuals: %1, false-alarm probability %2.
BIC with one planet: %3</source>
        <comment>%1 is a period with its unit</comment>
        <translation>Plus haut pic des résidus&#xa0;: %1, probabilité de fausse alarme %2.
BIC avec une planète&#xa0;: %3</translation>
    </message>
    <message>
        <source>BIC with two planets: %1 (the second at %2 days, K = %3 m/s)
ΔBIC = BIC(two) − BIC(one) = %4: the second planet raises the BIC by %5.</source>
        <translation>BIC avec deux planètes&#xa0;: %1 (la deuxième à %2 jours, K = %3 m/s)
ΔBIC = BIC(deux) − BIC(une) = %4&#xa0;: la deuxième planète augmente le BIC de %5.</translation>
    </message>
    <message>
        <source>BIC with two planets: %1 (the second at %2 days, K = %3 m/s)
ΔBIC = BIC(two) − BIC(one) = %4: the second planet lowers the BIC by %5.</source>
        <translation>BIC avec deux planètes&#xa0;: %1 (la deuxième à %2 jours, K = %3 m/s)
ΔBIC = BIC(deux) − BIC(une) = %4&#xa0;: la deuxième planète abaisse le BIC de %5.</translation>
    </message>
    <message>
        <source>No fit with two planets could be made.</source>
        <translation>Aucun ajustement à deux planètes n&apos;a pu être fait.</translation>
    </message>
    <message>
        <source>Type the decimals after a point, as in 4.46: here a comma is no decimal mark. This cost no attempt.</source>
        <translation>Tapez les décimales après un point, comme dans 4.46&#xa0;: ici, la virgule n&apos;est pas un séparateur décimal. Cela ne vous a coûté aucune tentative.</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <comment>%1 is the hint</comment>
        <translation>Indice&#xa0;: %1</translation>
    </message>
    <message>
        <source>The answer: %1.</source>
        <comment>%1 is the right choice</comment>
        <translation>La réponse&#xa0;: %1.</translation>
    </message>
    <message>
        <source>A seed is a whole number from 1 to %1.</source>
        <translation>Une graine est un nombre entier de 1 à %1.</translation>
    </message>
    <message>
        <source>Working out the periodogram and the fit…</source>
        <translation>Calcul du périodogramme et de l&apos;ajustement…</translation>
    </message>
    <message>
        <source>The published measurements of 51 Peg cannot be read: %1</source>
        <comment>%1 is the reason</comment>
        <translation>Les mesures publiées de 51 Peg ne peuvent pas être lues&#xa0;: %1</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Aucune donnée</translation>
    </message>
    <message>
        <source>%1, a star of %2 solar masses (%3):</source>
        <comment>%1 is the star&apos;s name, %3 where its mass is published</comment>
        <translation>%1, une étoile de %2 masses solaires (%3)&#xa0;:</translation>
    </message>
    <message>
        <source>%1 (m/s)</source>
        <comment>an axis&apos;s title: %1 is the instrument&apos;s name</comment>
        <translation>%1 (m/s)</translation>
    </message>
    <message>
        <source>Measurements of %1</source>
        <comment>%1 is the instrument&apos;s name</comment>
        <translation>Mesures de %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n measurements, %2.</source>
        <comment>%1 is the instrument&apos;s name, %2 the paper that published them</comment>
        <translation>
            <numerusform>%1&#xa0;: %n mesure, %2.</numerusform>
            <numerusform>%1&#xa0;: %n mesures, %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>They span %1 days.</source>
        <translation>Elles couvrent %1 jours.</translation>
    </message>
    <message>
        <source>Each instrument&apos;s own zero point taken off first.
Highest peak: %1 (power %2).
False-alarm probability: %3.</source>
        <comment>%1 is a period with its unit; power of the periodogram</comment>
        <translation>Le zéro propre à chaque instrument est d&apos;abord retiré.
Plus haut pic&#xa0;: %1 (puissance %2).
Probabilité de fausse alarme&#xa0;: %3.</translation>
    </message>
    <message>
        <source>time since periastron (days)</source>
        <comment>an axis&apos;s title</comment>
        <translation>temps depuis le périastre (jours)</translation>
    </message>
    <message>
        <source>v less each instrument&apos;s zero point (m/s)</source>
        <comment>an axis&apos;s title</comment>
        <translation>v moins le zéro de chaque instrument (m/s)</translation>
    </message>
    <message>
        <source>%1: zero point %2 m/s, jitter %3 m/s</source>
        <comment>%1 is the instrument&apos;s name</comment>
        <translation>%1&#xa0;: zéro %2 m/s, jitter %3 m/s</translation>
    </message>
    <message>
        <source>51 Peg b, both instruments fitted together, each point shown at its time since periastron:
P = %1 days,  K = %2 m/s
e = %3,  ω = %4°
%5
rms %6 m/s, reduced χ² %7</source>
        <comment>%5 is a line for each instrument</comment>
        <translation>51 Peg b, les deux instruments ajustés ensemble, chaque point montré à son temps depuis le périastre&#xa0;:
P = %1 jours,  K = %2 m/s
e = %3,  ω = %4°
%5
rms %6 m/s, χ² réduit %7</translation>
    </message>
    <message>
        <source>Finding a planet</source>
        <translation>Trouver une planète</translation>
    </message>
    <message>
        <source>In the simulation you could watch the star&apos;s velocity all the time. An astronomer cannot. A star is measured only on clear nights, in the months when it is up at night: a few dozen velocities in a season. Each has an error, the instrument&apos;s precision, and the star&apos;s restless surface adds a &lt;i&gt;jitter&lt;/i&gt; of a few m/s that no instrument removes.</source>
        <translation>Dans la simulation, vous pouviez suivre la vitesse de l&apos;étoile en permanence. Un astronome ne le peut pas. Une étoile n&apos;est mesurée que les nuits claires, pendant les mois où elle est visible la nuit&#xa0;: quelques dizaines de vitesses en une saison. Chacune a une erreur, la précision de l&apos;instrument, et la surface agitée de l&apos;étoile ajoute un &lt;i&gt;jitter&lt;/i&gt; de quelques m/s qu&apos;aucun instrument ne supprime.</translation>
    </message>
    <message>
        <source>The plot on the right shows such measurements, each with its error bar, of a star whose planet you do not know yet.</source>
        <translation>Le graphique de droite montre de telles mesures, chacune avec sa barre d&apos;erreur, d&apos;une étoile dont vous ne connaissez pas encore la planète.</translation>
    </message>
    <message>
        <source>Your star</source>
        <translation>Votre étoile</translation>
    </message>
    <message>
        <source>The book has hidden a planet around this star. The &lt;b&gt;seed&lt;/b&gt; below the plot picks the star and the nights: note it, and your teacher can make the very same measurements. Type another seed and press &lt;b&gt;Observe&lt;/b&gt; for another star.</source>
        <comment>Observe: the caption of the button</comment>
        <translation>Le livre a caché une planète autour de cette étoile. La &lt;b&gt;graine&lt;/b&gt; sous le graphique choisit l&apos;étoile et les nuits&#xa0;: notez-la, et votre professeur pourra faire exactement les mêmes mesures. Tapez une autre graine et appuyez sur &lt;b&gt;Observer&lt;/b&gt; pour une autre étoile.</translation>
    </message>
    <message>
        <source>Look at the points before you answer.</source>
        <translation>Regardez les points avant de répondre.</translation>
    </message>
    <message>
        <source>The periodogram</source>
        <translation>Le périodogramme</translation>
    </message>
    <message>
        <source>For every trial period from half a day to the length of the run, the periodogram fits a sine of that period to the measurements and plots how much of their scatter it explains: its &lt;i&gt;power&lt;/i&gt;, from 0 to 1. A planet shows as a high, narrow peak at its period.</source>
        <comment>period of a signal; power of the periodogram</comment>
        <translation>Pour chaque période d&apos;essai, d&apos;une demi-journée à la durée de la campagne, le périodogramme ajuste aux mesures une sinusoïde de cette période et trace quelle part de leur dispersion elle explique&#xa0;: sa &lt;i&gt;puissance&lt;/i&gt;, de 0 à 1. Une planète apparaît comme un pic haut et étroit à sa période.</translation>
    </message>
    <message>
        <source>The red marker shows the highest peak. The narrower a peak, the better it fixes the period: its half width is written below the plot. An answer within the half width counts, so give the period to as many decimals as the half width has.</source>
        <comment>period of a signal</comment>
        <translation>Le repère rouge indique le plus haut pic. Plus un pic est étroit, mieux il fixe la période&#xa0;: sa demi-largeur est écrite sous le graphique. Une réponse à moins d&apos;une demi-largeur près est acceptée&#xa0;: donnez donc la période avec autant de décimales que la demi-largeur.</translation>
    </message>
    <message>
        <source>False alarms</source>
        <translation>Fausses alarmes</translation>
    </message>
    <message>
        <source>Noise alone makes peaks too: among thousands of trial periods, a sine fits random numbers a little at some of them. The &lt;i&gt;false-alarm probability&lt;/i&gt; is the chance that noise alone would raise a peak as high as the highest one anywhere in the search. Astronomers trust a peak when it is below about 1 %.</source>
        <comment>periods of a signal</comment>
        <translation>Le bruit seul produit lui aussi des pics&#xa0;: parmi des milliers de périodes d&apos;essai, une sinusoïde s&apos;ajuste un peu à des nombres aléatoires pour certaines d&apos;entre elles. La &lt;i&gt;probabilité de fausse alarme&lt;/i&gt; est la probabilité que le bruit seul fasse monter un pic aussi haut que le plus haut, n&apos;importe où dans la recherche. Les astronomes font confiance à un pic quand elle est inférieure à environ 1&#xa0;%.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Only 12 nights&lt;/b&gt;, then &lt;b&gt;Noisier instrument&lt;/b&gt;, and watch the false-alarm probability below the plot rise; &lt;b&gt;My run again&lt;/b&gt; brings your own run back.</source>
        <comment>Only 12 nights, Noisier instrument, My run again: the captions of the buttons</comment>
        <translation>Appuyez sur &lt;b&gt;Seulement 12 nuits&lt;/b&gt;, puis sur &lt;b&gt;Instrument plus bruité&lt;/b&gt;, et regardez monter la probabilité de fausse alarme sous le graphique&#xa0;; &lt;b&gt;Ma campagne&lt;/b&gt; ramène votre propre campagne.</translation>
    </message>
    <message>
        <source>Aliases</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>The star is measured only at night, at about the same hour. Tick &lt;b&gt;Show the window function&lt;/b&gt;: the grey curve is the periodogram of the nights alone, and it peaks at a period of 1 day. Every signal is echoed by that peak: a planet of period &lt;i&gt;P&lt;/i&gt; also makes peaks, called &lt;i&gt;aliases&lt;/i&gt;, at 1/|1/&lt;i&gt;P&lt;/i&gt; − 1| and 1/(1/&lt;i&gt;P&lt;/i&gt; + 1) days. An alias can even stand higher than the true peak; folding and fitting tell them apart.</source>
        <comment>Show the window function: the caption of the check box; period of a signal</comment>
        <translation>L&apos;étoile n&apos;est mesurée que la nuit, à peu près à la même heure. Cochez &lt;b&gt;Montrer la fonction fenêtre&lt;/b&gt;&#xa0;: la courbe grise est le périodogramme des seules nuits, et elle a un pic à une période de 1 jour. Chaque signal est répété par ce pic&#xa0;: une planète de période &lt;i&gt;P&lt;/i&gt; produit aussi des pics, appelés &lt;i&gt;alias&lt;/i&gt;, à 1/|1/&lt;i&gt;P&lt;/i&gt; − 1| et 1/(1/&lt;i&gt;P&lt;/i&gt; + 1) jours. Un alias peut même être plus haut que le vrai pic&#xa0;; le repliement et l&apos;ajustement permettent de les distinguer.</translation>
    </message>
    <message>
        <source>Folding</source>
        <translation>Repliement</translation>
    </message>
    <message>
        <source>Folding puts every measurement at its phase: its time since the first measurement divided by the trial period, keeping only the fraction. On the right period the points of every orbit fall onto one curve, and the phases from 1 to 1.2 repeat those from 0 to 0.2.</source>
        <comment>period of a signal</comment>
        <translation>Le repliement place chaque mesure à sa phase&#xa0;: son temps depuis la première mesure divisé par la période d&apos;essai, dont on ne garde que la partie fractionnaire. Sur la bonne période, les points de toutes les orbites tombent sur une seule courbe, et les phases de 1 à 1,2 répètent celles de 0 à 0,2.</translation>
    </message>
    <message>
        <source>Type a period beside &lt;b&gt;Fold on&lt;/b&gt;, or press &lt;b&gt;The peak&lt;/b&gt; or &lt;b&gt;Peak × 1.1&lt;/b&gt;.</source>
        <comment>Fold on: the caption beside the box; The peak, Peak × 1.1: the captions of the buttons</comment>
        <translation>Tapez une période à côté de &lt;b&gt;Replier sur&lt;/b&gt;, ou appuyez sur &lt;b&gt;Le pic&lt;/b&gt; ou &lt;b&gt;Pic × 1,1&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>The fit</source>
        <translation>L&apos;ajustement</translation>
    </message>
    <message>
        <source>A planet on an eccentric orbit moves its star in a curve sharper than a sine. On the &lt;b&gt;By hand&lt;/b&gt; tab the points are folded on the period the sliders set, so that one orbit shows: move the period until the points gather into one curve, then the others until the green curve runs through them and the rms is small (Page Up and Page Down move a slider in big steps). On the &lt;b&gt;Fit&lt;/b&gt; tab the book has done it properly: starting from the periodogram&apos;s highest peaks it adjusts &lt;i&gt;P&lt;/i&gt;, &lt;i&gt;K&lt;/i&gt;, &lt;i&gt;e&lt;/i&gt;, ω, the time of periastron and the star&apos;s mean velocity, each point weighed by its error. It also finds the star&apos;s jitter, the scatter the error bars leave unexplained, and adds it to every error, so the reduced χ² comes out near 1.</source>
        <comment>By hand, Fit: the captions of the tabs; Page Up, Page Down: the keys; period of the orbit</comment>
        <translation>Sur une orbite excentrique, l&apos;étoile suit une courbe plus pointue qu&apos;une sinusoïde. Dans &lt;b&gt;Manuel&lt;/b&gt;, les points sont repliés sur la période des curseurs&#xa0;: déplacez la période jusqu&apos;à ce qu&apos;ils forment une seule courbe, puis les autres curseurs jusqu&apos;à ce que la courbe verte passe par eux et que le rms soit petit (Pg Préc/Pg Suiv&#xa0;: grands pas). Dans &lt;b&gt;Ajustement&lt;/b&gt;, le livre calcule&#xa0;: à partir des plus hauts pics, il ajuste &lt;i&gt;P&lt;/i&gt;, &lt;i&gt;K&lt;/i&gt;, &lt;i&gt;e&lt;/i&gt;, ω, l&apos;instant du périastre et la vitesse moyenne, chaque point pondéré par son erreur. Il trouve aussi le jitter de l&apos;étoile, la dispersion au-delà des barres d&apos;erreur, et l&apos;ajoute à chaque erreur&#xa0;: le χ² réduit est alors proche de 1.</translation>
    </message>
    <message>
        <source>Weighing the planet</source>
        <translation>Peser la planète</translation>
    </message>
    <message>
        <source>For a planet much lighter than its star of mass &lt;i&gt;M&lt;/i&gt;★,</source>
        <comment>the sentence goes on after the formula below it</comment>
        <translation>Pour une planète beaucoup plus légère que son étoile de masse &lt;i&gt;M&lt;/i&gt;★,</translation>
    </message>
    <message>
        <source>%1 ≈ (&lt;i&gt;K&lt;/i&gt; / 28.4 m/s) √(1 − &lt;i&gt;e&lt;/i&gt;&lt;sup&gt;2&lt;/sup&gt;)
      × (&lt;i&gt;P&lt;/i&gt; / 365.25 d)&lt;sup&gt;1/3&lt;/sup&gt; (&lt;i&gt;M&lt;/i&gt;★ / 1 solar mass)&lt;sup&gt;2/3&lt;/sup&gt;</source>
        <comment>a formula: %1 is the product m sin i; d stands for days</comment>
        <translation>%1 ≈ (&lt;i&gt;K&lt;/i&gt; / 28,4 m/s) √(1 − &lt;i&gt;e&lt;/i&gt;&lt;sup&gt;2&lt;/sup&gt;)
      × (&lt;i&gt;P&lt;/i&gt; / 365,25 d)&lt;sup&gt;1/3&lt;/sup&gt; (&lt;i&gt;M&lt;/i&gt;★ / 1 masse solaire)&lt;sup&gt;2/3&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>in Jupiter masses. The star&apos;s mass is under the measurements; &lt;b&gt;Tools, Calculator&lt;/b&gt; helps. The tilt %1 of the orbit is unknown, so the velocity gives only %2, the least the planet&apos;s mass can be.</source>
        <comment>ends the sentence before the formula above it; Tools, Calculator: the menu and its entry; %1 is the inclination&apos;s symbol, an italic i; %2 the product m sin i</comment>
        <translation>en masses de Jupiter. La masse de l&apos;étoile est sous les mesures&#xa0;; &lt;b&gt;Outils, Calculatrice&lt;/b&gt; vous aide. L&apos;inclinaison %1 de l&apos;orbite est inconnue&#xa0;: la vitesse ne donne donc que %2, la plus petite valeur possible de la masse de la planète.</translation>
    </message>
    <message>
        <source>Another planet?</source>
        <translation>Une autre planète&#xa0;?</translation>
    </message>
    <message>
        <source>Take the fitted curve away and what is left, the residuals, may hide a second planet. An extra planet always fits the noise a little better, so the book&apos;s one- and two-planet fits are compared by</source>
        <comment>the sentence goes on after the formula below it</comment>
        <translation>Ce qui reste sans la courbe ajustée, les résidus, peut cacher une deuxième planète. Une planète de plus s&apos;ajuste toujours mieux au bruit&#xa0;; le livre compare donc ses ajustements à une et deux planètes par</translation>
    </message>
    <message>
        <source>for &lt;i&gt;k&lt;/i&gt; parameters and &lt;i&gt;N&lt;/i&gt; measurements (−2 ln &lt;i&gt;L&lt;/i&gt; is χ² plus a charge for the jitter): the lower, the better. ΔBIC, below the residuals&apos; plot, is the two-planet BIC less the one-planet BIC. The second planet is supported only when it lowers the BIC by more than 10 (ΔBIC below −10); a rise (ΔBIC above 0) means one planet is enough.</source>
        <comment>ends the sentence before the formula above it</comment>
        <translation>pour &lt;i&gt;k&lt;/i&gt; paramètres et &lt;i&gt;N&lt;/i&gt; mesures (−2 ln &lt;i&gt;L&lt;/i&gt;&#xa0;: χ² plus un coût pour le jitter)&#xa0;: plus il est bas, mieux c&apos;est. ΔBIC, sous les résidus, est le BIC à deux planètes moins celui à une. La deuxième planète n&apos;est retenue que si elle abaisse le BIC de plus de 10 (ΔBIC sous −10)&#xa0;; une hausse (ΔBIC au-dessus de 0) dit qu&apos;une planète suffit.</translation>
    </message>
    <message>
        <source>Real data: 51 Pegasi</source>
        <translation>Données réelles&#xa0;: 51 Pegasi</translation>
    </message>
    <message>
        <source>Now a real star. The Data tab shows published velocities of 51 Pegasi, an instrument a plot: LICK, from Lick Observatory (Butler et al. 2006, ApJ 646, 505), and ELODIE, from Haute-Provence (Naef et al. 2004, A&amp;amp;A 414, 351). Each instrument measures from a zero point of its own, so the book takes each one&apos;s zero point off before the periodogram. An instrument&apos;s jitter is a scatter, not an offset, so it cannot be taken off: the fit adds it to that instrument&apos;s error bars.</source>
        <comment>Data: the caption of the tab; LICK and ELODIE are the instruments&apos; names</comment>
        <translation>Passons à une vraie étoile. L&apos;onglet Données montre des vitesses publiées de 51 Pegasi, un graphique par instrument&#xa0;: LICK, de l&apos;observatoire Lick (Butler et al. 2006, ApJ 646, 505), et ELODIE, de Haute-Provence (Naef et al. 2004, A&amp;amp;A 414, 351). Chaque instrument mesure à partir de son propre zéro&#xa0;: le livre retire donc le zéro de chacun avant le périodogramme. Le jitter d&apos;un instrument est une dispersion, pas un décalage&#xa0;: il ne peut donc pas être retiré, et l&apos;ajustement l&apos;ajoute aux barres d&apos;erreur de cet instrument.</translation>
    </message>
    <message>
        <source>Weighing 51 Peg b</source>
        <translation>Peser 51 Peg b</translation>
    </message>
    <message>
        <source>The Fit tab shows one planet fitted to both instruments at once, each with its own zero point and jitter, and every point at its time since periastron: years of nights fall onto one orbit. The star&apos;s mass is on the Data tab, under the measurements. Weigh the planet as on page 8 of this chapter.</source>
        <comment>Fit, Data: the captions of the tabs</comment>
        <translation>L&apos;onglet Ajustement montre une planète ajustée aux deux instruments à la fois, chacun avec son propre zéro et son jitter, et chaque point à son temps depuis le périastre&#xa0;: des années de nuits tombent sur une seule orbite. La masse de l&apos;étoile se trouve dans l&apos;onglet Données, sous les mesures. Pesez la planète comme à la page 8 de ce chapitre.</translation>
    </message>
    <message>
        <source>How planets are found</source>
        <translation>Comment on trouve les planètes</translation>
    </message>
    <message>
        <source>Measuring a star on a few dozen nights, searching the periodogram, ruling out false alarms and aliases, folding, fitting and weighing: this is how 51 Pegasi b, the first planet found around a star like the Sun, was found in 1995, and how most planets since have been found by their stars&apos; velocity.</source>
        <translation>Mesurer une étoile pendant quelques dizaines de nuits, explorer le périodogramme, écarter les fausses alarmes et les alias, replier, ajuster et peser&#xa0;: c&apos;est ainsi que 51 Pegasi b, la première planète découverte autour d&apos;une étoile semblable au Soleil, a été trouvée en 1995, et que la plupart des planètes l&apos;ont été depuis, par la vitesse de leur étoile.</translation>
    </message>
    <message>
        <source>The Data tab now shows your own star again with, in red, the curve of the planets the book hid around it, and their true values beside your answers. How close did you come?</source>
        <comment>Data: the caption of the tab</comment>
        <translation>L&apos;onglet Données montre de nouveau votre propre étoile avec, en rouge, la courbe des planètes que le livre a cachées autour d&apos;elle, et leurs vraies valeurs à côté de vos réponses. Jusqu&apos;où vous en êtes-vous approché&#xa0;?</translation>
    </message>
    <message>
        <source>Observing views</source>
        <translation>Vues d&apos;observation</translation>
    </message>
    <message>
        <source>Data</source>
        <comment>a tab&apos;s caption</comment>
        <translation>Données</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Measurements of one instrument</source>
        <translation>Mesures d&apos;un instrument</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Graine&#xa0;:</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Graine</translation>
    </message>
    <message>
        <source>Observe</source>
        <comment>the button that measures the star</comment>
        <translation>Observer</translation>
    </message>
    <message>
        <source>Periodogram</source>
        <comment>a tab&apos;s caption</comment>
        <translation>Périodogramme</translation>
    </message>
    <message>
        <source>Periodogram</source>
        <translation>Périodogramme</translation>
    </message>
    <message>
        <source>Show the window function</source>
        <translation>Montrer la fonction fenêtre</translation>
    </message>
    <message>
        <source>Only 12 nights</source>
        <translation>Seulement 12 nuits</translation>
    </message>
    <message>
        <source>Noisier instrument</source>
        <translation>Instrument plus bruité</translation>
    </message>
    <message>
        <source>My run again</source>
        <translation>Ma campagne</translation>
    </message>
    <message>
        <source>Fold</source>
        <comment>a tab&apos;s caption</comment>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Folded measurements</source>
        <translation>Mesures repliées</translation>
    </message>
    <message>
        <source>Fold on (days):</source>
        <translation>Replier sur (j)&#xa0;:</translation>
    </message>
    <message>
        <source>Fold period in days</source>
        <translation>Période de repliement en jours</translation>
    </message>
    <message>
        <source>The peak</source>
        <comment>folds on the highest peak&apos;s period</comment>
        <translation>Le pic</translation>
    </message>
    <message>
        <source>Peak × 1.1</source>
        <translation>Pic × 1,1</translation>
    </message>
    <message>
        <source>By hand</source>
        <comment>a tab&apos;s caption: the fit by hand</comment>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Fit</source>
        <comment>a tab&apos;s caption: the orbit&apos;s fit</comment>
        <translation>Ajustement</translation>
    </message>
    <message>
        <source>Fitted curve</source>
        <translation>Courbe ajustée</translation>
    </message>
    <message>
        <source>Residuals</source>
        <translation>Résidus</translation>
    </message>
    <message>
        <source>Residuals</source>
        <comment>a tab&apos;s caption</comment>
        <translation>Résidus</translation>
    </message>
    <message>
        <source>Periodogram of the residuals</source>
        <translation>Périodogramme des résidus</translation>
    </message>
    <message>
        <source>Is this planet&apos;s orbit circular?</source>
        <translation>L&apos;orbite de cette planète est-elle circulaire ?</translation>
    </message>
    <message>
        <source>No: the fit&apos;s e is far from 0</source>
        <translation>Non : le e de l&apos;ajustement est loin de 0</translation>
    </message>
    <message>
        <source>It may be: nearly round orbits fit too</source>
        <translation>Peut-être : une orbite quasi ronde convient</translation>
    </message>
    <message>
        <source>Yes: e is exactly 0</source>
        <translation>Oui : e vaut exactement 0</translation>
    </message>
    <message>
        <source>Where does the shaded band, the middle 68 % of the orbits, begin? Compare it with e = 0.1.</source>
        <translation>Où commence la bande ombrée, les 68 % centraux des orbites ? Comparez-la à e = 0,1.</translation>
    </message>
    <message>
        <source>The fit&apos;s ± σ takes the orbits that fit for a bell curve about the best one. Those of a weak planet are lopsided, and the best fit pushes e up. The book made this planet&apos;s orbit a circle: e = 0.</source>
        <translation>Le ± σ de l&apos;ajustement suppose que les orbites qui conviennent se répartissent en cloche autour de la meilleure. Pour une planète faible, elles sont dissymétriques, et le meilleur ajustement pousse e vers le haut. Le livre a donné à cette planète une orbite circulaire : e = 0.</translation>
    </message>
    <message numerus="yes">
        <source>A made-up star of %1 solar masses: %n measurements in %2 days, each ± %3 m/s.</source>
        <translation>
            <numerusform>Une étoile inventée de %1 masse solaire : %n mesure en %2 jours, chacune à ± %3 m/s.</numerusform>
            <numerusform>Une étoile inventée de %1 masse solaire : %n mesures en %2 jours, chacune à ± %3 m/s.</numerusform>
        </translation>
    </message>
    <message>
        <source>Fitting the orbit and drawing the orbits that fit the measurements…</source>
        <translation>Ajustement de l&apos;orbite et tirage des orbites qui s&apos;ajustent aux mesures…</translation>
    </message>
    <message>
        <source>The fit, as on the Fit tab: P = %1 days, K = %2 m/s, e = %3.</source>
        <translation>L&apos;ajustement, comme dans l&apos;onglet Ajustement : P = %1 jours, K = %2 m/s, e = %3.</translation>
    </message>
    <message>
        <source>No orbits could be drawn about this fit.</source>
        <translation>Aucune orbite n&apos;a pu être tirée autour de cet ajustement.</translation>
    </message>
    <message>
        <source>The orbits that fit: e from %1 to %2 (the middle 68 %), median %3.</source>
        <translation>Les orbites qui conviennent : e de %1 à %2 (les 68 % centraux), médiane %3.</translation>
    </message>
    <message>
        <source>Converged: %1 steps of %2 walkers, %3 times the longest autocorrelation time (%4 steps).</source>
        <translation>Convergé : %1 pas de %2 marcheurs, %3 fois le plus long temps d&apos;autocorrélation (%4 pas).</translation>
    </message>
    <message>
        <source>Not converged after %1 steps of %2 walkers, %3 times the longest autocorrelation time (%4 steps): the range is rough.</source>
        <translation>Pas de convergence après %1 pas de %2 marcheurs, %3 fois le plus long temps d&apos;autocorrélation (%4 pas) : l&apos;étendue est approximative.</translation>
    </message>
    <message>
        <source>How sure is e?</source>
        <translation>Quelle certitude sur e ?</translation>
    </message>
    <message>
        <source>A fit&apos;s ± σ takes the orbits that fit about as well as the best one to spread like a bell curve about it. For a weak planet they need not. On the right, a made-up star: the book fits its planet as on the Fit tab, then draws thousands of orbits that fit the measurements about as well, as &lt;b&gt;How sure?&lt;/b&gt; in the observing window does, and counts their &lt;i&gt;e&lt;/i&gt; in the histogram.</source>
        <comment>How sure?: the entry of the observing window&apos;s File menu</comment>
        <translation>Le ± σ d&apos;un ajustement suppose que les orbites qui conviennent presque aussi bien que la meilleure se répartissent en cloche autour d&apos;elle. Pour une planète faible, ce n&apos;est pas forcé. À droite, une étoile inventée : le livre ajuste sa planète comme dans l&apos;onglet Ajustement, puis tire, comme &lt;b&gt;Quelle certitude ?&lt;/b&gt; dans la fenêtre d&apos;observation, des milliers d&apos;orbites qui s&apos;ajustent presque aussi bien aux mesures, et compte leur &lt;i&gt;e&lt;/i&gt; dans l&apos;histogramme.</translation>
    </message>
    <message>
        <source>The shaded band holds the middle 68 % of the orbits; the red line and bar are the fit&apos;s &lt;i&gt;e&lt;/i&gt; ± σ. An orbit with &lt;i&gt;e&lt;/i&gt; below 0.1 is hardly told from a circle.</source>
        <translation>La bande ombrée contient les 68 % centraux des orbites ; la ligne et la barre rouges sont le &lt;i&gt;e&lt;/i&gt; ± σ de l&apos;ajustement. Une orbite de &lt;i&gt;e&lt;/i&gt; inférieur à 0,1 se distingue à peine d&apos;un cercle.</translation>
    </message>
    <message>
        <source>Fitted curve of the made-up star</source>
        <translation>Courbe ajustée de l&apos;étoile inventée</translation>
    </message>
    <message>
        <source>Eccentricities of the orbits that fit</source>
        <translation>Excentricités des orbites qui conviennent</translation>
    </message>
    <message>
        <source>Drawing the orbits</source>
        <translation>Tirage des orbites</translation>
    </message>
</context>
<context>
    <name>Chapter window</name>
    <message>
        <source>Page text</source>
        <translation>Texte de la page</translation>
    </message>
    <message>
        <source>Feedback</source>
        <comment>on the answer to a question</comment>
        <translation>Correction</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>closes the feedback</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Some text to go in here.</source>
        <translation>Un texte viendra ici.</translation>
    </message>
</context>
<context>
    <name>Contents</name>
    <message>
        <source>Doppler Spectroscopy</source>
        <translation>Spectroscopie Doppler</translation>
    </message>
    <message>
        <source>&amp;1 Doppler spectroscopy</source>
        <translation>&amp;1 Spectroscopie Doppler</translation>
    </message>
    <message>
        <source>The Simulation</source>
        <translation>La simulation</translation>
    </message>
    <message>
        <source>&amp;2 The simulation</source>
        <translation>&amp;2 La simulation</translation>
    </message>
    <message>
        <source>One planet</source>
        <translation>Une planète</translation>
    </message>
    <message>
        <source>&amp;3 One planet</source>
        <translation>&amp;3 Une planète</translation>
    </message>
    <message>
        <source>Two planets</source>
        <translation>Deux planètes</translation>
    </message>
    <message>
        <source>&amp;4 Two planets</source>
        <translation>&amp;4 Deux planètes</translation>
    </message>
    <message>
        <source>Free experiment</source>
        <translation>Expérimentation libre</translation>
    </message>
    <message>
        <source>&amp;5 Free experiment</source>
        <translation>&amp;5 Expérimentation libre</translation>
    </message>
    <message>
        <source>Finding a planet</source>
        <translation>Trouver une planète</translation>
    </message>
    <message>
        <source>&amp;6 Finding a planet</source>
        <translation>&amp;6 Trouver une planète</translation>
    </message>
    <message>
        <source>Chapter %1: %2</source>
        <translation>Chapitre %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Doppler spectroscopy</source>
        <translation>Spectroscopie Doppler</translation>
    </message>
    <message>
        <source>How a star&apos;s motion shifts the light we receive</source>
        <translation>Comment le mouvement d&apos;une étoile décale sa lumière</translation>
    </message>
    <message>
        <source>The simulation</source>
        <translation>La simulation</translation>
    </message>
    <message>
        <source>A star and one planet: reading the velocity curve</source>
        <translation>Une étoile et une planète&#xa0;: lire la courbe de vitesse</translation>
    </message>
    <message>
        <source>How mass, distance, shape and tilt change the signal</source>
        <translation>Masse, distance, forme, inclinaison&#xa0;: l&apos;effet sur le signal</translation>
    </message>
    <message>
        <source>Untangling the velocity curve of two planets</source>
        <translation>Démêler la courbe de vitesse de deux planètes</translation>
    </message>
    <message>
        <source>Build a planetary system of your own</source>
        <translation>Construisez votre propre système planétaire</translation>
    </message>
    <message>
        <source>Observe, search, fold, fit and weigh, as astronomers do</source>
        <translation>Observer, chercher, replier, ajuster, peser en astronome</translation>
    </message>
    <message>
        <source>An interactive book on finding planets around other stars</source>
        <translation>Un livre interactif sur la découverte d&apos;exoplanètes</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>The star&apos;s radial velocity</source>
        <translation>La vitesse radiale de l&apos;étoile</translation>
    </message>
    <message>
        <source>time</source>
        <translation>temps</translation>
    </message>
    <message>
        <source>v (m/s)</source>
        <translation>v (m/s)</translation>
    </message>
    <message>
        <source>A planet tugs its star to and fro: the period and size of the swing reveal it.</source>
        <translation>Une planète fait osciller son étoile&#xa0;: la période et l&apos;ampleur la révèlent.</translation>
    </message>
</context>
<context>
    <name>Data files</name>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» est vide.</translation>
    </message>
</context>
<context>
    <name>Feedback</name>
    <message>
        <source>This is the correct answer.</source>
        <translation>C&apos;est la bonne réponse.</translation>
    </message>
    <message>
        <source>Your answer is still incorrect.</source>
        <translation>Votre réponse n&apos;est toujours pas juste.</translation>
    </message>
    <message>
        <source>Your answer is incorrect.</source>
        <translation>Votre réponse n&apos;est pas juste.</translation>
    </message>
</context>
<context>
    <name>Fit by hand</name>
    <message>
        <source>Fit by hand</source>
        <translation>Ajustement à la main</translation>
    </message>
    <message>
        <source>Measurements with the curve set by hand</source>
        <translation>Mesures avec la courbe réglée à la main</translation>
    </message>
    <message>
        <source>The measurements less the best offset, with their error bars, and the curve the sliders set, in green.</source>
        <translation>Les mesures moins le meilleur décalage, avec leurs barres d&apos;erreur, et la courbe que règlent les curseurs, en vert.</translation>
    </message>
    <message>
        <source>Orbi&amp;t period</source>
        <translation>Période de l&apos;orbi&amp;te</translation>
    </message>
    <message>
        <source>&amp;Amplitude K</source>
        <translation>&amp;Amplitude K</translation>
    </message>
    <message>
        <source>Eccentricit&amp;y</source>
        <translation>E&amp;xcentricité</translation>
    </message>
    <message>
        <source>Ome&amp;ga ω</source>
        <translation>Omé&amp;ga ω</translation>
    </message>
    <message>
        <source>Periastron ti&amp;me T</source>
        <translation>Périastre &amp;T</translation>
    </message>
    <message>
        <source>Period, logarithmic</source>
        <translation>Période, logarithmique</translation>
    </message>
    <message>
        <source>Semi-amplitude K</source>
        <translation>Demi-amplitude K</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>Excentricité</translation>
    </message>
    <message>
        <source>Argument of periastron omega</source>
        <translation>Argument du périastre oméga</translation>
    </message>
    <message>
        <source>Time of periastron</source>
        <translation>Instant du périastre</translation>
    </message>
    <message>
        <source>Fold on P</source>
        <translation>Replier sur P</translation>
    </message>
    <message>
        <source>Fold on the period</source>
        <comment>of the orbit</comment>
        <translation>Replier sur la période</translation>
    </message>
    <message>
        <source>Shows each measurement at its phase in the orbit the sliders set, so that one orbit is seen; unchecked, the measurements stand against time.</source>
        <translation>Montre chaque mesure à sa phase sur l&apos;orbite que règlent les curseurs, pour qu&apos;une seule orbite apparaisse&#xa0;; décochée, les mesures sont tracées en fonction du temps.</translation>
    </message>
    <message>
        <source>Fit &amp;using these</source>
        <translation>A&amp;juster avec ceux-ci</translation>
    </message>
    <message>
        <source>Fit using these elements</source>
        <translation>Ajuster à partir de ces éléments</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>day %1</source>
        <comment>a time since the first measurement</comment>
        <translation>jour %1</translation>
    </message>
    <message>
        <source>rms of the residuals: %1 m/s</source>
        <translation>rms des résidus&#xa0;: %1 m/s</translation>
    </message>
    <message>
        <source>No measurements yet.</source>
        <translation>Pas encore de mesures.</translation>
    </message>
</context>
<context>
    <name>Fit notes</name>
    <message>
        <source>The eccentricity sits at the model&apos;s bound of %1: the data may want more, and its uncertainty says little.</source>
        <translation>L&apos;excentricité est à la limite du modèle, %1 : les données en voudraient peut-être plus, et son incertitude dit peu de chose.</translation>
    </message>
    <message>
        <source>strong evidence for the planet</source>
        <translation>indice fort en faveur de la planète</translation>
    </message>
    <message>
        <source>some evidence for the planet</source>
        <translation>indice modéré en faveur de la planète</translation>
    </message>
    <message>
        <source>no evidence for the planet</source>
        <translation>aucun indice en faveur de la planète</translation>
    </message>
    <message>
        <source>noise seldom makes such a peak</source>
        <translation>le bruit produit rarement un tel pic</translation>
    </message>
    <message>
        <source>noise often makes such a peak</source>
        <translation>le bruit produit souvent un tel pic</translation>
    </message>
    <message>
        <source>ΔBIC %1 (%2; below −10 is strong), false-alarm probability %3 (%4).</source>
        <translation>ΔBIC %1 (%2 ; en dessous de −10, il est fort), probabilité de fausse alarme %3 (%4).</translation>
    </message>
    <message>
        <source>ΔBIC %1, false-alarm probability %2. Not evidence for a planet: %3</source>
        <translation>ΔBIC %1, probabilité de fausse alarme %2. Pas d&apos;indice en faveur d&apos;une planète : %3</translation>
    </message>
    <message>
        <source>%1 at %2 days</source>
        <translation>%1 à %2 jours</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>No planet of %1 is published at %2: the card lists %3 (%4). A signal the measurements support is not yet a planet: the star&apos;s own surface and the instruments make signals too, so astronomers wait for other measurements before they name one.</source>
        <translation>Aucune planète de %1 n&apos;est publiée à %2 : la fiche donne %3 (%4). Un signal que les mesures soutiennent n&apos;est pas encore une planète : la surface de l&apos;étoile et les instruments produisent aussi des signaux, c&apos;est pourquoi les astronomes attendent d&apos;autres mesures avant d&apos;en nommer une.</translation>
    </message>
    <message>
        <source>No planet added: the best period tried, %1 days, fails a test. %2</source>
        <translation>Aucune planète ajoutée : la meilleure période essayée, %1 jours, échoue à un test. %2</translation>
    </message>
    <message>
        <source>1 other period was tried and refused too.</source>
        <translation>1 autre période a été essayée et refusée aussi.</translation>
    </message>
    <message>
        <source>%1 other periods were tried and refused too.</source>
        <translation>%1 autres périodes ont été essayées et refusées aussi.</translation>
    </message>
    <message>
        <source>K is within three uncertainties of zero, so its eccentricity is biased high: noise makes a weak orbit look more eccentric than it is.</source>
        <translation>K est à moins de trois incertitudes de zéro, donc son excentricité est surestimée : le bruit fait paraître une orbite faible plus excentrique qu&apos;elle ne l&apos;est.</translation>
    </message>
    <message>
        <source>χ² and BIC not shown: an error of %1 m/s is finer than the arithmetic resolves at these velocities and times (its residual is rounded by about %2 m/s), so they would measure rounding.</source>
        <translation>χ² et BIC non affichés : une erreur de %1 m/s est plus fine que ce que le calcul résout à ces vitesses et à ces dates (son résidu est arrondi d&apos;environ %2 m/s), ils mesureraient donc l&apos;arrondi.</translation>
    </message>
    <message>
        <source>%1 and %2 lie near a %3:%4 ratio of periods (%5) and are heavy enough to pull each other&apos;s orbits round within the %6 days of the measurements: a fixed Keplerian orbit cannot follow them. What the fit makes of the turning orbits is an eccentricity worn towards a circle, and power at a harmonic of their periods that looks like one more planet.</source>
        <translation>%1 et %2 sont proches d&apos;un rapport de périodes de %3:%4 (%5) et assez lourdes pour faire tourner leurs orbites l&apos;une l&apos;autre pendant les %6 jours des mesures : une orbite képlérienne fixe ne peut pas les suivre. De ces orbites qui tournent, l&apos;ajustement fait une excentricité usée vers un cercle, et une puissance à une harmonique de leurs périodes qui ressemble à une planète de plus.</translation>
    </message>
</context>
<context>
    <name>Fit numbers</name>
    <message>
        <source>%1 (fixed)</source>
        <translation>%1 (fixe)</translation>
    </message>
    <message>
        <source>%1 (unconstrained)</source>
        <translation>%1 (non contraint)</translation>
    </message>
</context>
<context>
    <name>Fit refusals</name>
    <message>
        <source>No orbit could be fitted: the search started from a period or shape beyond what these measurements can tell.</source>
        <translation>Aucune orbite n&apos;a pu être ajustée : la recherche est partie d&apos;une période ou d&apos;une forme au-delà de ce que ces mesures peuvent dire.</translation>
    </message>
    <message>
        <source>At most four planets can be fitted.</source>
        <translation>On peut ajuster au plus quatre planètes.</translation>
    </message>
    <message>
        <source>At most %1 instruments can be fitted; there are %2.</source>
        <translation>On peut ajuster au plus %1 instruments ; il y en a %2.</translation>
    </message>
    <message>
        <source>Fitting 1 planet needs at least %2 measurements; there are %3.</source>
        <translation>Ajuster 1 planète demande au moins %2 mesures ; il y en a %3.</translation>
    </message>
    <message>
        <source>Fitting %1 planets needs at least %2 measurements; there are %3.</source>
        <translation>Ajuster %1 planètes demande au moins %2 mesures ; il y en a %3.</translation>
    </message>
    <message>
        <source>What is left of the velocities does not vary at all, so no period can be sought.</source>
        <translation>Ce qui reste des vitesses ne varie pas du tout, on ne peut donc chercher aucune période.</translation>
    </message>
    <message>
        <source>All measurements were taken at the same time, so no period can be sought.</source>
        <translation>Toutes les mesures ont été prises au même moment, on ne peut donc chercher aucune période.</translation>
    </message>
</context>
<context>
    <name>Hidden stars</name>
    <message>
        <source>Hidden star 1</source>
        <translation>Étoile cachée 1</translation>
    </message>
    <message>
        <source>Hidden star 2</source>
        <translation>Étoile cachée 2</translation>
    </message>
    <message>
        <source>Hidden star 3</source>
        <translation>Étoile cachée 3</translation>
    </message>
    <message>
        <source>Hidden star 4</source>
        <translation>Étoile cachée 4</translation>
    </message>
    <message>
        <source>Hidden star 5</source>
        <translation>Étoile cachée 5</translation>
    </message>
    <message>
        <source>Hidden star 6</source>
        <translation>Étoile cachée 6</translation>
    </message>
</context>
<context>
    <name>How sure</name>
    <message>
        <source>How sure?</source>
        <translation>Quelle certitude&#xa0;?</translation>
    </message>
    <message>
        <source>Sampling</source>
        <translation>Échantillonnage</translation>
    </message>
    <message>
        <source>Share of the sampling done</source>
        <translation>Part de l&apos;échantillonnage effectuée</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Best fit, value ± σ</source>
        <translation>Meilleur ajustement, valeur ± σ</translation>
    </message>
    <message>
        <source>Middle of the orbits</source>
        <translation>Milieu des orbites</translation>
    </message>
    <message>
        <source>68 % of the orbits</source>
        <translation>68&#xa0;% des orbites</translation>
    </message>
    <message>
        <source>Each element&apos;s best fit and the range of the orbits</source>
        <translation>Le meilleur ajustement de chaque élément et l&apos;étendue des orbites</translation>
    </message>
    <message>
        <source>&amp;Planet:</source>
        <translation>&amp;Planète&#xa0;:</translation>
    </message>
    <message>
        <source>The planet&apos;s orbits</source>
        <translation>Les orbites de la planète</translation>
    </message>
    <message>
        <source>&amp;Save chain...</source>
        <translation>&amp;Enregistrer la chaîne...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 (held)</source>
        <comment>a value the fit kept fixed</comment>
        <translation>%1 (fixé)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>a range of values</comment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>No orbits could be drawn: near this fit the measurements allow no orbit the priors take (an eccentricity at its bound, say).</source>
        <translation>Aucune orbite n&apos;a pu être tirée&#xa0;: près de cet ajustement, les mesures n&apos;admettent aucune orbite que les a priori acceptent (une excentricité à sa limite, par exemple).</translation>
    </message>
    <message>
        <source>Drawing orbits that fit the measurements: %1 walkers over the %2 fitted values…</source>
        <translation>Tirage d&apos;orbites qui s&apos;ajustent aux mesures&#xa0;: %1 marcheurs sur les %2 valeurs ajustées…</translation>
    </message>
    <message>
        <source>No orbits could be drawn: %1</source>
        <translation>Aucune orbite n&apos;a pu être tirée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cancelled: no orbits are shown.</source>
        <translation>Annulé&#xa0;: aucune orbite n&apos;est affichée.</translation>
    </message>
    <message>
        <source>Converged: %1 steps of %2 walkers, %3 times the longest autocorrelation time (%4 steps).</source>
        <translation>Convergé&#xa0;: %1 pas de %2 marcheurs, %3 fois le plus long temps d&apos;autocorrélation (%4 pas).</translation>
    </message>
    <message>
        <source>Not converged after %1 steps of %2 walkers, %3 times the longest autocorrelation time (%4 steps): the autocorrelation time was still changing between looks, so the ranges below are rough. A planet the data barely hold spreads its orbits widely.</source>
        <translation>Pas de convergence après %1 pas de %2 marcheurs, %3 fois le plus long temps d&apos;autocorrélation (%4 pas)&#xa0;: le temps d&apos;autocorrélation changeait encore d&apos;un contrôle à l&apos;autre, les étendues ci-dessous sont donc approximatives. Une planète que les données retiennent à peine étale largement ses orbites.</translation>
    </message>
    <message>
        <source>Not converged after %1 steps of %2 walkers, %3 times the longest autocorrelation time (%4 steps): a chain of %5 autocorrelation times is needed, so the ranges below are rough. A planet the data barely hold spreads its orbits widely.</source>
        <translation>Pas de convergence après %1 pas de %2 marcheurs, %3 fois le plus long temps d&apos;autocorrélation (%4 pas)&#xa0;: il faut une chaîne de %5 temps d&apos;autocorrélation, les étendues ci-dessous sont donc approximatives. Une planète que les données retiennent à peine étale largement ses orbites.</translation>
    </message>
    <message>
        <source>Planet %1</source>
        <translation>Planète %1</translation>
    </message>
    <message>
        <source>Each orbit drawn fits the measurements about as well as the best fit does: the spread of the orbits is the uncertainty. Where the range is lopsided, or its middle lies off the best fit, the value ± σ of the Fit page says less than the orbits do.</source>
        <translation>Chaque orbite tirée s&apos;ajuste aux mesures à peu près aussi bien que le meilleur ajustement&#xa0;: la dispersion des orbites est l&apos;incertitude. Là où l&apos;étendue est dissymétrique, ou que son milieu s&apos;écarte du meilleur ajustement, la valeur ± σ de la page Ajustement en dit moins que les orbites.</translation>
    </message>
    <message>
        <source>%1: P (days)</source>
        <comment>the period of an orbit</comment>
        <translation>%1: P (jours)</translation>
    </message>
    <message>
        <source>%1: m sin i (Jupiter masses)</source>
        <translation>%1: m sin i (masses de Jupiter)</translation>
    </message>
    <message>
        <source>%1: a (AU)</source>
        <comment>the semi-major axis</comment>
        <translation>%1: a (AU)</translation>
    </message>
    <message>
        <source>instrument %1</source>
        <translation>instrument %1</translation>
    </message>
    <message>
        <source>offset %1 (m/s)</source>
        <translation>décalage %1 (m/s)</translation>
    </message>
    <message>
        <source>jitter %1 (m/s)</source>
        <translation>jitter %1 (m/s)</translation>
    </message>
    <message>
        <source>The chain was not saved: %1.</source>
        <translation>La chaîne n&apos;a pas été enregistrée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Save chain</source>
        <translation>Enregistrer la chaîne</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>No orbits drawn yet.</source>
        <translation>Aucune orbite tirée pour l&apos;instant.</translation>
    </message>
    <message>
        <source>m sin i (Jupiter masses)</source>
        <translation>m sin i (masses de Jupiter)</translation>
    </message>
    <message>
        <source>P (days)</source>
        <comment>the period of an orbit</comment>
        <translation>P (jours)</translation>
    </message>
    <message>
        <source>periastron T (days)</source>
        <comment>the time of periastron</comment>
        <translation>périastre T (jours)</translation>
    </message>
    <message>
        <source>their median</source>
        <translation>leur médiane</translation>
    </message>
    <message>
        <source>the best fit ± σ</source>
        <translation>meilleur ajustement ± σ</translation>
    </message>
    <message numerus="yes">
        <source>%n orbits that fit the measurements: %1 from %2 to %3 (68 % of them), median %4; the best fit %5 ± %6.</source>
        <comment>%1 is the value&apos;s name</comment>
        <translation>
            <numerusform>%n orbite qui s&apos;ajuste aux mesures : %1 de %2 à %3 (68 % d&apos;entre elles), médiane %4 ; le meilleur ajustement %5 ± %6.</numerusform>
            <numerusform>%n orbites qui s&apos;ajustent aux mesures : %1 de %2 à %3 (68 % d&apos;entre elles), médiane %4 ; le meilleur ajustement %5 ± %6.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>time from %1</source>
        <translation>date tirée de %1</translation>
    </message>
    <message>
        <source>velocity from %1</source>
        <translation>vitesse tirée de %1</translation>
    </message>
    <message>
        <source>error from %1</source>
        <translation>erreur tirée de %1</translation>
    </message>
    <message>
        <source>instrument from %1</source>
        <translation>instrument tiré de %1</translation>
    </message>
    <message>
        <source>time in column %1</source>
        <translation>date en colonne %1</translation>
    </message>
    <message>
        <source>velocity in column %1</source>
        <translation>vitesse en colonne %1</translation>
    </message>
    <message>
        <source>error in column %1</source>
        <translation>erreur en colonne %1</translation>
    </message>
    <message>
        <source>instrument in column %1</source>
        <translation>instrument en colonne %1</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>Velocities in km/s, as the file says.</source>
        <translation>Vitesses en km/s, comme l&apos;indique le fichier.</translation>
    </message>
    <message>
        <source>Velocities in m/s, as the file says.</source>
        <translation>Vitesses en m/s, comme l&apos;indique le fichier.</translation>
    </message>
    <message>
        <source>Velocities in km/s: the errors are about %1, too small for m/s.</source>
        <translation>Vitesses en km/s : les erreurs valent environ %1, trop peu pour des m/s.</translation>
    </message>
    <message>
        <source>Velocities in m/s: the errors are about %1.</source>
        <translation>Vitesses en m/s : les erreurs valent environ %1.</translation>
    </message>
    <message>
        <source>Times are JD − 2 400 000, as the column&apos;s name says.</source>
        <translation>Les dates sont en JD − 2 400 000, comme l&apos;indique le nom de la colonne.</translation>
    </message>
    <message>
        <source>Times are MJD, as the column&apos;s name says.</source>
        <translation>Les dates sont en MJD, comme l&apos;indique le nom de la colonne.</translation>
    </message>
    <message>
        <source>Times are taken as JD − 2 400 000 (about %1), as .rdb tables keep them.</source>
        <translation>Les dates sont prises en JD − 2 400 000 (environ %1), comme les tables .rdb les notent.</translation>
    </message>
    <message>
        <source>Times are BJD, as the column&apos;s name says.</source>
        <translation>Les dates sont en BJD, comme l&apos;indique le nom de la colonne.</translation>
    </message>
    <message>
        <source>Times are Julian dates (about %1).</source>
        <translation>Les dates sont des dates juliennes (environ %1).</translation>
    </message>
    <message>
        <source>Times are taken as MJD (about %1); if they are JD − 2 400 000, choose that scale.</source>
        <translation>Les dates sont prises en MJD (environ %1) ; si elles sont en JD − 2 400 000, choisis cette échelle.</translation>
    </message>
    <message>
        <source>Times are taken as days from an epoch of the file&apos;s own.</source>
        <translation>Les dates sont prises en jours depuis une époque propre au fichier.</translation>
    </message>
    <message>
        <source>The columns could not be told apart; choose them.</source>
        <translation>Les colonnes n&apos;ont pas pu être distinguées ; choisis-les.</translation>
    </message>
    <message>
        <source>Columns by their names: %1, %2, %3, %4.</source>
        <translation>Colonnes d&apos;après leurs noms : %1, %2, %3, %4.</translation>
    </message>
    <message>
        <source>Columns by their order: %1, %2, %3, %4.</source>
        <translation>Colonnes d&apos;après leur ordre : %1, %2, %3, %4.</translation>
    </message>
    <message>
        <source>Columns by their names: %1, %2, %3.</source>
        <translation>Colonnes d&apos;après leurs noms : %1, %2, %3.</translation>
    </message>
    <message>
        <source>Columns by their order: %1, %2, %3.</source>
        <translation>Colonnes d&apos;après leur ordre : %1, %2, %3.</translation>
    </message>
    <message>
        <source>comma-separated</source>
        <translation>séparé par des virgules</translation>
    </message>
    <message>
        <source>semicolon-separated</source>
        <translation>séparé par des points-virgules</translation>
    </message>
    <message>
        <source>separated by blanks</source>
        <translation>séparé par des espaces</translation>
    </message>
</context>
<context>
    <name>Import measurements</name>
    <message>
        <source>Import measurements</source>
        <translation>Importer des mesures</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>File shown</source>
        <translation>Fichier affiché</translation>
    </message>
    <message>
        <source>The file&apos;s first rows</source>
        <translation>Les premières lignes du fichier</translation>
    </message>
    <message>
        <source>&amp;Time column</source>
        <translation>&amp;Temps</translation>
    </message>
    <message>
        <source>Column of the times</source>
        <translation>Colonne des temps</translation>
    </message>
    <message>
        <source>&amp;Velocity column</source>
        <translation>&amp;Vitesses</translation>
    </message>
    <message>
        <source>Column of the velocities</source>
        <translation>Colonne des vitesses</translation>
    </message>
    <message>
        <source>&amp;Error column</source>
        <translation>&amp;Erreurs</translation>
    </message>
    <message>
        <source>Column of the errors</source>
        <translation>Colonne des erreurs</translation>
    </message>
    <message>
        <source>I&amp;nstrument column</source>
        <translation>I&amp;nstruments</translation>
    </message>
    <message>
        <source>Column of the instruments&apos; names</source>
        <translation>Colonne des noms des instruments</translation>
    </message>
    <message>
        <source>Velocity &amp;unit</source>
        <translation>&amp;Unité de vitesse</translation>
    </message>
    <message>
        <source>Unit of the velocities and errors</source>
        <translation>Unité des vitesses et des erreurs</translation>
    </message>
    <message>
        <source>Time &amp;scale</source>
        <translation>É&amp;chelle de temps</translation>
    </message>
    <message>
        <source>Time scale of the times</source>
        <translation>Échelle de temps des temps</translation>
    </message>
    <message>
        <source>What the import guessed</source>
        <translation>Ce que l&apos;importation a deviné</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>This file cannot be read as a table: %1</source>
        <translation>Ce fichier ne peut pas être lu comme un tableau&#xa0;: %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>line %1</source>
        <comment>a line of the file</comment>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <comment>no column of instruments</comment>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>%1. The columns and units are as chosen.</source>
        <translation>%1. Les colonnes et les unités sont celles choisies.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>How to use this book</source>
        <translation>Mode d&apos;emploi du livre</translation>
    </message>
    <message>
        <source>The book is read page by page. The &lt;b&gt;Section&lt;/b&gt; menu&apos;s &lt;b&gt;Contents&lt;/b&gt; lists the chapters; choose one to open it at its first page. The arrows below a page, or the page keys, turn the pages. Where a page asks a question, answer it and press &lt;b&gt;Done&lt;/b&gt;: the feedback opens with &amp;#x2713; when the answer is right and &amp;#x2717; when it is not, and &lt;b&gt;OK&lt;/b&gt; closes it. Some pages lead on only once their question is answered.</source>
        <translation>Le livre se lit page par page. Dans le menu &lt;b&gt;Section&lt;/b&gt;, &lt;b&gt;Sommaire&lt;/b&gt; donne la liste des chapitres&#xa0;; choisissez-en un pour l&apos;ouvrir à sa première page. Les flèches sous une page, ou les touches de page, tournent les pages. Quand une page pose une question, répondez-y et appuyez sur &lt;b&gt;Valider&lt;/b&gt;&#xa0;: la correction s&apos;ouvre avec &amp;#x2713; quand la réponse est juste et &amp;#x2717; quand elle ne l&apos;est pas, et &lt;b&gt;OK&lt;/b&gt; la ferme. Certaines pages ne permettent de continuer qu&apos;une fois que l&apos;on a répondu à leur question.</translation>
    </message>
    <message>
        <source>The simulation pages show the star and its planets on their orbits above the star&apos;s radial velocity. &lt;b&gt;Start&lt;/b&gt;, &lt;b&gt;Stop&lt;/b&gt; and &lt;b&gt;Reset&lt;/b&gt; run it, &lt;b&gt;Edit parameters&lt;/b&gt; changes the planets, and the sliders turn the view and set the timescale. The &lt;b&gt;Tools&lt;/b&gt; menu opens the calculator, the spectrum, the real planetary systems and the observing run; &lt;b&gt;File, Save picture&lt;/b&gt; saves a picture the page shows.</source>
        <translation>Les pages de simulation montrent l&apos;étoile et ses planètes sur leurs orbites au-dessus de la vitesse radiale de l&apos;étoile. &lt;b&gt;Lancer&lt;/b&gt;, &lt;b&gt;Arrêter&lt;/b&gt; et &lt;b&gt;Réinit.&lt;/b&gt; commandent la simulation, &lt;b&gt;Modifier paramètres&lt;/b&gt; modifie les planètes, et les curseurs tournent la vue et règlent l&apos;échelle de temps. Le menu &lt;b&gt;Outils&lt;/b&gt; ouvre la calculatrice, le spectre, les systèmes planétaires réels et la campagne d&apos;observation&#xa0;; &lt;b&gt;Fichier, Enregistrer une image&lt;/b&gt; enregistre une image affichée par la page.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>&lt;b&gt;Page Down&lt;/b&gt; or &lt;b&gt;Alt+Right&lt;/b&gt;</source>
        <translation>&lt;b&gt;Pg Suiv&lt;/b&gt; ou &lt;b&gt;Alt+Droite&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>&lt;b&gt;Page Up&lt;/b&gt; or &lt;b&gt;Alt+Left&lt;/b&gt;</source>
        <translation>&lt;b&gt;Pg Préc&lt;/b&gt; ou &lt;b&gt;Alt+Gauche&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>A slider, list or scrolling text with the focus takes Page Up and Page Down for itself; Alt+Right and Alt+Left turn the page from anywhere.</source>
        <translation>Un curseur, une liste ou un texte défilant qui a le focus utilise lui-même Pg Préc et Pg Suiv&#xa0;; Alt+Droite et Alt+Gauche tournent la page depuis n&apos;importe où.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tab&lt;/b&gt;, &lt;b&gt;Shift+Tab&lt;/b&gt;</source>
        <translation>&lt;b&gt;Tab&lt;/b&gt;, &lt;b&gt;Maj+Tab&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Next, previous control</source>
        <translation>Contrôle suivant, précédent</translation>
    </message>
    <message>
        <source>&lt;b&gt;Space&lt;/b&gt;</source>
        <translation>&lt;b&gt;Espace&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Press the button or tick the box with the focus</source>
        <translation>Appuyer sur le bouton ou cocher la case qui a le focus</translation>
    </message>
    <message>
        <source>&lt;b&gt;Enter&lt;/b&gt;</source>
        <translation>&lt;b&gt;Entrée&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Press a dialog&apos;s default button</source>
        <translation>Appuyer sur le bouton par défaut d&apos;une boîte de dialogue</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left&lt;/b&gt;, &lt;b&gt;Right&lt;/b&gt; (or &lt;b&gt;Up&lt;/b&gt;, &lt;b&gt;Down&lt;/b&gt;)</source>
        <translation>&lt;b&gt;Gauche&lt;/b&gt;, &lt;b&gt;Droite&lt;/b&gt; (ou &lt;b&gt;Haut&lt;/b&gt;, &lt;b&gt;Bas&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Move a slider a step</source>
        <translation>Déplacer un curseur d&apos;un pas</translation>
    </message>
    <message>
        <source>&lt;b&gt;Page Up&lt;/b&gt;, &lt;b&gt;Page Down&lt;/b&gt;</source>
        <translation>&lt;b&gt;Pg Préc&lt;/b&gt;, &lt;b&gt;Pg Suiv&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Move a slider a large step</source>
        <translation>Déplacer un curseur d&apos;un grand pas</translation>
    </message>
    <message>
        <source>&lt;b&gt;Home&lt;/b&gt;, &lt;b&gt;End&lt;/b&gt;</source>
        <translation>&lt;b&gt;Début&lt;/b&gt;, &lt;b&gt;Fin&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Move a slider to its ends</source>
        <translation>Amener un curseur à ses extrémités</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+Plus&lt;/b&gt;, &lt;b&gt;Ctrl+Minus&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ctrl+Plus&lt;/b&gt;, &lt;b&gt;Ctrl+Moins&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Zoom in, out (the book reopens at the new zoom)</source>
        <translation>Zoom avant, arrière (le livre se rouvre au nouveau zoom)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+0&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ctrl+0&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Zoom to 100 %</source>
        <translation>Zoom à 100&#xa0;%</translation>
    </message>
    <message>
        <source>&lt;b&gt;Alt&lt;/b&gt; with a menu&apos;s underlined letter</source>
        <translation>&lt;b&gt;Alt&lt;/b&gt; avec la lettre soulignée d&apos;un menu</translation>
    </message>
    <message>
        <source>Open that menu: File, View, Section, Tools, Help</source>
        <translation>Ouvrir ce menu&#xa0;: Fichier, Affichage, Section, Outils, Aide</translation>
    </message>
    <message>
        <source>This list</source>
        <translation>Cette liste</translation>
    </message>
    <message>
        <source>&lt;b&gt;Esc&lt;/b&gt;</source>
        <translation>&lt;b&gt;Échap&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close a dialog without its changes</source>
        <translation>Fermer une boîte de dialogue sans ses modifications</translation>
    </message>
    <message>
        <source>With &lt;b&gt;Help, Accessibility&lt;/b&gt;&apos;s screen reader option, Tab also stops at the page&apos;s text and its feedback.</source>
        <translation>Avec l&apos;option lecteur d&apos;écran de &lt;b&gt;Aide, Accessibilité&lt;/b&gt;, Tab s&apos;arrête aussi sur le texte de la page et sur sa correction.</translation>
    </message>
    <message>
        <source>Keys and how to use this book</source>
        <translation>Touches et mode d&apos;emploi du livre</translation>
    </message>
</context>
<context>
    <name>My answers</name>
    <message>
        <source>right at the first attempt</source>
        <translation>juste du premier coup</translation>
    </message>
    <message>
        <source>right at attempt %1</source>
        <translation>juste à la tentative %1</translation>
    </message>
    <message>
        <source>wrong: the answer was shown</source>
        <translation>faux&#xa0;: la réponse a été montrée</translation>
    </message>
    <message>
        <source>not yet answered right</source>
        <translation>pas encore de réponse juste</translation>
    </message>
    <message>
        <source>My answers</source>
        <translation>Mes réponses</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Votre &amp;nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&lt;b&gt;Name:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Nom&#xa0;:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>(not given)</source>
        <comment>the name</comment>
        <translation>(non indiqué)</translation>
    </message>
    <message>
        <source>Chapter %1: %2</source>
        <comment>the chapter&apos;s number and title</comment>
        <translation>Chapitre %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&lt;b&gt;Seed:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Graine&#xa0;:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Page %1:&lt;/b&gt; %2 (seed %3)</source>
        <translation>&lt;b&gt;Page %1&#xa0;:&lt;/b&gt; %2 (graine %3)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Page %1:&lt;/b&gt; %2</source>
        <translation>&lt;b&gt;Page %1&#xa0;:&lt;/b&gt; %2</translation>
    </message>
    <message>
        <source>Attempt %1: %2 (right)</source>
        <translation>Tentative %1&#xa0;: %2 (juste)</translation>
    </message>
    <message>
        <source>Attempt %1: %2 (wrong)</source>
        <translation>Tentative %1&#xa0;: %2 (faux)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Verdict:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Verdict&#xa0;:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>No question has been answered yet.</source>
        <translation>Aucune question n&apos;a encore reçu de réponse.</translation>
    </message>
</context>
<context>
    <name>Mystery stars</name>
    <message>
        <source>omega undefined (circular orbit)</source>
        <translation>oméga non défini (orbite circulaire)</translation>
    </message>
    <message>
        <source>omega %1 degrees</source>
        <translation>oméga %1 degrés</translation>
    </message>
    <message>
        <source>Mystery star A</source>
        <translation>Étoile mystère A</translation>
    </message>
    <message>
        <source>Mystery star B</source>
        <translation>Étoile mystère B</translation>
    </message>
    <message>
        <source>Mystery star C</source>
        <translation>Étoile mystère C</translation>
    </message>
    <message>
        <source>%1, a star of %2 solar masses</source>
        <translation>%1, une étoile de %2 masses solaires</translation>
    </message>
    <message>
        <source>%1: star of %2 solar masses; %3</source>
        <translation>%1 : étoile de %2 masses solaires ; %3</translation>
    </message>
    <message>
        <source>%1: period %2 days, K %3 m/s, e %4, %5, a %6 AU, m sin i %7 Jupiter masses</source>
        <translation>%1 : période %2 jours, K %3 m/s, e %4, %5, a %6 UA, m sin i %7 masses de Jupiter</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>%1 day</source>
        <translation>%1 jour</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>below 10⁻¹⁶</source>
        <translation>moins de 10⁻¹⁶</translation>
    </message>
</context>
<context>
    <name>Observing plots</name>
    <message numerus="yes">
        <source>%n instruments</source>
        <translation>
            <numerusform>%n instrument</numerusform>
            <numerusform>%n instruments</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <comment>instruments not named in the key</comment>
        <translation>
            <numerusform>%n autre</numerusform>
            <numerusform>%n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>periodogram</source>
        <translation>périodogramme</translation>
    </message>
    <message>
        <source>window function</source>
        <translation>fonction fenêtre</translation>
    </message>
    <message>
        <source>No measurements yet: plan a run and press Observe, or import a file.</source>
        <translation>Pas encore de mesures&#xa0;: planifiez une campagne et appuyez sur Observer, ou importez un fichier.</translation>
    </message>
    <message>
        <source>phase: time since periastron over the period of %1 days</source>
        <translation>phase&#xa0;: temps depuis le périastre divisé par la période de %1 jours</translation>
    </message>
    <message>
        <source>time since the first point, %1 (days)</source>
        <translation>temps depuis le premier point, %1 (jours)</translation>
    </message>
    <message>
        <source>time (days)</source>
        <translation>temps (jours)</translation>
    </message>
    <message>
        <source>The periodogram shows here once there are measurements.</source>
        <translation>Le périodogramme s&apos;affiche ici dès qu&apos;il y a des mesures.</translation>
    </message>
    <message>
        <source>period (days)</source>
        <comment>of an orbit</comment>
        <translation>période (jours)</translation>
    </message>
    <message>
        <source>power</source>
        <comment>of a periodogram</comment>
        <translation>puissance</translation>
    </message>
    <message>
        <source>The measurements fold here on the trial period.</source>
        <translation>Les mesures se replient ici sur la période d&apos;essai.</translation>
    </message>
    <message>
        <source>phase at a period of %1 days</source>
        <translation>phase pour une période de %1 jours</translation>
    </message>
    <message>
        <source>radial velocity (m/s)</source>
        <translation>vitesse radiale (m/s)</translation>
    </message>
    <message>
        <source>v − offset − trend (m/s)</source>
        <translation>v − décalage − dérive (m/s)</translation>
    </message>
    <message>
        <source>v − offset (m/s)</source>
        <translation>v − décalage (m/s)</translation>
    </message>
    <message>
        <source>The fit has no planet.</source>
        <translation>L&apos;ajustement ne comporte aucune planète.</translation>
    </message>
    <message>
        <source>%1 days, K %2 m/s</source>
        <comment>a fitted planet&apos;s period and semi-amplitude</comment>
        <translation>%1 jours, K %2 m/s</translation>
    </message>
    <message numerus="yes">
        <source>The fitted curve of %n planet(s) runs through them, over one orbit: %1.</source>
        <translation>
            <numerusform>La courbe ajustée de %n planète passe parmi elles, sur une orbite&#xa0;: %1.</numerusform>
            <numerusform>La courbe ajustée des %n planètes passe parmi elles, sur une orbite&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The fitted curve of %n planet(s) runs through them: %1.</source>
        <translation>
            <numerusform>La courbe ajustée de %n planète passe parmi elles&#xa0;: %1.</numerusform>
            <numerusform>La courbe ajustée des %n planètes passe parmi elles&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No measurements.</source>
        <translation>Aucune mesure.</translation>
    </message>
    <message numerus="yes">
        <source>%n measurements folded on a period of %1 days.</source>
        <translation>
            <numerusform>%n mesure repliée sur une période de %1 jours.</numerusform>
            <numerusform>%n mesures repliées sur une période de %1 jours.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n measurements folded on a period of %1 days; the highest, %2 m/s, at phase %3.</source>
        <translation>
            <numerusform>%n mesure repliée sur une période de %1 jours&#xa0;; la plus haute, %2 m/s, à la phase %3.</numerusform>
            <numerusform>%n mesures repliées sur une période de %1 jours&#xa0;; la plus haute, %2 m/s, à la phase %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>No residuals.</source>
        <translation>Aucun résidu.</translation>
    </message>
    <message numerus="yes">
        <source>%n residuals over %1 days; the highest, %2 m/s, at day %3.</source>
        <translation>
            <numerusform>%n résidu sur %1 jours&#xa0;; le plus haut, %2 m/s, au jour %3.</numerusform>
            <numerusform>%n résidus sur %1 jours&#xa0;; le plus haut, %2 m/s, au jour %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n measurements over %1 days; the highest, %2 m/s, at day %3.</source>
        <translation>
            <numerusform>%n mesure sur %1 jours&#xa0;; la plus haute, %2 m/s, au jour %3.</numerusform>
            <numerusform>%n mesures sur %1 jours&#xa0;; la plus haute, %2 m/s, au jour %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>plot</source>
        <comment>the name of a picture file of a plot</comment>
        <translation>graphique</translation>
    </message>
    <message>
        <source>No peak: the velocities do not vary.</source>
        <translation>Aucun pic&#xa0;: les vitesses ne varient pas.</translation>
    </message>
    <message>
        <source>The highest peak is at a period of %1 days, power %2.</source>
        <translation>Le plus haut pic est à une période de %1 jours, puissance %2.</translation>
    </message>
    <message>
        <source>The residuals show here after a fit.</source>
        <translation>Les résidus s&apos;affichent ici après un ajustement.</translation>
    </message>
    <message>
        <source>residual (m/s)</source>
        <translation>résidu (m/s)</translation>
    </message>
    <message>
        <source>Their rms is %1 m/s.</source>
        <translation>Leur rms est de %1 m/s.</translation>
    </message>
</context>
<context>
    <name>Observing run</name>
    <message>
        <source>Observing run</source>
        <translation>Campagne d&apos;observation</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Import measurements...</source>
        <translation>&amp;Importer des mesures...</translation>
    </message>
    <message>
        <source>&amp;Export measurements...</source>
        <translation>&amp;Exporter les mesures...</translation>
    </message>
    <message>
        <source>Save the &amp;fit...</source>
        <translation>Enregistrer l&apos;a&amp;justement...</translation>
    </message>
    <message>
        <source>Save the resi&amp;duals...</source>
        <translation>Enregistrer les résid&amp;us...</translation>
    </message>
    <message>
        <source>&amp;How sure?...</source>
        <translation>&amp;Quelle certitude&#xa0;?...</translation>
    </message>
    <message>
        <source>&amp;Open run...</source>
        <translation>&amp;Ouvrir une campagne...</translation>
    </message>
    <message>
        <source>&amp;Save run...</source>
        <translation>Enregi&amp;strer la campagne...</translation>
    </message>
    <message>
        <source>Open &amp;real data</source>
        <translation>Ouvrir des &amp;données réelles</translation>
    </message>
    <message>
        <source>Show on the &amp;card of real systems</source>
        <translation>Afficher sur la &amp;fiche des systèmes réels</translation>
    </message>
    <message>
        <source>Open a &amp;mystery star</source>
        <translation>Ouvrir une étoile &amp;mystère</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fe&amp;rmer</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>&amp;Nights</source>
        <translation>&amp;Nuits</translation>
    </message>
    <message>
        <source>Number of nights</source>
        <translation>Nombre de nuits</translation>
    </message>
    <message>
        <source>&amp;Run length (days)</source>
        <translation>&amp;Durée (jours)</translation>
    </message>
    <message>
        <source>Run length in days</source>
        <translation>Durée de la campagne en jours</translation>
    </message>
    <message>
        <source>Prec&amp;ision σ (m/s)</source>
        <translation>Préc&amp;ision σ (m/s)</translation>
    </message>
    <message>
        <source>Measurement precision in metres per second</source>
        <translation>Précision des mesures en mètres par seconde</translation>
    </message>
    <message>
        <source>Stellar &amp;jitter (m/s)</source>
        <translation>&amp;Jitter stellaire (m/s)</translation>
    </message>
    <message>
        <source>Stellar jitter in metres per second</source>
        <translation>Jitter stellaire en mètres par seconde</translation>
    </message>
    <message>
        <source>Obser&amp;vable (% of year)</source>
        <translation>Obser&amp;vable (% année)</translation>
    </message>
    <message>
        <source>Share of the year the star is observable, per cent</source>
        <translation>Part de l&apos;année où l&apos;étoile est observable, en pour cent</translation>
    </message>
    <message>
        <source>Lost to &amp;weather (%)</source>
        <translation>Perte &amp;météo (%)</translation>
    </message>
    <message>
        <source>Share of nights lost to weather, per cent</source>
        <translation>Part des nuits perdues à cause de la météo, en pour cent</translation>
    </message>
    <message>
        <source>&amp;Seed</source>
        <translation>&amp;Graine</translation>
    </message>
    <message>
        <source>Random seed</source>
        <translation>Graine aléatoire</translation>
    </message>
    <message>
        <source>New s&amp;eed</source>
        <translation>Autre g&amp;raine</translation>
    </message>
    <message>
        <source>New random seed</source>
        <translation>Nouvelle graine aléatoire</translation>
    </message>
    <message>
        <source>&amp;Observe</source>
        <translation>&amp;Observer</translation>
    </message>
    <message>
        <source>Observe</source>
        <translation>Observer</translation>
    </message>
    <message>
        <source>One measurement a clear night at most. The same seed and plan give the same measurements on every computer, so a class can share one run.</source>
        <translation>Au plus une mesure par nuit claire. La même graine et le même plan donnent les mêmes mesures sur tous les ordinateurs&#xa0;: une classe peut donc partager une campagne.</translation>
    </message>
    <message>
        <source>Papers of the published measurements</source>
        <translation>Articles des mesures publiées</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Pages: data, periodogram, phase fold, fit by hand, fit</source>
        <translation>Pages&#xa0;: données, périodogramme, repliement en phase, ajustement à la main, ajustement</translation>
    </message>
    <message>
        <source>Measurements against time</source>
        <translation>Mesures en fonction du temps</translation>
    </message>
    <message>
        <source>Each measured radial velocity with its error bar against the time of the measurement; with Show the truth, the star&apos;s true velocity as a line.</source>
        <translation>Chaque vitesse radiale mesurée avec sa barre d&apos;erreur en fonction de l&apos;instant de la mesure&#xa0;; avec Montrer la vérité, la vitesse vraie de l&apos;étoile sous forme de ligne.</translation>
    </message>
    <message>
        <source>Show the &amp;truth</source>
        <translation>Mon&amp;trer la vérité</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Données</translation>
    </message>
    <message>
        <source>Periodogram</source>
        <translation>Périodogramme</translation>
    </message>
    <message>
        <source>The power of a sine fitted at each trial period, periods on a logarithmic axis, the highest peak marked.</source>
        <translation>La puissance d&apos;une sinusoïde ajustée à chaque période d&apos;essai, les périodes sur un axe logarithmique, le plus haut pic marqué.</translation>
    </message>
    <message>
        <source>Shor&amp;test period (days)</source>
        <translation>Période mi&amp;nimale (jours)</translation>
    </message>
    <message>
        <source>Shortest period in days</source>
        <translation>Période la plus courte en jours</translation>
    </message>
    <message>
        <source>Periods down to this are searched. It starts at half a day, so that a planet of a period under a day is found.</source>
        <comment>periods of orbits</comment>
        <translation>Les périodes sont cherchées jusqu&apos;à cette valeur. Elle commence à une demi-journée, pour qu&apos;une planète de période inférieure à un jour soit trouvée.</translation>
    </message>
    <message>
        <source>Show the window f&amp;unction</source>
        <translation>Montrer la fonction &amp;fenêtre</translation>
    </message>
    <message>
        <source>Wor&amp;k out</source>
        <translation>Ca&amp;lculer</translation>
    </message>
    <message>
        <source>Work out the periodogram</source>
        <translation>Calculer le périodogramme</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cancel the periodogram</source>
        <translation>Annuler le périodogramme</translation>
    </message>
    <message>
        <source>Periodogram progress</source>
        <translation>Progression du périodogramme</translation>
    </message>
    <message>
        <source>&amp;Periodogram</source>
        <translation>&amp;Périodogramme</translation>
    </message>
    <message>
        <source>Measurements folded on the trial period</source>
        <translation>Mesures repliées sur la période d&apos;essai</translation>
    </message>
    <message>
        <source>Each measurement at its phase on the trial period, from %1 to %2; the ends are repeated, shaded.</source>
        <translation>Chaque mesure à sa phase sur la période d&apos;essai, de %1 à %2&#xa0;; les extrémités sont répétées, ombrées.</translation>
    </message>
    <message>
        <source>Tria&amp;l period</source>
        <comment>of an orbit</comment>
        <translation>Période d&apos;&amp;essai</translation>
    </message>
    <message>
        <source>Trial period, logarithmic</source>
        <translation>Période d&apos;essai, logarithmique</translation>
    </message>
    <message>
        <source> d</source>
        <comment>unit of days after a period</comment>
        <translation> j</translation>
    </message>
    <message>
        <source>Trial period in days</source>
        <translation>Période d&apos;essai en jours</translation>
    </message>
    <message>
        <source>Use the hi&amp;ghest peak</source>
        <translation>Utiliser le plus haut pi&amp;c</translation>
    </message>
    <message>
        <source>Use the highest peak</source>
        <translation>Utiliser le plus haut pic</translation>
    </message>
    <message>
        <source>P&amp;hase fold</source>
        <translation>Repliement en p&amp;hase</translation>
    </message>
    <message>
        <source>&amp;By hand</source>
        <translation>À la &amp;main</translation>
    </message>
    <message>
        <source>Fit</source>
        <comment>the page of the orbit fit</comment>
        <translation>Ajustement</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Saved work (*.json);;All files (*)</source>
        <translation>Travail enregistré (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file cannot be used: its run length %1 lies outside %2 to %3.</source>
        <translation>Le fichier ne peut pas être utilisé&#xa0;: sa durée de campagne %1 sort de l&apos;intervalle de %2 à %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its precision %1 lies outside %2 to %3.</source>
        <translation>Le fichier ne peut pas être utilisé&#xa0;: sa précision %1 sort de l&apos;intervalle de %2 à %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its jitter %1 lies outside %2 to %3.</source>
        <translation>Le fichier ne peut pas être utilisé&#xa0;: son jitter %1 sort de l&apos;intervalle de %2 à %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its shortest period %1 lies outside %2 to %3.</source>
        <translation>Le fichier ne peut pas être utilisé&#xa0;: sa période minimale %1 sort de l&apos;intervalle de %2 à %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its star&apos;s mass for the fit %1 lies outside %2 to %3.</source>
        <translation>Le fichier ne peut pas être utilisé&#xa0;: sa masse de l&apos;étoile pour l&apos;ajustement %1 sort de l&apos;intervalle de %2 à %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its fold period is shorter than half its shortest period.</source>
        <translation>Le fichier ne peut pas être utilisé&#xa0;: sa période de repliement est inférieure à la moitié de sa période minimale.</translation>
    </message>
    <message>
        <source>The file cannot be used: the book has no published measurements of %1.</source>
        <translation>Le fichier ne peut pas être utilisé&#xa0;: le livre n&apos;a aucune mesure publiée de %1.</translation>
    </message>
    <message>
        <source>%1 The run shown is kept.</source>
        <translation>%1 La campagne affichée est conservée.</translation>
    </message>
    <message>
        <source>The file holds no observing run.</source>
        <translation>Le fichier ne contient aucune campagne d&apos;observation.</translation>
    </message>
    <message>
        <source>Save run</source>
        <translation>Enregistrer la campagne</translation>
    </message>
    <message>
        <source>Open run</source>
        <translation>Ouvrir une campagne</translation>
    </message>
    <message>
        <source>No run can cover two cycles of the longest period, %1 days: a periodogram cannot tell it well.</source>
        <translation>Aucune campagne ne peut couvrir deux cycles de la période la plus longue, %1 jours&#xa0;: un périodogramme ne peut pas bien la distinguer.</translation>
    </message>
    <message>
        <source>The run covers less than two cycles of the longest period, %1 days: a periodogram cannot tell it well.</source>
        <translation>La campagne couvre moins de deux cycles de la période la plus longue, %1 jours&#xa0;: un périodogramme ne peut pas bien la distinguer.</translation>
    </message>
    <message numerus="yes">
        <source>Observed %n clear nights of the %1 asked for over %2 days, seed %3.</source>
        <translation>
            <numerusform>%n nuit claire observée sur les %1 demandées, au cours de %2 jours, graine %3.</numerusform>
            <numerusform>%n nuits claires observées sur les %1 demandées, au cours de %2 jours, graine %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n measurements. What orbits it?</source>
        <translation>
            <numerusform>%1&#xa0;: %n mesure. Qu&apos;est-ce qui tourne autour d&apos;elle&#xa0;?</numerusform>
            <numerusform>%1&#xa0;: %n mesures. Qu&apos;est-ce qui tourne autour d&apos;elle&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, published: %n measurements from %2.</source>
        <translation>
            <numerusform>%1, données publiées&#xa0;: %n mesure tirée de %2.</numerusform>
            <numerusform>%1, données publiées&#xa0;: %n mesures tirées de %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n measurements of %1 instruments from a saved run.</source>
        <translation>
            <numerusform>%n mesure de %1 instruments lue dans une campagne enregistrée.</numerusform>
            <numerusform>%n mesures de %1 instruments lues dans une campagne enregistrée.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n measurements from a saved run.</source>
        <translation>
            <numerusform>%n mesure lue dans une campagne enregistrée.</numerusform>
            <numerusform>%n mesures lues dans une campagne enregistrée.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: its files are missing</source>
        <translation>%1&#xa0;: ses fichiers sont manquants</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n measurements (%3)</source>
        <comment>a star, its instruments, its measurements and their papers</comment>
        <translation>
            <numerusform>%1&#xa0;: %2, %n mesure (%3)</numerusform>
            <numerusform>%1&#xa0;: %2, %n mesures (%3)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (The plan on the left is for the chapter&apos;s star, not these data.)</source>
        <translation>%1 (Le plan de gauche concerne l&apos;étoile du chapitre, pas ces données.)</translation>
    </message>
    <message>
        <source>%1 (The plan on the left is the one these data were made with; Observe uses it on the chapter&apos;s star.)</source>
        <translation>%1 (Le plan de gauche est celui avec lequel ces données ont été faites&#xa0;; Observer l&apos;applique à l&apos;étoile du chapitre.)</translation>
    </message>
    <message>
        <source>The open chapter&apos;s star has no planet in use: Observe measures a quiet star.</source>
        <translation>L&apos;étoile du chapitre ouvert n&apos;a aucune planète active&#xa0;: Observer mesure une étoile calme.</translation>
    </message>
    <message>
        <source>Plan a run on the open chapter&apos;s star and press Observe.</source>
        <translation>Planifiez une campagne sur l&apos;étoile du chapitre ouvert et appuyez sur Observer.</translation>
    </message>
    <message>
        <source>No simulation chapter is open: import measurements or open a mystery star.</source>
        <translation>Aucun chapitre de simulation n&apos;est ouvert&#xa0;: importez des mesures ou ouvrez une étoile mystère.</translation>
    </message>
    <message numerus="yes">
        <source>Only %n nights were clear: too few for a periodogram. Ask for more nights, a longer run or better weather.</source>
        <translation>
            <numerusform>Seule %n nuit a été claire&#xa0;: trop peu pour un périodogramme. Demandez plus de nuits, une campagne plus longue ou une meilleure météo.</numerusform>
            <numerusform>Seules %n nuits ont été claires&#xa0;: trop peu pour un périodogramme. Demandez plus de nuits, une campagne plus longue ou une meilleure météo.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file was not read: %1</source>
        <translation>Le fichier n&apos;a pas été lu&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Read %n measurements from %1.</source>
        <translation>
            <numerusform>%n mesure lue dans %1.</numerusform>
            <numerusform>%n mesures lues dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The measurements of %1 were not read: %2</source>
        <translation>Les mesures de %1 n&apos;ont pas été lues&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>The %n measurements of %1.</source>
        <translation>
            <numerusform>%n mesure de %1.</numerusform>
            <numerusform>Les %n mesures de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 The measurements shown are kept.</source>
        <translation>%1 Les mesures affichées sont conservées.</translation>
    </message>
    <message>
        <source>The measurements were not read: %1</source>
        <translation>Les mesures n&apos;ont pas été lues&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Read %n measurements of %1 instruments from %2.</source>
        <translation>
            <numerusform>%n mesure de %1 instruments lue dans %2.</numerusform>
            <numerusform>%n mesures de %1 instruments lues dans %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n measurements of %1 instruments from %2 files.</source>
        <translation>
            <numerusform>%n mesure de %1 instruments lue dans %2 fichiers.</numerusform>
            <numerusform>%n mesures de %1 instruments lues dans %2 fichiers.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n measurements from %1 files.</source>
        <translation>
            <numerusform>%n mesure lue dans %1 fichiers.</numerusform>
            <numerusform>%n mesures lues dans %1 fichiers.</numerusform>
        </translation>
    </message>
    <message>
        <source>The published measurements of %1 were not read: %2</source>
        <translation>Les mesures publiées de %1 n&apos;ont pas été lues&#xa0;: %2</translation>
    </message>
    <message>
        <source>The measurements were not written: %1.</source>
        <translation>Les mesures n&apos;ont pas été écrites&#xa0;: %1.</translation>
    </message>
    <message>
        <source>v less each instrument&apos;s mean (m/s)</source>
        <translation>v moins la moyenne de chaque instrument (m/s)</translation>
    </message>
    <message>
        <source>radial velocity (m/s)</source>
        <translation>vitesse radiale (m/s)</translation>
    </message>
    <message>
        <source>Data: %1.</source>
        <comment>the papers of the published measurements</comment>
        <translation>Données&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Working out the periodogram…</source>
        <translation>Calcul du périodogramme…</translation>
    </message>
    <message>
        <source>The periodogram could not be worked out: %1.</source>
        <translation>Le périodogramme n&apos;a pas pu être calculé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The periodogram could not be worked out.</source>
        <translation>Le périodogramme n&apos;a pas pu être calculé.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>The periodogram was cancelled. Press Work out to start it again.</source>
        <translation>Le périodogramme a été annulé. Appuyez sur Calculer pour le relancer.</translation>
    </message>
    <message>
        <source>Highest peak: %1; false-alarm probability %2.</source>
        <translation>Plus haut pic&#xa0;: %1&#xa0;; probabilité de fausse alarme %2.</translation>
    </message>
    <message>
        <source>No periodogram: every measurement was taken at the same time, so there is no time span in which to look for a period.</source>
        <translation>Pas de périodogramme&#xa0;: toutes les mesures ont été prises au même instant, il n&apos;y a donc aucun intervalle de temps où chercher une période.</translation>
    </message>
    <message>
        <source>No periodogram yet.</source>
        <translation>Pas encore de périodogramme.</translation>
    </message>
    <message>
        <source>Import measurements: one file, or one per instrument</source>
        <translation>Importer des mesures&#xa0;: un fichier, ou un par instrument</translation>
    </message>
    <message>
        <source>Measurements (*.csv *.tsv *.txt *.dat *.vels *.rdb);;All files (*)</source>
        <translation>Mesures (*.csv *.tsv *.txt *.dat *.vels *.rdb);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save the fit</source>
        <translation>Enregistrer l&apos;ajustement</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save the residuals</source>
        <translation>Enregistrer les résidus</translation>
    </message>
    <message>
        <source>Export measurements</source>
        <translation>Exporter les mesures</translation>
    </message>
    <message>
        <source>Printing failed: the printer cannot be opened.</source>
        <translation>L&apos;impression a échoué&#xa0;: l&apos;imprimante ne peut pas être ouverte.</translation>
    </message>
    <message>
        <source>Printing failed: the printer took no further page.</source>
        <translation>L&apos;impression a échoué&#xa0;: l&apos;imprimante n&apos;a pas accepté de page supplémentaire.</translation>
    </message>
    <message>
        <source>Printing failed.</source>
        <translation>L&apos;impression a échoué.</translation>
    </message>
    <message>
        <source>Observing run: %1 nights over %2 days, precision %3 m/s, jitter %4 m/s, observable %5 % of the year, %6 % of nights lost to weather, seed %7</source>
        <translation>Campagne d&apos;observation : %1 nuits sur %2 jours, précision %3 m/s, jitter %4 m/s, observable %5 % de l&apos;année, %6 % des nuits perdues à cause de la météo, graine %7</translation>
    </message>
</context>
<context>
    <name>Orbit fit</name>
    <message>
        <source>Fit</source>
        <comment>the page of the orbit fit</comment>
        <translation>Ajustement</translation>
    </message>
    <message>
        <source>Measurements with the fitted curve</source>
        <translation>Mesures avec la courbe ajustée</translation>
    </message>
    <message>
        <source>The measurements less each instrument&apos;s fitted offset and the trend, with their error bars, and the fitted planets&apos; curve in green.</source>
        <translation>Les mesures moins le décalage ajusté de chaque instrument et la dérive, avec leurs barres d&apos;erreur, et la courbe des planètes ajustées en vert.</translation>
    </message>
    <message>
        <source>Residuals</source>
        <translation>Résidus</translation>
    </message>
    <message>
        <source>Each measurement less the fitted curve, with its error bar, against time.</source>
        <translation>Chaque mesure moins la courbe ajustée, avec sa barre d&apos;erreur, en fonction du temps.</translation>
    </message>
    <message>
        <source>Periodogram of the residuals</source>
        <translation>Périodogramme des résidus</translation>
    </message>
    <message>
        <source>Where the next planet would be sought: the periodogram of what the fitted planets leave.</source>
        <translation>Où la planète suivante serait cherchée&#xa0;: le périodogramme de ce que laissent les planètes ajustées.</translation>
    </message>
    <message>
        <source>Fit one &amp;more planet</source>
        <translation>Une &amp;planète de plus</translation>
    </message>
    <message>
        <source>Fit one more planet</source>
        <translation>Ajuster une planète de plus</translation>
    </message>
    <message>
        <source>Remove the &amp;last</source>
        <translation>Retirer la &amp;dernière</translation>
    </message>
    <message>
        <source>Remove the last planet fitted</source>
        <translation>Retirer la dernière planète ajustée</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cancel the fit</source>
        <translation>Annuler l&apos;ajustement</translation>
    </message>
    <message>
        <source>Fit a ji&amp;tter</source>
        <translation>Ajuster ji&amp;tter</translation>
    </message>
    <message>
        <source>Fit a jitter for each instrument</source>
        <translation>Ajuster un jitter pour chaque instrument</translation>
    </message>
    <message>
        <source>Star&apos;s mass in solar masses</source>
        <translation>Masse de l&apos;étoile en masses solaires</translation>
    </message>
    <message>
        <source>Star (M☉)</source>
        <translation>Étoile (M☉)</translation>
    </message>
    <message>
        <source>none</source>
        <comment>trend</comment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>linear</source>
        <comment>trend</comment>
        <translation>linéaire</translation>
    </message>
    <message>
        <source>quadratic</source>
        <comment>trend</comment>
        <translation>quadratique</translation>
    </message>
    <message>
        <source>Trend fitted with the planets</source>
        <translation>Dérive ajustée avec les planètes</translation>
    </message>
    <message>
        <source>Trends</source>
        <translation>Dérives</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Dérive</translation>
    </message>
    <message>
        <source>Circular orbit</source>
        <translation>Orbite circulaire</translation>
    </message>
    <message>
        <source>Hold the next planet&apos;s orbit circular</source>
        <translation>Garder circulaire l&apos;orbite de la planète suivante</translation>
    </message>
    <message>
        <source>Period of the next planet in days</source>
        <translation>Période de la planète suivante en jours</translation>
    </message>
    <message>
        <source>Period (da&amp;ys)</source>
        <comment>of an orbit</comment>
        <translation>Période (&amp;jours)</translation>
    </message>
    <message>
        <source>Hold</source>
        <comment>keep the typed period fixed</comment>
        <translation>Fixer</translation>
    </message>
    <message>
        <source>Hold the typed period</source>
        <translation>Fixer la période saisie</translation>
    </message>
    <message>
        <source>Fit at this period</source>
        <translation>À cette période</translation>
    </message>
    <message>
        <source>Fit one more planet at the typed period</source>
        <translation>Ajuster une planète de plus à la période saisie</translation>
    </message>
    <message>
        <source>Fit progress</source>
        <translation>Progression de l&apos;ajustement</translation>
    </message>
    <message>
        <source>Fitted planets</source>
        <translation>Planètes ajustées</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Offset (m/s)</source>
        <translation>Décalage (m/s)</translation>
    </message>
    <message>
        <source>Jitter (m/s)</source>
        <translation>Jitter (m/s)</translation>
    </message>
    <message>
        <source>Each instrument&apos;s fitted offset and jitter</source>
        <translation>Le décalage et le jitter ajustés de chaque instrument</translation>
    </message>
    <message>
        <source>Fit summary</source>
        <translation>Résumé de l&apos;ajustement</translation>
    </message>
    <message>
        <source>Compare with the tr&amp;uth</source>
        <translation>Comparer avec la &amp;vérité</translation>
    </message>
    <message>
        <source>Compare with the truth</source>
        <translation>Comparer avec la vérité</translation>
    </message>
    <message>
        <source>%1 (%2 to %3)</source>
        <comment>a median and its interval</comment>
        <translation>%1 (%2 à %3)</translation>
    </message>
    <message>
        <source>The fit was not written: %1.</source>
        <translation>L&apos;ajustement n&apos;a pas été écrit&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The residuals file was not written: %1.</source>
        <translation>Le fichier des résidus n&apos;a pas été écrit&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Seeking one more planet...</source>
        <translation>Recherche d&apos;une planète de plus...</translation>
    </message>
    <message>
        <source>Fitting...</source>
        <translation>Ajustement...</translation>
    </message>
    <message>
        <source>The residuals&apos; periodogram stopped: %1.</source>
        <translation>Le périodogramme des résidus s&apos;est arrêté&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The fit stopped: %1.</source>
        <translation>L&apos;ajustement s&apos;est arrêté&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Cancelled: the last fit is kept.</source>
        <translation>Annulé&#xa0;: le dernier ajustement est conservé.</translation>
    </message>
    <message>
        <source>Cancelled when the window closed: the last fit is kept.</source>
        <translation>Annulé à la fermeture de la fenêtre&#xa0;: le dernier ajustement est conservé.</translation>
    </message>
    <message>
        <source>Seeking one more planet... then refitting with the new settings.</source>
        <translation>Recherche d&apos;une planète de plus... puis nouvel ajustement avec les nouveaux réglages.</translation>
    </message>
    <message>
        <source>Fitting... then refitting with the new settings.</source>
        <translation>Ajustement... puis nouvel ajustement avec les nouveaux réglages.</translation>
    </message>
    <message>
        <source>Show the res&amp;ults</source>
        <translation>Montrer les rés&amp;ultats</translation>
    </message>
    <message numerus="yes">
        <source>rms %1 m/s, trend %2 m/s/d, %n measurements; %3</source>
        <translation>
            <numerusform>rms %1 m/s, dérive %2 m/s/j, %n mesure&#xa0;; %3</numerusform>
            <numerusform>rms %1 m/s, dérive %2 m/s/j, %n mesures&#xa0;; %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rms %1 m/s, %n measurements; %2</source>
        <translation>
            <numerusform>rms %1 m/s, %n mesure&#xa0;; %2</numerusform>
            <numerusform>rms %1 m/s, %n mesures&#xa0;; %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rms %1 m/s, reduced χ² %2, trend %3 m/s/d, BIC %4, %n measurements</source>
        <translation>
            <numerusform>rms %1 m/s, χ² réduit %2, dérive %3 m/s/j, BIC %4, %n mesure</numerusform>
            <numerusform>rms %1 m/s, χ² réduit %2, dérive %3 m/s/j, BIC %4, %n mesures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rms %1 m/s, reduced χ² %2, BIC %3, %n measurements</source>
        <translation>
            <numerusform>rms %1 m/s, χ² réduit %2, BIC %3, %n mesure</numerusform>
            <numerusform>rms %1 m/s, χ² réduit %2, BIC %3, %n mesures</numerusform>
        </translation>
    </message>
    <message>
        <source>No measurements to fit.</source>
        <translation>Aucune mesure à ajuster.</translation>
    </message>
    <message>
        <source>Press “Fit one more planet”.</source>
        <translation>Appuyez sur «&#xa0;Une planète de plus&#xa0;».</translation>
    </message>
    <message>
        <source>Evidence for the last planet</source>
        <translation>Indices en faveur de la dernière planète</translation>
    </message>
    <message>
        <source>Orbit fit</source>
        <translation>Ajustement d&apos;orbite</translation>
    </message>
    <message>
        <source>%1: offset %2 m/s, jitter %3 m/s</source>
        <translation>%1&#xa0;: décalage %2 m/s, jitter %3 m/s</translation>
    </message>
    <message>
        <source>%1: offset %2 m/s</source>
        <translation>%1&#xa0;: décalage %2 m/s</translation>
    </message>
    <message>
        <source>How sure? The orbits that fit the measurements, each value&apos;s median and 68 % interval from %1 steps of %2 walkers: converged.</source>
        <translation>Quelle certitude&#xa0;? Les orbites qui s&apos;ajustent aux mesures, la médiane et l&apos;intervalle à 68&#xa0;% de chaque valeur d&apos;après %1 pas de %2 marcheurs&#xa0;: convergé.</translation>
    </message>
    <message>
        <source>How sure? The orbits that fit the measurements, each value&apos;s median and 68 % interval from %1 steps of %2 walkers: not converged, so the intervals are rough.</source>
        <translation>Quelle certitude&#xa0;? Les orbites qui s&apos;ajustent aux mesures, la médiane et l&apos;intervalle à 68&#xa0;% de chaque valeur d&apos;après %1 pas de %2 marcheurs&#xa0;: pas de convergence, les intervalles sont donc approximatifs.</translation>
    </message>
    <message>
        <source>%1: P %2 days, K %3 m/s, e %4, ω %5°, m sin i %6 Mⱼ, a %7 AU</source>
        <translation>%1&#xa0;: P %2 jours, K %3 m/s, e %4, ω %5°, m sin i %6 Mⱼ, a %7 AU</translation>
    </message>
    <message>
        <source>P (days)</source>
        <comment>the period of an orbit</comment>
        <translation>P (jours)</translation>
    </message>
    <message>
        <source>a (AU)</source>
        <comment>the semi-major axis</comment>
        <translation>a (AU)</translation>
    </message>
    <message>
        <source>not fitted</source>
        <translation>non ajustée</translation>
    </message>
    <message>
        <source>true %1</source>
        <comment>the true planet of a letter</comment>
        <translation>vraie %1</translation>
    </message>
    <message>
        <source>no true planet</source>
        <translation>aucune planète vraie</translation>
    </message>
    <message>
        <source>No fit could be made.</source>
        <translation>Aucun ajustement n&apos;a pu être fait.</translation>
    </message>
    <message>
        <source>No fit could be made: %1</source>
        <comment>%1 is the reason, ending with a full stop</comment>
        <translation>Aucun ajustement n&apos;a pu être fait&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Planet parameters</name>
    <message>
        <source>semi-major axis</source>
        <translation>demi-grand axe</translation>
    </message>
    <message>
        <source>Semi-major axis a</source>
        <translation>Demi-grand axe a</translation>
    </message>
    <message>
        <source>The size of the orbit: half its longest diameter, from 0.01 to 100 AU.</source>
        <translation>La taille de l&apos;orbite&#xa0;: la moitié de son plus grand diamètre, de 0,01 à 100 AU.</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>Excentricité</translation>
    </message>
    <message>
        <source>Eccentricity e</source>
        <translation>Excentricité e</translation>
    </message>
    <message>
        <source>How far the orbit is from a circle: 0 is a circle, near 1 a long, thin ellipse.</source>
        <translation>L&apos;écart entre l&apos;orbite et un cercle&#xa0;: 0 pour un cercle, près de 1 pour une ellipse longue et fine.</translation>
    </message>
    <message>
        <source>Orbit Inclination</source>
        <translation>Inclinaison de l&apos;orbite</translation>
    </message>
    <message>
        <source>Inclination i</source>
        <translation>Inclinaison i</translation>
    </message>
    <message>
        <source>The angle between the line of sight and the orbit&apos;s normal: 90° is edge-on, 0° face-on.</source>
        <translation>L&apos;angle entre la ligne de visée et la normale à l&apos;orbite&#xa0;: 90° pour une orbite vue par la tranche, 0° vue de face.</translation>
    </message>
    <message>
        <source>Orbit Azimuth</source>
        <translation>Azimut de l&apos;orbite</translation>
    </message>
    <message>
        <source>Azimuth φ</source>
        <translation>Azimut φ</translation>
    </message>
    <message>
        <source>φ turns the plane of the orbit about the line of sight.</source>
        <translation>φ fait tourner le plan de l&apos;orbite autour de la ligne de visée.</translation>
    </message>
    <message>
        <source>Orientation of the ellipse</source>
        <translation>Orientation de l&apos;ellipse</translation>
    </message>
    <message>
        <source>Orientation ψ</source>
        <translation>Orientation ψ</translation>
    </message>
    <message>
        <source>ψ turns the ellipse within its own plane.</source>
        <translation>ψ fait tourner l&apos;ellipse dans son propre plan.</translation>
    </message>
    <message>
        <source>Planet Mass</source>
        <translation>Masse de la planète</translation>
    </message>
    <message>
        <source>Planet mass m</source>
        <translation>Masse de la planète m</translation>
    </message>
    <message>
        <source>The planet&apos;s mass, from 0.01 to 10 Jupiter masses.</source>
        <translation>La masse de la planète, de 0,01 à 10 masses de Jupiter.</translation>
    </message>
    <message>
        <source>Star Mass</source>
        <translation>Masse de l&apos;étoile</translation>
    </message>
    <message>
        <source>Star mass ms</source>
        <translation>Masse de l&apos;étoile ms</translation>
    </message>
    <message>
        <source>The star&apos;s mass, from 0.1 to 100 solar masses.</source>
        <translation>La masse de l&apos;étoile, de 0,1 à 100 masses solaires.</translation>
    </message>
    <message>
        <source>Edit parameters</source>
        <translation>Modifier les paramètres</translation>
    </message>
    <message>
        <source>Planet 1</source>
        <translation>Planète 1</translation>
    </message>
    <message>
        <source>Planet name</source>
        <translation>Nom de la planète</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>%1 AU</source>
        <comment>a distance in astronomical units</comment>
        <translation>%1 AU</translation>
    </message>
    <message>
        <source>%1 Jupiter mass</source>
        <translation>%1 masse de Jupiter</translation>
    </message>
    <message>
        <source>%1 Jupiter masses</source>
        <translation>%1 masses de Jupiter</translation>
    </message>
    <message>
        <source>%1 solar mass</source>
        <translation>%1 masse solaire</translation>
    </message>
    <message>
        <source>%1 solar masses</source>
        <translation>%1 masses solaires</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>“%1” (the first choice).</source>
        <translation>«&#xa0;%1&#xa0;» (le premier choix).</translation>
    </message>
    <message>
        <source>“%1” (the second choice).</source>
        <translation>«&#xa0;%1&#xa0;» (le deuxième choix).</translation>
    </message>
    <message>
        <source>“%1” (the third choice).</source>
        <translation>«&#xa0;%1&#xa0;» (le troisième choix).</translation>
    </message>
    <message>
        <source>Please type a valid number!</source>
        <translation>Veuillez saisir un nombre valide&#xa0;!</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>the button that hands in an answer</comment>
        <translation>Valider</translation>
    </message>
</context>
<context>
    <name>Real data</name>
    <message>
        <source>Its two giants, at 61 and 30 days, lie in a 2:1 resonance and pull each other&apos;s orbits round within the years of these measurements: fixed Keplerian orbits cannot follow them. Fitted so, c comes out nearly circular and a harmonic at 15 days looks like one more planet. Four planets are known; the fit takes four.</source>
        <translation>Ses deux géantes, à 61 et 30 jours, sont en résonance 2:1 et font tourner leurs orbites l&apos;une l&apos;autre pendant les années de ces mesures : des orbites képlériennes fixes ne peuvent pas les suivre. Ajustée ainsi, c paraît presque circulaire et une harmonique à 15 jours ressemble à une planète de plus. Quatre planètes sont connues ; l&apos;ajustement en prend quatre.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1 ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1 is too large for a table of measurements.</source>
        <translation>%1 est trop grand pour une table de mesures.</translation>
    </message>
    <message>
        <source>%1 names no star or no file of measurements.</source>
        <translation>%1 ne nomme aucune étoile ou aucun fichier de mesures.</translation>
    </message>
    <message>
        <source>%1 names %2, which is not a file beside it.</source>
        <translation>%1 nomme %2, qui n&apos;est pas un fichier à côté de lui.</translation>
    </message>
    <message>
        <source>from the data&apos;s system file</source>
        <translation>d&apos;après le fichier système des données</translation>
    </message>
    <message>
        <source>from %1, as on the card of real systems</source>
        <translation>d&apos;après %1, comme sur la fiche des systèmes réels</translation>
    </message>
    <message>
        <source>No data come with the book for %1.</source>
        <translation>Le livre ne fournit pas de données pour %1.</translation>
    </message>
</context>
<context>
    <name>Real planetary systems</name>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Star mass
(solar)</source>
        <translation>M étoile
(solaire)</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planète</translation>
    </message>
    <message>
        <source>P (days)</source>
        <translation>P (jours)</translation>
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
(Jupiter)</translation>
    </message>
    <message>
        <source>a (AU)</source>
        <translation>a (AU)</translation>
    </message>
    <message>
        <source>The Sun, seen from afar</source>
        <translation>Le Soleil, vu de loin</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturne</translation>
    </message>
    <message>
        <source>The first planet found around a Sun-like star: a giant closer to its star than Mercury.</source>
        <translation>Première planète trouvée autour d&apos;une étoile de type solaire&#xa0;: une géante plus près d&apos;elle que Mercure.</translation>
    </message>
    <message>
        <source>the mass with which Butler et al. 2006&apos;s K gives their m sin i (mass function); the 1.11 of later catalogues gives K 1.1 % below theirs</source>
        <translation>la masse avec laquelle le K de Butler et al. 2006 donne leur m sin i (fonction de masse)&#xa0;; la valeur 1,11 des catalogues plus récents donne un K inférieur de 1,1&#xa0;% au leur</translation>
    </message>
    <message>
        <source>Butler et al. 2006, table of orbital solutions, columns P, K, e, ω, M sin i; all five confirmed against copies of that row (ω = 58°, 1.012291 rad)</source>
        <translation>Butler et al. 2006, table des solutions orbitales, colonnes P, K, e, ω, M sin i&#xa0;; les cinq valeurs vérifiées sur des copies de cette ligne (ω = 58°, 1,012291 rad)</translation>
    </message>
    <message>
        <source>A heavy planet on a clearly eccentric orbit: the curve is no longer a sine wave.</source>
        <translation>Une planète massive sur une orbite nettement excentrique&#xa0;: la courbe n&apos;est plus une sinusoïde.</translation>
    </message>
    <message>
        <source>Kane et al. 2015&apos;s stellar table; its K and m sin i agree with it</source>
        <translation>table stellaire de Kane et al. 2015&#xa0;; les K et m sin i de l&apos;article concordent avec elle</translation>
    </message>
    <message>
        <source>Kane et al. 2015, table of the Keplerian orbit, columns P, K, e, ω, M sin i; not confirmed against a copy</source>
        <translation>Kane et al. 2015, table de l&apos;orbite képlérienne, colonnes P, K, e, ω, M sin i&#xa0;; non vérifié sur une copie</translation>
    </message>
    <message>
        <source>A very eccentric orbit: the velocity hardly changes for weeks, then swings in days.</source>
        <translation>Orbite très excentrique&#xa0;: la vitesse varie à peine durant des semaines, puis bascule en quelques jours.</translation>
    </message>
    <message>
        <source>Hébrard et al. 2010&apos;s stellar parameters; not confirmed against a copy</source>
        <translation>paramètres stellaires de Hébrard et al. 2010&#xa0;; non vérifiés sur une copie</translation>
    </message>
    <message>
        <source>Hébrard et al. 2010, table of fitted and derived parameters, columns P, K, e, ω, M_p; ω = 300.8° as a copy of that solution gives it (the 300.651° the card had is not in it); P, e, K and M_p not confirmed against a copy of the table</source>
        <translation>Hébrard et al. 2010, table des paramètres ajustés et dérivés, colonnes P, K, e, ω, M_p&#xa0;; ω = 300,8° tel que le donne une copie de cette solution (les 300,651° qu&apos;indiquait la fiche n&apos;y figurent pas)&#xa0;; P, e, K et M_p non vérifiés sur une copie de la table</translation>
    </message>
    <message>
        <source>Two giants on nearly circular orbits of years, like Jupiter and Saturn.</source>
        <translation>Deux géantes sur des orbites presque circulaires de plusieurs années, comme Jupiter et Saturne.</translation>
    </message>
    <message>
        <source>Gregory &amp; Fischer 2010; its K and m sin i agree with it</source>
        <translation>Gregory &amp; Fischer 2010&#xa0;; les K et m sin i de l&apos;article concordent avec elle</translation>
    </message>
    <message>
        <source>Gregory &amp; Fischer 2010, table of the two-planet solution, columns P, K, e, ω, M sin i; not confirmed against a copy</source>
        <translation>Gregory &amp; Fischer 2010, table de la solution à deux planètes, colonnes P, K, e, ω, M sin i&#xa0;; non vérifié sur une copie</translation>
    </message>
    <message>
        <source>Gregory &amp; Fischer 2010, table of the two-planet solution, columns P, e, ω, M sin i; K computed; not confirmed against a copy</source>
        <translation>Gregory &amp; Fischer 2010, table de la solution à deux planètes, colonnes P, e, ω, M sin i&#xa0;; K calculé&#xa0;; non vérifié sur une copie</translation>
    </message>
    <message>
        <source>The first system of several planets found around a Sun-like star this way.</source>
        <translation>Le premier système à plusieurs planètes trouvé ainsi autour d&apos;une étoile de type solaire.</translation>
    </message>
    <message>
        <source>McArthur et al. 2010, the primary&apos;s mass M★ = 1.31 their masses are computed with (confirmed against the catalogue&apos;s abstract)</source>
        <translation>McArthur et al. 2010, la masse de l&apos;étoile principale M★ = 1,31 avec laquelle leurs masses sont calculées (vérifiée sur le résumé du catalogue)</translation>
    </message>
    <message>
        <source>McArthur et al. 2010, table of the orbital solution, columns P, K, e, ω, M sin i; ω = 44° from a catalogue copy of that solution, the rest not confirmed</source>
        <translation>McArthur et al. 2010, table de la solution orbitale, colonnes P, K, e, ω, M sin i&#xa0;; ω = 44° d&apos;après la copie de cette solution dans un catalogue, le reste non vérifié</translation>
    </message>
    <message>
        <source>McArthur et al. 2010, table of the orbital solution, columns P, K, e, ω, M sin i; not confirmed against a copy</source>
        <translation>McArthur et al. 2010, table de la solution orbitale, colonnes P, K, e, ω, M sin i&#xa0;; non vérifié sur une copie</translation>
    </message>
    <message>
        <source>McArthur et al. 2010, table of the orbital solution, columns P, K, e, ω, M sin i; P and e confirmed against an encyclopaedia copy citing it</source>
        <translation>McArthur et al. 2010, table de la solution orbitale, colonnes P, K, e, ω, M sin i&#xa0;; P et e vérifiés sur la copie d&apos;une encyclopédie qui la cite</translation>
    </message>
    <message>
        <source>Two giants in a 2:1 resonance pull each other round: no fixed orbit follows them.</source>
        <translation>Deux géantes en résonance 2:1 s&apos;entraînent mutuellement&#xa0;: aucune orbite fixe ne les suit.</translation>
    </message>
    <message>
        <source>Rivera et al. 2010, the star&apos;s mass their planets&apos; masses are computed with; not confirmed against a copy</source>
        <translation>Rivera et al. 2010, la masse de l&apos;étoile avec laquelle les masses de leurs planètes sont calculées&#xa0;; non vérifiée sur une copie</translation>
    </message>
    <message>
        <source>Rivera et al. 2010, table of the coplanar four-planet fit, columns P, K, e, ω and the mass (6.83 Earth masses); m sin i computed at i = 59°; P, e, ω and the mass confirmed against an encyclopaedia copy citing it</source>
        <translation>Rivera et al. 2010, table de l&apos;ajustement coplanaire à quatre planètes, colonnes P, K, e, ω et la masse (6,83 masses terrestres)&#xa0;; m sin i calculé pour i = 59°&#xa0;; P, e, ω et la masse vérifiés sur la copie d&apos;une encyclopédie qui la cite</translation>
    </message>
    <message>
        <source>Rivera et al. 2010, table of the coplanar four-planet fit, columns P, K, e, ω and the mass (0.7142 Jupiter masses); m sin i computed at i = 59°; all five confirmed against an encyclopaedia copy citing it</source>
        <translation>Rivera et al. 2010, table de l&apos;ajustement coplanaire à quatre planètes, colonnes P, K, e, ω et la masse (0,7142 masse de Jupiter)&#xa0;; m sin i calculé pour i = 59°&#xa0;; les cinq valeurs vérifiées sur la copie d&apos;une encyclopédie qui la cite</translation>
    </message>
    <message>
        <source>Rivera et al. 2010, table of the coplanar four-planet fit, columns P, K, e, ω and the mass (2.2756 Jupiter masses); m sin i computed at i = 59°; P, e and the mass confirmed against an encyclopaedia copy citing it</source>
        <translation>Rivera et al. 2010, table de l&apos;ajustement coplanaire à quatre planètes, colonnes P, K, e, ω et la masse (2,2756 masses de Jupiter)&#xa0;; m sin i calculé pour i = 59°&#xa0;; P, e et la masse vérifiés sur la copie d&apos;une encyclopédie qui la cite</translation>
    </message>
    <message>
        <source>What our own Jupiter does to the Sun: about 12 m/s, repeating every twelve years.</source>
        <translation>Ce que notre Jupiter fait au Soleil&#xa0;: environ 12 m/s, qui se répètent tous les douze ans.</translation>
    </message>
    <message>
        <source>the Sun&apos;s mass, by definition</source>
        <translation>la masse du Soleil, par définition</translation>
    </message>
    <message>
        <source>the fact sheet&apos;s columns sidereal period, eccentricity and mass, confirmed against its current values; K computed; ω left undefined, as it depends on where the Sun is seen from</source>
        <translation>colonnes période sidérale, excentricité et masse de la fiche de données, vérifiées sur ses valeurs actuelles&#xa0;; K calculé&#xa0;; ω laissé indéfini, car il dépend du point d&apos;où l&apos;on voit le Soleil</translation>
    </message>
    <message>
        <source>Choose a system, then press Set up: its planets replace those of the simulation, seen edge-on, with m = m sin i and the published ω.</source>
        <translation>Choisissez un système, puis appuyez sur Charger&#xa0;: ses planètes remplacent celles de la simulation, vues par la tranche, avec m = m sin i et le ω publié.</translation>
    </message>
    <message>
        <source>Here the card is for reading. In the chapter &quot;Free experiment&quot;, Set up puts the chosen system into the simulation.</source>
        <translation>Ici, la fiche sert à la lecture. Dans le chapitre «&#xa0;Expérimentation libre&#xa0;», Charger place le système choisi dans la simulation.</translation>
    </message>
    <message>
        <source>Real planetary systems</source>
        <translation>Systèmes planétaires réels</translation>
    </message>
    <message>
        <source>m sin i is the least mass the planet can have: the spectrum gives its mass times the sine of the orbit&apos;s inclination († marks a true mass, where the inclination is known). Astrometry gives Upsilon Andromedae c and d true masses of about 14 and 10 Jupiter masses, far above m sin i. Gliese 876&apos;s giants c and b pull each other round in their 2:1 resonance within a few years: a fit of fixed orbits to its measurements makes c nearly circular and adds a harmonic at 15 days that is no planet. Its m sin i come from the masses of a fit with the pulls, at the inclination it finds (59°); its fourth planet, e (124 days), is left out, as the simulation holds three. ω, the argument of periastron, sets the shape of the curve; for the Sun&apos;s planets it depends on where the Sun is seen from (—). * marks a K computed from the source&apos;s elements. a is derived from P and the masses, so the simulated periods are the catalogue&apos;s. Every planet starts at periastron at time 0, so the curves of several planets add up to an offset at the start. Set up puts these values into the simulation exactly; moving a slider afterwards takes that slider&apos;s steps.</source>
        <translation>m sin i est la plus petite masse que la planète puisse avoir&#xa0;: le spectre donne sa masse multipliée par le sinus de l&apos;inclinaison de l&apos;orbite († signale une masse vraie, quand l&apos;inclinaison est connue). L&apos;astrométrie donne à Upsilon Andromedae c et d des masses vraies d&apos;environ 14 et 10 masses de Jupiter, bien au-dessus de m sin i. Les géantes c et b de Gliese 876 s&apos;entraînent mutuellement dans leur résonance 2:1 en quelques années&#xa0;: un ajustement d&apos;orbites fixes à ses mesures rend c presque circulaire et ajoute une harmonique à 15 jours qui n&apos;est pas une planète. Ses m sin i viennent des masses d&apos;un ajustement qui tient compte de ces attractions, à l&apos;inclinaison qu&apos;il trouve (59°)&#xa0;; sa quatrième planète, e (124 jours), est laissée de côté, car la simulation en contient trois. ω, l&apos;argument du périastre, fixe la forme de la courbe&#xa0;; pour les planètes du Soleil, il dépend du point d&apos;où l&apos;on voit le Soleil (—). * signale un K calculé à partir des éléments de la source. a est déduit de P et des masses, si bien que les périodes simulées sont celles du catalogue. Chaque planète part du périastre à l&apos;instant 0&#xa0;: les courbes de plusieurs planètes s&apos;additionnent donc en un décalage au départ. Charger place exactement ces valeurs dans la simulation&#xa0;; déplacer ensuite un curseur suit les pas de ce curseur.</translation>
    </message>
    <message>
        <source>Sources: %1.</source>
        <comment>the citations, separated by semicolons</comment>
        <translation>Sources&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Open the published measurements of the chosen star</source>
        <translation>Ouvre les mesures publiées de l&apos;étoile choisie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>the time must lie between %1 and %2 days</source>
        <translation>la date doit être comprise entre %1 et %2 jours</translation>
    </message>
    <message>
        <source>the velocity must lie between %1 and %2 m/s (the speed of light)</source>
        <translation>la vitesse doit être comprise entre %1 et %2 m/s (la vitesse de la lumière)</translation>
    </message>
    <message>
        <source>the error must be a positive number</source>
        <translation>l&apos;erreur doit être un nombre positif</translation>
    </message>
    <message>
        <source>the error must lie between %1 m/s and %2 m/s (the speed of light)</source>
        <translation>l&apos;erreur doit être comprise entre %1 m/s et %2 m/s (la vitesse de la lumière)</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB; the book reads up to %1 MB of measurements.</source>
        <translation>Le fichier dépasse %1 Mo ; le livre lit au plus %1 Mo de mesures.</translation>
    </message>
    <message>
        <source>The file has more than %1 rows; the book reads up to %1 measurements.</source>
        <translation>Le fichier a plus de %1 lignes ; le livre lit au plus %1 mesures.</translation>
    </message>
    <message>
        <source>The file holds 1 measurement; at least %2 are needed.</source>
        <translation>Le fichier contient 1 mesure ; il en faut au moins %2.</translation>
    </message>
    <message>
        <source>The file holds %1 measurements; at least %2 are needed.</source>
        <translation>Le fichier contient %1 mesures ; il en faut au moins %2.</translation>
    </message>
    <message>
        <source>with it the files hold more than %1 measurements; the book reads up to %1.</source>
        <translation>avec lui, les fichiers contiennent plus de %1 mesures ; le livre en lit au plus %1.</translation>
    </message>
    <message>
        <source>with it the files name more than %1 instruments; the book fits up to %1.</source>
        <translation>avec lui, les fichiers nomment plus de %1 instruments ; le livre en ajuste au plus %1.</translation>
    </message>
    <message>
        <source>an instrument&apos;s name is longer than the %1 bytes the book keeps of a name.</source>
        <translation>le nom d&apos;un instrument dépasse les %1 octets que le livre garde d&apos;un nom.</translation>
    </message>
    <message>
        <source>The measurements span less than %1 days (%2 seconds); a period can only be sought in measurements spread over more.</source>
        <translation>Les mesures couvrent moins de %1 jours (%2 secondes) ; on ne peut chercher une période que dans des mesures étalées sur plus longtemps.</translation>
    </message>
    <message>
        <source>the time is not a number</source>
        <translation>la date n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>the velocity is not a number</source>
        <translation>la vitesse n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>the time must be a finite number</source>
        <translation>la date doit être un nombre fini</translation>
    </message>
    <message>
        <source>the velocity must be a finite number</source>
        <translation>la vitesse doit être un nombre fini</translation>
    </message>
    <message>
        <source>The file is written in UTF-16; save it as plain text (UTF-8 or ASCII) and import it again.</source>
        <translation>Le fichier est écrit en UTF-16 ; enregistre-le en texte brut (UTF-8 ou ASCII) et importe-le à nouveau.</translation>
    </message>
    <message>
        <source>expected three columns (time, velocity, error), found %1</source>
        <translation>trois colonnes attendues (date, vitesse, erreur), %1 trouvées</translation>
    </message>
    <message>
        <source>its times are dates and those of the files before are not; choose the same kind of time for every file.</source>
        <translation>ses dates sont des dates juliennes et celles des fichiers précédents non ; choisis le même type de date pour chaque fichier.</translation>
    </message>
    <message>
        <source>its times are days of an epoch of its own and those of the files before are not; choose the same kind of time for every file.</source>
        <translation>ses dates sont des jours depuis une époque propre et celles des fichiers précédents non ; choisis le même type de date pour chaque fichier.</translation>
    </message>
    <message>
        <source>The data set</source>
        <translation>Le jeu de données</translation>
    </message>
    <message>
        <source>there are %1 measurements; a data set needs at least %2.</source>
        <translation>il y a %1 mesures ; un jeu de données en demande au moins %2.</translation>
    </message>
    <message>
        <source>The table has %1 columns; choose the time, velocity and error among them.</source>
        <translation>La table a %1 colonnes ; choisis parmi elles la date, la vitesse et l&apos;erreur.</translation>
    </message>
    <message>
        <source>The table has no column %1 for the instrument.</source>
        <translation>La table n&apos;a pas de colonne %1 pour l&apos;instrument.</translation>
    </message>
    <message>
        <source>the time %1 is not a finite number.</source>
        <translation>la date %1 n&apos;est pas un nombre fini.</translation>
    </message>
    <message>
        <source>the velocity %1 is not a finite number.</source>
        <translation>la vitesse %1 n&apos;est pas un nombre fini.</translation>
    </message>
    <message>
        <source>the error %1 is not a finite number.</source>
        <translation>l&apos;erreur %1 n&apos;est pas un nombre fini.</translation>
    </message>
    <message>
        <source>the error %1 is not above 0.</source>
        <translation>l&apos;erreur %1 n&apos;est pas supérieure à 0.</translation>
    </message>
    <message>
        <source>the time %1 is beyond any date in days; are the times in seconds?</source>
        <translation>la date %1 dépasse toute date en jours ; les dates sont-elles en secondes ?</translation>
    </message>
    <message>
        <source>the time %1 is no Julian date (those are above %2); choose MJD or days.</source>
        <translation>la date %1 n&apos;est pas une date julienne (celles-ci dépassent %2) ; choisis MJD ou jours.</translation>
    </message>
    <message>
        <source>the time %1 is a Julian date, not %2; choose JD or BJD.</source>
        <translation>la date %1 est une date julienne, pas %2 ; choisis JD ou BJD.</translation>
    </message>
    <message>
        <source>the instrument&apos;s name is empty.</source>
        <translation>le nom de l&apos;instrument est vide.</translation>
    </message>
    <message>
        <source>the line of dashes has %1 columns where the names above have %2.</source>
        <translation>la ligne de tirets a %1 colonnes là où les noms au-dessus en ont %2.</translation>
    </message>
    <message>
        <source>1 column where the line of names has %2; are its values separated by something else?</source>
        <translation>1 colonne là où la ligne des noms en a %2 ; ses valeurs sont-elles séparées par autre chose ?</translation>
    </message>
    <message>
        <source>%1 columns where the line of names has %2; are its values separated by something else?</source>
        <translation>%1 colonnes là où la ligne des noms en a %2 ; ses valeurs sont-elles séparées par autre chose ?</translation>
    </message>
    <message>
        <source>1 column where line %3 has %2; are its values separated by something else?</source>
        <translation>1 colonne là où la ligne %3 en a %2 ; ses valeurs sont-elles séparées par autre chose ?</translation>
    </message>
    <message>
        <source>%1 columns where line %3 has %2; are its values separated by something else?</source>
        <translation>%1 colonnes là où la ligne %3 en a %2 ; ses valeurs sont-elles séparées par autre chose ?</translation>
    </message>
    <message>
        <source>The file holds no rows of measurements.</source>
        <translation>Le fichier ne contient aucune ligne de mesures.</translation>
    </message>
</context>
<context>
    <name>Save picture</name>
    <message>
        <source>picture</source>
        <comment>a file name</comment>
        <translation>image</translation>
    </message>
    <message>
        <source>The picture was not saved: the SVG could not be begun.</source>
        <translation>L&apos;image n&apos;a pas été enregistrée&#xa0;: le fichier SVG n&apos;a pas pu être commencé.</translation>
    </message>
    <message>
        <source>The picture was not saved: it could not be written as PNG.</source>
        <translation>L&apos;image n&apos;a pas été enregistrée&#xa0;: elle n&apos;a pas pu être écrite au format PNG.</translation>
    </message>
    <message>
        <source>The picture was not saved: %1.</source>
        <translation>L&apos;image n&apos;a pas été enregistrée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>Save &amp;picture...</source>
        <translation>Enregistrer l&apos;&amp;image...</translation>
    </message>
    <message>
        <source>Save pic&amp;ture</source>
        <translation>Enregistrer une &amp;image</translation>
    </message>
    <message>
        <source>No picture shown</source>
        <translation>Aucune image affichée</translation>
    </message>
</context>
<context>
    <name>Simulation</name>
    <message>
        <source>The file cannot be used: its time scale position %1 lies outside %2 to %3.</source>
        <translation>Le fichier ne peut pas être utilisé&#xa0;: sa position d&apos;échelle de temps %1 n&apos;est pas comprise entre %2 et %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its zoom position %1 lies outside %2 to %3.</source>
        <translation>Le fichier ne peut pas être utilisé&#xa0;: sa position de zoom %1 n&apos;est pas comprise entre %2 et %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its tilt position %1 lies outside %2 to %3.</source>
        <translation>Le fichier ne peut pas être utilisé&#xa0;: sa position d&apos;inclinaison %1 n&apos;est pas comprise entre %2 et %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its turn position %1 lies outside %2 to %3.</source>
        <translation>Le fichier ne peut pas être utilisé&#xa0;: sa position de rotation %1 n&apos;est pas comprise entre %2 et %3.</translation>
    </message>
</context>
<context>
    <name>Simulation window</name>
    <message>
        <source>Rotate axes</source>
        <translation>Rotation des axes</translation>
    </message>
    <message>
        <source>Zoom</source>
        <comment>of the view</comment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Tilt of the view</source>
        <translation>Inclinaison de la vue</translation>
    </message>
    <message>
        <source>Tilts the view from looking along the line of sight (0°) to looking down on the sky (90°).</source>
        <translation>Incline la vue, du regard le long de la ligne de visée (0°) au regard plongeant sur le ciel (90°).</translation>
    </message>
    <message>
        <source>Turn of the view</source>
        <translation>Rotation de la vue</translation>
    </message>
    <message>
        <source>Turns the view about the vertical axis.</source>
        <translation>Fait tourner la vue autour de l&apos;axe vertical.</translation>
    </message>
    <message>
        <source>Zoom of the view</source>
        <translation>Zoom de la vue</translation>
    </message>
    <message>
        <source>Brings the view closer (up) or farther (down).</source>
        <translation>Rapproche la vue (vers le haut) ou l&apos;éloigne (vers le bas).</translation>
    </message>
    <message>
        <source>Radial velocity graph</source>
        <translation>Graphique de la vitesse radiale</translation>
    </message>
    <message>
        <source>The star&apos;s radial velocity against time, drawn as the simulation runs; the titles beside it give the units of both axes.</source>
        <translation>La vitesse radiale de l&apos;étoile en fonction du temps, tracée pendant que la simulation tourne&#xa0;; les titres à côté indiquent les unités des deux axes.</translation>
    </message>
    <message>
        <source>Timescale (days)</source>
        <translation>Échelle de temps (jours)</translation>
    </message>
    <message>
        <source>The simulated days per tick, from 0.1 to 10 000: also the span of the graph.</source>
        <translation>Les jours simulés par graduation, de 0,1 à 10&#xa0;000&#xa0;: c&apos;est aussi l&apos;étendue du graphique.</translation>
    </message>
    <message>
        <source>%1 days</source>
        <comment>a number of simulated days per tick</comment>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>Autoscale velocity</source>
        <translation>Échelle auto</translation>
    </message>
    <message>
        <source>Rescale velocity</source>
        <translation>Réajuster vitesse</translation>
    </message>
    <message>
        <source>Rescales the velocity axis so that the largest speed of the curve shown fills it</source>
        <translation>Remet l&apos;axe des vitesses à l&apos;échelle pour que la plus grande vitesse de la courbe affichée le remplisse</translation>
    </message>
    <message>
        <source>Radial velocity v r, in 10 to the power %1 metres per second</source>
        <comment>the velocity axis&apos;s title as a screen reader reads it</comment>
        <translation>Vitesse radiale v r, en 10 puissance %1 mètres par seconde</translation>
    </message>
    <message>
        <source>Orbit view</source>
        <translation>Vue des orbites</translation>
    </message>
    <message>
        <source>The star and its planets on their orbits; drag to turn the view.</source>
        <translation>L&apos;étoile et ses planètes sur leurs orbites&#xa0;; faites glisser pour tourner la vue.</translation>
    </message>
    <message>
        <source>Orbits</source>
        <comment>the check box that draws the orbits</comment>
        <translation>Orbites</translation>
    </message>
    <message>
        <source>Velocity vector</source>
        <translation>Vecteur vitesse</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>the simulation</comment>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>the simulation</comment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>the simulation</comment>
        <translation>Réinit.</translation>
    </message>
    <message>
        <source>Edit parameters</source>
        <translation>Modifier paramètres</translation>
    </message>
</context>
<context>
    <name>Spectrum window</name>
    <message>
        <source>%1: %2</source>
        <comment>a readout&apos;s caption and its value, as a screen reader says them</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>While a simulation runs, the lines here swing to the red and to the blue as the star&apos;s radial velocity changes.</source>
        <translation>Pendant qu&apos;une simulation tourne, les raies se déplacent ici vers le rouge et vers le bleu à mesure que la vitesse radiale de l&apos;étoile change.</translation>
    </message>
    <message>
        <source>Spectrum of the star</source>
        <translation>Spectre de l&apos;étoile</translation>
    </message>
    <message>
        <source>The visible spectrum from 380 to 700 nm with its dark absorption lines, and a panel that magnifies the shift of one line, its rest wavelength marked by a dashed line.</source>
        <translation>Le spectre visible de 380 à 700 nm avec ses raies d&apos;absorption sombres, et un panneau qui grossit le décalage d&apos;une raie, sa longueur d&apos;onde au repos étant marquée par un trait pointillé.</translation>
    </message>
    <message>
        <source>&amp;Magnify:</source>
        <translation>&amp;Grossir&#xa0;:</translation>
    </message>
    <message>
        <source>%1  (%2 nm)</source>
        <comment>a line and its rest wavelength</comment>
        <translation>%1  (%2 nm)</translation>
    </message>
    <message>
        <source>%1  (%2, %3 nm)</source>
        <comment>a pair of lines and their rest wavelengths</comment>
        <translation>%1  (%2&#xa0;; %3 nm)</translation>
    </message>
    <message>
        <source>Line to magnify</source>
        <translation>Raie à grossir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Radial velocity v</source>
        <translation>Vitesse radiale v</translation>
    </message>
    <message>
        <source>Line shift Δλ</source>
        <translation>Décalage de la raie Δλ</translation>
    </message>
    <message>
        <source>Resolution element</source>
        <translation>Élément de résolution</translation>
    </message>
    <message>
        <source>How so small a shift is really measured: one line&apos;s centre can be found to a small fraction of a resolution element only from a great deal of light, so thousands of lines are cross-correlated with a reference recorded through the same spectrograph at the same time (an iodine cell, a thorium–argon lamp or a laser frequency comb); the shift that best matches them all is found to a thousandth of an element.</source>
        <translation>Comment un décalage aussi petit est réellement mesuré&#xa0;: le centre d&apos;une raie ne peut être trouvé à une petite fraction d&apos;élément de résolution près qu&apos;avec énormément de lumière&#xa0;; on corrèle donc des milliers de raies avec une référence enregistrée par le même spectrographe au même moment (une cellule à iode, une lampe thorium–argon ou un peigne de fréquences laser)&#xa0;; le décalage qui les fait toutes coïncider au mieux est trouvé à un millième d&apos;élément près.</translation>
    </message>
    <message>
        <source>Magnified around %1</source>
        <comment>a line&apos;s name</comment>
        <translation>Grossi autour de %1</translation>
    </message>
    <message>
        <source>shift drawn to scale</source>
        <translation>décalage dessiné à l&apos;échelle</translation>
    </message>
    <message>
        <source>shift drawn %1 larger; widths not to scale</source>
        <comment>the magnification, such as 100 000×</comment>
        <translation>décalage dessiné %1 plus grand&#xa0;; largeurs pas à l&apos;échelle</translation>
    </message>
    <message>
        <source>rest in air %1 nm</source>
        <comment>a line&apos;s rest wavelength</comment>
        <translation>au repos dans l&apos;air %1 nm</translation>
    </message>
    <message>
        <source>rest in air %1, %2 nm</source>
        <comment>the rest wavelengths of a pair of lines</comment>
        <translation>au repos dans l&apos;air %1&#xa0;; %2 nm</translation>
    </message>
    <message>
        <source>true shift / pm</source>
        <comment>an axis title</comment>
        <translation>décalage vrai / pm</translation>
    </message>
    <message>
        <source>%1 shift / pm</source>
        <comment>an axis title: the shift of the line named</comment>
        <translation>décalage de %1 / pm</translation>
    </message>
    <message>
        <source>The visible spectrum, 380 to 700 nm in air</source>
        <translation>Le spectre visible, de 380 à 700 nm dans l&apos;air</translation>
    </message>
    <message>
        <source>%1 (moving away)</source>
        <comment>the star&apos;s radial velocity</comment>
        <translation>%1 (s&apos;éloigne)</translation>
    </message>
    <message>
        <source>%1 (approaching)</source>
        <comment>the star&apos;s radial velocity</comment>
        <translation>%1 (s&apos;approche)</translation>
    </message>
    <message>
        <source>%1 (to the red) at %2</source>
        <comment>a line&apos;s shift, and the line</comment>
        <translation>%1 (vers le rouge) à %2</translation>
    </message>
    <message>
        <source>%1 (to the blue) at %2</source>
        <comment>a line&apos;s shift, and the line</comment>
        <translation>%1 (vers le bleu) à %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>a line&apos;s shift, and the line</comment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>λ/R = %1 at R = %2; the shift is zero</source>
        <comment>the resolution element at the spectrograph&apos;s resolving power R</comment>
        <translation>λ/R = %1 pour R = %2&#xa0;; le décalage est nul</translation>
    </message>
    <message>
        <source>λ/R = %1 at R = %2; the shift is %3 times it</source>
        <comment>the resolution element at the spectrograph&apos;s resolving power R</comment>
        <translation>λ/R = %1 pour R = %2&#xa0;; le décalage en vaut %3 fois</translation>
    </message>
    <message>
        <source>λ/R = %1 at R = %2; the shift is 1/%3 of it</source>
        <comment>the resolution element at the spectrograph&apos;s resolving power R</comment>
        <translation>λ/R = %1 pour R = %2&#xa0;; le décalage en vaut 1/%3</translation>
    </message>
    <message>
        <source>The star moves neither towards us nor away from us just now, so every line lies at its rest wavelength.</source>
        <translation>En ce moment, l&apos;étoile ne se rapproche pas de nous et ne s&apos;en éloigne pas&#xa0;: chaque raie se trouve donc à sa longueur d&apos;onde au repos.</translation>
    </message>
    <message>
        <source>The star is moving away from us, so its light is stretched: every line lies to the red of its rest wavelength, each by the same fraction v/c of its wavelength. As the planet swings the star to and fro, the lines swing with it, in step with the velocity graph.</source>
        <translation>L&apos;étoile s&apos;éloigne de nous, sa lumière est donc étirée&#xa0;: chaque raie se trouve du côté rouge de sa longueur d&apos;onde au repos, chacune de la même fraction v/c de sa longueur d&apos;onde. Comme la planète fait aller et venir l&apos;étoile, les raies vont et viennent avec elle, au rythme du graphique des vitesses.</translation>
    </message>
    <message>
        <source>The star is moving towards us, so its light is squeezed: every line lies to the blue of its rest wavelength, each by the same fraction v/c of its wavelength. As the planet swings the star to and fro, the lines swing with it, in step with the velocity graph.</source>
        <translation>L&apos;étoile se rapproche de nous, sa lumière est donc comprimée&#xa0;: chaque raie se trouve du côté bleu de sa longueur d&apos;onde au repos, chacune de la même fraction v/c de sa longueur d&apos;onde. Comme la planète fait aller et venir l&apos;étoile, les raies vont et viennent avec elle, au rythme du graphique des vitesses.</translation>
    </message>
    <message>
        <source>Following the simulation as it runs.</source>
        <translation>Suit la simulation pendant qu&apos;elle tourne.</translation>
    </message>
    <message>
        <source>The simulation is stopped: its last spectrum stays.</source>
        <translation>La simulation est arrêtée&#xa0;: son dernier spectre reste affiché.</translation>
    </message>
    <message>
        <source>No simulation chapter is open: the last spectrum stays.</source>
        <translation>Aucun chapitre de simulation n&apos;est ouvert&#xa0;: le dernier spectre reste affiché.</translation>
    </message>
    <message>
        <source>No simulation chapter is open. Open one to watch its star&apos;s spectrum.</source>
        <translation>Aucun chapitre de simulation n&apos;est ouvert. Ouvrez-en un pour observer le spectre de son étoile.</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Doppler</source>
        <comment>the title&apos;s first line</comment>
        <translation>Spectroscopie</translation>
    </message>
    <message>
        <source>spectroscopy</source>
        <comment>the title&apos;s second line</comment>
        <translation>Doppler</translation>
    </message>
    <message>
        <source>Finding planets from the wobble of their star</source>
        <translation>Des planètes trahies par l&apos;étoile qui oscille</translation>
    </message>
    <message>
        <source>approaching: lines shift to the blue</source>
        <translation>en approche&#xa0;: raies décalées vers le bleu</translation>
    </message>
    <message>
        <source>receding: lines shift to the red</source>
        <translation>en éloignement&#xa0;: raies décalées vers le rouge</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>You have now reached the end of this program. You can return to any section by choosing the appropriate section from the &lt;b&gt;Section&lt;/b&gt; menu, otherwise exit the program from the &lt;b&gt;File&lt;/b&gt; menu.</source>
        <comment>Section and File: the book window&apos;s menus, named as the menus name them</comment>
        <translation>Vous voici à la fin de ce programme. Vous pouvez revenir à n&apos;importe quelle section en la choisissant dans le menu &lt;b&gt;Section&lt;/b&gt;, ou bien quitter le programme par le menu &lt;b&gt;Fichier&lt;/b&gt;.</translation>
    </message>
</context>
<context>
    <name>Teacher&apos;s guide</name>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;to predict, then check, how each element of up to three planets shapes the star&apos;s velocity curve; to set up a real system from the card and compare it with its published curve.</source>
        <translation>&lt;b&gt;Objectifs&#xa0;: &lt;/b&gt;prédire, puis vérifier, comment chaque élément des planètes (trois au plus) façonne la courbe de vitesse de l&apos;étoile&#xa0;; charger un système réel depuis la fiche et le comparer à sa courbe publiée.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that the curves of several planets cannot be told apart; that a face-on orbit still shows a signal. The chapter asks no questions.</source>
        <translation>&lt;b&gt;Conceptions erronées&#xa0;: &lt;/b&gt;que les courbes de plusieurs planètes ne peuvent pas être distinguées&#xa0;; qu&apos;une orbite vue de face montre encore un signal. Le chapitre ne pose aucune question.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 45 minutes. Prerequisites: chapters 3 and 4.</source>
        <translation>&lt;b&gt;Séance&#xa0;: &lt;/b&gt;environ 45 minutes. Prérequis&#xa0;: chapitres 3 et 4.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;give each pair one system from Tools, Real planetary systems, and a table of its elements to fill in.</source>
        <translation>&lt;b&gt;Soutien&#xa0;: &lt;/b&gt;donnez à chaque binôme un système pris dans Outils, Systèmes planétaires réels, et un tableau de ses éléments à remplir.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;page 4 in pairs: each builds a system, prints its curve and the other finds its period, K and m sin i.</source>
        <translation>&lt;b&gt;Approfondissement&#xa0;: &lt;/b&gt;la page 4 en binômes&#xa0;: chacun construit un système et imprime sa courbe, et l&apos;autre trouve sa période, K et m sin i.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Answers to the investigations: &lt;/b&gt;page 2: a semi-amplitude K of at least 10 m/s, K ≈ 28.4 m/s (m sin i / 1 Jupiter mass) (P / 1 year)^(−1/3) for a Sun-like star on a circular orbit, needs m sin i of at least 0.35 Jupiter masses at a period of a year but only 0.08 (about 25 Earth masses) at 4 days, and a year of nights shows periods up to about a year, at least one whole orbit; so heavy planets close to their stars are found first, an Earth at 1 AU (0.09 m/s) not at all, and an orbit seen nearly face-on (small sin i) hides any planet. Page 3: the curve set up from the card has the published period and semi-amplitude. Page 4: the answers are the system the student saved with File, Save system.</source>
        <translation>&lt;b&gt;Réponses aux recherches&#xa0;: &lt;/b&gt;page 2&#xa0;: une demi-amplitude K d&apos;au moins 10 m/s, avec K ≈ 28,4 m/s (m sin i / 1 masse de Jupiter) (P / 1 an)^(−1/3) pour une étoile semblable au Soleil sur une orbite circulaire, exige un m sin i d&apos;au moins 0,35 masse de Jupiter pour une période d&apos;un an, mais seulement 0,08 (environ 25 masses terrestres) à 4 jours, et une année de nuits montre des périodes allant jusqu&apos;à environ un an, soit au moins une orbite complète&#xa0;; les planètes massives proches de leur étoile sont donc trouvées en premier, une Terre à 1 AU (0,09 m/s) pas du tout, et une orbite vue presque de face (petit sin i) cache n&apos;importe quelle planète. Page 3&#xa0;: la courbe chargée depuis la fiche a la période et la demi-amplitude publiées. Page 4&#xa0;: les réponses sont le système que l&apos;élève a enregistré avec Fichier, Enregistrer le système.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;the Doppler effect of light; that a star and its planet orbit their common centre of mass, so an unseen planet shows in the periodic shift of its star&apos;s lines.</source>
        <translation>&lt;b&gt;Objectifs&#xa0;: &lt;/b&gt;l&apos;effet Doppler de la lumière&#xa0;; qu&apos;une étoile et sa planète tournent autour de leur centre de masse commun, si bien qu&apos;une planète invisible se manifeste par le décalage périodique des raies de son étoile.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that the planet is seen or its own light measured; that the star stands still while the planet orbits it; that a shift to the red means a redder star.</source>
        <translation>&lt;b&gt;Conceptions erronées&#xa0;: &lt;/b&gt;que l&apos;on voit la planète ou que l&apos;on mesure sa propre lumière&#xa0;; que l&apos;étoile reste immobile pendant que la planète tourne autour d&apos;elle&#xa0;; qu&apos;un décalage vers le rouge signifie une étoile plus rouge.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 20 minutes. Prerequisites: waves, wavelength and frequency.</source>
        <translation>&lt;b&gt;Séance&#xa0;: &lt;/b&gt;environ 20 minutes. Prérequis&#xa0;: ondes, longueur d&apos;onde et fréquence.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;first let the class hear the Doppler effect of sound: a siren or a phone on a string passing by.</source>
        <translation>&lt;b&gt;Soutien&#xa0;: &lt;/b&gt;faites d&apos;abord entendre à la classe l&apos;effet Doppler du son&#xa0;: une sirène, ou un téléphone au bout d&apos;une ficelle qui passe devant les élèves.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;how far does a speed of 10 m/s shift a line at 500 nm? (λ v / c = 1.7 × 10⁻⁵ nm.)</source>
        <translation>&lt;b&gt;Approfondissement&#xa0;: &lt;/b&gt;de combien une vitesse de 10 m/s décale-t-elle une raie à 500 nm&#xa0;? (λ v / c = 1,7 × 10⁻⁵ nm.)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;how the planet&apos;s mass, the size and shape of its orbit and the orbit&apos;s tilt change the amplitude and shape of the velocity curve; that only m sin i can be measured.</source>
        <translation>&lt;b&gt;Objectifs&#xa0;: &lt;/b&gt;comment la masse de la planète, la taille et la forme de son orbite et l&apos;inclinaison de l&apos;orbite modifient l&apos;amplitude et la forme de la courbe de vitesse&#xa0;; que seul m sin i peut être mesuré.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that a heavier planet gives a longer period; that a face-on orbit shows its full signal; that an eccentric orbit&apos;s curve is a sine.</source>
        <translation>&lt;b&gt;Conceptions erronées&#xa0;: &lt;/b&gt;qu&apos;une planète plus lourde donne une période plus longue&#xa0;; qu&apos;une orbite vue de face montre tout son signal&#xa0;; que la courbe d&apos;une orbite excentrique est une sinusoïde.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 40 minutes. Prerequisites: chapters 1 and 2; Kepler&apos;s third law.</source>
        <translation>&lt;b&gt;Séance&#xa0;: &lt;/b&gt;environ 40 minutes. Prérequis&#xa0;: chapitres 1 et 2&#xa0;; troisième loi de Kepler.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;change one slider at a time, and sketch the curve before and after each change.</source>
        <translation>&lt;b&gt;Soutien&#xa0;: &lt;/b&gt;modifiez un seul curseur à la fois, et esquissez la courbe avant et après chaque modification.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;predict what doubling the planet&apos;s mass does to the curve&apos;s height, then check it (it doubles).</source>
        <translation>&lt;b&gt;Approfondissement&#xa0;: &lt;/b&gt;prédisez ce que fait à la hauteur de la courbe le doublement de la masse de la planète, puis vérifiez-le (elle double).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;to read the orbit view and the velocity graph together: the period from the graph, and when the radial velocity is zero or greatest.</source>
        <translation>&lt;b&gt;Objectifs&#xa0;: &lt;/b&gt;lire ensemble la vue des orbites et le graphique des vitesses&#xa0;: la période d&apos;après le graphique, et quand la vitesse radiale est nulle ou maximale.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that the velocity is greatest when the star is farthest from us (it is zero there); that the graph&apos;s time axis is the same at every timescale.</source>
        <translation>&lt;b&gt;Conceptions erronées&#xa0;: &lt;/b&gt;que la vitesse est maximale quand l&apos;étoile est au plus loin de nous (elle y est nulle)&#xa0;; que l&apos;axe du temps du graphique est le même à toutes les échelles de temps.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 30 minutes. Prerequisites: chapter 1; reading the period off a repeating graph.</source>
        <translation>&lt;b&gt;Séance&#xa0;: &lt;/b&gt;environ 30 minutes. Prérequis&#xa0;: chapitre 1&#xa0;; lire la période sur un graphique qui se répète.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;stop the simulation at each quarter of the orbit and mark on the graph where the star is.</source>
        <translation>&lt;b&gt;Soutien&#xa0;: &lt;/b&gt;arrêtez la simulation à chaque quart d&apos;orbite et marquez sur le graphique où se trouve l&apos;étoile.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;why is the radial velocity zero when the star is nearest to us or farthest from us?</source>
        <translation>&lt;b&gt;Approfondissement&#xa0;: &lt;/b&gt;pourquoi la vitesse radiale est-elle nulle quand l&apos;étoile est au plus près de nous ou au plus loin de nous&#xa0;?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;5 minutes, to close the course.</source>
        <translation>&lt;b&gt;Séance&#xa0;: &lt;/b&gt;5 minutes, pour clore le cours.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Collecting the work: &lt;/b&gt;File, My answers shows each student&apos;s name, the seed of chapter 6 and every answer given, with its attempts and verdict, and prints it to paper or a PDF file to hand in.</source>
        <translation>&lt;b&gt;Récupérer le travail&#xa0;: &lt;/b&gt;Fichier, Mes réponses montre le nom de chaque élève, la graine du chapitre 6 et chaque réponse donnée, avec ses tentatives et son verdict, et l&apos;imprime sur papier ou dans un fichier PDF à rendre.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;to untangle a velocity curve made by two planets: each period from the timescale that shows it, and which element of a planet changed the curve.</source>
        <translation>&lt;b&gt;Objectifs&#xa0;: &lt;/b&gt;démêler une courbe de vitesse produite par deux planètes&#xa0;: chaque période d&apos;après l&apos;échelle de temps qui la montre, et quel élément d&apos;une planète a modifié la courbe.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that the curve of two planets repeats with either period; that the inclination and the mass of a planet can be told apart from the velocity alone.</source>
        <translation>&lt;b&gt;Conceptions erronées&#xa0;: &lt;/b&gt;que la courbe de deux planètes se répète avec l&apos;une ou l&apos;autre période&#xa0;; que l&apos;inclinaison et la masse d&apos;une planète peuvent être distinguées d&apos;après la seule vitesse.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 40 minutes. Prerequisites: chapter 3.</source>
        <translation>&lt;b&gt;Séance&#xa0;: &lt;/b&gt;environ 40 minutes. Prérequis&#xa0;: chapitre 3.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;give one planet its least mass first, so that the other planet&apos;s curve shows alone.</source>
        <translation>&lt;b&gt;Soutien&#xa0;: &lt;/b&gt;donnez d&apos;abord à une planète sa plus petite masse, pour que la courbe de l&apos;autre planète apparaisse seule.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;find two periods for which the curve of both planets repeats (their ratio a fraction of small whole numbers), and say after how long.</source>
        <translation>&lt;b&gt;Approfondissement&#xa0;: &lt;/b&gt;trouvez deux périodes pour lesquelles la courbe des deux planètes se répète (leur rapport étant une fraction de petits nombres entiers), et dites au bout de combien de temps.</translation>
    </message>
    <message>
        <source>no: the points are too few and too far apart to join</source>
        <translation>non&#xa0;: les points sont trop peu nombreux et trop espacés pour être reliés</translation>
    </message>
    <message>
        <source>that a velocity curve can always be traced point to point</source>
        <translation>qu&apos;une courbe de vitesse peut toujours être tracée point par point</translation>
    </message>
    <message>
        <source>the period of the highest peak shown, within the peak&apos;s half width</source>
        <translation>la période du plus haut pic affiché, à la demi-largeur du pic près</translation>
    </message>
    <message>
        <source>that the periodogram&apos;s vertical axis is a velocity, or that every peak is a planet</source>
        <translation>que l&apos;axe vertical du périodogramme est une vitesse, ou que chaque pic est une planète</translation>
    </message>
    <message>
        <source>the chance that noise alone peaks so high</source>
        <translation>la probabilité que le bruit seul monte aussi haut</translation>
    </message>
    <message>
        <source>that the false-alarm probability is the chance that the planet is real</source>
        <translation>que la probabilité de fausse alarme est la probabilité que la planète soit réelle</translation>
    </message>
    <message>
        <source>the period 1/|1/P − 1| for the highest peak&apos;s period P</source>
        <translation>la période 1/|1/P − 1| pour la période P du plus haut pic</translation>
    </message>
    <message>
        <source>that twice or half the period is an alias of the sampling</source>
        <translation>que le double ou la moitié de la période est un alias de l&apos;échantillonnage</translation>
    </message>
    <message>
        <source>they scatter</source>
        <translation>ils se dispersent</translation>
    </message>
    <message>
        <source>that any period near the peak folds as well</source>
        <translation>que n&apos;importe quelle période proche du pic se replie aussi bien</translation>
    </message>
    <message>
        <source>the fitted K, within its uncertainty but at least 10 %</source>
        <translation>le K ajusté, à son incertitude près mais à au moins 10&#xa0;%</translation>
    </message>
    <message>
        <source>that K is the full swing from the lowest to the highest point</source>
        <translation>que K est l&apos;écart total entre le point le plus bas et le plus haut</translation>
    </message>
    <message>
        <source>the fit&apos;s m sin i (mass function solved with the star&apos;s stated mass), within its uncertainty but at least 10 %</source>
        <translation>le m sin i de l&apos;ajustement (fonction de masse résolue avec la masse indiquée de l&apos;étoile), à son incertitude près mais à au moins 10&#xa0;%</translation>
    </message>
    <message>
        <source>that the radial velocity gives the planet&apos;s true mass</source>
        <translation>que la vitesse radiale donne la vraie masse de la planète</translation>
    </message>
    <message>
        <source>yes exactly when the two-planet fit lowers the BIC by more than 10 (ΔBIC below −10)</source>
        <translation>oui exactement quand l&apos;ajustement à deux planètes abaisse le BIC de plus de 10 (ΔBIC inférieur à −10)</translation>
    </message>
    <message>
        <source>that a lower χ² alone proves another planet</source>
        <translation>qu&apos;un χ² plus bas suffit à prouver une autre planète</translation>
    </message>
    <message>
        <source>4.2308 days (Butler et al. 2006), within 0.01 days</source>
        <translation>4,2308 jours (Butler et al. 2006), à 0,01 jour près</translation>
    </message>
    <message>
        <source>that data from two instruments can be joined without their own zero points</source>
        <translation>que les données de deux instruments peuvent être réunies sans leurs propres zéros</translation>
    </message>
    <message>
        <source>that a planet so close to its star must be small</source>
        <translation>qu&apos;une planète si proche de son étoile doit être petite</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;to find a planet in a season of noisy, nightly measurements as astronomers do: the periodogram and its false-alarm probability, daily aliases and the window function, folding, the fit by hand and the Keplerian fit with the star&apos;s jitter, the planet&apos;s m sin i, and whether a second planet is believed (BIC). Each student&apos;s star is chosen by the seed shown under the measurements; the hidden stars are listed at the end of this guide.</source>
        <translation>&lt;b&gt;Objectifs&#xa0;: &lt;/b&gt;trouver une planète dans une saison de mesures nocturnes bruitées comme le font les astronomes&#xa0;: le périodogramme et sa probabilité de fausse alarme, les alias journaliers et la fonction fenêtre, le repliement, l&apos;ajustement à la main et l&apos;ajustement képlérien avec le jitter de l&apos;étoile, le m sin i de la planète, et la question de savoir si l&apos;on croit à une deuxième planète (BIC). L&apos;étoile de chaque élève est choisie par la graine affichée sous les mesures&#xa0;; les étoiles cachées sont listées à la fin de ce guide.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Real data (pages 10 and 11): &lt;/b&gt;the published velocities of 51 Pegasi from two instruments, LICK (Butler et al. 2006, ApJ 646, 505) and ELODIE at Haute-Provence (Naef et al. 2004, A&amp;amp;A 414, 351), read from the book&apos;s data folder and shown an instrument a plot. The book fits each instrument&apos;s zero point and jitter with the planet; the periodogram is of the measurements less each zero point, and the fold and the fit show every measurement less its instrument&apos;s zero point. Page 10 asks the period (4.2308 days within 0.01), page 11 the m sin i from the fit shown. Every student sees the same numbers.</source>
        <comment>period of the orbit; LICK and ELODIE are the instruments&apos; names</comment>
        <translation>&lt;b&gt;Données réelles (pages 10 et 11)&#xa0;: &lt;/b&gt;les vitesses publiées de 51 Pegasi issues de deux instruments, LICK (Butler et al. 2006, ApJ 646, 505) et ELODIE à Haute-Provence (Naef et al. 2004, A&amp;amp;A 414, 351), lues dans le dossier de données du livre et montrées un graphique par instrument. Le livre ajuste le zéro et le jitter de chaque instrument avec la planète&#xa0;; le périodogramme porte sur les mesures moins chaque zéro, et le repliement et l&apos;ajustement montrent chaque mesure moins le zéro de son instrument. La page 10 demande la période (4,2308 jours à 0,01 près), la page 11 le m sin i d&apos;après l&apos;ajustement affiché. Tous les élèves voient les mêmes nombres.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Conceptions erronées&#xa0;:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>page %1: %2;</source>
        <comment>%1 is the page&apos;s number, %2 the misconception its question catches</comment>
        <translation>page %1&#xa0;: %2&#xa0;;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;let pairs share one seed; after two wrong answers each page gives a hint; on page 8 work out each bracket of the formula on its own first.</source>
        <translation>&lt;b&gt;Soutien&#xa0;: &lt;/b&gt;faites partager une graine par binôme&#xa0;; après deux réponses fausses, chaque page donne un indice&#xa0;; à la page 8, calculez d&apos;abord séparément chaque parenthèse de la formule.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;observe a second seed and compare; on page 4 find how few nights still find the planet; open the star in Tools, Observing run and plan a better season.</source>
        <comment>Tools, Observing run: the menu and its entry</comment>
        <translation>&lt;b&gt;Approfondissement&#xa0;: &lt;/b&gt;observer une deuxième graine et comparer&#xa0;; à la page 4, trouver avec combien peu de nuits on trouve encore la planète&#xa0;; ouvrir l&apos;étoile dans Outils, Campagne d&apos;observation et planifier une meilleure saison.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The fitted jitter: &lt;/b&gt;the label under the measurements gives the jitter the book gave the star; the fit&apos;s jitter is what its residuals leave unexplained by the error bars, found from a few dozen points. It comes out at 0 when the error bars already explain the scatter, and above the star&apos;s own jitter when the one-planet orbit leaves signal behind (a second planet, or an orbit the data fix poorly). Both are honest results of the fit.</source>
        <translation>&lt;b&gt;Le jitter ajusté&#xa0;: &lt;/b&gt;l&apos;étiquette sous les mesures donne le jitter que le livre a donné à l&apos;étoile&#xa0;; le jitter de l&apos;ajustement est ce que ses résidus laissent inexpliqué par les barres d&apos;erreur, trouvé à partir de quelques dizaines de points. Il vaut 0 quand les barres d&apos;erreur expliquent déjà la dispersion, et dépasse le jitter propre de l&apos;étoile quand l&apos;orbite à une planète laisse du signal derrière elle (une deuxième planète, ou une orbite que les données fixent mal). Ce sont deux résultats honnêtes de l&apos;ajustement.</translation>
    </message>
    <message>
        <source>no fit</source>
        <comment>in the class&apos;s table of answers</comment>
        <translation>pas d&apos;ajustement</translation>
    </message>
    <message>
        <source>%1 ± %2</source>
        <comment>a value and its tolerance</comment>
        <translation>%1 ± %2</translation>
    </message>
    <message>
        <source>yes (ΔBIC %1)</source>
        <comment>a second planet is believed</comment>
        <translation>oui (ΔBIC %1)</translation>
    </message>
    <message>
        <source>no (ΔBIC %1)</source>
        <comment>no second planet is believed</comment>
        <translation>non (ΔBIC %1)</translation>
    </message>
    <message>
        <source>%1 ± %2, not nearer %3</source>
        <comment>an m sin i, its tolerance, and the m sin i without the star&apos;s mass</comment>
        <translation>%1 ± %2, pas plus près de %3</translation>
    </message>
    <message>
        <source>peak (days)</source>
        <translation>pic (jours)</translation>
    </message>
    <message>
        <source>alias</source>
        <translation>alias</translation>
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
        <translation>deuxième planète</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>what is accepted, and the accepted value in words</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1. For seed %2: %3</source>
        <comment>what is accepted, the student&apos;s seed, and the accepted value in words</comment>
        <translation>%1. Pour la graine %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1. For seed %2: “%3”, the first button.</source>
        <translation>%1. Pour la graine %2&#xa0;: «&#xa0;%3&#xa0;», le premier bouton.</translation>
    </message>
    <message>
        <source>%1. For seed %2: “%3”, the second button.</source>
        <translation>%1. Pour la graine %2&#xa0;: «&#xa0;%3&#xa0;», le deuxième bouton.</translation>
    </message>
    <message>
        <source>%1. For seed %2: “%3”, the third button.</source>
        <translation>%1. Pour la graine %2&#xa0;: «&#xa0;%3&#xa0;», le troisième bouton.</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Page text and question:</source>
        <translation>Texte de la page et question&#xa0;:</translation>
    </message>
    <message>
        <source>Accepted answer:</source>
        <translation>Réponse acceptée&#xa0;:</translation>
    </message>
    <message>
        <source>After two wrong answers:</source>
        <translation>Après deux réponses fausses&#xa0;:</translation>
    </message>
    <message>
        <source>Conclusion:</source>
        <translation>Conclusion&#xa0;:</translation>
    </message>
    <message>
        <source>P = %1 days, K = %2 m/s, e = %3, ω = %4°, m sin i = %5 Jupiter masses</source>
        <comment>a planet&apos;s period, semi-amplitude, eccentricity, argument of periastron and minimum mass</comment>
        <translation>P = %1 jours, K = %2 m/s, e = %3, ω = %4°, m sin i = %5 masses de Jupiter</translation>
    </message>
    <message>
        <source>Best supported fit:</source>
        <translation>Ajustement le mieux étayé&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>%n planet(s), rms %1 m/s, reduced χ² %2.</source>
        <translation>
            <numerusform>%n planète, rms %1 m/s, χ² réduit %2.</numerusform>
            <numerusform>%n planètes, rms %1 m/s, χ² réduit %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>P = %1 days, K = %2 m/s, e = %3, m sin i = %4 Jupiter masses.</source>
        <comment>a fitted planet&apos;s period, semi-amplitude, eccentricity and minimum mass, each with its uncertainty</comment>
        <translation>P = %1 jours, K = %2 m/s, e = %3, m sin i = %4 masses de Jupiter.</translation>
    </message>
    <message>
        <source>The hidden stars of “Finding a planet”</source>
        <translation>Les étoiles cachées de «&#xa0;Trouver une planète&#xa0;»</translation>
    </message>
    <message>
        <source>A seed s observes hidden star (s mod %1) + 1 on the nights the seed draws; the fits below are those of the smallest seed of each star.</source>
        <translation>Une graine s observe l&apos;étoile cachée (s mod %1) + 1 les nuits que la graine tire au sort&#xa0;; les ajustements ci-dessous sont ceux de la plus petite graine de chaque étoile.</translation>
    </message>
    <message>
        <source>%1 (seed %2), star of %3 solar masses</source>
        <comment>a hidden star&apos;s name, its seed and its mass</comment>
        <translation>%1 (graine %2), étoile de %3 masses solaires</translation>
    </message>
    <message>
        <source>True planet:</source>
        <translation>Planète vraie&#xa0;:</translation>
    </message>
    <message>
        <source>The observing run&apos;s mystery stars</source>
        <translation>Les étoiles mystères de la campagne d&apos;observation</translation>
    </message>
    <message>
        <source>The published data of the observing window</source>
        <translation>Les données publiées de la fenêtre d&apos;observation</translation>
    </message>
    <message>
        <source>In the observing window, File, Open real data opens the published measurements that come with the book, and the Fit page finds their planets one by one.</source>
        <translation>Dans la fenêtre d&apos;observation, Fichier, Ouvrir des données réelles ouvre les mesures publiées fournies avec le livre, et la page Ajustement trouve leurs planètes une à une.</translation>
    </message>
    <message>
        <source>Chapter %1: %2</source>
        <comment>the chapter&apos;s number and title</comment>
        <translation>Chapitre %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: the class&apos;s answers</source>
        <comment>the chapter&apos;s heading</comment>
        <translation>%1&#xa0;: les réponses de la classe</translation>
    </message>
    <message>
        <source>seed</source>
        <comment>the column of the students&apos; seeds</comment>
        <translation>graine</translation>
    </message>
    <message>
        <source>Doppler spectroscopy: the teacher&apos;s guide</source>
        <translation>Spectroscopie Doppler&#xa0;: le guide de l&apos;enseignant</translation>
    </message>
    <message>
        <source>--seed wants a seed from 1 to %1.</source>
        <translation>--seed attend une graine de 1 à %1.</translation>
    </message>
    <message>
        <source>--seeds wants two seeds from 1 to %1, the first no larger, at most %2 apart, as 101-130.</source>
        <translation>--seeds attend deux graines de 1 à %1, la première pas plus grande que l&apos;autre, distantes d&apos;au plus %2, comme 101-130.</translation>
    </message>
    <message>
        <source>Every question of the book, with its accepted answer, hint and conclusion as the chapters write them. Answers that depend on a student&apos;s own data are worked out from the numbers the student&apos;s screen shows; the values given are those of seed %1, which a student gets by typing it beside Observe.</source>
        <translation>Chaque question du livre, avec sa réponse acceptée, son indice et sa conclusion tels que les chapitres les écrivent. Les réponses qui dépendent des propres données d&apos;un élève sont calculées à partir des nombres que montre son écran&#xa0;; les valeurs données sont celles de la graine %1, qu&apos;un élève obtient en la tapant à côté de «&#xa0;Observer&#xa0;».</translation>
    </message>
    <message>
        <source>The teacher&apos;s guide cannot be written to %1: %2.</source>
        <translation>Le guide de l&apos;enseignant ne peut pas être écrit dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>it may be circular exactly when the middle 68 % of the orbits drawn reach below e = 0.1</source>
        <translation>elle peut être circulaire exactement quand les 68 % centraux des orbites tirées descendent sous e = 0,1</translation>
    </message>
    <message>
        <source>that a value several σ from 0 cannot be 0, whatever the shape of its spread</source>
        <translation>qu&apos;une valeur à plusieurs σ de 0 ne peut valoir 0, quelle que soit la forme de sa dispersion</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;two lessons of about 45 minutes: pages 1 to 6 (the periodogram, false alarms, aliases, folding), then pages 7 to 13 (the fit, the mass, a second planet, 51 Peg, how sure an eccentricity is). Prerequisites: chapter 3 (K and m sin i), the idea of measurement errors, a calculator.</source>
        <translation>&lt;b&gt;Séance : &lt;/b&gt;deux séances d&apos;environ 45 minutes : pages 1 à 6 (le périodogramme, les fausses alarmes, les alias, le repliement), puis pages 7 à 13 (l&apos;ajustement, la masse, une deuxième planète, 51 Peg, la certitude sur une excentricité). Prérequis : chapitre 3 (K et m sin i), la notion d&apos;erreur de mesure, une calculatrice.</translation>
    </message>
    <message>
        <source>The orbits drawn (the sampler&apos;s seed %1): e from %2 to %3 (the middle 68 %), median %4; the fit&apos;s e %5.</source>
        <translation>Les orbites tirées (graine de l&apos;échantillonneur %1) : e de %2 à %3 (les 68 % centraux), médiane %4 ; le e de l&apos;ajustement %5.</translation>
    </message>
</context>
<context>
    <name>Velocity graph</name>
    <message>
        <source>days</source>
        <comment>the unit of the time axis</comment>
        <translation>jours</translation>
    </message>
    <message>
        <source>%1 days</source>
        <comment>one division of the time axis</comment>
        <translation>%1 jours</translation>
    </message>
</context>
<context>
    <name>Vetting</name>
    <message>
        <source>observing once a night</source>
        <translation>l&apos;observation une fois par nuit</translation>
    </message>
    <message>
        <source>observing the star when it stands at the same place in the sky each night (a sidereal day)</source>
        <translation>l&apos;observation de l&apos;étoile quand elle se trouve chaque nuit au même endroit du ciel (un jour sidéral)</translation>
    </message>
    <message>
        <source>observing in the same months each year</source>
        <translation>l&apos;observation pendant les mêmes mois chaque année</translation>
    </message>
    <message>
        <source>A period of %1 is longer than the %2 the measurements cover: they cannot tell such an orbit from a slow drift of the star&apos;s velocity.</source>
        <translation>Une période de %1 est plus longue que les %2 que couvrent les mesures : elles ne peuvent pas distinguer une telle orbite d&apos;une lente dérive de la vitesse de l&apos;étoile.</translation>
    </message>
    <message>
        <source>Its orbit comes out as eccentric as the fit allows (e = %1): a spike through a few measurements, not an orbit they follow.</source>
        <translation>Son orbite sort aussi excentrique que l&apos;ajustement le permet (e = %1) : un pic passant par quelques mesures, pas une orbite qu&apos;elles suivent.</translation>
    </message>
    <message>
        <source>The measurements do not pin its period down (%1 ± %2).</source>
        <translation>Les mesures ne fixent pas sa période (%1 ± %2).</translation>
    </message>
    <message>
        <source>The measurements do not pin its period of %1 down at all.</source>
        <translation>Les mesures ne fixent pas du tout sa période de %1.</translation>
    </message>
    <message>
        <source>Its K of %1 ± %2 m/s is within three uncertainties of zero.</source>
        <translation>Son K de %1 ± %2 m/s est à moins de trois incertitudes de zéro.</translation>
    </message>
    <message>
        <source>%1 is an echo of %2, not of the star.</source>
        <translation>%1 est un écho de %2, pas de l&apos;étoile.</translation>
    </message>
    <message>
        <source>%1 is too close to a day: measured once a night, its phase moves less than a turn in a season of observing, so it cannot be told from a slow change.</source>
        <translation>%1 est trop proche d&apos;un jour : mesurée une fois par nuit, sa phase avance de moins d&apos;un tour en une saison d&apos;observation, on ne peut donc pas la distinguer d&apos;un changement lent.</translation>
    </message>
    <message>
        <source>%1 is an echo of planet %2&apos;s %3 through %4.</source>
        <translation>%1 est un écho des %3 de la planète %2 par %4.</translation>
    </message>
    <message>
        <source>%1 is half of planet %2&apos;s %3: what a fixed orbit leaves of %2&apos;s orbit as its neighbour pulls it round, not a planet of its own.</source>
        <translation>%1 est la moitié des %3 de la planète %2 : ce qu&apos;une orbite fixe laisse de l&apos;orbite de %2 que sa voisine fait tourner, pas une planète à part entière.</translation>
    </message>
    <message>
        <source>%1 is half of planet %2&apos;s %3: what a fixed orbit leaves of %2&apos;s eccentric orbit, not a planet of its own.</source>
        <translation>%1 est la moitié des %3 de la planète %2 : ce qu&apos;une orbite fixe laisse de l&apos;orbite excentrique de %2, pas une planète à part entière.</translation>
    </message>
    <message>
        <source>%1 is a third of planet %2&apos;s %3: what a fixed orbit leaves of %2&apos;s orbit as its neighbour pulls it round, not a planet of its own.</source>
        <translation>%1 est le tiers des %3 de la planète %2 : ce qu&apos;une orbite fixe laisse de l&apos;orbite de %2 que sa voisine fait tourner, pas une planète à part entière.</translation>
    </message>
    <message>
        <source>%1 is a third of planet %2&apos;s %3: what a fixed orbit leaves of %2&apos;s eccentric orbit, not a planet of its own.</source>
        <translation>%1 est le tiers des %3 de la planète %2 : ce qu&apos;une orbite fixe laisse de l&apos;orbite excentrique de %2, pas une planète à part entière.</translation>
    </message>
    <message>
        <source>Noise often makes such a peak (false-alarm probability %1; below 1 % is a peak noise seldom makes).</source>
        <translation>Le bruit produit souvent un tel pic (probabilité de fausse alarme %1 ; en dessous de 1 %, c&apos;est un pic que le bruit produit rarement).</translation>
    </message>
    <message>
        <source>The BIC falls by only %1 with it: a fall of more than 10 is needed to pay for its five parameters.</source>
        <translation>Le BIC ne baisse que de %1 avec elle : il faut une baisse de plus de 10 pour payer ses cinq paramètres.</translation>
    </message>
    <message>
        <source>The BIC rises by %1 with it: a fall of more than 10 is needed to pay for its five parameters.</source>
        <translation>Le BIC augmente de %1 avec elle : il faut une baisse de plus de 10 pour payer ses cinq paramètres.</translation>
    </message>
    <message>
        <source>%1 is an echo of a stronger signal at %2 through %3.</source>
        <translation>%1 est un écho d&apos;un signal plus fort à %2 par %3.</translation>
    </message>
</context>
<context>
    <name>Work file</name>
    <message>
        <source>is not a whole number of 1 to 18 digits</source>
        <translation>n&apos;est pas un nombre entier de 1 à 18 chiffres</translation>
    </message>
    <message>
        <source>is none of &quot;none&quot;, &quot;observed&quot;, &quot;imported&quot;, &quot;mystery&quot;, &quot;published&quot;</source>
        <translation>n&apos;est aucun de &quot;none&quot;, &quot;observed&quot;, &quot;imported&quot;, &quot;mystery&quot;, &quot;published&quot;</translation>
    </message>
    <message>
        <source>is empty for published measurements</source>
        <translation>est vide pour des mesures publiées</translation>
    </message>
    <message>
        <source>is given for measurements that are not published</source>
        <translation>est donné pour des mesures qui ne sont pas publiées</translation>
    </message>
    <message>
        <source>does not list %1 slider positions</source>
        <translation>ne donne pas %1 positions de curseur</translation>
    </message>
    <message>
        <source>position %1 is not a whole number from 0 to %2</source>
        <translation>la position %1 n&apos;est pas un nombre entier de 0 à %2</translation>
    </message>
    <message>
        <source>are given without enough measurements to fit</source>
        <translation>sont donnés sans assez de mesures pour un ajustement</translation>
    </message>
    <message>
        <source>does not list %1 planets</source>
        <translation>ne donne pas %1 planètes</translation>
    </message>
    <message>
        <source>is below 0</source>
        <translation>est inférieur à 0</translation>
    </message>
    <message>
        <source>is below &quot;low&quot;</source>
        <translation>est inférieur à &quot;low&quot;</translation>
    </message>
    <message>
        <source>lies outside &quot;low&quot; to &quot;high&quot;</source>
        <translation>est en dehors de &quot;low&quot; à &quot;high&quot;</translation>
    </message>
    <message>
        <source>does not list %1 instruments</source>
        <translation>ne donne pas %1 instruments</translation>
    </message>
    <message>
        <source>entry %1 is not a name</source>
        <translation>l&apos;entrée %1 n&apos;est pas un nom</translation>
    </message>
    <message>
        <source>row %1 is not four numbers</source>
        <translation>la ligne %1 n&apos;est pas faite de quatre nombres</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>row %1 names no instrument of the set</source>
        <translation>la ligne %1 ne nomme aucun instrument du jeu</translation>
    </message>
    <message>
        <source>row %1 is earlier than the row before it</source>
        <translation>la ligne %1 est antérieure à la ligne précédente</translation>
    </message>
    <message>
        <source>The file was not read: %1.</source>
        <translation>Le fichier n&apos;a pas été lu : %1.</translation>
    </message>
    <message>
        <source>The file is not a saved piece of work: it holds more than %1 values, more than any work the book saves.</source>
        <translation>Le fichier n&apos;est pas un travail enregistré : il contient plus de %1 valeurs, plus que tout travail que le livre enregistre.</translation>
    </message>
    <message>
        <source>The file is not a saved piece of work: at byte %1, %2.</source>
        <translation>Le fichier n&apos;est pas un travail enregistré : à l&apos;octet %1, %2.</translation>
    </message>
    <message>
        <source>The file is not a saved piece of work: it holds no JSON object.</source>
        <translation>Le fichier n&apos;est pas un travail enregistré : il ne contient aucun objet JSON.</translation>
    </message>
    <message>
        <source>The file is not a saved piece of work: its &quot;format&quot; is not &quot;%1&quot;.</source>
        <translation>Le fichier n&apos;est pas un travail enregistré : son &quot;format&quot; n&apos;est pas &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The file was saved by another version of the book (format version %1; this book reads version %2).</source>
        <translation>Le fichier a été enregistré par une autre version du livre (version de format %1 ; ce livre lit la version %2).</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a version number</comment>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>The work was not saved: %1.</source>
        <translation>Le travail n&apos;a pas été enregistré : %1.</translation>
    </message>
    <message>
        <source>The file cannot be used: &quot;%1&quot; %2.</source>
        <comment>%1 is a field of the file, %2 what is wrong with it</comment>
        <translation>Le fichier est inutilisable : &quot;%1&quot; %2.</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>manque</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>is %1, outside %2 to %3</source>
        <translation>vaut %1, en dehors de %2 à %3</translation>
    </message>
    <message>
        <source>is not a whole number</source>
        <translation>n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>is not true or false</source>
        <translation>n&apos;est ni true ni false</translation>
    </message>
    <message>
        <source>is not a text</source>
        <translation>n&apos;est pas un texte</translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation>dépasse %1 caractères</translation>
    </message>
    <message>
        <source>is not a list</source>
        <translation>n&apos;est pas une liste</translation>
    </message>
    <message>
        <source>has more than %1 entries</source>
        <translation>a plus de %1 entrées</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>n&apos;est pas un objet</translation>
    </message>
    <message>
        <source>The file cannot be used: &quot;%1&quot; is not an object.</source>
        <translation>Le fichier est inutilisable : &quot;%1&quot; n&apos;est pas un objet.</translation>
    </message>
    <message>
        <source>names a chapter twice</source>
        <translation>nomme deux fois un chapitre</translation>
    </message>
    <message>
        <source>lists no answer</source>
        <translation>ne donne aucune réponse</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Doppler spectroscopy: worksheet</source>
        <translation>Spectroscopie Doppler&#xa0;: fiche d&apos;exercices</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>%1   Seed (chapter 6): %2</source>
        <comment>%1 and %2 are the lines the name and the seed are written on</comment>
        <translation>%1   Graine (chapitre 6)&#xa0;: %2</translation>
    </message>
    <message>
        <source>Page %1:</source>
        <translation>Page %1&#xa0;:</translation>
    </message>
    <message>
        <source>The worksheet cannot be written to %1: %2.</source>
        <translation>La fiche d&apos;exercices ne peut pas être écrite dans %1&#xa0;: %2.</translation>
    </message>
</context>
</TS>
