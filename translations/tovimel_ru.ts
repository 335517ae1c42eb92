<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Caption</name>
    <message>
        <source>Level 1</source>
        <translation>Уровень 1</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Уровень 2</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Уровень 3</translation>
    </message>
    <message>
        <source>Level 4</source>
        <translation>Уровень 4</translation>
    </message>
    <message>
        <source>Level 5</source>
        <translation>Уровень 5</translation>
    </message>
    <message>
        <source>Tovimel (Version %1)</source>
        <translation>Tovimel (версия %1)</translation>
    </message>
    <message>
        <source>Simplify</source>
        <translation>Упростите</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Ответ</translation>
    </message>
    <message>
        <source>Student Data</source>
        <translation>Данные ученика</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Правильный ответ</translation>
    </message>
    <message>
        <source>Current Problem</source>
        <translation>Задание</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Правильно</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation>&amp;Проверить</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Всего</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Далее</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Print Results</source>
        <translation>Печать результатов</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Tovimel</source>
        <translation>Tovimel</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Please Sign In</source>
        <translation>Представьтесь</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Класс</translation>
    </message>
    <message>
        <source>#ID or Student ID</source>
        <translation>#ID или номер ученика</translation>
    </message>
    <message>
        <source>Name (Last, First)</source>
        <translation>Фамилия, имя</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Учитель</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
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
        <translation>Использование: tovimel [-h | --help | -v | --version] [параметры Qt]
Тренажёр по квадратным корням для школьников: представьтесь, выберите уровень и
упростите двадцать заданий, всё в окнах программы. См. tovimel(1).

  -h, --help     показать эту справку и выйти
  -v, --version  показать версию и выйти

Собственные параметры Qt передаются Qt, например -platform ИМЯ, -style ИМЯ, -reverse,
-session ID, -display DISPLAY и -geometry WxH+X+Y; см. qt6options(7), если установлено.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>неожиданный аргумент «%1»</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>параметр «%1» требует значения</translation>
    </message>
    <message>
        <source>the platform name after &apos;%1&apos; is empty</source>
        <translation>имя платформы после «%1» пустое</translation>
    </message>
    <message>
        <source>%1 not set</source>
        <translation>%1 не задан</translation>
    </message>
    <message>
        <source>%1 empty</source>
        <translation>%1 пуст</translation>
    </message>
    <message>
        <source>cannot start its windows: Qt has no platform plugin &quot;%1&quot; (%2)</source>
        <translation>не удаётся открыть окна: у Qt нет модуля платформы «%1» (%2)</translation>
    </message>
    <message>
        <source>; it has %1</source>
        <translation>; есть: %1</translation>
    </message>
    <message>
        <source>cannot open a display for its windows (%1); start it from a graphical desktop session</source>
        <translation>не удаётся открыть дисплей для окон (%1); запустите программу из графического сеанса</translation>
    </message>
    <message>
        <source>display %1</source>
        <translation>дисплей %1</translation>
    </message>
    <message>
        <source>cannot start its windows: Qt&apos;s platform plugin &quot;%1&quot; could not be loaded (%2); QT_DEBUG_PLUGINS=1 shows why</source>
        <translation>не удаётся открыть окна: не загрузился модуль платформы Qt «%1» (%2); причину покажет QT_DEBUG_PLUGINS=1</translation>
    </message>
    <message>
        <source>cannot start its windows: %1 (%2)</source>
        <translation>не удаётся открыть окна: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Period: %1</source>
        <translation>Класс: %1</translation>
    </message>
    <message>
        <source>ID: %1</source>
        <translation>ID: %1</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Имя: %1</translation>
    </message>
    <message>
        <source>Teacher: %1</source>
        <translation>Учитель: %1</translation>
    </message>
    <message>
        <source>Signed in: %1</source>
        <translation>Дата входа: %1</translation>
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
        <translation>плюс</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>минус</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 плюс %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 минус %2</translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>минус %1</translation>
    </message>
    <message>
        <source>root %1</source>
        <translation>корень из %1</translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <translation>%1 делённое на %2</translation>
    </message>
    <message>
        <source>the quantity %1,</source>
        <translation>выражение %1,</translation>
    </message>
    <message>
        <source>the quantity %1</source>
        <translation>выражение %1</translation>
    </message>
    <message>
        <source>right</source>
        <translation>правильно</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>неправильно</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No problem yet. Start is Shift+Tab away: press Enter on it.</source>
        <translation>Задания пока нет. Shift+Tab ведёт к кнопке «Начать»: нажмите на ней Enter.</translation>
    </message>
    <message>
        <source>Problem %1 of %2: %3. Answer form %4.</source>
        <translation>Задание %1 из %2: %3. Форма ответа: %4.</translation>
    </message>
    <message>
        <source>Simplify %1. Answer form %2.</source>
        <translation>Упростите %1. Форма ответа: %2.</translation>
    </message>
    <message>
        <source>Right. %1 right of %2, grade %3.</source>
        <translation>Правильно. Правильных ответов: %1 из %2, результат %3.</translation>
    </message>
    <message>
        <source>Right. Run over: %1 right of %2, grade %3, time %4.</source>
        <translation>Правильно. Серия окончена: правильных ответов %1 из %2, результат %3, время %4.</translation>
    </message>
    <message>
        <source>Wrong: %1.</source>
        <translation>Неправильно: %1.</translation>
    </message>
    <message>
        <source>Wrong: %1. Now the answer form %2.</source>
        <translation>Неправильно: %1. Теперь форма ответа: %2.</translation>
    </message>
    <message>
        <source>Answer form %1.</source>
        <translation>Форма ответа: %1.</translation>
    </message>
    <message>
        <source>Level %1.</source>
        <translation>Уровень %1.</translation>
    </message>
    <message>
        <source>Answer key: %1.</source>
        <translation>Правильный ответ: %1.</translation>
    </message>
    <message>
        <source>Enter shows the answer key.</source>
        <translation>Enter показывает правильный ответ.</translation>
    </message>
    <message>
        <source>Simplify %1</source>
        <translation>Упростите %1</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Правильный ответ %1</translation>
    </message>
    <message>
        <source>Problem %1</source>
        <translation>Задание %1</translation>
    </message>
    <message>
        <source>Right %1</source>
        <translation>Правильно %1</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Всего %1</translation>
    </message>
    <message>
        <source>Grade %1</source>
        <translation>Результат %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <translation>Время %1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Уровень %1</translation>
    </message>
    <message>
        <source>Answer forms</source>
        <translation>Формы ответа</translation>
    </message>
    <message>
        <source>whole part</source>
        <translation>целое число</translation>
    </message>
    <message>
        <source>coefficient</source>
        <translation>множитель перед корнем</translation>
    </message>
    <message>
        <source>radicand</source>
        <translation>подкоренное число</translation>
    </message>
    <message>
        <source>denominator</source>
        <translation>знаменатель</translation>
    </message>
    <message>
        <source>sign %1</source>
        <translation>знак %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Класс %1</translation>
    </message>
    <message>
        <source>Student ID %1</source>
        <translation>Номер ученика %1</translation>
    </message>
    <message>
        <source>Date %1</source>
        <translation>Дата %1</translation>
    </message>
    <message>
        <source>Name %1</source>
        <translation>Имя %1</translation>
    </message>
    <message>
        <source>Teacher %1</source>
        <translation>Учитель %1</translation>
    </message>
    <message>
        <source>a root b over c</source>
        <translation>a корень из b, делённое на c</translation>
    </message>
    <message>
        <source>root b over c</source>
        <translation>корень из b, делённый на c</translation>
    </message>
    <message>
        <source>a over c</source>
        <translation>a, делённое на c</translation>
    </message>
    <message>
        <source>a root b</source>
        <translation>a корень из b</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>root b</source>
        <translation>корень из b</translation>
    </message>
    <message>
        <source>1 over c</source>
        <translation>1, делённое на c</translation>
    </message>
    <message>
        <source>the quantity a plus b root c, over d</source>
        <translation>выражение a плюс b корень из c, делённое на d</translation>
    </message>
    <message>
        <source>the quantity a minus b root c, over d</source>
        <translation>выражение a минус b корень из c, делённое на d</translation>
    </message>
    <message>
        <source>the quantity a plus root b, over c</source>
        <translation>выражение a плюс корень из b, делённое на c</translation>
    </message>
    <message>
        <source>the quantity a minus root b, over c</source>
        <translation>выражение a минус корень из b, делённое на c</translation>
    </message>
    <message>
        <source>a plus b root c</source>
        <translation>a плюс b корень из c</translation>
    </message>
    <message>
        <source>a minus b root c</source>
        <translation>a минус b корень из c</translation>
    </message>
    <message>
        <source>a plus root c</source>
        <translation>a плюс корень из c</translation>
    </message>
    <message>
        <source>a minus root c</source>
        <translation>a минус корень из c</translation>
    </message>
    <message numerus="yes">
        <source>%n root %1</source>
        <translation>
            <numerusform>%n корень из %1</numerusform>
            <numerusform>%n корня из %1</numerusform>
            <numerusform>%n корней из %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The page went to the printer %1.</source>
        <translation>Страница отправлена на принтер %1.</translation>
    </message>
    <message>
        <source>The printer %1 is stopped: the page waits in its queue until someone starts the printer.</source>
        <translation>Принтер %1 остановлен: страница ждёт в его очереди, пока кто-нибудь не запустит принтер.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the page: %2.</source>
        <translation>Принтер %1 не принял страницу: %2.</translation>
    </message>
    <message>
        <source>The page was saved as %1.</source>
        <translation>Страница сохранена как %1.</translation>
    </message>
    <message>
        <source>The page could not be saved as %1: %2. Nothing of it was kept.</source>
        <translation>Не удалось сохранить страницу как %1: %2. Ничего из неё не сохранено.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Enter saves the page as %1; or choose a printer.</source>
        <translation>Enter сохранит страницу как %1; или выберите принтер.</translation>
    </message>
</context>
</TS>
