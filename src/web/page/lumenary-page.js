// The page's side of the program: its canvas and the drawing the module asks for, the fonts,
// the pictures' copies, and the page's input handed to the module. Runs before the module.
var Lumenary = {};

Lumenary.canvas = {
  element: null,
  context: null,
  resize(width, height) {
    const element = this.element;
    if (element.width !== width) element.width = width;
    if (element.height !== height) element.height = height;
    this.context = element.getContext('2d', { alpha: false });
  },
  dottedOutline(x, y, w, h, t, colour) {
    const context = this.context;
    context.save();
    context.strokeStyle = colour;
    context.lineWidth = t;
    context.setLineDash([t, 2 * t]);
    context.strokeRect(x + t / 2, y + t / 2, w - t, h - t);
    context.restore();
  },
  // Lines broken at spaces to fit the design width, as the desktop's word wrap breaks them; a
  // word wider than the box stays whole.
  lines(context, text, width) {
    const lines = [];
    for (const paragraph of text.split(/\r?\n/)) {
      let line = '';
      for (const word of paragraph.split(' ')) {
        const tried = line === '' ? word : line + ' ' + word;
        if (line !== '' && context.measureText(tried).width > width) {
          lines.push(line);
          line = word;
        } else {
          line = tried;
        }
      }
      lines.push(line);
    }
    return lines;
  },
  text(font, colour, left, top, width, height, scale, align, middle, nudge, text) {
    const context = this.context;
    context.save();
    context.translate(left, top);
    context.scale(scale, scale);
    context.beginPath();
    context.rect(0, 0, width, height);
    context.clip();
    context.font = font;
    context.fillStyle = colour;
    context.textBaseline = 'alphabetic';
    context.textAlign = 'left';
    // Whole pixels, rounded up as the desktop's font engine rounds a hinted face's extents.
    const metrics = context.measureText('Hg');
    const ascent = Math.ceil(metrics.fontBoundingBoxAscent);
    const lineHeight = ascent + Math.ceil(metrics.fontBoundingBoxDescent);
    const lines = this.lines(context, text, width);
    let y = middle ? Math.round((height - lines.length * lineHeight) / 2) : 0;
    for (const line of lines) {
      const lineWidth = context.measureText(line).width;
      const x = align === 'left' ? 0 : align === 'right' ? width - lineWidth : Math.round((width - lineWidth) / 2);
      context.fillText(line, x, y + ascent);
      if (nudge) context.fillText(line, x + 1, y + ascent);
      y += lineHeight;
    }
    context.restore();
  },
};

// A picture's pixels as a canvas of their own, and its sharper copies from the site's folder.
Lumenary.pictures = {
  held: new Map(),
  add(id, bgra, width, height, sitePath) {
    const copy = document.createElement('canvas');
    copy.width = width;
    copy.height = height;
    // Blue and red change places, a pixel at a time (the module's pixels are 32-bit aligned).
    const data = new ImageData(width, height);
    const from = new Uint32Array(bgra.buffer, bgra.byteOffset, Math.floor(bgra.length / 4));
    const to = new Uint32Array(data.data.buffer);
    for (let i = 0; i < Math.min(from.length, to.length); ++i) {
      const pixel = from[i];
      to[i] = (pixel & 0xff00ff00) | ((pixel >>> 16) & 0xff) | ((pixel & 0xff) << 16);
    }
    copy.getContext('2d').putImageData(data, 0, 0);
    this.held.set(id, { copy, width, height, sitePath, sharper: new Map() });
  },
  forget(id) { this.held.delete(id); },
  factors: [2, 3],
  // The smallest copy at least the painted size, or the largest; the picture itself meanwhile.
  sharpest(picture, w, h) {
    if (!picture.sitePath || (w <= picture.width && h <= picture.height)) return picture.copy;
    const wanted = this.factors.find((f) => picture.width * f >= w && picture.height * f >= h) ||
                   this.factors[this.factors.length - 1];
    let sharper = picture.sharper.get(wanted);
    if (!sharper) {
      sharper = new Image();
      picture.sharper.set(wanted, sharper);
      sharper.onload = () => {
        if (sharper.naturalWidth === picture.width * wanted && sharper.naturalHeight === picture.height * wanted)
          Module._lumenary_repaint();
      };
      sharper.src = picture.sitePath.replace(/(\.[^.\/]*)$/, '@' + wanted + 'x$1');
    }
    const ready = sharper.complete && sharper.naturalWidth === picture.width * wanted;
    return ready ? sharper : picture.copy;
  },
  draw(id, x, y, w, h) {
    const picture = this.held.get(id);
    if (!picture) return;
    const context = Lumenary.canvas.context;
    context.imageSmoothingEnabled = true;
    context.imageSmoothingQuality = 'high';
    context.drawImage(this.sharpest(picture, w, h), x, y, w, h);
  },
};

// Each activity's pictures, in a script of their own (packs/NAME.js, which a page from the file
// system may load where it may not fetch), written into the module's files when it arrives.
// Input that comes while one is on its way waits for it, and then runs in order.
Lumenary.packs = {
  requested: new Map(),  // name -> promise, settled when the pack has arrived or failed
  arrivals: new Map(),   // name -> the function that settles its promise
  pending: 0,
  held: [],
  need(name) {
    if (!/^[a-z0-9]+$/.test(name)) return Promise.resolve();
    if (!this.requested.has(name)) {
      ++this.pending;
      const settled = new Promise((resolve) => {
        this.arrivals.set(name, resolve);
        const script = document.createElement('script');
        script.src = `packs/${name}.js`;
        // Without it, the program names the picture it cannot read, as the desktop does.
        script.onerror = () => resolve();
        document.head.appendChild(script);
      }).then(() => {
        --this.pending;
        this.release();
      });
      this.requested.set(name, settled);
    }
    return this.requested.get(name);
  },
  arrived(name, files) {
    try {
      // (Written without destructuring, which emscripten's optimiser misreads in a for-of.)
      for (const path of Object.keys(files)) {
        const binary = atob(files[path]);
        const bytes = new Uint8Array(binary.length);
        for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
        const file = '/lumenary/' + path;
        FS.mkdirTree(file.slice(0, file.lastIndexOf('/')));
        FS.writeFile(file, bytes);
      }
    } finally {
      const settle = this.arrivals.get(name);
      if (settle) settle();
    }
  },
  // Runs `act` now, or after every pack on its way, in the order the input came.
  act(act) {
    this.held.push(act);
    this.release();
  },
  release() {
    while (this.pending === 0 && this.held.length > 0) this.held.shift()();
  },
};

// The top screen's controls as elements for assistive technology, each laid over its control's
// place (device pixels from the module, CSS pixels here), unseen and letting the pointer through
// to the canvas. Elements are changed only where the screen changed.
Lumenary.mirror = {
  elements: [],
  begin(count) {
    const mirror = document.getElementById('mirror');
    while (this.elements.length > count) this.elements.pop().remove();
    this.mirror = mirror;
  },
  item(index, role, name, description, disabled, x, y, w, h) {
    let element = this.elements[index];
    if (!element || element.dataset.role !== role) {
      const made = document.createElement(role === 'button' ? 'button' : 'div');
      made.dataset.role = role;
      made.tabIndex = -1;
      if (role === 'movable') {
        // A name label: a control the keyboard picks up and carries (its description says how).
        made.setAttribute('role', 'button');
        made.setAttribute('aria-roledescription', Lumenary.texts.nameLabel);
      } else if (role === 'button') {
        made.type = 'button';
        made.addEventListener('click', () => {
          const index = this.elements.indexOf(made);
          Lumenary.packs.act(() => Module._lumenary_press(index));
        });
      } else if (role !== 'text') {
        made.setAttribute('role', role);
      }
      if (element) element.replaceWith(made);
      else this.mirror.appendChild(made);
      this.elements[index] = element = made;
    }
    const set = (attribute, value) => {
      if (value === null || value === '') element.removeAttribute(attribute);
      else if (element.getAttribute(attribute) !== value) element.setAttribute(attribute, value);
    };
    if (role === 'img' || role === 'group') set('aria-label', name);
    else if (element.textContent !== name) element.textContent = name;
    set('aria-description', description);
    set('aria-disabled', disabled ? 'true' : null);
    const ratio = window.devicePixelRatio || 1;
    const style = `left:${x / ratio}px;top:${y / ratio}px;width:${w / ratio}px;height:${h / ratio}px`;
    if (element.getAttribute('style') !== style) element.setAttribute('style', style);
  },
  // Where the page's focus is the program's, it follows the screen's.
  focus(index) {
    const active = document.activeElement;
    const ours = !active || active === document.body || this.elements.includes(active);
    if (ours && this.elements[index]) this.elements[index].focus({ preventScroll: true });
  },
  announce(text) {
    const region = document.getElementById('announcements');
    region.textContent = text;
  },
};

// The program's fonts, read from the module's files, loaded before the program starts.
Lumenary.fonts = {
  loading: [],
  add(family, bold, file) {
    const bytes = FS.readFile(file);
    const face = new FontFace(family, bytes, { weight: bold ? 'bold' : 'normal' });
    document.fonts.add(face);
    this.loading.push(face.load());
  },
};

// The document's title and the page's one heading name the screen on top.
Lumenary.setTitle = function (caption) {
  const title = caption.trim() || 'Lumenary';
  document.title = title;
  document.getElementById('heading').textContent = title;
};

// The program has stopped: its screens and their mirror go, the keys are the page's again, and
// the message takes the focus, so that the next Tab reaches its button.
Lumenary.message = function (heading, text, again) {
  Lumenary.ended = true;
  Lumenary.mirror.begin(0);
  document.getElementById('announcements').textContent = '';
  const box = document.getElementById('message');
  box.querySelector('h2').textContent = heading;
  box.querySelector('p').textContent = text;
  box.querySelector('button').hidden = !again;
  box.hidden = false;
  Lumenary.canvas.element.hidden = true;
  box.focus();
};
Lumenary.showError = function (text) { Lumenary.message('Lumenary', text, false); };
// The page's own texts, English until the program names its language.
Lumenary.texts = {ended: 'Lumenary has ended', again: 'Start it again to carry on.', startAgain: 'Start again', nameLabel: 'name label'};
Lumenary.useLanguage = function (code, texts) {
  document.documentElement.lang = code;
  Lumenary.texts = texts;
  document.querySelector('#message button').textContent = texts.startAgain;
};
Lumenary.showEnded = function () {
  Lumenary.setTitle('');
  Lumenary.message(Lumenary.texts.ended, Lumenary.texts.again, true);
};
Lumenary.showNotice = function (text) {
  const notice = document.getElementById('notice');
  notice.textContent = text;
  notice.hidden = false;
};

// A string in the module's memory for the length of one call. (Built from the runtime's oldest
// helpers: emscripten's one-call helper for this has changed its name between versions.)
Lumenary.withString = function (text, use) {
  const size = lengthBytesUTF8(text) + 1;
  const address = _malloc(size);
  try {
    stringToUTF8(text, address, size);
    return use(address);
  } finally {
    _free(address);
  }
};

Lumenary.sizeInDevicePixels = function () {
  const ratio = window.devicePixelRatio || 1;
  return [Math.round(window.innerWidth * ratio), Math.round(window.innerHeight * ratio)];
};

// The page's input, in the canvas's device pixels.
Lumenary.listen = function () {
  const element = Lumenary.canvas.element;
  const kinds = { mouse: 0, touch: 1, pen: 2 };
  const buttonBits = [1, 4, 2];  // the page's main, middle and secondary buttons as the program's bits
  const bitsOf = (buttons) => (buttons & 1) | (buttons & 2 ? 2 : 0) | (buttons & 4 ? 4 : 0);
  const shiftOf = (e) => (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0);
  const at = (e) => {
    const box = element.getBoundingClientRect();
    const ratio = window.devicePixelRatio || 1;
    return [(e.clientX - box.left) * ratio, (e.clientY - box.top) * ratio];
  };
  const act = (input) => Lumenary.packs.act(input);
  // A notice (an activity the address named that does not exist) goes once the page is used.
  const dismissNotice = () => { document.getElementById('notice').hidden = true; };
  element.addEventListener('pointerdown', dismissNotice, { once: true });
  window.addEventListener('keydown', dismissNotice, { once: true });
  element.addEventListener('pointerdown', (e) => {
    e.preventDefault();
    if (e.pointerType === 'mouse') element.setPointerCapture(e.pointerId);
    const [x, y] = at(e), kind = kinds[e.pointerType] || 0, button = buttonBits[e.button] || 0;
    act(() => Module._lumenary_pointer_down(kind, e.pointerId, x, y, button, bitsOf(e.buttons), shiftOf(e)));
  });
  element.addEventListener('pointermove', (e) => {
    const [x, y] = at(e), kind = kinds[e.pointerType] || 0;
    act(() => Module._lumenary_pointer_move(kind, e.pointerId, x, y, bitsOf(e.buttons), shiftOf(e)));
  });
  element.addEventListener('pointerup', (e) => {
    const [x, y] = at(e), kind = kinds[e.pointerType] || 0, button = buttonBits[e.button] || 0;
    act(() => Module._lumenary_pointer_up(kind, e.pointerId, x, y, button, bitsOf(e.buttons), shiftOf(e)));
  });
  element.addEventListener('pointercancel', (e) => act(() => Module._lumenary_pointer_cancel(kinds[e.pointerType] || 0, e.pointerId)));
  element.addEventListener('contextmenu', (e) => e.preventDefault());
  window.addEventListener('keydown', (e) => {
    if (Lumenary.ended || e.ctrlKey || e.altKey || e.metaKey) return;
    // A held Enter or Space clicks once, as a held mouse button does.
    if (e.repeat && (e.key === 'Enter' || e.key === ' ')) {
      e.preventDefault();
      return;
    }
    // Escape, when the form has no use for it (or has not seen it yet), is the page's too: it
    // leaves the browser's full screen.
    let used = false;
    act(() => { used = Lumenary.withString(e.key, (name) => Module._lumenary_key(name, e.shiftKey ? 1 : 0)); });
    if (used || e.key !== 'Escape') e.preventDefault();
  });
  const resize = () => act(() => Module._lumenary_resize(...Lumenary.sizeInDevicePixels()));
  window.addEventListener('resize', resize);
  // A window dragged to a display of another density changes the ratio without a resize.
  const watchRatio = () => matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', () => {
    resize();
    watchRatio();
  }, { once: true });
  watchRatio();
};

// Marks on the page's timeline (performance.getEntriesByType('mark')), for measuring its start.
Module.onRuntimeInitialized = function () {
  performance.mark('lumenary-module-ready');
  Lumenary.canvas.element = document.getElementById('screen');
  Lumenary.canvas.resize(...Lumenary.sizeInDevicePixels());
};

// Offline after one visit, where the browser allows a service worker (HTTPS or localhost; a page
// opened from the file system is already on the device). Registered once the first screen is
// drawn: it then keeps every activity's pictures too, behind the page.
Lumenary.keepOffline = function () {
  if ('serviceWorker' in navigator && /^https?:$/.test(location.protocol))
    navigator.serviceWorker.register('service-worker.js').catch(() => undefined);
};

Module.postRun = [function () {
  Promise.all(Lumenary.fonts.loading).then(() => {
    performance.mark('lumenary-fonts-loaded');
    Lumenary.listen();
    // Started in an activity, the program needs its pictures first.
    const address = new URLSearchParams(window.location.search);
    const activity = address.get('activity') || '';
    // ?lang=CODE, else the browser's languages in the user's order.
    const languages = address.get('lang') || (navigator.languages || [navigator.language || '']).join(',');
    if (activity) Lumenary.packs.need(activity);
    Lumenary.packs.act(() => {
      Lumenary.withString(activity, (name) => Lumenary.withString(languages,
        (codes) => Module._lumenary_start(name, codes, ...Lumenary.sizeInDevicePixels())));
      performance.mark('lumenary-first-paint-drawn');
      document.documentElement.dataset.started = 'yes';
      setTimeout(Lumenary.keepOffline, 0);
    });
  }, (error) => Lumenary.showError('The program\'s fonts cannot be loaded: ' + error));
}];
