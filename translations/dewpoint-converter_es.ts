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
    <message>
        <source>Sensor log</source>
        <translation>Registro del sensor</translation>
    </message>
    <message>
        <source>Open a sensor log (CSV or text table)</source>
        <translation>Abrir un registro del sensor (CSV o tabla de texto)</translation>
    </message>
    <message>
        <source>or drop it here. It is read on this device and never leaves it.</source>
        <translation>o suéltelo aquí. Se lee en este dispositivo y nunca sale de él.</translation>
    </message>
    <message>
        <source>Sensor dewpoint column</source>
        <translation>Columna del punto de rocío del sensor</translation>
    </message>
    <message>
        <source>Its unit</source>
        <translation>Su unidad</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>Longest stretch above the limit of class</source>
        <translation>Tramo más largo sobre el límite de la clase</translation>
    </message>
    <message>
        <source>Leave bad rows without a result, rather than stopping</source>
        <translation>Dejar las filas erróneas sin resultado en lugar de detenerse</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Mostrar todo</translation>
    </message>
    <message>
        <source>Save the chart as a picture</source>
        <translation>Guardar el gráfico como imagen</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>every row at the System Pressure above, %1</source>
        <translation>cada fila a la presión del sistema de arriba, %1</translation>
    </message>
    <message>
        <source>Sensor position, as chosen above: %1</source>
        <translation>Posición del sensor, según lo elegido arriba: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>%1 rows, %2 %</source>
        <translation>%1 filas, %2 %</translation>
    </message>
    <message>
        <source>Messages (%1)</source>
        <translation>Mensajes (%1)</translation>
    </message>
    <message>
        <source>Stopped at a bad row or a problem the messages name; nothing was converted. Leave bad rows without a result to convert the rest.</source>
        <translation>Detenido en una fila errónea o un problema que indican los mensajes; no se convirtió nada. Deje las filas erróneas sin resultado para convertir el resto.</translation>
    </message>
    <message>
        <source>%1 rows converted.</source>
        <translation>%1 filas convertidas.</translation>
    </message>
    <message>
        <source>%1 rows converted; %2 bad rows left without a result.</source>
        <translation>%1 filas convertidas; %2 filas erróneas sin resultado.</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Descargar %1</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>line %1 (%2)</source>
        <translation>línea %1 (%2)</translation>
    </message>
    <message>
        <source>Rows converted</source>
        <translation>Filas convertidas</translation>
    </message>
    <message>
        <source>Bad rows</source>
        <translation>Filas erróneas</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>5th, 50th, 95th percentile</source>
        <translation>Percentiles 5, 50 y 95</translation>
    </message>
    <message>
        <source>ISO 8573-1:2010 class %1 (≤ %2 °C)</source>
        <translation>ISO 8573-1:2010 clase %1 (≤ %2 °C)</translation>
    </message>
    <message>
        <source>Above +10 °C</source>
        <translation>Por encima de +10 °C</translation>
    </message>
    <message>
        <source>Longest above the class %1 limit</source>
        <translation>Tramo más largo sobre el límite de la clase %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1 rows, %2 to %3</source>
        <translation>%1 filas, de %2 a %3</translation>
    </message>
    <message>
        <source>Pressure dewpoint over the log %1, with the ISO 8573-1:2010 class limits</source>
        <translation>Punto de rocío a presión a lo largo del registro %1, con los límites de clase de ISO 8573-1:2010</translation>
    </message>
    <message>
        <source>class %1 ≤ %2 °C</source>
        <translation>clase %1 ≤ %2 °C</translation>
    </message>
    <message>
        <source>Pressure dewpoint</source>
        <translation>Punto de rocío a presión</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Highest of the rows drawn as one</source>
        <translation>Máximo de las filas dibujadas como una</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Earlier</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>The same conversion on the command line:</source>
        <translation>La misma conversión en la línea de órdenes:</translation>
    </message>
    <message>
        <source>Shown: %1 to %2</source>
        <translation>Mostrado: de %1 a %2</translation>
    </message>
</context>
</TS>
