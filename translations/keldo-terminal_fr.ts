<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>MessageBox</name>
    <message>
        <source>KELDO Terminal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RxFindBar</name>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find in the received text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Match case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next match (Enter, F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 match</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RxScreenView</name>
    <message>
        <source>New text below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the newest text (Ctrl+End)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>%1 with %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with %2 via %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transmitting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>receiving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not keyed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmitter: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether the radio is keyed to transmit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calling %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio connection and the stations in it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes sent and received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes sent and received: %1 sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes sent and received: %1 received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes sent and received: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes of the current text sent to or received from the other station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not connected yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modem link: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network link to the modem program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start of the status bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About KELDO Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1    </source>
        <extracomment>%1 is the version number; the blanks after it are kept.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard chat terminal for the KELDO modems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmConnect</name>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Via1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Via2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Call Sign</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmFirstRun</name>
    <message>
        <source>KELDO Terminal: first start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no settings yet. Your call sign and your modem, to begin with (Settings → Terminal Setup... changes them later).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Call sign:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the modem runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &amp;practice modem (%1), to try the terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A modem program on &amp;this computer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A modem on &amp;another computer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A program whose name ends in .exe runs under Wine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command &amp;port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Call Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid modem program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid TCP port</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmKeldoTerminal</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language changes when KELDO Terminal is started again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmLogQso</name>
    <message>
        <source>Log QSO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSOs waiting to be logged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Call:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time o&amp;n:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time o&amp;ff:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freq&amp;uency (MHz):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Submode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RST s&amp;ent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RST &amp;received:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;QTH:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Locator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;omment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The QSO could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Log QSO – %n waiting</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmLogbook</name>
    <message>
        <source>Logbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Log QSOs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log &amp;without asking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which mode does your logbook use for these QSOs?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Send QSOs to loggers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log &amp;mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log s&amp;ubmode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M&amp;y locator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;TX power (W):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rig control &amp;host (rigctld, when PTT is not by rigctld):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rig control &amp;port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used for the frequency when PTT is not by rigctld; keying by rigctld, that rigctld is asked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logger h&amp;ost:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logger po&amp;rt:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMacros</name>
    <message>
        <source>Macros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variables: &lt;MYCALL&gt; &lt;CALL&gt; &lt;UTC&gt; &lt;DATE&gt; &lt;MODE&gt; &lt;BW&gt; &lt;FREQ&gt; &lt;BAND&gt;.
&lt;SEND&gt; at the end sends the text at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show macro buttons under the TX box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Label:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPTT</name>
    <message>
        <source>PTT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PTT Via</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX/ZK-Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brand:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bauds:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PTT Pin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CI-V Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
not present</source>
        <extracomment>Tooltip of a serial device that is not plugged in; %1 is its path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong Icom Address format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid serial port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid rigctld port</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KELDO HF TCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KELDO FM TCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KELDO SAT TCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KELDO Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KELDO HF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KELDO FM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KELDO SAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Call Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KELDO HF Bandwitdh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>500 Hz (Narrow)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2300 Hz (Standard)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2750 Hz (Tactical)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KELDO HF Modem location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KELDO FM Modem location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KELDO SAT Modem location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatically launch KELDO TNC when KELDO Terminal is opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert on My Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark and announce received text holding your call sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words to mark and announce in received text, separated by commas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP Command Port (default: 8300)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP Command Port (default: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No while a connection is is progress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid TCP port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Call Sign</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
