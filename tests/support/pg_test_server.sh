#!/usr/bin/env bash
# A throw-away PostgreSQL server for the tests: made in a temporary folder,
# reachable only through a Unix socket in that folder, run as the postgres
# user when the tests run as root.
#   pg_test_server.sh start STATEFILE   writes the server's address to STATEFILE
#   pg_test_server.sh stop STATEFILE    stops the server and removes its folder
#   pg_test_server.sh halt|resume STATEFILE   stops it at once, or starts it again
#   pg_test_server.sh restart STATEFILE   restarts it as a manager would (pg_ctl restart -m fast)
#   pg_test_server.sh freeze|thaw STATEFILE   stops every process of it with SIGSTOP, or lets them go on
# PG_TEST_SERVER_OPTIONS, when set at start, adds server settings (-c name=value ...).
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
  options="-c listen_addresses='' -k $dir -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c max_connections=400 ${PG_TEST_SERVER_OPTIONS:-}"
  if ! as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 -o "$options" start >/dev/null; then
    cat "$dir/server.log" >&2 || true
    as_owner "$bindir/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1 || true
    rm -rf "$dir"
    echo "pg_test_server: the server did not start" >&2
    exit 1
  fi
  printf '%s\npostgresql://postgres@/postgres?host=%s\n%s\n' "$dir" "$dir" "$options" >"$state"
  echo "pg_test_server: running in $dir"
  ;;
halt|resume|restart|freeze|thaw)
  # Stops the server as a power cut would, or starts it again on its files:
  # for the tests of a server that goes away in the middle of a write.
  dir=$(head -n 1 "$state")
  options=$(sed -n 3p "$state")
  case "$dir" in /tmp/videostore-pgtest.*) ;; *) echo "pg_test_server: bad state file $state" >&2; exit 1 ;; esac
  case "$action" in
  halt) as_owner "$bindir/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null ;;
  resume) as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 -o "$options" start >/dev/null ;;
  restart) as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -m fast -w -t 60 -o "$options" restart >/dev/null ;;
  freeze|thaw)
    # The postmaster first, so that it starts no new process meanwhile.
    main=$(head -n 1 "$dir/data/postmaster.pid")
    signal=STOP
    [ "$action" = thaw ] && signal=CONT
    kill -s "$signal" "$main"
    for child in $(ps -o pid= --ppid "$main"); do kill -s "$signal" "$child" 2>/dev/null || true; done
    ;;
  esac
  ;;
stop)
  [ -f "$state" ] || { echo "pg_test_server: nothing to stop"; exit 0; }
  dir=$(head -n 1 "$state")
  case "$dir" in /tmp/videostore-pgtest.*) ;; *) echo "pg_test_server: bad state file $state" >&2; exit 1 ;; esac
  status=0
  # A server stopped with SIGSTOP is let go first, or it could not stop.
  if [ -f "$dir/data/postmaster.pid" ]; then
    main=$(head -n 1 "$dir/data/postmaster.pid")
    kill -s CONT "$main" $(ps -o pid= --ppid "$main" 2>/dev/null) 2>/dev/null || true
  fi
  if [ -d "$dir/data" ]; then
    as_owner "$bindir/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null || status=1
  fi
  rm -rf "$dir" "$state"
  echo "pg_test_server: stopped"
  exit $status
  ;;
*) echo "usage: pg_test_server.sh start|stop|halt|resume|restart|freeze|thaw STATEFILE" >&2; exit 2 ;;
esac
