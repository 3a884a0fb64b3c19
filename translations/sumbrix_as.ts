<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="as" sourcelanguage="en">
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
        <translation>অংক</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>উত্তৰবোৰ</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>আৰু বিনামূলীয়া খেল: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>ফলাফল</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>মুঠ নম্বৰ</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>শুদ্ধ</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>ভুল</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>তোমাৰ অংক </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>সময়</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>বাছনি </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>পৰা</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>লৈ</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix বিনামূলীয়া।  বন্ধুসকলক দিয়া।</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Sumbrix %1 © ২০২৬ ইয়াৰ লেখক। GNU GPL 3 বা পিছৰটো।</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>পৃষ্ঠা</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>অংক আৰু উত্তৰবোৰৰ পৃষ্ঠা</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>অংকৰ প্ৰকাৰ</translation>
    </message>
    <message>
        <source>From</source>
        <translation>আটাইতকৈ সৰু সংখ্যা</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>অংকত অহা আটাইতকৈ সৰু সংখ্যা</translation>
    </message>
    <message>
        <source>To</source>
        <translation>আটাইতকৈ ডাঙৰ সংখ্যা</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>অংকত অহা আটাইতকৈ ডাঙৰ সংখ্যা</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>আটাইতকৈ ডাঙৰ সংখ্যা</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>অংকত অহা আটাইতকৈ ডাঙৰ সংখ্যাটো বাছে</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>প্ৰথম সংখ্যা</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>অংকৰ চিন</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>দিতীয় সংখ্যা</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>উত্তৰ লিখা, তাৰ পিছত Enter টিপা</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>এই অংকটোত লগা সময়, ছেকেণ্ডত</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>শুদ্ধ উত্তৰ</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>ভুল উত্তৰ</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>শুদ্ধ উত্তৰৰ শতাংশ</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>নম্বৰ</translation>
    </message>
    <message>
        <source>History</source>
        <translation>উত্তৰৰ তালিকা</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>পৰীক্ষা কৰা সকলো উত্তৰ, সময়ৰ সৈতে</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>ব্ৰাউজাৰত শিক্ষাৰ সঁজুলিৰ পৃষ্ঠা খোলে</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>শিক্ষাৰ সঁজুলি</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>শিক্ষাৰ সঁজুলিৰ পৃষ্ঠা খোলা ছবি</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>%1, ইয়াৰ উত্তৰ</translation>
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
        <translation>পূৰণ</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>হৰণ</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: শূন্য; 1: এক; 2: দুই; 3: তিনি; 4: চাৰি; 5: পাঁচ; 6: ছয়; 7: সাৎ; 8: আঠ; 9: নঅ; 10: দহ্; 11: এঘাৰ; 12: বাৰ; 13: তেৰ; 14: চৈধ্য; 15: পোন্ধৰ; 16: ষোল্ল; 17: সোতৰ; 18: ওঠৰ; 19: ঊনৈছ্; 20: বিছ; 21: একৈছ্; 22: বাইছ; 23: তেইছ; 24: চৌবিছ; 25: পঁচিছ; 26: ছাব্বিছ; 27: সাতাইছ; 28: আঠাইছ; 29: ঊনত্ৰিছ; 30: ত্ৰিছ; 31: একত্ৰিছ; 32: বত্ৰিছ; 33: তেত্ৰিছ; 34: চৌত্ৰিছ; 35: পঁয়ত্ৰিছ; 36: ছয়ত্ৰিছ; 37: সাতত্ৰিছ; 38: আঠত্ৰিছ; 39: ঊনচল্লিছ; 40: চল্লিছ; 41: একচল্লিছ; 42: বিয়াল্লিছ; 43: তিয়াল্লিছ; 44: চৌৰাল্লিছ; 45: পঁয়তাল্লিছ; 46: ছয়চল্লিছ; 47: সাতচল্লিছ; 48: আঠচল্লিছ; 49: ঊনপঞ্চাছ; 50: পঞ্চাছ; 51: একাঅন্ন; 52: বাঅন্ন; 53: তিপ্পন্ন; 54: চৌঅন্ন; 55: পঞ্চাঅন্ন; 56: ছাপ্পন্ন; 57: সাতাঅন্ন; 58: আঠাঅন্ন; 59: ঊনষাঠি; 60: ষাঠি; 61: একষষ্ঠি; 62: বাষষ্ঠি; 63: তেষষ্ঠি; 64: চৌষষ্ঠি; 65: পঁয়ষষ্ঠি; 66: ছয়ষষ্ঠি; 67: সাতষষ্ঠি; 68: আঠষষ্ঠি; 69: ঊনসত্তৰ; 70: সত্তৰ; 71: একসত্তৰ; 72: বাসত্তৰ; 73: তেসত্তৰ; 74: চৌসত্তৰ; 75: পঁয়সত্তৰ; 76: ছয়সত্তৰ; 77: সাতসত্তৰ; 78: আঠসত্তৰ; 79: ঊনাশী; 80: আশী; 81: একাশী; 82: বিৰাশী; 83: তিৰাশী; 84: চৌৰাশী; 85: পঁচাশী; 86: ছিয়াশী; 87: সাতাশী; 88: আঠাশী; 89: ঊননব্বৈ; 90: নব্বৈ; 91: একানব্বৈ; 92: বিৰানব্বৈ; 93: তিৰানব্বৈ; 94: চৌৰানব্বৈ; 95: পঁচানব্বৈ; 96: ছিয়ানব্বৈ; 97: সাতানব্বৈ; 98: আঠানব্বৈ; 99: নিৰানব্বৈ; 100: এশ[ &gt;&gt;]; 200: দুশ[ &gt;&gt;]; 300: তিনিশ[ &gt;&gt;]; 400: চাৰিশ[ &gt;&gt;]; 500: পাঁচ্শ[ &gt;&gt;]; 600: ছশ[ &gt;&gt;]; 700: সাৎশ[ &gt;&gt;]; 800: আঠ্শ[ &gt;&gt;]; 900: নশ[ &gt;&gt;]; 1000: &lt;&lt; হাজাৰ[ &gt;&gt;];</translation>
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
        <translation>শুদ্ধ হৈছে। %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>ভুল হৈছে। %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>শুদ্ধ হৈছে।</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>ভুল হৈছে।</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>কৈ শুনোৱা আৰম্ভ হ’ল</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>কৈ শুনোৱা বন্ধ হ’ল</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>আটাইতকৈ সৰু সংখ্যা %1, আটাইতকৈ ডাঙৰ সংখ্যা %2। %3</translation>
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
        <translation>শিশুৰ বাবে অংকৰ অনুশীলন: এবাৰত এটা অংক, Enter টিপাৰ লগে লগে পৰীক্ষা কৰা হয়।</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: কোনো ফাইল বা আন আৰ্গুমেণ্ট নলয়: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>অংক কৈ শুনায় আৰু উত্তৰ শুদ্ধ নে ভুল কয়। %1 এ কৈ শুনোৱা আৰম্ভ আৰু বন্ধ কৰে।</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: কৈ শুনাব নোৱাৰি: কোনো কথন সেৱাই সঁহাৰি দিয়া নাই। অনুশীলন শব্দ নোহোৱাকৈ চলি থাকিব।</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: কৈ শুনাব নোৱাৰি: এই ভাষা কোৱা কোনো মাত নাই। অনুশীলন শব্দ নোহোৱাকৈ চলি থাকিব।</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: কৈ শুনোৱা বন্ধ হ’ল: কথন সেৱা বন্ধ হৈ গ’ল। অনুশীলন শব্দ নোহোৱাকৈ চলি থাকিব।</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>যোৱাবাৰ মনত ৰখা আকাৰৰ সলনি এই আকাৰত খোলে, শতাংশত (%1ৰ পৰা %2লৈ)। %3, %4 আৰু %5 এ আকাৰ ডাঙৰ, সৰু আৰু পুনৰ স্বাভাৱিক কৰে।</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom এ %2ৰ পৰা %3লৈ শতাংশ লয়, “%4” নহয়</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>হৰণ</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>পূৰণ</translation>
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
        <translation>আৰম্ভ</translation>
    </message>
</context>
</TS>
