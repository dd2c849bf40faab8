#!/usr/bin/env bash
# The layers include one way only: application (app/, dialogs/) -> ui
# (widgets/ -> presenter/, which has no widgets) -> station -> core. The core and the station
# include and link nothing of Qt Gui or Qt Widgets. Inside the core, the
# modem link knows nothing of the terminal, and settings and encoding know
# nothing of the layers above them. No identifier Session anywhere.
# No two source folders include each other. A test declared core in
# tests/CMakeLists.txt includes and links nothing above the core, a station
# test nothing of a front end, a ui test nothing of the application; given the
# build folder, its link line in build.ninja is read too, helpers and all.
# Prints every line that breaks this and exits non-zero if any does.
#   scripts/check-layers.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
src=$root/src
build=${1:-}

status=0
forbid() { # folder or file under src/, pattern of include paths it must not use, why
  local hits
  hits=$(grep -rnHE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<]($2)" "$root/$1" || true)
  if [ -n "$hits" ]; then
    echo "$3:"
    echo "$hits" | sed "s#^$root/#  #"
    status=1
  fi
}

widgets='Q(Widget|Dialog|MainWindow|MessageBox|Application|PushButton|Label|LineEdit|ComboBox|CheckBox|Menu|Action|StatusBar|ProgressBar|PlainTextEdit|TextEdit|GroupBox|RadioButton|Frame|Layout|[A-Z][A-Za-z]*Layout)>|QtWidgets'
gui='Q(Color|Font|FontMetrics|Gui[A-Za-z]*|Pixmap|Image|Icon|TextDocument|TextCursor|TextCharFormat|Palette|Brush|Painter|DesktopServices|Clipboard|KeySequence|Screen|Window|Rgb)>|QtGui|QtWidgets'
forbid src/core "(\\.\\./)*(app|dialogs|widgets|presenter|station)/|$widgets|$gui" "the core includes Qt Gui, a widget or a higher layer"
forbid src/station "(\\.\\./)*(app|application|dialogs|widgets|presenter|ui)/|$widgets|$gui" "the station includes Qt Gui, a widget or a front end"
forbid src/ui "(\\.\\./)*(app|dialogs)/" "a widget helper includes the application"
forbid src/ui/presenter "(\\.\\./)*widgets/|$widgets" "the presenter (and the RX document) includes a widget"
forbid src/application/dialogs "(\\.\\./)*app/" "a dialog includes the application (dialogs take and return values)"
forbid src/core/link "(\\.\\./)*terminal/" "the modem link includes the terminal"
forbid src/core/settings "(\\.\\./)*(link|terminal|ptt)/" "settings include a layer above them"
forbid src/core/encoding "(\\.\\./)*(settings|link|terminal|ptt)/" "the encoding includes a layer above it"
forbid src/core "(\\.\\./)*presenter/" "the core includes the presenter"

# The link, the conversation and the logbook are handed their settings as
# values (LinkConfig, ConversationConfig, LogbookConfig); none reads the store.
hits=$(grep -rnw 'SettingsStore' "$src/core/link" "$src/core/terminal" "$src/core/logbook" || true)
if [ -n "$hits" ]; then
  echo "a part of the core reads the settings store instead of being handed values:"
  echo "$hits" | sed "s#^$src/#  src/#"
  status=1
fi

# The core announces what happened; what the window shows is the presenter's.
shown='\b(DisplayState|Panel::|Picture::)|"[^"]*(Bytes Sent|Bytes Rcvd|Connecting with|Modem Connected|Modem Disconnected|TCP link|Disconnecting\.\.\.)'
hits=$(grep -rnE "$shown" "$src/core" || true)
if [ -n "$hits" ]; then
  echo "the core chooses what the window shows:"
  echo "$hits" | sed "s#^$src/#  src/#"
  status=1
fi

# The core and the station link no Qt Gui or Widgets.
srccmake=$(tr '\n' ' ' <"$src/CMakeLists.txt")
for lib in keldo_core keldo_station; do
  hits=$(grep -oE "target_link_libraries\([[:space:]]*$lib[[:space:]][^)]*" <<<"$srccmake" |
    grep -E '\b(Qt6::(Gui|Widgets|OpenGL)|keldo_(ui|app))\b' || true)
  if [ -n "$hits" ]; then
    echo "$lib links Qt Gui, widgets or a front end in src/CMakeLists.txt:"
    echo "  $hits"
    status=1
  fi
done

# The running station is the Station; the word Session names nothing.
# (Quoted texts, such as the [Remote] key "Session Minutes", are not names.)
hits=$(grep -rnwE 'Session' "$src" "$root/tests" --include='*.h' --include='*.cpp' | grep -vE '"[^"]*\bSession\b[^"]*"' || true)
if [ -n "$hits" ]; then
  echo "an identifier Session (the running station is the Station):"
  echo "$hits" | sed "s#^$root/#  #"
  status=1
fi

# No two source folders include each other: every quoted include is resolved
# as the compiler would (beside the file, then the layers' include roots).
edges=$(grep -rnoE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]+"' "$src" --include='*.h' --include='*.cpp' |
  while IFS=: read -r file line inc; do
    path=${inc#*\"}
    path=${path%\"}
    from=$(dirname "$file")
    for base in "$from" "$src/core" "$src/station" "$src/ui" "$src/application" "$src/web" "$src"; do
      if [ -f "$base/$path" ]; then
        to=$(dirname "$(realpath -m "$base/$path")")
        [ "$to" != "$from" ] && echo "${from#"$src"/} ${to#"$src"/} ${file#"$src"/}:$line:$path"
        break
      fi
    done
  done)
pairs=$(echo "$edges" | awk 'NF {print $1, $2}' | sort -u)
while read -r a b; do
  if [[ -n "$a" && "$a" < "$b" ]] && grep -qxF "$b $a" <<<"$pairs"; then
    echo "src/$a and src/$b include each other:"
    awk -v a="$a" -v b="$b" '($1 == a && $2 == b) || ($1 == b && $2 == a) {print "  src/" $3}' <<<"$edges"
    status=1
  fi
done <<<"$pairs"

# Front ends attach to the station, never to each other: the desktop
# (application/, ui/), the console and the web page. Only the program's
# entry (main/) knows them all.
frontend_of() {
  case "$1" in
    application/* | ui/*) echo desktop ;;
    console | console/*) echo console ;;
    web | web/*) echo web ;;
  esac
}
while read -r a b where; do
  [ -z "$a" ] && continue
  fa=$(frontend_of "$a")
  fb=$(frontend_of "$b")
  if [ -n "$fa" ] && [ -n "$fb" ] && [ "$fa" != "$fb" ]; then
    echo "the $fa front end includes the $fb front end:"
    echo "  src/$where"
    status=1
  fi
done <<<"$edges"

# Core tests stay in the core: their sources and helpers include nothing
# above it, and neither CMake nor the link line brings in the widgets or the
# application.
above="(\\.\\./)*(app|application|dialogs|presenter|ui|widgets)/|$widgets"
forbid tests/core "$above" "a core test helper includes a layer above the core"
forbid tests/ui "(\\.\\./)*(app|application|dialogs)/" "a ui test helper includes the application"
cmake=$(tr '\n' ' ' <"$root/tests/CMakeLists.txt")
# The tests tests/CMakeLists.txt declares in a layer.
tests_of() {
  grep -oE "keldo_add_test\([[:space:]]*[A-Za-z0-9_]+[[:space:]]+LAYER[[:space:]]+$1[[:space:]]*\)" \
    "$root/tests/CMakeLists.txt" | sed -E 's/keldo_add_test\([[:space:]]*([A-Za-z0-9_]+).*/\1/'
}
# Given the build folder, a test's link line in build.ninja, helpers and
# all, names none of the libraries (a pattern of names after "lib").
linked() { # test, libraries, what is wrong
  local hits
  [ -n "$build" ] && [ -f "$build/build.ninja" ] || return 0
  hits=$(awk -v t="tests/$1:" '$1 == "build" && $2 == t {f = 1; next}
    f && $1 == "LINK_LIBRARIES" {print; exit} f && /^build / {exit}' "$build/build.ninja" |
    grep -oE "lib($2)[^ ]*" || true)
  if [ -n "$hits" ]; then
    echo "$3 (build.ninja):"
    echo "$hits" | sed 's/^/  /'
    status=1
  fi
}
for t in $(tests_of core); do
  forbid "tests/$t.cpp" "$above" "the core test $t includes a layer above the core"
  hits=$(grep -oE "target_link_libraries\([[:space:]]*$t[[:space:]][^)]*" <<<"$cmake" |
    grep -E '\b(keldo_(test_)?(ui|app)|Qt6::Widgets)\b' || true)
  if [ -n "$hits" ]; then
    echo "the core test $t links above the core in tests/CMakeLists.txt:"
    echo "  $hits"
    status=1
  fi
  linked "$t" 'keldo_(test_)?(ui|app)|Qt6Widgets' "the core test $t is linked above the core"
done

# Station tests run the station as a console would: no widgets, no display,
# nothing of the desktop front end.
for t in $(tests_of station); do
  forbid "tests/$t.cpp" "$above|$gui" "the station test $t includes a front end or Qt Gui"
  linked "$t" 'keldo_(test_)?(ui|app)|Qt6Widgets|Qt6Gui' "the station test $t is linked above the station"
done
# UI tests run the station with the presenter watching it, and widgets, but
# nothing of the application: no window, no dialog, no DesktopStation.
for t in $(tests_of ui); do
  forbid "tests/$t.cpp" "(\\.\\./)*(app|application|dialogs)/" "the ui test $t includes the application"
  linked "$t" 'keldo_(test_)?app' "the ui test $t is linked to the application"
done
# ---- Keying methods: chosen in one place ----
# Only the driver factory turns a keying method into behaviour; the settings
# (which store and name the methods) may spell them out, and each driver
# writes and reads its own part of the keying state file. Elsewhere a method is never
# switched on nor compared with a PttMethod value: ask its driver, or the
# factory's PttMethodNeeds.
method_allowed='^src/core/ptt/PttDriverFactory\.cpp:|^src/core/settings/'
hits=$(cd "$root" && grep -rnE 'case[[:space:]]+PttMethod::|[!=]=[[:space:]]*PttMethod::|PttMethod::[A-Za-z]+[[:space:]]*[!=]=' \
  src --include='*.h' --include='*.cpp' | grep -vE "$method_allowed" || true)
if [ -n "$hits" ]; then
  echo "a keying method is switched on outside src/core/ptt/PttDriverFactory.cpp:"
  echo "$hits" | sed 's/^/  /'
  status=1
fi
# ---- end: keying methods ----
exit $status
