<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
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
        <translation>Działanie</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Darmowe programy do nauki: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Twoje punkty</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Dobrze</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Błędy</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Twoje działanie </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Ustawienia </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>od</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>do</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix jest darmowy.  Podziel się nim z każdym, kto lubi liczby.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Wersja %1 © 2026 autorzy Sumbrix. GNU GPL 3 lub nowsza.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Strony „Działanie” i „Historia”</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Rodzaj działania</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Najmniejsza liczba</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Największa liczba</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Największa liczba</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Ustawia największą liczbę</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Pierwsza liczba</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Znak działania</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Druga liczba</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Wpisz odpowiedź i naciśnij Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Ile sekund liczysz to działanie</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Dobre odpowiedzi</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Błędne odpowiedzi</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Procent dobrych odpowiedzi</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Wszystkie sprawdzone odpowiedzi z godziną</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Otwiera w przeglądarce stronę z programami do nauki</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Programy do nauki</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Obrazek, który otwiera stronę z programami do nauki</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Wynik działania %1</translation>
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
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>razy</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>podzielić przez</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout:
0: zero; 1: jeden; 2: dwa; 3: trzy; 4: cztery; 5: pięć; 6: sześć; 7: siedem; 8: osiem; 9: dziewięć;
10: dziesięć; 11: jedenaście; 12: dwanaście; 13: trzynaście; 14: czternaście; 15: piętnaście;
16: szesnaście; 17: siedemnaście; 18: osiemnaście; 19: dziewiętnaście;
20: dwadzieścia[ &gt;&gt;]; 30: trzydzieści[ &gt;&gt;]; 40: czterdzieści[ &gt;&gt;]; 50: pięćdziesiąt[ &gt;&gt;];
60: sześćdziesiąt[ &gt;&gt;]; 70: siedemdziesiąt[ &gt;&gt;]; 80: osiemdziesiąt[ &gt;&gt;]; 90: dziewięćdziesiąt[ &gt;&gt;];
100: sto[ &gt;&gt;]; 200: dwieście[ &gt;&gt;]; 300: trzysta[ &gt;&gt;]; 400: czterysta[ &gt;&gt;]; 500: pięćset[ &gt;&gt;];
600: sześćset[ &gt;&gt;]; 700: siedemset[ &gt;&gt;]; 800: osiemset[ &gt;&gt;]; 900: dziewięćset[ &gt;&gt;];
1000: tysiąc[ &gt;&gt;];
2000: &lt;&lt; $(cardinal,one{tysiąc}few{tysiące}other{tysięcy})$[ &gt;&gt;];</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>minus %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Dobrze. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Źle. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Dobrze.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Źle.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Czytanie na głos włączone</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Czytanie na głos wyłączone</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Najmniejsza liczba %1, największa %2. %3</translation>
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
        <translation>Ćwiczenia z liczenia dla dzieci: po jednym działaniu, każde sprawdzane zaraz po naciśnięciu klawisza Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: nie przyjmuje plików ani innych argumentów: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Czyta na głos działania i mówi, czy odpowiedź jest dobra. %1 włącza i wyłącza czytanie.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: nie można czytać na głos: usługa mowy nie odpowiada. Ćwiczenia trwają dalej bez dźwięku.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: nie można czytać na głos: brak głosu dla tego języka. Ćwiczenia trwają dalej bez dźwięku.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: czytanie na głos przerwane: usługa mowy przestała działać. Ćwiczenia trwają dalej bez dźwięku.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Otwiera okno w tym powiększeniu, w procentach (od %1 do %2), zamiast zapamiętanego z poprzedniego uruchomienia. %3, %4 i %5 powiększają, pomniejszają i przywracają zwykły rozmiar.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom przyjmuje wartość od %2 do %3 procent, a nie „%4”</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Dzielenie</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Mnożenie</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Odejmowanie</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Dodawanie</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Początek</translation>
    </message>
</context>
</TS>
