# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT

"""Times the program from its start to its window being mapped on the X
display, then clicks Command1 once and reads the peak resident memory.
Run under an X server: scripts/measure-startup.sh does that."""

import ctypes
import os
import statistics
import subprocess
import sys
import tempfile
import time

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19

xlib = ctypes.cdll.LoadLibrary("libX11.so.6")
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XDefaultRootWindow.restype = ctypes.c_ulong
xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
xlib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
xlib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]


def main():
    program, runs = sys.argv[1], int(sys.argv[2])
    display = xlib.XOpenDisplay(None)
    # Every window mapped on the screen is reported to the root's listeners.
    xlib.XSelectInput(display, xlib.XDefaultRootWindow(display), SUBSTRUCTURE_NOTIFY_MASK)
    xlib.XSync(display, 0)
    event = ctypes.create_string_buffer(192)
    shown, peak = [], []
    with tempfile.TemporaryDirectory() as work:
        for _ in range(runs):
            start = time.monotonic()
            proc = subprocess.Popen([program], cwd=work)
            while True:
                xlib.XNextEvent(display, event)
                if int.from_bytes(event.raw[:4], "little") == MAP_NOTIFY:
                    break
            shown.append((time.monotonic() - start) * 1000)
            # The middle of Command1, in the window's own pixels.
            subprocess.run(["xdotool", "search", "--sync", "--pid", str(proc.pid),
                            "--name", "^Form1$", "mousemove", "--window", "%1", "68", "40",
                            "click", "1"], check=True, stdout=subprocess.DEVNULL)
            plot_data = os.path.join(work, "solva12.txt")
            while not (os.path.exists(plot_data) and open(plot_data, "rb").read().count(b"\n") == 18):
                time.sleep(0.01)
            time.sleep(0.2)
            with open(f"/proc/{proc.pid}/status") as status:
                peak += [int(line.split()[1]) for line in status if line.startswith("VmHWM")]
            proc.kill()
            proc.wait()
            os.remove(plot_data)
    print("runs:", runs)
    print("start to mapped window (ms):", " ".join(f"{t:.0f}" for t in shown))
    print(f"median start to mapped window: {statistics.median(shown):.0f} ms")
    print("peak resident memory after a default run (kB):", " ".join(map(str, peak)))
    print(f"median peak resident memory: {statistics.median(peak):.0f} kB")


main()
