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
    <message>
        <source>Sensor log</source>
        <translation>Sensor-Log</translation>
    </message>
    <message>
        <source>Open a sensor log (CSV or text table)</source>
        <translation>Sensor-Log öffnen (CSV oder Texttabelle)</translation>
    </message>
    <message>
        <source>or drop it here. It is read on this device and never leaves it.</source>
        <translation>oder hier ablegen. Die Datei wird auf diesem Gerät gelesen und verlässt es nie.</translation>
    </message>
    <message>
        <source>Sensor dewpoint column</source>
        <translation>Spalte Taupunkt am Sensor</translation>
    </message>
    <message>
        <source>Its unit</source>
        <translation>Ihre Einheit</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Longest stretch above the limit of class</source>
        <translation>Längste Strecke über der Grenze der Klasse</translation>
    </message>
    <message>
        <source>Leave bad rows without a result, rather than stopping</source>
        <translation>Fehlerhafte Zeilen ohne Ergebnis lassen, statt anzuhalten</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umrechnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Alles zeigen</translation>
    </message>
    <message>
        <source>Save the chart as a picture</source>
        <translation>Diagramm als Bild speichern</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>every row at the System Pressure above, %1</source>
        <translation>jede Zeile beim Systemdruck oben, %1</translation>
    </message>
    <message>
        <source>Sensor position, as chosen above: %1</source>
        <translation>Messort, wie oben gewählt: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>%1 rows, %2 %</source>
        <translation>%1 Zeilen, %2 %</translation>
    </message>
    <message>
        <source>Messages (%1)</source>
        <translation>Meldungen (%1)</translation>
    </message>
    <message>
        <source>Stopped at a bad row or a problem the messages name; nothing was converted. Leave bad rows without a result to convert the rest.</source>
        <translation>Angehalten bei einer fehlerhaften Zeile oder einem Problem, das die Meldungen nennen; nichts wurde umgerechnet. Lassen Sie fehlerhafte Zeilen ohne Ergebnis, um den Rest umzurechnen.</translation>
    </message>
    <message>
        <source>%1 rows converted.</source>
        <translation>%1 Zeilen umgerechnet.</translation>
    </message>
    <message>
        <source>%1 rows converted; %2 bad rows left without a result.</source>
        <translation>%1 Zeilen umgerechnet; %2 fehlerhafte Zeilen ohne Ergebnis.</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 herunterladen</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>line %1 (%2)</source>
        <translation>Zeile %1 (%2)</translation>
    </message>
    <message>
        <source>Rows converted</source>
        <translation>Umgerechnete Zeilen</translation>
    </message>
    <message>
        <source>Bad rows</source>
        <translation>Fehlerhafte Zeilen</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>5th, 50th, 95th percentile</source>
        <translation>5., 50., 95. Perzentil</translation>
    </message>
    <message>
        <source>ISO 8573-1:2010 class %1 (≤ %2 °C)</source>
        <translation>ISO 8573-1:2010 Klasse %1 (≤ %2 °C)</translation>
    </message>
    <message>
        <source>Above +10 °C</source>
        <translation>Über +10 °C</translation>
    </message>
    <message>
        <source>Longest above the class %1 limit</source>
        <translation>Längste Strecke über der Grenze der Klasse %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 rows, %2 to %3</source>
        <translation>%1 Zeilen, %2 bis %3</translation>
    </message>
    <message>
        <source>Pressure dewpoint over the log %1, with the ISO 8573-1:2010 class limits</source>
        <translation>Drucktaupunkt über das Log %1, mit den Klassengrenzen nach ISO 8573-1:2010</translation>
    </message>
    <message>
        <source>class %1 ≤ %2 °C</source>
        <translation>Klasse %1 ≤ %2 °C</translation>
    </message>
    <message>
        <source>Pressure dewpoint</source>
        <translation>Drucktaupunkt</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Highest of the rows drawn as one</source>
        <translation>Höchster Wert der zusammengefassten Zeilen</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Earlier</source>
        <translation>Früher</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>The same conversion on the command line:</source>
        <translation>Dieselbe Umrechnung auf der Kommandozeile:</translation>
    </message>
    <message>
        <source>Shown: %1 to %2</source>
        <translation>Gezeigt: %1 bis %2</translation>
    </message>
</context>
</TS>
