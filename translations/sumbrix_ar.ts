<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Translate as RTL for a language written from right to left (the whole window is then mirrored); as LTR otherwise.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>frmSumbrix</name>
    <message>
        <source>Problem</source>
        <translation>تمرين</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>السجل</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>أدوات تَعَلُّم مجانية أخرى: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>لوحة النتائج</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>نقاطك</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>صحيح</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>تمرين اليوم </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>الوقت:</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>الإعدادات </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>من</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>إلى</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>برنامج Sumbrix مجاني. شارِكْهُ مَعَ كُلِّ مَنْ يُحِبُّ الأَعْداد.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>الإصدار %1 © ٢٠٢٦ مؤلفو Sumbrix. GNU GPL 3 أو أي إصدار لاحق.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>الصَفَحات</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>صَفْحَتا التَمْرِينِ وَالسِجِلّ</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>العملية</translation>
    </message>
    <message>
        <source>From</source>
        <translation>مِن</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>أصغر عدد</translation>
    </message>
    <message>
        <source>To</source>
        <translation>إلى</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>أكبر عدد</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>أكبر عدد</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>يُحَدِّدُ أَكْبَرَ عَدَد</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>العدد الأول</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>إشارة العملية</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>العدد الثاني</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>اُكْتُبِ الجَوابَ، ثُمَّ اِضْغَطْ مِفْتاحَ Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>عَدَدُ الثَوانِي فِي هَذا التَمْرِين</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>الإِجاباتُ الصَحِيحَة</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>الإِجاباتُ الخاطِئَة</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>نِسْبَةُ الإِجاباتِ الصَحِيحَة</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>النِقاط</translation>
    </message>
    <message>
        <source>History</source>
        <translation>السِجِلّ</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>كُلُّ إِجابَةٍ مُصَحَّحَةٍ مَعَ وَقْتِها</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>يَفْتَحُ صَفْحَةَ أَدَواتِ التَعَلُّمِ فِي المُتَصَفِّح</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>أَدَواتُ التَعَلُّم</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>صُورَةٌ تَفْتَحُ صَفْحَةَ أَدَواتِ التَعَلُّم</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>جواب %1</translation>
    </message>
    <message>
        <source>SUM_DIRECTION</source>
        <extracomment>How schoolbooks in this language write a sum such as 4 + 1 = 5: translate as LTR when it reads from left to right, as RTL when it reads from right to left. Only a right-to-left language may need RTL; every other language writes LTR.</extracomment>
        <translation>RTL</translation>
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
        <translation>زائد</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>ناقص</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ضرب</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>على</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout:
0: صِفْر; 1: واحِد; 2: اِثْنان; 3: ثَلاثَة; 4: أَرْبَعَة; 5: خَمْسَة; 6: سِتَّة; 7: سَبْعَة; 8: ثَمانِيَة; 9: تِسْعَة; 10: عَشَرَة;
11: أَحَدَ عَشَرَ; 12: اِثْنا عَشَرَ; 13: ثَلاثَةَ عَشَرَ; 14: أَرْبَعَةَ عَشَرَ; 15: خَمْسَةَ عَشَرَ; 16: سِتَّةَ عَشَرَ; 17: سَبْعَةَ عَشَرَ; 18: ثَمانِيَةَ عَشَرَ; 19: تِسْعَةَ عَشَرَ;
20: عِشْرون; 21: &gt;&gt; وَعِشْرون; 30: ثَلاثون; 31: &gt;&gt; وَثَلاثون; 40: أَرْبَعون; 41: &gt;&gt; وَأَرْبَعون; 50: خَمْسون; 51: &gt;&gt; وَخَمْسون; 60: سِتّون; 61: &gt;&gt; وَسِتّون; 70: سَبْعون; 71: &gt;&gt; وَسَبْعون; 80: ثَمانون; 81: &gt;&gt; وَثَمانون; 90: تِسْعون; 91: &gt;&gt; وَتِسْعون;
100: مِئَة[ &gt;%%and&gt;]; 200: مِئَتان[ &gt;%%and&gt;]; 300: ثَلاثُمِئَة[ &gt;%%and&gt;]; 400: أَرْبَعُمِئَة[ &gt;%%and&gt;]; 500: خَمْسُمِئَة[ &gt;%%and&gt;]; 600: سِتُّمِئَة[ &gt;%%and&gt;]; 700: سَبْعُمِئَة[ &gt;%%and&gt;]; 800: ثَمانِمِئَة[ &gt;%%and&gt;]; 900: تِسْعُمِئَة[ &gt;%%and&gt;];
1000: أَلْف[ &gt;%%and&gt;]; 2000: أَلْفان[ &gt;%%and&gt;]; 3000: &lt;%%th&lt; آلاف[ &gt;%%and&gt;]; 11000/1000: &lt;&lt; أَلْفًا[ &gt;%%and&gt;];
%%and:
1: وَ واحِد; 2: وَاثْنان; 3: وَثَلاثَة; 4: وَأَرْبَعَة; 5: وَخَمْسَة; 6: وَسِتَّة; 7: وَسَبْعَة; 8: وَثَمانِيَة; 9: وَتِسْعَة; 10: وَعَشَرَة;
11: وَأَحَدَ عَشَرَ; 12: وَاثْنا عَشَرَ; 13: وَثَلاثَةَ عَشَرَ; 14: وَأَرْبَعَةَ عَشَرَ; 15: وَخَمْسَةَ عَشَرَ; 16: وَسِتَّةَ عَشَرَ; 17: وَسَبْعَةَ عَشَرَ; 18: وَثَمانِيَةَ عَشَرَ; 19: وَتِسْعَةَ عَشَرَ;
20: وَعِشْرون; 21: &gt;&gt; وَعِشْرون; 30: وَثَلاثون; 31: &gt;&gt; وَثَلاثون; 40: وَأَرْبَعون; 41: &gt;&gt; وَأَرْبَعون; 50: وَخَمْسون; 51: &gt;&gt; وَخَمْسون; 60: وَسِتّون; 61: &gt;&gt; وَسِتّون; 70: وَسَبْعون; 71: &gt;&gt; وَسَبْعون; 80: وَثَمانون; 81: &gt;&gt; وَثَمانون; 90: وَتِسْعون; 91: &gt;&gt; وَتِسْعون;
100: وَ=%spellout=;
%%th:
3: ثَلاثَةُ; 4: أَرْبَعَةُ; 5: خَمْسَةُ; 6: سِتَّةُ; 7: سَبْعَةُ; 8: ثَمانِيَةُ; 9: تِسْعَةُ; 10: عَشَرَةُ;
%genitive:
0: صِفْر; 1: واحِد; 2: اِثْنَيْن; 3: ثَلاثَة; 4: أَرْبَعَة; 5: خَمْسَة; 6: سِتَّة; 7: سَبْعَة; 8: ثَمانِيَة; 9: تِسْعَة; 10: عَشَرَة;
11: أَحَدَ عَشَرَ; 12: اِثْنَيْ عَشَرَ; 13: ثَلاثَةَ عَشَرَ; 14: أَرْبَعَةَ عَشَرَ; 15: خَمْسَةَ عَشَرَ; 16: سِتَّةَ عَشَرَ; 17: سَبْعَةَ عَشَرَ; 18: ثَمانِيَةَ عَشَرَ; 19: تِسْعَةَ عَشَرَ;
20: عِشْرين; 21: &gt;&gt; وَعِشْرين; 30: ثَلاثين; 31: &gt;&gt; وَثَلاثين; 40: أَرْبَعين; 41: &gt;&gt; وَأَرْبَعين; 50: خَمْسين; 51: &gt;&gt; وَخَمْسين; 60: سِتّين; 61: &gt;&gt; وَسِتّين; 70: سَبْعين; 71: &gt;&gt; وَسَبْعين; 80: ثَمانين; 81: &gt;&gt; وَثَمانين; 90: تِسْعين; 91: &gt;&gt; وَتِسْعين;
100: مِئَة[ &gt;%%and-gen&gt;]; 200: مِئَتَيْن[ &gt;%%and-gen&gt;]; 300: ثَلاثِمِئَة[ &gt;%%and-gen&gt;]; 400: أَرْبَعِمِئَة[ &gt;%%and-gen&gt;]; 500: خَمْسِمِئَة[ &gt;%%and-gen&gt;]; 600: سِتِّمِئَة[ &gt;%%and-gen&gt;]; 700: سَبْعِمِئَة[ &gt;%%and-gen&gt;]; 800: ثَمانِمِئَة[ &gt;%%and-gen&gt;]; 900: تِسْعِمِئَة[ &gt;%%and-gen&gt;];
1000: أَلْف[ &gt;%%and-gen&gt;]; 2000: أَلْفَيْن[ &gt;%%and-gen&gt;]; 3000: &lt;%%th-gen&lt; آلاف[ &gt;%%and-gen&gt;]; 11000/1000: &lt;&lt; أَلْفًا[ &gt;%%and-gen&gt;];
%%and-gen:
1: وَ واحِد; 2: وَاثْنَيْن; 3: وَثَلاثَة; 4: وَأَرْبَعَة; 5: وَخَمْسَة; 6: وَسِتَّة; 7: وَسَبْعَة; 8: وَثَمانِيَة; 9: وَتِسْعَة; 10: وَعَشَرَة;
11: وَأَحَدَ عَشَرَ; 12: وَاثْنَيْ عَشَرَ; 13: وَثَلاثَةَ عَشَرَ; 14: وَأَرْبَعَةَ عَشَرَ; 15: وَخَمْسَةَ عَشَرَ; 16: وَسِتَّةَ عَشَرَ; 17: وَسَبْعَةَ عَشَرَ; 18: وَثَمانِيَةَ عَشَرَ; 19: وَتِسْعَةَ عَشَرَ;
20: وَعِشْرين; 21: &gt;&gt; وَعِشْرين; 30: وَثَلاثين; 31: &gt;&gt; وَثَلاثين; 40: وَأَرْبَعين; 41: &gt;&gt; وَأَرْبَعين; 50: وَخَمْسين; 51: &gt;&gt; وَخَمْسين; 60: وَسِتّين; 61: &gt;&gt; وَسِتّين; 70: وَسَبْعين; 71: &gt;&gt; وَسَبْعين; 80: وَثَمانين; 81: &gt;&gt; وَثَمانين; 90: وَتِسْعين; 91: &gt;&gt; وَتِسْعين;
100: وَ=%genitive=;
%%th-gen:
3: ثَلاثَةِ; 4: أَرْبَعَةِ; 5: خَمْسَةِ; 6: سِتَّةِ; 7: سَبْعَةِ; 8: ثَمانِيَةِ; 9: تِسْعَةِ; 10: عَشَرَةِ;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>سَالِب %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>صحيح. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>غير صحيح. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>صحيح.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>غير صحيح.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>القِراءَةُ بِصَوْتٍ مُرْتَفِع</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>إِيقافُ القِراءَةِ بِصَوْتٍ مُرْتَفِع</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>أَصْغَرُ عَدَدٍ %1، وَأَكْبَرُ عَدَدٍ %2. %3</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <extracomment>Optional. Addition read aloud, where &quot;%1 %2 %3&quot; with &quot;plus&quot; is not what a teacher says. %1 and %2 are the numbers; &quot;%2{%rule-set}&quot; spells %2 with a rule set of the &quot;digits&quot; rules (a case form). Leave unfinished to use &quot;%1 %2 %3&quot;.</extracomment>
        <translation>%1 زائد %2{%genitive}</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <extracomment>Optional. Subtraction read aloud; as &quot;%1 plus %2&quot;.</extracomment>
        <translation>%1 ناقص %2{%genitive}</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <extracomment>Optional. Multiplication read aloud; as &quot;%1 plus %2&quot;.</extracomment>
        <translation>%1 ضرب %2{%genitive}</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <extracomment>Optional. Division read aloud; as &quot;%1 plus %2&quot;.</extracomment>
        <translation>%1 على %2{%genitive}</translation>
    </message>
</context>
<context>
    <name>sumbrix</name>
    <message>
        <source>An arithmetic drill for children: one problem at a time, graded as soon as Enter is pressed.</source>
        <translation>تدريب على الحساب للأطفال: تمرين واحد في كل مرة، يُصحَّح فور الضغط على Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: لا يقبل ملفات أو وسائط أخرى: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>قراءة التمارين ونتيجة التصحيح بصوت مرتفع. %1 يشغّلها ويوقفها.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: تتعذر القراءة بصوت مرتفع: لا تستجيب أي خدمة نطق. يستمر التدريب بدون صوت.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: تتعذر القراءة بصوت مرتفع: لا يوجد صوت يتكلم هذه اللغة. يستمر التدريب بدون صوت.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: توقفت القراءة بصوت مرتفع: انقطعت خدمة النطق. يستمر التدريب بدون صوت.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>فتح النافذة بهذا الحجم (من %1 إلى %2 بالمئة) بدلًا من الحجم المحفوظ من آخر تشغيل. %3 يكبّرها و%4 يصغّرها و%5 يعيدها إلى حجمها العادي.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom يقبل نسبة مئوية من %2 إلى %3، وليس «%4»</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>القِسْمَة</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>الضَّرْب</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>الطَّرْح</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>الجَمْع</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>البداية</translation>
    </message>
</context>
</TS>
