"""What a run of the content pipeline has already drawn.

A full run at both scales takes hours, so a run redraws only what is
missing or stale.  For each piece of work (a test's picture at one scale)
an entry records the key it was drawn with and the hash of every file it
wrote.  The key hashes the test's table, the code files that draw it, the
versions of the drawing tools and the scale; the work is fresh when its
entry has the same key and every file it wrote is still there with the same
bytes.  A run stopped half-way leaves no entry for what it had not finished,
so the next run starts again there.

Entries live outside data/ (in $XDG_CACHE_HOME/terravia-content, by default
~/.cache/terravia-content), one folder per data folder, so that nothing of
them is shipped.
"""
import hashlib
import json
import os
import subprocess

# The Debian packages whose versions change what is drawn.
TOOL_PACKAGES = ("gmt", "libgmt6", "gmt-dcw", "gmt-gshhg-full", "gmt-gshhg-high", "ghostscript",
                 "imagemagick-6.q16", "librsvg2-bin", "librsvg2-2", "ferret-datasets",
                 "fonts-liberation2", "fonts-dejavu-core", "libjpeg62-turbo")

_tools = None


def tool_versions():
    """One line per drawing tool and its version, asked once per run."""
    global _tools
    if _tools is None:
        p = subprocess.run(["dpkg-query", "-W", "-f", "${Package} ${Version}\\n", *TOOL_PACKAGES],
                           capture_output=True, text=True)
        _tools = p.stdout
    return _tools


def file_hash(path):
    h = hashlib.sha256()
    with open(path, "rb") as f:
        for block in iter(lambda: f.read(1 << 20), b""):
            h.update(block)
    return h.hexdigest()


def key(*parts, files=()):
    """A key from text parts and the contents of files."""
    h = hashlib.sha256()
    for p in parts:
        h.update(str(p).encode("utf-8") + b"\0")
    h.update(tool_versions().encode("utf-8") + b"\0")
    for f in sorted(files):
        h.update(os.path.basename(f).encode("utf-8") + b"\0")
        h.update(file_hash(f).encode("ascii") + b"\0")
    return h.hexdigest()


class Cache:
    def __init__(self, data_dir, enabled=True):
        base = os.environ.get("XDG_CACHE_HOME") or os.path.join(os.path.expanduser("~"), ".cache")
        tag = hashlib.sha256(os.path.realpath(data_dir).encode("utf-8")).hexdigest()[:16]
        self.dir = os.path.join(base, "terravia-content", tag)
        self.enabled = enabled

    def _entry(self, name):
        return os.path.join(self.dir, name + ".json")

    def fresh(self, name, k):
        if not self.enabled:
            return False
        try:
            with open(self._entry(name), encoding="utf-8") as f:
                e = json.load(f)
        except (OSError, ValueError):
            return False
        if e.get("key") != k:
            return False
        for path, digest in e.get("files", {}).items():
            if not os.path.exists(path) or file_hash(path) != digest:
                return False
        return True

    def store(self, name, k, paths):
        os.makedirs(self.dir, exist_ok=True)
        e = {"key": k, "files": {os.path.realpath(p): file_hash(p) for p in paths}}
        part = self._entry(name) + ".part"
        with open(part, "w", encoding="utf-8") as f:
            json.dump(e, f, indent=1, sort_keys=True)
        os.replace(part, self._entry(name))
