<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Émetteur : %1</translation>
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
        <translation>Connexion : %1</translation>
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
        <translation>Octets envoyés et reçus : %1 envoyés</translation>
    </message>
    <message>
        <source>Bytes sent and received: %1 received</source>
        <translation>Octets envoyés et reçus : %1 reçus</translation>
    </message>
    <message>
        <source>Bytes sent and received: %1</source>
        <translation>Octets envoyés et reçus : %1</translation>
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
        <translation>Liaison modem : %1</translation>
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
        <translation>Début de la barre d'état</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barre d'état</translation>
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
        <translation>Paramètres : %1</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Fichier de paramètres : %1</translation>
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
        <translation>Se connecter à :</translation>
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
        <translation>KELDO Terminal : premier démarrage</translation>
    </message>
    <message>
        <source>There are no settings yet. Your call sign and your modem, to begin with (Settings → Terminal Setup... changes them later).</source>
        <translation>Aucun paramètre pour l'instant. Pour commencer, votre indicatif et votre modem (modifiables plus tard via Settings → Terminal Setup...).</translation>
    </message>
    <message>
        <source>&amp;Call sign:</source>
        <translation>&amp;Indicatif :</translation>
    </message>
    <message>
        <source>Where the modem runs</source>
        <translation>Emplacement du modem</translation>
    </message>
    <message>
        <source>The &amp;practice modem (%1), to try the terminal</source>
        <translation>Le modem d'&amp;entraînement (%1), pour essayer le terminal</translation>
    </message>
    <message>
        <source>A modem program on &amp;this computer:</source>
        <translation>Un programme modem sur &amp;cet ordinateur :</translation>
    </message>
    <message>
        <source>A modem on &amp;another computer:</source>
        <translation>Un modem sur un &amp;autre ordinateur :</translation>
    </message>
    <message>
        <source>A program whose name ends in .exe runs under Wine</source>
        <translation>Un programme dont le nom finit par .exe est lancé sous Wine</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>Programme :</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Hôte :</translation>
    </message>
    <message>
        <source>Command &amp;port:</source>
        <translation>&amp;Port de commande :</translation>
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
</context>
<context>
    <name>frmLogQso</name>
    <message>
        <source>Log QSO</source>
        <translation>Enregistrer le QSO</translation>
    </message>
    <message>
        <source>QSOs waiting to be logged</source>
        <translation>QSO en attente d'enregistrement</translation>
    </message>
    <message>
        <source>&amp;Call:</source>
        <translation>&amp;Indicatif :</translation>
    </message>
    <message>
        <source>Time o&amp;n:</source>
        <translation>&amp;Début :</translation>
    </message>
    <message>
        <source>Time o&amp;ff:</source>
        <translation>&amp;Fin :</translation>
    </message>
    <message>
        <source>Freq&amp;uency (MHz):</source>
        <translation>Fréq&amp;uence (MHz) :</translation>
    </message>
    <message>
        <source>Band:</source>
        <translation>Bande :</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Mode :</translation>
    </message>
    <message>
        <source>&amp;Submode:</source>
        <translation>&amp;Sous-mode :</translation>
    </message>
    <message>
        <source>RST s&amp;ent:</source>
        <translation>RST en&amp;voyé :</translation>
    </message>
    <message>
        <source>RST &amp;received:</source>
        <translation>RST &amp;reçu :</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;QTH:</source>
        <translation>&amp;QTH :</translation>
    </message>
    <message>
        <source>&amp;Locator:</source>
        <translation>&amp;Locator :</translation>
    </message>
    <message>
        <source>C&amp;omment:</source>
        <translation>&amp;Commentaire :</translation>
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
        <translation>Le QSO n'a pas pu être enregistré.</translation>
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
        <translation>Quel mode votre carnet de trafic utilise-t-il pour ces QSO ?</translation>
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
        <translation>&amp;Mode dans le carnet :</translation>
    </message>
    <message>
        <source>Log s&amp;ubmode:</source>
        <translation>S&amp;ous-mode dans le carnet :</translation>
    </message>
    <message>
        <source>M&amp;y locator:</source>
        <translation>Mon &amp;locator :</translation>
    </message>
    <message>
        <source>&amp;TX power (W):</source>
        <translation>&amp;Puissance d'émission (W) :</translation>
    </message>
    <message>
        <source>Rig control &amp;host (rigctld, when PTT is not by rigctld):</source>
        <translation>&amp;Hôte de pilotage du poste (rigctld, si le PTT ne passe pas par rigctld) :</translation>
    </message>
    <message>
        <source>Rig control &amp;port:</source>
        <translation>Po&amp;rt de pilotage du poste :</translation>
    </message>
    <message>
        <source>Used for the frequency when PTT is not by rigctld; keying by rigctld, that rigctld is asked.</source>
        <translation>Sert à lire la fréquence quand le PTT ne passe pas par rigctld ; si le PTT passe par rigctld, c'est ce rigctld qui est interrogé.</translation>
    </message>
    <message>
        <source>Logger h&amp;ost:</source>
        <translation>Hôte du logiciel de lo&amp;g :</translation>
    </message>
    <message>
        <source>Logger po&amp;rt:</source>
        <translation>Por&amp;t du logiciel de log :</translation>
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
        <translation>Variables : &lt;MYCALL&gt; &lt;CALL&gt; &lt;UTC&gt; &lt;DATE&gt; &lt;MODE&gt; &lt;BW&gt; &lt;FREQ&gt; &lt;BAND&gt;.
&lt;SEND&gt; à la fin envoie le texte immédiatement.</translation>
    </message>
    <message>
        <source>Show macro buttons under the TX box</source>
        <translation>Afficher les boutons de macro sous la zone d'émission</translation>
    </message>
    <message>
        <source>&amp;Label:</source>
        <translation>&amp;Libellé :</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texte :</translation>
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
        <translation>Marque :</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modèle :</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Bauds:</source>
        <translation>Bauds :</translation>
    </message>
    <message>
        <source>PTT Pin</source>
        <translation>Broche PTT</translation>
    </message>
    <message>
        <source>CI-V Address:</source>
        <translation>Adresse CI-V :</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Hôte :</translation>
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
        <translation>Format d'adresse Icom incorrect</translation>
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
        <translation>Lancer KELDO TNC automatiquement à l'ouverture de KELDO Terminal</translation>
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
        <translation>Mots d'alerte</translation>
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
        <translation>Port de commande TCP (par défaut : 8300)</translation>
    </message>
    <message>
        <source>TCP Command Port (default: %1)</source>
        <translation>Port de commande TCP (par défaut : %1)</translation>
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
