<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Empty debug area in &apos;%1&apos; (known: %2).</source>
        <translation>Área de depuração vazia em &apos;%1&apos; (conhecidas: %2).</translation>
    </message>
    <message>
        <source>Unknown debug area &apos;%1&apos; (known: %2).</source>
        <translation>Área de depuração desconhecida &apos;%1&apos; (conhecidas: %2).</translation>
    </message>
    <message>
        <source>Use FILE as the settings file (created on the first save). One copy runs per settings file.</source>
        <translation>Usar ARQUIVO como arquivo de configurações (criado ao salvar pela primeira vez). Uma cópia é executada por arquivo de configurações.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARQUIVO</translation>
    </message>
    <message>
        <source>Read the remote operation password from standard input, store its hash and exit.</source>
        <translation>Ler a senha de operação remota da entrada padrão, armazenar seu hash e sair.</translation>
    </message>
    <message>
        <source>Run on standard input and output, without a window or a display.</source>
        <translation>Executar na entrada e na saída padrão, sem janela nem tela.</translation>
    </message>
    <message>
        <source>Write every diagnostic of the areas to standard error: %1 (comma-separated).</source>
        <translation>Gravar todos os diagnósticos das áreas na saída de erro padrão: %1 (separadas por vírgulas).</translation>
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
        <translation>Terminal de chat por teclado para os modems KELDO.

Configurações: $XDG_CONFIG_HOME/KELDO Terminal/KELDO Terminal.ini (padrão
~/.config/...) quando instalado ou quando não é possível gravar na pasta do programa;
caso contrário, &quot;KELDO Terminal.ini&quot; ao lado do programa.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Try &apos;keldo-terminal --help&apos; for more information.</source>
        <translation>Tente &apos;keldo-terminal --help&apos; para mais informações.</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>KELDO Terminal %1, settings %2. /help lists the commands.</source>
        <translation>KELDO Terminal %1, configurações %2. /help lista os comandos.</translation>
    </message>
    <message>
        <source>/%1 takes nothing after it.</source>
        <translation>/%1 não aceita nada depois.</translation>
    </message>
    <message>
        <source>Usage: /connect CALL [VIA1 [VIA2]]</source>
        <translation>Uso: /connect CALL [VIA1 [VIA2]]</translation>
    </message>
    <message>
        <source>Unknown command %1: /help lists the commands.</source>
        <translation>Comando desconhecido %1: /help lista os comandos.</translation>
    </message>
</context>
<context>
    <name>ConsoleFrontEnd</name>
    <message>
        <source>Screen cleared</source>
        <translation>Tela limpa</translation>
    </message>
    <message>
        <source>QSO with %1 logged</source>
        <translation>QSO com %1 registrado</translation>
    </message>
    <message>
        <source>QSO with %1 not logged: %2</source>
        <translation>QSO com %1 não registrado: %2</translation>
    </message>
    <message>
        <source>%1 is calling</source>
        <translation>%1 está chamando</translation>
    </message>
    <message>
        <source>Alert word from %1: %2</source>
        <translation>Palavra de alerta de %1: %2</translation>
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
        <translation>Não enviado: %1</translation>
    </message>
    <message>
        <source>Remote access: %1</source>
        <translation>Acesso remoto: %1</translation>
    </message>
    <message>
        <source>In control: %1</source>
        <translation>Com o controle: %1</translation>
    </message>
    <message>
        <source>Line too long: not sent</source>
        <translation>Linha longa demais: não enviada</translation>
    </message>
    <message>
        <source>%1 is in control: /control takes it back</source>
        <translation>%1 está com o controle: /control o retoma</translation>
    </message>
    <message>
        <source>Not sent: no connection</source>
        <translation>Não enviado: sem conexão</translation>
    </message>
    <message>
        <source>Cannot call %1: not a call sign, or the modem is not linked</source>
        <translation>Não é possível chamar %1: não é um indicativo ou o modem não está conectado</translation>
    </message>
    <message>
        <source>F%1 has no macro</source>
        <translation>F%1 não tem macro</translation>
    </message>
    <message>
        <source>F%1 does not end in &lt;SEND&gt;; type it to send it: %2</source>
        <translation>F%1 não termina em &lt;SEND&gt;; digite-a para enviá-la: %2</translation>
    </message>
    <message>
        <source>Modem link: %1</source>
        <translation>Link com o modem: %1</translation>
    </message>
    <message>
        <source>up</source>
        <translation>ativo</translation>
    </message>
    <message>
        <source>down</source>
        <translation>interrompido</translation>
    </message>
    <message>
        <source>Connected with %1, %2 bytes received</source>
        <translation>Conectado com %1, %2 bytes recebidos</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Não conectado</translation>
    </message>
    <message>
        <source>My call sign: %1; QSO logging %2</source>
        <translation>Meu indicativo: %1; registro de QSOs %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ativado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desativado</translation>
    </message>
    <message>
        <source>A line is sent as typed (start it with // to send a /).</source>
        <translation>Cada linha é enviada como digitada (comece com // para enviar uma /).</translation>
    </message>
    <message>
        <source>/connect CALL [VIA1 [VIA2]]  call a station</source>
        <translation>/connect CALL [VIA1 [VIA2]]  chamar uma estação</translation>
    </message>
    <message>
        <source>/stop                        end the connection or the call</source>
        <translation>/stop                        encerrar a conexão ou a chamada</translation>
    </message>
    <message>
        <source>/clear                       clear the screen</source>
        <translation>/clear                       limpar a tela</translation>
    </message>
    <message>
        <source>/f1 ... /f12                 the macros</source>
        <translation>/f1 ... /f12                 as macros</translation>
    </message>
    <message>
        <source>/status                      the link, the connection, who is in control</source>
        <translation>/status                      o link, a conexão, quem está com o controle</translation>
    </message>
    <message>
        <source>/control                     take control back from a browser</source>
        <translation>/control                     retomar o controle de um navegador</translation>
    </message>
    <message>
        <source>/quit                        end, as closing the window does</source>
        <translation>/quit                        sair, como ao fechar a janela</translation>
    </message>
    <message>
        <source>Waiting for the modem to end the connection...</source>
        <translation>Aguardando o modem encerrar a conexão...</translation>
    </message>
</context>
<context>
    <name>ConsoleOutput</name>
    <message numerus="yes">
        <source>[%n line(s) dropped: the output did not keep up]</source>
        <translation>
            <numerusform>[%n linha descartada: a saída não deu conta]</numerusform>
            <numerusform>[%n linhas descartadas: a saída não deu conta]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConversationLog</name>
    <message>
        <source>the folder does not answer</source>
        <translation>a pasta não responde</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>The conversation log cannot be written to %1: %2.
The conversation goes on; logging resumes as soon as the file can be written.</source>
        <translation>Não é possível gravar o log da conversa em %1: %2.
A conversa continua; o log é retomado assim que for possível gravar o arquivo.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Níveis demais de links simbólicos</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>O arquivo é somente leitura.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>a link, not a file</source>
        <translation>um link, não um arquivo</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>maior que %1 bytes</translation>
    </message>
    <message>
        <source>the file does not read as an ADIF logbook; it is left as it is</source>
        <translation>o arquivo não pode ser lido como um logbook ADIF; ele é mantido como está</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>Error: Another copy of KELDO Terminal is running from this folder. Only one copy can be run at a time from the same folder</source>
        <translation>Erro: outra cópia do KELDO Terminal está em execução a partir desta pasta. Só uma cópia pode ser executada por vez a partir da mesma pasta</translation>
    </message>
</context>
<context>
    <name>Logbook</name>
    <message>
        <source>the folder does not answer</source>
        <translation>a pasta não responde</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO record(s) could not be written to the logbook %1:
%2

They are kept in %3 and written as soon as the logbook can take them: at the next QSO, when the logbook settings are opened, or at the next start.</source>
        <translation>
            <numerusform>%n registro de QSO não pôde ser gravado no logbook %1:
%2

Ele fica guardado em %3 e será gravado assim que o logbook puder recebê-lo: no próximo QSO, ao abrir as configurações do logbook ou na próxima inicialização.</numerusform>
            <numerusform>%n registros de QSO não puderam ser gravados no logbook %1:
%2

Eles ficam guardados em %3 e serão gravados assim que o logbook puder recebê-los: no próximo QSO, ao abrir as configurações do logbook ou na próxima inicialização.</numerusform>
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
        <translation>Não é possível gravar o log da conversa: %1</translation>
    </message>
    <message>
        <source>QSO records waiting for the logbook: %1</source>
        <translation>Registros de QSO aguardando o logbook: %1</translation>
    </message>
    <message>
        <source>Unkeyed: the link to the modem was lost</source>
        <translation>PTT liberado: o link com o modem foi perdido</translation>
    </message>
    <message>
        <source>Unkeyed: the modem&apos;s data link was lost and no PTT OFF came</source>
        <translation>PTT liberado: o link de dados do modem foi perdido e não veio PTT OFF</translation>
    </message>
    <message>
        <source>Unkeyed: the connection ended and no PTT OFF came</source>
        <translation>PTT liberado: a conexão terminou e não veio PTT OFF</translation>
    </message>
    <message>
        <source>Unkeyed: the connection was stopped and no PTT OFF came</source>
        <translation>PTT liberado: a conexão foi interrompida e não veio PTT OFF</translation>
    </message>
    <message>
        <source>Unkeyed: the keying settings changed</source>
        <translation>PTT liberado: as configurações de PTT mudaram</translation>
    </message>
    <message>
        <source>PTT time-out: keyed for more than %1 s without PTT OFF. Released until the modem sends PTT OFF.</source>
        <translation>Tempo limite de PTT: acionado por mais de %1 s sem PTT OFF. Liberado até o modem enviar PTT OFF.</translation>
    </message>
    <message>
        <source>PTT OFF</source>
        <translation>PTT OFF</translation>
    </message>
    <message>
        <source>TCP link disconnected</source>
        <translation>Link TCP desconectado</translation>
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
        <translation>Modem desconectado</translation>
    </message>
    <message>
        <source>rigctld sent a line too long for a frequency: connection dropped</source>
        <translation>O rigctld enviou uma linha longa demais para uma frequência: conexão encerrada</translation>
    </message>
    <message>
        <source>Modem Connected</source>
        <translation>Modem conectado</translation>
    </message>
    <message>
        <source>Modem Connected, %1 MHz</source>
        <translation>Modem conectado, %1 MHz</translation>
    </message>
    <message>
        <source>Logger %1 cannot be reached: host not found</source>
        <translation>Programa de log %1 inacessível: host não encontrado</translation>
    </message>
    <message>
        <source>Logger %1 cannot be reached</source>
        <translation>Programa de log %1 inacessível</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a failure and its detail</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Connecting with %1 ...</source>
        <translation>Conectando com %1 ...</translation>
    </message>
    <message>
        <source>Via %1</source>
        <translation>Via %1</translation>
    </message>
    <message>
        <source>%1 Bytes Sent</source>
        <translation>%1 bytes enviados</translation>
    </message>
    <message>
        <source>%1 Bytes Rcvd</source>
        <translation>%1 bytes recebidos</translation>
    </message>
    <message>
        <source>PTT ON</source>
        <translation>PTT ON</translation>
    </message>
    <message>
        <source>%1 closed: %2</source>
        <translation>%1 fechado: %2</translation>
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
        <translation>Não é possível ler o certificado ou sua chave (%1, %2).</translation>
    </message>
    <message>
        <source>The certificate or its key is not in PEM form (%1, %2).</source>
        <translation>O certificado ou sua chave não está no formato PEM (%1, %2).</translation>
    </message>
    <message>
        <source>The key file cannot be made in %1.</source>
        <translation>Não é possível criar o arquivo da chave em %1.</translation>
    </message>
    <message>
        <source>No certificate could be made: the openssl command failed or is missing (%1).</source>
        <translation>Nenhum certificado pôde ser criado: o comando openssl falhou ou não está instalado (%1).</translation>
    </message>
    <message>
        <source>The certificate cannot be kept in %1.</source>
        <translation>Não é possível guardar o certificado em %1.</translation>
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
        <translation>Senha</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Received text</source>
        <translation>Texto recebido</translation>
    </message>
    <message>
        <source>Text to send (Enter sends)</source>
        <translation>Texto a enviar (Enter envia)</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Indicativo</translation>
    </message>
    <message>
        <source>Via</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próxima</translation>
    </message>
    <message>
        <source>Take control</source>
        <translation>Assumir o controle</translation>
    </message>
    <message>
        <source>In control:</source>
        <translation>Com o controle:</translation>
    </message>
    <message>
        <source>you</source>
        <translation>você</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Bytes sent</source>
        <translation>Bytes enviados</translation>
    </message>
    <message>
        <source>Bytes received</source>
        <translation>Bytes recebidos</translation>
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
        <translation>Não registrar</translation>
    </message>
    <message>
        <source>Connection to the station lost; trying again...</source>
        <translation>Conexão com a estação perdida; tentando novamente...</translation>
    </message>
    <message>
        <source>TCP link up</source>
        <translation>Link TCP ativo</translation>
    </message>
    <message>
        <source>TCP link waiting</source>
        <translation>Link TCP aguardando</translation>
    </message>
    <message>
        <source>TCP link down</source>
        <translation>Link TCP interrompido</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>ocorrências</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 ocorrência</translation>
    </message>
</context>
<context>
    <name>RemotePassword</name>
    <message>
        <source>The password could not be stored in %1: %2</source>
        <translation>Não foi possível armazenar a senha em %1: %2</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>Remote operation is off.</source>
        <translation>A operação remota está desativada.</translation>
    </message>
    <message>
        <source>Remote operation needs a password: set one with keldo-terminal --set-remote-password.</source>
        <translation>A operação remota precisa de uma senha: defina uma com keldo-terminal --set-remote-password.</translation>
    </message>
    <message>
        <source>The stored remote password cannot be used: set it again with keldo-terminal --set-remote-password.</source>
        <translation>A senha remota armazenada não pode ser usada: defina-a novamente com keldo-terminal --set-remote-password.</translation>
    </message>
    <message>
        <source>The listen address %1 is not an address.</source>
        <translation>O endereço de escuta %1 não é um endereço válido.</translation>
    </message>
    <message>
        <source>Cannot listen on %1 (in use, or not this machine&apos;s).</source>
        <translation>Não é possível escutar em %1 (em uso ou não pertence a esta máquina).</translation>
    </message>
    <message>
        <source>Serving on https://%1:%2/ (certificate SHA-256 %3).</source>
        <translation>Servidor ativo em https://%1:%2/ (certificado SHA-256 %3).</translation>
    </message>
    <message>
        <source>Wrong password.</source>
        <translation>Senha incorreta.</translation>
    </message>
    <message>
        <source>the desktop</source>
        <translation>o desktop</translation>
    </message>
    <message>
        <source>the console</source>
        <translation>o console</translation>
    </message>
    <message>
        <source>a browser</source>
        <translation>um navegador</translation>
    </message>
    <message>
        <source>a browser at %1</source>
        <translation>um navegador em %1</translation>
    </message>
    <message>
        <source>Another front end is in control. Take control first.</source>
        <translation>Outra interface está com o controle. Assuma o controle primeiro.</translation>
    </message>
    <message>
        <source>Making the certificate...</source>
        <translation>Criando o certificado...</translation>
    </message>
</context>
<context>
    <name>RxFindBar</name>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Find in the received text</source>
        <translation>Localizar no texto recebido</translation>
    </message>
    <message>
        <source>&amp;Match case</source>
        <translation>Diferenciar &amp;maiúsculas</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Ocorrência anterior (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (Enter, F3)</source>
        <translation>Próxima ocorrência (Enter, F3)</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Fechar (Esc)</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Nenhuma ocorrência</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 ocorrência</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n ocorrência</numerusform>
            <numerusform>%n ocorrências</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RxScreenView</name>
    <message>
        <source>New text below</source>
        <translation>Texto novo abaixo</translation>
    </message>
    <message>
        <source>Show the newest text (Ctrl+End)</source>
        <translation>Mostrar o texto mais recente (Ctrl+End)</translation>
    </message>
</context>
<context>
    <name>SerialPortList</name>
    <message>
        <source>%1, serial %2</source>
        <translation>%1, nº de série %2</translation>
    </message>
</context>
<context>
    <name>SettingsController</name>
    <message>
        <source>The remote access settings could not be saved to %1
%2</source>
        <translation>Não foi possível salvar as configurações de acesso remoto em %1
%2</translation>
    </message>
    <message>
        <source>the settings folder does not answer</source>
        <translation>a pasta de configurações não responde</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>the settings folder does not answer</source>
        <translation>a pasta de configurações não responde</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1
%2</source>
        <translation>Não foi possível salvar as configurações em %1
%2</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>%1 cannot be started</source>
        <translation>Não é possível iniciar %1</translation>
    </message>
    <message>
        <source>%1 cannot be started: %2</source>
        <translation>Não é possível iniciar %1: %2</translation>
    </message>
    <message>
        <source>Unable to open radio serial port %1. May be in use by another application.</source>
        <translation>Não foi possível abrir a porta serial do rádio %1. Ela pode estar em uso por outro aplicativo.</translation>
    </message>
    <message>
        <source>PTT port %1 lost while transmitting: the radio may still be on the air</source>
        <translation>Porta de PTT %1 perdida durante a transmissão: o rádio pode continuar no ar</translation>
    </message>
    <message>
        <source>PTT port %1 back: transmitter released</source>
        <translation>Porta de PTT %1 de volta: transmissor liberado</translation>
    </message>
    <message>
        <source>Transmit time-out: transmitter released until the modem sends PTT OFF</source>
        <translation>Tempo limite de transmissão: transmissor liberado até o modem enviar PTT OFF</translation>
    </message>
    <message>
        <source>The folder %1 does not answer: writing %2 did not finish within %3 s.
The terminal goes on without it; what could not be written is kept where it can be and written when the folder answers again.</source>
        <translation>A pasta %1 não responde: a gravação de %2 não terminou em %3 s.
O terminal continua sem ela; o que não pôde ser gravado fica guardado onde for possível e será gravado quando a pasta voltar a responder.</translation>
    </message>
    <message>
        <source>the desktop</source>
        <translation>o desktop</translation>
    </message>
    <message>
        <source>the console</source>
        <translation>o console</translation>
    </message>
    <message>
        <source>a browser</source>
        <translation>um navegador</translation>
    </message>
    <message>
        <source>Control link to %1 lost: stopped, the unsent text kept</source>
        <translation>Link de controle com %1 perdido: parado, o texto não enviado foi mantido</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>Arquivo %1 não encontrado</translation>
    </message>
    <message>
        <source>Linux path tried: %1</source>
        <translation>Caminho do Linux tentado: %1</translation>
    </message>
    <message>
        <source>%1 cannot be started: it is a Windows program, and &quot;wine&quot; was not found on the PATH.
Install Wine to run it, or choose a modem program for Linux.</source>
        <translation>Não é possível iniciar %1: é um programa do Windows e o &quot;wine&quot; não foi encontrado no PATH.
Instale o Wine para executá-lo ou escolha um programa de modem para Linux.</translation>
    </message>
</context>
<context>
    <name>StationRemote</name>
    <message>
        <source>Calling %1</source>
        <translation>Chamando %1</translation>
    </message>
    <message>
        <source>Log the QSO with %1?</source>
        <translation>Registrar o QSO com %1?</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>%1 with %2</source>
        <translation>%1 com %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 with %2 via %3</source>
        <translation>%1 com %2 via %3</translation>
    </message>
    <message>
        <source>transmitting</source>
        <translation>transmitindo</translation>
    </message>
    <message>
        <source>receiving</source>
        <translation>recebendo</translation>
    </message>
    <message>
        <source>not keyed</source>
        <translation>não acionado</translation>
    </message>
    <message>
        <source>Transmitter: %1</source>
        <translation>Transmissor: %1</translation>
    </message>
    <message>
        <source>Whether the radio is keyed to transmit</source>
        <translation>Indica se o rádio está acionado para transmitir</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>ending</source>
        <translation>encerrando</translation>
    </message>
    <message>
        <source>calling %1</source>
        <translation>chamando %1</translation>
    </message>
    <message>
        <source>Connection: %1</source>
        <translation>Conexão: %1</translation>
    </message>
    <message>
        <source>The radio connection and the stations in it</source>
        <translation>A conexão via rádio e as estações que participam dela</translation>
    </message>
    <message>
        <source>Bytes sent and received</source>
        <translation>Bytes enviados e recebidos</translation>
    </message>
    <message>
        <source>Bytes sent and received: %1 sent</source>
        <translation>Bytes enviados e recebidos: %1 enviados</translation>
    </message>
    <message>
        <source>Bytes sent and received: %1 received</source>
        <translation>Bytes enviados e recebidos: %1 recebidos</translation>
    </message>
    <message>
        <source>Bytes sent and received: %1</source>
        <translation>Bytes enviados e recebidos: %1</translation>
    </message>
    <message>
        <source>Bytes of the current text sent to or received from the other station</source>
        <translation>Bytes do texto atual enviados à outra estação ou recebidos dela</translation>
    </message>
    <message>
        <source>up</source>
        <translation>ativo</translation>
    </message>
    <message>
        <source>down</source>
        <translation>interrompido</translation>
    </message>
    <message>
        <source>not connected yet</source>
        <translation>ainda não conectado</translation>
    </message>
    <message>
        <source>Modem link: %1</source>
        <translation>Link com o modem: %1</translation>
    </message>
    <message>
        <source>The network link to the modem program</source>
        <translation>O link de rede com o programa do modem</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Start of the status bar</source>
        <translation>Início da barra de status</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de status</translation>
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
        <translation>Sem conexão com %1</translation>
    </message>
    <message>
        <source>No connection with %1 via %2</source>
        <translation>Sem conexão com %1 via %2</translation>
    </message>
    <message>
        <source>Connection ended</source>
        <translation>Conexão encerrada</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About KELDO Chat</source>
        <translation>Sobre o KELDO Chat</translation>
    </message>
    <message>
        <source>Version %1    </source>
        <extracomment>%1 is the version number; the blanks after it are kept.</extracomment>
        <translation>Versão %1    </translation>
    </message>
    <message>
        <source>Keyboard chat terminal for the KELDO modems.</source>
        <translation>Terminal de chat por teclado para os modems KELDO.</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Configurações: %1</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Arquivo de configurações: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>Conectar com:</translation>
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
        <translation>Indicativo inválido</translation>
    </message>
</context>
<context>
    <name>frmFirstRun</name>
    <message>
        <source>KELDO Terminal: first start</source>
        <translation>KELDO Terminal: primeira execução</translation>
    </message>
    <message>
        <source>There are no settings yet. Your call sign and your modem, to begin with (Settings → Terminal Setup... changes them later).</source>
        <translation>Ainda não há configurações. Para começar, seu indicativo e seu modem (Configurações → Configuração do terminal... permite alterá-los depois).</translation>
    </message>
    <message>
        <source>&amp;Call sign:</source>
        <translation>&amp;Indicativo:</translation>
    </message>
    <message>
        <source>Where the modem runs</source>
        <translation>Onde o modem é executado</translation>
    </message>
    <message>
        <source>The &amp;practice modem (%1), to try the terminal</source>
        <translation>O modem de &amp;treino (%1), para experimentar o terminal</translation>
    </message>
    <message>
        <source>A modem program on &amp;this computer:</source>
        <translation>Um programa de modem &amp;neste computador:</translation>
    </message>
    <message>
        <source>A modem on &amp;another computer:</source>
        <translation>Um modem em &amp;outro computador:</translation>
    </message>
    <message>
        <source>A program whose name ends in .exe runs under Wine</source>
        <translation>Um programa cujo nome termina em .exe é executado pelo Wine</translation>
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
        <translation>&amp;Porta de comando:</translation>
    </message>
    <message>
        <source>Invalid Call Sign</source>
        <translation>Indicativo inválido</translation>
    </message>
    <message>
        <source>Invalid modem program</source>
        <translation>Programa de modem inválido</translation>
    </message>
    <message>
        <source>Invalid Host</source>
        <translation>Host inválido</translation>
    </message>
    <message>
        <source>Invalid TCP port</source>
        <translation>Porta TCP inválida</translation>
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
        <translation>Idioma do sistema</translation>
    </message>
    <message>
        <source>The language changes when KELDO Terminal is started again.</source>
        <translation>O idioma muda quando o KELDO Terminal for iniciado novamente.</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>Terminal Setup...</source>
        <translation>Configuração do terminal...</translation>
    </message>
    <message>
        <source>PTT...</source>
        <translation>PTT...</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamanho da fonte</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Speaker Colours</source>
        <translation>Cores por interlocutor</translation>
    </message>
    <message>
        <source>Time Stamps</source>
        <translation>Carimbos de hora</translation>
    </message>
    <message>
        <source>Notify on Incoming Call</source>
        <translation>Avisar chamadas recebidas</translation>
    </message>
    <message>
        <source>Log Conversations</source>
        <translation>Gravar conversas</translation>
    </message>
    <message>
        <source>Log Folder...</source>
        <translation>Pasta de logs...</translation>
    </message>
    <message>
        <source>Logbook...</source>
        <translation>Logbook...</translation>
    </message>
    <message>
        <source>Open Logs Folder</source>
        <translation>Abrir pasta de logs</translation>
    </message>
    <message>
        <source>Remote Access...</source>
        <translation>Acesso remoto...</translation>
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
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Localizar...</translation>
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
        <translation>Co&amp;nectar</translation>
    </message>
    <message>
        <source>Call a station</source>
        <translation>Chamar uma estação</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>End the connection</source>
        <translation>Encerrar a conexão</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>Empty the RX screen</source>
        <translation>Limpar a tela de RX</translation>
    </message>
    <message>
        <source>T&amp;ake Control</source>
        <translation>&amp;Assumir o controle</translation>
    </message>
    <message>
        <source>Operate the station from here again</source>
        <translation>Voltar a operar a estação daqui</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>KELDO Google Group</source>
        <translation>Grupo KELDO no Google Groups</translation>
    </message>
    <message>
        <source>KELDO download site</source>
        <translation>Site de download do KELDO</translation>
    </message>
    <message>
        <source>ChangeLog</source>
        <translation>Registro de alterações</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>RX Screen</source>
        <translation>Tela de RX</translation>
    </message>
    <message>
        <source>Received text</source>
        <translation>Texto recebido</translation>
    </message>
    <message>
        <source>The conversation: what the other station sent and what you sent</source>
        <translation>A conversa: o que a outra estação enviou e o que você enviou</translation>
    </message>
    <message>
        <source>Sending progress</source>
        <translation>Progresso do envio</translation>
    </message>
    <message>
        <source>How much of the text being sent the modem has transmitted</source>
        <translation>Quanto do texto em envio o modem já transmitiu</translation>
    </message>
    <message>
        <source>TX Screen</source>
        <translation>Tela de TX</translation>
    </message>
    <message>
        <source>Text to send</source>
        <translation>Texto a enviar</translation>
    </message>
    <message>
        <source>Type your text here; Enter sends it</source>
        <translation>Digite seu texto aqui; Enter o envia</translation>
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
        <translation>Envia o texto digitado à outra estação (tecla Enter)</translation>
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
        <translation>Com o controle: %1. Esta janela apenas acompanha; Assumir o controle (Ctrl+Shift+T) permite operar daqui.</translation>
    </message>
    <message>
        <source>KELDO Terminal is not connected with KELDO Modem</source>
        <translation>O KELDO Terminal não está conectado ao KELDO Modem</translation>
    </message>
    <message>
        <source>No program to show text files was found (such as xdg-open).
The change log is the file %1</source>
        <translation>Nenhum programa para exibir arquivos de texto foi encontrado (como o xdg-open).
O registro de alterações é o arquivo %1</translation>
    </message>
    <message>
        <source>%1 not found</source>
        <translation>%1 não encontrado</translation>
    </message>
    <message>
        <source>The logs folder could not be opened: no program to open folders was found.
The logs are in %1</source>
        <translation>Não foi possível abrir a pasta de logs: nenhum programa para abrir pastas foi encontrado.
Os logs estão em %1</translation>
    </message>
    <message>
        <source>Log Folder</source>
        <translation>Pasta de logs</translation>
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
        <translation>QSOs aguardando registro</translation>
    </message>
    <message>
        <source>&amp;Call:</source>
        <translation>&amp;Indicativo:</translation>
    </message>
    <message>
        <source>Time o&amp;n:</source>
        <translation>Hora i&amp;nicial:</translation>
    </message>
    <message>
        <source>Time o&amp;ff:</source>
        <translation>Hora &amp;final:</translation>
    </message>
    <message>
        <source>Freq&amp;uency (MHz):</source>
        <translation>Freq&amp;uência (MHz):</translation>
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
        <translation>RST &amp;recebido:</translation>
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
        <translation>&amp;Locator:</translation>
    </message>
    <message>
        <source>C&amp;omment:</source>
        <translation>&amp;Comentário:</translation>
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
        <translation>Não foi possível gravar o QSO.</translation>
    </message>
    <message numerus="yes">
        <source>Log QSO – %n waiting</source>
        <translation>
            <numerusform>Registrar QSO – %n pendente</numerusform>
            <numerusform>Registrar QSO – %n pendentes</numerusform>
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
        <translation>&amp;Registrar QSOs</translation>
    </message>
    <message>
        <source>Log &amp;without asking</source>
        <translation>Registrar &amp;sem perguntar</translation>
    </message>
    <message>
        <source>Which mode does your logbook use for these QSOs?</source>
        <translation>Qual modo o seu logbook usa para estes QSOs?</translation>
    </message>
    <message>
        <source>Log mode</source>
        <translation>Modo no log</translation>
    </message>
    <message>
        <source>&amp;Send QSOs to loggers</source>
        <translation>&amp;Enviar QSOs aos programas de log</translation>
    </message>
    <message>
        <source>Log &amp;mode:</source>
        <translation>&amp;Modo no log:</translation>
    </message>
    <message>
        <source>Log s&amp;ubmode:</source>
        <translation>S&amp;ubmodo no log:</translation>
    </message>
    <message>
        <source>M&amp;y locator:</source>
        <translation>Meu &amp;locator:</translation>
    </message>
    <message>
        <source>&amp;TX power (W):</source>
        <translation>Potência de &amp;TX (W):</translation>
    </message>
    <message>
        <source>Rig control &amp;host (rigctld, when PTT is not by rigctld):</source>
        <translation>&amp;Host de controle do rádio (rigctld, se o PTT não for via rigctld):</translation>
    </message>
    <message>
        <source>Rig control &amp;port:</source>
        <translation>&amp;Porta de controle do rádio:</translation>
    </message>
    <message>
        <source>Used for the frequency when PTT is not by rigctld; keying by rigctld, that rigctld is asked.</source>
        <translation>Fornece a frequência quando o PTT não é via rigctld; com PTT via rigctld, consulta-se esse rigctld.</translation>
    </message>
    <message>
        <source>Logger h&amp;ost:</source>
        <translation>H&amp;ost do programa de log:</translation>
    </message>
    <message>
        <source>Logger po&amp;rt:</source>
        <translation>Porta do programa de lo&amp;g:</translation>
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
        <translation>Teclas de função</translation>
    </message>
    <message>
        <source>Button label</source>
        <translation>Rótulo do botão</translation>
    </message>
    <message>
        <source>Macro text</source>
        <translation>Texto da macro</translation>
    </message>
    <message>
        <source>Variables: &lt;MYCALL&gt; &lt;CALL&gt; &lt;UTC&gt; &lt;DATE&gt; &lt;MODE&gt; &lt;BW&gt; &lt;FREQ&gt; &lt;BAND&gt;.
&lt;SEND&gt; at the end sends the text at once.</source>
        <translation>Variáveis: &lt;MYCALL&gt; &lt;CALL&gt; &lt;UTC&gt; &lt;DATE&gt; &lt;MODE&gt; &lt;BW&gt; &lt;FREQ&gt; &lt;BAND&gt;.
&lt;SEND&gt; no final envia o texto imediatamente.</translation>
    </message>
    <message>
        <source>Show macro buttons under the TX box</source>
        <translation>Mostrar botões de macro abaixo da caixa de TX</translation>
    </message>
    <message>
        <source>&amp;Label:</source>
        <translation>&amp;Rótulo:</translation>
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
        <translation>PTT via</translation>
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
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Bauds:</source>
        <translation>Baud:</translation>
    </message>
    <message>
        <source>PTT Pin</source>
        <translation>Pino de PTT</translation>
    </message>
    <message>
        <source>CI-V Address:</source>
        <translation>Endereço CI-V:</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>%1
not present</source>
        <extracomment>Tooltip of a serial device that is not plugged in; %1 is its path.</extracomment>
        <translation>%1
não conectado</translation>
    </message>
    <message>
        <source>wrong Icom Address format</source>
        <translation>Formato de endereço CI-V da Icom incorreto</translation>
    </message>
    <message>
        <source>Invalid serial port</source>
        <translation>Porta serial inválida</translation>
    </message>
    <message>
        <source>Invalid rigctld port</source>
        <translation>Porta do rigctld inválida</translation>
    </message>
</context>
<context>
    <name>frmRemote</name>
    <message>
        <source>Remote Access</source>
        <translation>Acesso remoto</translation>
    </message>
    <message>
        <source>&amp;Let browsers operate this station</source>
        <translation>&amp;Permitir que navegadores operem esta estação</translation>
    </message>
    <message>
        <source>Listen address</source>
        <translation>Endereço de escuta</translation>
    </message>
    <message>
        <source>127.0.0.1: this computer only; 0.0.0.0: every network</source>
        <translation>127.0.0.1: só este computador; 0.0.0.0: todas as redes</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nova senha</translation>
    </message>
    <message>
        <source>New password again</source>
        <translation>Repetir a nova senha</translation>
    </message>
    <message>
        <source>A password is set; leave both boxes empty to keep it.</source>
        <translation>Há uma senha definida; deixe as duas caixas vazias para mantê-la.</translation>
    </message>
    <message>
        <source>No password is set: browsers cannot log in until one is.</source>
        <translation>Nenhuma senha definida: os navegadores não podem entrar até que uma seja definida.</translation>
    </message>
    <message>
        <source>Listen &amp;address:</source>
        <translation>&amp;Endereço de escuta:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>P&amp;orta:</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>&amp;Nova senha:</translation>
    </message>
    <message>
        <source>&amp;Repeat it:</source>
        <translation>&amp;Repita-a:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Agora</translation>
    </message>
    <message>
        <source>Browsers connected</source>
        <translation>Navegadores conectados</translation>
    </message>
    <message>
        <source>&amp;Take control</source>
        <translation>&amp;Assumir o controle</translation>
    </message>
    <message>
        <source>&amp;Disconnect all</source>
        <translation>&amp;Desconectar todos</translation>
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
        <translation>Com o controle:</translation>
    </message>
    <message>
        <source>Serving.</source>
        <translation>Servidor ativo.</translation>
    </message>
    <message>
        <source>Not serving.</source>
        <translation>Servidor inativo.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhum)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The listen address must be an IP address, such as 127.0.0.1 or 0.0.0.0.</source>
        <translation>O endereço de escuta deve ser um endereço IP, como 127.0.0.1 ou 0.0.0.0.</translation>
    </message>
    <message>
        <source>The port must be a number from %1 to %2.</source>
        <translation>A porta deve ser um número de %1 a %2.</translation>
    </message>
    <message>
        <source>The two passwords differ: type the same one twice.</source>
        <translation>As duas senhas são diferentes: digite a mesma duas vezes.</translation>
    </message>
    <message numerus="yes">
        <source>The password is too short: at least %n characters, please.</source>
        <translation>
            <numerusform>A senha é curta demais: pelo menos %n caractere, por favor.</numerusform>
            <numerusform>A senha é curta demais: pelo menos %n caracteres, por favor.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Setup</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Command Port</source>
        <translation>Porta de comando</translation>
    </message>
    <message>
        <source>Data Port</source>
        <translation>Porta de dados</translation>
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
        <translation>Meu indicativo</translation>
    </message>
    <message>
        <source>KELDO HF Bandwitdh</source>
        <translation>Largura de banda KELDO HF</translation>
    </message>
    <message>
        <source>500 Hz (Narrow)</source>
        <translation>500 Hz (estreita)</translation>
    </message>
    <message>
        <source>2300 Hz (Standard)</source>
        <translation>2300 Hz (padrão)</translation>
    </message>
    <message>
        <source>2750 Hz (Tactical)</source>
        <translation>2750 Hz (tática)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>KELDO HF Modem location</source>
        <translation>Local do modem KELDO HF</translation>
    </message>
    <message>
        <source>KELDO FM Modem location</source>
        <translation>Local do modem KELDO FM</translation>
    </message>
    <message>
        <source>KELDO SAT Modem location</source>
        <translation>Local do modem KELDO SAT</translation>
    </message>
    <message>
        <source>Automatically launch KELDO TNC when KELDO Terminal is opened</source>
        <translation>Iniciar automaticamente o KELDO TNC ao abrir o KELDO Terminal</translation>
    </message>
    <message>
        <source>Alert on My Call</source>
        <translation>Alertar com meu indicativo</translation>
    </message>
    <message>
        <source>Mark and announce received text holding your call sign</source>
        <translation>Marcar e anunciar o texto recebido que contenha seu indicativo</translation>
    </message>
    <message>
        <source>Alert Words</source>
        <translation>Palavras de alerta</translation>
    </message>
    <message>
        <source>Words to mark and announce in received text, separated by commas</source>
        <translation>Palavras a marcar e anunciar no texto recebido, separadas por vírgulas</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>TCP Command Port (default: 8300)</source>
        <translation>Porta TCP de comando (padrão: 8300)</translation>
    </message>
    <message>
        <source>TCP Command Port (default: %1)</source>
        <translation>Porta TCP de comando (padrão: %1)</translation>
    </message>
    <message>
        <source>No while a connection is is progress.</source>
        <translation>Não é possível enquanto há uma conexão em andamento.</translation>
    </message>
    <message>
        <source>Invalid TCP port</source>
        <translation>Porta TCP inválida</translation>
    </message>
    <message>
        <source>Invalid Host</source>
        <translation>Host inválido</translation>
    </message>
    <message>
        <source>Invalid Call Sign</source>
        <translation>Indicativo inválido</translation>
    </message>
</context>
</TS>
