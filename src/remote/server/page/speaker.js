'use strict';
// The speaker's view: the counter, the message and the signal colour, followed over the same
// WebSocket as the timing page. The program's texts go into the page as text only.
(() => {
  const $ = (id) => document.getElementById(id);
  const body = document.body;
  const counter = $('counter');
  const status = $('status');
  const message = $('message');
  let words = {};
  const t = (text) => words[text] || text;
  const set = (el, text) => { if (el.textContent !== text) { el.textContent = text; return true; } return false; };

  // The message in type as large as leaves it whole within a third of the height, then the
  // counter as large as the room between the message and the name allows, either way round.
  function fit() {
    message.style.fontSize = '';
    let size = parseFloat(getComputedStyle(message).fontSize);
    while (size > 16 && message.scrollHeight > window.innerHeight / 3) {
      size *= 0.9;
      message.style.fontSize = size + 'px';
    }
    // A debate's line whole on a narrow screen: in type down to two thirds of its size, else the
    // two sides on lines of their own, each in type as large as fits.
    const sides = $('sides');
    const wide = () => sides.scrollWidth > sides.clientWidth + 1 ||
      Array.from(sides.children).some((span) => span.scrollWidth > sides.clientWidth + 1);
    sides.style.fontSize = '';
    sides.classList.remove('wrapped');
    const full = parseFloat(getComputedStyle(sides).fontSize);
    for (let scale = 1; wide() && scale > 0.67; scale *= 0.92) sides.style.fontSize = full * scale + 'px';
    if (wide()) {
      sides.classList.add('wrapped');
      sides.style.fontSize = '';
      for (let scale = 1; wide() && full * scale > 12; scale *= 0.92) sides.style.fontSize = full * scale + 'px';
    }
    const room = counter.parentElement;
    counter.style.fontSize = '100px';
    const natural = counter.scrollWidth || 1;
    const width = room.clientWidth * 0.97;
    const height = room.clientHeight * 0.95;
    counter.style.fontSize = Math.max(16, Math.min((100 * width) / natural, height)) + 'px';
  }
  window.addEventListener('resize', fit);

  let lock = null;
  async function keepAwake(on) {
    if (!('wakeLock' in navigator)) return;
    try {
      if (on && !lock && document.visibilityState === 'visible') {
        lock = await navigator.wakeLock.request('screen');
        lock.addEventListener('release', () => { lock = null; });
      }
    } catch (e) {
      lock = null;
    }
  }

  function statusText(s) {
    if (s.end) return t('时间到');
    if (s.over) return t('超时');
    if (s.phase === 2) return t('已暂停');
    return '';
  }

  function show(s) {
    body.classList.remove('offline');
    body.classList.toggle('ended', !!s.end || !!s.over);
    body.style.backgroundColor = s.signal || '';
    // On a signal the program sends the digits' colour, black or white.
    body.style.color = s.signal ? s.color : '';
    let changed = set(counter, s.counter);
    changed = set(message, s.message || '') || changed;
    changed = set(status, statusText(s)) || changed;
    changed = showSides(s.debate, s.signal || '#2b2b2b') || changed;
    changed = set($('speaker'), s.speaker || '') || changed;
    if (changed) fit();
    keepAwake(s.phase !== 0);
  }

  // Each side's name and clock, the side with the floor marked; the text of the line tells
  // whether anything changed.
  function showSides(d, background) {
    const box = $('sides');
    const line = d ? JSON.stringify(d) + background : '';
    if (box.dataset.line === line) return false;
    box.dataset.line = line;
    box.replaceChildren();
    if (!d) return true;
    d.sides.forEach((side, i) => {
      const span = document.createElement('span');
      span.textContent = (i === d.floor ? '\u25B6 ' : '') + side.name + ' ' + side.text;
      span.classList.toggle('floor', i === d.floor);
      span.classList.toggle('gone', !!side.gone);
      if (side.gone) span.style.color = readableOn('#ff3030', background);
      box.appendChild(span);
    });
    return true;
  }

  function lost() {
    body.classList.add('offline');
    set(status, t('连接已断开'));
    fit();
  }

  function received(m) {
    if (m.t === 'state') {
      show(m);
    } else if (m.t === 'texts') {
      words = m.words || {};
      document.documentElement.lang = m.lang || 'zh-CN';
    }
  }

  fit();
  openLink('?view=speaker', { message: received, lost });
})();
