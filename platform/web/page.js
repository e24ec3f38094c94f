// The program's calls into the page (declared in PageBridge.h). The page itself, its canvas, text input and event
// handlers, is shell.html: its handlers only queue events on
// Module.tervanQueue, and the program takes them from here.
mergeInto(LibraryManager.library, {
  tervan_page_init: function (w, h) {
    Module.tervanPage.init(w, h);
  },

  tervan_present: function (rgba, x, y, w, h) {
    var bytes = new Uint8ClampedArray(HEAPU8.buffer, rgba, w * h * 4);
    Module.tervanPage.context.putImageData(new ImageData(bytes, w, h), x, y);
  },

  tervan_now: function () {
    return performance.now();
  },

  tervan_wait__deps: ['$Asyncify'],
  tervan_wait: function (ms, wakeOnEvent) {
    return Asyncify.handleSleep(function (wakeUp) {
      var done = false;
      var finish = function () {
        if (done) return;
        done = true;
        clearTimeout(timer);
        if (Module.tervanWake === finish) Module.tervanWake = null;
        wakeUp();
      };
      var timer = setTimeout(finish, ms);
      if (wakeOnEvent) Module.tervanWake = finish;
    });
  },

  tervan_next_event: function (fields) {
    var event = Module.tervanQueue.shift();
    if (!event) return 0;
    var base = fields >> 2;
    for (var i = 0; i < 6; ++i) HEAP32[base + i] = event.fields[i] | 0;
    Module.tervanEventText = event.text || '';
    HEAP32[base + 6] = lengthBytesUTF8(Module.tervanEventText);
    return event.kind;
  },

  tervan_event_text: function (buffer, size) {
    stringToUTF8(Module.tervanEventText, buffer, size);
  },

  tervan_pending_events: function () {
    return Module.tervanQueue.length;
  },

  tervan_bind_input: function (x, y, w, h, fontPx, text, selStart, selEnd, focused) {
    Module.tervanPage.bindInput(x, y, w, h, fontPx, UTF8ToString(text), selStart, selEnd,
                                focused !== 0);
  },

  tervan_set_title: function (title) {
    document.title = UTF8ToString(title);
  },

  tervan_set_work_at_risk: function (atRisk) {
    Module.tervanPage.workAtRisk = atRisk !== 0;
  },

  tervan_program_ended: function () {
    Module.tervanPage.ended();
  },

  tervan_mirror: function (json) {
    Module.tervanPage.mirror(JSON.parse(UTF8ToString(json)));
  },

  tervan_announce: function (text) {
    Module.tervanPage.announce(UTF8ToString(text));
  },

  tervan_menu: function (json) {
    Module.tervanPage.menu(JSON.parse(UTF8ToString(json)));
  },

  tervan_save_file: function (name, bytes, size, mimeType) {
    var blob = new Blob([HEAPU8.slice(bytes, bytes + size)], { type: UTF8ToString(mimeType) });
    Module.tervanPage.download(UTF8ToString(name), blob);
  },

  tervan_print_begin: function (title) {
    Module.tervanPage.printBegin(UTF8ToString(title));
  },

  tervan_print_sheet: function (rgba, w, h, factor, dpi, caption) {
    var pixels = new Uint8ClampedArray(HEAPU8.slice(rgba, rgba + w * h * 4).buffer);
    Module.tervanPage.printSheet(new ImageData(pixels, w, h), factor, dpi, UTF8ToString(caption));
  },

  tervan_print_end: function () {
    Module.tervanPage.printEnd();
  },

  tervan_open_document: function (name) {
    return window.open(UTF8ToString(name), '_blank') ? 1 : 0;
  },
});
