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
</TS>
