#!/usr/bin/env bash
# Brings the translation sources (share/i18n/*.ts) up to date with the
# program's texts: every module folder is scanned (new folders and dialogs
# are found by themselves), new texts are added as unfinished, and texts
# that left the program are kept as vanished so a translator can reuse
# them (--clean drops them). Then says how many texts each language still
# lacks and lists them. Also the build target "update-translations".
#
#   scripts/update-translations.sh [--clean] [Language ...]
#
# A new language: scripts/update-translations.sh French  (creates French.ts).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
lupdate=$(command -v lupdate6 || true)
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
options=(-locations none -extensions cpp,h,ui -no-ui-lines -silent -I "$top")
languages=()
for arg in "$@"; do
  case "$arg" in
    --clean) options+=(-no-obsolete) ;;
    *) languages+=("$arg") ;;
  esac
done
if [ ${#languages[@]} -eq 0 ]; then
  for ts in share/i18n/*.ts; do
    [ -e "$ts" ] && languages+=("$(basename "$ts" .ts)")
  done
fi

# The program's folders: those with a CMakeLists.txt, less tests and tools.
folders=()
for dir in */; do
  dir=${dir%/}
  case "$dir" in tests | bench | scripts | share | sql | build* | demo) continue ;; esac
  [ -f "$dir/CMakeLists.txt" ] && folders+=("$dir")
done

status=0
for language in "${languages[@]}"; do
  ts=share/i18n/$language.ts
  # lupdate names the language from the file name only for locale names.
  locale=$(python3 - "$language" <<'PY'
import sys
names = {"German": "de_DE", "Afrikaans": "af_ZA", "French": "fr_FR", "Dutch": "nl_NL",
         "Portuguese": "pt_PT", "Spanish": "es_ES", "Italian": "it_IT"}
print(names.get(sys.argv[1], ""))
PY
)
  extra=()
  [ -n "$locale" ] && extra=(-target-language "$locale")
  "$lupdate" "${options[@]}" "${extra[@]}" "${folders[@]}" -ts "$ts"
  python3 - "$ts" <<'PY' || status=1
import sys, xml.etree.ElementTree as ET
path = sys.argv[1]
root = ET.parse(path).getroot()
missing = []
total = 0
for context in root.iter("context"):
    name = context.findtext("name")
    for message in context.iter("message"):
        translation = message.find("translation")
        kind = translation.get("type", "") if translation is not None else "unfinished"
        if kind in ("vanished", "obsolete"):
            continue
        total += 1
        # A plural message keeps its text in one numerusform per plural form.
        forms = [f.text or "" for f in translation.iter("numerusform")] if translation is not None else []
        texts = forms if message.get("numerus") == "yes" else [translation.text if translation is not None else ""]
        if kind == "unfinished" or not texts or not all((t or "").strip() for t in texts):
            missing.append(f"  {name}: {message.findtext('source')!r}")
print(f"{path}: {total} texts, {len(missing)} not yet translated")
for line in missing:
    print(line)
sys.exit(1 if missing else 0)
PY
done
exit $status
