#!/usr/bin/env bash
# A throwaway PostgreSQL server for the tests and the bench: its data and
# its Unix socket in DIR, no TCP port, user "postgres" trusted on the
# socket, an empty database "tidewell".
#   start DIR   a new server (a server left in DIR by an earlier run is stopped first)
#   pause DIR   stops the server and keeps its data; resume DIR starts it again
#   stop DIR    stops the server and removes DIR
# PostgreSQL refuses to run as root: as root the server runs as the system
# user "postgres" that Debian's package creates, in a folder it owns.
set -euo pipefail
action=${1:-}
dir=${2:-}
if [ -z "$action" ] || [ -z "$dir" ]; then
    echo "usage: $0 start|pause|resume|stop DIR" >&2
    exit 2
fi
bin=""
for candidate in /usr/lib/postgresql/*/bin; do
    [ -x "$candidate/initdb" ] && bin=$candidate
done
if [ -z "$bin" ]; then
    echo "no PostgreSQL server found in /usr/lib/postgresql: install the Debian package" \
         "postgresql (./scripts/dev.sh does)" >&2
    exit 1
fi
as_owner=()
if [ "$(id -u)" -eq 0 ]; then
    as_owner=(runuser -u postgres --)
fi

server_ctl() {
    "${as_owner[@]}" "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" "$@"
}

case "$action" in
start)
    if [ -f "$dir/data/postmaster.pid" ]; then
        server_ctl -m immediate stop >/dev/null 2>&1 || true
    fi
    rm -rf "$dir"
    mkdir -p "$dir"
    chmod 700 "$dir"
    [ "$(id -u)" -eq 0 ] && chown postgres:postgres "$dir"
    "${as_owner[@]}" "$bin/initdb" -D "$dir/data" -U postgres --auth=trust -E UTF8 \
        --no-locale >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; exit 1; }
    server_ctl -w -o "-c listen_addresses='' -k $dir" start >/dev/null ||
        { cat "$dir/server.log" >&2; exit 1; }
    "${as_owner[@]}" "$bin/createdb" -h "$dir" -U postgres tidewell
    echo "PostgreSQL running, socket in $dir"
    ;;
pause)
    server_ctl -m fast -w stop >/dev/null
    ;;
resume)
    server_ctl -w -o "-c listen_addresses='' -k $dir" start >/dev/null ||
        { cat "$dir/server.log" >&2; exit 1; }
    ;;
stop)
    if [ -f "$dir/data/postmaster.pid" ]; then
        server_ctl -m fast -w stop >/dev/null || server_ctl -m immediate stop >/dev/null || true
    fi
    rm -rf "$dir"
    ;;
*)
    echo "usage: $0 start|pause|resume|stop DIR" >&2
    exit 2
    ;;
esac
