<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr" sourcelanguage="en">
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
        <translation>Задатак</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Историја</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Још бесплатних програма: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Резултати</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Твоји поени</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Добро</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Лоше</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Твој задатак </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Сек.</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Подешавања </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>од</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>до</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix је бесплатан.  Подели га са свима који воле бројеве.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Верзија %1 © 2026 аутори Sumbrix-а. GNU GPL 3 или новија.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Странице</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Странице „Задатак“ и „Историја“</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Рачунска операција</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Од</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Најмањи број</translation>
    </message>
    <message>
        <source>To</source>
        <translation>До</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Највећи број</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Највећи број</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Поставља највећи број</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Први број</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Рачунски знак</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Други број</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Упиши резултат и притисни Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Колико секунди решаваш овај задатак</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Тачни одговори</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Нетачни одговори</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Проценат тачних одговора</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Поени</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Историја</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Сви проверени одговори и време сваког</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Отвара у прегледачу страницу са програмима за учење</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Програми за учење</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Слика која отвара страницу са програмима за учење</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Колико је %1?</translation>
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
        <translation>плус</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>минус</translation>
    </message>
    <message>
        <source>times</source>
        <translation>пута</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>подељено са</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%main: 0: нула; 1: један; 2: два; 3: три; 4: четири; 5: пет; 6: шест; 7: седам; 8: осам; 9: девет; 10: десет; 11: једанаест; 12: дванаест; 13: тринаест; 14: четрнаест; 15: петнаест; 16: шеснаест; 17: седамнаест; 18: осамнаест; 19: деветнаест; 20: двадесет[ и &gt;&gt;]; 30: тридесет[ и &gt;&gt;]; 40: четрдесет[ и &gt;&gt;]; 50: педесет[ и &gt;&gt;]; 60: шездесет[ и &gt;&gt;]; 70: седамдесет[ и &gt;&gt;]; 80: осамдесет[ и &gt;&gt;]; 90: деведесет[ и &gt;&gt;]; 100: сто[ &gt;&gt;]; 200: двеста[ &gt;&gt;]; 300: триста[ &gt;&gt;]; 400: четиристо[ &gt;&gt;]; 500: петсто[ &gt;&gt;]; 600: шестсто[ &gt;&gt;]; 700: седамсто[ &gt;&gt;]; 800: осамсто[ &gt;&gt;]; 900: деветсто[ &gt;&gt;]; 1000: &lt;%%th&lt;[ &gt;&gt;]; %%th: 1: хиљаду; 2: две хиљаде; 3: три хиљаде; 4: четири хиљаде; 5: =%main= хиљада; 20: двадесет &gt;%%thu&gt;; 30: тридесет &gt;%%thu&gt;; %%thu: 0: хиљада; 1: и једна хиљада; 2: и две хиљаде; 3: и три хиљаде; 4: и четири хиљаде; 5: и =%main= хиљада;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>минус %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Тачно. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Нетачно. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Тачно.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Нетачно.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Читање наглас укључено</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Читање наглас искључено</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Најмањи број %1, највећи %2. %3</translation>
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
        <translation>Вежбање рачунања за децу: један задатак за другим, проверен чим се притисне тастер Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: не прима датотеке ни друге аргументе: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Чита задатке наглас и каже да ли је одговор тачан. %1 укључује и искључује читање.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: читање наглас није могуће: ниједна говорна услуга не одговара. Вежбање се наставља без звука.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: читање наглас није могуће: нема гласа за овај језик. Вежбање се наставља без звука.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: читање наглас је прекинуто: говорна услуга више не ради. Вежбање се наставља без звука.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Отвара прозор у овој величини, у процентима (од %1 до %2), уместо величине запамћене при прошлом покретању. %3, %4 и %5 повећавају, смањују и враћају уобичајену величину.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom прима вредност од %2 до %3 процената, а не „%4“</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Дељење</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Множење</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Одузимање</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Сабирање</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Почетак</translation>
    </message>
</context>
</TS>
