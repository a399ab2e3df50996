// Renders BBCode as a forum would: reads a JSON array of BBCode texts on standard
// input and writes the JSON array of their HTML, in the same order, to standard output.
'use strict';

const html = require('@bbob/html');
const presetHtml5 = require('@bbob/preset-html5');

const render = html.default || html.render;
const preset = presetHtml5.default || presetHtml5;

let input = '';
process.stdin.setEncoding('utf8');
process.stdin.on('data', (chunk) => { input += chunk; });
process.stdin.on('end', () => {
  const texts = JSON.parse(input);
  process.stdout.write(JSON.stringify(texts.map((text) => render(text, preset()))));
});
