#!/usr/bin/env bash
# Checks that every local link and picture of the manual's pages exists, and that every
# page carries the table of contents: manual-links-test.sh MANUAL_FOLDER
set -euo pipefail
manual=$1
[[ -f $manual/index.htm ]] || { echo "no index.htm in $manual"; exit 1; }
failed=0
pages=0
for page in "$manual"/*.htm "$manual"/*/*.htm; do
  [[ -f $page ]] || continue
  pages=$((pages + 1))
  grep -q '<nav>' "$page" || { echo "$page: no table of contents"; failed=1; }
  while read -r target; do
    case $target in
      http:* | https:* | mailto:* | "#"*) continue ;;
    esac
    file=${target%%#*}
    [[ -e $(dirname "$page")/$file ]] || { echo "$page: missing $target"; failed=1; }
  done < <(grep -o -E '(href|src)="[^"]*"' "$page" | sed -E 's/^(href|src)="(.*)"$/\2/')
done
((pages > 1)) || { echo "the manual has no pages"; exit 1; }
((failed == 0)) && echo "$pages pages checked"
exit $failed
