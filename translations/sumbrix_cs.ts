<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
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
        <translation>Příklad</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Historie</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Výukové programy zdarma na %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Výsledky</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Tvoje body</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Dobře</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Chyby</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Tvůj příklad </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Čas:</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Nastavení </translation>
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
        <translation>Sumbrix je zdarma.  Poděl se o něj s každým, kdo má rád čísla.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Verze %1 © 2026 autoři programu Sumbrix. GNU GPL 3 nebo novější.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Stránky</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Stránky „Příklad“ a „Historie“</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Početní operace</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Nejmenší číslo</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Největší číslo</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Největší číslo</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Nastaví největší číslo</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>První číslo</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Početní znaménko</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Druhé číslo</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Napiš výsledek a stiskni Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Kolik sekund počítáš tento příklad</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Správné odpovědi</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Špatné odpovědi</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Procento správných odpovědí</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historie</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Všechny opravené odpovědi s časem</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Otevře v prohlížeči stránku s výukovými programy</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Výukové programy</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Obrázek, který otevře stránku s výukovými programy</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Výsledek příkladu %1</translation>
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
        <translation>mínus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>krát</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>děleno číslem</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout:
0: nula; 1: jedna; 2: dva; 3: tři; 4: čtyři; 5: pět; 6: šest; 7: sedm; 8: osm; 9: devět;
10: deset; 11: jedenáct; 12: dvanáct; 13: třináct; 14: čtrnáct; 15: patnáct;
16: šestnáct; 17: sedmnáct; 18: osmnáct; 19: devatenáct;
20: dvacet[ &gt;&gt;]; 30: třicet[ &gt;&gt;]; 40: čtyřicet[ &gt;&gt;]; 50: padesát[ &gt;&gt;];
60: šedesát[ &gt;&gt;]; 70: sedmdesát[ &gt;&gt;]; 80: osmdesát[ &gt;&gt;]; 90: devadesát[ &gt;&gt;];
100: sto[ &gt;&gt;]; 200: dvě stě[ &gt;&gt;]; 300: &lt;%%count&lt; sta[ &gt;&gt;]; 500: &lt;%%count&lt; set[ &gt;&gt;];
1000: tisíc[ &gt;&gt;];
2000: &lt;%%count&lt; $(cardinal,one{tisíc}few{tisíce}other{tisíc})$[ &gt;&gt;];
%%count:
0: =%spellout=; 1: jeden; 2: =%spellout=; 20: dvacet[ &gt;&gt;]; 30: třicet[ &gt;&gt;]; 40: čtyřicet[ &gt;&gt;]; 50: padesát[ &gt;&gt;];
60: šedesát[ &gt;&gt;]; 70: sedmdesát[ &gt;&gt;]; 80: osmdesát[ &gt;&gt;]; 90: devadesát[ &gt;&gt;]; 100: =%spellout=;
%instrumental:
0: nulou; 1: jednou; 2: dvěma; 3: třemi; 4: čtyřmi; 5: pěti; 6: šesti; 7: sedmi; 8: osmi; 9: devíti;
10: deseti; 11: jedenácti; 12: dvanácti; 13: třinácti; 14: čtrnácti; 15: patnácti;
16: šestnácti; 17: sedmnácti; 18: osmnácti; 19: devatenácti;
20: dvaceti[ &gt;%%unit&gt;]; 30: třiceti[ &gt;%%unit&gt;]; 40: čtyřiceti[ &gt;%%unit&gt;]; 50: padesáti[ &gt;%%unit&gt;];
60: šedesáti[ &gt;%%unit&gt;]; 70: sedmdesáti[ &gt;%%unit&gt;]; 80: osmdesáti[ &gt;%%unit&gt;]; 90: devadesáti[ &gt;%%unit&gt;];
100: stem; 101: sto &gt;%%unit&gt;; 200: dvěma sty[ &gt;%%unit&gt;]; 300: třemi sty[ &gt;%%unit&gt;]; 400: čtyřmi sty[ &gt;%%unit&gt;];
500: pěti sty[ &gt;%%unit&gt;]; 600: šesti sty[ &gt;%%unit&gt;]; 700: sedmi sty[ &gt;%%unit&gt;]; 800: osmi sty[ &gt;%%unit&gt;];
900: devíti sty[ &gt;%%unit&gt;];
1000: tisícem; 1001: tisíc &gt;%%unit&gt;; 2000: &lt;&lt; tisíci[ &gt;%%unit&gt;];
%%unit:
0: =%instrumental=; 1: jedna; 2: =%instrumental=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>mínus %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Správně. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Špatně. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Správně.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Špatně.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Čtení nahlas zapnuto</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Čtení nahlas vypnuto</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Nejmenší číslo %1, největší %2. %3</translation>
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
        <translation>%1 děleno %2{%instrumental}</translation>
    </message>
</context>
<context>
    <name>sumbrix</name>
    <message>
        <source>An arithmetic drill for children: one problem at a time, graded as soon as Enter is pressed.</source>
        <translation>Procvičování počítání pro děti: jeden příklad po druhém, opravený hned po stisknutí klávesy Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: nepřijímá žádné soubory ani jiné argumenty: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Číst příklady a hodnocení nahlas. %1 čtení zapíná a vypíná.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: nelze číst nahlas: žádná řečová služba neodpovídá. Procvičování pokračuje potichu.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: nelze číst nahlas: pro tento jazyk není žádný hlas. Procvičování pokračuje potichu.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: čtení nahlas skončilo: řečová služba přestala fungovat. Procvičování pokračuje potichu.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Otevřít okno v tomto zvětšení, v procentech (od %1 do %2), místo zvětšení zapamatovaného z minulého spuštění. %3, %4 a %5 zvětšují, zmenšují a vracejí běžnou velikost.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom přijímá hodnotu od %2 do %3 procent, ne „%4“</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Dělení</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Násobení</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Odčítání</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Sčítání</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Začátek</translation>
    </message>
</context>
</TS>
