<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Empty debug area in &apos;%1&apos; (known: %2).</source>
        <translation>Leerer Debug-Bereich in „%1“ (bekannt: %2).</translation>
    </message>
    <message>
        <source>Unknown debug area &apos;%1&apos; (known: %2).</source>
        <translation>Unbekannter Debug-Bereich „%1“ (bekannt: %2).</translation>
    </message>
    <message>
        <source>Use FILE as the settings file (created on the first save). One copy runs per settings file.</source>
        <translation>DATEI als Einstellungsdatei verwenden (wird beim ersten Speichern angelegt). Pro Einstellungsdatei läuft eine Instanz.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Read the remote operation password from standard input, store its hash and exit.</source>
        <translation>Passwort für den Fernbetrieb von der Standardeingabe lesen, seinen Hash speichern und beenden.</translation>
    </message>
    <message>
        <source>Run on standard input and output, without a window or a display.</source>
        <translation>Über Standardein- und -ausgabe laufen, ohne Fenster und ohne grafische Oberfläche.</translation>
    </message>
    <message>
        <source>Write every diagnostic of the areas to standard error: %1 (comma-separated).</source>
        <translation>Alle Diagnosemeldungen der Bereiche auf die Standardfehlerausgabe schreiben: %1 (durch Kommas getrennt).</translation>
    </message>
    <message>
        <source>AREA[,AREA]</source>
        <translation>BEREICH[,BEREICH]</translation>
    </message>
    <message>
        <source>Keyboard chat terminal for the KELDO modems.

Settings: $XDG_CONFIG_HOME/KELDO Terminal/KELDO Terminal.ini (default
~/.config/...) when installed, or when the program&apos;s folder cannot be written;
otherwise &quot;KELDO Terminal.ini&quot; beside the program.</source>
        <translation>Tastatur-Chat-Terminal für die KELDO-Modems.

Einstellungen: $XDG_CONFIG_HOME/KELDO Terminal/KELDO Terminal.ini (Standard
~/.config/...) bei Installation oder wenn der Programmordner nicht beschreibbar ist;
sonst „KELDO Terminal.ini“ neben dem Programm.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Try &apos;keldo-terminal --help&apos; for more information.</source>
        <translation>Weitere Informationen mit „keldo-terminal --help“.</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>KELDO Terminal %1, settings %2. /help lists the commands.</source>
        <translation>KELDO Terminal %1, Einstellungen %2. /help zeigt die Befehle.</translation>
    </message>
    <message>
        <source>/%1 takes nothing after it.</source>
        <translation>/%1 erwartet keine Argumente.</translation>
    </message>
    <message>
        <source>Usage: /connect CALL [VIA1 [VIA2]]</source>
        <translation>Aufruf: /connect CALL [VIA1 [VIA2]]</translation>
    </message>
    <message>
        <source>Unknown command %1: /help lists the commands.</source>
        <translation>Unbekannter Befehl %1: /help zeigt die Befehle.</translation>
    </message>
</context>
<context>
    <name>ConsoleFrontEnd</name>
    <message>
        <source>Screen cleared</source>
        <translation>Bildschirm gelöscht</translation>
    </message>
    <message>
        <source>QSO with %1 logged</source>
        <translation>QSO mit %1 geloggt</translation>
    </message>
    <message>
        <source>QSO with %1 not logged: %2</source>
        <translation>QSO mit %1 nicht geloggt: %2</translation>
    </message>
    <message>
        <source>%1 is calling</source>
        <translation>%1 ruft</translation>
    </message>
    <message>
        <source>Alert word from %1: %2</source>
        <translation>Alarmwort von %1: %2</translation>
    </message>
    <message>
        <source>PTT: %1</source>
        <translation>PTT: %1</translation>
    </message>
    <message>
        <source>PTT %1: %2</source>
        <translation>PTT %1: %2</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>Nicht gesendet: %1</translation>
    </message>
    <message>
        <source>Remote access: %1</source>
        <translation>Fernzugriff: %1</translation>
    </message>
    <message>
        <source>In control: %1</source>
        <translation>Steuerung: %1</translation>
    </message>
    <message>
        <source>Line too long: not sent</source>
        <translation>Zeile zu lang: nicht gesendet</translation>
    </message>
    <message>
        <source>%1 is in control: /control takes it back</source>
        <translation>%1 hat die Steuerung: /control holt sie zurück</translation>
    </message>
    <message>
        <source>Not sent: no connection</source>
        <translation>Nicht gesendet: keine Verbindung</translation>
    </message>
    <message>
        <source>Cannot call %1: not a call sign, or the modem is not linked</source>
        <translation>%1 kann nicht gerufen werden: kein Rufzeichen, oder das Modem ist nicht verbunden</translation>
    </message>
    <message>
        <source>F%1 has no macro</source>
        <translation>F%1 hat kein Makro</translation>
    </message>
    <message>
        <source>F%1 does not end in &lt;SEND&gt;; type it to send it: %2</source>
        <translation>F%1 endet nicht auf &lt;SEND&gt;; zum Senden eintippen: %2</translation>
    </message>
    <message>
        <source>Modem link: %1</source>
        <translation>Modemverbindung: %1</translation>
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
        <source>Connected with %1, %2 bytes received</source>
        <translation>Verbunden mit %1, %2 Bytes empfangen</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>My call sign: %1; QSO logging %2</source>
        <translation>Mein Rufzeichen: %1; QSO-Logging %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>A line is sent as typed (start it with // to send a /).</source>
        <translation>Eine Zeile wird so gesendet, wie sie getippt wurde (mit // beginnen, um ein / zu senden).</translation>
    </message>
    <message>
        <source>/connect CALL [VIA1 [VIA2]]  call a station</source>
        <translation>/connect CALL [VIA1 [VIA2]]  eine Station rufen</translation>
    </message>
    <message>
        <source>/stop                        end the connection or the call</source>
        <translation>/stop                        Verbindung oder Anruf beenden</translation>
    </message>
    <message>
        <source>/clear                       clear the screen</source>
        <translation>/clear                       Bildschirm löschen</translation>
    </message>
    <message>
        <source>/f1 ... /f12                 the macros</source>
        <translation>/f1 ... /f12                 die Makros</translation>
    </message>
    <message>
        <source>/status                      the link, the connection, who is in control</source>
        <translation>/status                      Modemverbindung, Funkverbindung, wer steuert</translation>
    </message>
    <message>
        <source>/control                     take control back from a browser</source>
        <translation>/control                     Steuerung von einem Browser zurückholen</translation>
    </message>
    <message>
        <source>/quit                        end, as closing the window does</source>
        <translation>/quit                        beenden, wie beim Schließen des Fensters</translation>
    </message>
    <message>
        <source>Waiting for the modem to end the connection...</source>
        <translation>Warte, bis das Modem die Verbindung beendet...</translation>
    </message>
</context>
<context>
    <name>ConsoleOutput</name>
    <message numerus="yes">
        <source>[%n line(s) dropped: the output did not keep up]</source>
        <translation>
            <numerusform>[%n Zeile verworfen: die Ausgabe kam nicht hinterher]</numerusform>
            <numerusform>[%n Zeilen verworfen: die Ausgabe kam nicht hinterher]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConversationLog</name>
    <message>
        <source>the folder does not answer</source>
        <translation>der Ordner antwortet nicht</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>The conversation log cannot be written to %1: %2.
The conversation goes on; logging resumes as soon as the file can be written.</source>
        <translation>Das Gesprächsprotokoll kann nicht in %1 geschrieben werden: %2.
Das Gespräch läuft weiter; die Protokollierung wird fortgesetzt, sobald die Datei wieder beschreibbar ist.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen symbolischer Links</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>a link, not a file</source>
        <translation>ein Link, keine Datei</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>größer als %1 Bytes</translation>
    </message>
    <message>
        <source>the file does not read as an ADIF logbook; it is left as it is</source>
        <translation>die Datei ist kein lesbares ADIF-Logbuch; sie bleibt unverändert</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>Error: Another copy of KELDO Terminal is running from this folder. Only one copy can be run at a time from the same folder</source>
        <translation>Fehler: Aus diesem Ordner läuft bereits eine andere Instanz von KELDO Terminal. Aus demselben Ordner kann jeweils nur eine Instanz laufen</translation>
    </message>
</context>
<context>
    <name>Logbook</name>
    <message>
        <source>the folder does not answer</source>
        <translation>der Ordner antwortet nicht</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO record(s) could not be written to the logbook %1:
%2

They are kept in %3 and written as soon as the logbook can take them: at the next QSO, when the logbook settings are opened, or at the next start.</source>
        <translation>
            <numerusform>%n QSO konnte nicht ins Logbuch %1 geschrieben werden:
%2

Es wird in %3 aufbewahrt und geschrieben, sobald das Logbuch es aufnehmen kann: beim nächsten QSO, beim Öffnen der Logbuch-Einstellungen oder beim nächsten Start.</numerusform>
            <numerusform>%n QSOs konnten nicht ins Logbuch %1 geschrieben werden:
%2

Sie werden in %3 aufbewahrt und geschrieben, sobald das Logbuch sie aufnehmen kann: beim nächsten QSO, beim Öffnen der Logbuch-Einstellungen oder beim nächsten Start.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>KELDO Terminal</source>
        <translation>KELDO Terminal</translation>
    </message>
</context>
<context>
    <name>Presenter</name>
    <message>
        <source>Conversation log cannot be written: %1</source>
        <translation>Gesprächsprotokoll nicht schreibbar: %1</translation>
    </message>
    <message>
        <source>QSO records waiting for the logbook: %1</source>
        <translation>QSOs warten auf das Logbuch: %1</translation>
    </message>
    <message>
        <source>Unkeyed: the link to the modem was lost</source>
        <translation>PTT aus: Verbindung zum Modem verloren</translation>
    </message>
    <message>
        <source>Unkeyed: the modem&apos;s data link was lost and no PTT OFF came</source>
        <translation>PTT aus: Datenverbindung des Modems verloren, kein PTT OFF erhalten</translation>
    </message>
    <message>
        <source>Unkeyed: the connection ended and no PTT OFF came</source>
        <translation>PTT aus: Verbindung beendet, kein PTT OFF erhalten</translation>
    </message>
    <message>
        <source>Unkeyed: the connection was stopped and no PTT OFF came</source>
        <translation>PTT aus: Verbindung abgebrochen, kein PTT OFF erhalten</translation>
    </message>
    <message>
        <source>Unkeyed: the keying settings changed</source>
        <translation>PTT aus: PTT-Einstellungen geändert</translation>
    </message>
    <message>
        <source>PTT time-out: keyed for more than %1 s without PTT OFF. Released until the modem sends PTT OFF.</source>
        <translation>PTT-Zeitüberschreitung: über %1 s getastet ohne PTT OFF. Freigegeben, bis das Modem PTT OFF sendet.</translation>
    </message>
    <message>
        <source>PTT OFF</source>
        <translation>PTT aus</translation>
    </message>
    <message>
        <source>TCP link disconnected</source>
        <translation>TCP-Verbindung getrennt</translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Wird getrennt...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Modem Disconnected</source>
        <translation>Modem getrennt</translation>
    </message>
    <message>
        <source>rigctld sent a line too long for a frequency: connection dropped</source>
        <translation>rigctld sandte eine für eine Frequenz zu lange Zeile: Verbindung getrennt</translation>
    </message>
    <message>
        <source>Modem Connected</source>
        <translation>Modem verbunden</translation>
    </message>
    <message>
        <source>Modem Connected, %1 MHz</source>
        <translation>Modem verbunden, %1 MHz</translation>
    </message>
    <message>
        <source>Logger %1 cannot be reached: host not found</source>
        <translation>Logprogramm %1 nicht erreichbar: Host nicht gefunden</translation>
    </message>
    <message>
        <source>Logger %1 cannot be reached</source>
        <translation>Logprogramm %1 nicht erreichbar</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a failure and its detail</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Connecting with %1 ...</source>
        <translation>Verbinde mit %1 ...</translation>
    </message>
    <message>
        <source>Via %1</source>
        <translation>Via %1</translation>
    </message>
    <message>
        <source>%1 Bytes Sent</source>
        <translation>%1 Bytes TX</translation>
    </message>
    <message>
        <source>%1 Bytes Rcvd</source>
        <translation>%1 Bytes RX</translation>
    </message>
    <message>
        <source>PTT ON</source>
        <translation>PTT ein</translation>
    </message>
    <message>
        <source>%1 closed: %2</source>
        <translation>%1 geschlossen: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>where keying failed, and why</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>RemoteCertificate</name>
    <message>
        <source>The certificate or its key cannot be read (%1, %2).</source>
        <translation>Das Zertifikat oder sein Schlüssel ist nicht lesbar (%1, %2).</translation>
    </message>
    <message>
        <source>The certificate or its key is not in PEM form (%1, %2).</source>
        <translation>Das Zertifikat oder sein Schlüssel liegt nicht im PEM-Format vor (%1, %2).</translation>
    </message>
    <message>
        <source>The key file cannot be made in %1.</source>
        <translation>Die Schlüsseldatei kann in %1 nicht angelegt werden.</translation>
    </message>
    <message>
        <source>No certificate could be made: the openssl command failed or is missing (%1).</source>
        <translation>Es konnte kein Zertifikat erstellt werden: der Befehl openssl schlug fehl oder fehlt (%1).</translation>
    </message>
    <message>
        <source>The certificate cannot be kept in %1.</source>
        <translation>Das Zertifikat kann nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source>KELDO Terminal</source>
        <translation>KELDO Terminal</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Received text</source>
        <translation>Empfangener Text</translation>
    </message>
    <message>
        <source>Text to send (Enter sends)</source>
        <translation>Zu sendender Text (Enter sendet)</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>Via</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Take control</source>
        <translation>Steuerung übernehmen</translation>
    </message>
    <message>
        <source>In control:</source>
        <translation>Steuerung:</translation>
    </message>
    <message>
        <source>you</source>
        <translation>Sie</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Bytes sent</source>
        <translation>Bytes gesendet</translation>
    </message>
    <message>
        <source>Bytes received</source>
        <translation>Bytes empfangen</translation>
    </message>
    <message>
        <source>PTT ON</source>
        <translation>PTT ein</translation>
    </message>
    <message>
        <source>PTT OFF</source>
        <translation>PTT aus</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Makros</translation>
    </message>
    <message>
        <source>Log this QSO</source>
        <translation>Dieses QSO loggen</translation>
    </message>
    <message>
        <source>Do not log</source>
        <translation>Nicht loggen</translation>
    </message>
    <message>
        <source>Connection to the station lost; trying again...</source>
        <translation>Verbindung zur Station verloren; neuer Versuch...</translation>
    </message>
    <message>
        <source>TCP link up</source>
        <translation>TCP-Verbindung steht</translation>
    </message>
    <message>
        <source>TCP link waiting</source>
        <translation>TCP-Verbindung wartet</translation>
    </message>
    <message>
        <source>TCP link down</source>
        <translation>TCP-Verbindung unterbrochen</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 Treffer</translation>
    </message>
</context>
<context>
    <name>RemotePassword</name>
    <message>
        <source>The password could not be stored in %1: %2</source>
        <translation>Das Passwort konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>Remote operation is off.</source>
        <translation>Der Fernbetrieb ist ausgeschaltet.</translation>
    </message>
    <message>
        <source>Remote operation needs a password: set one with keldo-terminal --set-remote-password.</source>
        <translation>Der Fernbetrieb braucht ein Passwort: mit keldo-terminal --set-remote-password festlegen.</translation>
    </message>
    <message>
        <source>The stored remote password cannot be used: set it again with keldo-terminal --set-remote-password.</source>
        <translation>Das gespeicherte Passwort für den Fernbetrieb ist unbrauchbar: mit keldo-terminal --set-remote-password neu festlegen.</translation>
    </message>
    <message>
        <source>The listen address %1 is not an address.</source>
        <translation>Die Server-Adresse %1 ist keine Adresse.</translation>
    </message>
    <message>
        <source>Cannot listen on %1 (in use, or not this machine&apos;s).</source>
        <translation>Der Server kann nicht auf %1 lauschen (belegt oder keine Adresse dieses Rechners).</translation>
    </message>
    <message>
        <source>Serving on https://%1:%2/ (certificate SHA-256 %3).</source>
        <translation>Bereit unter https://%1:%2/ (Zertifikat SHA-256 %3).</translation>
    </message>
    <message>
        <source>Wrong password.</source>
        <translation>Falsches Passwort.</translation>
    </message>
    <message>
        <source>the desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>the console</source>
        <translation>Konsole</translation>
    </message>
    <message>
        <source>a browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>a browser at %1</source>
        <translation>Browser unter %1</translation>
    </message>
    <message>
        <source>Another front end is in control. Take control first.</source>
        <translation>Eine andere Oberfläche hat die Steuerung. Zuerst die Steuerung übernehmen.</translation>
    </message>
    <message>
        <source>Making the certificate...</source>
        <translation>Zertifikat wird erstellt...</translation>
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
    <name>SerialPortList</name>
    <message>
        <source>%1, serial %2</source>
        <translation>%1, Seriennummer %2</translation>
    </message>
</context>
<context>
    <name>SettingsController</name>
    <message>
        <source>The remote access settings could not be saved to %1
%2</source>
        <translation>Die Einstellungen für den Fernzugriff konnten nicht in %1 gespeichert werden
%2</translation>
    </message>
    <message>
        <source>the settings folder does not answer</source>
        <translation>der Einstellungsordner antwortet nicht</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>the settings folder does not answer</source>
        <translation>der Einstellungsordner antwortet nicht</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1
%2</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden
%2</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>%1 cannot be started</source>
        <translation>%1 kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>%1 cannot be started: %2</source>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>Unable to open radio serial port %1. May be in use by another application.</source>
        <translation>Die serielle Schnittstelle %1 des Funkgeräts lässt sich nicht öffnen. Vielleicht wird sie von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>PTT port %1 lost while transmitting: the radio may still be on the air</source>
        <translation>PTT-Port %1 beim Senden verloren: das Funkgerät sendet womöglich noch</translation>
    </message>
    <message>
        <source>PTT port %1 back: transmitter released</source>
        <translation>PTT-Port %1 wieder da: Sender freigegeben</translation>
    </message>
    <message>
        <source>Transmit time-out: transmitter released until the modem sends PTT OFF</source>
        <translation>Sendezeit überschritten: Sender freigegeben, bis das Modem PTT OFF sendet</translation>
    </message>
    <message>
        <source>The folder %1 does not answer: writing %2 did not finish within %3 s.
The terminal goes on without it; what could not be written is kept where it can be and written when the folder answers again.</source>
        <translation>Der Ordner %1 antwortet nicht: das Schreiben von %2 wurde nicht innerhalb von %3 s fertig.
Das Terminal arbeitet ohne ihn weiter; was nicht geschrieben werden konnte, wird nach Möglichkeit aufbewahrt und geschrieben, sobald der Ordner wieder antwortet.</translation>
    </message>
    <message>
        <source>the desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>the console</source>
        <translation>Konsole</translation>
    </message>
    <message>
        <source>a browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Control link to %1 lost: stopped, the unsent text kept</source>
        <translation>Steuerverbindung zu %1 verloren: gestoppt, ungesendeter Text bleibt erhalten</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>Datei %1 nicht gefunden</translation>
    </message>
    <message>
        <source>Linux path tried: %1</source>
        <translation>Versuchter Linux-Pfad: %1</translation>
    </message>
    <message>
        <source>%1 cannot be started: it is a Windows program, and &quot;wine&quot; was not found on the PATH.
Install Wine to run it, or choose a modem program for Linux.</source>
        <translation>%1 kann nicht gestartet werden: es ist ein Windows-Programm, und „wine“ wurde im PATH nicht gefunden.
Installieren Sie Wine, um es auszuführen, oder wählen Sie ein Modemprogramm für Linux.</translation>
    </message>
</context>
<context>
    <name>StationRemote</name>
    <message>
        <source>Calling %1</source>
        <translation>%1 wird gerufen</translation>
    </message>
    <message>
        <source>Log the QSO with %1?</source>
        <translation>QSO mit %1 loggen?</translation>
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
    <name>Terminal</name>
    <message>
        <source>No connection with %1</source>
        <translation>Keine Verbindung mit %1</translation>
    </message>
    <message>
        <source>No connection with %1 via %2</source>
        <translation>Keine Verbindung mit %1 via %2</translation>
    </message>
    <message>
        <source>Connection ended</source>
        <translation>Verbindung beendet</translation>
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
        <translation>Noch keine Einstellungen vorhanden. Zu Beginn Ihr Rufzeichen und Ihr Modem (später änderbar unter Einstellungen → Terminal einrichten...).</translation>
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
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Terminal Setup...</source>
        <translation>Terminal einrichten...</translation>
    </message>
    <message>
        <source>PTT...</source>
        <translation>PTT...</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Speaker Colours</source>
        <translation>Farben je Sprecher</translation>
    </message>
    <message>
        <source>Time Stamps</source>
        <translation>Zeitstempel</translation>
    </message>
    <message>
        <source>Notify on Incoming Call</source>
        <translation>Bei eingehendem Anruf benachrichtigen</translation>
    </message>
    <message>
        <source>Log Conversations</source>
        <translation>Gespräche protokollieren</translation>
    </message>
    <message>
        <source>Log Folder...</source>
        <translation>Protokollordner...</translation>
    </message>
    <message>
        <source>Logbook...</source>
        <translation>Logbuch...</translation>
    </message>
    <message>
        <source>Open Logs Folder</source>
        <translation>Protokollordner öffnen</translation>
    </message>
    <message>
        <source>Remote Access...</source>
        <translation>Fernzugriff...</translation>
    </message>
    <message>
        <source>Macros...</source>
        <translation>Makros...</translation>
    </message>
    <message>
        <source>Show Macro Bar</source>
        <translation>Makroleiste anzeigen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
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
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>Call a station</source>
        <translation>Eine Station rufen</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>End the connection</source>
        <translation>Verbindung beenden</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Empty the RX screen</source>
        <translation>Empfangsfeld leeren</translation>
    </message>
    <message>
        <source>T&amp;ake Control</source>
        <translation>Steuerung über&amp;nehmen</translation>
    </message>
    <message>
        <source>Operate the station from here again</source>
        <translation>Die Station wieder von hier aus bedienen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>KELDO Google Group</source>
        <translation>KELDO-Google-Gruppe</translation>
    </message>
    <message>
        <source>KELDO download site</source>
        <translation>KELDO-Downloadseite</translation>
    </message>
    <message>
        <source>ChangeLog</source>
        <translation>Änderungsprotokoll</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>RX Screen</source>
        <translation>Empfangsfeld</translation>
    </message>
    <message>
        <source>Received text</source>
        <translation>Empfangener Text</translation>
    </message>
    <message>
        <source>The conversation: what the other station sent and what you sent</source>
        <translation>Das Gespräch: was die Gegenstation gesendet hat und was Sie gesendet haben</translation>
    </message>
    <message>
        <source>Sending progress</source>
        <translation>Sendefortschritt</translation>
    </message>
    <message>
        <source>How much of the text being sent the modem has transmitted</source>
        <translation>Wie viel vom zu sendenden Text das Modem schon ausgesendet hat</translation>
    </message>
    <message>
        <source>TX Screen</source>
        <translation>Sendefeld</translation>
    </message>
    <message>
        <source>Text to send</source>
        <translation>Zu sendender Text</translation>
    </message>
    <message>
        <source>Type your text here; Enter sends it</source>
        <translation>Text hier eingeben; Enter sendet ihn</translation>
    </message>
    <message>
        <source>Send text (ENTER key)</source>
        <translation>Text senden (ENTER-Taste)</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Sends the typed text to the other station (Enter key)</source>
        <translation>Sendet den eingegebenen Text an die Gegenstation (Enter-Taste)</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Makros</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>In control: %1. This window only watches; Take Control (Ctrl+Shift+T) operates from here.</source>
        <translation>Steuerung: %1. Dieses Fenster schaut nur zu; Steuerung übernehmen (Ctrl+Shift+T) bedient von hier aus.</translation>
    </message>
    <message>
        <source>KELDO Terminal is not connected with KELDO Modem</source>
        <translation>KELDO Terminal ist nicht mit KELDO Modem verbunden</translation>
    </message>
    <message>
        <source>No program to show text files was found (such as xdg-open).
The change log is the file %1</source>
        <translation>Es wurde kein Programm zum Anzeigen von Textdateien gefunden (etwa xdg-open).
Das Änderungsprotokoll ist die Datei %1</translation>
    </message>
    <message>
        <source>%1 not found</source>
        <translation>%1 nicht gefunden</translation>
    </message>
    <message>
        <source>The logs folder could not be opened: no program to open folders was found.
The logs are in %1</source>
        <translation>Der Protokollordner konnte nicht geöffnet werden: kein Programm zum Öffnen von Ordnern gefunden.
Die Protokolle liegen in %1</translation>
    </message>
    <message>
        <source>Log Folder</source>
        <translation>Protokollordner</translation>
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
    <name>frmRemote</name>
    <message>
        <source>Remote Access</source>
        <translation>Fernzugriff</translation>
    </message>
    <message>
        <source>&amp;Let browsers operate this station</source>
        <translation>Bedienung per &amp;Browser erlauben</translation>
    </message>
    <message>
        <source>Listen address</source>
        <translation>Server-Adresse</translation>
    </message>
    <message>
        <source>127.0.0.1: this computer only; 0.0.0.0: every network</source>
        <translation>127.0.0.1: nur dieser Rechner; 0.0.0.0: alle Netzwerke</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>New password again</source>
        <translation>Neues Passwort wiederholen</translation>
    </message>
    <message>
        <source>A password is set; leave both boxes empty to keep it.</source>
        <translation>Ein Passwort ist gesetzt; beide Felder leer lassen, um es zu behalten.</translation>
    </message>
    <message>
        <source>No password is set: browsers cannot log in until one is.</source>
        <translation>Kein Passwort gesetzt: Browser können sich erst anmelden, wenn eines gesetzt ist.</translation>
    </message>
    <message>
        <source>Listen &amp;address:</source>
        <translation>Server-&amp;Adresse:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>&amp;Neues Passwort:</translation>
    </message>
    <message>
        <source>&amp;Repeat it:</source>
        <translation>&amp;Wiederholen:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Browsers connected</source>
        <translation>Verbundene Browser</translation>
    </message>
    <message>
        <source>&amp;Take control</source>
        <translation>Steuerung &amp;übernehmen</translation>
    </message>
    <message>
        <source>&amp;Disconnect all</source>
        <translation>Alle &amp;trennen</translation>
    </message>
    <message>
        <source>Open:</source>
        <translation>Adressen:</translation>
    </message>
    <message>
        <source>Certificate SHA-256:</source>
        <translation>Zertifikat SHA-256:</translation>
    </message>
    <message>
        <source>Connected:</source>
        <translation>Verbunden:</translation>
    </message>
    <message>
        <source>In control:</source>
        <translation>Steuerung:</translation>
    </message>
    <message>
        <source>Serving.</source>
        <translation>Server läuft.</translation>
    </message>
    <message>
        <source>Not serving.</source>
        <translation>Server läuft nicht.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The listen address must be an IP address, such as 127.0.0.1 or 0.0.0.0.</source>
        <translation>Die Server-Adresse muss eine IP-Adresse sein, etwa 127.0.0.1 oder 0.0.0.0.</translation>
    </message>
    <message>
        <source>The port must be a number from %1 to %2.</source>
        <translation>Der Port muss eine Zahl von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>The two passwords differ: type the same one twice.</source>
        <translation>Die beiden Passwörter unterscheiden sich: zweimal dasselbe eingeben.</translation>
    </message>
    <message numerus="yes">
        <source>The password is too short: at least %n characters, please.</source>
        <translation>
            <numerusform>Das Passwort ist zu kurz: bitte mindestens %n Zeichen.</numerusform>
            <numerusform>Das Passwort ist zu kurz: bitte mindestens %n Zeichen.</numerusform>
        </translation>
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
