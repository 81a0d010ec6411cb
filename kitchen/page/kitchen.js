// The kitchen page: keeps a socket to the server at its own address, shows
// the station's open dockets as cards in order of time, counts each one's
// age (amber, then red), bumps a card when it is touched and brings the last
// bumped one back on Recall. Every text from the database is set as text.
'use strict';

(() => {
  const key = new URLSearchParams(location.search).get('key') || '';
  const board = document.getElementById('board');
  const count = document.getElementById('count');
  const clock = document.getElementById('clock');
  const cards = new Map(); // docket id -> card element
  let amber = 480;
  let red = 900;
  let offset = 0; // server clock minus this one, in milliseconds
  let socket = null;
  let live = false;

  const setState = (state) => {
    document.body.dataset.state = state;
    live = state === 'live';
    if (!live) cards.forEach((card) => card.classList.remove('bumping'));
  };

  const element = (tag, className, text) => {
    const e = document.createElement(tag);
    if (className) e.className = className;
    if (text !== undefined) e.textContent = text;
    return e;
  };

  const makeCard = (docket) => {
    const card = element('article', 'card');
    card.dataset.id = String(docket.id);
    card.dataset.ordered = String(docket.ordered);
    const header = element('header');
    const top = element('div', 'top');
    top.append(element('span', 'table', docket.table || ''), element('span', 'sequence', `No. ${docket.sequence || ''}`));
    const meta = element('div', 'meta');
    meta.append(element('span', 'waiter', docket.waiter || ''), element('span', 'timer', ''));
    header.append(top, meta);
    const list = element('ol');
    for (const line of docket.lines || []) {
      const item = element('li', line.kind);
      if (line.kind !== 'gap') {
        const words = element('span', 'line');
        words.append(element('span', 'text', line.text), element('span', 'uom', line.uom));
        item.append(element('span', 'quantity', line.quantity), words);
      }
      list.append(item);
    }
    card.append(header, list);
    card.addEventListener('click', () => {
      if (!live || card.classList.contains('bumping')) return;
      card.classList.add('bumping');
      socket.send(JSON.stringify({ type: 'bump', id: docket.id }));
    });
    return card;
  };

  const show = (dockets) => {
    const wanted = new Set(dockets.map((d) => d.id));
    for (const [id, card] of cards) {
      if (!wanted.has(id)) {
        card.remove();
        cards.delete(id);
      }
    }
    for (const docket of dockets) {
      let card = cards.get(docket.id);
      if (!card) {
        card = makeCard(docket);
        cards.set(docket.id, card);
      }
      card.classList.remove('bumping');
      board.append(card); // in the server's order: oldest first
    }
    count.textContent = dockets.length === 1 ? '1 docket' : `${dockets.length} dockets`;
    tick();
  };

  const pad = (n) => String(n).padStart(2, '0');
  const age = (seconds) => {
    const s = Math.max(0, Math.floor(seconds));
    const h = Math.floor(s / 3600);
    const m = Math.floor(s / 60) % 60;
    return h > 0 ? `${h}:${pad(m)}:${pad(s % 60)}` : `${m}:${pad(s % 60)}`;
  };

  function tick() {
    const now = Date.now() + offset;
    const t = new Date(now);
    clock.textContent = `${pad(t.getHours())}:${pad(t.getMinutes())}`;
    for (const card of cards.values()) {
      const seconds = (now - Number(card.dataset.ordered)) / 1000;
      card.querySelector('.timer').textContent = age(seconds);
      card.classList.toggle('red', seconds >= red);
      card.classList.toggle('amber', seconds >= amber && seconds < red);
    }
  }

  const receive = (message) => {
    if (typeof message.now === 'number') offset = message.now - Date.now();
    if (message.type === 'hello') {
      amber = message.amber;
      red = message.red;
    } else if (message.type === 'status') {
      setState(message.database === 'ok' ? 'live' : 'lost');
    } else if (message.type === 'dockets') {
      setState('live');
      show(message.dockets);
    }
  };

  const connect = () => {
    const scheme = location.protocol === 'https:' ? 'wss:' : 'ws:';
    socket = new WebSocket(`${scheme}//${location.host}${location.pathname}?key=${encodeURIComponent(key)}`);
    socket.addEventListener('message', (e) => {
      try {
        receive(JSON.parse(e.data));
      } catch (err) {
        console.error(err);
      }
    });
    // The server gone (or restarting): say so, keep the cards, try again.
    socket.addEventListener('close', () => {
      setState('lost');
      setTimeout(connect, 1000);
    });
  };

  document.getElementById('recall').addEventListener('click', () => {
    if (live) socket.send(JSON.stringify({ type: 'recall' }));
  });
  setInterval(tick, 1000);
  connect();
})();
