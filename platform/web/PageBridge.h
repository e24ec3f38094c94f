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
// The top window as the page's DOM mirror shows it to assistive technology
// (MirrorJson.h says what the JSON holds), with the focus ring's place.
void tervan_mirror(const char* json);
// News a screen reader speaks at once (a warning, a noted row): the page's
// live region.
void tervan_announce(const char* text);
// The open context menu as the mirror shows it to assistive technology
// ({"hot", "items": [{"text", "x", "y", "w", "h"}]} on the page), or "null".
void tervan_menu(const char* json);
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
    // 8 is the test page's own; kinds this backend does not know go to a listener.
    kLongPress = 9,       // x, y: a finger held still on the canvas
    kMirrorFocus = 10,    // stop kind (1 a control, 2 a part), its index or ID
    kMirrorActivate = 11, // stop kind, index or ID: a screen reader's click
    kMirrorStep = 12,     // part ID, steps up (negative: down): a slider moved
    kMenuChoose = 13,     // item index: a screen reader's choice in the open menu
};

enum PageKey {
    kKeyTab = 1,
    kKeyReturn = 2,
    kKeyEscape = 3,
    kKeySpace = 4,
    kKeyArrowUp = 5,
    kKeyArrowDown = 6,
    kKeyArrowLeft = 7,
    kKeyArrowRight = 8,
    kKeyPageUp = 9,
    kKeyPageDown = 10,
    kKeyHome = 11,
    kKeyEnd = 12,
    kKeyF1 = 13,
    kKeyMenu = 14, // the Menu key or Shift+F10: the window's menu
};
