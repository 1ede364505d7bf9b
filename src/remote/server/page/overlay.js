'use strict';
// The overlay: the counter in the signal colour (else the program's counter colour), nothing
// else. ?bg=RRGGBB gives a solid background, ?size=N the counter's height in pixels.
(() => {
  const counter = document.getElementById('counter');
  const body = document.body;
  const query = new URLSearchParams(location.search);
  const bg = query.get('bg') || '';
  const solid = /^[0-9a-fA-F]{6}$/.test(bg);
  if (solid) document.documentElement.style.background = body.style.background = '#' + bg;
  body.classList.toggle('solid', solid);
  // The digits are made readable on the solid background, or else on the dark of a stream.
  const backdrop = solid ? '#' + bg : '#000000';
  const sizeText = query.get('size') || '';
  const size = /^[0-9]{1,4}$/.test(sizeText) ? Math.min(Math.max(Number(sizeText), 8), 2000) : 0;
  let shownLength = -1;

  // The given height, else as large as the window allows.
  function fit() {
    if (size) {
      counter.style.fontSize = size + 'px';
      return;
    }
    counter.style.fontSize = '100px';
    const natural = counter.scrollWidth || 1;
    counter.style.fontSize = Math.max(8, Math.min((100 * window.innerWidth * 0.98) / natural, window.innerHeight * 0.95)) + 'px';
  }
  window.addEventListener('resize', fit);

  function show(s) {
    body.classList.remove('offline');
    if (counter.textContent !== s.counter) counter.textContent = s.counter;
    counter.style.color = readableOn(s.signal || s.color, backdrop);
    if (s.counter.length !== shownLength) {
      shownLength = s.counter.length;
      fit();
    }
  }

  fit();
  openLink('', {
    message: (m) => { if (m.t === 'state') show(m); },
    lost: () => { body.classList.add('offline'); },
  });
})();
