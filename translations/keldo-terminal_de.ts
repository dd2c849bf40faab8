<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>MessageBox</name>
    <message>
        <source>KELDO Terminal</source>
        <translation>KELDO Terminal</translation>
    </message>
</context>
<context>
    <name>RxFindBar</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find in the received text</source>
        <translation>Im Empfangstext suchen</translation>
    </message>
    <message>
        <source>&amp;Match case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Vorheriger Treffer (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (Enter, F3)</source>
        <translation>Nächster Treffer (Enter, F3)</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Kein Treffer</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 Treffer</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n Treffer</numerusform>
            <numerusform>%n Treffer</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RxScreenView</name>
    <message>
        <source>New text below</source>
        <translation>Neuer Text unten</translation>
    </message>
    <message>
        <source>Show the newest text (Ctrl+End)</source>
        <translation>Neuesten Text anzeigen (Ctrl+End)</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>%1 with %2</source>
        <translation>%1 mit %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 with %2 via %3</source>
        <translation>%1 mit %2 via %3</translation>
    </message>
    <message>
        <source>transmitting</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>receiving</source>
        <translation>Empfang</translation>
    </message>
    <message>
        <source>not keyed</source>
        <translation>nicht getastet</translation>
    </message>
    <message>
        <source>Transmitter: %1</source>
        <translation>Sender: %1</translation>
    </message>
    <message>
        <source>Whether the radio is keyed to transmit</source>
        <translation>Ob das Funkgerät auf Senden getastet ist</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>ending</source>
        <translation>wird getrennt</translation>
    </message>
    <message>
        <source>calling %1</source>
        <translation>ruft %1</translation>
    </message>
    <message>
        <source>Connection: %1</source>
        <translation>Verbindung: %1</translation>
    </message>
    <message>
        <source>The radio connection and the stations in it</source>
        <translation>Die Funkverbindung und die beteiligten Stationen</translation>
    </message>
    <message>
        <source>Bytes sent and received</source>
        <translation>Gesendete und empfangene Bytes</translation>
    </message>
    <message>
        <source>Bytes sent and received: %1 sent</source>
        <translation>Gesendete und empfangene Bytes: %1 gesendet</translation>
    </message>
    <message>
        <source>Bytes sent and received: %1 received</source>
        <translation>Gesendete und empfangene Bytes: %1 empfangen</translation>
    </message>
    <message>
        <source>Bytes sent and received: %1</source>
        <translation>Gesendete und empfangene Bytes: %1</translation>
    </message>
    <message>
        <source>Bytes of the current text sent to or received from the other station</source>
        <translation>Bytes des aktuellen Textes, an die Gegenstation gesendet oder von ihr empfangen</translation>
    </message>
    <message>
        <source>up</source>
        <translation>steht</translation>
    </message>
    <message>
        <source>down</source>
        <translation>unterbrochen</translation>
    </message>
    <message>
        <source>not connected yet</source>
        <translation>noch nicht verbunden</translation>
    </message>
    <message>
        <source>Modem link: %1</source>
        <translation>Modemverbindung: %1</translation>
    </message>
    <message>
        <source>The network link to the modem program</source>
        <translation>Die Netzwerkverbindung zum Modemprogramm</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Start of the status bar</source>
        <translation>Anfang der Statusleiste</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>TCP</source>
        <translation>TCP</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About KELDO Chat</source>
        <translation>Über KELDO Chat</translation>
    </message>
    <message>
        <source>Version %1    </source>
        <extracomment>%1 is the version number; the blanks after it are kept.</extracomment>
        <translation>Version %1    </translation>
    </message>
    <message>
        <source>Keyboard chat terminal for the KELDO modems.</source>
        <translation>Tastatur-Chat-Terminal für die KELDO-Modems.</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Einstellungen: %1</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Einstellungsdatei: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>frmConnect</name>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Connect with:</source>
        <translation>Verbinden mit:</translation>
    </message>
    <message>
        <source>Via1</source>
        <translation>Via 1</translation>
    </message>
    <message>
        <source>Via2</source>
        <translation>Via 2</translation>
    </message>
    <message>
        <source>Invalid Call Sign</source>
        <translation>Ungültiges Rufzeichen</translation>
    </message>
</context>
<context>
    <name>frmFirstRun</name>
    <message>
        <source>KELDO Terminal: first start</source>
        <translation>KELDO Terminal: erster Start</translation>
    </message>
    <message>
        <source>There are no settings yet. Your call sign and your modem, to begin with (Settings → Terminal Setup... changes them later).</source>
        <translation>Noch keine Einstellungen vorhanden. Zu Beginn Ihr Rufzeichen und Ihr Modem (später änderbar unter Settings → Terminal Setup...).</translation>
    </message>
    <message>
        <source>&amp;Call sign:</source>
        <translation>&amp;Rufzeichen:</translation>
    </message>
    <message>
        <source>Where the modem runs</source>
        <translation>Wo das Modem läuft</translation>
    </message>
    <message>
        <source>The &amp;practice modem (%1), to try the terminal</source>
        <translation>Das Ü&amp;bungsmodem (%1), zum Ausprobieren</translation>
    </message>
    <message>
        <source>A modem program on &amp;this computer:</source>
        <translation>Ein Modemprogramm auf &amp;diesem Rechner:</translation>
    </message>
    <message>
        <source>A modem on &amp;another computer:</source>
        <translation>Ein Modem auf einem &amp;anderen Rechner:</translation>
    </message>
    <message>
        <source>A program whose name ends in .exe runs under Wine</source>
        <translation>Ein Programm mit der Endung .exe läuft unter Wine</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>Programm:</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>Command &amp;port:</source>
        <translation>Befehls&amp;port:</translation>
    </message>
    <message>
        <source>Invalid Call Sign</source>
        <translation>Ungültiges Rufzeichen</translation>
    </message>
    <message>
        <source>Invalid modem program</source>
        <translation>Ungültiges Modemprogramm</translation>
    </message>
    <message>
        <source>Invalid Host</source>
        <translation>Ungültiger Host</translation>
    </message>
    <message>
        <source>Invalid TCP port</source>
        <translation>Ungültiger TCP-Port</translation>
    </message>
</context>
<context>
    <name>frmKeldoTerminal</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>The language changes when KELDO Terminal is started again.</source>
        <translation>Die Sprache wechselt beim nächsten Start von KELDO Terminal.</translation>
    </message>
</context>
<context>
    <name>frmLogQso</name>
    <message>
        <source>Log QSO</source>
        <translation>QSO loggen</translation>
    </message>
    <message>
        <source>QSOs waiting to be logged</source>
        <translation>Noch nicht geloggte QSOs</translation>
    </message>
    <message>
        <source>&amp;Call:</source>
        <translation>&amp;Rufzeichen:</translation>
    </message>
    <message>
        <source>Time o&amp;n:</source>
        <translation>&amp;Beginn:</translation>
    </message>
    <message>
        <source>Time o&amp;ff:</source>
        <translation>En&amp;de:</translation>
    </message>
    <message>
        <source>Freq&amp;uency (MHz):</source>
        <translation>&amp;Frequenz (MHz):</translation>
    </message>
    <message>
        <source>Band:</source>
        <translation>Band:</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>Betriebs&amp;art:</translation>
    </message>
    <message>
        <source>&amp;Submode:</source>
        <translation>&amp;Submode:</translation>
    </message>
    <message>
        <source>RST s&amp;ent:</source>
        <translation>RST &amp;gesendet:</translation>
    </message>
    <message>
        <source>RST &amp;received:</source>
        <translation>RST e&amp;mpfangen:</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;QTH:</source>
        <translation>&amp;QTH:</translation>
    </message>
    <message>
        <source>&amp;Locator:</source>
        <translation>&amp;Locator:</translation>
    </message>
    <message>
        <source>C&amp;omment:</source>
        <translation>&amp;Kommentar:</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>&amp;Eintragen</translation>
    </message>
    <message>
        <source>&amp;Drop</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>The QSO could not be written.</source>
        <translation>Das QSO konnte nicht gespeichert werden.</translation>
    </message>
    <message numerus="yes">
        <source>Log QSO – %n waiting</source>
        <translation>
            <numerusform>QSO loggen – %n wartet</numerusform>
            <numerusform>QSO loggen – %n warten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmLogbook</name>
    <message>
        <source>Logbook</source>
        <translation>Logbuch</translation>
    </message>
    <message>
        <source>&amp;Log QSOs</source>
        <translation>QSOs &amp;loggen</translation>
    </message>
    <message>
        <source>Log &amp;without asking</source>
        <translation>&amp;Ohne Nachfrage loggen</translation>
    </message>
    <message>
        <source>Which mode does your logbook use for these QSOs?</source>
        <translation>Welche Betriebsart verwendet Ihr Logbuch für diese QSOs?</translation>
    </message>
    <message>
        <source>Log mode</source>
        <translation>Betriebsart im Log</translation>
    </message>
    <message>
        <source>&amp;Send QSOs to loggers</source>
        <translation>QSOs an Logprogramme &amp;senden</translation>
    </message>
    <message>
        <source>Log &amp;mode:</source>
        <translation>&amp;Betriebsart im Log:</translation>
    </message>
    <message>
        <source>Log s&amp;ubmode:</source>
        <translation>S&amp;ubmode im Log:</translation>
    </message>
    <message>
        <source>M&amp;y locator:</source>
        <translation>&amp;Eigener Locator:</translation>
    </message>
    <message>
        <source>&amp;TX power (W):</source>
        <translation>Sendeleis&amp;tung (W):</translation>
    </message>
    <message>
        <source>Rig control &amp;host (rigctld, when PTT is not by rigctld):</source>
        <translation>&amp;Host der TRX-Steuerung (rigctld, falls PTT nicht per rigctld):</translation>
    </message>
    <message>
        <source>Rig control &amp;port:</source>
        <translation>&amp;Port der TRX-Steuerung:</translation>
    </message>
    <message>
        <source>Used for the frequency when PTT is not by rigctld; keying by rigctld, that rigctld is asked.</source>
        <translation>Liefert die Frequenz, wenn PTT nicht per rigctld läuft; bei Tastung per rigctld wird dieses rigctld abgefragt.</translation>
    </message>
    <message>
        <source>Logger h&amp;ost:</source>
        <translation>Host des Logp&amp;rogramms:</translation>
    </message>
    <message>
        <source>Logger po&amp;rt:</source>
        <translation>Port des Logprogra&amp;mms:</translation>
    </message>
</context>
<context>
    <name>frmMacros</name>
    <message>
        <source>Macros</source>
        <translation>Makros</translation>
    </message>
    <message>
        <source>Function keys</source>
        <translation>Funktionstasten</translation>
    </message>
    <message>
        <source>Button label</source>
        <translation>Beschriftung der Schaltfläche</translation>
    </message>
    <message>
        <source>Macro text</source>
        <translation>Makrotext</translation>
    </message>
    <message>
        <source>Variables: &lt;MYCALL&gt; &lt;CALL&gt; &lt;UTC&gt; &lt;DATE&gt; &lt;MODE&gt; &lt;BW&gt; &lt;FREQ&gt; &lt;BAND&gt;.
&lt;SEND&gt; at the end sends the text at once.</source>
        <translation>Variablen: &lt;MYCALL&gt; &lt;CALL&gt; &lt;UTC&gt; &lt;DATE&gt; &lt;MODE&gt; &lt;BW&gt; &lt;FREQ&gt; &lt;BAND&gt;.
&lt;SEND&gt; am Ende sendet den Text sofort.</translation>
    </message>
    <message>
        <source>Show macro buttons under the TX box</source>
        <translation>Makro-Schaltflächen unter dem Sendefeld anzeigen</translation>
    </message>
    <message>
        <source>&amp;Label:</source>
        <translation>&amp;Beschriftung:</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
</context>
<context>
    <name>frmPTT</name>
    <message>
        <source>PTT</source>
        <translation>PTT</translation>
    </message>
    <message>
        <source>PTT Via</source>
        <translation>PTT über</translation>
    </message>
    <message>
        <source>VOX/ZK-Board</source>
        <translation>VOX/ZK-Board</translation>
    </message>
    <message>
        <source>Brand:</source>
        <translation>Hersteller:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Bauds:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>PTT Pin</source>
        <translation>PTT-Pin</translation>
    </message>
    <message>
        <source>CI-V Address:</source>
        <translation>CI-V-Adresse:</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1
not present</source>
        <extracomment>Tooltip of a serial device that is not plugged in; %1 is its path.</extracomment>
        <translation>%1
nicht vorhanden</translation>
    </message>
    <message>
        <source>wrong Icom Address format</source>
        <translation>Falsches Format der Icom-Adresse</translation>
    </message>
    <message>
        <source>Invalid serial port</source>
        <translation>Ungültige serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Invalid rigctld port</source>
        <translation>Ungültiger rigctld-Port</translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Setup</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>Command Port</source>
        <translation>Befehlsport</translation>
    </message>
    <message>
        <source>Data Port</source>
        <translation>Datenport</translation>
    </message>
    <message>
        <source>Host </source>
        <translation>Host </translation>
    </message>
    <message>
        <source>KELDO HF TCP</source>
        <translation>KELDO HF TCP</translation>
    </message>
    <message>
        <source>KELDO FM TCP</source>
        <translation>KELDO FM TCP</translation>
    </message>
    <message>
        <source>KELDO SAT TCP</source>
        <translation>KELDO SAT TCP</translation>
    </message>
    <message>
        <source>KELDO Mode</source>
        <translation>KELDO-Modus</translation>
    </message>
    <message>
        <source>KELDO HF</source>
        <translation>KELDO HF</translation>
    </message>
    <message>
        <source>KELDO FM</source>
        <translation>KELDO FM</translation>
    </message>
    <message>
        <source>KELDO SAT</source>
        <translation>KELDO SAT</translation>
    </message>
    <message>
        <source>My Call Sign</source>
        <translation>Mein Rufzeichen</translation>
    </message>
    <message>
        <source>KELDO HF Bandwitdh</source>
        <translation>Bandbreite KELDO HF</translation>
    </message>
    <message>
        <source>500 Hz (Narrow)</source>
        <translation>500 Hz (schmal)</translation>
    </message>
    <message>
        <source>2300 Hz (Standard)</source>
        <translation>2300 Hz (Standard)</translation>
    </message>
    <message>
        <source>2750 Hz (Tactical)</source>
        <translation>2750 Hz (taktisch)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>KELDO HF Modem location</source>
        <translation>Pfad zum Modem KELDO HF</translation>
    </message>
    <message>
        <source>KELDO FM Modem location</source>
        <translation>Pfad zum Modem KELDO FM</translation>
    </message>
    <message>
        <source>KELDO SAT Modem location</source>
        <translation>Pfad zum Modem KELDO SAT</translation>
    </message>
    <message>
        <source>Automatically launch KELDO TNC when KELDO Terminal is opened</source>
        <translation>KELDO TNC beim Start von KELDO Terminal automatisch starten</translation>
    </message>
    <message>
        <source>Alert on My Call</source>
        <translation>Alarm bei eigenem Rufzeichen</translation>
    </message>
    <message>
        <source>Mark and announce received text holding your call sign</source>
        <translation>Empfangenen Text mit Ihrem Rufzeichen markieren und melden</translation>
    </message>
    <message>
        <source>Alert Words</source>
        <translation>Alarmwörter</translation>
    </message>
    <message>
        <source>Words to mark and announce in received text, separated by commas</source>
        <translation>Wörter, die im Empfangstext markiert und gemeldet werden, durch Kommas getrennt</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>TCP Command Port (default: 8300)</source>
        <translation>TCP-Befehlsport (Standard: 8300)</translation>
    </message>
    <message>
        <source>TCP Command Port (default: %1)</source>
        <translation>TCP-Befehlsport (Standard: %1)</translation>
    </message>
    <message>
        <source>No while a connection is is progress.</source>
        <translation>Nicht während einer laufenden Verbindung.</translation>
    </message>
    <message>
        <source>Invalid TCP port</source>
        <translation>Ungültiger TCP-Port</translation>
    </message>
    <message>
        <source>Invalid Host</source>
        <translation>Ungültiger Host</translation>
    </message>
    <message>
        <source>Invalid Call Sign</source>
        <translation>Ungültiges Rufzeichen</translation>
    </message>
</context>
</TS>
