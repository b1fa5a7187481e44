#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Mirel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads Mirel's panel over the real accessibility bus, as a screen reader
does: prints each control's role, name, states, actions and value, checks
them against what the panel shows, and works the switches and a display
through the bus: a switch is a check box that says whether it is on.  Usage: atspi_panel.py PID"""
import sys
import time

import pyatspi
from gi.repository import GLib

EXPECTED = [
    ("push button", "Copies", False), ("spin button", "Copies", False),
    ("push button", "Scale", False), ("spin button", "Scale", False),
    ("push button", "Select Source", False), ("check box", "Save", True),
    ("check box", "Print to default", True), ("push button", "Copy", False),
    ("push button", "Exit", False),
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
                                 "focusable", "focused", "checkable", "checked",
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
    # A switch offers Toggle and is checked while it is on.
    got = [(c.getRoleName(), c.name, "Toggle" in describe(c).split(" | ")[3].split(","))
           for c in found]
    failures = [] if got == EXPECTED else ["controls %s" % got]
    by_name = {(c.getRoleName(), c.name): c for c in found}
    values = [by_name[("spin button", n)].queryValue().currentValue for n in ("Copies", "Scale")]
    if values != [1, 100]:
        failures.append("values %s" % values)
    # Through the bus, as a screen reader's user would, who is told of the
    # changes: a switch going on, a display's new value.
    save, copies = by_name[("check box", "Save")], by_name[("spin button", "Copies")]
    if save.getState().contains(pyatspi.STATE_CHECKED):
        failures.append("Save checked at start")
    told = []

    def note(event):
        if event.source is not None and event.source.get_process_id() == app.get_process_id():
            told.append("%s %s %d" % (event.source.name, event.type, event.detail1))

    kinds = ("object:state-changed:checked", "object:property-change:accessible-value")
    pyatspi.Registry.registerEventListener(note, *kinds)
    pump(0.5)
    do(save, "Toggle")
    do(copies, "Increase")
    pump(1)
    pyatspi.Registry.deregisterEventListener(note, *kinds)
    print("told:", told)
    for want in ("Save object:state-changed:checked 1",
                 "Copies object:property-change:accessible-value"):
        if not any(line.startswith(want) for line in told):
            failures.append("not told: " + want)
    if not save.getState().contains(pyatspi.STATE_CHECKED):
        failures.append("Save not checked after Toggle")
    if copies.queryValue().currentValue != 2:
        failures.append("copies %g after Increase" % copies.queryValue().currentValue)
    copies.queryValue().currentValue = 500
    time.sleep(0.5)
    print("after Toggle on Save, Increase and 500 on Copies: Save %s, Copies %g" % (
        "checked" if save.getState().contains(pyatspi.STATE_CHECKED) else "unchecked",
        copies.queryValue().currentValue))
    if copies.queryValue().currentValue != 99:
        failures.append("copies not clamped at 99")
    for failure in failures:
        print("FAIL:", failure)
    sys.exit(1 if failures else 0)


main()
