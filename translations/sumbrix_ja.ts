<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
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
        <translation>けいさん</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>きろく</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>ほかの きょうざい：%1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>せいせき</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>てんすう</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>まる</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>ばつ</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>きょうの もんだい </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>時間</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>せってい </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>小</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>大</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>むりょうだよ！ おともだちにも おしえてね。</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>バージョン %1 © 2026 Sumbrix 作者。GNU GPL 3 以降。</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>けいさんと きろくの ページ</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>けいさんの しゅるい</translation>
    </message>
    <message>
        <source>From</source>
        <translation>いちばん ちいさい かず</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>もんだいに でてくる いちばん ちいさい かず</translation>
    </message>
    <message>
        <source>To</source>
        <translation>いちばん おおきい かず</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>もんだいに でてくる いちばん おおきい かず</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>いちばん おおきい かず</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>もんだいに でてくる いちばん おおきい かずを きめる</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>いちばんめの かず</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>けいさんの きごう</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>にばんめの かず</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>こたえを いれて、エンターキーを おしてね</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>なんびょう かかったか</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>まるの かず</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>ばつの かず</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>まるの わりあい</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>てんすう</translation>
    </message>
    <message>
        <source>History</source>
        <translation>こたえの きろく</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>まるつけした こたえ ぜんぶと その じこく</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>ブラウザで きょうざいの ページを ひらく</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>きょうざい</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>きょうざいの ページを ひらく え</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>%1 の こたえ</translation>
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
        <translation>たす</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>ひく</translation>
    </message>
    <message>
        <source>times</source>
        <translation>かける</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>わる</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: れい; 1: いち; 2: に; 3: さん; 4: よん; 5: ご; 6: ろく; 7: なな; 8: はち; 9: きゅう; 10: じゅう[&gt;&gt;]; 20: &lt;&lt;じゅう[&gt;&gt;]; 100: ひゃく[&gt;&gt;]; 200: &lt;&lt;ひゃく[&gt;&gt;]; 300: さんびゃく[&gt;&gt;]; 400: &lt;&lt;ひゃく[&gt;&gt;]; 600: ろっぴゃく[&gt;&gt;]; 700: &lt;&lt;ひゃく[&gt;&gt;]; 800: はっぴゃく[&gt;&gt;]; 900: &lt;&lt;ひゃく[&gt;&gt;]; 1000: せん[&gt;&gt;]; 2000: &lt;&lt;せん[&gt;&gt;]; 3000: さんぜん[&gt;&gt;]; 4000: &lt;&lt;せん[&gt;&gt;]; 8000: はっせん[&gt;&gt;]; 9000: &lt;&lt;せん[&gt;&gt;]; 10000: &lt;&lt;まん[&gt;&gt;]; 100000000: =0=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>マイナス %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>せいかい。%1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>ちがうよ。%1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>せいかい。</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>ちがうよ。</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>こえで よむよ</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>しずかに するよ</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>%1 から %2 までの かず。%3</translation>
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
        <translation>子どもの ための けいさん れんしゅう: もんだいを 1つずつ 出し、Enter キーを おすと すぐに まるつけします。</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: ファイルや ほかの 引数は つかえません: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>もんだいと まるつけの けっかを こえで よみます。%1 で オンと オフを きりかえます。</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: こえで よめません: おんせい サービスが こたえません。れんしゅうは 音なしで つづきます。</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: こえで よめません: この ことばを 話せる こえが ありません。れんしゅうは 音なしで つづきます。</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: こえで よむのを やめました: おんせい サービスが とまりました。れんしゅうは 音なしで つづきます。</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>まえに つかった ときの 大きさでは なく、この 大きさ（%1 から %2 パーセント）で ひらきます。%3 で 大きく、%4 で 小さく、%5 で もとの 大きさに もどします。</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom には %2 から %3 までの パーセントを いれます。「%4」は つかえません</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>わりざん</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>かけざん</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>ひきざん</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>たしざん</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>はじめ</translation>
    </message>
</context>
</TS>
