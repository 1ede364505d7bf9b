'use strict';
// The timing page: it follows the program's state over a WebSocket and, opened as the control
// page, sends the commands the program offers. Texts go into the page as text only.
(() => {
  const $ = (id) => document.getElementById(id);
  const body = document.body;
  const counter = $('counter');
  const status = $('status');
  const control = location.pathname === '/control';
  const key = new URLSearchParams(location.search).get('key') || '';
  const buttons = Array.from(document.querySelectorAll('button[data-cmd]'));
  const adjusters = Array.from(document.querySelectorAll('button[data-adjust]'));
  let shownLength = -1;
  let noteTimer = 0;
  // The program's texts in the language it speaks: each Chinese text of this page to its own.
  let words = {};
  const t = (text) => words[text] || text;

  const set = (el, text) => { if (el.textContent !== text) el.textContent = text; };

  // The counter fills the width (and at most about half the height).
  function fit() {
    counter.style.fontSize = '100px';
    const natural = counter.scrollWidth || 1;
    const width = document.documentElement.clientWidth * 0.94;
    const height = window.innerHeight * (control ? 0.3 : 0.55);
    counter.style.fontSize = Math.max(16, Math.min((100 * width) / natural, height)) + 'px';
  }
  window.addEventListener('resize', fit);

  // The screen stays on while a timing is under way, where the browser offers it.
  let lock = null;
  let wantLock = false;
  let asking = false;
  async function keepAwake(on) {
    wantLock = on;
    if (!('wakeLock' in navigator) || asking) return;
    asking = true;
    try {
      if (wantLock && !lock && document.visibilityState === 'visible') {
        lock = await navigator.wakeLock.request('screen');
        lock.addEventListener('release', () => { lock = null; });
      } else if (!wantLock && lock) {
        const l = lock;
        lock = null;
        await l.release();
      }
    } catch (e) {
      lock = null;
    }
    asking = false;
  }
  document.addEventListener('visibilitychange', () => keepAwake(wantLock));

  function statusText(s) {
    if (s.end) return t('时间到');
    if (s.over) return t(s.phase === 2 ? '超时 · 已暂停' : '超时');
    if (s.phase === 1) return t(s.blink ? '计时中 · 提示' : '计时中');
    return t(s.phase === 2 ? '已暂停' : '未计时');
  }

  function show(s) {
    body.classList.remove('offline');
    body.classList.toggle('running', s.phase === 1);
    body.classList.toggle('paused', s.phase === 2);
    body.classList.toggle('ended', !!s.end || !!s.over);
    body.classList.toggle('blink', !!s.blink);
    set(counter, s.counter);
    // Readable on the page's own black or on the signal colour, whatever the display mode.
    const background = s.signal || '#000000';
    counter.style.color = readableOn(s.color, background);
    showDebate(s.debate, s.color, background);
    // The contest signal fills the page, its texts in the digits' black or white.
    body.classList.toggle('signal', !!s.signal);
    body.style.background = s.signal || '';
    body.style.color = s.signal ? s.color : '';
    set($('title'), s.title);
    set($('next'), s.next || '');
    set($('info'), s.info);
    set(status, statusText(s));
    if (s.counter.length !== shownLength) {
      shownLength = s.counter.length;
      fit();
    }
    if (control) {
      for (const b of buttons) {
        const id = Number(b.dataset.cmd);
        const mark = s.offers.charAt(id - 1);
        b.hidden = mark === 'h';
        b.disabled = mark !== 'o';
        b.classList.toggle('current', id === s.scheme + 6);
      }
      // 下一位 only where a programme is loaded.
      $('speaker').hidden = !s.next;
      set($('pause'), s.pause);
      for (const b of adjusters) b.disabled = !s.adjust;
      set($('current'), s.message ? t('演讲者现在看到：') + s.message : t('演讲者页面上没有消息'));
    }
    keepAwake(s.phase !== 0);
  }

  // A debate: both sides' clocks side by side, the one with the floor lit and marked.
  // The clocks in the counter's colour (black or white on a signal colour); a gone one red;
  // each readable on the background.
  function showDebate(d, color, background) {
    body.classList.toggle('debate', !!d);
    $('debate').hidden = !d;
    counter.hidden = !!d;
    if (!d) return;
    d.sides.forEach((side, i) => {
      const el = $('side' + i);
      set(el.querySelector('.name'), side.name);
      const clock = el.querySelector('.clock');
      set(clock, side.text);
      clock.style.color = readableOn(side.gone ? '#ff3030' : color, background);
      el.classList.toggle('floor', d.floor === i);
      el.classList.toggle('gone', !!side.gone);
    });
  }

  function note(text) {
    set($('note'), text);
    clearTimeout(noteTimer);
    noteTimer = setTimeout(() => set($('note'), ''), 3000);
  }

  // The connection is gone: said at once, the counter greyed; tried again unless the key changed.
  function lost(code) {
    body.classList.add('offline');
    body.classList.remove('signal');
    body.style.background = body.style.color = '';
    for (const b of buttons.concat(adjusters)) b.disabled = true;
    keepAwake(false);
    if (code === 4403) {
      set(status, t('遥控密钥已更换，请扫描新的二维码'));
      return false;
    }
    set(status, t('连接已断开'));
    return true;
  }

  function received(m) {
    if (m.t === 'state') {
      show(m);
    } else if (m.t === 'texts') {
      words = m.words || {};
      $('message').placeholder = t('给演讲者的消息');
      // The page was served in another language: served again in this one.
      if (m.lang !== document.documentElement.lang) location.reload();
    } else if (m.t === 'done' && !m.ok) {
      note(t('程序此时不能执行这个命令'));
    }
  }

  fit();
  const send = openLink(control ? '?key=' + encodeURIComponent(key) : '', { message: received, lost });
  if (control) {
    $('controls').hidden = false;
    $('message').placeholder = t('给演讲者的消息');
    for (const b of adjusters) {
      b.disabled = true;
      b.addEventListener('click', () => send({ adjust: Number(b.dataset.adjust) }));
    }
    // A phrase goes into the line, to be sent as it is or changed first.
    for (const b of document.querySelectorAll('button[data-phrase]')) {
      b.addEventListener('click', () => { $('message').value = b.textContent; $('message').focus(); });
    }
    // At most 100 characters as a person counts them: an emoji or a letter with its accents is one.
    $('message').addEventListener('input', () => {
      const text = $('message').value;
      const parts = typeof Intl !== 'undefined' && Intl.Segmenter
        ? Array.from(new Intl.Segmenter().segment(text), (s) => s.segment) : Array.from(text);
      if (parts.length > 100) $('message').value = parts.slice(0, 100).join('');
    });
    $('send').addEventListener('click', () => send({ message: $('message').value }));
    $('message').addEventListener('keydown', (e) => { if (e.key === 'Enter') send({ message: $('message').value }); });
    $('clear').addEventListener('click', () => { $('message').value = ''; send({ message: '' }); });
    for (const b of buttons) {
      b.disabled = true;
      b.addEventListener('click', () => {
        send({ cmd: Number(b.dataset.cmd) });
      });
    }
  }
})();
