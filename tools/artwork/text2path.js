#!/usr/bin/env node
// Prints the outline of a line of text as SVG path data, so that an SVG in
// resources/art/ can carry its lettering as plain shapes and render the same
// on every machine without the font being installed.
//
// Only needed when the lettering itself changes (render.sh does not use it).
// Needs the npm package opentype.js, e.g.:
//   npm install --prefix /tmp/otjs opentype.js@1
//   NODE_PATH=/tmp/otjs/node_modules node tools/artwork/text2path.js \
//     /usr/share/fonts/truetype/dejavu/DejaVuSerif-BoldItalic.ttf 20 0 0 "Ravla Namaz Vakti"
// Arguments: font file, font size in px, x and y of the baseline start, text.
'use strict';
const opentype = require('opentype.js');

const [fontFile, size, x, y, ...words] = process.argv.slice(2);
if (!fontFile || !size || x === undefined || y === undefined || words.length === 0) {
  console.error('usage: text2path.js FONT.ttf SIZE X Y TEXT');
  process.exit(2);
}
const buf = require('fs').readFileSync(fontFile);
const font = opentype.parse(buf.buffer.slice(buf.byteOffset, buf.byteOffset + buf.byteLength));
// glyph by glyph (plain character map plus pair kerning, no other shaping)
const text = words.join(' ');
const scale = Number(size) / font.unitsPerEm;
const path = new opentype.Path();
let pen = Number(x);
let prev = null;
for (const ch of text) {
  const glyph = font.charToGlyph(ch);
  if (prev) pen += font.getKerningValue(prev, glyph) * scale;
  path.extend(glyph.getPath(pen, Number(y), Number(size)));
  pen += glyph.advanceWidth * scale;
  prev = glyph;
}
const box = path.getBoundingBox();
console.error(`bounding box: x ${box.x1.toFixed(2)}..${box.x2.toFixed(2)}  y ${box.y1.toFixed(2)}..${box.y2.toFixed(2)}`);
process.stdout.write(path.toPathData(2) + '\n');
