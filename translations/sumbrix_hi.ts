<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="en">
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
        <translation>सवाल</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>तुम्हारे उत्तर</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>सीखने के और भी मुफ़्त खेल: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>अंक तालिका</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>अंक</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>सही</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>गलत</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>अभी का सवाल </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>समय</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>चुनो </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>से</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>तक</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix मुफ़्त है। इसे उन सबके साथ बाँटो जिन्हें संख्याएं अच्छी लगती हैं।</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>संस्करण %1 © 2026 Sumbrix के लेखक। GNU GPL 3 या उसके बाद का संस्करण।</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>पन्ने</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>सवाल और तुम्हारे उत्तर वाले पन्ने</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>सवाल का प्रकार</translation>
    </message>
    <message>
        <source>From</source>
        <translation>सबसे छोटी संख्या</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>सवालों में आने वाली सबसे छोटी संख्या</translation>
    </message>
    <message>
        <source>To</source>
        <translation>सबसे बड़ी संख्या</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>सवालों में आने वाली सबसे बड़ी संख्या</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>सबसे बड़ी संख्या</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>सवालों में आने वाली सबसे बड़ी संख्या तय करता है</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>पहली संख्या</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>चिह्न</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>दूसरी संख्या</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>उत्तर लिखो, फिर Enter दबाओ</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>इस सवाल पर लगा समय, सेकंड में</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>सही उत्तर</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>गलत उत्तर</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>सही उत्तरों का प्रतिशत</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>अंक</translation>
    </message>
    <message>
        <source>History</source>
        <translation>उत्तरों की सूची</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>हर जाँचा गया उत्तर, उसके समय के साथ</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>ब्राउज़र में सीखने के खेलों वाला पन्ना खोलता है</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>सीखने के खेल</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>तस्वीर, जो सीखने के खेलों वाला पन्ना खोलती है</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>%1 का उत्तर</translation>
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
        <translation>जमा</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>घटा</translation>
    </message>
    <message>
        <source>times</source>
        <translation>गुणा</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>भाग</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: शून्य; 1: एक; 2: दो; 3: तीन; 4: चार; 5: पाँच; 6: छह; 7: सात; 8: आठ; 9: नौ; 10: दस; 11: ग्यारह; 12: बारह; 13: तेरह; 14: चौदह; 15: पंद्रह; 16: सोलह; 17: सत्रह; 18: अठारह; 19: उन्नीस; 20: बीस; 21: इक्कीस; 22: बाईस; 23: तेईस; 24: चौबीस; 25: पच्चीस; 26: छब्बीस; 27: सत्ताईस; 28: अट्ठाईस; 29: उनतीस; 30: तीस; 31: इकतीस; 32: बत्तीस; 33: तैंतीस; 34: चौंतीस; 35: पैंतीस; 36: छत्तीस; 37: सैंतीस; 38: अड़तीस; 39: उनतालीस; 40: चालीस; 41: इकतालीस; 42: बयालीस; 43: तैंतालीस; 44: चौवालीस; 45: पैंतालीस; 46: छियालीस; 47: सैंतालीस; 48: अड़तालीस; 49: उनचास; 50: पचास; 51: इक्यावन; 52: बावन; 53: तिर्पन; 54: चौवन; 55: पचपन; 56: छप्पन; 57: सत्तावन; 58: अट्ठावन; 59: उन्सठ; 60: साठ; 61: इक्सठ; 62: बासठ; 63: तिरसठ; 64: चौंसठ; 65: पैंसठ; 66: छियासठ; 67: सड़्सठ; 68: अड़्सठ; 69: उनहत्तर; 70: सत्तर; 71: इकहत्तर; 72: बहत्तर; 73: तिहत्तर; 74: चौहत्तर; 75: पचहत्तर; 76: छिहत्तर; 77: सतहत्तर; 78: अठहत्तर; 79: उनासी; 80: अस्सी; 81: इक्यासी; 82: बयासी; 83: तिरासी; 84: चौरासी; 85: पचासी; 86: छियासी; 87: सत्तासी; 88: अट्ठासी; 89: नवासी; 90: नब्बे; 91: इक्यानवे; 92: बानवे; 93: तिरानवे; 94: चौरानवे; 95: पंचानवे; 96: छियानवे; 97: सत्तानवे; 98: अट्ठानवे; 99: निन्यानवे; 100: एक सौ[ &gt;&gt;]; 200: दो सौ[ &gt;&gt;]; 300: तीन सौ[ &gt;&gt;]; 400: चार सौ[ &gt;&gt;]; 500: पाँच सौ[ &gt;&gt;]; 600: छह सौ[ &gt;&gt;]; 700: सात सौ[ &gt;&gt;]; 800: आठ सौ[ &gt;&gt;]; 900: नौ सौ[ &gt;&gt;]; 1000: &lt;&lt; हज़ार[ &gt;&gt;];</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>ऋण %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>सही। %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>गलत। %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>सही।</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>गलत।</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>पढ़कर सुनाना चालू</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>पढ़कर सुनाना बंद</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>%1 से %2 तक की संख्याएं। %3</translation>
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
        <translation>बच्चों के लिए गणित का अभ्यास: एक बार में एक सवाल, Enter दबाते ही जाँचा जाता है।</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: कोई फ़ाइल या दूसरा आर्ग्युमेंट नहीं लेता: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>सवाल और नतीजे पढ़कर सुनाता है। %1 इसे चालू और बंद करता है।</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: पढ़कर नहीं सुना सकता: कोई बोलने वाली सेवा जवाब नहीं दे रही। अभ्यास बिना आवाज़ के चलता रहेगा।</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: पढ़कर नहीं सुना सकता: इस भाषा में बोलने वाली कोई आवाज़ नहीं है। अभ्यास बिना आवाज़ के चलता रहेगा।</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: पढ़कर सुनाना रुक गया: बोलने वाली सेवा बंद हो गई। अभ्यास बिना आवाज़ के चलता रहेगा।</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>पिछली बार सहेजे गए आकार के बजाय इस आकार (%1 से %2 प्रतिशत) में खुलता है। %3 इसे बड़ा करता है, %4 छोटा करता है और %5 फिर से सामान्य आकार में लाता है।</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom %2 से %3 तक का प्रतिशत लेता है, “%4” नहीं</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>भाग</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>गुणा</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>घटाव</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>जोड़</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>शुरू</translation>
    </message>
</context>
</TS>
