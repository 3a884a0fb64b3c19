<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl" sourcelanguage="en">
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
        <translation>Račun</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Zgodovina</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Še več brezplačnih programov: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Rezultati</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Tvoje točke</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Dobro</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Slabo</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Tvoj račun </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Čas:</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Nastavitve </translation>
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
        <translation>Sumbrix je brezplačen.  Deli ga z vsemi, ki imajo radi števila.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Različica %1 © 2026 avtorji Sumbrixa. GNU GPL 3 ali novejša.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strani</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Strani »Račun« in »Zgodovina«</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Računska operacija</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Najmanjše število</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Največje število</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Največje število</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Nastavi največje število</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Prvo število</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Računski znak</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Drugo število</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Napiši rezultat in pritisni Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Koliko sekund že računaš ta račun</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Pravilni odgovori</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Napačni odgovori</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Odstotek pravilnih odgovorov</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Točke</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Zgodovina</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Vsi preverjeni odgovori s časom</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>V brskalniku odpre stran z učnimi programi</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Učni programi</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Slika, ki odpre stran z učnimi programi</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Koliko je %1?</translation>
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
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>krat</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>deljeno s številom</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%plain:
0: =%%h=; 1000: tisoč[ &gt;%%h&gt;]; 2000: &lt;%%h&lt; tisoč[ &gt;%%h&gt;];
%instrumental:
0: z nič; 1: z ena; 2: z dvema; 3: s tremi; 4: s štirimi; 5: s pétimi; 6: s šêstimi; 7: s sêdmimi; 8: z ôsmimi; 9: z devêtimi;
10: z desêtimi; 11: z enájstimi; 12: z dvanájstimi; 13: s trinájstimi; 14: s štirinájstimi; 15: s petnájstimi; 16: s šestnájstimi; 17: s sedemnájstimi; 18: z osemnájstimi; 19: z devetnájstimi;
20: z dvájsetimi; 21: &gt;%%unit-z&gt;indvájsetimi; 30: s trídesetimi; 31: &gt;%%unit-z&gt;intrídesetimi; 40: s štíridesetimi; 41: &gt;%%unit-z&gt;inštíridesetimi; 50: s pétdesetimi; 51: &gt;%%unit-z&gt;inpétdesetimi; 60: s šêstdesetimi; 61: &gt;%%unit-z&gt;inšêstdesetimi; 70: s sêdemdesetimi; 71: &gt;%%unit-z&gt;insêdemdesetimi; 80: z ôsemdesetimi; 81: &gt;%%unit-z&gt;inôsemdesetimi; 90: z devêtdesetimi; 91: &gt;%%unit-z&gt;indevêtdesetimi;
100: s sto[ &gt;%%bare&gt;]; 200: z dvesto[ &gt;%%bare&gt;]; 300: s tristo[ &gt;%%bare&gt;]; 400: s štiristo[ &gt;%%bare&gt;]; 500: s petsto[ &gt;%%bare&gt;]; 600: s šeststo[ &gt;%%bare&gt;]; 700: s sedemsto[ &gt;%%bare&gt;]; 800: z osemsto[ &gt;%%bare&gt;]; 900: z devetsto[ &gt;%%bare&gt;];
1000: =%plain=;
%%bare:
0: nič; 1: ena; 2: dvema; 3: tremi; 4: štirimi; 5: pétimi; 6: šêstimi; 7: sêdmimi; 8: ôsmimi; 9: devêtimi;
10: desêtimi; 11: enájstimi; 12: dvanájstimi; 13: trinájstimi; 14: štirinájstimi; 15: petnájstimi; 16: šestnájstimi; 17: sedemnájstimi; 18: osemnájstimi; 19: devetnájstimi;
20: dvájsetimi; 21: &gt;%%unit&gt;indvájsetimi; 30: trídesetimi; 31: &gt;%%unit&gt;intrídesetimi; 40: štíridesetimi; 41: &gt;%%unit&gt;inštíridesetimi; 50: pétdesetimi; 51: &gt;%%unit&gt;inpétdesetimi; 60: šêstdesetimi; 61: &gt;%%unit&gt;inšêstdesetimi; 70: sêdemdesetimi; 71: &gt;%%unit&gt;insêdemdesetimi; 80: ôsemdesetimi; 81: &gt;%%unit&gt;inôsemdesetimi; 90: devêtdesetimi; 91: &gt;%%unit&gt;indevêtdesetimi;
%%unit: 1: ena; 2: dva; 3: tri; 4: štiri; 5: pet; 6: šest; 7: sedem; 8: osem; 9: devet;
%%unit-z: 1: z ena; 2: z dva; 3: s tri; 4: s štiri; 5: s pet; 6: s šest; 7: s sedem; 8: z osem; 9: z devet;
%%h:
0: =0=; 12: =%%teen=; 20: =0=; 112: sto &gt;%%teen&gt;; 120: =0=; 212: 200 &gt;%%teen&gt;; 220: =0=; 312: 300 &gt;%%teen&gt;; 320: =0=; 412: 400 &gt;%%teen&gt;; 420: =0=; 512: 500 &gt;%%teen&gt;; 520: =0=; 612: 600 &gt;%%teen&gt;; 620: =0=; 712: 700 &gt;%%teen&gt;; 720: =0=; 812: 800 &gt;%%teen&gt;; 820: =0=; 912: 900 &gt;%%teen&gt;; 920: =0=;
%%teen: 12: dvanájst; 13: trinájst; 14: štirinájst; 15: petnájst; 16: šestnájst; 17: sedemnájst; 18: osemnájst; 19: devetnájst;</translation>
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
        <translation>Pravilno. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Napačno. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Pravilno.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Napačno.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Branje na glas vklopljeno</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Branje na glas izklopljeno</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Najmanjše število %1, največje %2. %3</translation>
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
        <translation>%1 deljeno %2{%instrumental}</translation>
    </message>
</context>
<context>
    <name>sumbrix</name>
    <message>
        <source>An arithmetic drill for children: one problem at a time, graded as soon as Enter is pressed.</source>
        <translation>Vaje iz računanja za otroke: en račun za drugim, preverjen takoj, ko pritisneš tipko Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: ne sprejme datotek ali drugih argumentov: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Na glas bere račune in pove, ali je odgovor pravilen. %1 branje vklopi in izklopi.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: branje na glas ni mogoče: nobena govorna storitev se ne odziva. Vaje se nadaljujejo brez zvoka.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: branje na glas ni mogoče: za ta jezik ni nobenega glasu. Vaje se nadaljujejo brez zvoka.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: branje na glas se je ustavilo: govorna storitev ne deluje več. Vaje se nadaljujejo brez zvoka.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Okno odpre v tej povečavi, v odstotkih (od %1 do %2), namesto povečave, shranjene ob zadnjem zagonu. %3, %4 in %5 povečajo, pomanjšajo in povrnejo običajno velikost.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom sprejme vrednost od %2 do %3 odstotkov, ne pa „%4“</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Deljenje</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Množenje</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Odštevanje</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Seštevanje</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Začetek</translation>
    </message>
</context>
</TS>
