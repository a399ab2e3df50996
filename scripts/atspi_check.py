#!/usr/bin/python3
"""The accessibility side of scripts/atspi-check.sh: starts glimtex and reads its main
window the way a screen reader does, through the desktop's accessibility bus.

    atspi_check.py PROGRAM FOLDER DISPLAY

Runs inside the D-Bus session the shell script made, under its Xvfb, with Qt told to
speak to the bus. Presses "開始" on the title window and then each panel button of
the main window through the bus's actions (no mouse, no keyboard), and after each
press lists the controls that are showing, with their role, name and description.
A control without a name is marked; at the end they are counted, each once however
many panels show it. Exits with 1 when any is left without a name, with 2 when the
program or a window never showed up.
"""
import os
import subprocess
import sys
import time

import pyatspi

PANELS = ["文字", "修飾", "色", "形状", "背景", "リンク"]

# What a person operates: these roles always, and any other control that takes the
# keyboard focus (a swatch drawn by the program itself, a read-only text box). Bars
# count only when they take the focus: those of a text box are part of the box.
OPERATED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_LIST,
    pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE,
    pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_MENU,
    pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM,
}
BAR_ROLES = {pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_SLIDER}
WINDOW_ROLES = {pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW}

# Far longer than the program takes to start or to draw a panel, even on a loaded
# machine.
WAIT_SECONDS = 30


def wait_for(find, what):
    """Polls find() until it gives something; gives up after WAIT_SECONDS."""
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    print(f"atspi-check: {what} never showed up", file=sys.stderr)
    sys.exit(2)


def children(accessible):
    try:
        return [c for c in accessible if c is not None]
    except Exception:  # a control that went away while it was read
        return []


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def operated(role, states):
    if role in BAR_ROLES:
        return states.contains(pyatspi.STATE_FOCUSABLE)
    if role in OPERATED_ROLES:
        return True
    if role in WINDOW_ROLES:
        return False
    return states.contains(pyatspi.STATE_FOCUSABLE) or states.contains(pyatspi.STATE_EDITABLE)


def find_application():
    for app in children(pyatspi.Registry.getDesktop(0)):
        if app.name == "glimtex":
            return app
    return None


def find_in(root, test):
    """The first showing accessible below root for which test holds, depth first."""
    for child in children(root):
        if not showing(child):
            continue
        if test(child):
            return child
        found = find_in(child, test)
        if found is not None:
            return found
    return None


def press(accessible):
    action = accessible.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            return
    action.doAction(0)


def button_named(root, name):
    return find_in(root, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == name)


def spoken_name(accessible):
    """The accessible's name. Qt names a combo box by the text it shows, which tells
    what was chosen, not what is chosen there: screen readers take its name from the
    label that labels it."""
    name = accessible.name
    if accessible.getRole() != pyatspi.ROLE_COMBO_BOX:
        return name
    for relation in accessible.getRelationSet():
        if relation.getRelationType() != pyatspi.RELATION_LABELLED_BY:
            continue
        for i in range(relation.getNTargets()):
            label = relation.getTarget(i)
            if label.getRole() == pyatspi.ROLE_LABEL and label.name:
                return label.name
    return ""


def walk(accessible, path, found):
    """Every showing control below accessible, as (path, role, name, description)."""
    for index, child in enumerate(children(accessible)):
        if not showing(child):
            continue
        here = path + (index,)
        if operated(child.getRole(), child.getState()):
            found.append((here, child.getRoleName(), spoken_name(child), child.description))
        walk(child, here, found)


def main():
    program, folder, display = sys.argv[1:4]
    app_process = subprocess.Popen([program, "--program-dir", folder],
                                   env=dict(os.environ, DISPLAY=display),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        app = wait_for(find_application, "glimtex on the accessibility bus")
        start = wait_for(lambda: button_named(app, "開始"), "the title window's 開始")
        press(start)
        main_window = wait_for(
            lambda: next((w for w in children(app)
                          if w.name == "Glimtex" and showing(w)), None), "the main window")

        nameless = {}
        total = set()
        for caption in PANELS:
            press(wait_for(lambda: button_named(main_window, caption), f"the button {caption}"))
            # The panel shows as a group under its caption.
            wait_for(lambda: find_in(main_window, lambda a: a.name == caption and
                                     a.getRole() != pyatspi.ROLE_PUSH_BUTTON),
                     f"the panel {caption}")
            app.clearCache()
            found = []
            walk(main_window, (), found)
            print(f"== Panel {caption} ==")
            for path, role, name, description in found:
                total.add(path)
                mark = "" if name else "   <-- no name"
                if not name and role == "combo box":
                    mark += " (only the text it shows, no label)"
                extra = f"  ({description})" if description else ""
                print(f"  {role:<16} {name!r}{extra}{mark}")
                if not name:
                    nameless[path] = role
        print(f"{len(total)} controls, {len(nameless)} without a name")
        return 1 if nameless else 0
    finally:
        app_process.terminate()
        try:
            app_process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            app_process.kill()


if __name__ == "__main__":
    sys.exit(main())
