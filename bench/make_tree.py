#!/usr/bin/env python3
"""Makes a tree for the scan benchmark: FILES sparse files of many sizes and
extensions in about FILES/7 folders, with last-access and last-write times
spread over six years, a few hidden folders and hidden files among them.

    make_tree.py FOLDER FILES [SEED] [--flat]

With --flat every file lands in FOLDER itself: one directory of FILES entries.
"""
import os
import random
import sys
import time

EXTENSIONS = ["doc", "txt", "exe", "dll", "jpg", "png", "html", "cpp", "h", "py",
              "mp3", "zip", "pdf", "xls", "c", "o", "so", "ini", "log", "", "class", "tar.gz"]


def folders_for(root, count, rng):
    """Folder paths under root, nested up to six levels, created on the way."""
    folders = [root]
    for i in range(count):
        parent = rng.choice(folders[-200:]) if rng.random() < 0.7 else rng.choice(folders)
        if parent.count(os.sep) - root.count(os.sep) >= 6:
            parent = root
        name = (".hidden%d" % i) if rng.random() < 0.01 else ("dir%d" % i)
        path = os.path.join(parent, name)
        os.mkdir(path)
        folders.append(path)
    return folders


def size_for(rng):
    # Mostly small files, a long tail up to 64 MiB; sparse, so cheap to make.
    return int(min(64 << 20, rng.paretovariate(0.9) * 512)) if rng.random() < 0.97 else 0


def make_file(folder, index, rng, now):
    ext = rng.choice(EXTENSIONS)
    name = ("." if rng.random() < 0.02 else "") + "f%d" % index + ("." + ext if ext else "")
    path = os.path.join(folder, name)
    with open(path, "wb") as f:
        f.truncate(size_for(rng))
    atime = now - rng.uniform(0, 6 * 365 * 86400)
    mtime = now - rng.uniform(0, 6 * 365 * 86400)
    os.utime(path, (atime, mtime))


def main():
    flat = "--flat" in sys.argv
    args = [a for a in sys.argv[1:] if a != "--flat"]
    root, files = args[0], int(args[1])
    rng = random.Random(int(args[2]) if len(args) > 2 else 1)
    os.makedirs(root, exist_ok=True)
    folders = [root] if flat else folders_for(root, max(1, files // 7), rng)
    now = time.time()
    for i in range(files):
        make_file(rng.choice(folders), i, rng, now)


if __name__ == "__main__":
    main()
