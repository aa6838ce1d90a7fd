"""Reference instants of the moon phases of a month as clock times in a place, from
python3-ephem (Debian), run once with /usr/bin/python3; the output is committed as
tests/data/phase_times_new_york.csv.

ephem finds each phase in Universal Time (it applies its own Delta-T inside), so its
instants are what a clock shows once the zone's offset is added. The file lists every
new moon, first quarter, full moon and last quarter whose local date in New York
(UT-5 in December, no daylight time) falls in December 2026.

Usage: /usr/bin/python3 tools/ref_phase_times.py
"""
import os
import sys

import ephem

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tablegen import write_test_data  # noqa: E402

ZONE_OFFSET_HOURS = -5  # New York standard time
FINDERS = (("new", ephem.next_new_moon), ("first", ephem.next_first_quarter_moon),
           ("full", ephem.next_full_moon), ("last", ephem.next_last_quarter_moon))


def main():
    rows = []
    start = ephem.Date("2026/11/25")
    for name, find in FINDERS:
        t = find(start)
        while True:
            local = ephem.Date(t + ZONE_OFFSET_HOURS * ephem.hour)
            y, m, d, hh, mm, ss = local.tuple()
            if (y, m) > (2026, 12):
                break
            if (y, m) == (2026, 12):
                whole = int(round(hh * 3600 + mm * 60 + ss))
                rows.append((f"{y:04d}-{m:02d}-{d:02d}", name, str(whole)))
            t = find(ephem.Date(t + 1))
    rows.sort()
    write_test_data(
        "phase_times_new_york.csv",
        "# Moon phases of December 2026 as New York clock times (UT-5): local date, phase,\n"
        "# seconds of the local day.\n"
        f"# Source: python3-ephem {ephem.__version__} (tools/ref_phase_times.py)\n"
        "date,phase,seconds",
        rows)


if __name__ == "__main__":
    main()
