"""The marker size and the answer numbering of a test file.

Read from the program's own table, src/core/quiz/MarkerRules.h, so that the
boxes the pipeline places and the markers the program draws cannot drift
apart: a description line ends with 10 + the number of its marker.
"""

import os
import re

_HEADER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                       "src", "core", "quiz", "MarkerRules.h")


def _read(name):
    with open(_HEADER, encoding="utf-8") as f:
        m = re.search(r"constexpr int %s = (\d+);" % name, f.read())
    if not m:
        raise SystemExit(f"markers: {name} not found in {_HEADER}")
    return int(m.group(1))


WIDTH = _read("kWidth")
HEIGHT = _read("kHeight")
ANSWER_OFFSET = _read("kAnswerOffset")


def answer_number(marker):
    return ANSWER_OFFSET + marker
