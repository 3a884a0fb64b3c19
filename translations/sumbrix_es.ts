<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>frmSumbrix</name>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Más para aprender en %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Tus puntos</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Tu problema </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Seg.:</translation>
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
        <translation>a</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix es gratis.  Compártelo con quien ame los números.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Versión %1 © 2026 los autores de Sumbrix. GNU GPL 3 o posterior.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Páginas Problema e Historial</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>El número más pequeño</translation>
    </message>
    <message>
        <source>To</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>El número más grande</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Número más grande</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Elige el número más grande</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Primer número</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Signo de la operación</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Segundo número</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Escribe la respuesta y pulsa Intro</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Segundos en este problema</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Respuestas correctas</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Respuestas incorrectas</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Porcentaje de aciertos</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Cada respuesta con su hora</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Abre la página de juegos en el navegador</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Juegos para aprender</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Imagen que abre la página de juegos</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Respuesta a %1</translation>
    </message>
</context>
<context>
    <name>speech</name>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>entre</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Bien. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Mal. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Bien.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Mal.</translation>
    </message>
</context>
<context>
    <name>sumbrix</name>
    <message>
        <source>An arithmetic drill for children: one problem at a time, graded as soon as Enter is pressed.</source>
        <translation>Práctica de cálculo para niños: un problema cada vez, corregido al pulsar Intro.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: no admite archivos ni otros argumentos: %2</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Inicio</translation>
    </message>
</context>
</TS>
