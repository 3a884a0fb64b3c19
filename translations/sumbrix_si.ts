<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="si" sourcelanguage="en">
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
        <translation>ගණනය</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>පිළිතුරු</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>තවත් නොමිලේ ක්‍රීඩා: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>ලකුණු පුවරුව</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>ඔබේ ලකුණු</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>හරි</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>වැරදි</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>ඔබේ ගණනය </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>තත්.</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>තෝරන්න </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>මුල</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>අග</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix නොමිලේ.  සංඛ්‍යාවලට කැමති හැමෝටම එය දෙන්න.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>අනුවාදය %1 © 2026 Sumbrix කතුවරුන්. GNU GPL 3 හෝ පසු.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>පිටු</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>ගණනය සහ පිළිතුරු පිටු</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>ගණනයේ වර්ගය</translation>
    </message>
    <message>
        <source>From</source>
        <translation>කුඩාම සංඛ්යාව</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>ගණනයට එන කුඩාම සංඛ්යාව</translation>
    </message>
    <message>
        <source>To</source>
        <translation>විශාලම සංඛ්යාව</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>ගණනයට එන විශාලම සංඛ්යාව</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>විශාලම සංඛ්යාව</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>ගණනයට එන විශාලම සංඛ්යාව තෝරයි</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>පළමු සංඛ්යාව</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>ගණිත ලකුණ</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>දෙවන සංඛ්යාව</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>පිළිතුර ලියා, Enter ඔබන්න</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>මෙම ගණනයට ගත් තත්පර</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>හරි පිළිතුරු</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>වැරදි පිළිතුරු</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>හරි පිළිතුරු ප්රතිශතය</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>ලකුණු</translation>
    </message>
    <message>
        <source>History</source>
        <translation>පිළිතුරු ලැයිස්තුව</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>පරීක්ෂා කළ සෑම පිළිතුරක්ම, එහි වේලාව සමඟ</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>බ්රව්සරයේ ඉගෙනුම් මෙවලම් පිටුව විවෘත කරයි</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>ඉගෙනුම් මෙවලම්</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>ඉගෙනුම් මෙවලම් පිටුව විවෘත කරන පින්තූරය</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>%1 හි පිළිතුර</translation>
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
        <translation>එකතු</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>අඩු</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ගුණ</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>බෙදීම</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: බිංදුව; 1: එක; 2: දෙක; 3: තුන; 4: හතර; 5: පහ; 6: හය; 7: හත; 8: අට; 9: නවය; 10: දහය; 11: එකොළහ; 12: දොළහ; 13: දහතුන; 14: දාහතර; 15: පහළොව; 16: දාසය; 17: දාහත; 18: දහඅට; 19: දහනවය; 20: විස්ස; 21: විසි&gt;&gt;; 30: තිහ; 31: තිස්&gt;&gt;; 40: හතළිහ; 41: හතළිස්&gt;&gt;; 50: පනහ; 51: පනස්&gt;&gt;; 60: හැට; 61: හැට&gt;&gt;; 70: හැත්තෑව; 71: හැත්තෑ&gt;&gt;; 80: අසූව; 81: අසූ&gt;&gt;; 90: අනූව; 91: අනූ&gt;&gt;; 100: සියය; 101: එකසිය &gt;&gt;; 200: &lt;%%join&lt;සිය&gt;%%rest&gt;; 1000: දහස; 1001: එක්දහස් &gt;%%after&gt;; 2000: &lt;%%join&lt;දහ&gt;%%rest2&gt;; %%rest: 0: ය; 1: &apos; =%spellout=; %%rest2: 0: ස; 1: ස් =%%after=; %%after: 0: =%spellout=; 100: එකසියය; 101: =%spellout=; %%join: 1: එක්; 2: දෙ; 3: තුන්; 4: හාර; 5: පන්; 6: හය; 7: හත්; 8: අට; 9: නව; 10: දස; 11: එකොළොස්; 12: දොළොස්; 13: දහතුන්; 14: දාහතර; 15: පහළොස්; 16: දාසය; 17: දාහත්; 18: දහඅට; 19: දහනව; 20: විසි[&gt;&gt;]; 30: තිස්[&gt;&gt;]; 40: හතළිස්[&gt;&gt;]; 50: පනස්[&gt;&gt;]; 60: හැට[&gt;&gt;]; 70: හැත්තෑ[&gt;&gt;]; 80: අසූ[&gt;&gt;]; 90: අනූ[&gt;&gt;];</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>ඍණ %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>හරි. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>වැරදියි. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>හරි.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>වැරදියි.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>කියවීම ආරම්භ විය</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>කියවීම නතර විය</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>කුඩාම සංඛ්යාව %1, විශාලම සංඛ්යාව %2. %3</translation>
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
        <translation>ළමයින් සඳහා ගණිත පුහුණුව: වරකට එක ගණනයක්, Enter එබූ විගස පරීක්ෂා කෙරේ.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: ගොනු හෝ වෙනත් තර්ක භාර නොගනී: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>ගණනය සහ පිළිතුර හරිද වැරදිද යන්න හඬ නගා කියවයි. %1 කියවීම සක්‍රිය සහ අක්‍රිය කරයි.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: හඬ නගා කියවිය නොහැක: කථන සේවාවක් ප්‍රතිචාර නොදක්වයි. පුහුණුව හඬ නැතිව දිගටම යයි.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: හඬ නගා කියවිය නොහැක: මෙම භාෂාව කතා කරන හඬක් නැත. පුහුණුව හඬ නැතිව දිගටම යයි.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: හඬ නගා කියවීම නතර විය: කථන සේවාව නැති විය. පුහුණුව හඬ නැතිව දිගටම යයි.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>පසුගිය වර මතක තබාගත් ප්‍රමාණය වෙනුවට කවුළුව මෙම ප්‍රමාණයෙන් විවෘත කරයි, ප්‍රතිශතයෙන් (%1 සිට %2 දක්වා). %3, %4 සහ %5 ප්‍රමාණය විශාල, කුඩා සහ නැවත සාමාන්‍ය කරයි.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom %2 සිට %3 දක්වා ප්‍රතිශතයක් භාර ගනී, “%4” නොවේ</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>බෙදීම</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>ගුණ කිරීම</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>අඩු කිරීම</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>එකතු කිරීම</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>ආරම්භය</translation>
    </message>
</context>
</TS>
