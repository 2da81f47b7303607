"""The release built again from a copy of the sources in another folder, at another time, gives
the same bytes: each shipped file and the zip, compared byte for byte, and none of them holds a
folder, user or host name of either build.

usage: reproducible_test.py SOURCE_DIR TREE NAME FILE...   (the shipped FILEs lie in TREE, which
is build/<preset>)
"""

import getpass
import hashlib
import os
import shutil
import socket
import subprocess
import sys
import time
import zipfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "cmake"))
import pe  # noqa: E402


def git(source: Path, *args: str) -> str:
    return subprocess.run(["git", "-C", str(source), *args], capture_output=True, text=True,
                          check=True).stdout


def where(path: Path, data: bytes, offset: int) -> str:
    if path.suffix != ".zip":
        return pe.section_at(data, offset)
    archive = zipfile.ZipFile(path)
    if offset >= archive.start_dir:
        return "the central directory"
    return "entry " + [i.filename for i in archive.infolist() if i.header_offset <= offset][-1]


def main() -> int:
    source, tree, name = Path(sys.argv[1]), Path(sys.argv[2]), sys.argv[3]
    scratch = source / "build" / "reproducible"
    copy, packages = scratch / "kelvane", scratch / "package"
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
    subprocess.run([sys.executable, source / "cmake" / "package.py", source, packages, name,
                    *sys.argv[4:]], env=env, check=True, stdout=subprocess.DEVNULL)

    # Names shorter than 6 characters turn up by chance in a megabyte of code.
    names = {n for n in (socket.gethostname(), getpass.getuser()) if len(n) >= 6}
    leaks = {str(p) for p in (source, tree, copy, other, Path.home())} | names
    failed = False
    for a in [Path(f) for f in sys.argv[4:]] + [packages / f"{name}.zip"]:
        b = other / a.relative_to(tree if a.is_relative_to(tree) else scratch)
        da, db = a.read_bytes(), b.read_bytes()
        for path, data in ((a, da), (b, db)):
            print(f"{hashlib.sha256(data).hexdigest()}  {path}")
            found = {s for s in leaks for c in ("utf-8", "utf-16-le") if s.encode(c) in data}
            if found and path.suffix != ".zip":
                print(f"FAIL {path} holds {', '.join(sorted(found))}")
                failed = True
        if da != db:
            at = pe.first_difference(da, db)
            print(f"FAIL {a.name}: the builds differ first at offset {at:#x}, in "
                  f"{where(a, da, at)} ({len(da):,} and {len(db):,} bytes)")
            failed = True
    if not failed:
        shutil.rmtree(scratch)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
