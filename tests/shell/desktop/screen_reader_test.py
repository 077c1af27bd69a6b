#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The kestrun developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The window as a screen reader meets it, over the real accessibility bus.

    screen_reader_test.py x11 KESTRUN OUTPUT_FOLDER
    screen_reader_test.py wayland KESTRUN OUTPUT_FOLDER
    screen_reader_test.py wayland-2x KESTRUN OUTPUT_FOLDER

Starts a private session bus (dbus-run-session) with the accessibility bus and its registry, then the
program with Qt's accessibility on: in x11 mode in its own Xvfb, typing with real X key events; in
wayland mode on weston's headless backend, where the protocol log must show the window's title and
app id (wayland-2x: on an output of scale 2, where the window must draw twice the pixels). All modes read the tree, the Payout field's and the result label's texts and their events,
answer an error box and close the window with the close button of its own title bar.
Exits 77 when a tool it needs is missing.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import warnings

warnings.filterwarnings("ignore", category=DeprecationWarning)  # libatspi's older names are the portable ones

SKIP = 77


def skip(why):
    print(f"SKIPPED: {why} (tools/setup-debian installs it)")
    sys.exit(SKIP)


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)
    print(f"ok: {what}")


def wait_for(predicate, what, seconds=15.0, pump=None):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if pump:
            pump()
        value = predicate()
        if value:
            return value
        time.sleep(0.05)
    raise Failure(f"timed out waiting for {what}")


# ---------------------------------------------------------------- the displays

def start_xvfb(out):
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "640x480x24", "-nolisten", "tcp",
                             "-noreset"],
                            pass_fds=(write_end,), stderr=open(os.path.join(out, "xvfb.log"), "w"))
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        raise Failure("Xvfb did not start")
    return xvfb, {"DISPLAY": f":{number}", "QT_QPA_PLATFORM": "xcb"}


def start_weston(out, scale):
    runtime = tempfile.mkdtemp(prefix="kestrun-wayland-")
    os.chmod(runtime, 0o700)
    socket = "kestrun-weston"
    weston = subprocess.Popen(["weston", "--backend=headless-backend.so", f"--socket={socket}", "--idle-time=0",
                               "--width=640", "--height=480", f"--scale={scale}", "--no-config"],
                              env=dict(os.environ, XDG_RUNTIME_DIR=runtime),
                              stdout=subprocess.DEVNULL, stderr=open(os.path.join(out, "weston.log"), "w"))
    wait_for(lambda: os.path.exists(os.path.join(runtime, socket)), "weston's socket")
    return weston, {"XDG_RUNTIME_DIR": runtime, "WAYLAND_DISPLAY": socket, "QT_QPA_PLATFORM": "wayland",
                    "WAYLAND_DEBUG": "1"}


# ---------------------------------------------------------------- the accessibility tree

def inner(mode, kestrun, out):
    processes = []
    env = {}
    try:
        if mode == "x11":
            display, env = start_xvfb(out)
        else:
            display, env = start_weston(out, 2 if mode == "wayland-2x" else 1)
        processes.append(display)
        os.environ.pop("DISPLAY", None)
        os.environ.pop("WAYLAND_DISPLAY", None)
        os.environ.update({k: v for k, v in env.items() if k in ("DISPLAY",)})
        launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                    stdout=subprocess.DEVNULL, stderr=open(os.path.join(out, "at-spi.log"), "w"))
        processes.append(launcher)

        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi, GLib

        program_env = dict(os.environ, **env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                           LC_ALL="C", QT_LOGGING_RULES="kestrun*.debug=true")
        program_log = open(os.path.join(out, "kestrun.log"), "w")
        program = subprocess.Popen([kestrun], env=program_env, stderr=program_log, stdout=program_log)
        processes.append(program)
        Session(Atspi, GLib, mode, env, program, out).run()
        return 0
    except Exception as failure:  # noqa: BLE001 - any failure ends the test with the program's log
        print(f"FAILED: {failure!r}", file=sys.stderr)
        for name in ("kestrun.log", "at-spi.log"):
            path = os.path.join(out, name)
            if os.path.exists(path):
                with open(path, errors="replace") as f:
                    print(f"--- {name}\n" + "".join(f.readlines()[-40:]), file=sys.stderr)
        return 1
    finally:
        for process in reversed(processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
        if "XDG_RUNTIME_DIR" in env:
            shutil.rmtree(env["XDG_RUNTIME_DIR"], ignore_errors=True)


class Session:
    def __init__(self, Atspi, GLib, mode, env, program, out):
        self.Atspi, self.GLib, self.mode, self.env, self.program, self.out = Atspi, GLib, mode, env, program, out
        self.events = []
        self.listener = Atspi.EventListener.new(lambda event: self.events.append(
            (event.type, event.source, event.detail1, event.any_data)))
        for kind in ("object:text-changed", "object:text-caret-moved", "object:property-change:accessible-name"):
            self.listener.register(kind)

    def pump(self):
        context = self.GLib.MainContext.default()
        while context.iteration(False):
            pass

    def wait(self, predicate, what, seconds=15.0):
        return wait_for(predicate, what, seconds, self.pump)

    def application(self):
        desktop = self.Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == "kestrun":
                return app
        return None

    def find(self, root, role, name):
        found = []

        def walk(node, depth):
            if node is None or depth > 12:
                return
            if node.get_role() == role and (name is None or node.get_name() == name):
                found.append(node)
            for i in range(node.get_child_count()):
                walk(node.get_child_at_index(i), depth + 1)
        walk(root, 0)
        return found[0] if found else None

    def text_of(self, node):
        return self.Atspi.Text.get_text(node, 0, -1)

    def press(self, node):
        for i in range(self.Atspi.Action.get_n_actions(node)):
            if self.Atspi.Action.get_action_name(node, i).lower() == "press":
                self.Atspi.Action.do_action(node, i)
                return
        raise Failure(f"{node.get_name()} has no press action")

    def events_from(self, node, prefix):
        return [e for e in self.events if e[0].startswith(prefix) and e[1] == node]

    def run(self):
        Atspi, Role = self.Atspi, self.Atspi.Role
        app = self.wait(self.application, "the program on the accessibility bus")
        frame = self.wait(lambda: self.find(app, Role.FRAME, "Tessaro"), "a frame named Tessaro")
        check(True, "the main window is a frame named Tessaro")

        names = {
            (Role.LABEL, "First Trade  $"), (Role.LABEL, "Payout %"), (Role.LABEL, "Next Trade $ "),
            (Role.TEXT, "First Trade $"), (Role.TEXT, "Payout %"),
            (Role.PUSH_BUTTON, "Win/Reset"), (Role.PUSH_BUTTON, "Lost"), (Role.PUSH_BUTTON, "Close"),
        }
        for role, name in sorted(names, key=lambda n: n[1]):
            check(self.find(frame, role, name) is not None, f"a {role.value_nick} named {name!r}")

        payout = self.find(frame, Role.TEXT, "Payout %")
        interfaces = set(payout.get_interfaces())
        check({"Text", "EditableText"} <= interfaces, f"the Payout field offers Text and EditableText ({sorted(interfaces)})")
        check(self.text_of(payout) == "95", "the Payout field reads 95")
        trade = self.find(frame, Role.TEXT, "First Trade $")
        buttons = {name: self.find(frame, Role.PUSH_BUTTON, name) for name in ("Lost", "Close")}

        if self.mode == "x11":
            self.type_into_payout(payout, trade)
        self.edit_payout(payout)
        self.Atspi.EditableText.set_text_contents(trade, "1")
        result = self.result_label(frame, buttons["Lost"])
        self.error_box(app, trade, buttons["Lost"], result)
        if self.mode.startswith("wayland"):
            self.wayland_protocol()
        self.press(buttons["Close"])
        code = self.wait(lambda: self.program.poll() is not None, "the program to end after Close", 10)
        check(self.program.returncode == 0, "the close button ends the program with exit code 0")
        log = open(os.path.join(self.out, "kestrun.log"), errors="replace").read()
        check("compositing" not in log or self.mode == "x11", "nothing is said of a compositing manager on Wayland")

    # Typing, deleting and pasting with real X key events, each heard as text and caret events.
    def type_into_payout(self, payout, trade):
        window = subprocess.check_output(["xdotool", "search", "--sync", "--name", "^Tessaro$"],
                                         env=dict(os.environ, **self.env), text=True).split()[0]
        x = lambda *args: subprocess.check_call(["xdotool", *args], env=dict(os.environ, **self.env))
        frame, title = 4, 22

        def click(cx, cy):
            x("mousemove", "--window", window, str(frame + cx), str(frame + title + cy), "click", "1")

        steps = [
            # name, action, text afterwards, inserted text heard, whether the caret moves
            ("typing 8 over the first digit", lambda: (click(104, 55), x("type", "--delay", "60", "8")), "85", "8",
             True),
            ("Delete on the second digit", lambda: x("key", "Delete"), "8_", "_", False),
            ("pasting 3 from the First Trade field",
             lambda: (click(170, 30), x("key", "ctrl+a", "ctrl+x"), x("type", "3"),
                      x("key", "ctrl+a", "ctrl+c"), click(104, 55), x("key", "ctrl+v")), "3_", "3", True),
        ]
        for name, action, expected, inserted, caret_moves in steps:
            self.events.clear()
            action()
            self.wait(lambda: self.text_of(payout) == expected, f"{name}: the field to read {expected}")
            self.wait(lambda: any(e[3] == inserted for e in self.events_from(payout, "object:text-changed:insert")),
                      f"{name}: a text-changed event inserting {inserted!r}")
            if caret_moves:
                self.wait(lambda: self.events_from(payout, "object:text-caret-moved"), f"{name}: a caret event")
            check(True, f"{name}: the field reads {expected}, with its text and caret events")
        caret = self.Atspi.Text.get_caret_offset(payout)
        check(caret == 1, f"the caret stands after the pasted digit ({caret})")
        self.wait(lambda: self.text_of(trade) == "3", "the First Trade field to read 3")

    # Through the EditableText interface, as a screen reader's user would set the field.
    def edit_payout(self, payout):
        self.events.clear()
        self.Atspi.EditableText.set_text_contents(payout, "80")
        self.wait(lambda: self.text_of(payout) == "80", "the field to read 80 after setting its text")
        self.wait(lambda: self.events_from(payout, "object:text-changed"), "a text-changed event for the set text")
        check(True, "setting the Payout field's text through EditableText")
        self.Atspi.Text.set_selection(payout, 0, 0, 2)
        check(self.Atspi.Text.get_n_selections(payout) == 1, "selecting both digits gives one selection")

    def result_label(self, frame, lost):
        self.events.clear()
        self.press(lost)
        result = self.wait(lambda: self.find(frame, self.Atspi.Role.LABEL, "1.00"), "a label reading 1.00")
        check("Text" in result.get_interfaces(), "the result label offers its text")
        check(self.text_of(result) == "1.00", "the result label's text is 1.00")
        self.wait(lambda: any(e[3] == "1.00" for e in self.events_from(result, "object:text-changed:insert")),
                  "the new result to be announced as inserted text")
        check(True, "the new result is announced as a text change")
        return result

    def error_box(self, app, trade, lost, result):
        self.Atspi.EditableText.set_text_contents(trade, "")
        self.wait(lambda: self.text_of(trade) == "", "the First Trade field to be empty")
        self.press(lost)
        alert = self.wait(lambda: self.find(app, self.Atspi.Role.ALERT, None), "an alert")
        texts = []

        def collect(node, depth=0):
            if node is None or depth > 8:
                return
            texts.append(node.get_name() or "")
            if "Text" in node.get_interfaces():
                texts.append(self.text_of(node))
            for i in range(node.get_child_count()):
                collect(node.get_child_at_index(i), depth + 1)
        collect(alert)
        check(alert.get_name() == "Tessaro", f"the alert is titled Tessaro ({alert.get_name()!r})")
        check(any("'' is not a valid floating point value." in t for t in texts), "the alert reads its message")
        ok = self.find(alert, self.Atspi.Role.PUSH_BUTTON, "OK")
        check(ok is not None, "the alert has an OK button")
        self.press(ok)
        self.wait(lambda: self.find(app, self.Atspi.Role.ALERT, None) is None, "the alert to close")
        check(self.text_of(result) == "1.00", "after OK the result stays 1.00")
        self.Atspi.EditableText.set_text_contents(trade, "1")

    def wayland_protocol(self):
        log = open(os.path.join(self.out, "kestrun.log"), errors="replace").read()
        title = re.search(r'xdg_toplevel@\d+\.set_title\("([^"]*)"\)', log)
        app_id = re.search(r'xdg_toplevel@\d+\.set_app_id\("([^"]*)"\)', log)
        check(title is not None and title.group(1) == "Tessaro", "the Wayland window's title is Tessaro")
        check(app_id is not None and app_id.group(1) == "kestrun", "the Wayland app id matches kestrun.desktop")
        geometry = re.findall(r'xdg_surface@\d+\.set_window_geometry\((-?\d+), (-?\d+), (\d+), (\d+)\)', log)
        # The main window is the first to be shown; the error box came later.
        check(geometry and geometry[0][2:] == ("202", "225"),
              f"the window is 202 x 225: the client area 194 x 195 in the skin's frame ({geometry[:1]})")
        scale = 2 if self.mode == "wayland-2x" else 1
        buffer = re.search(r'create_buffer\(new id wl_buffer@\d+, \d+, (\d+), (\d+),', log)
        check(buffer is not None and buffer.groups() == (str(202 * scale), str(225 * scale)),
              f"the window draws {202 * scale} x {225 * scale} pixels at scale {scale}")
        if scale != 1:
            check(f"set_buffer_scale({scale})" in log, f"the window tells the compositor its scale {scale}")


def main():
    if len(sys.argv) == 5 and sys.argv[1] == "--inner":
        sys.exit(inner(sys.argv[2], sys.argv[3], sys.argv[4]))
    if len(sys.argv) != 4 or sys.argv[1] not in ("x11", "wayland", "wayland-2x"):
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    mode, kestrun, out = sys.argv[1], sys.argv[2], sys.argv[3]
    tools = ["dbus-run-session", "/usr/libexec/at-spi-bus-launcher"]
    tools += ["Xvfb", "xdotool"] if mode == "x11" else ["weston"]
    for tool in tools:
        if not shutil.which(tool):
            skip(f"{tool} is missing")
    try:
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi  # noqa: F401
    except (ImportError, ValueError):
        skip("python3-gi with gir1.2-atspi-2.0 is missing")
    if mode == "wayland":
        plugin = subprocess.run(["sh", "-c", "ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so"],
                                capture_output=True)
        if plugin.returncode != 0:
            skip("Qt's Wayland platform plugin (qt6-wayland) is missing")
    os.makedirs(out, exist_ok=True)
    sys.exit(subprocess.call(["dbus-run-session", "--", sys.executable, os.path.abspath(__file__), "--inner",
                              mode, kestrun, out]))


if __name__ == "__main__":
    main()
