<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Caption</name>
    <message>
        <source>Level 1</source>
        <translation>Nivel 1</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Nivel 2</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Nivel 3</translation>
    </message>
    <message>
        <source>Level 4</source>
        <translation>Nivel 4</translation>
    </message>
    <message>
        <source>Level 5</source>
        <translation>Nivel 5</translation>
    </message>
    <message>
        <source>Tovimel (Version %1)</source>
        <translation>Tovimel (versión %1)</translation>
    </message>
    <message>
        <source>Simplify</source>
        <translation>Simplifica</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Student Data</source>
        <translation>Datos del alumno</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Solución</translation>
    </message>
    <message>
        <source>Current Problem</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation>&amp;Comprobar</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Print Results</source>
        <translation>Imprimir resultados</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Tovimel</source>
        <translation>Tovimel</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Please Sign In</source>
        <translation>Inicia sesión</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>#ID or Student ID</source>
        <translation>#ID o número de alumno</translation>
    </message>
    <message>
        <source>Name (Last, First)</source>
        <translation>Apellidos, nombre</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Profesor</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
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
        <translation>Uso: tovimel [-h | --help | -v | --version] [opciones de Qt]
Práctica de raíces cuadradas para estudiantes: inicia sesión, elige un nivel y simplifica
veinte ejercicios, todo en las ventanas del programa. Véase tovimel(1).

  -h, --help     muestra esta ayuda y sale
  -v, --version  muestra la versión y sale

Las opciones propias de Qt van a Qt, como -platform NOMBRE, -style NOMBRE, -reverse,
-session ID, -display DISPLAY y -geometry AxA+X+Y; véase qt6options(7) si está instalado.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>la opción «%1» necesita un valor</translation>
    </message>
    <message>
        <source>the platform name after &apos;%1&apos; is empty</source>
        <translation>el nombre de plataforma tras «%1» está vacío</translation>
    </message>
    <message>
        <source>%1 not set</source>
        <translation>%1 sin definir</translation>
    </message>
    <message>
        <source>%1 empty</source>
        <translation>%1 vacío</translation>
    </message>
    <message>
        <source>cannot start its windows: Qt has no platform plugin &quot;%1&quot; (%2)</source>
        <translation>no puede abrir sus ventanas: Qt no tiene el complemento de plataforma «%1» (%2)</translation>
    </message>
    <message>
        <source>; it has %1</source>
        <translation>; disponibles: %1</translation>
    </message>
    <message>
        <source>cannot open a display for its windows (%1); start it from a graphical desktop session</source>
        <translation>no puede abrir una pantalla para sus ventanas (%1); hay que iniciarlo desde una sesión de escritorio gráfica</translation>
    </message>
    <message>
        <source>display %1</source>
        <translation>pantalla %1</translation>
    </message>
    <message>
        <source>cannot start its windows: Qt&apos;s platform plugin &quot;%1&quot; could not be loaded (%2); QT_DEBUG_PLUGINS=1 shows why</source>
        <translation>no puede abrir sus ventanas: no se pudo cargar el complemento de plataforma «%1» de Qt (%2); QT_DEBUG_PLUGINS=1 muestra por qué</translation>
    </message>
    <message>
        <source>cannot start its windows: %1 (%2)</source>
        <translation>no puede abrir sus ventanas: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Period: %1</source>
        <translation>Grupo: %1</translation>
    </message>
    <message>
        <source>ID: %1</source>
        <translation>ID: %1</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nombre: %1</translation>
    </message>
    <message>
        <source>Teacher: %1</source>
        <translation>Profesor: %1</translation>
    </message>
    <message>
        <source>Signed in: %1</source>
        <translation>Inicio de sesión: %1</translation>
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
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 más %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 menos %2</translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>menos %1</translation>
    </message>
    <message>
        <source>root %1</source>
        <translation>raíz de %1</translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <translation>%1 sobre %2</translation>
    </message>
    <message>
        <source>the quantity %1,</source>
        <translation>%1, todo</translation>
    </message>
    <message>
        <source>the quantity %1</source>
        <translation>la expresión %1</translation>
    </message>
    <message>
        <source>right</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>incorrecto</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No problem yet. Start is Shift+Tab away: press Enter on it.</source>
        <translation>Aún no hay ejercicio. Mayús+Tab lleva a Empezar: pulsa Intro allí.</translation>
    </message>
    <message>
        <source>Problem %1 of %2: %3. Answer form %4.</source>
        <translation>Ejercicio %1 de %2: %3. Forma de respuesta %4.</translation>
    </message>
    <message>
        <source>Simplify %1. Answer form %2.</source>
        <translation>Simplifica %1. Forma de respuesta %2.</translation>
    </message>
    <message>
        <source>Right. %1 right of %2, grade %3.</source>
        <translation>Correcto. %1 correctas de %2, nota %3.</translation>
    </message>
    <message>
        <source>Right. Run over: %1 right of %2, grade %3, time %4.</source>
        <translation>Correcto. Fin de la serie: %1 correctas de %2, nota %3, tiempo %4.</translation>
    </message>
    <message>
        <source>Wrong: %1.</source>
        <translation>Incorrecto: %1.</translation>
    </message>
    <message>
        <source>Wrong: %1. Now the answer form %2.</source>
        <translation>Incorrecto: %1. Ahora la forma de respuesta %2.</translation>
    </message>
    <message>
        <source>Answer form %1.</source>
        <translation>Forma de respuesta %1.</translation>
    </message>
    <message>
        <source>Level %1.</source>
        <translation>Nivel %1.</translation>
    </message>
    <message>
        <source>Answer key: %1.</source>
        <translation>Solución: %1.</translation>
    </message>
    <message>
        <source>Enter shows the answer key.</source>
        <translation>Intro muestra la solución.</translation>
    </message>
    <message>
        <source>Simplify %1</source>
        <translation>Simplifica %1</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Solución %1</translation>
    </message>
    <message>
        <source>Problem %1</source>
        <translation>Ejercicio %1</translation>
    </message>
    <message>
        <source>Right %1</source>
        <translation>Correctas %1</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>Grade %1</source>
        <translation>Nota %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <translation>Tiempo %1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <source>Answer forms</source>
        <translation>Formas de respuesta</translation>
    </message>
    <message>
        <source>whole part</source>
        <translation>número entero</translation>
    </message>
    <message>
        <source>coefficient</source>
        <translation>coeficiente</translation>
    </message>
    <message>
        <source>radicand</source>
        <translation>radicando</translation>
    </message>
    <message>
        <source>denominator</source>
        <translation>denominador</translation>
    </message>
    <message>
        <source>sign %1</source>
        <translation>signo %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Grupo %1</translation>
    </message>
    <message>
        <source>Student ID %1</source>
        <translation>Número de alumno %1</translation>
    </message>
    <message>
        <source>Date %1</source>
        <translation>Fecha %1</translation>
    </message>
    <message>
        <source>Name %1</source>
        <translation>Nombre %1</translation>
    </message>
    <message>
        <source>Teacher %1</source>
        <translation>Profesor %1</translation>
    </message>
    <message>
        <source>a root b over c</source>
        <translation>a raíz de b sobre c</translation>
    </message>
    <message>
        <source>root b over c</source>
        <translation>raíz de b sobre c</translation>
    </message>
    <message>
        <source>a over c</source>
        <translation>a sobre c</translation>
    </message>
    <message>
        <source>a root b</source>
        <translation>a raíz de b</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>root b</source>
        <translation>raíz de b</translation>
    </message>
    <message>
        <source>1 over c</source>
        <translation>1 sobre c</translation>
    </message>
    <message>
        <source>the quantity a plus b root c, over d</source>
        <translation>a más b raíz de c, todo sobre d</translation>
    </message>
    <message>
        <source>the quantity a minus b root c, over d</source>
        <translation>a menos b raíz de c, todo sobre d</translation>
    </message>
    <message>
        <source>the quantity a plus root b, over c</source>
        <translation>a más raíz de b, todo sobre c</translation>
    </message>
    <message>
        <source>the quantity a minus root b, over c</source>
        <translation>a menos raíz de b, todo sobre c</translation>
    </message>
    <message>
        <source>a plus b root c</source>
        <translation>a más b raíz de c</translation>
    </message>
    <message>
        <source>a minus b root c</source>
        <translation>a menos b raíz de c</translation>
    </message>
    <message>
        <source>a plus root c</source>
        <translation>a más raíz de c</translation>
    </message>
    <message>
        <source>a minus root c</source>
        <translation>a menos raíz de c</translation>
    </message>
    <message numerus="yes">
        <source>%n root %1</source>
        <translation>
            <numerusform>%n raíz de %1</numerusform>
            <numerusform>%n raíz de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The page went to the printer %1.</source>
        <translation>La página se envió a la impresora %1.</translation>
    </message>
    <message>
        <source>The printer %1 is stopped: the page waits in its queue until someone starts the printer.</source>
        <translation>La impresora %1 está detenida: la página espera en su cola hasta que alguien ponga en marcha la impresora.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the page: %2.</source>
        <translation>La impresora %1 no aceptó la página: %2.</translation>
    </message>
    <message>
        <source>The page was saved as %1.</source>
        <translation>La página se guardó como %1.</translation>
    </message>
    <message>
        <source>The page could not be saved as %1: %2. Nothing of it was kept.</source>
        <translation>No se pudo guardar la página como %1: %2. No se conservó nada de ella.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Enter saves the page as %1; or choose a printer.</source>
        <translation>Intro guarda la página como %1; o elige una impresora.</translation>
    </message>
</context>
</TS>
