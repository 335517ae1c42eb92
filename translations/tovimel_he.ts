<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>Caption</name>
    <message>
        <source>Level 1</source>
        <translation>רמה 1</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>רמה 2</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>רמה 3</translation>
    </message>
    <message>
        <source>Level 4</source>
        <translation>רמה 4</translation>
    </message>
    <message>
        <source>Level 5</source>
        <translation>רמה 5</translation>
    </message>
    <message>
        <source>Tovimel (Version %1)</source>
        <translation>Tovimel (גרסה %1)</translation>
    </message>
    <message>
        <source>Simplify</source>
        <translation>פשטו את הביטוי</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>רמה</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>תשובה</translation>
    </message>
    <message>
        <source>Student Data</source>
        <translation>פרטי התלמיד</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>פתרון</translation>
    </message>
    <message>
        <source>Current Problem</source>
        <translation>תרגיל</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>התחלה</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>תשובות נכונות</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation>בדיקה (&amp;S)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>סך הכול</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>הבא (&amp;N)</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>ציון</translation>
    </message>
    <message>
        <source>Print Results</source>
        <translation>הדפסת תוצאות</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>יציאה (&amp;X)</translation>
    </message>
    <message>
        <source>Tovimel</source>
        <translation>Tovimel</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>זמן</translation>
    </message>
    <message>
        <source>Please Sign In</source>
        <translation>נא להזדהות</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>כיתה</translation>
    </message>
    <message>
        <source>#ID or Student ID</source>
        <translation>#ID או מספר תלמיד</translation>
    </message>
    <message>
        <source>Name (Last, First)</source>
        <translation>שם משפחה ופרטי</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>מורה</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>יציאה</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: tovimel [-h | --help | -v | --version] [Qt options]
Square-root practice for school students: sign in, choose a level and simplify twenty
problems, all in the program&apos;s windows. See tovimel(1).

  -h, --help     show this help and exit
  -v, --version  show the version and exit

Qt&apos;s own options go to Qt, such as -platform NAME, -style NAME, -reverse, -session ID,
-display DISPLAY and -geometry WxH+X+Y; see qt6options(7) where installed.
</source>
        <translation>שימוש: tovimel [-h | --help | -v | --version] [אפשרויות של Qt]
תרגול שורשים ריבועיים לתלמידים: הזדהו, בחרו רמה ופשטו עשרים תרגילים,
הכול בחלונות התוכנה. ראו tovimel(1).

  -h, --help     הצגת עזרה זו ויציאה
  -v, --version  הצגת הגרסה ויציאה

האפשרויות של Qt עצמו מועברות ל־Qt, למשל -platform NAME, -style NAME, -reverse,
-session ID, -display DISPLAY, -geometry WxH+X+Y; ראו qt6options(7) אם הוא מותקן.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>ארגומנט לא צפוי &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>האפשרות &apos;%1&apos; דורשת ערך</translation>
    </message>
    <message>
        <source>the platform name after &apos;%1&apos; is empty</source>
        <translation>שם הפלטפורמה אחרי &apos;%1&apos; ריק</translation>
    </message>
    <message>
        <source>%1 not set</source>
        <translation>%1 לא מוגדר</translation>
    </message>
    <message>
        <source>%1 empty</source>
        <translation>%1 ריק</translation>
    </message>
    <message>
        <source>cannot start its windows: Qt has no platform plugin &quot;%1&quot; (%2)</source>
        <translation>לא ניתן לפתוח את החלונות: ל-Qt אין תוסף פלטפורמה &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <source>; it has %1</source>
        <translation>; קיימים: %1</translation>
    </message>
    <message>
        <source>cannot open a display for its windows (%1); start it from a graphical desktop session</source>
        <translation>לא ניתן לפתוח תצוגה לחלונות (%1); יש להפעיל מתוך סביבת שולחן עבודה גרפית</translation>
    </message>
    <message>
        <source>display %1</source>
        <translation>תצוגה %1</translation>
    </message>
    <message>
        <source>cannot start its windows: Qt&apos;s platform plugin &quot;%1&quot; could not be loaded (%2); QT_DEBUG_PLUGINS=1 shows why</source>
        <translation>לא ניתן לפתוח את החלונות: לא ניתן לטעון את תוסף הפלטפורמה &apos;%1&apos; של Qt (%2); QT_DEBUG_PLUGINS=1 מראה מדוע</translation>
    </message>
    <message>
        <source>cannot start its windows: %1 (%2)</source>
        <translation>לא ניתן לפתוח את החלונות: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Period: %1</source>
        <translation>כיתה: %1</translation>
    </message>
    <message>
        <source>ID: %1</source>
        <translation>מספר תלמיד: %1</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>שם: %1</translation>
    </message>
    <message>
        <source>Teacher: %1</source>
        <translation>מורה: %1</translation>
    </message>
    <message>
        <source>Signed in: %1</source>
        <translation>תאריך התחברות: %1</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>plus</source>
        <translation>פלוס</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>מינוס</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 ועוד %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 פחות %2</translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>מינוס %1</translation>
    </message>
    <message>
        <source>root %1</source>
        <translation>שורש %1</translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <translation>%1 חלקי %2</translation>
    </message>
    <message>
        <source>the quantity %1,</source>
        <translation>%1, הכול</translation>
    </message>
    <message>
        <source>the quantity %1</source>
        <translation>הביטוי %1</translation>
    </message>
    <message>
        <source>right</source>
        <translation>נכון</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>שגוי</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No problem yet. Start is Shift+Tab away: press Enter on it.</source>
        <translation>עדיין אין תרגיל. Shift+Tab מוביל לכפתור התחלה: הקישו עליו Enter.</translation>
    </message>
    <message>
        <source>Problem %1 of %2: %3. Answer form %4.</source>
        <translation>תרגיל %1 מתוך %2: %3. צורת תשובה %4.</translation>
    </message>
    <message>
        <source>Simplify %1. Answer form %2.</source>
        <translation>פשטו %1. צורת תשובה %2.</translation>
    </message>
    <message>
        <source>Right. %1 right of %2, grade %3.</source>
        <translation>נכון. %1 נכונות מתוך %2, ציון %3.</translation>
    </message>
    <message>
        <source>Right. Run over: %1 right of %2, grade %3, time %4.</source>
        <translation>נכון. הסבב הסתיים: %1 נכונות מתוך %2, ציון %3, זמן %4.</translation>
    </message>
    <message>
        <source>Wrong: %1.</source>
        <translation>שגוי: %1.</translation>
    </message>
    <message>
        <source>Wrong: %1. Now the answer form %2.</source>
        <translation>שגוי: %1. עכשיו צורת התשובה %2.</translation>
    </message>
    <message>
        <source>Answer form %1.</source>
        <translation>צורת תשובה %1.</translation>
    </message>
    <message>
        <source>Level %1.</source>
        <translation>רמה %1.</translation>
    </message>
    <message>
        <source>Answer key: %1.</source>
        <translation>פתרון: %1.</translation>
    </message>
    <message>
        <source>Enter shows the answer key.</source>
        <translation>Enter מציג את הפתרון.</translation>
    </message>
    <message>
        <source>Simplify %1</source>
        <translation>פשטו %1</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>פתרון %1</translation>
    </message>
    <message>
        <source>Problem %1</source>
        <translation>תרגיל %1</translation>
    </message>
    <message>
        <source>Right %1</source>
        <translation>תשובות נכונות %1</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>סך הכול %1</translation>
    </message>
    <message>
        <source>Grade %1</source>
        <translation>ציון %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <translation>זמן %1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>רמה %1</translation>
    </message>
    <message>
        <source>Answer forms</source>
        <translation>צורות תשובה</translation>
    </message>
    <message>
        <source>whole part</source>
        <translation>מספר שלם</translation>
    </message>
    <message>
        <source>coefficient</source>
        <translation>מקדם</translation>
    </message>
    <message>
        <source>radicand</source>
        <translation>המספר שמתחת לשורש</translation>
    </message>
    <message>
        <source>denominator</source>
        <translation>מכנה</translation>
    </message>
    <message>
        <source>sign %1</source>
        <translation>סימן %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>כיתה %1</translation>
    </message>
    <message>
        <source>Student ID %1</source>
        <translation>מספר תלמיד %1</translation>
    </message>
    <message>
        <source>Date %1</source>
        <translation>תאריך %1</translation>
    </message>
    <message>
        <source>Name %1</source>
        <translation>שם %1</translation>
    </message>
    <message>
        <source>Teacher %1</source>
        <translation>מורה %1</translation>
    </message>
    <message>
        <source>a root b over c</source>
        <translation>a שורש b חלקי c</translation>
    </message>
    <message>
        <source>root b over c</source>
        <translation>שורש b חלקי c</translation>
    </message>
    <message>
        <source>a over c</source>
        <translation>a חלקי c</translation>
    </message>
    <message>
        <source>a root b</source>
        <translation>a שורש b</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>root b</source>
        <translation>שורש b</translation>
    </message>
    <message>
        <source>1 over c</source>
        <translation>1 חלקי c</translation>
    </message>
    <message>
        <source>the quantity a plus b root c, over d</source>
        <translation>a ועוד b שורש c, הכול חלקי d</translation>
    </message>
    <message>
        <source>the quantity a minus b root c, over d</source>
        <translation>a פחות b שורש c, הכול חלקי d</translation>
    </message>
    <message>
        <source>the quantity a plus root b, over c</source>
        <translation>a ועוד שורש b, הכול חלקי c</translation>
    </message>
    <message>
        <source>the quantity a minus root b, over c</source>
        <translation>a פחות שורש b, הכול חלקי c</translation>
    </message>
    <message>
        <source>a plus b root c</source>
        <translation>a ועוד b שורש c</translation>
    </message>
    <message>
        <source>a minus b root c</source>
        <translation>a פחות b שורש c</translation>
    </message>
    <message>
        <source>a plus root c</source>
        <translation>a ועוד שורש c</translation>
    </message>
    <message>
        <source>a minus root c</source>
        <translation>a פחות שורש c</translation>
    </message>
    <message numerus="yes">
        <source>%n root %1</source>
        <translation>
            <numerusform>%n שורש %1</numerusform>
            <numerusform>%n שורש %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The page went to the printer %1.</source>
        <translation>הדף נשלח למדפסת %1.</translation>
    </message>
    <message>
        <source>The printer %1 is stopped: the page waits in its queue until someone starts the printer.</source>
        <translation>המדפסת %1 עצורה: הדף ממתין בתור שלה עד שמישהו יפעיל את המדפסת.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the page: %2.</source>
        <translation>המדפסת %1 לא קיבלה את הדף: %2.</translation>
    </message>
    <message>
        <source>The page was saved as %1.</source>
        <translation>הדף נשמר בשם %1.</translation>
    </message>
    <message>
        <source>The page could not be saved as %1: %2. Nothing of it was kept.</source>
        <translation>לא ניתן היה לשמור את הדף בשם %1: %2. שום חלק ממנו לא נשמר.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Enter saves the page as %1; or choose a printer.</source>
        <translation>Enter שומר את הדף בשם %1; או בחר מדפסת.</translation>
    </message>
</context>
</TS>
