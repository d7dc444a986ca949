#!/usr/bin/env bash
# Extracts the texts marked in the program (tr, trFill, trn, N_), and those of the launcher entry
# and the AppStream metadata, into po/lumenary.pot, the
# translators' template, and merges it into each po/LANG.po. With --check, only says whether the
# committed template is current (the tests run it so).
set -euo pipefail
cd "$(dirname "$0")/../.."
extract() {
  find src -name '*.cpp' -o -name '*.h' | LC_ALL=C sort | xgettext --files-from=- --output="$1" --from-code=UTF-8 \
    --language=C++ --keyword= --keyword=tr --keyword=N_ --keyword=trFill:1 --keyword=trn:1,2 --add-comments=TRANSLATORS: \
    --sort-by-file --package-name=Lumenary --msgid-bugs-address=translations@corbelwick.example --no-wrap
  # The launcher entry and the software centre's description, which the build translates too.
  xgettext --join-existing --output="$1" --from-code=UTF-8 --sort-by-file --no-wrap \
    desktop/example.corbelwick.Lumenary.desktop desktop/example.corbelwick.Lumenary.metainfo.xml
}
if [[ "${1:-}" == "--check" ]]; then
  fresh=$(mktemp)
  trap 'rm -f "$fresh"' EXIT
  extract "$fresh"
  # The creation date is the one line that changes each time.
  if ! diff <(grep -v '^"POT-Creation-Date' po/lumenary.pot) <(grep -v '^"POT-Creation-Date' "$fresh") >/dev/null; then
    echo "po/lumenary.pot is stale: run tools/translations/updateTemplate.sh" >&2
    exit 1
  fi
  exit 0
fi
extract po/lumenary.pot
for catalogue in po/*.po; do
  [[ -e "$catalogue" ]] && msgmerge --quiet --update --backup=none --no-wrap "$catalogue" po/lumenary.pot
done
