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
        <translation>Sumbrix मुफ़्त है। इसे उन सबके साथ बाँटो जिन्हें संख्याएँ अच्छी लगती हैं।</translation>
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
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell 0 to 400 as a child counts, written as the voice reads them; see docs/voices.md.</extracomment>
        <translation>digits</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>माइनस %1</translation>
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
        <translation>%1 से %2 तक की संख्याएँ। %3</translation>
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
