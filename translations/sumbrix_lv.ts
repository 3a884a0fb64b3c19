<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv" sourcelanguage="en">
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
        <translation>Piemērs</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Vēsture</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Vairāk bezmaksas mācību rīku: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Rezultāti</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Tavi punkti</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Pareizi</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Kļūdas</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Tavs piemērs </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Iestatījumi </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>no</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>līdz</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix ir bez maksas.  Padalies ar visiem, kam patīk skaitļi.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Versija %1 © 2026 Sumbrix autori. GNU GPL 3 vai jaunāka.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Lapas</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Lapas „Piemērs“ un „Vēsture“</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Darbība</translation>
    </message>
    <message>
        <source>From</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Mazākais skaitlis</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Līdz</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Lielākais skaitlis</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Lielākais skaitlis</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Iestata lielāko skaitli</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Pirmais skaitlis</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Darbības zīme</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Otrais skaitlis</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Ieraksti atbildi un nospied Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Cik sekundes risini šo piemēru</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Pareizās atbildes</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Nepareizās atbildes</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Pareizo atbilžu procents</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkti</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Vēsture</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Visas pārbaudītās atbildes un to laiks</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Atver pārlūkā lapu ar mācību rīkiem</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Mācību rīki</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Attēls, kas atver lapu ar mācību rīkiem</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Cik ir %1?</translation>
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
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>mīnus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>reiz</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dalīts ar</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout:
0: nulle; 1: viens; 2: divi; 3: trīs; 4: četri; 5: pieci; 6: seši; 7: septiņi; 8: astoņi; 9: deviņi;
10: desmit; 11: vienpadsmit; 12: divpadsmit; 13: trīspadsmit; 14: četrpadsmit; 15: piecpadsmit;
16: sešpadsmit; 17: septiņpadsmit; 18: astoņpadsmit; 19: deviņpadsmit;
20: divdesmit[ &gt;&gt;]; 30: trīsdesmit[ &gt;&gt;]; 40: četrdesmit[ &gt;&gt;]; 50: piecdesmit[ &gt;&gt;];
60: sešdesmit[ &gt;&gt;]; 70: septiņdesmit[ &gt;&gt;]; 80: astoņdesmit[ &gt;&gt;]; 90: deviņdesmit[ &gt;&gt;];
100: simts; 101: simt &gt;&gt;; 200: &lt;&lt; simti[ &gt;&gt;];
1000: tūkstotis; 1001: tūkstoš &gt;&gt;;
2000: &lt;&lt; $(cardinal,one{tūkstotis}other{tūkstoši})$[ &gt;&gt;];</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>mīnus %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Pareizi. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Nepareizi. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Pareizi.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Nepareizi.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Lasīšana balsī ieslēgta</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Lasīšana balsī izslēgta</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Mazākais skaitlis %1, lielākais %2. %3</translation>
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
        <translation>Aritmētikas treniņš bērniem: pa vienam piemēram, atbildi pārbauda, tiklīdz nospiests Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: nepieņem failus vai citus argumentus: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Nolasa piemērus balsī un pasaka, vai atbilde ir pareiza. %1 to ieslēdz un izslēdz.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: nevar lasīt balsī: neatbild neviens runas pakalpojums. Treniņš turpinās bez skaņas.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: nevar lasīt balsī: šai valodai nav balss. Treniņš turpinās bez skaņas.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: lasīšana balsī pārtraukta: runas pakalpojums vairs nedarbojas. Treniņš turpinās bez skaņas.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Atver logu šajā izmērā procentos (%1 līdz %2), nevis iepriekšējā reizē izmantotajā izmērā. %3 palielina, %4 samazina un %5 atjauno parasto izmēru.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom pieņem procentus no %2 līdz %3, nevis „%4“</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Dalīšana</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Reizināšana</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Atņemšana</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Saskaitīšana</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Sākums</translation>
    </message>
</context>
</TS>
