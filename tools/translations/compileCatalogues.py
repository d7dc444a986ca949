#!/usr/bin/env python3
"""Compiles the translators' catalogues (po/LANG.po) into a C++ table the program links in, so
that neither the desktop nor the page needs a locale, or a C library's gettext, at run time.

Usage: compileCatalogues.py OUTPUT.cpp [--fonts FOLDER] [LANG.po ...]

With --fonts, every letter of every translation must be in every face in FOLDER (the faces the
program draws with), or the build stops naming it: a pupil never sees a missing-glyph box.
Only finished entries go in (untranslated and fuzzy ones fall back to English; the catalogue
test refuses them anyway). Each language's Plural-Forms expression is C, and becomes its rule."""
import os
import re
import sys

import polib

# A Plural-Forms expression uses n, numbers and C's operators, nothing else.
PLURAL_EXPRESSION = re.compile(r'^[n0-9\s()?:<>=!&|%+*/-]+$')


def c_string(text):
    escaped = text.replace('\\', '\\\\').replace('"', '\\"').replace('\n', '\\n').replace('\t', '\\t')
    return '"' + escaped + '"'


def plural_rule(path, header):
    found = re.search(r'nplurals\s*=\s*(\d+)\s*;\s*plural\s*=\s*([^;]+);?', header or '')
    if not found:
        sys.exit(f'{path}: no Plural-Forms header')
    count, expression = int(found.group(1)), found.group(2).strip()
    if not PLURAL_EXPRESSION.match(expression):
        sys.exit(f'{path}: the plural expression "{expression}" is not one this compiler accepts')
    return count, expression


def compile_language(path, ident):
    catalogue = polib.pofile(path)
    count, expression = plural_rule(path, catalogue.metadata.get('Plural-Forms'))
    lines = [f'int plural_{ident}(unsigned long n) {{ const int form = static_cast<int>({expression}); '
             f'return form >= 0 && form < {count} ? form : 0; }}']
    entries = []
    for entry in catalogue.translated_entries():
        if entry.obsolete or 'fuzzy' in entry.flags:
            continue
        forms = [entry.msgstr_plural[i] for i in sorted(entry.msgstr_plural)] if entry.msgid_plural else [entry.msgstr]
        entries.append((entry.msgid, entry.msgid_plural, forms))
    # Sorted as the program's look-up compares: byte by byte.
    entries.sort(key=lambda e: e[0].encode('utf-8'))
    for number, (_, _, forms) in enumerate(entries):
        lines.append(f'const char* const {ident}_{number}[] = {{{", ".join(c_string(f) for f in forms)}}};')
    lines.append(f'const CatalogueEntry {ident}_entries[] = {{')
    for number, (english, plural, _) in enumerate(entries):
        lines.append(f'    {{{c_string(english)}, {c_string(plural) if plural else "nullptr"}, {ident}_{number}}},')
    lines.append('};')
    return lines


def check_glyphs(path, folder):
    from fontTools.ttLib import TTFont
    faces = {name: set(TTFont(os.path.join(folder, name)).getBestCmap()) for name in sorted(os.listdir(folder)) if name.endswith('.ttf')}
    for entry in polib.pofile(path).translated_entries():
        for text in ([entry.msgstr] if not entry.msgid_plural else entry.msgstr_plural.values()):
            for letter in set(text) - set('\n\t'):
                for name, letters in faces.items():
                    if ord(letter) not in letters:
                        sys.exit(f'{path}: "{letter}" (U+{ord(letter):04X}) in "{text}" is missing from {name}')


def main():
    arguments = sys.argv[2:]
    fonts = None
    if arguments[:1] == ['--fonts']:
        fonts, arguments = arguments[1], arguments[2:]
    output, sources = sys.argv[1], sorted(arguments)
    for path in sources if fonts else []:
        check_glyphs(path, fonts)
    body, table = [], []
    for path in sources:
        code = os.path.splitext(os.path.basename(path))[0]
        ident = re.sub(r'\W', '_', code)
        body += compile_language(path, ident)
        table.append(f'    {{{c_string(code)}, plural_{ident}, {ident}_entries}},')
    text = ['// Made by tools/translations/compileCatalogues.py from po/*.po; edit those, not this.',
            '#include "runtime/language/Translation.h"', '', 'namespace lumenary {', 'namespace {']
    text += body
    text += ['}  // namespace', '']
    if table:
        text += ['const Catalogue compiled[] = {'] + table + ['};', 'std::span<const Catalogue> catalogues() { return compiled; }']
    else:
        text += ['std::span<const Catalogue> catalogues() { return {}; }']
    text += ['', '}  // namespace lumenary', '']
    new = '\n'.join(text)
    # Left alone when nothing changed, so the build does not compile it again.
    if not os.path.exists(output) or open(output, encoding='utf-8').read() != new:
        with open(output, 'w', encoding='utf-8') as out:
            out.write(new)


if __name__ == '__main__':
    main()
