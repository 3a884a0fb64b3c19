<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur" sourcelanguage="en">
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
        <translation>سوال</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>جوابات</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>مزید مفت کھیل: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>نتیجہ</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>تمہارے نمبر</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>صحیح</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>غلط</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>آج کا سوال </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>وقت</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>انتخاب </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>سے</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>تک</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>یہ ایپ مفت ہے۔  اسے اپنے دوستوں کو بھی دو۔</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>ورژن %1 © 2026 Sumbrix کے مصنفین۔ GNU GPL 3 یا بعد کا۔</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>صفحے</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>سوال اور جوابات کے صفحے</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>سوال کی قسم</translation>
    </message>
    <message>
        <source>From</source>
        <translation>سب سے چھوٹا عدد</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>سوالوں میں آنے والا سب سے چھوٹا عدد</translation>
    </message>
    <message>
        <source>To</source>
        <translation>سب سے بڑا عدد</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>سوالوں میں آنے والا سب سے بڑا عدد</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>سب سے بڑا عدد</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>سوالوں میں آنے والا سب سے بڑا عدد چنتا ہے</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>پہلا عدد</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>علامت</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>دوسرا عدد</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>جواب لکھو، پھر Enter دباؤ</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>اس سوال پر لگے سیکنڈ</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>صحیح جواب</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>غلط جواب</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>صحیح جوابوں کا فیصد</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>نمبر</translation>
    </message>
    <message>
        <source>History</source>
        <translation>جوابوں کی فہرست</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>ہر جانچا گیا جواب، اپنے وقت کے ساتھ</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>براؤزر میں سیکھنے کے کھیلوں کا صفحہ کھولتا ہے</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>سیکھنے کے کھیل</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>تصویر، جو سیکھنے کے کھیلوں کا صفحہ کھولتی ہے</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>%1 کا جواب</translation>
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
        <translation>جمع</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>منفی</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ضرب</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>تقسیم</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout:
0: =0=;
93: تِرانوے;
94: =0=;
193: ایک سَو تِرانوے; 194: =0=;
293: دو سَو تِرانوے; 294: =0=;
393: تین سَو تِرانوے; 394: =0=;
493: چار سَو تِرانوے; 494: =0=;
593: پانچ سَو تِرانوے; 594: =0=;
693: چھ سَو تِرانوے; 694: =0=;
793: سات سَو تِرانوے; 794: =0=;
893: آٹھ سَو تِرانوے; 894: =0=;
993: نَو سَو تِرانوے; 994: =0=;
1000: &lt;%%digits&lt;&gt;%%thousand&gt;;
%%thousand:
0: =000=; 93: &apos; ہَزار تِرانوے; 94: =000=;
193: &apos; ہَزار ایک سَو تِرانوے; 194: =000=;
293: &apos; ہَزار دو سَو تِرانوے; 294: =000=;
393: &apos; ہَزار تین سَو تِرانوے; 394: =000=;
493: &apos; ہَزار چار سَو تِرانوے; 494: =000=;
593: &apos; ہَزار پانچ سَو تِرانوے; 594: =000=;
693: &apos; ہَزار چھ سَو تِرانوے; 694: =000=;
793: &apos; ہَزار سات سَو تِرانوے; 794: =000=;
893: &apos; ہَزار آٹھ سَو تِرانوے; 894: =000=;
993: &apos; ہَزار نَو سَو تِرانوے; 994: =000=;
%%digits:
0: =0=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>منفی %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>صحیح۔ %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>غلط۔ %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>صحیح۔</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>غلط۔</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>بول کر پڑھنا شروع</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>بول کر پڑھنا بند</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>%1 سے %2 تک کے عدد۔ %3</translation>
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
        <translation>بچوں کے لیے حساب کی مشق: ایک وقت میں ایک سوال، Enter دباتے ہی جانچا جاتا ہے۔</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: کوئی فائل یا دوسرا آرگیومنٹ نہیں لیتا: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>سوال اور یہ کہ جواب صحیح ہے یا غلط، بول کر پڑھتا ہے۔ %1 اسے چلاتا اور بند کرتا ہے۔</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: بول کر نہیں پڑھ سکتا: کوئی بولنے والی سروس جواب نہیں دے رہی۔ مشق بغیر آواز کے جاری رہے گی۔</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: بول کر نہیں پڑھ سکتا: یہ زبان بولنے والی کوئی آواز نہیں ہے۔ مشق بغیر آواز کے جاری رہے گی۔</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: بول کر پڑھنا رک گیا: بولنے والی سروس بند ہو گئی۔ مشق بغیر آواز کے جاری رہے گی۔</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>پچھلی بار محفوظ کیے گئے سائز کے بجائے اس سائز (%1 سے %2 فیصد) میں کھلتا ہے۔ %3 اسے بڑا کرتا ہے، %4 چھوٹا کرتا ہے اور %5 واپس عام سائز میں لاتا ہے۔</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom %2 سے %3 تک فیصد لیتا ہے، ”%4“ نہیں</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>تقسیم</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>ضرب</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>تفریق</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>جمع</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>شروع</translation>
    </message>
</context>
</TS>
