<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
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
        <translation>計算</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>紀錄</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>更多免費學習工具：%1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>成績</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>你的分數</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>答對</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>答錯</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>今天的題目 </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>時間</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>設定 </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>從</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>到</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix 是免費軟體。分享給所有喜歡數字的人吧！</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>版本 %1 © 2026 Sumbrix 作者。GNU GPL 3 或更新版本。</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>頁面</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>計算和紀錄頁面</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>運算</translation>
    </message>
    <message>
        <source>From</source>
        <translation>最小的數</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>題目裡最小的數</translation>
    </message>
    <message>
        <source>To</source>
        <translation>最大的數</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>題目裡最大的數</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>最大的數</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>設定題目裡最大的數</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>第一個數</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>運算符號</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>第二個數</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>輸入答案，然後按 Enter 鍵</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>這一題用了幾秒</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>答對的題數</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>答錯的題數</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>答對的百分比</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>分數</translation>
    </message>
    <message>
        <source>History</source>
        <translation>作答紀錄</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>每一題的答案和作答時間</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>開啟學習工具網頁</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>學習工具</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>開啟學習工具網頁的圖片</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>%1 的答案</translation>
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
        <translation>加</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>減</translation>
    </message>
    <message>
        <source>times</source>
        <translation>乘以</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>除以</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: 零; 1: 一; 2: 二; 3: 三; 4: 四; 5: 五; 6: 六; 7: 七; 8: 八; 9: 九; 10: 十[&gt;&gt;]; 20: &lt;&lt;十[&gt;&gt;]; 100: &lt;%%lead&lt;百[&gt;%%t100&gt;]; 1000: &lt;%%lead&lt;千[&gt;%%t1000&gt;]; 10000: &lt;%%lead&lt;萬[&gt;%%t10000&gt;]; 100000000: =0=; %%lead: 1: 一; 2: 兩; 3: =%spellout=; %%t100: 1: 零=%spellout=; 10: 一=%spellout=; 20: =%spellout=; %%t1000: 1: 零=%spellout=; 10: 零一=%spellout=; 20: 零=%spellout=; 100: =%spellout=; %%t10000: 1: 零=%spellout=; 10: 零一=%spellout=; 20: 零=%spellout=; 1000: =%spellout=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>負%1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>答對了。%1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>答錯了。%1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>答對了。</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>答錯了。</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>開始朗讀</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>停止朗讀</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>數的範圍是 %1 到 %2。%3</translation>
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
        <translation>給孩子的計算練習：一次出一題，按下 Enter 鍵就馬上批改。</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1：不接受檔案或其他參數：%2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>朗讀題目和批改結果。按 %1 開啟或關閉。</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1：無法朗讀：語音服務沒有回應。練習會繼續，但沒有聲音。</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1：無法朗讀：沒有能說這種語言的語音。練習會繼續，但沒有聲音。</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1：朗讀已停止：語音服務已中斷。練習會繼續，但沒有聲音。</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>以這個大小開啟視窗（百分比，%1 到 %2），而不是上次執行時儲存的大小。按 %3 放大，按 %4 縮小，按 %5 恢復正常大小。</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1：--zoom 需要 %2 到 %3 之間的百分比，而不是「%4」</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>除法</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>乘法</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>減法</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>加法</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>開始</translation>
    </message>
</context>
</TS>
