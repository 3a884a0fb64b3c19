<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn" sourcelanguage="en">
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
        <translation>অঙ্ক</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>তোমার উত্তর</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>শেখার খেলা: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>ফলাফল</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>তোমার নম্বর</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>ঠিক</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>ভুল</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>এই অঙ্কটা </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>সময়</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>বেছে নাও </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>শুরু</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>শেষ</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix বিনামূল্যে। বন্ধুদের সঙ্গে শেয়ার করো।</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>সংস্করণ %1 © ২০২৬ Sumbrix-এর লেখকরা। GNU GPL 3 বা তার পরের সংস্করণ।</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>পাতা</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>অঙ্কের পাতা আর তোমার উত্তরের পাতা</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>অঙ্কের ধরন</translation>
    </message>
    <message>
        <source>From</source>
        <translation>সবচেয়ে ছোট সংখ্যা</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>অঙ্কে আসা সবচেয়ে ছোট সংখ্যা</translation>
    </message>
    <message>
        <source>To</source>
        <translation>সবচেয়ে বড় সংখ্যা</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>অঙ্কে আসা সবচেয়ে বড় সংখ্যা</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>সবচেয়ে বড় সংখ্যা</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>অঙ্কে আসা সবচেয়ে বড় সংখ্যা ঠিক করে</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>প্রথম সংখ্যা</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>চিন্‌হ</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>দিতীয় সংখ্যা</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>উত্তর লেখো, তারপর Enter চাপো</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>এই অঙ্কে লাগা সেকেন্ড</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>ঠিক উত্তর</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>ভুল উত্তর</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>ঠিক উত্তরের শতকরা হার</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>নম্বর</translation>
    </message>
    <message>
        <source>History</source>
        <translation>উত্তরের তালিকা</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>যাচাই করা প্রতিটি উত্তর, তার সময়ের সঙ্গে</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>ব্রাউজারে শেখার খেলার পাতা খোলে</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>শেখার খেলা</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>ছবি, যা শেখার খেলার পাতা খোলে</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>%1-এর উত্তর</translation>
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
        <translation>যোগ</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>বিয়োগ</translation>
    </message>
    <message>
        <source>times</source>
        <translation>গুণ</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>ভাগ</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: শূন্য; 1: এক; 2: দুই; 3: তিন; 4: চার; 5: পাঁচ; 6: ৬; 7: সাৎ; 8: আট; 9: ৯; 10: দশ; 11: এগারো; 12: বারো; 13: তেরো; 14: চোদ্দো; 15: পনেরো; 16: ষোলো; 17: সতেরো; 18: আঠারো; 19: উনিশ; 20: কুড়ি; 21: একুশ; 22: বাইশ; 23: তেইশ; 24: চব্বিশ; 25: পঁচিশ; 26: ছাব্বিশ; 27: সাতাশ; 28: আঠাশ; 29: ঊনত্রিশ; 30: ত্রিশ; 31: একত্রিশ; 32: বত্রিশ; 33: তেত্রিশ; 34: চৌত্রিশ; 35: পঁইত্রিশ; 36: ছত্রিশ; 37: সাঁইত্রিশ; 38: আট্‌ত্রিশ; 39: ঊনচল্লিশ; 40: চল্লিশ; 41: এক্‌চল্লিশ; 42: বিয়াল্লিশ; 43: তেতাল্লিশ; 44: চুয়াল্লিশ; 45: পঁইতাল্লিশ; 46: ছেচল্লিশ; 47: সাৎচল্লিশ; 48: আট্‌চল্লিশ; 49: ঊনপঞ্চাশ; 50: পঞ্চাশ; 51: একান্ন; 52: বাহান্ন; 53: তিপ্পান্ন; 54: চুয়ান্ন; 55: পঞ্চান্ন; 56: ছাপ্পান্ন; 57: সাতান্ন; 58: আটান্ন; 59: ঊনষাট; 60: ষাট; 61: এক্‌শট্টি; 62: বাষট্টি; 63: তেষট্টি; 64: চৌষট্টি; 65: পঁইষট্টি; 66: ছেষট্টি; 67: সাৎষট্টি; 68: আট্‌ষট্টি; 69: ঊনসত্তর; 70: সত্তর; 71: একাত্তর; 72: বাহাত্তর; 73: তিয়াত্তর; 74: চুয়াত্তর; 75: পঁচাত্তর; 76: ছিয়াত্তর; 77: সাতাত্তর; 78: আটাত্তর; 79: ঊনআশি; 80: আশি; 81: একাশি; 82: বিরাশি; 83: তিরাশি; 84: চুরাশি; 85: পঁচাশি; 86: ছিয়াশি; 87: সাতাশি; 88: অষ্টাশি; 89: ঊননব্বই; 90: নব্বই; 91: একানব্বই; 92: বিরানব্বই; 93: তিরানব্বই; 94: চুরানব্বই; 95: পঁচানব্বই; 96: ছিয়ানব্বই; 97: সাতানব্বই; 98: আটানব্বই; 99: নিরানব্বই; 100: এক্‌শো[ &gt;&gt;]; 200: দুশো[ &gt;&gt;]; 300: তিন্‌শো[ &gt;&gt;]; 400: চার্‌শো[ &gt;&gt;]; 500: পাঁচ্‌শো[ &gt;&gt;]; 600: ছশো[ &gt;&gt;]; 700: সাৎশো[ &gt;&gt;]; 800: আট্‌শো[ &gt;&gt;]; 900: নশো[ &gt;&gt;]; 1000: &lt;&lt; হাজার[ &gt;&gt;];</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>ঋণ %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>ঠিক হয়েছে! %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>ভুল হয়েছে। %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>ঠিক হয়েছে!</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>ভুল হয়েছে।</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>পড়ে শোনানো চালু</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>পড়ে শোনানো বন্ধ</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>সংখ্যা %1 থেকে %2। %3</translation>
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
        <translation>শিশুদের জন্য অঙ্ক অনুশীলন: একবারে একটি অঙ্ক, Enter চাপলেই যাচাই হয়।</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: কোনো ফাইল বা অন্য আর্গুমেন্ট নেয় না: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>অঙ্ক আর উত্তর ঠিক না ভুল, তা পড়ে শোনায়। %1 দিয়ে এটি চালু ও বন্ধ হয়।</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: পড়ে শোনানো যাচ্ছে না: কোনো কথা বলার সেবা সাড়া দিচ্ছে না। অনুশীলন নিঃশব্দে চলতে থাকবে।</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: পড়ে শোনানো যাচ্ছে না: এই ভাষায় কথা বলার কোনো কণ্ঠ নেই। অনুশীলন নিঃশব্দে চলতে থাকবে।</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: পড়ে শোনানো থেমে গেছে: কথা বলার সেবা বন্ধ হয়ে গেছে। অনুশীলন নিঃশব্দে চলতে থাকবে।</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>গতবার যে আকার রাখা হয়েছিল তার বদলে এই আকারে (%1 থেকে %2 শতাংশ) খোলে। %3 দিয়ে এটি বড় হয়, %4 দিয়ে ছোট হয় আর %5 দিয়ে স্বাভাবিক আকারে ফিরে আসে।</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom %2 থেকে %3 পর্যন্ত শতাংশ নেয়, “%4” নয়</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>ভাগ</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>গুণ</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>বিয়োগ</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>যোগ</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>শুরু</translation>
    </message>
</context>
</TS>
