<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk" sourcelanguage="en">
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
        <translation>Príklad</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>História</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Ďalšie programy zadarmo: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Výsledky</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Tvoje body</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Dobre</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Zle</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Tvoj príklad </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Čas:</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Nastavenie </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>od</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>do</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix je zadarmo.  Podeľ sa oň s každým, kto má rád čísla.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Verzia %1 © 2026 autori programu Sumbrix. GNU GPL 3 alebo novšia.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Stránky</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Stránky „Príklad“ a „História“</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Počtová operácia</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Najmenšie číslo</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Najväčšie číslo</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Najväčšie číslo</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Nastaví najväčšie číslo</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Prvé číslo</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Znamienko</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Druhé číslo</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Napíš výsledok a stlač Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Koľko sekúnd počítaš tento príklad</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Správne odpovede</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Nesprávne odpovede</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Percento správnych odpovedí</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>History</source>
        <translation>História</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Všetky opravené odpovede s časom</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Otvorí v prehliadači stránku s výukovými programami</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Výukové programy</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Obrázok, ktorý otvorí stránku s výukovými programami</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Koľko je %1?</translation>
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
        <translation>−</translation>
    </message>
</context>
<context>
    <name>speech</name>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>mínus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>krát</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>delené číslom</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%plain: =0=;
%instrumental:
0: nulou; 1: jednou; 2: dvoma; 3: troma; 4: štyrmi; 5: piatimi; 6: šiestimi; 7: siedmimi; 8: ôsmimi; 9: deviatimi;
10: desiatimi; 11: jedenástimi; 12: dvanástimi; 13: trinástimi; 14: štrnástimi; 15: pätnástimi; 16: šestnástimi; 17: sedemnástimi; 18: osemnástimi; 19: devätnástimi;
20: dvadsiatimi; 21: dvadsaťjeden; 22: dvadsiatimi &gt;&gt;; 30: tridsiatimi; 31: tridsaťjeden; 32: tridsiatimi &gt;&gt;; 40: štyridsiatimi; 41: štyridsaťjeden; 42: štyridsiatimi &gt;&gt;; 50: päťdesiatimi; 51: päťdesiatjeden; 52: päťdesiatimi &gt;&gt;; 60: šesťdesiatimi; 61: šesťdesiatjeden; 62: šesťdesiatimi &gt;&gt;; 70: sedemdesiatimi; 71: sedemdesiatjeden; 72: sedemdesiatimi &gt;&gt;; 80: osemdesiatimi; 81: osemdesiatjeden; 82: osemdesiatimi &gt;&gt;; 90: deväťdesiatimi; 91: deväťdesiatjeden; 92: deväťdesiatimi &gt;&gt;;
100: stom; 101: stojeden; 102: sto &gt;&gt;; 121: stodvadsaťjeden; 122: sto &gt;&gt;; 131: stotridsaťjeden; 132: sto &gt;&gt;; 141: stoštyridsaťjeden; 142: sto &gt;&gt;; 151: stopäťdesiatjeden; 152: sto &gt;&gt;; 161: stošesťdesiatjeden; 162: sto &gt;&gt;; 171: stosedemdesiatjeden; 172: sto &gt;&gt;; 181: stoosemdesiatjeden; 182: sto &gt;&gt;; 191: stodeväťdesiatjeden; 192: sto &gt;&gt;;
200: dvesto; 201: dvestojeden; 202: dvesto &gt;&gt;; 221: dvestodvadsaťjeden; 222: dvesto &gt;&gt;; 231: dvestotridsaťjeden; 232: dvesto &gt;&gt;; 241: dvestoštyridsaťjeden; 242: dvesto &gt;&gt;; 251: dvestopäťdesiatjeden; 252: dvesto &gt;&gt;; 261: dvestošesťdesiatjeden; 262: dvesto &gt;&gt;; 271: dvestosedemdesiatjeden; 272: dvesto &gt;&gt;; 281: dvestoosemdesiatjeden; 282: dvesto &gt;&gt;; 291: dvestodeväťdesiatjeden; 292: dvesto &gt;&gt;;
300: tristo; 301: tristojeden; 302: tristo &gt;&gt;; 321: tristodvadsaťjeden; 322: tristo &gt;&gt;; 331: tristotridsaťjeden; 332: tristo &gt;&gt;; 341: tristoštyridsaťjeden; 342: tristo &gt;&gt;; 351: tristopäťdesiatjeden; 352: tristo &gt;&gt;; 361: tristošesťdesiatjeden; 362: tristo &gt;&gt;; 371: tristosedemdesiatjeden; 372: tristo &gt;&gt;; 381: tristoosemdesiatjeden; 382: tristo &gt;&gt;; 391: tristodeväťdesiatjeden; 392: tristo &gt;&gt;;
400: štyristo; 401: štyristojeden; 402: štyristo &gt;&gt;; 421: štyristodvadsaťjeden; 422: štyristo &gt;&gt;; 431: štyristotridsaťjeden; 432: štyristo &gt;&gt;; 441: štyristoštyridsaťjeden; 442: štyristo &gt;&gt;; 451: štyristopäťdesiatjeden; 452: štyristo &gt;&gt;; 461: štyristošesťdesiatjeden; 462: štyristo &gt;&gt;; 471: štyristosedemdesiatjeden; 472: štyristo &gt;&gt;; 481: štyristoosemdesiatjeden; 482: štyristo &gt;&gt;; 491: štyristodeväťdesiatjeden; 492: štyristo &gt;&gt;;
500: päťsto; 501: päťstojeden; 502: päťsto &gt;&gt;; 521: päťstodvadsaťjeden; 522: päťsto &gt;&gt;; 531: päťstotridsaťjeden; 532: päťsto &gt;&gt;; 541: päťstoštyridsaťjeden; 542: päťsto &gt;&gt;; 551: päťstopäťdesiatjeden; 552: päťsto &gt;&gt;; 561: päťstošesťdesiatjeden; 562: päťsto &gt;&gt;; 571: päťstosedemdesiatjeden; 572: päťsto &gt;&gt;; 581: päťstoosemdesiatjeden; 582: päťsto &gt;&gt;; 591: päťstodeväťdesiatjeden; 592: päťsto &gt;&gt;;
600: šesťsto; 601: šesťstojeden; 602: šesťsto &gt;&gt;; 621: šesťstodvadsaťjeden; 622: šesťsto &gt;&gt;; 631: šesťstotridsaťjeden; 632: šesťsto &gt;&gt;; 641: šesťstoštyridsaťjeden; 642: šesťsto &gt;&gt;; 651: šesťstopäťdesiatjeden; 652: šesťsto &gt;&gt;; 661: šesťstošesťdesiatjeden; 662: šesťsto &gt;&gt;; 671: šesťstosedemdesiatjeden; 672: šesťsto &gt;&gt;; 681: šesťstoosemdesiatjeden; 682: šesťsto &gt;&gt;; 691: šesťstodeväťdesiatjeden; 692: šesťsto &gt;&gt;;
700: sedemsto; 701: sedemstojeden; 702: sedemsto &gt;&gt;; 721: sedemstodvadsaťjeden; 722: sedemsto &gt;&gt;; 731: sedemstotridsaťjeden; 732: sedemsto &gt;&gt;; 741: sedemstoštyridsaťjeden; 742: sedemsto &gt;&gt;; 751: sedemstopäťdesiatjeden; 752: sedemsto &gt;&gt;; 761: sedemstošesťdesiatjeden; 762: sedemsto &gt;&gt;; 771: sedemstosedemdesiatjeden; 772: sedemsto &gt;&gt;; 781: sedemstoosemdesiatjeden; 782: sedemsto &gt;&gt;; 791: sedemstodeväťdesiatjeden; 792: sedemsto &gt;&gt;;
800: osemsto; 801: osemstojeden; 802: osemsto &gt;&gt;; 821: osemstodvadsaťjeden; 822: osemsto &gt;&gt;; 831: osemstotridsaťjeden; 832: osemsto &gt;&gt;; 841: osemstoštyridsaťjeden; 842: osemsto &gt;&gt;; 851: osemstopäťdesiatjeden; 852: osemsto &gt;&gt;; 861: osemstošesťdesiatjeden; 862: osemsto &gt;&gt;; 871: osemstosedemdesiatjeden; 872: osemsto &gt;&gt;; 881: osemstoosemdesiatjeden; 882: osemsto &gt;&gt;; 891: osemstodeväťdesiatjeden; 892: osemsto &gt;&gt;;
900: deväťsto; 901: deväťstojeden; 902: deväťsto &gt;&gt;; 921: deväťstodvadsaťjeden; 922: deväťsto &gt;&gt;; 931: deväťstotridsaťjeden; 932: deväťsto &gt;&gt;; 941: deväťstoštyridsaťjeden; 942: deväťsto &gt;&gt;; 951: deväťstopäťdesiatjeden; 952: deväťsto &gt;&gt;; 961: deväťstošesťdesiatjeden; 962: deväťsto &gt;&gt;; 971: deväťstosedemdesiatjeden; 972: deväťsto &gt;&gt;; 981: deväťstoosemdesiatjeden; 982: deväťsto &gt;&gt;; 991: deväťstodeväťdesiatjeden; 992: deväťsto &gt;&gt;;
1000: =%plain=;</translation>
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
        <translation>Správne. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Nesprávne. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Správne.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Nesprávne.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Čítanie nahlas zapnuté</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Čítanie nahlas vypnuté</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Najmenšie číslo %1, najväčšie %2. %3</translation>
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
        <translation>%1 delené %2{%instrumental}</translation>
    </message>
</context>
<context>
    <name>sumbrix</name>
    <message>
        <source>An arithmetic drill for children: one problem at a time, graded as soon as Enter is pressed.</source>
        <translation>Precvičovanie počítania pre deti: jeden príklad za druhým, opravený hneď po stlačení klávesu Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: neprijíma žiadne súbory ani iné argumenty: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Čítať príklady a hodnotenie nahlas. %1 čítanie zapína a vypína.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: nedá sa čítať nahlas: žiadna rečová služba neodpovedá. Precvičovanie pokračuje potichu.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: nedá sa čítať nahlas: pre tento jazyk nie je žiadny hlas. Precvičovanie pokračuje potichu.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: čítanie nahlas sa skončilo: rečová služba prestala fungovať. Precvičovanie pokračuje potichu.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Otvoriť okno v tomto zväčšení, v percentách (od %1 do %2), namiesto zväčšenia zapamätaného z minulého spustenia. %3, %4 a %5 zväčšujú, zmenšujú a vracajú bežnú veľkosť.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom prijíma hodnotu od %2 do %3 percent, nie „%4“</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Delenie</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Násobenie</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Odčítanie</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Sčítanie</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Začiatok</translation>
    </message>
</context>
</TS>
