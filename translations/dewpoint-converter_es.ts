<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Form1</name>
    <message>
        <source> Dewpoint @ Atmosphere/Pressure Conversion</source>
        <extracomment>The window&apos;s title; it begins with a blank.</extracomment>
        <translation> Conversión del punto de rocío atmósfera/presión</translation>
    </message>
    <message>
        <source>Dewpoint @ Sensor</source>
        <extracomment>Caption of the sensor-dewpoint scroll bar: the dewpoint the sensor reports. 157 pixels.</extracomment>
        <translation>Punto de rocío en el sensor</translation>
    </message>
    <message>
        <source>System Pressure</source>
        <comment>caption</comment>
        <extracomment>Caption of the gauge-pressure scroll bar. 142 pixels.</extracomment>
        <translation>Presión del sistema</translation>
    </message>
    <message>
        <source>Dewpoint Sensor @</source>
        <extracomment>Caption over the choice of where the sensor measures (at atmosphere or at system pressure). 103 pixels.</extracomment>
        <translation>Punto de medición</translation>
    </message>
    <message>
        <source>Dewpoint @ Pressure</source>
        <extracomment>Caption of the read-out: the pressure dewpoint. 112 pixels.</extracomment>
        <translation>Pto. rocío a presión</translation>
    </message>
    <message>
        <source>Atmosphere</source>
        <extracomment>Option: the sensor measures air expanded to atmospheric pressure. 59 pixels.</extracomment>
        <translation>Atmósfera</translation>
    </message>
    <message>
        <source>System Pressure</source>
        <comment>option</comment>
        <extracomment>Option: the sensor sits in the line, at system pressure. 84 pixels.</extracomment>
        <translation>A presión</translation>
    </message>
    <message>
        <source>Absolute pressure: %1 = %2</source>
        <translation>Presión absoluta: %1 = %2</translation>
    </message>
    <message>
        <source>Dewpoint at the sensor: %1 = %2</source>
        <translation>Punto de rocío en el sensor: %1 = %2</translation>
    </message>
    <message>
        <source>Pressure dewpoint: %1 = %2</source>
        <translation>Punto de rocío a presión: %1 = %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>Run-time error: %1.

The calculation cannot continue and the program will close.</source>
        <translation>Error en tiempo de ejecución: %1.

El cálculo no puede continuar y el programa se cerrará.</translation>
    </message>
    <message>
        <source>ISO 8573-1:2010: no humidity class by pressure dewpoint (above +10 °C)</source>
        <translation>ISO 8573-1:2010: sin clase de humedad por punto de rocío a presión (por encima de +10 °C)</translation>
    </message>
    <message>
        <source>ISO 8573-1:2010 humidity class %1 (pressure dewpoint ≤ %2 °C)</source>
        <translation>ISO 8573-1:2010 clase de humedad %1 (punto de rocío a presión ≤ %2 °C)</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>one step: 0.1 bar or 0.1 °C</source>
        <translation>un paso: 0,1 bar o 0,1 °C</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Re Pág, Av Pág</translation>
    </message>
    <message>
        <source>1 bar on the pressure, 0.1 °C on the sensor dewpoint</source>
        <translation>1 bar en la presión, 0,1 °C en el punto de rocío del sensor</translation>
    </message>
    <message>
        <source>Shift+Page Up, Shift+Page Down</source>
        <translation>Mayús+Re Pág, Mayús+Av Pág</translation>
    </message>
    <message>
        <source>1 bar or 1 °C (also Ctrl+Page Up and Page Down, where the browser passes them on)</source>
        <translation>1 bar o 1 °C (también Ctrl+Re Pág y Av Pág, donde el navegador las deja pasar)</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Inicio, Fin</translation>
    </message>
    <message>
        <source>the lowest or the highest value</source>
        <translation>el valor más bajo o el más alto</translation>
    </message>
    <message>
        <source>%1: one step down</source>
        <translation>%1: un paso abajo</translation>
    </message>
    <message>
        <source>%1: one step up</source>
        <translation>%1: un paso arriba</translation>
    </message>
    <message>
        <source>This calculator cannot start: it needs WebAssembly, which this browser does not offer or has turned off (%1). Allow WebAssembly for this page, or use the program dewpoint.</source>
        <translation>Esta calculadora no puede arrancar: necesita WebAssembly, que este navegador no ofrece o tiene desactivado (%1). Permita WebAssembly para esta página o use el programa dewpoint.</translation>
    </message>
</context>
</TS>
