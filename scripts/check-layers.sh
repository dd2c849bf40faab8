#!/usr/bin/env bash
# The layers include one way only: application (app/, dialogs/) -> ui
# (widgets/) -> core. Inside the core, the modem link knows nothing of the
# terminal, and settings and encoding know nothing of the layers above them.
# Prints every include line that breaks this and exits non-zero if any does.
set -euo pipefail
src=$(cd "$(dirname "$0")/../src" && pwd)

status=0
forbid() { # folder, pattern of include paths it must not use, why
  local hits
  hits=$(grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<]($2)" "$src/$1" || true)
  if [ -n "$hits" ]; then
    echo "$3:"
    echo "$hits" | sed "s#^$src/#  src/#"
    status=1
  fi
}

widgets='Q(Widget|Dialog|MainWindow|MessageBox|Application|PushButton|Label|LineEdit|ComboBox|CheckBox|Menu|Action|StatusBar|ProgressBar|PlainTextEdit|TextEdit|GroupBox|RadioButton|Frame|Layout|[A-Z][A-Za-z]*Layout)>|QtWidgets'
forbid core "(\\.\\./)*(app|dialogs|widgets)/|$widgets" "the core includes a widget or a higher layer"
forbid ui "(\\.\\./)*(app|dialogs)/" "a widget helper includes the application"
forbid application/dialogs "(\\.\\./)*app/" "a dialog includes the application (dialogs take and return values)"
forbid core/link "(\\.\\./)*terminal/" "the modem link includes the terminal"
forbid core/settings "(\\.\\./)*(link|terminal|ptt|display)/" "settings include a layer above them"
forbid core/encoding "(\\.\\./)*(settings|link|terminal|ptt|display)/" "the encoding includes a layer above it"
forbid core "(\\.\\./)*presenter/" "the core includes the presenter"

# The core announces what happened; what the window shows is the presenter's.
shown='\b(DisplayState|Panel::|Picture::)|"[^"]*(Bytes Sent|Bytes Rcvd|Connecting with|Modem Connected|Modem Disconnected|TCP link|Disconnecting\.\.\.)'
hits=$(grep -rnE "$shown" "$src/core" || true)
if [ -n "$hits" ]; then
  echo "the core chooses what the window shows:"
  echo "$hits" | sed "s#^$src/#  src/#"
  status=1
fi
exit $status
