<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pa" sourcelanguage="en">
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
        <translation>ਸਵਾਲ</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>ਜਵਾਬ</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>ਸਿੱਖਣ ਦੀਆਂ ਹੋਰ ਮੁਫ਼ਤ ਖੇਡਾਂ: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>ਨਤੀਜਾ</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>ਤੁਹਾਡੇ ਅੰਕ</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>ਸਹੀ</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>ਗ਼ਲਤ</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>ਹੁਣ ਦਾ ਸਵਾਲ </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>ਸਮਾਂ</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>ਚੁਣੋ </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>ਤੋਂ</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>ਤੱਕ</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix ਮੁਫ਼ਤ ਹੈ।  ਇਸ ਨੂੰ ਉਨ੍ਹਾਂ ਸਾਰਿਆਂ ਨਾਲ ਸਾਂਝਾ ਕਰੋ ਜਿਨ੍ਹਾਂ ਨੂੰ ਗਿਣਤੀ ਚੰਗੀ ਲੱਗਦੀ ਹੈ।</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>ਸੰਸਕਰਣ %1 © 2026 Sumbrix ਦੇ ਲੇਖਕ। GNU GPL 3 ਜਾਂ ਬਾਅਦ ਦਾ।</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>ਪੰਨੇ</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>ਸਵਾਲ ਅਤੇ ਜਵਾਬ ਵਾਲੇ ਪੰਨੇ</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>ਸਵਾਲ ਦੀ ਕਿਸਮ</translation>
    </message>
    <message>
        <source>From</source>
        <translation>ਸਭ ਤੋਂ ਛੋਟੀ ਸੰਖਿਆ</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>ਸਵਾਲਾਂ ਵਿੱਚ ਆਉਣ ਵਾਲੀ ਸਭ ਤੋਂ ਛੋਟੀ ਸੰਖਿਆ</translation>
    </message>
    <message>
        <source>To</source>
        <translation>ਸਭ ਤੋਂ ਵੱਡੀ ਸੰਖਿਆ</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>ਸਵਾਲਾਂ ਵਿੱਚ ਆਉਣ ਵਾਲੀ ਸਭ ਤੋਂ ਵੱਡੀ ਸੰਖਿਆ</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>ਸਭ ਤੋਂ ਵੱਡੀ ਸੰਖਿਆ</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>ਸਵਾਲਾਂ ਵਿੱਚ ਆਉਣ ਵਾਲੀ ਸਭ ਤੋਂ ਵੱਡੀ ਸੰਖਿਆ ਚੁਣਦਾ ਹੈ</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>ਪਹਿਲੀ ਸੰਖਿਆ</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>ਚਿੰਨ੍ਹ</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>ਦੂਜੀ ਸੰਖਿਆ</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>ਜਵਾਬ ਲਿਖੋ, ਫਿਰ Enter ਦਬਾਓ</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>ਇਸ ਸਵਾਲ ਉੱਤੇ ਲੱਗੇ ਸਕਿੰਟ</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>ਸਹੀ ਜਵਾਬ</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>ਗ਼ਲਤ ਜਵਾਬ</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>ਸਹੀ ਜਵਾਬਾਂ ਦੀ ਪ੍ਰਤੀਸ਼ਤ</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>ਅੰਕ</translation>
    </message>
    <message>
        <source>History</source>
        <translation>ਜਵਾਬਾਂ ਦੀ ਸੂਚੀ</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>ਹਰ ਜਾਂਚਿਆ ਜਵਾਬ, ਉਸ ਦੇ ਸਮੇਂ ਨਾਲ</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>ਬ੍ਰਾਊਜ਼ਰ ਵਿੱਚ ਸਿੱਖਣ ਦੀਆਂ ਖੇਡਾਂ ਵਾਲਾ ਪੰਨਾ ਖੋਲ੍ਹਦਾ ਹੈ</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>ਸਿੱਖਣ ਦੀਆਂ ਖੇਡਾਂ</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>ਤਸਵੀਰ, ਜੋ ਸਿੱਖਣ ਦੀਆਂ ਖੇਡਾਂ ਵਾਲਾ ਪੰਨਾ ਖੋਲ੍ਹਦੀ ਹੈ</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>%1 ਦਾ ਜਵਾਬ</translation>
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
        <translation>ਜਮ੍ਹਾਂ</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>ਘਟਾਓ</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ਗੁਣਾ</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>ਭਾਗ</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: ਸਿਫ਼ਰ; 1: ਇੱਕ; 2: ਦੋ; 3: ਤਿੰਨ; 4: ਚਾਰ; 5: ਪੰਜ; 6: ਛੇ; 7: ਸੱਤ; 8: ਅੱਠ; 9: ਨੌਂ; 10: ਦਸ; 11: ਗਿਆਰਾਂ; 12: ਬਾਰਾਂ; 13: ਤੇਰਾਂ; 14: ਚੌਦਾਂ; 15: ਪੰਦਰਾਂ; 16: ਸੋਲ਼ਾਂ; 17: ਸਤਾਰਾਂ; 18: ਅਠਾਰਾਂ; 19: ਉੱਨੀ; 20: ਵੀਹ; 21: ਇੱਕੀ; 22: ਬਾਈ; 23: ਤੇਈ; 24: ਚੌਵੀ; 25: ਪੱਚੀ; 26: ਛੱਬੀ; 27: ਸਤਾਈ; 28: ਅਠਾਈ; 29: ਉਨੱਤੀ; 30: ਤੀਹ; 31: ਇਕੱਤੀ; 32: ਬੱਤੀ; 33: ਤੇਤੀ; 34: ਚੌਂਤੀ; 35: ਪੈਂਤੀ; 36: ਛੱਤੀ; 37: ਸੈਂਤੀ; 38: ਅਠੱਤੀ; 39: ਉਨ੍ਤਾਲ਼ੀ; 40: ਚਾਲ਼ੀ; 41: ਇਕ੍ਤਾਲ਼ੀ; 42: ਬਿਆਲ਼ੀ; 43: ਤਰ੍ਤਾਲ਼ੀ; 44: ਚੁਤਾਲ਼ੀ; 45: ਪੰਤਾਲ਼ੀ; 46: ਛਿਆਲ਼ੀ; 47: ਸੰਤਾਲ਼ੀ; 48: ਅਠ੍ਤਾਲ਼ੀ; 49: ਉਨੰਜਾ; 50: ਪੰਜਾਹ; 51: ਇਕ੍ਵੰਜਾ; 52: ਬਵੰਜਾ; 53: ਤਰ੍ਵੰਜਾ; 54: ਚਰ੍ਵੰਜਾ; 55: ਪਚ੍ਵੰਜਾ; 56: ਛਪੰਜਾ; 57: ਸਤ੍ਵੰਜਾ; 58: ਅਠ੍ਵੰਜਾ; 59: ਉਨਾਹਠ; 60: ਸੱਠ; 61: ਇਕਾਹਠ; 62: ਬਾਹਠ; 63: ਤਰੇਹਠ; 64: ਚੌਂਹਠ; 65: ਪੈਂਹਠ; 66: ਛਿਆਹਠ; 67: ਸਤਾਹਠ; 68: ਅਠਾਹਠ; 69: ਉਨੱਤਰ; 70: ਸੱਤਰ; 71: ਇਕਹੱਤਰ; 72: ਬਹੱਤਰ; 73: ਤਿਹੱਤਰ; 74: ਚੌਹੱਤਰ; 75: ਪਚੱਤਰ; 76: ਛਿਹੱਤਰ; 77: ਸਤੱਤਰ; 78: ਅਠੱਤਰ; 79: ਉਨਾਸੀ; 80: ਅੱਸੀ; 81: ਇਕਾਸੀ; 82: ਬਿਆਸੀ; 83: ਤਰਾਸੀ; 84: ਚੁਰਾਸੀ; 85: ਪਚਾਸੀ; 86: ਛਿਆਸੀ; 87: ਸਤਾਸੀ; 88: ਅਠਾਸੀ; 89: ਉਨਾਨਵੇਂ; 90: ਨੱਬੇ; 91: ਇਕਾਨਵੇਂ; 92: ਬਾਨਵੇਂ; 93: ਤਰਾਨਵੇਂ; 94: ਚੁਰਾਨਵੇਂ; 95: ਪਚਾਨਵੇਂ; 96: ਛਿਆਨਵੇਂ; 97: ਸਤਾਨਵੇਂ; 98: ਅਠਾਨਵੇਂ; 99: ਨੜਿੰਨਵੇਂ; 100: ਇੱਕ ਸੌ[ &gt;&gt;]; 200: ਦੋ ਸੌ[ &gt;&gt;]; 300: ਤਿੰਨ ਸੌ[ &gt;&gt;]; 400: ਚਾਰ ਸੌ[ &gt;&gt;]; 500: ਪੰਜ ਸੌ[ &gt;&gt;]; 600: ਛੇ ਸੌ[ &gt;&gt;]; 700: ਸੱਤ ਸੌ[ &gt;&gt;]; 800: ਅੱਠ ਸੌ[ &gt;&gt;]; 900: ਨੌਂ ਸੌ[ &gt;&gt;]; 1000: &lt;&lt; ਹਜ਼ਾਰ[ &gt;&gt;];</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>ਮਾਈਨਸ %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>ਸਹੀ। %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>ਗ਼ਲਤ। %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>ਸਹੀ।</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>ਗ਼ਲਤ।</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>ਉੱਚੀ ਪੜ੍ਹ ਕੇ ਸੁਣਾਉਣਾ ਚਾਲੂ</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>ਉੱਚੀ ਪੜ੍ਹ ਕੇ ਸੁਣਾਉਣਾ ਬੰਦ</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>ਸੰਖਿਆਵਾਂ %1 ਤੋਂ %2 ਤੱਕ। %3</translation>
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
        <translation>ਬੱਚਿਆਂ ਲਈ ਹਿਸਾਬ ਦਾ ਅਭਿਆਸ: ਇੱਕ ਵਾਰ ਵਿੱਚ ਇੱਕ ਸਵਾਲ, Enter ਦਬਾਉਂਦਿਆਂ ਹੀ ਜਾਂਚਿਆ ਜਾਂਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: ਕੋਈ ਫ਼ਾਈਲ ਜਾਂ ਹੋਰ ਆਰਗੂਮੈਂਟ ਨਹੀਂ ਲੈਂਦਾ: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>ਸਵਾਲ ਅਤੇ ਜਵਾਬ ਸਹੀ ਹੈ ਜਾਂ ਗ਼ਲਤ, ਉੱਚੀ ਪੜ੍ਹ ਕੇ ਸੁਣਾਉਂਦਾ ਹੈ। %1 ਇਸ ਨੂੰ ਚਾਲੂ ਅਤੇ ਬੰਦ ਕਰਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ਉੱਚੀ ਪੜ੍ਹ ਕੇ ਨਹੀਂ ਸੁਣਾ ਸਕਦਾ: ਕੋਈ ਬੋਲਣ ਵਾਲੀ ਸੇਵਾ ਜਵਾਬ ਨਹੀਂ ਦੇ ਰਹੀ। ਅਭਿਆਸ ਬਿਨਾਂ ਆਵਾਜ਼ ਦੇ ਚੱਲਦਾ ਰਹੇਗਾ।</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ਉੱਚੀ ਪੜ੍ਹ ਕੇ ਨਹੀਂ ਸੁਣਾ ਸਕਦਾ: ਇਹ ਭਾਸ਼ਾ ਬੋਲਣ ਵਾਲੀ ਕੋਈ ਆਵਾਜ਼ ਨਹੀਂ ਹੈ। ਅਭਿਆਸ ਬਿਨਾਂ ਆਵਾਜ਼ ਦੇ ਚੱਲਦਾ ਰਹੇਗਾ।</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ਉੱਚੀ ਪੜ੍ਹ ਕੇ ਸੁਣਾਉਣਾ ਰੁਕ ਗਿਆ: ਬੋਲਣ ਵਾਲੀ ਸੇਵਾ ਬੰਦ ਹੋ ਗਈ। ਅਭਿਆਸ ਬਿਨਾਂ ਆਵਾਜ਼ ਦੇ ਚੱਲਦਾ ਰਹੇਗਾ।</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>ਪਿਛਲੀ ਵਾਰ ਦੇ ਯਾਦ ਰੱਖੇ ਆਕਾਰ ਦੀ ਥਾਂ ਵਿੰਡੋ ਨੂੰ ਇਸ ਆਕਾਰ ਵਿੱਚ ਖੋਲ੍ਹਦਾ ਹੈ, ਪ੍ਰਤੀਸ਼ਤ ਵਿੱਚ (%1 ਤੋਂ %2)। %3, %4 ਅਤੇ %5 ਆਕਾਰ ਨੂੰ ਵੱਡਾ, ਛੋਟਾ ਅਤੇ ਮੁੜ ਆਮ ਕਰਦੇ ਹਨ।</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom %2 ਤੋਂ %3 ਤੱਕ ਪ੍ਰਤੀਸ਼ਤ ਲੈਂਦਾ ਹੈ, “%4” ਨਹੀਂ</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>ਭਾਗ</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>ਗੁਣਾ</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>ਘਟਾਓ</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>ਜੋੜ</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>ਸ਼ੁਰੂ</translation>
    </message>
</context>
</TS>
