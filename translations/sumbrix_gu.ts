<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gu" sourcelanguage="en">
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
        <translation>દાખલો</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>જવાબો</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>શીખવાની વધુ મફત રમતો: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>પરિણામ</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>તારા ગુણ</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>સાચા</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>ખોટા</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>અત્યારનો દાખલો </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>સમય</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>પસંદગી </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>થી</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>સુધી</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix મફત છે.  જેને સંખ્યાઓ ગમે તે બધાને આ આપ.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>આવૃત્તિ %1 © 2026 Sumbrix ના લેખકો. GNU GPL 3 કે પછીની.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>પાનાં</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>દાખલો અને જવાબો, એ બે પાનાં</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>દાખલાનો પ્રકાર</translation>
    </message>
    <message>
        <source>From</source>
        <translation>સૌથી નાની સંખ્યા</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>દાખલામાં આવતી સૌથી નાની સંખ્યા</translation>
    </message>
    <message>
        <source>To</source>
        <translation>સૌથી મોટી સંખ્યા</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>દાખલામાં આવતી સૌથી મોટી સંખ્યા</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>સૌથી મોટી સંખ્યા</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>દાખલામાં આવતી સૌથી મોટી સંખ્યા નક્કી કરે છે</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>પહેલી સંખ્યા</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>ચિહ્ન</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>બીજી સંખ્યા</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>જવાબ લખ, પછી Enter દબાવ</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>આ દાખલામાં લાગેલી સેકન્ડ</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>સાચા જવાબ</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>ખોટા જવાબ</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>સાચા જવાબના ટકા</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>ગુણ</translation>
    </message>
    <message>
        <source>History</source>
        <translation>જવાબોની યાદી</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>તપાસેલો દરેક જવાબ, તેના સમય સાથે</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>બ્રાઉઝરમાં શીખવાની રમતોનું પાનું ખોલે છે</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>શીખવાની રમતો</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>ચિત્ર, જે શીખવાની રમતોનું પાનું ખોલે છે</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>%1, તેનો જવાબ</translation>
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
        <translation>વત્તા</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>ઓછા</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ગુણ્યા</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>ભાગ્યા</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: શૂન્ય; 1: એક; 2: બે; 3: ત્રણ; 4: ચાર; 5: પાન્ચ; 6: છ; 7: સાત; 8: આઠ; 9: નવ; 10: દસ; 11: અગિયાર; 12: બાર; 13: તેર; 14: ચૌદ; 15: પંદર; 16: સોળ; 17: સત્તર; 18: અઢાર; 19: ઓગણીસ; 20: વીસ; 21: એકવીસ; 22: બાવીસ; 23: ત્રેવીસ; 24: ચોવીસ; 25: પચ્ચીસ; 26: છવ્વીસ; 27: સત્તાવીસ; 28: અઠ્ઠાવીસ; 29: ઓગણત્રીસ; 30: ત્રીસ; 31: એકત્રીસ; 32: બત્રીસ; 33: તેત્રીસ; 34: ચોત્રીસ; 35: પાંત્રીસ; 36: છત્રીસ; 37: સાડત્રીસ; 38: આડત્રીસ; 39: ઓગણચાલીસ; 40: ચાલીસ; 41: એકતાલીસ; 42: બેતાલીસ; 43: તેતાલીસ; 44: ચુમ્માલીસ; 45: પિસ્તાલીસ; 46: છેતાલીસ; 47: સુડતાલીસ; 48: અડતાલીસ; 49: ઓગણપચાસ; 50: પચાસ; 51: એકાવન; 52: બાવન; 53: ત્રેપન; 54: ચોપન; 55: પંચાવન; 56: છપ્પન; 57: સત્તાવન; 58: અઠ્ઠાવન; 59: ઓગણસાઠ; 60: સાઠ; 61: એક્સઠ; 62: બાસઠ; 63: ત્રેસઠ; 64: ચોસઠ; 65: પાંસઠ; 66: છાસઠ; 67: સડ્સઠ; 68: અડ્સઠ; 69: ઓગણસિત્તેર; 70: સિત્તેર; 71: એકોતેર; 72: બોંતેર; 73: તોંતેર; 74: ચુમોતેર; 75: પંચોતેર; 76: છોંતેર; 77: સિત્યોતેર; 78: ઇઠ્યોતેર; 79: ઓગણએંસી; 80: એંસી; 81: એક્યાસી; 82: બ્યાસી; 83: ત્યાસી; 84: ચોર્યાસી; 85: પંચ્યાસી; 86: છ્યાસી; 87: સિત્યાસી; 88: ઇઠ્યાસી; 89: નેવ્યાસી; 90: નેવું; 91: એકાણું; 92: બાણું; 93: ત્રાણું; 94: ચોરાણું; 95: પંચાણું; 96: છન્નું; 97: સત્તાણું; 98: અઠ્ઠાણું; 99: નવ્વાણું; 100: એક્સો[ &gt;&gt;]; 200: બસો[ &gt;&gt;]; 300: ત્રણ સો[ &gt;&gt;]; 400: ચાર સો[ &gt;&gt;]; 500: પાન્ચ સો[ &gt;&gt;]; 600: છ સો[ &gt;&gt;]; 700: સાત સો[ &gt;&gt;]; 800: આઠ સો[ &gt;&gt;]; 900: નવ સો[ &gt;&gt;]; 1000: &lt;&lt; હજાર[ &gt;&gt;];</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>માઇનસ %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>સાચું. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>ખોટું. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>સાચું.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>ખોટું.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>મોટેથી વાંચવાનું ચાલુ</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>મોટેથી વાંચવાનું બંધ</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>%1 થી %2 સુધીની સંખ્યાઓ. %3</translation>
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
        <translation>બાળકો માટે ગણિતનો મહાવરો: એક વખતે એક દાખલો, Enter દબાવતાં જ તપાસાય છે.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: કોઈ ફાઇલ કે બીજા આર્ગ્યુમેન્ટ લેતું નથી: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>દાખલા અને જવાબ સાચો કે ખોટો તે મોટેથી વાંચે છે. %1 તેને ચાલુ અને બંધ કરે છે.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: મોટેથી વાંચી શકાતું નથી: કોઈ બોલવાની સેવા જવાબ આપતી નથી. મહાવરો અવાજ વગર ચાલુ રહેશે.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: મોટેથી વાંચી શકાતું નથી: આ ભાષા બોલતો કોઈ અવાજ નથી. મહાવરો અવાજ વગર ચાલુ રહેશે.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: મોટેથી વાંચવાનું અટકી ગયું: બોલવાની સેવા બંધ થઈ ગઈ. મહાવરો અવાજ વગર ચાલુ રહેશે.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>ગયા વખતે સાચવેલા કદને બદલે આ કદમાં (%1થી %2 ટકા) ખૂલે છે. %3 તેને મોટું કરે છે, %4 નાનું કરે છે અને %5 પાછું સામાન્ય કદમાં લાવે છે.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom %2થી %3 સુધીના ટકા લે છે, “%4” નહીં</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>ભાગાકાર</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>ગુણાકાર</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>બાદબાકી</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>સરવાળો</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>શરૂઆત</translation>
    </message>
</context>
</TS>
