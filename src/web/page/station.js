'use strict';
// The station's screen in the browser. Received text only ever becomes
// text (textContent), never markup.
(function () {
  const $ = (id) => document.getElementById(id);
  const texts = {};
  document.querySelectorAll('#texts [data-k]').forEach((e) => { texts[e.dataset.k] = e.textContent; });

  const rx = $('rx');
  let socket = null;
  let lastSeq = -1; // the last chunk on screen
  let epoch = '';
  let retryMs = 500;
  let inControl = false;
  let mode = 'HF';

  function send(message) {
    if (socket && socket.readyState === WebSocket.OPEN) socket.send(JSON.stringify(message));
  }

  function atBottom() { return rx.scrollHeight - rx.scrollTop - rx.clientHeight < 40; }

  function addChunk(c) {
    const follow = atBottom();
    const span = document.createElement('span');
    span.className = c.k;
    span.style.color = /^#[0-9a-f]{6}$/i.test(c.c) ? c.c : '';
    span.textContent = c.x;
    rx.appendChild(span);
    lastSeq = c.s;
    if (follow) rx.scrollTop = rx.scrollHeight;
  }

  function clearScreen() { while (rx.firstChild) rx.removeChild(rx.firstChild); }

  function showStatus(s) {
    const lamp = $('lamp');
    lamp.className = 'lamp ' + s.lamp;
    lamp.setAttribute('aria-label', texts['lamp-' + s.lamp] || s.lamp);
    $('connection').textContent = s.text;
    const ptt = $('ptt');
    ptt.textContent = s.ptt ? texts['ptt-on'] : texts['ptt-off'];
    ptt.className = s.ptt ? 'ptt-on' : 'ptt-off';
    $('bytes-sent').textContent = String(s.sent);
    $('bytes-rcvd').textContent = String(s.rcvd);
    mode = s.mode;
    $('vias').hidden = mode !== 'FM';
    const macros = $('macros');
    if (macros.children.length !== 12) {
      clearScreenOf(macros);
      for (let n = 1; n <= 12; ++n) {
        const b = document.createElement('button');
        b.type = 'button';
        b.id = 'f' + n;
        b.addEventListener('click', () => send({ t: 'macro', n: n }));
        macros.appendChild(b);
      }
    }
    for (let n = 1; n <= 12; ++n) {
      const label = s.macros[n - 1] || '';
      $('f' + n).textContent = 'F' + n + (label ? ' ' + label : '');
    }
  }

  function clearScreenOf(e) { while (e.firstChild) e.removeChild(e.firstChild); }

  function showControl(c) {
    inControl = !!c.you;
    $('controller').textContent = c.you ? c.label + ' (' + texts.you + ')' : c.label;
    document.body.classList.toggle('watching', !inControl);
    $('take-control').hidden = inControl;
  }

  let qsoId = null;
  function showQso(q) {
    qsoId = q ? q.id : null;
    $('qso').hidden = !q;
    $('qso-text').textContent = q ? q.text : '';
  }

  function notice(text) {
    const n = $('notice');
    n.textContent = text;
    n.hidden = !text;
  }

  function screen(m, whole) {
    // A whole screen starts afresh: its numbers may start low again (a restarted server).
    if (whole) { clearScreen(); epoch = m.epoch; lastSeq = -1; }
    m.chunks.forEach((c) => { if (c.s > lastSeq) addChunk(c); });
    lastSeq = m.seq;
    showStatus(m.status);
    showControl(m.control);
    showQso(m.qso);
    refind();
  }

  function handle(m) {
    switch (m.t) {
      case 'snapshot': screen(m, true); break;
      case 'resume': screen(m, false); break;
      case 'chunk':
        if (m.chunk.s <= lastSeq) break; // already shown
        if (m.chunk.s !== lastSeq + 1) { send({ t: 'hello', last: lastSeq, epoch: epoch }); break; } // a gap
        addChunk(m.chunk);
        break;
      case 'cleared': clearScreen(); lastSeq = m.s; break;
      case 'status': showStatus(m.status); break;
      case 'control': showControl(m); break;
      case 'qso': showQso(m.qso); break;
      case 'ping': send({ t: 'pong', n: m.n }); break;
      case 'refused': notice(m.text); break;
    }
  }

  function open() {
    const url = (location.protocol === 'https:' ? 'wss://' : 'ws://') + location.host + '/ws';
    socket = new WebSocket(url);
    socket.onopen = () => {
      retryMs = 500;
      $('offline').hidden = true;
      send({ t: 'hello', last: lastSeq, epoch: epoch });
    };
    socket.onmessage = (e) => {
      let m;
      try { m = JSON.parse(e.data); } catch (err) { return; }
      handle(m);
    };
    socket.onclose = (e) => {
      socket = null;
      $('offline').hidden = false;
      // Refused by policy: the session is over (4000 and the rest: try again).
      if (e.code === 1008) { location.href = '/'; return; }
      setTimeout(open, retryMs);
      retryMs = Math.min(retryMs * 2, 10000);
    };
  }

  // Find
  let hits = [];
  let hit = -1;
  function refind() {
    hits.forEach((h) => h.classList.remove('hit', 'current'));
    hits = [];
    hit = -1;
    const what = $('find').value.toLowerCase();
    if (what) {
      rx.querySelectorAll('span').forEach((s) => {
        if (s.textContent.toLowerCase().includes(what)) { s.classList.add('hit'); hits.push(s); }
      });
    }
    const count = hits.length === 1 ? texts['one-match'] : hits.length + ' ' + texts.matches;
    $('find-count').textContent = what ? count : '';
  }
  function findNext() {
    if (!hits.length) return;
    if (hit >= 0) hits[hit].classList.remove('current');
    hit = (hit + 1) % hits.length;
    hits[hit].classList.add('current');
    hits[hit].scrollIntoView({ block: 'nearest' });
  }
  $('find').addEventListener('input', refind);
  $('find').addEventListener('keydown', (e) => { if (e.key === 'Enter') { e.preventDefault(); findNext(); } });
  $('find-next').addEventListener('click', findNext);

  // Commands
  const tx = $('tx');
  tx.addEventListener('keydown', (e) => {
    if (e.key === 'Enter' && !e.shiftKey && !e.isComposing) {
      e.preventDefault();
      if (!tx.value) return;
      send({ t: 'send', text: tx.value });
      // Typed text stays until someone in control has sent it.
      if (inControl) tx.value = '';
    }
  });
  $('connect-form').addEventListener('submit', (e) => {
    e.preventDefault();
    send({ t: 'connect', call: $('call').value, via1: $('via1').value, via2: $('via2').value });
  });
  $('stop').addEventListener('click', () => send({ t: 'stop' }));
  $('clear').addEventListener('click', () => send({ t: 'clear' }));
  $('take-control').addEventListener('click', () => { notice(''); send({ t: 'take-control' }); });
  $('qso-log').addEventListener('click', () => { if (qsoId) send({ t: 'qso', id: qsoId, log: true }); });
  $('qso-skip').addEventListener('click', () => { if (qsoId) send({ t: 'qso', id: qsoId, log: false }); });
  document.addEventListener('keydown', (e) => {
    const f = /^F([1-9]|1[0-2])$/.exec(e.key);
    if (f && !e.altKey && !e.ctrlKey) { e.preventDefault(); send({ t: 'macro', n: Number(f[1]) }); }
    else if (e.key === 'Escape' && document.activeElement === tx) { e.preventDefault(); send({ t: 'stop' }); }
  });

  open();
})();
