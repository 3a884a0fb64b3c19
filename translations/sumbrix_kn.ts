<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kn" sourcelanguage="en">
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
        <translation>ಲೆಕ್ಕ</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>ಉತ್ತರಗಳು</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>ಇನ್ನಷ್ಟು ಕಲಿಕಾ ಸಾಧನಗಳು: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>ಫಲಿತಾಂಶ</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>ನಿನ್ನ ಅಂಕ</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>ಸರಿ</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>ತಪ್ಪು</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>ನಿನ್ನ ಲೆಕ್ಕ </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>ವೇಳೆ</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>ಆಯ್ಕೆ </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>ಇಂದ</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>ಗೆ</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix ಉಚಿತ.  ಸಂಖ್ಯೆ ಇಷ್ಟಪಡುವ ಎಲ್ಲರ ಜೊತೆ ಹಂಚಿಕೋ.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>ಆವೃತ್ತಿ %1 © 2026 Sumbrix ಲೇಖಕರು. GNU GPL 3 ಅಥವಾ ನಂತರದ ಆವೃತ್ತಿ.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>ಪುಟಗಳು</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>ಲೆಕ್ಕ ಮತ್ತು ಉತ್ತರಗಳು ಎಂಬ ಎರಡು ಪುಟಗಳು</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>ಲೆಕ್ಕದ ಬಗೆ</translation>
    </message>
    <message>
        <source>From</source>
        <translation>ಅತಿ ಚಿಕ್ಕ ಸಂಖ್ಯೆ</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>ಲೆಕ್ಕಗಳಲ್ಲಿ ಬರುವ ಅತಿ ಚಿಕ್ಕ ಸಂಖ್ಯೆ</translation>
    </message>
    <message>
        <source>To</source>
        <translation>ಅತಿ ದೊಡ್ಡ ಸಂಖ್ಯೆ</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>ಲೆಕ್ಕಗಳಲ್ಲಿ ಬರುವ ಅತಿ ದೊಡ್ಡ ಸಂಖ್ಯೆ</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>ಅತಿ ದೊಡ್ಡ ಸಂಖ್ಯೆ</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>ಲೆಕ್ಕಗಳಲ್ಲಿ ಬರುವ ಅತಿ ದೊಡ್ಡ ಸಂಖ್ಯೆಯನ್ನು ಆರಿಸುತ್ತದೆ</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>ಮೊದಲ ಸಂಖ್ಯೆ</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>ಚಿಹ್ನೆ</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>ಎರಡನೇ ಸಂಖ್ಯೆ</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>ಉತ್ತರ ಬರೆ, ನಂತರ Enter ಒತ್ತು</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>ಈ ಲೆಕ್ಕಕ್ಕೆ ತೆಗೆದುಕೊಂಡ ಸೆಕೆಂಡುಗಳು</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>ಸರಿ ಉತ್ತರಗಳು</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>ತಪ್ಪು ಉತ್ತರಗಳು</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>ಸರಿ ಉತ್ತರಗಳ ಶೇಕಡಾ</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>ಅಂಕಗಳು</translation>
    </message>
    <message>
        <source>History</source>
        <translation>ಉತ್ತರಗಳ ಪಟ್ಟಿ</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>ತಿದ್ದಿದ ಪ್ರತಿಯೊಂದು ಉತ್ತರ, ಅದರ ವೇಳೆಯ ಜೊತೆ</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>ಕಲಿಕಾ ಸಾಧನಗಳ ಪುಟವನ್ನು ಬ್ರೌಸರ್‌ನಲ್ಲಿ ತೆರೆಯುತ್ತದೆ</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>ಕಲಿಕಾ ಸಾಧನಗಳು</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>ಕಲಿಕಾ ಸಾಧನಗಳ ಪುಟವನ್ನು ತೆರೆಯುವ ಚಿತ್ರ</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>%1, ಇದರ ಉತ್ತರ</translation>
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
        <translation>ಕೂಡು</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>ಕಳೆ</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ಗುಣಿಸು</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>ಭಾಗಿಸು</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: ಸೊನ್ನೆ; 1: ಒಂದು; 2: ಎರಡು; 3: ಮೂರು; 4: ನಾಲ್ಕು; 5: ಐದು; 6: ಆರು; 7: ಏಳು; 8: ಎಂಟು; 9: ಒಂಬತ್ತು; 10: ಹತ್ತು; 11: ಹನ್ನೊಂದು; 12: ಹನ್ನೆರಡು; 13: ಹದಿಮೂರು; 14: ಹದಿನಾಲ್ಕು; 15: ಹದಿನೈದು; 16: ಹದಿನಾರು; 17: ಹದಿನೇಳು; 18: ಹದಿನೆಂಟು; 19: ಹತ್ತೊಂಬತ್ತು; 20: ಇಪ್ಪತ್&gt;%%unit&gt;; 30: ಮೂವತ್&gt;%%unit&gt;; 40: ನಲವತ್&gt;%%unit&gt;; 50: ಐವತ್&gt;%%unit&gt;; 60: ಅರವತ್&gt;%%unit&gt;; 70: ಎಪ್ಪತ್&gt;%%unit&gt;; 80: ಎಂಬತ್&gt;%%unit&gt;; 90: ತೊಂಬತ್&gt;%%unit&gt;; 100: ನೂರ&gt;%%rest&gt;; 200: ಇನ್ನೂರ&gt;%%rest&gt;; 300: ಮುನ್ನೂರ&gt;%%rest&gt;; 400: ನಾನೂರ&gt;%%rest&gt;; 500: ಐನೂರ&gt;%%rest&gt;; 600: ಆರುನೂರ&gt;%%rest&gt;; 700: ಏಳುನೂರ&gt;%%rest&gt;; 800: ಎಂಟುನೂರ&gt;%%rest&gt;; 900: ಒಂಬೈನೂರ&gt;%%rest&gt;; 1000: ಒಂದು ಸಾವಿರ[ದ &gt;&gt;]; 2000: &lt;&lt; ಸಾವಿರ[ದ &gt;&gt;]; %%unit: 0: ತು; 1: ತೊಂದು; 2: ತೆರಡು; 3: ತಮೂರು; 4: ತನಾಲ್ಕು; 5: ತೈದು; 6: ತಾರು; 7: ತೇಳು; 8: ತೆಂಟು; 9: ತೊಂಬತ್ತು; %%rest: 0: ು; 1: &apos; =%spellout=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>ಮೈನಸ್ %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>ಸರಿ ಉತ್ತರ. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>ತಪ್ಪು ಉತ್ತರ. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>ಸರಿ ಉತ್ತರ.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>ತಪ್ಪು ಉತ್ತರ.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>ಗಟ್ಟಿಯಾಗಿ ಓದುವುದು ಶುರುವಾಯಿತು</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>ಗಟ್ಟಿಯಾಗಿ ಓದುವುದು ನಿಂತಿತು</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>ಚಿಕ್ಕ ಸಂಖ್ಯೆ %1, ದೊಡ್ಡ ಸಂಖ್ಯೆ %2. %3</translation>
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
        <translation>ಮಕ್ಕಳಿಗಾಗಿ ಲೆಕ್ಕದ ಅಭ್ಯಾಸ: ಒಮ್ಮೆಗೆ ಒಂದು ಲೆಕ್ಕ, Enter ಒತ್ತಿದ ಕೂಡಲೇ ತಿದ್ದಲಾಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: ಯಾವುದೇ ಫೈಲ್ ಅಥವಾ ಬೇರೆ ಆರ್ಗ್ಯುಮೆಂಟ್ ತೆಗೆದುಕೊಳ್ಳುವುದಿಲ್ಲ: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>ಲೆಕ್ಕಗಳನ್ನೂ ಉತ್ತರ ಸರಿಯೋ ತಪ್ಪೋ ಎಂಬುದನ್ನೂ ಗಟ್ಟಿಯಾಗಿ ಓದುತ್ತದೆ. %1 ಇದನ್ನು ಆನ್ ಮತ್ತು ಆಫ್ ಮಾಡುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ಗಟ್ಟಿಯಾಗಿ ಓದಲು ಆಗುತ್ತಿಲ್ಲ: ಯಾವುದೇ ಮಾತಿನ ಸೇವೆ ಉತ್ತರಿಸುತ್ತಿಲ್ಲ. ಅಭ್ಯಾಸ ಸದ್ದಿಲ್ಲದೆ ಮುಂದುವರಿಯುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ಗಟ್ಟಿಯಾಗಿ ಓದಲು ಆಗುತ್ತಿಲ್ಲ: ಈ ಭಾಷೆಯನ್ನು ಮಾತನಾಡುವ ಯಾವುದೇ ಧ್ವನಿ ಇಲ್ಲ. ಅಭ್ಯಾಸ ಸದ್ದಿಲ್ಲದೆ ಮುಂದುವರಿಯುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ಗಟ್ಟಿಯಾಗಿ ಓದುವುದು ನಿಂತಿತು: ಮಾತಿನ ಸೇವೆ ಇಲ್ಲವಾಯಿತು. ಅಭ್ಯಾಸ ಸದ್ದಿಲ್ಲದೆ ಮುಂದುವರಿಯುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>ಹಿಂದಿನ ಸಲ ಉಳಿಸಿದ ಗಾತ್ರದ ಬದಲು ಈ ಗಾತ್ರದಲ್ಲಿ (%1ರಿಂದ %2 ಶೇಕಡಾ) ತೆರೆಯುತ್ತದೆ. %3 ಇದನ್ನು ದೊಡ್ಡದಾಗಿ ಮಾಡುತ್ತದೆ, %4 ಚಿಕ್ಕದಾಗಿ ಮಾಡುತ್ತದೆ ಮತ್ತು %5 ಮತ್ತೆ ಸಾಮಾನ್ಯ ಗಾತ್ರಕ್ಕೆ ತರುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom %2ರಿಂದ %3ರವರೆಗಿನ ಶೇಕಡಾವನ್ನು ತೆಗೆದುಕೊಳ್ಳುತ್ತದೆ, “%4” ಅಲ್ಲ</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>ಭಾಗಾಕಾರ</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>ಗುಣಾಕಾರ</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>ವ್ಯವಕಲನ</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>ಸಂಕಲನ</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>ಆರಂಭ</translation>
    </message>
</context>
</TS>
