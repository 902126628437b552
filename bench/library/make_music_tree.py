#!/usr/bin/env python3
"""Writes a tree of N small real MP3 files for library build benchmarks.

Every file is one short encoded tone (made once with lame) behind its own ID3v2.3 tag: thousands of
artists with Latin and Cyrillic names, spelling variants the artist merge joins (letter case, hyphens
against blanks, repeated blanks), albums in nested folders, and some upper-case extensions.

    make_music_tree.py OUT_FOLDER [N]   (N defaults to 10000; the same N gives the same tree)
"""
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile

LATIN = ["ka", "vel", "mor", "tan", "ri", "so", "len", "dor", "ax", "qui", "bel", "nor", "ste", "fa", "gu"]
CYRILLIC = ["ки", "но", "ра", "де", "мо", "лю", "ска", "вер", "та", "жи", "пе", "су", "гро", "ба", "ля"]


def encoded_tone(work):
    wav = os.path.join(work, "tone.wav")
    mp3 = os.path.join(work, "tone.mp3")
    subprocess.run(["ffmpeg", "-v", "error", "-y", "-f", "lavfi", "-i",
                    "sine=frequency=440:sample_rate=8000:duration=0.3", "-ac", "1", wav], check=True)
    subprocess.run(["lame", "--quiet", "-b", "8", "--resample", "8", wav, mp3], check=True)
    with open(mp3, "rb") as f:
        return f.read()


def text_frame(frame_id, text):
    try:
        body = b"\x00" + text.encode("latin-1")
    except UnicodeEncodeError:
        body = b"\x01" + text.encode("utf-16")
    return frame_id.encode() + struct.pack(">I", len(body)) + b"\x00\x00" + body


def id3v2(frames):
    body = b"".join(frames)
    size = len(body)
    syncsafe = bytes([(size >> 21) & 0x7F, (size >> 14) & 0x7F, (size >> 7) & 0x7F, size & 0x7F])
    return b"ID3\x03\x00\x00" + syncsafe + body


def artist_names(rng, count):
    names = []
    for i in range(count):
        syllables = CYRILLIC if i % 3 == 0 else LATIN
        words = ["".join(rng.choice(syllables) for _ in range(rng.randint(1, 3))) for _ in range(rng.randint(1, 3))]
        names.append(" ".join(w.capitalize() for w in words))
    return names


def spelling_variant(rng, name):
    roll = rng.random()
    if roll < 0.70:
        return name
    if roll < 0.80:
        return name.upper()
    if roll < 0.88:
        return name.replace(" ", "-")
    if roll < 0.94:
        return name.replace(" ", "  ")
    return " " + name.lower() + " "


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    out = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) == 3 else 10000
    rng = random.Random(count)
    with tempfile.TemporaryDirectory() as work:
        audio = encoded_tone(work)
    artists = artist_names(rng, max(10, count // 30))
    if os.path.exists(out):
        shutil.rmtree(out)
    made_folders = set()
    for n in range(count):
        artist = rng.choice(artists)
        album = f"Album {rng.randint(1, 4)}"
        folder = os.path.join(out, artist.replace("/", "_")[:1].upper() or "_", artist, album)
        if folder not in made_folders:
            os.makedirs(folder, exist_ok=True)
            made_folders.add(folder)
        extension = ".MP3" if n % 10 == 0 else ".mp3"
        tag = id3v2([
            text_frame("TPE1", spelling_variant(rng, artist)),
            text_frame("TALB", album),
            text_frame("TIT2", f"Song {n}"),
            text_frame("TYER", str(rng.choice([1970 + n % 50, 1999, 2003]))),
            text_frame("TRCK", str(n % 20 + 1)),
            text_frame("TCON", rng.choice(["Rock", "Pop", "Jazz", ""])),
        ])
        with open(os.path.join(folder, f"{n:06d} song{extension}"), "wb") as f:
            f.write(tag + audio)


if __name__ == "__main__":
    main()
