"""Makes the release zip OUT_DIR/NAME.zip holding NAME/ and the given files, and its checksum
NAME.zip.sha256 beside it in sha256sum's format. The entries come in a fixed order with the
commit's time and fixed attributes, so one commit gives the same zip wherever it is built.
When KELVANE_SIGN_PKCS12 names a PKCS#12 file (its password in KELVANE_SIGN_PASSWORD), every
.exe is signed with Authenticode before it goes in: SHA-256, no timestamp (no network here),
the commit's time as the signing time, so one key signs one commit to the same bytes.

usage: package.py SOURCE_DIR OUT_DIR NAME FILE...
SOURCE_DATE_EPOCH, where set, stands for the commit's time (a source tree without git).
"""

import hashlib
import os
import subprocess
import sys
import tempfile
import time
import zipfile
from pathlib import Path

# FAT attributes, as a Windows user's own zip tool would write them.
DIRECTORY, ARCHIVE = 0x10, 0x20


def commit_time(source: Path) -> int:
    if os.environ.get("SOURCE_DATE_EPOCH"):
        return int(os.environ["SOURCE_DATE_EPOCH"])
    out = subprocess.run(["git", "-C", str(source), "log", "-1", "--format=%ct"],
                         capture_output=True, text=True, check=False)
    if out.returncode != 0 or not out.stdout.strip():
        sys.exit(f"package: no commit time from git in {source}; set SOURCE_DATE_EPOCH")
    return int(out.stdout)


def sign(exe: Path, pkcs12: str, password: str, epoch: int, scratch: Path) -> bytes:
    # The password goes through a file of this process's own, never onto a command line.
    secret = scratch / "password"
    secret.touch(mode=0o600)
    secret.write_text(password, encoding="utf-8")
    signed = scratch / exe.name
    out = subprocess.run(["osslsigncode", "sign", "-pkcs12", pkcs12, "-readpass", str(secret),
                          "-h", "sha256", "-n", exe.stem, "-time", str(epoch),
                          "-in", str(exe), "-out", str(signed)],
                         capture_output=True, text=True, check=False)
    secret.unlink()
    if out.returncode != 0:
        sys.exit(f"package: signing {exe.name} failed:\n{out.stdout}{out.stderr}")
    return signed.read_bytes()


def entry(name: str, epoch: int, attributes: int) -> zipfile.ZipInfo:
    info = zipfile.ZipInfo(name, time.gmtime(epoch)[:6])
    info.create_system = 0
    info.external_attr = attributes
    info.compress_type = zipfile.ZIP_STORED if name.endswith("/") else zipfile.ZIP_DEFLATED
    return info


def main() -> int:
    source, out_dir, name = Path(sys.argv[1]), Path(sys.argv[2]), sys.argv[3]
    files = sorted((Path(f) for f in sys.argv[4:]), key=lambda f: f.name)
    epoch = commit_time(source)
    pkcs12 = os.environ.get("KELVANE_SIGN_PKCS12", "")
    out_dir.mkdir(parents=True, exist_ok=True)
    archive = out_dir / f"{name}.zip"
    partial = archive.with_suffix(".zip.partial")

    contents = []
    with tempfile.TemporaryDirectory() as scratch:
        for f in files:
            if f.suffix == ".exe" and pkcs12:
                data = sign(f, pkcs12, os.environ.get("KELVANE_SIGN_PASSWORD", ""), epoch,
                            Path(scratch))
                print(f"{f.name} signed with {pkcs12} (Authenticode, SHA-256, no timestamp)")
            else:
                data = f.read_bytes()
                if f.suffix == ".exe":
                    print(f"{f.name} left unsigned: KELVANE_SIGN_PKCS12 names no certificate")
            contents.append((f.name, data))
    with zipfile.ZipFile(partial, "w", compresslevel=9) as z:
        z.writestr(entry(f"{name}/", epoch, DIRECTORY), b"")
        for file_name, data in contents:
            z.writestr(entry(f"{name}/{file_name}", epoch, ARCHIVE), data)
    os.replace(partial, archive)

    line = f"{hashlib.sha256(archive.read_bytes()).hexdigest()}  {archive.name}\n"
    archive.with_suffix(".zip.sha256").write_text(line, encoding="ascii")
    print(f"{archive} ({archive.stat().st_size:,} bytes), its SHA-256 in {archive.name}.sha256:")
    print(line, end="")
    return 0


if __name__ == "__main__":
    sys.exit(main())
