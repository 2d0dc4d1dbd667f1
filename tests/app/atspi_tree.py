#!/usr/bin/python3
# Reads the accessibility tree of the running Lumo over AT-SPI, as a screen reader does, and
# prints one line per object: role|name|actions|value. With "press NAME", first presses the
# push button of that name through its action. With "shown", only what a screen reader meets
# (showing, and not the application itself), each with its place on the screen:
# role|name|x,y,width,height.
import sys

import pyatspi


def lumo():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Lumo":
            return app
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def actions(node):
    try:
        action = node.queryAction()
        return [action.getName(i) for i in range(action.nActions)], action
    except NotImplementedError:
        return [], None


def value(node):
    try:
        return str(int(node.queryValue().currentValue))
    except NotImplementedError:
        return ""


app = lumo()
if app is None:
    sys.exit(3)
if len(sys.argv) == 3 and sys.argv[1] == "press":
    for node in walk(app):
        names, action = actions(node)
        if node.getRoleName() == "push button" and node.name == sys.argv[2] and "Press" in names:
            action.doAction(names.index("Press"))
            break
    else:
        sys.exit(4)
if len(sys.argv) == 2 and sys.argv[1] == "shown":
    for node in walk(app):
        if node is app or not node.getState().contains(pyatspi.STATE_SHOWING):
            continue
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print("|".join([node.getRoleName(), node.name,
                        ",".join(str(n) for n in (box.x, box.y, box.width, box.height))]))
    sys.exit(0)
for node in walk(app):
    print("|".join([node.getRoleName(), node.name, ",".join(actions(node)[0]), value(node)]))
