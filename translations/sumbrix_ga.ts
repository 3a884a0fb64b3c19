<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ga" sourcelanguage="en">
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
        <translation>Suim</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Stair</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Tuilleadh uirlisí saor in aisce: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Scórchlár</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Do scór</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Ceart</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Botúin</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Do shuim </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Am:</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Socruithe </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>ó</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>go</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Tá Sumbrix saor in aisce.  Roinn é le cairde na n-uimhreacha.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Leagan %1 © 2026 údair Sumbrix. GNU GPL 3 nó leagan níos déanaí.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Leathanaigh</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Na leathanaigh “Suim” agus “Stair”</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Oibríocht</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Ó</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>An uimhir is lú</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>An uimhir is mó</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>An uimhir is mó</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Socraíonn sé an uimhir is mó</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>An chéad uimhir</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Comhartha na hoibríochta</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>An dara huimhir</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Scríobh an freagra, ansin brúigh Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Líon na soicindí ar an tsuim seo</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Freagraí cearta</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Freagraí míchearta</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Freagraí cearta faoin gcéad</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Scór</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Stair</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Gach freagra a ceartaíodh, agus an t-am</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Osclaíonn sé leathanach na n-uirlisí foghlama sa bhrabhsálaí</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Uirlisí foghlama</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Pictiúr a osclaíonn leathanach na n-uirlisí foghlama</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Cé mhéad é %1?</translation>
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
        <translation>móide</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>lúide</translation>
    </message>
    <message>
        <source>times</source>
        <translation>faoi</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>roinnte ar</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: a náid; 1: a haon; 2: a dó; 3: a trí; 4: a ceathair; 5: a cúig; 6: a sé; 7: a seacht; 8: a hocht; 9: a naoi; 10: a deich; 11: a haon déag; 12: a dó dhéag; 13: &gt;&gt; déag; 20: fiche[ &gt;&gt;]; 30: tríocha[ &gt;&gt;]; 40: daichead[ &gt;&gt;]; 50: caoga[ &gt;&gt;]; 60: seasca[ &gt;&gt;]; 70: seachtó[ &gt;&gt;]; 80: ochtó[ &gt;&gt;]; 90: nócha[ &gt;&gt;]; 100: céad[ &gt;&gt;]; 200: dhá chéad[ &gt;&gt;]; 300: trí chéad[ &gt;&gt;]; 400: ceithre chéad[ &gt;&gt;]; 500: cúig chéad[ &gt;&gt;]; 600: sé chéad[ &gt;&gt;]; 700: seacht gcéad[ &gt;&gt;]; 800: ocht gcéad[ &gt;&gt;]; 900: naoi gcéad[ &gt;&gt;]; 1000: míle[, &gt;&gt;]; 2000: &lt;%%thousands&lt;[, &gt;&gt;]; %%thousands: 1: =%%thousand=; 10: deich míle; 11: &gt;%%thousand&gt; dhéag; 20: fiche míle; 21: &gt;%%thousand&gt; is fiche; 30: tríocha míle; 31: &gt;%%thousand&gt; is tríocha; 40: daichead míle; 41: &gt;%%thousand&gt; is daichead; 50: caoga míle; 51: &gt;%%thousand&gt; is caoga; 60: seasca míle; 61: &gt;%%thousand&gt; is seasca; 70: seachtó míle; 71: &gt;%%thousand&gt; is seachtó; 80: ochtó míle; 81: &gt;%%thousand&gt; is ochtó; 90: nócha míle; 91: &gt;%%thousand&gt; is nócha; %%thousand: 1: aon mhíle; 2: dhá mhíle; 3: trí mhíle; 4: ceithre mhíle; 5: cúig mhíle; 6: sé mhíle; 7: seacht míle; 8: ocht míle; 9: naoi míle;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>míneas %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Ceart. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Mícheart. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Ceart.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Mícheart.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Léamh os ard ar siúl</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Léamh os ard múchta</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>An uimhir is lú, %1. An uimhir is mó, %2. %3</translation>
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
        <translation>Cleachtadh uimhríochta do pháistí: suim amháin ag an am, ceartaithe chomh luath agus a bhrúitear Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: ní ghlacann sé le comhaid ná le hargóintí eile: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Léigh na suimeanna os ard agus abair an bhfuil an freagra ceart. Cuireann %1 an léamh ar siúl agus as.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ní féidir léamh os ard: níl seirbhís urlabhra ar bith ag freagairt. Leanann an cleachtadh ar aghaidh gan fuaim.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ní féidir léamh os ard: níl guth ar bith ann don teanga seo. Leanann an cleachtadh ar aghaidh gan fuaim.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: stopadh an léamh os ard: níl an tseirbhís urlabhra ag freagairt níos mó. Leanann an cleachtadh ar aghaidh gan fuaim.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Oscail an fhuinneog ag an méid seo, mar chéatadán (ó %1 go %2), in áit an mhéid a coinníodh ón uair dheireanach. Méadaíonn %3 í, laghdaíonn %4 í agus cuireann %5 ar ais ina gnáthmhéid í.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: glacann --zoom le céatadán ó %2 go %3, ní le “%4”</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Roinnt</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Iolrú</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Dealú</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suimiú</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Tús</translation>
    </message>
</context>
</TS>
