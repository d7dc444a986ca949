#!/usr/bin/env python3
"""A translator's quick guide to fit: for each translated text that some screen shows, the
width its words need in the screen's font against the width its box has, measured from the
font files with fontTools. The program's own measure is the fit test's (the binding tests'),
which a catalogue must pass; this guide only helps before a build.

Usage: fitGuide.py po/LANG.po [--all]   (from the checkout; reads the layout records)"""
import glob
import re
import sys

import polib
from fontTools.ttLib import TTFont

FACES = {('Tahoma', False): '/usr/share/wine/fonts/tahoma.ttf', ('Tahoma', True): '/usr/share/wine/fonts/tahomabd.ttf'}
for folder in ('/usr/share/fonts/truetype/liberation2', '/usr/share/fonts/truetype/liberation'):
    for family, stem in (('Times New Roman', 'LiberationSerif'), ('Arial', 'LiberationSans')):
        for bold in (False, True):
            path = f'{folder}/{stem}-{"Bold" if bold else "Regular"}.ttf'
            if glob.glob(path):
                FACES.setdefault((family, bold), path)
LOADED = {}
RECORD = re.compile(r'^(\w+)\((-?\d+)\) at \S+ size (\d+)x(\d+) .*?(label|button) "((?:[^"\\]|\\.)*)" (.+?) ([\d.]+)( bold)?')


def width(face, px, text):
    font = LOADED.setdefault(face, TTFont(face))
    cmap, metrics, units = font.getBestCmap(), font['hmtx'].metrics, font['head'].unitsPerEm
    return sum(metrics[cmap.get(ord(c), '.notdef')][0] for c in text) * px / units


def lines_needed(face, px, text, room):
    lines, line = 1, ''
    for word in text.split(' '):
        trial = (line + ' ' + word) if line else word
        if width(face, px, trial) <= room or not line:
            line = trial
        else:
            lines, line = lines + 1, word
    return lines


def boxes():
    """Each English caption the layout records show, with the boxes it is shown in."""
    found = {}
    for record in glob.glob('tests/model/layouts/*.txt'):
        for line in open(record, encoding='utf-8'):
            m = RECORD.match(line)
            if m and m.group(6):
                found.setdefault(m.group(6), set()).add((m.group(7), float(m.group(8)), bool(m.group(9)),
                                                         int(m.group(3)) // 15, int(m.group(4)) // 15, m.group(5)))
    return found


def main():
    catalogue = polib.pofile(sys.argv[1])
    shown = boxes()
    for entry in catalogue:
        text = entry.msgstr or (entry.msgstr_plural or {}).get(0, '')
        for family, points, bold, box_width, box_height, kind in sorted(shown.get(entry.msgid, ())):
            face = FACES[(family, bold)]
            px = points * 4 / 3
            room = box_width - 2  # its border
            font = LOADED.setdefault(face, TTFont(face))
            line_height = (font['hhea'].ascent - font['hhea'].descent) * px / font['head'].unitsPerEm
            lines = lines_needed(face, px, text, room)
            allowed = max(1, int(box_height // line_height)) if kind == 'label' else 1
            verdict = 'ok' if lines <= allowed and max(width(face, px, w) for w in text.split(' ')) <= room else 'TOO LONG'
            if verdict != 'ok' or '--all' in sys.argv:
                print(f'{verdict:8} {entry.msgid!r} -> {text!r}: {lines} line(s) of {allowed} in {box_width}px '
                      f'({family} {points}{" bold" if bold else ""}), one line is {width(face, px, text):.0f}px')


if __name__ == '__main__':
    main()
