<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Caption</name>
    <message>
        <source>Level 1</source>
        <translation>Stufe 1</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Stufe 2</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Stufe 3</translation>
    </message>
    <message>
        <source>Level 4</source>
        <translation>Stufe 4</translation>
    </message>
    <message>
        <source>Level 5</source>
        <translation>Stufe 5</translation>
    </message>
    <message>
        <source>Tovimel (Version %1)</source>
        <translation>Tovimel (Version %1)</translation>
    </message>
    <message>
        <source>Simplify</source>
        <translation>Vereinfache</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Student Data</source>
        <translation>Schülerdaten</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Current Problem</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Trefferquote</translation>
    </message>
    <message>
        <source>Print Results</source>
        <translation>Ergebnis drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Tovimel</source>
        <translation>Tovimel</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Please Sign In</source>
        <translation>Bitte anmelden</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>#ID or Student ID</source>
        <translation>#ID oder Schülernummer</translation>
    </message>
    <message>
        <source>Name (Last, First)</source>
        <translation>Name, Vorname</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Lehrkraft</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
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
        <translation>Aufruf: tovimel [-h | --help | -v | --version] [Qt-Optionen]
Wurzeln vereinfachen üben, für Schülerinnen und Schüler: anmelden, eine Stufe wählen und
zwanzig Aufgaben vereinfachen, alles in den Fenstern des Programms. Siehe tovimel(1).

  -h, --help     diese Hilfe zeigen und beenden
  -v, --version  die Version zeigen und beenden

Qts eigene Optionen gehen an Qt, etwa -platform NAME, -style NAME, -reverse, -session ID,
-display DISPLAY und -geometry WxH+X+Y; siehe qt6options(7), falls installiert.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>Option „%1“ braucht einen Wert</translation>
    </message>
    <message>
        <source>the platform name after &apos;%1&apos; is empty</source>
        <translation>der Plattformname nach „%1“ ist leer</translation>
    </message>
    <message>
        <source>%1 not set</source>
        <translation>%1 nicht gesetzt</translation>
    </message>
    <message>
        <source>%1 empty</source>
        <translation>%1 leer</translation>
    </message>
    <message>
        <source>cannot start its windows: Qt has no platform plugin &quot;%1&quot; (%2)</source>
        <translation>kann seine Fenster nicht öffnen: Qt hat kein Plattform-Plugin „%1“ (%2)</translation>
    </message>
    <message>
        <source>; it has %1</source>
        <translation>; vorhanden: %1</translation>
    </message>
    <message>
        <source>cannot open a display for its windows (%1); start it from a graphical desktop session</source>
        <translation>kann keinen Bildschirm für seine Fenster öffnen (%1); bitte aus einer grafischen Sitzung starten</translation>
    </message>
    <message>
        <source>display %1</source>
        <translation>Anzeige %1</translation>
    </message>
    <message>
        <source>cannot start its windows: Qt&apos;s platform plugin &quot;%1&quot; could not be loaded (%2); QT_DEBUG_PLUGINS=1 shows why</source>
        <translation>kann seine Fenster nicht öffnen: Qts Plattform-Plugin „%1“ ließ sich nicht laden (%2); QT_DEBUG_PLUGINS=1 zeigt, warum</translation>
    </message>
    <message>
        <source>cannot start its windows: %1 (%2)</source>
        <translation>kann seine Fenster nicht öffnen: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Period: %1</source>
        <translation>Klasse: %1</translation>
    </message>
    <message>
        <source>ID: %1</source>
        <translation>ID: %1</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Teacher: %1</source>
        <translation>Lehrkraft: %1</translation>
    </message>
    <message>
        <source>Signed in: %1</source>
        <translation>Angemeldet: %1</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 plus %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 minus %2</translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>minus %1</translation>
    </message>
    <message>
        <source>root %1</source>
        <translation>Wurzel aus %1</translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <translation>%1 durch %2</translation>
    </message>
    <message>
        <source>the quantity %1,</source>
        <translation>%1, alles</translation>
    </message>
    <message>
        <source>the quantity %1</source>
        <translation>Klammer auf %1 Klammer zu</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No problem yet. Start is Shift+Tab away: press Enter on it.</source>
        <translation>Noch keine Aufgabe. Umschalt+Tab führt zu Start: dort Enter drücken.</translation>
    </message>
    <message>
        <source>Problem %1 of %2: %3. Answer form %4.</source>
        <translation>Aufgabe %1 von %2: %3. Antwortform %4.</translation>
    </message>
    <message>
        <source>Simplify %1. Answer form %2.</source>
        <translation>Vereinfache %1. Antwortform %2.</translation>
    </message>
    <message>
        <source>Right. %1 right of %2, grade %3.</source>
        <translation>Richtig. %1 richtig von %2, Trefferquote %3.</translation>
    </message>
    <message>
        <source>Right. Run over: %1 right of %2, grade %3, time %4.</source>
        <translation>Richtig. Durchgang beendet: %1 richtig von %2, Trefferquote %3, Zeit %4.</translation>
    </message>
    <message>
        <source>Wrong: %1.</source>
        <translation>Falsch: %1.</translation>
    </message>
    <message>
        <source>Wrong: %1. Now the answer form %2.</source>
        <translation>Falsch: %1. Jetzt die Antwortform %2.</translation>
    </message>
    <message>
        <source>Answer form %1.</source>
        <translation>Antwortform %1.</translation>
    </message>
    <message>
        <source>Level %1.</source>
        <translation>Stufe %1.</translation>
    </message>
    <message>
        <source>Answer key: %1.</source>
        <translation>Lösung: %1.</translation>
    </message>
    <message>
        <source>Enter shows the answer key.</source>
        <translation>Enter zeigt die Lösung.</translation>
    </message>
    <message>
        <source>Simplify %1</source>
        <translation>Vereinfache %1</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Lösung %1</translation>
    </message>
    <message>
        <source>Problem %1</source>
        <translation>Aufgabe %1</translation>
    </message>
    <message>
        <source>Right %1</source>
        <translation>Richtig %1</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Gesamt %1</translation>
    </message>
    <message>
        <source>Grade %1</source>
        <translation>Trefferquote %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <translation>Zeit %1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Stufe %1</translation>
    </message>
    <message>
        <source>Answer forms</source>
        <translation>Antwortformen</translation>
    </message>
    <message>
        <source>whole part</source>
        <translation>ganze Zahl</translation>
    </message>
    <message>
        <source>coefficient</source>
        <translation>Faktor vor der Wurzel</translation>
    </message>
    <message>
        <source>radicand</source>
        <translation>Radikand</translation>
    </message>
    <message>
        <source>denominator</source>
        <translation>Nenner</translation>
    </message>
    <message>
        <source>sign %1</source>
        <translation>Rechenzeichen %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Klasse %1</translation>
    </message>
    <message>
        <source>Student ID %1</source>
        <translation>Schülernummer %1</translation>
    </message>
    <message>
        <source>Date %1</source>
        <translation>Datum %1</translation>
    </message>
    <message>
        <source>Name %1</source>
        <translation>Name %1</translation>
    </message>
    <message>
        <source>Teacher %1</source>
        <translation>Lehrkraft %1</translation>
    </message>
    <message>
        <source>a root b over c</source>
        <translation>a mal Wurzel aus b durch c</translation>
    </message>
    <message>
        <source>root b over c</source>
        <translation>Wurzel aus b durch c</translation>
    </message>
    <message>
        <source>a over c</source>
        <translation>a durch c</translation>
    </message>
    <message>
        <source>a root b</source>
        <translation>a mal Wurzel aus b</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>root b</source>
        <translation>Wurzel aus b</translation>
    </message>
    <message>
        <source>1 over c</source>
        <translation>1 durch c</translation>
    </message>
    <message>
        <source>the quantity a plus b root c, over d</source>
        <translation>a plus b mal Wurzel aus c, alles durch d</translation>
    </message>
    <message>
        <source>the quantity a minus b root c, over d</source>
        <translation>a minus b mal Wurzel aus c, alles durch d</translation>
    </message>
    <message>
        <source>the quantity a plus root b, over c</source>
        <translation>a plus Wurzel aus b, alles durch c</translation>
    </message>
    <message>
        <source>the quantity a minus root b, over c</source>
        <translation>a minus Wurzel aus b, alles durch c</translation>
    </message>
    <message>
        <source>a plus b root c</source>
        <translation>a plus b mal Wurzel aus c</translation>
    </message>
    <message>
        <source>a minus b root c</source>
        <translation>a minus b mal Wurzel aus c</translation>
    </message>
    <message>
        <source>a plus root c</source>
        <translation>a plus Wurzel aus c</translation>
    </message>
    <message>
        <source>a minus root c</source>
        <translation>a minus Wurzel aus c</translation>
    </message>
    <message numerus="yes">
        <source>%n root %1</source>
        <translation>
            <numerusform>%n mal Wurzel aus %1</numerusform>
            <numerusform>%n mal Wurzel aus %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The page went to the printer %1.</source>
        <translation>Die Seite ging an den Drucker %1.</translation>
    </message>
    <message>
        <source>The printer %1 is stopped: the page waits in its queue until someone starts the printer.</source>
        <translation>Der Drucker %1 ist angehalten: Die Seite wartet in seiner Warteschlange, bis jemand den Drucker startet.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the page: %2.</source>
        <translation>Der Drucker %1 hat die Seite nicht angenommen: %2.</translation>
    </message>
    <message>
        <source>The page was saved as %1.</source>
        <translation>Die Seite wurde als %1 gespeichert.</translation>
    </message>
    <message>
        <source>The page could not be saved as %1: %2. Nothing of it was kept.</source>
        <translation>Die Seite konnte nicht als %1 gespeichert werden: %2. Nichts davon wurde behalten.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Enter saves the page as %1; or choose a printer.</source>
        <translation>Enter speichert die Seite als %1; oder einen Drucker wählen.</translation>
    </message>
</context>
</TS>
