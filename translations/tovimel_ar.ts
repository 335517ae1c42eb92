<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Caption</name>
    <message>
        <source>Level 1</source>
        <translation>مستوى 1</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>مستوى 2</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>مستوى 3</translation>
    </message>
    <message>
        <source>Level 4</source>
        <translation>مستوى 4</translation>
    </message>
    <message>
        <source>Level 5</source>
        <translation>مستوى 5</translation>
    </message>
    <message>
        <source>Tovimel (Version %1)</source>
        <translation>Tovimel (الإصدار %1)</translation>
    </message>
    <message>
        <source>Simplify</source>
        <translation>بسّط العبارة</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>المستوى</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>الإجابة</translation>
    </message>
    <message>
        <source>Student Data</source>
        <translation>بيانات الطالب</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>الحل</translation>
    </message>
    <message>
        <source>Current Problem</source>
        <translation>التمرين</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>الصحيحة</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation>تحقق (&amp;S)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>المجموع</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>التالي (&amp;N)</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>الدرجة</translation>
    </message>
    <message>
        <source>Print Results</source>
        <translation>طباعة النتائج</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خروج (&amp;X)</translation>
    </message>
    <message>
        <source>Tovimel</source>
        <translation>Tovimel</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Please Sign In</source>
        <translation>سجّل الدخول</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>الصف</translation>
    </message>
    <message>
        <source>#ID or Student ID</source>
        <translation>#ID أو رقم الطالب</translation>
    </message>
    <message>
        <source>Name (Last, First)</source>
        <translation>الاسم (العائلة، الأول)</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>المعلم</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
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
        <translation>الاستخدام: tovimel [-h | --help | -v | --version] [خيارات Qt]
تدريب على الجذور التربيعية لطلاب المدارس: سجّل الدخول واختر مستوى وبسّط عشرين
تمرينًا، كل ذلك في نوافذ البرنامج. انظر tovimel(1).

  -h, --help     اعرض هذه المساعدة واخرج
  -v, --version  اعرض الإصدار واخرج

خيارات Qt الخاصة به تُمرَّر إلى Qt، مثل -platform NAME، -style NAME، -reverse،
-session ID، -display DISPLAY، -geometry WxH+X+Y؛ انظر qt6options(7) إن كان مثبتًا.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>وسيط غير متوقع «%1»</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>الخيار «%1» يحتاج إلى قيمة</translation>
    </message>
    <message>
        <source>the platform name after &apos;%1&apos; is empty</source>
        <translation>اسم المنصة بعد «%1» فارغ</translation>
    </message>
    <message>
        <source>%1 not set</source>
        <translation>%1 غير معيّن</translation>
    </message>
    <message>
        <source>%1 empty</source>
        <translation>%1 فارغ</translation>
    </message>
    <message>
        <source>cannot start its windows: Qt has no platform plugin &quot;%1&quot; (%2)</source>
        <translation>تعذّر فتح النوافذ: لا توجد لدى Qt إضافة المنصة «%1» (%2)</translation>
    </message>
    <message>
        <source>; it has %1</source>
        <translation>؛ المتوفر: %1</translation>
    </message>
    <message>
        <source>cannot open a display for its windows (%1); start it from a graphical desktop session</source>
        <translation>تعذّر فتح شاشة لنوافذ البرنامج (%1)؛ شغّله من جلسة سطح مكتب رسومية</translation>
    </message>
    <message>
        <source>display %1</source>
        <translation>الشاشة %1</translation>
    </message>
    <message>
        <source>cannot start its windows: Qt&apos;s platform plugin &quot;%1&quot; could not be loaded (%2); QT_DEBUG_PLUGINS=1 shows why</source>
        <translation>تعذّر فتح النوافذ: تعذّر تحميل إضافة المنصة «%1» من Qt (%2)؛ QT_DEBUG_PLUGINS=1 يبيّن السبب</translation>
    </message>
    <message>
        <source>cannot start its windows: %1 (%2)</source>
        <translation>تعذّر فتح النوافذ: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Period: %1</source>
        <translation>الصف: %1</translation>
    </message>
    <message>
        <source>ID: %1</source>
        <translation>رقم الطالب: %1</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>الاسم: %1</translation>
    </message>
    <message>
        <source>Teacher: %1</source>
        <translation>المعلم: %1</translation>
    </message>
    <message>
        <source>Signed in: %1</source>
        <translation>تاريخ الدخول: %1</translation>
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
        <translation>زائد</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>ناقص</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 زائد %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 ناقص %2</translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>سالب %1</translation>
    </message>
    <message>
        <source>root %1</source>
        <translation>جذر %1</translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <translation>%1 على %2</translation>
    </message>
    <message>
        <source>the quantity %1,</source>
        <translation>المقدار %1،</translation>
    </message>
    <message>
        <source>the quantity %1</source>
        <translation>المقدار %1</translation>
    </message>
    <message>
        <source>right</source>
        <translation>صحيح</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>No problem yet. Start is Shift+Tab away: press Enter on it.</source>
        <translation>لا يوجد تمرين بعد. Shift+Tab ينقل إلى زر ابدأ: اضغط Enter عليه.</translation>
    </message>
    <message>
        <source>Problem %1 of %2: %3. Answer form %4.</source>
        <translation>التمرين %1 من %2: %3. شكل الإجابة %4.</translation>
    </message>
    <message>
        <source>Simplify %1. Answer form %2.</source>
        <translation>بسّط %1. شكل الإجابة %2.</translation>
    </message>
    <message>
        <source>Right. %1 right of %2, grade %3.</source>
        <translation>صحيح. %1 صحيحة من %2، الدرجة %3.</translation>
    </message>
    <message>
        <source>Right. Run over: %1 right of %2, grade %3, time %4.</source>
        <translation>صحيح. انتهت الجولة: %1 صحيحة من %2، الدرجة %3، الوقت %4.</translation>
    </message>
    <message>
        <source>Wrong: %1.</source>
        <translation>خطأ: %1.</translation>
    </message>
    <message>
        <source>Wrong: %1. Now the answer form %2.</source>
        <translation>خطأ: %1. الآن شكل الإجابة %2.</translation>
    </message>
    <message>
        <source>Answer form %1.</source>
        <translation>شكل الإجابة %1.</translation>
    </message>
    <message>
        <source>Level %1.</source>
        <translation>المستوى %1.</translation>
    </message>
    <message>
        <source>Answer key: %1.</source>
        <translation>الحل: %1.</translation>
    </message>
    <message>
        <source>Enter shows the answer key.</source>
        <translation>Enter يعرض الحل.</translation>
    </message>
    <message>
        <source>Simplify %1</source>
        <translation>بسّط %1</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>الحل %1</translation>
    </message>
    <message>
        <source>Problem %1</source>
        <translation>التمرين %1</translation>
    </message>
    <message>
        <source>Right %1</source>
        <translation>الصحيحة %1</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>المجموع %1</translation>
    </message>
    <message>
        <source>Grade %1</source>
        <translation>الدرجة %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <translation>الوقت %1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>المستوى %1</translation>
    </message>
    <message>
        <source>Answer forms</source>
        <translation>أشكال الإجابة</translation>
    </message>
    <message>
        <source>whole part</source>
        <translation>العدد الصحيح</translation>
    </message>
    <message>
        <source>coefficient</source>
        <translation>المعامل</translation>
    </message>
    <message>
        <source>radicand</source>
        <translation>ما تحت الجذر</translation>
    </message>
    <message>
        <source>denominator</source>
        <translation>المقام</translation>
    </message>
    <message>
        <source>sign %1</source>
        <translation>الإشارة %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>الصف %1</translation>
    </message>
    <message>
        <source>Student ID %1</source>
        <translation>رقم الطالب %1</translation>
    </message>
    <message>
        <source>Date %1</source>
        <translation>التاريخ %1</translation>
    </message>
    <message>
        <source>Name %1</source>
        <translation>الاسم %1</translation>
    </message>
    <message>
        <source>Teacher %1</source>
        <translation>المعلم %1</translation>
    </message>
    <message>
        <source>a root b over c</source>
        <translation>a جذر b على c</translation>
    </message>
    <message>
        <source>root b over c</source>
        <translation>جذر b على c</translation>
    </message>
    <message>
        <source>a over c</source>
        <translation>a على c</translation>
    </message>
    <message>
        <source>a root b</source>
        <translation>a جذر b</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>root b</source>
        <translation>جذر b</translation>
    </message>
    <message>
        <source>1 over c</source>
        <translation>1 على c</translation>
    </message>
    <message>
        <source>the quantity a plus b root c, over d</source>
        <translation>المقدار a زائد b جذر c، على d</translation>
    </message>
    <message>
        <source>the quantity a minus b root c, over d</source>
        <translation>المقدار a ناقص b جذر c، على d</translation>
    </message>
    <message>
        <source>the quantity a plus root b, over c</source>
        <translation>المقدار a زائد جذر b، على c</translation>
    </message>
    <message>
        <source>the quantity a minus root b, over c</source>
        <translation>المقدار a ناقص جذر b، على c</translation>
    </message>
    <message>
        <source>a plus b root c</source>
        <translation>a زائد b جذر c</translation>
    </message>
    <message>
        <source>a minus b root c</source>
        <translation>a ناقص b جذر c</translation>
    </message>
    <message>
        <source>a plus root c</source>
        <translation>a زائد جذر c</translation>
    </message>
    <message>
        <source>a minus root c</source>
        <translation>a ناقص جذر c</translation>
    </message>
    <message numerus="yes">
        <source>%n root %1</source>
        <translation>
            <numerusform>%n جذر %1</numerusform>
            <numerusform>%n جذر %1</numerusform>
            <numerusform>%n جذر %1</numerusform>
            <numerusform>%n جذر %1</numerusform>
            <numerusform>%n جذر %1</numerusform>
            <numerusform>%n جذر %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The page went to the printer %1.</source>
        <translation>أُرسلت الصفحة إلى الطابعة %1.</translation>
    </message>
    <message>
        <source>The printer %1 is stopped: the page waits in its queue until someone starts the printer.</source>
        <translation>الطابعة %1 متوقفة: تنتظر الصفحة في طابورها حتى يشغّل أحدٌ الطابعة.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the page: %2.</source>
        <translation>لم تقبل الطابعة %1 الصفحة: %2.</translation>
    </message>
    <message>
        <source>The page was saved as %1.</source>
        <translation>حُفظت الصفحة باسم %1.</translation>
    </message>
    <message>
        <source>The page could not be saved as %1: %2. Nothing of it was kept.</source>
        <translation>تعذّر حفظ الصفحة باسم %1: %2. لم يُحتفظ بشيء منها.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Enter saves the page as %1; or choose a printer.</source>
        <translation>يحفظ Enter الصفحة باسم %1؛ أو اختر طابعة.</translation>
    </message>
</context>
</TS>
