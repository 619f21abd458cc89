#!/usr/bin/env bash
# A local update server for trying the update check: a pyftpdlib FTP server on loopback that
# announces a newer version with a what's-new text. Build Tarvolo against it (see README.md):
#   cmake -S . -B build -DTARVOLO_UPDATE_PORT=2121 && cmake --build build -j2
#   scripts/demo-update-server.sh &   then   build/tarvolo
# PORT, USER_ID and PASSWORD must match the build's TARVOLO_UPDATE_* settings.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
port=${PORT:-2121}
user=${USER_ID:-tarvolo}
password=${PASSWORD:-change-me-23-characters}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

cat > "$root/Tarvolo.INF" <<'INF'
; announced by the demo update server
[Version]
Text=9.0.0.0
Number=9.0.0.0
Date=01/01/2030
[WhatsNew]
File=whatsnew.txt
INF
cat > "$root/whatsnew.txt" <<'TXT'
Neu in Version 9.0:
- Dies ist der Demo-Server von scripts/demo-update-server.sh.
TXT

echo "Update-Server auf 127.0.0.1:$port (Benutzer $user), Beenden mit Strg+C" >&2
/usr/bin/python3 "$here/../tests/support/ftpserver.py" --port "$port" --user "$user" \
  --password "$password" --root "$root"
