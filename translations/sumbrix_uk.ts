<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
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
        <translation>Приклад</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Історія</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Ще програми для навчання: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Результати</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Твої бали</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Добре</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Не так</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Твій приклад </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Час:</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Налаштування </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>від</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>до</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix — безкоштовна програма.  Поділися нею з усіма, хто любить числа.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Версія %1 © 2026 автори Sumbrix. GNU GPL 3 або новіша.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Сторінки</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Сторінки «Приклад» і «Історія»</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Дія</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Від</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Найменше число</translation>
    </message>
    <message>
        <source>To</source>
        <translation>До</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Найбільше число</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Найбільше число</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Тут вибирають найбільше число</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Перше число</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Знак дії</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Друге число</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Тут пишеш відповідь і тиснеш Ентер</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Скільки часу йде на цей приклад</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Вірні відповіді</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Невірні відповіді</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Вірні відповіді у відсотках</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Бали</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Історія</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Усі перевірені відповіді та їхній час</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Відкриває в браузері сторінку, де є програми для навчання</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Програми для навчання</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Картинка, яка відкриває сторінку, де є програми для навчання</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Скільки буде %1?</translation>
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
        <translation>помножити на</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>поділене на</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%main: 0: =0=; 1: =0=; 2: два; 3: три; 4: чотири; 5: п’ять; 6: шість; 7: сім; 8: вісім; 9: дев’ять; 10: десять; 11: одинадцять; 12: дванадцять; 13: тринадцять; 14: чотирнадцять; 15: п’ятнадцять; 16: шістнадцять; 17: сімнадцять; 18: вісімнадцять; 19: дев’ятнадцять; 20: двадцять[ &gt;&gt;]; 30: тридцять[ &gt;&gt;]; 40: 40[ &gt;&gt;]; 50: п’ятдесят[ &gt;&gt;]; 60: шістдесят[ &gt;&gt;]; 70: сімдесят[ &gt;&gt;]; 80: вісім-десят[ &gt;&gt;]; 90: 90[ &gt;&gt;]; 100: сто[ &gt;&gt;]; 200: двісті[ &gt;&gt;]; 300: триста[ &gt;&gt;]; 400: чотириста[ &gt;&gt;]; 500: п’ятсот[ &gt;&gt;]; 600: шістсот[ &gt;&gt;]; 700: сімсот[ &gt;&gt;]; 800: вісімсот[ &gt;&gt;]; 900: дев’ятсот[ &gt;&gt;]; 1000: &lt;%%th&lt;[ &gt;&gt;]; %%th: 1: тисяча; 2: дві тисячі; 3: три тисячі; 4: чотири тисячі; 5: =%main= тисяч; 20: двадцять &gt;%%thu&gt;; 30: тридцять &gt;%%thu&gt;; %%thu: 0: тисяч; 1: однаа тисяча; 2: дві тисячі; 3: три тисячі; 4: чотири тисячі; 5: =%main= тисяч;</translation>
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
        <translation>Добре. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Неправильно. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Добре.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Неправильно.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Читання вголос увімкнено</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Читання вголос зупинено</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Числа: найменше %1, найбільше %2. %3</translation>
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
        <translation>Тренажер з арифметики для дітей: приклади по одному, відповідь перевіряється одразу після натискання Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: не приймає ні файлів, ні інших аргументів: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Читати вголос приклади й оцінки відповідей. %1 вмикає і вимикає читання.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: не вдається читати вголос: служба синтезу мовлення не відповідає. Заняття триває без звуку.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: не вдається читати вголос: немає голосу для цієї мови. Заняття триває без звуку.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: читання вголос зупинено: служба синтезу мовлення перестала працювати. Заняття триває без звуку.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Відкрити вікно в цьому масштабі, у відсотках (від %1 до %2), замість запам’ятованого під час минулого запуску. %3, %4 і %5 збільшують, зменшують і повертають звичайний масштаб.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom приймає значення від %2 до %3 відсотків, а не «%4»</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Ділення</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Множення</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Віднімання</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Додавання</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Початок</translation>
    </message>
</context>
</TS>
