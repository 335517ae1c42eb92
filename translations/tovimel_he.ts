<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>Caption</name>
    <message>
        <source>Level 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tovimel (Version %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tovimel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Sign In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#ID or Student ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name (Last, First)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Period: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signed in: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>root %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 root %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the quantity %1,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the quantity %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No problem yet. Start is Shift+Tab away: press Enter on it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem %1 of %2: %3. Answer form %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplify %1. Answer form %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right. %1 right of %2, grade %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right. Run over: %1 right of %2, grade %3, time %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong: %1. Now the answer form %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer form %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer key: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter shows the answer key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplify %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grade %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer forms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer boxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>whole part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>coefficient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>radicand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>denominator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sign %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student ID %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a root b over c</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>root b over c</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a over c</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a root b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>root b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 over c</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the quantity a plus b root c, over d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the quantity a minus b root c, over d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the quantity a plus root b, over c</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the quantity a minus root b, over c</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a plus b root c</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a minus b root c</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a plus root c</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a minus root c</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
