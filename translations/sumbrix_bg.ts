<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg" sourcelanguage="en">
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
        <translation>История</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Още безплатни програми: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Резултати</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Твоите точки</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Добре</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Зле</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Твоята задача </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Сек.</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Настройки </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>от</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>до</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix е безплатна програма.  Сподели я с всички, които обичат числата.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Версия %1 © 2026 авторите на Sumbrix. GNU GPL 3 или по-нова.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Страници</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Страници „Задача“ и „История“</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>From</source>
        <translation>От</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Най-малкото число</translation>
    </message>
    <message>
        <source>To</source>
        <translation>До</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Най-голямото число</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Най-голямото число</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Избира най-голямото число</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Първо число</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Знак на действието</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Второ число</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Напиши отговора и натисни Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Колко секунди решаваш тази задача</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Верни отговори</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Грешни отговори</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Процент верни отговори</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Точки</translation>
    </message>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Всички проверени отговори и часът на всеки</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Отваря в браузъра страницата с програми за учене</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Програми за учене</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Картинка, която отваря страницата с програми за учене</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Колко е %1?</translation>
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
        <translation>плюс</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>минус</translation>
    </message>
    <message>
        <source>times</source>
        <translation>по</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>дѐлено на</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%main: 0: =0=; 1000: &lt;%%th&lt;[ &gt;%%rest&gt;]; %%th: 1: хиляда; 2: =0= хѝляди; 21: 20 и една хѝляди; 22: =0= хѝляди; 31: 30 и една хѝляди; 32: =0= хѝляди; %%rest: 1: и =0=; 21: =0=; 30: и =0=; 31: =0=; 40: и =0=; 41: =0=; 50: и =0=; 51: =0=; 60: и =0=; 61: =0=; 70: и =0=; 71: =0=; 80: и =0=; 81: =0=; 90: и =0=; 91: =0=; 100: и =0=; 101: =0=; 200: и =0=; 201: =0=; 300: и =0=; 301: =0=; 400: и =0=; 401: =0=; 500: и =0=; 501: =0=; 600: и =0=; 601: =0=; 700: и =0=; 701: =0=; 800: и =0=; 801: =0=; 900: и =0=; 901: =0=;</translation>
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
        <translation>Вярно. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Грешно. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Вярно.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Грешно.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Чета на глас.</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Вече не чета на глас.</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Числата са от %1 до %2. %3</translation>
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
        <translation>Упражнения по смятане за деца: задачите идват една по една и всяка се проверява веднага щом се натисне Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: не приема файлове или други аргументи: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Чете на глас задачите и казва дали отговорът е верен. %1 включва и изключва четенето.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: не може да чете на глас: никоя услуга за синтез на реч не отговаря. Упражнението продължава без звук.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: не може да чете на глас: няма глас за този език. Упражнението продължава без звук.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: четенето на глас спря: услугата за синтез на реч престана да работи. Упражнението продължава без звук.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Отваря прозореца в този мащаб, в проценти (от %1 до %2), вместо запомнения от предишното пускане. %3, %4 и %5 увеличават, намаляват и връщат обичайния мащаб.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom приема стойност от %2 до %3 процента, а не „%4“</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Деление</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Умножение</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Изваждане</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Събиране</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Начало</translation>
    </message>
</context>
</TS>
