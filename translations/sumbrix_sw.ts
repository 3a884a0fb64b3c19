<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sw" sourcelanguage="en">
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
        <translation>Hesabu</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Majibu</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Zana zaidi za kujifunza, bure: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Matokeo</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Alama zako</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Sahihi</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Kosa</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Hesabu yako </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Muda</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Chaguo </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>chini</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>juu</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix ni bure.  Washirikishe wote wanaopenda namba.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Toleo %1 © 2026 waandishi wa Sumbrix. GNU GPL 3 au toleo la baadaye.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Kurasa</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Kurasa za Hesabu na Majibu</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Aina ya hesabu</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Namba ya chini</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Namba ndogo kabisa katika hesabu</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Namba ya juu</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Namba kubwa kabisa katika hesabu</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Namba kubwa kabisa</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Huchagua namba kubwa kabisa katika hesabu</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Namba ya kwanza</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Alama ya hesabu</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Namba ya pili</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Andika jibu, kisha bonyeza Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Sekunde ulizotumia kwenye hesabu hii</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Majibu sahihi</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Majibu yenye kosa</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Asilimia ya majibu sahihi</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Alama</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Majibu</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Kila jibu lililosahihishwa pamoja na saa yake</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Hufungua ukurasa wa zana za kujifunza kwenye kivinjari</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Zana za kujifunza</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Picha inayofungua ukurasa wa zana za kujifunza</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Jibu la %1</translation>
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
        <translation>-</translation>
    </message>
</context>
<context>
    <name>speech</name>
    <message>
        <source>plus</source>
        <translation>jumlisha</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>toa</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mara</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>gawanya kwa</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: sifuri; 1: moja; 2: mbili; 3: tatu; 4: nne; 5: tano; 6: sita; 7: saba; 8: nane; 9: tisa; 10: kumi[ na &gt;&gt;]; 20: ishirini[ na &gt;&gt;]; 30: thelathini[ na &gt;&gt;]; 40: arobaini[ na &gt;&gt;]; 50: hamsini[ na &gt;&gt;]; 60: sitini[ na &gt;&gt;]; 70: sabini[ na &gt;&gt;]; 80: themanini[ na &gt;&gt;]; 90: tisini[ na &gt;&gt;]; 100: mia &lt;&lt;[&gt;%%rest&gt;]; 1000: elfu &lt;&lt;[,&gt;%%rest&gt;]; %%rest: 1: &apos; na =%spellout=; 10: &apos; na =%spellout=; 11: &apos; =%spellout=; 20: &apos; na =%spellout=; 21: &apos; =%spellout=; 30: &apos; na =%spellout=; 31: &apos; =%spellout=; 40: &apos; na =%spellout=; 41: &apos; =%spellout=; 50: &apos; na =%spellout=; 51: &apos; =%spellout=; 60: &apos; na =%spellout=; 61: &apos; =%spellout=; 70: &apos; na =%spellout=; 71: &apos; =%spellout=; 80: &apos; na =%spellout=; 81: &apos; =%spellout=; 90: &apos; na =%spellout=; 91: &apos; =%spellout=; 100: &apos; =%spellout=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>hasi %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Sahihi. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Umekosea. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Sahihi.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Umekosea.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Kusoma kwa sauti kumewashwa</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Kusoma kwa sauti kumezimwa</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Namba kuanzia %1 hadi %2. %3</translation>
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
        <translation>Mazoezi ya hesabu kwa watoto: hesabu moja baada ya nyingine, inasahihishwa mara tu Enter inapobonyezwa.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: haipokei faili wala hoja nyingine: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Husoma hesabu kwa sauti na kusema kama jibu ni sahihi. %1 huwasha na kuzima kusoma kwa sauti.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: haiwezi kusoma kwa sauti: hakuna huduma ya sauti inayojibu. Mazoezi yanaendelea bila sauti.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: haiwezi kusoma kwa sauti: hakuna sauti inayozungumza lugha hii. Mazoezi yanaendelea bila sauti.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: kusoma kwa sauti kumesimama: huduma ya sauti imekatika. Mazoezi yanaendelea bila sauti.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Hufungua dirisha kwa ukubwa huu, kwa asilimia (%1 hadi %2), badala ya ukubwa uliohifadhiwa mara ya mwisho. %3, %4 na %5 hukuza, kupunguza na kurudisha dirisha kwenye ukubwa wake wa kawaida.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom hupokea asilimia kuanzia %2 hadi %3, si “%4”</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Kugawanya</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Kuzidisha</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Kutoa</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Kujumlisha</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Mwanzo</translation>
    </message>
</context>
</TS>
