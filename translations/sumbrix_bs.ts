<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bs" sourcelanguage="en">
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
        <translation>Zadatak</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Historija</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Još besplatnih programa: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Rezultati</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Tvoji bodovi</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Tačno</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Krivo</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Tvoj zadatak </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Postavke </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>od</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>do</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix je besplatan.  Podijeli ga sa svima koji vole brojeve.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Verzija %1 © 2026 autori Sumbrixa. GNU GPL 3 ili novija.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Stranice</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Stranice „Zadatak“ i „Historija“</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Računska operacija</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Najmanji broj</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Najveći broj</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Najveći broj</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Postavlja najveći broj</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Prvi broj</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Računski znak</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Drugi broj</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Upiši rezultat i pritisni Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Koliko sekundi rješavaš ovaj zadatak</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Tačni odgovori</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Netačni odgovori</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Procenat tačnih odgovora</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Bodovi</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historija</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Svi provjereni odgovori i vrijeme svakog</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Otvara u pregledniku stranicu s programima za učenje</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Programi za učenje</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Slika koja otvara stranicu s programima za učenje</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Koliko je %1?</translation>
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
        <translation>·</translation>
    </message>
    <message>
        <source>/</source>
        <extracomment>The division sign of the language&apos;s primary schoolbooks (&quot;:&quot;, &quot;÷&quot;, &quot;/&quot;); English keeps &quot;/&quot;.</extracomment>
        <translation>:</translation>
    </message>
    <message>
        <source>-</source>
        <extracomment>The subtraction sign of the language&apos;s primary schoolbooks: &quot;−&quot; (U+2212) where they print it, as wide as &quot;+&quot;; English keeps &quot;-&quot;.</extracomment>
        <translation>−</translation>
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
        <translation>puta</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>podijeljeno sa</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%main: 0: nula; 1: jedan; 2: dva; 3: tri; 4: četiri; 5: pet; 6: šest; 7: sedam; 8: osam; 9: devet; 10: deset; 11: jedanaest; 12: dvanaest; 13: trinaest; 14: četrnaest; 15: petnaest; 16: šesnaest; 17: sedamnaest; 18: osamnaest; 19: devetnaest; 20: dvadeset[ &gt;&gt;]; 30: trideset[ &gt;&gt;]; 40: četrdeset[ &gt;&gt;]; 50: pedeset[ &gt;&gt;]; 60: šezdeset[ &gt;&gt;]; 70: sedamdeset[ &gt;&gt;]; 80: osamdeset[ &gt;&gt;]; 90: devedeset[ &gt;&gt;]; 100: sto[ &gt;&gt;]; 200: dvjesto[ &gt;&gt;]; 300: tristo[ &gt;&gt;]; 400: četiristo[ &gt;&gt;]; 500: petsto[ &gt;&gt;]; 600: šeststo[ &gt;&gt;]; 700: sedamsto[ &gt;&gt;]; 800: osamsto[ &gt;&gt;]; 900: devetsto[ &gt;&gt;]; 1000: &lt;%%th&lt;[ &gt;&gt;]; %%th: 1: hiljadu; 2: dvije hiljade; 3: tri hiljade; 4: četiri hiljade; 5: =%main= hiljada; 20: dvadeset &gt;%%thu&gt;; 30: trideset &gt;%%thu&gt;; %%thu: 0: hiljada; 1: jedna hiljada; 2: dvije hiljade; 3: tri hiljade; 4: četiri hiljade; 5: =%main= hiljada;</translation>
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
        <translation>Tačno. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Netačno. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Tačno.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Netačno.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Čitanje naglas uključeno</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Čitanje naglas isključeno</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Najmanji broj %1, najveći %2. %3</translation>
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
        <translation>Vježbanje računanja za djecu: jedan zadatak za drugim, provjeren čim se pritisne tipka Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: ne prima datoteke ni druge argumente: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Čita zadatke naglas i kaže da li je odgovor tačan. %1 uključuje i isključuje čitanje.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: čitanje naglas nije moguće: nijedna govorna usluga ne odgovara. Vježbanje se nastavlja bez zvuka.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: čitanje naglas nije moguće: nema glasa za ovaj jezik. Vježbanje se nastavlja bez zvuka.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: čitanje naglas je prekinuto: govorna usluga više ne radi. Vježbanje se nastavlja bez zvuka.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Otvara prozor u ovoj veličini, u procentima (od %1 do %2), umjesto veličine zapamćene pri prošlom pokretanju. %3, %4 i %5 povećavaju, smanjuju i vraćaju uobičajenu veličinu.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom prima vrijednost od %2 do %3 procenata, a ne „%4“</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Dijeljenje</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Množenje</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Oduzimanje</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Sabiranje</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Početak</translation>
    </message>
</context>
</TS>
