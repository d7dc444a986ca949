#!/usr/bin/env bash
# Every catalogue is complete and well formed, and the template is what the code marks today.
set -uo pipefail
cd "$(dirname "$0")/../.."
status=0
bash tools/translations/updateTemplate.sh --check || status=1
catalogues=(po/*.po)
for catalogue in "${catalogues[@]}"; do
  if ! said=$(msgfmt --check --statistics -o /dev/null "$catalogue" 2>&1); then
    echo "$catalogue: $said"; status=1
  elif [[ "$said" == *untranslated* || "$said" == *fuzzy* ]]; then
    echo "$catalogue is unfinished: $said"; status=1
  fi
  # Every text of the template is in the catalogue, none left over from an older one.
  msgcmp --use-untranslated "$catalogue" po/lumenary.pot || status=1
  if grep -q '^#~' "$catalogue"; then echo "$catalogue keeps obsolete entries"; status=1; fi
done
exit $status
