<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et" sourcelanguage="en">
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
        <translation>Ülesanne</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Ajalugu</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Veel tasuta õppevahendeid: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Tulemused</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Sinu punktid</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Õige</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Vale</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Sinu ülesanne </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Aeg:</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Vali </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>algus</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>lõpp</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix on tasuta.  Jaga seda kõigiga, kellele meeldivad arvud.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Versioon %1 © 2026 Sumbrixi autorid. GNU GPL 3 või uuem.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Leheküljed</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Leheküljed „Ülesanne“ ja „Ajalugu“</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Tehe</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Algus</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Väikseim arv</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Lõpp</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Suurim arv</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Suurim arv</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Määrab suurima arvu</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Esimene arv</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Tehtemärk</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Teine arv</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Kirjuta vastus ja vajuta Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Mitu sekundit sa seda ülesannet lahendad</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Õiged vastused</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Valed vastused</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Õigete vastuste protsent</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punktid</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Ajalugu</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Kõik kontrollitud vastused koos kella-ajaga</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Avab brauseris õppevahendite lehe</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Õppevahendid</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Pilt, mis avab õppevahendite lehe</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Mitu on %1?</translation>
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
        <translation>+</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>miinus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>korda</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>jagatud arvuga</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%plain: =0=;
%comitative: 0: =%%genitive=ga;
%%genitive:
0: nulli; 1: ühe; 2: kahe; 3: kolme; 4: nelja; 5: viie; 6: kuue; 7: seitsme; 8: kaheksa; 9: üheksa;
10: kümne; 11: &gt;&gt;teistkümne; 20: &lt;&lt;kümne[ &gt;&gt;];
100: saja[ &gt;&gt;]; 200: &lt;&lt;saja[ &gt;&gt;];
1000: tuhande[ &gt;&gt;]; 2000: &lt;&lt; tuhande[ &gt;&gt;];</translation>
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
        <translation>Õige. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Vale. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Õige.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Vale.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Ettelugemine sees</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Ettelugemine väljas</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Väikseim arv %1, suurim arv %2. %3</translation>
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
        <translation>%1 jagada %2{%comitative}</translation>
    </message>
</context>
<context>
    <name>sumbrix</name>
    <message>
        <source>An arithmetic drill for children: one problem at a time, graded as soon as Enter is pressed.</source>
        <translation>Arvutamise harjutus lastele: üks ülesanne korraga, vastust kontrollitakse kohe, kui Enter on vajutatud.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: ei võta faile ega muid argumente: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Loeb ülesanded ette ja ütleb, kas vastus on õige. %1 lülitab ettelugemise sisse ja välja.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ei saa ette lugeda: ükski kõneteenus ei vasta. Harjutus jätkub ilma helita.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ei saa ette lugeda: selle keele jaoks pole häält. Harjutus jätkub ilma helita.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ettelugemine katkes: kõneteenus ei vasta enam. Harjutus jätkub ilma helita.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Avab akna selles suuruses protsentides (%1 kuni %2) eelmisel korral kasutatud suuruse asemel. %3 suurendab, %4 vähendab ja %5 taastab tavalise suuruse.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom võtab protsendi vahemikus %2 kuni %3, mitte „%4“</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Jagamine</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Korrutamine</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Lahutamine</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Liitmine</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Algus</translation>
    </message>
</context>
</TS>
