<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Doppler spectroscopy</source>
        <translation>Espectroscopía Doppler</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versión 1.0</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Doppler spectroscopy book authors</source>
        <translation>Copyright © 2026 Los autores del libro Espectroscopía Doppler</translation>
    </message>
    <message>
        <source>Acknowledgements and copyright</source>
        <translation>Agradecimientos y derechos de autor</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Published measurements</source>
        <translation>Mediciones publicadas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Derechos de autor</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Agradecimientos</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the instruments of a paper</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>The observing window&apos;s File menu opens these published radial velocities, with each instrument&apos;s number of measurements in brackets.</source>
        <translation>El menú Archivo de la ventana de observación abre estas velocidades radiales publicadas, con el número de mediciones de cada instrumento entre paréntesis.</translation>
    </message>
    <message>
        <source>its files cannot be read: %1</source>
        <translation>no se pueden leer sus archivos: %1</translation>
    </message>
    <message>
        <source>The files of the published measurements that come with the book cannot be read: %1</source>
        <translation>No se pueden leer los archivos de las mediciones publicadas que acompañan al libro: %1</translation>
    </message>
</context>
<context>
    <name>Accessibility options</name>
    <message>
        <source>Kept settings forgotten</source>
        <translation>Ajustes guardados olvidados</translation>
    </message>
    <message>
        <source>Accessibility options</source>
        <translation>Opciones de accesibilidad</translation>
    </message>
    <message>
        <source>About these options</source>
        <translation>Acerca de estas opciones</translation>
    </message>
    <message>
        <source>Use system colours</source>
        <translation>Usar los colores del sistema</translation>
    </message>
    <message>
        <source>Include support for screen reader users</source>
        <translation>Incluir ayuda para usuarios de lectores de pantalla</translation>
    </message>
    <message>
        <source>&amp;Forget kept settings</source>
        <translation>&amp;Olvidar ajustes guardados</translation>
    </message>
    <message>
        <source>Deletes the book&apos;s settings file; the book then keeps nothing when it closes.</source>
        <translation>Borra el archivo de ajustes del libro; después, el libro no guarda nada al cerrarse.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Book window</name>
    <message>
        <source>Doppler spectroscopy</source>
        <translation>Espectroscopía Doppler</translation>
    </message>
    <message>
        <source>&amp;Fit to screen (%1 %)</source>
        <translation>A&amp;justar a la pantalla (%1 %)</translation>
    </message>
    <message>
        <source>Click |Return to previous section</source>
        <translation>Haz clic |Volver a la sección anterior</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print &amp;chapter text...</source>
        <translation>Imprimir &amp;texto del capítulo...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Fit to screen</source>
        <translation>A&amp;justar a la pantalla</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;Section</source>
        <translation>&amp;Sección</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Accessibility...</source>
        <translation>&amp;Accesibilidad...</translation>
    </message>
    <message>
        <source>A&amp;bout...</source>
        <translation>Acerca &amp;de...</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Click or press Enter to begin</source>
        <translation>Haz clic o pulsa Intro para empezar</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Calculadora</translation>
    </message>
    <message>
        <source>&amp;Open system...</source>
        <translation>&amp;Abrir sistema...</translation>
    </message>
    <message>
        <source>&amp;Save system...</source>
        <translation>&amp;Guardar sistema...</translation>
    </message>
    <message>
        <source>My &amp;answers...</source>
        <translation>Mis &amp;respuestas...</translation>
    </message>
    <message>
        <source>&amp;Export measurements...</source>
        <translation>&amp;Exportar mediciones...</translation>
    </message>
    <message>
        <source>&amp;Spectrum</source>
        <translation>&amp;Espectro</translation>
    </message>
    <message>
        <source>&amp;Real planetary systems</source>
        <translation>Sistemas planetarios &amp;reales</translation>
    </message>
    <message>
        <source>&amp;Observing run</source>
        <translation>Campaña de &amp;observación</translation>
    </message>
    <message>
        <source>&amp;Keys and how to use this book...</source>
        <translation>&amp;Teclas y cómo usar este libro...</translation>
    </message>
    <message>
        <source>A&amp;ccessibility...</source>
        <translation>A&amp;ccesibilidad...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>The book&apos;s settings were not saved: %1.</source>
        <translation>No se han guardado los ajustes del libro: %1.</translation>
    </message>
    <message>
        <source>The book&apos;s settings were not forgotten: %1.</source>
        <translation>No se han olvidado los ajustes del libro: %1.</translation>
    </message>
    <message>
        <source>%1 : Contents</source>
        <comment>the book&apos;s title and its contents page</comment>
        <translation>%1 : Índice</translation>
    </message>
    <message>
        <source>Unable to open calculator</source>
        <translation>No se puede abrir la calculadora</translation>
    </message>
    <message>
        <source>%1 : %2 %3/%4</source>
        <comment>the book&apos;s title, the chapter&apos;s, the page and the pages</comment>
        <translation>%1 : %2 %3/%4</translation>
    </message>
    <message>
        <source>back</source>
        <comment>turns to the page before</comment>
        <translation>atrás</translation>
    </message>
    <message>
        <source>Click to move back</source>
        <translation>Haz clic para retroceder</translation>
    </message>
    <message>
        <source>forward</source>
        <comment>turns to the next page</comment>
        <translation>adelante</translation>
    </message>
    <message>
        <source>Click to move forward</source>
        <translation>Haz clic para avanzar</translation>
    </message>
    <message>
        <source>The work open before the new zoom was not taken over: %1</source>
        <translation>No se ha recuperado el trabajo abierto antes del nuevo zoom: %1</translation>
    </message>
    <message>
        <source>The open work could not be kept for the new zoom: %1</source>
        <translation>No se ha podido conservar el trabajo abierto para el nuevo zoom: %1</translation>
    </message>
    <message>
        <source>The open work could not be kept for the new zoom: %1.</source>
        <translation>No se ha podido conservar el trabajo abierto para el nuevo zoom: %1.</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <comment>the book&apos;s title and the chapter&apos;s</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Page %1/%2</source>
        <comment>the page and the pages</comment>
        <translation>Página %1/%2</translation>
    </message>
    <message>
        <source>the chapter&apos;s run, seed %1</source>
        <comment>where the observing window&apos;s measurements come from</comment>
        <translation>la campaña del capítulo, semilla %1</translation>
    </message>
    <message>
        <source>Saved work (*.json);;All files (*)</source>
        <translation>Trabajo guardado (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Only a system built in the free experiment can be saved.</source>
        <translation>Solo se puede guardar un sistema construido en el experimento libre.</translation>
    </message>
    <message>
        <source>The file holds an observing run, not a system: open it in the observing run&apos;s window.</source>
        <translation>El archivo contiene una campaña de observación, no un sistema: ábrelo en la ventana de la campaña de observación.</translation>
    </message>
    <message>
        <source>The file holds no system.</source>
        <translation>El archivo no contiene ningún sistema.</translation>
    </message>
    <message>
        <source>The open chapter shows no measurements.</source>
        <translation>El capítulo abierto no muestra ninguna medición.</translation>
    </message>
    <message>
        <source>The measurements were not written: %1.</source>
        <translation>No se han escrito las mediciones: %1.</translation>
    </message>
    <message>
        <source>Export measurements</source>
        <translation>Exportar mediciones</translation>
    </message>
    <message>
        <source>measurements.csv</source>
        <comment>the file name offered</comment>
        <translation>mediciones.csv</translation>
    </message>
    <message>
        <source>Measurements (*.csv);;All files (*)</source>
        <translation>Mediciones (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save system</source>
        <translation>Guardar sistema</translation>
    </message>
    <message>
        <source>system.json</source>
        <comment>the file name offered</comment>
        <translation>sistema.json</translation>
    </message>
    <message>
        <source>Open system</source>
        <translation>Abrir sistema</translation>
    </message>
    <message>
        <source>The system kept has no chapter to go into.</source>
        <translation>El sistema guardado no tiene ningún capítulo en el que entrar.</translation>
    </message>
    <message>
        <source>back</source>
        <comment>under the arrow that goes back</comment>
        <translation>atrás</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>You cannot divide by zero.</source>
        <translation>No puedes dividir entre cero.</translation>
    </message>
    <message>
        <source>A closing bracket ) is missing.</source>
        <translation>Falta un paréntesis de cierre ).</translation>
    </message>
    <message>
        <source>There is a ) without its opening bracket (.</source>
        <translation>Hay un ) sin su paréntesis de apertura (.</translation>
    </message>
    <message>
        <source>A number is missing after an operator or inside brackets.</source>
        <translation>Falta un número después de un operador o dentro de unos paréntesis.</translation>
    </message>
    <message>
        <source>An operator such as + or * is missing between two numbers.</source>
        <translation>Falta un operador, como + o *, entre dos números.</translation>
    </message>
    <message>
        <source>The expression has a word or sign the calculator does not know.</source>
        <translation>La expresión contiene una palabra o un signo que la calculadora no conoce.</translation>
    </message>
    <message>
        <source>A number is not written as a number.</source>
        <translation>Hay un número que no está escrito como un número.</translation>
    </message>
    <message>
        <source>Put a function&apos;s number in brackets, as in sin(30).</source>
        <translation>Pon el número de una función entre paréntesis, como en sin(30).</translation>
    </message>
    <message>
        <source>! takes only whole numbers from 0 up.</source>
        <translation>! solo admite números enteros a partir de 0.</translation>
    </message>
    <message>
        <source>ln(0) and the ln of a negative number are undefined.</source>
        <translation>ln(0) y el ln de un número negativo no están definidos.</translation>
    </message>
    <message>
        <source>log10(0) and the log10 of a negative number are undefined.</source>
        <translation>log10(0) y el log10 de un número negativo no están definidos.</translation>
    </message>
    <message>
        <source>A negative number has no square root.</source>
        <translation>Un número negativo no tiene raíz cuadrada.</translation>
    </message>
    <message>
        <source>asin takes only numbers from -1 to 1.</source>
        <translation>asin solo admite números de -1 a 1.</translation>
    </message>
    <message>
        <source>acos takes only numbers from -1 to 1.</source>
        <translation>acos solo admite números de -1 a 1.</translation>
    </message>
    <message>
        <source>tan is undefined there: the angle is an odd multiple of 90°.</source>
        <translation>tan no está definida ahí: el ángulo es un múltiplo impar de 90°.</translation>
    </message>
    <message>
        <source>A negative number cannot be raised to a fractional power.</source>
        <translation>Un número negativo no se puede elevar a una potencia fraccionaria.</translation>
    </message>
    <message>
        <source>0 cannot be raised to a negative power.</source>
        <translation>0 no se puede elevar a una potencia negativa.</translation>
    </message>
    <message>
        <source>The result is too large for the calculator.</source>
        <translation>El resultado es demasiado grande para la calculadora.</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>&amp;Expression</source>
        <translation>&amp;Expresión</translation>
    </message>
    <message>
        <source>such as 2 pi sqrt(5.2^3)</source>
        <comment>an example; the decimal mark may be the language&apos;s own</comment>
        <translation>como 2 pi sqrt(5.2^3)</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>&amp;Valor</translation>
    </message>
    <message>
        <source>Angles:</source>
        <translation>Ángulos:</translation>
    </message>
    <message>
        <source>&amp;Degrees</source>
        <translation>&amp;Grados</translation>
    </message>
    <message>
        <source>&amp;Radians</source>
        <translation>&amp;Radianes</translation>
    </message>
    <message>
        <source>sin, cos and tan take degrees; asin, acos and atan give degrees</source>
        <translation>sin, cos y tan reciben grados; asin, acos y atan dan grados</translation>
    </message>
    <message>
        <source>sin, cos and tan take radians; asin, acos and atan give radians</source>
        <translation>sin, cos y tan reciben radianes; asin, acos y atan dan radianes</translation>
    </message>
    <message>
        <source>Enter works it out. x is the last value; pi, sqrt, sin, cos, tan, exp, ln and log10 are known, ^ raises to a power.</source>
        <comment>the calculator&apos;s words (x, pi, sqrt, sin, ...) are typed as they stand in every language</comment>
        <translation>Intro calcula el resultado. x es el último valor; se conocen pi, sqrt, sin, cos, tan, exp, ln y log10, y ^ eleva a una potencia.</translation>
    </message>
    <message>
        <source>Work out</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Chapter 1: Doppler spectroscopy</name>
    <message>
        <source>Doppler spectroscopy</source>
        <translation>Espectroscopía Doppler</translation>
    </message>
    <message>
        <source>Light and other radiation from a moving object, such as a star, is shifted in wavelength. When the star moves away from us its light is stretched to longer, redder wavelengths; when it approaches, the light is compressed to shorter, bluer wavelengths. The size of the shift is proportional to the star&apos;s &lt;b&gt;radial velocity&lt;/b&gt; (&lt;i&gt;v&lt;sub&gt;r&lt;/sub&gt;&lt;/i&gt;) the speed at which the star is moving towards or away from the observer. This kind of shift in wavelength is known as the &lt;b&gt;Doppler effect.&lt;/b&gt;</source>
        <translation>La luz y otras radiaciones procedentes de un objeto en movimiento, como una estrella, se desplazan en longitud de onda. Cuando la estrella se aleja de nosotros, su luz se estira hacia longitudes de onda más largas y más rojas; cuando se acerca, la luz se comprime hacia longitudes de onda más cortas y más azules. El tamaño del desplazamiento es proporcional a la &lt;b&gt;velocidad radial&lt;/b&gt; (&lt;i&gt;v&lt;sub&gt;r&lt;/sub&gt;&lt;/i&gt;) de la estrella, la rapidez con la que la estrella se acerca al observador o se aleja de él. Este tipo de desplazamiento en longitud de onda se conoce como &lt;b&gt;efecto Doppler.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Modern instruments measure the wavelength of a line in a star&apos;s spectrum very precisely. Comparing it with the wavelength of the same line measured in the laboratory gives the star&apos;s radial velocity. Once the effects of the Earth&apos;s own orbit around the Sun and of the star&apos;s steady motion through space are removed, any periodic variation that remains means the star is orbiting with an unseen companion. The companion is often another star, but sometimes it is a planet. This way of finding unseen companions is often called&lt;b&gt; Doppler spectroscopy.&lt;/b&gt;</source>
        <translation>Los instrumentos modernos miden con mucha precisión la longitud de onda de una línea del espectro de una estrella. Al compararla con la longitud de onda de la misma línea medida en el laboratorio se obtiene la velocidad radial de la estrella. Una vez eliminados los efectos de la propia órbita de la Tierra alrededor del Sol y del movimiento uniforme de la estrella por el espacio, cualquier variación periódica que quede significa que la estrella está en órbita con una compañera invisible. La compañera suele ser otra estrella, pero a veces es un planeta. Este método para encontrar compañeras invisibles se suele llamar&lt;b&gt; espectroscopía Doppler.&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>Chapter 2: The simulation</name>
    <message>
        <source>The simulation</source>
        <translation>La simulación</translation>
    </message>
    <message>
        <source>We start with a simple system: a star of one solar mass (the yellow dot) and a single planet of one Jupiter mass, Mondas (the white dot). The light-blue line is the orbit of Mondas. Its semimajor axis is 5.2 AU and its eccentricity is 0, so Mondas moves on a circle of radius 5.2 AU.</source>
        <translation>Empezamos con un sistema sencillo: una estrella de una masa solar (el punto amarillo) y un planeta de una masa de Júpiter, Mondas (el punto blanco). La línea azul claro es su órbita. Su semieje mayor mide 5,2 AU y su excentricidad es 0, así que recorre una circunferencia de 5,2 AU de radio.</translation>
    </message>
    <message>
        <source>At first you see the orbit edge-on, so the circle looks like a straight line.</source>
        <translation>Al principio ves la órbita de canto: la circunferencia parece una recta.</translation>
    </message>
    <message>
        <source>You can turn the view to look at the orbit from any direction: drag the mouse across the black pane, or move the &lt;b&gt;Rotate axes &lt;/b&gt;sliders. The &lt;b&gt;Zoom &lt;/b&gt;slider makes the picture larger or smaller.</source>
        <comment>Rotate axes, Zoom: the captions of the view&apos;s sliders</comment>
        <translation>Puedes girar la vista para mirar la órbita desde cualquier dirección: arrastra el ratón por el panel negro o mueve los deslizadores &lt;b&gt;Girar ejes&lt;/b&gt;. El deslizador &lt;b&gt;Zoom&lt;/b&gt; agranda o reduce la imagen.</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;Start &lt;/b&gt;button to begin the simulation.</source>
        <translation>Haz clic en el botón &lt;b&gt;Iniciar&lt;/b&gt; para comenzar la simulación.</translation>
    </message>
    <message>
        <source>The star and Mondas both orbit their common centre of mass, which lies at the origin, where the &lt;i&gt;x, y &lt;/i&gt;and &lt;i&gt;z &lt;/i&gt;axes meet. The star is much heavier than the planet, so its orbit is much smaller.</source>
        <translation>La estrella y Mondas orbitan ambos alrededor de su centro de masas común, que está en el origen, donde se cortan los ejes &lt;i&gt;x, y &lt;/i&gt;y &lt;i&gt;z&lt;/i&gt;. La estrella es mucho más pesada que el planeta, así que su órbita es mucho más pequeña.</translation>
    </message>
    <message>
        <source>&lt;b&gt;NOTE: The star&apos;s motion is always drawn %1 times larger than the planet&apos;s, so that you can see it move.&lt;/b&gt;</source>
        <translation>&lt;b&gt;NOTA: el movimiento de la estrella siempre se dibuja %1 veces más grande que el del planeta, para que puedas verla moverse.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Observers on Earth are a very long way off along the &lt;i&gt;z &lt;/i&gt;axis. They cannot see the star wobble across the sky; all they can measure is the &lt;i&gt;radial velocity &lt;/i&gt;of the star, &lt;i&gt;v&lt;sub&gt;r&lt;/sub&gt;&lt;/i&gt;, the part of its velocity directed towards or away from them.</source>
        <translation>Los observadores en la Tierra están muy lejos, a lo largo del eje &lt;i&gt;z&lt;/i&gt;. No pueden ver cómo la estrella se bambolea por el cielo; lo único que pueden medir es la &lt;i&gt;velocidad radial&lt;/i&gt; de la estrella, &lt;i&gt;v&lt;sub&gt;r&lt;/sub&gt;&lt;/i&gt;, la parte de su velocidad dirigida hacia ellos o en sentido contrario.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The radial velocity is always measured along the &lt;i&gt;z &lt;/i&gt;axis.&lt;/b&gt;</source>
        <translation>&lt;b&gt;La velocidad radial siempre se mide a lo largo del eje &lt;i&gt;z&lt;/i&gt;.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Tick the &lt;b&gt;Velocity vector &lt;/b&gt;check box to show the velocities of the star and the planet as arrows. The length of each arrow is proportional to the speed. The star&apos;s arrow is drawn %1 times longer than the planet&apos;s would be at the same speed.</source>
        <comment>Velocity vector: the caption of the check box</comment>
        <translation>Marca la casilla &lt;b&gt;Vector velocidad&lt;/b&gt; para mostrar las velocidades de la estrella y del planeta como flechas. La longitud de cada flecha es proporcional a la rapidez. La flecha de la estrella se dibuja %1 veces más larga de lo que sería la del planeta a la misma rapidez.</translation>
    </message>
    <message>
        <source>The graph on the right plots the radial velocity of the star against time. The timescale slider below the graph sets how much time one division of the time axis stands for, as the unit beside the axis says (&lt;i&gt;t&lt;/i&gt; / 1000 days: each division is 1000 days); the graph shows ten divisions. When the curve reaches the end of the displayed time range, the velocity axis is rescaled automatically to fit it; untick &lt;b&gt;Autoscale velocity &lt;/b&gt;to switch this off. The &lt;b&gt;Rescale velocity&lt;/b&gt; button rescales the velocity axis at any time.</source>
        <comment>Autoscale velocity, Rescale velocity: the captions of the check box and the button below the graph</comment>
        <translation>La gráfica de la derecha muestra la velocidad radial de la estrella frente al tiempo. El deslizador de escala de tiempo, bajo la gráfica, fija cuánto dura una división del eje de tiempo, como indica la unidad junto al eje (&lt;i&gt;t&lt;/i&gt; / 1000 días: una división son 1000 días); se ven diez divisiones. Cuando la curva llega al final del tiempo mostrado, el eje de velocidad se reescala solo; desmarca &lt;b&gt;Escala automática&lt;/b&gt; para desactivarlo. El botón &lt;b&gt;Reescalar velocidad&lt;/b&gt; lo reescala en cualquier momento.</translation>
    </message>
    <message>
        <source>&lt;b&gt;What is the orbital period?&lt;/b&gt;</source>
        <translation>&lt;b&gt;¿Cuál es el periodo orbital?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Enter your answer below to 2 sig figs.</source>
        <translation>Responde abajo con 2 cifras significativas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;When is the star&apos;s radial velocity zero?&lt;/b&gt;</source>
        <translation>&lt;b&gt;¿Cuándo es cero la velocidad radial estelar?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Click on one of the following answers.</source>
        <translation>Haz clic en una de las siguientes respuestas.</translation>
    </message>
    <message>
        <source>The view is turned: the axes show apart.</source>
        <translation>La vista se ha girado: ahora los ejes se ven por separado.</translation>
    </message>
    <message>
        <source>Tick the &lt;b&gt;Velocity vector &lt;/b&gt;check box and watch the star&apos;s velocity vector (the green arrow). When the radial velocity is greatest, the arrow is parallel to the &lt;i&gt;z&lt;/i&gt; axis: the star is moving straight towards or away from the Earth. When the radial velocity is zero, the star&apos;s velocity is perpendicular to the &lt;i&gt;z&lt;/i&gt; axis, and the star moves across our line of sight.</source>
        <comment>Velocity vector: the caption of the check box</comment>
        <translation>Marca la casilla &lt;b&gt;Vector velocidad&lt;/b&gt; y observa el vector velocidad de la estrella (la flecha verde). Cuando la velocidad radial es máxima, la flecha es paralela al eje &lt;i&gt;z&lt;/i&gt;: la estrella se mueve directamente hacia la Tierra o alejándose de ella. Cuando la velocidad radial es cero, la velocidad de la estrella es perpendicular al eje &lt;i&gt;z&lt;/i&gt; y la estrella se desplaza a través de nuestra línea de visión.</translation>
    </message>
    <message>
        <source>You should now see why the radial velocity of the star varies as the planet and the star orbit their centre of mass. Next we investigate how the orientation of the orbit and the other parameters affect the amplitude of the radial velocity curve.</source>
        <translation>Ahora deberías ver por qué varía la velocidad radial de la estrella mientras el planeta y la estrella orbitan alrededor de su centro de masas. A continuación investigamos cómo afectan la orientación de la órbita y los demás parámetros a la amplitud de la curva de velocidad radial.</translation>
    </message>
    <message>
        <source>Hint: Your number is 1000 times too small:
read the unit beside the time axis.</source>
        <translation>Pista: tu número es 1000 veces demasiado pequeño:
mira la unidad junto al eje de tiempo.</translation>
    </message>
    <message>
        <source>Hint: Your number is 1000 times too large:
read the unit beside the time axis.</source>
        <translation>Pista: tu número es 1000 veces demasiado grande:
mira la unidad junto al eje de tiempo.</translation>
    </message>
    <message>
        <source>Hint: Measure between maxima or minima,
and note the scale of the time axis.</source>
        <translation>Pista: mide entre máximos o entre mínimos
y fíjate en la escala del eje de tiempo.</translation>
    </message>
    <message>
        <source>Hint: Press &lt;b&gt;Stop&lt;/b&gt; when the graph
crosses zero.</source>
        <comment>Stop: the caption of the button</comment>
        <translation>Pista: pulsa &lt;b&gt;Parar&lt;/b&gt; cuando la gráfica
cruce el cero.</translation>
    </message>
    <message>
        <source>The period to two sig figs is %1 days.</source>
        <comment>of the orbit</comment>
        <translation>El periodo con dos cifras significativas es de %1 días.</translation>
    </message>
    <message>
        <source>(The precise period is %1 days.)</source>
        <comment>of the orbit</comment>
        <translation>(El periodo exacto es de %1 días.)</translation>
    </message>
    <message>
        <source>The correct answer is when it crosses the &lt;i&gt;z&lt;/i&gt; axis.</source>
        <translation>La respuesta correcta es cuando cruza el eje &lt;i&gt;z&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Mondas&apos;s period to three figures, %1 days; answers within %2 days count.</source>
        <comment>of the orbit</comment>
        <translation>El periodo de Mondas con tres cifras es de %1 días; se aceptan las respuestas que se desvíen como mucho %2 días.</translation>
    </message>
    <message>
        <source>crosses the x axis</source>
        <translation>cruza el eje x</translation>
    </message>
    <message>
        <source>crosses the y axis</source>
        <translation>cruza el eje y</translation>
    </message>
    <message>
        <source>crosses the z axis</source>
        <translation>cruza el eje z</translation>
    </message>
    <message>
        <source>When it...</source>
        <translation>Cuando...</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>Period of Mondas in days</source>
        <comment>of the orbit</comment>
        <translation>Periodo de Mondas en días</translation>
    </message>
</context>
<context>
    <name>Chapter 3: One planet</name>
    <message>
        <source>One planet</source>
        <translation>Un planeta</translation>
    </message>
    <message>
        <source>This section shows what the radial velocity profile of a star can tell us about a single planet orbiting it, and what it cannot. We keep one planet, Mondas, and change its orbit and its mass one parameter at a time.</source>
        <translation>Esta sección muestra lo que el perfil de velocidad radial de una estrella puede decirnos sobre un único planeta que la orbita, y lo que no. Mantenemos un solo planeta, Mondas, y cambiamos su órbita y su masa parámetro a parámetro.</translation>
    </message>
    <message>
        <source>First we look at how changing the inclination %1 of the orbit changes the amplitude of the radial velocity. %1 is the angle between the line of sight (the &lt;i&gt;z&lt;/i&gt; axis) and the orbit&apos;s normal vector, the arrow drawn at right angles to the orbit in the orbit&apos;s own colour, here light blue.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i</comment>
        <translation>Primero vemos cómo cambia la amplitud de la velocidad radial al cambiar la inclinación %1 de la órbita. %1 es el ángulo entre la línea de visión (el eje &lt;i&gt;z&lt;/i&gt;) y el vector normal de la órbita, la flecha dibujada perpendicular a la órbita con el propio color de la órbita, aquí azul claro.</translation>
    </message>
    <message>
        <source>The orbit starts edge-on, seen from the side: %1 is 90°.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i</comment>
        <translation>La órbita empieza de canto, vista de lado: %1 es 90°.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Start&lt;/b&gt;. The masses and the orbit are the same as in the last section, so the radial velocity profile is the same too.</source>
        <comment>Start: the caption of the button</comment>
        <translation>Pulsa &lt;b&gt;Iniciar&lt;/b&gt;. Masas y órbita son las de la sección anterior, así que el perfil de velocidad radial es el mismo.</translation>
    </message>
    <message>
        <source>Now click &lt;b&gt;Edit parameters&lt;/b&gt; and, in the window that opens, use the slider to change the inclination of the orbit of Mondas to about 30°.</source>
        <comment>Edit parameters: the caption of the button</comment>
        <translation>Ahora haz clic en &lt;b&gt;Editar parámetros&lt;/b&gt; y, en la ventana que se abre, lleva con el deslizador la inclinación de la órbita de Mondas a unos 30°.</translation>
    </message>
    <message>
        <source>(Sliders will be enabled when you first need them.)</source>
        <translation>(Los deslizadores se activarán cuando los necesites por primera vez.)</translation>
    </message>
    <message>
        <source>The amplitude of the radial velocity is reduced: the maxima and minima are smaller. (Automatic rescaling has been turned off so that you can see this.)</source>
        <translation>La amplitud de la velocidad radial se reduce: los máximos y los mínimos son menores. (El reescalado automático se ha desactivado para que puedas verlo.)</translation>
    </message>
    <message>
        <source>Drag the orbit view to look at the orbit from different angles, and notice that the star orbits in the same plane as the planet.</source>
        <translation>Arrastra la vista de la órbita para mirarla desde distintos ángulos, y fíjate en que la estrella orbita en el mismo plano que el planeta.</translation>
    </message>
    <message>
        <source>Now set %1 to zero. The orbit then lies in the plane of the sky, at right angles to the line of sight, and the star&apos;s radial velocity is always zero: the star never moves towards or away from us.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i</comment>
        <translation>Ahora pon %1 a cero. La órbita queda entonces en el plano del cielo, perpendicular a la línea de visión, y la velocidad radial de la estrella es siempre cero: la estrella nunca se acerca a nosotros ni se aleja.</translation>
    </message>
    <message>
        <source>Planets whose orbits we see face-on like this cannot be detected by Doppler spectroscopy.</source>
        <translation>Los planetas cuyas órbitas vemos de frente, como esta, no se pueden detectar por espectroscopía Doppler.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Decrease the planet&apos;s mass.
How does the radial velocity
amplitude change?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Reduce la masa del planeta.
¿Cómo cambia la amplitud
de la velocidad radial?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>A lighter planet pulls less on the star, so the star moves more slowly around the centre of mass and the amplitude of its radial velocity is smaller. A heavier planet gives a larger amplitude.</source>
        <translation>Un planeta más ligero tira menos de la estrella, así que la estrella se mueve más despacio alrededor del centro de masas y la amplitud de su velocidad radial es menor. Un planeta más pesado da una amplitud mayor.</translation>
    </message>
    <message>
        <source>Changing the inclination and the mass did not change the period of the radial velocity curve. Now vary the semimajor axis &lt;i&gt;a. &lt;/i&gt;You may need the graph&apos;s scaling controls below to see the whole curve: the timescale slider and the &lt;b&gt;Rescale velocity&lt;/b&gt; button.</source>
        <comment>period of the orbit; Rescale velocity: the caption of the button</comment>
        <translation>Cambiar la inclinación y la masa no cambió el periodo de la curva de velocidad radial. Ahora varía el semieje mayor &lt;i&gt;a&lt;/i&gt;. Puede que necesites los controles de escala de la gráfica, debajo de ella, para ver la curva entera: el deslizador de escala de tiempo y el botón &lt;b&gt;Reescalar velocidad&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>The semimajor axis &lt;i&gt;a &lt;/i&gt;affects both the period and the amplitude. A planet with a smaller &lt;i&gt;a &lt;/i&gt;is closer to the star and moves faster, so the amplitude is larger and the period shorter.</source>
        <comment>period of the orbit</comment>
        <translation>El semieje mayor &lt;i&gt;a&lt;/i&gt; afecta tanto al periodo como a la amplitud. Un planeta con un &lt;i&gt;a&lt;/i&gt; menor está más cerca de la estrella y se mueve más deprisa, así que la amplitud es mayor y el periodo más corto.</translation>
    </message>
    <message>
        <source>Now try an eccentricity &lt;i&gt;e &lt;/i&gt;of about 0.5.</source>
        <translation>Ahora prueba con una excentricidad &lt;i&gt;e&lt;/i&gt; de aproximadamente 0,5.</translation>
    </message>
    <message>
        <source>An ellipse has an eccentricity between 0 (a circle) and 1. On an elliptical orbit the speed is no longer constant, so the radial velocity profile looks skewed. The speed is greatest when the star and the planet are closest together.</source>
        <translation>Una elipse tiene una excentricidad entre 0 (una circunferencia) y 1. En una órbita elíptica la rapidez ya no es constante, así que el perfil de velocidad radial se ve asimétrico. La rapidez es máxima cuando la estrella y el planeta están más cerca el uno del otro.</translation>
    </message>
    <message>
        <source>The period has not changed: it depends on the semimajor axis, not on the eccentricity.</source>
        <comment>period of the orbit</comment>
        <translation>El periodo no ha cambiado: depende del semieje mayor, no de la excentricidad.</translation>
    </message>
    <message>
        <source>Now try altering the angle %1. It rotates the orbit about its normal, turning the ellipse within its own plane. For a circular orbit this does not change the shape of the radial velocity profile, only shifts it in time (the planet starts from another place); for an elliptical orbit it changes the shape itself.</source>
        <comment>%1 is the angle&apos;s symbol, an italic Greek psi</comment>
        <translation>Ahora prueba a cambiar el ángulo %1. Gira la órbita alrededor de su normal, de modo que la elipse gira dentro de su propio plano. En una órbita circular esto no cambia la forma del perfil de velocidad radial, solo lo desplaza en el tiempo (el planeta parte de otro lugar); en una órbita elíptica cambia la propia forma.</translation>
    </message>
    <message>
        <source>The azimuth %1 of the orbit rotates the orbit&apos;s normal about the &lt;i&gt;z&lt;/i&gt; axis. The radial velocity profile does not depend on %1 at all, so Doppler spectroscopy tells us nothing about the azimuth of an orbit.</source>
        <comment>%1 is the azimuth&apos;s symbol, an italic Greek phi</comment>
        <translation>El acimut %1 de la órbita gira la normal de la órbita alrededor del eje &lt;i&gt;z&lt;/i&gt;. El perfil de velocidad radial no depende en absoluto de %1, así que la espectroscopía Doppler no nos dice nada sobre el acimut de una órbita.</translation>
    </message>
    <message>
        <source>The mass of the star can be found by other methods, from its spectrum and its brightness, so we treat it as known.</source>
        <translation>La masa de la estrella se puede hallar por otros métodos, a partir de su espectro y de su brillo, así que la consideramos conocida.</translation>
    </message>
    <message>
        <source>You may now vary it as well. The period follows from the star&apos;s mass and the semimajor axis.</source>
        <comment>period of the orbit</comment>
        <translation>Ahora también puedes variarla. El periodo se deduce de la masa de la estrella y del semieje mayor.</translation>
    </message>
    <message>
        <source>So, for one planet: </source>
        <translation>Así pues, para un planeta: </translation>
    </message>
    <message>
        <source>- the amplitude tells us about the semimajor axis &lt;i&gt;a, &lt;/i&gt;the inclination %1 and the planet&apos;s mass &lt;i&gt;m.&lt;/i&gt;</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i</comment>
        <translation>- la amplitud nos informa sobre el semieje mayor &lt;i&gt;a&lt;/i&gt;, la inclinación %1 y la masa del planeta &lt;i&gt;m&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>- the period determines the semimajor axis.</source>
        <comment>period of the orbit</comment>
        <translation>- el periodo determina el semieje mayor.</translation>
    </message>
    <message>
        <source>- the shape of the profile determines the eccentricity &lt;i&gt;e.&lt;/i&gt;</source>
        <translation>- la forma del perfil determina la excentricidad &lt;i&gt;e&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Conclusions</source>
        <translation>Conclusiones</translation>
    </message>
    <message>
        <source>With one planet, the semimajor axis &lt;i&gt;a&lt;/i&gt; and the eccentricity &lt;i&gt;e&lt;/i&gt; follow from the radial velocity profile. But the amplitude depends on both the mass &lt;i&gt;m&lt;/i&gt; and the inclination %1, so the two cannot be found separately: the best we can find is %2.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i; %2 the product m sin i</comment>
        <translation>Con un planeta, el semieje mayor &lt;i&gt;a&lt;/i&gt; y la excentricidad &lt;i&gt;e&lt;/i&gt; se deducen del perfil de velocidad radial. Pero la amplitud depende tanto de la masa &lt;i&gt;m&lt;/i&gt; como de la inclinación %1, así que no se pueden hallar por separado: lo más que podemos hallar es %2.</translation>
    </message>
    <message>
        <source>Make sure %1 is not zero.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i</comment>
        <translation>Asegúrate de que %1 no sea cero.</translation>
    </message>
    <message>
        <source>The radial velocity amplitude &lt;i&gt;decreases&lt;/i&gt; as the planet&apos;s mass is decreased.</source>
        <translation>La amplitud de la velocidad radial &lt;i&gt;disminuye&lt;/i&gt; al disminuir la masa del planeta.</translation>
    </message>
    <message>
        <source>it decreases</source>
        <comment>the radial velocity amplitude</comment>
        <translation>disminuye</translation>
    </message>
    <message>
        <source>it increases</source>
        <comment>the radial velocity amplitude</comment>
        <translation>aumenta</translation>
    </message>
    <message>
        <source>it does not change</source>
        <comment>the radial velocity amplitude</comment>
        <translation>no cambia</translation>
    </message>
</context>
<context>
    <name>Chapter 4: Two planets</name>
    <message>
        <source>Parameter</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>Parámetro</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planeta</translation>
    </message>
    <message>
        <source>Two planets</source>
        <translation>Dos planetas</translation>
    </message>
    <message>
        <source>Working out the orbits when more than one planet circles a star is a problem that real planet hunters face. Here a second planet, Vulcan, joins Mondas.</source>
        <translation>Deducir las órbitas cuando más de un planeta gira alrededor de una estrella es un problema al que se enfrentan los verdaderos cazadores de planetas. Aquí un segundo planeta, Vulcan, se une a Mondas.</translation>
    </message>
    <message>
        <source>Click &lt;b&gt;Start&lt;/b&gt; to see why it is a problem.</source>
        <comment>Start: the caption of the button</comment>
        <translation>Haz clic en &lt;b&gt;Iniciar&lt;/b&gt; para ver por qué es un problema.</translation>
    </message>
    <message>
        <source>The radial velocity profile is now much more complicated. Each planet has a fixed period, but their combined effect does not repeat itself after any fixed time: the profile is not periodic.</source>
        <comment>period of an orbit</comment>
        <translation>El perfil de velocidad radial es ahora mucho más complicado. Cada planeta tiene un periodo fijo, pero su efecto combinado no se repite al cabo de ningún tiempo fijo: el perfil no es periódico.</translation>
    </message>
    <message>
        <source>You can see at once, though, that there is more than one planet.</source>
        <translation>Aun así, puedes ver enseguida que hay más de un planeta.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The orbits now have very different
semimajor axes. What are the periods?&lt;/b&gt;</source>
        <comment>periods of the orbits</comment>
        <translation>&lt;b&gt;Ahora las órbitas tienen semiejes mayores
muy distintos. ¿Cuáles son los periodos?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The timescale is now set to 1000 days. On this scale the period of Vulcan is clear, but that of Mondas is not.</source>
        <comment>period of an orbit</comment>
        <translation>La escala de tiempo está ahora en 1000 días. A esta escala el periodo de Vulcan se ve con claridad, pero el de Mondas no.</translation>
    </message>
    <message>
        <source>The timescale is now set to 10000 days. Now the much longer period of Mondas shows, with the shorter variations of Vulcan superimposed on it.</source>
        <comment>period of an orbit</comment>
        <translation>La escala de tiempo está ahora en 10000 días. Ahora se ve el periodo, mucho más largo, de Mondas, con las variaciones más cortas de Vulcan superpuestas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;One parameter has been changed from
the last page. From the radial velocity
profile alone, what parameter(s) could have been changed? (Animation has been disabled.)&lt;/b&gt;</source>
        <translation>&lt;b&gt;Se ha cambiado un parámetro respecto a
la página anterior. Solo a partir del perfil de
velocidad radial, ¿qué parámetro(s) podría(n) haberse cambiado? (Se ha desactivado la animación.)&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The animation shows that the yellow orbit of Vulcan is now greatly inclined: it is only 10° from face-on. The radial velocity alone did not reveal this.</source>
        <translation>La animación muestra que la órbita amarilla de Vulcan está ahora muy inclinada: está a solo 10° de verse de frente. La velocidad radial por sí sola no lo revelaba.</translation>
    </message>
    <message>
        <source>In the &lt;b&gt;Edit parameters&lt;/b&gt; window choose Vulcan, then try setting %1 to 90° and the mass to 0.17 Jupiter masses. The graph should look the same.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i; Edit parameters: the caption of the button</comment>
        <translation>En la ventana &lt;b&gt;Editar parámetros&lt;/b&gt; elige Vulcan y luego prueba a poner %1 a 90° y la masa a 0,17 masas de Júpiter. La gráfica debería verse igual.</translation>
    </message>
    <message>
        <source>There are two lessons here. Even when several planets orbit a star, their properties can still be worked out, because their periods are different. But the mass of a planet and the inclination of its orbit cannot be determined separately.</source>
        <comment>periods of the orbits</comment>
        <translation>Aquí hay dos lecciones. Aunque varios planetas orbiten una estrella, sus propiedades se pueden deducir, porque sus periodos son distintos. Pero la masa de un planeta y la inclinación de su órbita no se pueden determinar por separado.</translation>
    </message>
    <message>
        <source>Astronomers find the planets&apos; parameters from the radial velocity profile by an automated trial-and-error procedure called &lt;i&gt;fitting&lt;/i&gt;. It fits %1 as one parameter. The number of planets can itself be fitted, although it is often guessed from the profile.</source>
        <comment>%1 is the product m sin i</comment>
        <translation>Los astrónomos hallan los parámetros de los planetas a partir del perfil de velocidad radial mediante un procedimiento automático de prueba y error llamado &lt;i&gt;ajuste&lt;/i&gt;. Este procedimiento ajusta %1 como un único parámetro. El propio número de planetas también se puede ajustar, aunque a menudo se estima a partir del perfil.</translation>
    </message>
    <message>
        <source>Choose a parameter and a planet from the lists first.</source>
        <translation>Elige primero un parámetro y un planeta de las listas.</translation>
    </message>
    <message>
        <source>Choose a parameter from the list first.</source>
        <translation>Elige primero un parámetro de la lista.</translation>
    </message>
    <message>
        <source>Choose a planet from the list first.</source>
        <translation>Elige primero un planeta de la lista.</translation>
    </message>
    <message>
        <source>Hint: Try the largest timescale for Mondas.</source>
        <translation>Pista: prueba la escala de tiempo máxima para Mondas.</translation>
    </message>
    <message>
        <source>Hint: Compare the graph with the one on
the previous page</source>
        <translation>Pista: compara la gráfica con la de
la página anterior</translation>
    </message>
    <message>
        <source>The periods are %1 and %2 days.</source>
        <comment>periods of the orbits</comment>
        <translation>Los periodos son %1 y %2 días.</translation>
    </message>
    <message>
        <source>The correct answer is the &lt;i&gt;inclination or
mass of Vulcan.&lt;/i&gt;</source>
        <translation>La respuesta correcta es la &lt;i&gt;inclinación o
la masa de Vulcan.&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Mondas %1 days (within %2 days) and Vulcan %3 days (within %4 whole days), each to three figures.</source>
        <comment>periods of the orbits</comment>
        <translation>Mondas %1 días (con un margen de %2 días) y Vulcan %3 días (con un margen de %4 días enteros), cada uno con tres cifras.</translation>
    </message>
    <message>
        <source>planet “%1”, parameter “%2”.</source>
        <translation>planeta «%1», parámetro «%2».</translation>
    </message>
    <message>
        <source>days (largest timescale)</source>
        <translation>días (escala máxima)</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>semimajor axis</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>semieje mayor</translation>
    </message>
    <message>
        <source>eccentricity</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>excentricidad</translation>
    </message>
    <message>
        <source>inclination</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>inclinación</translation>
    </message>
    <message>
        <source>orbit azimuth</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>acimut de la órbita</translation>
    </message>
    <message>
        <source>mass</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>masa</translation>
    </message>
    <message>
        <source>inclination or mass</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>inclinación o masa</translation>
    </message>
    <message>
        <source>eccentricity or mass</source>
        <comment>a parameter of the planet or its orbit</comment>
        <translation>excentricidad o masa</translation>
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
        <translation>Experimento libre</translation>
    </message>
    <message>
        <source>You are now free to experiment with all the parameters of all three planets. The following pages suggest a few interesting investigations.</source>
        <translation>Ahora puedes experimentar libremente con todos los parámetros de los tres planetas. Las páginas siguientes proponen algunas investigaciones interesantes.</translation>
    </message>
    <message>
        <source>Selection Effects</source>
        <translation>Efectos de selección</translation>
    </message>
    <message>
        <source>Suppose you have daily access to a telescope for a year, and its spectrometer cannot measure the wavelength shifts of radial velocities below 10 m s⁻¹.</source>
        <translation>Supón que tienes acceso diario a un telescopio durante un año, y que su espectrómetro no puede medir los desplazamientos de longitud de onda de velocidades radiales inferiores a 10 m s⁻¹.</translation>
    </message>
    <message>
        <source>&lt;b&gt;What restrictions does that place on the planets that you can discover?&lt;/b&gt;</source>
        <translation>&lt;b&gt;¿Qué restricciones impone eso a los planetas que puedes descubrir?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Reconstruct reality</source>
        <translation>Reconstruye la realidad</translation>
    </message>
    <message>
        <source>Give the planets the parameters of a real system, and you will see the work planet hunters do.</source>
        <translation>Da a los planetas los parámetros de un sistema real y verás el trabajo que hacen los cazadores de planetas.</translation>
    </message>
    <message>
        <source>Open the card &lt;b&gt;Real planetary systems&lt;/b&gt; from the &lt;b&gt;Tools&lt;/b&gt; menu, choose a system and press &lt;b&gt;Set up&lt;/b&gt;. Or set them yourself: %1 = 90° and &lt;i&gt;m&lt;/i&gt; to the given %2. Set up shortens the velocity arrows to fit the view; the star&apos;s is %3 times a planet&apos;s at the same speed.</source>
        <comment>%1 is the inclination&apos;s symbol, an italic i; %2 the product m sin i; %3 a whole number. Real planetary systems, Tools, Set up: the names of the card, the menu and the card&apos;s button</comment>
        <translation>Abre la tarjeta &lt;b&gt;Sistemas planetarios reales&lt;/b&gt; del menú &lt;b&gt;Herramientas&lt;/b&gt;, elige un sistema y pulsa &lt;b&gt;Cargar&lt;/b&gt;. O ponlos tú: %1 = 90° y &lt;i&gt;m&lt;/i&gt; igual al %2 indicado. Cargar acorta las flechas de velocidad para que quepan en la vista; la de la estrella es %3 veces la de un planeta a la misma rapidez.</translation>
    </message>
    <message>
        <source>Challenge other students</source>
        <translation>Reta a otros estudiantes</translation>
    </message>
    <message>
        <source>Create a planetary system of your own, then print its velocity curve with &lt;b&gt;Print&lt;/b&gt; in the File menu to send to other students. Can they discover the parameters you chose? &lt;b&gt;Save system&lt;/b&gt; in the File menu keeps your system, so that &lt;b&gt;Open system&lt;/b&gt; can show them the answer later.</source>
        <comment>Print, File, Save system, Open system: the names of the menu and its entries</comment>
        <translation>Crea tu propio sistema planetario e imprime su curva de velocidad con &lt;b&gt;Imprimir&lt;/b&gt; del menú Archivo para enviarla a otros estudiantes. ¿Descubrirán los parámetros que elegiste? &lt;b&gt;Guardar sistema&lt;/b&gt; del menú Archivo lo conserva, para que &lt;b&gt;Abrir sistema&lt;/b&gt; les enseñe la respuesta más tarde.</translation>
    </message>
    <message>
        <source>Note: the &lt;b&gt;Zoom&lt;/b&gt; slider can hide the animation graphics.</source>
        <comment>Zoom: the caption of the view&apos;s slider</comment>
        <translation>Nota: el deslizador &lt;b&gt;Zoom&lt;/b&gt; puede ocultar los gráficos de la animación.</translation>
    </message>
</context>
<context>
    <name>Chapter 6: Finding a planet</name>
    <message>
        <source>Can you read the period off these points?</source>
        <translation>¿Puedes leer el periodo a partir de estos puntos?</translation>
    </message>
    <message>
        <source>Yes: from one peak to the next</source>
        <translation>Sí: de un pico al siguiente</translation>
    </message>
    <message>
        <source>No: too few points to join up</source>
        <translation>No: hay muy pocos puntos para unirlos</translation>
    </message>
    <message>
        <source>Yes: by joining the dots</source>
        <translation>Sí: uniendo los puntos</translation>
    </message>
    <message>
        <source>The points lie days apart. Could you join them into one smooth curve?</source>
        <translation>Los puntos están separados por días. ¿Podrías unirlos en una sola curva suave?</translation>
    </message>
    <message>
        <source>A star is measured at most once a night, on clear nights, so the points fall at random moments of a short orbit. The period must be searched for.</source>
        <translation>Una estrella se mide como mucho una vez por noche, en las noches despejadas, así que los puntos caen en momentos al azar de una órbita corta. Hay que buscar el periodo.</translation>
    </message>
    <message>
        <source>What is the period of the highest peak?</source>
        <translation>¿Cuál es el periodo del pico más alto?</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>The period of the highest peak is written beside its marker and below the plot.</source>
        <translation>El periodo del pico más alto está escrito junto a su marca y debajo de la gráfica.</translation>
    </message>
    <message>
        <source>A sine of that period fits your measurements better than any other.</source>
        <translation>Una sinusoide de ese periodo se ajusta a tus mediciones mejor que cualquier otra.</translation>
    </message>
    <message>
        <source>What does a false-alarm probability of 1 % mean?</source>
        <translation>¿Qué significa una probabilidad de falsa alarma del 1 %?</translation>
    </message>
    <message>
        <source>a 1 % chance that a planet is there</source>
        <translation>un 1 % de probabilidad de que haya un planeta</translation>
    </message>
    <message>
        <source>noise alone peaks so high 1 time in 100</source>
        <translation>un pico así sale por ruido 1 vez de cada 100</translation>
    </message>
    <message>
        <source>the period is 1 % uncertain</source>
        <translation>el periodo tiene una incertidumbre del 1 %</translation>
    </message>
    <message>
        <source>Think of a star with no planet at all, observed on the same nights.</source>
        <translation>Piensa en una estrella sin ningún planeta, observada las mismas noches.</translation>
    </message>
    <message>
        <source>It is the chance that noise alone makes so high a peak. Fewer nights or noisier data lower the signal&apos;s peak, and noise reaches so high more often.</source>
        <translation>Es la probabilidad de que el ruido por sí solo produzca un pico tan alto. Con menos noches o datos más ruidosos, el pico de la señal baja y el ruido llega tan alto más a menudo.</translation>
    </message>
    <message>
        <source>Which of these periods is a daily alias of your highest peak?</source>
        <translation>¿Cuál de estos periodos es un alias diario de tu pico más alto?</translation>
    </message>
    <message>
        <source>The window function peaks at 1 day. An alias lies at 1/|1/P − 1| days.</source>
        <translation>La función ventana tiene un pico en 1 día. Un alias está en 1/|1/P − 1| días.</translation>
    </message>
    <message>
        <source>Sampled once a night, a signal at f cycles a day also shows at |f − 1| and f + 1. Twice or half the period is no alias.</source>
        <translation>Con una medición por noche, una señal de f ciclos por día aparece también en |f − 1| y en f + 1. El doble o la mitad del periodo no es un alias.</translation>
    </message>
    <message>
        <source>Folded on the peak’s period × 1.1, what do the points do?</source>
        <translation>Plegados con el periodo del pico × 1,1, ¿qué hacen los puntos?</translation>
    </message>
    <message>
        <source>form the same curve</source>
        <translation>forman la misma curva</translation>
    </message>
    <message>
        <source>scatter: no curve shows</source>
        <translation>se dispersan: no se ve ninguna curva</translation>
    </message>
    <message>
        <source>form a curve half as high</source>
        <translation>forman una curva la mitad de alta</translation>
    </message>
    <message>
        <source>Press “Peak × 1.1” and look at the fold.</source>
        <translation>Pulsa «Pico × 1,1» y mira el plegado.</translation>
    </message>
    <message>
        <source>On a wrong period the orbits&apos; phases drift apart over a season: only a period near the true one folds into one curve.</source>
        <translation>Con un periodo equivocado, las fases de las órbitas se van separando a lo largo de una temporada: solo un periodo cercano al verdadero se pliega en una sola curva.</translation>
    </message>
    <message>
        <source>What is K, the semi-amplitude of your fit?</source>
        <translation>¿Cuánto vale K, la semiamplitud de tu ajuste?</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>K is the fit&apos;s semi-amplitude, written below the plots of the Fit tab with its uncertainty.</source>
        <translation>K es la semiamplitud del ajuste, escrita debajo de las gráficas de la pestaña Ajuste con su incertidumbre.</translation>
    </message>
    <message>
        <source>K is half the swing of the star&apos;s velocity; the fit also gives e and ω, which a sine cannot.</source>
        <translation>K es la mitad de la oscilación de la velocidad de la estrella; el ajuste también da e y ω, cosa que una sinusoide no puede.</translation>
    </message>
    <message>
        <source>What is the m sin i of your planet?</source>
        <translation>¿Cuánto vale el m sin i de tu planeta?</translation>
    </message>
    <message>
        <source>Jupiter masses</source>
        <translation>masas de Júpiter</translation>
    </message>
    <message>
        <source>Use P in days, K in m/s, e, and the star&apos;s mass from the Data tab.</source>
        <translation>Usa P en días, K en m/s, e y la masa de la estrella de la pestaña Datos.</translation>
    </message>
    <message>
        <source>The tilt i is unknown, so the velocity gives only m sin i, the least the mass can be.</source>
        <translation>La inclinación i es desconocida, así que la velocidad solo da m sin i, lo mínimo que puede valer la masa.</translation>
    </message>
    <message>
        <source>Does your star have a second planet?</source>
        <translation>¿Tiene tu estrella un segundo planeta?</translation>
    </message>
    <message>
        <source>Yes: two planets fit much better</source>
        <translation>Sí: dos planetas se ajustan mucho mejor</translation>
    </message>
    <message>
        <source>No: one planet is enough</source>
        <translation>No: basta con un planeta</translation>
    </message>
    <message>
        <source>Yes: every residual peak is a planet</source>
        <translation>Sí: cada pico de los residuos es un planeta</translation>
    </message>
    <message>
        <source>A second planet is supported when it lowers the BIC by more than 10: ΔBIC below −10.</source>
        <translation>Un segundo planeta está respaldado cuando reduce el BIC en más de 10: ΔBIC por debajo de −10.</translation>
    </message>
    <message>
        <source>Any extra planet fits the noise a little better; the BIC charges each parameter ln N, so only a real signal pays for itself.</source>
        <translation>Cualquier planeta de más se ajusta un poco mejor al ruido; el BIC cobra ln N por cada parámetro, así que solo una señal real compensa su coste.</translation>
    </message>
    <message>
        <source>What is the period of 51 Peg b?</source>
        <translation>¿Cuál es el periodo de 51 Peg b?</translation>
    </message>
    <message>
        <source>Open the Periodogram tab: the period of the highest peak is written below the plot.</source>
        <translation>Abre la pestaña Periodograma: el periodo del pico más alto está escrito debajo de la gráfica.</translation>
    </message>
    <message>
        <source>Both instruments, each from its own zero point, show the 4.23-day orbit that Mayor and Queloz found in 1995.</source>
        <translation>Los dos instrumentos, cada uno desde su propio punto cero, muestran la órbita de 4,23 días que Mayor y Queloz encontraron en 1995.</translation>
    </message>
    <message>
        <source>What is the m sin i of 51 Peg b?</source>
        <translation>¿Cuánto vale el m sin i de 51 Peg b?</translation>
    </message>
    <message>
        <source>Use P, K and e from the Fit tab and the star&apos;s mass from the Data tab in the formula of the page on weighing the planet.</source>
        <translation>Usa P, K y e de la pestaña Ajuste y la masa de la estrella de la pestaña Datos en la fórmula de la página sobre cómo pesar el planeta.</translation>
    </message>
    <message>
        <source>About half a Jupiter mass, seven times closer to its star than Mercury is to the Sun: the first hot Jupiter.</source>
        <translation>Aproximadamente media masa de Júpiter, siete veces más cerca de su estrella que Mercurio del Sol: el primer júpiter caliente.</translation>
    </message>
    <message>
        <source>The fit is still being worked out.</source>
        <translation>El ajuste todavía se está calculando.</translation>
    </message>
    <message>
        <source>The highest peak is at %1; answers within %2 days (its half width) count.</source>
        <comment>%1 is a period with its unit</comment>
        <translation>El pico más alto está en %1; se aceptan las respuestas que se desvíen como mucho %2 días (su semianchura).</translation>
    </message>
    <message>
        <source>Your fit&apos;s K is %1 m/s; answers within %2 m/s count.</source>
        <translation>La K de tu ajuste es %1 m/s; se aceptan las respuestas que se desvíen como mucho %2 m/s.</translation>
    </message>
    <message>
        <source>Your planet&apos;s m sin i is %1 Jupiter masses; answers within %2 count, but not those nearer %3, the mass without the star&apos;s (M★ / 1 solar mass)^(2/3).</source>
        <translation>El m sin i de tu planeta es %1 masas de Júpiter; se aceptan las respuestas que se desvíen como mucho %2, pero no las más cercanas a %3, la masa sin el factor de la estrella (M★ / 1 masa solar)^(2/3).</translation>
    </message>
    <message>
        <source>Your planet&apos;s m sin i is %1 Jupiter masses; answers within %2 count.</source>
        <translation>El m sin i de tu planeta es %1 masas de Júpiter; se aceptan las respuestas que se desvíen como mucho %2.</translation>
    </message>
    <message>
        <source>51 Peg b&apos;s period is %1 days; answers within %2 days count.</source>
        <comment>period of the orbit</comment>
        <translation>El periodo de 51 Peg b es %1 días; se aceptan las respuestas que se desvíen como mucho %2 días.</translation>
    </message>
    <message>
        <source>51 Peg b&apos;s m sin i is %1 Jupiter masses; answers within %2 count, but not those nearer %3, the mass without the star&apos;s (M★ / 1 solar mass)^(2/3).</source>
        <translation>El m sin i de 51 Peg b es %1 masas de Júpiter; se aceptan las respuestas que se desvíen como mucho %2, pero no las más cercanas a %3, la masa sin el factor de la estrella (M★ / 1 masa solar)^(2/3).</translation>
    </message>
    <message>
        <source>51 Peg b&apos;s m sin i is %1 Jupiter masses; answers within %2 count.</source>
        <translation>El m sin i de 51 Peg b es %1 masas de Júpiter; se aceptan las respuestas que se desvíen como mucho %2.</translation>
    </message>
    <message>
        <source>Hidden planet: P = %1 days, K = %2 m/s, e = %3, m sin i = %4 Jupiter masses.</source>
        <translation>Planeta oculto: P = %1 días, K = %2 m/s, e = %3, m sin i = %4 masas de Júpiter.</translation>
    </message>
    <message>
        <source>P = %1 days</source>
        <translation>P = %1 días</translation>
    </message>
    <message>
        <source>K = %1 m/s</source>
        <translation>K = %1 m/s</translation>
    </message>
    <message>
        <source>m sin i = %1 Jupiter masses</source>
        <translation>m sin i = %1 masas de Júpiter</translation>
    </message>
    <message>
        <source>You answered no question on this star.</source>
        <translation>No respondiste ninguna pregunta sobre esta estrella.</translation>
    </message>
    <message>
        <source>Your answers: %1.</source>
        <comment>%1 lists the answers, each as P = 3.5 days</comment>
        <translation>Tus respuestas: %1.</translation>
    </message>
    <message>
        <source>(Only 12 nights planned.)</source>
        <translation>(Solo 12 noches planificadas.)</translation>
    </message>
    <message>
        <source>(A noisier instrument.)</source>
        <translation>(Un instrumento más ruidoso.)</translation>
    </message>
    <message numerus="yes">
        <source>Seed %1: %n measurements in %2 days, each ± %3 m/s; the star, of %4 solar masses, jitters by about %5 m/s.%6</source>
        <comment>%6 says how the run was made worse, or nothing</comment>
        <translation>
            <numerusform>Semilla %1: %n medición en %2 días, de ± %3 m/s; la estrella, de %4 masas solares, tiene un jitter de unos %5 m/s.%6</numerusform>
            <numerusform>Semilla %1: %n mediciones en %2 días, cada una de ± %3 m/s; la estrella, de %4 masas solares, tiene un jitter de unos %5 m/s.%6</numerusform>
        </translation>
    </message>
    <message>
        <source>Highest peak: %1 (power %2), half width %3 days.
False-alarm probability: %4.</source>
        <comment>%1 is a period with its unit; power of the periodogram</comment>
        <translation>Pico más alto: %1 (potencia %2), semianchura %3 días.
Probabilidad de falsa alarma: %4.</translation>
    </message>
    <message>
        <source>The grey curve, the window function, is the periodogram of the nights alone.</source>
        <translation>La curva gris, la función ventana, es el periodograma de las noches solas.</translation>
    </message>
    <message>
        <source>radial velocity (m/s)</source>
        <comment>an axis&apos;s title</comment>
        <translation>velocidad radial (m/s)</translation>
    </message>
    <message>
        <source>Fitting the orbit…</source>
        <translation>Ajustando la órbita…</translation>
    </message>
    <message>
        <source>(the error bars explain the scatter)</source>
        <translation>(las barras de error explican la dispersión)</translation>
    </message>
    <message>
        <source>(more than the star&apos;s: the orbit leaves signal behind)</source>
        <translation>(más que el de la estrella: la órbita deja señal sin explicar)</translation>
    </message>
    <message>
        <source>One planet fitted:
P = %1 days
K = %2 m/s
e = %3,  ω = %4°
the star&apos;s jitter %5 m/s%8
rms about the fit %6 m/s, reduced χ² %7</source>
        <comment>%8 says why the fitted jitter differs from the star&apos;s, or nothing</comment>
        <translation>Un planeta ajustado:
P = %1 días
K = %2 m/s
e = %3,  ω = %4°
el jitter de la estrella %5 m/s%8
rms respecto al ajuste %6 m/s, χ² reducido %7</translation>
    </message>
    <message>
        <source>Highest peak of the residuals: %1, false-alarm probability %2.
BIC with one planet: %3</source>
        <comment>%1 is a period with its unit</comment>
        <translation>Pico más alto de los residuos: %1, probabilidad de falsa alarma %2.
BIC con un planeta: %3</translation>
    </message>
    <message>
        <source>BIC with two planets: %1 (the second at %2 days, K = %3 m/s)
ΔBIC = BIC(two) − BIC(one) = %4: the second planet raises the BIC by %5.</source>
        <translation>BIC con dos planetas: %1 (el segundo a %2 días, K = %3 m/s)
ΔBIC = BIC(dos) − BIC(uno) = %4: el segundo planeta aumenta el BIC en %5.</translation>
    </message>
    <message>
        <source>BIC with two planets: %1 (the second at %2 days, K = %3 m/s)
ΔBIC = BIC(two) − BIC(one) = %4: the second planet lowers the BIC by %5.</source>
        <translation>BIC con dos planetas: %1 (el segundo a %2 días, K = %3 m/s)
ΔBIC = BIC(dos) − BIC(uno) = %4: el segundo planeta reduce el BIC en %5.</translation>
    </message>
    <message>
        <source>No fit with two planets could be made.</source>
        <translation>No se pudo hacer ningún ajuste con dos planetas.</translation>
    </message>
    <message>
        <source>Type the decimals after a point, as in 4.46: here a comma is no decimal mark. This cost no attempt.</source>
        <translation>Escribe los decimales tras un punto, como en 4.46: aquí la coma no es separador decimal. Esto no te ha costado ningún intento.</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <comment>%1 is the hint</comment>
        <translation>Pista: %1</translation>
    </message>
    <message>
        <source>The answer: %1.</source>
        <comment>%1 is the right choice</comment>
        <translation>La respuesta: %1.</translation>
    </message>
    <message>
        <source>A seed is a whole number from 1 to %1.</source>
        <translation>Una semilla es un número entero de 1 a %1.</translation>
    </message>
    <message>
        <source>Working out the periodogram and the fit…</source>
        <translation>Calculando el periodograma y el ajuste…</translation>
    </message>
    <message>
        <source>The published measurements of 51 Peg cannot be read: %1</source>
        <comment>%1 is the reason</comment>
        <translation>No se pueden leer las mediciones publicadas de 51 Peg: %1</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Sin datos</translation>
    </message>
    <message>
        <source>%1, a star of %2 solar masses (%3):</source>
        <comment>%1 is the star&apos;s name, %3 where its mass is published</comment>
        <translation>%1, una estrella de %2 masas solares (%3):</translation>
    </message>
    <message>
        <source>%1 (m/s)</source>
        <comment>an axis&apos;s title: %1 is the instrument&apos;s name</comment>
        <translation>%1 (m/s)</translation>
    </message>
    <message>
        <source>Measurements of %1</source>
        <comment>%1 is the instrument&apos;s name</comment>
        <translation>Mediciones de %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n measurements, %2.</source>
        <comment>%1 is the instrument&apos;s name, %2 the paper that published them</comment>
        <translation>
            <numerusform>%1: %n medición, %2.</numerusform>
            <numerusform>%1: %n mediciones, %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>They span %1 days.</source>
        <translation>Abarcan %1 días.</translation>
    </message>
    <message>
        <source>Each instrument&apos;s own zero point taken off first.
Highest peak: %1 (power %2).
False-alarm probability: %3.</source>
        <comment>%1 is a period with its unit; power of the periodogram</comment>
        <translation>Primero se quita el punto cero propio de cada instrumento.
Pico más alto: %1 (potencia %2).
Probabilidad de falsa alarma: %3.</translation>
    </message>
    <message>
        <source>time since periastron (days)</source>
        <comment>an axis&apos;s title</comment>
        <translation>tiempo desde el periastro (días)</translation>
    </message>
    <message>
        <source>v less each instrument&apos;s zero point (m/s)</source>
        <comment>an axis&apos;s title</comment>
        <translation>v menos el punto cero de cada instrumento (m/s)</translation>
    </message>
    <message>
        <source>%1: zero point %2 m/s, jitter %3 m/s</source>
        <comment>%1 is the instrument&apos;s name</comment>
        <translation>%1: punto cero %2 m/s, jitter %3 m/s</translation>
    </message>
    <message>
        <source>51 Peg b, both instruments fitted together, each point shown at its time since periastron:
P = %1 days,  K = %2 m/s
e = %3,  ω = %4°
%5
rms %6 m/s, reduced χ² %7</source>
        <comment>%5 is a line for each instrument</comment>
        <translation>51 Peg b, los dos instrumentos ajustados juntos, cada punto en su tiempo desde el periastro:
P = %1 días,  K = %2 m/s
e = %3,  ω = %4°
%5
rms %6 m/s, χ² reducido %7</translation>
    </message>
    <message>
        <source>Finding a planet</source>
        <translation>Encontrar un planeta</translation>
    </message>
    <message>
        <source>In the simulation you could watch the star&apos;s velocity all the time. An astronomer cannot. A star is measured only on clear nights, in the months when it is up at night: a few dozen velocities in a season. Each has an error, the instrument&apos;s precision, and the star&apos;s restless surface adds a &lt;i&gt;jitter&lt;/i&gt; of a few m/s that no instrument removes.</source>
        <translation>En la simulación podías observar la velocidad de la estrella todo el tiempo. Un astrónomo no puede. Una estrella solo se mide en noches despejadas, en los meses en que está sobre el horizonte de noche: unas pocas docenas de velocidades en una temporada. Cada una tiene un error, la precisión del instrumento, y la inquieta superficie de la estrella añade un &lt;i&gt;jitter&lt;/i&gt; de unos pocos m/s que ningún instrumento elimina.</translation>
    </message>
    <message>
        <source>The plot on the right shows such measurements, each with its error bar, of a star whose planet you do not know yet.</source>
        <translation>La gráfica de la derecha muestra mediciones de este tipo, cada una con su barra de error, de una estrella cuyo planeta todavía no conoces.</translation>
    </message>
    <message>
        <source>Your star</source>
        <translation>Tu estrella</translation>
    </message>
    <message>
        <source>The book has hidden a planet around this star. The &lt;b&gt;seed&lt;/b&gt; below the plot picks the star and the nights: note it, and your teacher can make the very same measurements. Type another seed and press &lt;b&gt;Observe&lt;/b&gt; for another star.</source>
        <comment>Observe: the caption of the button</comment>
        <translation>El libro ha escondido un planeta alrededor de esta estrella. La &lt;b&gt;semilla&lt;/b&gt; debajo de la gráfica elige la estrella y las noches: apúntala, y tu profesor podrá hacer exactamente las mismas mediciones. Escribe otra semilla y pulsa &lt;b&gt;Observar&lt;/b&gt; para tener otra estrella.</translation>
    </message>
    <message>
        <source>Look at the points before you answer.</source>
        <translation>Mira los puntos antes de responder.</translation>
    </message>
    <message>
        <source>The periodogram</source>
        <translation>El periodograma</translation>
    </message>
    <message>
        <source>For every trial period from half a day to the length of the run, the periodogram fits a sine of that period to the measurements and plots how much of their scatter it explains: its &lt;i&gt;power&lt;/i&gt;, from 0 to 1. A planet shows as a high, narrow peak at its period.</source>
        <comment>period of a signal; power of the periodogram</comment>
        <translation>Para cada periodo de prueba, desde medio día hasta la duración de la campaña, el periodograma ajusta a las mediciones una sinusoide de ese periodo y representa cuánta de su dispersión explica: su &lt;i&gt;potencia&lt;/i&gt;, de 0 a 1. Un planeta aparece como un pico alto y estrecho en su periodo.</translation>
    </message>
    <message>
        <source>The red marker shows the highest peak. The narrower a peak, the better it fixes the period: its half width is written below the plot. An answer within the half width counts, so give the period to as many decimals as the half width has.</source>
        <comment>period of a signal</comment>
        <translation>La marca roja señala el pico más alto. Cuanto más estrecho es un pico, mejor fija el periodo: su semianchura está escrita debajo de la gráfica. Se acepta una respuesta dentro de la semianchura, así que da el periodo con tantos decimales como tenga la semianchura.</translation>
    </message>
    <message>
        <source>False alarms</source>
        <translation>Falsas alarmas</translation>
    </message>
    <message>
        <source>Noise alone makes peaks too: among thousands of trial periods, a sine fits random numbers a little at some of them. The &lt;i&gt;false-alarm probability&lt;/i&gt; is the chance that noise alone would raise a peak as high as the highest one anywhere in the search. Astronomers trust a peak when it is below about 1 %.</source>
        <comment>periods of a signal</comment>
        <translation>El ruido por sí solo también produce picos: entre miles de periodos de prueba, una sinusoide se ajusta un poco a números aleatorios en algunos de ellos. La &lt;i&gt;probabilidad de falsa alarma&lt;/i&gt; es la probabilidad de que el ruido por sí solo levante en algún punto de la búsqueda un pico tan alto como el más alto. Los astrónomos se fían de un pico cuando está por debajo de aproximadamente el 1 %.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Only 12 nights&lt;/b&gt;, then &lt;b&gt;Noisier instrument&lt;/b&gt;, and watch the false-alarm probability below the plot rise; &lt;b&gt;My run again&lt;/b&gt; brings your own run back.</source>
        <comment>Only 12 nights, Noisier instrument, My run again: the captions of the buttons</comment>
        <translation>Pulsa &lt;b&gt;Solo 12 noches&lt;/b&gt; y después &lt;b&gt;Instrumento ruidoso&lt;/b&gt;, y observa cómo sube la probabilidad de falsa alarma debajo de la gráfica; &lt;b&gt;Mi campaña&lt;/b&gt; recupera tu propia campaña.</translation>
    </message>
    <message>
        <source>Aliases</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>The star is measured only at night, at about the same hour. Tick &lt;b&gt;Show the window function&lt;/b&gt;: the grey curve is the periodogram of the nights alone, and it peaks at a period of 1 day. Every signal is echoed by that peak: a planet of period &lt;i&gt;P&lt;/i&gt; also makes peaks, called &lt;i&gt;aliases&lt;/i&gt;, at 1/|1/&lt;i&gt;P&lt;/i&gt; − 1| and 1/(1/&lt;i&gt;P&lt;/i&gt; + 1) days. An alias can even stand higher than the true peak; folding and fitting tell them apart.</source>
        <comment>Show the window function: the caption of the check box; period of a signal</comment>
        <translation>La estrella solo se mide de noche, más o menos a la misma hora. Marca &lt;b&gt;Mostrar la función ventana&lt;/b&gt;: la curva gris es el periodograma de las noches solas, y tiene un pico en un periodo de 1 día. Ese pico hace eco a toda señal: un planeta de periodo &lt;i&gt;P&lt;/i&gt; produce también picos, llamados &lt;i&gt;alias&lt;/i&gt;, en 1/|1/&lt;i&gt;P&lt;/i&gt; − 1| y 1/(1/&lt;i&gt;P&lt;/i&gt; + 1) días. Un alias puede incluso ser más alto que el pico verdadero; el plegado en fase y el ajuste permiten distinguirlos.</translation>
    </message>
    <message>
        <source>Folding</source>
        <translation>Plegado en fase</translation>
    </message>
    <message>
        <source>Folding puts every measurement at its phase: its time since the first measurement divided by the trial period, keeping only the fraction. On the right period the points of every orbit fall onto one curve, and the phases from 1 to 1.2 repeat those from 0 to 0.2.</source>
        <comment>period of a signal</comment>
        <translation>El plegado en fase pone cada medición en su fase: su tiempo desde la primera medición dividido entre el periodo de prueba, quedándose solo con la parte fraccionaria. Con el periodo correcto, los puntos de todas las órbitas caen sobre una sola curva, y las fases de 1 a 1,2 repiten las de 0 a 0,2.</translation>
    </message>
    <message>
        <source>Type a period beside &lt;b&gt;Fold on&lt;/b&gt;, or press &lt;b&gt;The peak&lt;/b&gt; or &lt;b&gt;Peak × 1.1&lt;/b&gt;.</source>
        <comment>Fold on: the caption beside the box; The peak, Peak × 1.1: the captions of the buttons</comment>
        <translation>Escribe un periodo junto a &lt;b&gt;Plegar&lt;/b&gt;, o pulsa &lt;b&gt;El pico&lt;/b&gt; o &lt;b&gt;Pico × 1,1&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>The fit</source>
        <translation>El ajuste</translation>
    </message>
    <message>
        <source>A planet on an eccentric orbit moves its star in a curve sharper than a sine. On the &lt;b&gt;By hand&lt;/b&gt; tab the points are folded on the period the sliders set, so that one orbit shows: move the period until the points gather into one curve, then the others until the green curve runs through them and the rms is small (Page Up and Page Down move a slider in big steps). On the &lt;b&gt;Fit&lt;/b&gt; tab the book has done it properly: starting from the periodogram&apos;s highest peaks it adjusts &lt;i&gt;P&lt;/i&gt;, &lt;i&gt;K&lt;/i&gt;, &lt;i&gt;e&lt;/i&gt;, ω, the time of periastron and the star&apos;s mean velocity, each point weighed by its error. It also finds the star&apos;s jitter, the scatter the error bars leave unexplained, and adds it to every error, so the reduced χ² comes out near 1.</source>
        <comment>By hand, Fit: the captions of the tabs; Page Up, Page Down: the keys; period of the orbit</comment>
        <translation>En una órbita excéntrica la estrella sigue una curva más aguda que una sinusoide. En &lt;b&gt;A mano&lt;/b&gt; los puntos se pliegan con el periodo de los deslizadores: mueve el periodo hasta que formen una sola curva, y después los demás hasta que la curva verde pase por ellos y el rms sea pequeño (Re Pág/Av Pág: pasos grandes). En &lt;b&gt;Ajuste&lt;/b&gt; calcula el libro: desde los picos más altos del periodograma ajusta &lt;i&gt;P&lt;/i&gt;, &lt;i&gt;K&lt;/i&gt;, &lt;i&gt;e&lt;/i&gt;, ω, el instante del periastro y la velocidad media, ponderando cada punto por su error. También halla el jitter de la estrella, la dispersión más allá de las barras de error, y lo añade a cada error: así el χ² reducido sale cerca de 1.</translation>
    </message>
    <message>
        <source>Weighing the planet</source>
        <translation>Pesar el planeta</translation>
    </message>
    <message>
        <source>For a planet much lighter than its star of mass &lt;i&gt;M&lt;/i&gt;★,</source>
        <comment>the sentence goes on after the formula below it</comment>
        <translation>Para un planeta mucho más ligero que su estrella de masa &lt;i&gt;M&lt;/i&gt;★,</translation>
    </message>
    <message>
        <source>%1 ≈ (&lt;i&gt;K&lt;/i&gt; / 28.4 m/s) √(1 − &lt;i&gt;e&lt;/i&gt;&lt;sup&gt;2&lt;/sup&gt;)
      × (&lt;i&gt;P&lt;/i&gt; / 365.25 d)&lt;sup&gt;1/3&lt;/sup&gt; (&lt;i&gt;M&lt;/i&gt;★ / 1 solar mass)&lt;sup&gt;2/3&lt;/sup&gt;</source>
        <comment>a formula: %1 is the product m sin i; d stands for days</comment>
        <translation>%1 ≈ (&lt;i&gt;K&lt;/i&gt; / 28,4 m/s) √(1 − &lt;i&gt;e&lt;/i&gt;&lt;sup&gt;2&lt;/sup&gt;)
      × (&lt;i&gt;P&lt;/i&gt; / 365,25 d)&lt;sup&gt;1/3&lt;/sup&gt; (&lt;i&gt;M&lt;/i&gt;★ / 1 masa solar)&lt;sup&gt;2/3&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>in Jupiter masses. The star&apos;s mass is under the measurements; &lt;b&gt;Tools, Calculator&lt;/b&gt; helps. The tilt %1 of the orbit is unknown, so the velocity gives only %2, the least the planet&apos;s mass can be.</source>
        <comment>ends the sentence before the formula above it; Tools, Calculator: the menu and its entry; %1 is the inclination&apos;s symbol, an italic i; %2 the product m sin i</comment>
        <translation>en masas de Júpiter. La masa de la estrella está debajo de las mediciones; &lt;b&gt;Herramientas, Calculadora&lt;/b&gt; te ayuda. La inclinación %1 de la órbita es desconocida, así que la velocidad solo da %2, lo mínimo que puede valer la masa del planeta.</translation>
    </message>
    <message>
        <source>Another planet?</source>
        <translation>¿Otro planeta?</translation>
    </message>
    <message>
        <source>Take the fitted curve away and what is left, the residuals, may hide a second planet. An extra planet always fits the noise a little better, so the book&apos;s one- and two-planet fits are compared by</source>
        <comment>the sentence goes on after the formula below it</comment>
        <translation>Lo que queda sin la curva ajustada, los residuos, puede esconder un segundo planeta. Un planeta de más siempre se ajusta algo mejor al ruido, así que el libro compara sus ajustes con uno y dos planetas mediante</translation>
    </message>
    <message>
        <source>for &lt;i&gt;k&lt;/i&gt; parameters and &lt;i&gt;N&lt;/i&gt; measurements (−2 ln &lt;i&gt;L&lt;/i&gt; is χ² plus a charge for the jitter): the lower, the better. ΔBIC, below the residuals&apos; plot, is the two-planet BIC less the one-planet BIC. The second planet is supported only when it lowers the BIC by more than 10 (ΔBIC below −10); a rise (ΔBIC above 0) means one planet is enough.</source>
        <comment>ends the sentence before the formula above it</comment>
        <translation>para &lt;i&gt;k&lt;/i&gt; parámetros y &lt;i&gt;N&lt;/i&gt; mediciones (−2 ln &lt;i&gt;L&lt;/i&gt; es χ² más un coste por el jitter): cuanto menor, mejor. ΔBIC, bajo los residuos, es el BIC con dos planetas menos el BIC con uno. El segundo planeta solo se acepta si reduce el BIC en más de 10 (ΔBIC bajo −10); un aumento (ΔBIC sobre 0) significa que basta uno.</translation>
    </message>
    <message>
        <source>Real data: 51 Pegasi</source>
        <translation>Datos reales: 51 Pegasi</translation>
    </message>
    <message>
        <source>Now a real star. The Data tab shows published velocities of 51 Pegasi, an instrument a plot: LICK, from Lick Observatory (Butler et al. 2006, ApJ 646, 505), and ELODIE, from Haute-Provence (Naef et al. 2004, A&amp;amp;A 414, 351). Each instrument measures from a zero point of its own, so the book takes each one&apos;s zero point off before the periodogram. An instrument&apos;s jitter is a scatter, not an offset, so it cannot be taken off: the fit adds it to that instrument&apos;s error bars.</source>
        <comment>Data: the caption of the tab; LICK and ELODIE are the instruments&apos; names</comment>
        <translation>Ahora, una estrella real. La pestaña Datos muestra velocidades publicadas de 51 Pegasi, una gráfica por instrumento: LICK, del Observatorio Lick (Butler et al. 2006, ApJ 646, 505), y ELODIE, de Haute-Provence (Naef et al. 2004, A&amp;amp;A 414, 351). Cada instrumento mide desde un punto cero propio, así que el libro quita el punto cero de cada uno antes del periodograma. El jitter de un instrumento es una dispersión, no un desplazamiento, así que no se puede quitar: el ajuste lo añade a las barras de error de ese instrumento.</translation>
    </message>
    <message>
        <source>Weighing 51 Peg b</source>
        <translation>Pesar 51 Peg b</translation>
    </message>
    <message>
        <source>The Fit tab shows one planet fitted to both instruments at once, each with its own zero point and jitter, and every point at its time since periastron: years of nights fall onto one orbit. The star&apos;s mass is on the Data tab, under the measurements. Weigh the planet as on page 8 of this chapter.</source>
        <comment>Fit, Data: the captions of the tabs</comment>
        <translation>La pestaña Ajuste muestra un planeta ajustado a los dos instrumentos a la vez, cada uno con su propio punto cero y su jitter, y cada punto en su tiempo desde el periastro: años de noches caen sobre una sola órbita. La masa de la estrella está en la pestaña Datos, debajo de las mediciones. Pesa el planeta como en la página 8 de este capítulo.</translation>
    </message>
    <message>
        <source>How planets are found</source>
        <translation>Cómo se encuentran los planetas</translation>
    </message>
    <message>
        <source>Measuring a star on a few dozen nights, searching the periodogram, ruling out false alarms and aliases, folding, fitting and weighing: this is how 51 Pegasi b, the first planet found around a star like the Sun, was found in 1995, and how most planets since have been found by their stars&apos; velocity.</source>
        <translation>Medir una estrella durante unas pocas docenas de noches, buscar en el periodograma, descartar falsas alarmas y alias, plegar en fase, ajustar y pesar: así se encontró en 1995 51 Pegasi b, el primer planeta hallado alrededor de una estrella como el Sol, y así se han encontrado desde entonces la mayoría de los planetas, por la velocidad de sus estrellas.</translation>
    </message>
    <message>
        <source>The Data tab now shows your own star again with, in red, the curve of the planets the book hid around it, and their true values beside your answers. How close did you come?</source>
        <comment>Data: the caption of the tab</comment>
        <translation>La pestaña Datos vuelve a mostrar tu propia estrella con, en rojo, la curva de los planetas que el libro escondió a su alrededor, y sus valores reales junto a tus respuestas. ¿Cuánto te acercaste?</translation>
    </message>
    <message>
        <source>Observing views</source>
        <translation>Vistas de observación</translation>
    </message>
    <message>
        <source>Data</source>
        <comment>a tab&apos;s caption</comment>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <source>Measurements of one instrument</source>
        <translation>Mediciones de un instrumento</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Semilla:</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>Observe</source>
        <comment>the button that measures the star</comment>
        <translation>Observar</translation>
    </message>
    <message>
        <source>Periodogram</source>
        <comment>a tab&apos;s caption</comment>
        <translation>Periodograma</translation>
    </message>
    <message>
        <source>Periodogram</source>
        <translation>Periodograma</translation>
    </message>
    <message>
        <source>Show the window function</source>
        <translation>Mostrar la función ventana</translation>
    </message>
    <message>
        <source>Only 12 nights</source>
        <translation>Solo 12 noches</translation>
    </message>
    <message>
        <source>Noisier instrument</source>
        <translation>Instrumento ruidoso</translation>
    </message>
    <message>
        <source>My run again</source>
        <translation>Mi campaña</translation>
    </message>
    <message>
        <source>Fold</source>
        <comment>a tab&apos;s caption</comment>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Folded measurements</source>
        <translation>Mediciones plegadas</translation>
    </message>
    <message>
        <source>Fold on (days):</source>
        <translation>Plegar (días):</translation>
    </message>
    <message>
        <source>Fold period in days</source>
        <translation>Periodo de plegado en días</translation>
    </message>
    <message>
        <source>The peak</source>
        <comment>folds on the highest peak&apos;s period</comment>
        <translation>El pico</translation>
    </message>
    <message>
        <source>Peak × 1.1</source>
        <translation>Pico × 1,1</translation>
    </message>
    <message>
        <source>By hand</source>
        <comment>a tab&apos;s caption: the fit by hand</comment>
        <translation>A mano</translation>
    </message>
    <message>
        <source>Fit</source>
        <comment>a tab&apos;s caption: the orbit&apos;s fit</comment>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Fitted curve</source>
        <translation>Curva ajustada</translation>
    </message>
    <message>
        <source>Residuals</source>
        <translation>Residuos</translation>
    </message>
    <message>
        <source>Residuals</source>
        <comment>a tab&apos;s caption</comment>
        <translation>Residuos</translation>
    </message>
    <message>
        <source>Periodogram of the residuals</source>
        <translation>Periodograma de los residuos</translation>
    </message>
    <message>
        <source>Is this planet&apos;s orbit circular?</source>
        <translation>¿Es circular la órbita de este planeta?</translation>
    </message>
    <message>
        <source>No: the fit&apos;s e is far from 0</source>
        <translation>No: la e del ajuste está lejos de 0</translation>
    </message>
    <message>
        <source>It may be: nearly round orbits fit too</source>
        <translation>Puede: también valen órbitas casi redondas</translation>
    </message>
    <message>
        <source>Yes: e is exactly 0</source>
        <translation>Sí: e es exactamente 0</translation>
    </message>
    <message>
        <source>Where does the shaded band, the middle 68 % of the orbits, begin? Compare it with e = 0.1.</source>
        <translation>¿Dónde empieza la franja sombreada, el 68 % central de las órbitas? Compárala con e = 0,1.</translation>
    </message>
    <message>
        <source>The fit&apos;s ± σ takes the orbits that fit for a bell curve about the best one. Those of a weak planet are lopsided, and the best fit pushes e up. The book made this planet&apos;s orbit a circle: e = 0.</source>
        <translation>El ± σ del ajuste supone que las órbitas que se ajustan se reparten en forma de campana en torno a la mejor. Las de un planeta débil son asimétricas, y el mejor ajuste empuja e hacia arriba. El libro hizo circular la órbita de este planeta: e = 0.</translation>
    </message>
    <message numerus="yes">
        <source>A made-up star of %1 solar masses: %n measurements in %2 days, each ± %3 m/s.</source>
        <translation>
            <numerusform>Una estrella inventada de %1 masas solares: %n medición en %2 días, cada una de ± %3 m/s.</numerusform>
            <numerusform>Una estrella inventada de %1 masas solares: %n mediciones en %2 días, cada una de ± %3 m/s.</numerusform>
        </translation>
    </message>
    <message>
        <source>Fitting the orbit and drawing the orbits that fit the measurements…</source>
        <translation>Ajustando la órbita y sorteando las órbitas que se ajustan a las mediciones…</translation>
    </message>
    <message>
        <source>The fit, as on the Fit tab: P = %1 days, K = %2 m/s, e = %3.</source>
        <translation>El ajuste, como en la pestaña Ajuste: P = %1 días, K = %2 m/s, e = %3.</translation>
    </message>
    <message>
        <source>No orbits could be drawn about this fit.</source>
        <translation>No se pudo sortear ninguna órbita en torno a este ajuste.</translation>
    </message>
    <message>
        <source>The orbits that fit: e from %1 to %2 (the middle 68 %), median %3.</source>
        <translation>Las órbitas que se ajustan: e de %1 a %2 (el 68 % central), mediana %3.</translation>
    </message>
    <message>
        <source>Converged: %1 steps of %2 walkers, %3 times the longest autocorrelation time (%4 steps).</source>
        <translation>Convergido: %1 pasos de %2 caminantes, %3 veces el tiempo de autocorrelación más largo (%4 pasos).</translation>
    </message>
    <message>
        <source>Not converged after %1 steps of %2 walkers, %3 times the longest autocorrelation time (%4 steps): the range is rough.</source>
        <translation>Sin convergencia tras %1 pasos de %2 caminantes, %3 veces el tiempo de autocorrelación más largo (%4 pasos): el intervalo es aproximado.</translation>
    </message>
    <message>
        <source>How sure is e?</source>
        <translation>¿Con qué seguridad se conoce e?</translation>
    </message>
    <message>
        <source>A fit&apos;s ± σ takes the orbits that fit about as well as the best one to spread like a bell curve about it. For a weak planet they need not. On the right, a made-up star: the book fits its planet as on the Fit tab, then draws thousands of orbits that fit the measurements about as well, as &lt;b&gt;How sure?&lt;/b&gt; in the observing window does, and counts their &lt;i&gt;e&lt;/i&gt; in the histogram.</source>
        <comment>How sure?: the entry of the observing window&apos;s File menu</comment>
        <translation>El ± σ de un ajuste supone que las órbitas que se ajustan casi tan bien como la mejor se reparten en forma de campana en torno a ella. En un planeta débil no tiene por qué ser así. A la derecha, una estrella inventada: el libro ajusta su planeta como en la pestaña Ajuste y después, como &lt;b&gt;¿Con qué seguridad?&lt;/b&gt; en la ventana de observación, sortea miles de órbitas que se ajustan casi igual de bien a las mediciones y cuenta su &lt;i&gt;e&lt;/i&gt; en el histograma.</translation>
    </message>
    <message>
        <source>The shaded band holds the middle 68 % of the orbits; the red line and bar are the fit&apos;s &lt;i&gt;e&lt;/i&gt; ± σ. An orbit with &lt;i&gt;e&lt;/i&gt; below 0.1 is hardly told from a circle.</source>
        <translation>La franja sombreada contiene el 68 % central de las órbitas; la línea y la barra rojas son la &lt;i&gt;e&lt;/i&gt; ± σ del ajuste. Una órbita con &lt;i&gt;e&lt;/i&gt; menor que 0,1 apenas se distingue de un círculo.</translation>
    </message>
    <message>
        <source>Fitted curve of the made-up star</source>
        <translation>Curva ajustada de la estrella inventada</translation>
    </message>
    <message>
        <source>Eccentricities of the orbits that fit</source>
        <translation>Excentricidades de las órbitas que se ajustan</translation>
    </message>
    <message>
        <source>Drawing the orbits</source>
        <translation>Sorteando las órbitas</translation>
    </message>
</context>
<context>
    <name>Chapter window</name>
    <message>
        <source>Page text</source>
        <translation>Texto de la página</translation>
    </message>
    <message>
        <source>Feedback</source>
        <comment>on the answer to a question</comment>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>closes the feedback</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Some text to go in here.</source>
        <translation>Aquí va un texto.</translation>
    </message>
</context>
<context>
    <name>Contents</name>
    <message>
        <source>Doppler Spectroscopy</source>
        <translation>Espectroscopía Doppler</translation>
    </message>
    <message>
        <source>&amp;1 Doppler spectroscopy</source>
        <translation>&amp;1 Espectroscopía Doppler</translation>
    </message>
    <message>
        <source>The Simulation</source>
        <translation>La simulación</translation>
    </message>
    <message>
        <source>&amp;2 The simulation</source>
        <translation>&amp;2 La simulación</translation>
    </message>
    <message>
        <source>One planet</source>
        <translation>Un planeta</translation>
    </message>
    <message>
        <source>&amp;3 One planet</source>
        <translation>&amp;3 Un planeta</translation>
    </message>
    <message>
        <source>Two planets</source>
        <translation>Dos planetas</translation>
    </message>
    <message>
        <source>&amp;4 Two planets</source>
        <translation>&amp;4 Dos planetas</translation>
    </message>
    <message>
        <source>Free experiment</source>
        <translation>Experimento libre</translation>
    </message>
    <message>
        <source>&amp;5 Free experiment</source>
        <translation>&amp;5 Experimento libre</translation>
    </message>
    <message>
        <source>Finding a planet</source>
        <translation>Encontrar un planeta</translation>
    </message>
    <message>
        <source>&amp;6 Finding a planet</source>
        <translation>&amp;6 Encontrar un planeta</translation>
    </message>
    <message>
        <source>Chapter %1: %2</source>
        <translation>Capítulo %1: %2</translation>
    </message>
    <message>
        <source>Doppler spectroscopy</source>
        <translation>Espectroscopía Doppler</translation>
    </message>
    <message>
        <source>How a star&apos;s motion shifts the light we receive</source>
        <translation>Cómo el movimiento de una estrella desplaza su luz</translation>
    </message>
    <message>
        <source>The simulation</source>
        <translation>La simulación</translation>
    </message>
    <message>
        <source>A star and one planet: reading the velocity curve</source>
        <translation>Una estrella y un planeta: leer la curva de velocidad</translation>
    </message>
    <message>
        <source>How mass, distance, shape and tilt change the signal</source>
        <translation>Masa, distancia, forma e inclinación cambian la señal</translation>
    </message>
    <message>
        <source>Untangling the velocity curve of two planets</source>
        <translation>Desenredar la curva de velocidad de dos planetas</translation>
    </message>
    <message>
        <source>Build a planetary system of your own</source>
        <translation>Construye tu propio sistema planetario</translation>
    </message>
    <message>
        <source>Observe, search, fold, fit and weigh, as astronomers do</source>
        <translation>Observa, busca, pliega, ajusta y pesa, como los astrónomos</translation>
    </message>
    <message>
        <source>An interactive book on finding planets around other stars</source>
        <translation>Un libro interactivo para hallar planetas de otras estrellas</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>The star&apos;s radial velocity</source>
        <translation>La velocidad radial de la estrella</translation>
    </message>
    <message>
        <source>time</source>
        <translation>tiempo</translation>
    </message>
    <message>
        <source>v (m/s)</source>
        <translation>v (m/s)</translation>
    </message>
    <message>
        <source>A planet tugs its star to and fro: the period and size of the swing reveal it.</source>
        <translation>Un planeta mece a su estrella: el periodo y el tamaño del vaivén lo delatan.</translation>
    </message>
</context>
<context>
    <name>Data files</name>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>El archivo «%1» está vacío.</translation>
    </message>
</context>
<context>
    <name>Feedback</name>
    <message>
        <source>This is the correct answer.</source>
        <translation>Esta es la respuesta correcta.</translation>
    </message>
    <message>
        <source>Your answer is still incorrect.</source>
        <translation>Tu respuesta sigue siendo incorrecta.</translation>
    </message>
    <message>
        <source>Your answer is incorrect.</source>
        <translation>Tu respuesta es incorrecta.</translation>
    </message>
</context>
<context>
    <name>Fit by hand</name>
    <message>
        <source>Fit by hand</source>
        <translation>Ajuste a mano</translation>
    </message>
    <message>
        <source>Measurements with the curve set by hand</source>
        <translation>Mediciones con la curva fijada a mano</translation>
    </message>
    <message>
        <source>The measurements less the best offset, with their error bars, and the curve the sliders set, in green.</source>
        <translation>Las mediciones menos el mejor offset, con sus barras de error, y la curva que fijan los deslizadores, en verde.</translation>
    </message>
    <message>
        <source>Orbi&amp;t period</source>
        <translation>Periodo orbita&amp;l</translation>
    </message>
    <message>
        <source>&amp;Amplitude K</source>
        <translation>Semiamplitud &amp;K</translation>
    </message>
    <message>
        <source>Eccentricit&amp;y</source>
        <translation>E&amp;xcentricidad</translation>
    </message>
    <message>
        <source>Ome&amp;ga ω</source>
        <translation>O&amp;mega ω</translation>
    </message>
    <message>
        <source>Periastron ti&amp;me T</source>
        <translation>T del &amp;periastro</translation>
    </message>
    <message>
        <source>Period, logarithmic</source>
        <translation>Periodo, logarítmico</translation>
    </message>
    <message>
        <source>Semi-amplitude K</source>
        <translation>Semiamplitud K</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>Excentricidad</translation>
    </message>
    <message>
        <source>Argument of periastron omega</source>
        <translation>Argumento del periastro omega</translation>
    </message>
    <message>
        <source>Time of periastron</source>
        <translation>Instante del periastro</translation>
    </message>
    <message>
        <source>Fold on P</source>
        <translation>Plegar con P</translation>
    </message>
    <message>
        <source>Fold on the period</source>
        <comment>of the orbit</comment>
        <translation>Plegar con el periodo</translation>
    </message>
    <message>
        <source>Shows each measurement at its phase in the orbit the sliders set, so that one orbit is seen; unchecked, the measurements stand against time.</source>
        <translation>Muestra cada medición en su fase en la órbita que fijan los deslizadores, de modo que se ve una sola órbita; sin marcar, las mediciones se muestran frente al tiempo.</translation>
    </message>
    <message>
        <source>Fit &amp;using these</source>
        <translation>Ajustar &amp;con estos</translation>
    </message>
    <message>
        <source>Fit using these elements</source>
        <translation>Ajustar partiendo de estos elementos</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 días</translation>
    </message>
    <message>
        <source>day %1</source>
        <comment>a time since the first measurement</comment>
        <translation>día %1</translation>
    </message>
    <message>
        <source>rms of the residuals: %1 m/s</source>
        <translation>rms de los residuos: %1 m/s</translation>
    </message>
    <message>
        <source>No measurements yet.</source>
        <translation>Todavía no hay mediciones.</translation>
    </message>
</context>
<context>
    <name>Fit notes</name>
    <message>
        <source>The eccentricity sits at the model&apos;s bound of %1: the data may want more, and its uncertainty says little.</source>
        <translation>La excentricidad está en el límite del modelo, %1: puede que los datos pidan más, y su incertidumbre dice poco.</translation>
    </message>
    <message>
        <source>strong evidence for the planet</source>
        <translation>indicio fuerte del planeta</translation>
    </message>
    <message>
        <source>some evidence for the planet</source>
        <translation>cierto indicio del planeta</translation>
    </message>
    <message>
        <source>no evidence for the planet</source>
        <translation>ningún indicio del planeta</translation>
    </message>
    <message>
        <source>noise seldom makes such a peak</source>
        <translation>el ruido rara vez produce un pico así</translation>
    </message>
    <message>
        <source>noise often makes such a peak</source>
        <translation>el ruido produce a menudo un pico así</translation>
    </message>
    <message>
        <source>ΔBIC %1 (%2; below −10 is strong), false-alarm probability %3 (%4).</source>
        <translation>ΔBIC %1 (%2; por debajo de −10 es fuerte), probabilidad de falsa alarma %3 (%4).</translation>
    </message>
    <message>
        <source>ΔBIC %1, false-alarm probability %2. Not evidence for a planet: %3</source>
        <translation>ΔBIC %1, probabilidad de falsa alarma %2. No es indicio de un planeta: %3</translation>
    </message>
    <message>
        <source>%1 at %2 days</source>
        <translation>%1 a %2 días</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>No planet of %1 is published at %2: the card lists %3 (%4). A signal the measurements support is not yet a planet: the star&apos;s own surface and the instruments make signals too, so astronomers wait for other measurements before they name one.</source>
        <translation>No hay ningún planeta de %1 publicado a %2: la tarjeta da %3 (%4). Una señal que las mediciones respaldan aún no es un planeta: la propia superficie de la estrella y los instrumentos también producen señales, así que los astrónomos esperan otras mediciones antes de nombrar uno.</translation>
    </message>
    <message>
        <source>No planet added: the best period tried, %1 days, fails a test. %2</source>
        <translation>Ningún planeta añadido: el mejor periodo probado, %1 días, no pasa una prueba. %2</translation>
    </message>
    <message>
        <source>1 other period was tried and refused too.</source>
        <translation>También se probó y rechazó 1 periodo más.</translation>
    </message>
    <message>
        <source>%1 other periods were tried and refused too.</source>
        <translation>También se probaron y rechazaron %1 periodos más.</translation>
    </message>
    <message>
        <source>K is within three uncertainties of zero, so its eccentricity is biased high: noise makes a weak orbit look more eccentric than it is.</source>
        <translation>K está a menos de tres incertidumbres de cero, así que su excentricidad sale sesgada hacia arriba: el ruido hace que una órbita débil parezca más excéntrica de lo que es.</translation>
    </message>
    <message>
        <source>χ² and BIC not shown: an error of %1 m/s is finer than the arithmetic resolves at these velocities and times (its residual is rounded by about %2 m/s), so they would measure rounding.</source>
        <translation>χ² y BIC no se muestran: un error de %1 m/s es más fino de lo que el cálculo resuelve con estas velocidades y tiempos (su residuo se redondea en unos %2 m/s), así que medirían el redondeo.</translation>
    </message>
    <message>
        <source>%1 and %2 lie near a %3:%4 ratio of periods (%5) and are heavy enough to pull each other&apos;s orbits round within the %6 days of the measurements: a fixed Keplerian orbit cannot follow them. What the fit makes of the turning orbits is an eccentricity worn towards a circle, and power at a harmonic of their periods that looks like one more planet.</source>
        <translation>%1 y %2 están cerca de una razón de periodos %3:%4 (%5) y pesan lo bastante para hacer girar sus órbitas mutuamente durante los %6 días de las mediciones: una órbita kepleriana fija no puede seguirlas. De las órbitas que giran, el ajuste saca una excentricidad gastada hacia un círculo y potencia en un armónico de sus periodos que parece un planeta más.</translation>
    </message>
</context>
<context>
    <name>Fit numbers</name>
    <message>
        <source>%1 (fixed)</source>
        <translation>%1 (fijo)</translation>
    </message>
    <message>
        <source>%1 (unconstrained)</source>
        <translation>%1 (sin restringir)</translation>
    </message>
</context>
<context>
    <name>Fit refusals</name>
    <message>
        <source>No orbit could be fitted: the search started from a period or shape beyond what these measurements can tell.</source>
        <translation>No se pudo ajustar ninguna órbita: la búsqueda partió de un periodo o una forma más allá de lo que estas mediciones pueden decir.</translation>
    </message>
    <message>
        <source>At most four planets can be fitted.</source>
        <translation>Se pueden ajustar como mucho cuatro planetas.</translation>
    </message>
    <message>
        <source>At most %1 instruments can be fitted; there are %2.</source>
        <translation>Se pueden ajustar como mucho %1 instrumentos; hay %2.</translation>
    </message>
    <message>
        <source>Fitting 1 planet needs at least %2 measurements; there are %3.</source>
        <translation>Ajustar 1 planeta necesita al menos %2 mediciones; hay %3.</translation>
    </message>
    <message>
        <source>Fitting %1 planets needs at least %2 measurements; there are %3.</source>
        <translation>Ajustar %1 planetas necesita al menos %2 mediciones; hay %3.</translation>
    </message>
    <message>
        <source>What is left of the velocities does not vary at all, so no period can be sought.</source>
        <translation>Lo que queda de las velocidades no varía nada, así que no se puede buscar ningún periodo.</translation>
    </message>
    <message>
        <source>All measurements were taken at the same time, so no period can be sought.</source>
        <translation>Todas las mediciones se tomaron a la vez, así que no se puede buscar ningún periodo.</translation>
    </message>
</context>
<context>
    <name>Hidden stars</name>
    <message>
        <source>Hidden star 1</source>
        <translation>Estrella oculta 1</translation>
    </message>
    <message>
        <source>Hidden star 2</source>
        <translation>Estrella oculta 2</translation>
    </message>
    <message>
        <source>Hidden star 3</source>
        <translation>Estrella oculta 3</translation>
    </message>
    <message>
        <source>Hidden star 4</source>
        <translation>Estrella oculta 4</translation>
    </message>
    <message>
        <source>Hidden star 5</source>
        <translation>Estrella oculta 5</translation>
    </message>
    <message>
        <source>Hidden star 6</source>
        <translation>Estrella oculta 6</translation>
    </message>
</context>
<context>
    <name>How sure</name>
    <message>
        <source>How sure?</source>
        <translation>¿Con qué seguridad?</translation>
    </message>
    <message>
        <source>Sampling</source>
        <translation>Muestreo</translation>
    </message>
    <message>
        <source>Share of the sampling done</source>
        <translation>Parte del muestreo hecha</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Best fit, value ± σ</source>
        <translation>Mejor ajuste, valor ± σ</translation>
    </message>
    <message>
        <source>Middle of the orbits</source>
        <translation>Mediana de las órbitas</translation>
    </message>
    <message>
        <source>68 % of the orbits</source>
        <translation>68 % de las órbitas</translation>
    </message>
    <message>
        <source>Each element&apos;s best fit and the range of the orbits</source>
        <translation>El mejor ajuste de cada elemento y el intervalo de las órbitas</translation>
    </message>
    <message>
        <source>&amp;Planet:</source>
        <translation>&amp;Planeta:</translation>
    </message>
    <message>
        <source>The planet&apos;s orbits</source>
        <translation>Las órbitas del planeta</translation>
    </message>
    <message>
        <source>&amp;Save chain...</source>
        <translation>&amp;Guardar cadena...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 (held)</source>
        <comment>a value the fit kept fixed</comment>
        <translation>%1 (fijo)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>a range of values</comment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>No orbits could be drawn: near this fit the measurements allow no orbit the priors take (an eccentricity at its bound, say).</source>
        <translation>No se ha podido trazar ninguna órbita: cerca de este ajuste, las mediciones no permiten ninguna órbita que acepten las distribuciones a priori (por ejemplo, una excentricidad en su límite).</translation>
    </message>
    <message>
        <source>Drawing orbits that fit the measurements: %1 walkers over the %2 fitted values…</source>
        <translation>Trazando órbitas que se ajustan a las mediciones: %1 caminantes sobre los %2 valores ajustados…</translation>
    </message>
    <message>
        <source>No orbits could be drawn: %1</source>
        <translation>No se ha podido trazar ninguna órbita: %1</translation>
    </message>
    <message>
        <source>Cancelled: no orbits are shown.</source>
        <translation>Cancelado: no se muestra ninguna órbita.</translation>
    </message>
    <message>
        <source>Converged: %1 steps of %2 walkers, %3 times the longest autocorrelation time (%4 steps).</source>
        <translation>Convergido: %1 pasos de %2 caminantes, %3 veces el tiempo de autocorrelación más largo (%4 pasos).</translation>
    </message>
    <message>
        <source>Not converged after %1 steps of %2 walkers, %3 times the longest autocorrelation time (%4 steps): the autocorrelation time was still changing between looks, so the ranges below are rough. A planet the data barely hold spreads its orbits widely.</source>
        <translation>Sin convergencia tras %1 pasos de %2 caminantes, %3 veces el tiempo de autocorrelación más largo (%4 pasos): el tiempo de autocorrelación seguía cambiando entre revisiones, así que los intervalos de abajo son aproximados. Un planeta que los datos apenas sostienen dispersa mucho sus órbitas.</translation>
    </message>
    <message>
        <source>Not converged after %1 steps of %2 walkers, %3 times the longest autocorrelation time (%4 steps): a chain of %5 autocorrelation times is needed, so the ranges below are rough. A planet the data barely hold spreads its orbits widely.</source>
        <translation>Sin convergencia tras %1 pasos de %2 caminantes, %3 veces el tiempo de autocorrelación más largo (%4 pasos): hace falta una cadena de %5 tiempos de autocorrelación, así que los intervalos de abajo son aproximados. Un planeta que los datos apenas sostienen dispersa mucho sus órbitas.</translation>
    </message>
    <message>
        <source>Planet %1</source>
        <translation>Planeta %1</translation>
    </message>
    <message>
        <source>Each orbit drawn fits the measurements about as well as the best fit does: the spread of the orbits is the uncertainty. Where the range is lopsided, or its middle lies off the best fit, the value ± σ of the Fit page says less than the orbits do.</source>
        <translation>Cada órbita trazada se ajusta a las mediciones más o menos tan bien como el mejor ajuste: la dispersión de las órbitas es la incertidumbre. Donde el intervalo es asimétrico, o su centro no coincide con el mejor ajuste, el valor ± σ de la página Ajuste dice menos que las órbitas.</translation>
    </message>
    <message>
        <source>%1: P (days)</source>
        <comment>the period of an orbit</comment>
        <translation>%1: P (días)</translation>
    </message>
    <message>
        <source>%1: m sin i (Jupiter masses)</source>
        <translation>%1: m sin i (masas de Júpiter)</translation>
    </message>
    <message>
        <source>%1: a (AU)</source>
        <comment>the semi-major axis</comment>
        <translation>%1: a (AU)</translation>
    </message>
    <message>
        <source>instrument %1</source>
        <translation>instrumento %1</translation>
    </message>
    <message>
        <source>offset %1 (m/s)</source>
        <translation>offset %1 (m/s)</translation>
    </message>
    <message>
        <source>jitter %1 (m/s)</source>
        <translation>jitter %1 (m/s)</translation>
    </message>
    <message>
        <source>The chain was not saved: %1.</source>
        <translation>No se ha guardado la cadena: %1.</translation>
    </message>
    <message>
        <source>Save chain</source>
        <translation>Guardar cadena</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>No orbits drawn yet.</source>
        <translation>Todavía no se ha trazado ninguna órbita.</translation>
    </message>
    <message>
        <source>m sin i (Jupiter masses)</source>
        <translation>m sin i (masas de Júpiter)</translation>
    </message>
    <message>
        <source>P (days)</source>
        <comment>the period of an orbit</comment>
        <translation>P (días)</translation>
    </message>
    <message>
        <source>periastron T (days)</source>
        <comment>the time of periastron</comment>
        <translation>periastro T (días)</translation>
    </message>
    <message>
        <source>their median</source>
        <translation>su mediana</translation>
    </message>
    <message>
        <source>the best fit ± σ</source>
        <translation>mejor ajuste ± σ</translation>
    </message>
    <message numerus="yes">
        <source>%n orbits that fit the measurements: %1 from %2 to %3 (68 % of them), median %4; the best fit %5 ± %6.</source>
        <comment>%1 is the value&apos;s name</comment>
        <translation>
            <numerusform>%n órbita que se ajusta a las mediciones: %1 de %2 a %3 (el 68 % de ellas), mediana %4; el mejor ajuste %5 ± %6.</numerusform>
            <numerusform>%n órbitas que se ajustan a las mediciones: %1 de %2 a %3 (el 68 % de ellas), mediana %4; el mejor ajuste %5 ± %6.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>time from %1</source>
        <translation>tiempo de %1</translation>
    </message>
    <message>
        <source>velocity from %1</source>
        <translation>velocidad de %1</translation>
    </message>
    <message>
        <source>error from %1</source>
        <translation>error de %1</translation>
    </message>
    <message>
        <source>instrument from %1</source>
        <translation>instrumento de %1</translation>
    </message>
    <message>
        <source>time in column %1</source>
        <translation>tiempo en la columna %1</translation>
    </message>
    <message>
        <source>velocity in column %1</source>
        <translation>velocidad en la columna %1</translation>
    </message>
    <message>
        <source>error in column %1</source>
        <translation>error en la columna %1</translation>
    </message>
    <message>
        <source>instrument in column %1</source>
        <translation>instrumento en la columna %1</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Velocities in km/s, as the file says.</source>
        <translation>Velocidades en km/s, como dice el archivo.</translation>
    </message>
    <message>
        <source>Velocities in m/s, as the file says.</source>
        <translation>Velocidades en m/s, como dice el archivo.</translation>
    </message>
    <message>
        <source>Velocities in km/s: the errors are about %1, too small for m/s.</source>
        <translation>Velocidades en km/s: los errores son de unos %1, demasiado pequeños para m/s.</translation>
    </message>
    <message>
        <source>Velocities in m/s: the errors are about %1.</source>
        <translation>Velocidades en m/s: los errores son de unos %1.</translation>
    </message>
    <message>
        <source>Times are JD − 2 400 000, as the column&apos;s name says.</source>
        <translation>Los tiempos son JD − 2 400 000, como dice el nombre de la columna.</translation>
    </message>
    <message>
        <source>Times are MJD, as the column&apos;s name says.</source>
        <translation>Los tiempos son MJD, como dice el nombre de la columna.</translation>
    </message>
    <message>
        <source>Times are taken as JD − 2 400 000 (about %1), as .rdb tables keep them.</source>
        <translation>Los tiempos se toman como JD − 2 400 000 (unos %1), como los guardan las tablas .rdb.</translation>
    </message>
    <message>
        <source>Times are BJD, as the column&apos;s name says.</source>
        <translation>Los tiempos son BJD, como dice el nombre de la columna.</translation>
    </message>
    <message>
        <source>Times are Julian dates (about %1).</source>
        <translation>Los tiempos son fechas julianas (unos %1).</translation>
    </message>
    <message>
        <source>Times are taken as MJD (about %1); if they are JD − 2 400 000, choose that scale.</source>
        <translation>Los tiempos se toman como MJD (unos %1); si son JD − 2 400 000, elige esa escala.</translation>
    </message>
    <message>
        <source>Times are taken as days from an epoch of the file&apos;s own.</source>
        <translation>Los tiempos se toman como días desde una época propia del archivo.</translation>
    </message>
    <message>
        <source>The columns could not be told apart; choose them.</source>
        <translation>No se pudieron distinguir las columnas; elígelas.</translation>
    </message>
    <message>
        <source>Columns by their names: %1, %2, %3, %4.</source>
        <translation>Columnas por sus nombres: %1, %2, %3, %4.</translation>
    </message>
    <message>
        <source>Columns by their order: %1, %2, %3, %4.</source>
        <translation>Columnas por su orden: %1, %2, %3, %4.</translation>
    </message>
    <message>
        <source>Columns by their names: %1, %2, %3.</source>
        <translation>Columnas por sus nombres: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Columns by their order: %1, %2, %3.</source>
        <translation>Columnas por su orden: %1, %2, %3.</translation>
    </message>
    <message>
        <source>comma-separated</source>
        <translation>separado por comas</translation>
    </message>
    <message>
        <source>semicolon-separated</source>
        <translation>separado por puntos y coma</translation>
    </message>
    <message>
        <source>separated by blanks</source>
        <translation>separado por espacios</translation>
    </message>
</context>
<context>
    <name>Import measurements</name>
    <message>
        <source>Import measurements</source>
        <translation>Importar mediciones</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>File shown</source>
        <translation>Archivo mostrado</translation>
    </message>
    <message>
        <source>The file&apos;s first rows</source>
        <translation>Las primeras filas del archivo</translation>
    </message>
    <message>
        <source>&amp;Time column</source>
        <translation>&amp;Tiempo</translation>
    </message>
    <message>
        <source>Column of the times</source>
        <translation>Columna de los tiempos</translation>
    </message>
    <message>
        <source>&amp;Velocity column</source>
        <translation>&amp;Velocidad</translation>
    </message>
    <message>
        <source>Column of the velocities</source>
        <translation>Columna de las velocidades</translation>
    </message>
    <message>
        <source>&amp;Error column</source>
        <translation>&amp;Errores</translation>
    </message>
    <message>
        <source>Column of the errors</source>
        <translation>Columna de los errores</translation>
    </message>
    <message>
        <source>I&amp;nstrument column</source>
        <translation>I&amp;nstrumento</translation>
    </message>
    <message>
        <source>Column of the instruments&apos; names</source>
        <translation>Columna de los nombres de los instrumentos</translation>
    </message>
    <message>
        <source>Velocity &amp;unit</source>
        <translation>&amp;Unidad</translation>
    </message>
    <message>
        <source>Unit of the velocities and errors</source>
        <translation>Unidad de las velocidades y los errores</translation>
    </message>
    <message>
        <source>Time &amp;scale</source>
        <translation>E&amp;scala de tiempo</translation>
    </message>
    <message>
        <source>Time scale of the times</source>
        <translation>Escala de tiempo de los tiempos</translation>
    </message>
    <message>
        <source>What the import guessed</source>
        <translation>Lo que ha deducido la importación</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This file cannot be read as a table: %1</source>
        <translation>Este archivo no se puede leer como una tabla: %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>columna %1</translation>
    </message>
    <message>
        <source>line %1</source>
        <comment>a line of the file</comment>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <comment>no column of instruments</comment>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>%1. The columns and units are as chosen.</source>
        <translation>%1. Las columnas y las unidades son las elegidas.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>How to use this book</source>
        <translation>Cómo usar este libro</translation>
    </message>
    <message>
        <source>The book is read page by page. The &lt;b&gt;Section&lt;/b&gt; menu&apos;s &lt;b&gt;Contents&lt;/b&gt; lists the chapters; choose one to open it at its first page. The arrows below a page, or the page keys, turn the pages. Where a page asks a question, answer it and press &lt;b&gt;Done&lt;/b&gt;: the feedback opens with &amp;#x2713; when the answer is right and &amp;#x2717; when it is not, and &lt;b&gt;OK&lt;/b&gt; closes it. Some pages lead on only once their question is answered.</source>
        <translation>El libro se lee página a página. El &lt;b&gt;Índice&lt;/b&gt; del menú &lt;b&gt;Sección&lt;/b&gt; enumera los capítulos; elige uno para abrirlo por su primera página. Las flechas bajo una página, o las teclas de página, pasan las páginas. Cuando una página hace una pregunta, respóndela y pulsa &lt;b&gt;Listo&lt;/b&gt;: se abre el comentario con &amp;#x2713; si la respuesta es correcta y con &amp;#x2717; si no lo es, y &lt;b&gt;OK&lt;/b&gt; lo cierra. Algunas páginas solo dejan avanzar cuando se ha respondido su pregunta.</translation>
    </message>
    <message>
        <source>The simulation pages show the star and its planets on their orbits above the star&apos;s radial velocity. &lt;b&gt;Start&lt;/b&gt;, &lt;b&gt;Stop&lt;/b&gt; and &lt;b&gt;Reset&lt;/b&gt; run it, &lt;b&gt;Edit parameters&lt;/b&gt; changes the planets, and the sliders turn the view and set the timescale. The &lt;b&gt;Tools&lt;/b&gt; menu opens the calculator, the spectrum, the real planetary systems and the observing run; &lt;b&gt;File, Save picture&lt;/b&gt; saves a picture the page shows.</source>
        <translation>Las páginas de simulación muestran la estrella y sus planetas en sus órbitas, encima de la velocidad radial de la estrella. &lt;b&gt;Iniciar&lt;/b&gt;, &lt;b&gt;Parar&lt;/b&gt; y &lt;b&gt;Reiniciar&lt;/b&gt; controlan la simulación, &lt;b&gt;Editar parámetros&lt;/b&gt; cambia los planetas, y los deslizadores giran la vista y fijan la escala de tiempo. El menú &lt;b&gt;Herramientas&lt;/b&gt; abre la calculadora, el espectro, los sistemas planetarios reales y la campaña de observación; &lt;b&gt;Archivo, Guardar imagen&lt;/b&gt; guarda una imagen que muestra la página.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>&lt;b&gt;Page Down&lt;/b&gt; or &lt;b&gt;Alt+Right&lt;/b&gt;</source>
        <translation>&lt;b&gt;Av Pág&lt;/b&gt; o &lt;b&gt;Alt+Derecha&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>&lt;b&gt;Page Up&lt;/b&gt; or &lt;b&gt;Alt+Left&lt;/b&gt;</source>
        <translation>&lt;b&gt;Re Pág&lt;/b&gt; o &lt;b&gt;Alt+Izquierda&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>A slider, list or scrolling text with the focus takes Page Up and Page Down for itself; Alt+Right and Alt+Left turn the page from anywhere.</source>
        <translation>Un deslizador, una lista o un texto desplazable que tenga el foco usa Re Pág y Av Pág para sí; Alt+Derecha y Alt+Izquierda pasan la página desde cualquier sitio.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tab&lt;/b&gt;, &lt;b&gt;Shift+Tab&lt;/b&gt;</source>
        <translation>&lt;b&gt;Tab&lt;/b&gt;, &lt;b&gt;Mayús+Tab&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Next, previous control</source>
        <translation>Control siguiente, anterior</translation>
    </message>
    <message>
        <source>&lt;b&gt;Space&lt;/b&gt;</source>
        <translation>&lt;b&gt;Espacio&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Press the button or tick the box with the focus</source>
        <translation>Pulsar el botón o marcar la casilla que tiene el foco</translation>
    </message>
    <message>
        <source>&lt;b&gt;Enter&lt;/b&gt;</source>
        <translation>&lt;b&gt;Intro&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Press a dialog&apos;s default button</source>
        <translation>Pulsar el botón predeterminado de un cuadro de diálogo</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left&lt;/b&gt;, &lt;b&gt;Right&lt;/b&gt; (or &lt;b&gt;Up&lt;/b&gt;, &lt;b&gt;Down&lt;/b&gt;)</source>
        <translation>&lt;b&gt;Izquierda&lt;/b&gt;, &lt;b&gt;Derecha&lt;/b&gt; (o &lt;b&gt;Arriba&lt;/b&gt;, &lt;b&gt;Abajo&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Move a slider a step</source>
        <translation>Mover un deslizador un paso</translation>
    </message>
    <message>
        <source>&lt;b&gt;Page Up&lt;/b&gt;, &lt;b&gt;Page Down&lt;/b&gt;</source>
        <translation>&lt;b&gt;Re Pág&lt;/b&gt;, &lt;b&gt;Av Pág&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Move a slider a large step</source>
        <translation>Mover un deslizador un paso grande</translation>
    </message>
    <message>
        <source>&lt;b&gt;Home&lt;/b&gt;, &lt;b&gt;End&lt;/b&gt;</source>
        <translation>&lt;b&gt;Inicio&lt;/b&gt;, &lt;b&gt;Fin&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Move a slider to its ends</source>
        <translation>Llevar un deslizador a sus extremos</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+Plus&lt;/b&gt;, &lt;b&gt;Ctrl+Minus&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ctrl+Más&lt;/b&gt;, &lt;b&gt;Ctrl+Menos&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Zoom in, out (the book reopens at the new zoom)</source>
        <translation>Ampliar, reducir (el libro se vuelve a abrir con el nuevo zoom)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+0&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ctrl+0&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Zoom to 100 %</source>
        <translation>Zoom al 100 %</translation>
    </message>
    <message>
        <source>&lt;b&gt;Alt&lt;/b&gt; with a menu&apos;s underlined letter</source>
        <translation>&lt;b&gt;Alt&lt;/b&gt; con la letra subrayada de un menú</translation>
    </message>
    <message>
        <source>Open that menu: File, View, Section, Tools, Help</source>
        <translation>Abrir ese menú: Archivo, Ver, Sección, Herramientas, Ayuda</translation>
    </message>
    <message>
        <source>This list</source>
        <translation>Esta lista</translation>
    </message>
    <message>
        <source>&lt;b&gt;Esc&lt;/b&gt;</source>
        <translation>&lt;b&gt;Esc&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close a dialog without its changes</source>
        <translation>Cerrar un cuadro de diálogo sin sus cambios</translation>
    </message>
    <message>
        <source>With &lt;b&gt;Help, Accessibility&lt;/b&gt;&apos;s screen reader option, Tab also stops at the page&apos;s text and its feedback.</source>
        <translation>Con la opción de lector de pantalla de &lt;b&gt;Ayuda, Accesibilidad&lt;/b&gt;, Tab también se detiene en el texto de la página y en su comentario.</translation>
    </message>
    <message>
        <source>Keys and how to use this book</source>
        <translation>Teclas y cómo usar este libro</translation>
    </message>
</context>
<context>
    <name>My answers</name>
    <message>
        <source>right at the first attempt</source>
        <translation>correcta al primer intento</translation>
    </message>
    <message>
        <source>right at attempt %1</source>
        <translation>correcta en el intento %1</translation>
    </message>
    <message>
        <source>wrong: the answer was shown</source>
        <translation>incorrecta: se mostró la respuesta</translation>
    </message>
    <message>
        <source>not yet answered right</source>
        <translation>todavía sin respuesta correcta</translation>
    </message>
    <message>
        <source>My answers</source>
        <translation>Mis respuestas</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Tu &amp;nombre:</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&lt;b&gt;Name:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Nombre:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>(not given)</source>
        <comment>the name</comment>
        <translation>(no indicado)</translation>
    </message>
    <message>
        <source>Chapter %1: %2</source>
        <comment>the chapter&apos;s number and title</comment>
        <translation>Capítulo %1: %2</translation>
    </message>
    <message>
        <source>&lt;b&gt;Seed:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Semilla:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Page %1:&lt;/b&gt; %2 (seed %3)</source>
        <translation>&lt;b&gt;Página %1:&lt;/b&gt; %2 (semilla %3)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Page %1:&lt;/b&gt; %2</source>
        <translation>&lt;b&gt;Página %1:&lt;/b&gt; %2</translation>
    </message>
    <message>
        <source>Attempt %1: %2 (right)</source>
        <translation>Intento %1: %2 (correcto)</translation>
    </message>
    <message>
        <source>Attempt %1: %2 (wrong)</source>
        <translation>Intento %1: %2 (incorrecto)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Verdict:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Veredicto:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>No question has been answered yet.</source>
        <translation>Todavía no se ha respondido ninguna pregunta.</translation>
    </message>
</context>
<context>
    <name>Mystery stars</name>
    <message>
        <source>omega undefined (circular orbit)</source>
        <translation>omega sin definir (órbita circular)</translation>
    </message>
    <message>
        <source>omega %1 degrees</source>
        <translation>omega %1 grados</translation>
    </message>
    <message>
        <source>Mystery star A</source>
        <translation>Estrella misteriosa A</translation>
    </message>
    <message>
        <source>Mystery star B</source>
        <translation>Estrella misteriosa B</translation>
    </message>
    <message>
        <source>Mystery star C</source>
        <translation>Estrella misteriosa C</translation>
    </message>
    <message>
        <source>%1, a star of %2 solar masses</source>
        <translation>%1, una estrella de %2 masas solares</translation>
    </message>
    <message>
        <source>%1: star of %2 solar masses; %3</source>
        <translation>%1: estrella de %2 masas solares; %3</translation>
    </message>
    <message>
        <source>%1: period %2 days, K %3 m/s, e %4, %5, a %6 AU, m sin i %7 Jupiter masses</source>
        <translation>%1: periodo %2 días, K %3 m/s, e %4, %5, a %6 UA, m sen i %7 masas de Júpiter</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>%1 day</source>
        <translation>%1 día</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 días</translation>
    </message>
    <message>
        <source>below 10⁻¹⁶</source>
        <translation>menos de 10⁻¹⁶</translation>
    </message>
</context>
<context>
    <name>Observing plots</name>
    <message numerus="yes">
        <source>%n instruments</source>
        <translation>
            <numerusform>%n instrumento</numerusform>
            <numerusform>%n instrumentos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <comment>instruments not named in the key</comment>
        <translation>
            <numerusform>%n más</numerusform>
            <numerusform>%n más</numerusform>
        </translation>
    </message>
    <message>
        <source>periodogram</source>
        <translation>periodograma</translation>
    </message>
    <message>
        <source>window function</source>
        <translation>función ventana</translation>
    </message>
    <message>
        <source>No measurements yet: plan a run and press Observe, or import a file.</source>
        <translation>Todavía no hay mediciones: planifica una campaña y pulsa Observar, o importa un archivo.</translation>
    </message>
    <message>
        <source>phase: time since periastron over the period of %1 days</source>
        <translation>fase: tiempo desde el periastro dividido entre el periodo de %1 días</translation>
    </message>
    <message>
        <source>time since the first point, %1 (days)</source>
        <translation>tiempo desde el primer punto, %1 (días)</translation>
    </message>
    <message>
        <source>time (days)</source>
        <translation>tiempo (días)</translation>
    </message>
    <message>
        <source>The periodogram shows here once there are measurements.</source>
        <translation>El periodograma aparece aquí cuando hay mediciones.</translation>
    </message>
    <message>
        <source>period (days)</source>
        <comment>of an orbit</comment>
        <translation>periodo (días)</translation>
    </message>
    <message>
        <source>power</source>
        <comment>of a periodogram</comment>
        <translation>potencia</translation>
    </message>
    <message>
        <source>The measurements fold here on the trial period.</source>
        <translation>Las mediciones se pliegan aquí con el periodo de prueba.</translation>
    </message>
    <message>
        <source>phase at a period of %1 days</source>
        <translation>fase con un periodo de %1 días</translation>
    </message>
    <message>
        <source>radial velocity (m/s)</source>
        <translation>velocidad radial (m/s)</translation>
    </message>
    <message>
        <source>v − offset − trend (m/s)</source>
        <translation>v − offset − deriva (m/s)</translation>
    </message>
    <message>
        <source>v − offset (m/s)</source>
        <translation>v − offset (m/s)</translation>
    </message>
    <message>
        <source>The fit has no planet.</source>
        <translation>El ajuste no tiene ningún planeta.</translation>
    </message>
    <message>
        <source>%1 days, K %2 m/s</source>
        <comment>a fitted planet&apos;s period and semi-amplitude</comment>
        <translation>%1 días, K %2 m/s</translation>
    </message>
    <message numerus="yes">
        <source>The fitted curve of %n planet(s) runs through them, over one orbit: %1.</source>
        <translation>
            <numerusform>La curva ajustada de %n planeta pasa por ellas, a lo largo de una órbita: %1.</numerusform>
            <numerusform>La curva ajustada de %n planetas pasa por ellas, a lo largo de una órbita: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The fitted curve of %n planet(s) runs through them: %1.</source>
        <translation>
            <numerusform>La curva ajustada de %n planeta pasa por ellas: %1.</numerusform>
            <numerusform>La curva ajustada de %n planetas pasa por ellas: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No measurements.</source>
        <translation>No hay mediciones.</translation>
    </message>
    <message numerus="yes">
        <source>%n measurements folded on a period of %1 days.</source>
        <translation>
            <numerusform>%n medición plegada con un periodo de %1 días.</numerusform>
            <numerusform>%n mediciones plegadas con un periodo de %1 días.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n measurements folded on a period of %1 days; the highest, %2 m/s, at phase %3.</source>
        <translation>
            <numerusform>%n medición plegada con un periodo de %1 días; la más alta, %2 m/s, en la fase %3.</numerusform>
            <numerusform>%n mediciones plegadas con un periodo de %1 días; la más alta, %2 m/s, en la fase %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>No residuals.</source>
        <translation>No hay residuos.</translation>
    </message>
    <message numerus="yes">
        <source>%n residuals over %1 days; the highest, %2 m/s, at day %3.</source>
        <translation>
            <numerusform>%n residuo a lo largo de %1 días; el más alto, %2 m/s, el día %3.</numerusform>
            <numerusform>%n residuos a lo largo de %1 días; el más alto, %2 m/s, el día %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n measurements over %1 days; the highest, %2 m/s, at day %3.</source>
        <translation>
            <numerusform>%n medición a lo largo de %1 días; la más alta, %2 m/s, el día %3.</numerusform>
            <numerusform>%n mediciones a lo largo de %1 días; la más alta, %2 m/s, el día %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>plot</source>
        <comment>the name of a picture file of a plot</comment>
        <translation>grafica</translation>
    </message>
    <message>
        <source>No peak: the velocities do not vary.</source>
        <translation>Ningún pico: las velocidades no varían.</translation>
    </message>
    <message>
        <source>The highest peak is at a period of %1 days, power %2.</source>
        <translation>El pico más alto está en un periodo de %1 días, con potencia %2.</translation>
    </message>
    <message>
        <source>The residuals show here after a fit.</source>
        <translation>Los residuos aparecen aquí después de un ajuste.</translation>
    </message>
    <message>
        <source>residual (m/s)</source>
        <translation>residuo (m/s)</translation>
    </message>
    <message>
        <source>Their rms is %1 m/s.</source>
        <translation>Su rms es de %1 m/s.</translation>
    </message>
</context>
<context>
    <name>Observing run</name>
    <message>
        <source>Observing run</source>
        <translation>Campaña de observación</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Import measurements...</source>
        <translation>&amp;Importar mediciones...</translation>
    </message>
    <message>
        <source>&amp;Export measurements...</source>
        <translation>&amp;Exportar mediciones...</translation>
    </message>
    <message>
        <source>Save the &amp;fit...</source>
        <translation>Guardar el a&amp;juste...</translation>
    </message>
    <message>
        <source>Save the resi&amp;duals...</source>
        <translation>Guardar los resi&amp;duos...</translation>
    </message>
    <message>
        <source>&amp;How sure?...</source>
        <translation>¿Con qué &amp;seguridad?...</translation>
    </message>
    <message>
        <source>&amp;Open run...</source>
        <translation>&amp;Abrir campaña...</translation>
    </message>
    <message>
        <source>&amp;Save run...</source>
        <translation>&amp;Guardar campaña...</translation>
    </message>
    <message>
        <source>Open &amp;real data</source>
        <translation>Abrir datos &amp;reales</translation>
    </message>
    <message>
        <source>Show on the &amp;card of real systems</source>
        <translation>Mostrar en la &amp;tarjeta de sistemas reales</translation>
    </message>
    <message>
        <source>Open a &amp;mystery star</source>
        <translation>Abrir una estrella &amp;misteriosa</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;Nights</source>
        <translation>Noc&amp;hes</translation>
    </message>
    <message>
        <source>Number of nights</source>
        <translation>Número de noches</translation>
    </message>
    <message>
        <source>&amp;Run length (days)</source>
        <translation>Du&amp;ración (días)</translation>
    </message>
    <message>
        <source>Run length in days</source>
        <translation>Duración de la campaña en días</translation>
    </message>
    <message>
        <source>Prec&amp;ision σ (m/s)</source>
        <translation>Prec&amp;isión σ (m/s)</translation>
    </message>
    <message>
        <source>Measurement precision in metres per second</source>
        <translation>Precisión de medición en metros por segundo</translation>
    </message>
    <message>
        <source>Stellar &amp;jitter (m/s)</source>
        <translation>&amp;Jitter estelar (m/s)</translation>
    </message>
    <message>
        <source>Stellar jitter in metres per second</source>
        <translation>Jitter estelar en metros por segundo</translation>
    </message>
    <message>
        <source>Obser&amp;vable (% of year)</source>
        <translation>&amp;Observable (% del año)</translation>
    </message>
    <message>
        <source>Share of the year the star is observable, per cent</source>
        <translation>Parte del año en que la estrella es observable, en tanto por ciento</translation>
    </message>
    <message>
        <source>Lost to &amp;weather (%)</source>
        <translation>Mal &amp;tiempo (%)</translation>
    </message>
    <message>
        <source>Share of nights lost to weather, per cent</source>
        <translation>Parte de las noches perdidas por mal tiempo, en tanto por ciento</translation>
    </message>
    <message>
        <source>&amp;Seed</source>
        <translation>&amp;Semilla</translation>
    </message>
    <message>
        <source>Random seed</source>
        <translation>Semilla aleatoria</translation>
    </message>
    <message>
        <source>New s&amp;eed</source>
        <translation>Nue&amp;va semilla</translation>
    </message>
    <message>
        <source>New random seed</source>
        <translation>Nueva semilla aleatoria</translation>
    </message>
    <message>
        <source>&amp;Observe</source>
        <translation>O&amp;bservar</translation>
    </message>
    <message>
        <source>Observe</source>
        <translation>Observar</translation>
    </message>
    <message>
        <source>One measurement a clear night at most. The same seed and plan give the same measurements on every computer, so a class can share one run.</source>
        <translation>Como mucho, una medición por noche despejada. La misma semilla y el mismo plan dan las mismas mediciones en cualquier ordenador, así que una clase puede compartir una campaña.</translation>
    </message>
    <message>
        <source>Papers of the published measurements</source>
        <translation>Artículos de las mediciones publicadas</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Pages: data, periodogram, phase fold, fit by hand, fit</source>
        <translation>Páginas: datos, periodograma, plegado en fase, ajuste a mano, ajuste</translation>
    </message>
    <message>
        <source>Measurements against time</source>
        <translation>Mediciones frente al tiempo</translation>
    </message>
    <message>
        <source>Each measured radial velocity with its error bar against the time of the measurement; with Show the truth, the star&apos;s true velocity as a line.</source>
        <translation>Cada velocidad radial medida, con su barra de error, frente al instante de la medición; con Mostrar la realidad, la velocidad real de la estrella como una línea.</translation>
    </message>
    <message>
        <source>Show the &amp;truth</source>
        <translation>&amp;Mostrar la realidad</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Datos</translation>
    </message>
    <message>
        <source>Periodogram</source>
        <translation>Periodograma</translation>
    </message>
    <message>
        <source>The power of a sine fitted at each trial period, periods on a logarithmic axis, the highest peak marked.</source>
        <translation>La potencia de una sinusoide ajustada en cada periodo de prueba, con los periodos en un eje logarítmico y el pico más alto marcado.</translation>
    </message>
    <message>
        <source>Shor&amp;test period (days)</source>
        <translation>&amp;Periodo mínimo (días)</translation>
    </message>
    <message>
        <source>Shortest period in days</source>
        <translation>Periodo mínimo en días</translation>
    </message>
    <message>
        <source>Periods down to this are searched. It starts at half a day, so that a planet of a period under a day is found.</source>
        <comment>periods of orbits</comment>
        <translation>Se buscan periodos tan cortos como este. Empieza en medio día, para que se encuentre un planeta con un periodo de menos de un día.</translation>
    </message>
    <message>
        <source>Show the window f&amp;unction</source>
        <translation>&amp;Mostrar la función ventana</translation>
    </message>
    <message>
        <source>Wor&amp;k out</source>
        <translation>Ca&amp;lcular</translation>
    </message>
    <message>
        <source>Work out the periodogram</source>
        <translation>Calcular el periodograma</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel the periodogram</source>
        <translation>Cancelar el periodograma</translation>
    </message>
    <message>
        <source>Periodogram progress</source>
        <translation>Progreso del periodograma</translation>
    </message>
    <message>
        <source>&amp;Periodogram</source>
        <translation>Periodo&amp;grama</translation>
    </message>
    <message>
        <source>Measurements folded on the trial period</source>
        <translation>Mediciones plegadas en fase con el periodo de prueba</translation>
    </message>
    <message>
        <source>Each measurement at its phase on the trial period, from %1 to %2; the ends are repeated, shaded.</source>
        <translation>Cada medición en su fase con el periodo de prueba, de %1 a %2; los extremos se repiten, sombreados.</translation>
    </message>
    <message>
        <source>Tria&amp;l period</source>
        <comment>of an orbit</comment>
        <translation>&amp;Periodo de prueba</translation>
    </message>
    <message>
        <source>Trial period, logarithmic</source>
        <translation>Periodo de prueba, logarítmico</translation>
    </message>
    <message>
        <source> d</source>
        <comment>unit of days after a period</comment>
        <translation> d</translation>
    </message>
    <message>
        <source>Trial period in days</source>
        <translation>Periodo de prueba en días</translation>
    </message>
    <message>
        <source>Use the hi&amp;ghest peak</source>
        <translation>&amp;Usar el pico más alto</translation>
    </message>
    <message>
        <source>Use the highest peak</source>
        <translation>Usar el pico más alto</translation>
    </message>
    <message>
        <source>P&amp;hase fold</source>
        <translation>Plegado en &amp;fase</translation>
    </message>
    <message>
        <source>&amp;By hand</source>
        <translation>A ma&amp;no</translation>
    </message>
    <message>
        <source>Fit</source>
        <comment>the page of the orbit fit</comment>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Saved work (*.json);;All files (*)</source>
        <translation>Trabajo guardado (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The file cannot be used: its run length %1 lies outside %2 to %3.</source>
        <translation>No se puede usar el archivo: su duración de campaña %1 está fuera del intervalo de %2 a %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its precision %1 lies outside %2 to %3.</source>
        <translation>No se puede usar el archivo: su precisión %1 está fuera del intervalo de %2 a %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its jitter %1 lies outside %2 to %3.</source>
        <translation>No se puede usar el archivo: su jitter %1 está fuera del intervalo de %2 a %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its shortest period %1 lies outside %2 to %3.</source>
        <translation>No se puede usar el archivo: su periodo mínimo %1 está fuera del intervalo de %2 a %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its star&apos;s mass for the fit %1 lies outside %2 to %3.</source>
        <translation>No se puede usar el archivo: su masa de la estrella para el ajuste %1 está fuera del intervalo de %2 a %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its fold period is shorter than half its shortest period.</source>
        <translation>No se puede usar el archivo: su periodo de plegado es menor que la mitad de su periodo mínimo.</translation>
    </message>
    <message>
        <source>The file cannot be used: the book has no published measurements of %1.</source>
        <translation>No se puede usar el archivo: el libro no tiene mediciones publicadas de %1.</translation>
    </message>
    <message>
        <source>%1 The run shown is kept.</source>
        <translation>%1 Se conserva la campaña mostrada.</translation>
    </message>
    <message>
        <source>The file holds no observing run.</source>
        <translation>El archivo no contiene ninguna campaña de observación.</translation>
    </message>
    <message>
        <source>Save run</source>
        <translation>Guardar campaña</translation>
    </message>
    <message>
        <source>Open run</source>
        <translation>Abrir campaña</translation>
    </message>
    <message>
        <source>No run can cover two cycles of the longest period, %1 days: a periodogram cannot tell it well.</source>
        <translation>Ninguna campaña puede abarcar dos ciclos del periodo más largo, %1 días: un periodograma no puede distinguirlo bien.</translation>
    </message>
    <message>
        <source>The run covers less than two cycles of the longest period, %1 days: a periodogram cannot tell it well.</source>
        <translation>La campaña abarca menos de dos ciclos del periodo más largo, %1 días: un periodograma no puede distinguirlo bien.</translation>
    </message>
    <message numerus="yes">
        <source>Observed %n clear nights of the %1 asked for over %2 days, seed %3.</source>
        <translation>
            <numerusform>Se ha observado %n noche despejada de las %1 pedidas a lo largo de %2 días, semilla %3.</numerusform>
            <numerusform>Se han observado %n noches despejadas de las %1 pedidas a lo largo de %2 días, semilla %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n measurements. What orbits it?</source>
        <translation>
            <numerusform>%1: %n medición. ¿Qué la orbita?</numerusform>
            <numerusform>%1: %n mediciones. ¿Qué la orbita?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, published: %n measurements from %2.</source>
        <translation>
            <numerusform>%1, publicada: %n medición de %2.</numerusform>
            <numerusform>%1, publicada: %n mediciones de %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n measurements of %1 instruments from a saved run.</source>
        <translation>
            <numerusform>Se ha leído %n medición de %1 instrumentos de una campaña guardada.</numerusform>
            <numerusform>Se han leído %n mediciones de %1 instrumentos de una campaña guardada.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n measurements from a saved run.</source>
        <translation>
            <numerusform>Se ha leído %n medición de una campaña guardada.</numerusform>
            <numerusform>Se han leído %n mediciones de una campaña guardada.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: its files are missing</source>
        <translation>%1: faltan sus archivos</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n measurements (%3)</source>
        <comment>a star, its instruments, its measurements and their papers</comment>
        <translation>
            <numerusform>%1: %2, %n medición (%3)</numerusform>
            <numerusform>%1: %2, %n mediciones (%3)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (The plan on the left is for the chapter&apos;s star, not these data.)</source>
        <translation>%1 (El plan de la izquierda es para la estrella del capítulo, no para estos datos.)</translation>
    </message>
    <message>
        <source>%1 (The plan on the left is the one these data were made with; Observe uses it on the chapter&apos;s star.)</source>
        <translation>%1 (El plan de la izquierda es el que se usó para obtener estos datos; Observar lo aplica a la estrella del capítulo.)</translation>
    </message>
    <message>
        <source>The open chapter&apos;s star has no planet in use: Observe measures a quiet star.</source>
        <translation>La estrella del capítulo abierto no tiene ningún planeta en uso: Observar mide una estrella tranquila.</translation>
    </message>
    <message>
        <source>Plan a run on the open chapter&apos;s star and press Observe.</source>
        <translation>Planifica una campaña sobre la estrella del capítulo abierto y pulsa Observar.</translation>
    </message>
    <message>
        <source>No simulation chapter is open: import measurements or open a mystery star.</source>
        <translation>No hay ningún capítulo de simulación abierto: importa mediciones o abre una estrella misteriosa.</translation>
    </message>
    <message numerus="yes">
        <source>Only %n nights were clear: too few for a periodogram. Ask for more nights, a longer run or better weather.</source>
        <translation>
            <numerusform>Solo %n noche estuvo despejada: demasiado pocas para un periodograma. Pide más noches, una campaña más larga o mejor tiempo.</numerusform>
            <numerusform>Solo %n noches estuvieron despejadas: demasiado pocas para un periodograma. Pide más noches, una campaña más larga o mejor tiempo.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file was not read: %1</source>
        <translation>No se ha leído el archivo: %1</translation>
    </message>
    <message numerus="yes">
        <source>Read %n measurements from %1.</source>
        <translation>
            <numerusform>Se ha leído %n medición de %1.</numerusform>
            <numerusform>Se han leído %n mediciones de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The measurements of %1 were not read: %2</source>
        <translation>No se han leído las mediciones de %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The %n measurements of %1.</source>
        <translation>
            <numerusform>La %n medición de %1.</numerusform>
            <numerusform>Las %n mediciones de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 The measurements shown are kept.</source>
        <translation>%1 Se conservan las mediciones mostradas.</translation>
    </message>
    <message>
        <source>The measurements were not read: %1</source>
        <translation>No se han leído las mediciones: %1</translation>
    </message>
    <message numerus="yes">
        <source>Read %n measurements of %1 instruments from %2.</source>
        <translation>
            <numerusform>Se ha leído %n medición de %1 instrumentos de %2.</numerusform>
            <numerusform>Se han leído %n mediciones de %1 instrumentos de %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n measurements of %1 instruments from %2 files.</source>
        <translation>
            <numerusform>Se ha leído %n medición de %1 instrumentos de %2 archivos.</numerusform>
            <numerusform>Se han leído %n mediciones de %1 instrumentos de %2 archivos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n measurements from %1 files.</source>
        <translation>
            <numerusform>Se ha leído %n medición de %1 archivos.</numerusform>
            <numerusform>Se han leído %n mediciones de %1 archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The published measurements of %1 were not read: %2</source>
        <translation>No se han leído las mediciones publicadas de %1: %2</translation>
    </message>
    <message>
        <source>The measurements were not written: %1.</source>
        <translation>No se han escrito las mediciones: %1.</translation>
    </message>
    <message>
        <source>v less each instrument&apos;s mean (m/s)</source>
        <translation>v menos la media de cada instrumento (m/s)</translation>
    </message>
    <message>
        <source>radial velocity (m/s)</source>
        <translation>velocidad radial (m/s)</translation>
    </message>
    <message>
        <source>Data: %1.</source>
        <comment>the papers of the published measurements</comment>
        <translation>Datos: %1.</translation>
    </message>
    <message>
        <source>Working out the periodogram…</source>
        <translation>Calculando el periodograma…</translation>
    </message>
    <message>
        <source>The periodogram could not be worked out: %1.</source>
        <translation>No se ha podido calcular el periodograma: %1.</translation>
    </message>
    <message>
        <source>The periodogram could not be worked out.</source>
        <translation>No se ha podido calcular el periodograma.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>The periodogram was cancelled. Press Work out to start it again.</source>
        <translation>Se ha cancelado el periodograma. Pulsa Calcular para empezar de nuevo.</translation>
    </message>
    <message>
        <source>Highest peak: %1; false-alarm probability %2.</source>
        <translation>Pico más alto: %1; probabilidad de falsa alarma %2.</translation>
    </message>
    <message>
        <source>No periodogram: every measurement was taken at the same time, so there is no time span in which to look for a period.</source>
        <translation>No hay periodograma: todas las mediciones se tomaron en el mismo instante, así que no hay ningún intervalo de tiempo en el que buscar un periodo.</translation>
    </message>
    <message>
        <source>No periodogram yet.</source>
        <translation>Todavía no hay periodograma.</translation>
    </message>
    <message>
        <source>Import measurements: one file, or one per instrument</source>
        <translation>Importar mediciones: un archivo, o uno por instrumento</translation>
    </message>
    <message>
        <source>Measurements (*.csv *.tsv *.txt *.dat *.vels *.rdb);;All files (*)</source>
        <translation>Mediciones (*.csv *.tsv *.txt *.dat *.vels *.rdb);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save the fit</source>
        <translation>Guardar el ajuste</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save the residuals</source>
        <translation>Guardar los residuos</translation>
    </message>
    <message>
        <source>Export measurements</source>
        <translation>Exportar mediciones</translation>
    </message>
    <message>
        <source>Printing failed: the printer cannot be opened.</source>
        <translation>Error al imprimir: no se puede abrir la impresora.</translation>
    </message>
    <message>
        <source>Printing failed: the printer took no further page.</source>
        <translation>Error al imprimir: la impresora no aceptó más páginas.</translation>
    </message>
    <message>
        <source>Printing failed.</source>
        <translation>Error al imprimir.</translation>
    </message>
    <message>
        <source>Observing run: %1 nights over %2 days, precision %3 m/s, jitter %4 m/s, observable %5 % of the year, %6 % of nights lost to weather, seed %7</source>
        <translation>Campaña de observación: %1 noches en %2 días, precisión %3 m/s, jitter %4 m/s, observable el %5 % del año, %6 % de las noches perdidas por el tiempo, semilla %7</translation>
    </message>
</context>
<context>
    <name>Orbit fit</name>
    <message>
        <source>Fit</source>
        <comment>the page of the orbit fit</comment>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Measurements with the fitted curve</source>
        <translation>Mediciones con la curva ajustada</translation>
    </message>
    <message>
        <source>The measurements less each instrument&apos;s fitted offset and the trend, with their error bars, and the fitted planets&apos; curve in green.</source>
        <translation>Las mediciones menos el offset ajustado de cada instrumento y la deriva, con sus barras de error, y la curva de los planetas ajustados en verde.</translation>
    </message>
    <message>
        <source>Residuals</source>
        <translation>Residuos</translation>
    </message>
    <message>
        <source>Each measurement less the fitted curve, with its error bar, against time.</source>
        <translation>Cada medición menos la curva ajustada, con su barra de error, frente al tiempo.</translation>
    </message>
    <message>
        <source>Periodogram of the residuals</source>
        <translation>Periodograma de los residuos</translation>
    </message>
    <message>
        <source>Where the next planet would be sought: the periodogram of what the fitted planets leave.</source>
        <translation>Dónde se buscaría el siguiente planeta: el periodograma de lo que dejan los planetas ajustados.</translation>
    </message>
    <message>
        <source>Fit one &amp;more planet</source>
        <translation>Ajustar otro p&amp;laneta</translation>
    </message>
    <message>
        <source>Fit one more planet</source>
        <translation>Ajustar otro planeta</translation>
    </message>
    <message>
        <source>Remove the &amp;last</source>
        <translation>&amp;Quitar el último</translation>
    </message>
    <message>
        <source>Remove the last planet fitted</source>
        <translation>Quitar el último planeta ajustado</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel the fit</source>
        <translation>Cancelar el ajuste</translation>
    </message>
    <message>
        <source>Fit a ji&amp;tter</source>
        <translation>Aj&amp;ustar jitter</translation>
    </message>
    <message>
        <source>Fit a jitter for each instrument</source>
        <translation>Ajustar un jitter para cada instrumento</translation>
    </message>
    <message>
        <source>Star&apos;s mass in solar masses</source>
        <translation>Masa de la estrella en masas solares</translation>
    </message>
    <message>
        <source>Star (M☉)</source>
        <translation>Masa (M☉)</translation>
    </message>
    <message>
        <source>none</source>
        <comment>trend</comment>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>linear</source>
        <comment>trend</comment>
        <translation>lineal</translation>
    </message>
    <message>
        <source>quadratic</source>
        <comment>trend</comment>
        <translation>cuadrática</translation>
    </message>
    <message>
        <source>Trend fitted with the planets</source>
        <translation>Deriva ajustada junto con los planetas</translation>
    </message>
    <message>
        <source>Trends</source>
        <translation>Derivas</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Deriva</translation>
    </message>
    <message>
        <source>Circular orbit</source>
        <translation>Órbita circular</translation>
    </message>
    <message>
        <source>Hold the next planet&apos;s orbit circular</source>
        <translation>Mantener circular la órbita del siguiente planeta</translation>
    </message>
    <message>
        <source>Period of the next planet in days</source>
        <translation>Periodo del siguiente planeta en días</translation>
    </message>
    <message>
        <source>Period (da&amp;ys)</source>
        <comment>of an orbit</comment>
        <translation>&amp;Periodo (días)</translation>
    </message>
    <message>
        <source>Hold</source>
        <comment>keep the typed period fixed</comment>
        <translation>Fijar</translation>
    </message>
    <message>
        <source>Hold the typed period</source>
        <translation>Mantener fijo el periodo escrito</translation>
    </message>
    <message>
        <source>Fit at this period</source>
        <translation>Ajustar este periodo</translation>
    </message>
    <message>
        <source>Fit one more planet at the typed period</source>
        <translation>Ajustar otro planeta con el periodo escrito</translation>
    </message>
    <message>
        <source>Fit progress</source>
        <translation>Progreso del ajuste</translation>
    </message>
    <message>
        <source>Fitted planets</source>
        <translation>Planetas ajustados</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Offset (m/s)</source>
        <translation>Offset (m/s)</translation>
    </message>
    <message>
        <source>Jitter (m/s)</source>
        <translation>Jitter (m/s)</translation>
    </message>
    <message>
        <source>Each instrument&apos;s fitted offset and jitter</source>
        <translation>El offset y el jitter ajustados de cada instrumento</translation>
    </message>
    <message>
        <source>Fit summary</source>
        <translation>Resumen del ajuste</translation>
    </message>
    <message>
        <source>Compare with the tr&amp;uth</source>
        <translation>Co&amp;mparar con la realidad</translation>
    </message>
    <message>
        <source>Compare with the truth</source>
        <translation>Comparar con la realidad</translation>
    </message>
    <message>
        <source>%1 (%2 to %3)</source>
        <comment>a median and its interval</comment>
        <translation>%1 (%2 a %3)</translation>
    </message>
    <message>
        <source>The fit was not written: %1.</source>
        <translation>No se ha escrito el ajuste: %1.</translation>
    </message>
    <message>
        <source>The residuals file was not written: %1.</source>
        <translation>No se ha escrito el archivo de residuos: %1.</translation>
    </message>
    <message>
        <source>Seeking one more planet...</source>
        <translation>Buscando otro planeta...</translation>
    </message>
    <message>
        <source>Fitting...</source>
        <translation>Ajustando...</translation>
    </message>
    <message>
        <source>The residuals&apos; periodogram stopped: %1.</source>
        <translation>El periodograma de los residuos se ha detenido: %1.</translation>
    </message>
    <message>
        <source>The fit stopped: %1.</source>
        <translation>El ajuste se ha detenido: %1.</translation>
    </message>
    <message>
        <source>Cancelled: the last fit is kept.</source>
        <translation>Cancelado: se conserva el último ajuste.</translation>
    </message>
    <message>
        <source>Cancelled when the window closed: the last fit is kept.</source>
        <translation>Cancelado al cerrarse la ventana: se conserva el último ajuste.</translation>
    </message>
    <message>
        <source>Seeking one more planet... then refitting with the new settings.</source>
        <translation>Buscando otro planeta... y después se volverá a ajustar con los nuevos ajustes.</translation>
    </message>
    <message>
        <source>Fitting... then refitting with the new settings.</source>
        <translation>Ajustando... y después se volverá a ajustar con los nuevos ajustes.</translation>
    </message>
    <message>
        <source>Show the res&amp;ults</source>
        <translation>&amp;Mostrar los resultados</translation>
    </message>
    <message numerus="yes">
        <source>rms %1 m/s, trend %2 m/s/d, %n measurements; %3</source>
        <translation>
            <numerusform>rms %1 m/s, deriva %2 m/s/d, %n medición; %3</numerusform>
            <numerusform>rms %1 m/s, deriva %2 m/s/d, %n mediciones; %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rms %1 m/s, %n measurements; %2</source>
        <translation>
            <numerusform>rms %1 m/s, %n medición; %2</numerusform>
            <numerusform>rms %1 m/s, %n mediciones; %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rms %1 m/s, reduced χ² %2, trend %3 m/s/d, BIC %4, %n measurements</source>
        <translation>
            <numerusform>rms %1 m/s, χ² reducido %2, deriva %3 m/s/d, BIC %4, %n medición</numerusform>
            <numerusform>rms %1 m/s, χ² reducido %2, deriva %3 m/s/d, BIC %4, %n mediciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rms %1 m/s, reduced χ² %2, BIC %3, %n measurements</source>
        <translation>
            <numerusform>rms %1 m/s, χ² reducido %2, BIC %3, %n medición</numerusform>
            <numerusform>rms %1 m/s, χ² reducido %2, BIC %3, %n mediciones</numerusform>
        </translation>
    </message>
    <message>
        <source>No measurements to fit.</source>
        <translation>No hay mediciones que ajustar.</translation>
    </message>
    <message>
        <source>Press “Fit one more planet”.</source>
        <translation>Pulsa «Ajustar otro planeta».</translation>
    </message>
    <message>
        <source>Evidence for the last planet</source>
        <translation>Indicios a favor del último planeta</translation>
    </message>
    <message>
        <source>Orbit fit</source>
        <translation>Ajuste de la órbita</translation>
    </message>
    <message>
        <source>%1: offset %2 m/s, jitter %3 m/s</source>
        <translation>%1: offset %2 m/s, jitter %3 m/s</translation>
    </message>
    <message>
        <source>%1: offset %2 m/s</source>
        <translation>%1: offset %2 m/s</translation>
    </message>
    <message>
        <source>How sure? The orbits that fit the measurements, each value&apos;s median and 68 % interval from %1 steps of %2 walkers: converged.</source>
        <translation>¿Con qué seguridad? Las órbitas que se ajustan a las mediciones, con la mediana de cada valor y su intervalo del 68 % a partir de %1 pasos de %2 caminantes: convergido.</translation>
    </message>
    <message>
        <source>How sure? The orbits that fit the measurements, each value&apos;s median and 68 % interval from %1 steps of %2 walkers: not converged, so the intervals are rough.</source>
        <translation>¿Con qué seguridad? Las órbitas que se ajustan a las mediciones, con la mediana de cada valor y su intervalo del 68 % a partir de %1 pasos de %2 caminantes: sin convergencia, así que los intervalos son aproximados.</translation>
    </message>
    <message>
        <source>%1: P %2 days, K %3 m/s, e %4, ω %5°, m sin i %6 Mⱼ, a %7 AU</source>
        <translation>%1: P %2 días, K %3 m/s, e %4, ω %5°, m sin i %6 Mⱼ, a %7 AU</translation>
    </message>
    <message>
        <source>P (days)</source>
        <comment>the period of an orbit</comment>
        <translation>P (días)</translation>
    </message>
    <message>
        <source>a (AU)</source>
        <comment>the semi-major axis</comment>
        <translation>a (AU)</translation>
    </message>
    <message>
        <source>not fitted</source>
        <translation>sin ajustar</translation>
    </message>
    <message>
        <source>true %1</source>
        <comment>the true planet of a letter</comment>
        <translation>real %1</translation>
    </message>
    <message>
        <source>no true planet</source>
        <translation>ningún planeta real</translation>
    </message>
    <message>
        <source>No fit could be made.</source>
        <translation>No se pudo hacer ningún ajuste.</translation>
    </message>
    <message>
        <source>No fit could be made: %1</source>
        <comment>%1 is the reason, ending with a full stop</comment>
        <translation>No se pudo hacer ningún ajuste: %1</translation>
    </message>
</context>
<context>
    <name>Planet parameters</name>
    <message>
        <source>semi-major axis</source>
        <translation>semieje mayor</translation>
    </message>
    <message>
        <source>Semi-major axis a</source>
        <translation>Semieje mayor a</translation>
    </message>
    <message>
        <source>The size of the orbit: half its longest diameter, from 0.01 to 100 AU.</source>
        <translation>El tamaño de la órbita: la mitad de su diámetro más largo, de 0,01 a 100 AU.</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>Excentricidad</translation>
    </message>
    <message>
        <source>Eccentricity e</source>
        <translation>Excentricidad e</translation>
    </message>
    <message>
        <source>How far the orbit is from a circle: 0 is a circle, near 1 a long, thin ellipse.</source>
        <translation>Cuánto se aparta la órbita de una circunferencia: 0 es una circunferencia; cerca de 1, una elipse larga y estrecha.</translation>
    </message>
    <message>
        <source>Orbit Inclination</source>
        <translation>Inclinación de la órbita</translation>
    </message>
    <message>
        <source>Inclination i</source>
        <translation>Inclinación i</translation>
    </message>
    <message>
        <source>The angle between the line of sight and the orbit&apos;s normal: 90° is edge-on, 0° face-on.</source>
        <translation>El ángulo entre la línea de visión y la normal de la órbita: 90° es de canto, 0° de frente.</translation>
    </message>
    <message>
        <source>Orbit Azimuth</source>
        <translation>Acimut de la órbita</translation>
    </message>
    <message>
        <source>Azimuth φ</source>
        <translation>Acimut φ</translation>
    </message>
    <message>
        <source>φ turns the plane of the orbit about the line of sight.</source>
        <translation>φ gira el plano de la órbita alrededor de la línea de visión.</translation>
    </message>
    <message>
        <source>Orientation of the ellipse</source>
        <translation>Orientación de la elipse</translation>
    </message>
    <message>
        <source>Orientation ψ</source>
        <translation>Orientación ψ</translation>
    </message>
    <message>
        <source>ψ turns the ellipse within its own plane.</source>
        <translation>ψ gira la elipse dentro de su propio plano.</translation>
    </message>
    <message>
        <source>Planet Mass</source>
        <translation>Masa del planeta</translation>
    </message>
    <message>
        <source>Planet mass m</source>
        <translation>Masa del planeta m</translation>
    </message>
    <message>
        <source>The planet&apos;s mass, from 0.01 to 10 Jupiter masses.</source>
        <translation>La masa del planeta, de 0,01 a 10 masas de Júpiter.</translation>
    </message>
    <message>
        <source>Star Mass</source>
        <translation>Masa de la estrella</translation>
    </message>
    <message>
        <source>Star mass ms</source>
        <translation>Masa de la estrella ms</translation>
    </message>
    <message>
        <source>The star&apos;s mass, from 0.1 to 100 solar masses.</source>
        <translation>La masa de la estrella, de 0,1 a 100 masas solares.</translation>
    </message>
    <message>
        <source>Edit parameters</source>
        <translation>Editar parámetros</translation>
    </message>
    <message>
        <source>Planet 1</source>
        <translation>Planeta 1</translation>
    </message>
    <message>
        <source>Planet name</source>
        <translation>Nombre del planeta</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>%1 AU</source>
        <comment>a distance in astronomical units</comment>
        <translation>%1 AU</translation>
    </message>
    <message>
        <source>%1 Jupiter mass</source>
        <translation>%1 masa de Júpiter</translation>
    </message>
    <message>
        <source>%1 Jupiter masses</source>
        <translation>%1 masas de Júpiter</translation>
    </message>
    <message>
        <source>%1 solar mass</source>
        <translation>%1 masa solar</translation>
    </message>
    <message>
        <source>%1 solar masses</source>
        <translation>%1 masas solares</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>“%1” (the first choice).</source>
        <translation>«%1» (la primera opción).</translation>
    </message>
    <message>
        <source>“%1” (the second choice).</source>
        <translation>«%1» (la segunda opción).</translation>
    </message>
    <message>
        <source>“%1” (the third choice).</source>
        <translation>«%1» (la tercera opción).</translation>
    </message>
    <message>
        <source>Please type a valid number!</source>
        <translation>¡Escribe un número válido, por favor!</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>the button that hands in an answer</comment>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>Real data</name>
    <message>
        <source>Its two giants, at 61 and 30 days, lie in a 2:1 resonance and pull each other&apos;s orbits round within the years of these measurements: fixed Keplerian orbits cannot follow them. Fitted so, c comes out nearly circular and a harmonic at 15 days looks like one more planet. Four planets are known; the fit takes four.</source>
        <translation>Sus dos gigantes, a 61 y 30 días, están en resonancia 2:1 y hacen girar sus órbitas mutuamente durante los años de estas mediciones: órbitas keplerianas fijas no pueden seguirlas. Ajustado así, c sale casi circular y un armónico a 15 días parece un planeta más. Se conocen cuatro planetas; el ajuste toma cuatro.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1 no se puede abrir.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 no se puede leer.</translation>
    </message>
    <message>
        <source>%1 is too large for a table of measurements.</source>
        <translation>%1 es demasiado grande para una tabla de mediciones.</translation>
    </message>
    <message>
        <source>%1 names no star or no file of measurements.</source>
        <translation>%1 no nombra ninguna estrella o ningún archivo de mediciones.</translation>
    </message>
    <message>
        <source>%1 names %2, which is not a file beside it.</source>
        <translation>%1 nombra %2, que no es un archivo a su lado.</translation>
    </message>
    <message>
        <source>from the data&apos;s system file</source>
        <translation>según el archivo de sistema de los datos</translation>
    </message>
    <message>
        <source>from %1, as on the card of real systems</source>
        <translation>según %1, como en la tarjeta de sistemas reales</translation>
    </message>
    <message>
        <source>No data come with the book for %1.</source>
        <translation>El libro no trae datos de %1.</translation>
    </message>
</context>
<context>
    <name>Real planetary systems</name>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Star mass
(solar)</source>
        <translation>Masa
(solar)</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planeta</translation>
    </message>
    <message>
        <source>P (days)</source>
        <translation>P (días)</translation>
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
(Júpiter)</translation>
    </message>
    <message>
        <source>a (AU)</source>
        <translation>a (AU)</translation>
    </message>
    <message>
        <source>The Sun, seen from afar</source>
        <translation>El Sol, visto desde lejos</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Júpiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>The first planet found around a Sun-like star: a giant closer to its star than Mercury.</source>
        <translation>El primer planeta hallado en torno a una estrella como el Sol: un gigante más cerca de ella que Mercurio.</translation>
    </message>
    <message>
        <source>the mass with which Butler et al. 2006&apos;s K gives their m sin i (mass function); the 1.11 of later catalogues gives K 1.1 % below theirs</source>
        <translation>la masa con la que la K de Butler et al. 2006 da su m sin i (función de masa); el 1,11 de catálogos posteriores da una K un 1,1 % menor que la suya</translation>
    </message>
    <message>
        <source>Butler et al. 2006, table of orbital solutions, columns P, K, e, ω, M sin i; all five confirmed against copies of that row (ω = 58°, 1.012291 rad)</source>
        <translation>Butler et al. 2006, tabla de soluciones orbitales, columnas P, K, e, ω, M sin i; los cinco valores comprobados con copias de esa fila (ω = 58°, 1,012291 rad)</translation>
    </message>
    <message>
        <source>A heavy planet on a clearly eccentric orbit: the curve is no longer a sine wave.</source>
        <translation>Un planeta pesado en una órbita claramente excéntrica: la curva ya no es una sinusoide.</translation>
    </message>
    <message>
        <source>Kane et al. 2015&apos;s stellar table; its K and m sin i agree with it</source>
        <translation>La tabla estelar de Kane et al. 2015; su K y su m sin i concuerdan con ella</translation>
    </message>
    <message>
        <source>Kane et al. 2015, table of the Keplerian orbit, columns P, K, e, ω, M sin i; not confirmed against a copy</source>
        <translation>Kane et al. 2015, tabla de la órbita kepleriana, columnas P, K, e, ω, M sin i; no comprobado con una copia</translation>
    </message>
    <message>
        <source>A very eccentric orbit: the velocity hardly changes for weeks, then swings in days.</source>
        <translation>Una órbita muy excéntrica: la velocidad apenas cambia durante semanas y luego da un vuelco en pocos días.</translation>
    </message>
    <message>
        <source>Hébrard et al. 2010&apos;s stellar parameters; not confirmed against a copy</source>
        <translation>Los parámetros estelares de Hébrard et al. 2010; no comprobados con una copia</translation>
    </message>
    <message>
        <source>Hébrard et al. 2010, table of fitted and derived parameters, columns P, K, e, ω, M_p; ω = 300.8° as a copy of that solution gives it (the 300.651° the card had is not in it); P, e, K and M_p not confirmed against a copy of the table</source>
        <translation>Hébrard et al. 2010, tabla de parámetros ajustados y derivados, columnas P, K, e, ω, M_p; ω = 300,8° tal como lo da una copia de esa solución (el 300,651° que tenía la tarjeta no figura en ella); P, e, K y M_p no comprobados con una copia de la tabla</translation>
    </message>
    <message>
        <source>Two giants on nearly circular orbits of years, like Jupiter and Saturn.</source>
        <translation>Dos gigantes en órbitas casi circulares de varios años, como Júpiter y Saturno.</translation>
    </message>
    <message>
        <source>Gregory &amp; Fischer 2010; its K and m sin i agree with it</source>
        <translation>Gregory &amp; Fischer 2010; su K y su m sin i concuerdan con ella</translation>
    </message>
    <message>
        <source>Gregory &amp; Fischer 2010, table of the two-planet solution, columns P, K, e, ω, M sin i; not confirmed against a copy</source>
        <translation>Gregory &amp; Fischer 2010, tabla de la solución de dos planetas, columnas P, K, e, ω, M sin i; no comprobado con una copia</translation>
    </message>
    <message>
        <source>Gregory &amp; Fischer 2010, table of the two-planet solution, columns P, e, ω, M sin i; K computed; not confirmed against a copy</source>
        <translation>Gregory &amp; Fischer 2010, tabla de la solución de dos planetas, columnas P, e, ω, M sin i; K calculada; no comprobado con una copia</translation>
    </message>
    <message>
        <source>The first system of several planets found around a Sun-like star this way.</source>
        <translation>El primer sistema de varios planetas hallado de esta forma alrededor de una estrella de tipo solar.</translation>
    </message>
    <message>
        <source>McArthur et al. 2010, the primary&apos;s mass M★ = 1.31 their masses are computed with (confirmed against the catalogue&apos;s abstract)</source>
        <translation>McArthur et al. 2010, la masa de la primaria M★ = 1,31 con la que se calculan sus masas (comprobada con el resumen del catálogo)</translation>
    </message>
    <message>
        <source>McArthur et al. 2010, table of the orbital solution, columns P, K, e, ω, M sin i; ω = 44° from a catalogue copy of that solution, the rest not confirmed</source>
        <translation>McArthur et al. 2010, tabla de la solución orbital, columnas P, K, e, ω, M sin i; ω = 44° de una copia de esa solución en un catálogo, el resto no comprobado</translation>
    </message>
    <message>
        <source>McArthur et al. 2010, table of the orbital solution, columns P, K, e, ω, M sin i; not confirmed against a copy</source>
        <translation>McArthur et al. 2010, tabla de la solución orbital, columnas P, K, e, ω, M sin i; no comprobado con una copia</translation>
    </message>
    <message>
        <source>McArthur et al. 2010, table of the orbital solution, columns P, K, e, ω, M sin i; P and e confirmed against an encyclopaedia copy citing it</source>
        <translation>McArthur et al. 2010, tabla de la solución orbital, columnas P, K, e, ω, M sin i; P y e comprobados con una copia de una enciclopedia que la cita</translation>
    </message>
    <message>
        <source>Two giants in a 2:1 resonance pull each other round: no fixed orbit follows them.</source>
        <translation>Dos gigantes en resonancia 2:1 tiran el uno del otro: ninguna órbita fija describe su movimiento.</translation>
    </message>
    <message>
        <source>Rivera et al. 2010, the star&apos;s mass their planets&apos; masses are computed with; not confirmed against a copy</source>
        <translation>Rivera et al. 2010, la masa de la estrella con la que se calculan las masas de sus planetas; no comprobada con una copia</translation>
    </message>
    <message>
        <source>Rivera et al. 2010, table of the coplanar four-planet fit, columns P, K, e, ω and the mass (6.83 Earth masses); m sin i computed at i = 59°; P, e, ω and the mass confirmed against an encyclopaedia copy citing it</source>
        <translation>Rivera et al. 2010, tabla del ajuste coplanar de cuatro planetas, columnas P, K, e, ω y la masa (6,83 masas terrestres); m sin i calculado con i = 59°; P, e, ω y la masa comprobados con una copia de una enciclopedia que la cita</translation>
    </message>
    <message>
        <source>Rivera et al. 2010, table of the coplanar four-planet fit, columns P, K, e, ω and the mass (0.7142 Jupiter masses); m sin i computed at i = 59°; all five confirmed against an encyclopaedia copy citing it</source>
        <translation>Rivera et al. 2010, tabla del ajuste coplanar de cuatro planetas, columnas P, K, e, ω y la masa (0,7142 masas de Júpiter); m sin i calculado con i = 59°; los cinco valores comprobados con una copia de una enciclopedia que la cita</translation>
    </message>
    <message>
        <source>Rivera et al. 2010, table of the coplanar four-planet fit, columns P, K, e, ω and the mass (2.2756 Jupiter masses); m sin i computed at i = 59°; P, e and the mass confirmed against an encyclopaedia copy citing it</source>
        <translation>Rivera et al. 2010, tabla del ajuste coplanar de cuatro planetas, columnas P, K, e, ω y la masa (2,2756 masas de Júpiter); m sin i calculado con i = 59°; P, e y la masa comprobados con una copia de una enciclopedia que la cita</translation>
    </message>
    <message>
        <source>What our own Jupiter does to the Sun: about 12 m/s, repeating every twelve years.</source>
        <translation>Lo que nuestro propio Júpiter le hace al Sol: unos 12 m/s, que se repiten cada doce años.</translation>
    </message>
    <message>
        <source>the Sun&apos;s mass, by definition</source>
        <translation>la masa del Sol, por definición</translation>
    </message>
    <message>
        <source>the fact sheet&apos;s columns sidereal period, eccentricity and mass, confirmed against its current values; K computed; ω left undefined, as it depends on where the Sun is seen from</source>
        <translation>las columnas periodo sideral, excentricidad y masa de la ficha técnica, comprobadas con sus valores actuales; K calculada; ω sin definir, ya que depende de desde dónde se vea el Sol</translation>
    </message>
    <message>
        <source>Choose a system, then press Set up: its planets replace those of the simulation, seen edge-on, with m = m sin i and the published ω.</source>
        <translation>Elige un sistema y pulsa Cargar: sus planetas sustituyen a los de la simulación, vistos de canto, con m = m sin i y el ω publicado.</translation>
    </message>
    <message>
        <source>Here the card is for reading. In the chapter &quot;Free experiment&quot;, Set up puts the chosen system into the simulation.</source>
        <translation>Aquí la tarjeta es solo para leer. En el capítulo «Experimento libre», Cargar pone el sistema elegido en la simulación.</translation>
    </message>
    <message>
        <source>Real planetary systems</source>
        <translation>Sistemas planetarios reales</translation>
    </message>
    <message>
        <source>m sin i is the least mass the planet can have: the spectrum gives its mass times the sine of the orbit&apos;s inclination († marks a true mass, where the inclination is known). Astrometry gives Upsilon Andromedae c and d true masses of about 14 and 10 Jupiter masses, far above m sin i. Gliese 876&apos;s giants c and b pull each other round in their 2:1 resonance within a few years: a fit of fixed orbits to its measurements makes c nearly circular and adds a harmonic at 15 days that is no planet. Its m sin i come from the masses of a fit with the pulls, at the inclination it finds (59°); its fourth planet, e (124 days), is left out, as the simulation holds three. ω, the argument of periastron, sets the shape of the curve; for the Sun&apos;s planets it depends on where the Sun is seen from (—). * marks a K computed from the source&apos;s elements. a is derived from P and the masses, so the simulated periods are the catalogue&apos;s. Every planet starts at periastron at time 0, so the curves of several planets add up to an offset at the start. Set up puts these values into the simulation exactly; moving a slider afterwards takes that slider&apos;s steps.</source>
        <translation>m sin i es la menor masa que puede tener el planeta: el espectro da su masa multiplicada por el seno de la inclinación de la órbita († marca una masa verdadera, cuando se conoce la inclinación). La astrometría da a Upsilon Andromedae c y d masas verdaderas de unas 14 y 10 masas de Júpiter, muy por encima de m sin i. Los gigantes c y b de Gliese 876 tiran el uno del otro en su resonancia 2:1 en pocos años: un ajuste de órbitas fijas a sus mediciones hace c casi circular y añade un armónico a 15 días que no es ningún planeta. Sus m sin i proceden de las masas de un ajuste que incluye esos tirones, con la inclinación que este halla (59°); su cuarto planeta, e (124 días), se ha dejado fuera, ya que la simulación admite tres. ω, el argumento del periastro, fija la forma de la curva; para los planetas del Sol depende de desde dónde se vea el Sol (—). * marca una K calculada a partir de los elementos de la fuente. a se deduce de P y de las masas, así que los periodos simulados son los del catálogo. Todos los planetas parten del periastro en el instante 0, así que las curvas de varios planetas se suman en un desplazamiento al principio. Cargar pone estos valores exactamente en la simulación; mover después un deslizador toma los pasos de ese deslizador.</translation>
    </message>
    <message>
        <source>Sources: %1.</source>
        <comment>the citations, separated by semicolons</comment>
        <translation>Fuentes: %1.</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <source>Open the published measurements of the chosen star</source>
        <translation>Abre las mediciones publicadas de la estrella elegida</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the time must lie between %1 and %2 days</source>
        <translation>el tiempo debe estar entre %1 y %2 días</translation>
    </message>
    <message>
        <source>the velocity must lie between %1 and %2 m/s (the speed of light)</source>
        <translation>la velocidad debe estar entre %1 y %2 m/s (la velocidad de la luz)</translation>
    </message>
    <message>
        <source>the error must be a positive number</source>
        <translation>el error debe ser un número positivo</translation>
    </message>
    <message>
        <source>the error must lie between %1 m/s and %2 m/s (the speed of light)</source>
        <translation>el error debe estar entre %1 m/s y %2 m/s (la velocidad de la luz)</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB; the book reads up to %1 MB of measurements.</source>
        <translation>El archivo supera los %1 MB; el libro lee hasta %1 MB de mediciones.</translation>
    </message>
    <message>
        <source>The file has more than %1 rows; the book reads up to %1 measurements.</source>
        <translation>El archivo tiene más de %1 filas; el libro lee hasta %1 mediciones.</translation>
    </message>
    <message>
        <source>The file holds 1 measurement; at least %2 are needed.</source>
        <translation>El archivo contiene 1 medición; se necesitan al menos %2.</translation>
    </message>
    <message>
        <source>The file holds %1 measurements; at least %2 are needed.</source>
        <translation>El archivo contiene %1 mediciones; se necesitan al menos %2.</translation>
    </message>
    <message>
        <source>with it the files hold more than %1 measurements; the book reads up to %1.</source>
        <translation>con él, los archivos contienen más de %1 mediciones; el libro lee hasta %1.</translation>
    </message>
    <message>
        <source>with it the files name more than %1 instruments; the book fits up to %1.</source>
        <translation>con él, los archivos nombran más de %1 instrumentos; el libro ajusta hasta %1.</translation>
    </message>
    <message>
        <source>an instrument&apos;s name is longer than the %1 bytes the book keeps of a name.</source>
        <translation>el nombre de un instrumento supera los %1 bytes que el libro guarda de un nombre.</translation>
    </message>
    <message>
        <source>The measurements span less than %1 days (%2 seconds); a period can only be sought in measurements spread over more.</source>
        <translation>Las mediciones abarcan menos de %1 días (%2 segundos); solo se puede buscar un periodo en mediciones repartidas en más tiempo.</translation>
    </message>
    <message>
        <source>the time is not a number</source>
        <translation>el tiempo no es un número</translation>
    </message>
    <message>
        <source>the velocity is not a number</source>
        <translation>la velocidad no es un número</translation>
    </message>
    <message>
        <source>the time must be a finite number</source>
        <translation>el tiempo debe ser un número finito</translation>
    </message>
    <message>
        <source>the velocity must be a finite number</source>
        <translation>la velocidad debe ser un número finito</translation>
    </message>
    <message>
        <source>The file is written in UTF-16; save it as plain text (UTF-8 or ASCII) and import it again.</source>
        <translation>El archivo está escrito en UTF-16; guárdalo como texto plano (UTF-8 o ASCII) e impórtalo de nuevo.</translation>
    </message>
    <message>
        <source>expected three columns (time, velocity, error), found %1</source>
        <translation>se esperaban tres columnas (tiempo, velocidad, error), se encontraron %1</translation>
    </message>
    <message>
        <source>its times are dates and those of the files before are not; choose the same kind of time for every file.</source>
        <translation>sus tiempos son fechas y los de los archivos anteriores no; elige el mismo tipo de tiempo para cada archivo.</translation>
    </message>
    <message>
        <source>its times are days of an epoch of its own and those of the files before are not; choose the same kind of time for every file.</source>
        <translation>sus tiempos son días desde una época propia y los de los archivos anteriores no; elige el mismo tipo de tiempo para cada archivo.</translation>
    </message>
    <message>
        <source>The data set</source>
        <translation>El conjunto de datos</translation>
    </message>
    <message>
        <source>there are %1 measurements; a data set needs at least %2.</source>
        <translation>hay %1 mediciones; un conjunto de datos necesita al menos %2.</translation>
    </message>
    <message>
        <source>The table has %1 columns; choose the time, velocity and error among them.</source>
        <translation>La tabla tiene %1 columnas; elige entre ellas el tiempo, la velocidad y el error.</translation>
    </message>
    <message>
        <source>The table has no column %1 for the instrument.</source>
        <translation>La tabla no tiene columna %1 para el instrumento.</translation>
    </message>
    <message>
        <source>the time %1 is not a finite number.</source>
        <translation>el tiempo %1 no es un número finito.</translation>
    </message>
    <message>
        <source>the velocity %1 is not a finite number.</source>
        <translation>la velocidad %1 no es un número finito.</translation>
    </message>
    <message>
        <source>the error %1 is not a finite number.</source>
        <translation>el error %1 no es un número finito.</translation>
    </message>
    <message>
        <source>the error %1 is not above 0.</source>
        <translation>el error %1 no es mayor que 0.</translation>
    </message>
    <message>
        <source>the time %1 is beyond any date in days; are the times in seconds?</source>
        <translation>el tiempo %1 va más allá de cualquier fecha en días; ¿están los tiempos en segundos?</translation>
    </message>
    <message>
        <source>the time %1 is no Julian date (those are above %2); choose MJD or days.</source>
        <translation>el tiempo %1 no es una fecha juliana (esas superan %2); elige MJD o días.</translation>
    </message>
    <message>
        <source>the time %1 is a Julian date, not %2; choose JD or BJD.</source>
        <translation>el tiempo %1 es una fecha juliana, no %2; elige JD o BJD.</translation>
    </message>
    <message>
        <source>the instrument&apos;s name is empty.</source>
        <translation>el nombre del instrumento está vacío.</translation>
    </message>
    <message>
        <source>the line of dashes has %1 columns where the names above have %2.</source>
        <translation>la línea de guiones tiene %1 columnas donde los nombres de encima tienen %2.</translation>
    </message>
    <message>
        <source>1 column where the line of names has %2; are its values separated by something else?</source>
        <translation>1 columna donde la línea de nombres tiene %2; ¿están sus valores separados por otra cosa?</translation>
    </message>
    <message>
        <source>%1 columns where the line of names has %2; are its values separated by something else?</source>
        <translation>%1 columnas donde la línea de nombres tiene %2; ¿están sus valores separados por otra cosa?</translation>
    </message>
    <message>
        <source>1 column where line %3 has %2; are its values separated by something else?</source>
        <translation>1 columna donde la línea %3 tiene %2; ¿están sus valores separados por otra cosa?</translation>
    </message>
    <message>
        <source>%1 columns where line %3 has %2; are its values separated by something else?</source>
        <translation>%1 columnas donde la línea %3 tiene %2; ¿están sus valores separados por otra cosa?</translation>
    </message>
    <message>
        <source>The file holds no rows of measurements.</source>
        <translation>El archivo no contiene filas de mediciones.</translation>
    </message>
</context>
<context>
    <name>Save picture</name>
    <message>
        <source>picture</source>
        <comment>a file name</comment>
        <translation>imagen</translation>
    </message>
    <message>
        <source>The picture was not saved: the SVG could not be begun.</source>
        <translation>La imagen no se ha guardado: no se pudo empezar el SVG.</translation>
    </message>
    <message>
        <source>The picture was not saved: it could not be written as PNG.</source>
        <translation>La imagen no se ha guardado: no se pudo escribir como PNG.</translation>
    </message>
    <message>
        <source>The picture was not saved: %1.</source>
        <translation>La imagen no se ha guardado: %1.</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>Save &amp;picture...</source>
        <translation>Guardar &amp;imagen...</translation>
    </message>
    <message>
        <source>Save pic&amp;ture</source>
        <translation>Guardar i&amp;magen</translation>
    </message>
    <message>
        <source>No picture shown</source>
        <translation>No se muestra ninguna imagen</translation>
    </message>
</context>
<context>
    <name>Simulation</name>
    <message>
        <source>The file cannot be used: its time scale position %1 lies outside %2 to %3.</source>
        <translation>No se puede usar el archivo: su posición de escala de tiempo %1 está fuera del intervalo de %2 a %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its zoom position %1 lies outside %2 to %3.</source>
        <translation>No se puede usar el archivo: su posición de zoom %1 está fuera del intervalo de %2 a %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its tilt position %1 lies outside %2 to %3.</source>
        <translation>No se puede usar el archivo: su posición de inclinación de la vista %1 está fuera del intervalo de %2 a %3.</translation>
    </message>
    <message>
        <source>The file cannot be used: its turn position %1 lies outside %2 to %3.</source>
        <translation>No se puede usar el archivo: su posición de giro de la vista %1 está fuera del intervalo de %2 a %3.</translation>
    </message>
</context>
<context>
    <name>Simulation window</name>
    <message>
        <source>Rotate axes</source>
        <translation>Girar ejes</translation>
    </message>
    <message>
        <source>Zoom</source>
        <comment>of the view</comment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Tilt of the view</source>
        <translation>Inclinación de la vista</translation>
    </message>
    <message>
        <source>Tilts the view from looking along the line of sight (0°) to looking down on the sky (90°).</source>
        <translation>Inclina la vista desde mirar a lo largo de la línea de visión (0°) hasta mirar el cielo desde arriba (90°).</translation>
    </message>
    <message>
        <source>Turn of the view</source>
        <translation>Giro de la vista</translation>
    </message>
    <message>
        <source>Turns the view about the vertical axis.</source>
        <translation>Gira la vista alrededor del eje vertical.</translation>
    </message>
    <message>
        <source>Zoom of the view</source>
        <translation>Zoom de la vista</translation>
    </message>
    <message>
        <source>Brings the view closer (up) or farther (down).</source>
        <translation>Acerca la vista (arriba) o la aleja (abajo).</translation>
    </message>
    <message>
        <source>Radial velocity graph</source>
        <translation>Gráfica de velocidad radial</translation>
    </message>
    <message>
        <source>The star&apos;s radial velocity against time, drawn as the simulation runs; the titles beside it give the units of both axes.</source>
        <translation>La velocidad radial de la estrella frente al tiempo, dibujada mientras avanza la simulación; los títulos junto a ella indican las unidades de ambos ejes.</translation>
    </message>
    <message>
        <source>Timescale (days)</source>
        <translation>Escala de tiempo (días)</translation>
    </message>
    <message>
        <source>The simulated days per tick, from 0.1 to 10 000: also the span of the graph.</source>
        <translation>Los días simulados por división, de 0,1 a 10 000: también el intervalo de la gráfica.</translation>
    </message>
    <message>
        <source>%1 days</source>
        <comment>a number of simulated days per tick</comment>
        <translation>%1 días</translation>
    </message>
    <message>
        <source>Autoscale velocity</source>
        <translation>Escala automática</translation>
    </message>
    <message>
        <source>Rescale velocity</source>
        <translation>Reescalar velocidad</translation>
    </message>
    <message>
        <source>Rescales the velocity axis so that the largest speed of the curve shown fills it</source>
        <translation>Reescala el eje de velocidad para que la mayor rapidez de la curva mostrada lo llene</translation>
    </message>
    <message>
        <source>Radial velocity v r, in 10 to the power %1 metres per second</source>
        <comment>the velocity axis&apos;s title as a screen reader reads it</comment>
        <translation>Velocidad radial v r, en 10 elevado a %1 metros por segundo</translation>
    </message>
    <message>
        <source>Orbit view</source>
        <translation>Vista de la órbita</translation>
    </message>
    <message>
        <source>The star and its planets on their orbits; drag to turn the view.</source>
        <translation>La estrella y sus planetas en sus órbitas; arrastra para girar la vista.</translation>
    </message>
    <message>
        <source>Orbits</source>
        <comment>the check box that draws the orbits</comment>
        <translation>Órbitas</translation>
    </message>
    <message>
        <source>Velocity vector</source>
        <translation>Vector velocidad</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>the simulation</comment>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>the simulation</comment>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>the simulation</comment>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Edit parameters</source>
        <translation>Editar parámetros</translation>
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
        <translation>Mientras corre una simulación, las líneas de aquí se desplazan hacia el rojo y hacia el azul a medida que cambia la velocidad radial de la estrella.</translation>
    </message>
    <message>
        <source>Spectrum of the star</source>
        <translation>Espectro de la estrella</translation>
    </message>
    <message>
        <source>The visible spectrum from 380 to 700 nm with its dark absorption lines, and a panel that magnifies the shift of one line, its rest wavelength marked by a dashed line.</source>
        <translation>El espectro visible de 380 a 700 nm con sus líneas oscuras de absorción, y un panel que amplía el desplazamiento de una línea, con su longitud de onda en reposo marcada con una línea discontinua.</translation>
    </message>
    <message>
        <source>&amp;Magnify:</source>
        <translation>&amp;Ampliar:</translation>
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
        <translation>Línea que ampliar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Radial velocity v</source>
        <translation>Velocidad radial v</translation>
    </message>
    <message>
        <source>Line shift Δλ</source>
        <translation>Desplazamiento Δλ</translation>
    </message>
    <message>
        <source>Resolution element</source>
        <translation>Elemento de resolución</translation>
    </message>
    <message>
        <source>How so small a shift is really measured: one line&apos;s centre can be found to a small fraction of a resolution element only from a great deal of light, so thousands of lines are cross-correlated with a reference recorded through the same spectrograph at the same time (an iodine cell, a thorium–argon lamp or a laser frequency comb); the shift that best matches them all is found to a thousandth of an element.</source>
        <translation>Cómo se mide en realidad un desplazamiento tan pequeño: el centro de una línea solo se fija a una pequeña fracción de elemento de resolución con muchísima luz, así que miles de líneas se correlacionan con una referencia tomada a la vez con el mismo espectrógrafo (celda de yodo, lámpara de torio–argón o peine de frecuencias láser); el desplazamiento que mejor encaja con todas se halla a una milésima de elemento.</translation>
    </message>
    <message>
        <source>Magnified around %1</source>
        <comment>a line&apos;s name</comment>
        <translation>Ampliado en torno a %1</translation>
    </message>
    <message>
        <source>shift drawn to scale</source>
        <translation>desplazamiento dibujado a escala</translation>
    </message>
    <message>
        <source>shift drawn %1 larger; widths not to scale</source>
        <comment>the magnification, such as 100 000×</comment>
        <translation>desplazamiento %1 mayor; anchuras no a escala</translation>
    </message>
    <message>
        <source>rest in air %1 nm</source>
        <comment>a line&apos;s rest wavelength</comment>
        <translation>reposo en aire %1 nm</translation>
    </message>
    <message>
        <source>rest in air %1, %2 nm</source>
        <comment>the rest wavelengths of a pair of lines</comment>
        <translation>reposo en aire %1, %2 nm</translation>
    </message>
    <message>
        <source>true shift / pm</source>
        <comment>an axis title</comment>
        <translation>desplazamiento real / pm</translation>
    </message>
    <message>
        <source>%1 shift / pm</source>
        <comment>an axis title: the shift of the line named</comment>
        <translation>desplazamiento %1 / pm</translation>
    </message>
    <message>
        <source>The visible spectrum, 380 to 700 nm in air</source>
        <translation>El espectro visible, de 380 a 700 nm en el aire</translation>
    </message>
    <message>
        <source>%1 (moving away)</source>
        <comment>the star&apos;s radial velocity</comment>
        <translation>%1 (alejándose)</translation>
    </message>
    <message>
        <source>%1 (approaching)</source>
        <comment>the star&apos;s radial velocity</comment>
        <translation>%1 (acercándose)</translation>
    </message>
    <message>
        <source>%1 (to the red) at %2</source>
        <comment>a line&apos;s shift, and the line</comment>
        <translation>%1 (hacia el rojo) a %2</translation>
    </message>
    <message>
        <source>%1 (to the blue) at %2</source>
        <comment>a line&apos;s shift, and the line</comment>
        <translation>%1 (hacia el azul) a %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>a line&apos;s shift, and the line</comment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>λ/R = %1 at R = %2; the shift is zero</source>
        <comment>the resolution element at the spectrograph&apos;s resolving power R</comment>
        <translation>λ/R = %1 con R = %2; el desplazamiento es cero</translation>
    </message>
    <message>
        <source>λ/R = %1 at R = %2; the shift is %3 times it</source>
        <comment>the resolution element at the spectrograph&apos;s resolving power R</comment>
        <translation>λ/R = %1 con R = %2; el desplazamiento es %3 veces ese valor</translation>
    </message>
    <message>
        <source>λ/R = %1 at R = %2; the shift is 1/%3 of it</source>
        <comment>the resolution element at the spectrograph&apos;s resolving power R</comment>
        <translation>λ/R = %1 con R = %2; el desplazamiento es 1/%3 de ese valor</translation>
    </message>
    <message>
        <source>The star moves neither towards us nor away from us just now, so every line lies at its rest wavelength.</source>
        <translation>En este momento la estrella no se acerca ni se aleja de nosotros, así que cada línea está en su longitud de onda en reposo.</translation>
    </message>
    <message>
        <source>The star is moving away from us, so its light is stretched: every line lies to the red of its rest wavelength, each by the same fraction v/c of its wavelength. As the planet swings the star to and fro, the lines swing with it, in step with the velocity graph.</source>
        <translation>La estrella se aleja de nosotros, así que su luz se estira: cada línea queda hacia el rojo de su longitud de onda en reposo, en la misma fracción v/c de esta. Cuando el planeta mece la estrella, las líneas oscilan con ella, al compás de la gráfica de velocidad.</translation>
    </message>
    <message>
        <source>The star is moving towards us, so its light is squeezed: every line lies to the blue of its rest wavelength, each by the same fraction v/c of its wavelength. As the planet swings the star to and fro, the lines swing with it, in step with the velocity graph.</source>
        <translation>La estrella se acerca a nosotros, así que su luz se comprime: cada línea queda hacia el azul de su longitud de onda en reposo, en la misma fracción v/c de esta. Cuando el planeta mece la estrella, las líneas oscilan con ella, al compás de la gráfica de velocidad.</translation>
    </message>
    <message>
        <source>Following the simulation as it runs.</source>
        <translation>Sigue la simulación mientras avanza.</translation>
    </message>
    <message>
        <source>The simulation is stopped: its last spectrum stays.</source>
        <translation>La simulación está parada: se mantiene su último espectro.</translation>
    </message>
    <message>
        <source>No simulation chapter is open: the last spectrum stays.</source>
        <translation>No hay ningún capítulo de simulación abierto: se mantiene el último espectro.</translation>
    </message>
    <message>
        <source>No simulation chapter is open. Open one to watch its star&apos;s spectrum.</source>
        <translation>No hay ningún capítulo de simulación abierto. Abre uno para observar el espectro de su estrella.</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Doppler</source>
        <comment>the title&apos;s first line</comment>
        <translation>Espectroscopía</translation>
    </message>
    <message>
        <source>spectroscopy</source>
        <comment>the title&apos;s second line</comment>
        <translation>Doppler</translation>
    </message>
    <message>
        <source>Finding planets from the wobble of their star</source>
        <translation>Encontrar planetas por el bamboleo de su estrella</translation>
    </message>
    <message>
        <source>approaching: lines shift to the blue</source>
        <translation>acercándose: las líneas se desplazan hacia el azul</translation>
    </message>
    <message>
        <source>receding: lines shift to the red</source>
        <translation>alejándose: las líneas se desplazan hacia el rojo</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>You have now reached the end of this program. You can return to any section by choosing the appropriate section from the &lt;b&gt;Section&lt;/b&gt; menu, otherwise exit the program from the &lt;b&gt;File&lt;/b&gt; menu.</source>
        <comment>Section and File: the book window&apos;s menus, named as the menus name them</comment>
        <translation>Has llegado al final de este programa. Puedes volver a cualquier sección eligiéndola en el menú &lt;b&gt;Sección&lt;/b&gt;; si no, sal del programa desde el menú &lt;b&gt;Archivo&lt;/b&gt;.</translation>
    </message>
</context>
<context>
    <name>Teacher&apos;s guide</name>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;to predict, then check, how each element of up to three planets shapes the star&apos;s velocity curve; to set up a real system from the card and compare it with its published curve.</source>
        <translation>&lt;b&gt;Objetivos: &lt;/b&gt;predecir, y después comprobar, cómo da forma cada elemento de hasta tres planetas a la curva de velocidad de la estrella; cargar un sistema real desde la tarjeta y compararlo con su curva publicada.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that the curves of several planets cannot be told apart; that a face-on orbit still shows a signal. The chapter asks no questions.</source>
        <translation>&lt;b&gt;Ideas erróneas: &lt;/b&gt;que las curvas de varios planetas no se pueden distinguir; que una órbita vista de frente sigue mostrando una señal. El capítulo no hace preguntas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 45 minutes. Prerequisites: chapters 3 and 4.</source>
        <translation>&lt;b&gt;Clase: &lt;/b&gt;unos 45 minutos. Requisitos previos: capítulos 3 y 4.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;give each pair one system from Tools, Real planetary systems, and a table of its elements to fill in.</source>
        <translation>&lt;b&gt;Apoyo: &lt;/b&gt;da a cada pareja un sistema de Herramientas, Sistemas planetarios reales, y una tabla de sus elementos para rellenar.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;page 4 in pairs: each builds a system, prints its curve and the other finds its period, K and m sin i.</source>
        <translation>&lt;b&gt;Ampliación: &lt;/b&gt;página 4 en parejas: cada uno construye un sistema e imprime su curva, y el otro halla su periodo, K y m sin i.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Answers to the investigations: &lt;/b&gt;page 2: a semi-amplitude K of at least 10 m/s, K ≈ 28.4 m/s (m sin i / 1 Jupiter mass) (P / 1 year)^(−1/3) for a Sun-like star on a circular orbit, needs m sin i of at least 0.35 Jupiter masses at a period of a year but only 0.08 (about 25 Earth masses) at 4 days, and a year of nights shows periods up to about a year, at least one whole orbit; so heavy planets close to their stars are found first, an Earth at 1 AU (0.09 m/s) not at all, and an orbit seen nearly face-on (small sin i) hides any planet. Page 3: the curve set up from the card has the published period and semi-amplitude. Page 4: the answers are the system the student saved with File, Save system.</source>
        <translation>&lt;b&gt;Respuestas a las investigaciones: &lt;/b&gt;página 2: una semiamplitud K de al menos 10 m/s, con K ≈ 28,4 m/s (m sin i / 1 masa de Júpiter) (P / 1 año)^(−1/3) para una estrella de tipo solar en una órbita circular, requiere un m sin i de al menos 0,35 masas de Júpiter con un periodo de un año, pero solo de 0,08 (unas 25 masas terrestres) con 4 días, y un año de noches muestra periodos de hasta aproximadamente un año, al menos una órbita completa; así que los planetas pesados cercanos a sus estrellas se encuentran primero, una Tierra a 1 AU (0,09 m/s) no se encuentra en absoluto, y una órbita vista casi de frente (sin i pequeño) oculta cualquier planeta. Página 3: la curva cargada desde la tarjeta tiene el periodo y la semiamplitud publicados. Página 4: las respuestas son el sistema que el estudiante guardó con Archivo, Guardar sistema.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;the Doppler effect of light; that a star and its planet orbit their common centre of mass, so an unseen planet shows in the periodic shift of its star&apos;s lines.</source>
        <translation>&lt;b&gt;Objetivos: &lt;/b&gt;el efecto Doppler de la luz; que una estrella y su planeta orbitan alrededor de su centro de masas común, de modo que un planeta invisible se revela en el desplazamiento periódico de las líneas de su estrella.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that the planet is seen or its own light measured; that the star stands still while the planet orbits it; that a shift to the red means a redder star.</source>
        <translation>&lt;b&gt;Ideas erróneas: &lt;/b&gt;que el planeta se ve o que se mide su propia luz; que la estrella está quieta mientras el planeta la orbita; que un desplazamiento al rojo significa una estrella más roja.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 20 minutes. Prerequisites: waves, wavelength and frequency.</source>
        <translation>&lt;b&gt;Clase: &lt;/b&gt;unos 20 minutos. Requisitos previos: ondas, longitud de onda y frecuencia.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;first let the class hear the Doppler effect of sound: a siren or a phone on a string passing by.</source>
        <translation>&lt;b&gt;Apoyo: &lt;/b&gt;primero deja que la clase oiga el efecto Doppler del sonido: una sirena o un teléfono atado a una cuerda que pasan por delante.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;how far does a speed of 10 m/s shift a line at 500 nm? (λ v / c = 1.7 × 10⁻⁵ nm.)</source>
        <translation>&lt;b&gt;Ampliación: &lt;/b&gt;¿cuánto desplaza una velocidad de 10 m/s una línea de 500 nm? (λ v / c = 1,7 × 10⁻⁵ nm.)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;how the planet&apos;s mass, the size and shape of its orbit and the orbit&apos;s tilt change the amplitude and shape of the velocity curve; that only m sin i can be measured.</source>
        <translation>&lt;b&gt;Objetivos: &lt;/b&gt;cómo cambian la amplitud y la forma de la curva de velocidad con la masa del planeta, el tamaño y la forma de su órbita y la inclinación de la órbita; que solo se puede medir m sin i.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that a heavier planet gives a longer period; that a face-on orbit shows its full signal; that an eccentric orbit&apos;s curve is a sine.</source>
        <translation>&lt;b&gt;Ideas erróneas: &lt;/b&gt;que un planeta más pesado da un periodo más largo; que una órbita vista de frente muestra toda su señal; que la curva de una órbita excéntrica es una sinusoide.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 40 minutes. Prerequisites: chapters 1 and 2; Kepler&apos;s third law.</source>
        <translation>&lt;b&gt;Clase: &lt;/b&gt;unos 40 minutos. Requisitos previos: capítulos 1 y 2; la tercera ley de Kepler.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;change one slider at a time, and sketch the curve before and after each change.</source>
        <translation>&lt;b&gt;Apoyo: &lt;/b&gt;cambia un deslizador cada vez y dibuja la curva antes y después de cada cambio.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;predict what doubling the planet&apos;s mass does to the curve&apos;s height, then check it (it doubles).</source>
        <translation>&lt;b&gt;Ampliación: &lt;/b&gt;predecir qué efecto tiene sobre la altura de la curva duplicar la masa del planeta, y después comprobarlo (se duplica).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;to read the orbit view and the velocity graph together: the period from the graph, and when the radial velocity is zero or greatest.</source>
        <translation>&lt;b&gt;Objetivos: &lt;/b&gt;leer juntas la vista de la órbita y la gráfica de velocidad: el periodo a partir de la gráfica, y cuándo la velocidad radial es cero o máxima.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that the velocity is greatest when the star is farthest from us (it is zero there); that the graph&apos;s time axis is the same at every timescale.</source>
        <translation>&lt;b&gt;Ideas erróneas: &lt;/b&gt;que la velocidad es máxima cuando la estrella está más lejos de nosotros (ahí es cero); que el eje de tiempo de la gráfica es el mismo en todas las escalas de tiempo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 30 minutes. Prerequisites: chapter 1; reading the period off a repeating graph.</source>
        <translation>&lt;b&gt;Clase: &lt;/b&gt;unos 30 minutos. Requisitos previos: capítulo 1; leer el periodo en una gráfica que se repite.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;stop the simulation at each quarter of the orbit and mark on the graph where the star is.</source>
        <translation>&lt;b&gt;Apoyo: &lt;/b&gt;detén la simulación en cada cuarto de órbita y marca en la gráfica dónde está la estrella.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;why is the radial velocity zero when the star is nearest to us or farthest from us?</source>
        <translation>&lt;b&gt;Ampliación: &lt;/b&gt;¿por qué es cero la velocidad radial cuando la estrella está lo más cerca o lo más lejos de nosotros?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;5 minutes, to close the course.</source>
        <translation>&lt;b&gt;Clase: &lt;/b&gt;5 minutos, para cerrar el curso.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Collecting the work: &lt;/b&gt;File, My answers shows each student&apos;s name, the seed of chapter 6 and every answer given, with its attempts and verdict, and prints it to paper or a PDF file to hand in.</source>
        <translation>&lt;b&gt;Recoger el trabajo: &lt;/b&gt;Archivo, Mis respuestas muestra el nombre de cada estudiante, la semilla del capítulo 6 y cada respuesta dada, con sus intentos y su veredicto, y lo imprime en papel o en un archivo PDF para entregarlo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;to untangle a velocity curve made by two planets: each period from the timescale that shows it, and which element of a planet changed the curve.</source>
        <translation>&lt;b&gt;Objetivos: &lt;/b&gt;desenredar una curva de velocidad producida por dos planetas: cada periodo a partir de la escala de tiempo que lo muestra, y qué elemento de un planeta cambió la curva.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions: &lt;/b&gt;that the curve of two planets repeats with either period; that the inclination and the mass of a planet can be told apart from the velocity alone.</source>
        <translation>&lt;b&gt;Ideas erróneas: &lt;/b&gt;que la curva de dos planetas se repite con cualquiera de los dos periodos; que la inclinación y la masa de un planeta se pueden distinguir solo a partir de la velocidad.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;about 40 minutes. Prerequisites: chapter 3.</source>
        <translation>&lt;b&gt;Clase: &lt;/b&gt;unos 40 minutos. Requisitos previos: capítulo 3.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;give one planet its least mass first, so that the other planet&apos;s curve shows alone.</source>
        <translation>&lt;b&gt;Apoyo: &lt;/b&gt;da primero a un planeta su masa mínima, para que la curva del otro planeta se vea sola.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;find two periods for which the curve of both planets repeats (their ratio a fraction of small whole numbers), and say after how long.</source>
        <translation>&lt;b&gt;Ampliación: &lt;/b&gt;hallar dos periodos con los que la curva de ambos planetas se repite (su cociente, una fracción de números enteros pequeños), y decir al cabo de cuánto tiempo.</translation>
    </message>
    <message>
        <source>no: the points are too few and too far apart to join</source>
        <translation>no: los puntos son muy pocos y están demasiado separados para unirlos</translation>
    </message>
    <message>
        <source>that a velocity curve can always be traced point to point</source>
        <translation>que una curva de velocidad siempre se puede trazar uniendo los puntos</translation>
    </message>
    <message>
        <source>the period of the highest peak shown, within the peak&apos;s half width</source>
        <translation>el periodo del pico más alto mostrado, dentro de la semianchura del pico</translation>
    </message>
    <message>
        <source>that the periodogram&apos;s vertical axis is a velocity, or that every peak is a planet</source>
        <translation>que el eje vertical del periodograma es una velocidad, o que cada pico es un planeta</translation>
    </message>
    <message>
        <source>the chance that noise alone peaks so high</source>
        <translation>la probabilidad de que el ruido por sí solo produzca un pico tan alto</translation>
    </message>
    <message>
        <source>that the false-alarm probability is the chance that the planet is real</source>
        <translation>que la probabilidad de falsa alarma es la probabilidad de que el planeta sea real</translation>
    </message>
    <message>
        <source>the period 1/|1/P − 1| for the highest peak&apos;s period P</source>
        <translation>el periodo 1/|1/P − 1| para el periodo P del pico más alto</translation>
    </message>
    <message>
        <source>that twice or half the period is an alias of the sampling</source>
        <translation>que el doble o la mitad del periodo es un alias del muestreo</translation>
    </message>
    <message>
        <source>they scatter</source>
        <translation>se dispersan</translation>
    </message>
    <message>
        <source>that any period near the peak folds as well</source>
        <translation>que cualquier periodo cercano al pico se pliega igual de bien</translation>
    </message>
    <message>
        <source>the fitted K, within its uncertainty but at least 10 %</source>
        <translation>la K ajustada, dentro de su incertidumbre pero con al menos un 10 %</translation>
    </message>
    <message>
        <source>that K is the full swing from the lowest to the highest point</source>
        <translation>que K es la oscilación completa del punto más bajo al más alto</translation>
    </message>
    <message>
        <source>the fit&apos;s m sin i (mass function solved with the star&apos;s stated mass), within its uncertainty but at least 10 %</source>
        <translation>el m sin i del ajuste (la función de masa resuelta con la masa indicada de la estrella), dentro de su incertidumbre pero con al menos un 10 %</translation>
    </message>
    <message>
        <source>that the radial velocity gives the planet&apos;s true mass</source>
        <translation>que la velocidad radial da la masa verdadera del planeta</translation>
    </message>
    <message>
        <source>yes exactly when the two-planet fit lowers the BIC by more than 10 (ΔBIC below −10)</source>
        <translation>sí exactamente cuando el ajuste con dos planetas reduce el BIC en más de 10 (ΔBIC por debajo de −10)</translation>
    </message>
    <message>
        <source>that a lower χ² alone proves another planet</source>
        <translation>que un χ² menor demuestra por sí solo otro planeta</translation>
    </message>
    <message>
        <source>4.2308 days (Butler et al. 2006), within 0.01 days</source>
        <translation>4,2308 días (Butler et al. 2006), con un margen de 0,01 días</translation>
    </message>
    <message>
        <source>that data from two instruments can be joined without their own zero points</source>
        <translation>que los datos de dos instrumentos se pueden unir sin sus propios puntos cero</translation>
    </message>
    <message>
        <source>that a planet so close to its star must be small</source>
        <translation>que un planeta tan cerca de su estrella tiene que ser pequeño</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aims: &lt;/b&gt;to find a planet in a season of noisy, nightly measurements as astronomers do: the periodogram and its false-alarm probability, daily aliases and the window function, folding, the fit by hand and the Keplerian fit with the star&apos;s jitter, the planet&apos;s m sin i, and whether a second planet is believed (BIC). Each student&apos;s star is chosen by the seed shown under the measurements; the hidden stars are listed at the end of this guide.</source>
        <translation>&lt;b&gt;Objetivos: &lt;/b&gt;encontrar un planeta en una temporada de mediciones nocturnas con ruido, como hacen los astrónomos: el periodograma y su probabilidad de falsa alarma, los alias diarios y la función ventana, el plegado en fase, el ajuste a mano y el ajuste kepleriano con el jitter de la estrella, el m sin i del planeta y si se acepta un segundo planeta (BIC). La estrella de cada estudiante la elige la semilla que aparece debajo de las mediciones; las estrellas ocultas se enumeran al final de esta guía.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Real data (pages 10 and 11): &lt;/b&gt;the published velocities of 51 Pegasi from two instruments, LICK (Butler et al. 2006, ApJ 646, 505) and ELODIE at Haute-Provence (Naef et al. 2004, A&amp;amp;A 414, 351), read from the book&apos;s data folder and shown an instrument a plot. The book fits each instrument&apos;s zero point and jitter with the planet; the periodogram is of the measurements less each zero point, and the fold and the fit show every measurement less its instrument&apos;s zero point. Page 10 asks the period (4.2308 days within 0.01), page 11 the m sin i from the fit shown. Every student sees the same numbers.</source>
        <comment>period of the orbit; LICK and ELODIE are the instruments&apos; names</comment>
        <translation>&lt;b&gt;Datos reales (páginas 10 y 11): &lt;/b&gt;las velocidades publicadas de 51 Pegasi con dos instrumentos, LICK (Butler et al. 2006, ApJ 646, 505) y ELODIE en Haute-Provence (Naef et al. 2004, A&amp;amp;A 414, 351), leídas de la carpeta de datos del libro y mostradas en una gráfica por instrumento. El libro ajusta el punto cero y el jitter de cada instrumento junto con el planeta; el periodograma es el de las mediciones menos cada punto cero, y el plegado y el ajuste muestran cada medición menos el punto cero de su instrumento. La página 10 pregunta el periodo (4,2308 días con un margen de 0,01), la página 11 el m sin i a partir del ajuste mostrado. Todos los estudiantes ven los mismos números.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Misconceptions:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ideas erróneas:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>page %1: %2;</source>
        <comment>%1 is the page&apos;s number, %2 the misconception its question catches</comment>
        <translation>página %1: %2;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Support: &lt;/b&gt;let pairs share one seed; after two wrong answers each page gives a hint; on page 8 work out each bracket of the formula on its own first.</source>
        <translation>&lt;b&gt;Apoyo: &lt;/b&gt;deja que las parejas compartan una semilla; tras dos respuestas incorrectas, cada página da una pista; en la página 8, calcula primero cada paréntesis de la fórmula por separado.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Extension: &lt;/b&gt;observe a second seed and compare; on page 4 find how few nights still find the planet; open the star in Tools, Observing run and plan a better season.</source>
        <comment>Tools, Observing run: the menu and its entry</comment>
        <translation>&lt;b&gt;Ampliación: &lt;/b&gt;observa una segunda semilla y compara; en la página 4, averigua con qué pocas noches se sigue encontrando el planeta; abre la estrella en Herramientas, Campaña de observación y planifica una temporada mejor.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The fitted jitter: &lt;/b&gt;the label under the measurements gives the jitter the book gave the star; the fit&apos;s jitter is what its residuals leave unexplained by the error bars, found from a few dozen points. It comes out at 0 when the error bars already explain the scatter, and above the star&apos;s own jitter when the one-planet orbit leaves signal behind (a second planet, or an orbit the data fix poorly). Both are honest results of the fit.</source>
        <translation>&lt;b&gt;El jitter ajustado: &lt;/b&gt;la etiqueta debajo de las mediciones da el jitter que el libro dio a la estrella; el jitter del ajuste es lo que sus residuos dejan sin explicar por las barras de error, hallado a partir de unas pocas docenas de puntos. Sale 0 cuando las barras de error ya explican la dispersión, y por encima del jitter propio de la estrella cuando la órbita de un planeta deja señal sin explicar (un segundo planeta, o una órbita que los datos fijan mal). Ambos son resultados honestos del ajuste.</translation>
    </message>
    <message>
        <source>no fit</source>
        <comment>in the class&apos;s table of answers</comment>
        <translation>sin ajuste</translation>
    </message>
    <message>
        <source>%1 ± %2</source>
        <comment>a value and its tolerance</comment>
        <translation>%1 ± %2</translation>
    </message>
    <message>
        <source>yes (ΔBIC %1)</source>
        <comment>a second planet is believed</comment>
        <translation>sí (ΔBIC %1)</translation>
    </message>
    <message>
        <source>no (ΔBIC %1)</source>
        <comment>no second planet is believed</comment>
        <translation>no (ΔBIC %1)</translation>
    </message>
    <message>
        <source>%1 ± %2, not nearer %3</source>
        <comment>an m sin i, its tolerance, and the m sin i without the star&apos;s mass</comment>
        <translation>%1 ± %2, no más cerca de %3</translation>
    </message>
    <message>
        <source>peak (days)</source>
        <translation>pico (días)</translation>
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
        <translation>segundo planeta</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>what is accepted, and the accepted value in words</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1. For seed %2: %3</source>
        <comment>what is accepted, the student&apos;s seed, and the accepted value in words</comment>
        <translation>%1. Para la semilla %2: %3</translation>
    </message>
    <message>
        <source>%1. For seed %2: “%3”, the first button.</source>
        <translation>%1. Para la semilla %2: «%3», el primer botón.</translation>
    </message>
    <message>
        <source>%1. For seed %2: “%3”, the second button.</source>
        <translation>%1. Para la semilla %2: «%3», el segundo botón.</translation>
    </message>
    <message>
        <source>%1. For seed %2: “%3”, the third button.</source>
        <translation>%1. Para la semilla %2: «%3», el tercer botón.</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>Page text and question:</source>
        <translation>Texto de la página y pregunta:</translation>
    </message>
    <message>
        <source>Accepted answer:</source>
        <translation>Respuesta aceptada:</translation>
    </message>
    <message>
        <source>After two wrong answers:</source>
        <translation>Tras dos respuestas incorrectas:</translation>
    </message>
    <message>
        <source>Conclusion:</source>
        <translation>Conclusión:</translation>
    </message>
    <message>
        <source>P = %1 days, K = %2 m/s, e = %3, ω = %4°, m sin i = %5 Jupiter masses</source>
        <comment>a planet&apos;s period, semi-amplitude, eccentricity, argument of periastron and minimum mass</comment>
        <translation>P = %1 días, K = %2 m/s, e = %3, ω = %4°, m sin i = %5 masas de Júpiter</translation>
    </message>
    <message>
        <source>Best supported fit:</source>
        <translation>Ajuste mejor respaldado:</translation>
    </message>
    <message numerus="yes">
        <source>%n planet(s), rms %1 m/s, reduced χ² %2.</source>
        <translation>
            <numerusform>%n planeta, rms %1 m/s, χ² reducido %2.</numerusform>
            <numerusform>%n planetas, rms %1 m/s, χ² reducido %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>P = %1 days, K = %2 m/s, e = %3, m sin i = %4 Jupiter masses.</source>
        <comment>a fitted planet&apos;s period, semi-amplitude, eccentricity and minimum mass, each with its uncertainty</comment>
        <translation>P = %1 días, K = %2 m/s, e = %3, m sin i = %4 masas de Júpiter.</translation>
    </message>
    <message>
        <source>The hidden stars of “Finding a planet”</source>
        <translation>Las estrellas ocultas de «Encontrar un planeta»</translation>
    </message>
    <message>
        <source>A seed s observes hidden star (s mod %1) + 1 on the nights the seed draws; the fits below are those of the smallest seed of each star.</source>
        <translation>Una semilla s observa la estrella oculta (s mod %1) + 1 en las noches que sortea la semilla; los ajustes de abajo son los de la semilla más pequeña de cada estrella.</translation>
    </message>
    <message>
        <source>%1 (seed %2), star of %3 solar masses</source>
        <comment>a hidden star&apos;s name, its seed and its mass</comment>
        <translation>%1 (semilla %2), estrella de %3 masas solares</translation>
    </message>
    <message>
        <source>True planet:</source>
        <translation>Planeta real:</translation>
    </message>
    <message>
        <source>The observing run&apos;s mystery stars</source>
        <translation>Las estrellas misteriosas de la campaña de observación</translation>
    </message>
    <message>
        <source>The published data of the observing window</source>
        <translation>Los datos publicados de la ventana de observación</translation>
    </message>
    <message>
        <source>In the observing window, File, Open real data opens the published measurements that come with the book, and the Fit page finds their planets one by one.</source>
        <translation>En la ventana de observación, Archivo, Abrir datos reales abre las mediciones publicadas que acompañan al libro, y la página Ajuste encuentra sus planetas uno a uno.</translation>
    </message>
    <message>
        <source>Chapter %1: %2</source>
        <comment>the chapter&apos;s number and title</comment>
        <translation>Capítulo %1: %2</translation>
    </message>
    <message>
        <source>%1: the class&apos;s answers</source>
        <comment>the chapter&apos;s heading</comment>
        <translation>%1: las respuestas de la clase</translation>
    </message>
    <message>
        <source>seed</source>
        <comment>the column of the students&apos; seeds</comment>
        <translation>semilla</translation>
    </message>
    <message>
        <source>Doppler spectroscopy: the teacher&apos;s guide</source>
        <translation>Espectroscopía Doppler: guía del profesor</translation>
    </message>
    <message>
        <source>--seed wants a seed from 1 to %1.</source>
        <translation>--seed necesita una semilla de 1 a %1.</translation>
    </message>
    <message>
        <source>--seeds wants two seeds from 1 to %1, the first no larger, at most %2 apart, as 101-130.</source>
        <translation>--seeds necesita dos semillas de 1 a %1, la primera no mayor que la segunda, separadas como mucho %2, como 101-130.</translation>
    </message>
    <message>
        <source>Every question of the book, with its accepted answer, hint and conclusion as the chapters write them. Answers that depend on a student&apos;s own data are worked out from the numbers the student&apos;s screen shows; the values given are those of seed %1, which a student gets by typing it beside Observe.</source>
        <translation>Todas las preguntas del libro, con su respuesta aceptada, su pista y su conclusión tal como las escriben los capítulos. Las respuestas que dependen de los datos propios de un estudiante se calculan a partir de los números que muestra su pantalla; los valores indicados son los de la semilla %1, que un estudiante obtiene escribiéndola junto a Observar.</translation>
    </message>
    <message>
        <source>The teacher&apos;s guide cannot be written to %1: %2.</source>
        <translation>No se puede escribir la guía del profesor en %1: %2.</translation>
    </message>
    <message>
        <source>it may be circular exactly when the middle 68 % of the orbits drawn reach below e = 0.1</source>
        <translation>puede ser circular exactamente cuando el 68 % central de las órbitas sorteadas baja de e = 0,1</translation>
    </message>
    <message>
        <source>that a value several σ from 0 cannot be 0, whatever the shape of its spread</source>
        <translation>que un valor a varias σ de 0 no puede ser 0, sea cual sea la forma de su dispersión</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lesson: &lt;/b&gt;two lessons of about 45 minutes: pages 1 to 6 (the periodogram, false alarms, aliases, folding), then pages 7 to 13 (the fit, the mass, a second planet, 51 Peg, how sure an eccentricity is). Prerequisites: chapter 3 (K and m sin i), the idea of measurement errors, a calculator.</source>
        <translation>&lt;b&gt;Clase: &lt;/b&gt;dos clases de unos 45 minutos: páginas 1 a 6 (el periodograma, las falsas alarmas, los alias, el plegado en fase) y después páginas 7 a 13 (el ajuste, la masa, un segundo planeta, 51 Peg, con qué seguridad se conoce una excentricidad). Requisitos previos: capítulo 3 (K y m sin i), la idea de error de medición, una calculadora.</translation>
    </message>
    <message>
        <source>The orbits drawn (the sampler&apos;s seed %1): e from %2 to %3 (the middle 68 %), median %4; the fit&apos;s e %5.</source>
        <translation>Las órbitas sorteadas (semilla del muestreador %1): e de %2 a %3 (el 68 % central), mediana %4; la e del ajuste %5.</translation>
    </message>
</context>
<context>
    <name>Velocity graph</name>
    <message>
        <source>days</source>
        <comment>the unit of the time axis</comment>
        <translation>días</translation>
    </message>
    <message>
        <source>%1 days</source>
        <comment>one division of the time axis</comment>
        <translation>%1 días</translation>
    </message>
</context>
<context>
    <name>Vetting</name>
    <message>
        <source>observing once a night</source>
        <translation>observar una vez por noche</translation>
    </message>
    <message>
        <source>observing the star when it stands at the same place in the sky each night (a sidereal day)</source>
        <translation>observar la estrella cuando está cada noche en el mismo lugar del cielo (un día sidéreo)</translation>
    </message>
    <message>
        <source>observing in the same months each year</source>
        <translation>observar en los mismos meses cada año</translation>
    </message>
    <message>
        <source>A period of %1 is longer than the %2 the measurements cover: they cannot tell such an orbit from a slow drift of the star&apos;s velocity.</source>
        <translation>Un periodo de %1 es más largo que los %2 que cubren las mediciones: no pueden distinguir esa órbita de una deriva lenta de la velocidad de la estrella.</translation>
    </message>
    <message>
        <source>Its orbit comes out as eccentric as the fit allows (e = %1): a spike through a few measurements, not an orbit they follow.</source>
        <translation>Su órbita sale tan excéntrica como permite el ajuste (e = %1): un pico que pasa por unas pocas mediciones, no una órbita que sigan.</translation>
    </message>
    <message>
        <source>The measurements do not pin its period down (%1 ± %2).</source>
        <translation>Las mediciones no fijan su periodo (%1 ± %2).</translation>
    </message>
    <message>
        <source>The measurements do not pin its period of %1 down at all.</source>
        <translation>Las mediciones no fijan en absoluto su periodo de %1.</translation>
    </message>
    <message>
        <source>Its K of %1 ± %2 m/s is within three uncertainties of zero.</source>
        <translation>Su K de %1 ± %2 m/s está a menos de tres incertidumbres de cero.</translation>
    </message>
    <message>
        <source>%1 is an echo of %2, not of the star.</source>
        <translation>%1 es un eco de %2, no de la estrella.</translation>
    </message>
    <message>
        <source>%1 is too close to a day: measured once a night, its phase moves less than a turn in a season of observing, so it cannot be told from a slow change.</source>
        <translation>%1 está demasiado cerca de un día: medida una vez por noche, su fase avanza menos de una vuelta en una temporada de observación, así que no se distingue de un cambio lento.</translation>
    </message>
    <message>
        <source>%1 is an echo of planet %2&apos;s %3 through %4.</source>
        <translation>%1 es un eco de los %3 del planeta %2 por %4.</translation>
    </message>
    <message>
        <source>%1 is half of planet %2&apos;s %3: what a fixed orbit leaves of %2&apos;s orbit as its neighbour pulls it round, not a planet of its own.</source>
        <translation>%1 es la mitad de los %3 del planeta %2: lo que una órbita fija deja de la órbita de %2 mientras su vecino la hace girar, no un planeta propio.</translation>
    </message>
    <message>
        <source>%1 is half of planet %2&apos;s %3: what a fixed orbit leaves of %2&apos;s eccentric orbit, not a planet of its own.</source>
        <translation>%1 es la mitad de los %3 del planeta %2: lo que una órbita fija deja de la órbita excéntrica de %2, no un planeta propio.</translation>
    </message>
    <message>
        <source>%1 is a third of planet %2&apos;s %3: what a fixed orbit leaves of %2&apos;s orbit as its neighbour pulls it round, not a planet of its own.</source>
        <translation>%1 es un tercio de los %3 del planeta %2: lo que una órbita fija deja de la órbita de %2 mientras su vecino la hace girar, no un planeta propio.</translation>
    </message>
    <message>
        <source>%1 is a third of planet %2&apos;s %3: what a fixed orbit leaves of %2&apos;s eccentric orbit, not a planet of its own.</source>
        <translation>%1 es un tercio de los %3 del planeta %2: lo que una órbita fija deja de la órbita excéntrica de %2, no un planeta propio.</translation>
    </message>
    <message>
        <source>Noise often makes such a peak (false-alarm probability %1; below 1 % is a peak noise seldom makes).</source>
        <translation>El ruido produce a menudo un pico así (probabilidad de falsa alarma %1; por debajo del 1 % es un pico que el ruido rara vez produce).</translation>
    </message>
    <message>
        <source>The BIC falls by only %1 with it: a fall of more than 10 is needed to pay for its five parameters.</source>
        <translation>El BIC baja solo %1 con él: hace falta una bajada de más de 10 para pagar sus cinco parámetros.</translation>
    </message>
    <message>
        <source>The BIC rises by %1 with it: a fall of more than 10 is needed to pay for its five parameters.</source>
        <translation>El BIC sube %1 con él: hace falta una bajada de más de 10 para pagar sus cinco parámetros.</translation>
    </message>
    <message>
        <source>%1 is an echo of a stronger signal at %2 through %3.</source>
        <translation>%1 es un eco de una señal más fuerte a %2 por %3.</translation>
    </message>
</context>
<context>
    <name>Work file</name>
    <message>
        <source>is not a whole number of 1 to 18 digits</source>
        <translation>no es un número entero de 1 a 18 cifras</translation>
    </message>
    <message>
        <source>is none of &quot;none&quot;, &quot;observed&quot;, &quot;imported&quot;, &quot;mystery&quot;, &quot;published&quot;</source>
        <translation>no es ninguno de &quot;none&quot;, &quot;observed&quot;, &quot;imported&quot;, &quot;mystery&quot;, &quot;published&quot;</translation>
    </message>
    <message>
        <source>is empty for published measurements</source>
        <translation>está vacío para mediciones publicadas</translation>
    </message>
    <message>
        <source>is given for measurements that are not published</source>
        <translation>se da para mediciones que no están publicadas</translation>
    </message>
    <message>
        <source>does not list %1 slider positions</source>
        <translation>no da %1 posiciones de deslizador</translation>
    </message>
    <message>
        <source>position %1 is not a whole number from 0 to %2</source>
        <translation>la posición %1 no es un número entero de 0 a %2</translation>
    </message>
    <message>
        <source>are given without enough measurements to fit</source>
        <translation>se dan sin mediciones suficientes para ajustar</translation>
    </message>
    <message>
        <source>does not list %1 planets</source>
        <translation>no da %1 planetas</translation>
    </message>
    <message>
        <source>is below 0</source>
        <translation>es menor que 0</translation>
    </message>
    <message>
        <source>is below &quot;low&quot;</source>
        <translation>es menor que &quot;low&quot;</translation>
    </message>
    <message>
        <source>lies outside &quot;low&quot; to &quot;high&quot;</source>
        <translation>está fuera de &quot;low&quot; a &quot;high&quot;</translation>
    </message>
    <message>
        <source>does not list %1 instruments</source>
        <translation>no da %1 instrumentos</translation>
    </message>
    <message>
        <source>entry %1 is not a name</source>
        <translation>la entrada %1 no es un nombre</translation>
    </message>
    <message>
        <source>row %1 is not four numbers</source>
        <translation>la fila %1 no son cuatro números</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>fila %1: %2</translation>
    </message>
    <message>
        <source>row %1 names no instrument of the set</source>
        <translation>la fila %1 no nombra ningún instrumento del conjunto</translation>
    </message>
    <message>
        <source>row %1 is earlier than the row before it</source>
        <translation>la fila %1 es anterior a la fila de antes</translation>
    </message>
    <message>
        <source>The file was not read: %1.</source>
        <translation>El archivo no se leyó: %1.</translation>
    </message>
    <message>
        <source>The file is not a saved piece of work: it holds more than %1 values, more than any work the book saves.</source>
        <translation>El archivo no es un trabajo guardado: contiene más de %1 valores, más que cualquier trabajo que guarda el libro.</translation>
    </message>
    <message>
        <source>The file is not a saved piece of work: at byte %1, %2.</source>
        <translation>El archivo no es un trabajo guardado: en el byte %1, %2.</translation>
    </message>
    <message>
        <source>The file is not a saved piece of work: it holds no JSON object.</source>
        <translation>El archivo no es un trabajo guardado: no contiene ningún objeto JSON.</translation>
    </message>
    <message>
        <source>The file is not a saved piece of work: its &quot;format&quot; is not &quot;%1&quot;.</source>
        <translation>El archivo no es un trabajo guardado: su &quot;format&quot; no es &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The file was saved by another version of the book (format version %1; this book reads version %2).</source>
        <translation>El archivo lo guardó otra versión del libro (versión de formato %1; este libro lee la versión %2).</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a version number</comment>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>The work was not saved: %1.</source>
        <translation>El trabajo no se guardó: %1.</translation>
    </message>
    <message>
        <source>The file cannot be used: &quot;%1&quot; %2.</source>
        <comment>%1 is a field of the file, %2 what is wrong with it</comment>
        <translation>El archivo no se puede usar: &quot;%1&quot; %2.</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>is %1, outside %2 to %3</source>
        <translation>es %1, fuera de %2 a %3</translation>
    </message>
    <message>
        <source>is not a whole number</source>
        <translation>no es un número entero</translation>
    </message>
    <message>
        <source>is not true or false</source>
        <translation>no es true ni false</translation>
    </message>
    <message>
        <source>is not a text</source>
        <translation>no es un texto</translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation>tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>is not a list</source>
        <translation>no es una lista</translation>
    </message>
    <message>
        <source>has more than %1 entries</source>
        <translation>tiene más de %1 entradas</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>no es un objeto</translation>
    </message>
    <message>
        <source>The file cannot be used: &quot;%1&quot; is not an object.</source>
        <translation>El archivo no se puede usar: &quot;%1&quot; no es un objeto.</translation>
    </message>
    <message>
        <source>names a chapter twice</source>
        <translation>nombra un capítulo dos veces</translation>
    </message>
    <message>
        <source>lists no answer</source>
        <translation>no da ninguna respuesta</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Doppler spectroscopy: worksheet</source>
        <translation>Espectroscopía Doppler: hoja de trabajo</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>%1   Seed (chapter 6): %2</source>
        <comment>%1 and %2 are the lines the name and the seed are written on</comment>
        <translation>%1   Semilla (capítulo 6): %2</translation>
    </message>
    <message>
        <source>Page %1:</source>
        <translation>Página %1:</translation>
    </message>
    <message>
        <source>The worksheet cannot be written to %1: %2.</source>
        <translation>No se puede escribir la hoja de trabajo en %1: %2.</translation>
    </message>
</context>
</TS>
