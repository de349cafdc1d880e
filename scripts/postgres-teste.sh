#!/usr/bin/env bash
# A throw-away PostgreSQL server for the tests, on loopback only.
#   scripts/postgres-teste.sh start FOLDER   creates a cluster in FOLDER (which must not exist), starts it
#                                            on 127.0.0.1 on a free port with its socket in FOLDER,
#                                            and prints the connection settings as shell lines:
#                                            ORVANE_PG_HOST=... ORVANE_PG_PORT=... ORVANE_PG_USER=...
#                                            (also written to FOLDER/ambiente)
#   scripts/postgres-teste.sh stop FOLDER    stops that server and removes FOLDER
# The server runs as the postgres user when run by root (PostgreSQL refuses root), else as the
# caller. Trust authentication, loopback and the private socket only: nothing outside this
# machine can reach it.
set -euo pipefail

acao=${1:?start or stop}
pasta=${2:?folder}
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -x "$bin/initdb" ] || { echo "postgres-teste.sh: PostgreSQL is not installed" >&2; exit 1; }

como() {
  if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

case "$acao" in
  start)
    mkdir "$pasta"  # never a folder or link someone planted at that name
    [ "$(id -u)" = 0 ] && chown postgres: "$pasta"
    chmod 700 "$pasta"
    usuario=$( [ "$(id -u)" = 0 ] && echo postgres || id -un )
    como "$bin/initdb" -D "$pasta/dados" -U "$usuario" -A trust -E UTF8 --locale=C >"$pasta/initdb.log"
    # A free port: the kernel picks one, then the server takes it (a retry covers a race).
    for tentativa in 1 2 3 4 5; do
      porta=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
      if como "$bin/pg_ctl" -D "$pasta/dados" -l "$pasta/servidor.log" -w -t 60 start \
           -o "-h 127.0.0.1 -p $porta -k $pasta -c fsync=off" >/dev/null; then
        printf 'ORVANE_PG_HOST=127.0.0.1\nORVANE_PG_PORT=%s\nORVANE_PG_USER=%s\nORVANE_PG_SOCKET=%s\n' \
          "$porta" "$usuario" "$pasta" | tee "$pasta/ambiente"
        exit 0
      fi
    done
    echo "postgres-teste.sh: the server did not start (see $pasta/servidor.log)" >&2
    exit 1 ;;
  stop)
    if [ -d "$pasta/dados" ]; then
      como "$bin/pg_ctl" -D "$pasta/dados" -m immediate -w stop >/dev/null || true
    fi
    rm -rf "$pasta" ;;
  *) echo "postgres-teste.sh: start or stop" >&2; exit 2 ;;
esac
