<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Empty debug area in &apos;%1&apos; (known: %2).</source>
        <translation>Área de depuración vacía en &apos;%1&apos; (conocidas: %2).</translation>
    </message>
    <message>
        <source>Unknown debug area &apos;%1&apos; (known: %2).</source>
        <translation>Área de depuración desconocida &apos;%1&apos; (conocidas: %2).</translation>
    </message>
    <message>
        <source>Use FILE as the settings file (created on the first save). One copy runs per settings file.</source>
        <translation>Usar ARCHIVO como archivo de configuración (se crea al guardar por primera vez). Se ejecuta una copia por archivo de configuración.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Read the remote operation password from standard input, store its hash and exit.</source>
        <translation>Leer la contraseña de operación remota de la entrada estándar, guardar su hash y salir.</translation>
    </message>
    <message>
        <source>Run on standard input and output, without a window or a display.</source>
        <translation>Ejecutarse en la entrada y la salida estándar, sin ventana ni pantalla.</translation>
    </message>
    <message>
        <source>Write every diagnostic of the areas to standard error: %1 (comma-separated).</source>
        <translation>Escribir todos los diagnósticos de las áreas en la salida de error estándar: %1 (separadas por comas).</translation>
    </message>
    <message>
        <source>AREA[,AREA]</source>
        <translation>ÁREA[,ÁREA]</translation>
    </message>
    <message>
        <source>Keyboard chat terminal for the KELDO modems.

Settings: $XDG_CONFIG_HOME/KELDO Terminal/KELDO Terminal.ini (default
~/.config/...) when installed, or when the program&apos;s folder cannot be written;
otherwise &quot;KELDO Terminal.ini&quot; beside the program.</source>
        <translation>Terminal de chat por teclado para los módems KELDO.

Configuración: $XDG_CONFIG_HOME/KELDO Terminal/KELDO Terminal.ini (por defecto
~/.config/...) si está instalado o si no se puede escribir en la carpeta del programa;
si no, &quot;KELDO Terminal.ini&quot; junto al programa.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Try &apos;keldo-terminal --help&apos; for more information.</source>
        <translation>Pruebe &apos;keldo-terminal --help&apos; para más información.</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>KELDO Terminal %1, settings %2. /help lists the commands.</source>
        <translation>KELDO Terminal %1, configuración %2. /help muestra los comandos.</translation>
    </message>
    <message>
        <source>/%1 takes nothing after it.</source>
        <translation>/%1 no admite nada detrás.</translation>
    </message>
    <message>
        <source>Usage: /connect CALL [VIA1 [VIA2]]</source>
        <translation>Uso: /connect CALL [VIA1 [VIA2]]</translation>
    </message>
    <message>
        <source>Unknown command %1: /help lists the commands.</source>
        <translation>Comando desconocido %1: /help muestra los comandos.</translation>
    </message>
</context>
<context>
    <name>ConsoleFrontEnd</name>
    <message>
        <source>Screen cleared</source>
        <translation>Pantalla borrada</translation>
    </message>
    <message>
        <source>QSO with %1 logged</source>
        <translation>QSO con %1 registrado</translation>
    </message>
    <message>
        <source>QSO with %1 not logged: %2</source>
        <translation>QSO con %1 no registrado: %2</translation>
    </message>
    <message>
        <source>%1 is calling</source>
        <translation>%1 está llamando</translation>
    </message>
    <message>
        <source>Alert word from %1: %2</source>
        <translation>Palabra de aviso de %1: %2</translation>
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
        <translation>No enviado: %1</translation>
    </message>
    <message>
        <source>Remote access: %1</source>
        <translation>Acceso remoto: %1</translation>
    </message>
    <message>
        <source>In control: %1</source>
        <translation>Tiene el control: %1</translation>
    </message>
    <message>
        <source>Line too long: not sent</source>
        <translation>Línea demasiado larga: no enviada</translation>
    </message>
    <message>
        <source>%1 is in control: /control takes it back</source>
        <translation>%1 tiene el control: /control lo recupera</translation>
    </message>
    <message>
        <source>Not sent: no connection</source>
        <translation>No enviado: no hay conexión</translation>
    </message>
    <message>
        <source>Cannot call %1: not a call sign, or the modem is not linked</source>
        <translation>No se puede llamar a %1: no es un indicativo o el módem no está enlazado</translation>
    </message>
    <message>
        <source>F%1 has no macro</source>
        <translation>F%1 no tiene macro</translation>
    </message>
    <message>
        <source>F%1 does not end in &lt;SEND&gt;; type it to send it: %2</source>
        <translation>F%1 no termina en &lt;SEND&gt;; escríbala para enviarla: %2</translation>
    </message>
    <message>
        <source>Modem link: %1</source>
        <translation>Enlace con el módem: %1</translation>
    </message>
    <message>
        <source>up</source>
        <translation>activo</translation>
    </message>
    <message>
        <source>down</source>
        <translation>caído</translation>
    </message>
    <message>
        <source>Connected with %1, %2 bytes received</source>
        <translation>Conectado con %1, %2 bytes recibidos</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>No conectado</translation>
    </message>
    <message>
        <source>My call sign: %1; QSO logging %2</source>
        <translation>Mi indicativo: %1; registro de QSO %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>A line is sent as typed (start it with // to send a /).</source>
        <translation>Cada línea se envía tal como se escribe (empiécela con // para enviar una /).</translation>
    </message>
    <message>
        <source>/connect CALL [VIA1 [VIA2]]  call a station</source>
        <translation>/connect CALL [VIA1 [VIA2]]  llamar a una estación</translation>
    </message>
    <message>
        <source>/stop                        end the connection or the call</source>
        <translation>/stop                        terminar la conexión o la llamada</translation>
    </message>
    <message>
        <source>/clear                       clear the screen</source>
        <translation>/clear                       borrar la pantalla</translation>
    </message>
    <message>
        <source>/f1 ... /f12                 the macros</source>
        <translation>/f1 ... /f12                 las macros</translation>
    </message>
    <message>
        <source>/status                      the link, the connection, who is in control</source>
        <translation>/status                      el enlace, la conexión, quién tiene el control</translation>
    </message>
    <message>
        <source>/control                     take control back from a browser</source>
        <translation>/control                     recuperar el control que tiene un navegador</translation>
    </message>
    <message>
        <source>/quit                        end, as closing the window does</source>
        <translation>/quit                        salir, como al cerrar la ventana</translation>
    </message>
    <message>
        <source>Waiting for the modem to end the connection...</source>
        <translation>Esperando a que el módem termine la conexión...</translation>
    </message>
</context>
<context>
    <name>ConsoleOutput</name>
    <message numerus="yes">
        <source>[%n line(s) dropped: the output did not keep up]</source>
        <translation>
            <numerusform>[%n línea descartada: la salida no daba abasto]</numerusform>
            <numerusform>[%n líneas descartadas: la salida no daba abasto]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConversationLog</name>
    <message>
        <source>the folder does not answer</source>
        <translation>la carpeta no responde</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>The conversation log cannot be written to %1: %2.
The conversation goes on; logging resumes as soon as the file can be written.</source>
        <translation>No se puede escribir el registro de la conversación en %1: %2.
La conversación continúa; el registro se reanuda en cuanto se pueda escribir el archivo.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Demasiados niveles de enlaces simbólicos</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>El archivo es de solo lectura.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>a link, not a file</source>
        <translation>un enlace, no un archivo</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>mayor de %1 bytes</translation>
    </message>
    <message>
        <source>the file does not read as an ADIF logbook; it is left as it is</source>
        <translation>el archivo no se lee como un libro de guardia ADIF; se deja tal como está</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>Error: Another copy of KELDO Terminal is running from this folder. Only one copy can be run at a time from the same folder</source>
        <translation>Error: ya se está ejecutando otra copia de KELDO Terminal desde esta carpeta. Solo se puede ejecutar una copia a la vez desde la misma carpeta</translation>
    </message>
</context>
<context>
    <name>Logbook</name>
    <message>
        <source>the folder does not answer</source>
        <translation>la carpeta no responde</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO record(s) could not be written to the logbook %1:
%2

They are kept in %3 and written as soon as the logbook can take them: at the next QSO, when the logbook settings are opened, or at the next start.</source>
        <translation>
            <numerusform>No se pudo escribir %n registro de QSO en el libro de guardia %1:
%2

Se guarda en %3 y se escribirá en cuanto el libro de guardia lo admita: en el próximo QSO, al abrir la configuración del libro de guardia o en el próximo inicio.</numerusform>
            <numerusform>No se pudieron escribir %n registros de QSO en el libro de guardia %1:
%2

Se guardan en %3 y se escribirán en cuanto el libro de guardia los admita: en el próximo QSO, al abrir la configuración del libro de guardia o en el próximo inicio.</numerusform>
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
        <translation>No se puede escribir el registro de la conversación: %1</translation>
    </message>
    <message>
        <source>QSO records waiting for the logbook: %1</source>
        <translation>Registros de QSO pendientes del libro de guardia: %1</translation>
    </message>
    <message>
        <source>Unkeyed: the link to the modem was lost</source>
        <translation>PTT liberado: se perdió el enlace con el módem</translation>
    </message>
    <message>
        <source>Unkeyed: the modem&apos;s data link was lost and no PTT OFF came</source>
        <translation>PTT liberado: se perdió el enlace de datos del módem y no llegó PTT OFF</translation>
    </message>
    <message>
        <source>Unkeyed: the connection ended and no PTT OFF came</source>
        <translation>PTT liberado: la conexión terminó y no llegó PTT OFF</translation>
    </message>
    <message>
        <source>Unkeyed: the connection was stopped and no PTT OFF came</source>
        <translation>PTT liberado: la conexión se detuvo y no llegó PTT OFF</translation>
    </message>
    <message>
        <source>Unkeyed: the keying settings changed</source>
        <translation>PTT liberado: cambió la configuración del PTT</translation>
    </message>
    <message>
        <source>PTT time-out: keyed for more than %1 s without PTT OFF. Released until the modem sends PTT OFF.</source>
        <translation>Tiempo límite de PTT: activado más de %1 s sin PTT OFF. Liberado hasta que el módem envíe PTT OFF.</translation>
    </message>
    <message>
        <source>PTT OFF</source>
        <translation>PTT OFF</translation>
    </message>
    <message>
        <source>TCP link disconnected</source>
        <translation>Enlace TCP desconectado</translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Desconectando...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Modem Disconnected</source>
        <translation>Módem desconectado</translation>
    </message>
    <message>
        <source>rigctld sent a line too long for a frequency: connection dropped</source>
        <translation>rigctld envió una línea demasiado larga para una frecuencia: conexión cortada</translation>
    </message>
    <message>
        <source>Modem Connected</source>
        <translation>Módem conectado</translation>
    </message>
    <message>
        <source>Modem Connected, %1 MHz</source>
        <translation>Módem conectado, %1 MHz</translation>
    </message>
    <message>
        <source>Logger %1 cannot be reached: host not found</source>
        <translation>No se puede contactar con el programa de log %1: host no encontrado</translation>
    </message>
    <message>
        <source>Logger %1 cannot be reached</source>
        <translation>No se puede contactar con el programa de log %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a failure and its detail</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Connecting with %1 ...</source>
        <translation>Conectando con %1 ...</translation>
    </message>
    <message>
        <source>Via %1</source>
        <translation>Vía %1</translation>
    </message>
    <message>
        <source>%1 Bytes Sent</source>
        <translation>%1 bytes enviados</translation>
    </message>
    <message>
        <source>%1 Bytes Rcvd</source>
        <translation>%1 bytes recibidos</translation>
    </message>
    <message>
        <source>PTT ON</source>
        <translation>PTT ON</translation>
    </message>
    <message>
        <source>%1 closed: %2</source>
        <translation>%1 cerrado: %2</translation>
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
        <translation>No se puede leer el certificado o su clave (%1, %2).</translation>
    </message>
    <message>
        <source>The certificate or its key is not in PEM form (%1, %2).</source>
        <translation>El certificado o su clave no están en formato PEM (%1, %2).</translation>
    </message>
    <message>
        <source>The key file cannot be made in %1.</source>
        <translation>No se puede crear el archivo de la clave en %1.</translation>
    </message>
    <message>
        <source>No certificate could be made: the openssl command failed or is missing (%1).</source>
        <translation>No se pudo crear ningún certificado: el comando openssl falló o no está instalado (%1).</translation>
    </message>
    <message>
        <source>The certificate cannot be kept in %1.</source>
        <translation>No se puede guardar el certificado en %1.</translation>
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
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Received text</source>
        <translation>Texto recibido</translation>
    </message>
    <message>
        <source>Text to send (Enter sends)</source>
        <translation>Texto para enviar (Enter envía)</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Indicativo</translation>
    </message>
    <message>
        <source>Via</source>
        <translation>Vía</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Take control</source>
        <translation>Tomar el control</translation>
    </message>
    <message>
        <source>In control:</source>
        <translation>Tiene el control:</translation>
    </message>
    <message>
        <source>you</source>
        <translation>usted</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Bytes sent</source>
        <translation>Bytes enviados</translation>
    </message>
    <message>
        <source>Bytes received</source>
        <translation>Bytes recibidos</translation>
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
        <translation>Macros</translation>
    </message>
    <message>
        <source>Log this QSO</source>
        <translation>Registrar este QSO</translation>
    </message>
    <message>
        <source>Do not log</source>
        <translation>No registrar</translation>
    </message>
    <message>
        <source>Connection to the station lost; trying again...</source>
        <translation>Se perdió la conexión con la estación; reintentando...</translation>
    </message>
    <message>
        <source>TCP link up</source>
        <translation>Enlace TCP activo</translation>
    </message>
    <message>
        <source>TCP link waiting</source>
        <translation>Enlace TCP en espera</translation>
    </message>
    <message>
        <source>TCP link down</source>
        <translation>Enlace TCP caído</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>coincidencias</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 coincidencia</translation>
    </message>
</context>
<context>
    <name>RemotePassword</name>
    <message>
        <source>The password could not be stored in %1: %2</source>
        <translation>No se pudo guardar la contraseña en %1: %2</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>Remote operation is off.</source>
        <translation>La operación remota está desactivada.</translation>
    </message>
    <message>
        <source>Remote operation needs a password: set one with keldo-terminal --set-remote-password.</source>
        <translation>La operación remota necesita una contraseña: establézcala con keldo-terminal --set-remote-password.</translation>
    </message>
    <message>
        <source>The stored remote password cannot be used: set it again with keldo-terminal --set-remote-password.</source>
        <translation>La contraseña remota guardada no se puede usar: vuelva a establecerla con keldo-terminal --set-remote-password.</translation>
    </message>
    <message>
        <source>The listen address %1 is not an address.</source>
        <translation>La dirección de escucha %1 no es una dirección válida.</translation>
    </message>
    <message>
        <source>Cannot listen on %1 (in use, or not this machine&apos;s).</source>
        <translation>No se puede escuchar en %1 (está en uso o no es de este equipo).</translation>
    </message>
    <message>
        <source>Serving on https://%1:%2/ (certificate SHA-256 %3).</source>
        <translation>Servidor activo en https://%1:%2/ (certificado SHA-256 %3).</translation>
    </message>
    <message>
        <source>Wrong password.</source>
        <translation>Contraseña incorrecta.</translation>
    </message>
    <message>
        <source>the desktop</source>
        <translation>el escritorio</translation>
    </message>
    <message>
        <source>the console</source>
        <translation>la consola</translation>
    </message>
    <message>
        <source>a browser</source>
        <translation>un navegador</translation>
    </message>
    <message>
        <source>a browser at %1</source>
        <translation>un navegador en %1</translation>
    </message>
    <message>
        <source>Another front end is in control. Take control first.</source>
        <translation>Otra interfaz tiene el control. Tome el control primero.</translation>
    </message>
    <message>
        <source>Making the certificate...</source>
        <translation>Creando el certificado...</translation>
    </message>
</context>
<context>
    <name>RxFindBar</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Find in the received text</source>
        <translation>Buscar en el texto recibido</translation>
    </message>
    <message>
        <source>&amp;Match case</source>
        <translation>Distinguir &amp;mayúsculas</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Coincidencia anterior (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (Enter, F3)</source>
        <translation>Coincidencia siguiente (Enter, F3)</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Cerrar (Esc)</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Sin coincidencias</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 coincidencia</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n coincidencia</numerusform>
            <numerusform>%n coincidencias</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RxScreenView</name>
    <message>
        <source>New text below</source>
        <translation>Texto nuevo abajo</translation>
    </message>
    <message>
        <source>Show the newest text (Ctrl+End)</source>
        <translation>Mostrar el texto más reciente (Ctrl+End)</translation>
    </message>
</context>
<context>
    <name>SerialPortList</name>
    <message>
        <source>%1, serial %2</source>
        <translation>%1, n.º de serie %2</translation>
    </message>
</context>
<context>
    <name>SettingsController</name>
    <message>
        <source>The remote access settings could not be saved to %1
%2</source>
        <translation>No se pudo guardar la configuración del acceso remoto en %1
%2</translation>
    </message>
    <message>
        <source>the settings folder does not answer</source>
        <translation>la carpeta de configuración no responde</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>the settings folder does not answer</source>
        <translation>la carpeta de configuración no responde</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1
%2</source>
        <translation>No se pudo guardar la configuración en %1
%2</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>%1 cannot be started</source>
        <translation>No se puede iniciar %1</translation>
    </message>
    <message>
        <source>%1 cannot be started: %2</source>
        <translation>No se puede iniciar %1: %2</translation>
    </message>
    <message>
        <source>Unable to open radio serial port %1. May be in use by another application.</source>
        <translation>No se puede abrir el puerto serie del equipo %1. Puede que lo esté usando otra aplicación.</translation>
    </message>
    <message>
        <source>PTT port %1 lost while transmitting: the radio may still be on the air</source>
        <translation>Se perdió el puerto de PTT %1 durante la transmisión: puede que el equipo siga en el aire</translation>
    </message>
    <message>
        <source>PTT port %1 back: transmitter released</source>
        <translation>Puerto de PTT %1 recuperado: transmisor liberado</translation>
    </message>
    <message>
        <source>Transmit time-out: transmitter released until the modem sends PTT OFF</source>
        <translation>Tiempo límite de transmisión: transmisor liberado hasta que el módem envíe PTT OFF</translation>
    </message>
    <message>
        <source>The folder %1 does not answer: writing %2 did not finish within %3 s.
The terminal goes on without it; what could not be written is kept where it can be and written when the folder answers again.</source>
        <translation>La carpeta %1 no responde: la escritura de %2 no terminó en %3 s.
El terminal continúa sin ella; lo que no se pudo escribir se guarda donde es posible y se escribirá cuando la carpeta vuelva a responder.</translation>
    </message>
    <message>
        <source>the desktop</source>
        <translation>el escritorio</translation>
    </message>
    <message>
        <source>the console</source>
        <translation>la consola</translation>
    </message>
    <message>
        <source>a browser</source>
        <translation>un navegador</translation>
    </message>
    <message>
        <source>Control link to %1 lost: stopped, the unsent text kept</source>
        <translation>Se perdió el enlace de control con %1: detenido, se conserva el texto no enviado</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>No se encuentra el archivo %1</translation>
    </message>
    <message>
        <source>Linux path tried: %1</source>
        <translation>Ruta de Linux probada: %1</translation>
    </message>
    <message>
        <source>%1 cannot be started: it is a Windows program, and &quot;wine&quot; was not found on the PATH.
Install Wine to run it, or choose a modem program for Linux.</source>
        <translation>No se puede iniciar %1: es un programa de Windows y no se encontró &quot;wine&quot; en el PATH.
Instale Wine para ejecutarlo o elija un programa de módem para Linux.</translation>
    </message>
</context>
<context>
    <name>StationRemote</name>
    <message>
        <source>Calling %1</source>
        <translation>Llamando a %1</translation>
    </message>
    <message>
        <source>Log the QSO with %1?</source>
        <translation>¿Registrar el QSO con %1?</translation>
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
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 with %2 via %3</source>
        <translation>%1 con %2 vía %3</translation>
    </message>
    <message>
        <source>transmitting</source>
        <translation>transmitiendo</translation>
    </message>
    <message>
        <source>receiving</source>
        <translation>recibiendo</translation>
    </message>
    <message>
        <source>not keyed</source>
        <translation>sin activar</translation>
    </message>
    <message>
        <source>Transmitter: %1</source>
        <translation>Transmisor: %1</translation>
    </message>
    <message>
        <source>Whether the radio is keyed to transmit</source>
        <translation>Indica si el equipo está activado para transmitir</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>ending</source>
        <translation>finalizando</translation>
    </message>
    <message>
        <source>calling %1</source>
        <translation>llamando a %1</translation>
    </message>
    <message>
        <source>Connection: %1</source>
        <translation>Conexión: %1</translation>
    </message>
    <message>
        <source>The radio connection and the stations in it</source>
        <translation>La conexión por radio y las estaciones que participan en ella</translation>
    </message>
    <message>
        <source>Bytes sent and received</source>
        <translation>Bytes enviados y recibidos</translation>
    </message>
    <message>
        <source>Bytes sent and received: %1 sent</source>
        <translation>Bytes enviados y recibidos: %1 enviados</translation>
    </message>
    <message>
        <source>Bytes sent and received: %1 received</source>
        <translation>Bytes enviados y recibidos: %1 recibidos</translation>
    </message>
    <message>
        <source>Bytes sent and received: %1</source>
        <translation>Bytes enviados y recibidos: %1</translation>
    </message>
    <message>
        <source>Bytes of the current text sent to or received from the other station</source>
        <translation>Bytes del texto actual enviados a la otra estación o recibidos de ella</translation>
    </message>
    <message>
        <source>up</source>
        <translation>activo</translation>
    </message>
    <message>
        <source>down</source>
        <translation>caído</translation>
    </message>
    <message>
        <source>not connected yet</source>
        <translation>aún no conectado</translation>
    </message>
    <message>
        <source>Modem link: %1</source>
        <translation>Enlace con el módem: %1</translation>
    </message>
    <message>
        <source>The network link to the modem program</source>
        <translation>El enlace de red con el programa del módem</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Start of the status bar</source>
        <translation>Inicio de la barra de estado</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de estado</translation>
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
        <translation>Sin conexión con %1</translation>
    </message>
    <message>
        <source>No connection with %1 via %2</source>
        <translation>Sin conexión con %1 vía %2</translation>
    </message>
    <message>
        <source>Connection ended</source>
        <translation>Conexión terminada</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About KELDO Chat</source>
        <translation>Acerca de KELDO Chat</translation>
    </message>
    <message>
        <source>Version %1    </source>
        <extracomment>%1 is the version number; the blanks after it are kept.</extracomment>
        <translation>Versión %1    </translation>
    </message>
    <message>
        <source>Keyboard chat terminal for the KELDO modems.</source>
        <translation>Terminal de chat por teclado para los módems KELDO.</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Configuración: %1</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Archivo de configuración: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>frmConnect</name>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Connect with:</source>
        <translation>Conectar con:</translation>
    </message>
    <message>
        <source>Via1</source>
        <translation>Vía 1</translation>
    </message>
    <message>
        <source>Via2</source>
        <translation>Vía 2</translation>
    </message>
    <message>
        <source>Invalid Call Sign</source>
        <translation>Indicativo no válido</translation>
    </message>
</context>
<context>
    <name>frmFirstRun</name>
    <message>
        <source>KELDO Terminal: first start</source>
        <translation>KELDO Terminal: primer inicio</translation>
    </message>
    <message>
        <source>There are no settings yet. Your call sign and your modem, to begin with (Settings → Terminal Setup... changes them later).</source>
        <translation>Aún no hay configuración. Para empezar, su indicativo y su módem (Ajustes → Configuración del terminal... los cambia más adelante).</translation>
    </message>
    <message>
        <source>&amp;Call sign:</source>
        <translation>&amp;Indicativo:</translation>
    </message>
    <message>
        <source>Where the modem runs</source>
        <translation>Dónde se ejecuta el módem</translation>
    </message>
    <message>
        <source>The &amp;practice modem (%1), to try the terminal</source>
        <translation>El módem de &amp;prácticas (%1), para probar el terminal</translation>
    </message>
    <message>
        <source>A modem program on &amp;this computer:</source>
        <translation>Un programa de módem en &amp;este PC:</translation>
    </message>
    <message>
        <source>A modem on &amp;another computer:</source>
        <translation>Un módem en &amp;otro PC:</translation>
    </message>
    <message>
        <source>A program whose name ends in .exe runs under Wine</source>
        <translation>Un programa cuyo nombre termina en .exe se ejecuta con Wine</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>Programa:</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>Command &amp;port:</source>
        <translation>&amp;Puerto de comandos:</translation>
    </message>
    <message>
        <source>Invalid Call Sign</source>
        <translation>Indicativo no válido</translation>
    </message>
    <message>
        <source>Invalid modem program</source>
        <translation>Programa de módem no válido</translation>
    </message>
    <message>
        <source>Invalid Host</source>
        <translation>Host no válido</translation>
    </message>
    <message>
        <source>Invalid TCP port</source>
        <translation>Puerto TCP no válido</translation>
    </message>
</context>
<context>
    <name>frmKeldoTerminal</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>The language changes when KELDO Terminal is started again.</source>
        <translation>El idioma cambiará la próxima vez que se inicie KELDO Terminal.</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Ajustes</translation>
    </message>
    <message>
        <source>Terminal Setup...</source>
        <translation>Configuración del terminal...</translation>
    </message>
    <message>
        <source>PTT...</source>
        <translation>PTT...</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamaño de letra</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Speaker Colours</source>
        <translation>Colores por interlocutor</translation>
    </message>
    <message>
        <source>Time Stamps</source>
        <translation>Marcas de hora</translation>
    </message>
    <message>
        <source>Notify on Incoming Call</source>
        <translation>Avisar de llamadas entrantes</translation>
    </message>
    <message>
        <source>Log Conversations</source>
        <translation>Guardar las conversaciones</translation>
    </message>
    <message>
        <source>Log Folder...</source>
        <translation>Carpeta de registros...</translation>
    </message>
    <message>
        <source>Logbook...</source>
        <translation>Libro de guardia...</translation>
    </message>
    <message>
        <source>Open Logs Folder</source>
        <translation>Abrir carpeta de registros</translation>
    </message>
    <message>
        <source>Remote Access...</source>
        <translation>Acceso remoto...</translation>
    </message>
    <message>
        <source>Macros...</source>
        <translation>Macros...</translation>
    </message>
    <message>
        <source>Show Macro Bar</source>
        <translation>Mostrar barra de macros</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
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
        <translation>&amp;Conectar</translation>
    </message>
    <message>
        <source>Call a station</source>
        <translation>Llamar a una estación</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>End the connection</source>
        <translation>Terminar la conexión</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Limpiar</translation>
    </message>
    <message>
        <source>Empty the RX screen</source>
        <translation>Vaciar la pantalla de RX</translation>
    </message>
    <message>
        <source>T&amp;ake Control</source>
        <translation>&amp;Tomar el control</translation>
    </message>
    <message>
        <source>Operate the station from here again</source>
        <translation>Volver a operar la estación desde aquí</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>KELDO Google Group</source>
        <translation>Grupo de Google de KELDO</translation>
    </message>
    <message>
        <source>KELDO download site</source>
        <translation>Sitio de descargas de KELDO</translation>
    </message>
    <message>
        <source>ChangeLog</source>
        <translation>Registro de cambios</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>RX Screen</source>
        <translation>Pantalla de RX</translation>
    </message>
    <message>
        <source>Received text</source>
        <translation>Texto recibido</translation>
    </message>
    <message>
        <source>The conversation: what the other station sent and what you sent</source>
        <translation>La conversación: lo que envió la otra estación y lo que envió usted</translation>
    </message>
    <message>
        <source>Sending progress</source>
        <translation>Progreso del envío</translation>
    </message>
    <message>
        <source>How much of the text being sent the modem has transmitted</source>
        <translation>Cuánto del texto en envío ha transmitido ya el módem</translation>
    </message>
    <message>
        <source>TX Screen</source>
        <translation>Pantalla de TX</translation>
    </message>
    <message>
        <source>Text to send</source>
        <translation>Texto para enviar</translation>
    </message>
    <message>
        <source>Type your text here; Enter sends it</source>
        <translation>Escriba aquí su texto; Enter lo envía</translation>
    </message>
    <message>
        <source>Send text (ENTER key)</source>
        <translation>Enviar texto (tecla ENTER)</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Sends the typed text to the other station (Enter key)</source>
        <translation>Envía el texto escrito a la otra estación (tecla Enter)</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>In control: %1. This window only watches; Take Control (Ctrl+Shift+T) operates from here.</source>
        <translation>Tiene el control: %1. Esta ventana solo observa; Tomar el control (Ctrl+Shift+T) permite operar desde aquí.</translation>
    </message>
    <message>
        <source>KELDO Terminal is not connected with KELDO Modem</source>
        <translation>KELDO Terminal no está conectado con KELDO Modem</translation>
    </message>
    <message>
        <source>No program to show text files was found (such as xdg-open).
The change log is the file %1</source>
        <translation>No se encontró ningún programa para mostrar archivos de texto (como xdg-open).
El registro de cambios es el archivo %1</translation>
    </message>
    <message>
        <source>%1 not found</source>
        <translation>No se encuentra %1</translation>
    </message>
    <message>
        <source>The logs folder could not be opened: no program to open folders was found.
The logs are in %1</source>
        <translation>No se pudo abrir la carpeta de registros: no se encontró ningún programa para abrir carpetas.
Los registros están en %1</translation>
    </message>
    <message>
        <source>Log Folder</source>
        <translation>Carpeta de registros</translation>
    </message>
</context>
<context>
    <name>frmLogQso</name>
    <message>
        <source>Log QSO</source>
        <translation>Registrar QSO</translation>
    </message>
    <message>
        <source>QSOs waiting to be logged</source>
        <translation>QSO pendientes de registrar</translation>
    </message>
    <message>
        <source>&amp;Call:</source>
        <translation>&amp;Indicativo:</translation>
    </message>
    <message>
        <source>Time o&amp;n:</source>
        <translation>Hora de i&amp;nicio:</translation>
    </message>
    <message>
        <source>Time o&amp;ff:</source>
        <translation>Hora de &amp;fin:</translation>
    </message>
    <message>
        <source>Freq&amp;uency (MHz):</source>
        <translation>Frec&amp;uencia (MHz):</translation>
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
        <translation>&amp;Submodo:</translation>
    </message>
    <message>
        <source>RST s&amp;ent:</source>
        <translation>RST &amp;enviado:</translation>
    </message>
    <message>
        <source>RST &amp;received:</source>
        <translation>RST &amp;recibido:</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation>N&amp;ombre:</translation>
    </message>
    <message>
        <source>&amp;QTH:</source>
        <translation>&amp;QTH:</translation>
    </message>
    <message>
        <source>&amp;Locator:</source>
        <translation>&amp;Localizador:</translation>
    </message>
    <message>
        <source>C&amp;omment:</source>
        <translation>&amp;Comentario:</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>Re&amp;gistrar</translation>
    </message>
    <message>
        <source>&amp;Drop</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>The QSO could not be written.</source>
        <translation>No se pudo escribir el QSO.</translation>
    </message>
    <message numerus="yes">
        <source>Log QSO – %n waiting</source>
        <translation>
            <numerusform>Registrar QSO – %n pendiente</numerusform>
            <numerusform>Registrar QSO – %n pendientes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmLogbook</name>
    <message>
        <source>Logbook</source>
        <translation>Libro de guardia</translation>
    </message>
    <message>
        <source>&amp;Log QSOs</source>
        <translation>&amp;Registrar los QSO</translation>
    </message>
    <message>
        <source>Log &amp;without asking</source>
        <translation>Registrar &amp;sin preguntar</translation>
    </message>
    <message>
        <source>Which mode does your logbook use for these QSOs?</source>
        <translation>¿Qué modo usa su libro de guardia para estos QSO?</translation>
    </message>
    <message>
        <source>Log mode</source>
        <translation>Modo en el log</translation>
    </message>
    <message>
        <source>&amp;Send QSOs to loggers</source>
        <translation>&amp;Enviar los QSO a programas de log</translation>
    </message>
    <message>
        <source>Log &amp;mode:</source>
        <translation>&amp;Modo en el log:</translation>
    </message>
    <message>
        <source>Log s&amp;ubmode:</source>
        <translation>S&amp;ubmodo en el log:</translation>
    </message>
    <message>
        <source>M&amp;y locator:</source>
        <translation>Mi &amp;localizador:</translation>
    </message>
    <message>
        <source>&amp;TX power (W):</source>
        <translation>Potencia de &amp;TX (W):</translation>
    </message>
    <message>
        <source>Rig control &amp;host (rigctld, when PTT is not by rigctld):</source>
        <translation>&amp;Host de control del equipo (rigctld, si el PTT no es por rigctld):</translation>
    </message>
    <message>
        <source>Rig control &amp;port:</source>
        <translation>&amp;Puerto de control del equipo:</translation>
    </message>
    <message>
        <source>Used for the frequency when PTT is not by rigctld; keying by rigctld, that rigctld is asked.</source>
        <translation>Da la frecuencia cuando el PTT no es por rigctld; con PTT por rigctld, se consulta ese rigctld.</translation>
    </message>
    <message>
        <source>Logger h&amp;ost:</source>
        <translation>H&amp;ost del programa de log:</translation>
    </message>
    <message>
        <source>Logger po&amp;rt:</source>
        <translation>Puerto del programa de lo&amp;g:</translation>
    </message>
</context>
<context>
    <name>frmMacros</name>
    <message>
        <source>Macros</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Function keys</source>
        <translation>Teclas de función</translation>
    </message>
    <message>
        <source>Button label</source>
        <translation>Etiqueta del botón</translation>
    </message>
    <message>
        <source>Macro text</source>
        <translation>Texto de la macro</translation>
    </message>
    <message>
        <source>Variables: &lt;MYCALL&gt; &lt;CALL&gt; &lt;UTC&gt; &lt;DATE&gt; &lt;MODE&gt; &lt;BW&gt; &lt;FREQ&gt; &lt;BAND&gt;.
&lt;SEND&gt; at the end sends the text at once.</source>
        <translation>Variables: &lt;MYCALL&gt; &lt;CALL&gt; &lt;UTC&gt; &lt;DATE&gt; &lt;MODE&gt; &lt;BW&gt; &lt;FREQ&gt; &lt;BAND&gt;.
&lt;SEND&gt; al final envía el texto de inmediato.</translation>
    </message>
    <message>
        <source>Show macro buttons under the TX box</source>
        <translation>Mostrar botones de macro bajo el cuadro de TX</translation>
    </message>
    <message>
        <source>&amp;Label:</source>
        <translation>&amp;Etiqueta:</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texto:</translation>
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
        <translation>PTT por</translation>
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
        <translation>Modelo:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Bauds:</source>
        <translation>Baudios:</translation>
    </message>
    <message>
        <source>PTT Pin</source>
        <translation>Pin de PTT</translation>
    </message>
    <message>
        <source>CI-V Address:</source>
        <translation>Dirección CI-V:</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1
not present</source>
        <extracomment>Tooltip of a serial device that is not plugged in; %1 is its path.</extracomment>
        <translation>%1
no conectado</translation>
    </message>
    <message>
        <source>wrong Icom Address format</source>
        <translation>Formato de dirección CI-V de Icom incorrecto</translation>
    </message>
    <message>
        <source>Invalid serial port</source>
        <translation>Puerto serie no válido</translation>
    </message>
    <message>
        <source>Invalid rigctld port</source>
        <translation>Puerto de rigctld no válido</translation>
    </message>
</context>
<context>
    <name>frmRemote</name>
    <message>
        <source>Remote Access</source>
        <translation>Acceso remoto</translation>
    </message>
    <message>
        <source>&amp;Let browsers operate this station</source>
        <translation>&amp;Permitir que los navegadores operen esta estación</translation>
    </message>
    <message>
        <source>Listen address</source>
        <translation>Dirección de escucha</translation>
    </message>
    <message>
        <source>127.0.0.1: this computer only; 0.0.0.0: every network</source>
        <translation>127.0.0.1: solo este equipo; 0.0.0.0: todas las redes</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Contraseña nueva</translation>
    </message>
    <message>
        <source>New password again</source>
        <translation>Repetir la contraseña nueva</translation>
    </message>
    <message>
        <source>A password is set; leave both boxes empty to keep it.</source>
        <translation>Hay una contraseña establecida; deje ambos cuadros vacíos para conservarla.</translation>
    </message>
    <message>
        <source>No password is set: browsers cannot log in until one is.</source>
        <translation>No hay contraseña: los navegadores no pueden iniciar sesión hasta que se establezca una.</translation>
    </message>
    <message>
        <source>Listen &amp;address:</source>
        <translation>&amp;Dirección de escucha:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>P&amp;uerto:</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>Contraseña &amp;nueva:</translation>
    </message>
    <message>
        <source>&amp;Repeat it:</source>
        <translation>&amp;Repítala:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Browsers connected</source>
        <translation>Navegadores conectados</translation>
    </message>
    <message>
        <source>&amp;Take control</source>
        <translation>&amp;Tomar el control</translation>
    </message>
    <message>
        <source>&amp;Disconnect all</source>
        <translation>Desconectar a t&amp;odos</translation>
    </message>
    <message>
        <source>Open:</source>
        <translation>Abrir:</translation>
    </message>
    <message>
        <source>Certificate SHA-256:</source>
        <translation>Certificado SHA-256:</translation>
    </message>
    <message>
        <source>Connected:</source>
        <translation>Conectados:</translation>
    </message>
    <message>
        <source>In control:</source>
        <translation>Tiene el control:</translation>
    </message>
    <message>
        <source>Serving.</source>
        <translation>Servidor activo.</translation>
    </message>
    <message>
        <source>Not serving.</source>
        <translation>Servidor inactivo.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The listen address must be an IP address, such as 127.0.0.1 or 0.0.0.0.</source>
        <translation>La dirección de escucha debe ser una dirección IP, como 127.0.0.1 o 0.0.0.0.</translation>
    </message>
    <message>
        <source>The port must be a number from %1 to %2.</source>
        <translation>El puerto debe ser un número de %1 a %2.</translation>
    </message>
    <message>
        <source>The two passwords differ: type the same one twice.</source>
        <translation>Las dos contraseñas no coinciden: escriba la misma dos veces.</translation>
    </message>
    <message numerus="yes">
        <source>The password is too short: at least %n characters, please.</source>
        <translation>
            <numerusform>La contraseña es demasiado corta: al menos %n carácter, por favor.</numerusform>
            <numerusform>La contraseña es demasiado corta: al menos %n caracteres, por favor.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Command Port</source>
        <translation>Puerto de comandos</translation>
    </message>
    <message>
        <source>Data Port</source>
        <translation>Puerto de datos</translation>
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
        <translation>Mi indicativo</translation>
    </message>
    <message>
        <source>KELDO HF Bandwitdh</source>
        <translation>Ancho de banda KELDO HF</translation>
    </message>
    <message>
        <source>500 Hz (Narrow)</source>
        <translation>500 Hz (estrecho)</translation>
    </message>
    <message>
        <source>2300 Hz (Standard)</source>
        <translation>2300 Hz (estándar)</translation>
    </message>
    <message>
        <source>2750 Hz (Tactical)</source>
        <translation>2750 Hz (táctico)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>KELDO HF Modem location</source>
        <translation>Ubicación del módem KELDO HF</translation>
    </message>
    <message>
        <source>KELDO FM Modem location</source>
        <translation>Ubicación del módem KELDO FM</translation>
    </message>
    <message>
        <source>KELDO SAT Modem location</source>
        <translation>Ubicación del módem KELDO SAT</translation>
    </message>
    <message>
        <source>Automatically launch KELDO TNC when KELDO Terminal is opened</source>
        <translation>Iniciar automáticamente el KELDO TNC al abrir KELDO Terminal</translation>
    </message>
    <message>
        <source>Alert on My Call</source>
        <translation>Avisar con mi indicativo</translation>
    </message>
    <message>
        <source>Mark and announce received text holding your call sign</source>
        <translation>Marcar y anunciar el texto recibido que contenga su indicativo</translation>
    </message>
    <message>
        <source>Alert Words</source>
        <translation>Palabras de aviso</translation>
    </message>
    <message>
        <source>Words to mark and announce in received text, separated by commas</source>
        <translation>Palabras que marcar y anunciar en el texto recibido, separadas por comas</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>TCP Command Port (default: 8300)</source>
        <translation>Puerto TCP de comandos (por defecto: 8300)</translation>
    </message>
    <message>
        <source>TCP Command Port (default: %1)</source>
        <translation>Puerto TCP de comandos (por defecto: %1)</translation>
    </message>
    <message>
        <source>No while a connection is is progress.</source>
        <translation>No es posible mientras haya una conexión en curso.</translation>
    </message>
    <message>
        <source>Invalid TCP port</source>
        <translation>Puerto TCP no válido</translation>
    </message>
    <message>
        <source>Invalid Host</source>
        <translation>Host no válido</translation>
    </message>
    <message>
        <source>Invalid Call Sign</source>
        <translation>Indicativo no válido</translation>
    </message>
</context>
</TS>
