<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Form1</name>
    <message>
        <source> Dewpoint @ Atmosphere/Pressure Conversion</source>
        <extracomment>The window&apos;s title; it begins with a blank.</extracomment>
        <translation> 露点换算：大气/系统压力</translation>
    </message>
    <message>
        <source>Dewpoint @ Sensor</source>
        <extracomment>Caption of the sensor-dewpoint scroll bar: the dewpoint the sensor reports. 157 pixels.</extracomment>
        <translation>传感器露点</translation>
    </message>
    <message>
        <source>System Pressure</source>
        <comment>caption</comment>
        <extracomment>Caption of the gauge-pressure scroll bar. 142 pixels.</extracomment>
        <translation>系统压力</translation>
    </message>
    <message>
        <source>Dewpoint Sensor @</source>
        <extracomment>Caption over the choice of where the sensor measures (at atmosphere or at system pressure). 103 pixels.</extracomment>
        <translation>传感器测量位置</translation>
    </message>
    <message>
        <source>Dewpoint @ Pressure</source>
        <extracomment>Caption of the read-out: the pressure dewpoint. 112 pixels.</extracomment>
        <translation>压力露点</translation>
    </message>
    <message>
        <source>Atmosphere</source>
        <extracomment>Option: the sensor measures air expanded to atmospheric pressure. 59 pixels.</extracomment>
        <translation>大气</translation>
    </message>
    <message>
        <source>System Pressure</source>
        <comment>option</comment>
        <extracomment>Option: the sensor sits in the line, at system pressure. 84 pixels.</extracomment>
        <translation>系统压力</translation>
    </message>
    <message>
        <source>Absolute pressure: %1 = %2</source>
        <translation>绝对压力：%1 = %2</translation>
    </message>
    <message>
        <source>Dewpoint at the sensor: %1 = %2</source>
        <translation>传感器露点：%1 = %2</translation>
    </message>
    <message>
        <source>Pressure dewpoint: %1 = %2</source>
        <translation>压力露点：%1 = %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>Run-time error: %1.

The calculation cannot continue and the program will close.</source>
        <translation>运行时错误：%1。

计算无法继续，程序将关闭。</translation>
    </message>
    <message>
        <source>ISO 8573-1:2010: no humidity class by pressure dewpoint (above +10 °C)</source>
        <translation>ISO 8573-1:2010：无按压力露点划分的湿度等级（压力露点高于 +10 °C）</translation>
    </message>
    <message>
        <source>ISO 8573-1:2010 humidity class %1 (pressure dewpoint ≤ %2 °C)</source>
        <translation>ISO 8573-1:2010 湿度等级 %1（压力露点 ≤ %2 °C）</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Keys</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>one step: 0.1 bar or 0.1 °C</source>
        <translation>一步：0.1 bar 或 0.1 °C</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Page Up、Page Down</translation>
    </message>
    <message>
        <source>1 bar on the pressure, 0.1 °C on the sensor dewpoint</source>
        <translation>压力 1 bar，传感器露点 0.1 °C</translation>
    </message>
    <message>
        <source>Shift+Page Up, Shift+Page Down</source>
        <translation>Shift+Page Up、Shift+Page Down</translation>
    </message>
    <message>
        <source>1 bar or 1 °C (also Ctrl+Page Up and Page Down, where the browser passes them on)</source>
        <translation>1 bar 或 1 °C（在浏览器允许时，Ctrl+Page Up 和 Page Down 亦可）</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Home、End</translation>
    </message>
    <message>
        <source>the lowest or the highest value</source>
        <translation>最小值或最大值</translation>
    </message>
    <message>
        <source>%1: one step down</source>
        <translation>%1：减一步</translation>
    </message>
    <message>
        <source>%1: one step up</source>
        <translation>%1：加一步</translation>
    </message>
    <message>
        <source>This calculator cannot start: it needs WebAssembly, which this browser does not offer or has turned off (%1). Allow WebAssembly for this page, or use the program dewpoint.</source>
        <translation>此计算器无法启动：它需要 WebAssembly，而此浏览器不提供或已将其关闭（%1）。请为此页面允许 WebAssembly，或使用程序 dewpoint。</translation>
    </message>
</context>
</TS>
