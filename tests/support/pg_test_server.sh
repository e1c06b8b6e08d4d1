#!/usr/bin/env bash
# A throw-away PostgreSQL server for the tests: made in a temporary folder,
# reachable only through a Unix socket in that folder, run as the postgres
# user when the tests run as root.
#   pg_test_server.sh start STATEFILE   writes the server's address to STATEFILE
#   pg_test_server.sh stop STATEFILE    stops the server and removes its folder
#   pg_test_server.sh halt|resume STATEFILE   stops it at once, or starts it again
set -euo pipefail

action=${1:?start or stop}
state=${2:?state file}

as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

bindir=""
for d in $(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V); do bindir=$d; done
if [ -z "$bindir" ] || [ ! -x "$bindir/initdb" ]; then
  echo "pg_test_server: no PostgreSQL server is installed (apt-get install postgresql)" >&2
  exit 1
fi

case "$action" in
start)
  # A server left by an interrupted run is stopped first.
  [ -f "$state" ] && "$0" stop "$state" || true
  dir=$(mktemp -d /tmp/videostore-pgtest.XXXXXX)
  chmod 700 "$dir"
  [ "$(id -u)" -eq 0 ] && chown postgres: "$dir"
  if ! as_owner "$bindir/initdb" -D "$dir/data" -U postgres --auth=trust --encoding=UTF8 --no-locale \
        --no-sync >"$dir/initdb.log" 2>&1; then
    cat "$dir/initdb.log" >&2
    rm -rf "$dir"
    echo "pg_test_server: initdb failed" >&2
    exit 1
  fi
  # Durability is not what these tests are about; speed is.
  if ! as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
        -o "-c listen_addresses='' -k $dir -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c max_connections=400" \
        start >/dev/null; then
    cat "$dir/server.log" >&2 || true
    as_owner "$bindir/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1 || true
    rm -rf "$dir"
    echo "pg_test_server: the server did not start" >&2
    exit 1
  fi
  printf '%s\npostgresql://postgres@/postgres?host=%s\n' "$dir" "$dir" >"$state"
  echo "pg_test_server: running in $dir"
  ;;
halt|resume)
  # Stops the server as a power cut would, or starts it again on its files:
  # for the tests of a server that goes away in the middle of a write.
  dir=$(head -n 1 "$state")
  case "$dir" in /tmp/videostore-pgtest.*) ;; *) echo "pg_test_server: bad state file $state" >&2; exit 1 ;; esac
  if [ "$action" = halt ]; then
    as_owner "$bindir/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null
  else
    as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
      -o "-c listen_addresses='' -k $dir -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c max_connections=400" \
      start >/dev/null
  fi
  ;;
stop)
  [ -f "$state" ] || { echo "pg_test_server: nothing to stop"; exit 0; }
  dir=$(head -n 1 "$state")
  case "$dir" in /tmp/videostore-pgtest.*) ;; *) echo "pg_test_server: bad state file $state" >&2; exit 1 ;; esac
  status=0
  if [ -d "$dir/data" ]; then
    as_owner "$bindir/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null || status=1
  fi
  rm -rf "$dir" "$state"
  echo "pg_test_server: stopped"
  exit $status
  ;;
*) echo "usage: pg_test_server.sh start|stop|halt|resume STATEFILE" >&2; exit 2 ;;
esac
