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
    <message>
        <source>Sensor log</source>
        <translation>Registro del sensore</translation>
    </message>
    <message>
        <source>Open a sensor log (CSV or text table)</source>
        <translation>Apri un registro del sensore (CSV o tabella di testo)</translation>
    </message>
    <message>
        <source>or drop it here. It is read on this device and never leaves it.</source>
        <translation>oppure trascinalo qui. Viene letto su questo dispositivo e non lo lascia mai.</translation>
    </message>
    <message>
        <source>Sensor dewpoint column</source>
        <translation>Colonna del punto di rugiada del sensore</translation>
    </message>
    <message>
        <source>Its unit</source>
        <translation>La sua unità</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressione</translation>
    </message>
    <message>
        <source>Longest stretch above the limit of class</source>
        <translation>Tratto più lungo sopra il limite della classe</translation>
    </message>
    <message>
        <source>Leave bad rows without a result, rather than stopping</source>
        <translation>Lasciare le righe errate senza risultato invece di fermarsi</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Mostra tutto</translation>
    </message>
    <message>
        <source>Save the chart as a picture</source>
        <translation>Salva il grafico come immagine</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>every row at the System Pressure above, %1</source>
        <translation>ogni riga alla pressione di sistema sopra, %1</translation>
    </message>
    <message>
        <source>Sensor position, as chosen above: %1</source>
        <translation>Posizione del sensore, come scelta sopra: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annullato.</translation>
    </message>
    <message>
        <source>%1 rows, %2 %</source>
        <translation>%1 righe, %2 %</translation>
    </message>
    <message>
        <source>Messages (%1)</source>
        <translation>Messaggi (%1)</translation>
    </message>
    <message>
        <source>Stopped at a bad row or a problem the messages name; nothing was converted. Leave bad rows without a result to convert the rest.</source>
        <translation>Interrotto a una riga errata o a un problema indicato dai messaggi; non è stato convertito nulla. Lascia le righe errate senza risultato per convertire il resto.</translation>
    </message>
    <message>
        <source>%1 rows converted.</source>
        <translation>%1 righe convertite.</translation>
    </message>
    <message>
        <source>%1 rows converted; %2 bad rows left without a result.</source>
        <translation>%1 righe convertite; %2 righe errate senza risultato.</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Scarica %1</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <source>line %1 (%2)</source>
        <translation>riga %1 (%2)</translation>
    </message>
    <message>
        <source>Rows converted</source>
        <translation>Righe convertite</translation>
    </message>
    <message>
        <source>Bad rows</source>
        <translation>Righe errate</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimo</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Massimo</translation>
    </message>
    <message>
        <source>5th, 50th, 95th percentile</source>
        <translation>5°, 50° e 95° percentile</translation>
    </message>
    <message>
        <source>ISO 8573-1:2010 class %1 (≤ %2 °C)</source>
        <translation>ISO 8573-1:2010 classe %1 (≤ %2 °C)</translation>
    </message>
    <message>
        <source>Above +10 °C</source>
        <translation>Sopra +10 °C</translation>
    </message>
    <message>
        <source>Longest above the class %1 limit</source>
        <translation>Tratto più lungo sopra il limite della classe %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>%1 rows, %2 to %3</source>
        <translation>%1 righe, da %2 a %3</translation>
    </message>
    <message>
        <source>Pressure dewpoint over the log %1, with the ISO 8573-1:2010 class limits</source>
        <translation>Punto di rugiada in pressione lungo il registro %1, con i limiti di classe ISO 8573-1:2010</translation>
    </message>
    <message>
        <source>class %1 ≤ %2 °C</source>
        <translation>classe %1 ≤ %2 °C</translation>
    </message>
    <message>
        <source>Pressure dewpoint</source>
        <translation>Punto di rugiada in pressione</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Riga</translation>
    </message>
    <message>
        <source>Highest of the rows drawn as one</source>
        <translation>Massimo delle righe disegnate come una</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Earlier</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>The same conversion on the command line:</source>
        <translation>La stessa conversione dalla riga di comando:</translation>
    </message>
    <message>
        <source>Shown: %1 to %2</source>
        <translation>Mostrato: da %1 a %2</translation>
    </message>
</context>
</TS>
