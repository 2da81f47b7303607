"""The test bed's stand-ins behave like the system commands they replace."""

import os
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).parent))
from harness import ROOT, WINE_RUN, Failures  # noqa: E402


def cmd(line: str, build_dir: Path, **settings: str) -> tuple[int, str, float]:
    env = dict(os.environ)
    env.update(settings)
    env["KELVANE_FIXTURE_DIR"] = str(build_dir / "tests" / "fixtures")
    env.pop("KELVANE_FIXTURE_JOURNAL", None)
    start = time.monotonic()
    proc = subprocess.run([str(WINE_RUN), "C:\\windows\\system32\\cmd.exe", "/C", line],
                          cwd=ROOT / "build", env=env, stdin=subprocess.DEVNULL,
                          capture_output=True, timeout=120)
    return proc.returncode, proc.stdout.decode("gbk", errors="replace"), time.monotonic() - start


def main() -> None:
    build_dir = Path(sys.argv[1])
    failures = Failures()

    code, out, _ = cmd("timeout /t 1 /nobreak", build_dir)
    failures.check(code != 0, f"Wine itself now has timeout ({out!r}): the stand-in may be stale")

    code, out, elapsed = cmd("timeout /t 2 /nobreak", build_dir, KELVANE_TIMEOUT="standin")
    failures.check(code == 0, f"timeout stand-in exit {code}: {out!r}")
    failures.check(elapsed >= 2.0, f"timeout /t 2 returned after {elapsed:.2f}s")
    code, out, _ = cmd("timeout /t x", build_dir, KELVANE_TIMEOUT="standin")
    failures.check(code == 1 and "错误" in out, f"bad timeout argument: exit {code}, {out!r}")

    for variant, product in (("win11", "Microsoft Windows 11 专业版"),
                             ("win10", "Microsoft Windows 10 专业版")):
        code, out, _ = cmd("WMIC OS List status", build_dir, KELVANE_WMIC=variant)
        failures.check(code == 0 and product in out, f"WMIC {variant}: exit {code}, {out!r}")
    code, out, _ = cmd("WMIC OS List status", build_dir, KELVANE_WMIC="absent")
    failures.check("Windows" not in out, f"absent WMIC still answered: {out!r}")
    failures.finish()


if __name__ == "__main__":
    main()
