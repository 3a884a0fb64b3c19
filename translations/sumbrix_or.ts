<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="or" sourcelanguage="en">
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
        <translation>ଅଙ୍କ</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>ଉତ୍ତର</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>ଆହୁରି ମାଗଣା ସାଧନ: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>ଫଳାଫଳ</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>ତୁମ ନମ୍ବର</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>ଠିକ୍</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>ଭୁଲ</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>ତୁମ ଅଙ୍କ </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>ସମୟ</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>ବାଛ </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>ରୁ</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>ଯାଏ</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix ମାଗଣା।  ସଂଖ୍ୟା ଭଲ ପାଉଥିବା ସମସ୍ତଙ୍କୁ ଏହା ଦିଅ।</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Sumbrix %1 © 2026 ଏହାର ଲେଖକ। GNU GPL 3 ବା ପରବର୍ତ୍ତୀ।</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>ପୃଷ୍ଠା</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>ଅଙ୍କ ଓ ଉତ୍ତର ପୃଷ୍ଠା</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>ଅଙ୍କର ପ୍ରକାର</translation>
    </message>
    <message>
        <source>From</source>
        <translation>ସବୁଠାରୁ ସାନ ସଂଖ୍ଯା</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>ଅଙ୍କରେ ଆସୁଥିବା ସବୁଠାରୁ ସାନ ସଂଖ୍ଯା</translation>
    </message>
    <message>
        <source>To</source>
        <translation>ସବୁଠାରୁ ବଡ଼ ସଂଖ୍ଯା</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>ଅଙ୍କରେ ଆସୁଥିବା ସବୁଠାରୁ ବଡ଼ ସଂଖ୍ଯା</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>ସବୁଠାରୁ ବଡ଼ ସଂଖ୍ଯା</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>ଅଙ୍କରେ ଆସୁଥିବା ସବୁଠାରୁ ବଡ଼ ସଂଖ୍ଯା ବାଛେ</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>ପ୍ରଥମ ସଂଖ୍ଯା</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>ଅଙ୍କର ଚିହ୍ନ</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>ଦ୍ଵିତୀୟ ସଂଖ୍ଯା</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>ଉତ୍ତର ଲେଖ, ତାପରେ Enter ଦବାଅ</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>ଏହି ଅଙ୍କରେ ଲାଗିଥିବା ସମୟ, ସେକେଣ୍ଡରେ</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>ଠିକ୍ ଉତ୍ତର</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>ଭୁଲ ଉତ୍ତର</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>ଠିକ୍ ଉତ୍ତରର ପ୍ରତିଶତ</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>ନମ୍ବର</translation>
    </message>
    <message>
        <source>History</source>
        <translation>ଉତ୍ତରର ତାଲିକା</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>ଯାଞ୍ଚ ହୋଇଥିବା ସବୁ ଉତ୍ତର, ସମୟ ସହିତ</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>ବ୍ରାଉଜରରେ ଶିଖିବା ସାଧନର ପୃଷ୍ଠା ଖୋଲେ</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>ଶିଖିବା ସାଧନ</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>ଶିଖିବା ସାଧନର ପୃଷ୍ଠା ଖୋଲୁଥିବା ଛବି</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>%1 ର ଉତ୍ତର</translation>
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
        <translation>ଯୋଗ</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>ବିଓଗ</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ଗୁଣନ</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>ହରଣ</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: ଶୂନ; 1: ଏକ; 2: ଦୁଇ; 3: ତିନି; 4: ଚାରି; 5: ପାଞ୍ଚ; 6: ଛଅ; 7: ସାତ; 8: ଆଠ; 9: ନଅ; 10: ଦଶ; 11: ଏଗାର; 12: ବାର; 13: ତେର; 14: ଚଉଦ; 15: ପନ୍ଦର; 16: ଷୋହଳ; 17: ସତର; 18: ଅଠର; 19: ଊଣେଇଶି; 20: କୋଡିଏ; 21: ଏକୋଇଶି; 22: ବାଇଶି; 23: ତେଇଶି; 24: ଚବିଶି; 25: ପଚିଶି; 26: ଛବିଶି; 27: ସତାଇଶି; 28: ଅଠାଇଶି; 29: ଅଣତିରିଶି; 30: ତିରିଶି; 31: ଏକତିରିଶି; 32: ବତିଶି; 33: ତେତିଶି; 34: ଚଉତିରିଶି; 35: ପଇଁତିରିଶି; 36: ଛତିଶି; 37: ସଇଁତିରିଶି; 38: ଅଠତିରିଶି; 39: ଅଣଚାଳିଶି; 40: ଚାଳିଶି; 41: ଏକଚାଳିଶି; 42: ବଇଆଳିଶି; 43: ତେଇଆଳିଶି; 44: ଚଉରାଳିଶି; 45: ପଞ୍ଚଚାଳିଶି; 46: ଛଇଆଳିଶି; 47: ସତଚାଳିଶି; 48: ଅଠଚାଳିଶି; 49: ଅଣଚାଶ; 50: ପଚାଶ; 51: ଏକାବନ; 52: ବାଉନ; 53: ତେପନ; 54: ଚଉବନ; 55: ପଞ୍ଚାବନ; 56: ଛପନ; 57: ସତାବନ; 58: ଅଠାବନ; 59: ଅଣଷଠି; 60: ଷାଠିଏ; 61: ଏକଷଠି; 62: ବାଷଠି; 63: ତେଷଠି; 64: ଚଉଷଠି; 65: ପଞ୍ଚଷଠି; 66: ଛଅଷଠି; 67: ସତଷଠି; 68: ଅଠଷଠି; 69: ଅଣସ୍ତରି; 70: ସତୁରି; 71: ଏକସ୍ତରି; 72: ବାସ୍ତରି; 73: ତେସ୍ତରି; 74: ଚଉସ୍ତରି; 75: ପଞ୍ଚସ୍ତରି; 76: ଛଅସ୍ତରି; 77: ସତସ୍ତରି; 78: ଅଠସ୍ତରି; 79: ଅଣାଅଶୀ; 80: ଅଶୀ; 81: ଏକାଅଶୀ; 82: ବଇଆଅଶୀ; 83: ତେଇଆଅଶୀ; 84: ଚଉରାଅଶୀ; 85: ପଞ୍ଚାଅଶୀ; 86: ଛଇଆଅଶୀ; 87: ସତାଅଶୀ; 88: ଅଠାଅଶୀ; 89: ଅଣାନବେ; 90: ନବେ; 91: ଏକାନବେ; 92: ବଇଆନବେ; 93: ତେଇଆନବେ; 94: ଚଉରାନବେ; 95: ପଞ୍ଚାନବେ; 96: ଛଇଆନବେ; 97: ସତାନବେ; 98: ଅଠାନବେ; 99: ଅନେଶତ; 100: ଏକ ଶହ[ &gt;&gt;]; 200: ଦୁଇ ଶହ[ &gt;&gt;]; 300: ତିନି ଶହ[ &gt;&gt;]; 400: ଚାରି ଶହ[ &gt;&gt;]; 500: ପାଞ୍ଚ ଶହ[ &gt;&gt;]; 600: ଛଅ ଶହ[ &gt;&gt;]; 700: ସାତ ଶହ[ &gt;&gt;]; 800: ଆଠ ଶହ[ &gt;&gt;]; 900: ନଅ ଶହ[ &gt;&gt;]; 1000: &lt;&lt; ହଜାର[ &gt;&gt;];</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>ଋଣ %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>ଠିକ୍ ହେଲା। %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>ଭୁଲ ହେଲା। %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>ଠିକ୍ ହେଲା।</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>ଭୁଲ ହେଲା।</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>ପଢି ଶୁଣାଇବା ଚାଲୁ</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>ପଢି ଶୁଣାଇବା ବନ୍ଦ</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>%1 ରୁ %2 ଯାଏ ସଂଖ୍ଯା। %3</translation>
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
        <translation>ପିଲାମାନଙ୍କ ପାଇଁ ଅଙ୍କ ଅଭ୍ୟାସ: ଥରକେ ଗୋଟିଏ ଅଙ୍କ, Enter ଦବାଇବା ମାତ୍ରେ ଯାଞ୍ଚ ହୁଏ।</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: କୌଣସି ଫାଇଲ କିମ୍ବା ଅନ୍ୟ ଆର୍ଗୁମେଣ୍ଟ ନିଏ ନାହିଁ: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>ଅଙ୍କ ପଢ଼ି ଶୁଣାଏ ଓ ଉତ୍ତର ଠିକ୍ କି ଭୁଲ କହେ। %1 ପଢ଼ି ଶୁଣାଇବା ଚାଲୁ ଓ ବନ୍ଦ କରେ।</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ପଢ଼ି ଶୁଣାଇ ହେଉନାହିଁ: କୌଣସି କଥା କହିବା ସେବା ଉତ୍ତର ଦେଉନାହିଁ। ଅଭ୍ୟାସ ବିନା ଶବ୍ଦରେ ଚାଲିବ।</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ପଢ଼ି ଶୁଣାଇ ହେଉନାହିଁ: ଏହି ଭାଷା କହୁଥିବା କୌଣସି ସ୍ୱର ନାହିଁ। ଅଭ୍ୟାସ ବିନା ଶବ୍ଦରେ ଚାଲିବ।</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ପଢ଼ି ଶୁଣାଇବା ବନ୍ଦ ହେଲା: କଥା କହିବା ସେବା ଆଉ ନାହିଁ। ଅଭ୍ୟାସ ବିନା ଶବ୍ଦରେ ଚାଲିବ।</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>ଗତଥର ମନେ ରଖାଯାଇଥିବା ଆକାର ବଦଳରେ ୱିଣ୍ଡୋକୁ ଏହି ଆକାରରେ ଖୋଲେ, ପ୍ରତିଶତରେ (%1ରୁ %2)। %3, %4 ଓ %5 ଆକାର ବଡ଼, ଛୋଟ ଓ ପୁଣି ସାଧାରଣ କରେ।</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom %2ରୁ %3 ପର୍ଯ୍ୟନ୍ତ ପ୍ରତିଶତ ନିଏ, “%4” ନୁହେଁ</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>ହରଣ</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>ଗୁଣନ</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>ବିୟୋଗ</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>ଯୋଗ</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>ଆରମ୍ଭ</translation>
    </message>
</context>
</TS>
