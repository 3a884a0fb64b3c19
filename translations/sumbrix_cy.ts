<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cy" sourcelanguage="en">
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
        <translation>Sym</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Hanes</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Rhagor o adnoddau am ddim: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Sgorfwrdd</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Dy sgôr</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Cywir</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Gwall</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Dy sym </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Eil.</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Dewis </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>o</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>i</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Mae Sumbrix am ddim.  Rhanna’r rhaglen â phawb sy’n hoffi rhifau.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Fersiwn %1 © 2026 awduron Sumbrix. GNU GPL 3 neu fersiwn diweddarach.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Tudalennau</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Tudalennau ‘Sym’ a ‘Hanes’</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Math o sym</translation>
    </message>
    <message>
        <source>From</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Y rhif lleiaf</translation>
    </message>
    <message>
        <source>To</source>
        <translation>I</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Y rhif mwyaf</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Y rhif mwyaf</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Yn dewis y rhif mwyaf</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Y rhif cyntaf</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Arwydd y sym</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Yr ail rif</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Teipia’r ateb, wedyn pwysa Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Eiliadau ar y sym hon</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Atebion cywir</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Atebion anghywir</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Canran yr atebion cywir</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Sgôr</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Hanes</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Pob ateb wedi’i farcio, gyda’r amser</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Yn agor y dudalen adnoddau dysgu yn y porwr</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Adnoddau dysgu</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Llun sy’n agor y dudalen adnoddau dysgu</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Faint yw %1?</translation>
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
        <translation>adio</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>tynnu</translation>
    </message>
    <message>
        <source>times</source>
        <translation>lluosi</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>rhannu</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: sero; 1: un; 2: dau; 3: tri; 4: pedwar; 5: pump; 6: chwech; 7: saith; 8: wyth; 9: naw; 10: deg; 11: un deg &gt;&gt;; 20: dau ddeg[ &gt;&gt;]; 30: tri deg[ &gt;&gt;]; 40: pedwar deg[ &gt;&gt;]; 50: pum deg[ &gt;&gt;]; 60: chwe deg[ &gt;&gt;]; 70: saith deg[ &gt;&gt;]; 80: wyth deg[ &gt;&gt;]; 90: naw deg[ &gt;&gt;]; 100: cant[&gt;%%and&gt;]; 200: dau gant[&gt;%%and&gt;]; 300: tri chant[&gt;%%and&gt;]; 400: pedwar cant[&gt;%%and&gt;]; 500: pum cant[&gt;%%and&gt;]; 600: chwe chant[&gt;%%and&gt;]; 700: saith cant[&gt;%%and&gt;]; 800: wyth cant[&gt;%%and&gt;]; 900: naw cant[&gt;%%and&gt;]; 1000: mil[&gt;%%and&gt;]; 2000: &lt;%%thousands&lt;[&gt;%%and&gt;]; %%and: 1: &apos; ac un; 2: &apos; a dau; 3: &apos; a thri; 4: &apos; a phedwar; 5: &apos; a phump; 6: &apos; a chwech; 7: &apos; a saith; 8: &apos; ac wyth; 9: &apos; a naw; 10: &apos; a deg; 11: &apos; =%spellout=; %%thousands: 0: mil; 1: un mil; 2: dwy fil; 3: tair mil; 4: pedair mil; 5: pum mil; 6: chwe mil; 7: saith mil; 8: wyth mil; 9: naw mil; 10: deg mil; 11: un deg &gt;&gt;; 20: dau ddeg &gt;&gt;; 30: tri deg &gt;&gt;; 40: pedwar deg &gt;&gt;; 50: pum deg &gt;&gt;; 60: chwe deg &gt;&gt;; 70: saith deg &gt;&gt;; 80: wyth deg &gt;&gt;; 90: naw deg &gt;&gt;; %with: 0: â sero; 1: ag un; 2: â dau; 3: â thri; 4: â phedwar; 5: â phump; 6: â chwech; 7: â saith; 8: ag wyth; 9: â naw; 10: â deg; 11: ag =%spellout=; 20: â =%spellout=; 30: â thri deg[ &gt;%spellout&gt;]; 40: â phedwar deg[ &gt;%spellout&gt;]; 50: â phum deg[ &gt;%spellout&gt;]; 60: â =%spellout=; 80: ag =%spellout=; 90: â =%spellout=; 100: â chant[&gt;%%and&gt;]; 200: â =%spellout=; 300: â thri chant[&gt;%%and&gt;]; 400: â phedwar cant[&gt;%%and&gt;]; 500: â phum cant[&gt;%%and&gt;]; 600: â =%spellout=; 800: ag =%spellout=; 900: â =%spellout=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>minws %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Cywir. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Anghywir. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Cywir.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Anghywir.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Darllen yn uchel ymlaen</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Darllen yn uchel i ffwrdd</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Y rhif lleiaf yw %1, y rhif mwyaf yw %2. %3</translation>
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
        <translation>%1 lluosi %2{%with}</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <extracomment>Optional. Division read aloud; as &quot;%1 plus %2&quot;.</extracomment>
        <translation>%1 rhannu %2{%with}</translation>
    </message>
</context>
<context>
    <name>sumbrix</name>
    <message>
        <source>An arithmetic drill for children: one problem at a time, graded as soon as Enter is pressed.</source>
        <translation>Ymarfer rhifyddeg i blant: un sym ar y tro, wedi’i marcio cyn gynted ag y pwysir Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: nid yw’n derbyn ffeiliau na dadleuon eraill: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Darllen y symiau yn uchel a dweud a yw’r ateb yn gywir. Mae %1 yn troi’r darllen ymlaen ac i ffwrdd.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: methu darllen yn uchel: does dim gwasanaeth lleferydd yn ateb. Mae’r ymarfer yn parhau heb sain.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: methu darllen yn uchel: does dim llais yn siarad yr iaith hon. Mae’r ymarfer yn parhau heb sain.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: mae’r darllen yn uchel wedi stopio: dydy’r gwasanaeth lleferydd ddim yn ateb mwyach. Mae’r ymarfer yn parhau heb sain.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Agor y ffenestr ar y maint hwn, fel canran (o %1 i %2), yn lle’r maint a gadwyd o’r tro diwethaf. Mae %3 yn ei chwyddo, %4 yn ei lleihau a %5 yn ei rhoi’n ôl i’r maint arferol.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: mae --zoom yn derbyn canran o %2 i %3, nid ‘%4’</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Rhannu</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Lluosi</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Tynnu</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Adio</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Dechrau</translation>
    </message>
</context>
</TS>
