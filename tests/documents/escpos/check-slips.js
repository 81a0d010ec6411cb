#!/usr/bin/env node
// Reads slip byte streams with an independent parser, npos's ESC/POS parser,
// and fails unless the commands and text runs it finds cover every byte
// exactly: no command cut short by the end of the stream, no byte that is
// no command of the printer and no character to print.
//
//   node check-slips.js PATH...      PATH: a slip file or a folder of them
//
// A file's name says which printer it was made for: ".slip" a printer of the
// default width, ".slip40" a 40-column printer. npos is loaded from the
// folder named by BREVALON_ESCPOS_DIR, where scripts/test.sh installs it
// with npm; when it is not there the check is skipped (exit 77) with the
// reason, never passed.
'use strict';

const fs = require('fs');
const path = require('path');
const { createRequire } = require('module');

const NPOS_VERSION = '0.1.19';
const SKIPPED = 77;

/** A fault the checker found in a stream, at a byte offset. */
class SlipFault extends Error {
  constructor(offset, message) {
    super(message);
    this.offset = offset;
  }
}

function hex(byte) {
  return '0x' + byte.toString(16).padStart(2, '0');
}

function around(raw, offset) {
  const from = Math.max(0, offset - 4);
  const bytes = Array.from(raw.subarray(from, Math.min(raw.length, offset + 8)), (b) => b.toString(16).padStart(2, '0'));
  return `[${from}: ${bytes.join(' ')}]`;
}

/**
 * Loads npos from @p installDir (the folder holding its node_modules).
 * Throws with the reason when it is not installed there.
 */
function loadNpos(installDir) {
  if (!installDir)
    throw new Error('BREVALON_ESCPOS_DIR does not name the folder where npos is installed');
  const want = path.join(installDir, 'node_modules', 'npos', 'package.json');
  if (!fs.existsSync(want))
    throw new Error(`npos is not installed in ${installDir}`);
  const req = createRequire(path.resolve(installDir, 'package.json'));
  const version = req('npos/package.json').version;
  return {
    version,
    Parser: req('npos/lib/parser'),
    rules: req('npos/lib/parser/rules'),
    splitters: req('npos/lib/parser/splitters'),
    ruler: req('npos/lib/parser/ruler'),
  };
}

// ---- the printers' command sets --------------------------------------------
//
// npos's parser walks the stream with a table: for each introducing byte
// (ESC, GS, FS, DLE) the commands that follow it and their parameters, given
// as a count or as a function of the bytes that reads the length. Bytes that
// introduce nothing are text to it. The tables below are npos's ESC/POS
// table for the 40-column printers and an Epson ESC/P table for the
// printers of the default width, each with the one-byte controls of that
// printer entered as commands of their own, so that any other control byte
// inside a text run can be reported as stray.

/** The bit-image command ESC * m nL nH d1...dk: k = (nL + 256 nH) columns
 *  times the bytes per column of density m; a density the printer does not
 *  have is a fault, not something to guess the length of. */
function bitImageData(bytesPerColumn) {
  return function bitImage(buf, offset) {
    if (buf.length - offset < 3)
      throw new SlipFault(offset - 2, 'ESC * cut short before its m nL nH');
    const m = buf[offset];
    const perColumn = bytesPerColumn[m];
    if (!perColumn)
      throw new SlipFault(offset - 2, `ESC * with m=${m}, a density this printer does not have`);
    return 3 + (buf[offset + 1] + 256 * buf[offset + 2]) * perColumn;
  };
}

/** npos's length readers give back "the rest of the stream" when the bytes
 *  holding the length are missing, which would make a command cut short by
 *  the end of the stream look whole. This one refuses instead. */
function needing(header, splitter, name) {
  return function guarded(buf, offset) {
    if (buf.length - offset < header)
      throw new SlipFault(offset, `${name} cut short: the stream ends inside its parameters`);
    return splitter(buf, offset);
  };
}

const NPOS_HEADERS = { d16: 2, data16: 2, d: 2, d32: 4, data32: 4, ycc: 3, xy: 2, gsk: 3, fsq: 5, gsv0: 4, escd: 1 };

function normalizedWithFunctions(npos, table) {
  const rules = npos.ruler.normalize(table);
  for (const code of Object.keys(rules)) {
    const group = rules[code];
    if (typeof group !== 'object' || group === null)
      continue;
    for (const key of Object.keys(group)) {
      group[key] = group[key].map((s) => {
        if (typeof s !== 'string')
          return s;
        return needing(NPOS_HEADERS[s] || 1, npos.splitters[s], s);
      });
    }
  }
  return rules;
}

/** The 40-column printers: ESC/POS as npos knows it, with these changes:
 *  - ESC h n, SO and DC4: the double-size codes of these printers (DOUBLE
 *    "27,104,1,14", DOUBLEOFF "27,104,48,20"): double height selected or
 *    cancelled by ESC h with one parameter, double width by SO and DC4.
 *    They are outside Epson's ESC/POS (npos stops at ESC h as unknown) but
 *    part of the command set these printers document.
 *  - ESC * takes only the densities ESC/POS has (m 0, 1: one byte per
 *    column; 32, 33: three); npos would take any m above 1 as three.
 *  - GS V m [n]: function A (m 0, 1, 48, 49) has no n; B, C and D (65, 66,
 *    97, 98, 103, 104) have one; npos takes an unknown m as having one.
 *  - HT, LF, FF, CR, CAN: the one-byte controls of ESC/POS, entered as
 *    commands (npos files them under text). */
function escposRules(npos) {
  const rules = normalizedWithFunctions(npos, npos.rules);
  const ESC = rules[0x1b];
  const GS = rules[0x1d];
  ESC.h = [1];
  ESC['*'] = [bitImageData({ 0: 1, 1: 1, 32: 3, 33: 3 })];
  GS.V = [function cut(buf, offset) {
    if (offset >= buf.length)
      throw new SlipFault(offset - 2, 'GS V cut short before its m');
    const m = buf[offset];
    if ([0, 1, 48, 49].includes(m))
      return 1;
    if ([65, 66, 97, 98, 103, 104].includes(m))
      return 2;
    throw new SlipFault(offset - 2, `GS V with m=${m}, a cut this printer does not have`);
  }];
  for (const control of [0x09, 0x0a, 0x0c, 0x0d, 0x18, 0x0e, 0x14])
    rules[control] = 0;
  return rules;
}

/** The printers of the default width: dot-matrix slip printers that speak
 *  Epson's ESC/P, whose ESC commands differ from ESC/POS in their
 *  parameters (ESC E and ESC F take none, ESC 4 and ESC 5 are italics),
 *  so npos's ESC/POS table cannot serve. This is the ESC/P set a slip
 *  template can reach: printing modes, line and page layout, paper motion
 *  and bit images. FS, GS and DLE introduce nothing here: such a byte in a
 *  default-width slip is stray.
 *  - ESC p m t1 t2: the drawer pulse. Office ESC/P printers have ESC p n
 *    (proportional spacing) there; a slip printer drives the cash drawer,
 *    and the shop's KICK code for it ("27,112,48,55,121") is this pulse.
 *  - SUB (26): a one-byte control of this printer, part of its INIT code
 *    ("...,26,106,85"). */
function escpRules(npos) {
  const ESC = {
    '@': 0, // initialize
    '!': 1, // master select
    E: 0, F: 0, // bold on, off
    4: 0, 5: 0, // italic on, off
    G: 0, H: 0, // double-strike on, off
    '-': 1, // underline
    w: 1, W: 1, // double height, double width
    '\x0e': 0, '\x0f': 0, // ESC SO double width for the line, ESC SI condensed
    x: 1, // draft or letter quality
    k: 1, t: 1, R: 1, // typeface, character table, international set
    M: 0, P: 0, g: 0, // 12, 10, 15 characters per inch
    S: 1, T: 0, // superscript or subscript, off
    a: 1, // justification
    l: 1, Q: 1, // left and right margin
    $: 2, '\\': 2, // absolute and relative position
    0: 0, 2: 0, 3: 1, A: 1, '+': 1, // line spacing
    C: [function pageLength(buf, offset) { // ESC C n lines, ESC C NUL n inches
      if (offset >= buf.length)
        throw new SlipFault(offset - 2, 'ESC C cut short before its n');
      return buf[offset] === 0 ? 2 : 1;
    }],
    N: 1, O: 0, // skip over perforation, off
    J: 1, j: 1, // paper forward, backward n/216 inch
    U: 1, // unidirectional printing
    p: 3, // drawer pulse (see above)
    '*': [bitImageData({ 0: 1, 1: 1, 2: 1, 3: 1, 4: 1, 6: 1, 32: 3, 33: 3, 38: 3, 39: 3, 40: 3, 71: 6, 72: 6, 73: 6 })],
  };
  const rules = npos.ruler.normalize({ [0x1b]: ESC });
  // BS HT LF VT FF CR SO SI DC4 CAN SUB
  for (const control of [0x08, 0x09, 0x0a, 0x0b, 0x0c, 0x0d, 0x0e, 0x0f, 0x14, 0x18, 0x1a])
    rules[control] = 0;
  return rules;
}

// ---- checking one stream ---------------------------------------------------

function isText(node) {
  return node.fn === '' && node.ascii === 'STX';
}

function commandName(node) {
  if (node.fn === undefined)
    return node.ascii;
  const fn = Array.from(node.fn, (c) => (c.charCodeAt(0) < 0x21 ? hex(c.charCodeAt(0)) : c)).join(' ');
  return `${node.ascii} ${fn}`;
}

/** The bytes a command takes by its rule, without the zero bytes after it
 *  that npos's parser adds to any command it has found. */
function ruledLength(raw, node, rules) {
  const group = rules[node.code];
  if (typeof group === 'number')
    return 1 + group;
  let offset = node.offset + 1 + node.fn.length;
  for (const s of group[node.fn])
    offset += typeof s === 'number' ? s : s(raw, offset);
  return offset - node.offset;
}

/**
 * Parses @p raw with npos's parser and the command set of @p family
 * ("slip" or "slip40"). Returns { faults: [text], commands: n, texts: n,
 * bitImages: n, names: {command: count} }.
 */
function checkStream(npos, raw, family) {
  const rules = family === 'slip40' ? escposRules(npos) : escpRules(npos);
  const result = { faults: [], commands: 0, texts: 0, bitImages: 0, names: {} };
  const fault = (offset, message) => result.faults.push(`byte ${offset}: ${message} ${around(raw, offset)}`);

  let ast;
  try {
    const parser = new npos.Parser(rules);
    parser.parse(raw, (error, parsed) => {
      if (error)
        throw error;
      ast = parsed;
    });
  } catch (e) {
    // npos names the offset only inside its message: "<(offset/length) ...>".
    const said = /<\((\d+)\//.exec(e.message);
    fault(e.offset !== undefined ? e.offset : said ? Number(said[1]) : 0, `the parser stopped: ${e.message}`);
    return result;
  }

  let at = 0;
  let previous = null;
  for (const node of ast.tree) {
    if (node.offset !== at)
      fault(at, `bytes ${at} to ${node.offset - 1} belong to no command and no text`);
    const end = node.offset + node.length;
    if (isText(node)) {
      result.texts++;
      for (let i = node.offset; i < Math.min(end, raw.length); i++) {
        const b = raw[i];
        if (b < 0x20 || b === 0x7f)
          fault(i, `stray byte ${hex(b)}: no command of this printer and no character`);
      }
      if (previous && !isText(previous) && previous.code === 0x1b && previous.fn === '*')
        fault(node.offset, 'text glued to the end of a bit image: the band holds more data than its nL nH say');
    } else {
      result.commands++;
      const name = commandName(node);
      result.names[name] = (result.names[name] || 0) + 1;
      if (node.code === 0x1b && node.fn === '*')
        result.bitImages++;
      if (end > raw.length) {
        fault(node.offset, `${name} cut short: it needs ${node.length} bytes, the stream ends after ${raw.length - node.offset}`);
      } else {
        const own = ruledLength(raw, node, rules);
        if (own < node.length)
          fault(node.offset + own, `${node.length - own} stray zero byte(s) after ${name}`);
      }
    }
    at = Math.max(at, end);
    previous = node;
  }
  if (at < raw.length)
    fault(at, `the last ${raw.length - at} bytes were not read`);
  return result;
}

/** The printer family a slip file was made for, from its name. */
function familyOf(file) {
  if (file.endsWith('.slip40'))
    return 'slip40';
  if (file.endsWith('.slip'))
    return 'slip';
  return null;
}

function slipFiles(where) {
  if (!fs.existsSync(where))
    return [];
  if (fs.statSync(where).isDirectory()) {
    return fs.readdirSync(where)
      .filter((f) => familyOf(f))
      .sort()
      .map((f) => path.join(where, f));
  }
  return familyOf(where) ? [where] : [];
}

function main(argv) {
  const installDir = process.env.BREVALON_ESCPOS_DIR;
  let npos;
  try {
    npos = loadNpos(installDir);
  } catch (e) {
    let why = e.message;
    const log = installDir ? path.join(installDir, 'install.log') : null;
    if (log && fs.existsSync(log))
      why += '\n' + fs.readFileSync(log, 'utf8').trim().split('\n').slice(-5).join('\n');
    console.log(`SKIPPED: the ESC/POS check cannot run: ${why}`);
    return SKIPPED;
  }
  if (npos.version !== NPOS_VERSION) {
    console.log(`npos ${npos.version} is installed, the command tables here are written for ${NPOS_VERSION}`);
    return 1;
  }

  const wheres = argv.slice();
  const fromTests = process.env.BREVALON_SLIP_DIR;
  if (fromTests)
    wheres.push(fromTests);
  else
    console.log('BREVALON_SLIP_DIR is not set: only the slips named on the command line are checked');

  let checked = 0;
  let failed = 0;
  const perFamily = { slip: 0, slip40: 0 };
  for (const where of wheres) {
    const files = slipFiles(where);
    console.log(`${files.length} slip(s) in ${where}`);
    for (const file of files) {
      const family = familyOf(file);
      const r = checkStream(npos, fs.readFileSync(file), family);
      checked++;
      perFamily[family]++;
      const what = `${path.basename(file)}: ${r.commands} commands (${r.bitImages} bit images), ${r.texts} text runs`;
      if (r.faults.length) {
        failed++;
        console.log(`FAIL ${what}`);
        for (const f of r.faults.slice(0, 20))
          console.log(`     ${f}`);
        if (r.faults.length > 20)
          console.log(`     ... ${r.faults.length - 20} more`);
      } else {
        console.log(`ok   ${what}`);
      }
    }
  }
  console.log(`${checked} slips checked with npos ${npos.version} (${perFamily.slip} of the default width, ` +
              `${perFamily.slip40} of 40 columns), ${failed} with faults`);
  if (checked === 0) {
    console.log('no slip was found to check');
    return 1;
  }
  return failed ? 1 : 0;
}

module.exports = { loadNpos, checkStream, familyOf, escposRules, escpRules };

if (require.main === module)
  process.exitCode = main(process.argv.slice(2));
