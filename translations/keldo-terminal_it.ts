<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>Trova</translation>
    </message>
    <message>
        <source>Find in the received text</source>
        <translation>Trova nel testo ricevuto</translation>
    </message>
    <message>
        <source>&amp;Match case</source>
        <translation>&amp;Maiuscole/minuscole</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Risultato precedente (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (Enter, F3)</source>
        <translation>Risultato successivo (Enter, F3)</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Chiudi (Esc)</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Nessun risultato</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 risultato</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n risultato</numerusform>
            <numerusform>%n risultati</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RxScreenView</name>
    <message>
        <source>New text below</source>
        <translation>Nuovo testo in basso</translation>
    </message>
    <message>
        <source>Show the newest text (Ctrl+End)</source>
        <translation>Mostra il testo più recente (Ctrl+End)</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>%1 with %2</source>
        <translation>%1 con %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 with %2 via %3</source>
        <translation>%1 con %2 via %3</translation>
    </message>
    <message>
        <source>transmitting</source>
        <translation>in trasmissione</translation>
    </message>
    <message>
        <source>receiving</source>
        <translation>in ricezione</translation>
    </message>
    <message>
        <source>not keyed</source>
        <translation>PTT non attivo</translation>
    </message>
    <message>
        <source>Transmitter: %1</source>
        <translation>Trasmettitore: %1</translation>
    </message>
    <message>
        <source>Whether the radio is keyed to transmit</source>
        <translation>Indica se la radio è in trasmissione</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>ending</source>
        <translation>in chiusura</translation>
    </message>
    <message>
        <source>calling %1</source>
        <translation>chiamata verso %1</translation>
    </message>
    <message>
        <source>Connection: %1</source>
        <translation>Connessione: %1</translation>
    </message>
    <message>
        <source>The radio connection and the stations in it</source>
        <translation>Il collegamento radio e le stazioni che vi partecipano</translation>
    </message>
    <message>
        <source>Bytes sent and received</source>
        <translation>Byte inviati e ricevuti</translation>
    </message>
    <message>
        <source>Bytes sent and received: %1 sent</source>
        <translation>Byte inviati e ricevuti: %1 inviati</translation>
    </message>
    <message>
        <source>Bytes sent and received: %1 received</source>
        <translation>Byte inviati e ricevuti: %1 ricevuti</translation>
    </message>
    <message>
        <source>Bytes sent and received: %1</source>
        <translation>Byte inviati e ricevuti: %1</translation>
    </message>
    <message>
        <source>Bytes of the current text sent to or received from the other station</source>
        <translation>Byte del testo in corso inviati all'altra stazione o ricevuti da essa</translation>
    </message>
    <message>
        <source>up</source>
        <translation>attivo</translation>
    </message>
    <message>
        <source>down</source>
        <translation>interrotto</translation>
    </message>
    <message>
        <source>not connected yet</source>
        <translation>non ancora connesso</translation>
    </message>
    <message>
        <source>Modem link: %1</source>
        <translation>Collegamento al modem: %1</translation>
    </message>
    <message>
        <source>The network link to the modem program</source>
        <translation>Il collegamento di rete con il programma modem</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Start of the status bar</source>
        <translation>Inizio della barra di stato</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra di stato</translation>
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
        <translation>Informazioni su KELDO Chat</translation>
    </message>
    <message>
        <source>Version %1    </source>
        <extracomment>%1 is the version number; the blanks after it are kept.</extracomment>
        <translation>Versione %1    </translation>
    </message>
    <message>
        <source>Keyboard chat terminal for the KELDO modems.</source>
        <translation>Terminale di chat da tastiera per i modem KELDO.</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Impostazioni: %1</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>File delle impostazioni: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>frmConnect</name>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Connect with:</source>
        <translation>Connetti con:</translation>
    </message>
    <message>
        <source>Via1</source>
        <translation>Via1</translation>
    </message>
    <message>
        <source>Via2</source>
        <translation>Via2</translation>
    </message>
    <message>
        <source>Invalid Call Sign</source>
        <translation>Nominativo non valido</translation>
    </message>
</context>
<context>
    <name>frmFirstRun</name>
    <message>
        <source>KELDO Terminal: first start</source>
        <translation>KELDO Terminal: primo avvio</translation>
    </message>
    <message>
        <source>There are no settings yet. Your call sign and your modem, to begin with (Settings → Terminal Setup... changes them later).</source>
        <translation>Non ci sono ancora impostazioni. Per cominciare, il tuo nominativo e il tuo modem (potrai cambiarli in seguito da Settings → Terminal Setup...).</translation>
    </message>
    <message>
        <source>&amp;Call sign:</source>
        <translation>&amp;Nominativo:</translation>
    </message>
    <message>
        <source>Where the modem runs</source>
        <translation>Dove si trova il modem</translation>
    </message>
    <message>
        <source>The &amp;practice modem (%1), to try the terminal</source>
        <translation>Il modem di &amp;esercitazione (%1), per provare il terminale</translation>
    </message>
    <message>
        <source>A modem program on &amp;this computer:</source>
        <translation>Un programma modem su &amp;questo computer:</translation>
    </message>
    <message>
        <source>A modem on &amp;another computer:</source>
        <translation>Un modem su un &amp;altro computer:</translation>
    </message>
    <message>
        <source>A program whose name ends in .exe runs under Wine</source>
        <translation>Un programma il cui nome termina in .exe viene eseguito con Wine</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>Programma:</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>Command &amp;port:</source>
        <translation>&amp;Porta comandi:</translation>
    </message>
    <message>
        <source>Invalid Call Sign</source>
        <translation>Nominativo non valido</translation>
    </message>
    <message>
        <source>Invalid modem program</source>
        <translation>Programma modem non valido</translation>
    </message>
    <message>
        <source>Invalid Host</source>
        <translation>Host non valido</translation>
    </message>
    <message>
        <source>Invalid TCP port</source>
        <translation>Porta TCP non valida</translation>
    </message>
</context>
<context>
    <name>frmKeldoTerminal</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Lingua di sistema</translation>
    </message>
    <message>
        <source>The language changes when KELDO Terminal is started again.</source>
        <translation>La lingua cambierà al prossimo avvio di KELDO Terminal.</translation>
    </message>
</context>
<context>
    <name>frmLogQso</name>
    <message>
        <source>Log QSO</source>
        <translation>Registra QSO</translation>
    </message>
    <message>
        <source>QSOs waiting to be logged</source>
        <translation>QSO in attesa di registrazione</translation>
    </message>
    <message>
        <source>&amp;Call:</source>
        <translation>&amp;Nominativo:</translation>
    </message>
    <message>
        <source>Time o&amp;n:</source>
        <translation>Ora &amp;inizio:</translation>
    </message>
    <message>
        <source>Time o&amp;ff:</source>
        <translation>Ora &amp;fine:</translation>
    </message>
    <message>
        <source>Freq&amp;uency (MHz):</source>
        <translation>Freq&amp;uenza (MHz):</translation>
    </message>
    <message>
        <source>Band:</source>
        <translation>Banda:</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modo:</translation>
    </message>
    <message>
        <source>&amp;Submode:</source>
        <translation>&amp;Sottomodo:</translation>
    </message>
    <message>
        <source>RST s&amp;ent:</source>
        <translation>RST in&amp;viato:</translation>
    </message>
    <message>
        <source>RST &amp;received:</source>
        <translation>RST ric&amp;evuto:</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation>N&amp;ome:</translation>
    </message>
    <message>
        <source>&amp;QTH:</source>
        <translation>&amp;QTH:</translation>
    </message>
    <message>
        <source>&amp;Locator:</source>
        <translation>&amp;Locatore:</translation>
    </message>
    <message>
        <source>C&amp;omment:</source>
        <translation>&amp;Commento:</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>&amp;Registra</translation>
    </message>
    <message>
        <source>&amp;Drop</source>
        <translation>Sc&amp;arta</translation>
    </message>
    <message>
        <source>The QSO could not be written.</source>
        <translation>Impossibile scrivere il QSO.</translation>
    </message>
    <message numerus="yes">
        <source>Log QSO – %n waiting</source>
        <translation>
            <numerusform>Registra QSO – %n in attesa</numerusform>
            <numerusform>Registra QSO – %n in attesa</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmLogbook</name>
    <message>
        <source>Logbook</source>
        <translation>Logbook</translation>
    </message>
    <message>
        <source>&amp;Log QSOs</source>
        <translation>&amp;Registra i QSO</translation>
    </message>
    <message>
        <source>Log &amp;without asking</source>
        <translation>Registra &amp;senza chiedere</translation>
    </message>
    <message>
        <source>Which mode does your logbook use for these QSOs?</source>
        <translation>Quale modo usa il tuo log per questi QSO?</translation>
    </message>
    <message>
        <source>Log mode</source>
        <translation>Modo nel log</translation>
    </message>
    <message>
        <source>&amp;Send QSOs to loggers</source>
        <translation>&amp;Invia i QSO ai programmi di log</translation>
    </message>
    <message>
        <source>Log &amp;mode:</source>
        <translation>&amp;Modo nel log:</translation>
    </message>
    <message>
        <source>Log s&amp;ubmode:</source>
        <translation>S&amp;ottomodo nel log:</translation>
    </message>
    <message>
        <source>M&amp;y locator:</source>
        <translation>Il mio &amp;locatore:</translation>
    </message>
    <message>
        <source>&amp;TX power (W):</source>
        <translation>Potenza &amp;TX (W):</translation>
    </message>
    <message>
        <source>Rig control &amp;host (rigctld, when PTT is not by rigctld):</source>
        <translation>&amp;Host controllo radio (rigctld, se il PTT non è via rigctld):</translation>
    </message>
    <message>
        <source>Rig control &amp;port:</source>
        <translation>&amp;Porta controllo radio:</translation>
    </message>
    <message>
        <source>Used for the frequency when PTT is not by rigctld; keying by rigctld, that rigctld is asked.</source>
        <translation>Serve a leggere la frequenza quando il PTT non è via rigctld; con il PTT via rigctld, la frequenza viene chiesta a quel rigctld.</translation>
    </message>
    <message>
        <source>Logger h&amp;ost:</source>
        <translation>Host programma di lo&amp;g:</translation>
    </message>
    <message>
        <source>Logger po&amp;rt:</source>
        <translation>Po&amp;rta programma di log:</translation>
    </message>
</context>
<context>
    <name>frmMacros</name>
    <message>
        <source>Macros</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Function keys</source>
        <translation>Tasti funzione</translation>
    </message>
    <message>
        <source>Button label</source>
        <translation>Etichetta del pulsante</translation>
    </message>
    <message>
        <source>Macro text</source>
        <translation>Testo della macro</translation>
    </message>
    <message>
        <source>Variables: &lt;MYCALL&gt; &lt;CALL&gt; &lt;UTC&gt; &lt;DATE&gt; &lt;MODE&gt; &lt;BW&gt; &lt;FREQ&gt; &lt;BAND&gt;.
&lt;SEND&gt; at the end sends the text at once.</source>
        <translation>Variabili: &lt;MYCALL&gt; &lt;CALL&gt; &lt;UTC&gt; &lt;DATE&gt; &lt;MODE&gt; &lt;BW&gt; &lt;FREQ&gt; &lt;BAND&gt;.
&lt;SEND&gt; alla fine invia subito il testo.</translation>
    </message>
    <message>
        <source>Show macro buttons under the TX box</source>
        <translation>Mostra i pulsanti macro sotto il riquadro TX</translation>
    </message>
    <message>
        <source>&amp;Label:</source>
        <translation>&amp;Etichetta:</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Testo:</translation>
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
        <translation>PTT tramite</translation>
    </message>
    <message>
        <source>VOX/ZK-Board</source>
        <translation>VOX/ZK-Board</translation>
    </message>
    <message>
        <source>Brand:</source>
        <translation>Marca:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modello:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Bauds:</source>
        <translation>Baud:</translation>
    </message>
    <message>
        <source>PTT Pin</source>
        <translation>Pin PTT</translation>
    </message>
    <message>
        <source>CI-V Address:</source>
        <translation>Indirizzo CI-V:</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1
not present</source>
        <extracomment>Tooltip of a serial device that is not plugged in; %1 is its path.</extracomment>
        <translation>%1
non presente</translation>
    </message>
    <message>
        <source>wrong Icom Address format</source>
        <translation>formato dell'indirizzo Icom errato</translation>
    </message>
    <message>
        <source>Invalid serial port</source>
        <translation>Porta seriale non valida</translation>
    </message>
    <message>
        <source>Invalid rigctld port</source>
        <translation>Porta rigctld non valida</translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Setup</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <source>Command Port</source>
        <translation>Porta comandi</translation>
    </message>
    <message>
        <source>Data Port</source>
        <translation>Porta dati</translation>
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
        <translation>Modo KELDO</translation>
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
        <translation>Il mio nominativo</translation>
    </message>
    <message>
        <source>KELDO HF Bandwitdh</source>
        <translation>Larghezza di banda KELDO HF</translation>
    </message>
    <message>
        <source>500 Hz (Narrow)</source>
        <translation>500 Hz (stretta)</translation>
    </message>
    <message>
        <source>2300 Hz (Standard)</source>
        <translation>2300 Hz (standard)</translation>
    </message>
    <message>
        <source>2750 Hz (Tactical)</source>
        <translation>2750 Hz (tattica)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>KELDO HF Modem location</source>
        <translation>Percorso del modem KELDO HF</translation>
    </message>
    <message>
        <source>KELDO FM Modem location</source>
        <translation>Percorso del modem KELDO FM</translation>
    </message>
    <message>
        <source>KELDO SAT Modem location</source>
        <translation>Percorso del modem KELDO SAT</translation>
    </message>
    <message>
        <source>Automatically launch KELDO TNC when KELDO Terminal is opened</source>
        <translation>Avvia automaticamente KELDO TNC all'apertura di KELDO Terminal</translation>
    </message>
    <message>
        <source>Alert on My Call</source>
        <translation>Avviso sul mio nominativo</translation>
    </message>
    <message>
        <source>Mark and announce received text holding your call sign</source>
        <translation>Evidenzia e annuncia il testo ricevuto che contiene il tuo nominativo</translation>
    </message>
    <message>
        <source>Alert Words</source>
        <translation>Parole di avviso</translation>
    </message>
    <message>
        <source>Words to mark and announce in received text, separated by commas</source>
        <translation>Parole da evidenziare e annunciare nel testo ricevuto, separate da virgole</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>TCP Command Port (default: 8300)</source>
        <translation>Porta comandi TCP (predefinita: 8300)</translation>
    </message>
    <message>
        <source>TCP Command Port (default: %1)</source>
        <translation>Porta comandi TCP (predefinita: %1)</translation>
    </message>
    <message>
        <source>No while a connection is is progress.</source>
        <translation>Impossibile mentre è in corso una connessione.</translation>
    </message>
    <message>
        <source>Invalid TCP port</source>
        <translation>Porta TCP non valida</translation>
    </message>
    <message>
        <source>Invalid Host</source>
        <translation>Host non valido</translation>
    </message>
    <message>
        <source>Invalid Call Sign</source>
        <translation>Nominativo non valido</translation>
    </message>
</context>
</TS>
