"""The release built again from a copy of the sources in another folder, at another time, gives
the same bytes: scripts/compare-release compares that build's zip, and each file in it, with the
first build's, and none of the shipped files holds a folder, user or host name of either build.

usage: reproducible_test.py SOURCE_DIR TREE NAME FILE...   (the shipped FILEs lie in TREE, which
is build/<preset>)
"""

import getpass
import os
import shutil
import socket
import subprocess
import sys
import time
from pathlib import Path


def git(source: Path, *args: str) -> str:
    return subprocess.run(["git", "-C", str(source), *args], capture_output=True, text=True,
                          check=True).stdout


def main() -> int:
    source, tree, name = Path(sys.argv[1]), Path(sys.argv[2]), sys.argv[3]
    scratch = source / "build" / "reproducible"
    copy = scratch / "kelvane"
    other = copy / tree.relative_to(source)
    shutil.rmtree(scratch, ignore_errors=True)
    listed = git(source, "ls-files", "-z", "--cached", "--others", "--exclude-standard")
    for f in listed.split("\0"):
        if f and (source / f).is_file():
            (copy / f).parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(source / f, copy / f)
    env = {k: v for k, v in os.environ.items() if not k.startswith("KELVANE_SIGN_")}
    env.setdefault("SOURCE_DATE_EPOCH", git(source, "log", "-1", "--format=%ct").strip())

    started = time.monotonic()
    with open(scratch / "build.log", "w") as log:
        for step in (["--preset", tree.name], ["--build", "--preset", tree.name, "--target",
                                                "kelvane_package"]):
            if subprocess.run(["cmake", *step], cwd=copy, env=env, stdout=log,
                              stderr=subprocess.STDOUT).returncode:
                print((scratch / "build.log").read_text()[-4000:])
                return 1
    print(f"the second build took {time.monotonic() - started:.0f} s")
    failed = subprocess.run([source / "scripts" / "compare-release",
                             other / "package" / f"{name}.zip", tree], env=env).returncode != 0

    # Names shorter than 6 characters turn up by chance in a megabyte of code.
    names = {n for n in (socket.gethostname(), getpass.getuser()) if len(n) >= 6}
    leaks = {str(p) for p in (source, tree, copy, other, Path.home())} | names
    for a in (Path(f) for f in sys.argv[4:]):
        for path in (a, other / a.relative_to(tree)):
            data = path.read_bytes()
            found = {s for s in leaks for c in ("utf-8", "utf-16-le") if s.encode(c) in data}
            if found:
                print(f"FAIL {path} holds {', '.join(sorted(found))}")
                failed = True
    if not failed:
        shutil.rmtree(scratch)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
