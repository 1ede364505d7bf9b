'use strict';
// Every page's link to the program: one WebSocket to /ws (with `query`), its messages parsed and
// handed to on.message. The program sends its state at least once a second, so three seconds of
// silence, like a close, mean the link is gone: on.lost(code) is told (code 0 for silence) and,
// unless it answers false, the link is tried again after 1 s, then twice as long up to 10 s.
// Returns send(object): the object as JSON while the link is open.
function openLink(query, on) {
  let ws = null;
  let watchdog = 0;
  let retryDelay = 1000;

  function lost(code) {
    clearTimeout(watchdog);
    if (ws) {
      ws.onclose = ws.onmessage = ws.onerror = null;
      ws.close();
      ws = null;
    }
    if (on.lost(code) === false) return;
    setTimeout(connect, retryDelay);
    retryDelay = Math.min(retryDelay * 2, 10000);
  }

  function alive() {
    clearTimeout(watchdog);
    watchdog = setTimeout(() => lost(0), 3000);
  }

  function connect() {
    const scheme = location.protocol === 'https:' ? 'wss://' : 'ws://';
    ws = new WebSocket(scheme + location.host + '/ws' + query);
    ws.onmessage = (e) => {
      alive();
      let m;
      try { m = JSON.parse(e.data); } catch (err) { return; }
      if (m.t === 'state') retryDelay = 1000;
      on.message(m);
    };
    ws.onclose = (e) => lost(e.code);
    alive();
  }

  connect();
  return (what) => {
    if (ws && ws.readyState === WebSocket.OPEN) ws.send(JSON.stringify(what));
  };
}

// The counter's colour made readable on the page's background, both "#RRGGBB": contrast at least
// 4.5:1 by the colours' relative luminance. A colour that nearly reads is lightened (on a dark
// background) or darkened just enough, keeping its hue; one that hardly shows at all (below 2:1)
// gives way to white or black.
function readableOn(color, background) {
  const rgb = (c) => [1, 3, 5].map((i) => parseInt(c.substr(i, 2), 16));
  const luminance = (c) => {
    const [r, g, b] = c.map((v) => {
      const x = v / 255;
      return x <= 0.04045 ? x / 12.92 : Math.pow((x + 0.055) / 1.055, 2.4);
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
  };
  const contrast = (a, b) => {
    const la = luminance(a), lb = luminance(b);
    return (Math.max(la, lb) + 0.05) / (Math.min(la, lb) + 0.05);
  };
  const hex = (c) => '#' + c.map((v) => v.toString(16).padStart(2, '0')).join('');
  if (!/^#[0-9a-fA-F]{6}$/.test(color) || !/^#[0-9a-fA-F]{6}$/.test(background)) return color;
  const fg = rgb(color), bg = rgb(background);
  const toward = contrast([255, 255, 255], bg) >= contrast([0, 0, 0], bg) ? 255 : 0;
  if (contrast(fg, bg) >= 4.5) return color;
  if (contrast(fg, bg) < 2) return hex([toward, toward, toward]);
  for (let step = 1; step <= 20; ++step) {
    const mixed = fg.map((v) => Math.round(v + ((toward - v) * step) / 20));
    if (contrast(mixed, bg) >= 4.5) return hex(mixed);
  }
  return hex([toward, toward, toward]);
}
