// The test page's own calls into the page (declared in TestHooks.cpp): its
// address's parameters, the journal of the run, the timers' ticks, the
// canvas kept at checkpoints, and the top window for the tests to read
// (Module.tervanTest, which the page sets up).
mergeInto(LibraryManager.library, {
  tervan_test_param: function (name, fallback) {
    var value = new URLSearchParams(location.search).get(UTF8ToString(name));
    return value === null ? fallback : Number(value);
  },

  tervan_test_record: function (line) {
    Module.tervanTest.journal.push(UTF8ToString(line));
  },

  tervan_test_tick: function (id) {
    var test = Module.tervanTest;
    test.ticks[id] = (test.ticks[id] || 0) + 1;
    test.tickTimes.push([id, performance.now()]);
  },

  tervan_test_snapshot: function (number) {
    var page = Module.tervanPage;
    var image = page.context.getImageData(0, 0, page.canvas.width, page.canvas.height);
    Module.tervanTest.snapshots[number] = image.data;
  },

  tervan_test_state: function (json) {
    Module.tervanTest.state = JSON.parse(UTF8ToString(json));
  }
});
