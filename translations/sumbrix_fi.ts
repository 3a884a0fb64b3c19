<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="en">
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
        <translation>Lasku</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Vastaukset</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Lisää ilmaisia oppimistyökaluja: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Tulostaulu</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Pisteesi</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Oikein</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Väärin</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Sinun laskusi </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Aika:</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Asetukset </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>alin</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>ylin</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix on ilmainen.  Jaa se kaikille, jotka pitävät laskemisesta.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Versio %1 © 2026 Sumbrixin tekijät. GNU GPL 3 tai uudempi.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Sivut</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Sivut Lasku ja Vastaukset</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Laskutoimitus</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Alin</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Pienin arvottava luku</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Ylin</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Suurin arvottava luku</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Suurin luku</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Valitsee suurimman arvottavan luvun</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Ensimmäinen luku</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Laskumerkki</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Toinen luku</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Kirjoita vastaus ja paina Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Tähän laskuun käytetyt sekunnit</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Oikeat vastaukset</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Väärät vastaukset</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Prosenttia oikein</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pisteet</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Vastaukset</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Jokainen tarkistettu vastaus ja sen aika</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Avaa oppimistyökalujen sivun selaimessa</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Oppimistyökalut</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Kuva, joka avaa oppimistyökalujen sivun</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Vastaus laskuun %1</translation>
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
        <translation>miinus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>kertaa</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>jaettuna luvulla</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout:
0: nolla; 1: yksi; 2: kaksi; 3: kolme; 4: neljä; 5: viisi; 6: kuusi; 7: seitsemän; 8: kahdeksan; 9: yhdeksän;
10: kymmenen; 11: &gt;&gt;toista; 20: &lt;&lt;kymmentä[&gt;&gt;];
100: sata[&gt;&gt;]; 200: &lt;&lt;sataa[&gt;&gt;];
1000: tuhat[&gt;&gt;]; 2000: &lt;&lt;tuhatta[&gt;&gt;];
%adessive:
0: nollalla; 1: yhdellä; 2: kahdella; 3: kolmella; 4: neljällä; 5: viidellä; 6: kuudella; 7: seitsemällä; 8: kahdeksalla; 9: yhdeksällä;
10: kymmenellä; 11: &gt;&gt;toista; 20: &lt;&lt;kymmenellä[&gt;&gt;];
100: sadalla[&gt;&gt;]; 200: &lt;&lt;sadalla[&gt;&gt;];
1000: tuhannella[&gt;&gt;]; 2000: &lt;&lt;tuhannella[&gt;&gt;];</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>miinus %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Oikein. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Väärin. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Oikein.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Väärin.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Ääneen lukeminen päällä</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Ääneen lukeminen pois päältä</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Pienin luku %1, suurin luku %2. %3</translation>
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
        <translation>%1 jaettuna %2{%adessive}</translation>
    </message>
</context>
<context>
    <name>sumbrix</name>
    <message>
        <source>An arithmetic drill for children: one problem at a time, graded as soon as Enter is pressed.</source>
        <translation>Laskuharjoitus lapsille: yksi lasku kerrallaan, ja vastaus tarkistetaan heti, kun Enter-näppäintä painetaan.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: ei ota vastaan tiedostoja eikä muita argumentteja: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Lukee laskut ääneen ja kertoo, oliko vastaus oikein vai väärin. %1 kytkee toiminnon päälle ja pois.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ääneen lukeminen ei onnistu: mikään puhepalvelu ei vastaa. Harjoitus jatkuu ilman ääntä.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ääneen lukeminen ei onnistu: tälle kielelle ei ole puheääntä. Harjoitus jatkuu ilman ääntä.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ääneen lukeminen loppui: puhepalvelu katosi. Harjoitus jatkuu ilman ääntä.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Avaa ikkunan tässä koossa (prosentteina %1–%2) edellisellä kerralla käytetyn koon sijaan. %3 suurentaa, %4 pienentää ja %5 palauttaa normaalin koon.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom ottaa vastaan prosenttiluvun väliltä %2–%3, ei ”%4”</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Jakolasku</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Kertolasku</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Vähennyslasku</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Yhteenlasku</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Aloitus</translation>
    </message>
</context>
</TS>
