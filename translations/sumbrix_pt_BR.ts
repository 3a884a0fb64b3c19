<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
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
        <translation>Conta</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Mais recursos grátis: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Placar</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Seus pontos</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Certo</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Errado</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Conta do dia </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Seg.</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Ajustes </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>até</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>O Sumbrix é gratuito.  Compartilhe com quem gosta de números.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Versão %1 © 2026 os autores do Sumbrix. GNU GPL 3 ou posterior.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Páginas Conta e Histórico</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operação</translation>
    </message>
    <message>
        <source>From</source>
        <translation>A partir do número</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>O menor número</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Até o número</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>O maior número</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Maior número</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Escolhe o maior número</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Primeiro número</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Sinal da operação</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Segundo número</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Digite a resposta e aperte Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Segundos nesta conta</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Respostas certas</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Respostas erradas</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Porcentagem de acertos</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Cada resposta corrigida com a hora</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Abre no navegador a página de recursos para aprender</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Recursos para aprender</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Imagem que abre a página de recursos para aprender</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Resultado de %1</translation>
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
        <translation>mais</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>vezes</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido por</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: zero; 1: um; 2: dois; 3: três; 4: quatro; 5: cinco; 6: seis; 7: sete; 8: oito; 9: nove; 10: dez; 11: onze; 12: doze; 13: treze; 14: catorze; 15: quinze; 16: dezesseis; 17: dezessete; 18: dezoito; 19: dezenove; 20: vinte[ e &gt;&gt;]; 30: trinta[ e &gt;&gt;]; 40: quarenta[ e &gt;&gt;]; 50: cinquenta[ e &gt;&gt;]; 60: sessenta[ e &gt;&gt;]; 70: setenta[ e &gt;&gt;]; 80: oitenta[ e &gt;&gt;]; 90: noventa[ e &gt;&gt;]; 100: cem; 101: cento e &gt;&gt;; 200: duzentos[ e &gt;&gt;]; 300: trezentos[ e &gt;&gt;]; 400: quatrocentos[ e &gt;&gt;]; 500: quinhentos[ e &gt;&gt;]; 600: seiscentos[ e &gt;&gt;]; 700: setecentos[ e &gt;&gt;]; 800: oitocentos[ e &gt;&gt;]; 900: novecentos[ e &gt;&gt;]; 1000: mil[&gt;%%e&gt;]; 2000: &lt;&lt; mil[&gt;%%e&gt;]; %%e: 0: &apos; e =%spellout=; 100: &gt;%%round&gt;=%spellout=; %%round: 0: &apos; e ; 1: &apos; ;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>menos %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Acertou! %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Errou. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Acertou!</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Errou.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Voz ligada</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Voz desligada</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Números de %1 a %2. %3</translation>
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
        <translation>Treino de contas para crianças: uma conta de cada vez, corrigida assim que se aperta Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: não aceita arquivos nem outros argumentos: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Lê as contas em voz alta e diz se a resposta está certa. %1 liga e desliga a leitura.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: não é possível ler em voz alta: nenhum serviço de voz responde. O treino continua em silêncio.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: não é possível ler em voz alta: nenhuma voz fala este idioma. O treino continua em silêncio.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: a leitura em voz alta parou: o serviço de voz deixou de responder. O treino continua em silêncio.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Abre a janela neste tamanho, em porcentagem (%1 a %2), em vez do tamanho salvo da última vez. %3, %4 e %5 aumentam, diminuem e restauram o tamanho normal.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom aceita uma porcentagem de %2 a %3, não “%4”</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Divisão</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicação</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtração</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Adição</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Início</translation>
    </message>
</context>
</TS>
