<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta" sourcelanguage="en">
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
        <translation>கணக்கு</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>விடைகள்</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>மேலும் இலவசக் கற்றல் கருவிகள்: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>முடிவுகள்</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>உன் மதிப்பெண்</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>சரி</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>தவறு</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>உன் கணக்கு </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>நேரம்</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>அமைப்பு </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>முதல்</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>வரை</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix இலவசம்.  எண்களை விரும்பும் எல்லோருடனும் பகிர்ந்துகொள்.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>பதிப்பு %1 © 2026 Sumbrix படைப்பாளர்கள். GNU GPL 3 அல்லது பிந்தைய பதிப்பு.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>பக்கங்கள்</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>கணக்கு, விடைகள் என்ற இரண்டு பக்கங்கள்</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>கணக்கு வகை</translation>
    </message>
    <message>
        <source>From</source>
        <translation>மிகச் சிறிய எண்</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>கணக்குகளில் வரும் மிகச் சிறிய எண்</translation>
    </message>
    <message>
        <source>To</source>
        <translation>மிகப் பெரிய எண்</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>கணக்குகளில் வரும் மிகப் பெரிய எண்</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>மிகப் பெரிய எண்</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>கணக்குகளில் வரும் மிகப் பெரிய எண்ணைத் தேர்ந்தெடுக்கும்</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>முதல் எண்</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>குறி</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>இரண்டாம் எண்</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>விடையை எழுது, பிறகு Enter அழுத்து</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>இந்தக் கணக்குக்கு ஆன வினாடிகள்</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>சரியான விடைகள்</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>தவறான விடைகள்</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>சரியான விடைகளின் சதவீதம்</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>மதிப்பெண்</translation>
    </message>
    <message>
        <source>History</source>
        <translation>விடைகளின் பட்டியல்</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>திருத்திய ஒவ்வொரு விடையும், அதன் நேரத்துடன்</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>கற்றல் கருவிகள் பக்கத்தை உலாவியில் திறக்கும்</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>கற்றல் கருவிகள்</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>கற்றல் கருவிகள் பக்கத்தைத் திறக்கும் படம்</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>%1, இதன் விடை</translation>
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
        <translation>−</translation>
    </message>
</context>
<context>
    <name>speech</name>
    <message>
        <source>plus</source>
        <translation>கூட்டல்</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>கழித்தல்</translation>
    </message>
    <message>
        <source>times</source>
        <translation>பெருக்கல்</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>வகுத்தல்</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: பூஜ்ஜியம்; 1: ஒன்று; 2: இரண்டு; 3: மூன்று; 4: நான்கு; 5: ஐந்து; 6: ஆறு; 7: ஏழு; 8: எட்டு; 9: ஒன்பது; 10: பத்து; 11: பதினொன்று; 12: பன்னிரண்டு; 13: பதின்மூன்று; 14: பதினான்கு; 15: பதினைந்து; 16: பதினாறு; 17: பதினேழு; 18: பதினெட்டு; 19: பத்தொன்பது; 20: இருபது; 21: இருபத்&gt;%%t&gt;; 30: முப்பது; 31: முப்பத்&gt;%%t&gt;; 40: நாற்பது; 41: நாற்பத்&gt;%%t&gt;; 50: ஐம்பது; 51: ஐம்பத்&gt;%%t&gt;; 60: அறுபது; 61: அறுபத்&gt;%%t&gt;; 70: எழுபது; 71: எழுபத்&gt;%%t&gt;; 80: எண்பது; 81: எண்பத்&gt;%%t&gt;; 90: தொண்ணூறு; 91: தொண்ணூற்&gt;%%r&gt;; 100: நூறு; 101: நூற்று&gt;%%s&gt;; 200: இருநூறு; 201: இருநூற்று&gt;%%s&gt;; 300: முந்நூறு; 301: முந்நூற்று&gt;%%s&gt;; 400: நானூறு; 401: நானூற்று&gt;%%s&gt;; 500: ஐந்நூறு; 501: ஐந்நூற்று&gt;%%s&gt;; 600: அறுநூறு; 601: அறுநூற்று&gt;%%s&gt;; 700: எழுநூறு; 701: எழுநூற்று&gt;%%s&gt;; 800: எண்ணூறு; 801: எண்ணூற்று&gt;%%s&gt;; 900: தொள்ளாயிரம்; 901: தொள்ளாயிரத்து&gt;%%s&gt;; 1000: ஆயிரம்; 1001: ஆயிரத்து&gt;%%s&gt;; 2000: &lt;%%k&lt;ாயிர&gt;%%after&gt;; %%t: 1: தொன்று; 2: திரண்டு; 3: து மூன்று; 4: து நான்கு; 5: தைந்து; 6: தாறு; 7: தேழு; 8: தெட்டு; 9: தொன்பது; %%r: 1: றொன்று; 2: றிரண்டு; 3: று மூன்று; 4: று நான்கு; 5: றைந்து; 6: றாறு; 7: றேழு; 8: றெட்டு; 9: றொன்பது; %%k: 2: இரண்ட; 3: மூன்ற; 4: நான்க; 5: ஐந்த; 6: ஆற; 7: ஏழ; 8: எட்ட; 9: ஒன்பத; 10: பத்த; 11: பதினோர; 12: பன்னிரண்ட; 13: பதின்மூன்ற; 14: பதினான்க; 15: பதினைந்த; 16: பதினாற; 17: பதினேழ; 18: பதினெட்ட; 19: பத்தொன்பத; 20: இருபத; 21: இருபத்&gt;%%tk&gt;; 30: முப்பத; 31: முப்பத்&gt;%%tk&gt;; 40: நாற்பத; 41: நாற்பத்&gt;%%tk&gt;; 50: ஐம்பத; 51: ஐம்பத்&gt;%%tk&gt;; 60: அறுபத; 61: அறுபத்&gt;%%tk&gt;; 70: எழுபத; 71: எழுபத்&gt;%%tk&gt;; 80: எண்பத; 81: எண்பத்&gt;%%tk&gt;; 90: தொண்ணூற; 91: தொண்ணூற்&gt;%%rk&gt;; %%tk: 1: தோர; 2: திரண்ட; 3: து மூன்ற; 4: து நான்க; 5: தைந்த; 6: தாற; 7: தேழ; 8: தெட்ட; 9: தொன்பத; %%rk: 1: றோர; 2: றிரண்ட; 3: று மூன்ற; 4: று நான்க; 5: றைந்த; 6: றாற; 7: றேழ; 8: றெட்ட; 9: றொன்பத; %%after: 0: ம்; 1: த்து=%%s=; %%s: 1: &apos; =%spellout=; 10: ப் =%spellout=; 20: &apos; =%spellout=; 90: த் =%spellout=; 100: &apos; =%spellout=; 900: த் =%spellout=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>மைனஸ் %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>சரியான விடை. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>தவறான விடை. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>சரியான விடை.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>தவறான விடை.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>சத்தமாகப் படிப்பது தொடங்கியது</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>சத்தமாகப் படிப்பது நின்றது</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>எண்கள் %1 முதல் %2 வரை. %3</translation>
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
        <translation>குழந்தைகளுக்கான கணக்குப் பயிற்சி: ஒரு முறைக்கு ஒரு கணக்கு, Enter அழுத்தியதும் திருத்தப்படும்.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: கோப்புகளையோ வேறு உள்ளீடுகளையோ ஏற்காது: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>கணக்குகளையும், விடை சரியா தவறா என்பதையும் சத்தமாகப் படிக்கும். %1 இதை இயக்கும், நிறுத்தும்.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: சத்தமாகப் படிக்க முடியவில்லை: எந்தப் பேச்சுச் சேவையும் பதில் தரவில்லை. பயிற்சி ஒலியின்றித் தொடரும்.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: சத்தமாகப் படிக்க முடியவில்லை: இந்த மொழியைப் பேசும் குரல் எதுவும் இல்லை. பயிற்சி ஒலியின்றித் தொடரும்.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: சத்தமாகப் படிப்பது நின்றது: பேச்சுச் சேவை நின்றுவிட்டது. பயிற்சி ஒலியின்றித் தொடரும்.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>கடந்த முறை சேமித்த அளவுக்குப் பதிலாக இந்த அளவில் (%1 முதல் %2 சதவீதம்) திறக்கும். %3 இதைப் பெரிதாக்கும், %4 சிறிதாக்கும், %5 வழக்கமான அளவுக்குத் திருப்பும்.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom %2 முதல் %3 வரையிலான சதவீதத்தை ஏற்கும், “%4” அல்ல</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>வகுத்தல்</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>பெருக்கல்</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>கழித்தல்</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>கூட்டல்</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>தொடக்கம்</translation>
    </message>
</context>
</TS>
