<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
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
        <translation>계산</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>무료 학습 도구 더 보기: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>점수표</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>내 점수</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>맞음</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>틀림</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>오늘의 문제 </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>초:</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>설정 </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>처음</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>끝</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix는 무료! 숫자를 좋아하는 친구에게 알려 주세요.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>버전 %1 © 2026 Sumbrix를 만든 사람들. GNU GPL 3 이후 버전.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>페이지</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>계산 페이지와 기록 페이지</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>계산 종류</translation>
    </message>
    <message>
        <source>From</source>
        <translation>가장 작은 수</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>문제에 나오는 가장 작은 수</translation>
    </message>
    <message>
        <source>To</source>
        <translation>가장 큰 수</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>문제에 나오는 가장 큰 수</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>가장 큰 수</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>문제에 나오는 가장 큰 수를 정해요</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>첫째 수</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>계산 기호</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>둘째 수</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>답을 쓰고 엔터 키를 눌러요</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>이 문제에 걸린 시간(초)</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>맞은 개수</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>틀린 개수</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>맞은 비율(퍼센트)</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>점수</translation>
    </message>
    <message>
        <source>History</source>
        <translation>답 기록</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>채점한 모든 답과 그 시각</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>브라우저에서 학습 도구 페이지를 열어요</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>학습 도구</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>학습 도구 페이지를 여는 그림</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>%1의 답</translation>
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
        <translation>더하기</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>빼기</translation>
    </message>
    <message>
        <source>times</source>
        <translation>곱하기</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>나누기</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: 영; 1: 일; 2: 이; 3: 삼; 4: 사; 5: 오; 6: 육; 7: 칠; 8: 팔; 9: 구; 10: 십[&gt;&gt;]; 20: &lt;&lt;십[&gt;&gt;]; 100: 백[&gt;&gt;]; 200: &lt;&lt;백[&gt;&gt;]; 1000: 천[&gt;&gt;]; 2000: &lt;&lt;천[&gt;&gt;]; 10000: 만[ &gt;&gt;]; 20000: &lt;&lt;만[ &gt;&gt;]; 100000000: =0=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>마이너스 %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>맞았어요. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>틀렸어요. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>맞았어요.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>틀렸어요.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>소리 내어 읽을게요</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>조용히 할게요</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>%1부터 %2까지의 수. %3</translation>
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
        <translation>어린이를 위한 계산 연습: 한 번에 한 문제씩 내고, Enter 키를 누르면 바로 채점합니다.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: 파일이나 다른 인자를 받지 않습니다: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>문제와 채점 결과를 소리 내어 읽습니다. %1 키로 켜고 끕니다.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: 소리 내어 읽을 수 없습니다: 음성 서비스가 응답하지 않습니다. 연습은 소리 없이 계속됩니다.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: 소리 내어 읽을 수 없습니다: 이 언어를 말하는 음성이 없습니다. 연습은 소리 없이 계속됩니다.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: 소리 내어 읽기를 멈췄습니다: 음성 서비스가 끊겼습니다. 연습은 소리 없이 계속됩니다.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>지난번 실행 때 저장된 크기 대신 이 크기(%1~%2퍼센트)로 창을 엽니다. %3 키로 크게, %4 키로 작게, %5 키로 원래 크기로 되돌립니다.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom은 %2~%3 사이의 퍼센트만 받습니다. 입력한 값: “%4”</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>나눗셈</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>곱셈</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>뺄셈</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>덧셈</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>시작</translation>
    </message>
</context>
</TS>
