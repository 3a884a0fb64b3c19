<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sq" sourcelanguage="en">
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
        <translation>Ushtrimi</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Historiku</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Më shumë mjete mësimi falas: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Rezultatet</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Pikët e tua</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Saktë</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Gabim</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Ushtrimi yt </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Cilësimet </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>nga</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>deri</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix është falas.  Ndaje me këdo që i do numrat.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Versioni %1 © 2026 autorët e Sumbrix. GNU GPL 3 ose version më i ri.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Faqet</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Faqet «Ushtrimi» dhe «Historiku»</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Veprimi</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Nga</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Numri më i vogël</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Deri</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Numri më i madh</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Numri më i madh</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Cakton numrin më të madh</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Numri i parë</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Shenja e veprimit</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Numri i dytë</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Shkruaj përgjigjen, pastaj shtyp Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Sa sekonda ke punuar me këtë ushtrim</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Përgjigjet e sakta</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Përgjigjet e gabuara</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Përqindja e përgjigjeve të sakta</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pikët</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historiku</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Çdo përgjigje e kontrolluar, me orën e saj</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Hap në shfletues faqen me mjete mësimi</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Mjete mësimi</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Figurë që hap faqen me mjete mësimi</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Sa bën %1?</translation>
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
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>herë</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>pjesëtuar me</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: zero; 1: një; 2: dy; 3: tre; 4: katër; 5: pesë; 6: gjashtë; 7: shtatë; 8: tetë; 9: nëntë; 10: dhjetë; 11: &gt;&gt;mbëdhjetë; 20: njëzet[ e &gt;&gt;]; 30: tridhjetë[ e &gt;&gt;]; 40: dyzet[ e &gt;&gt;]; 50: pesëdhjetë[ e &gt;&gt;]; 60: gjashtëdhjetë[ e &gt;&gt;]; 70: shtatëdhjetë[ e &gt;&gt;]; 80: tetëdhjetë[ e &gt;&gt;]; 90: nëntëdhjetë[ e &gt;&gt;]; 100: &lt;&lt;qind[ e &gt;&gt;]; 1000: &lt;&lt; mijë[ e &gt;&gt;];</translation>
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
        <translation>Saktë. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Gabim. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Saktë.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Gabim.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Leximi me zë u ndez</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Leximi me zë u fik</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Numrat nga %1 deri në %2. %3</translation>
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
        <translation>Ushtrime me llogari për fëmijë: ushtrimet një nga një, secili kontrollohet sapo shtypet Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: nuk pranon skedarë ose argumente të tjera: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Lexon me zë ushtrimet dhe thotë nëse përgjigja është e saktë. %1 e ndez dhe e fik leximin.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: nuk mund të lexojë me zë: asnjë shërbim i të folurit nuk përgjigjet. Ushtrimet vazhdojnë pa zë.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: nuk mund të lexojë me zë: asnjë zë nuk e flet këtë gjuhë. Ushtrimet vazhdojnë pa zë.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: leximi me zë u ndal: shërbimi i të folurit nuk përgjigjet më. Ushtrimet vazhdojnë pa zë.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Hap dritaren në këtë madhësi, në përqindje (nga %1 deri në %2), në vend të madhësisë së ruajtur herën e fundit. %3, %4 dhe %5 e zmadhojnë, e zvogëlojnë dhe e kthejnë në madhësinë e zakonshme.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom pranon një përqindje nga %2 deri në %3, jo «%4»</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Pjesëtimi</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Shumëzimi</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Zbritja</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Mbledhja</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Fillimi</translation>
    </message>
</context>
</TS>
