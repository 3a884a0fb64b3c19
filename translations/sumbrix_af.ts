<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="af" sourcelanguage="en">
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
        <translation>Som</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Oorsig</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Nog gratis leerprogramme: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Telbord</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Jou punte</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Reg</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Jou som </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Tyd</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Kies </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>van</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>tot</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix is gratis.  Gee dit vir almal wat van getalle hou.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Weergawe %1 © 2026 die Sumbrix-outeurs. GNU GPL 3 of &apos;n latere weergawe.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Bladsye</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Bladsye “Som” en “Oorsig”</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Soort som</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Kleinste getal in die somme</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Grootste getal in die somme</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Grootste getal</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Kies die grootste getal in die somme</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Eerste getal</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Bewerkingsteken</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Tweede getal</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Tik die antwoord en druk dan Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Sekondes wat jy aan hierdie som werk</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Regte antwoorde</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Verkeerde antwoorde</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Persentasie reg</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punte</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Oorsig</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Elke nagesiene antwoord met sy tyd</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Maak die bladsy met leerprogramme in die webblaaier oop</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Leerprogramme</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Prent wat die bladsy met leerprogramme oopmaak</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Antwoord van %1</translation>
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
        <translation>÷</translation>
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
        <translation>maal</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>gedeel deur</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>digits</translation>
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
        <translation>Reg. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Verkeerd. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Reg.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Verkeerd.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Voorlees is aan</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Voorlees is af</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Getalle van %1 tot %2. %3</translation>
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
        <translation>Rekenoefening vir kinders: een som op &apos;n slag, nagesien sodra Enter gedruk word.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: aanvaar geen lêers of ander argumente nie: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Lees die somme voor en sê of die antwoord reg is. %1 skakel voorlees aan en af.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: kan nie voorlees nie: geen spraakdiens antwoord nie. Die oefening gaan stil voort.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: kan nie voorlees nie: geen stem praat hierdie taal nie. Die oefening gaan stil voort.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: voorlees het gestop: die spraakdiens is weg. Die oefening gaan stil voort.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Maak die venster op hierdie grootte in persent (%1 tot %2) oop, in plaas van die grootte van die vorige keer. %3 vergroot, %4 verklein en %5 herstel die gewone grootte.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom aanvaar &apos;n persentasie van %2 tot %3, nie “%4” nie</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Deel</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Maal</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Aftrek</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Optel</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Begin</translation>
    </message>
</context>
</TS>
