<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ne" sourcelanguage="en">
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
        <translation>हिसाब</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>तिम्रा उत्तर</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>अरू निःशुल्क साधन: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>अङ्क तालिका</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>तिम्रो अङ्क</translation>
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
        <translation>अहिलेको हिसाब </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>समय</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>छान </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>देखि</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>सम्म</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix निःशुल्क छ। सङ्ख्या मन पराउने सबैसँग यो सेयर गर।</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>संस्करण %1 © २०२६ Sumbrix का लेखक। GNU GPL ३ वा पछिको।</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>पानाहरू</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>हिसाब र तिम्रा उत्तरका पानाहरू</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>हिसाबको किसिम</translation>
    </message>
    <message>
        <source>From</source>
        <translation>सबैभन्दा सानो सङ्ख्या</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>हिसाबमा आउने सबैभन्दा सानो सङ्ख्या</translation>
    </message>
    <message>
        <source>To</source>
        <translation>सबैभन्दा ठूलो सङ्ख्या</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>हिसाबमा आउने सबैभन्दा ठूलो सङ्ख्या</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>सबैभन्दा ठूलो सङ्ख्या</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>हिसाबमा आउने सबैभन्दा ठूलो सङ्ख्या छान्छ</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>पहिलो सङ्ख्या</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>हिसाबको चिह्न</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>दोस्रो सङ्ख्या</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>उत्तर लेख, अनि Enter थिच</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>यो हिसाबमा लागेको समय, सेकेन्डमा</translation>
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
        <translation>सही उत्तरको प्रतिशत</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>अङ्क</translation>
    </message>
    <message>
        <source>History</source>
        <translation>उत्तरहरूको सूची</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>जाँचिएका सबै उत्तर, समयसँगै</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>ब्राउजरमा सिक्ने साधनहरूको पाना खोल्छ</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>सिक्ने साधनहरू</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>सिक्ने साधनहरूको पाना खोल्ने चित्र</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>%1 को उत्तर</translation>
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
        <translation>जोड</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>घटाउ</translation>
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
        <translation>%spellout: 0: शून्य; 1: एक्; 2: दुई; 3: तिन; 4: चार्; 5: पाँच; 6: छ; 7: सात; 8: आठ; 9: नौ; 10: दस; 11: एघार; 12: बाह्र; 13: तेह्र; 14: चौध; 15: पन्ध्र; 16: सोह्र; 17: सत्र; 18: अठार; 19: उन्नाइस; 20: बिस; 21: एक्काइस; 22: बाइस; 23: तेइस; 24: चौबिस; 25: पच्चिस; 26: छब्बिस; 27: सत्ताइस; 28: अट्ठाइस; 29: उनन्तिस; 30: तिस; 31: एकतिस; 32: बत्तिस; 33: तेत्तिस; 34: चौँतिस; 35: पैँतिस; 36: छत्तिस; 37: सैँतिस; 38: अठतिस; 39: उनन्चालिस; 40: चालिस; 41: एकचालिस; 42: बयालिस; 43: त्रिचालिस; 44: चवालिस; 45: पैँतालिस; 46: छयालिस; 47: सतचालिस; 48: अठचालिस; 49: उनन्चास; 50: पचास; 51: एकाउन्न; 52: बाउन्न; 53: त्रिपन्न; 54: चवन्न; 55: पचपन्न; 56: छपन्न; 57: सन्ताउन्न; 58: अन्ठाउन्न; 59: उनन्साठी; 60: साठी; 61: एकसट्ठी; 62: बयसट्ठी; 63: त्रिसट्ठी; 64: चौसट्ठी; 65: पैँसट्ठी; 66: छयसट्ठी; 67: सतसट्ठी; 68: अठसट्ठी; 69: उनन्सत्तरी; 70: सत्तरी; 71: एकहत्तर; 72: बहत्तर; 73: त्रिहत्तर; 74: चौहत्तर; 75: पचहत्तर; 76: छयहत्तर; 77: सतहत्तर; 78: अठहत्तर; 79: उनासी; 80: असी; 81: एकासी; 82: बयासी; 83: त्रियासी; 84: चौरासी; 85: पचासी; 86: छयासी; 87: सतासी; 88: अठासी; 89: उनान्नब्बे; 90: नब्बे; 91: एकानब्बे; 92: बयानब्बे; 93: त्रियानब्बे; 94: चौरानब्बे; 95: पन्चानब्बे; 96: छयानब्बे; 97: सन्तानब्बे; 98: अन्ठानब्बे; 99: उनान्सय; 100: एक् सय[ &gt;&gt;]; 200: दुई सय[ &gt;&gt;]; 300: तिन सय[ &gt;&gt;]; 400: चार् सय[ &gt;&gt;]; 500: पाँच सय[ &gt;&gt;]; 600: छ सय[ &gt;&gt;]; 700: सात सय[ &gt;&gt;]; 800: आठ सय[ &gt;&gt;]; 900: नौ सय[ &gt;&gt;]; 1000: &lt;&lt; हजार्[ &gt;&gt;];</translation>
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
        <translation>सही भयो। %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>गलत भयो। %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>सही भयो।</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>गलत भयो।</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>पढेर सुनाउने सुरु भयो</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>पढेर सुनाउने बन्द भयो</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>%1 देखि %2 सम्मका सङ्ख्या। %3</translation>
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
        <translation>बालबालिकाका लागि हिसाबको अभ्यास: एक पटकमा एउटा हिसाब, Enter थिच्नेबित्तिकै जाँचिन्छ।</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: कुनै फाइल वा अरू आर्गुमेन्ट लिँदैन: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>हिसाब पढेर सुनाउँछ र उत्तर सही वा गलत भन्छ। %1 ले पढेर सुनाउने सुरु र बन्द गर्छ।</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: पढेर सुनाउन सकिँदैन: बोल्ने कुनै सेवाले जवाफ दिँदैन। अभ्यास आवाजबिना चलिरहन्छ।</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: पढेर सुनाउन सकिँदैन: यो भाषा बोल्ने कुनै आवाज छैन। अभ्यास आवाजबिना चलिरहन्छ।</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: पढेर सुनाउने रोकियो: बोल्ने सेवा बन्द भयो। अभ्यास आवाजबिना चलिरहन्छ।</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>पछिल्लो पटक सम्झिएको आकारको सट्टा विन्डो यस आकारमा खोल्छ, प्रतिशतमा (%1 देखि %2 सम्म)। %3, %4 र %5 ले आकार ठूलो, सानो र फेरि सामान्य बनाउँछन्।</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom ले %2 देखि %3 सम्मको प्रतिशत लिन्छ, “%4” होइन</translation>
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
        <translation>गुणन</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>घटाउ</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>जोड</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>सुरु</translation>
    </message>
</context>
</TS>
