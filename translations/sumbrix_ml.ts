<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ml" sourcelanguage="en">
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
        <translation>കണക്ക്</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>ഉത്തരങ്ങൾ</translation>
    </message>
    <message>
        <source>More free learning tools at %1</source>
        <translation>കൂടുതൽ സൗജന്യ പഠനോപകരണങ്ങൾ: %1</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>ഫലം</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>നിന്റെ മാർക്ക്</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Heading of the count of right answers; the box is 33 pixels wide.</extracomment>
        <translation>ശരി</translation>
    </message>
    <message>
        <source>Wrong</source>
        <extracomment>Heading of the count of wrong answers; the box is 33 pixels wide.</extracomment>
        <translation>തെറ്റ്</translation>
    </message>
    <message>
        <source>Problem du jour </source>
        <translation>നിന്റെ കണക്ക് </translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Before the seconds spent on the problem; the box is 25 pixels wide.</extracomment>
        <translation>സമയം</translation>
    </message>
    <message>
        <source>Setup </source>
        <translation>ക്രമീകരണം </translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Above the smallest number drawn; the box is 25 pixels wide.</extracomment>
        <translation>മുതൽ</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Above the largest number drawn; the box is 17 pixels wide.</extracomment>
        <translation>വരെ</translation>
    </message>
    <message>
        <source>Sumbrix is a free product.  Share it with anyone who likes numbers.</source>
        <translation>Sumbrix സൗജന്യമാണ്.  സംഖ്യകൾ ഇഷ്ടമുള്ള എല്ലാവരുമായും പങ്കുവെക്കൂ.</translation>
    </message>
    <message>
        <source>Version %1 © 2026 the Sumbrix authors. GNU GPL 3 or later.</source>
        <translation>പതിപ്പ് %1 © 2026 Sumbrix രചയിതാക്കൾ. GNU GPL 3 അല്ലെങ്കിൽ പുതിയ പതിപ്പ്.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>⁠പേജുകൾ</translation>
    </message>
    <message>
        <source>Problem and Diagnostics pages</source>
        <translation>⁠കണക്ക്, ഉത്തരങ്ങൾ എന്നീ രണ്ട് പേജുകൾ</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>ഏതു തരം കണക്ക്</translation>
    </message>
    <message>
        <source>From</source>
        <translation>ഏറ്റവും ചെറിയ സംഖ്യ</translation>
    </message>
    <message>
        <source>Smallest number drawn</source>
        <translation>ഓരോ കണക്കിലും വരാവുന്ന ഏറ്റവും ചെറിയ സംഖ്യ</translation>
    </message>
    <message>
        <source>To</source>
        <translation>ഏറ്റവും വലിയ സംഖ്യ</translation>
    </message>
    <message>
        <source>Largest number drawn</source>
        <translation>ഓരോ കണക്കിലും വരാവുന്ന ഏറ്റവും വലിയ സംഖ്യ</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>ഏറ്റവും വലിയ സംഖ്യ</translation>
    </message>
    <message>
        <source>Sets the largest number drawn</source>
        <translation>ഓരോ കണക്കിലും വരാവുന്ന ഏറ്റവും വലിയ സംഖ്യ തിരഞ്ഞെടുക്കുന്നു</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>ആദ്യത്തെ സംഖ്യ</translation>
    </message>
    <message>
        <source>Operation sign</source>
        <translation>ക്രിയാചിഹ്നം</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>രണ്ടാമത്തെ സംഖ്യ</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>ഉത്തരം എഴുതി Enter അമർത്തൂ</translation>
    </message>
    <message>
        <source>Seconds on this problem</source>
        <translation>ഈ കണക്കിന് എടുത്ത സെക്കൻഡുകൾ</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>ശരിയുത്തരങ്ങൾ</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>⁠തെറ്റായ ഉത്തരങ്ങൾ</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>ശരിയുത്തരങ്ങളുടെ ശതമാനം</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>മാർക്ക്</translation>
    </message>
    <message>
        <source>History</source>
        <translation>ഉത്തരങ്ങളുടെ പട്ടിക</translation>
    </message>
    <message>
        <source>Every graded answer with its time</source>
        <translation>നോക്കിയ ഓരോ ഉത്തരവും അതിന്റെ സമയവും</translation>
    </message>
    <message>
        <source>Opens the learning-tools page in the browser</source>
        <translation>ബ്രൗസറിൽ പഠനോപകരണങ്ങളുടെ പേജ് തുറക്കുന്നു</translation>
    </message>
    <message>
        <source>Learning tools</source>
        <translation>സൗജന്യ പഠനോപകരണങ്ങൾ</translation>
    </message>
    <message>
        <source>Picture that opens the learning-tools page</source>
        <translation>സൗജന്യ പഠനോപകരണങ്ങളുടെ പേജ് തുറക്കുന്ന ചിത്രം</translation>
    </message>
    <message>
        <source>Answer to %1</source>
        <extracomment>The answer box as a screen reader names it; %1 is the problem in words.</extracomment>
        <translation>ഉത്തരം: %1</translation>
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
        <translation>കൂട്ടണം</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>കുറയ്ക്കണം</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ഗുണിക്കണം</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>ഹരിക്കണം</translation>
    </message>
    <message>
        <source>digits</source>
        <extracomment>Leave as &quot;digits&quot; where the language&apos;s voice reads numbers written in digits. Otherwise rules of ICU&apos;s rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.</extracomment>
        <translation>%spellout: 0: ⁠പൂജ്യം; 1: ഒന്ന്; 2: രണ്ഡ്; 3: മൂന്ന്; 4: നാല്; 5: അഞ്ച്; 6: ആറ്; 7: ഏഴ്; 8: എട്ട്; 9: ഒമ്പദ്; 10: ⁠പത്ത്; 11: ⁠പതിനൊന്ന്; 12: ⁠പന്ത്രണ്ഡ്; 13: ⁠പതിമൂന്ന്; 14: ⁠പതിനാല്; 15: ⁠പതിനഞ്ച്; 16: ⁠പതിനാറ്; 17: ⁠പതിനേഴ്; 18: ⁠പതിനെട്ട്; 19: ⁠പത്തൊമ്പദ്; 20: ഇരുപ&gt;%%ty&gt;; 30: മുപ്പ&gt;%%ty&gt;; 40: നാൽപ&gt;%%ty&gt;; 50: അമ്പ&gt;%%ty&gt;; 60: അറുപ&gt;%%ty&gt;; 70: എഴുപ&gt;%%ty&gt;; 80: എൺപ&gt;%%ty&gt;; 90: ⁠തൊണ്ണൂ&gt;%%ninety&gt;; 100: നൂ&gt;%%hundred&gt;; 200: ഇരുനൂ&gt;%%hundred&gt;; 300: മുന്നൂ&gt;%%hundred&gt;; 400: നാനൂ&gt;%%hundred&gt;; 500: അഞ്ഞൂ&gt;%%hundred&gt;; 600: അറുനൂ&gt;%%hundred&gt;; 700: എഴുനൂ&gt;%%hundred&gt;; 800: എണ്ണൂ&gt;%%hundred&gt;; 900: ⁠തൊള്ളായിര&gt;%%nine&gt;; 1000: ആയിര&gt;%%thousand&gt;; 2000: &lt;%%kilo&lt;&gt;%%thousand&gt;; %%ty: 0: ദ്; 1: ത്തി=%%unit=; %%ninety: 0: റ്; 1: റ്റി=%%unit=; %%unit: 1: യൊന്ന്; 2: രണ്ഡ്; 3: മൂന്ന്; 4: നാല്; 5: യഞ്ച്; 6: യാറ്; 7: യേഴ്; 8: യെട്ട്; 9: യൊമ്പദ്; %%hundred: 0: റ്; 1: റ്റി=%%after=; %%nine: 0: ം; 1: ത്തി=%%after=; %%after: 1: =%%unit=; 10: പ്പത്ത്; 11: പ്പതിനൊന്ന്; 12: പ്പന്ത്രണ്ഡ്; 13: പ്പതിമൂന്ന്; 14: പ്പതിനാല്; 15: പ്പതിനഞ്ച്; 16: പ്പതിനാറ്; 17: പ്പതിനേഴ്; 18: പ്പതിനെട്ട്; 19: പ്പത്തൊമ്പദ്; 20: യിരുപ&gt;%%ty&gt;; 30: മുപ്പ&gt;%%ty&gt;; 40: നാൽപ&gt;%%ty&gt;; 50: യമ്പ&gt;%%ty&gt;; 60: യറുപ&gt;%%ty&gt;; 70: യെഴുപ&gt;%%ty&gt;; 80: യെൺപ&gt;%%ty&gt;; 90: ത്തൊണ്ണൂ&gt;%%ninety&gt;; %%thousand: 0: ം; 1: ത്തി =%%rest=; %%rest: 0: =%spellout=; 100: ഒരുനൂ&gt;%%hundred&gt;; 200: =%spellout=; %%kilo: 2: രണ്ടായിര; 3: മൂവായിര; 4: നാലായിര; 5: അയ്യായിര; 6: ആറായിര; 7: ഏഴായിര; 8: എണ്ണായിര; 9: ഒമ്പതിനായിര; 10: ⁠പതിനായിര; 11: ⁠പതിനൊന്നായിര; 12: ⁠പന്ത്രണ്ടായിര; 13: ⁠പതിമൂവായിര; 14: ⁠പതിനാലായിര; 15: ⁠പതിനയ്യായിര; 16: ⁠പതിനാറായിര; 17: ⁠പതിനേഴായിര; 18: ⁠പതിനെണ്ണായിര; 19: ⁠പത്തൊമ്പതിനായിര; 20: ഇരുപതിനായിര; 21: ഇരുപത്തി&gt;%%kunit&gt;; 30: മുപ്പതിനായിര; 31: മുപ്പത്തി&gt;%%kunit&gt;; %%kunit: 1: യൊന്നായിര; 2: രണ്ടായിര; 3: മൂവായിര; 4: നാലായിര; 5: യയ്യായിര; 6: യാറായിര; 7: യേഴായിര; 8: യെണ്ണായിര; 9: യൊമ്പതിനായിര; %sociative: 0: ⁠പൂജ്യത്തോഡ്; 1: ഒന്നിനോഡ്; 2: രണ്ടിനോഡ്; 3: മൂന്നിനോഡ്; 4: നാലിനോഡ്; 5: അഞ്ചിനോഡ്; 6: ആറിനോഡ്; 7: ഏഴിനോഡ്; 8: എട്ടിനോഡ്; 9: ഒമ്പതിനോഡ്; 10: ⁠പത്തിനോഡ്; 11: ⁠പതിനൊന്നിനോഡ്; 12: ⁠പന്ത്രണ്ടിനോഡ്; 13: ⁠പതിമൂന്നിനോഡ്; 14: ⁠പതിനാലിനോഡ്; 15: ⁠പതിനഞ്ചിനോഡ്; 16: ⁠പതിനാറിനോഡ്; 17: ⁠പതിനേഴിനോഡ്; 18: ⁠പതിനെട്ടിനോഡ്; 19: ⁠പത്തൊമ്പതിനോഡ്; 20: ഇരുപ&gt;%%ty-so&gt;; 30: മുപ്പ&gt;%%ty-so&gt;; 40: നാൽപ&gt;%%ty-so&gt;; 50: അമ്പ&gt;%%ty-so&gt;; 60: അറുപ&gt;%%ty-so&gt;; 70: എഴുപ&gt;%%ty-so&gt;; 80: എൺപ&gt;%%ty-so&gt;; 90: ⁠തൊണ്ണൂ&gt;%%ninety-so&gt;; 100: നൂ&gt;%%hundred-so&gt;; 200: ഇരുനൂ&gt;%%hundred-so&gt;; 300: മുന്നൂ&gt;%%hundred-so&gt;; 400: നാനൂ&gt;%%hundred-so&gt;; 500: അഞ്ഞൂ&gt;%%hundred-so&gt;; 600: അറുനൂ&gt;%%hundred-so&gt;; 700: എഴുനൂ&gt;%%hundred-so&gt;; 800: എണ്ണൂ&gt;%%hundred-so&gt;; 900: ⁠തൊള്ളായിര&gt;%%nine-so&gt;; 1000: ആയിര&gt;%%thousand-so&gt;; 2000: &lt;%%kilo&lt;&gt;%%thousand-so&gt;; %%ty-so: 0: തിനോഡ്; 1: ത്തി=%%unit-so=; %%ninety-so: 0: റിനോഡ്; 1: റ്റി=%%unit-so=; %%unit-so: 1: യൊന്നിനോഡ്; 2: രണ്ടിനോഡ്; 3: മൂന്നിനോഡ്; 4: നാലിനോഡ്; 5: യഞ്ചിനോഡ്; 6: യാറിനോഡ്; 7: യേഴിനോഡ്; 8: യെട്ടിനോഡ്; 9: യൊമ്പതിനോഡ്; %%hundred-so: 0: റിനോഡ്; 1: റ്റി=%%after-so=; %%nine-so: 0: ത്തോഡ്; 1: ത്തി=%%after-so=; %%after-so: 1: =%%unit-so=; 10: പ്പത്തിനോഡ്; 11: പ്പതിനൊന്നിനോഡ്; 12: പ്പന്ത്രണ്ടിനോഡ്; 13: പ്പതിമൂന്നിനോഡ്; 14: പ്പതിനാലിനോഡ്; 15: പ്പതിനഞ്ചിനോഡ്; 16: പ്പതിനാറിനോഡ്; 17: പ്പതിനേഴിനോഡ്; 18: പ്പതിനെട്ടിനോഡ്; 19: പ്പത്തൊമ്പതിനോഡ്; 20: യിരുപ&gt;%%ty-so&gt;; 30: മുപ്പ&gt;%%ty-so&gt;; 40: നാൽപ&gt;%%ty-so&gt;; 50: യമ്പ&gt;%%ty-so&gt;; 60: യറുപ&gt;%%ty-so&gt;; 70: യെഴുപ&gt;%%ty-so&gt;; 80: യെൺപ&gt;%%ty-so&gt;; 90: ത്തൊണ്ണൂ&gt;%%ninety-so&gt;; %%thousand-so: 0: ത്തോഡ്; 1: ത്തി =%%rest-so=; %%rest-so: 0: =%sociative=; 100: ഒരുനൂ&gt;%%hundred-so&gt;; 200: =%sociative=; %locative: 0: ⁠പൂജ്യത്തിൽ; 1: ഒന്നിൽ; 2: രണ്ടിൽ; 3: മൂന്നിൽ; 4: നാലിൽ; 5: അഞ്ചിൽ; 6: ആറിൽ; 7: ഏഴിൽ; 8: എട്ടിൽ; 9: ഒമ്പതിൽ; 10: ⁠പത്തിൽ; 11: ⁠പതിനൊന്നിൽ; 12: ⁠പന്ത്രണ്ടിൽ; 13: ⁠പതിമൂന്നിൽ; 14: ⁠പതിനാലിൽ; 15: ⁠പതിനഞ്ചിൽ; 16: ⁠പതിനാറിൽ; 17: ⁠പതിനേഴിൽ; 18: ⁠പതിനെട്ടിൽ; 19: ⁠പത്തൊമ്പതിൽ; 20: ഇരുപ&gt;%%ty-lo&gt;; 30: മുപ്പ&gt;%%ty-lo&gt;; 40: നാൽപ&gt;%%ty-lo&gt;; 50: അമ്പ&gt;%%ty-lo&gt;; 60: അറുപ&gt;%%ty-lo&gt;; 70: എഴുപ&gt;%%ty-lo&gt;; 80: എൺപ&gt;%%ty-lo&gt;; 90: ⁠തൊണ്ണൂ&gt;%%ninety-lo&gt;; 100: നൂ&gt;%%hundred-lo&gt;; 200: ഇരുനൂ&gt;%%hundred-lo&gt;; 300: മുന്നൂ&gt;%%hundred-lo&gt;; 400: നാനൂ&gt;%%hundred-lo&gt;; 500: അഞ്ഞൂ&gt;%%hundred-lo&gt;; 600: അറുനൂ&gt;%%hundred-lo&gt;; 700: എഴുനൂ&gt;%%hundred-lo&gt;; 800: എണ്ണൂ&gt;%%hundred-lo&gt;; 900: ⁠തൊള്ളായിര&gt;%%nine-lo&gt;; 1000: ആയിര&gt;%%thousand-lo&gt;; 2000: &lt;%%kilo&lt;&gt;%%thousand-lo&gt;; %%ty-lo: 0: തിൽ; 1: ത്തി=%%unit-lo=; %%ninety-lo: 0: റിൽ; 1: റ്റി=%%unit-lo=; %%unit-lo: 1: യൊന്നിൽ; 2: രണ്ടിൽ; 3: മൂന്നിൽ; 4: നാലിൽ; 5: യഞ്ചിൽ; 6: യാറിൽ; 7: യേഴിൽ; 8: യെട്ടിൽ; 9: യൊമ്പതിൽ; %%hundred-lo: 0: റിൽ; 1: റ്റി=%%after-lo=; %%nine-lo: 0: ത്തിൽ; 1: ത്തി=%%after-lo=; %%after-lo: 1: =%%unit-lo=; 10: പ്പത്തിൽ; 11: പ്പതിനൊന്നിൽ; 12: പ്പന്ത്രണ്ടിൽ; 13: പ്പതിമൂന്നിൽ; 14: പ്പതിനാലിൽ; 15: പ്പതിനഞ്ചിൽ; 16: പ്പതിനാറിൽ; 17: പ്പതിനേഴിൽ; 18: പ്പതിനെട്ടിൽ; 19: പ്പത്തൊമ്പതിൽ; 20: യിരുപ&gt;%%ty-lo&gt;; 30: മുപ്പ&gt;%%ty-lo&gt;; 40: നാൽപ&gt;%%ty-lo&gt;; 50: യമ്പ&gt;%%ty-lo&gt;; 60: യറുപ&gt;%%ty-lo&gt;; 70: യെഴുപ&gt;%%ty-lo&gt;; 80: യെൺപ&gt;%%ty-lo&gt;; 90: ത്തൊണ്ണൂ&gt;%%ninety-lo&gt;; %%thousand-lo: 0: ത്തിൽ; 1: ത്തി =%%rest-lo=; %%rest-lo: 0: =%locative=; 100: ഒരുനൂ&gt;%%hundred-lo&gt;; 200: =%locative=; %accusative: 0: ⁠പൂജ്യത്തെ; 1: ഒന്നിനെ; 2: രണ്ടിനെ; 3: മൂന്നിനെ; 4: നാലിനെ; 5: അഞ്ചിനെ; 6: ആറിനെ; 7: ഏഴിനെ; 8: എട്ടിനെ; 9: ഒമ്പതിനെ; 10: ⁠പത്തിനെ; 11: ⁠പതിനൊന്നിനെ; 12: ⁠പന്ത്രണ്ടിനെ; 13: ⁠പതിമൂന്നിനെ; 14: ⁠പതിനാലിനെ; 15: ⁠പതിനഞ്ചിനെ; 16: ⁠പതിനാറിനെ; 17: ⁠പതിനേഴിനെ; 18: ⁠പതിനെട്ടിനെ; 19: ⁠പത്തൊമ്പതിനെ; 20: ഇരുപ&gt;%%ty-ac&gt;; 30: മുപ്പ&gt;%%ty-ac&gt;; 40: നാൽപ&gt;%%ty-ac&gt;; 50: അമ്പ&gt;%%ty-ac&gt;; 60: അറുപ&gt;%%ty-ac&gt;; 70: എഴുപ&gt;%%ty-ac&gt;; 80: എൺപ&gt;%%ty-ac&gt;; 90: ⁠തൊണ്ണൂ&gt;%%ninety-ac&gt;; 100: നൂ&gt;%%hundred-ac&gt;; 200: ഇരുനൂ&gt;%%hundred-ac&gt;; 300: മുന്നൂ&gt;%%hundred-ac&gt;; 400: നാനൂ&gt;%%hundred-ac&gt;; 500: അഞ്ഞൂ&gt;%%hundred-ac&gt;; 600: അറുനൂ&gt;%%hundred-ac&gt;; 700: എഴുനൂ&gt;%%hundred-ac&gt;; 800: എണ്ണൂ&gt;%%hundred-ac&gt;; 900: ⁠തൊള്ളായിര&gt;%%nine-ac&gt;; 1000: ആയിര&gt;%%thousand-ac&gt;; 2000: &lt;%%kilo&lt;&gt;%%thousand-ac&gt;; %%ty-ac: 0: തിനെ; 1: ത്തി=%%unit-ac=; %%ninety-ac: 0: റിനെ; 1: റ്റി=%%unit-ac=; %%unit-ac: 1: യൊന്നിനെ; 2: രണ്ടിനെ; 3: മൂന്നിനെ; 4: നാലിനെ; 5: യഞ്ചിനെ; 6: യാറിനെ; 7: യേഴിനെ; 8: യെട്ടിനെ; 9: യൊമ്പതിനെ; %%hundred-ac: 0: റിനെ; 1: റ്റി=%%after-ac=; %%nine-ac: 0: ത്തെ; 1: ത്തി=%%after-ac=; %%after-ac: 1: =%%unit-ac=; 10: പ്പത്തിനെ; 11: പ്പതിനൊന്നിനെ; 12: പ്പന്ത്രണ്ടിനെ; 13: പ്പതിമൂന്നിനെ; 14: പ്പതിനാലിനെ; 15: പ്പതിനഞ്ചിനെ; 16: പ്പതിനാറിനെ; 17: പ്പതിനേഴിനെ; 18: പ്പതിനെട്ടിനെ; 19: പ്പത്തൊമ്പതിനെ; 20: യിരുപ&gt;%%ty-ac&gt;; 30: മുപ്പ&gt;%%ty-ac&gt;; 40: നാൽപ&gt;%%ty-ac&gt;; 50: യമ്പ&gt;%%ty-ac&gt;; 60: യറുപ&gt;%%ty-ac&gt;; 70: യെഴുപ&gt;%%ty-ac&gt;; 80: യെൺപ&gt;%%ty-ac&gt;; 90: ത്തൊണ്ണൂ&gt;%%ninety-ac&gt;; %%thousand-ac: 0: ത്തെ; 1: ത്തി =%%rest-ac=; %%rest-ac: 0: =%accusative=; 100: ഒരുനൂ&gt;%%hundred-ac&gt;; 200: =%accusative=;</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A number below zero (a score) as a screen reader says it; %1 is the number without its sign.</extracomment>
        <translation>മൈനസ് %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem read aloud: %1 and %3 are the numbers, %2 the operation (&quot;plus&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Right. %1</source>
        <extracomment>Said after a right answer; %1 is the next problem.</extracomment>
        <translation>ശരി. %1</translation>
    </message>
    <message>
        <source>Wrong. %1</source>
        <extracomment>Said after a wrong answer; %1 is the next problem.</extracomment>
        <translation>⁠തെറ്റി. %1</translation>
    </message>
    <message>
        <source>Right.</source>
        <extracomment>Said after a right answer, when the next problem is read on its own.</extracomment>
        <translation>ശരി.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <extracomment>Said after a wrong answer, when the next problem is read on its own.</extracomment>
        <translation>⁠തെറ്റി.</translation>
    </message>
    <message>
        <source>Reading aloud</source>
        <extracomment>Said when reading aloud is turned on.</extracomment>
        <translation>ഉറക്കെ വായിക്കുന്നു</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>ഉറക്കെ വായന നിർത്തി</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2. %3</source>
        <extracomment>Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.</extracomment>
        <translation>സംഖ്യകൾ %1 മുതൽ %2 വരെ. %3</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <extracomment>Optional. Addition read aloud, where &quot;%1 %2 %3&quot; with &quot;plus&quot; is not what a teacher says. %1 and %2 are the numbers; &quot;%2{%rule-set}&quot; spells %2 with a rule set of the &quot;digits&quot; rules (a case form). Leave unfinished to use &quot;%1 %2 %3&quot;.</extracomment>
        <translation>%1{%sociative} %2 കൂട്ടിയാൽ എത്ര?</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <extracomment>Optional. Subtraction read aloud; as &quot;%1 plus %2&quot;.</extracomment>
        <translation>%1{%locative} നിന്ന് %2 കുറച്ചാൽ എത്ര?</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <extracomment>Optional. Multiplication read aloud; as &quot;%1 plus %2&quot;.</extracomment>
        <translation>%1{%accusative} %2 കൊണ്ഡ് ഗുണിച്ചാൽ എത്ര?</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <extracomment>Optional. Division read aloud; as &quot;%1 plus %2&quot;.</extracomment>
        <translation>%1{%accusative} %2 കൊണ്ഡ് ഹരിച്ചാൽ എത്ര?</translation>
    </message>
</context>
<context>
    <name>sumbrix</name>
    <message>
        <source>An arithmetic drill for children: one problem at a time, graded as soon as Enter is pressed.</source>
        <translation>കുട്ടികൾക്കുള്ള കണക്ക് പരിശീലനം: ഒരു സമയം ഒരു കണക്ക്, Enter അമർത്തിയാൽ ഉടൻ ഉത്തരം നോക്കും.</translation>
    </message>
    <message>
        <source>%1: takes no files or other arguments: %2</source>
        <extracomment>%1 is the program, %2 what was given after it.</extracomment>
        <translation>%1: ഫയലുകളോ മറ്റ് ആർഗ്യുമെന്റുകളോ എടുക്കില്ല: %2</translation>
    </message>
    <message>
        <source>Read the problems and the verdicts aloud. %1 turns it on and off.</source>
        <extracomment>Help for the --read-aloud option; %1 is the key, Ctrl+R.</extracomment>
        <translation>കണക്കുകളും ഉത്തരം ശരിയോ തെറ്റോ എന്നതും ഉറക്കെ വായിക്കും. %1 ഇത് ഓണും ഓഫും ആക്കും.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no speech service answers. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ഉറക്കെ വായിക്കാൻ കഴിയില്ല: ഒരു സംസാര സേവനവും പ്രതികരിക്കുന്നില്ല. പരിശീലനം ശബ്ദമില്ലാതെ തുടരും.</translation>
    </message>
    <message>
        <source>%1: cannot read aloud: no voice speaks this language. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ഉറക്കെ വായിക്കാൻ കഴിയില്ല: ഈ ഭാഷ സംസാരിക്കുന്ന ശബ്ദമൊന്നുമില്ല. പരിശീലനം ശബ്ദമില്ലാതെ തുടരും.</translation>
    </message>
    <message>
        <source>%1: reading aloud stopped: the speech service went away. The drill goes on silently.</source>
        <extracomment>%1 is the program.</extracomment>
        <translation>%1: ഉറക്കെ വായന നിന്നു: സംസാര സേവനം ഇല്ലാതായി. പരിശീലനം ശബ്ദമില്ലാതെ തുടരും.</translation>
    </message>
    <message>
        <source>Open at this size, in percent (%1 to %2), instead of the size kept from the last run. %3, %4 and %5 zoom in, out and back.</source>
        <extracomment>Help for the --zoom option; %1 and %2 are the smallest and largest zoom, %3 to %5 the keys.</extracomment>
        <translation>കഴിഞ്ഞ തവണ സൂക്ഷിച്ച വലുപ്പത്തിനു പകരം ഈ വലുപ്പത്തിൽ (%1 മുതൽ %2 ശതമാനം വരെ) തുറക്കും. %3 ഇത് വലുതാക്കും, %4 ചെറുതാക്കും, %5 സാധാരണ വലുപ്പത്തിലേക്ക് തിരികെ കൊണ്ടുവരും.</translation>
    </message>
    <message>
        <source>%1: --zoom takes a percentage from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the program, %2 and %3 the smallest and largest zoom, %4 what was given.</extracomment>
        <translation>%1: --zoom %2 മുതൽ %3 വരെയുള്ള ശതമാനം എടുക്കും, “%4” അല്ല</translation>
    </message>
</context>
<context>
    <name>sumbrix::Quiz</name>
    <message>
        <source>Division</source>
        <translation>ഹരണം</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>ഗുണനം</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>കുറയ്ക്കൽ</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>കൂട്ടൽ</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The first line of the history, after the time the drill began.</extracomment>
        <translation>തുടക്കം</translation>
    </message>
</context>
</TS>
