<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro" sourcelanguage="en">
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
        <translation>Exercițiu</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Istoric</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Alte resurse gratuite de învățare: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Rezultate</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Punctajul tău</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Corect</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Greșit</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Exercițiul zilei </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Timp</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Setări </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>de la</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>la</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix este gratuit.  Dă-l mai departe oricui îi plac numerele.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Versiunea %1 © 2026 autorii Sumbrix. GNU GPL 3 sau mai nouă.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagini</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Paginile Exercițiu și Istoric</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operația</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De la</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Cel mai mic număr care poate apărea</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Până la</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Cel mai mare număr care poate apărea</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Cel mai mare număr</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Stabilește cel mai mare număr care poate apărea</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Primul număr</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Semnul operației</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Al doilea număr</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Scrie rezultatul, apoi apasă Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Secunde la acest exercițiu</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Răspunsuri corecte</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Răspunsuri greșite</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Procentul de răspunsuri corecte</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punctaj</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Istoric</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Fiecare răspuns verificat, cu ora lui</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Deschide în browser pagina cu resurse de învățare</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Resurse de învățare</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Imagine care deschide pagina cu resurse de învățare</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Răspunsul la %1</translation>
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
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ori</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>împărțit la</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: zero; 1: unu; 2: doi; 3: trei; 4: patru; 5: cinci; 6: șase; 7: șapte; 8: opt; 9: nouă; 10: zece; 11: unsprezece; 12: doisprezece; 13: treisprezece; 14: paisprezece; 15: cincisprezece; 16: șaisprezece; 17: șaptesprezece; 18: optsprezece; 19: nouăsprezece; 20: douăzeci[ și &gt;&gt;]; 30: treizeci[ și &gt;&gt;]; 40: patruzeci[ și &gt;&gt;]; 50: cincizeci[ și &gt;&gt;]; 60: șaizeci[ și &gt;&gt;]; 70: șaptezeci[ și &gt;&gt;]; 80: optzeci[ și &gt;&gt;]; 90: nouăzeci[ și &gt;&gt;]; 100: o sută[ &gt;&gt;]; 200: două sute[ &gt;&gt;]; 300: &lt;&lt; sute[ &gt;&gt;]; 1000: o mie[ &gt;&gt;]; 2000: &lt;%%thousands&lt;[ &gt;&gt;]; %%thousands: 2: =%%feminine= mii; 20: =%%feminine= de mii; %%feminine: 0: =%spellout=; 1: una; 2: două; 3: =%spellout=; 12: douăsprezece; 13: =%spellout=; 20: douăzeci[ și &gt;&gt;]; 30: treizeci[ și &gt;&gt;]; 40: patruzeci[ și &gt;&gt;]; 50: cincizeci[ și &gt;&gt;]; 60: șaizeci[ și &gt;&gt;]; 70: șaptezeci[ și &gt;&gt;]; 80: optzeci[ și &gt;&gt;]; 90: nouăzeci[ și &gt;&gt;]; 100: =%spellout=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>minus %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Corect. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Greșit. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Corect.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Greșit.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Citesc cu voce tare</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Nu mai citesc</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Numere de la %1 la %2. %3</translation>
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
        <translation>Exerciții de calcul pentru copii: câte un exercițiu pe rând, verificat imediat ce se apasă Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: nu acceptă fișiere sau alte argumente: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Citește cu voce tare exercițiile și spune dacă răspunsul e corect. %1 pornește și oprește citirea.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: nu se poate citi cu voce tare: niciun serviciu de sinteză vocală nu răspunde. Exercițiile continuă fără sunet.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: nu se poate citi cu voce tare: nicio voce nu vorbește această limbă. Exercițiile continuă fără sunet.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: citirea cu voce tare s-a oprit: serviciul de sinteză vocală nu mai este disponibil. Exercițiile continuă fără sunet.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Deschide fereastra la această mărime, în procente (de la %1 la %2), în locul mărimii păstrate de data trecută. %3, %4 și %5 măresc, micșorează și readuc fereastra la mărimea obișnuită.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom acceptă un procent de la %2 la %3, nu „%4”</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Împărțire</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Înmulțire</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Scădere</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Adunare</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Început</translation>
    </message>
</context>
</TS>
