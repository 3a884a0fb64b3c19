<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt" sourcelanguage="en">
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
        <translation>Užduotis</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Istorija</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Daugiau nemokamų priemonių: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Rezultatai</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Tavo taškai</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Blogai</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Tavo užduotis </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Nustatymai </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>nuo</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>iki</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix yra nemokamas.  Pasidalink juo su visais, kurie mėgsta skaičius.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Versija %1 © 2026 Sumbrix autoriai. GNU GPL 3 arba naujesnė.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Puslapiai</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Puslapiai „Užduotis“ ir „Istorija“</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Veiksmas</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Nuo</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Mažiausias skaičius</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Iki</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Didžiausias skaičius</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Didžiausias skaičius</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Nustato didžiausią skaičių</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Pirmasis skaičius</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Veiksmo ženklas</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Antrasis skaičius</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Įrašyk atsakymą ir paspausk Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Kiek sekundžių sprendi šią užduotį</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Teisingi atsakymai</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Klaidingi atsakymai</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Teisingų atsakymų procentas</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Taškai</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Istorija</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Visi patikrinti atsakymai ir jų laikas</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Naršyklėje atidaro mokymosi priemonių puslapį</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Mokymosi priemonės</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Paveikslėlis, kuris atidaro mokymosi priemonių puslapį</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Kiek bus %1?</translation>
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
        <translation>-</translation>
    </message>
</context>
<context>
    <name>speech</name>
    <message>
        <source>plus</source>
        <translation>plius</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>kart</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>padalyti iš skaičiaus</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%plain: =0=;
%genitive:
0: nulio; 1: vieno; 2: dviejų; 3: trijų; 4: keturių; 5: penkių; 6: šešių; 7: septynių; 8: aštuonių; 9: devynių;
10: dešimties; 11: vienuolikos; 12: dvylikos; 13: trylikos; 14: keturiolikos; 15: penkiolikos;
16: šešiolikos; 17: septyniolikos; 18: aštuoniolikos; 19: devyniolikos;
20: dvidešimties; 21: dvidešimt &gt;&gt;; 30: trisdešimties; 31: trisdešimt &gt;&gt;; 40: keturiasdešimties; 41: keturiasdešimt &gt;&gt;;
50: penkiasdešimties; 51: penkiasdešimt &gt;&gt;; 60: šešiasdešimties; 61: šešiasdešimt &gt;&gt;;
70: septyniasdešimties; 71: septyniasdešimt &gt;&gt;; 80: aštuoniasdešimties; 81: aštuoniasdešimt &gt;&gt;;
90: devyniasdešimties; 91: devyniasdešimt &gt;&gt;;
100: šimto[ &gt;&gt;]; 200: &lt;&lt; šimtų[ &gt;&gt;];
1000: =%plain=;</translation>
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
        <translation>Teisingai. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Neteisingai. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Teisingai.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Neteisingai.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Skaitymas balsu įjungtas</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Skaitymas balsu išjungtas</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Mažiausias skaičius %1, didžiausias %2. %3</translation>
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
        <translation>%1 padalyti iš %2{%genitive}</translation>
    </message>
</context>
<context>
    <name>sumbrix</name>
    <message>
        <source>An arithmetic drill for children: one problem at a time, graded as soon as Enter is pressed.</source>
        <translation>Aritmetikos pratybos vaikams: po vieną užduotį, atsakymas tikrinamas iš karto paspaudus Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: nepriima failų ar kitų argumentų: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Skaito užduotis balsu ir pasako, ar atsakymas teisingas. %1 įjungia ir išjungia skaitymą.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: negalima skaityti balsu: neatsako jokia kalbos sintezės paslauga. Pratybos tęsiamos be garso.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: negalima skaityti balsu: nėra balso šiai kalbai. Pratybos tęsiamos be garso.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: skaitymas balsu nutrūko: kalbos sintezės paslauga nebeveikia. Pratybos tęsiamos be garso.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Atidaro langą šio dydžio procentais (nuo %1 iki %2), o ne tokio dydžio, koks buvo paskutinį kartą. %3 padidina, %4 sumažina, o %5 grąžina įprastą dydį.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom priima procentus nuo %2 iki %3, o ne „%4“</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Dalyba</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Daugyba</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Atimtis</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Sudėtis</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Pradžia</translation>
    </message>
</context>
</TS>
