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
    <message>
        <source>Sensor log</source>
        <translation>Registro do sensor</translation>
    </message>
    <message>
        <source>Open a sensor log (CSV or text table)</source>
        <translation>Abrir um registro do sensor (CSV ou tabela de texto)</translation>
    </message>
    <message>
        <source>or drop it here. It is read on this device and never leaves it.</source>
        <translation>ou solte-o aqui. Ele é lido neste dispositivo e nunca sai dele.</translation>
    </message>
    <message>
        <source>Sensor dewpoint column</source>
        <translation>Coluna do ponto de orvalho do sensor</translation>
    </message>
    <message>
        <source>Its unit</source>
        <translation>Sua unidade</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressão</translation>
    </message>
    <message>
        <source>Longest stretch above the limit of class</source>
        <translation>Trecho mais longo acima do limite da classe</translation>
    </message>
    <message>
        <source>Leave bad rows without a result, rather than stopping</source>
        <translation>Deixar linhas inválidas sem resultado em vez de parar</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Mostrar tudo</translation>
    </message>
    <message>
        <source>Save the chart as a picture</source>
        <translation>Salvar o gráfico como imagem</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>every row at the System Pressure above, %1</source>
        <translation>cada linha na pressão do sistema acima, %1</translation>
    </message>
    <message>
        <source>Sensor position, as chosen above: %1</source>
        <translation>Posição do sensor, conforme escolhida acima: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>%1 rows, %2 %</source>
        <translation>%1 linhas, %2 %</translation>
    </message>
    <message>
        <source>Messages (%1)</source>
        <translation>Mensagens (%1)</translation>
    </message>
    <message>
        <source>Stopped at a bad row or a problem the messages name; nothing was converted. Leave bad rows without a result to convert the rest.</source>
        <translation>Parado em uma linha inválida ou em um problema indicado nas mensagens; nada foi convertido. Deixe as linhas inválidas sem resultado para converter o restante.</translation>
    </message>
    <message>
        <source>%1 rows converted.</source>
        <translation>%1 linhas convertidas.</translation>
    </message>
    <message>
        <source>%1 rows converted; %2 bad rows left without a result.</source>
        <translation>%1 linhas convertidas; %2 linhas inválidas sem resultado.</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Baixar %1</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>linha %1</translation>
    </message>
    <message>
        <source>line %1 (%2)</source>
        <translation>linha %1 (%2)</translation>
    </message>
    <message>
        <source>Rows converted</source>
        <translation>Linhas convertidas</translation>
    </message>
    <message>
        <source>Bad rows</source>
        <translation>Linhas inválidas</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>5th, 50th, 95th percentile</source>
        <translation>Percentis 5, 50 e 95</translation>
    </message>
    <message>
        <source>ISO 8573-1:2010 class %1 (≤ %2 °C)</source>
        <translation>ISO 8573-1:2010 classe %1 (≤ %2 °C)</translation>
    </message>
    <message>
        <source>Above +10 °C</source>
        <translation>Acima de +10 °C</translation>
    </message>
    <message>
        <source>Longest above the class %1 limit</source>
        <translation>Trecho mais longo acima do limite da classe %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>%1 rows, %2 to %3</source>
        <translation>%1 linhas, de %2 a %3</translation>
    </message>
    <message>
        <source>Pressure dewpoint over the log %1, with the ISO 8573-1:2010 class limits</source>
        <translation>Ponto de orvalho sob pressão ao longo do registro %1, com os limites de classe da ISO 8573-1:2010</translation>
    </message>
    <message>
        <source>class %1 ≤ %2 °C</source>
        <translation>classe %1 ≤ %2 °C</translation>
    </message>
    <message>
        <source>Pressure dewpoint</source>
        <translation>Ponto de orvalho sob pressão</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Highest of the rows drawn as one</source>
        <translation>Máximo das linhas desenhadas como uma</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Aproximar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Afastar</translation>
    </message>
    <message>
        <source>Earlier</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Depois</translation>
    </message>
    <message>
        <source>The same conversion on the command line:</source>
        <translation>A mesma conversão na linha de comando:</translation>
    </message>
    <message>
        <source>Shown: %1 to %2</source>
        <translation>Mostrado: de %1 a %2</translation>
    </message>
</context>
</TS>
