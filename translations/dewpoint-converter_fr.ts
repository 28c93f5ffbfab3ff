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
</TS>
