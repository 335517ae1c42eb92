<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Caption</name>
    <message>
        <source>Level 1</source>
        <translation>Niveau 1</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Niveau 2</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Niveau 3</translation>
    </message>
    <message>
        <source>Level 4</source>
        <translation>Niveau 4</translation>
    </message>
    <message>
        <source>Level 5</source>
        <translation>Niveau 5</translation>
    </message>
    <message>
        <source>Tovimel (Version %1)</source>
        <translation>Tovimel (version %1)</translation>
    </message>
    <message>
        <source>Simplify</source>
        <translation>Simplifie</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Student Data</source>
        <translation>Données de l&apos;élève</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Corrigé</translation>
    </message>
    <message>
        <source>Current Problem</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Print Results</source>
        <translation>Imprimer les résultats</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Tovimel</source>
        <translation>Tovimel</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Please Sign In</source>
        <translation>Identifie-toi</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>#ID or Student ID</source>
        <translation>#ID ou numéro d&apos;élève</translation>
    </message>
    <message>
        <source>Name (Last, First)</source>
        <translation>Nom, prénom</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Professeur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
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
        <translation>Utilisation : tovimel [-h | --help | -v | --version] [options de Qt]
Entraînement aux racines carrées pour les élèves : s&apos;identifier, choisir un niveau et
simplifier vingt exercices, le tout dans les fenêtres du programme. Voir tovimel(1).

  -h, --help     afficher cette aide et quitter
  -v, --version  afficher la version et quitter

Les options propres à Qt vont à Qt, par exemple -platform NOM, -style NOM, -reverse,
-session ID, -display DISPLAY et -geometry LxH+X+Y ; voir qt6options(7) s&apos;il est installé.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>l&apos;option « %1 » demande une valeur</translation>
    </message>
    <message>
        <source>the platform name after &apos;%1&apos; is empty</source>
        <translation>le nom de plateforme après « %1 » est vide</translation>
    </message>
    <message>
        <source>%1 not set</source>
        <translation>%1 non défini</translation>
    </message>
    <message>
        <source>%1 empty</source>
        <translation>%1 vide</translation>
    </message>
    <message>
        <source>cannot start its windows: Qt has no platform plugin &quot;%1&quot; (%2)</source>
        <translation>impossible d&apos;ouvrir ses fenêtres : Qt n&apos;a pas de module de plateforme « %1 » (%2)</translation>
    </message>
    <message>
        <source>; it has %1</source>
        <translation> ; disponibles : %1</translation>
    </message>
    <message>
        <source>cannot open a display for its windows (%1); start it from a graphical desktop session</source>
        <translation>impossible d&apos;ouvrir un affichage pour ses fenêtres (%1) ; à lancer depuis une session de bureau graphique</translation>
    </message>
    <message>
        <source>display %1</source>
        <translation>affichage %1</translation>
    </message>
    <message>
        <source>cannot start its windows: Qt&apos;s platform plugin &quot;%1&quot; could not be loaded (%2); QT_DEBUG_PLUGINS=1 shows why</source>
        <translation>impossible d&apos;ouvrir ses fenêtres : le module de plateforme « %1 » de Qt n&apos;a pas pu être chargé (%2) ; QT_DEBUG_PLUGINS=1 montre pourquoi</translation>
    </message>
    <message>
        <source>cannot start its windows: %1 (%2)</source>
        <translation>impossible d&apos;ouvrir ses fenêtres : %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Period: %1</source>
        <translation>Classe : %1</translation>
    </message>
    <message>
        <source>ID: %1</source>
        <translation>ID : %1</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nom : %1</translation>
    </message>
    <message>
        <source>Teacher: %1</source>
        <translation>Professeur : %1</translation>
    </message>
    <message>
        <source>Signed in: %1</source>
        <translation>Identifié le : %1</translation>
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
        <translation>moins</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 plus %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 moins %2</translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>moins %1</translation>
    </message>
    <message>
        <source>root %1</source>
        <translation>racine de %1</translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>the quantity %1,</source>
        <translation>%1, le tout</translation>
    </message>
    <message>
        <source>the quantity %1</source>
        <translation>l&apos;expression %1</translation>
    </message>
    <message>
        <source>right</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>faux</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No problem yet. Start is Shift+Tab away: press Enter on it.</source>
        <translation>Pas encore d&apos;exercice. Maj+Tab mène à Démarrer : appuie alors sur Entrée.</translation>
    </message>
    <message>
        <source>Problem %1 of %2: %3. Answer form %4.</source>
        <translation>Exercice %1 sur %2 : %3. Forme de réponse %4.</translation>
    </message>
    <message>
        <source>Simplify %1. Answer form %2.</source>
        <translation>Simplifie %1. Forme de réponse %2.</translation>
    </message>
    <message>
        <source>Right. %1 right of %2, grade %3.</source>
        <translation>Juste. %1 justes sur %2, note %3.</translation>
    </message>
    <message>
        <source>Right. Run over: %1 right of %2, grade %3, time %4.</source>
        <translation>Juste. Série terminée : %1 justes sur %2, note %3, temps %4.</translation>
    </message>
    <message>
        <source>Wrong: %1.</source>
        <translation>Faux : %1.</translation>
    </message>
    <message>
        <source>Wrong: %1. Now the answer form %2.</source>
        <translation>Faux : %1. Maintenant la forme de réponse %2.</translation>
    </message>
    <message>
        <source>Answer form %1.</source>
        <translation>Forme de réponse %1.</translation>
    </message>
    <message>
        <source>Level %1.</source>
        <translation>Niveau %1.</translation>
    </message>
    <message>
        <source>Answer key: %1.</source>
        <translation>Corrigé : %1.</translation>
    </message>
    <message>
        <source>Enter shows the answer key.</source>
        <translation>Entrée affiche le corrigé.</translation>
    </message>
    <message>
        <source>Simplify %1</source>
        <translation>Simplifie %1</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Corrigé %1</translation>
    </message>
    <message>
        <source>Problem %1</source>
        <translation>Exercice %1</translation>
    </message>
    <message>
        <source>Right %1</source>
        <translation>Justes %1</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>Grade %1</source>
        <translation>Note %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <translation>Temps %1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>Answer forms</source>
        <translation>Formes de réponse</translation>
    </message>
    <message>
        <source>whole part</source>
        <translation>nombre entier</translation>
    </message>
    <message>
        <source>coefficient</source>
        <translation>coefficient</translation>
    </message>
    <message>
        <source>radicand</source>
        <translation>nombre sous la racine</translation>
    </message>
    <message>
        <source>denominator</source>
        <translation>dénominateur</translation>
    </message>
    <message>
        <source>sign %1</source>
        <translation>signe %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Classe %1</translation>
    </message>
    <message>
        <source>Student ID %1</source>
        <translation>Numéro d&apos;élève %1</translation>
    </message>
    <message>
        <source>Date %1</source>
        <translation>Date %1</translation>
    </message>
    <message>
        <source>Name %1</source>
        <translation>Nom %1</translation>
    </message>
    <message>
        <source>Teacher %1</source>
        <translation>Professeur %1</translation>
    </message>
    <message>
        <source>a root b over c</source>
        <translation>a racine de b sur c</translation>
    </message>
    <message>
        <source>root b over c</source>
        <translation>racine de b sur c</translation>
    </message>
    <message>
        <source>a over c</source>
        <translation>a sur c</translation>
    </message>
    <message>
        <source>a root b</source>
        <translation>a racine de b</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>root b</source>
        <translation>racine de b</translation>
    </message>
    <message>
        <source>1 over c</source>
        <translation>1 sur c</translation>
    </message>
    <message>
        <source>the quantity a plus b root c, over d</source>
        <translation>a plus b racine de c, le tout sur d</translation>
    </message>
    <message>
        <source>the quantity a minus b root c, over d</source>
        <translation>a moins b racine de c, le tout sur d</translation>
    </message>
    <message>
        <source>the quantity a plus root b, over c</source>
        <translation>a plus racine de b, le tout sur c</translation>
    </message>
    <message>
        <source>the quantity a minus root b, over c</source>
        <translation>a moins racine de b, le tout sur c</translation>
    </message>
    <message>
        <source>a plus b root c</source>
        <translation>a plus b racine de c</translation>
    </message>
    <message>
        <source>a minus b root c</source>
        <translation>a moins b racine de c</translation>
    </message>
    <message>
        <source>a plus root c</source>
        <translation>a plus racine de c</translation>
    </message>
    <message>
        <source>a minus root c</source>
        <translation>a moins racine de c</translation>
    </message>
    <message numerus="yes">
        <source>%n root %1</source>
        <translation>
            <numerusform>%n racine de %1</numerusform>
            <numerusform>%n racine de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The page went to the printer %1.</source>
        <translation>La page est partie vers l’imprimante %1.</translation>
    </message>
    <message>
        <source>The printer %1 is stopped: the page waits in its queue until someone starts the printer.</source>
        <translation>L’imprimante %1 est arrêtée : la page attend dans sa file jusqu’à ce que quelqu’un redémarre l’imprimante.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the page: %2.</source>
        <translation>L’imprimante %1 n’a pas accepté la page : %2.</translation>
    </message>
    <message>
        <source>The page was saved as %1.</source>
        <translation>La page a été enregistrée sous %1.</translation>
    </message>
    <message>
        <source>The page could not be saved as %1: %2. Nothing of it was kept.</source>
        <translation>La page n’a pas pu être enregistrée sous %1 : %2. Rien n’en a été gardé.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Enter saves the page as %1; or choose a printer.</source>
        <translation>Entrée enregistre la page sous %1 ; ou choisis une imprimante.</translation>
    </message>
</context>
</TS>
