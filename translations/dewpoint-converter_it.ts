<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Form1</name>
    <message>
        <source> Dewpoint @ Atmosphere/Pressure Conversion</source>
        <extracomment>The window&apos;s title; it begins with a blank.</extracomment>
        <translation> Conversione del punto di rugiada atmosfera/pressione</translation>
    </message>
    <message>
        <source>Dewpoint @ Sensor</source>
        <extracomment>Caption of the sensor-dewpoint scroll bar: the dewpoint the sensor reports. 157 pixels.</extracomment>
        <translation>Punto di rugiada al sensore</translation>
    </message>
    <message>
        <source>System Pressure</source>
        <comment>caption</comment>
        <extracomment>Caption of the gauge-pressure scroll bar. 142 pixels.</extracomment>
        <translation>Pressione di sistema</translation>
    </message>
    <message>
        <source>Dewpoint Sensor @</source>
        <extracomment>Caption over the choice of where the sensor measures (at atmosphere or at system pressure). 103 pixels.</extracomment>
        <translation>Punto di misura</translation>
    </message>
    <message>
        <source>Dewpoint @ Pressure</source>
        <extracomment>Caption of the read-out: the pressure dewpoint. 112 pixels.</extracomment>
        <translation>Rugiada in pressione</translation>
    </message>
    <message>
        <source>Atmosphere</source>
        <extracomment>Option: the sensor measures air expanded to atmospheric pressure. 59 pixels.</extracomment>
        <translation>Atmosfera</translation>
    </message>
    <message>
        <source>System Pressure</source>
        <comment>option</comment>
        <extracomment>Option: the sensor sits in the line, at system pressure. 84 pixels.</extracomment>
        <translation>In pressione</translation>
    </message>
    <message>
        <source>Absolute pressure: %1 = %2</source>
        <translation>Pressione assoluta: %1 = %2</translation>
    </message>
    <message>
        <source>Dewpoint at the sensor: %1 = %2</source>
        <translation>Punto di rugiada al sensore: %1 = %2</translation>
    </message>
    <message>
        <source>Pressure dewpoint: %1 = %2</source>
        <translation>Punto di rugiada in pressione: %1 = %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <source>Run-time error: %1.

The calculation cannot continue and the program will close.</source>
        <translation>Errore di esecuzione: %1.

Il calcolo non può proseguire e il programma verrà chiuso.</translation>
    </message>
    <message>
        <source>ISO 8573-1:2010: no humidity class by pressure dewpoint (above +10 °C)</source>
        <translation>ISO 8573-1:2010: nessuna classe di umidità in base al punto di rugiada in pressione (oltre +10 °C)</translation>
    </message>
    <message>
        <source>ISO 8573-1:2010 humidity class %1 (pressure dewpoint ≤ %2 °C)</source>
        <translation>ISO 8573-1:2010 classe di umidità %1 (punto di rugiada in pressione ≤ %2 °C)</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>one step: 0.1 bar or 0.1 °C</source>
        <translation>un passo: 0,1 bar o 0,1 °C</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Pag Su, Pag Giù</translation>
    </message>
    <message>
        <source>1 bar on the pressure, 0.1 °C on the sensor dewpoint</source>
        <translation>1 bar sulla pressione, 0,1 °C sul punto di rugiada del sensore</translation>
    </message>
    <message>
        <source>Shift+Page Up, Shift+Page Down</source>
        <translation>Maiusc+Pag Su, Maiusc+Pag Giù</translation>
    </message>
    <message>
        <source>1 bar or 1 °C (also Ctrl+Page Up and Page Down, where the browser passes them on)</source>
        <translation>1 bar o 1 °C (anche Ctrl+Pag Su e Pag Giù, dove il browser li lascia passare)</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Home, Fine</translation>
    </message>
    <message>
        <source>the lowest or the highest value</source>
        <translation>il valore più basso o il più alto</translation>
    </message>
    <message>
        <source>%1: one step down</source>
        <translation>%1: un passo in giù</translation>
    </message>
    <message>
        <source>%1: one step up</source>
        <translation>%1: un passo in su</translation>
    </message>
    <message>
        <source>This calculator cannot start: it needs WebAssembly, which this browser does not offer or has turned off (%1). Allow WebAssembly for this page, or use the program dewpoint.</source>
        <translation>Questo calcolatore non può avviarsi: richiede WebAssembly, che questo browser non offre o ha disattivato (%1). Consenti WebAssembly per questa pagina, oppure usa il programma dewpoint.</translation>
    </message>
</context>
</TS>
