// Gradations mixed in OKLab by culori: reads a JSON array of {stops: [[r, g, b], ...],
// length: n} on standard input and writes, for each, the n colours at t = i/n
// (i = 0..n-1) as [r, g, b] of 0..255, clamped and rounded, to standard output.
'use strict';

const culori = require('culori');

const toRgb = culori.converter('rgb');
const byte = (x) => Math.round(Math.min(1, Math.max(0, x)) * 255);

let input = '';
process.stdin.setEncoding('utf8');
process.stdin.on('data', (chunk) => { input += chunk; });
process.stdin.on('end', () => {
  const lines = JSON.parse(input).map(({stops, length}) => {
    const mix = culori.interpolate(
        stops.map(([r, g, b]) => ({mode: 'rgb', r: r / 255, g: g / 255, b: b / 255})), 'oklab');
    const colours = [];
    for (let i = 0; i < length; ++i) {
      const c = toRgb(mix(i / length));
      colours.push([byte(c.r), byte(c.g), byte(c.b)]);
    }
    return colours;
  });
  process.stdout.write(JSON.stringify(lines));
});
