#!/usr/bin/env bash
# Sets up and starts the demo till: installs the packages, builds, installs
# into demo/install, seeds an SQLite demo shop in demo/, and starts Brevalon
# with a settings store of its own (demo/home), so your own settings are
# never touched. Run it again to start the same shop; DEMO_RESET=1 reseeds.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
demo=${BREVALON_DEMO_DIR:-$top/demo}

"$top/scripts/deps.sh"
"$top/scripts/build.sh"
cmake --install "$top/build" --prefix "$demo/install" >/dev/null

# The X server's cookie lives in the real home; keep finding it.
export XAUTHORITY=${XAUTHORITY:-$HOME/.Xauthority}
export HOME="$demo/home"
mkdir -p "$HOME"
db="$demo/install/bin/brevalon-db"
# The demo till has no printer of its own: every document (receipt, bill,
# kitchen and label docket) opens in the preview window instead of printing.
preview=()
for group in ReceiptPrinter InvoicePrinter KitchenPrinter LabelPrinter MailPrinter; do
  preview+=(--set "/$group/Preview=ON")
done
"$db" configure --driver QSQLITE --name "$demo/shop.db" --install-dir "$demo/install" "${preview[@]}" >/dev/null
if [ ! -s "$demo/shop.db" ] || [ "${DEMO_RESET:-0}" = 1 ]; then
  "$db" setup --force
fi

cat <<'TXT'
Demo shop "The Harbour Kitchen" is ready. Login codes:
  Admin (all rights)  9999
  MARY  (cashier)     1111
  JOHN  (waiter)      2222
  SUE   (waiter)      3333
TXT

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat <<'TXT'
There is no display to show the till on (DISPLAY is not set).
To run it headless, start it inside a virtual X server:
    xvfb-run -a -s "-screen 0 1280x800x24" scripts/demo.sh
and take screenshots with:  DISPLAY=:99 import -window root shot.png
(or start "Xvfb :99 -screen 0 1280x800x24 &" and run DISPLAY=:99 scripts/demo.sh).
TXT
  exit 1
fi
exec "$demo/install/bin/brevalon" "$@"
