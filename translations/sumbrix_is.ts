<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="is" sourcelanguage="en">
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
        <translation>Dæmi</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Ferill</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Fleiri ókeypis námsgögn: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Stigatafla</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Stigin þín</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Rétt</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Rangt</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Dæmið þitt </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Stillingar </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>frá</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>til</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix er ókeypis.  Deildu því með öllum sem hafa gaman af tölum.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Útgáfa %1 © 2026 höfundar Sumbrix. GNU GPL 3 eða nýrri.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Síður</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Síðurnar „Dæmi“ og „Ferill“</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Reikniaðgerð</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Frá</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Minnsta talan</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Til</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Stærsta talan</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Stærsta talan</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Velur stærstu töluna</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Fyrri talan</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Reiknimerki</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Seinni talan</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Skrifaðu svarið og ýttu svo á Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Hve lengi þú hefur verið með dæmið, í sekúndum</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Rétt svör</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Röng svör</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Hlutfall réttra svara</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Stig</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Ferill</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Öll yfirfarin svör og klukkan hvað þau komu</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Opnar síðu með námsgögnum í vafranum</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Námsgögn</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Mynd sem opnar síðu með námsgögnum</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Hvað er %1?</translation>
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
        <translation>plús</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>mínus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>sinnum</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>deilt með tölunni</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%main: 0: =0=; 1000: &lt;&lt;&gt;%%rest&gt;; 1900: =0=; 1901: &lt;&lt;&gt;%%rest&gt;; 2000: &lt;&lt;&gt;%%rest&gt;; %%rest: 0: =000=; 1: =000=; 100: 000 og =0=; 101: =000=; 200: 000 og =0=; 201: =000=; 300: 000 og =0=; 301: =000=; 400: 000 og =0=; 401: =000=; 500: 000 og =0=; 501: =000=; 600: 000 og =0=; 601: =000=; 700: 000 og =0=; 701: =000=; 800: 000 og =0=; 801: =000=; 900: 000 og =0=; 901: =000=;
%dative:
0: =0=; 1: einum; 2: tveimur; 3: þremur; 4: fjórum; 5: =0=;
21: tuttugu og &gt;&gt;; 25: =0=; 31: þrjátíu og &gt;&gt;; 35: =0=; 41: fjörutíu og &gt;&gt;; 45: =0=; 51: fimmtíu og &gt;&gt;; 55: =0=; 61: sextíu og &gt;&gt;; 65: =0=; 71: sjötíu og &gt;&gt;; 75: =0=; 81: áttatíu og &gt;&gt;; 85: =0=; 91: níutíu og &gt;&gt;; 95: =0=;
100: =0=; 101: hundrað og &gt;&gt;; 105: =0=; 121: hundrað &gt;&gt;; 125: =0=; 131: hundrað &gt;&gt;; 135: =0=; 141: hundrað &gt;&gt;; 145: =0=; 151: hundrað &gt;&gt;; 155: =0=; 161: hundrað &gt;&gt;; 165: =0=; 171: hundrað &gt;&gt;; 175: =0=; 181: hundrað &gt;&gt;; 185: =0=; 191: hundrað &gt;&gt;; 195: =0=;
200: =0=; 201: tvö hundruð og &gt;&gt;; 205: =0=; 221: tvö hundruð &gt;&gt;; 225: =0=; 231: tvö hundruð &gt;&gt;; 235: =0=; 241: tvö hundruð &gt;&gt;; 245: =0=; 251: tvö hundruð &gt;&gt;; 255: =0=; 261: tvö hundruð &gt;&gt;; 265: =0=; 271: tvö hundruð &gt;&gt;; 275: =0=; 281: tvö hundruð &gt;&gt;; 285: =0=; 291: tvö hundruð &gt;&gt;; 295: =0=;
300: =0=; 301: þrjú hundruð og &gt;&gt;; 305: =0=; 321: þrjú hundruð &gt;&gt;; 325: =0=; 331: þrjú hundruð &gt;&gt;; 335: =0=; 341: þrjú hundruð &gt;&gt;; 345: =0=; 351: þrjú hundruð &gt;&gt;; 355: =0=; 361: þrjú hundruð &gt;&gt;; 365: =0=; 371: þrjú hundruð &gt;&gt;; 375: =0=; 381: þrjú hundruð &gt;&gt;; 385: =0=; 391: þrjú hundruð &gt;&gt;; 395: =0=;
400: =0=; 401: fjögur hundruð og &gt;&gt;; 405: =0=; 421: fjögur hundruð &gt;&gt;; 425: =0=; 431: fjögur hundruð &gt;&gt;; 435: =0=; 441: fjögur hundruð &gt;&gt;; 445: =0=; 451: fjögur hundruð &gt;&gt;; 455: =0=; 461: fjögur hundruð &gt;&gt;; 465: =0=; 471: fjögur hundruð &gt;&gt;; 475: =0=; 481: fjögur hundruð &gt;&gt;; 485: =0=; 491: fjögur hundruð &gt;&gt;; 495: =0=;
500: =0=; 501: fimm hundruð og &gt;&gt;; 505: =0=; 521: fimm hundruð &gt;&gt;; 525: =0=; 531: fimm hundruð &gt;&gt;; 535: =0=; 541: fimm hundruð &gt;&gt;; 545: =0=; 551: fimm hundruð &gt;&gt;; 555: =0=; 561: fimm hundruð &gt;&gt;; 565: =0=; 571: fimm hundruð &gt;&gt;; 575: =0=; 581: fimm hundruð &gt;&gt;; 585: =0=; 591: fimm hundruð &gt;&gt;; 595: =0=;
600: =0=; 601: sex hundruð og &gt;&gt;; 605: =0=; 621: sex hundruð &gt;&gt;; 625: =0=; 631: sex hundruð &gt;&gt;; 635: =0=; 641: sex hundruð &gt;&gt;; 645: =0=; 651: sex hundruð &gt;&gt;; 655: =0=; 661: sex hundruð &gt;&gt;; 665: =0=; 671: sex hundruð &gt;&gt;; 675: =0=; 681: sex hundruð &gt;&gt;; 685: =0=; 691: sex hundruð &gt;&gt;; 695: =0=;
700: =0=; 701: sjö hundruð og &gt;&gt;; 705: =0=; 721: sjö hundruð &gt;&gt;; 725: =0=; 731: sjö hundruð &gt;&gt;; 735: =0=; 741: sjö hundruð &gt;&gt;; 745: =0=; 751: sjö hundruð &gt;&gt;; 755: =0=; 761: sjö hundruð &gt;&gt;; 765: =0=; 771: sjö hundruð &gt;&gt;; 775: =0=; 781: sjö hundruð &gt;&gt;; 785: =0=; 791: sjö hundruð &gt;&gt;; 795: =0=;
800: =0=; 801: átta hundruð og &gt;&gt;; 805: =0=; 821: átta hundruð &gt;&gt;; 825: =0=; 831: átta hundruð &gt;&gt;; 835: =0=; 841: átta hundruð &gt;&gt;; 845: =0=; 851: átta hundruð &gt;&gt;; 855: =0=; 861: átta hundruð &gt;&gt;; 865: =0=; 871: átta hundruð &gt;&gt;; 875: =0=; 881: átta hundruð &gt;&gt;; 885: =0=; 891: átta hundruð &gt;&gt;; 895: =0=;
900: =0=; 901: níu hundruð og &gt;&gt;; 905: =0=; 921: níu hundruð &gt;&gt;; 925: =0=; 931: níu hundruð &gt;&gt;; 935: =0=; 941: níu hundruð &gt;&gt;; 945: =0=; 951: níu hundruð &gt;&gt;; 955: =0=; 961: níu hundruð &gt;&gt;; 965: =0=; 971: níu hundruð &gt;&gt;; 975: =0=; 981: níu hundruð &gt;&gt;; 985: =0=; 991: níu hundruð &gt;&gt;; 995: =0=;
1000: =0=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>mínus %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Rétt. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Rangt. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Rétt.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Rangt.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Upplestur á</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Upplestur af</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Minnsta talan er %1, stærsta talan er %2. %3</translation>
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
        <translation>%1 deilt með %2{%dative}</translation>
    </message>
</context>
<context>
    <name>sumbrix</name>
    <message>
        <source>An arithmetic drill for children: one problem at a time, graded as soon as Enter is pressed.</source>
        <translation>Reikningsæfing fyrir börn: eitt dæmi í einu, svarið er yfirfarið um leið og ýtt er á Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: tekur hvorki við skrám né öðrum viðföngum: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Les dæmin upphátt og segir hvort svarið er rétt. %1 kveikir og slekkur á upplestrinum.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: getur ekki lesið upphátt: engin talþjónusta svarar. Æfingin heldur áfram án hljóðs.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: getur ekki lesið upphátt: engin rödd talar þetta tungumál. Æfingin heldur áfram án hljóðs.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: upplestur stöðvaðist: talþjónustan svarar ekki lengur. Æfingin heldur áfram án hljóðs.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Opnar gluggann í þessari stærð í prósentum (%1 til %2) í stað stærðarinnar sem var notuð síðast. %3 stækkar, %4 minnkar og %5 setur hann aftur í venjulega stærð.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom tekur við prósentutölu frá %2 til %3, ekki „%4“</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Deiling</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Margföldun</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Frádráttur</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Samlagning</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Byrjun</translation>
    </message>
</context>
</TS>
