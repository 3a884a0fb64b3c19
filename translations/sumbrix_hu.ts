<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="en">
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
        <translation>Feladat</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Előzmények</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Ingyenes oktatóprogramok: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Eredmények</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Pontjaid</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Jó</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Rossz</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>A feladatod </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Idő:</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Beállítások </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>-tól</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>-ig</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>A Sumbrix ingyenes.  Oszd meg mindenkivel, aki szereti a számokat.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Verzió: %1 © 2026 a Sumbrix szerzői. GNU GPL 3 vagy újabb.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Oldalak</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>A Feladat és az Előzmények oldal</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Művelet</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Ettől</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>A legkisebb szám, amely előfordulhat</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Eddig</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>A legnagyobb szám, amely előfordulhat</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Legnagyobb szám</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Beállítja, mekkora lehet a legnagyobb szám</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Első szám</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Műveleti jel</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Második szám</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Írd be az eredményt, aztán nyomd meg az Enter billentyűt</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Ennél a feladatnál eltelt másodpercek</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Jó válaszok</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Rossz válaszok</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>A jó válaszok százaléka</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontszám</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Előzmények</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Minden értékelt válasz az idejével együtt</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Megnyitja az oktatóprogramok oldalát a böngészőben</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Oktatóprogramok</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Kép, amely megnyitja az oktatóprogramok oldalát</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Válasz erre: %1</translation>
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
        <translation>összege</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>különbsége</translation>
    </message>
    <message>
        <source>times</source>
        <translation>szorzata</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>hányadosa</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%plain: =0=;
%szor:
0: nullaszor; 1: egyszer; 2: kétszer; 3: háromszor; 4: négyszer; 5: ötször; 6: hatszor; 7: hétszer; 8: nyolcszor; 9: kilencszer;
10: tízszer; 11: tizen&gt;&gt;; 20: húszszor; 21: huszon&gt;&gt;; 30: harmincszor; 31: harminc&gt;&gt;; 40: negyvenszer; 41: negyven&gt;&gt;; 50: ötvenszer; 51: ötven&gt;&gt;; 60: hatvanszor; 61: hatvan&gt;&gt;; 70: hetvenszer; 71: hetven&gt;&gt;; 80: nyolcvanszor; 81: nyolcvan&gt;&gt;; 90: kilencvenszer; 91: kilencven&gt;&gt;;
100: százszor; 101: száz&gt;&gt;; 200: kétszázszor; 201: kétszáz&gt;&gt;; 300: háromszázszor; 301: háromszáz&gt;&gt;; 400: négyszázszor; 401: négyszáz&gt;&gt;; 500: ötszázszor; 501: ötszáz&gt;&gt;; 600: hatszázszor; 601: hatszáz&gt;&gt;; 700: hétszázszor; 701: hétszáz&gt;&gt;; 800: nyolcszázszor; 801: nyolcszáz&gt;&gt;; 900: kilencszázszor; 901: kilencszáz&gt;&gt;;
1000: =%plain=;
%val:
0: nullával; 1: eggyel; 2: kettővel; 3: hárommal; 4: néggyel; 5: öttel; 6: hattal; 7: héttel; 8: nyolccal; 9: kilenccel;
10: tízzel; 11: tizen&gt;&gt;; 20: hússzal; 21: huszon&gt;&gt;; 30: harminccal; 31: harminc&gt;&gt;; 40: negyvennel; 41: negyven&gt;&gt;; 50: ötvennel; 51: ötven&gt;&gt;; 60: hatvannal; 61: hatvan&gt;&gt;; 70: hetvennel; 71: hetven&gt;&gt;; 80: nyolcvannal; 81: nyolcvan&gt;&gt;; 90: kilencvennel; 91: kilencven&gt;&gt;;
100: százzal; 101: száz&gt;&gt;; 200: kétszázzal; 201: kétszáz&gt;&gt;; 300: háromszázzal; 301: háromszáz&gt;&gt;; 400: négyszázzal; 401: négyszáz&gt;&gt;; 500: ötszázzal; 501: ötszáz&gt;&gt;; 600: hatszázzal; 601: hatszáz&gt;&gt;; 700: hétszázzal; 701: hétszáz&gt;&gt;; 800: nyolcszázzal; 801: nyolcszáz&gt;&gt;; 900: kilencszázzal; 901: kilencszáz&gt;&gt;;
1000: =%plain=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>mínusz %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 és %3 %2</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Jó. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Nem jó. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Jó.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Nem jó.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Felolvasás bekapcsolva</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Felolvasás kikapcsolva</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>A legkisebb szám %1, a legnagyobb %2. %3</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <extracomment>Optional. Addition read aloud, where &quot;%1 %2 %3&quot; with &quot;plus&quot; is not what a teacher says. %1 and %2 are the numbers; &quot;%2{%rule-set}&quot; spells %2 with a rule set of the &quot;digits&quot; rules (a case form). Leave unfinished to use &quot;%1 %2 %3&quot;.</extracomment>
        <translation>%1 plusz %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <extracomment>Optional. Subtraction read aloud; as &quot;%1 plus %2&quot;.</extracomment>
        <translation>%1 mínusz %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <extracomment>Optional. Multiplication read aloud; as &quot;%1 plus %2&quot;.</extracomment>
        <translation>%1{%szor} %2</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <extracomment>Optional. Division read aloud; as &quot;%1 plus %2&quot;.</extracomment>
        <translation>%1 osztva %2{%val}</translation>
    </message>
</context>
<context>
    <name>sumbrix</name>
    <message>
        <source>An arithmetic drill for children: one problem at a time, graded as soon as Enter is pressed.</source>
        <translation>Számolásgyakorló gyerekeknek: egyszerre egy feladat, amelyet a program az Enter megnyomásakor azonnal értékel.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: nem fogad el fájlokat vagy más argumentumokat: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Felolvassa a feladatokat, és megmondja, jó-e a válasz. A %1 be- és kikapcsolja.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: a felolvasás nem lehetséges: egyik beszédszolgáltatás sem válaszol. A gyakorlás hang nélkül folytatódik.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: a felolvasás nem lehetséges: nincs ezen a nyelven beszélő hang. A gyakorlás hang nélkül folytatódik.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: a felolvasás leállt: a beszédszolgáltatás már nem érhető el. A gyakorlás hang nélkül folytatódik.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Ebben a méretben nyitja meg az ablakot, százalékban (%1 és %2 között), a legutóbbi méret helyett. A %3 nagyít, a %4 kicsinyít, a %5 pedig visszaállítja a normál méretet.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: a --zoom %2 és %3 közötti százalékot vár, nem „%4”</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Osztás</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Szorzás</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Kivonás</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Összeadás</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Kezdés</translation>
    </message>
</context>
</TS>
