<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mk" sourcelanguage="en">
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
        <translation>Задача</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Историја</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Уште бесплатни програми: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Резултати</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Твои поени</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Добро</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Лошо</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Твојата задача </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Сек.</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Поставки </translation>
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
        <translation>Sumbrix е бесплатен.  Сподели го со сите што сакаат броеви.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Верзија %1 © 2026 авторите на Sumbrix. GNU GPL 3 или понова.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Страници</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Страници „Задача“ и „Историја“</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Математичка операција</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Од</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Најмалиот број</translation>
    </message>
    <message>
        <source>To</source>
        <translation>До</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Најголемиот број</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Најголемиот број</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Го избира најголемиот број</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Прв број</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Знак на операцијата</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Втор број</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Напиши го одговорот и притисни Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Колку секунди ја решаваш оваа задача</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Точни одговори</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Неточни одговори</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Процент точни одговори</translation>
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
        <translation>Сите проверени одговори и времето на секој</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Ја отвора во прелистувачот страницата „Програми за учење“</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Програми за учење</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Слика што ја отвора страницата „Програми за учење“</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Колку е %1?</translation>
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
        <translation>пати</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>поделено со́</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%main: 0: нула; 1: еден; 2: два; 3: три; 4: четири; 5: пет; 6: шест; 7: седум; 8: осум; 9: девет; 10: десет; 11: единаесет; 12: дванаесет; 13: тринаесет; 14: четиринаесет; 15: петнаесет; 16: шеснаесет; 17: седумнаесет; 18: осумнаесет; 19: деветнаесет; 20: дваесет[ и &gt;&gt;]; 30: триесет[ и &gt;&gt;]; 40: четириесет[ и &gt;&gt;]; 50: педесет[ и &gt;&gt;]; 60: шеесет[ и &gt;&gt;]; 70: седумдесет[ и &gt;&gt;]; 80: осумдесет[ и &gt;&gt;]; 90: деведесет[ и &gt;&gt;]; 100: сто[ &gt;%%rest&gt;]; 200: двесте[ &gt;%%rest&gt;]; 300: триста[ &gt;%%rest&gt;]; 400: четиристотини[ &gt;%%rest&gt;]; 500: петстотини[ &gt;%%rest&gt;]; 600: шестотини[ &gt;%%rest&gt;]; 700: седумстотини[ &gt;%%rest&gt;]; 800: осумстотини[ &gt;%%rest&gt;]; 900: деветстотини[ &gt;%%rest&gt;]; 1000: &lt;%%th&lt;[ &gt;%%rest&gt;]; %%th: 1: илјада; 2: две илјади; 3: =%main= илјади; 20: дваесет &gt;%%thu&gt;; 30: триесет &gt;%%thu&gt;; %%thu: 0: илјади; 1: и една илјада; 2: и две илјади; 3: и =%main= илјади; %%rest: 1: и =%main=; 21: =%main=; 30: и =%main=; 31: =%main=; 40: и =%main=; 41: =%main=; 50: и =%main=; 51: =%main=; 60: и =%main=; 61: =%main=; 70: и =%main=; 71: =%main=; 80: и =%main=; 81: =%main=; 90: и =%main=; 91: =%main=; 100: и =%main=; 101: =%main=; 200: и =%main=; 201: =%main=; 300: и =%main=; 301: =%main=; 400: и =%main=; 401: =%main=; 500: и =%main=; 501: =%main=; 600: и =%main=; 601: =%main=; 700: и =%main=; 701: =%main=; 800: и =%main=; 801: =%main=; 900: и =%main=; 901: =%main=;</translation>
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
        <translation>Точно. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Неточно. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Точно.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Неточно.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Читањето на глас е вклучено</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Читањето на глас е исклучено</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Најмалиот број е %1, најголемиот е %2. %3</translation>
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
        <translation>Вежби по сметање за деца: задачите доаѓаат една по една и секоја се проверува штом ќе се притисне Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: не прима датотеки ни други аргументи: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Ги чита задачите на глас и кажува дали одговорот е точен. %1 го вклучува и исклучува читањето.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: не може да чита на глас: ниедна говорна услуга не одговара. Вежбата продолжува без звук.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: не може да чита на глас: нема глас за овој јазик. Вежбата продолжува без звук.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: читањето на глас запре: говорната услуга престана да работи. Вежбата продолжува без звук.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Го отвора прозорецот во оваа големина, во проценти (од %1 до %2), наместо големината запомнета од минатиот пат. %3, %4 и %5 зголемуваат, намалуваат и ја враќаат обичната големина.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom прима вредност од %2 до %3 проценти, а не „%4“</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Делење</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Множење</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Одземање</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Собирање</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Почеток</translation>
    </message>
</context>
</TS>
