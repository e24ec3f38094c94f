#!/usr/bin/python3
"""The functions of the page that Asyncify must instrument: those that can
reach a wait, so that a nested loop can hand the browser its thread and
carry on where it was.

    asyncify-only.py ADVICE SCAN.wasm OUT.txt [LIBRARY.a...]
    asyncify-only.py --check PAGE.html OUT.txt

ADVICE is what the linker prints with ASYNCIFY_ADVISE for a scan link of the
page (SCAN.wasm, linked alike with function names kept). Its list is safe
but wide: it takes every call through a function pointer for one that may
wait, so that allocating memory (which may call the new-handler) counts as
waiting, and half the program with it. This script narrows it with what a
call through a pointer can reach in WebAssembly: only functions of the
table with the call's own signature. A function can wait when it calls the
wait import (or another import the advice names), calls a function that can
wait, or calls through a pointer a signature that some waiting function of
the table has: the message table's handlers, the function objects, the
backend's virtual calls stay covered that way, since a wrong list would
crash only on a path no test takes. The functions of each LIBRARY.a are left
out (FreeType's: it never waits, yet its many calls through pointers would
otherwise bring it in whole). OUT.txt gets one name a line, for
-sASYNCIFY_ONLY=@OUT.txt.

With --check, the built page's instrumented functions are compared with the
list: every name listed must have been instrumented, or the build fails
(a name the linker did not recognise would otherwise go unnoticed).
"""
import base64
import re
import subprocess
import sys
import tempfile

ADVICE = re.compile(r"^\s*(\S+) (?:is an import that|can change the state)")
IMPORT = re.compile(r'^ \(import "[^"]*" "([^"]*)" \(func \$(\S+)')
FUNC = re.compile(r"^ \(func \$(\S+)(.*)$")
PARAM = re.compile(r"\(param \$\w+ (\w+)\)")
RESULT = re.compile(r"\(result (\w+)\)")
CALL = re.compile(r"\(call \$(\S+)")
INDIRECT = re.compile(r"\(call_indirect (?:\$\w+ )?\(type \$(\S+?)\)")
ELEM = re.compile(r"^ \(elem .*?\) (.*)\)$")


def unescape(name):
    """The human-readable name, as the linker's lists take it."""
    return re.sub(r"\\([0-9a-f]{2})", lambda m: chr(int(m.group(1), 16)), name)


def for_list(name):
    # The linker reads '.', '#' and '?' in a list as ' ', '&' and ','; a name
    # holding one of them is matched by a wildcard in its place instead. The
    # number after a dot that tells apart functions of one name becomes a
    # closing wildcard: the optimiser's matcher fails on a pattern that goes
    # on past a wildcard beyond the end of a shorter name.
    name = re.sub(r"\.\d+$", "*", unescape(name))
    return re.sub(r"[.#?]", "*", name)


def disassemble(wasm):
    return subprocess.run(["wasm-dis", wasm], check=True, capture_output=True,
                          text=True).stdout.splitlines()


def signature(rest):
    params = PARAM.findall(rest)
    results = RESULT.findall(rest)
    return "%s_=>_%s" % ("_".join(params) or "none", "_".join(results) or "none")


def read_module(lines):
    imports, sigs, calls, indirect, table = {}, {}, {}, {}, []
    current = None
    for line in lines:
        m = IMPORT.match(line)
        if m:
            imports[m.group(2)] = m.group(1)
            continue
        m = FUNC.match(line)
        if m:
            current = m.group(1)
            sigs[current] = signature(m.group(2))
            calls[current], indirect[current] = set(), set()
            continue
        m = ELEM.match(line)
        if m:
            table += m.group(1).split()
            current = None
            continue
        if current:
            for c in CALL.findall(line):
                calls[current].add(c)
            for t in INDIRECT.findall(line):
                indirect[current].add(t)
    return imports, sigs, calls, indirect, [t.lstrip("$") for t in table]


def library_functions(archives):
    names = set()
    for archive in archives:
        out = subprocess.run(["emnm", "--defined-only", archive], check=True,
                             capture_output=True, text=True).stdout
        for line in out.splitlines():
            fields = line.split()
            if len(fields) == 3 and fields[1] in "Tt":
                names.add(fields[2])
    return names


def narrow(advice_file, wasm, left_out):
    advised = set()
    with open(advice_file) as f:
        # The linker's threads print their lines into one another: each
        # piece after a "[asyncify]" mark is read on its own.
        for piece in re.split(r"\[asyncify\]|\n", f.read()):
            m = ADVICE.match(piece)
            if m:
                advised.add(m.group(1))
    imports, sigs, calls, indirect, table = read_module(disassemble(wasm))
    # A function the optimiser merged keeps its first one's name after a
    # prefix.
    removed = {f for f in sigs if f.split("$")[-1] in left_out}
    # The imports the advice says can wait (the wait itself, and the
    # trampolines through which setjmp calls back into the program).
    waits = {name for name in imports if name in advised}
    can_wait = set(waits)
    changed = True
    while changed:
        changed = False
        waiting_sigs = {sigs[f] for f in table if f in can_wait and f in sigs}
        for f in sigs:
            if f in can_wait or f in removed:
                continue
            if calls[f] & can_wait or indirect[f] & waiting_sigs:
                can_wait.add(f)
                changed = True
    chosen = sorted(f for f in can_wait - waits if f in sigs)
    missing = [f for f in chosen if f not in advised]
    if len(missing) > len(chosen) // 20:
        sys.exit("asyncify-only: not in the linker's advice: %s" % ", ".join(missing[:5]))
    return chosen, len(advised), len(sigs)


def check(page, listed):
    with open(page) as f:
        text = f.read()
    m = re.search(r'id="tervan-wasm">data:application/octet-stream;base64,([^<]*)<', text)
    if not m:
        sys.exit("asyncify-only: no WebAssembly in " + page)
    with tempfile.NamedTemporaryFile(suffix=".wasm") as w:
        w.write(base64.b64decode(m.group(1)))
        w.flush()
        lines = disassemble(w.name)
    # The page keeps no names: the state Asyncify keeps is the global that
    # its stop-unwind entry sets, and an instrumented function reads it.
    stop = re.search(r'_asyncify_stop_unwind"\]=Module\["asm"\]\["(\w+)"\]', text)
    exported = {e: f for e, f in (re.findall(r'^ \(export "(\w+)" \(func \$(\S+)\)\)',
                                             "\n".join(lines), re.M))}
    state, current = None, None
    for line in lines:
        f = FUNC.match(line)
        if f:
            current = f.group(1)
        elif stop and current == exported.get(stop.group(1)) and "global.set" in line:
            state = line.split("global.set ")[1].split()[0].rstrip(")")
            break
    if not state:
        sys.exit("asyncify-only: %s has no Asyncify state" % page)
    reads = re.compile(r"global\.get " + re.escape(state) + r"\b")
    instrumented = set()
    for line in lines:
        f = FUNC.match(line)
        if f:
            current = f.group(1)
        elif reads.search(line):
            instrumented.add(current)
    instrumented = len(instrumented)
    with open(listed) as f:
        names = [n for n in f.read().splitlines() if n]
    # The scan link exports a trampoline for every signature; the page only
    # those its script calls, and only those are there to instrument.
    expected = [n for n in names if not n.startswith("dynCall_") or
                'Module["%s"]' % n in text]
    if instrumented < len(expected):
        sys.exit("asyncify-only: %s instruments %d functions, fewer than the %d listed: "
                 "a name in %s was not recognised" % (page, instrumented, len(expected), listed))
    print("asyncify-only: %d functions instrumented, as listed" % instrumented)


def main():
    if sys.argv[1] == "--check":
        check(sys.argv[2], sys.argv[3])
        return
    advice, wasm, out = sys.argv[1:4]
    chosen, advised, total = narrow(advice, wasm, library_functions(sys.argv[4:]))
    with open(out, "w") as f:
        f.write("".join(for_list(n) + "\n" for n in chosen))
    print("asyncify-only: %d of %d functions can reach a wait (the advice had %d)"
          % (len(chosen), total, advised))


if __name__ == "__main__":
    main()
