<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ka" sourcelanguage="en">
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
        <translation>მაგალითი</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>პასუხები</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>მეტი უფასო თამაში: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>შედეგები</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>შენი ქულა</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>სწორი</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>მცდარი</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>შენი მაგალითი </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>წამი</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>არჩევა </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>დან</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>მდე</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix უფასოა.  გაუზიარე ყველას, ვისაც რიცხვები უყვარს.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>ვერსია %1 © 2026 Sumbrix-ის ავტორები. GNU GPL 3 ან უფრო ახალი.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>გვერდები</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>„მაგალითი“ და „პასუხები“ გვერდები</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>მოქმედება</translation>
    </message>
    <message>
        <source>From</source>
        <translation>უმცირესი რიცხვი</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>მაგალითებში უმცირესი რიცხვი</translation>
    </message>
    <message>
        <source>To</source>
        <translation>უდიდესი რიცხვი</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>მაგალითებში უდიდესი რიცხვი</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>უდიდესი რიცხვი</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>ირჩევს მაგალითებში უდიდეს რიცხვს</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>პირველი რიცხვი</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>მოქმედების ნიშანი</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>მეორე რიცხვი</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>ჩაწერე პასუხი და დააჭირე Enter ღილაკს</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>რამდენ წამს ხსნი ამ მაგალითს</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>სწორი პასუხები</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>მცდარი პასუხები</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>სწორი პასუხების პროცენტი</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>ქულები</translation>
    </message>
    <message>
        <source>History</source>
        <translation>პასუხები</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>ყველა შემოწმებული პასუხი და მისი დრო</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>ბრაუზერში ხსნის სასწავლო თამაშების გვერდს</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>სასწავლო თამაშები</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>სურათი, რომელიც ხსნის სასწავლო თამაშების გვერდს</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>რამდენია %1?</translation>
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
        <translation>პლუს</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>მინუს</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ჯერ</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>გაყოფილი</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%plain:
=0=;
%on:
=%%stem=ზე;
%times:
0: =%%stem=ჯერ; 1: ერთხელ; 2: =%%stem=ჯერ;
%%stem:
0: ნულ; 1: ერთ; 2: ორ; 3: სამ; 4: ოთხ; 5: ხუთ; 6: ექვს; 7: შვიდ; 8: რვა; 9: ცხრა; 10: ათ; 11: თერთმეტ; 12: თორმეტ; 13: ცამეტ; 14: თოთხმეტ; 15: თხუთმეტ; 16: თექვსმეტ; 17: ჩვიდმეტ; 18: თვრამეტ; 19: ცხრამეტ;
20/20: ოც[და&gt;&gt;]; 40/20: ორმოც[და&gt;&gt;]; 60/20: სამოც[და&gt;&gt;]; 80/20: ოთხმოც[და&gt;&gt;];
100: ას[ &gt;&gt;]; 200: ორას[ &gt;&gt;]; 300: სამას[ &gt;&gt;]; 400: ოთხას[ &gt;&gt;]; 500: ხუთას[ &gt;&gt;]; 600: ექვსას[ &gt;&gt;]; 700: შვიდას[ &gt;&gt;]; 800: რვაას[ &gt;&gt;]; 900: ცხრაას[ &gt;&gt;];
1000: ათას[ &gt;&gt;]; 2000: =0=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>მინუს %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>სწორია. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>არასწორია. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>სწორია.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>არასწორია.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>ხმამაღლა კითხვა ჩართულია</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>ხმამაღლა კითხვა გამორთულია</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>უმცირესი რიცხვი %1, უდიდესი რიცხვი %2. %3</translation>
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
        <translation>%1{%times} %2</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <extracomment>Optional. Division read aloud; as &quot;%1 plus %2&quot;.</extracomment>
        <translation>%1 გაყოფილი %2{%on}</translation>
    </message>
</context>
<context>
    <name>sumbrix</name>
    <message>
        <source>An arithmetic drill for children: one problem at a time, graded as soon as Enter is pressed.</source>
        <translation>არითმეტიკის ვარჯიში ბავშვებისთვის: მაგალითები სათითაოდ, რომლებიც მოწმდება Enter-ის დაჭერისთანავე.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: ფაილებს ან სხვა არგუმენტებს არ იღებს: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>ხმამაღლა კითხულობს მაგალითებს და ამბობს, პასუხი სწორია თუ არა. %1 რთავს და თიშავს ხმამაღლა კითხვას.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ხმამაღლა კითხვა შეუძლებელია: მეტყველების სერვისი არ პასუხობს. ვარჯიში ხმის გარეშე გრძელდება.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ხმამაღლა კითხვა შეუძლებელია: ამ ენაზე მოლაპარაკე ხმა არ არის. ვარჯიში ხმის გარეშე გრძელდება.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ხმამაღლა კითხვა შეწყდა: მეტყველების სერვისი გაითიშა. ვარჯიში ხმის გარეშე გრძელდება.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>ხსნის ფანჯარას ამ ზომით, პროცენტებში (%1-დან %2-მდე), წინა გაშვებისას შენახული ზომის ნაცვლად. %3, %4 და %5 ფანჯარას ადიდებს, ამცირებს და ჩვეულ ზომას უბრუნებს.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom იღებს პროცენტს %2-დან %3-მდე და არა „%4“</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>გაყოფა</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>გამრავლება</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>გამოკლება</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>შეკრება</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>დასაწყისი</translation>
    </message>
</context>
</TS>
