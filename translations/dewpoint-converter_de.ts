<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Form1</name>
    <message>
        <source> Dewpoint @ Atmosphere/Pressure Conversion</source>
        <extracomment>The window&apos;s title; it begins with a blank.</extracomment>
        <translation> Taupunkt-Umrechnung Atmosphäre/Systemdruck</translation>
    </message>
    <message>
        <source>Dewpoint @ Sensor</source>
        <extracomment>Caption of the sensor-dewpoint scroll bar: the dewpoint the sensor reports. 157 pixels.</extracomment>
        <translation>Taupunkt am Sensor</translation>
    </message>
    <message>
        <source>System Pressure</source>
        <comment>caption</comment>
        <extracomment>Caption of the gauge-pressure scroll bar. 142 pixels.</extracomment>
        <translation>Systemdruck</translation>
    </message>
    <message>
        <source>Dewpoint Sensor @</source>
        <extracomment>Caption over the choice of where the sensor measures (at atmosphere or at system pressure). 103 pixels.</extracomment>
        <translation>Sensor misst bei</translation>
    </message>
    <message>
        <source>Dewpoint @ Pressure</source>
        <extracomment>Caption of the read-out: the pressure dewpoint. 112 pixels.</extracomment>
        <translation>Drucktaupunkt</translation>
    </message>
    <message>
        <source>Atmosphere</source>
        <extracomment>Option: the sensor measures air expanded to atmospheric pressure. 59 pixels.</extracomment>
        <translation>Atmosphäre</translation>
    </message>
    <message>
        <source>System Pressure</source>
        <comment>option</comment>
        <extracomment>Option: the sensor sits in the line, at system pressure. 84 pixels.</extracomment>
        <translation>Systemdruck</translation>
    </message>
    <message>
        <source>Absolute pressure: %1 = %2</source>
        <translation>Absolutdruck: %1 = %2</translation>
    </message>
    <message>
        <source>Dewpoint at the sensor: %1 = %2</source>
        <translation>Taupunkt am Sensor: %1 = %2</translation>
    </message>
    <message>
        <source>Pressure dewpoint: %1 = %2</source>
        <translation>Drucktaupunkt: %1 = %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>Run-time error: %1.

The calculation cannot continue and the program will close.</source>
        <translation>Laufzeitfehler: %1.

Die Berechnung kann nicht fortgesetzt werden; das Programm wird beendet.</translation>
    </message>
    <message>
        <source>ISO 8573-1:2010: no humidity class by pressure dewpoint (above +10 °C)</source>
        <translation>ISO 8573-1:2010: keine Feuchteklasse nach Drucktaupunkt (über +10 °C)</translation>
    </message>
    <message>
        <source>ISO 8573-1:2010 humidity class %1 (pressure dewpoint ≤ %2 °C)</source>
        <translation>ISO 8573-1:2010 Feuchteklasse %1 (Drucktaupunkt ≤ %2 °C)</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>one step: 0.1 bar or 0.1 °C</source>
        <translation>ein Schritt: 0,1 bar oder 0,1 °C</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Bild auf, Bild ab</translation>
    </message>
    <message>
        <source>1 bar on the pressure, 0.1 °C on the sensor dewpoint</source>
        <translation>1 bar beim Druck, 0,1 °C beim Taupunkt am Sensor</translation>
    </message>
    <message>
        <source>Shift+Page Up, Shift+Page Down</source>
        <translation>Umschalt+Bild auf, Umschalt+Bild ab</translation>
    </message>
    <message>
        <source>1 bar or 1 °C (also Ctrl+Page Up and Page Down, where the browser passes them on)</source>
        <translation>1 bar oder 1 °C (auch Strg+Bild auf und Bild ab, wo der Browser sie weitergibt)</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Pos1, Ende</translation>
    </message>
    <message>
        <source>the lowest or the highest value</source>
        <translation>der kleinste oder der größte Wert</translation>
    </message>
    <message>
        <source>%1: one step down</source>
        <translation>%1: ein Schritt abwärts</translation>
    </message>
    <message>
        <source>%1: one step up</source>
        <translation>%1: ein Schritt aufwärts</translation>
    </message>
    <message>
        <source>This calculator cannot start: it needs WebAssembly, which this browser does not offer or has turned off (%1). Allow WebAssembly for this page, or use the program dewpoint.</source>
        <translation>Dieser Rechner kann nicht starten: Er braucht WebAssembly, das dieser Browser nicht bietet oder abgeschaltet hat (%1). Erlauben Sie WebAssembly für diese Seite, oder nutzen Sie das Programm dewpoint.</translation>
    </message>
</context>
</TS>
