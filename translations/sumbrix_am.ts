<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="am" sourcelanguage="en">
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
        <translation>ሂሳብ</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>መልሶች</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>ተጨማሪ ነጻ ፕሮግራሞች፦ %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>ውጤት</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>ነጥቦች</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>ትክክል</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>ስህተት</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>የአሁኑ ሂሳብ </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>ጊዜ</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>ምርጫ </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>ከ</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>እስከ</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix ነጻ ነው።  ቁጥር ለሚወዱ ሁሉ አጋሩት።</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>ስሪት %1 © 2026 የSumbrix ደራሲዎች። GNU GPL 3 ወይም ከዚያ በኋላ ያለው።</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>ገጾች</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>የ«ሂሳብ» እና የ«መልሶች» ገጾች</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>የሂሳብ ዓይነት</translation>
    </message>
    <message>
        <source>From</source>
        <translation>ትንሹ ቁጥር</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>በሂሳቦቹ ውስጥ ያለ ትንሹ ቁጥር</translation>
    </message>
    <message>
        <source>To</source>
        <translation>ትልቁ ቁጥር</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>በሂሳቦቹ ውስጥ ያለ ትልቁ ቁጥር</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>ትልቁ ቁጥር</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>በሂሳቦቹ ውስጥ ያለውን ትልቁን ቁጥር ይመርጣል</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>የመጀመሪያው ቁጥር</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>የሂሳብ ምልክት</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>ሁለተኛው ቁጥር</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>መልሱን ጻፉ፣ ከዚያ Enter ቁልፍን ተጫኑ</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>በዚህ ሂሳብ ላይ ያለፉ ሰከንዶች</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>ልክ የሆኑ መልሶች</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>የተሳሳቱ መልሶች</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>ልክ የሆኑ መልሶች በመቶኛ</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>ነጥብ</translation>
    </message>
    <message>
        <source>History</source>
        <translation>መልሶች</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>የታረመ እያንዳንዱ መልስ ከሰዓቱ ጋር</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>የመማሪያ ፕሮግራሞችን ገጽ በአሳሹ ይከፍታል</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>የመማሪያ ፕሮግራሞች</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>የመማሪያ ፕሮግራሞችን ገጽ የሚከፍት ሥዕል</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>%1 ስንት ነው?</translation>
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
        <translation>ሲደመር</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>ሲቀነስ</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ጊዜ</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>ሲካፈል ለ</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>digits</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>አሉታዊ %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>ልክ ነው። %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>ልክ አይደለም። %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>ልክ ነው።</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>ልክ አይደለም።</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>ጮክ ብሎ ማንበብ በርቷል</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>ጮክ ብሎ ማንበብ ጠፍቷል</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>ትንሹ ቁጥር %1፣ ትልቁ ቁጥር %2። %3</translation>
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
        <translation>ለልጆች የሂሳብ ልምምድ፦ በአንድ ጊዜ አንድ ሂሳብ፣ Enter እንደተጫነ ወዲያውኑ ይታረማል።</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: ፋይሎችን ወይም ሌሎች ነጋሪ እሴቶችን አይቀበልም: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>ሂሳቦቹን ጮክ ብሎ ያነባል፣ መልሱ ትክክል መሆኑን ወይም አለመሆኑን ይናገራል። %1 ጮክ ብሎ ማንበብን ያበራል እና ያጠፋል።</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ጮክ ብሎ ማንበብ አይቻልም: ምንም የንግግር አገልግሎት አይመልስም። ልምምዱ ያለ ድምፅ ይቀጥላል።</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ጮክ ብሎ ማንበብ አይቻልም: ይህን ቋንቋ የሚናገር ድምፅ የለም። ልምምዱ ያለ ድምፅ ይቀጥላል።</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ጮክ ብሎ ማንበብ ቆሟል: የንግግር አገልግሎቱ ተቋርጧል። ልምምዱ ያለ ድምፅ ይቀጥላል።</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>ባለፈው ጊዜ ከተቀመጠው መጠን ይልቅ መስኮቱን በዚህ መጠን ይከፍታል፤ መጠኑ በመቶኛ ከ%1 እስከ %2 ነው። %3፣ %4 እና %5 መስኮቱን ያጎላሉ፣ ያሳንሳሉ እና ወደ መደበኛ መጠኑ ይመልሳሉ።</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom የሚቀበለው ከ%2 እስከ %3 ያለ መቶኛ ነው እንጂ «%4» አይደለም</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>ማካፈል</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>ማባዛት</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>መቀነስ</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>መደመር</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>መጀመሪያ</translation>
    </message>
</context>
</TS>
