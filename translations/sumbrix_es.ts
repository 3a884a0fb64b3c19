<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Translate as RTL for a language written from right to left (the whole window is then mirrored); as LTR otherwise.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>frmSumbrix</name>
    <message>
        <source>Problem</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Más recursos gratis: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Tus puntos</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Tu cuenta </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Seg.</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Ajustes </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>a</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix es gratis.  Compártelo con todos a los que les gustan los números.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Versión %1 © 2026 los autores de Sumbrix. GNU GPL 3 o posterior.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Páginas Cuenta e Historial</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>El número más pequeño</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>El número más grande</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Número más grande</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Elige el número más grande</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Primer número</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Signo de la operación</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Segundo número</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Escribe la respuesta y presiona Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Segundos en esta cuenta</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Respuestas correctas</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Respuestas incorrectas</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Porcentaje de aciertos</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Cada respuesta corregida con su hora</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Abre en el navegador la página de recursos para aprender</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Recursos para aprender</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Imagen que abre la página de recursos para aprender</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Resultado de %1</translation>
    </message>
    <message>
        <source>SUM_DIRECTION</source>
        <extracomment>How schoolbooks in this language write a sum such as 4 + 1 = 5: translate as LTR when it reads from left to right, as RTL when it reads from right to left. Only a right-to-left language may need RTL; every other language writes LTR.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>sign</name>
    <message>
        <source>x</source>
        <extracomment>The multiplication sign of the language&apos;s primary schoolbooks (&quot;×&quot;, &quot;·&quot;); English keeps &quot;x&quot;.</extracomment>
        <translation>×</translation>
    </message>
    <message>
        <source>/</source>
        <extracomment>The division sign of the language&apos;s primary schoolbooks (&quot;:&quot;, &quot;÷&quot;, &quot;/&quot;); English keeps &quot;/&quot;.</extracomment>
        <translation>:</translation>
    </message>
    <message>
        <source>-</source>
        <extracomment>The subtraction sign of the language&apos;s primary schoolbooks: &quot;−&quot; (U+2212) where they print it, as wide as &quot;+&quot;; English keeps &quot;-&quot;.</extracomment>
        <translation>-</translation>
    </message>
</context>
<context>
    <name>speech</name>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido entre</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: cero; 1: uno; 2: dos; 3: tres; 4: cuatro; 5: cinco; 6: seis; 7: siete; 8: ocho; 9: nueve; 10: diez; 11: once; 12: doce; 13: trece; 14: catorce; 15: quince; 16: dieciséis; 17: diecisiete; 18: dieciocho; 19: diecinueve; 20: veinte; 21: veintiuno; 22: veintidós; 23: veintitrés; 24: veinticuatro; 25: veinticinco; 26: veintiséis; 27: veintisiete; 28: veintiocho; 29: veintinueve; 30: treinta[ y &gt;&gt;]; 40: cuarenta[ y &gt;&gt;]; 50: cincuenta[ y &gt;&gt;]; 60: sesenta[ y &gt;&gt;]; 70: setenta[ y &gt;&gt;]; 80: ochenta[ y &gt;&gt;]; 90: noventa[ y &gt;&gt;]; 100: cien; 101: ciento &gt;&gt;; 200: doscientos[ &gt;&gt;]; 300: trescientos[ &gt;&gt;]; 400: cuatrocientos[ &gt;&gt;]; 500: quinientos[ &gt;&gt;]; 600: seiscientos[ &gt;&gt;]; 700: setecientos[ &gt;&gt;]; 800: ochocientos[ &gt;&gt;]; 900: novecientos[ &gt;&gt;]; 1000: mil[ &gt;&gt;]; 2000: &lt;%%before-mil&lt; mil[ &gt;&gt;]; %%before-mil: 0: =%spellout=; 1: un; 2: =%spellout=; 21: veintiún; 22: =%spellout=; 30: treinta[ y &gt;&gt;]; 40: cuarenta[ y &gt;&gt;]; 50: cincuenta[ y &gt;&gt;]; 60: sesenta[ y &gt;&gt;]; 70: setenta[ y &gt;&gt;]; 80: ochenta[ y &gt;&gt;]; 90: noventa[ y &gt;&gt;]; 100: =%spellout=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>menos %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Bien. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Mal. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Bien.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Mal.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Voz encendida</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Voz apagada</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Números del %1 al %2. %3</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <extracomment>Optional. Addition read aloud, where &quot;%1 %2 %3&quot; with &quot;plus&quot; is not what a teacher says. %1 and %2 are the numbers; &quot;%2{%rule-set}&quot; spells %2 with a rule set of the &quot;digits&quot; rules (a case form). Leave unfinished to use &quot;%1 %2 %3&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <extracomment>Optional. Subtraction read aloud; as &quot;%1 plus %2&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <extracomment>Optional. Multiplication read aloud; as &quot;%1 plus %2&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <extracomment>Optional. Division read aloud; as &quot;%1 plus %2&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sumbrix</name>
    <message>
        <source>An arithmetic drill for children: one problem at a time, graded as soon as Enter is pressed.</source>
        <translation>Práctica de cálculo para niños: una cuenta tras otra, corregida en cuanto se presiona Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: no admite archivos ni otros argumentos: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Lee las cuentas en voz alta y dice si la respuesta está bien. %1 activa y desactiva la lectura.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: no se puede leer en voz alta: no responde ningún servicio de voz. La práctica sigue en silencio.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: no se puede leer en voz alta: ninguna voz habla este idioma. La práctica sigue en silencio.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: lectura en voz alta interrumpida: el servicio de voz ya no responde. La práctica sigue en silencio.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Abre la ventana con este tamaño, en porcentaje (de %1 a %2), en lugar del tamaño de la última vez. %3 amplía, %4 reduce y %5 vuelve al tamaño normal.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom admite un porcentaje de %2 a %3, no «%4»</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Inicio</translation>
    </message>
</context>
</TS>
