<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CommandLine</name>
    <message>
        <source>Empty debug area in &apos;%1&apos; (known: %2).</source>
        <translation>Area di debug vuota in &apos;%1&apos; (disponibili: %2).</translation>
    </message>
    <message>
        <source>Unknown debug area &apos;%1&apos; (known: %2).</source>
        <translation>Area di debug sconosciuta &apos;%1&apos; (disponibili: %2).</translation>
    </message>
    <message>
        <source>Use FILE as the settings file (created on the first save). One copy runs per settings file.</source>
        <translation>Usa FILE come file delle impostazioni (creato al primo salvataggio). Per ogni file delle impostazioni si avvia una sola copia.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Read the remote operation password from standard input, store its hash and exit.</source>
        <translation>Legge dallo standard input la password per l&apos;uso da remoto, ne salva l&apos;hash ed esce.</translation>
    </message>
    <message>
        <source>Run on standard input and output, without a window or a display.</source>
        <translation>Funziona su standard input e output, senza finestra né display.</translation>
    </message>
    <message>
        <source>Write every diagnostic of the areas to standard error: %1 (comma-separated).</source>
        <translation>Scrive su standard error tutti i messaggi diagnostici delle aree: %1 (separate da virgole).</translation>
    </message>
    <message>
        <source>AREA[,AREA]</source>
        <translation>AREA[,AREA]</translation>
    </message>
    <message>
        <source>Keyboard chat terminal for the KELDO modems.

Settings: $XDG_CONFIG_HOME/KELDO Terminal/KELDO Terminal.ini (default
~/.config/...) when installed, or when the program&apos;s folder cannot be written;
otherwise &quot;KELDO Terminal.ini&quot; beside the program.</source>
        <translation>Terminale di chat da tastiera per i modem KELDO.

Impostazioni: $XDG_CONFIG_HOME/KELDO Terminal/KELDO Terminal.ini (predefinito
~/.config/...) se il programma è installato o se la sua cartella non è scrivibile;
altrimenti &quot;KELDO Terminal.ini&quot; accanto al programma.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Try &apos;keldo-terminal --help&apos; for more information.</source>
        <translation>Usa &apos;keldo-terminal --help&apos; per maggiori informazioni.</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>KELDO Terminal %1, settings %2. /help lists the commands.</source>
        <translation>KELDO Terminal %1, impostazioni %2. /help elenca i comandi.</translation>
    </message>
    <message>
        <source>/%1 takes nothing after it.</source>
        <translation>/%1 non accetta argomenti.</translation>
    </message>
    <message>
        <source>Usage: /connect CALL [VIA1 [VIA2]]</source>
        <translation>Uso: /connect CALL [VIA1 [VIA2]]</translation>
    </message>
    <message>
        <source>Unknown command %1: /help lists the commands.</source>
        <translation>Comando sconosciuto %1: /help elenca i comandi.</translation>
    </message>
</context>
<context>
    <name>ConsoleFrontEnd</name>
    <message>
        <source>Screen cleared</source>
        <translation>Schermo pulito</translation>
    </message>
    <message>
        <source>QSO with %1 logged</source>
        <translation>QSO con %1 registrato</translation>
    </message>
    <message>
        <source>QSO with %1 not logged: %2</source>
        <translation>QSO con %1 non registrato: %2</translation>
    </message>
    <message>
        <source>%1 is calling</source>
        <translation>%1 sta chiamando</translation>
    </message>
    <message>
        <source>Alert word from %1: %2</source>
        <translation>Parola di avviso da %1: %2</translation>
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
        <translation>Non inviato: %1</translation>
    </message>
    <message>
        <source>Remote access: %1</source>
        <translation>Accesso remoto: %1</translation>
    </message>
    <message>
        <source>In control: %1</source>
        <translation>Ha il controllo: %1</translation>
    </message>
    <message>
        <source>Line too long: not sent</source>
        <translation>Riga troppo lunga: non inviata</translation>
    </message>
    <message>
        <source>%1 is in control: /control takes it back</source>
        <translation>%1 ha il controllo: /control lo riprende</translation>
    </message>
    <message>
        <source>Not sent: no connection</source>
        <translation>Non inviato: nessuna connessione</translation>
    </message>
    <message>
        <source>Cannot call %1: not a call sign, or the modem is not linked</source>
        <translation>Impossibile chiamare %1: non è un nominativo, o il modem non è collegato</translation>
    </message>
    <message>
        <source>F%1 has no macro</source>
        <translation>F%1 non ha una macro</translation>
    </message>
    <message>
        <source>F%1 does not end in &lt;SEND&gt;; type it to send it: %2</source>
        <translation>F%1 non termina con &lt;SEND&gt;; digitala per inviarla: %2</translation>
    </message>
    <message>
        <source>Modem link: %1</source>
        <translation>Collegamento al modem: %1</translation>
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
        <source>Connected with %1, %2 bytes received</source>
        <translation>Connesso con %1, %2 byte ricevuti</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connesso</translation>
    </message>
    <message>
        <source>My call sign: %1; QSO logging %2</source>
        <translation>Il mio nominativo: %1; registrazione dei QSO %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>attiva</translation>
    </message>
    <message>
        <source>off</source>
        <translation>disattivata</translation>
    </message>
    <message>
        <source>A line is sent as typed (start it with // to send a /).</source>
        <translation>Ogni riga viene inviata così come è scritta (iniziala con // per inviare una /).</translation>
    </message>
    <message>
        <source>/connect CALL [VIA1 [VIA2]]  call a station</source>
        <translation>/connect CALL [VIA1 [VIA2]]  chiama una stazione</translation>
    </message>
    <message>
        <source>/stop                        end the connection or the call</source>
        <translation>/stop                        termina la connessione o la chiamata</translation>
    </message>
    <message>
        <source>/clear                       clear the screen</source>
        <translation>/clear                       pulisce lo schermo</translation>
    </message>
    <message>
        <source>/f1 ... /f12                 the macros</source>
        <translation>/f1 ... /f12                 le macro</translation>
    </message>
    <message>
        <source>/status                      the link, the connection, who is in control</source>
        <translation>/status                      il collegamento, la connessione, chi ha il controllo</translation>
    </message>
    <message>
        <source>/control                     take control back from a browser</source>
        <translation>/control                     riprende il controllo da un browser</translation>
    </message>
    <message>
        <source>/quit                        end, as closing the window does</source>
        <translation>/quit                        esce, come chiudendo la finestra</translation>
    </message>
    <message>
        <source>Waiting for the modem to end the connection...</source>
        <translation>In attesa che il modem termini la connessione...</translation>
    </message>
</context>
<context>
    <name>ConsoleOutput</name>
    <message numerus="yes">
        <source>[%n line(s) dropped: the output did not keep up]</source>
        <translation>
            <numerusform>[%n riga scartata: l&apos;output non ha tenuto il passo]</numerusform>
            <numerusform>[%n righe scartate: l&apos;output non ha tenuto il passo]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConversationLog</name>
    <message>
        <source>the folder does not answer</source>
        <translation>la cartella non risponde</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>The conversation log cannot be written to %1: %2.
The conversation goes on; logging resumes as soon as the file can be written.</source>
        <translation>Impossibile scrivere il registro della conversazione in %1: %2.
La conversazione continua; la registrazione riprende appena il file sarà scrivibile.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Troppi livelli di collegamenti simbolici</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Il file è di sola lettura.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>a link, not a file</source>
        <translation>è un collegamento, non un file</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>più grande di %1 byte</translation>
    </message>
    <message>
        <source>the file does not read as an ADIF logbook; it is left as it is</source>
        <translation>il file non risulta un logbook ADIF; viene lasciato com&apos;è</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>Error: Another copy of KELDO Terminal is running from this folder. Only one copy can be run at a time from the same folder</source>
        <translation>Errore: un&apos;altra copia di KELDO Terminal è in esecuzione da questa cartella. Dalla stessa cartella si può eseguire una sola copia alla volta</translation>
    </message>
</context>
<context>
    <name>Logbook</name>
    <message>
        <source>the folder does not answer</source>
        <translation>la cartella non risponde</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO record(s) could not be written to the logbook %1:
%2

They are kept in %3 and written as soon as the logbook can take them: at the next QSO, when the logbook settings are opened, or at the next start.</source>
        <translation>
            <numerusform>Impossibile scrivere %n QSO nel logbook %1:
%2

Viene conservato in %3 e scritto appena il logbook potrà riceverlo: al prossimo QSO, all&apos;apertura delle impostazioni del logbook o al prossimo avvio.</numerusform>
            <numerusform>Impossibile scrivere %n QSO nel logbook %1:
%2

Vengono conservati in %3 e scritti appena il logbook potrà riceverli: al prossimo QSO, all&apos;apertura delle impostazioni del logbook o al prossimo avvio.</numerusform>
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
        <translation>Impossibile scrivere il registro della conversazione: %1</translation>
    </message>
    <message>
        <source>QSO records waiting for the logbook: %1</source>
        <translation>QSO in attesa del logbook: %1</translation>
    </message>
    <message>
        <source>Unkeyed: the link to the modem was lost</source>
        <translation>PTT rilasciato: perso il collegamento al modem</translation>
    </message>
    <message>
        <source>Unkeyed: the modem&apos;s data link was lost and no PTT OFF came</source>
        <translation>PTT rilasciato: perso il collegamento dati del modem senza PTT OFF</translation>
    </message>
    <message>
        <source>Unkeyed: the connection ended and no PTT OFF came</source>
        <translation>PTT rilasciato: connessione terminata senza PTT OFF</translation>
    </message>
    <message>
        <source>Unkeyed: the connection was stopped and no PTT OFF came</source>
        <translation>PTT rilasciato: connessione interrotta senza PTT OFF</translation>
    </message>
    <message>
        <source>Unkeyed: the keying settings changed</source>
        <translation>PTT rilasciato: impostazioni del PTT cambiate</translation>
    </message>
    <message>
        <source>PTT time-out: keyed for more than %1 s without PTT OFF. Released until the modem sends PTT OFF.</source>
        <translation>Timeout PTT: in trasmissione da più di %1 s senza PTT OFF. Rilasciato finché il modem non invia PTT OFF.</translation>
    </message>
    <message>
        <source>PTT OFF</source>
        <translation>PTT OFF</translation>
    </message>
    <message>
        <source>TCP link disconnected</source>
        <translation>Collegamento TCP disconnesso</translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Disconnessione...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>Modem Disconnected</source>
        <translation>Modem disconnesso</translation>
    </message>
    <message>
        <source>rigctld sent a line too long for a frequency: connection dropped</source>
        <translation>rigctld ha inviato una riga troppo lunga per una frequenza: connessione chiusa</translation>
    </message>
    <message>
        <source>Modem Connected</source>
        <translation>Modem connesso</translation>
    </message>
    <message>
        <source>Modem Connected, %1 MHz</source>
        <translation>Modem connesso, %1 MHz</translation>
    </message>
    <message>
        <source>Logger %1 cannot be reached: host not found</source>
        <translation>Programma di log %1 non raggiungibile: host non trovato</translation>
    </message>
    <message>
        <source>Logger %1 cannot be reached</source>
        <translation>Programma di log %1 non raggiungibile</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a failure and its detail</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Connecting with %1 ...</source>
        <translation>Connessione con %1 ...</translation>
    </message>
    <message>
        <source>Via %1</source>
        <translation>Via %1</translation>
    </message>
    <message>
        <source>%1 Bytes Sent</source>
        <translation>%1 byte inv.</translation>
    </message>
    <message>
        <source>%1 Bytes Rcvd</source>
        <translation>%1 byte ric.</translation>
    </message>
    <message>
        <source>PTT ON</source>
        <translation>PTT ON</translation>
    </message>
    <message>
        <source>%1 closed: %2</source>
        <translation>%1 chiusa: %2</translation>
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
        <translation>Impossibile leggere il certificato o la sua chiave (%1, %2).</translation>
    </message>
    <message>
        <source>The certificate or its key is not in PEM form (%1, %2).</source>
        <translation>Il certificato o la sua chiave non è in formato PEM (%1, %2).</translation>
    </message>
    <message>
        <source>The key file cannot be made in %1.</source>
        <translation>Impossibile creare il file della chiave in %1.</translation>
    </message>
    <message>
        <source>No certificate could be made: the openssl command failed or is missing (%1).</source>
        <translation>Impossibile creare un certificato: il comando openssl non è riuscito o manca (%1).</translation>
    </message>
    <message>
        <source>The certificate cannot be kept in %1.</source>
        <translation>Impossibile salvare il certificato in %1.</translation>
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
        <translation>Password</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Received text</source>
        <translation>Testo ricevuto</translation>
    </message>
    <message>
        <source>Text to send (Enter sends)</source>
        <translation>Testo da inviare (Enter invia)</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Nominativo</translation>
    </message>
    <message>
        <source>Via</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Pulisci</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Successivo</translation>
    </message>
    <message>
        <source>Take control</source>
        <translation>Prendi il controllo</translation>
    </message>
    <message>
        <source>In control:</source>
        <translation>Ha il controllo:</translation>
    </message>
    <message>
        <source>you</source>
        <translation>tu</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Collegamento</translation>
    </message>
    <message>
        <source>Bytes sent</source>
        <translation>Byte inviati</translation>
    </message>
    <message>
        <source>Bytes received</source>
        <translation>Byte ricevuti</translation>
    </message>
    <message>
        <source>PTT ON</source>
        <translation>PTT ON</translation>
    </message>
    <message>
        <source>PTT OFF</source>
        <translation>PTT OFF</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Log this QSO</source>
        <translation>Registra questo QSO</translation>
    </message>
    <message>
        <source>Do not log</source>
        <translation>Non registrare</translation>
    </message>
    <message>
        <source>Connection to the station lost; trying again...</source>
        <translation>Connessione con la stazione persa; nuovo tentativo...</translation>
    </message>
    <message>
        <source>TCP link up</source>
        <translation>Collegamento TCP attivo</translation>
    </message>
    <message>
        <source>TCP link waiting</source>
        <translation>Collegamento TCP in attesa</translation>
    </message>
    <message>
        <source>TCP link down</source>
        <translation>Collegamento TCP interrotto</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>risultati</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 risultato</translation>
    </message>
</context>
<context>
    <name>RemotePassword</name>
    <message>
        <source>The password could not be stored in %1: %2</source>
        <translation>Impossibile salvare la password in %1: %2</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>Remote operation is off.</source>
        <translation>Il funzionamento da remoto è disattivato.</translation>
    </message>
    <message>
        <source>Remote operation needs a password: set one with keldo-terminal --set-remote-password.</source>
        <translation>Il funzionamento da remoto richiede una password: impostala con keldo-terminal --set-remote-password.</translation>
    </message>
    <message>
        <source>The stored remote password cannot be used: set it again with keldo-terminal --set-remote-password.</source>
        <translation>La password remota salvata non è utilizzabile: impostala di nuovo con keldo-terminal --set-remote-password.</translation>
    </message>
    <message>
        <source>The listen address %1 is not an address.</source>
        <translation>L&apos;indirizzo di ascolto %1 non è un indirizzo.</translation>
    </message>
    <message>
        <source>Cannot listen on %1 (in use, or not this machine&apos;s).</source>
        <translation>Impossibile ascoltare su %1 (è in uso, o non appartiene a questo computer).</translation>
    </message>
    <message>
        <source>Serving on https://%1:%2/ (certificate SHA-256 %3).</source>
        <translation>Attivo su https://%1:%2/ (certificato SHA-256 %3).</translation>
    </message>
    <message>
        <source>Wrong password.</source>
        <translation>Password errata.</translation>
    </message>
    <message>
        <source>the desktop</source>
        <translation>il desktop</translation>
    </message>
    <message>
        <source>the console</source>
        <translation>la console</translation>
    </message>
    <message>
        <source>a browser</source>
        <translation>un browser</translation>
    </message>
    <message>
        <source>a browser at %1</source>
        <translation>un browser da %1</translation>
    </message>
    <message>
        <source>Another front end is in control. Take control first.</source>
        <translation>Il controllo è di un&apos;altra interfaccia. Prendi prima il controllo.</translation>
    </message>
    <message>
        <source>Making the certificate...</source>
        <translation>Creazione del certificato...</translation>
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
    <name>SerialPortList</name>
    <message>
        <source>%1, serial %2</source>
        <translation>%1, numero di serie %2</translation>
    </message>
</context>
<context>
    <name>SettingsController</name>
    <message>
        <source>The remote access settings could not be saved to %1
%2</source>
        <translation>Impossibile salvare le impostazioni dell&apos;accesso remoto in %1
%2</translation>
    </message>
    <message>
        <source>the settings folder does not answer</source>
        <translation>la cartella delle impostazioni non risponde</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>the settings folder does not answer</source>
        <translation>la cartella delle impostazioni non risponde</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1
%2</source>
        <translation>Impossibile salvare le impostazioni in %1
%2</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>%1 cannot be started</source>
        <translation>Impossibile avviare %1</translation>
    </message>
    <message>
        <source>%1 cannot be started: %2</source>
        <translation>Impossibile avviare %1: %2</translation>
    </message>
    <message>
        <source>Unable to open radio serial port %1. May be in use by another application.</source>
        <translation>Impossibile aprire la porta seriale della radio %1. Potrebbe essere in uso da un&apos;altra applicazione.</translation>
    </message>
    <message>
        <source>PTT port %1 lost while transmitting: the radio may still be on the air</source>
        <translation>Porta PTT %1 persa durante la trasmissione: la radio potrebbe essere ancora in trasmissione</translation>
    </message>
    <message>
        <source>PTT port %1 back: transmitter released</source>
        <translation>Porta PTT %1 di nuovo presente: trasmettitore rilasciato</translation>
    </message>
    <message>
        <source>Transmit time-out: transmitter released until the modem sends PTT OFF</source>
        <translation>Timeout di trasmissione: trasmettitore rilasciato finché il modem non invia PTT OFF</translation>
    </message>
    <message>
        <source>The folder %1 does not answer: writing %2 did not finish within %3 s.
The terminal goes on without it; what could not be written is kept where it can be and written when the folder answers again.</source>
        <translation>La cartella %1 non risponde: la scrittura di %2 non è terminata entro %3 s.
Il terminale prosegue senza; ciò che non è stato scritto viene conservato dove possibile e scritto quando la cartella risponderà di nuovo.</translation>
    </message>
    <message>
        <source>the desktop</source>
        <translation>il desktop</translation>
    </message>
    <message>
        <source>the console</source>
        <translation>la console</translation>
    </message>
    <message>
        <source>a browser</source>
        <translation>un browser</translation>
    </message>
    <message>
        <source>Control link to %1 lost: stopped, the unsent text kept</source>
        <translation>Collegamento di controllo con %1 perso: interrotto, testo non inviato conservato</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>File %1 non trovato</translation>
    </message>
    <message>
        <source>Linux path tried: %1</source>
        <translation>Percorso Linux provato: %1</translation>
    </message>
    <message>
        <source>%1 cannot be started: it is a Windows program, and &quot;wine&quot; was not found on the PATH.
Install Wine to run it, or choose a modem program for Linux.</source>
        <translation>Impossibile avviare %1: è un programma Windows e &quot;wine&quot; non è stato trovato nel PATH.
Installa Wine per eseguirlo, o scegli un programma modem per Linux.</translation>
    </message>
</context>
<context>
    <name>StationRemote</name>
    <message>
        <source>Calling %1</source>
        <translation>Chiamata a %1</translation>
    </message>
    <message>
        <source>Log the QSO with %1?</source>
        <translation>Registrare il QSO con %1?</translation>
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
        <translation>Byte del testo in corso inviati all&apos;altra stazione o ricevuti da essa</translation>
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
    <name>Terminal</name>
    <message>
        <source>No connection with %1</source>
        <translation>Nessuna connessione con %1</translation>
    </message>
    <message>
        <source>No connection with %1 via %2</source>
        <translation>Nessuna connessione con %1 via %2</translation>
    </message>
    <message>
        <source>Connection ended</source>
        <translation>Connessione terminata</translation>
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
        <translation>Non ci sono ancora impostazioni. Per cominciare, il tuo nominativo e il tuo modem (potrai cambiarli in seguito da Impostazioni → Configurazione terminale...).</translation>
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
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>Terminal Setup...</source>
        <translation>Configurazione terminale...</translation>
    </message>
    <message>
        <source>PTT...</source>
        <translation>PTT...</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Dimensione carattere</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Speaker Colours</source>
        <translation>Colori per interlocutore</translation>
    </message>
    <message>
        <source>Time Stamps</source>
        <translation>Orario dei messaggi</translation>
    </message>
    <message>
        <source>Notify on Incoming Call</source>
        <translation>Notifica le chiamate in arrivo</translation>
    </message>
    <message>
        <source>Log Conversations</source>
        <translation>Registra le conversazioni</translation>
    </message>
    <message>
        <source>Log Folder...</source>
        <translation>Cartella dei registri...</translation>
    </message>
    <message>
        <source>Logbook...</source>
        <translation>Logbook...</translation>
    </message>
    <message>
        <source>Open Logs Folder</source>
        <translation>Apri la cartella dei registri</translation>
    </message>
    <message>
        <source>Remote Access...</source>
        <translation>Accesso remoto...</translation>
    </message>
    <message>
        <source>Macros...</source>
        <translation>Macro...</translation>
    </message>
    <message>
        <source>Show Macro Bar</source>
        <translation>Mostra la barra delle macro</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Trova...</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
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
        <translation>&amp;Connetti</translation>
    </message>
    <message>
        <source>Call a station</source>
        <translation>Chiama una stazione</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;top</translation>
    </message>
    <message>
        <source>End the connection</source>
        <translation>Termina la connessione</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Pu&amp;lisci</translation>
    </message>
    <message>
        <source>Empty the RX screen</source>
        <translation>Svuota lo schermo RX</translation>
    </message>
    <message>
        <source>T&amp;ake Control</source>
        <translation>&amp;Riprendi il controllo</translation>
    </message>
    <message>
        <source>Operate the station from here again</source>
        <translation>Torna a gestire la stazione da qui</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>KELDO Google Group</source>
        <translation>Gruppo Google KELDO</translation>
    </message>
    <message>
        <source>KELDO download site</source>
        <translation>Sito di download KELDO</translation>
    </message>
    <message>
        <source>ChangeLog</source>
        <translation>Registro delle modifiche</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Informazioni...</translation>
    </message>
    <message>
        <source>RX Screen</source>
        <translation>Schermo RX</translation>
    </message>
    <message>
        <source>Received text</source>
        <translation>Testo ricevuto</translation>
    </message>
    <message>
        <source>The conversation: what the other station sent and what you sent</source>
        <translation>La conversazione: ciò che ha inviato l&apos;altra stazione e ciò che hai inviato tu</translation>
    </message>
    <message>
        <source>Sending progress</source>
        <translation>Avanzamento dell&apos;invio</translation>
    </message>
    <message>
        <source>How much of the text being sent the modem has transmitted</source>
        <translation>Quanta parte del testo in invio il modem ha già trasmesso</translation>
    </message>
    <message>
        <source>TX Screen</source>
        <translation>Schermo TX</translation>
    </message>
    <message>
        <source>Text to send</source>
        <translation>Testo da inviare</translation>
    </message>
    <message>
        <source>Type your text here; Enter sends it</source>
        <translation>Scrivi qui il testo; Enter lo invia</translation>
    </message>
    <message>
        <source>Send text (ENTER key)</source>
        <translation>Invia il testo (tasto ENTER)</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Sends the typed text to the other station (Enter key)</source>
        <translation>Invia il testo scritto all&apos;altra stazione (tasto Enter)</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>In control: %1. This window only watches; Take Control (Ctrl+Shift+T) operates from here.</source>
        <translation>Ha il controllo: %1. Questa finestra osserva soltanto; Riprendi il controllo (Ctrl+Shift+T) per operare da qui.</translation>
    </message>
    <message>
        <source>KELDO Terminal is not connected with KELDO Modem</source>
        <translation>KELDO Terminal non è connesso al modem KELDO</translation>
    </message>
    <message>
        <source>No program to show text files was found (such as xdg-open).
The change log is the file %1</source>
        <translation>Nessun programma trovato per mostrare file di testo (come xdg-open).
Il registro delle modifiche è il file %1</translation>
    </message>
    <message>
        <source>%1 not found</source>
        <translation>%1 non trovato</translation>
    </message>
    <message>
        <source>The logs folder could not be opened: no program to open folders was found.
The logs are in %1</source>
        <translation>Impossibile aprire la cartella dei registri: nessun programma trovato per aprire cartelle.
I registri sono in %1</translation>
    </message>
    <message>
        <source>Log Folder</source>
        <translation>Cartella dei registri</translation>
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
        <translation>formato dell&apos;indirizzo Icom errato</translation>
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
    <name>frmRemote</name>
    <message>
        <source>Remote Access</source>
        <translation>Accesso remoto</translation>
    </message>
    <message>
        <source>&amp;Let browsers operate this station</source>
        <translation>&amp;Consenti ai browser di gestire questa stazione</translation>
    </message>
    <message>
        <source>Listen address</source>
        <translation>Indirizzo di ascolto</translation>
    </message>
    <message>
        <source>127.0.0.1: this computer only; 0.0.0.0: every network</source>
        <translation>127.0.0.1: solo questo computer; 0.0.0.0: tutte le reti</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nuova password</translation>
    </message>
    <message>
        <source>New password again</source>
        <translation>Ripeti la nuova password</translation>
    </message>
    <message>
        <source>A password is set; leave both boxes empty to keep it.</source>
        <translation>Una password è impostata; lascia vuoti entrambi i campi per mantenerla.</translation>
    </message>
    <message>
        <source>No password is set: browsers cannot log in until one is.</source>
        <translation>Nessuna password impostata: i browser non possono accedere finché non ne imposti una.</translation>
    </message>
    <message>
        <source>Listen &amp;address:</source>
        <translation>&amp;Indirizzo di ascolto:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Porta:</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>&amp;Nuova password:</translation>
    </message>
    <message>
        <source>&amp;Repeat it:</source>
        <translation>&amp;Ripetila:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Stato attuale</translation>
    </message>
    <message>
        <source>Browsers connected</source>
        <translation>Browser connessi</translation>
    </message>
    <message>
        <source>&amp;Take control</source>
        <translation>Prendi il con&amp;trollo</translation>
    </message>
    <message>
        <source>&amp;Disconnect all</source>
        <translation>&amp;Disconnetti tutti</translation>
    </message>
    <message>
        <source>Open:</source>
        <translation>Aperto su:</translation>
    </message>
    <message>
        <source>Certificate SHA-256:</source>
        <translation>Certificato SHA-256:</translation>
    </message>
    <message>
        <source>Connected:</source>
        <translation>Connessi:</translation>
    </message>
    <message>
        <source>In control:</source>
        <translation>Ha il controllo:</translation>
    </message>
    <message>
        <source>Serving.</source>
        <translation>Attivo.</translation>
    </message>
    <message>
        <source>Not serving.</source>
        <translation>Non attivo.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The listen address must be an IP address, such as 127.0.0.1 or 0.0.0.0.</source>
        <translation>L&apos;indirizzo di ascolto deve essere un indirizzo IP, come 127.0.0.1 o 0.0.0.0.</translation>
    </message>
    <message>
        <source>The port must be a number from %1 to %2.</source>
        <translation>La porta deve essere un numero da %1 a %2.</translation>
    </message>
    <message>
        <source>The two passwords differ: type the same one twice.</source>
        <translation>Le due password sono diverse: digita due volte la stessa.</translation>
    </message>
    <message numerus="yes">
        <source>The password is too short: at least %n characters, please.</source>
        <translation>
            <numerusform>La password è troppo corta: usa almeno %n carattere.</numerusform>
            <numerusform>La password è troppo corta: usa almeno %n caratteri.</numerusform>
        </translation>
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
        <translation>Avvia automaticamente KELDO TNC all&apos;apertura di KELDO Terminal</translation>
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
