<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="az" sourcelanguage="en">
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
        <translation>Misal</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Cavablar</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Pulsuz dərs proqramları: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Nəticələr</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Xalların</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Düz</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Səhv</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Sənin misalın </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Vaxt</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Seçim </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>alt</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>üst</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix pulsuzdur.  Onu ədədləri sevən hər kəslə paylaş.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Versiya %1 © 2026 Sumbrix müəllifləri. GNU GPL 3 və ya daha yenisi.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Səhifələr</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>“Misal” və “Cavablar” səhifələri</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Hesab əməli</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Ən kiçik ədəd</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Misallardakı ən kiçik ədəd</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Ən böyük ədəd</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Misallardakı ən böyük ədəd</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Ən böyük ədəd</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Misallardakı ən böyük ədədi seçir</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Birinci ədəd</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Əməl işarəsi</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>İkinci ədəd</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Cavabı yaz, sonra Enter düyməsini bas</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Bu misala sərf etdiyin saniyələr</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Düz cavablar</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Səhv cavablar</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Düz cavabların faizi</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Xal</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cavablar</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Yoxlanmış hər cavab və onun vaxtı</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Dərs proqramları səhifəsini brauzerdə açır</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Dərs proqramları</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Dərs proqramları səhifəsini açan şəkil</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>%1 neçə edir?</translation>
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
        <translation>-</translation>
    </message>
</context>
<context>
    <name>speech</name>
    <message>
        <source>plus</source>
        <translation>üstəgəl</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>çıx</translation>
    </message>
    <message>
        <source>times</source>
        <translation>vur</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>böl</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>digits</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>mənfi %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Düzdür. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Səhvdir. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Düzdür.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Səhvdir.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Səsli oxuma açıqdır</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Səsli oxuma bağlıdır</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Ədədlər %1 ilə %2 arasında. %3</translation>
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
        <translation>Uşaqlar üçün hesab məşqi: hər dəfə bir misal, Enter basılan kimi yoxlanılır.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: fayl və ya başqa arqument qəbul etmir: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Misalları səsli oxuyur və cavabın düz olub-olmadığını deyir. %1 səsli oxumanı açır və bağlayır.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: səsli oxumaq mümkün deyil: heç bir nitq xidməti cavab vermir. Məşq səssiz davam edir.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: səsli oxumaq mümkün deyil: bu dildə danışan səs yoxdur. Məşq səssiz davam edir.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: səsli oxuma dayandı: nitq xidməti artıq cavab vermir. Məşq səssiz davam edir.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Pəncərəni bu ölçüdə, faizlə (%1 ilə %2 arası), son dəfə yadda saxlanılan ölçünün əvəzinə açır. %3, %4 və %5 pəncərəni böyüdür, kiçildir və adi ölçüsünə qaytarır.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom %2 ilə %3 arasında faiz qəbul edir, “%4” deyil</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Bölmə</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Vurma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Çıxma</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Toplama</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Başlanğıc</translation>
    </message>
</context>
</TS>
