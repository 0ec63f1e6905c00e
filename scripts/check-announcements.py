"""Drives os2setup through AT-SPI and checks what a screen reader hears.

Run by scripts/check-announcements, which provides the display, the session
bus and a copy of the example drive C:. Prints every check and the events
heard; exits 1 when a check fails."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

program, drive = sys.argv[1], sys.argv[2]
heard = []
results = []


def note(event):
    try:
        role, name = event.source.getRoleName(), event.source.name
    except Exception:  # the source may be gone already
        role, name = "?", "?"
    data = event.any_data if isinstance(event.any_data, str) else ""
    heard.append((event.type, role, name, data))


def check(what, ok, detail=""):
    results.append(ok)
    print(("PASS " if ok else "FAIL ") + what + (f": {detail}" if detail else ""))


def find(root, pred):
    return pyatspi.findDescendant(root, pred, True)


def app_frame():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "Rediger CONFIG.SYS":
            for child in app:
                if child.getRoleName() == "frame":
                    return child
    return None


def wait_for(pred, seconds):
    end = time.time() + seconds
    while time.time() < end:
        value = pred()
        if value:
            return value
        pump(0.2)
    return None


def pump(seconds):
    """Lets the events arrive."""
    loop = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        loop.iteration(False)
        time.sleep(0.01)


def heard_since(mark, kind, role=None):
    return [h for h in heard[mark:] if h[0].startswith(kind) and (role is None or h[1] == role)]


def main():
    proc = subprocess.Popen([program, "--drive", f"C={drive}"])
    try:
        for kind in ("object:text-changed", "object:property-change:accessible-name", "focus:",
                     "object:state-changed:focused", "object:state-changed:showing"):
            pyatspi.Registry.registerEventListener(note, kind)
        frame = wait_for(app_frame, 20)
        check("the window is a frame named by its title", frame is not None and frame.name == "OS/2 setup",
              frame.name if frame else "no window")
        if frame is None:
            return 1
        pump(1)
        slider = find(frame, lambda a: a.getRoleName() == "slider" and a.name == "THREADS")
        check("THREADS is a slider that reads out its statement",
              slider is not None and slider.description.startswith("THREADS="),
              f"{slider.getRoleName()}, {slider.description!r}, value {slider.queryValue().currentValue}" if slider else "none")
        def open_page(name):
            tab = find(frame, lambda a: a.getRoleName() == "page tab" and a.name == name)
            tab.queryAction().doAction(0)

        labels = {a.getRoleName(): a for a in pyatspi.findAllDescendants(
            frame, lambda a: a.getRoleName() in ("status bar", "notification"))}
        check("the message line and the hint line are a notification and a status bar",
              set(labels) == {"status bar", "notification"}, ", ".join(sorted(labels)))

        # "Fil": the hint line says what the page edits.
        mark = len(heard)
        open_page("Fil")
        pump(1.5)
        texts = [h for h in heard_since(mark, "object:text-changed:insert", "status bar")]
        check("opening \"Fil\" announces its hint", any("Rediger" in h[3] for h in texts), repr(texts))

        # "DOS": the list of lines behind it stays quiet.
        mark = len(heard)
        open_page("DOS")
        pump(1.5)
        checkbox = find(frame, lambda a: a.getRoleName() == "check box" and a.name == "Expanded memory")
        checkbox.queryAction().doAction(0)
        pump(1.5)
        rows = [h for h in heard[mark:] if h[0].startswith("focus") or h[0].startswith("object:state-changed:focused")]
        rows = [h for h in rows if h[1] == "list item"]
        check("the hidden \"Fil\" list sends no focus events", not rows, repr(rows))
        texts = heard_since(mark, "object:text-changed:insert", "notification")
        check("a driver box announces \"Bruk REM-knappen til å endre\"",
              any(h[3] == "Bruk REM-knappen til å endre" for h in texts), repr(texts))

        # "Sjekk" answers in the message line (the VEMM.SYS line is shown).
        button = find(frame, lambda a: a.getRoleName() == "push button" and a.name == "Sjekk linjen")
        mark = len(heard)
        button.queryAction().doAction(0)
        pump(1.5)
        texts = heard_since(mark, "object:text-changed:insert", "notification")
        check("\"Sjekk\" announces its answer", len(texts) > 0, repr(texts))

        print("\nHeard:")
        for h in heard:
            print("  ", " | ".join(str(x) for x in h))
        return 0 if all(results) else 1
    finally:
        proc.terminate()
        proc.wait(10)


sys.exit(main())
