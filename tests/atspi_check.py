"""Checks the running calculator through AT-SPI, as a screen reader sees it:
names, roles and values of the controls, a value set by assistive
technology, the read-out's change announcement, and no decorative pictures."""

import sys
import time

import pyatspi
from gi.repository import GLib

DEGREES = "\u00b0C"
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL: " + message)


def pump(seconds, until=lambda: False):
    """Lets AT-SPI deliver events for a while, or until a condition holds."""
    context = GLib.MainContext.default()
    deadline = time.time() + seconds
    while time.time() < deadline and not until():
        while context.iteration(False):
            pass
        time.sleep(0.02)


def find_application(name, timeout=60):
    deadline = time.time() + timeout
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            application = desktop.getChildAtIndex(index)
            if application is not None and application.name == name:
                return application
        time.sleep(0.25)
    print("FAIL: the application %r did not appear on the accessibility bus" % name)
    sys.exit(1)


def find(root, role, name):
    found = pyatspi.findDescendant(root, lambda node: node.getRole() == role and node.name == name)
    check(found is not None, "no %s named %r" % (role, name))
    return found


def find_control(root, name):
    """The object named `name` that is not a caption label."""
    found = pyatspi.findDescendant(root, lambda node: node.name == name and node.getRole() != pyatspi.ROLE_LABEL)
    check(found is not None, "no control named %r" % name)
    return found


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


application = find_application("dewpoint-converter")

pressure = find(application, pyatspi.ROLE_SLIDER, "System Pressure")
sensor = find(application, pyatspi.ROLE_SLIDER, "Dewpoint @ Sensor")
group = find_control(application, "Dewpoint Sensor @")
atmosphere = find(application, pyatspi.ROLE_RADIO_BUTTON, "Atmosphere")
system = find(application, pyatspi.ROLE_RADIO_BUTTON, "System Pressure")
read_out = find_control(application, "Dewpoint @ Pressure")
if None in (pressure, sensor, group, atmosphere, system, read_out):
    sys.exit(1)

# The values as the window shows them.
check(pressure.queryValue().currentValue == 7.0, "pressure value %r" % pressure.queryValue().currentValue)
check(pressure.description == "7.0 bar", "pressure text %r" % pressure.description)
check(sensor.queryValue().currentValue == 0.0, "sensor value %r" % sensor.queryValue().currentValue)
check(sensor.description == "0.0 " + DEGREES, "sensor text %r" % sensor.description)
check(pressure.queryValue().minimumValue == 0.0 and pressure.queryValue().maximumValue == 40.0, "pressure range")
check(atmosphere.getState().contains(pyatspi.STATE_CHECKED), "Atmosphere is not selected")
check(not system.getState().contains(pyatspi.STATE_CHECKED), "System Pressure is selected")
check(atmosphere.parent == group and system.parent == group, "the option buttons are not in their group")
check(group.getRole() in (pyatspi.ROLE_GROUPING, pyatspi.ROLE_PANEL), "the option pair is a %s" % group.getRoleName())
check(text_of(read_out) == "32.1 " + DEGREES, "read-out %r" % text_of(read_out))

# Pictures and leader lines are decoration, not presented.
images = pyatspi.findAllDescendants(application, lambda node: node.getRole() == pyatspi.ROLE_IMAGE)
check(len(images) == 0, "%d pictures presented" % len(images))

# Assistive technology moves the pressure bar; the labels and the read-out
# follow, and the read-out announces its new text.
announced = []


def on_text_changed(event):
    if event.source == read_out and event.type.startswith("object:text-changed:insert"):
        announced.append(event.any_data)


pyatspi.Registry.registerEventListener(on_text_changed, "object:text-changed")
pressure.queryValue().currentValue = 10.0
pump(5, until=lambda: text_of(read_out) != "32.1 " + DEGREES and announced)
check(pressure.description == "10.0 bar", "pressure text after the move %r" % pressure.description)
check(find(application, pyatspi.ROLE_LABEL, "145 psi") is not None, "psi label did not follow")
check(text_of(read_out) == "37.8 " + DEGREES, "read-out after the move %r" % text_of(read_out))
check(any("37.8" in str(text) for text in announced), "read-out change not announced: %r" % announced)

sensor.queryValue().currentValue = -40.0
pump(5, until=lambda: text_of(read_out) == "-16.8 " + DEGREES)
check(sensor.description == "-40.0 " + DEGREES, "sensor text after the move %r" % sensor.description)
check(text_of(read_out) == "-16.8 " + DEGREES, "read-out after the second move %r" % text_of(read_out))

pyatspi.Registry.deregisterEventListener(on_text_changed, "object:text-changed")
print("%d failures" % len(failures))
sys.exit(1 if failures else 0)
