<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms" sourcelanguage="en">
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
        <translation>Soalan</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Jawapan</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Lagi alat belajar percuma: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Markah</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Markah kamu</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Betul</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Salah</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Soalan kamu </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Masa</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Pilih </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>dari</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>ke</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix ialah perisian percuma.  Kongsikan dengan sesiapa yang suka nombor.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Versi %1 © 2026 pengarang Sumbrix. GNU GPL 3 atau lebih baharu.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Halaman</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Halaman Soalan dan Jawapan</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Jenis operasi</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Nombor terkecil</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Nombor terkecil dalam soalan</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Nombor terbesar</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Nombor terbesar dalam soalan</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Nombor terbesar</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Memilih nombor terbesar dalam soalan</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Nombor pertama</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Tanda operasi</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Nombor kedua</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Taip jawapan, kemudian tekan Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Berapa saat kamu menjawab soalan ini</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Jawapan betul</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Jawapan salah</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Peratus jawapan betul</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Markah</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Senarai jawapan</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Setiap jawapan yang diperiksa, dengan waktunya</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Membuka halaman alat belajar dalam pelayar</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Alat belajar</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Gambar yang membuka halaman alat belajar</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Jawapan bagi %1</translation>
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
        <translation>tambah</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>tolak</translation>
    </message>
    <message>
        <source>times</source>
        <translation>darab</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>bahagi</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>0: sifar; 1: =0=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>negatif %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Betul. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Salah. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Betul.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Salah.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Bacaan suara dihidupkan</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Bacaan suara dimatikan</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Nombor dari %1 hingga %2. %3</translation>
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
        <translation>Latihan mengira untuk kanak-kanak: satu soalan demi satu soalan, diperiksa sebaik sahaja Enter ditekan.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: tidak menerima fail atau argumen lain: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Membacakan soalan dan memberitahu sama ada jawapan betul atau salah. %1 menghidupkan dan mematikan bacaan suara.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: tidak dapat membaca dengan suara: tiada perkhidmatan suara yang menjawab. Latihan diteruskan tanpa suara.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: tidak dapat membaca dengan suara: tiada suara untuk bahasa ini. Latihan diteruskan tanpa suara.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: bacaan suara terhenti: perkhidmatan suara terputus. Latihan diteruskan tanpa suara.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Membuka tetingkap pada saiz ini, dalam peratus (%1 hingga %2), bukan pada saiz yang disimpan dari kali terakhir. %3, %4 dan %5 membesarkan, mengecilkan dan mengembalikannya ke saiz biasa.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom menerima peratusan dari %2 hingga %3, bukan “%4”</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Bahagi</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Darab</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Tolak</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Mula</translation>
    </message>
</context>
</TS>
