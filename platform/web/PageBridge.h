// The calls from the program into the page's JavaScript (page.js). The page
// never calls into the program: its event handlers only queue what happened,
// and the program takes the events from the queue when it is ready.
#pragma once

extern "C" {
// Sizes the canvas to the page's screen, w x h pixels.
void tervan_page_init(int w, int h);
// Puts w x h pixels (RGBA bytes at `rgba`) on the canvas at (x, y).
void tervan_present(const unsigned char* rgba, int x, int y, int w, int h);
// Milliseconds since the page started.
double tervan_now();
// Waits `ms` milliseconds, or less when `wakeOnEvent` and an event comes:
// the program's loops give the browser its thread back here.
void tervan_wait(int ms, int wakeOnEvent);
// Takes the oldest queued event: returns its kind (0 when the queue is
// empty) and writes its numbers to fields[0..5] and the byte length of its
// text to fields[6].
int tervan_next_event(int* fields);
// Copies the text of the event last taken, UTF-8, with a closing 0.
void tervan_event_text(char* buffer, int size);
int tervan_pending_events();
// Puts the page's text input over the screen rectangle (x, y, w, h) with
// this text and selection (byte offsets of the UTF-8 text), focused or not;
// w == 0 takes it away.
void tervan_bind_input(int x, int y, int w, int h, int fontPx, const char* text, int selStart,
                       int selEnd, int focused);
// The page's title (a main window's caption).
void tervan_set_title(const char* title);
// Whether closing or reloading the page must ask first.
void tervan_set_work_at_risk(int atRisk);
// The program has ended: the page says so and offers to start it again.
void tervan_program_ended();
// Hands `size` bytes to the browser as a download named `name`.
void tervan_save_file(const char* name, const unsigned char* bytes, int size, const char* mimeType);
// A printout titled `title`, replacing the last one; each sheet is w x h
// RGBA pixels enlarged `factor` times, printed `dpi` of its pixels to an
// inch, with its caption; then the browser's print.
void tervan_print_begin(const char* title);
void tervan_print_sheet(const unsigned char* rgba, int w, int h, int factor, int dpi,
                        const char* caption);
void tervan_print_end();
// Opens the document `name`, beside the page, in a new tab; 0 when the
// browser would not.
int tervan_open_document(const char* name);
}

// The kinds of queued events, as page.js numbers them.
enum PageEvent {
    kEventNone = 0,
    kPointerDown = 1, // x, y, pointer kind (0 mouse, 1 touch, 2 pen)
    kPointerMove = 2, // x, y, buttons held
    kPointerUp = 3,   // x, y
    kPointerCancel = 4,
    kKeyPress = 5,    // key (PageKey), shift
    kEditState = 6,   // selection start, end, backwards; the text
    kContextMenu = 7, // x, y
    // Kinds past these are the test page's own.
};

enum PageKey {
    kKeyTab = 1,
    kKeyReturn = 2,
    kKeyEscape = 3,
    kKeySpace = 4,
    kKeyArrowUp = 5,
    kKeyArrowDown = 6,
    kKeyMenu = 7, // the Menu key or Shift+F10: the window's menu
};
