"""Runs the tool's restart scenario, which ends every program of its prefix, the test program
included, and checks what it left: the feedback record first in the library's journal, the
test's line before 是, and no end of the test's own (no verdict line)."""

import os
import re
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))
from harness import ROOT, WINE_RUN, Failures  # noqa: E402


def main() -> None:
    test_exe, journal = Path(sys.argv[1]), ROOT / "build" / "e2e" / "tool" / "restart-journal.txt"
    journal.parent.mkdir(parents=True, exist_ok=True)
    journal.unlink(missing_ok=True)
    env = dict(os.environ)
    env["KELVANE_LIBRARY_JOURNAL"] = "Z:" + str(journal).replace("/", "\\")
    started = time.time()
    # To a file: what the restart starts again may hold a pipe open long after.
    log = journal.with_name("restart-output.txt")
    with open(log, "wb") as out:
        subprocess.run([str(WINE_RUN), str(test_exe), "--gtest_filter=ToolAtWork.Yes*"],
                       env=env, stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT,
                       timeout=240)
    output = log.read_text(encoding="utf-8", errors="replace")
    print(output)

    failures = Failures()
    answered = re.search(r"answering yes at (\d+)", output)
    failures.check(answered is not None, "the test never answered the success prompt")
    failures.check("[  PASSED  ]" not in output and "[  FAILED  ]" not in output,
                   "the test program ended by itself: no restart ended it")
    lines = journal.read_text(encoding="utf-8").splitlines() if journal.exists() else []
    records = [line.split("\t") for line in lines if line.startswith("CustomerFeedbackEx\t")]
    failures.check(len(records) == 1, f"{len(records)} feedback records, expected 1")
    if records and answered:
        fields = records[0]
        failures.check(fields[1:4] == ["10147", "1.1.22.1017", "1"], f"record {fields}")
        failures.check(abs(int(fields[4]) - int(answered.group(1))) <= 5, f"time {fields[4]}")
        failures.check(fields[5] == "1", f"device type text {fields[5]!r}, expected '1'")
        failures.check(lines[-1].startswith("CustomerFeedbackEx\t"),
                       "the record is the library's last call")
    failures.check(time.time() - started < 200, "the run took too long")
    failures.finish()


if __name__ == "__main__":
    main()
