"""Signs the release exe as make package does, with a certificate made for this run: the zip's
checksum holds, the signature verifies, and without it scripts/compare-release finds the built
bytes. The signed exe stays in TREE/signed/ for the start-up test that needs this one
(e2e32.tool-signed).

usage: sign_test.py SOURCE_DIR TREE
"""

import os
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path


def run(*args, **options) -> None:
    subprocess.run([str(a) for a in args], check=True, **options)


def main() -> int:
    source, tree = Path(sys.argv[1]), Path(sys.argv[2])
    signed = tree / "signed" / "Kelvane.exe"
    with tempfile.TemporaryDirectory() as scratch:
        t = Path(scratch)
        run("openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1", "-subj",
            "/CN=Kelvane test signer", "-addext", "extendedKeyUsage=codeSigning",
            "-keyout", t / "key.pem", "-out", t / "cert.pem", stderr=subprocess.DEVNULL)
        run("openssl", "pkcs12", "-export", "-inkey", t / "key.pem", "-in", t / "cert.pem",
            "-passout", "pass:throwaway", "-out", t / "signer.p12")
        env = dict(os.environ, KELVANE_SIGN_PKCS12=str(t / "signer.p12"),
                   KELVANE_SIGN_PASSWORD="throwaway")
        run(sys.executable, source / "cmake" / "package.py", source, t, "signed",
            tree / "bin" / "Kelvane.exe", tree / "bin" / "OstrelFeedbackInformation.dll", env=env)
        run("sha256sum", "-c", "signed.zip.sha256", cwd=t)
        signed.parent.mkdir(exist_ok=True)
        signed.write_bytes(zipfile.ZipFile(t / "signed.zip").read("signed/Kelvane.exe"))
        run("osslsigncode", "verify", "-CAfile", t / "cert.pem", "-in", signed)
        run(source / "scripts" / "compare-release", t / "signed.zip", tree)
    print(f"{signed}: signed, verified, and the built bytes once the signature is removed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
