#!/usr/bin/python3
"""What a screen reader finds in Quarvo after a scan, read over AT-SPI.

    bench/atspi_check.py TREE [QUARVO]     (QUARVO: default build/quarvo)

Starts `QUARVO TREE` in a virtual X server with a session bus of its own and
the accessibility bus running, waits until the scan has finished, walks every
window's accessible tree and reports:
  - every button and page tab that has no name;
  - the six listings (Types, Sizes, Access, Created, Modified, Combined): that
    each is a table whose cells read out, and that "Totals" is among them;
  - each chart's name and how many bars, slices and points it reads, with
    the first few of them.
Exits 1 when something is missing. Needs python3-pyatspi, xvfb-run and
dbus-run-session; not part of the test suite.
"""

import os
import subprocess
import sys
import time

INNER = "--inside-session"
LISTINGS = {
    "Extension": "Types",
    "File size": "Sizes",
    "Accessed Date": "Access",
    "Created Date": "Created",
    "Modified Date": "Modified",
    "Combined dates": "Combined",
}


def main():
    args = sys.argv[1:]
    if not args or args[0] in ("-h", "--help"):
        print(__doc__.strip())
        return 0 if args else 1
    if args[0] != INNER:
        # Run again inside a display and a session bus of our own.
        here = os.path.abspath(__file__)
        quarvo = os.path.abspath(args[1] if len(args) > 1 else
                                 os.path.join(os.path.dirname(here), "..", "build", "quarvo"))
        command = ["xvfb-run", "-a", "dbus-run-session", "--", sys.executable, here, INNER,
                   os.path.abspath(args[0]), quarvo]
        return subprocess.call(command)
    return check(args[1], args[2])


def check(tree, quarvo):
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    time.sleep(1)
    import pyatspi  # only once the accessibility bus runs

    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    app = subprocess.Popen([quarvo, tree], env=env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
    try:
        root = wait_for_scan(pyatspi, 120)
        if root is None:
            print("FAIL: the scan did not finish, or Quarvo never showed up on the bus")
            return 1
        return report(pyatspi, root)
    finally:
        app.terminate()
        app.wait()
        bus.terminate()


def quarvo_app(pyatspi):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        child = desktop.getChildAtIndex(i)
        if child is not None and "quarvo" in (child.name or "").lower():
            return child
    return None


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    try:
        count = node.childCount
    except Exception:
        return
    # Very long children lists are table cells; the table is read on its own.
    if count > 2000:
        return
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def role(node):
    try:
        return node.getRoleName()
    except Exception:
        return ""


def wait_for_scan(pyatspi, seconds):
    deadline = time.time() + seconds
    while time.time() < deadline:
        app = quarvo_app(pyatspi)
        if app is not None:
            for node in walk(app):
                if "Statistics completed" in (node.name or ""):
                    return app
        time.sleep(1)
    return None


def table_cells(node):
    table = node.queryTable()
    cells = []
    for r in range(table.nRows):
        row = []
        for c in range(table.nColumns):
            cell = table.getAccessibleAt(r, c)
            row.append(cell.name if cell is not None else "")
        cells.append(row)
    headers = []
    for c in range(table.nColumns):
        header = table.getColumnHeader(c)
        headers.append(header.name if header is not None else "")
    return headers, cells


def report(pyatspi, app):
    failures = []
    unnamed = []
    counts = {"buttons": 0, "tabs": 0}
    tables = {}
    charts = []
    others, others_unnamed = {}, []
    for node in walk(app):
        kind = role(node)
        if kind in ("push button", "toggle button", "page tab", "radio button", "check box"):
            key = "tabs" if kind == "page tab" else "buttons"
            counts[key] += 1
            if not (node.name or "").strip():
                unnamed.append(f"{kind} in {parent_path(node)}")
        elif kind in ("scroll bar", "list", "list box", "combo box", "slider", "spin button"):
            others[kind] = others.get(kind, 0) + 1
            if not (node.name or "").strip():
                others_unnamed.append(f"{kind} in {parent_path(node)}")
        elif kind == "table":
            headers, cells = table_cells(node)
            first = headers[0] if headers else (cells[0][0] if cells else "")
            everything = [text for row in cells for text in row] + headers
            name = LISTINGS.get(first)
            if name is None:
                # The header row may be read as the table's first row.
                name = next((LISTINGS[t] for t in everything if t in LISTINGS), None)
            if name:
                tables[name] = (len(cells), len(headers), everything)
        elif kind == "chart":
            items = [node.getChildAtIndex(i).name for i in range(node.childCount)]
            charts.append((node.name or "", items))

    print(f"buttons and tabs: {counts['buttons']} buttons, {counts['tabs']} tabs, "
          f"{len(unnamed)} without a name")
    for what in unnamed:
        print(f"  no name: {what}")
    if unnamed:
        failures.append("controls without a name")
    listed = ", ".join(f"{n} {kind}s" for kind, n in sorted(others.items()))
    print(f"other controls: {listed or 'none'}; {len(others_unnamed)} without a name")
    for what in others_unnamed:
        print(f"  no name: {what}")

    for name in LISTINGS.values():
        if name not in tables:
            print(f"listing {name}: MISSING")
            failures.append(f"listing {name}")
            continue
        rows, columns, texts = tables[name]
        filled = sum(1 for t in texts if t)
        totals = "Totals" in texts
        print(f"listing {name}: table {rows} rows x {columns} columns, {filled} cells with text"
              + (", Totals read" if totals else ""))
        if filled == 0:
            failures.append(f"listing {name} reads empty")
    if not any("Totals" in texts for _, _, texts in tables.values()):
        failures.append("no listing reads Totals")

    unused = 0
    for name, items in charts:
        readable = [t for t in items if t]
        if not name and not readable:
            # A spare pie of the Space page, hidden while no drive needs it.
            unused += 1
            continue
        sample = "; ".join(readable[:3])
        print(f"chart {name or '(no name)'!r}: {len(readable)} items" +
              (f" - {sample}" if sample else ""))
        if not name:
            failures.append("a chart without a name")
    if unused:
        print(f"charts empty and unnamed (spare, hidden): {unused}")
    if not any(items for _, items in charts):
        failures.append("no chart reads any bar, slice or point")

    print("RESULT: " + ("all found" if not failures else "missing: " + ", ".join(failures)))
    return 1 if failures else 0


def parent_path(node):
    names = []
    node = node.parent
    while node is not None and len(names) < 4:
        if node.name:
            names.append(node.name)
        node = node.parent
    return " / ".join(reversed(names)) or "(unnamed parents)"


if __name__ == "__main__":
    sys.exit(main())
