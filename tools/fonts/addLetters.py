#!/usr/bin/env python3
"""Gives a face the letters it lacks from a donor face that has them, scaled to its em, so that
every letter a catalogue uses is drawn from one file, the same on the desktop and the page.
Wine's Tahoma lacks Welsh's Ŵ ŵ Ŷ ŷ (U+0174-0177); the Liberation Sans faces have them.

Usage: addLetters.py FACE DONOR OUTPUT FIRST-LAST (code points in hex, e.g. 0174-0177)"""
import sys

from fontTools.pens.recordingPen import DecomposingRecordingPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont


def main():
    face_path, donor_path, output, span = sys.argv[1:5]
    first, last = (int(end, 16) for end in span.split('-'))
    face, donor = TTFont(face_path), TTFont(donor_path)
    scale = face['head'].unitsPerEm / donor['head'].unitsPerEm
    have, donor_cmap, donor_glyphs = face.getBestCmap(), donor.getBestCmap(), donor.getGlyphSet()
    order = face.getGlyphOrder()
    for code in range(first, last + 1):
        if code in have:
            continue
        if code not in donor_cmap:
            sys.exit(f'{donor_path} lacks U+{code:04X} too')
        name, given = f'uni{code:04X}', donor_cmap[code]
        # The donor's letter is a base and an accent: drawn out whole, at this face's em.
        outline = DecomposingRecordingPen(donor_glyphs)
        donor_glyphs[given].draw(outline)
        pen = TTGlyphPen(None)
        outline.replay(TransformPen(pen, (scale, 0, 0, scale, 0, 0)))
        glyph = pen.glyph()
        order.append(name)
        face['glyf'].glyphOrder = order
        face['glyf'][name] = glyph
        glyph.recalcBounds(face['glyf'])
        face['hmtx'][name] = (round(donor['hmtx'][given][0] * scale), getattr(glyph, 'xMin', 0))
        for table in face['cmap'].tables:
            if table.isUnicode():
                table.cmap[code] = name
    face.setGlyphOrder(order)
    # Tables that hold a row for every glyph and that the rasterisers can do without.
    for tag in ('hdmx', 'LTSH', 'VDMX'):
        if tag in face:
            del face[tag]
    face.save(output)


if __name__ == '__main__':
    main()
