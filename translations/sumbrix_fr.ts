<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>D&apos;autres outils gratuits&#xa0;: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Tableau des points</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Tes points</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Calcul du jour </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Sec.</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Réglages </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>à</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix est gratuit.  Partage-le avec tous ceux qui aiment les nombres.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Version %1 © 2026 les auteurs de Sumbrix. GNU GPL 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Pages Calcul et Historique</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>From</source>
        <translation>À partir du nombre</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Le plus petit nombre</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Jusqu&apos;au nombre</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Le plus grand nombre</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Plus grand nombre</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Choisit le plus grand nombre</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Premier nombre</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Signe de l&apos;opération</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Deuxième nombre</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Écris la réponse, puis appuie sur Entrée</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Secondes passées sur ce calcul</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Réponses justes</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Réponses fausses</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Pourcentage de réponses justes</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Chaque réponse corrigée avec son heure</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Ouvre dans le navigateur la page des outils pour apprendre</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Outils pour apprendre</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Image qui ouvre la page des outils pour apprendre</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Réponse à %1</translation>
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
        <translation>+</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>digits</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>moins %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>C&apos;est juste. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>C&apos;est faux. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>C&apos;est juste.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>C&apos;est faux.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Lecture à voix haute activée</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Lecture arrêtée</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Nombres de %1 à %2. %3</translation>
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
        <translation>Entraînement au calcul pour les enfants&#xa0;: un calcul à la fois, corrigé dès qu&apos;on appuie sur Entrée.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1&#xa0;: n&apos;accepte ni fichier ni autre argument&#xa0;: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Lit les calculs à voix haute et dit si la réponse est juste. %1 active ou désactive la lecture.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1&#xa0;: lecture à voix haute impossible&#xa0;: aucun service de synthèse vocale ne répond. L&apos;entraînement continue en silence.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1&#xa0;: lecture à voix haute impossible&#xa0;: aucune voix ne parle cette langue. L&apos;entraînement continue en silence.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1&#xa0;: lecture à voix haute arrêtée&#xa0;: le service de synthèse vocale ne répond plus. L&apos;entraînement continue en silence.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Ouvre la fenêtre à cette taille, en pourcentage (de %1 à %2), au lieu de la taille de la dernière fois. %3 agrandit, %4 réduit et %5 rétablit la taille normale.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1&#xa0;: --zoom attend un pourcentage de %2 à %3, pas «&#xa0;%4&#xa0;»</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Début</translation>
    </message>
</context>
</TS>
