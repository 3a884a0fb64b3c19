<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="be" sourcelanguage="en">
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
        <translation>Прыклад</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Гісторыя</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Яшчэ бясплатныя праграмы: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Вынікі</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Твае балы</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Добра</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Не так</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Твой прыклад </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Час:</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Налады </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>ад</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>да</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix — бясплатная праграма.  Раскажы пра яе ўсім, хто любіць лікі.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Версія %1 © 2026 аўтары Sumbrix. GNU GPL 3 або пазнейшая версія.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Старонкі</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Старонкі «Прыклад» і «Гісторыя»</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Дзеянне</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Найменшы лік</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Лікі не менш за гэты</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Найбольшы лік</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Лікі не больш за гэты</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Найбольшы лік</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Задае найбольшы лік</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Першы лік</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Знак дзеяння</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Другі лік</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Напі-шы а-дказ і націс-ні Энтэр</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Колькі секунд ты рашаеш гэты прыклад</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Адказы без памылак</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Памылкі</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Пра-цэнт верных а-дказаў</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Балы</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Адказы</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Усе адказы і іх час</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Адкрывае праз браўзер старонку праграм для вучобы</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Праграмы для вучобы</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Малюнак, які адкрывае старонку праграм для вучобы</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Колькі будзе %1?</translation>
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
        <translation>мінус</translation>
    </message>
    <message>
        <source>times</source>
        <translation>памножыць на</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>падзя-ліць на</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%main: 0: нуль; 1: а-дзін; 2: два; 3: тры; 4: 4; 5: пяць; 6: шэсць; 7: сем; 8: восем; 9: дзевяць; 10: дзесяць; 11: адзі-наццаць; 12: 12; 13: 13; 14: чатыр-наццаць; 15: 15; 16: 16; 17: 17; 18: 18; 19: 19; 20: дваццаць[ &gt;&gt;]; 30: трыццаць[ &gt;&gt;]; 40: сорак[ &gt;&gt;]; 50: пяцьдзя-сят[ &gt;&gt;]; 60: шэсцьдзя-сят[ &gt;&gt;]; 70: семдзесят[ &gt;&gt;]; 80: восемдзесят[ &gt;&gt;]; 90: дзевяноста[ &gt;&gt;]; 100: сто[ &gt;&gt;]; 200: дзвесце[ &gt;&gt;]; 300: трыста[ &gt;&gt;]; 400: 4 ст-а[ &gt;&gt;]; 500: пяць-сот[ &gt;&gt;]; 600: шэсць-сот[ &gt;&gt;]; 700: сям-сот[ &gt;&gt;]; 800: васям-сот[ &gt;&gt;]; 900: дзевяць-сот[ &gt;&gt;]; 1000: &lt;%%th&lt;[ &gt;&gt;]; %%th: 1: тысяч-а; 2: дзве тысяч-ы; 3: тры тысяч-ы; 4: 4 тысяч-ы; 5: =%main= тысяч; 20: дваццаць &gt;%%thu&gt;; 30: трыццаць &gt;%%thu&gt;; %%thu: 0: тысяч; 1: а-дна тысяч-а; 2: дзве тысяч-ы; 3: тры тысяч-ы; 4: 4 тысяч-ы; 5: =%main= тысяч;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>мінус %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Добра. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Не так. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Добра.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Не так.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Чы-таю ўслых</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Больш не чы-таю ўслых</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Най-меншы лік %1, найбольшы %2. %3</translation>
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
        <translation>Трэнажор па арыфметыцы для дзяцей: прыклады па адным, адказ правяраецца адразу пасля націскання Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: не прымае ні файлаў, ні іншых аргументаў: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Чытаць услых прыклады і ацэнкі адказаў. %1 уключае і выключае чытанне.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: не ўдаецца чытаць услых: служба сінтэзу маўлення не адказвае. Занятак працягваецца без гуку.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: не ўдаецца чытаць услых: няма голасу для гэтай мовы. Занятак працягваецца без гуку.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: чытанне ўслых спынена: служба сінтэзу маўлення перастала працаваць. Занятак працягваецца без гуку.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Адкрыць акно ў гэтым маштабе, у працэнтах (ад %1 да %2), замест запомненага пры мінулым запуску. %3, %4 і %5 павялічваюць, памяншаюць і вяртаюць звычайны маштаб.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom прымае значэнне ад %2 да %3 працэнтаў, а не «%4»</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Дзяленне</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Множанне</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Адніманне</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Складанне</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Пачатак</translation>
    </message>
</context>
</TS>
