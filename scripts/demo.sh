#!/usr/bin/env bash
# The sample installation from end to end: a fresh working folder with the sample, each sample
# obligor sent on its own, then all three sent collectively and joined into VELOR.RM0. Prints
# the files produced and their control numbers. The messages and progress texts of the runs are
# kept in FOLDER.log.
#
#   scripts/demo.sh CLI FOLDER
set -euo pipefail

cli=$1
dir=$2
year=2025 month=11 paid=2025-12 sent=15.12.2025

rm -rf "$dir"
"$cli" --dir "$dir" init --demo
log=$dir.log
: >"$log"
trap 'echo "demo: neuspjelo, poruke su u $log" >&2' ERR

# Kinds of obligor: 1 a legal person, 2 a natural person, 3 kind "31" (form numbers from 50).
forms=(1 1 50)

send() {  # obligor, form, further options
  "$cli" --dir "$dir" send --employer "$1" --form "$2" --type 01 --year $year --month $month \
    --from 1 --to 30 --paid $paid --date $sent "${@:3}" 2>>"$log" |
    grep -E '^(Datoteka|Kontrolni broj):'
}

echo
echo "== Pojedinačno slanje"
for n in 1 2 3; do
  echo "-- obveznik $n"
  send "$n" "${forms[$((n - 1))]}"
done

echo
echo "== Zbirno slanje"
send 1 "${forms[0]}" --collective new >/dev/null
send 2 "${forms[1]}" --collective add >/dev/null
send 3 "${forms[2]}" --collective add >/dev/null
"$cli" --dir "$dir" collect --date $sent 2>>"$log"

echo
echo "== Platna lista iz drugog programa: ulaz/PLACE.TXT"
period=(--employer 1 --type 01 --year $year --month $month --from 1 --to 30)
"$cli" --dir "$dir" check-input "$dir/ulaz/PLACE.TXT" "${period[@]}" 2>>"$log"
echo "-- preuzimanje u obrazac 2"
"$cli" --dir "$dir" takeover "$dir/ulaz/PLACE.TXT" "${period[@]}" --form 2 --paid $paid \
  --date $sent 2>>"$log" | grep -E '^(Ukupno|Retci|Datoteka|Kontrolni broj)'

echo
echo "== Datoteke u $dir/izlaz"
for f in "$dir"/izlaz/*; do
  printf '%-14s %5s redaka  %s\n' "$(basename "$f")" "$(grep -c $'\r$' "$f")" \
    "$("$cli" hash "$f")"
done

echo
echo "== Formalna kontrola VELOR.RM0"
"$cli" --dir "$dir" check "$dir/izlaz/VELOR.RM0" 2>>"$log"

echo
echo "== Formalna kontrola F0015002.TXT (iz preuzetih podataka)"
"$cli" --dir "$dir" check "$dir/izlaz/F0015002.TXT" 2>>"$log"
