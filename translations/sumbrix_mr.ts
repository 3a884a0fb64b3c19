<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mr" sourcelanguage="en">
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
        <translation>उदाहरण</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>तुझी उत्तरे</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>आणखी मोफत खेळ: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>गुणतक्ता</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>तुझे गुण</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>बरोबर</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>चूक</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>आत्ताचे उदाहरण </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>वेळ</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>निवड </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>पासून</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>ते</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix मोफत आहे.  संख्या आवडणाऱ्या सगळ्यांना हे दे.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>आवृत्ती %1 © २०२६ Sumbrix चे लेखक. GNU GPL ३ किंवा नंतरची.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>पाने</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>उदाहरण आणि तुझी उत्तरे ही पाने</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>उदाहरणाचा प्रकार</translation>
    </message>
    <message>
        <source>From</source>
        <translation>सर्वात लहान संख्या</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>उदाहरणांत येणारी सर्वात लहान संख्या</translation>
    </message>
    <message>
        <source>To</source>
        <translation>सर्वात मोठी संख्या</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>उदाहरणांत येणारी सर्वात मोठी संख्या</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>सर्वात मोठी संख्या</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>उदाहरणांत येणारी सर्वात मोठी संख्या ठरवते</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>पहिली संख्या</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>चिन्ह</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>दुसरी संख्या</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>उत्तर लिही, मग Enter दाब</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>या उदाहरणाला लागलेले सेकंद</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>बरोबर उत्तरे</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>चुकलेली उत्तरे</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>बरोबर उत्तरांचे टक्के</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>गुण</translation>
    </message>
    <message>
        <source>History</source>
        <translation>उत्तरांची यादी</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>तपासलेले प्रत्येक उत्तर, त्याच्या वेळेसह</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>ब्राउझरमध्ये शिकण्याच्या खेळांचे पान उघडते</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>शिकण्याचे खेळ</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>चित्र, जे शिकण्याच्या खेळांचे पान उघडते</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>%1, याचे उत्तर</translation>
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
        <translation>अधिक</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>वजा</translation>
    </message>
    <message>
        <source>times</source>
        <translation>गुणिले</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>भागिले</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%main: 0: =0=; 1000: &lt;&lt; हजार[ &gt;%%rest&gt;]; %%rest: 0: =0=; 100: शंभर; 101: =0=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>उणे %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>बरोबर. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>चूक. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>बरोबर.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>चूक.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>मोठ्याने वाचन सुरू</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>मोठ्याने वाचन बंद</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>संख्या %1 ते %2. %3</translation>
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
        <translation>मुलांसाठी अंकगणिताचा सराव: एका वेळी एक उदाहरण, Enter दाबताच तपासले जाते.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: कोणतीही फाइल किंवा इतर आर्ग्युमेंट घेत नाही: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>उदाहरणे आणि उत्तर बरोबर की चूक हे मोठ्याने वाचते. %1 ने हे सुरू आणि बंद होते.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: मोठ्याने वाचता येत नाही: कोणतीही बोलणारी सेवा उत्तर देत नाही. सराव आवाजाशिवाय चालू राहील.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: मोठ्याने वाचता येत नाही: ही भाषा बोलणारा कोणताही आवाज नाही. सराव आवाजाशिवाय चालू राहील.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: मोठ्याने वाचन थांबले: बोलणारी सेवा बंद झाली. सराव आवाजाशिवाय चालू राहील.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>मागच्या वेळी ठेवलेल्या आकाराऐवजी या आकारात (%1 ते %2 टक्के) उघडते. %3 ने हे मोठे होते, %4 ने लहान होते आणि %5 ने पुन्हा नेहमीच्या आकारात येते.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom फक्त %2 ते %3 टक्के घेते, “%4” नाही</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>भागाकार</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>गुणाकार</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>वजाबाकी</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>बेरीज</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>सुरुवात</translation>
    </message>
</context>
</TS>
