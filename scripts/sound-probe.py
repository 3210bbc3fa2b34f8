#!/usr/bin/env python3
"""Listens to a recording of the sound server's output, for the sound test and benchmark.

  sound-probe.py tone FILE
      writes a short 1 kHz reference tone as a wave file (for paplay).
  sound-probe.py click BUTTON [RAW]
      presses and releases a mouse button where the pointer is (on $DISPLAY) and prints the
      wall-clock time at which the press was sent, without the start-up time of a tool, and
      how many bytes the growing recording RAW held then.
  sound-probe.py segments RAW [--complete]
      prints the sounds heard in RAW (s16le, 1 channel, 44100 Hz): start and end in seconds;
      with --complete only those that have ended (RAW may still be growing).
  sound-probe.py latencies RAW EVENTS [--window SECONDS]
      EVENTS holds one line per event, in order: "reference wall-clock-seconds" for each
      reference tone (the first sounds of their length in the recording), and "name
      wall-clock-seconds recorded-bytes" for each click (as click prints it). For each click
      prints the delay to the first sound that starts after it, or "silent" when nothing
      starts within --window seconds and before the next click; then the median delays of
      each name. Two delays: beyond the reference tones' own delay from paplay's start; and
      from the point the recording had reached at the click, which leaves paplay out but
      includes the recorder's own delay, so that it can only be too long.
"""
import argparse
import array
import ctypes
import math
import os
import statistics
import struct
import sys
import time
import wave

RATE = 44100
TONE_LENGTH = 0.1
# How far the recording can stand behind what it has already heard when its size is read:
# a block of the recorder's latency (parec --latency-msec=10), with room for one more.
RECORDER_BLOCK = 0.02
THRESHOLD = 300          # of 32767: well above rounding noise, below the quietest sound's start
SILENCE_GAP = 0.030      # a sound ends after this much silence


def write_tone(path):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        n = int(TONE_LENGTH * RATE)
        out.writeframes(b"".join(
            struct.pack("<h", int(12000 * math.sin(2 * math.pi * 1000 * i / RATE)))
            for i in range(n)))


def click(button, recording):
    x11 = ctypes.CDLL("libX11.so.6")
    xtst = ctypes.CDLL("libXtst.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XFlush.argtypes = x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                          ctypes.c_ulong]
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("click: cannot open the display")
    xtst.XTestFakeButtonEvent(display, button, 1, 0)
    x11.XFlush(display)
    pressed = time.time()
    recorded = os.path.getsize(recording) if recording else None
    xtst.XTestFakeButtonEvent(display, button, 0, 0)
    x11.XFlush(display)
    x11.XCloseDisplay(display)
    print(f"{pressed:.6f}" + (f" {recorded}" if recorded is not None else ""))


def segments(path, complete=False):
    samples = array.array("h")
    with open(path, "rb") as f:
        data = f.read()
    samples.frombytes(data[: len(data) // 2 * 2])
    if sys.byteorder != "little":
        samples.byteswap()

    def loud(i):
        return abs(samples[i]) > THRESHOLD

    # Block by block (quick), then sample by sample inside the blocks where a sound starts or
    # ends (exact).
    found, start, last_loud = [], None, None
    gap = int(SILENCE_GAP * RATE)
    block = gap // 4
    for b in range(0, len(samples), block):
        chunk = samples[b : b + block]
        if max(chunk) <= THRESHOLD and min(chunk) >= -THRESHOLD:
            if start is not None and b + len(chunk) - last_loud > gap:
                found.append((start / RATE, (last_loud + 1) / RATE))
                start = None
            continue
        if start is None:
            start = next(i for i in range(b, b + len(chunk)) if loud(i))
        last_loud = next(i for i in range(b + len(chunk) - 1, b - 1, -1) if loud(i))
    if start is not None and (not complete or len(samples) - last_loud > gap):
        found.append((start / RATE, (last_loud + 1) / RATE))
    return found


def latencies(raw, events_path, window):
    references, actions = [], []
    with open(events_path) as f:
        for line in f:
            fields = line.split()
            if fields and fields[0] == "reference":
                references.append(float(fields[1]))
            elif fields:
                actions.append((fields[0], float(fields[1]), int(fields[2]) / 2 / RATE))
    heard = segments(raw)
    # The reference tones, the first sounds of their length in the recording, fix where the
    # events' clock lies on the recording's time line.
    tones = [s for s, e in heard if abs(e - s - TONE_LENGTH) < 0.01][: len(references)]
    if not references or len(tones) < len(references):
        sys.exit("latencies: the reference tones are not in the recording")
    offset = statistics.median(s - when for s, when in zip(tones, references))
    # An action owns the sounds that start from where the recording stood at the action (its
    # sound cannot start earlier, but the recorder writes in blocks of its latency, so the size
    # read at the click may lag the sound by one block) to the next action, or --window seconds.
    results = {}
    for i, (name, when, recorded) in enumerate(actions):
        end = min(recorded + window, actions[i + 1][2] if i + 1 < len(actions) else math.inf)
        onset = next((s for s, _ in heard if recorded - RECORDER_BLOCK <= s < end), None)
        if onset is None:
            print(f"{name:14s} silent")
            continue
        beyond, after = results.setdefault(name, ([], []))
        beyond.append(onset - (when + offset))
        after.append(onset - recorded)
        print(f"{name:14s} {beyond[-1] * 1000:7.1f} ms beyond paplay, "
              f"{after[-1] * 1000:7.1f} ms after the click")
    for name, (beyond, after) in results.items():
        print(f"median {name:14s} {statistics.median(beyond) * 1000:7.1f} ms beyond paplay, "
              f"{statistics.median(after) * 1000:7.1f} ms after the click (of {len(beyond)})")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("command", choices=["tone", "click", "segments", "latencies"])
    parser.add_argument("file", help="a file, or the button for click")
    parser.add_argument("events", nargs="?", help="EVENTS, or RAW for click")
    parser.add_argument("--window", type=float, default=3.0)
    parser.add_argument("--complete", action="store_true")
    args = parser.parse_args()
    if args.command == "tone":
        write_tone(args.file)
    elif args.command == "click":
        click(int(args.file), args.events)
    elif args.command == "segments":
        for start, end in segments(args.file, args.complete):
            print(f"{start:.4f} {end:.4f}")
    else:
        if not args.events:
            parser.error("latencies needs an EVENTS file")
        latencies(args.file, args.events, args.window)


if __name__ == "__main__":
    main()
