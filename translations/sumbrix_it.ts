<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
        <translation>Calcolo</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Altri strumenti gratuiti: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>I tuoi punti</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Giuste</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Errate</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Calcolo del giorno </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Sec.</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Impostazioni </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>da</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>a</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix è gratuito.  Condividilo con chi ama i numeri.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Versione %1 © 2026 gli autori di Sumbrix. GNU GPL 3 o successiva.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Pagine Calcolo e Cronologia</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Dal numero</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Il numero più piccolo</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Al numero</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Il numero più grande</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Numero più grande</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Sceglie il numero più grande</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Primo numero</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Segno dell&apos;operazione</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Secondo numero</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Scrivi la risposta e premi Invio</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Secondi passati su questo calcolo</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Risposte giuste</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Risposte sbagliate</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Percentuale di risposte giuste</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Ogni risposta con la sua ora</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Apre nel browser la pagina degli strumenti per imparare</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Strumenti per imparare</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Immagine che apre la pagina degli strumenti per imparare</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Risultato di %1</translation>
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
        <translation>più</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>meno</translation>
    </message>
    <message>
        <source>times</source>
        <translation>per</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>diviso</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>digits</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>meno %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Giusto. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Sbagliato. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Giusto.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Sbagliato.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Voce accesa</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Voce spenta</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Numeri da %1 a %2. %3</translation>
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
        <translation>Esercizi di calcolo per bambini: un calcolo alla volta, corretto appena si preme Invio.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: non accetta file né altri argomenti: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Legge ad alta voce i calcoli e dice se la risposta è giusta. %1 attiva e disattiva la lettura.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: impossibile leggere ad alta voce: nessun servizio di sintesi vocale risponde. L&apos;esercizio continua in silenzio.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: impossibile leggere ad alta voce: nessuna voce parla questa lingua. L&apos;esercizio continua in silenzio.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: lettura ad alta voce interrotta: il servizio di sintesi vocale non risponde più. L&apos;esercizio continua in silenzio.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Apre la finestra a questa dimensione, in percentuale (da %1 a %2), invece che alla dimensione dell&apos;ultima volta. %3 ingrandisce, %4 rimpicciolisce e %5 torna alla dimensione normale.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom accetta una percentuale da %2 a %3, non «%4»</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Divisione</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Moltiplicazione</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Sottrazione</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addizione</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Inizio</translation>
    </message>
</context>
</TS>
