"""What the test bed's script tests share: where Wine runs from, and collected failures."""

import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
WINE_RUN = ROOT / "scripts" / "wine-run"


class Failures:
    def __init__(self):
        self.messages: list[str] = []

    def check(self, condition: bool, message: str) -> None:
        if not condition:
            self.messages.append(message)

    def finish(self) -> None:
        for message in self.messages:
            print("FAIL:", message)
        sys.exit(1 if self.messages else 0)
