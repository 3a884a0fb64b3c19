<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hy" sourcelanguage="en">
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
        <translation>Օրինակ</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Պատասխաններ</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Այլ անվճար ծրագրեր՝ %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Արդյունքներ</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Քո միավորը</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Ճիշտ</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Սխալ</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Քո օրինակը </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Վրկ.</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Ընտրություն </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>փոքր</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>մեծ</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix-ն անվճար է։  Կիսվիր դրանով բոլոր նրանց հետ, ովքեր թվեր են սիրում։</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Տարբերակ %1 © 2026 Sumbrix-ի հեղինակներ։ GNU GPL 3+։</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Էջեր</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>«Օրինակ» և «Պատասխաններ» էջերը</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Գործողություն</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Ամենափոքր թիվը</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Օրինակների ամենափոքր թիվը</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Ամենամեծ թիվը</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Օրինակների ամենամեծ թիվը</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Ամենամեծ թիվը</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Ընտրում է օրինակների ամենամեծ թիվը</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Առաջին թիվը</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Գործողության նշանը</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Երկրորդ թիվը</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Գրիր պատասխանը և սեղմիր Enter ստեղնը</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Քանի վայրկյան ես լուծում այս օրինակը</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Ճիշտ պատասխաններ</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Սխալ պատասխաններ</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Ճիշտ պատասխանների տոկոսը</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Միավորներ</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Պատասխաններ</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Ստուգված բոլոր պատասխանները և դրանց ժամը</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Բրաուզերում բացում է սովորելու ծրագրերի էջը</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Սովորելու ծրագրեր</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Նկար, որը բացում է սովորելու ծրագրերի էջը</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Որքա՞ն է %1</translation>
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
        <translation>գումարած</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>հանած</translation>
    </message>
    <message>
        <source>times</source>
        <translation>անգամ</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>բաժանած</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout:
0: զրո; 1: մեկ; 2: երկու; 3: երեք; 4: չորս; 5: հինգ; 6: վեց; 7: յոթ; 8: ութ; 9: ինը; 10: տասը; 11: տասնըմեկ; 12: տասներկու; 13: տասներեք; 14: տասնըչորս; 15: տասնըհինգ; 16: տասնըվեց; 17: տասնըյոթ; 18: տասնութ; 19: տասնինը; 20: քսան[&gt;&gt;]; 30: երեսուն[&gt;&gt;]; 40: քառասուն[&gt;&gt;]; 50: հիսուն[&gt;&gt;]; 60: վաթսուն[&gt;&gt;]; 70: յոթանասուն[&gt;&gt;]; 80: ութսուն[&gt;&gt;]; 90: իննըսուն[&gt;&gt;]; 100: հարյուր[ &gt;&gt;]; 200: &lt;&lt; հարյուր[ &gt;&gt;]; 1000: հազար[ &gt;&gt;]; 2000: &lt;&lt; հազար[ &gt;&gt;];
%dative:
0: զրոյի; 1: մեկի; 2: երկուսի; 3: երեքի; 4: չորսի; 5: հինգի; 6: վեցի; 7: յոթի; 8: ութի; 9: ինի; 10: տասի; 11: տասնըմեկի; 12: տասներկուսի; 13: տասներեքի; 14: տասնըչորսի; 15: տասնըհինգի; 16: տասնըվեցի; 17: տասնըյոթի; 18: տասնութի; 19: տասնինի; 20: քսան&gt;%%units&gt;; 30: երեսուն&gt;%%units&gt;; 40: քառասուն&gt;%%units&gt;; 50: հիսուն&gt;%%units&gt;; 60: վաթսուն&gt;%%units&gt;; 70: յոթանասուն&gt;%%units&gt;; 80: ութսուն&gt;%%units&gt;; 90: իննըսուն&gt;%%units&gt;; 100: հարյուր&gt;%%rest&gt;; 200: &lt;%spellout&lt; հարյուր&gt;%%rest&gt;; 1000: հազար&gt;%%rest&gt;; 2000: &lt;%spellout&lt; հազար&gt;%%rest&gt;;
%%units:
0: ի; 1: =%dative=;
%%rest:
0: ի; 1: &apos; =%dative=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>մինուս %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Ճիշտ է։ %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Սխալ է։ %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Ճիշտ է։</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Սխալ է։</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Բարձրաձայն ընթերցումը միացված է</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Բարձրաձայն ընթերցումն անջատված է</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Ամենափոքր թիվը %1, ամենամեծը %2։ %3</translation>
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
        <translation>%1 բաժանած %2{%dative}</translation>
    </message>
</context>
<context>
    <name>sumbrix</name>
    <message>
        <source>An arithmetic drill for children: one problem at a time, graded as soon as Enter is pressed.</source>
        <translation>Թվաբանության վարժանք երեխաների համար։ Ամեն անգամ մեկ օրինակ, որը ստուգվում է Enter սեղմելուն պես։</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: ֆայլեր կամ այլ արգումենտներ չի ընդունում՝ %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Բարձրաձայն կարդում է օրինակները և ասում՝ պատասխանը ճիշտ է, թե սխալ։ %1-ը միացնում և անջատում է բարձրաձայն ընթերցումը։</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: հնարավոր չէ բարձրաձայն կարդալ՝ խոսքի ծառայությունը չի պատասխանում։ Վարժանքը շարունակվում է առանց ձայնի։</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: հնարավոր չէ բարձրաձայն կարդալ՝ այս լեզվով խոսող ձայն չկա։ Վարժանքը շարունակվում է առանց ձայնի։</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: բարձրաձայն ընթերցումը դադարեց՝ խոսքի ծառայությունն անջատվեց։ Վարժանքը շարունակվում է առանց ձայնի։</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Պատուհանը բացում է այս չափով, տոկոսներով (%1-ից մինչև %2), վերջին անգամ պահված չափի փոխարեն։ %3, %4 և %5 ստեղները մեծացնում, փոքրացնում և վերադարձնում են սովորական չափին։</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom-ը ընդունում է %2-ից մինչև %3 տոկոս, ոչ թե «%4»</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Բաժանում</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Բազմապատկում</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Հանում</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Գումարում</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Սկիզբ</translation>
    </message>
</context>
</TS>
