// The page's DOM mirror of the program's top window, for assistive
// technology: native elements (buttons, a toggle button, a range input, a
// table, texts) kept in step with the window's accessible description,
// each at its control's place under the canvas, so that a sighted student
// sees only the canvas. The program's focus and the DOM focus are one: the
// program moves the DOM focus, and a screen reader's focus, click or slider
// move on an element is queued for the program like any input. The focus
// ring is drawn over the canvas here, 2 CSS pixels wide at every scale, and
// the live region speaks the program's news.
(function () {
  var page = Module.tervanPage;
  var layer = document.getElementById('mirror');
  var ring = document.getElementById('ring');
  var news = document.getElementById('news');
  var input = document.getElementById('typing');
  var shown = null;   // the description the elements stand for
  var elements = [];  // one element per item, or null for the text input's
  var keys = [];      // each element's stop, as "c3" or "p1020"
  var focusing = false;
  var kNewsKept = 10;
  var kControl = 1, kPart = 2;

  function keyOf(item) { return item.stop + item.index; }
  function isTyped(item) { return item.role === 'edit' && !item.readOnly; }

  function setAttr(el, name, value) {
    if (value === null || value === undefined || value === false) {
      if (el.hasAttribute(name)) el.removeAttribute(name);
    } else if (el.getAttribute(name) !== String(value)) {
      el.setAttribute(name, String(value));
    }
  }
  function setText(el, text) {
    if (el.textContent !== text) el.textContent = text;
  }

  // A hidden note that says more about an element (a toggle's state, a
  // slider's second sentence), read after its name.
  function describe(el, item, text) {
    var id = 'mirror-note-' + keyOf(item);
    var note = document.getElementById(id);
    if (!text) {
      if (note) note.remove();
      setAttr(el, 'aria-describedby', null);
      return;
    }
    if (!note) {
      note = document.createElement('span');
      note.id = id;
      note.hidden = true;
      layer.appendChild(note);
    }
    setText(note, text);
    setAttr(el, 'aria-describedby', id);
  }

  function create(item) {
    switch (item.role) {
      case 'button':
      case 'toggle': {
        var b = document.createElement('button');
        b.type = 'button';
        return b;
      }
      case 'slider': {
        var r = document.createElement('input');
        r.type = 'range';
        r.step = '1';
        r.addEventListener('input', function () {
          // A screen reader moved it: the program moves the branch by as
          // many keys, and the range shows where it really stands.
          var item = shown && shown.items[elements.indexOf(r)];
          if (!item) return;
          var steps = Math.round(r.valueAsNumber - item.now);
          r.value = String(item.now);
          if (steps !== 0) Module.tervanPush(12, [item.index, steps]);
        });
        return r;
      }
      case 'edit': {
        var e = document.createElement('input');
        e.type = 'text';
        e.readOnly = true;
        return e;
      }
      case 'table':
        return document.createElement('table');
      default:
        return document.createElement('p');
    }
  }

  function fillTable(table, item) {
    var rows = JSON.stringify(item.rows) + item.name;
    if (table.dataset.rows === rows) return;
    table.dataset.rows = rows;
    table.textContent = '';
    table.createCaption().textContent = item.name;
    item.rows.forEach(function (cells, r) {
      var row = (r === 0 ? table.createTHead() : table.tBodies[0] || table.createTBody()).insertRow();
      cells.forEach(function (text) {
        var cell = document.createElement(r === 0 ? 'th' : 'td');
        if (r === 0) cell.scope = 'col';
        cell.textContent = text;
        row.appendChild(cell);
      });
    });
  }

  function update(el, item) {
    switch (item.role) {
      case 'button':
        setText(el, item.name);
        el.disabled = !item.enabled;
        break;
      case 'toggle':
        setText(el, item.name);
        setAttr(el, 'aria-pressed', item.pressed ? 'true' : 'false');
        describe(el, item, [item.value, item.description].filter(Boolean).join('. '));
        break;
      case 'slider':
        setAttr(el, 'aria-label', item.name);
        setAttr(el, 'aria-orientation', 'vertical');
        el.min = String(item.min);
        el.max = String(item.max);
        if (el.value !== String(item.now)) el.value = String(item.now);
        setAttr(el, 'aria-valuetext', item.value);
        describe(el, item, item.description);
        break;
      case 'edit':
        setAttr(el, 'aria-label', item.name);
        if (el.value !== item.value) el.value = item.value;
        break;
      case 'table':
        fillTable(el, item);
        break;
      default:
        setText(el, item.value ? item.name + ': ' + item.value : item.name);
    }
    // Only the program's tab stops take the focus, and only from it.
    if (el.tagName !== 'P' && el.tagName !== 'TABLE') setAttr(el, 'tabindex', item.focusable ? 0 : -1);
  }

  // Each element at its control's place, the canvas over it.
  function place() {
    var s = page.scale;
    if (shown) {
      shown.items.forEach(function (item, i) {
        var el = elements[i];
        if (!el) return;
        el.style.left = item.x * s + 'px';
        el.style.top = item.y * s + 'px';
        el.style.width = item.w * s + 'px';
        el.style.height = item.h * s + 'px';
      });
    }
    var r = shown && shown.ring;
    ring.hidden = !r;
    if (r) {
      ring.style.left = r[0] * s + 'px';
      ring.style.top = r[1] * s + 'px';
      ring.style.width = r[2] * s + 'px';
      ring.style.height = r[3] * s + 'px';
      ring.style.outlineColor = shown.ringColours[0];
      ring.style.boxShadow = '0 0 0 3px ' + shown.ringColours[1];
    }
  }
  page.placeMirror = place;

  // The DOM focus goes where the program's focus is (the text input takes
  // it for the edit it stands behind).
  function followFocus() {
    if (!shown || shown.focus < 0 || page.isEnded || menuShown) return;
    var el = elements[shown.focus];
    if (!el || document.activeElement === el) return;
    focusing = true;
    el.focus({ preventScroll: true });
    focusing = false;
  }
  page.followFocus = followFocus;

  page.mirror = function (m) {
    if (!m) {
      shown = null;
      elements = [];
      keys = [];
      layer.textContent = '';
      place();
      return;
    }
    var newKeys = m.items.map(keyOf);
    var same = shown && shown.window === m.window && newKeys.join() === keys.join();
    if (!same) {
      // Another window, or other parts in it: built anew, in reading order.
      layer.textContent = '';
      layer.setAttribute('role', m.role === 'alert' ? 'alertdialog' : 'dialog');
      elements = m.items.map(function (item) {
        if (isTyped(item)) return null;
        var el = create(item);
        el.className = 'mirror-item';
        layer.appendChild(el);
        return el;
      });
      keys = newKeys;
    }
    setAttr(layer, 'aria-label', m.name || document.title);
    m.items.forEach(function (item, i) {
      if (isTyped(item)) setAttr(input, 'aria-label', item.name);
      else update(elements[i], item);
    });
    shown = m;
    place();
    followFocus();
  };

  function stopOf(target) {
    var i = elements.indexOf(target);
    if (i < 0 || !shown) return null;
    var item = shown.items[i];
    return [item.stop === 'c' ? kControl : kPart, item.index];
  }
  // A screen reader's focus on an element is the program's focus there.
  layer.addEventListener('focusin', function (e) {
    if (focusing) return;
    var stop = stopOf(e.target);
    if (stop && elements.indexOf(e.target) !== shown.focus) Module.tervanPush(10, stop);
  });
  // A click reaches an element only from assistive technology: the canvas
  // covers them, and the page takes Return and Space itself.
  layer.addEventListener('click', function (e) {
    var target = e.target.closest('button');
    var stop = target && stopOf(target);
    if (!stop) return;
    e.preventDefault();
    Module.tervanPush(11, stop);
  });
  // A pointer on the canvas leaves the DOM focus where the program has it.
  window.addEventListener('pointerup', function () { setTimeout(followFocus, 0); });

  // The context menu, while it is open: a menu of items at their places,
  // the DOM focus on the item the keys have chosen; a screen reader's click
  // on one chooses it. Closed, the focus goes back where the program has it.
  var menu = document.getElementById('menu');
  var menuShown = null;
  var beforeMenu = null; // the element that had the DOM focus as it opened
  page.menu = function (m) {
    var s = page.scale;
    if (!m) {
      var before = beforeMenu;
      menuShown = null;
      beforeMenu = null;
      menu.textContent = '';
      menu.hidden = true;
      if (before && before.isConnected) {
        focusing = true;
        before.focus({ preventScroll: true });
        focusing = false;
      }
      followFocus();
      return;
    }
    if (!menuShown) beforeMenu = document.activeElement;
    var texts = m.items.map(function (item) { return item.text; }).join('\n');
    if (!menuShown || menuShown.texts !== texts) {
      menu.textContent = '';
      m.items.forEach(function (item, i) {
        var b = document.createElement('button');
        b.type = 'button';
        b.className = 'mirror-item';
        b.setAttribute('role', 'menuitem');
        b.tabIndex = -1;
        b.textContent = item.text;
        b.addEventListener('click', function (e) {
          e.preventDefault();
          Module.tervanPush(13, [i]);
        });
        menu.appendChild(b);
      });
    }
    menuShown = { texts: texts, items: m.items };
    menu.hidden = false;
    m.items.forEach(function (item, i) {
      var b = menu.children[i];
      b.style.left = item.x * s + 'px';
      b.style.top = item.y * s + 'px';
      b.style.width = item.w * s + 'px';
      b.style.height = item.h * s + 'px';
    });
    var hot = menu.children[m.hot >= 0 ? m.hot : 0];
    if (hot && document.activeElement !== hot) {
      focusing = true;
      hot.focus({ preventScroll: true });
      focusing = false;
    }
  };

  page.announce = function (text) {
    var line = document.createElement('p');
    // A message's line breaks are where its window wrapped it; read, it is
    // one run of words.
    line.textContent = text.replace(/\s*\n\s*/g, ' ');
    news.appendChild(line);
    while (news.childNodes.length > kNewsKept) news.removeChild(news.firstChild);
  };
})();
