<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="en">
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
        <translation>Càlcul</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Més eines gratis per aprendre: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Puntuació</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Els teus punts</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Bé</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>El càlcul d&apos;avui </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Seg.</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Opcions </translation>
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
        <translation>Sumbrix és gratuït.  Comparteix-lo amb tothom a qui li agradin els nombres.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Versió %1 © 2026 els autors de Sumbrix. GNU GPL 3 o posterior.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pàgines</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Pàgines Càlcul i Historial</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operació</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Des de</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>El nombre més petit que pot sortir</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Fins a</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>El nombre més gran que pot sortir</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Nombre més gran</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Tria el nombre més gran que pot sortir</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Primer nombre</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Signe de l&apos;operació</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Segon nombre</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Escriu la resposta i prem Intro</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Segons en aquest càlcul</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Respostes correctes</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Respostes incorrectes</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Percentatge d&apos;encerts</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuació</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Cada resposta corregida, amb la seva hora</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Obre al navegador la pàgina d&apos;eines d&apos;aprenentatge</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Eines d&apos;aprenentatge</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Imatge que obre la pàgina d&apos;eines d&apos;aprenentatge</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Quant fa %1</translation>
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
        <translation>més</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menys</translation>
    </message>
    <message>
        <source>times</source>
        <translation>per</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividit entre</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: zero; 1: u; 2: dos; 3: tres; 4: quatre; 5: cinc; 6: sis; 7: set; 8: vuit; 9: nou; 10: deu; 11: onze; 12: dotze; 13: tretze; 14: catorze; 15: quinze; 16: setze; 17: disset; 18: divuit; 19: dinou; 20: vint[i-&gt;&gt;]; 30: trenta[-&gt;&gt;]; 40: quaranta[-&gt;&gt;]; 50: cinquanta[-&gt;&gt;]; 60: seixanta[-&gt;&gt;]; 70: setanta[-&gt;&gt;]; 80: vuitanta[-&gt;&gt;]; 90: noranta[-&gt;&gt;]; 100: cent[ &gt;&gt;]; 200: &lt;&lt;-cents[ &gt;&gt;]; 1000: mil[ &gt;&gt;]; 2000: &lt;%%before-mil&lt; mil[ &gt;&gt;]; %%before-mil: 0: =%spellout=; 1: un; 2: =%spellout=; 20: vint[i-&gt;&gt;]; 30: trenta[-&gt;&gt;]; 40: quaranta[-&gt;&gt;]; 50: =%spellout=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>menys %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Molt bé. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Malament. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Molt bé.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Malament.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Veu encesa</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Veu apagada</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Nombres entre %1 i %2. %3</translation>
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
        <translation>Pràctica de càlcul per a infants: un càlcul cada vegada, corregit tan bon punt es prem Intro.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: no accepta fitxers ni altres arguments: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Llegeix en veu alta els càlculs i diu si la resposta és correcta. %1 ho activa i ho desactiva.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: no es pot llegir en veu alta: no respon cap servei de veu. La pràctica continua sense so.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: no es pot llegir en veu alta: cap veu no parla aquest idioma. La pràctica continua sense so.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: s&apos;ha aturat la lectura en veu alta: el servei de veu ja no està disponible. La pràctica continua sense so.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Obre la finestra amb aquesta mida, en percentatge (del %1 al %2), en lloc de la mida desada l&apos;última vegada. %3, %4 i %5 l&apos;amplien, la redueixen i la tornen a la mida normal.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom accepta un percentatge del %2 al %3, no «%4»</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Divisió</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicació</translation>
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
        <translation>Inici</translation>
    </message>
</context>
</TS>
