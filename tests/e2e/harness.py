"""Runs the real Kelvane.exe under Wine from a fresh folder, as a user would start it."""

import os
import shutil
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
WINE_RUN = ROOT / "scripts" / "wine-run"


def windows_path(path: Path) -> str:
    return "Z:" + str(path).replace("/", "\\")


class Scenario:
    """One start of the tool: a fresh folder holding it, a journal for the stand-ins."""

    def __init__(self, name: str, build_dir: Path):
        self.build_dir = build_dir
        self.work = ROOT / "build" / "e2e" / name
        shutil.rmtree(self.work, ignore_errors=True)
        self.tool_dir = self.work / "Kelvane"
        self.tool_dir.mkdir(parents=True)
        self.cwd = self.work / "cwd"
        self.cwd.mkdir()
        self.journal = self.work / "journal.txt"
        shutil.copy2(build_dir / "bin" / "Kelvane.exe", self.tool_dir / "Kelvane.exe")

    def plant(self, folder: Path) -> None:
        """Programs a careless search would run instead of the system's."""
        planted = self.build_dir / "tests" / "fixtures" / "planted.exe"
        for name in ("cmd.exe", "reg.exe", "WMIC.exe", "timeout.exe"):
            shutil.copy2(planted, folder / name)
        for name in ("reg.bat", "wmic.bat", "cmd.bat"):
            (folder / name).write_text('@echo planted\t%~f0>>"%KELVANE_FIXTURE_JOURNAL%"\r\n')

    def run(self, timeout: float = 120, **settings: str) -> int:
        env = dict(os.environ)
        env.update(settings)
        env["KELVANE_FIXTURE_DIR"] = str(self.build_dir / "tests" / "fixtures")
        env["KELVANE_FIXTURE_JOURNAL"] = windows_path(self.journal)
        with open(self.work / "wine.log", "wb") as log:
            proc = subprocess.run([str(WINE_RUN), str(self.tool_dir / "Kelvane.exe")],
                                  cwd=self.cwd, env=env, stdin=subprocess.DEVNULL,
                                  stdout=log, stderr=subprocess.STDOUT, timeout=timeout)
        return proc.returncode

    def calls(self, program: str) -> list[list[str]]:
        if not self.journal.exists():
            return []
        lines = self.journal.read_text(encoding="utf-8", errors="replace").splitlines()
        return [line.split("\t") for line in lines if line.split("\t")[0] == program]

    def files(self) -> list[str]:
        return sorted(p.name for p in self.tool_dir.iterdir())


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
