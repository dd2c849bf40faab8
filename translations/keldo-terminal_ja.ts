<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CommandLine</name>
    <message>
        <source>Empty debug area in &apos;%1&apos; (known: %2).</source>
        <translation>&apos;%1&apos; に空のデバッグ領域があります (指定可能: %2)。</translation>
    </message>
    <message>
        <source>Unknown debug area &apos;%1&apos; (known: %2).</source>
        <translation>不明なデバッグ領域 &apos;%1&apos; です (指定可能: %2)。</translation>
    </message>
    <message>
        <source>Use FILE as the settings file (created on the first save). One copy runs per settings file.</source>
        <translation>FILE を設定ファイルとして使用します (最初の保存時に作成されます)。1 つの設定ファイルにつき 1 つだけ実行できます。</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Read the remote operation password from standard input, store its hash and exit.</source>
        <translation>リモート操作用のパスワードを標準入力から読み取り、そのハッシュを保存して終了します。</translation>
    </message>
    <message>
        <source>Run on standard input and output, without a window or a display.</source>
        <translation>ウィンドウやディスプレイを使わず、標準入出力で動作します。</translation>
    </message>
    <message>
        <source>Write every diagnostic of the areas to standard error: %1 (comma-separated).</source>
        <translation>指定した領域の診断メッセージをすべて標準エラー出力に書き出します: %1 (カンマ区切り)。</translation>
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
        <translation>KELDO モデム用のキーボードチャット端末です。

設定: インストールされている場合、またはプログラムのフォルダーに書き込めない場合は
$XDG_CONFIG_HOME/KELDO Terminal/KELDO Terminal.ini (既定は ~/.config/...)、
それ以外の場合はプログラムと同じ場所の &quot;KELDO Terminal.ini&quot;。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数 &apos;%1&apos; です。</translation>
    </message>
    <message>
        <source>Try &apos;keldo-terminal --help&apos; for more information.</source>
        <translation>詳しくは &apos;keldo-terminal --help&apos; を実行してください。</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>KELDO Terminal %1, settings %2. /help lists the commands.</source>
        <translation>KELDO Terminal %1、設定 %2。/help でコマンドの一覧を表示します。</translation>
    </message>
    <message>
        <source>/%1 takes nothing after it.</source>
        <translation>/%1 の後には何も指定できません。</translation>
    </message>
    <message>
        <source>Usage: /connect CALL [VIA1 [VIA2]]</source>
        <translation>使い方: /connect CALL [VIA1 [VIA2]]</translation>
    </message>
    <message>
        <source>Unknown command %1: /help lists the commands.</source>
        <translation>不明なコマンド %1 です。/help でコマンドの一覧を表示します。</translation>
    </message>
</context>
<context>
    <name>ConsoleFrontEnd</name>
    <message>
        <source>Screen cleared</source>
        <translation>画面をクリアしました</translation>
    </message>
    <message>
        <source>QSO with %1 logged</source>
        <translation>%1 との QSO を記録しました</translation>
    </message>
    <message>
        <source>QSO with %1 not logged: %2</source>
        <translation>%1 との QSO を記録できませんでした: %2</translation>
    </message>
    <message>
        <source>%1 is calling</source>
        <translation>%1 が呼び出しています</translation>
    </message>
    <message>
        <source>Alert word from %1: %2</source>
        <translation>%1 からの通知ワード: %2</translation>
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
        <translation>未送信: %1</translation>
    </message>
    <message>
        <source>Remote access: %1</source>
        <translation>リモートアクセス: %1</translation>
    </message>
    <message>
        <source>In control: %1</source>
        <translation>操作権: %1</translation>
    </message>
    <message>
        <source>Line too long: not sent</source>
        <translation>行が長すぎるため送信しませんでした</translation>
    </message>
    <message>
        <source>%1 is in control: /control takes it back</source>
        <translation>%1 が操作権を持っています。/control で取り戻せます</translation>
    </message>
    <message>
        <source>Not sent: no connection</source>
        <translation>未送信: 接続していません</translation>
    </message>
    <message>
        <source>Cannot call %1: not a call sign, or the modem is not linked</source>
        <translation>%1 を呼び出せません: コールサインではないか、モデムとのリンクがありません</translation>
    </message>
    <message>
        <source>F%1 has no macro</source>
        <translation>F%1 にはマクロがありません</translation>
    </message>
    <message>
        <source>F%1 does not end in &lt;SEND&gt;; type it to send it: %2</source>
        <translation>F%1 は &lt;SEND&gt; で終わっていません。送信するには入力してください: %2</translation>
    </message>
    <message>
        <source>Modem link: %1</source>
        <translation>モデムとのリンク: %1</translation>
    </message>
    <message>
        <source>up</source>
        <translation>接続中</translation>
    </message>
    <message>
        <source>down</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>Connected with %1, %2 bytes received</source>
        <translation>%1 と接続中、受信 %2 バイト</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>My call sign: %1; QSO logging %2</source>
        <translation>自局コールサイン: %1、QSO の記録: %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>A line is sent as typed (start it with // to send a /).</source>
        <translation>入力した行はそのまま送信されます (/ を送るには // で始めてください)。</translation>
    </message>
    <message>
        <source>/connect CALL [VIA1 [VIA2]]  call a station</source>
        <translation>/connect CALL [VIA1 [VIA2]]  局を呼び出す</translation>
    </message>
    <message>
        <source>/stop                        end the connection or the call</source>
        <translation>/stop                        接続または呼び出しを終了する</translation>
    </message>
    <message>
        <source>/clear                       clear the screen</source>
        <translation>/clear                       画面をクリアする</translation>
    </message>
    <message>
        <source>/f1 ... /f12                 the macros</source>
        <translation>/f1 ... /f12                 マクロ</translation>
    </message>
    <message>
        <source>/status                      the link, the connection, who is in control</source>
        <translation>/status                      リンク、接続、操作権の状態</translation>
    </message>
    <message>
        <source>/control                     take control back from a browser</source>
        <translation>/control                     ブラウザーから操作権を取り戻す</translation>
    </message>
    <message>
        <source>/quit                        end, as closing the window does</source>
        <translation>/quit                        終了する (ウィンドウを閉じるのと同じ)</translation>
    </message>
    <message>
        <source>Waiting for the modem to end the connection...</source>
        <translation>モデムが接続を終了するのを待っています...</translation>
    </message>
</context>
<context>
    <name>ConsoleOutput</name>
    <message numerus="yes">
        <source>[%n line(s) dropped: the output did not keep up]</source>
        <translation>
            <numerusform>[%n 行を破棄しました: 出力が追いつきませんでした]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConversationLog</name>
    <message>
        <source>the folder does not answer</source>
        <translation>フォルダーが応答しません</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>The conversation log cannot be written to %1: %2.
The conversation goes on; logging resumes as soon as the file can be written.</source>
        <translation>会話ログを %1 に書き込めません: %2。
会話は続行します。ファイルに書き込めるようになり次第、記録を再開します。</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>シンボリックリンクの階層が深すぎます</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>ファイルは読み取り専用です。</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>a link, not a file</source>
        <translation>ファイルではなくリンクです</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>%1 バイトを超えています</translation>
    </message>
    <message>
        <source>the file does not read as an ADIF logbook; it is left as it is</source>
        <translation>ADIF ログブックとして読み取れないファイルです。変更せずにそのままにします</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>Error: Another copy of KELDO Terminal is running from this folder. Only one copy can be run at a time from the same folder</source>
        <translation>エラー: このフォルダーから KELDO Terminal がすでに実行されています。同じフォルダーから同時に実行できるのは 1 つだけです</translation>
    </message>
</context>
<context>
    <name>Logbook</name>
    <message>
        <source>the folder does not answer</source>
        <translation>フォルダーが応答しません</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO record(s) could not be written to the logbook %1:
%2

They are kept in %3 and written as soon as the logbook can take them: at the next QSO, when the logbook settings are opened, or at the next start.</source>
        <translation>
            <numerusform>%n 件の QSO レコードをログブック %1 に書き込めませんでした:
%2

これらは %3 に保管され、ログブックが受け付けられるようになり次第書き込まれます (次の QSO のとき、ログブックの設定を開いたとき、または次回起動時)。</numerusform>
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
        <translation>会話ログに書き込めません: %1</translation>
    </message>
    <message>
        <source>QSO records waiting for the logbook: %1</source>
        <translation>ログブックへの記録待ち QSO: %1</translation>
    </message>
    <message>
        <source>Unkeyed: the link to the modem was lost</source>
        <translation>送信解除: モデムとのリンクが切れました</translation>
    </message>
    <message>
        <source>Unkeyed: the modem&apos;s data link was lost and no PTT OFF came</source>
        <translation>送信解除: モデムのデータリンクが切れ、PTT OFF が届きませんでした</translation>
    </message>
    <message>
        <source>Unkeyed: the connection ended and no PTT OFF came</source>
        <translation>送信解除: 接続が終了し、PTT OFF が届きませんでした</translation>
    </message>
    <message>
        <source>Unkeyed: the connection was stopped and no PTT OFF came</source>
        <translation>送信解除: 接続が停止され、PTT OFF が届きませんでした</translation>
    </message>
    <message>
        <source>Unkeyed: the keying settings changed</source>
        <translation>送信解除: PTT の設定が変更されました</translation>
    </message>
    <message>
        <source>PTT time-out: keyed for more than %1 s without PTT OFF. Released until the modem sends PTT OFF.</source>
        <translation>PTT タイムアウト: PTT OFF がないまま %1 秒を超えて送信しました。モデムが PTT OFF を送るまで送信を解除します。</translation>
    </message>
    <message>
        <source>PTT OFF</source>
        <translation>PTT OFF</translation>
    </message>
    <message>
        <source>TCP link disconnected</source>
        <translation>TCP リンクが切断されました</translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>切断中...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>切断しました</translation>
    </message>
    <message>
        <source>Modem Disconnected</source>
        <translation>モデム切断</translation>
    </message>
    <message>
        <source>rigctld sent a line too long for a frequency: connection dropped</source>
        <translation>rigctld から周波数としては長すぎる行が届いたため、接続を切断しました</translation>
    </message>
    <message>
        <source>Modem Connected</source>
        <translation>モデム接続</translation>
    </message>
    <message>
        <source>Modem Connected, %1 MHz</source>
        <translation>モデム接続、%1 MHz</translation>
    </message>
    <message>
        <source>Logger %1 cannot be reached: host not found</source>
        <translation>ロガー %1 に接続できません: ホストが見つかりません</translation>
    </message>
    <message>
        <source>Logger %1 cannot be reached</source>
        <translation>ロガー %1 に接続できません</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a failure and its detail</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Connecting with %1 ...</source>
        <translation>%1 に接続中...</translation>
    </message>
    <message>
        <source>Via %1</source>
        <translation>%1 経由</translation>
    </message>
    <message>
        <source>%1 Bytes Sent</source>
        <translation>送信 %1 バイト</translation>
    </message>
    <message>
        <source>%1 Bytes Rcvd</source>
        <translation>受信 %1 バイト</translation>
    </message>
    <message>
        <source>PTT ON</source>
        <translation>PTT ON</translation>
    </message>
    <message>
        <source>%1 closed: %2</source>
        <translation>%1 が閉じられました: %2</translation>
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
        <translation>証明書またはその鍵を読み取れません (%1, %2)。</translation>
    </message>
    <message>
        <source>The certificate or its key is not in PEM form (%1, %2).</source>
        <translation>証明書またはその鍵が PEM 形式ではありません (%1, %2)。</translation>
    </message>
    <message>
        <source>The key file cannot be made in %1.</source>
        <translation>%1 に鍵ファイルを作成できません。</translation>
    </message>
    <message>
        <source>No certificate could be made: the openssl command failed or is missing (%1).</source>
        <translation>証明書を作成できませんでした: openssl コマンドが失敗したか、見つかりません (%1)。</translation>
    </message>
    <message>
        <source>The certificate cannot be kept in %1.</source>
        <translation>%1 に証明書を保存できません。</translation>
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
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>ログアウト</translation>
    </message>
    <message>
        <source>Received text</source>
        <translation>受信テキスト</translation>
    </message>
    <message>
        <source>Text to send (Enter sends)</source>
        <translation>送信するテキスト (Enter で送信)</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>コールサイン</translation>
    </message>
    <message>
        <source>Via</source>
        <translation>経由</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Take control</source>
        <translation>操作権を取得</translation>
    </message>
    <message>
        <source>In control:</source>
        <translation>操作権:</translation>
    </message>
    <message>
        <source>you</source>
        <translation>あなた</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>Bytes sent</source>
        <translation>送信バイト数</translation>
    </message>
    <message>
        <source>Bytes received</source>
        <translation>受信バイト数</translation>
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
        <translation>マクロ</translation>
    </message>
    <message>
        <source>Log this QSO</source>
        <translation>この QSO を記録</translation>
    </message>
    <message>
        <source>Do not log</source>
        <translation>記録しない</translation>
    </message>
    <message>
        <source>Connection to the station lost; trying again...</source>
        <translation>局との接続が切れました。再接続しています...</translation>
    </message>
    <message>
        <source>TCP link up</source>
        <translation>TCP リンク接続中</translation>
    </message>
    <message>
        <source>TCP link waiting</source>
        <translation>TCP リンク待機中</translation>
    </message>
    <message>
        <source>TCP link down</source>
        <translation>TCP リンク切断</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>件</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 件</translation>
    </message>
</context>
<context>
    <name>RemotePassword</name>
    <message>
        <source>The password could not be stored in %1: %2</source>
        <translation>パスワードを %1 に保存できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>Remote operation is off.</source>
        <translation>リモート操作はオフです。</translation>
    </message>
    <message>
        <source>Remote operation needs a password: set one with keldo-terminal --set-remote-password.</source>
        <translation>リモート操作にはパスワードが必要です。keldo-terminal --set-remote-password で設定してください。</translation>
    </message>
    <message>
        <source>The stored remote password cannot be used: set it again with keldo-terminal --set-remote-password.</source>
        <translation>保存されているリモート操作用パスワードは使用できません。keldo-terminal --set-remote-password で設定し直してください。</translation>
    </message>
    <message>
        <source>The listen address %1 is not an address.</source>
        <translation>待ち受けアドレス %1 はアドレスではありません。</translation>
    </message>
    <message>
        <source>Cannot listen on %1 (in use, or not this machine&apos;s).</source>
        <translation>%1 で待ち受けできません (使用中か、このマシンのアドレスではありません)。</translation>
    </message>
    <message>
        <source>Serving on https://%1:%2/ (certificate SHA-256 %3).</source>
        <translation>https://%1:%2/ で公開中 (証明書 SHA-256 %3)。</translation>
    </message>
    <message>
        <source>Wrong password.</source>
        <translation>パスワードが違います。</translation>
    </message>
    <message>
        <source>the desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message>
        <source>the console</source>
        <translation>コンソール</translation>
    </message>
    <message>
        <source>a browser</source>
        <translation>ブラウザー</translation>
    </message>
    <message>
        <source>a browser at %1</source>
        <translation>%1 のブラウザー</translation>
    </message>
    <message>
        <source>Another front end is in control. Take control first.</source>
        <translation>別の操作画面が操作権を持っています。先に操作権を取得してください。</translation>
    </message>
    <message>
        <source>Making the certificate...</source>
        <translation>証明書を作成中...</translation>
    </message>
</context>
<context>
    <name>RxFindBar</name>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Find in the received text</source>
        <translation>受信テキストを検索</translation>
    </message>
    <message>
        <source>&amp;Match case</source>
        <translation>大文字と小文字を区別(&amp;M)</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>前を検索 (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (Enter, F3)</source>
        <translation>次を検索 (Enter, F3)</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>閉じる (Esc)</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 件</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n 件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RxScreenView</name>
    <message>
        <source>New text below</source>
        <translation>下に新しいテキストがあります</translation>
    </message>
    <message>
        <source>Show the newest text (Ctrl+End)</source>
        <translation>最新のテキストを表示 (Ctrl+End)</translation>
    </message>
</context>
<context>
    <name>SerialPortList</name>
    <message>
        <source>%1, serial %2</source>
        <translation>%1、シリアル番号 %2</translation>
    </message>
</context>
<context>
    <name>SettingsController</name>
    <message>
        <source>The remote access settings could not be saved to %1
%2</source>
        <translation>リモートアクセスの設定を %1 に保存できませんでした
%2</translation>
    </message>
    <message>
        <source>the settings folder does not answer</source>
        <translation>設定フォルダーが応答しません</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>the settings folder does not answer</source>
        <translation>設定フォルダーが応答しません</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1
%2</source>
        <translation>設定を %1 に保存できませんでした
%2</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>%1 cannot be started</source>
        <translation>%1 を起動できません</translation>
    </message>
    <message>
        <source>%1 cannot be started: %2</source>
        <translation>%1 を起動できません: %2</translation>
    </message>
    <message>
        <source>Unable to open radio serial port %1. May be in use by another application.</source>
        <translation>無線機のシリアルポート %1 を開けません。別のアプリケーションが使用している可能性があります。</translation>
    </message>
    <message>
        <source>PTT port %1 lost while transmitting: the radio may still be on the air</source>
        <translation>送信中に PTT ポート %1 が失われました: 無線機がまだ送信している可能性があります</translation>
    </message>
    <message>
        <source>PTT port %1 back: transmitter released</source>
        <translation>PTT ポート %1 が復帰しました: 送信を解除しました</translation>
    </message>
    <message>
        <source>Transmit time-out: transmitter released until the modem sends PTT OFF</source>
        <translation>送信タイムアウト: モデムが PTT OFF を送るまで送信を解除します</translation>
    </message>
    <message>
        <source>The folder %1 does not answer: writing %2 did not finish within %3 s.
The terminal goes on without it; what could not be written is kept where it can be and written when the folder answers again.</source>
        <translation>フォルダー %1 が応答しません: %2 の書き込みが %3 秒以内に終わりませんでした。
端末はそのまま動作を続けます。書き込めなかった内容は保管できる場所に保管し、フォルダーが再び応答したときに書き込みます。</translation>
    </message>
    <message>
        <source>the desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message>
        <source>the console</source>
        <translation>コンソール</translation>
    </message>
    <message>
        <source>a browser</source>
        <translation>ブラウザー</translation>
    </message>
    <message>
        <source>Control link to %1 lost: stopped, the unsent text kept</source>
        <translation>%1 との操作用リンクが切れました: 停止しました。未送信のテキストは残してあります</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>%1 ファイルが見つかりません</translation>
    </message>
    <message>
        <source>Linux path tried: %1</source>
        <translation>試した Linux のパス: %1</translation>
    </message>
    <message>
        <source>%1 cannot be started: it is a Windows program, and &quot;wine&quot; was not found on the PATH.
Install Wine to run it, or choose a modem program for Linux.</source>
        <translation>%1 を起動できません: Windows のプログラムですが、PATH に &quot;wine&quot; が見つかりません。
実行するには Wine をインストールするか、Linux 用のモデムプログラムを選んでください。</translation>
    </message>
</context>
<context>
    <name>StationRemote</name>
    <message>
        <source>Calling %1</source>
        <translation>%1 を呼び出し中</translation>
    </message>
    <message>
        <source>Log the QSO with %1?</source>
        <translation>%1 との QSO を記録しますか？</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>%1 with %2</source>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 with %2 via %3</source>
        <translation>%1 と %2 (%3 経由)</translation>
    </message>
    <message>
        <source>transmitting</source>
        <translation>送信中</translation>
    </message>
    <message>
        <source>receiving</source>
        <translation>受信中</translation>
    </message>
    <message>
        <source>not keyed</source>
        <translation>PTT オフ</translation>
    </message>
    <message>
        <source>Transmitter: %1</source>
        <translation>送信機: %1</translation>
    </message>
    <message>
        <source>Whether the radio is keyed to transmit</source>
        <translation>無線機が送信状態かどうか</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>ending</source>
        <translation>切断中</translation>
    </message>
    <message>
        <source>calling %1</source>
        <translation>%1 を呼び出し中</translation>
    </message>
    <message>
        <source>Connection: %1</source>
        <translation>接続: %1</translation>
    </message>
    <message>
        <source>The radio connection and the stations in it</source>
        <translation>無線の接続と、その接続に参加している局</translation>
    </message>
    <message>
        <source>Bytes sent and received</source>
        <translation>送受信バイト数</translation>
    </message>
    <message>
        <source>Bytes sent and received: %1 sent</source>
        <translation>送受信バイト数: 送信 %1</translation>
    </message>
    <message>
        <source>Bytes sent and received: %1 received</source>
        <translation>送受信バイト数: 受信 %1</translation>
    </message>
    <message>
        <source>Bytes sent and received: %1</source>
        <translation>送受信バイト数: %1</translation>
    </message>
    <message>
        <source>Bytes of the current text sent to or received from the other station</source>
        <translation>現在のテキストについて相手局と送受信したバイト数</translation>
    </message>
    <message>
        <source>up</source>
        <translation>接続中</translation>
    </message>
    <message>
        <source>down</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>not connected yet</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>Modem link: %1</source>
        <translation>モデムとのリンク: %1</translation>
    </message>
    <message>
        <source>The network link to the modem program</source>
        <translation>モデムプログラムとのネットワーク接続</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>ステータス</translation>
    </message>
    <message>
        <source>Start of the status bar</source>
        <translation>ステータスバーの先頭</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>ステータスバー</translation>
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
        <translation>%1 と接続できませんでした</translation>
    </message>
    <message>
        <source>No connection with %1 via %2</source>
        <translation>%1 と接続できませんでした (%2 経由)</translation>
    </message>
    <message>
        <source>Connection ended</source>
        <translation>接続が終了しました</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About KELDO Chat</source>
        <translation>KELDO Chat について</translation>
    </message>
    <message>
        <source>Version %1    </source>
        <extracomment>%1 is the version number; the blanks after it are kept.</extracomment>
        <translation>バージョン %1    </translation>
    </message>
    <message>
        <source>Keyboard chat terminal for the KELDO modems.</source>
        <translation>KELDO モデム用のキーボードチャット端末です。</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>設定: %1</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>設定ファイル: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>frmConnect</name>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Connect with:</source>
        <translation>接続先:</translation>
    </message>
    <message>
        <source>Via1</source>
        <translation>経由1</translation>
    </message>
    <message>
        <source>Via2</source>
        <translation>経由2</translation>
    </message>
    <message>
        <source>Invalid Call Sign</source>
        <translation>コールサインが正しくありません</translation>
    </message>
</context>
<context>
    <name>frmFirstRun</name>
    <message>
        <source>KELDO Terminal: first start</source>
        <translation>KELDO Terminal: 初回起動</translation>
    </message>
    <message>
        <source>There are no settings yet. Your call sign and your modem, to begin with (Settings → Terminal Setup... changes them later).</source>
        <translation>まだ設定がありません。まずコールサインとモデムを設定してください (後から「設定」→「端末の設定...」で変更できます)。</translation>
    </message>
    <message>
        <source>&amp;Call sign:</source>
        <translation>コールサイン(&amp;C):</translation>
    </message>
    <message>
        <source>Where the modem runs</source>
        <translation>モデムの実行場所</translation>
    </message>
    <message>
        <source>The &amp;practice modem (%1), to try the terminal</source>
        <translation>練習用モデム (%1) で端末を試す(&amp;P)</translation>
    </message>
    <message>
        <source>A modem program on &amp;this computer:</source>
        <translation>このコンピューター上のモデムプログラム(&amp;T):</translation>
    </message>
    <message>
        <source>A modem on &amp;another computer:</source>
        <translation>別のコンピューター上のモデム(&amp;A):</translation>
    </message>
    <message>
        <source>A program whose name ends in .exe runs under Wine</source>
        <translation>名前が .exe で終わるプログラムは Wine で実行されます</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>プログラム:</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>ホスト(&amp;H):</translation>
    </message>
    <message>
        <source>Command &amp;port:</source>
        <translation>コマンドポート(&amp;P):</translation>
    </message>
    <message>
        <source>Invalid Call Sign</source>
        <translation>コールサインが正しくありません</translation>
    </message>
    <message>
        <source>Invalid modem program</source>
        <translation>モデムプログラムが正しくありません</translation>
    </message>
    <message>
        <source>Invalid Host</source>
        <translation>ホストが正しくありません</translation>
    </message>
    <message>
        <source>Invalid TCP port</source>
        <translation>TCP ポートが正しくありません</translation>
    </message>
</context>
<context>
    <name>frmKeldoTerminal</name>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>システムの言語</translation>
    </message>
    <message>
        <source>The language changes when KELDO Terminal is started again.</source>
        <translation>言語の変更は KELDO Terminal の次回起動時に反映されます。</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>Terminal Setup...</source>
        <translation>端末の設定...</translation>
    </message>
    <message>
        <source>PTT...</source>
        <translation>PTT...</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>文字サイズ</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Speaker Colours</source>
        <translation>話者ごとの色</translation>
    </message>
    <message>
        <source>Time Stamps</source>
        <translation>タイムスタンプ</translation>
    </message>
    <message>
        <source>Notify on Incoming Call</source>
        <translation>着信時に通知</translation>
    </message>
    <message>
        <source>Log Conversations</source>
        <translation>会話を記録</translation>
    </message>
    <message>
        <source>Log Folder...</source>
        <translation>ログフォルダー...</translation>
    </message>
    <message>
        <source>Logbook...</source>
        <translation>ログブック...</translation>
    </message>
    <message>
        <source>Open Logs Folder</source>
        <translation>ログフォルダーを開く</translation>
    </message>
    <message>
        <source>Remote Access...</source>
        <translation>リモートアクセス...</translation>
    </message>
    <message>
        <source>Macros...</source>
        <translation>マクロ...</translation>
    </message>
    <message>
        <source>Show Macro Bar</source>
        <translation>マクロバーを表示</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
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
        <translation>接続(&amp;C)</translation>
    </message>
    <message>
        <source>Call a station</source>
        <translation>局を呼び出す</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>停止(&amp;T)</translation>
    </message>
    <message>
        <source>End the connection</source>
        <translation>接続を終了</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>クリア(&amp;L)</translation>
    </message>
    <message>
        <source>Empty the RX screen</source>
        <translation>受信画面を消去</translation>
    </message>
    <message>
        <source>T&amp;ake Control</source>
        <translation>操作権を取り戻す(&amp;A)</translation>
    </message>
    <message>
        <source>Operate the station from here again</source>
        <translation>再びここから局を操作する</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>KELDO Google Group</source>
        <translation>KELDO Google グループ</translation>
    </message>
    <message>
        <source>KELDO download site</source>
        <translation>KELDO ダウンロードサイト</translation>
    </message>
    <message>
        <source>ChangeLog</source>
        <translation>変更履歴</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>バージョン情報...</translation>
    </message>
    <message>
        <source>RX Screen</source>
        <translation>受信画面</translation>
    </message>
    <message>
        <source>Received text</source>
        <translation>受信テキスト</translation>
    </message>
    <message>
        <source>The conversation: what the other station sent and what you sent</source>
        <translation>会話: 相手局が送信した内容と自局が送信した内容</translation>
    </message>
    <message>
        <source>Sending progress</source>
        <translation>送信の進行状況</translation>
    </message>
    <message>
        <source>How much of the text being sent the modem has transmitted</source>
        <translation>送信中のテキストのうちモデムが送信し終えた量</translation>
    </message>
    <message>
        <source>TX Screen</source>
        <translation>送信画面</translation>
    </message>
    <message>
        <source>Text to send</source>
        <translation>送信するテキスト</translation>
    </message>
    <message>
        <source>Type your text here; Enter sends it</source>
        <translation>ここにテキストを入力します。Enter で送信します</translation>
    </message>
    <message>
        <source>Send text (ENTER key)</source>
        <translation>テキストを送信 (ENTER キー)</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Sends the typed text to the other station (Enter key)</source>
        <translation>入力したテキストを相手局に送信します (Enter キー)</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>In control: %1. This window only watches; Take Control (Ctrl+Shift+T) operates from here.</source>
        <translation>操作権: %1。このウィンドウは表示のみです。ここから操作するには「操作権を取り戻す」(Ctrl+Shift+T)。</translation>
    </message>
    <message>
        <source>KELDO Terminal is not connected with KELDO Modem</source>
        <translation>KELDO Terminal は KELDO モデムに接続されていません</translation>
    </message>
    <message>
        <source>No program to show text files was found (such as xdg-open).
The change log is the file %1</source>
        <translation>テキストファイルを表示するプログラム (xdg-open など) が見つかりませんでした。
変更履歴はファイル %1 にあります</translation>
    </message>
    <message>
        <source>%1 not found</source>
        <translation>%1 が見つかりません</translation>
    </message>
    <message>
        <source>The logs folder could not be opened: no program to open folders was found.
The logs are in %1</source>
        <translation>ログフォルダーを開けませんでした: フォルダーを開くプログラムが見つかりません。
ログは %1 にあります</translation>
    </message>
    <message>
        <source>Log Folder</source>
        <translation>ログフォルダー</translation>
    </message>
</context>
<context>
    <name>frmLogQso</name>
    <message>
        <source>Log QSO</source>
        <translation>QSO の記録</translation>
    </message>
    <message>
        <source>QSOs waiting to be logged</source>
        <translation>記録待ちの QSO</translation>
    </message>
    <message>
        <source>&amp;Call:</source>
        <translation>コールサイン(&amp;C):</translation>
    </message>
    <message>
        <source>Time o&amp;n:</source>
        <translation>開始時刻(&amp;N):</translation>
    </message>
    <message>
        <source>Time o&amp;ff:</source>
        <translation>終了時刻(&amp;F):</translation>
    </message>
    <message>
        <source>Freq&amp;uency (MHz):</source>
        <translation>周波数 (MHz)(&amp;U):</translation>
    </message>
    <message>
        <source>Band:</source>
        <translation>バンド:</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>モード(&amp;M):</translation>
    </message>
    <message>
        <source>&amp;Submode:</source>
        <translation>サブモード(&amp;S):</translation>
    </message>
    <message>
        <source>RST s&amp;ent:</source>
        <translation>送信 RST(&amp;E):</translation>
    </message>
    <message>
        <source>RST &amp;received:</source>
        <translation>受信 RST(&amp;R):</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation>名前(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;QTH:</source>
        <translation>QTH(&amp;Q):</translation>
    </message>
    <message>
        <source>&amp;Locator:</source>
        <translation>グリッドロケーター(&amp;L):</translation>
    </message>
    <message>
        <source>C&amp;omment:</source>
        <translation>コメント(&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>記録(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Drop</source>
        <translation>破棄(&amp;D)</translation>
    </message>
    <message>
        <source>The QSO could not be written.</source>
        <translation>QSO を書き込めませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>Log QSO – %n waiting</source>
        <translation>
            <numerusform>QSO の記録 – %n 件待ち</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmLogbook</name>
    <message>
        <source>Logbook</source>
        <translation>ログブック</translation>
    </message>
    <message>
        <source>&amp;Log QSOs</source>
        <translation>QSO を記録する(&amp;L)</translation>
    </message>
    <message>
        <source>Log &amp;without asking</source>
        <translation>確認せずに記録(&amp;W)</translation>
    </message>
    <message>
        <source>Which mode does your logbook use for these QSOs?</source>
        <translation>これらの QSO はログブックでどのモードとして記録しますか？</translation>
    </message>
    <message>
        <source>Log mode</source>
        <translation>ログのモード</translation>
    </message>
    <message>
        <source>&amp;Send QSOs to loggers</source>
        <translation>QSO をロガーに送信(&amp;S)</translation>
    </message>
    <message>
        <source>Log &amp;mode:</source>
        <translation>ログのモード(&amp;M):</translation>
    </message>
    <message>
        <source>Log s&amp;ubmode:</source>
        <translation>ログのサブモード(&amp;U):</translation>
    </message>
    <message>
        <source>M&amp;y locator:</source>
        <translation>自局グリッドロケーター(&amp;Y):</translation>
    </message>
    <message>
        <source>&amp;TX power (W):</source>
        <translation>送信出力 (W)(&amp;T):</translation>
    </message>
    <message>
        <source>Rig control &amp;host (rigctld, when PTT is not by rigctld):</source>
        <translation>リグ制御のホスト (rigctld、PTT が rigctld 以外のとき)(&amp;H):</translation>
    </message>
    <message>
        <source>Rig control &amp;port:</source>
        <translation>リグ制御のポート(&amp;P):</translation>
    </message>
    <message>
        <source>Used for the frequency when PTT is not by rigctld; keying by rigctld, that rigctld is asked.</source>
        <translation>PTT が rigctld 以外のとき、周波数の取得に使います。rigctld で送信を制御する場合は、その rigctld に問い合わせます。</translation>
    </message>
    <message>
        <source>Logger h&amp;ost:</source>
        <translation>ロガーのホスト(&amp;O):</translation>
    </message>
    <message>
        <source>Logger po&amp;rt:</source>
        <translation>ロガーのポート(&amp;R):</translation>
    </message>
</context>
<context>
    <name>frmMacros</name>
    <message>
        <source>Macros</source>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>Function keys</source>
        <translation>ファンクションキー</translation>
    </message>
    <message>
        <source>Button label</source>
        <translation>ボタンのラベル</translation>
    </message>
    <message>
        <source>Macro text</source>
        <translation>マクロのテキスト</translation>
    </message>
    <message>
        <source>Variables: &lt;MYCALL&gt; &lt;CALL&gt; &lt;UTC&gt; &lt;DATE&gt; &lt;MODE&gt; &lt;BW&gt; &lt;FREQ&gt; &lt;BAND&gt;.
&lt;SEND&gt; at the end sends the text at once.</source>
        <translation>変数: &lt;MYCALL&gt; &lt;CALL&gt; &lt;UTC&gt; &lt;DATE&gt; &lt;MODE&gt; &lt;BW&gt; &lt;FREQ&gt; &lt;BAND&gt;。
末尾に &lt;SEND&gt; を置くと、テキストをすぐに送信します。</translation>
    </message>
    <message>
        <source>Show macro buttons under the TX box</source>
        <translation>送信欄の下にマクロボタンを表示</translation>
    </message>
    <message>
        <source>&amp;Label:</source>
        <translation>ラベル(&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>テキスト(&amp;T):</translation>
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
        <translation>PTT 方式</translation>
    </message>
    <message>
        <source>VOX/ZK-Board</source>
        <translation>VOX/ZK-Board</translation>
    </message>
    <message>
        <source>Brand:</source>
        <translation>メーカー:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>機種:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>ポート:</translation>
    </message>
    <message>
        <source>Bauds:</source>
        <translation>ボーレート:</translation>
    </message>
    <message>
        <source>PTT Pin</source>
        <translation>PTT ピン</translation>
    </message>
    <message>
        <source>CI-V Address:</source>
        <translation>CI-V アドレス:</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>ホスト:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>%1
not present</source>
        <extracomment>Tooltip of a serial device that is not plugged in; %1 is its path.</extracomment>
        <translation>%1
未接続</translation>
    </message>
    <message>
        <source>wrong Icom Address format</source>
        <translation>Icom アドレスの形式が正しくありません</translation>
    </message>
    <message>
        <source>Invalid serial port</source>
        <translation>シリアルポートが正しくありません</translation>
    </message>
    <message>
        <source>Invalid rigctld port</source>
        <translation>rigctld のポートが正しくありません</translation>
    </message>
</context>
<context>
    <name>frmRemote</name>
    <message>
        <source>Remote Access</source>
        <translation>リモートアクセス</translation>
    </message>
    <message>
        <source>&amp;Let browsers operate this station</source>
        <translation>ブラウザーからこの局を操作できるようにする(&amp;L)</translation>
    </message>
    <message>
        <source>Listen address</source>
        <translation>待ち受けアドレス</translation>
    </message>
    <message>
        <source>127.0.0.1: this computer only; 0.0.0.0: every network</source>
        <translation>127.0.0.1: このコンピューターのみ、0.0.0.0: すべてのネットワーク</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>新しいパスワード</translation>
    </message>
    <message>
        <source>New password again</source>
        <translation>新しいパスワード (確認)</translation>
    </message>
    <message>
        <source>A password is set; leave both boxes empty to keep it.</source>
        <translation>パスワードは設定済みです。変更しない場合は両方の欄を空のままにしてください。</translation>
    </message>
    <message>
        <source>No password is set: browsers cannot log in until one is.</source>
        <translation>パスワードが設定されていません。設定するまでブラウザーからはログインできません。</translation>
    </message>
    <message>
        <source>Listen &amp;address:</source>
        <translation>待ち受けアドレス(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>ポート(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>新しいパスワード(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Repeat it:</source>
        <translation>もう一度入力(&amp;R):</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>現在の状態</translation>
    </message>
    <message>
        <source>Browsers connected</source>
        <translation>接続中のブラウザー</translation>
    </message>
    <message>
        <source>&amp;Take control</source>
        <translation>操作権を取得(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Disconnect all</source>
        <translation>すべて切断(&amp;D)</translation>
    </message>
    <message>
        <source>Open:</source>
        <translation>公開先:</translation>
    </message>
    <message>
        <source>Certificate SHA-256:</source>
        <translation>証明書 SHA-256:</translation>
    </message>
    <message>
        <source>Connected:</source>
        <translation>接続中:</translation>
    </message>
    <message>
        <source>In control:</source>
        <translation>操作権:</translation>
    </message>
    <message>
        <source>Serving.</source>
        <translation>公開中。</translation>
    </message>
    <message>
        <source>Not serving.</source>
        <translation>停止中。</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The listen address must be an IP address, such as 127.0.0.1 or 0.0.0.0.</source>
        <translation>待ち受けアドレスには 127.0.0.1 や 0.0.0.0 のような IP アドレスを指定してください。</translation>
    </message>
    <message>
        <source>The port must be a number from %1 to %2.</source>
        <translation>ポートには %1 から %2 までの数値を指定してください。</translation>
    </message>
    <message>
        <source>The two passwords differ: type the same one twice.</source>
        <translation>2 つのパスワードが一致しません。同じパスワードを 2 回入力してください。</translation>
    </message>
    <message numerus="yes">
        <source>The password is too short: at least %n characters, please.</source>
        <translation>
            <numerusform>パスワードが短すぎます。%n 文字以上にしてください。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Setup</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Command Port</source>
        <translation>コマンドポート</translation>
    </message>
    <message>
        <source>Data Port</source>
        <translation>データポート</translation>
    </message>
    <message>
        <source>Host </source>
        <translation>ホスト </translation>
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
        <translation>KELDO モード</translation>
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
        <translation>自局コールサイン</translation>
    </message>
    <message>
        <source>KELDO HF Bandwitdh</source>
        <translation>KELDO HF 帯域幅</translation>
    </message>
    <message>
        <source>500 Hz (Narrow)</source>
        <translation>500 Hz (ナロー)</translation>
    </message>
    <message>
        <source>2300 Hz (Standard)</source>
        <translation>2300 Hz (標準)</translation>
    </message>
    <message>
        <source>2750 Hz (Tactical)</source>
        <translation>2750 Hz (タクティカル)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>KELDO HF Modem location</source>
        <translation>KELDO HF モデムの場所</translation>
    </message>
    <message>
        <source>KELDO FM Modem location</source>
        <translation>KELDO FM モデムの場所</translation>
    </message>
    <message>
        <source>KELDO SAT Modem location</source>
        <translation>KELDO SAT モデムの場所</translation>
    </message>
    <message>
        <source>Automatically launch KELDO TNC when KELDO Terminal is opened</source>
        <translation>KELDO Terminal の起動時に KELDO TNC を自動的に起動</translation>
    </message>
    <message>
        <source>Alert on My Call</source>
        <translation>自局コールで通知</translation>
    </message>
    <message>
        <source>Mark and announce received text holding your call sign</source>
        <translation>自局のコールサインを含む受信テキストを強調表示して通知します</translation>
    </message>
    <message>
        <source>Alert Words</source>
        <translation>通知ワード</translation>
    </message>
    <message>
        <source>Words to mark and announce in received text, separated by commas</source>
        <translation>受信テキストで強調表示して通知する語 (カンマ区切り)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>TCP Command Port (default: 8300)</source>
        <translation>TCP コマンドポート (既定: 8300)</translation>
    </message>
    <message>
        <source>TCP Command Port (default: %1)</source>
        <translation>TCP コマンドポート (既定: %1)</translation>
    </message>
    <message>
        <source>No while a connection is is progress.</source>
        <translation>接続中は変更できません。</translation>
    </message>
    <message>
        <source>Invalid TCP port</source>
        <translation>TCP ポートが正しくありません</translation>
    </message>
    <message>
        <source>Invalid Host</source>
        <translation>ホストが正しくありません</translation>
    </message>
    <message>
        <source>Invalid Call Sign</source>
        <translation>コールサインが正しくありません</translation>
    </message>
</context>
</TS>
