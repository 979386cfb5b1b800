"""The pinned d3-celestial package: fetched once with npm into tools/cache/, read straight from
the tarball (nothing is unpacked onto disk)."""
import hashlib
import json
import math
import pathlib
import subprocess
import tarfile

ROOT = pathlib.Path(__file__).resolve().parents[2]
CACHE = ROOT / "tools" / "cache"
PACKAGE = "d3-celestial"
VERSION = "0.7.35"
# sha1 the registry publishes for this tarball ("shasum" in npm pack's output).
SHA1 = "bee03f337ac1ae3d32de2c3bd7d7ae4dd27e1e21"

_members = {}


def tarball():
    path = CACHE / f"{PACKAGE}-{VERSION}.tgz"
    if not path.exists():
        CACHE.mkdir(parents=True, exist_ok=True)
        subprocess.run(["npm", "pack", f"{PACKAGE}@{VERSION}"], cwd=CACHE, check=True,
                       stdout=subprocess.DEVNULL)
    digest = hashlib.sha1(path.read_bytes()).hexdigest()
    if digest != SHA1:
        raise SystemExit(f"{path}: sha1 {digest}, expected {SHA1}")
    return path


def read_bytes(name):
    """Bytes of package/<name> inside the tarball, e.g. read_bytes("data/stars.8.json")."""
    if name not in _members:
        with tarfile.open(tarball(), "r:gz") as tar:
            f = tar.extractfile(f"package/{name}")
            if f is None:
                raise SystemExit(f"{name}: not a regular file in the package")
            _members[name] = f.read()
    return _members[name]


def load_json(name):
    return json.loads(read_bytes(name).decode("utf-8"))


def ra_radians(lon_deg):
    """d3-celestial stores right ascension as a longitude in [-180, 180] degrees."""
    ra = math.radians(lon_deg % 360.0)
    return ra if ra < 2 * math.pi else 0.0


def dec_radians(lat_deg):
    return math.radians(lat_deg)


def write_text(path, lines):
    """UTF-8, LF line ends, a line end after the last line."""
    pathlib.Path(path).write_bytes("".join(line + "\n" for line in lines).encode("utf-8"))
