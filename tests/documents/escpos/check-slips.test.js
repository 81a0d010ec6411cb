// The slip checker against streams whose faults are known: it must pass
// whole slips of either printer and name each stray, truncated or
// mis-sized command. Run with node; npos comes from
// BREVALON_ESCPOS_DIR as for the check itself.
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const { loadNpos, checkStream } = require('./check-slips.js');

let npos;
try {
  npos = loadNpos(process.env.BREVALON_ESCPOS_DIR);
} catch (e) {
  console.log(`SKIPPED: the checker cannot be tested: ${e.message}`);
  process.exit(77);
}

const ESC = 0x1b;
const GS = 0x1d;
const FS = 0x1c;
const bytes = (...parts) => Buffer.concat(parts.map((p) => (typeof p === 'string' ? Buffer.from(p, 'latin1') : Buffer.from(p))));
// One band of a bit image: m, the columns it declares, and its data.
const band = (m, columns, data) => [ESC, 0x2a, m, columns % 256, Math.floor(columns / 256), ...data];

const slip40Init = [];
const slipInit = [27, 120, 48, 27, 67, 33, 27, 106, 216, 27, 106, 216, 26, 106, 85];

function check(family, raw) {
  return checkStream(npos, raw, family);
}

function assertClean(family, raw) {
  const r = check(family, raw);
  assert.deepStrictEqual(r.faults, []);
  return r;
}

function assertFault(family, raw, words, offset) {
  const r = check(family, raw);
  assert.strictEqual(r.faults.length, 1, `one fault expected, got: ${JSON.stringify(r.faults)}`);
  assert.match(r.faults[0], words);
  if (offset !== undefined)
    assert.match(r.faults[0], new RegExp(`^byte ${offset}:`));
}

test('whole slips of either printer pass', () => {
  const forty = assertClean('slip40', bytes(slip40Init, [ESC, 0x47, 33], 'Harbour', [ESC, 0x47, 32], '\r\n',
    [ESC, 0x68, 1, 0x0e], 'RECEIPT', [ESC, 0x68, 48, 0x14], '\r\n', [FS, 0x70, 1, 48], 'Caf\xe9 14.00\r\n',
    [ESC, 0x70, 48, 55, 121], [GS, 0x56, 66, 6]));
  assert.deepStrictEqual(forty.names, { 'ESC G': 2, CR: 3, LF: 3, 'ESC h': 2, SO: 1, DC4: 1, 'FS p': 1, 'ESC p': 1, 'GS V': 1 });
  const wide = assertClean('slip', bytes(slipInit, '\r\n', [ESC, 0x45], 'Harbour', [ESC, 0x46], '\r\n',
    [ESC, 0x77, 1, 0x0e], 'RECEIPT', [ESC, 0x77, 48, 0x14], [ESC, 0x34], 'x', [ESC, 0x35], [ESC, 0x43, 0, 5], [0x0c]));
  assert.strictEqual(wide.names['ESC E'], 1);
  assert.strictEqual(wide.names.FF, 1);
});

test('a bit image is one command with exactly its data', () => {
  const data = [0, 255, 0, 255, 0, 255];
  for (const family of ['slip', 'slip40']) {
    const r = assertClean(family, bytes('\n\n   ', band(33, 2, data), [ESC, 0x4a, 3], '\n  SnapScan\n'));
    assert.strictEqual(r.bitImages, 1);
  }
  assertClean('slip', bytes(band(1, 3, [255, 0, 255]), '\r\n')); // 8-dot density on the dot-matrix printer
});

test('faults in bit images are found', () => {
  const data = [0, 255, 0, 255, 0, 255];
  assertFault('slip40', bytes(band(33, 2, [...data, 255, 255, 255]), [ESC, 0x4a, 3]), /text glued to the end of a bit image/, 11);
  assertFault('slip40', bytes(band(33, 2, [...data, 0, 0, 0]), [ESC, 0x4a, 3]), /3 stray zero byte\(s\) after ESC \*/, 11);
  assertFault('slip', bytes(band(33, 2, data.slice(0, 4))), /ESC \* cut short: it needs 11 bytes, the stream ends after 9/, 0);
  assertFault('slip40', bytes(band(34, 2, data), [ESC, 0x4a, 3]), /m=34, a density this printer does not have/, 0);
  assertFault('slip40', bytes('x', [ESC, 0x2a, 33]), /ESC \* cut short before its m nL nH/, 1);
});

test('stray and truncated bytes are found', () => {
  assertFault('slip40', bytes('Total', [0x01], '12.00\r\n'), /stray byte 0x01/, 5);
  assertFault('slip', bytes('Total', [0x19], '12.00\r\n'), /stray byte 0x19/, 5);
  assertFault('slip40', bytes([ESC, 0x47, 33, 0], 'x'), /1 stray zero byte\(s\) after ESC G/, 3);
  assertFault('slip40', bytes('x\r\n', [GS, 0x56, 66]), /GS V cut short/, 3);
  assertFault('slip40', bytes('x', [ESC, 0x70, 48, 55]), /ESC p cut short/, 1);
  assertFault('slip', bytes('x', [ESC]), /the parser stopped/, 1);
});

test('each printer is held to its own command set', () => {
  // ESC h is a 40-column command, unknown to the ESC/P printer.
  assertClean('slip40', bytes([ESC, 0x68, 1], 'x'));
  assertFault('slip', bytes([ESC, 0x68, 1], 'x'), /the parser stopped: Can not parse commands - \[ESC h\]/, 0);
  // The 40-column cut reaches the dot-matrix printer as stray bytes.
  const r = check('slip', bytes('x\r\n', [GS, 0x56, 66, 6]));
  assert.match(r.faults[0], /byte 3: stray byte 0x1d/);
  assert.match(r.faults[1], /byte 6: stray byte 0x06/);
  // A cut ESC/POS does not have.
  assertFault('slip40', bytes([GS, 0x56, 2]), /m=2, a cut this printer does not have/, 0);
});
