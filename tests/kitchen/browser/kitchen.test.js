// The kitchen screens as a cook sees them: brevalon-kitchen serving a real
// headless Chromium (Debian's, driven by puppeteer-core), dockets ordered
// through the till's own posting code (kitchen_till), the database read
// back. Run by CTest once per backend; screenshots are kept in
// BREVALON_KITCHEN_SHOTS. Skips (77) and says why when the browser, its
// driver or the MariaDB server is missing.
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const { spawn, execFileSync } = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');
const readline = require('node:readline');

const env = process.env;
const backend = env.BREVALON_TEST_BACKEND || 'sqlite';
const mariadb = backend === 'mariadb';

function skip(why) {
  console.log(`SKIPPED: ${why}`);
  process.exit(77);
}

if (mariadb && !env.BREVALON_TEST_MYSQL_PORT)
  skip('the MariaDB run needs the server that scripts/test.sh starts (BREVALON_TEST_MYSQL_PORT is not set)');
const chromium = env.BREVALON_CHROMIUM || '/usr/bin/chromium';
if (!fs.existsSync(chromium))
  skip(`no browser at ${chromium} (scripts/deps.sh installs Debian's chromium)`);
let puppeteer;
try {
  puppeteer = require(path.join(env.BREVALON_KITCHEN_BROWSER_DIR || '', 'node_modules', 'puppeteer-core'));
} catch (e) {
  skip(`puppeteer-core is not installed in ${env.BREVALON_KITCHEN_BROWSER_DIR} (scripts/test.sh installs it from the lock file)`);
}

const shots = env.BREVALON_KITCHEN_SHOTS || fs.mkdtempSync(path.join(os.tmpdir(), 'kitchen-shots-'));
fs.mkdirSync(shots, { recursive: true });
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'kitchen-test-'));
const children = new Set();
process.on('exit', () => {
  for (const child of children) child.kill('SIGKILL');
  fs.rmSync(scratch, { recursive: true, force: true });
});

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Tables of the demo shop: account numbers.
const TABLE = { 1: 2, 2: 3, 3: 4, 4: 5, 5: 6, 6: 7, 7: 8 };
const kitchenKey = 'k1tchen-Key_42';
const labelKey = 'l4bel-Key_7';
const hostile = `<script>window.__owned=1</script> "double" 'single' \u{1F354}\u{1F525} <b>bold</b> & &amp;`;

/** The till: one JSON command per line, one JSON answer per line. */
class Till {
  start() {
    this.child = spawn(env.BREVALON_KITCHEN_TILL, [], { stdio: ['pipe', 'pipe', 'inherit'] });
    children.add(this.child);
    this.lines = readline.createInterface({ input: this.child.stdout })[Symbol.asyncIterator]();
    return this.next();
  }
  async next() {
    const { value, done } = await this.lines.next();
    assert.ok(!done, 'the till ended');
    return JSON.parse(value);
  }
  async send(command) {
    this.child.stdin.write(JSON.stringify(command) + '\n');
    const reply = await this.next();
    assert.ok(!reply.error, `the till: ${reply.error}`);
    return reply;
  }
  order(table, waiter, lines, minutesAgo = 0) {
    return this.send({ order: TABLE[table], waiter, lines, minutesAgo });
  }
  async rows(sql) {
    return (await this.send({ sql })).rows;
  }
  async quit() {
    const child = this.child;
    if (child.exitCode === null && child.signalCode === null) {
      const ended = new Promise((resolve) => child.once('exit', resolve));
      child.stdin.end(JSON.stringify({ quit: true }) + '\n');
      await ended;
    }
    children.delete(child);
  }
}

/** brevalon-kitchen with a settings store of its own. */
class Kitchen {
  constructor(home) {
    this.home = home;
  }
  run(args) {
    return execFileSync(env.BREVALON_KITCHEN, args, { env: { ...env, HOME: this.home }, encoding: 'utf8' });
  }
  start(port = 0) {
    this.child = spawn(env.BREVALON_KITCHEN, ['--port', String(port)], {
      env: { ...env, HOME: this.home },
      stdio: ['ignore', 'pipe', 'inherit'],
    });
    children.add(this.child);
    const lines = readline.createInterface({ input: this.child.stdout });
    return new Promise((resolve, reject) => {
      const found = {};
      lines.on('line', (line) => {
        const m = /^(Kitchen|Label): (http:\/\/[^/]+)(\/\S+)$/.exec(line);
        if (m) found[m[1]] = { origin: m[2], path: m[3] };
        if (found.Kitchen && found.Label) {
          this.origin = found.Kitchen.origin;
          this.kitchenUrl = found.Kitchen.origin + found.Kitchen.path;
          this.labelUrl = found.Label.origin + found.Label.path;
          resolve(Number(new URL(this.origin).port));
        }
      });
      this.child.once('exit', (code) => reject(new Error(`brevalon-kitchen ended (${code})`)));
    });
  }
  async stop() {
    const child = this.child;
    if (child.exitCode === null && child.signalCode === null) {
      const ended = new Promise((resolve) => child.once('exit', resolve));
      child.kill('SIGTERM');
      await ended;
    }
    children.delete(child);
  }
}

function get(url) {
  return new Promise((resolve, reject) => {
    http.get(url, (res) => {
      let body = '';
      res.on('data', (chunk) => (body += chunk));
      res.on('end', () => resolve({ status: res.statusCode, body, headers: res.headers }));
    }).on('error', reject);
  });
}

async function browser(name) {
  const b = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    userDataDir: fs.mkdtempSync(path.join(scratch, `${name}-`)),
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
  const page = (await b.pages())[0] || (await b.newPage());
  await page.setViewport({ width: 1280, height: 800 }); // a 10-inch tablet
  page.on('dialog', (d) => d.dismiss());
  return { browser: b, page };
}

// The cards of a page as the cook reads them.
const cardsOf = (page) => page.$$eval('.card', (cards) => cards.map((c) => ({
  id: Number(c.dataset.id),
  table: c.querySelector('.table').textContent,
  waiter: c.querySelector('.waiter').textContent,
  sequence: c.querySelector('.sequence').textContent,
  colour: c.classList.contains('red') ? 'red' : c.classList.contains('amber') ? 'amber' : '',
  lines: [...c.querySelectorAll('li')].map((li) => (li.classList.contains('gap') ? '--'
    : `${li.className}|${li.querySelector('.quantity').textContent}|${li.querySelector('.text').textContent}|${li.querySelector('.uom').textContent}`)),
})));

const accounts = (user) => [`'${user}'@'%'`, `'${user}'@'localhost'`];
const cardSelector = (id) => `.card[data-id="${id}"]`;
const live = (page, timeout = 5000) => page.waitForSelector('body[data-state="live"]', { timeout });

const till = new Till();
let kitchen;
let a; // the kitchen's screen
let b; // a second screen of the kitchen
const docket = {}; // table -> its kitchen docket's id

async function docketOf(invoice, station = 2) {
  const rows = await till.rows(`SELECT Id FROM KitchenDockets WHERE InvoiceNumber=${invoice} AND Station=${station} ORDER BY Id DESC`);
  assert.ok(rows.length > 0, `no docket of invoice ${invoice} for station ${station}`);
  return Number(rows[0][0]);
}

test.before(async () => {
  const shop = await till.start();
  const home = fs.mkdtempSync(path.join(scratch, 'kitchen-home-'));
  const connection = ['--driver', shop.driver, '--name', shop.database];
  if (mariadb) {
    // The server's own account may read the shop and write nothing but its
    // bumps and the departments' routes.
    // (Named for localhost too: the server's anonymous localhost account
    // would match a connection from 127.0.0.1 before '%' does.)
    const user = `kitchen${process.pid}`;
    for (const account of accounts(user)) {
      for (const sql of [`DROP USER IF EXISTS ${account}`, `CREATE USER ${account} IDENTIFIED BY 'secret'`,
        `GRANT SELECT ON ${shop.database}.* TO ${account}`,
        `GRANT UPDATE (Bumped) ON ${shop.database}.KitchenDockets TO ${account}`,
        `GRANT UPDATE (Route) ON ${shop.database}.Departments TO ${account}`])
        await till.rows(sql);
    }
    kitchen = new Kitchen(home);
    kitchen.user = user;
    connection.push('--server', env.BREVALON_TEST_MYSQL_HOST || '127.0.0.1', '--port', env.BREVALON_TEST_MYSQL_PORT,
      '--user', user, '--password', 'secret');
  }
  kitchen = kitchen || new Kitchen(home);
  execFileSync(env.BREVALON_DB_TOOL, ['configure', ...connection, '--set', `/KitchenScreen/KitchenKey=${kitchenKey}`,
    '--set', `/KitchenScreen/LabelKey=${labelKey}`], { env: { ...env, HOME: home } });
  // Mains to the screen and the printer, starters, desserts and hot drinks
  // to the screens only; drinks go nowhere.
  const routes = kitchen.run(['--route', 'MAINS=both', '--route', 'starters=screen', '--route', 'DESSERTS=screen',
    '--route', 'HOT DRINKS=screen']);
  assert.match(routes, /^MAINS: both \(kitchen\)$/m);
  assert.match(routes, /^STARTERS: screen \(kitchen\)$/m);
  assert.match(routes, /^DESSERTS: screen \(label and kitchen\)$/m);
  assert.match(routes, /^HOT DRINKS: screen \(label\)$/m);
  assert.match(routes, /^DRINKS: printer \(no station\)$/m);
  await kitchen.start();
  a = await browser('a');
  b = await browser('b');
});

test.after(async () => {
  for (const x of [a, b]) if (x) await x.browser.close();
  if (kitchen && kitchen.child) await kitchen.stop();
  if (kitchen && kitchen.user) {
    for (const account of accounts(kitchen.user)) await till.rows(`DROP USER IF EXISTS ${account}`);
  }
  await till.quit();
});

test('without the station key the server answers 403 and shows nothing', async () => {
  const o = kitchen.origin;
  const cases = [
    ['no key', `${o}/kitchen`, 403],
    ['a wrong key', `${o}/kitchen?key=wrong`, 403],
    ['the key with more', `${o}/kitchen?key=${kitchenKey}x`, 403],
    ['the key cut short', `${o}/kitchen?key=${kitchenKey.slice(0, -1)}`, 403],
    ['another station\'s key', `${o}/label?key=${kitchenKey}`, 403],
    ['the script without a key', `${o}/kitchen.js`, 403],
    ['an unknown page without a key', `${o}/admin`, 403],
    ['the page with its key', kitchen.kitchenUrl, 200],
    ['the label page with its key', kitchen.labelUrl, 200],
    ['an unknown page with a key', `${o}/admin?key=${kitchenKey}`, 404],
  ];
  for (const [name, url, status] of cases) {
    const r = await get(url);
    assert.strictEqual(r.status, status, name);
    if (status === 403) assert.strictEqual(r.body, '', name);
    if (status === 200) assert.match(r.headers['content-security-policy'], /default-src 'none'/, name);
  }
  // In the browser: the refused page has no cards, and a socket opened
  // without the key is closed before a word is said on it, where one with
  // the key is greeted at once.
  const response = await a.page.goto(`${o}/kitchen?key=wrong`);
  assert.strictEqual(response.status(), 403);
  assert.strictEqual((await a.page.$$('.card')).length, 0);
  const heard = await a.page.evaluate((urls) => Promise.all(urls.map((url) => new Promise((resolve) => {
    const socket = new WebSocket(url);
    const said = [];
    socket.onmessage = (e) => {
      said.push(JSON.parse(e.data).type);
      socket.close();
    };
    socket.onclose = () => resolve(said);
  }))), [`${o.replace('http', 'ws')}/kitchen?key=wrong`, `${o.replace('http', 'ws')}/label?key=${kitchenKey}`,
    `${o.replace('http', 'ws')}/kitchen?key=${kitchenKey}`]);
  assert.deepStrictEqual(heard, [[], [], ['hello']]);
});

test('an order appears on every screen of the station within a second', async () => {
  await Promise.all([a.page.goto(kitchen.kitchenUrl), b.page.goto(kitchen.kitchenUrl)]);
  await Promise.all([live(a.page), live(b.page)]);
  assert.deepStrictEqual(await cardsOf(a.page), []);
  const { invoice } = await till.order(1, 'JOHN', [
    { code: '3001' }, { category: 'Inventory', text: 'no onions' }, { category: 'Remarks', text: 'medium rare' },
    { category: 'Notes', text: 'regular: give a discount' }, { code: '3002', quantity: 2 }, { code: '1001' },
    { code: '2001' }]);
  const ordered = Date.now();
  docket[1] = await docketOf(invoice);
  await a.page.waitForSelector(cardSelector(docket[1]), { timeout: 1000 });
  const seenA = Date.now() - ordered;
  await b.page.waitForSelector(cardSelector(docket[1]), { timeout: 1000 });
  console.log(`# docket ${docket[1]} on the screens ${seenA} ms after the till committed the order`);
  const sequence = (await till.rows(`SELECT SequenceNo FROM Invoice WHERE MyNumber=${invoice}`))[0][0];
  // As the printed docket has it: quantities, the modifier and the remark
  // under their line, a gap before the next block, no note, no drink.
  const expected = [{
    id: docket[1], table: 'TABLE 1', waiter: 'JOHN', sequence: `No. ${sequence}`, colour: '',
    lines: ['main|1.00|BEEF BURGER & CHIPS|PLATE', 'sub||NO ONIONS|', 'sub||MEDIUM RARE|', '--',
      'main|2.00|CHICKEN SCHNITZEL|PLATE', 'main|1.00|GARLIC BREAD|EACH'],
  }];
  assert.deepStrictEqual(await cardsOf(a.page), expected);
  assert.deepStrictEqual(await cardsOf(b.page), expected);
  // The till marked the lines the screen took (8), and only those.
  const marks = await till.rows(`SELECT Code, Category, Printed FROM InvoiceItem WHERE InvoiceNumber=${invoice} ORDER BY MyNumber`);
  assert.deepStrictEqual(marks.map((r) => `${r[0] || r[1]}=${r[2]}`),
    ['3001=8', 'Inventory=8', 'Remarks=8', 'Notes=0', '3002=8', '1001=0', '2001=8']);
});

test('texts from the database show as text', async () => {
  const { invoice } = await till.order(2, `SUE "O'Neil"`, [{ code: '3004' }, { category: 'Remarks', text: hostile }]);
  docket[2] = await docketOf(invoice);
  await a.page.waitForSelector(cardSelector(docket[2]), { timeout: 2000 });
  const card = (await cardsOf(a.page)).find((c) => c.id === docket[2]);
  assert.strictEqual(card.waiter, `SUE "O'Neil"`);
  assert.deepStrictEqual(card.lines, ['main|1.00|FISH & CHIPS|PLATE', `sub||${hostile.toUpperCase()}|`]);
  const injected = await a.page.evaluate(() => ({
    owned: typeof window.__owned,
    elements: document.querySelectorAll('#board script, #board b').length,
  }));
  assert.deepStrictEqual(injected, { owned: 'undefined', elements: 0 });
});

test('each station sees the lines routed to it', async () => {
  const { invoice } = await till.order(3, 'JOHN', [{ code: '1101' }, { code: '4001' }, { code: '3006' }]);
  docket[3] = await docketOf(invoice);
  const label = await a.browser.newPage();
  await label.setViewport({ width: 1280, height: 800 });
  await label.goto(kitchen.labelUrl);
  await live(label);
  await label.waitForSelector('.card', { timeout: 2000 });
  await a.page.waitForSelector(cardSelector(docket[3]), { timeout: 2000 });
  assert.deepStrictEqual((await cardsOf(label)).map((c) => c.lines),
    [['main|1.00|ESPRESSO|CUP', 'main|1.00|CHOCOLATE BROWNIE|SLICE']]);
  assert.deepStrictEqual((await cardsOf(a.page)).find((c) => c.id === docket[3]).lines,
    ['main|1.00|CHOCOLATE BROWNIE|SLICE', 'main|1.00|MARGHERITA PIZZA|EACH']);
  await label.screenshot({ path: path.join(shots, 'label-station.png') });
  await label.close();
});

test('a touch bumps a docket: the database keeps it and the other screen loses it', async () => {
  await a.page.click(cardSelector(docket[1]));
  const touched = Date.now();
  await a.page.waitForSelector(cardSelector(docket[1]), { hidden: true, timeout: 1000 });
  await b.page.waitForSelector(cardSelector(docket[1]), { hidden: true, timeout: 1000 });
  console.log(`# bumped on the first screen, gone from the second ${Date.now() - touched} ms after the touch`);
  const [[bumped]] = await till.rows(`SELECT Bumped FROM KitchenDockets WHERE Id=${docket[1]}`);
  assert.match(bumped || '', /^\d{4}-\d\d-\d\d.\d\d:\d\d:\d\d/);

  // Recall on the second screen brings it back on both, as it was.
  await b.page.click('#recall');
  await a.page.waitForSelector(cardSelector(docket[1]), { timeout: 1000 });
  await b.page.waitForSelector(cardSelector(docket[1]), { timeout: 1000 });
  assert.deepStrictEqual(await till.rows(`SELECT Bumped FROM KitchenDockets WHERE Id=${docket[1]}`), [[null]]);
  assert.strictEqual((await cardsOf(a.page))[0].id, docket[1], 'a recalled docket keeps its place in time');
  await b.page.click(cardSelector(docket[1]));
  await a.page.waitForSelector(cardSelector(docket[1]), { hidden: true, timeout: 1000 });
  assert.notDeepStrictEqual(await till.rows(`SELECT Bumped FROM KitchenDockets WHERE Id=${docket[1]}`), [[null]]);
});

test('dockets turn amber, then red, with age', async () => {
  docket[4] = await docketOf((await till.order(4, 'SUE', [{ code: '3003' }, { code: '2002', quantity: 2 }], 10)).invoice);
  docket[5] = await docketOf((await till.order(5, 'JOHN', [{ code: '3008' }, { code: '3005' }], 17)).invoice);
  docket[6] = await docketOf((await till.order(6, 'SUE', [{ code: '3007', quantity: 3 }])).invoice);
  await a.page.waitForSelector(cardSelector(docket[6]), { timeout: 2000 });
  await sleep(1100); // one tick of the timers
  const cards = await cardsOf(a.page);
  // Oldest first; amber from 8 minutes, red from 15 (the defaults).
  assert.deepStrictEqual(cards.map((c) => `${c.table} ${c.colour}`),
    ['TABLE 5 red', 'TABLE 4 amber', 'TABLE 2 ', 'TABLE 3 ', 'TABLE 6 ']);
  await a.page.screenshot({ path: path.join(shots, 'kitchen-tablet.png') });
});

test('a restarted server shows the same dockets', async () => {
  const before = (await cardsOf(a.page)).map((c) => c.id);
  const port = Number(new URL(kitchen.origin).port);
  await kitchen.stop();
  await a.page.waitForSelector('body[data-state="lost"] #banner', { visible: true, timeout: 3000 });
  assert.strictEqual(await a.page.$eval('#banner', (e) => e.textContent), 'connection lost');
  await a.page.screenshot({ path: path.join(shots, 'kitchen-server-gone.png') });
  await kitchen.start(port);
  await live(a.page, 10000);
  await live(b.page, 10000);
  assert.deepStrictEqual((await cardsOf(a.page)).map((c) => c.id), before);
  assert.deepStrictEqual((await cardsOf(b.page)).map((c) => c.id), before);
});

test('the database lost: "connection lost", then back by itself', { skip: mariadb ? false : 'the database is taken away on MariaDB, where it is a server of its own' }, async () => {
  const user = kitchen.user;
  for (const account of accounts(user)) await till.rows(`ALTER USER ${account} ACCOUNT LOCK`);
  for (const [id] of await till.rows(`SELECT ID FROM information_schema.PROCESSLIST WHERE USER='${user}'`))
    await till.rows(`KILL CONNECTION ${id}`);
  await a.page.waitForSelector('body[data-state="lost"] #banner', { visible: true, timeout: 5000 });
  assert.strictEqual(await a.page.$eval('#banner', (e) => e.textContent), 'connection lost');
  await a.page.screenshot({ path: path.join(shots, 'kitchen-database-lost.png') });
  // The till goes on; its order waits for the screen.
  docket[7] = await docketOf((await till.order(7, 'JOHN', [{ code: '2003' }])).invoice);
  for (const account of accounts(user)) await till.rows(`ALTER USER ${account} ACCOUNT UNLOCK`);
  await live(a.page, 10000);
  await a.page.waitForSelector(cardSelector(docket[7]), { timeout: 2000 });
  await b.page.waitForSelector(cardSelector(docket[7]), { timeout: 2000 });
});
