<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Form1</name>
    <message>
        <source> Dewpoint @ Atmosphere/Pressure Conversion</source>
        <extracomment>The window&apos;s title; it begins with a blank.</extracomment>
        <translation> Conversion du point de rosée atmosphère/pression</translation>
    </message>
    <message>
        <source>Dewpoint @ Sensor</source>
        <extracomment>Caption of the sensor-dewpoint scroll bar: the dewpoint the sensor reports. 157 pixels.</extracomment>
        <translation>Point de rosée au capteur</translation>
    </message>
    <message>
        <source>System Pressure</source>
        <comment>caption</comment>
        <extracomment>Caption of the gauge-pressure scroll bar. 142 pixels.</extracomment>
        <translation>Pression du réseau</translation>
    </message>
    <message>
        <source>Dewpoint Sensor @</source>
        <extracomment>Caption over the choice of where the sensor measures (at atmosphere or at system pressure). 103 pixels.</extracomment>
        <translation>Point de mesure</translation>
    </message>
    <message>
        <source>Dewpoint @ Pressure</source>
        <extracomment>Caption of the read-out: the pressure dewpoint. 112 pixels.</extracomment>
        <translation>Pt rosée sous pression</translation>
    </message>
    <message>
        <source>Atmosphere</source>
        <extracomment>Option: the sensor measures air expanded to atmospheric pressure. 59 pixels.</extracomment>
        <translation>Atmosphère</translation>
    </message>
    <message>
        <source>System Pressure</source>
        <comment>option</comment>
        <extracomment>Option: the sensor sits in the line, at system pressure. 84 pixels.</extracomment>
        <translation>Pression réseau</translation>
    </message>
    <message>
        <source>Absolute pressure: %1 = %2</source>
        <translation>Pression absolue : %1 = %2</translation>
    </message>
    <message>
        <source>Dewpoint at the sensor: %1 = %2</source>
        <translation>Point de rosée au capteur : %1 = %2</translation>
    </message>
    <message>
        <source>Pressure dewpoint: %1 = %2</source>
        <translation>Point de rosée sous pression : %1 = %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>Run-time error: %1.

The calculation cannot continue and the program will close.</source>
        <translation>Erreur d’exécution : %1.

Le calcul ne peut pas continuer et le programme va se fermer.</translation>
    </message>
    <message>
        <source>ISO 8573-1:2010: no humidity class by pressure dewpoint (above +10 °C)</source>
        <translation>ISO 8573-1:2010 : pas de classe d’humidité selon le point de rosée sous pression (au-dessus de +10 °C)</translation>
    </message>
    <message>
        <source>ISO 8573-1:2010 humidity class %1 (pressure dewpoint ≤ %2 °C)</source>
        <translation>ISO 8573-1:2010 classe d’humidité %1 (point de rosée sous pression ≤ %2 °C)</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>one step: 0.1 bar or 0.1 °C</source>
        <translation>un pas : 0,1 bar ou 0,1 °C</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Page préc., Page suiv.</translation>
    </message>
    <message>
        <source>1 bar on the pressure, 0.1 °C on the sensor dewpoint</source>
        <translation>1 bar sur la pression, 0,1 °C sur le point de rosée du capteur</translation>
    </message>
    <message>
        <source>Shift+Page Up, Shift+Page Down</source>
        <translation>Maj+Page préc., Maj+Page suiv.</translation>
    </message>
    <message>
        <source>1 bar or 1 °C (also Ctrl+Page Up and Page Down, where the browser passes them on)</source>
        <translation>1 bar ou 1 °C (aussi Ctrl+Page préc. et Page suiv., là où le navigateur les transmet)</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Début, Fin</translation>
    </message>
    <message>
        <source>the lowest or the highest value</source>
        <translation>la valeur la plus basse ou la plus haute</translation>
    </message>
    <message>
        <source>%1: one step down</source>
        <translation>%1 : un pas vers le bas</translation>
    </message>
    <message>
        <source>%1: one step up</source>
        <translation>%1 : un pas vers le haut</translation>
    </message>
    <message>
        <source>This calculator cannot start: it needs WebAssembly, which this browser does not offer or has turned off (%1). Allow WebAssembly for this page, or use the program dewpoint.</source>
        <translation>Ce calculateur ne peut pas démarrer : il lui faut WebAssembly, que ce navigateur n’offre pas ou a désactivé (%1). Autorisez WebAssembly pour cette page, ou utilisez le programme dewpoint.</translation>
    </message>
    <message>
        <source>Sensor log</source>
        <translation>Journal du capteur</translation>
    </message>
    <message>
        <source>Open a sensor log (CSV or text table)</source>
        <translation>Ouvrir un journal du capteur (CSV ou tableau texte)</translation>
    </message>
    <message>
        <source>or drop it here. It is read on this device and never leaves it.</source>
        <translation>ou déposez-le ici. Il est lu sur cet appareil et ne le quitte jamais.</translation>
    </message>
    <message>
        <source>Sensor dewpoint column</source>
        <translation>Colonne du point de rosée du capteur</translation>
    </message>
    <message>
        <source>Its unit</source>
        <translation>Son unité</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Longest stretch above the limit of class</source>
        <translation>Plus longue période au-dessus de la limite de la classe</translation>
    </message>
    <message>
        <source>Leave bad rows without a result, rather than stopping</source>
        <translation>Laisser les lignes erronées sans résultat au lieu de s’arrêter</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>Save the chart as a picture</source>
        <translation>Enregistrer le graphique en image</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>every row at the System Pressure above, %1</source>
        <translation>chaque ligne à la pression du réseau ci-dessus, %1</translation>
    </message>
    <message>
        <source>Sensor position, as chosen above: %1</source>
        <translation>Position du capteur, comme choisie ci-dessus : %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>%1 rows, %2 %</source>
        <translation>%1 lignes, %2 %</translation>
    </message>
    <message>
        <source>Messages (%1)</source>
        <translation>Messages (%1)</translation>
    </message>
    <message>
        <source>Stopped at a bad row or a problem the messages name; nothing was converted. Leave bad rows without a result to convert the rest.</source>
        <translation>Arrêté à une ligne erronée ou à un problème que nomment les messages ; rien n’a été converti. Laissez les lignes erronées sans résultat pour convertir le reste.</translation>
    </message>
    <message>
        <source>%1 rows converted.</source>
        <translation>%1 lignes converties.</translation>
    </message>
    <message>
        <source>%1 rows converted; %2 bad rows left without a result.</source>
        <translation>%1 lignes converties ; %2 lignes erronées sans résultat.</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Télécharger %1</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>line %1 (%2)</source>
        <translation>ligne %1 (%2)</translation>
    </message>
    <message>
        <source>Rows converted</source>
        <translation>Lignes converties</translation>
    </message>
    <message>
        <source>Bad rows</source>
        <translation>Lignes erronées</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>5th, 50th, 95th percentile</source>
        <translation>5e, 50e et 95e centiles</translation>
    </message>
    <message>
        <source>ISO 8573-1:2010 class %1 (≤ %2 °C)</source>
        <translation>ISO 8573-1:2010 classe %1 (≤ %2 °C)</translation>
    </message>
    <message>
        <source>Above +10 °C</source>
        <translation>Au-dessus de +10 °C</translation>
    </message>
    <message>
        <source>Longest above the class %1 limit</source>
        <translation>Plus longue période au-dessus de la limite de la classe %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>%1 rows, %2 to %3</source>
        <translation>%1 lignes, de %2 à %3</translation>
    </message>
    <message>
        <source>Pressure dewpoint over the log %1, with the ISO 8573-1:2010 class limits</source>
        <translation>Point de rosée sous pression sur le journal %1, avec les limites de classe ISO 8573-1:2010</translation>
    </message>
    <message>
        <source>class %1 ≤ %2 °C</source>
        <translation>classe %1 ≤ %2 °C</translation>
    </message>
    <message>
        <source>Pressure dewpoint</source>
        <translation>Point de rosée sous pression</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Highest of the rows drawn as one</source>
        <translation>Maximum des lignes tracées en une</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Earlier</source>
        <translation>Plus tôt</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>The same conversion on the command line:</source>
        <translation>La même conversion en ligne de commande :</translation>
    </message>
    <message>
        <source>Shown: %1 to %2</source>
        <translation>Affiché : de %1 à %2</translation>
    </message>
</context>
</TS>
