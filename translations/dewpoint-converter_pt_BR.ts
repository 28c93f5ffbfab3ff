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
<context>
    <name>page</name>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>one step: 0.1 bar or 0.1 °C</source>
        <translation>um passo: 0,1 bar ou 0,1 °C</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Page Up, Page Down</translation>
    </message>
    <message>
        <source>1 bar on the pressure, 0.1 °C on the sensor dewpoint</source>
        <translation>1 bar na pressão, 0,1 °C no ponto de orvalho do sensor</translation>
    </message>
    <message>
        <source>Shift+Page Up, Shift+Page Down</source>
        <translation>Shift+Page Up, Shift+Page Down</translation>
    </message>
    <message>
        <source>1 bar or 1 °C (also Ctrl+Page Up and Page Down, where the browser passes them on)</source>
        <translation>1 bar ou 1 °C (também Ctrl+Page Up e Page Down, onde o navegador as repassa)</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Home, End</translation>
    </message>
    <message>
        <source>the lowest or the highest value</source>
        <translation>o menor ou o maior valor</translation>
    </message>
    <message>
        <source>%1: one step down</source>
        <translation>%1: um passo abaixo</translation>
    </message>
    <message>
        <source>%1: one step up</source>
        <translation>%1: um passo acima</translation>
    </message>
    <message>
        <source>This calculator cannot start: it needs WebAssembly, which this browser does not offer or has turned off (%1). Allow WebAssembly for this page, or use the program dewpoint.</source>
        <translation>Esta calculadora não pode iniciar: ela precisa de WebAssembly, que este navegador não oferece ou desativou (%1). Permita WebAssembly para esta página ou use o programa dewpoint.</translation>
    </message>
</context>
</TS>
