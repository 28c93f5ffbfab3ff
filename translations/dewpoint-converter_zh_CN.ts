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
    <message>
        <source>Sensor log</source>
        <translation>传感器日志</translation>
    </message>
    <message>
        <source>Open a sensor log (CSV or text table)</source>
        <translation>打开传感器日志（CSV 或文本表格）</translation>
    </message>
    <message>
        <source>or drop it here. It is read on this device and never leaves it.</source>
        <translation>或拖放到此处。文件只在本设备上读取，绝不会离开本设备。</translation>
    </message>
    <message>
        <source>Sensor dewpoint column</source>
        <translation>传感器露点列</translation>
    </message>
    <message>
        <source>Its unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>压力</translation>
    </message>
    <message>
        <source>Longest stretch above the limit of class</source>
        <translation>高于以下等级限值的最长连续段：等级</translation>
    </message>
    <message>
        <source>Leave bad rows without a result, rather than stopping</source>
        <translation>错误行不给结果而继续，而不是停止</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>换算</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>显示全部</translation>
    </message>
    <message>
        <source>Save the chart as a picture</source>
        <translation>将图表保存为图片</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>every row at the System Pressure above, %1</source>
        <translation>每行均采用上方的系统压力，%1</translation>
    </message>
    <message>
        <source>Sensor position, as chosen above: %1</source>
        <translation>传感器位置（按上方所选）：%1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>%1 rows, %2 %</source>
        <translation>%1 行，%2 %</translation>
    </message>
    <message>
        <source>Messages (%1)</source>
        <translation>消息（%1）</translation>
    </message>
    <message>
        <source>Stopped at a bad row or a problem the messages name; nothing was converted. Leave bad rows without a result to convert the rest.</source>
        <translation>在错误行或消息所述的问题处停止；未换算任何内容。选择错误行不给结果，即可换算其余各行。</translation>
    </message>
    <message>
        <source>%1 rows converted.</source>
        <translation>已换算 %1 行。</translation>
    </message>
    <message>
        <source>%1 rows converted; %2 bad rows left without a result.</source>
        <translation>已换算 %1 行；%2 个错误行无结果。</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>下载 %1</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>line %1 (%2)</source>
        <translation>第 %1 行（%2）</translation>
    </message>
    <message>
        <source>Rows converted</source>
        <translation>已换算行数</translation>
    </message>
    <message>
        <source>Bad rows</source>
        <translation>错误行数</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>最小值</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>最大值</translation>
    </message>
    <message>
        <source>5th, 50th, 95th percentile</source>
        <translation>第 5、50、95 百分位数</translation>
    </message>
    <message>
        <source>ISO 8573-1:2010 class %1 (≤ %2 °C)</source>
        <translation>ISO 8573-1:2010 等级 %1（≤ %2 °C）</translation>
    </message>
    <message>
        <source>Above +10 °C</source>
        <translation>高于 +10 °C</translation>
    </message>
    <message>
        <source>Longest above the class %1 limit</source>
        <translation>高于等级 %1 限值的最长连续段</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>%1 rows, %2 to %3</source>
        <translation>%1 行，从%2到%3</translation>
    </message>
    <message>
        <source>Pressure dewpoint over the log %1, with the ISO 8573-1:2010 class limits</source>
        <translation>日志 %1 的压力露点，附 ISO 8573-1:2010 等级限值</translation>
    </message>
    <message>
        <source>class %1 ≤ %2 °C</source>
        <translation>等级 %1 ≤ %2 °C</translation>
    </message>
    <message>
        <source>Pressure dewpoint</source>
        <translation>压力露点</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Highest of the rows drawn as one</source>
        <translation>合并绘制各行中的最高值</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Earlier</source>
        <translation>更早</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>更晚</translation>
    </message>
    <message>
        <source>The same conversion on the command line:</source>
        <translation>命令行上的相同换算：</translation>
    </message>
    <message>
        <source>Shown: %1 to %2</source>
        <translation>显示范围：%1 至 %2</translation>
    </message>
</context>
</TS>
