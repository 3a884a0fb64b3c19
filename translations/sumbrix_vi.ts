<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="en">
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
        <translation>Phép tính</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Bài đã làm</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>Học liệu miễn phí: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Bảng điểm</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Điểm của em</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>Đúng</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>Sai</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>Phép tính của em </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>Giây</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>Chọn </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>từ</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>đến</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix miễn phí. Hãy chia sẻ với bạn bè nhé!</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>Phiên bản %1 © 2026 các tác giả Sumbrix. GNU GPL 3 trở lên.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Các trang</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>Trang Phép tính và trang Bài đã làm</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Loại phép tính</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Từ</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>Số nhỏ nhất</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Đến</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>Số lớn nhất</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Số lớn nhất</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>Chọn số lớn nhất</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Số thứ nhất</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>Dấu phép tính</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Số thứ hai</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Em hãy gõ kết quả, rồi nhấn Enter</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>Số giây làm phép tính này</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Số câu đúng</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Số câu sai</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Phần trăm câu đúng</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Điểm</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Danh sách bài đã làm</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>Mọi câu trả lời đã chấm, kèm thời gian</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>Mở trang học liệu trong trình duyệt</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>Học liệu</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>Hình ảnh mở trang học liệu</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>Kết quả của %1</translation>
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
        <translation>cộng</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>trừ</translation>
    </message>
    <message>
        <source>times</source>
        <translation>nhân</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>chia</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: không; 1: một; 2: hai; 3: ba; 4: bốn; 5: năm; 6: sáu; 7: bảy; 8: tám; 9: chín; 10: mười[ &gt;%%u&gt;]; 20: &lt;&lt; mươi[ &gt;%%v&gt;]; 100: &lt;&lt; trăm[ &gt;%%t&gt;]; 1000: &lt;&lt; nghìn[ &gt;%%k&gt;]; 1000000: =0=; %%u: 1: một; 2: hai; 3: ba; 4: bốn; 5: lăm; 6: sáu; 7: bảy; 8: tám; 9: chín; %%v: 1: mốt; 2: hai; 3: ba; 4: tư; 5: lăm; 6: sáu; 7: bảy; 8: tám; 9: chín; %%t: 1: linh =%spellout=; 10: =%spellout=; %%k: 1: không trăm linh =%spellout=; 10: không trăm =%spellout=; 100: =%spellout=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>âm %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>Đúng rồi. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>Sai rồi. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>Đúng rồi.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>Sai rồi.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>Đã bật đọc to</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Đã tắt đọc to</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>Các số từ %1 đến %2. %3</translation>
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
        <translation>Bài luyện tính cho trẻ em: mỗi lần một phép tính, được chấm ngay khi nhấn Enter.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: không nhận tệp hay đối số nào khác: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>Đọc to các phép tính và cho biết đúng hay sai. %1 bật và tắt chức năng này.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: không thể đọc to: không có dịch vụ giọng nói nào trả lời. Bài luyện tiếp tục không có tiếng.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: không thể đọc to: không có giọng đọc cho ngôn ngữ này. Bài luyện tiếp tục không có tiếng.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: đã dừng đọc to: dịch vụ giọng nói đã ngừng hoạt động. Bài luyện tiếp tục không có tiếng.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>Mở cửa sổ ở kích thước này, tính theo phần trăm (%1 đến %2), thay vì kích thước đã lưu từ lần trước. %3, %4 và %5 phóng to, thu nhỏ và đưa về kích thước bình thường.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom nhận tỉ lệ phần trăm từ %2 đến %3, không phải “%4”</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>Phép chia</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Phép nhân</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Phép trừ</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Phép cộng</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>Bắt đầu</translation>
    </message>
</context>
</TS>
