#!/usr/bin/python3
"""Asks every text box of a running program, through AT-SPI as a screen reader
does, for every piece of text at every offset, with a time limit on each
question. A question that is not answered in time means the program froze.

    atspi_text_queries.py PID

Prints one line per box and fails (status 1) on the first question that is
not answered in time, or answered with offsets outside the text."""
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

warnings.filterwarnings("ignore", category=DeprecationWarning)

LIMIT_MS = 3000
SAMPLES = ["abc-def", "", "abcdefghij-klmnopqrst-uvwxyz0123456789-a"]
GRANULARITIES = [Atspi.TextGranularity.CHAR, Atspi.TextGranularity.WORD,
                 Atspi.TextGranularity.SENTENCE, Atspi.TextGranularity.LINE,
                 Atspi.TextGranularity.PARAGRAPH]
BOUNDARIES = [Atspi.TextBoundaryType.CHAR, Atspi.TextBoundaryType.WORD_START,
              Atspi.TextBoundaryType.WORD_END, Atspi.TextBoundaryType.SENTENCE_START,
              Atspi.TextBoundaryType.SENTENCE_END, Atspi.TextBoundaryType.LINE_START,
              Atspi.TextBoundaryType.LINE_END]
TEXT_ROLES = {Atspi.Role.TEXT, Atspi.Role.ENTRY, Atspi.Role.PASSWORD_TEXT}


def application(pid):
    desktop = Atspi.get_desktop(0)
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(0.2)
    sys.exit(f"no application with process {pid} on the accessibility bus")


def text_boxes(node, found):
    try:
        if node.get_role() in TEXT_ROLES and node.get_editable_text_iface() is not None:
            found.append(node)
        for i in range(node.get_child_count()):
            child = node.get_child_at_index(i)
            if child is not None:
                text_boxes(child, found)
    except GLib.Error:
        pass
    return found


def timed(what, question):
    start = time.monotonic()
    try:
        answer = question()
    except GLib.Error as error:
        sys.exit(f"FROZEN or failed: {what}: {error.message}")
    took = (time.monotonic() - start) * 1000
    if took > LIMIT_MS:
        sys.exit(f"too slow ({took:.0f} ms): {what}")
    return answer


def check_piece(what, sample, start, end, piece):
    if (start, end) != (-1, -1) and not 0 <= start <= end <= len(sample):
        sys.exit(f"offsets out of the text: {what}: {start}..{end}")
    if (start, end) != (-1, -1) and piece != sample[start:end]:
        sys.exit(f"piece {piece!r} is not the text at {start}..{end}: {what}")


def answers_strings(name, text):
    """Whether the bridge has GetStringAtOffset at all: Qt 6.4's has not, and
    says so as if the object were gone, though it answers everything else."""
    try:
        text.get_string_at_offset(0, Atspi.TextGranularity.CHAR)
        return True
    except GLib.Error:
        timed(f"{name}: count, after a question the bridge does not have",
              lambda: text.get_character_count())
        return False


def ask_everything(box):
    name = box.get_name() or box.get_role_name()
    text = box.get_text_iface()
    editable = box.get_editable_text_iface()
    questions = 0
    granularities = GRANULARITIES if answers_strings(name, text) else []
    for sample in SAMPLES:
        timed(f"{name}: set {sample!r}", lambda: editable.set_text_contents(sample))
        count = timed(f"{name}: count", lambda: text.get_character_count())
        if count != len(sample):
            sys.exit(f"{name}: holds {count} characters after setting {sample!r}")
        for offset in range(-2, len(sample) + 3):
            for granularity in granularities:
                what = f"{name}: {sample!r} string at {offset}, {granularity.value_nick}"
                r = timed(what, lambda: text.get_string_at_offset(offset, granularity))
                check_piece(what, sample, r.start_offset, r.end_offset, r.content)
                questions += 1
            for boundary in BOUNDARIES:
                for kind, ask in (("at", text.get_text_at_offset),
                                  ("before", text.get_text_before_offset),
                                  ("after", text.get_text_after_offset)):
                    what = f"{name}: {sample!r} text {kind} {offset}, {boundary.value_nick}"
                    r = timed(what, lambda: ask(offset, boundary))
                    check_piece(what, sample, r.start_offset, r.end_offset, r.content)
                    questions += 1
    strings = "" if granularities else " (this bridge has no string-at-offset question)"
    print(f"{name}: {questions} questions answered{strings}")


def main():
    Atspi.set_timeout(LIMIT_MS, 30000)
    app = application(int(sys.argv[1]))
    boxes = []
    for i in range(app.get_child_count()):
        window = app.get_child_at_index(i)
        if window is not None:
            text_boxes(window, boxes)
    names = sorted((b.get_name() or "") for b in boxes)
    print("text boxes:", ", ".join(repr(n) for n in names))
    if len(boxes) < 5:
        sys.exit(f"expected a box of every kind, found {len(boxes)}")
    for box in boxes:
        ask_everything(box)


main()
