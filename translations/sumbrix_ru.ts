<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
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
        <translation>Пример</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>История</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Ещё программы для учёбы: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Твои очки</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Верно</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Не так</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Твой пример </translation>
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
        <translation>Sumbrix — бесплатная программа.  Поделись ею со всеми, кто любит числа.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Версия %1 © 2026 авторы Sumbrix. GNU GPL 3 или более поздняя.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Страницы</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Страницы «Пример» и «История»</translation>
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
        <translation>Самое маленькое число</translation>
    </message>
    <message>
        <source>To</source>
        <translation>До</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Самое большое число</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Самое большое число</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Задаёт самое большое число</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Первое число</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Знак действия</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Второе число</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Напиши ответ и нажми Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Сколько секунд ты решаешь этот пример</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Верные ответы</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Неверные ответы</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Процент верных ответов</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Все проверенные ответы и их время</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Открывает в браузере страницу с программами для учёбы</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Программы для учёбы</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Картинка, которая открывает страницу с программами для учёбы</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Сколько будет %1?</translation>
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
        <translation>умножить на</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>разделить на</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%main: 0: ноль; 1: один; 2: два; 3: три; 4: четыре; 5: пять; 6: шесть; 7: семь; 8: восемь; 9: девять; 10: десять; 11: одиннадцать; 12: двенадцать; 13: тринадцать; 14: четырнадцать; 15: пятнадцать; 16: шестнадцать; 17: семнадцать; 18: восемнадцать; 19: девятнадцать; 20: двадцать[ &gt;&gt;]; 30: тридцать[ &gt;&gt;]; 40: сорокь[ &gt;&gt;]; 50: пятьдесят[ &gt;&gt;]; 60: шестьдесят[ &gt;&gt;]; 70: семьдесят[ &gt;&gt;]; 80: восемьдесят[ &gt;&gt;]; 90: девяносто[ &gt;&gt;]; 100: сто[ &gt;&gt;]; 200: двести[ &gt;&gt;]; 300: триста[ &gt;&gt;]; 400: четыреста[ &gt;&gt;]; 500: пятьсот[ &gt;&gt;]; 600: шестьсот[ &gt;&gt;]; 700: семьсот[ &gt;&gt;]; 800: восемьсот[ &gt;&gt;]; 900: девятьсот[ &gt;&gt;]; 1000: &lt;%%th&lt;[ &gt;&gt;]; %%th: 1: тысяча; 2: две тысячи; 3: три тысячи; 4: четыре тысячи; 5: =%main= тысяч; 20: двадцать &gt;%%thu&gt;; 30: тридцать &gt;%%thu&gt;; %%thu: 0: тысяч; 1: одна тысяча; 2: две тысячи; 3: три тысячи; 4: четыре тысячи; 5: =%main= тысяч;</translation>
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
        <translation>Верно. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Неверно. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Верно.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Неверно.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Чтение вслух включено</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Чтение вслух выключено</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Самое маленькое число %1, самое большое %2. %3</translation>
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
        <translation>Тренажёр по арифметике для детей: примеры по одному, ответ проверяется сразу после нажатия Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: не принимает ни файлов, ни других аргументов: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Читать вслух примеры и оценки ответов. %1 включает и выключает чтение.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: не удаётся читать вслух: служба синтеза речи не отвечает. Занятие продолжается без звука.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: не удаётся читать вслух: нет голоса для этого языка. Занятие продолжается без звука.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: чтение вслух остановлено: служба синтеза речи перестала работать. Занятие продолжается без звука.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Открыть окно в этом масштабе, в процентах (от %1 до %2), вместо запомненного при прошлом запуске. %3, %4 и %5 увеличивают, уменьшают и возвращают обычный масштаб.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom принимает значение от %2 до %3 процентов, а не «%4»</translation>
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
        <translation>Вычитание</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Сложение</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Начало</translation>
    </message>
</context>
</TS>
