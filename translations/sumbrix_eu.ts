<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu" sourcelanguage="en">
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
        <translation>Eragiketa</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Ikasteko doako tresna gehiago: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Emaitzak</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Zure puntuak</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Ondo</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Gaizki</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Zure eragiketa </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Seg.</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Aukerak </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>behe</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>goi</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix doakoa da.  Partekatu zenbakizaleekin.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>%1 bertsioa © 2026 Sumbrixen egileak. GNU GPL 3 edo berriagoa.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Orriak</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>«Eragiketa» eta «Historia» orriak</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Eragiketa mota</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Nondik</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Zenbakirik txikiena</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Noraino</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Zenbakirik handiena</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Zenbakirik handiena</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Zenbakirik handiena aukeratzen du</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Lehen zenbakia</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Eragiketaren ikurra</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Bigarren zenbakia</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Idatzi emaitza eta sakatu Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Eragiketa honetako segundoak</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Erantzun zuzenak</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Erantzun okerrak</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Erantzun zuzenen ehunekoa</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuak</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Zuzendutako erantzun guztiak, orduarekin</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Ikasteko tresnen orria irekitzen du nabigatzailean</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Ikasteko tresnak</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Ikasteko tresnen orria irekitzen duen irudia</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Zenbat da %1?</translation>
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
        <translation>gehi</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>ken</translation>
    </message>
    <message>
        <source>times</source>
        <translation>bider</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>zati</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: zero; 1: bat; 2: bi; 3: hiru; 4: lau; 5: bost; 6: sei; 7: zazpi; 8: zortzi; 9: bederatzi; 10: hamar; 11: hamaika; 12: hama&gt;&gt;; 18: hemezortzi; 19: hemeretzi; 20: hogei; 21/20: hogeita &gt;&gt;; 40: berrogei; 41/20: berrogeita &gt;&gt;; 60: hirurogei; 61/20: hirurogeita &gt;&gt;; 80: laurogei; 81/20: laurogeita &gt;&gt;; 100: ehun[ eta &gt;&gt;]; 200: berrehun[ eta &gt;&gt;]; 300: hirurehun[ eta &gt;&gt;]; 400: laurehun[ eta &gt;&gt;]; 500: bostehun[ eta &gt;&gt;]; 600: seiehun[ eta &gt;&gt;]; 700: zazpiehun[ eta &gt;&gt;]; 800: zortziehun[ eta &gt;&gt;]; 900: bederatziehun[ eta &gt;&gt;]; 1000: mila[&gt;%%after-mila&gt;]; 2000: &lt;&lt; mila[&gt;%%after-mila&gt;]; %%after-mila: 1: &apos; eta =%spellout=; 100: &gt;%%eta-if-round&gt;=%spellout=; %%eta-if-round: 0: &apos; eta ; 1: &apos; ;</translation>
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
        <translation>Ondo. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Gaizki. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Ondo.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Gaizki.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Ozen irakurtzea piztuta</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Ozen irakurtzea itzalita</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Zenbakirik txikiena %1, handiena %2. %3</translation>
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
        <translation>Kalkulu-ariketak haurrentzat: eragiketa bat aldiko, Enter sakatu bezain laster zuzenduta.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: ez du fitxategirik ez beste argumenturik onartzen: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Eragiketak ozen irakurtzen ditu eta erantzuna ondo dagoen esaten du. %1 teklak ozen irakurtzea piztu eta itzaltzen du.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ezin da ozen irakurri: ez du ahots-zerbitzu batek ere erantzuten. Ariketak aurrera jarraitzen du, soinurik gabe.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ezin da ozen irakurri: ez dago hizkuntza hau hitz egiten duen ahotsik. Ariketak aurrera jarraitzen du, soinurik gabe.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ozen irakurtzea gelditu da: ahots-zerbitzuak ez du gehiago erantzuten. Ariketak aurrera jarraitzen du, soinurik gabe.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Leihoa tamaina honetan irekitzen du, ehunekotan (%1 eta %2 artean), azken aldian gordetako tamainaren ordez. %3, %4 eta %5 teklek leihoa handitu, txikitu eta ohiko tamainara itzultzen dute.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom aukerak %2 eta %3 arteko ehunekoa onartzen du, ez «%4»</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Zatiketa</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Biderketa</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Kenketa</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Batuketa</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Hasiera</translation>
    </message>
</context>
</TS>
