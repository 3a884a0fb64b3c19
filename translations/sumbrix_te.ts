<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="te" sourcelanguage="en">
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
        <translation>లెక్క</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>జవాబులు</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>మరిన్ని ఉచిత సాధనాలు: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>ఫలితం</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>నీ మార్కులు</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>సరి</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>తప్పు</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>నీ లెక్క </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>కాలం</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>ఎంపిక </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>చిన్న</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>పెద్ద</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix ఉచితం.  సంఖ్యలు ఇష్టపడే అందరితో పంచుకో.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>వెర్షన్ %1 © 2026 Sumbrix రచయితలు. GNU GPL 3 లేదా తర్వాతి వెర్షన్.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>పేజీలు</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>లెక్క, జవాబులు అనే రెండు పేజీలు</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>లెక్క రకం</translation>
    </message>
    <message>
        <source>From</source>
        <translation>అన్నిటికంటే చిన్న సంఖ్య</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>లెక్కల్లో వచ్చే అన్నిటికంటే చిన్న సంఖ్య</translation>
    </message>
    <message>
        <source>To</source>
        <translation>అన్నిటికంటే పెద్ద సంఖ్య</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>లెక్కల్లో వచ్చే అన్నిటికంటే పెద్ద సంఖ్య</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>అన్నిటికంటే పెద్ద సంఖ్య</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>లెక్కల్లో వచ్చే అన్నిటికంటే పెద్ద సంఖ్యను ఎంచుకుంటుంది</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>మొదటి సంఖ్య</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>గుర్తు</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>రెండో సంఖ్య</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>జవాబు రాయి, తర్వాత Enter నొక్కు</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>ఈ లెక్కకు పట్టిన సెకన్లు</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>సరైన జవాబులు</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>తప్పు జవాబులు</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>సరైన జవాబుల శాతం</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>మార్కులు</translation>
    </message>
    <message>
        <source>History</source>
        <translation>జవాబుల జాబితా</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>దిద్దిన ప్రతి జవాబు, దాని సమయంతో</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>బ్రౌజర్‌లో నేర్చుకునే సాధనాల పేజీని తెరుస్తుంది</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>నేర్చుకునే సాధనాలు</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>నేర్చుకునే సాధనాల పేజీని తెరిచే బొమ్మ</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>%1, దీని జవాబు</translation>
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
        <translation>కూడిక</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>తీసివేత</translation>
    </message>
    <message>
        <source>times</source>
        <translation>గుణకారం</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>భాగహారం</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: సున్నా; 1: ఒకటి; 2: రెండు; 3: మూడు; 4: నాలుగు; 5: ఐదు; 6: ఆరు; 7: ఏడు; 8: ఎనిమిది; 9: తొమ్మిది; 10: పది; 11: పదకొండు; 12: పన్నెండు; 13: పదమూడు; 14: పద్నాలుగు; 15: పదిహేను; 16: పదహారు; 17: పదిహేడు; 18: పద్దెనిమిది; 19: పంతొమ్మిది; 20: ఇరవై[ &gt;&gt;]; 30: ముప్పై[ &gt;&gt;]; 40: నలభై[ &gt;&gt;]; 50: యాభై[ &gt;&gt;]; 60: అరవై[ &gt;&gt;]; 70: డెబ్బై[ &gt;&gt;]; 80: ఎనభై[ &gt;&gt;]; 90: తొమ్భై[ &gt;&gt;]; 100: వంద; 101: నూట &gt;&gt;; 200: &lt;&lt; వంద&gt;%%plural&gt;; 1000: వెయ్యి[ &gt;&gt;]; 2000: &lt;%%kilo&lt; వే&gt;%%plural&gt;; %%plural: 0: లు; 1: ల =%spellout=; %%kilo: 0: =%spellout=; 21: ఇరవై ఒక్క; 22: =%spellout=; 31: ముప్పై ఒక్క; 32: =%spellout=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>మైనస్ %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>సరైన జవాబు. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>తప్పు జవాబు. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>సరైన జవాబు.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>తప్పు జవాబు.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>గట్టిగా చదవడం మొదలైంది</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>గట్టిగా చదవడం ఆగింది</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>సంఖ్యలు %1 నుండి %2 వరకు. %3</translation>
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
        <translation>పిల్లల కోసం లెక్కల సాధన: ఒక్కసారికి ఒక్క లెక్క, Enter నొక్కగానే దిద్దుతుంది.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: ఫైళ్లను గానీ వేరే ఆర్గ్యుమెంట్లను గానీ తీసుకోదు: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>లెక్కలను, జవాబు సరైనదో తప్పో గట్టిగా చదువుతుంది. %1 దీన్ని ఆన్, ఆఫ్ చేస్తుంది.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: గట్టిగా చదవలేదు: ఏ మాటల సేవా స్పందించడం లేదు. సాధన శబ్దం లేకుండా కొనసాగుతుంది.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: గట్టిగా చదవలేదు: ఈ భాష మాట్లాడే గొంతు ఏదీ లేదు. సాధన శబ్దం లేకుండా కొనసాగుతుంది.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: గట్టిగా చదవడం ఆగింది: మాటల సేవ ఆగిపోయింది. సాధన శబ్దం లేకుండా కొనసాగుతుంది.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>గతసారి ఉంచిన పరిమాణానికి బదులు ఈ పరిమాణంలో (%1 నుండి %2 శాతం) తెరుచుకుంటుంది. %3 దీన్ని పెద్దగా చేస్తుంది, %4 చిన్నగా చేస్తుంది, %5 తిరిగి మామూలు పరిమాణానికి తెస్తుంది.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom %2 నుండి %3 వరకు శాతాన్ని తీసుకుంటుంది, “%4” కాదు</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>భాగహారం</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>గుణకారం</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>తీసివేత</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>కూడిక</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>మొదలు</translation>
    </message>
</context>
</TS>
