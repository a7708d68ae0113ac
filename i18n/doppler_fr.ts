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
        <translation>Supprime le fichier de réglages du livre ; le livre ne conserve alors plus rien à sa fermeture.</translation>
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
        <translation>&amp;Ajuster à l&apos;écran (%1 %)</translation>
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
        <translation>tan n&apos;est pas définie à cet endroit : l&apos;angle est un multiple impair de 90°.</translation>
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
</context>
<context>
    <name>Chapter 1: Doppler spectroscopy</name>
    <message>
        <source>Doppler spectroscopy</source>
        <translation>Spectroscopie Doppler</translation>
    </message>
    <message>
        <source>Light and other radiation from a moving object, such as a star, is shifted in wavelength. When the star moves away from us its light is stretched to longer, redder wavelengths; when it approaches, the light is compressed to shorter, bluer wavelengths. The size of the shift is proportional to the star&apos;s &lt;b&gt;radial velocity&lt;/b&gt; (&lt;i&gt;v&lt;sub&gt;r&lt;/sub&gt;&lt;/i&gt;) the speed at which the star is moving towards or away from the observer. This kind of shift in wavelength is known as the &lt;b&gt;Doppler effect.&lt;/b&gt;</source>
        <translation>La lumière et les autres rayonnements émis par un objet en mouvement, comme une étoile, sont décalés en longueur d&apos;onde. Quand l&apos;étoile s&apos;éloigne de nous, sa lumière est étirée vers des longueurs d&apos;onde plus grandes, plus rouges ; quand elle s&apos;approche, la lumière est comprimée vers des longueurs d&apos;onde plus courtes, plus bleues. L&apos;importance du décalage est proportionnelle à la &lt;b&gt;vitesse radiale&lt;/b&gt; (&lt;i&gt;v&lt;sub&gt;r&lt;/sub&gt;&lt;/i&gt;) de l&apos;étoile, la vitesse à laquelle l&apos;étoile se rapproche ou s&apos;éloigne de l&apos;observateur. Ce type de décalage en longueur d&apos;onde est appelé &lt;b&gt;effet Doppler.&lt;/b&gt;</translation>
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
        <translation>Nous commençons par un système simple : une étoile d&apos;une masse solaire (le point jaune) et une seule planète d&apos;une masse de Jupiter, Mondas (le point blanc). La ligne bleu clair est l&apos;orbite de Mondas. Son demi-grand axe vaut 5,2 AU et son excentricité 0 : Mondas se déplace donc sur un cercle de rayon 5,2 AU.</translation>
    </message>
    <message>
        <source>At first you see the orbit edge-on, so the circle looks like a straight line.</source>
        <translation>Au début, vous voyez l&apos;orbite par la tranche : le cercle ressemble donc à une ligne droite.</translation>
    </message>
    <message>
        <source>You can turn the view to look at the orbit from any direction: drag the mouse across the black pane, or move the &lt;b&gt;Rotate axes &lt;/b&gt;sliders. The &lt;b&gt;Zoom &lt;/b&gt;slider makes the picture larger or smaller.</source>
        <comment>Rotate axes, Zoom: the captions of the view&apos;s sliders</comment>
        <translation>Vous pouvez tourner la vue pour regarder l&apos;orbite depuis n&apos;importe quelle direction : faites glisser la souris sur le panneau noir, ou déplacez les curseurs &lt;b&gt;Rotation des axes&lt;/b&gt;. Le curseur &lt;b&gt;Zoom&lt;/b&gt; agrandit ou réduit l&apos;image.</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;Start &lt;/b&gt;button to begin the simulation.</source>
        <translation>Cliquez sur le bouton &lt;b&gt;Lancer&lt;/b&gt; pour commencer la simulation.</translation>
    </message>
    <message>
        <source>The star and Mondas both orbit their common centre of mass, which lies at the origin, where the &lt;i&gt;x, y &lt;/i&gt;and &lt;i&gt;z &lt;/i&gt;axes meet. The star is much heavier than the planet, so its orbit is much smaller.</source>
        <translation>L&apos;étoile et Mondas tournent tous deux autour de leur centre de masse commun, situé à l&apos;origine, là où se croisent les axes &lt;i&gt;x, y&lt;/i&gt; et &lt;i&gt;z&lt;/i&gt;. L&apos;étoile est beaucoup plus lourde que la planète : son orbite est donc beaucoup plus petite.</translation>
    </message>
    <message>
        <source>&lt;b&gt;NOTE: The star&apos;s motion is always drawn %1 times larger than the planet&apos;s, so that you can see it move.&lt;/b&gt;</source>
        <translation>&lt;b&gt;REMARQUE : le mouvement de l&apos;étoile est toujours dessiné %1 fois plus grand que celui de la planète, pour que vous puissiez le voir.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Observers on Earth are a very long way off along the &lt;i&gt;z &lt;/i&gt;axis. They cannot see the star wobble across the sky; all they can measure is the &lt;i&gt;radial velocity &lt;/i&gt;of the star, &lt;i&gt;v&lt;sub&gt;r&lt;/sub&gt;&lt;/i&gt;, the part of its velocity directed towards or away from them.</source>
        <translation>Les observateurs sur Terre se trouvent très loin le long de l&apos;axe &lt;i&gt;z&lt;/i&gt;. Ils ne peuvent pas voir l&apos;étoile osciller sur le ciel ; tout ce qu&apos;ils peuvent mesurer, c&apos;est la &lt;i&gt;vitesse radiale&lt;/i&gt; de l&apos;étoile, &lt;i&gt;v&lt;sub&gt;r&lt;/sub&gt;&lt;/i&gt;, la partie de sa vitesse dirigée vers eux ou à l&apos;opposé d&apos;eux.</translation>
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
        <translation>Le graphique de droite représente la vitesse radiale de l&apos;étoile en fonction du temps. Le curseur d&apos;échelle de temps sous le graphique fixe la durée que représente une division de l&apos;axe du temps, comme l&apos;indique l&apos;unité à côté de l&apos;axe (&lt;i&gt;t&lt;/i&gt; / 1000 jours : chaque division vaut 1000 jours) ; le graphique montre dix divisions. Quand la courbe atteint la fin de l&apos;intervalle de temps affiché, l&apos;axe des vitesses est remis à l&apos;échelle automatiquement ; décochez &lt;b&gt;Échelle auto&lt;/b&gt; pour désactiver cette fonction. Le bouton &lt;b&gt;Réajuster vitesse&lt;/b&gt; remet l&apos;axe des vitesses à l&apos;échelle à tout moment.</translation>
    </message>
    <message>
        <source>&lt;b&gt;What is the orbital period?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Quelle est la période orbitale ?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Enter your answer below to 2 sig figs.</source>
        <translation>Répondez ci-dessous à 2 chiffres significatifs.</translation>
    </message>
    <message>
        <source>&lt;b&gt;When is the star&apos;s radial velocity zero?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Quand la vitesse radiale est-elle nulle ?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Click on one of the following answers.</source>
        <translation>Cliquez sur l&apos;une des réponses suivantes.</translation>
    </message>
    <message>
        <source>The view is turned: the axes show apart.</source>
        <translation>La vue est tournée : les axes se distinguent.</translation>
    </message>
    <message>
        <source>Tick the &lt;b&gt;Velocity vector &lt;/b&gt;check box and watch the star&apos;s velocity vector (the green arrow). When the radial velocity is greatest, the arrow is parallel to the &lt;i&gt;z&lt;/i&gt; axis: the star is moving straight towards or away from the Earth. When the radial velocity is zero, the star&apos;s velocity is perpendicular to the &lt;i&gt;z&lt;/i&gt; axis, and the star moves across our line of sight.</source>
        <comment>Velocity vector: the caption of the check box</comment>
        <translation>Cochez la case &lt;b&gt;Vecteur vitesse&lt;/b&gt; et observez le vecteur vitesse de l&apos;étoile (la flèche verte). Quand la vitesse radiale est maximale, la flèche est parallèle à l&apos;axe &lt;i&gt;z&lt;/i&gt; : l&apos;étoile se déplace droit vers la Terre ou s&apos;en éloigne. Quand la vitesse radiale est nulle, la vitesse de l&apos;étoile est perpendiculaire à l&apos;axe &lt;i&gt;z&lt;/i&gt;, et l&apos;étoile se déplace en travers de notre ligne de visée.</translation>
    </message>
    <message>
        <source>You should now see why the radial velocity of the star varies as the planet and the star orbit their centre of mass. Next we investigate how the orientation of the orbit and the other parameters affect the amplitude of the radial velocity curve.</source>
        <translation>Vous devriez maintenant comprendre pourquoi la vitesse radiale de l&apos;étoile varie quand la planète et l&apos;étoile tournent autour de leur centre de masse. Nous allons ensuite étudier comment l&apos;orientation de l&apos;orbite et les autres paramètres influent sur l&apos;amplitude de la courbe de vitesse radiale.</translation>
    </message>
    <message>
        <source>Hint: Your number is 1000 times too small:
read the unit beside the time axis.</source>
        <translation>Indice : votre nombre est 1000 fois trop petit :
lisez l&apos;unité à côté de l&apos;axe du temps.</translation>
    </message>
    <message>
        <source>Hint: Your number is 1000 times too large:
read the unit beside the time axis.</source>
        <translation>Indice : votre nombre est 1000 fois trop grand :
lisez l&apos;unité à côté de l&apos;axe du temps.</translation>
    </message>
    <message>
        <source>Hint: Measure between maxima or minima,
and note the scale of the time axis.</source>
        <translation>Indice : mesurez entre deux maxima ou deux minima,
et notez l&apos;échelle de l&apos;axe du temps.</translation>
    </message>
    <message>
        <source>Hint: Press &lt;b&gt;Stop&lt;/b&gt; when the graph
crosses zero.</source>
        <comment>Stop: the caption of the button</comment>
        <translation>Indice : appuyez sur &lt;b&gt;Arrêter&lt;/b&gt; quand la courbe
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
        <translation>La bonne réponse est : quand elle traverse l&apos;axe &lt;i&gt;z&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Mondas&apos;s period to three figures, %1 days; answers within %2 days count.</source>
        <comment>of the orbit</comment>
        <translation>La période de Mondas à trois chiffres : %1 jours ; les réponses à %2 jours près sont acceptées.</translation>
    </message>
    <message>
        <source>“%1” (the third choice).</source>
        <translation>« %1 » (le troisième choix).</translation>
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
        <translation>L&apos;orbite est d&apos;abord vue par la tranche, de côté : %1 vaut 90°.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Start&lt;/b&gt;. The masses and the orbit are the same as in the last section, so the radial velocity profile is the same too.</source>
        <comment>Start: the caption of the button</comment>
        <translation>Appuyez sur &lt;b&gt;Lancer&lt;/b&gt;. Les masses et l&apos;orbite sont les mêmes que dans la section précédente : le profil de vitesse radiale est donc le même aussi.</translation>
    </message>
    <message>
        <source>Now click &lt;b&gt;Edit parameters&lt;/b&gt; and, in the window that opens, use the slider to change the inclination of the orbit of Mondas to about 30°.</source>
        <comment>Edit parameters: the caption of the button</comment>
        <translation>Cliquez maintenant sur &lt;b&gt;Modifier paramètres&lt;/b&gt; et, dans la fenêtre qui s&apos;ouvre, utilisez le curseur pour régler l&apos;inclinaison de l&apos;orbite de Mondas à environ 30°.</translation>
    </message>
    <message>
        <source>(Sliders will be enabled when you first need them.)</source>
        <translation>(Les curseurs seront activés quand vous en aurez besoin pour la première fois.)</translation>
    </message>
    <message>
        <source>The amplitude of the radial velocity is reduced: the maxima and minima are smaller. (Automatic rescaling has been turned off so that you can see this.)</source>
        <translation>L&apos;amplitude de la vitesse radiale est réduite : les maxima et les minima sont plus petits. (La remise à l&apos;échelle automatique a été désactivée pour que vous puissiez le voir.)</translation>
    </message>
    <message>
        <source>Drag the orbit view to look at the orbit from different angles, and notice that the star orbits in the same plane as the planet.</source>
        <translation>Faites glisser la vue des orbites pour regarder l&apos;orbite sous différents angles, et remarquez que l&apos;étoile tourne dans le même plan que la planète.</translation>
    </message>
    <message>
        <source>Now set %1 to zero. The orbit then lies in the plane of the sky, at right angles to the line of sight, and the star&apos;s radial velocity is always zero: the star never moves towards or away from us.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i</comment>
        <translation>Réglez maintenant %1 à zéro. L&apos;orbite se trouve alors dans le plan du ciel, perpendiculaire à la ligne de visée, et la vitesse radiale de l&apos;étoile est toujours nulle : l&apos;étoile ne se rapproche jamais de nous et ne s&apos;en éloigne jamais.</translation>
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
de la vitesse radiale ?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>A lighter planet pulls less on the star, so the star moves more slowly around the centre of mass and the amplitude of its radial velocity is smaller. A heavier planet gives a larger amplitude.</source>
        <translation>Une planète plus légère attire moins l&apos;étoile : l&apos;étoile se déplace donc plus lentement autour du centre de masse et l&apos;amplitude de sa vitesse radiale est plus petite. Une planète plus lourde donne une amplitude plus grande.</translation>
    </message>
    <message>
        <source>Changing the inclination and the mass did not change the period of the radial velocity curve. Now vary the semimajor axis &lt;i&gt;a. &lt;/i&gt;You may need the graph&apos;s scaling controls below to see the whole curve: the timescale slider and the &lt;b&gt;Rescale velocity&lt;/b&gt; button.</source>
        <comment>period of the orbit; Rescale velocity: the caption of the button</comment>
        <translation>Modifier l&apos;inclinaison et la masse n&apos;a pas changé la période de la courbe de vitesse radiale. Faites maintenant varier le demi-grand axe &lt;i&gt;a&lt;/i&gt;. Vous aurez peut-être besoin des réglages d&apos;échelle du graphique ci-dessous pour voir toute la courbe : le curseur d&apos;échelle de temps et le bouton &lt;b&gt;Réajuster vitesse&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>The semimajor axis &lt;i&gt;a &lt;/i&gt;affects both the period and the amplitude. A planet with a smaller &lt;i&gt;a &lt;/i&gt;is closer to the star and moves faster, so the amplitude is larger and the period shorter.</source>
        <comment>period of the orbit</comment>
        <translation>Le demi-grand axe &lt;i&gt;a&lt;/i&gt; influe à la fois sur la période et sur l&apos;amplitude. Une planète de plus petit &lt;i&gt;a&lt;/i&gt; est plus proche de l&apos;étoile et se déplace plus vite : l&apos;amplitude est donc plus grande et la période plus courte.</translation>
    </message>
    <message>
        <source>Now try an eccentricity &lt;i&gt;e &lt;/i&gt;of about 0.5.</source>
        <translation>Essayez maintenant une excentricité &lt;i&gt;e&lt;/i&gt; d&apos;environ 0,5.</translation>
    </message>
    <message>
        <source>An ellipse has an eccentricity between 0 (a circle) and 1. On an elliptical orbit the speed is no longer constant, so the radial velocity profile looks skewed. The speed is greatest when the star and the planet are closest together.</source>
        <translation>Une ellipse a une excentricité comprise entre 0 (un cercle) et 1. Sur une orbite elliptique, la vitesse n&apos;est plus constante : le profil de vitesse radiale paraît donc déformé. La vitesse est maximale quand l&apos;étoile et la planète sont au plus près l&apos;une de l&apos;autre.</translation>
    </message>
    <message>
        <source>The period has not changed: it depends on the semimajor axis, not on the eccentricity.</source>
        <comment>period of the orbit</comment>
        <translation>La période n&apos;a pas changé : elle dépend du demi-grand axe, pas de l&apos;excentricité.</translation>
    </message>
    <message>
        <source>Now try altering the angle %1. It rotates the orbit about its normal, turning the ellipse within its own plane. For a circular orbit this does not change the shape of the radial velocity profile, only shifts it in time (the planet starts from another place); for an elliptical orbit it changes the shape itself.</source>
        <comment>%1 is the angle&apos;s symbol, an italic Greek psi</comment>
        <translation>Essayez maintenant de modifier l&apos;angle %1. Il fait tourner l&apos;orbite autour de sa normale, ce qui tourne l&apos;ellipse dans son propre plan. Pour une orbite circulaire, cela ne change pas la forme du profil de vitesse radiale, mais le décale seulement dans le temps (la planète part d&apos;un autre endroit) ; pour une orbite elliptique, cela change la forme elle-même.</translation>
    </message>
    <message>
        <source>The azimuth %1 of the orbit rotates the orbit&apos;s normal about the &lt;i&gt;z&lt;/i&gt; axis. The radial velocity profile does not depend on %1 at all, so Doppler spectroscopy tells us nothing about the azimuth of an orbit.</source>
        <comment>%1 is the azimuth&apos;s symbol, an italic Greek phi</comment>
        <translation>L&apos;azimut %1 de l&apos;orbite fait tourner la normale de l&apos;orbite autour de l&apos;axe &lt;i&gt;z&lt;/i&gt;. Le profil de vitesse radiale ne dépend pas du tout de %1 : la spectroscopie Doppler ne nous apprend donc rien sur l&apos;azimut d&apos;une orbite.</translation>
    </message>
    <message>
        <source>The mass of the star can be found by other methods, from its spectrum and its brightness, so we treat it as known.</source>
        <translation>La masse de l&apos;étoile peut être déterminée par d&apos;autres méthodes, à partir de son spectre et de sa luminosité : nous la considérons donc comme connue.</translation>
    </message>
    <message>
        <source>You may now vary it as well. The period follows from the star&apos;s mass and the semimajor axis.</source>
        <comment>period of the orbit</comment>
        <translation>Vous pouvez maintenant la faire varier aussi. La période découle de la masse de l&apos;étoile et du demi-grand axe.</translation>
    </message>
    <message>
        <source>So, for one planet: </source>
        <translation>Ainsi, pour une planète : </translation>
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
        <translation>Avec une seule planète, le demi-grand axe &lt;i&gt;a&lt;/i&gt; et l&apos;excentricité &lt;i&gt;e&lt;/i&gt; se déduisent du profil de vitesse radiale. Mais l&apos;amplitude dépend à la fois de la masse &lt;i&gt;m&lt;/i&gt; et de l&apos;inclinaison %1 : on ne peut donc pas les déterminer séparément, et le mieux que l&apos;on puisse obtenir est %2.</translation>
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
        <source>“%1” (the first choice).</source>
        <translation>« %1 » (le premier choix).</translation>
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
        <translation>Le profil de vitesse radiale est maintenant beaucoup plus compliqué. Chaque planète a une période fixe, mais leur effet combiné ne se répète pas au bout d&apos;une durée fixe : le profil n&apos;est pas périodique.</translation>
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
beaucoup. Quelles sont les périodes ?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The timescale is now set to 1000 days. On this scale the period of Vulcan is clear, but that of Mondas is not.</source>
        <comment>period of an orbit</comment>
        <translation>L&apos;échelle de temps est maintenant réglée sur 1000 jours. À cette échelle, la période de Vulcan est nette, mais pas celle de Mondas.</translation>
    </message>
    <message>
        <source>The timescale is now set to 10000 days. Now the much longer period of Mondas shows, with the shorter variations of Vulcan superimposed on it.</source>
        <comment>period of an orbit</comment>
        <translation>L&apos;échelle de temps est maintenant réglée sur 10 000 jours. La période bien plus longue de Mondas apparaît alors, avec les variations plus courtes de Vulcan superposées.</translation>
    </message>
    <message>
        <source>&lt;b&gt;One parameter has been changed from
the last page. From the radial velocity
profile alone, what parameter(s) could have been changed? (Animation has been disabled.)&lt;/b&gt;</source>
        <translation>&lt;b&gt;Un paramètre a été modifié par rapport
à la page précédente. D&apos;après le seul profil
de vitesse radiale, quel(s) paramètre(s) a-t-on pu modifier ? (L&apos;animation a été désactivée.)&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The animation shows that the yellow orbit of Vulcan is now greatly inclined: it is only 10° from face-on. The radial velocity alone did not reveal this.</source>
        <translation>L&apos;animation montre que l&apos;orbite jaune de Vulcan est maintenant fortement inclinée : elle n&apos;est qu&apos;à 10° d&apos;une orbite vue de face. La vitesse radiale seule ne le révélait pas.</translation>
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
        <translation>Indice : essayez la plus grande échelle de temps pour Mondas.</translation>
    </message>
    <message>
        <source>Hint: Compare the graph with the one on
the previous page</source>
        <translation>Indice : comparez le graphique avec celui de
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
        <translation>planète « %1 », paramètre « %2 ».</translation>
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
        <translation>&lt;b&gt;Quelles restrictions cela impose-t-il aux planètes que vous pouvez découvrir ?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Reconstruct reality</source>
        <translation>Reconstituer la réalité</translation>
    </message>
    <message>
        <source>Give the planets the parameters of a real system, and you will see the work planet hunters do.</source>
        <translation>Donnez aux planètes les paramètres d&apos;un système réel, et vous verrez le travail que font les chasseurs de planètes.</translation>
    </message>
    <message>
        <source>Open the card &lt;b&gt;Real planetary systems&lt;/b&gt; from the &lt;b&gt;Tools&lt;/b&gt; menu, choose a system and press &lt;b&gt;Set up&lt;/b&gt;. Or set them yourself: %1 = 90° and &lt;i&gt;m&lt;/i&gt; to the given %2. Set up shortens the velocity arrows to fit the view; the star&apos;s is %3 times a planet&apos;s at the same speed.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i; %2 the product m sin i; %3 a whole number. Real planetary systems, Tools, Set up: the names of the card, the menu and the card&apos;s button</comment>
        <translation>Ouvrez la fiche &lt;b&gt;Systèmes planétaires réels&lt;/b&gt; depuis le menu &lt;b&gt;Outils&lt;/b&gt;, choisissez un système et appuyez sur &lt;b&gt;Charger&lt;/b&gt;. Ou réglez-les vous-même : %1 = 90° et &lt;i&gt;m&lt;/i&gt; à la valeur de %2 donnée. Charger raccourcit les flèches de vitesse pour qu&apos;elles tiennent dans la vue ; celle de l&apos;étoile vaut %3 fois celle d&apos;une planète à la même vitesse.</translation>
    </message>
    <message>
        <source>Challenge other students</source>
        <translation>Défiez d&apos;autres élèves</translation>
    </message>
    <message>
        <source>Create a planetary system of your own, then print its velocity curve with &lt;b&gt;Print&lt;/b&gt; in the File menu to send to other students. Can they discover the parameters you chose? &lt;b&gt;Save system&lt;/b&gt; in the File menu keeps your system, so that &lt;b&gt;Open system&lt;/b&gt; can show them the answer later.</source>
        <comment>Print, File, Save system, Open system: the names of the menu and its entries</comment>
        <translation>Créez votre propre système planétaire, puis imprimez sa courbe de vitesse avec &lt;b&gt;Imprimer&lt;/b&gt; dans le menu Fichier pour l&apos;envoyer à d&apos;autres élèves. Peuvent-ils retrouver les paramètres que vous avez choisis ? &lt;b&gt;Enregistrer le système&lt;/b&gt; dans le menu Fichier conserve votre système, afin que &lt;b&gt;Ouvrir un système&lt;/b&gt; puisse leur montrer la réponse plus tard.</translation>
    </message>
    <message>
        <source>Note: the &lt;b&gt;Zoom&lt;/b&gt; slider can hide the animation graphics.</source>
        <comment>Zoom: the caption of the view&apos;s slider</comment>
        <translation>Remarque : le curseur &lt;b&gt;Zoom&lt;/b&gt; peut masquer les éléments graphiques de l&apos;animation.</translation>
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
        <translation>Chapitre %1 : %2</translation>
    </message>
</context>
<context>
    <name>Data files</name>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>Le fichier « %1 » est vide.</translation>
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
        <translation>Le livre se lit page par page. Dans le menu &lt;b&gt;Section&lt;/b&gt;, &lt;b&gt;Sommaire&lt;/b&gt; donne la liste des chapitres ; choisissez-en un pour l&apos;ouvrir à sa première page. Les flèches sous une page, ou les touches de page, tournent les pages. Quand une page pose une question, répondez-y et appuyez sur &lt;b&gt;Valider&lt;/b&gt; : la correction s&apos;ouvre avec &amp;#x2713; quand la réponse est juste et &amp;#x2717; quand elle ne l&apos;est pas, et &lt;b&gt;OK&lt;/b&gt; la ferme. Certaines pages ne permettent de continuer qu&apos;une fois que l&apos;on a répondu à leur question.</translation>
    </message>
    <message>
        <source>The simulation pages show the star and its planets on their orbits above the star&apos;s radial velocity. &lt;b&gt;Start&lt;/b&gt;, &lt;b&gt;Stop&lt;/b&gt; and &lt;b&gt;Reset&lt;/b&gt; run it, &lt;b&gt;Edit parameters&lt;/b&gt; changes the planets, and the sliders turn the view and set the timescale. The &lt;b&gt;Tools&lt;/b&gt; menu opens the calculator, the spectrum, the real planetary systems and the observing run; &lt;b&gt;File, Save picture&lt;/b&gt; saves a picture the page shows.</source>
        <translation>Les pages de simulation montrent l&apos;étoile et ses planètes sur leurs orbites au-dessus de la vitesse radiale de l&apos;étoile. &lt;b&gt;Lancer&lt;/b&gt;, &lt;b&gt;Arrêter&lt;/b&gt; et &lt;b&gt;Réinit.&lt;/b&gt; commandent la simulation, &lt;b&gt;Modifier paramètres&lt;/b&gt; modifie les planètes, et les curseurs tournent la vue et règlent l&apos;échelle de temps. Le menu &lt;b&gt;Outils&lt;/b&gt; ouvre la calculatrice, le spectre, les systèmes planétaires réels et la campagne d&apos;observation ; &lt;b&gt;Fichier, Enregistrer une image&lt;/b&gt; enregistre une image affichée par la page.</translation>
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
        <translation>Un curseur, une liste ou un texte défilant qui a le focus utilise lui-même Pg Préc et Pg Suiv ; Alt+Droite et Alt+Gauche tournent la page depuis n&apos;importe où.</translation>
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
        <translation>Zoom à 100 %</translation>
    </message>
    <message>
        <source>&lt;b&gt;Alt&lt;/b&gt; with a menu&apos;s underlined letter</source>
        <translation>&lt;b&gt;Alt&lt;/b&gt; avec la lettre soulignée d&apos;un menu</translation>
    </message>
    <message>
        <source>Open that menu: File, View, Section, Tools, Help</source>
        <translation>Ouvrir ce menu : Fichier, Affichage, Section, Outils, Aide</translation>
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
        <translation>La taille de l&apos;orbite : la moitié de son plus grand diamètre, de 0,01 à 100 AU.</translation>
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
        <translation>L&apos;écart entre l&apos;orbite et un cercle : 0 pour un cercle, près de 1 pour une ellipse longue et fine.</translation>
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
        <translation>L&apos;angle entre la ligne de visée et la normale à l&apos;orbite : 90° pour une orbite vue par la tranche, 0° vue de face.</translation>
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
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Please type a valid number!</source>
        <translation>Veuillez saisir un nombre valide !</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>the button that hands in an answer</comment>
        <translation>Valider</translation>
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
        <translation>Première planète trouvée autour d&apos;une étoile de type solaire : une géante plus près d&apos;elle que Mercure.</translation>
    </message>
    <message>
        <source>the mass with which Butler et al. 2006&apos;s K gives their m sin i (mass function); the 1.11 of later catalogues gives K 1.1 % below theirs</source>
        <translation>la masse avec laquelle le K de Butler et al. 2006 donne leur m sin i (fonction de masse) ; la valeur 1,11 des catalogues plus récents donne un K inférieur de 1,1 % au leur</translation>
    </message>
    <message>
        <source>Butler et al. 2006, table of orbital solutions, columns P, K, e, ω, M sin i; all five confirmed against copies of that row (ω = 58°, 1.012291 rad)</source>
        <translation>Butler et al. 2006, table des solutions orbitales, colonnes P, K, e, ω, M sin i ; les cinq valeurs vérifiées sur des copies de cette ligne (ω = 58°, 1,012291 rad)</translation>
    </message>
    <message>
        <source>A heavy planet on a clearly eccentric orbit: the curve is no longer a sine wave.</source>
        <translation>Une planète massive sur une orbite nettement excentrique : la courbe n&apos;est plus une sinusoïde.</translation>
    </message>
    <message>
        <source>Kane et al. 2015&apos;s stellar table; its K and m sin i agree with it</source>
        <translation>table stellaire de Kane et al. 2015 ; les K et m sin i de l&apos;article concordent avec elle</translation>
    </message>
    <message>
        <source>Kane et al. 2015, table of the Keplerian orbit, columns P, K, e, ω, M sin i; not confirmed against a copy</source>
        <translation>Kane et al. 2015, table de l&apos;orbite képlérienne, colonnes P, K, e, ω, M sin i ; non vérifié sur une copie</translation>
    </message>
    <message>
        <source>A very eccentric orbit: the velocity hardly changes for weeks, then swings in days.</source>
        <translation>Orbite très excentrique : la vitesse varie à peine durant des semaines, puis bascule en quelques jours.</translation>
    </message>
    <message>
        <source>Hébrard et al. 2010&apos;s stellar parameters; not confirmed against a copy</source>
        <translation>paramètres stellaires de Hébrard et al. 2010 ; non vérifiés sur une copie</translation>
    </message>
    <message>
        <source>Hébrard et al. 2010, table of fitted and derived parameters, columns P, K, e, ω, M_p; ω = 300.8° as a copy of that solution gives it (the 300.651° the card had is not in it); P, e, K and M_p not confirmed against a copy of the table</source>
        <translation>Hébrard et al. 2010, table des paramètres ajustés et dérivés, colonnes P, K, e, ω, M_p ; ω = 300,8° tel que le donne une copie de cette solution (les 300,651° qu&apos;indiquait la fiche n&apos;y figurent pas) ; P, e, K et M_p non vérifiés sur une copie de la table</translation>
    </message>
    <message>
        <source>Two giants on nearly circular orbits of years, like Jupiter and Saturn.</source>
        <translation>Deux géantes sur des orbites presque circulaires de plusieurs années, comme Jupiter et Saturne.</translation>
    </message>
    <message>
        <source>Gregory &amp; Fischer 2010; its K and m sin i agree with it</source>
        <translation>Gregory &amp; Fischer 2010 ; les K et m sin i de l&apos;article concordent avec elle</translation>
    </message>
    <message>
        <source>Gregory &amp; Fischer 2010, table of the two-planet solution, columns P, K, e, ω, M sin i; not confirmed against a copy</source>
        <translation>Gregory &amp; Fischer 2010, table de la solution à deux planètes, colonnes P, K, e, ω, M sin i ; non vérifié sur une copie</translation>
    </message>
    <message>
        <source>Gregory &amp; Fischer 2010, table of the two-planet solution, columns P, e, ω, M sin i; K computed; not confirmed against a copy</source>
        <translation>Gregory &amp; Fischer 2010, table de la solution à deux planètes, colonnes P, e, ω, M sin i ; K calculé ; non vérifié sur une copie</translation>
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
        <translation>McArthur et al. 2010, table de la solution orbitale, colonnes P, K, e, ω, M sin i ; ω = 44° d&apos;après la copie de cette solution dans un catalogue, le reste non vérifié</translation>
    </message>
    <message>
        <source>McArthur et al. 2010, table of the orbital solution, columns P, K, e, ω, M sin i; not confirmed against a copy</source>
        <translation>McArthur et al. 2010, table de la solution orbitale, colonnes P, K, e, ω, M sin i ; non vérifié sur une copie</translation>
    </message>
    <message>
        <source>McArthur et al. 2010, table of the orbital solution, columns P, K, e, ω, M sin i; P and e confirmed against an encyclopaedia copy citing it</source>
        <translation>McArthur et al. 2010, table de la solution orbitale, colonnes P, K, e, ω, M sin i ; P et e vérifiés sur la copie d&apos;une encyclopédie qui la cite</translation>
    </message>
    <message>
        <source>Two giants in a 2:1 resonance pull each other round: no fixed orbit follows them.</source>
        <translation>Deux géantes en résonance 2:1 s&apos;entraînent mutuellement : aucune orbite fixe ne les suit.</translation>
    </message>
    <message>
        <source>Rivera et al. 2010, the star&apos;s mass their planets&apos; masses are computed with; not confirmed against a copy</source>
        <translation>Rivera et al. 2010, la masse de l&apos;étoile avec laquelle les masses de leurs planètes sont calculées ; non vérifiée sur une copie</translation>
    </message>
    <message>
        <source>Rivera et al. 2010, table of the coplanar four-planet fit, columns P, K, e, ω and the mass (6.83 Earth masses); m sin i computed at i = 59°; P, e, ω and the mass confirmed against an encyclopaedia copy citing it</source>
        <translation>Rivera et al. 2010, table de l&apos;ajustement coplanaire à quatre planètes, colonnes P, K, e, ω et la masse (6,83 masses terrestres) ; m sin i calculé pour i = 59° ; P, e, ω et la masse vérifiés sur la copie d&apos;une encyclopédie qui la cite</translation>
    </message>
    <message>
        <source>Rivera et al. 2010, table of the coplanar four-planet fit, columns P, K, e, ω and the mass (0.7142 Jupiter masses); m sin i computed at i = 59°; all five confirmed against an encyclopaedia copy citing it</source>
        <translation>Rivera et al. 2010, table de l&apos;ajustement coplanaire à quatre planètes, colonnes P, K, e, ω et la masse (0,7142 masse de Jupiter) ; m sin i calculé pour i = 59° ; les cinq valeurs vérifiées sur la copie d&apos;une encyclopédie qui la cite</translation>
    </message>
    <message>
        <source>Rivera et al. 2010, table of the coplanar four-planet fit, columns P, K, e, ω and the mass (2.2756 Jupiter masses); m sin i computed at i = 59°; P, e and the mass confirmed against an encyclopaedia copy citing it</source>
        <translation>Rivera et al. 2010, table de l&apos;ajustement coplanaire à quatre planètes, colonnes P, K, e, ω et la masse (2,2756 masses de Jupiter) ; m sin i calculé pour i = 59° ; P, e et la masse vérifiés sur la copie d&apos;une encyclopédie qui la cite</translation>
    </message>
    <message>
        <source>What our own Jupiter does to the Sun: about 12 m/s, repeating every twelve years.</source>
        <translation>Ce que notre Jupiter fait au Soleil : environ 12 m/s, qui se répètent tous les douze ans.</translation>
    </message>
    <message>
        <source>the Sun&apos;s mass, by definition</source>
        <translation>la masse du Soleil, par définition</translation>
    </message>
    <message>
        <source>the fact sheet&apos;s columns sidereal period, eccentricity and mass, confirmed against its current values; K computed; ω left undefined, as it depends on where the Sun is seen from</source>
        <translation>colonnes période sidérale, excentricité et masse de la fiche de données, vérifiées sur ses valeurs actuelles ; K calculé ; ω laissé indéfini, car il dépend du point d&apos;où l&apos;on voit le Soleil</translation>
    </message>
    <message>
        <source>Choose a system, then press Set up: its planets replace those of the simulation, seen edge-on, with m = m sin i and the published ω.</source>
        <translation>Choisissez un système, puis appuyez sur Charger : ses planètes remplacent celles de la simulation, vues par la tranche, avec m = m sin i et le ω publié.</translation>
    </message>
    <message>
        <source>Here the card is for reading. In the chapter &quot;Free experiment&quot;, Set up puts the chosen system into the simulation.</source>
        <translation>Ici, la fiche sert à la lecture. Dans le chapitre « Expérimentation libre », Charger place le système choisi dans la simulation.</translation>
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
        <translation>L&apos;image n&apos;a pas été enregistrée : le fichier SVG n&apos;a pas pu être commencé.</translation>
    </message>
    <message>
        <source>The picture was not saved: it could not be written as PNG.</source>
        <translation>L&apos;image n&apos;a pas été enregistrée : elle n&apos;a pas pu être écrite au format PNG.</translation>
    </message>
    <message>
        <source>The picture was not saved: %1.</source>
        <translation>L&apos;image n&apos;a pas été enregistrée : %1.</translation>
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
        <translation>Le fichier ne peut pas être utilisé : sa position d&apos;échelle de temps %1 n&apos;est pas comprise entre %2 et %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its zoom position %1 lies outside %2 to %3.</source>
        <translation>Le fichier ne peut pas être utilisé : sa position de zoom %1 n&apos;est pas comprise entre %2 et %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its tilt position %1 lies outside %2 to %3.</source>
        <translation>Le fichier ne peut pas être utilisé : sa position d&apos;inclinaison %1 n&apos;est pas comprise entre %2 et %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its turn position %1 lies outside %2 to %3.</source>
        <translation>Le fichier ne peut pas être utilisé : sa position de rotation %1 n&apos;est pas comprise entre %2 et %3.</translation>
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
        <translation>La vitesse radiale de l&apos;étoile en fonction du temps, tracée pendant que la simulation tourne ; les titres à côté indiquent les unités des deux axes.</translation>
    </message>
    <message>
        <source>Timescale (days)</source>
        <translation>Échelle de temps (jours)</translation>
    </message>
    <message>
        <source>The simulated days per tick, from 0.1 to 10 000: also the span of the graph.</source>
        <translation>Les jours simulés par graduation, de 0,1 à 10 000 : c&apos;est aussi l&apos;étendue du graphique.</translation>
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
        <translation>L&apos;étoile et ses planètes sur leurs orbites ; faites glisser pour tourner la vue.</translation>
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
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>While a simulation runs, the lines here swing to the red and to the blue as the star&apos;s radial velocity changes.</source>
        <translation>Pendant qu&apos;une simulation tourne, les raies se déplacent ici vers le rouge et vers le bleu à mesure que la vitesse radiale de l&apos;étoile change.</translation>
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
        <translation>&lt;b&gt;Objectifs : &lt;/b&gt;prédire, puis vérifier, comment chaque élément des planètes (trois au plus) façonne la courbe de vitesse de l&apos;étoile ; charger un système réel depuis la fiche et le comparer à sa courbe publiée.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that the curves of several planets cannot be told apart; that a face-on orbit still shows a signal. The chapter asks no questions.</source>
        <translation>&lt;b&gt;Conceptions erronées : &lt;/b&gt;que les courbes de plusieurs planètes ne peuvent pas être distinguées ; qu&apos;une orbite vue de face montre encore un signal. Le chapitre ne pose aucune question.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 45 minutes. Prerequisites: chapters 3 and 4.</source>
        <translation>&lt;b&gt;Séance : &lt;/b&gt;environ 45 minutes. Prérequis : chapitres 3 et 4.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;give each pair one system from Tools, Real planetary systems, and a table of its elements to fill in.</source>
        <translation>&lt;b&gt;Soutien : &lt;/b&gt;donnez à chaque binôme un système pris dans Outils, Systèmes planétaires réels, et un tableau de ses éléments à remplir.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;page 4 in pairs: each builds a system, prints its curve and the other finds its period, K and m sin i.</source>
        <translation>&lt;b&gt;Approfondissement : &lt;/b&gt;la page 4 en binômes : chacun construit un système et imprime sa courbe, et l&apos;autre trouve sa période, K et m sin i.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Answers to the investigations: &lt;/b&gt;page 2: a semi-amplitude K of at least 10 m/s, K ≈ 28.4 m/s (m sin i / 1 Jupiter mass) (P / 1 year)^(−1/3) for a Sun-like star on a circular orbit, needs m sin i of at least 0.35 Jupiter masses at a period of a year but only 0.08 (about 25 Earth masses) at 4 days, and a year of nights shows periods up to about a year, at least one whole orbit; so heavy planets close to their stars are found first, an Earth at 1 AU (0.09 m/s) not at all, and an orbit seen nearly face-on (small sin i) hides any planet. Page 3: the curve set up from the card has the published period and semi-amplitude. Page 4: the answers are the system the student saved with File, Save system.</source>
        <translation>&lt;b&gt;Réponses aux recherches : &lt;/b&gt;page 2 : une demi-amplitude K d&apos;au moins 10 m/s, avec K ≈ 28,4 m/s (m sin i / 1 masse de Jupiter) (P / 1 an)^(−1/3) pour une étoile semblable au Soleil sur une orbite circulaire, exige un m sin i d&apos;au moins 0,35 masse de Jupiter pour une période d&apos;un an, mais seulement 0,08 (environ 25 masses terrestres) à 4 jours, et une année de nuits montre des périodes allant jusqu&apos;à environ un an, soit au moins une orbite complète ; les planètes massives proches de leur étoile sont donc trouvées en premier, une Terre à 1 AU (0,09 m/s) pas du tout, et une orbite vue presque de face (petit sin i) cache n&apos;importe quelle planète. Page 3 : la courbe chargée depuis la fiche a la période et la demi-amplitude publiées. Page 4 : les réponses sont le système que l&apos;élève a enregistré avec Fichier, Enregistrer le système.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;the Doppler effect of light; that a star and its planet orbit their common centre of mass, so an unseen planet shows in the periodic shift of its star&apos;s lines.</source>
        <translation>&lt;b&gt;Objectifs : &lt;/b&gt;l&apos;effet Doppler de la lumière ; qu&apos;une étoile et sa planète tournent autour de leur centre de masse commun, si bien qu&apos;une planète invisible se manifeste par le décalage périodique des raies de son étoile.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that the planet is seen or its own light measured; that the star stands still while the planet orbits it; that a shift to the red means a redder star.</source>
        <translation>&lt;b&gt;Conceptions erronées : &lt;/b&gt;que l&apos;on voit la planète ou que l&apos;on mesure sa propre lumière ; que l&apos;étoile reste immobile pendant que la planète tourne autour d&apos;elle ; qu&apos;un décalage vers le rouge signifie une étoile plus rouge.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 20 minutes. Prerequisites: waves, wavelength and frequency.</source>
        <translation>&lt;b&gt;Séance : &lt;/b&gt;environ 20 minutes. Prérequis : ondes, longueur d&apos;onde et fréquence.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;first let the class hear the Doppler effect of sound: a siren or a phone on a string passing by.</source>
        <translation>&lt;b&gt;Soutien : &lt;/b&gt;faites d&apos;abord entendre à la classe l&apos;effet Doppler du son : une sirène, ou un téléphone au bout d&apos;une ficelle qui passe devant les élèves.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;how far does a speed of 10 m/s shift a line at 500 nm? (λ v / c = 1.7 × 10⁻⁵ nm.)</source>
        <translation>&lt;b&gt;Approfondissement : &lt;/b&gt;de combien une vitesse de 10 m/s décale-t-elle une raie à 500 nm ? (λ v / c = 1,7 × 10⁻⁵ nm.)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;how the planet&apos;s mass, the size and shape of its orbit and the orbit&apos;s tilt change the amplitude and shape of the velocity curve; that only m sin i can be measured.</source>
        <translation>&lt;b&gt;Objectifs : &lt;/b&gt;comment la masse de la planète, la taille et la forme de son orbite et l&apos;inclinaison de l&apos;orbite modifient l&apos;amplitude et la forme de la courbe de vitesse ; que seul m sin i peut être mesuré.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that a heavier planet gives a longer period; that a face-on orbit shows its full signal; that an eccentric orbit&apos;s curve is a sine.</source>
        <translation>&lt;b&gt;Conceptions erronées : &lt;/b&gt;qu&apos;une planète plus lourde donne une période plus longue ; qu&apos;une orbite vue de face montre tout son signal ; que la courbe d&apos;une orbite excentrique est une sinusoïde.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 40 minutes. Prerequisites: chapters 1 and 2; Kepler&apos;s third law.</source>
        <translation>&lt;b&gt;Séance : &lt;/b&gt;environ 40 minutes. Prérequis : chapitres 1 et 2 ; troisième loi de Kepler.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;change one slider at a time, and sketch the curve before and after each change.</source>
        <translation>&lt;b&gt;Soutien : &lt;/b&gt;modifiez un seul curseur à la fois, et esquissez la courbe avant et après chaque modification.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;predict what doubling the planet&apos;s mass does to the curve&apos;s height, then check it (it doubles).</source>
        <translation>&lt;b&gt;Approfondissement : &lt;/b&gt;prédisez ce que fait à la hauteur de la courbe le doublement de la masse de la planète, puis vérifiez-le (elle double).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;to read the orbit view and the velocity graph together: the period from the graph, and when the radial velocity is zero or greatest.</source>
        <translation>&lt;b&gt;Objectifs : &lt;/b&gt;lire ensemble la vue des orbites et le graphique des vitesses : la période d&apos;après le graphique, et quand la vitesse radiale est nulle ou maximale.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that the velocity is greatest when the star is farthest from us (it is zero there); that the graph&apos;s time axis is the same at every timescale.</source>
        <translation>&lt;b&gt;Conceptions erronées : &lt;/b&gt;que la vitesse est maximale quand l&apos;étoile est au plus loin de nous (elle y est nulle) ; que l&apos;axe du temps du graphique est le même à toutes les échelles de temps.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 30 minutes. Prerequisites: chapter 1; reading the period off a repeating graph.</source>
        <translation>&lt;b&gt;Séance : &lt;/b&gt;environ 30 minutes. Prérequis : chapitre 1 ; lire la période sur un graphique qui se répète.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;stop the simulation at each quarter of the orbit and mark on the graph where the star is.</source>
        <translation>&lt;b&gt;Soutien : &lt;/b&gt;arrêtez la simulation à chaque quart d&apos;orbite et marquez sur le graphique où se trouve l&apos;étoile.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;why is the radial velocity zero when the star is nearest to us or farthest from us?</source>
        <translation>&lt;b&gt;Approfondissement : &lt;/b&gt;pourquoi la vitesse radiale est-elle nulle quand l&apos;étoile est au plus près de nous ou au plus loin de nous ?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;5 minutes, to close the course.</source>
        <translation>&lt;b&gt;Séance : &lt;/b&gt;5 minutes, pour clore le cours.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Collecting the work: &lt;/b&gt;File, My answers shows each student&apos;s name, the seed of chapter 6 and every answer given, with its attempts and verdict, and prints it to paper or a PDF file to hand in.</source>
        <translation>&lt;b&gt;Récupérer le travail : &lt;/b&gt;Fichier, Mes réponses montre le nom de chaque élève, la graine du chapitre 6 et chaque réponse donnée, avec ses tentatives et son verdict, et l&apos;imprime sur papier ou dans un fichier PDF à rendre.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;to untangle a velocity curve made by two planets: each period from the timescale that shows it, and which element of a planet changed the curve.</source>
        <translation>&lt;b&gt;Objectifs : &lt;/b&gt;démêler une courbe de vitesse produite par deux planètes : chaque période d&apos;après l&apos;échelle de temps qui la montre, et quel élément d&apos;une planète a modifié la courbe.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that the curve of two planets repeats with either period; that the inclination and the mass of a planet can be told apart from the velocity alone.</source>
        <translation>&lt;b&gt;Conceptions erronées : &lt;/b&gt;que la courbe de deux planètes se répète avec l&apos;une ou l&apos;autre période ; que l&apos;inclinaison et la masse d&apos;une planète peuvent être distinguées d&apos;après la seule vitesse.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 40 minutes. Prerequisites: chapter 3.</source>
        <translation>&lt;b&gt;Séance : &lt;/b&gt;environ 40 minutes. Prérequis : chapitre 3.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;give one planet its least mass first, so that the other planet&apos;s curve shows alone.</source>
        <translation>&lt;b&gt;Soutien : &lt;/b&gt;donnez d&apos;abord à une planète sa plus petite masse, pour que la courbe de l&apos;autre planète apparaisse seule.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;find two periods for which the curve of both planets repeats (their ratio a fraction of small whole numbers), and say after how long.</source>
        <translation>&lt;b&gt;Approfondissement : &lt;/b&gt;trouvez deux périodes pour lesquelles la courbe des deux planètes se répète (leur rapport étant une fraction de petits nombres entiers), et dites au bout de combien de temps.</translation>
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
</TS>
