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
