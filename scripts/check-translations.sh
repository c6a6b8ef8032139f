#!/usr/bin/env bash
# The English catalogue holds every text of the sources, each translated,
# none with a Russian letter: run lupdate on a copy and look at what it found.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$root/src/translations/korvanel_en.ts" "$work/korvanel_en.ts"
"$lupdate" -silent -recursive "$root/src/ui" "$root/src/app" -I "$root/src" -extensions cpp,h \
  -source-language ru_RU -locations none -no-ui-lines -no-obsolete -ts "$work/korvanel_en.ts"
python3 - "$work/korvanel_en.ts" <<'PY'
import re, sys, xml.etree.ElementTree as ET
bad = []
for context in ET.parse(sys.argv[1]).getroot().iter('context'):
    name = context.findtext('name')
    for message in context.iter('message'):
        source = message.findtext('source') or ''
        t = message.find('translation')
        text = t.text or ''
        if t.get('type') == 'unfinished' or not text:
            bad.append(f'not translated: {name}: {source!r}')
        elif re.search('[\u0400-\u04FF]', text):
            bad.append(f'Russian in the English: {name}: {text!r}')
        elif sorted(re.findall(r'%\d', source)) != sorted(re.findall(r'%\d', text)):
            bad.append(f'placeholders differ: {name}: {source!r} -> {text!r}')
print('\n'.join(bad) if bad else 'every text has its English')
sys.exit(1 if bad else 0)
PY
