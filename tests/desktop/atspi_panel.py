#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Mirel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads Mirel's panel over the real accessibility bus, as a screen reader
does: prints each control's role, name, states, actions and value, checks
them against what the panel shows, works the switches and the displays
through the bus (a switch is a check box that says whether it is on; a
display's value stays within its range), listens for what the bus is told,
and finds a control by its place.  Usage: atspi_panel.py PID"""
import sys
import time

import pyatspi
from gi.repository import GLib

# Role | name | states | actions | value, in reading order.
SHOWN = "enabled focusable showing visible"
EXPECTED = [
    "push button | Copies | %s | ShowMenu,SetFocus" % SHOWN,
    "spin button | Copies | %s | Increase,Decrease,ShowMenu,SetFocus | value 1 (1..99)" % SHOWN,
    "push button | Scale | %s | ShowMenu,SetFocus" % SHOWN,
    "spin button | Scale | %s | Increase,Decrease,ShowMenu,SetFocus | value 100 (1..200)" % SHOWN,
    "push button | Select Source | %s | Press,SetFocus" % SHOWN,
    "check box | Save | %s | Toggle,SetFocus" % SHOWN,
    "check box | Print to default | %s | Toggle,SetFocus" % SHOWN,
    "push button | Copy | %s | Press,SetFocus" % SHOWN,
    "push button | Exit | %s | Press,SetFocus" % SHOWN,
]


def find_app(pid):
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(0.1)
    return None


def controls(node):
    for child in node:
        if child is None:
            continue
        # A control that is never shown is not read.
        if child.getRoleName() in ("push button", "check box", "spin button") and \
                child.getState().contains(pyatspi.STATE_SHOWING):
            yield child
        yield from controls(child)


def describe(control):
    states = [pyatspi.stateToString(s) for s in control.getState().getStates()]
    line = "%s | %s | %s" % (control.getRoleName(), control.name,
                             " ".join(s for s in states if s in (
                                 "focusable", "checkable", "checked",
                                 "showing", "visible", "enabled")))
    action = control.queryAction()
    line += " | " + ",".join(action.getName(i) for i in range(action.nActions))
    try:
        value = control.queryValue()
        line += " | value %g (%g..%g)" % (value.currentValue, value.minimumValue,
                                          value.maximumValue)
    except NotImplementedError:
        pass
    ext = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return line + " | %dx%d at %d,%d" % (ext.width, ext.height, ext.x, ext.y)


def pump(seconds):
    """Lets the bus deliver its events for a while."""
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def do(control, name):
    action = control.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == name:
            return action.doAction(i)
    raise SystemExit("no action %s on %s" % (name, control.name))


def main():
    app = find_app(int(sys.argv[1]))
    if app is None:
        raise SystemExit("Mirel is not on the accessibility bus")
    found = list(controls(app))
    for control in found:
        print(describe(control))
    got = [describe(c).rsplit(" | ", 1)[0] for c in found]  # its place aside
    failures = [] if got == EXPECTED else ["controls %s" % got]
    by_name = {(c.getRoleName(), c.name): c for c in found}
    # Through the bus, as a screen reader's user would, who is told of the
    # changes: a switch going on, a display's new value.
    save, copies = by_name[("check box", "Save")], by_name[("spin button", "Copies")]
    printing, scale = by_name[("check box", "Print to default")], by_name[("spin button", "Scale")]
    told = []

    def note(event):
        if event.source is not None and event.source.get_process_id() == app.get_process_id():
            told.append("%s %s %d" % (event.source.name, event.type, event.detail1))

    def state():
        checked = [c.name for c in (save, printing) if c.getState().contains(pyatspi.STATE_CHECKED)]
        return "%g %g %s" % (copies.queryValue().currentValue, scale.queryValue().currentValue,
                             ",".join(checked) or "-")

    kinds = ("object:state-changed:checked", "object:property-change:accessible-value")
    pyatspi.Registry.registerEventListener(note, *kinds)
    pump(0.5)
    # Steps, and what the displays and switches say after them.
    for steps, want in (("", "1 100 -"),
                        ("Copies:Increase Copies:Increase Copies:Increase Copies:Decrease "
                         "Scale=250 Print:Toggle Save:Toggle", "3 200 Save"),
                        ("Copies=0 Scale=-5 Save:Toggle Print:Toggle", "1 1 Print to default"),
                        ("Copies=500", "99 1 Print to default")):
        for step in steps.split():
            control = {"Copies": copies, "Scale": scale, "Save": save, "Print": printing}[
                step.split(":")[0].split("=")[0]]
            if "=" in step:
                control.queryValue().currentValue = float(step.split("=")[1])
            else:
                do(control, step.split(":")[1])
        pump(0.5)
        print("after [%s]: %s" % (steps, state()))
        if state() != want:
            failures.append("after [%s]: %s, not %s" % (steps, state(), want))
    pyatspi.Registry.deregisterEventListener(note, *kinds)
    print("told:", told)
    for want in ("Save object:state-changed:checked 1",
                 "Copies object:property-change:accessible-value"):
        if not any(line.startswith(want) for line in told):
            failures.append("not told: " + want)
    # The bus finds a control by its place on the screen.
    copy = by_name[("push button", "Copy")].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    window = app.getChildAtIndex(0).queryComponent()
    at = window.getAccessibleAtPoint(copy.x + 2, copy.y + 2, pyatspi.DESKTOP_COORDS)
    if at is None or at.name != "Copy":
        failures.append("at Copy's place: %s" % (at and at.name))
    for failure in failures:
        print("FAIL:", failure)
    sys.exit(1 if failures else 0)


main()
