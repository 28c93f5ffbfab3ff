<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Form1</name>
    <message>
        <source> Dewpoint @ Atmosphere/Pressure Conversion</source>
        <extracomment>The window&apos;s title; it begins with a blank.</extracomment>
        <translation> Conversão do ponto de orvalho atmosfera/pressão</translation>
    </message>
    <message>
        <source>Dewpoint @ Sensor</source>
        <extracomment>Caption of the sensor-dewpoint scroll bar: the dewpoint the sensor reports. 157 pixels.</extracomment>
        <translation>Ponto de orvalho no sensor</translation>
    </message>
    <message>
        <source>System Pressure</source>
        <comment>caption</comment>
        <extracomment>Caption of the gauge-pressure scroll bar. 142 pixels.</extracomment>
        <translation>Pressão do sistema</translation>
    </message>
    <message>
        <source>Dewpoint Sensor @</source>
        <extracomment>Caption over the choice of where the sensor measures (at atmosphere or at system pressure). 103 pixels.</extracomment>
        <translation>Ponto de medição</translation>
    </message>
    <message>
        <source>Dewpoint @ Pressure</source>
        <extracomment>Caption of the read-out: the pressure dewpoint. 112 pixels.</extracomment>
        <translation>Orvalho sob pressão</translation>
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
        <translation>Sob pressão</translation>
    </message>
    <message>
        <source>Absolute pressure: %1 = %2</source>
        <translation>Pressão absoluta: %1 = %2</translation>
    </message>
    <message>
        <source>Dewpoint at the sensor: %1 = %2</source>
        <translation>Ponto de orvalho no sensor: %1 = %2</translation>
    </message>
    <message>
        <source>Pressure dewpoint: %1 = %2</source>
        <translation>Ponto de orvalho sob pressão: %1 = %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
    <message>
        <source>Run-time error: %1.

The calculation cannot continue and the program will close.</source>
        <translation>Erro de execução: %1.

O cálculo não pode continuar e o programa será fechado.</translation>
    </message>
    <message>
        <source>ISO 8573-1:2010: no humidity class by pressure dewpoint (above +10 °C)</source>
        <translation>ISO 8573-1:2010: sem classe de umidade pelo ponto de orvalho sob pressão (acima de +10 °C)</translation>
    </message>
    <message>
        <source>ISO 8573-1:2010 humidity class %1 (pressure dewpoint ≤ %2 °C)</source>
        <translation>ISO 8573-1:2010 classe de umidade %1 (ponto de orvalho sob pressão ≤ %2 °C)</translation>
    </message>
</context>
</TS>
