<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Empty debug area in &apos;%1&apos; (known: %2).</source>
        <translation>Domaine de débogage vide dans «&#xa0;%1&#xa0;» (connus&#xa0;: %2).</translation>
    </message>
    <message>
        <source>Unknown debug area &apos;%1&apos; (known: %2).</source>
        <translation>Domaine de débogage inconnu «&#xa0;%1&#xa0;» (connus&#xa0;: %2).</translation>
    </message>
    <message>
        <source>Use FILE as the settings file (created on the first save). One copy runs per settings file.</source>
        <translation>Utiliser FICHIER comme fichier de paramètres (créé au premier enregistrement). Une seule instance par fichier de paramètres.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Read the remote operation password from standard input, store its hash and exit.</source>
        <translation>Lire le mot de passe d&apos;accès à distance sur l&apos;entrée standard, enregistrer son empreinte et quitter.</translation>
    </message>
    <message>
        <source>Run on standard input and output, without a window or a display.</source>
        <translation>Fonctionner sur l&apos;entrée et la sortie standard, sans fenêtre ni affichage graphique.</translation>
    </message>
    <message>
        <source>Write every diagnostic of the areas to standard error: %1 (comma-separated).</source>
        <translation>Écrire tous les diagnostics des domaines sur la sortie d&apos;erreur standard&#xa0;: %1 (séparés par des virgules).</translation>
    </message>
    <message>
        <source>AREA[,AREA]</source>
        <translation>DOMAINE[,DOMAINE]</translation>
    </message>
    <message>
        <source>Keyboard chat terminal for the KELDO modems.

Settings: $XDG_CONFIG_HOME/KELDO Terminal/KELDO Terminal.ini (default
~/.config/...) when installed, or when the program&apos;s folder cannot be written;
otherwise &quot;KELDO Terminal.ini&quot; beside the program.</source>
        <translation>Terminal de conversation au clavier pour les modems KELDO.

Paramètres&#xa0;: $XDG_CONFIG_HOME/KELDO Terminal/KELDO Terminal.ini (par défaut
~/.config/...) si le programme est installé, ou si son dossier n&apos;est pas accessible en écriture&#xa0;;
sinon «&#xa0;KELDO Terminal.ini&#xa0;» à côté du programme.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Try &apos;keldo-terminal --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;keldo-terminal --help&#xa0;» pour plus d&apos;informations.</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>KELDO Terminal %1, settings %2. /help lists the commands.</source>
        <translation>KELDO Terminal %1, paramètres %2. /help liste les commandes.</translation>
    </message>
    <message>
        <source>/%1 takes nothing after it.</source>
        <translation>/%1 ne prend aucun argument.</translation>
    </message>
    <message>
        <source>Usage: /connect CALL [VIA1 [VIA2]]</source>
        <translation>Usage&#xa0;: /connect CALL [VIA1 [VIA2]]</translation>
    </message>
    <message>
        <source>Unknown command %1: /help lists the commands.</source>
        <translation>Commande inconnue %1&#xa0;: /help liste les commandes.</translation>
    </message>
</context>
<context>
    <name>ConsoleFrontEnd</name>
    <message>
        <source>Screen cleared</source>
        <translation>Écran effacé</translation>
    </message>
    <message>
        <source>QSO with %1 logged</source>
        <translation>QSO avec %1 enregistré</translation>
    </message>
    <message>
        <source>QSO with %1 not logged: %2</source>
        <translation>QSO avec %1 non enregistré&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is calling</source>
        <translation>%1 appelle</translation>
    </message>
    <message>
        <source>Alert word from %1: %2</source>
        <translation>Mot d&apos;alerte de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>PTT: %1</source>
        <translation>PTT&#xa0;: %1</translation>
    </message>
    <message>
        <source>PTT %1: %2</source>
        <translation>PTT %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>Non envoyé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Remote access: %1</source>
        <translation>Accès à distance&#xa0;: %1</translation>
    </message>
    <message>
        <source>In control: %1</source>
        <translation>Contrôle&#xa0;: %1</translation>
    </message>
    <message>
        <source>Line too long: not sent</source>
        <translation>Ligne trop longue&#xa0;: non envoyée</translation>
    </message>
    <message>
        <source>%1 is in control: /control takes it back</source>
        <translation>%1 a le contrôle&#xa0;: /control le reprend</translation>
    </message>
    <message>
        <source>Not sent: no connection</source>
        <translation>Non envoyé&#xa0;: aucune connexion</translation>
    </message>
    <message>
        <source>Cannot call %1: not a call sign, or the modem is not linked</source>
        <translation>Impossible d&apos;appeler %1&#xa0;: ce n&apos;est pas un indicatif, ou le modem n&apos;est pas relié</translation>
    </message>
    <message>
        <source>F%1 has no macro</source>
        <translation>F%1 n&apos;a pas de macro</translation>
    </message>
    <message>
        <source>F%1 does not end in &lt;SEND&gt;; type it to send it: %2</source>
        <translation>F%1 ne se termine pas par &lt;SEND&gt;&#xa0;; tapez-le pour l&apos;envoyer&#xa0;: %2</translation>
    </message>
    <message>
        <source>Modem link: %1</source>
        <translation>Liaison modem&#xa0;: %1</translation>
    </message>
    <message>
        <source>up</source>
        <translation>établie</translation>
    </message>
    <message>
        <source>down</source>
        <translation>coupée</translation>
    </message>
    <message>
        <source>Connected with %1, %2 bytes received</source>
        <translation>Connecté avec %1, %2 octets reçus</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>My call sign: %1; QSO logging %2</source>
        <translation>Mon indicatif&#xa0;: %1&#xa0;; enregistrement des QSO %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>A line is sent as typed (start it with // to send a /).</source>
        <translation>Une ligne est envoyée telle que tapée (commencez-la par // pour envoyer un /).</translation>
    </message>
    <message>
        <source>/connect CALL [VIA1 [VIA2]]  call a station</source>
        <translation>/connect CALL [VIA1 [VIA2]]  appeler une station</translation>
    </message>
    <message>
        <source>/stop                        end the connection or the call</source>
        <translation>/stop                        terminer la connexion ou l&apos;appel</translation>
    </message>
    <message>
        <source>/clear                       clear the screen</source>
        <translation>/clear                       effacer l&apos;écran</translation>
    </message>
    <message>
        <source>/f1 ... /f12                 the macros</source>
        <translation>/f1 ... /f12                 les macros</translation>
    </message>
    <message>
        <source>/status                      the link, the connection, who is in control</source>
        <translation>/status                      la liaison, la connexion, qui a le contrôle</translation>
    </message>
    <message>
        <source>/control                     take control back from a browser</source>
        <translation>/control                     reprendre le contrôle à un navigateur</translation>
    </message>
    <message>
        <source>/quit                        end, as closing the window does</source>
        <translation>/quit                        quitter, comme en fermant la fenêtre</translation>
    </message>
    <message>
        <source>Waiting for the modem to end the connection...</source>
        <translation>En attente de la fin de la connexion par le modem...</translation>
    </message>
</context>
<context>
    <name>ConsoleOutput</name>
    <message numerus="yes">
        <source>[%n line(s) dropped: the output did not keep up]</source>
        <translation>
            <numerusform>[%n ligne perdue&#xa0;: la sortie n&apos;a pas suivi]</numerusform>
            <numerusform>[%n lignes perdues&#xa0;: la sortie n&apos;a pas suivi]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConversationLog</name>
    <message>
        <source>the folder does not answer</source>
        <translation>le dossier ne répond pas</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>The conversation log cannot be written to %1: %2.
The conversation goes on; logging resumes as soon as the file can be written.</source>
        <translation>Le journal des conversations ne peut pas être écrit dans %1&#xa0;: %2.
La conversation continue&#xa0;; la journalisation reprendra dès que le fichier pourra être écrit.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Le fichier est en lecture seule.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>a link, not a file</source>
        <translation>un lien, pas un fichier</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>plus de %1 octets</translation>
    </message>
    <message>
        <source>the file does not read as an ADIF logbook; it is left as it is</source>
        <translation>le fichier ne se lit pas comme un carnet de trafic ADIF&#xa0;; il est laissé tel quel</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>Error: Another copy of KELDO Terminal is running from this folder. Only one copy can be run at a time from the same folder</source>
        <translation>Erreur&#xa0;: une autre instance de KELDO Terminal tourne déjà depuis ce dossier. Une seule instance à la fois peut tourner depuis le même dossier</translation>
    </message>
</context>
<context>
    <name>Logbook</name>
    <message>
        <source>the folder does not answer</source>
        <translation>le dossier ne répond pas</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO record(s) could not be written to the logbook %1:
%2

They are kept in %3 and written as soon as the logbook can take them: at the next QSO, when the logbook settings are opened, or at the next start.</source>
        <translation>
            <numerusform>%n enregistrement de QSO n&apos;a pas pu être écrit dans le carnet de trafic %1&#xa0;:
%2

Il est conservé dans %3 et sera écrit dès que le carnet pourra le recevoir&#xa0;: au prochain QSO, à l&apos;ouverture des paramètres du carnet ou au prochain démarrage.</numerusform>
            <numerusform>%n enregistrements de QSO n&apos;ont pas pu être écrits dans le carnet de trafic %1&#xa0;:
%2

Ils sont conservés dans %3 et seront écrits dès que le carnet pourra les recevoir&#xa0;: au prochain QSO, à l&apos;ouverture des paramètres du carnet ou au prochain démarrage.</numerusform>
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
        <translation>Impossible d&apos;écrire le journal des conversations&#xa0;: %1</translation>
    </message>
    <message>
        <source>QSO records waiting for the logbook: %1</source>
        <translation>QSO en attente du carnet de trafic&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unkeyed: the link to the modem was lost</source>
        <translation>PTT relâché&#xa0;: liaison avec le modem perdue</translation>
    </message>
    <message>
        <source>Unkeyed: the modem&apos;s data link was lost and no PTT OFF came</source>
        <translation>PTT relâché&#xa0;: liaison de données du modem perdue, sans PTT OFF</translation>
    </message>
    <message>
        <source>Unkeyed: the connection ended and no PTT OFF came</source>
        <translation>PTT relâché&#xa0;: connexion terminée, sans PTT OFF</translation>
    </message>
    <message>
        <source>Unkeyed: the connection was stopped and no PTT OFF came</source>
        <translation>PTT relâché&#xa0;: connexion arrêtée, sans PTT OFF</translation>
    </message>
    <message>
        <source>Unkeyed: the keying settings changed</source>
        <translation>PTT relâché&#xa0;: paramètres PTT modifiés</translation>
    </message>
    <message>
        <source>PTT time-out: keyed for more than %1 s without PTT OFF. Released until the modem sends PTT OFF.</source>
        <translation>Délai PTT dépassé&#xa0;: en émission depuis plus de %1 s sans PTT OFF. Relâché jusqu&apos;à ce que le modem envoie PTT OFF.</translation>
    </message>
    <message>
        <source>PTT OFF</source>
        <translation>PTT relâché</translation>
    </message>
    <message>
        <source>TCP link disconnected</source>
        <translation>Liaison TCP coupée</translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Déconnexion...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Modem Disconnected</source>
        <translation>Modem déconnecté</translation>
    </message>
    <message>
        <source>rigctld sent a line too long for a frequency: connection dropped</source>
        <translation>rigctld a envoyé une ligne trop longue pour une fréquence&#xa0;: connexion coupée</translation>
    </message>
    <message>
        <source>Modem Connected</source>
        <translation>Modem connecté</translation>
    </message>
    <message>
        <source>Modem Connected, %1 MHz</source>
        <translation>Modem connecté, %1 MHz</translation>
    </message>
    <message>
        <source>Logger %1 cannot be reached: host not found</source>
        <translation>Logiciel de log %1 injoignable&#xa0;: hôte introuvable</translation>
    </message>
    <message>
        <source>Logger %1 cannot be reached</source>
        <translation>Logiciel de log %1 injoignable</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a failure and its detail</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Connecting with %1 ...</source>
        <translation>Connexion avec %1 ...</translation>
    </message>
    <message>
        <source>Via %1</source>
        <translation>Via %1</translation>
    </message>
    <message>
        <source>%1 Bytes Sent</source>
        <translation>%1 octets émis</translation>
    </message>
    <message>
        <source>%1 Bytes Rcvd</source>
        <translation>%1 octets reçus</translation>
    </message>
    <message>
        <source>PTT ON</source>
        <translation>PTT actif</translation>
    </message>
    <message>
        <source>%1 closed: %2</source>
        <translation>%1 fermé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>where keying failed, and why</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>RemoteCertificate</name>
    <message>
        <source>The certificate or its key cannot be read (%1, %2).</source>
        <translation>Le certificat ou sa clé ne peut pas être lu (%1, %2).</translation>
    </message>
    <message>
        <source>The certificate or its key is not in PEM form (%1, %2).</source>
        <translation>Le certificat ou sa clé n&apos;est pas au format PEM (%1, %2).</translation>
    </message>
    <message>
        <source>The key file cannot be made in %1.</source>
        <translation>Le fichier de clé ne peut pas être créé dans %1.</translation>
    </message>
    <message>
        <source>No certificate could be made: the openssl command failed or is missing (%1).</source>
        <translation>Aucun certificat n&apos;a pu être créé&#xa0;: la commande openssl a échoué ou est absente (%1).</translation>
    </message>
    <message>
        <source>The certificate cannot be kept in %1.</source>
        <translation>Le certificat ne peut pas être conservé dans %1.</translation>
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
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>Ouvrir la session</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Fermer la session</translation>
    </message>
    <message>
        <source>Received text</source>
        <translation>Texte reçu</translation>
    </message>
    <message>
        <source>Text to send (Enter sends)</source>
        <translation>Texte à envoyer (Enter pour envoyer)</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Indicatif</translation>
    </message>
    <message>
        <source>Via</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Take control</source>
        <translation>Prendre le contrôle</translation>
    </message>
    <message>
        <source>In control:</source>
        <translation>Contrôle&#xa0;:</translation>
    </message>
    <message>
        <source>you</source>
        <translation>vous</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Liaison</translation>
    </message>
    <message>
        <source>Bytes sent</source>
        <translation>Octets envoyés</translation>
    </message>
    <message>
        <source>Bytes received</source>
        <translation>Octets reçus</translation>
    </message>
    <message>
        <source>PTT ON</source>
        <translation>PTT actif</translation>
    </message>
    <message>
        <source>PTT OFF</source>
        <translation>PTT relâché</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Log this QSO</source>
        <translation>Enregistrer ce QSO</translation>
    </message>
    <message>
        <source>Do not log</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Connection to the station lost; trying again...</source>
        <translation>Connexion à la station perdue&#xa0;; nouvelle tentative...</translation>
    </message>
    <message>
        <source>TCP link up</source>
        <translation>Liaison TCP établie</translation>
    </message>
    <message>
        <source>TCP link waiting</source>
        <translation>Liaison TCP en attente</translation>
    </message>
    <message>
        <source>TCP link down</source>
        <translation>Liaison TCP coupée</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>occurrences</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 occurrence</translation>
    </message>
</context>
<context>
    <name>RemotePassword</name>
    <message>
        <source>The password could not be stored in %1: %2</source>
        <translation>Le mot de passe n&apos;a pas pu être enregistré dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>Remote operation is off.</source>
        <translation>L&apos;accès à distance est désactivé.</translation>
    </message>
    <message>
        <source>Remote operation needs a password: set one with keldo-terminal --set-remote-password.</source>
        <translation>L&apos;accès à distance nécessite un mot de passe&#xa0;: définissez-le avec keldo-terminal --set-remote-password.</translation>
    </message>
    <message>
        <source>The stored remote password cannot be used: set it again with keldo-terminal --set-remote-password.</source>
        <translation>Le mot de passe d&apos;accès à distance enregistré est inutilisable&#xa0;: redéfinissez-le avec keldo-terminal --set-remote-password.</translation>
    </message>
    <message>
        <source>The listen address %1 is not an address.</source>
        <translation>L&apos;adresse d&apos;écoute %1 n&apos;est pas une adresse.</translation>
    </message>
    <message>
        <source>Cannot listen on %1 (in use, or not this machine&apos;s).</source>
        <translation>Impossible d&apos;écouter sur %1 (adresse déjà utilisée, ou qui n&apos;est pas celle de cette machine).</translation>
    </message>
    <message>
        <source>Serving on https://%1:%2/ (certificate SHA-256 %3).</source>
        <translation>En service sur https://%1:%2/ (certificat SHA-256 %3).</translation>
    </message>
    <message>
        <source>Wrong password.</source>
        <translation>Mot de passe incorrect.</translation>
    </message>
    <message>
        <source>the desktop</source>
        <translation>l&apos;application de bureau</translation>
    </message>
    <message>
        <source>the console</source>
        <translation>la console</translation>
    </message>
    <message>
        <source>a browser</source>
        <translation>un navigateur</translation>
    </message>
    <message>
        <source>a browser at %1</source>
        <translation>un navigateur sur %1</translation>
    </message>
    <message>
        <source>Another front end is in control. Take control first.</source>
        <translation>Une autre interface a le contrôle. Prenez d&apos;abord le contrôle.</translation>
    </message>
    <message>
        <source>Making the certificate...</source>
        <translation>Création du certificat...</translation>
    </message>
</context>
<context>
    <name>RxFindBar</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Find in the received text</source>
        <translation>Rechercher dans le texte reçu</translation>
    </message>
    <message>
        <source>&amp;Match case</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Occurrence précédente (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (Enter, F3)</source>
        <translation>Occurrence suivante (Enter, F3)</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Fermer (Esc)</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Aucune occurrence</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 occurrence</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n occurrence</numerusform>
            <numerusform>%n occurrences</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RxScreenView</name>
    <message>
        <source>New text below</source>
        <translation>Nouveau texte plus bas</translation>
    </message>
    <message>
        <source>Show the newest text (Ctrl+End)</source>
        <translation>Afficher le texte le plus récent (Ctrl+End)</translation>
    </message>
</context>
<context>
    <name>SerialPortList</name>
    <message>
        <source>%1, serial %2</source>
        <translation>%1, n° de série %2</translation>
    </message>
</context>
<context>
    <name>SettingsController</name>
    <message>
        <source>The remote access settings could not be saved to %1
%2</source>
        <translation>Les paramètres d&apos;accès à distance n&apos;ont pas pu être enregistrés dans %1
%2</translation>
    </message>
    <message>
        <source>the settings folder does not answer</source>
        <translation>le dossier des paramètres ne répond pas</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>the settings folder does not answer</source>
        <translation>le dossier des paramètres ne répond pas</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1
%2</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans %1
%2</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>%1 cannot be started</source>
        <translation>%1 ne peut pas être démarré</translation>
    </message>
    <message>
        <source>%1 cannot be started: %2</source>
        <translation>%1 ne peut pas être démarré&#xa0;: %2</translation>
    </message>
    <message>
        <source>Unable to open radio serial port %1. May be in use by another application.</source>
        <translation>Impossible d&apos;ouvrir le port série %1 du poste. Il est peut-être utilisé par une autre application.</translation>
    </message>
    <message>
        <source>PTT port %1 lost while transmitting: the radio may still be on the air</source>
        <translation>Port PTT %1 perdu en cours d&apos;émission&#xa0;: le poste est peut-être encore en émission</translation>
    </message>
    <message>
        <source>PTT port %1 back: transmitter released</source>
        <translation>Port PTT %1 revenu&#xa0;: émetteur relâché</translation>
    </message>
    <message>
        <source>Transmit time-out: transmitter released until the modem sends PTT OFF</source>
        <translation>Délai d&apos;émission dépassé&#xa0;: émetteur relâché jusqu&apos;à ce que le modem envoie PTT OFF</translation>
    </message>
    <message>
        <source>The folder %1 does not answer: writing %2 did not finish within %3 s.
The terminal goes on without it; what could not be written is kept where it can be and written when the folder answers again.</source>
        <translation>Le dossier %1 ne répond pas&#xa0;: l&apos;écriture de %2 ne s&apos;est pas terminée en %3 s.
Le terminal continue sans lui&#xa0;; ce qui n&apos;a pas pu être écrit est conservé là où c&apos;est possible et sera écrit quand le dossier répondra de nouveau.</translation>
    </message>
    <message>
        <source>the desktop</source>
        <translation>l&apos;application de bureau</translation>
    </message>
    <message>
        <source>the console</source>
        <translation>la console</translation>
    </message>
    <message>
        <source>a browser</source>
        <translation>un navigateur</translation>
    </message>
    <message>
        <source>Control link to %1 lost: stopped, the unsent text kept</source>
        <translation>Liaison de contrôle avec %1 perdue&#xa0;: arrêt, le texte non envoyé est conservé</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>Fichier %1 introuvable</translation>
    </message>
    <message>
        <source>Linux path tried: %1</source>
        <translation>Chemin Linux essayé&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 cannot be started: it is a Windows program, and &quot;wine&quot; was not found on the PATH.
Install Wine to run it, or choose a modem program for Linux.</source>
        <translation>%1 ne peut pas être démarré&#xa0;: c&apos;est un programme Windows, et «&#xa0;wine&#xa0;» est introuvable dans le PATH.
Installez Wine pour le lancer, ou choisissez un programme modem pour Linux.</translation>
    </message>
</context>
<context>
    <name>StationRemote</name>
    <message>
        <source>Calling %1</source>
        <translation>Appel de %1</translation>
    </message>
    <message>
        <source>Log the QSO with %1?</source>
        <translation>Enregistrer le QSO avec %1&#xa0;?</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>%1 with %2</source>
        <translation>%1 avec %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 with %2 via %3</source>
        <translation>%1 avec %2 via %3</translation>
    </message>
    <message>
        <source>transmitting</source>
        <translation>en émission</translation>
    </message>
    <message>
        <source>receiving</source>
        <translation>en réception</translation>
    </message>
    <message>
        <source>not keyed</source>
        <translation>inactif</translation>
    </message>
    <message>
        <source>Transmitter: %1</source>
        <translation>Émetteur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Whether the radio is keyed to transmit</source>
        <translation>Indique si le poste est en émission</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>ending</source>
        <translation>déconnexion en cours</translation>
    </message>
    <message>
        <source>calling %1</source>
        <translation>appelle %1</translation>
    </message>
    <message>
        <source>Connection: %1</source>
        <translation>Connexion&#xa0;: %1</translation>
    </message>
    <message>
        <source>The radio connection and the stations in it</source>
        <translation>La liaison radio et les stations qui y participent</translation>
    </message>
    <message>
        <source>Bytes sent and received</source>
        <translation>Octets envoyés et reçus</translation>
    </message>
    <message>
        <source>Bytes sent and received: %1 sent</source>
        <translation>Octets envoyés et reçus&#xa0;: %1 envoyés</translation>
    </message>
    <message>
        <source>Bytes sent and received: %1 received</source>
        <translation>Octets envoyés et reçus&#xa0;: %1 reçus</translation>
    </message>
    <message>
        <source>Bytes sent and received: %1</source>
        <translation>Octets envoyés et reçus&#xa0;: %1</translation>
    </message>
    <message>
        <source>Bytes of the current text sent to or received from the other station</source>
        <translation>Octets du texte en cours envoyés au correspondant ou reçus de lui</translation>
    </message>
    <message>
        <source>up</source>
        <translation>établie</translation>
    </message>
    <message>
        <source>down</source>
        <translation>coupée</translation>
    </message>
    <message>
        <source>not connected yet</source>
        <translation>pas encore établie</translation>
    </message>
    <message>
        <source>Modem link: %1</source>
        <translation>Liaison modem&#xa0;: %1</translation>
    </message>
    <message>
        <source>The network link to the modem program</source>
        <translation>La liaison réseau avec le programme modem</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Start of the status bar</source>
        <translation>Début de la barre d&apos;état</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barre d&apos;état</translation>
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
        <translation>Pas de connexion avec %1</translation>
    </message>
    <message>
        <source>No connection with %1 via %2</source>
        <translation>Pas de connexion avec %1 via %2</translation>
    </message>
    <message>
        <source>Connection ended</source>
        <translation>Connexion terminée</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About KELDO Chat</source>
        <translation>À propos de KELDO Chat</translation>
    </message>
    <message>
        <source>Version %1    </source>
        <extracomment>%1 is the version number; the blanks after it are kept.</extracomment>
        <translation>Version %1    </translation>
    </message>
    <message>
        <source>Keyboard chat terminal for the KELDO modems.</source>
        <translation>Terminal de conversation au clavier pour les modems KELDO.</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Paramètres&#xa0;: %1</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Fichier de paramètres&#xa0;: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>frmConnect</name>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Connect with:</source>
        <translation>Se connecter à&#xa0;:</translation>
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
        <translation>Indicatif non valide</translation>
    </message>
</context>
<context>
    <name>frmFirstRun</name>
    <message>
        <source>KELDO Terminal: first start</source>
        <translation>KELDO Terminal&#xa0;: premier démarrage</translation>
    </message>
    <message>
        <source>There are no settings yet. Your call sign and your modem, to begin with (Settings → Terminal Setup... changes them later).</source>
        <translation>Aucun paramètre pour l&apos;instant. Pour commencer, votre indicatif et votre modem (modifiables plus tard via Paramètres → Configuration du terminal...).</translation>
    </message>
    <message>
        <source>&amp;Call sign:</source>
        <translation>&amp;Indicatif&#xa0;:</translation>
    </message>
    <message>
        <source>Where the modem runs</source>
        <translation>Emplacement du modem</translation>
    </message>
    <message>
        <source>The &amp;practice modem (%1), to try the terminal</source>
        <translation>Le modem d&apos;&amp;entraînement (%1), pour essayer le terminal</translation>
    </message>
    <message>
        <source>A modem program on &amp;this computer:</source>
        <translation>Un programme modem sur &amp;cet ordinateur&#xa0;:</translation>
    </message>
    <message>
        <source>A modem on &amp;another computer:</source>
        <translation>Un modem sur un &amp;autre ordinateur&#xa0;:</translation>
    </message>
    <message>
        <source>A program whose name ends in .exe runs under Wine</source>
        <translation>Un programme dont le nom finit par .exe est lancé sous Wine</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>Programme&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Hôte&#xa0;:</translation>
    </message>
    <message>
        <source>Command &amp;port:</source>
        <translation>&amp;Port de commande&#xa0;:</translation>
    </message>
    <message>
        <source>Invalid Call Sign</source>
        <translation>Indicatif non valide</translation>
    </message>
    <message>
        <source>Invalid modem program</source>
        <translation>Programme modem non valide</translation>
    </message>
    <message>
        <source>Invalid Host</source>
        <translation>Hôte non valide</translation>
    </message>
    <message>
        <source>Invalid TCP port</source>
        <translation>Port TCP non valide</translation>
    </message>
</context>
<context>
    <name>frmKeldoTerminal</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>The language changes when KELDO Terminal is started again.</source>
        <translation>La langue changera au prochain démarrage de KELDO Terminal.</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>Terminal Setup...</source>
        <translation>Configuration du terminal...</translation>
    </message>
    <message>
        <source>PTT...</source>
        <translation>PTT...</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Speaker Colours</source>
        <translation>Couleurs par interlocuteur</translation>
    </message>
    <message>
        <source>Time Stamps</source>
        <translation>Horodatage</translation>
    </message>
    <message>
        <source>Notify on Incoming Call</source>
        <translation>Signaler les appels entrants</translation>
    </message>
    <message>
        <source>Log Conversations</source>
        <translation>Journaliser les conversations</translation>
    </message>
    <message>
        <source>Log Folder...</source>
        <translation>Dossier des journaux...</translation>
    </message>
    <message>
        <source>Logbook...</source>
        <translation>Carnet de trafic...</translation>
    </message>
    <message>
        <source>Open Logs Folder</source>
        <translation>Ouvrir le dossier des journaux</translation>
    </message>
    <message>
        <source>Remote Access...</source>
        <translation>Accès à distance...</translation>
    </message>
    <message>
        <source>Macros...</source>
        <translation>Macros...</translation>
    </message>
    <message>
        <source>Show Macro Bar</source>
        <translation>Afficher la barre de macros</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
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
        <translation>&amp;Connecter</translation>
    </message>
    <message>
        <source>Call a station</source>
        <translation>Appeler une station</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Arrê&amp;ter</translation>
    </message>
    <message>
        <source>End the connection</source>
        <translation>Terminer la connexion</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Empty the RX screen</source>
        <translation>Vider la zone de réception</translation>
    </message>
    <message>
        <source>T&amp;ake Control</source>
        <translation>Prendre le c&amp;ontrôle</translation>
    </message>
    <message>
        <source>Operate the station from here again</source>
        <translation>Reprendre la conduite de la station depuis ici</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>KELDO Google Group</source>
        <translation>Groupe Google KELDO</translation>
    </message>
    <message>
        <source>KELDO download site</source>
        <translation>Site de téléchargement KELDO</translation>
    </message>
    <message>
        <source>ChangeLog</source>
        <translation>Historique des versions</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>RX Screen</source>
        <translation>Zone de réception</translation>
    </message>
    <message>
        <source>Received text</source>
        <translation>Texte reçu</translation>
    </message>
    <message>
        <source>The conversation: what the other station sent and what you sent</source>
        <translation>La conversation&#xa0;: ce que le correspondant a envoyé et ce que vous avez envoyé</translation>
    </message>
    <message>
        <source>Sending progress</source>
        <translation>Progression de l&apos;envoi</translation>
    </message>
    <message>
        <source>How much of the text being sent the modem has transmitted</source>
        <translation>Part du texte en cours d&apos;envoi que le modem a déjà émise</translation>
    </message>
    <message>
        <source>TX Screen</source>
        <translation>Zone d&apos;émission</translation>
    </message>
    <message>
        <source>Text to send</source>
        <translation>Texte à envoyer</translation>
    </message>
    <message>
        <source>Type your text here; Enter sends it</source>
        <translation>Tapez votre texte ici&#xa0;; Enter l&apos;envoie</translation>
    </message>
    <message>
        <source>Send text (ENTER key)</source>
        <translation>Envoyer le texte (touche ENTER)</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Sends the typed text to the other station (Enter key)</source>
        <translation>Envoie le texte tapé au correspondant (touche Enter)</translation>
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
        <translation>Contrôle&#xa0;: %1. Cette fenêtre ne fait qu&apos;observer&#xa0;; Prendre le contrôle (Ctrl+Shift+T) permet d&apos;opérer d&apos;ici.</translation>
    </message>
    <message>
        <source>KELDO Terminal is not connected with KELDO Modem</source>
        <translation>KELDO Terminal n&apos;est pas connecté à KELDO Modem</translation>
    </message>
    <message>
        <source>No program to show text files was found (such as xdg-open).
The change log is the file %1</source>
        <translation>Aucun programme pour afficher les fichiers texte n&apos;a été trouvé (comme xdg-open).
L&apos;historique des versions est le fichier %1</translation>
    </message>
    <message>
        <source>%1 not found</source>
        <translation>%1 introuvable</translation>
    </message>
    <message>
        <source>The logs folder could not be opened: no program to open folders was found.
The logs are in %1</source>
        <translation>Le dossier des journaux n&apos;a pas pu être ouvert&#xa0;: aucun programme pour ouvrir les dossiers n&apos;a été trouvé.
Les journaux sont dans %1</translation>
    </message>
    <message>
        <source>Log Folder</source>
        <translation>Dossier des journaux</translation>
    </message>
</context>
<context>
    <name>frmLogQso</name>
    <message>
        <source>Log QSO</source>
        <translation>Enregistrer le QSO</translation>
    </message>
    <message>
        <source>QSOs waiting to be logged</source>
        <translation>QSO en attente d&apos;enregistrement</translation>
    </message>
    <message>
        <source>&amp;Call:</source>
        <translation>&amp;Indicatif&#xa0;:</translation>
    </message>
    <message>
        <source>Time o&amp;n:</source>
        <translation>&amp;Début&#xa0;:</translation>
    </message>
    <message>
        <source>Time o&amp;ff:</source>
        <translation>&amp;Fin&#xa0;:</translation>
    </message>
    <message>
        <source>Freq&amp;uency (MHz):</source>
        <translation>Fréq&amp;uence (MHz)&#xa0;:</translation>
    </message>
    <message>
        <source>Band:</source>
        <translation>Bande&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Mode&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Submode:</source>
        <translation>&amp;Sous-mode&#xa0;:</translation>
    </message>
    <message>
        <source>RST s&amp;ent:</source>
        <translation>RST en&amp;voyé&#xa0;:</translation>
    </message>
    <message>
        <source>RST &amp;received:</source>
        <translation>RST &amp;reçu&#xa0;:</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;QTH:</source>
        <translation>&amp;QTH&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Locator:</source>
        <translation>&amp;Locator&#xa0;:</translation>
    </message>
    <message>
        <source>C&amp;omment:</source>
        <translation>&amp;Commentaire&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Drop</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>The QSO could not be written.</source>
        <translation>Le QSO n&apos;a pas pu être enregistré.</translation>
    </message>
    <message numerus="yes">
        <source>Log QSO – %n waiting</source>
        <translation>
            <numerusform>Enregistrer le QSO – %n en attente</numerusform>
            <numerusform>Enregistrer le QSO – %n en attente</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmLogbook</name>
    <message>
        <source>Logbook</source>
        <translation>Carnet de trafic</translation>
    </message>
    <message>
        <source>&amp;Log QSOs</source>
        <translation>&amp;Enregistrer les QSO</translation>
    </message>
    <message>
        <source>Log &amp;without asking</source>
        <translation>Enregistrer &amp;sans demander</translation>
    </message>
    <message>
        <source>Which mode does your logbook use for these QSOs?</source>
        <translation>Quel mode votre carnet de trafic utilise-t-il pour ces QSO&#xa0;?</translation>
    </message>
    <message>
        <source>Log mode</source>
        <translation>Mode dans le carnet</translation>
    </message>
    <message>
        <source>&amp;Send QSOs to loggers</source>
        <translation>En&amp;voyer les QSO aux logiciels de log</translation>
    </message>
    <message>
        <source>Log &amp;mode:</source>
        <translation>&amp;Mode dans le carnet&#xa0;:</translation>
    </message>
    <message>
        <source>Log s&amp;ubmode:</source>
        <translation>S&amp;ous-mode dans le carnet&#xa0;:</translation>
    </message>
    <message>
        <source>M&amp;y locator:</source>
        <translation>Mon &amp;locator&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;TX power (W):</source>
        <translation>&amp;Puissance d&apos;émission (W)&#xa0;:</translation>
    </message>
    <message>
        <source>Rig control &amp;host (rigctld, when PTT is not by rigctld):</source>
        <translation>&amp;Hôte de pilotage du poste (rigctld, si le PTT ne passe pas par rigctld)&#xa0;:</translation>
    </message>
    <message>
        <source>Rig control &amp;port:</source>
        <translation>Po&amp;rt de pilotage du poste&#xa0;:</translation>
    </message>
    <message>
        <source>Used for the frequency when PTT is not by rigctld; keying by rigctld, that rigctld is asked.</source>
        <translation>Sert à lire la fréquence quand le PTT ne passe pas par rigctld ; si le PTT passe par rigctld, c&apos;est ce rigctld qui est interrogé.</translation>
    </message>
    <message>
        <source>Logger h&amp;ost:</source>
        <translation>Hôte du logiciel de lo&amp;g&#xa0;:</translation>
    </message>
    <message>
        <source>Logger po&amp;rt:</source>
        <translation>Por&amp;t du logiciel de log&#xa0;:</translation>
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
        <translation>Touches de fonction</translation>
    </message>
    <message>
        <source>Button label</source>
        <translation>Libellé du bouton</translation>
    </message>
    <message>
        <source>Macro text</source>
        <translation>Texte de la macro</translation>
    </message>
    <message>
        <source>Variables: &lt;MYCALL&gt; &lt;CALL&gt; &lt;UTC&gt; &lt;DATE&gt; &lt;MODE&gt; &lt;BW&gt; &lt;FREQ&gt; &lt;BAND&gt;.
&lt;SEND&gt; at the end sends the text at once.</source>
        <translation>Variables&#xa0;: &lt;MYCALL&gt; &lt;CALL&gt; &lt;UTC&gt; &lt;DATE&gt; &lt;MODE&gt; &lt;BW&gt; &lt;FREQ&gt; &lt;BAND&gt;.
&lt;SEND&gt; à la fin envoie le texte immédiatement.</translation>
    </message>
    <message>
        <source>Show macro buttons under the TX box</source>
        <translation>Afficher les boutons de macro sous la zone d&apos;émission</translation>
    </message>
    <message>
        <source>&amp;Label:</source>
        <translation>&amp;Libellé&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texte&#xa0;:</translation>
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
        <translation>PTT par</translation>
    </message>
    <message>
        <source>VOX/ZK-Board</source>
        <translation>VOX/ZK-Board</translation>
    </message>
    <message>
        <source>Brand:</source>
        <translation>Marque&#xa0;:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modèle&#xa0;:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>Bauds:</source>
        <translation>Bauds&#xa0;:</translation>
    </message>
    <message>
        <source>PTT Pin</source>
        <translation>Broche PTT</translation>
    </message>
    <message>
        <source>CI-V Address:</source>
        <translation>Adresse CI-V&#xa0;:</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Hôte&#xa0;:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1
not present</source>
        <extracomment>Tooltip of a serial device that is not plugged in; %1 is its path.</extracomment>
        <translation>%1
absent</translation>
    </message>
    <message>
        <source>wrong Icom Address format</source>
        <translation>Format d&apos;adresse Icom incorrect</translation>
    </message>
    <message>
        <source>Invalid serial port</source>
        <translation>Port série non valide</translation>
    </message>
    <message>
        <source>Invalid rigctld port</source>
        <translation>Port rigctld non valide</translation>
    </message>
</context>
<context>
    <name>frmRemote</name>
    <message>
        <source>Remote Access</source>
        <translation>Accès à distance</translation>
    </message>
    <message>
        <source>&amp;Let browsers operate this station</source>
        <translation>&amp;Autoriser les navigateurs à piloter cette station</translation>
    </message>
    <message>
        <source>Listen address</source>
        <translation>Adresse d&apos;écoute</translation>
    </message>
    <message>
        <source>127.0.0.1: this computer only; 0.0.0.0: every network</source>
        <translation>127.0.0.1&#xa0;: cet ordinateur seulement&#xa0;; 0.0.0.0&#xa0;: tous les réseaux</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nouveau mot de passe</translation>
    </message>
    <message>
        <source>New password again</source>
        <translation>Confirmer le nouveau mot de passe</translation>
    </message>
    <message>
        <source>A password is set; leave both boxes empty to keep it.</source>
        <translation>Un mot de passe est défini&#xa0;; laissez les deux champs vides pour le conserver.</translation>
    </message>
    <message>
        <source>No password is set: browsers cannot log in until one is.</source>
        <translation>Aucun mot de passe défini&#xa0;: les navigateurs ne peuvent pas ouvrir de session tant qu&apos;il n&apos;y en a pas.</translation>
    </message>
    <message>
        <source>Listen &amp;address:</source>
        <translation>A&amp;dresse d&apos;écoute&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>&amp;Nouveau mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Repeat it:</source>
        <translation>&amp;Répéter&#xa0;:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>État actuel</translation>
    </message>
    <message>
        <source>Browsers connected</source>
        <translation>Navigateurs connectés</translation>
    </message>
    <message>
        <source>&amp;Take control</source>
        <translation>Prendre le &amp;contrôle</translation>
    </message>
    <message>
        <source>&amp;Disconnect all</source>
        <translation>&amp;Tout déconnecter</translation>
    </message>
    <message>
        <source>Open:</source>
        <translation>Adresses&#xa0;:</translation>
    </message>
    <message>
        <source>Certificate SHA-256:</source>
        <translation>Certificat SHA-256&#xa0;:</translation>
    </message>
    <message>
        <source>Connected:</source>
        <translation>Connectés&#xa0;:</translation>
    </message>
    <message>
        <source>In control:</source>
        <translation>Contrôle&#xa0;:</translation>
    </message>
    <message>
        <source>Serving.</source>
        <translation>Serveur actif.</translation>
    </message>
    <message>
        <source>Not serving.</source>
        <translation>Serveur inactif.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The listen address must be an IP address, such as 127.0.0.1 or 0.0.0.0.</source>
        <translation>L&apos;adresse d&apos;écoute doit être une adresse IP, comme 127.0.0.1 ou 0.0.0.0.</translation>
    </message>
    <message>
        <source>The port must be a number from %1 to %2.</source>
        <translation>Le port doit être un nombre de %1 à %2.</translation>
    </message>
    <message>
        <source>The two passwords differ: type the same one twice.</source>
        <translation>Les deux mots de passe diffèrent&#xa0;: tapez deux fois le même.</translation>
    </message>
    <message numerus="yes">
        <source>The password is too short: at least %n characters, please.</source>
        <translation>
            <numerusform>Le mot de passe est trop court&#xa0;: au moins %n caractère, s&apos;il vous plaît.</numerusform>
            <numerusform>Le mot de passe est trop court&#xa0;: au moins %n caractères, s&apos;il vous plaît.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Setup</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Command Port</source>
        <translation>Port de commande</translation>
    </message>
    <message>
        <source>Data Port</source>
        <translation>Port de données</translation>
    </message>
    <message>
        <source>Host </source>
        <translation>Hôte </translation>
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
        <translation>Mode KELDO</translation>
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
        <translation>Mon indicatif</translation>
    </message>
    <message>
        <source>KELDO HF Bandwitdh</source>
        <translation>Bande passante KELDO HF</translation>
    </message>
    <message>
        <source>500 Hz (Narrow)</source>
        <translation>500 Hz (étroite)</translation>
    </message>
    <message>
        <source>2300 Hz (Standard)</source>
        <translation>2300 Hz (standard)</translation>
    </message>
    <message>
        <source>2750 Hz (Tactical)</source>
        <translation>2750 Hz (tactique)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>KELDO HF Modem location</source>
        <translation>Emplacement du modem KELDO HF</translation>
    </message>
    <message>
        <source>KELDO FM Modem location</source>
        <translation>Emplacement du modem KELDO FM</translation>
    </message>
    <message>
        <source>KELDO SAT Modem location</source>
        <translation>Emplacement du modem KELDO SAT</translation>
    </message>
    <message>
        <source>Automatically launch KELDO TNC when KELDO Terminal is opened</source>
        <translation>Lancer KELDO TNC automatiquement à l&apos;ouverture de KELDO Terminal</translation>
    </message>
    <message>
        <source>Alert on My Call</source>
        <translation>Alerte sur mon indicatif</translation>
    </message>
    <message>
        <source>Mark and announce received text holding your call sign</source>
        <translation>Marquer et signaler le texte reçu contenant votre indicatif</translation>
    </message>
    <message>
        <source>Alert Words</source>
        <translation>Mots d&apos;alerte</translation>
    </message>
    <message>
        <source>Words to mark and announce in received text, separated by commas</source>
        <translation>Mots à marquer et signaler dans le texte reçu, séparés par des virgules</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>TCP Command Port (default: 8300)</source>
        <translation>Port de commande TCP (par défaut&#xa0;: 8300)</translation>
    </message>
    <message>
        <source>TCP Command Port (default: %1)</source>
        <translation>Port de commande TCP (par défaut&#xa0;: %1)</translation>
    </message>
    <message>
        <source>No while a connection is is progress.</source>
        <translation>Impossible pendant une connexion en cours.</translation>
    </message>
    <message>
        <source>Invalid TCP port</source>
        <translation>Port TCP non valide</translation>
    </message>
    <message>
        <source>Invalid Host</source>
        <translation>Hôte non valide</translation>
    </message>
    <message>
        <source>Invalid Call Sign</source>
        <translation>Indicatif non valide</translation>
    </message>
</context>
</TS>
