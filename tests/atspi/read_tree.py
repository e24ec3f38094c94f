#!/usr/bin/python3
"""The real program read as a screen reader reads it: through AT-SPI.

Run inside a virtual display and a session bus (run.sh) while the program
runs. Presses "Entra" on the title, then reads the main window's tree:
every control and bench part by role, name, description and state; presses
buttons and the valve through the accessible actions a screen reader uses,
types a level through the edit's text interface, and meets the warning as
an alert that holds the focus. Writes each tree it reads to the folder
given, and exits non-zero on the first thing that is not as the program
describes it.
"""
import os
import sys
import time

import pyatspi

ARTEFACTS = sys.argv[1] if len(sys.argv) > 1 else "."
FAILURES = []


def wait_for(what, find, seconds=30.0):
    """Polls `find` until it gives something; the bus answers in its own time."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = find()
        except Exception:  # an object that went away while being read
            found = None
        if found:
            return found
        time.sleep(0.1)
    sys.exit("never found: " + what)


def expect(condition, what):
    if not condition:
        FAILURES.append(what)
        print("NOT AS DESCRIBED:", what)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "tervan":
            return app
    return None


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def window(named=None, role=None):
    app = application()
    if app is None:
        return None
    for w in app:
        if w is None or not w.getState().contains(pyatspi.STATE_SHOWING):
            continue
        if (named is None or w.name == named) and (role is None or w.getRole() == role):
            return w
    return None


def item(win, role, name):
    for node in descendants(win):
        if node.getRole() == role and node.name == name:
            return node
    return None


def line(node):
    states = node.getState()
    text = '%s "%s"' % (node.getRoleName(), node.name)
    if node.description:
        text += ' = "%s"' % node.description
    if not states.contains(pyatspi.STATE_ENABLED):
        text += " disabled"
    if states.contains(pyatspi.STATE_FOCUSED):
        text += " focused"
    if states.contains(pyatspi.STATE_CHECKED) or states.contains(pyatspi.STATE_PRESSED):
        text += " pressed"
    if node.getRole() == pyatspi.ROLE_TABLE:
        table = node.queryTable()
        text += "\n  |" + "".join(
            " %s |" % table.getColumnDescription(c) for c in range(table.nColumns))
        for r in range(table.nRows):
            text += "\n  |" + "".join(
                " %s |" % table.getAccessibleAt(r, c).name for c in range(table.nColumns))
    return text


def tree(win, name):
    """Every item a screen reader can reach in `win`, one a line."""
    lines = ['%s "%s"' % (win.getRoleName(), win.name)]
    for node in descendants(win):
        if node.getRole() in (pyatspi.ROLE_PANEL, pyatspi.ROLE_FILLER):
            continue
        lines.append(line(node))
    text = "\n".join(lines) + "\n"
    with open(os.path.join(ARTEFACTS, "atspi-" + name + ".txt"), "w") as f:
        f.write(text)
    return text


def press(node):
    node.queryAction().doAction(0)


def note_level(main, button, text):
    """Presses `button` once enabled and types `text` into the level dialog."""
    press(wait_for(button + " enabled", lambda: (
        lambda b: b if b.getState().contains(pyatspi.STATE_ENABLED) else None)(
            item(main, pyatspi.ROLE_PUSH_BUTTON, button))))
    level = wait_for("the level dialog's edit", lambda: item(
        window(role=pyatspi.ROLE_DIALOG, named=""), pyatspi.ROLE_TEXT,
        "Nivell del Mercuri a la branca dreta"))
    level.queryEditableText().setTextContents(text)
    press(item(window(role=pyatspi.ROLE_DIALOG, named=""), pyatspi.ROLE_PUSH_BUTTON, "OK"))


def main():
    title = wait_for("the title dialog's Entra",
                     lambda: item(window(), pyatspi.ROLE_PUSH_BUTTON, "Entra"))
    press(title)
    main = wait_for("the main window", lambda: window("TERVAN"))
    wait_for("the bench's parts", lambda: item(main, pyatspi.ROLE_SLIDER,
                                               "Branca dreta del manòmetre"))
    start = tree(main, "start")
    print(start)
    expect(main.getRole() == pyatspi.ROLE_DIALOG, "the main window is a dialog")
    expect("Cancelar" not in start, "the hidden Cancelar is not exposed")
    for expected in ['push button "Sortir" focused', 'push button "Anota valors inicials"',
                     'push button "Tanca Botella" disabled',
                     'text "Temperatura del gas en ºC"', 'label "Temperatura del Gas"',
                     # Qt 6.4 has no toggle role: a checkable push button.
                     'push button "Clau de pas" = "oberta"',
                     'slider "Branca dreta del manòmetre" = "nivell del mercuri al regle: ',
                     'label "Temperatura de l\'aigua" = "',
                     'label "Botella" = "oberta, sobre el banc"',
                     'label "Quadern, pàgina 1" = "Pràctica Ombrina"']:
        expect(expected in start, "the start's tree has " + expected)
    branch = item(main, pyatspi.ROLE_SLIDER, "Branca dreta del manòmetre")
    value = branch.queryValue()
    expect(value.minimumValue == 0 and value.maximumValue == 620,
           "the branch's range is its 620 rows")

    press(item(main, pyatspi.ROLE_PUSH_BUTTON, "Anota valors inicials"))
    wait_for("the initial values on the cover",
             lambda: "Mesures prèvies" in item(main, pyatspi.ROLE_LABEL,
                                               "Quadern, pàgina 1").description)
    press(item(main, pyatspi.ROLE_PUSH_BUTTON, "Tanca Botella"))
    wait_for("the bottle closed",
             lambda: item(main, pyatspi.ROLE_LABEL, "Botella").description == "tancada")

    note_level(main, "Anota nivell inicial", "12,5")
    wait_for("the initial level noted", lambda: "Nivell Hg inicial: 12,5 cm" in item(
        main, pyatspi.ROLE_LABEL, "Quadern, pàgina 1").description or None)

    # Submerging with the valve still open: the warning is an alert that
    # takes the focus.
    press(item(main, pyatspi.ROLE_PUSH_BUTTON, "Submergir Botella"))
    alert = wait_for("the warning", lambda: window(role=pyatspi.ROLE_ALERT))
    warning = tree(alert, "warning")
    print(warning)
    expect("Abans de submergir la botella" in warning, "the alert says why")
    expect(" focused" in warning, "the alert holds the focus")
    press(item(alert, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    wait_for("the warning closed", lambda: window(role=pyatspi.ROLE_ALERT) is None or None)

    # The valve by its action, as a screen reader presses it.
    valve = item(main, pyatspi.ROLE_PUSH_BUTTON, "Clau de pas")
    press(valve)
    wait_for("the valve closed", lambda: valve.description == "tancada" or None)
    expect(valve.getState().contains(pyatspi.STATE_CHECKED), "a closed valve is checked")
    closed = tree(main, "valve-closed")
    print(closed)
    expect('push button "Clau de pas" = "tancada" focused pressed' in closed,
           "the pressed valve holds the focus, closed")

    # Submerged (the bath fills for ten seconds), a row noted: the notebook's
    # page is a table of its rows.
    press(item(main, pyatspi.ROLE_PUSH_BUTTON, "Submergir Botella"))
    wait_for("the bottle submerged", lambda: item(
        main, pyatspi.ROLE_LABEL, "Botella").description == "submergida" or None, 60)
    note_level(main, "Anotació", "13,0")
    table = wait_for("the notebook's table",
                     lambda: item(main, pyatspi.ROLE_TABLE, "Quadern, pàgina 2"))
    wait_for("the row in the table", lambda: table.queryTable().nRows == 2 or None)
    noted = tree(main, "noted")
    print(noted)
    expect("  | Núm. | T (ºC) | h (cm) |\n  | 1 | " in noted, "the table's headings and row 1")
    expect(" | 2 | " in noted and " | 13,0 |" in noted, "the noted row 2 in the table")

    if FAILURES:
        sys.exit("%d thing(s) not as described" % len(FAILURES))
    print("the tree as a screen reader reads it is as the program describes it")


main()
