<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="en">
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
        <translation>Πράξη</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Ιστορικό</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Δωρεάν εργαλεία μάθησης: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Βαθμολογία</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Οι πόντοι σου</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Σωστά</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Λάθη</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Η πράξη της ημέρας </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Δευτ.</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Ρυθμίσεις </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>από</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>ως</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Το Sumbrix είναι δωρεάν.  Μοιράσου το με όποιον αγαπά τους αριθμούς.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Έκδοση %1 © 2026 οι δημιουργοί του Sumbrix. GNU GPL 3 ή νεότερη.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Σελίδες</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Σελίδες «Πράξη» και «Ιστορικό»</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Είδος πράξης</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Από</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Ο μικρότερος αριθμός που μπορεί να βγει</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Ως</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Ο μεγαλύτερος αριθμός που μπορεί να βγει</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Μεγαλύτερος αριθμός</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Ορίζει τον μεγαλύτερο αριθμό που μπορεί να βγει</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Πρώτος αριθμός</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Σύμβολο πράξης</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Δεύτερος αριθμός</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Γράψε την απάντηση και πάτησε Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Δευτερόλεπτα σε αυτή την πράξη</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Σωστές απαντήσεις</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Λάθος απαντήσεις</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Ποσοστό σωστών απαντήσεων</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Πόντοι</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Ιστορικό</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Κάθε απάντηση που ελέγχθηκε, με την ώρα της</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Ανοίγει τη σελίδα με τα εργαλεία μάθησης στο πρόγραμμα περιήγησης</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Εργαλεία μάθησης</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Εικόνα που ανοίγει τη σελίδα με τα εργαλεία μάθησης</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Απάντηση στην πράξη %1</translation>
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
        <translation>συν</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>πλην</translation>
    </message>
    <message>
        <source>times</source>
        <translation>επί</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>διά</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: μηδέν; 1: ένα; 2: δύο; 3: τρία; 4: τέσσερα; 5: πέντε; 6: έξι; 7: επτά; 8: οκτώ; 9: εννέα; 10: δέκα; 11: έντεκα; 12: δώδεκα; 13: δεκα&gt;&gt;; 20: είκοσι[ &gt;&gt;]; 30: τριάντα[ &gt;&gt;]; 40: σαράντα[ &gt;&gt;]; 50: πενήντα[ &gt;&gt;]; 60: εξήντα[ &gt;&gt;]; 70: εβδομήντα[ &gt;&gt;]; 80: ογδόντα[ &gt;&gt;]; 90: ενενήντα[ &gt;&gt;]; 100: εκατό; 101: εκατόν &gt;&gt;; 200: διακόσια[ &gt;&gt;]; 300: τριακόσια[ &gt;&gt;]; 400: τετρακόσια[ &gt;&gt;]; 500: πεντακόσια[ &gt;&gt;]; 600: εξακόσια[ &gt;&gt;]; 700: επτακόσια[ &gt;&gt;]; 800: οκτακόσια[ &gt;&gt;]; 900: εννιακόσια[ &gt;&gt;]; 1000: χίλια[ &gt;&gt;]; 2000: &lt;%%feminine&lt; χιλιάδες[ &gt;&gt;]; %%feminine: 0: =%spellout=; 1: μία; 2: =%spellout=; 3: τρεις; 4: τέσσερις; 5: =%spellout=; 13: δεκατρείς; 14: δεκατέσσερις; 15: =%spellout=; 20: είκοσι[ &gt;&gt;]; 30: τριάντα[ &gt;&gt;]; 40: σαράντα[ &gt;&gt;]; 50: πενήντα[ &gt;&gt;]; 60: εξήντα[ &gt;&gt;]; 70: εβδομήντα[ &gt;&gt;]; 80: ογδόντα[ &gt;&gt;]; 90: ενενήντα[ &gt;&gt;]; 100: =%spellout=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>μείον %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Σωστό. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Λάθος. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Σωστό.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Λάθος.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Διαβάζω φωναχτά</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Σταματώ να διαβάζω</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Αριθμοί από %1 ως %2. %3</translation>
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
        <translation>Εξάσκηση στην αριθμητική για παιδιά: μία πράξη τη φορά, που ελέγχεται μόλις πατηθεί το Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: δεν δέχεται αρχεία ή άλλα ορίσματα: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Διαβάζει φωναχτά τις πράξεις και αν η απάντηση είναι σωστή ή λάθος. Το %1 ανοίγει και κλείνει την ανάγνωση.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: δεν είναι δυνατή η ανάγνωση φωναχτά: καμία υπηρεσία ομιλίας δεν απαντά. Η εξάσκηση συνεχίζεται χωρίς φωνή.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: δεν είναι δυνατή η ανάγνωση φωναχτά: καμία φωνή δεν μιλά αυτή τη γλώσσα. Η εξάσκηση συνεχίζεται χωρίς φωνή.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: η ανάγνωση φωναχτά σταμάτησε: η υπηρεσία ομιλίας δεν είναι πια διαθέσιμη. Η εξάσκηση συνεχίζεται χωρίς φωνή.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Ανοίγει το παράθυρο σε αυτό το μέγεθος (ποσοστό από %1 έως %2) αντί για το μέγεθος της προηγούμενης φοράς. Το %3 μεγαλώνει, το %4 μικραίνει και το %5 επαναφέρει το κανονικό μέγεθος.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: το --zoom δέχεται ποσοστό από %2 έως %3, όχι «%4»</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Διαίρεση</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Πολλαπλασιασμός</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Αφαίρεση</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Πρόσθεση</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Έναρξη</translation>
    </message>
</context>
</TS>
