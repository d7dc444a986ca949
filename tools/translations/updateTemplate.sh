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
  # The texts themselves, not the header or the line numbers, which differ between versions of gettext.
  /usr/bin/python3 - "$fresh" po/lumenary.pot <<'PYTHON'
import sys
import polib
texts = lambda path: {(entry.msgctxt, entry.msgid, entry.msgid_plural) for entry in polib.pofile(path)}
marked, template = texts(sys.argv[1]), texts(sys.argv[2])
for text in sorted(marked - template, key=str):
    print('po/lumenary.pot is stale: it lacks', repr(text[1]), file=sys.stderr)
for text in sorted(template - marked, key=str):
    print('po/lumenary.pot is stale: the code no longer marks', repr(text[1]), file=sys.stderr)
sys.exit(marked != template)
PYTHON
  exit
fi
extract po/lumenary.pot
for catalogue in po/*.po; do
  [[ -e "$catalogue" ]] && msgmerge --quiet --update --backup=none --no-wrap "$catalogue" po/lumenary.pot
done
