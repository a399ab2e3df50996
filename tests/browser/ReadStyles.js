// Reads back, from every frame of the page, how the browser styles each character of
// the fragment (the element #fragment) and the first character of the paragraph after
// it (#after). The result goes into #result as base64 of UTF-8 JSON, so that the
// dumped page carries it unchanged.
'use strict';

function styleAt(win, textNode, offset, length, stop) {
  const doc = win.document;
  const element = textNode.parentElement;
  const style = win.getComputedStyle(element);
  const lines = new Set();
  let position = 'baseline';
  for (let e = element; e && e !== doc.documentElement; e = e.parentElement) {
    const s = win.getComputedStyle(e);
    for (const line of s.textDecorationLine.split(' ')) {
      if (line !== 'none') lines.add(line);
    }
    if (position === 'baseline' && (s.verticalAlign === 'super' || s.verticalAlign === 'sub')) {
      position = s.verticalAlign;
    }
    if (e === stop) break;
  }
  let background = null;
  let behind = false;
  for (let e = element; e; e = e.parentElement) {
    const colour = win.getComputedStyle(e).backgroundColor;
    if (colour !== 'rgba(0, 0, 0, 0)' && colour !== 'transparent') {
      background = colour;
      const range = doc.createRange();
      range.setStart(textNode, offset);
      range.setEnd(textNode, offset + length);
      const c = range.getBoundingClientRect();
      const b = e.getBoundingClientRect();
      behind = c.left >= b.left - 0.5 && c.right <= b.right + 0.5 && c.top >= b.top - 0.5 &&
               c.bottom <= b.bottom + 0.5;
      break;
    }
  }
  return {
    text: textNode.data.substr(offset, length),
    colour: style.color,
    size: parseFloat(style.fontSize),
    weight: style.fontWeight,
    italic: style.fontStyle === 'italic',
    family: style.fontFamily,
    lines: [...lines].sort(),
    position: position,
    background: background,
    behind: behind,
  };
}

// Every character that is not white space, in order.
function charactersOf(win, root) {
  const walker = win.document.createTreeWalker(root, NodeFilter.SHOW_TEXT);
  const out = [];
  for (let node = walker.nextNode(); node; node = walker.nextNode()) {
    let offset = 0;
    for (const ch of node.data) {
      if (!/\s/.test(ch)) out.push(styleAt(win, node, offset, ch.length, root));
      offset += ch.length;
    }
  }
  return out;
}

window.addEventListener('load', () => {
  const frames = [];
  for (const frame of document.querySelectorAll('iframe')) {
    const win = frame.contentWindow;
    const doc = win.document;
    frames.push({
      id: frame.id,
      characters: charactersOf(win, doc.getElementById('fragment')),
      after: charactersOf(win, doc.getElementById('after'))[0] || null,
    });
  }
  const bytes = new TextEncoder().encode(JSON.stringify(frames));
  let binary = '';
  for (let k = 0; k < bytes.length; k += 4096) {
    binary += String.fromCharCode(...bytes.subarray(k, k + 4096));
  }
  document.getElementById('result').textContent = btoa(binary);
});
