#!/usr/bin/env bash
# Runs a command beside a throwaway PostgreSQL cluster: initdb into a fresh temporary folder, the
# server listening only on a Unix socket in that folder (no TCP port, so parallel runs on one
# machine never meet), and the cluster stopped and removed when the command ends, whatever its
# outcome. The command finds the server in OBRAZAC_TEST_PG_URI (a superuser connection URI);
# the tests make a database of their own in it.
#
# Without the server programs the command runs alone with a note, and the server tests skip;
# under CI (CI=true) a missing or failing server is a failure, never a skip.
#
#   scripts/with-pg-cluster.sh ctest --output-on-failure -j2
set -euo pipefail

[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARG...]" >&2; exit 2; }
command=("$@")

in_ci() { [ "${CI:-}" = "true" ]; }

find_bindir() {
  if command -v initdb >/dev/null 2>&1 && command -v pg_ctl >/dev/null 2>&1; then
    dirname "$(readlink -f "$(command -v initdb)")"
    return
  fi
  local d
  for d in $(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V -r); do
    [ -x "$d/initdb" ] && [ -x "$d/pg_ctl" ] && { echo "$d"; return; }
  done
}

bindir=$(find_bindir || true)
if [ -z "$bindir" ]; then
  if in_ci; then
    echo "with-pg-cluster: no PostgreSQL server programs (initdb, pg_ctl); CI needs them:" \
         "run scripts/install-deps.sh" >&2
    exit 1
  fi
  echo "with-pg-cluster: no PostgreSQL server installed (packages postgresql, libpq-dev);" \
       "the tests of the server store are skipped" >&2
  exec "${command[@]}"
fi

# The server refuses to run as root: as root the cluster belongs to the postgres system user.
as_owner=()
if [ "$(id -u)" -eq 0 ]; then
  if ! id postgres >/dev/null 2>&1; then
    echo "with-pg-cluster: running as root, but there is no postgres system user" >&2
    in_ci && exit 1
    exec "${command[@]}"
  fi
  as_owner=(runuser -u postgres --)
fi

folder=$(mktemp -d "${TMPDIR:-/tmp}/obrazac-pg.XXXXXX")
started=0
stop_cluster() {
  if [ "$started" = 1 ]; then
    "${as_owner[@]}" "$bindir/pg_ctl" -D "$folder/data" -m immediate -w stop >/dev/null 2>&1 || true
  fi
  rm -rf "$folder"
}
trap stop_cluster EXIT
trap 'exit 130' INT TERM
chmod 0755 "$folder"
[ ${#as_owner[@]} -eq 0 ] || chown postgres: "$folder"

fail_cluster() {
  echo "with-pg-cluster: $1" >&2
  [ -f "$folder/server.log" ] && tail -n 20 "$folder/server.log" >&2
  if in_ci; then exit 1; fi
  echo "with-pg-cluster: the tests of the server store are skipped" >&2
  trap - EXIT
  stop_cluster
  exec "${command[@]}"
}

if ! "${as_owner[@]}" "$bindir/initdb" -D "$folder/data" -U postgres --auth=trust \
       --encoding=UTF8 --locale=C.UTF-8 >"$folder/initdb.log" 2>&1; then
  cat "$folder/initdb.log" >&2
  fail_cluster "initdb failed"
fi
started=1
if ! "${as_owner[@]}" "$bindir/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 60 \
       -o "-c listen_addresses='' -c unix_socket_directories='$folder' -c fsync=off" \
       start >/dev/null; then
  fail_cluster "the server did not start"
fi

export OBRAZAC_TEST_PG_URI="postgresql:///postgres?host=$folder&user=postgres"
echo "with-pg-cluster: PostgreSQL $("$bindir/postgres" -V | awk '{print $3}') on $folder"
set +e
"${command[@]}"
status=$?
set -e
exit $status
