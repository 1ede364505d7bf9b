#!/bin/sh
# The English catalogue matches the sources: lupdate finds no text in them that is new, gone or
# unfinished in translations/horalto_en.ts, and every Chinese text of the timing page's HTML and
# script is in it. Usage: catalogue_check.sh SOURCE_DIR LUPDATE
set -eu
src=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
ts="$src/translations/horalto_en.ts"
cp "$ts" "$tmp/en.ts"
"$2" -silent -extensions cpp,h -locations none "$src/src" -ts "$tmp/en.ts"
status=0
if grep -n -B3 'type="unfinished"\|type="vanished"\|type="obsolete"' "$tmp/en.ts"; then
  echo "catalogue_check: texts above are not translated or no longer used"; status=1
fi
if ! cmp -s "$ts" "$tmp/en.ts"; then
  diff "$ts" "$tmp/en.ts" || true
  echo "catalogue_check: run lupdate (see README) and translate what it adds"; status=1
fi
page="$src/src/remote/server/page"
{ grep -ohP "'[^']*\p{Han}[^']*'" "$page"/*.js | sed "s/^'//; s/'\$//"
  grep -ohP '>[^<>]*\p{Han}[^<>]*<' "$page"/*.html | sed 's/^>//; s/<$//'; } > "$tmp/page"
while IFS= read -r text; do
  grep -qF "<source>$text</source>" "$ts" || { echo "catalogue_check: the page's \"$text\" is not in RemotePageTexts"; status=1; }
done < "$tmp/page"
[ -s "$tmp/page" ] || { echo "catalogue_check: no texts found in the page"; status=1; }
exit $status
