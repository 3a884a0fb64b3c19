<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he" sourcelanguage="en">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Translate as RTL for a language written from right to left (the whole window is then mirrored); as LTR otherwise.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>frmSumbrix</name>
    <message>
        <source>Problem</source>
        <translation>תרגיל</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>התשובות שלי</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>עוד כלי למידה בחינם בכתובת %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>לוח הנקודות</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>הנקודות שלך</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>נכון</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>לא נכון</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>התרגיל של היום </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>זמן:</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>הגדרות </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>מ-</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>עד</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>התוכנה Sumbrix חינמית.  שתפו אותה עם כל מי שאוהב מספרים.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>גרסה %1 © 2026 מחברי Sumbrix. GNU GPL 3 ומעלה.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>עַמוּדִים</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>עַמוּדֵי הַתַרְגִיל וֶהַתְשׁוּבוֹת שֶׁלִי</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>פֶּעוּלָה</translation>
    </message>
    <message>
        <source>From</source>
        <translation>מִמִסְפָּר</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>הַמִסְפָּר הַקָטָן בְּיוֹתֵר</translation>
    </message>
    <message>
        <source>To</source>
        <translation>עַד מִסְפָּר</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>הַמִסְפָּר הַגָדוֹל בְּיוֹתֵר</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>הַמִסְפָּר הַגָדוֹל בְּיוֹתֵר</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>קוֹבֵעַ אֶת הַמִסְפָּר הַגָדוֹל בְּיוֹתֵר</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>הַמִסְפָּר הָרִאשׁוֹן</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>סִימַן הַפֶּעוּלָה</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>הַמִסְפָּר הַשֵׁנִי</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>כִּתְבוּ אֶת הַתְשׁוּבָה, וְאַז לַחֲצוּ עַל אֶנְטֶר</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>מִסְפַּר הַשְׁנִיוֹת בַּתַרְגִיל הַזֶה</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>תְּשׁוּבוֹת נֶכוֹנוֹת</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>תְּשׁוּבוֹת לא נֶכוֹנוֹת</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>אֲחוּז הַתְשׁוּבוֹת הַנֶכוֹנוֹת</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>נֶקוּדוֹת</translation>
    </message>
    <message>
        <source>History</source>
        <translation>הַתְשׁוּבוֹת שֶׁלִי</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>כָּל תְשׁוּבָה שֶׁנִבְדֶקָה, וֶהַשָׁעַה שֶׁלָה</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>פּוֹתֵחַ אֶת דַף כְּלֵי הַלֶמִידָה בַּדַפְדֶפָן</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>כְּלֵי לֶמִידָה</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>תְמוּנָה שֶׁפּוֹתַחַת אֶת דַף כְּלֵי הַלֶמִידָה</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>הַתְשׁוּבָה לַתַרְגִיל %1</translation>
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
        <translation>·</translation>
    </message>
    <message>
        <source>/</source>
        <extracomment>The division sign of the language&apos;s primary schoolbooks (&quot;:&quot;, &quot;÷&quot;, &quot;/&quot;); English keeps &quot;/&quot;.</extracomment>
        <translation>:</translation>
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
        <translation>וֶעוֹד</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>פחות</translation>
    </message>
    <message>
        <source>times</source>
        <translation>כָּפוּל</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>חֶלְקִי</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout:
0: אֶפֶס;
1: אַחָת;
2: שְׁתַּיִם;
3: שָׁלוֹשׁ;
4: אַרְבַּע;
5: חָמֵשׁ;
6: שֵׁשׁ;
7: שֶׁבַע;
8: שְׁמוֹנֶה;
9: תֵּשַׁע;
10: עֶשֶׂר;
11: אַחָת עֶשְׂרֵה;
12: שְׁתֵּים עֶשְׂרֵה;
13: שְׁלוֹשׁ עֶשְׂרֵה;
14: אַרְבַּע עֶשְׂרֵה;
15: חֲמֵשׁ עֶשְׂרֵה;
16: שֵׁשׁ עֶשְׂרֵה;
17: שְׁבַע עֶשְׂרֵה;
18: שְׁמוֹנֶה עֶשְׂרֵה;
19: תְּשַׁע עֶשְׂרֵה;
20: עֶשְׂרִים[ &gt;%%and&gt;];
30: שְׁלוֹשִׁים[ &gt;%%and&gt;];
40: אַרְבָּעִים[ &gt;%%and&gt;];
50: חֲמִשִׁים[ &gt;%%and&gt;];
60: שִׁשִׁים[ &gt;%%and&gt;];
70: שִׁבְעִים[ &gt;%%and&gt;];
80: שְׁמוֹנִים[ &gt;%%and&gt;];
90: תִּשְׁעִים[ &gt;%%and&gt;];
100: מֵאַה[ &gt;%%rest&gt;];
200: מָאתַיִם[ &gt;%%rest&gt;];
300: שְׁלוֹשׁ מֵאוֹת[ &gt;%%rest&gt;];
400: אַרְבַּע מֵאוֹת[ &gt;%%rest&gt;];
500: חֲמֵשׁ מֵאוֹת[ &gt;%%rest&gt;];
600: שֵׁשׁ מֵאוֹת[ &gt;%%rest&gt;];
700: שְׁבַע מֵאוֹת[ &gt;%%rest&gt;];
800: שְׁמוֹנֶה מֵאוֹת[ &gt;%%rest&gt;];
900: תְּשַׁע מֵאוֹת[ &gt;%%rest&gt;];
1000: אֶלֶף[ &gt;%%thousand&gt;];
2000: אַלְפַּיִם[ &gt;%%thousand&gt;];
3000: שְׁלוֹשֶׁת אֲלָפִים[ &gt;%%thousand&gt;];
4000: אַרְבַּעַת אֲלָפִים[ &gt;%%thousand&gt;];
5000: חֲמֵשֶׁת אֲלָפִים[ &gt;%%thousand&gt;];
6000: שֵׁשֶׁת אֲלָפִים[ &gt;%%thousand&gt;];
7000: שִׁבְעַת אֲלָפִים[ &gt;%%thousand&gt;];
8000: שְׁמוֹנַת אֲלָפִים[ &gt;%%thousand&gt;];
9000: תִּשְׁעַת אֲלָפִים[ &gt;%%thousand&gt;];
10000: עֲשֶׂרֶת אֲלָפִים[ &gt;%%thousand&gt;];
11000/1000: &lt;%%kilo&lt; אֶלֶף[ &gt;%%thousand&gt;];
%%kilo:
11: אַחָד עֲשָׂר;
12: שְׁנֵים עֲשָׂר;
13: שְׁלוֹשָׁה עֲשָׂר;
14: אַרְבָּעַה עֲשָׂר;
15: חֲמִשָׁה עֲשָׂר;
16: שִׁשָׁה עֲשָׂר;
17: שִׁבְעַה עֲשָׂר;
18: שְׁמוֹנָה עֲשָׂר;
19: תִּשְׁעַה עֲשָׂר;
20: עֶשְׂרִים;
21: עֶשְׂרִים &gt;%%mand&gt;;
30: שְׁלוֹשִׁים;
31: שְׁלוֹשִׁים &gt;%%mand&gt;;
40: אַרְבָּעִים;
41: אַרְבָּעִים &gt;%%mand&gt;;
50: חֲמִשִׁים;
51: חֲמִשִׁים &gt;%%mand&gt;;
60: שִׁשִׁים;
61: שִׁשִׁים &gt;%%mand&gt;;
70: שִׁבְעִים;
71: שִׁבְעִים &gt;%%mand&gt;;
80: שְׁמוֹנִים;
81: שְׁמוֹנִים &gt;%%mand&gt;;
90: תִּשְׁעִים;
91: תִּשְׁעִים &gt;%%mand&gt;;
%%mand:
1: וֶאֶחָד;
2: וּשְׁנַיִם;
3: וּשְׁלוֹשָׁה;
4: וֶאַרְבָּעַה;
5: וַחֲמִשָׁה;
6: וֶשִׁשָׁה;
7: וֶשִׁבְעַה;
8: וּשְׁמוֹנָה;
9: וֶתִשְׁעַה;
%%and:
1: וֶאַחָת;
2: וּשְׁתַּיִם;
3: וֶשָׁלוֹשׁ;
4: וֶאַרְבַּע;
5: וֶחָמֵשׁ;
6: וֶשֵׁשׁ;
7: וֶשֶׁבַע;
8: וּשְׁמוֹנֶה;
9: וֶתֵשַׁע;
%%rest:
1: וֶאַחָת;
2: וּשְׁתַּיִם;
3: וֶשָׁלוֹשׁ;
4: וֶאַרְבַּע;
5: וֶחָמֵשׁ;
6: וֶשֵׁשׁ;
7: וֶשֶׁבַע;
8: וּשְׁמוֹנֶה;
9: וֶתֵשַׁע;
10: וֶעֶשֶׂר;
11: וֶאַחָת עֶשְׂרֵה;
12: וּשְׁתֵּים עֶשְׂרֵה;
13: וּשְׁלוֹשׁ עֶשְׂרֵה;
14: וֶאַרְבַּע עֶשְׂרֵה;
15: וַחֲמֵשׁ עֶשְׂרֵה;
16: וֶשֵׁשׁ עֶשְׂרֵה;
17: וּשְׁבַע עֶשְׂרֵה;
18: וּשְׁמוֹנֶה עֶשְׂרֵה;
19: וּתְשַׁע עֶשְׂרֵה;
20: וֶעֶשְׂרִים;
21: עֶשְׂרִים &gt;%%and&gt;;
30: וּשְׁלוֹשִׁים;
31: שְׁלוֹשִׁים &gt;%%and&gt;;
40: וֶאַרְבָּעִים;
41: אַרְבָּעִים &gt;%%and&gt;;
50: וַחֲמִשִׁים;
51: חֲמִשִׁים &gt;%%and&gt;;
60: וֶשִׁשִׁים;
61: שִׁשִׁים &gt;%%and&gt;;
70: וֶשִׁבְעִים;
71: שִׁבְעִים &gt;%%and&gt;;
80: וּשְׁמוֹנִים;
81: שְׁמוֹנִים &gt;%%and&gt;;
90: וֶתִשְׁעִים;
91: תִּשְׁעִים &gt;%%and&gt;;
%%thousand:
1: =%%rest=;
100: וּמֵאַה;
101: מֵאַה &gt;%%rest&gt;;
200: וּמָאתַיִם;
201: מָאתַיִם &gt;%%rest&gt;;
300: וּשְׁלוֹשׁ מֵאוֹת;
301: שְׁלוֹשׁ מֵאוֹת &gt;%%rest&gt;;
400: וֶאַרְבַּע מֵאוֹת;
401: אַרְבַּע מֵאוֹת &gt;%%rest&gt;;
500: וַחֲמֵשׁ מֵאוֹת;
501: חֲמֵשׁ מֵאוֹת &gt;%%rest&gt;;
600: וֶשֵׁשׁ מֵאוֹת;
601: שֵׁשׁ מֵאוֹת &gt;%%rest&gt;;
700: וּשְׁבַע מֵאוֹת;
701: שְׁבַע מֵאוֹת &gt;%%rest&gt;;
800: וּשְׁמוֹנֶה מֵאוֹת;
801: שְׁמוֹנֶה מֵאוֹת &gt;%%rest&gt;;
900: וּתְשַׁע מֵאוֹת;
901: תְּשַׁע מֵאוֹת &gt;%%rest&gt;;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>מִינוּס %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>נכון. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>לא נכון. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>נכון.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>לא נכון.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>הַקְרָאַה בְּקוֹל</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>שֶׁקֶט</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>הַמִסְפָּרִים: %1 עַד %2. %3</translation>
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
        <translation>תרגול חשבון לילדים: תרגיל אחד בכל פעם, שנבדק מיד כשלוחצים על Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: לא מקבל קבצים או ארגומנטים אחרים: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>הקראה בקול של התרגילים ושל תוצאות הבדיקה. %1 מפעיל ומכבה אותה.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: אי אפשר להקריא בקול: אף שירות דיבור לא עונה. התרגול ממשיך בלי קול.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: אי אפשר להקריא בקול: אין קול שמדבר בשפה הזאת. התרגול ממשיך בלי קול.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ההקראה בקול נעצרה: שירות הדיבור הפסיק לפעול. התרגול ממשיך בלי קול.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>פתיחת החלון בגודל הזה (%1 עד %2 אחוזים) במקום הגודל שנשמר מההפעלה הקודמת. %3 מגדיל אותו, %4 מקטין אותו ו-%5 מחזיר אותו לגודל הרגיל.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom מקבל אחוזים מ-%2 עד %3, לא ”%4”</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>חִלוּק</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>כֶּפֶל</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>חִסוּר</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>חִבּוּר</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>התחלה</translation>
    </message>
</context>
</TS>
