<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Mehr kostenlose Lernhilfen auf %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Deine Punkte</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Deine Aufgabe </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Auswahl </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>von</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>bis</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix ist kostenlos.  Teile es mit allen, die Zahlen mögen.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Version %1 © 2026 die Sumbrix-Autoren. GNU GPL 3 oder später.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Seiten Aufgabe und Verlauf</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Rechenart</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von der Zahl</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Kleinste Zahl</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis zur Zahl</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Größte Zahl</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Größte Zahl</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Stellt die größte Zahl ein</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Erste Zahl</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Rechenzeichen</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Zweite Zahl</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Schreib die Antwort und drück Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Sekunden für diese Aufgabe</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Richtige Antworten</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Falsche Antworten</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Prozent richtig</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Jede Antwort mit ihrer Uhrzeit</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Öffnet die Seite mit Lernhilfen im Browser</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Lernhilfen</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Bild, das die Seite mit Lernhilfen öffnet</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Ergebnis von %1</translation>
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
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>digits</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>minus %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Richtig. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Falsch. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Richtig.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Falsch.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Vorlesen an</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Vorlesen aus</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Zahlen von %1 bis %2. %3</translation>
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
        <translation>Rechentraining für Kinder: eine Aufgabe nach der anderen, geprüft, sobald Enter gedrückt wird.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: erwartet keine Dateien oder anderen Argumente: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Liest die Aufgaben vor und sagt, ob die Antwort richtig ist. %1 schaltet das Vorlesen ein und aus.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: Vorlesen nicht möglich: Kein Sprachdienst antwortet. Das Rechentraining läuft ohne Ton weiter.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: Vorlesen nicht möglich: Keine Stimme spricht diese Sprache. Das Rechentraining läuft ohne Ton weiter.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: Vorlesen beendet: Der Sprachdienst antwortet nicht mehr. Das Rechentraining läuft ohne Ton weiter.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Öffnet das Fenster in dieser Größe in Prozent (%1 bis %2) statt in der Größe vom letzten Mal. %3 vergrößert, %4 verkleinert und %5 stellt die normale Größe wieder her.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom erwartet einen Prozentwert von %2 bis %3, nicht „%4“</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Geteilt-Aufgaben</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Mal-Aufgaben</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Minus-Aufgaben</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Plus-Aufgaben</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Start</translation>
    </message>
</context>
</TS>
