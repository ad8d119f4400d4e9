#!/usr/bin/env python3
"""Start-up time and idle memory of Tessaron beside a bare Qt window.

    python3 bench/startup.py [build] [runs]

Starts, on one Xvfb display with no window manager, the bare window program and
Tessaron in turn (a warm-up round first), and times each from the start of the
process to the first window mapped under the root window (X11 MapNotify, read
through libX11). Prints both medians and their ratio, and the idle resident
memory of each one second after its window appeared.
"""
import ctypes
import os
import statistics
import subprocess
import sys
import tempfile
import time

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19


class XEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("pad", ctypes.c_long * 24)]


def measure(display, argv, env):
    """Seconds to the first MapNotify, and the resident memory in KiB a second later."""
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    dpy = None
    for _ in range(100):  # the server may still be settling
        dpy = x11.XOpenDisplay(display.encode())
        if dpy:
            break
        time.sleep(0.02)
    if not dpy:
        sys.exit(f"cannot open the display {display}")
    x11.XSelectInput(dpy, x11.XDefaultRootWindow(dpy), SUBSTRUCTURE_NOTIFY_MASK)
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XSync(dpy, 0)
    start = time.perf_counter()
    proc = subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    event = XEvent()
    while True:
        x11.XNextEvent(dpy, ctypes.byref(event))
        if event.type == MAP_NOTIFY:
            break
    elapsed = time.perf_counter() - start
    time.sleep(1.0)
    rss = 0
    with open(f"/proc/{proc.pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                rss = int(line.split()[1])
    proc.terminate()
    proc.wait()
    x11.XCloseDisplay(dpy)
    return elapsed, rss


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    # Xvfb picks a free display and says which once it is ready.
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp"], pass_fds=(write_end,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as answer:
        display = ":" + answer.readline().strip()
    try:
        config = tempfile.mkdtemp()
        env = dict(os.environ, DISPLAY=display, XDG_CONFIG_HOME=config, BROWSER="/bin/true")
        env.pop("QT_QPA_PLATFORM", None)
        programs = {"bare": [os.path.join(build, "bare_window")],
                    "tessaron": [os.path.join(build, "tessaron")]}
        times = {name: [] for name in programs}
        memory = {name: [] for name in programs}
        for round_number in range(runs + 1):
            for name, argv in programs.items():
                seconds, rss = measure(display, argv, env)
                if round_number > 0:  # the first round warms the caches
                    times[name].append(seconds)
                    memory[name].append(rss)
        bare = statistics.median(times["bare"])
        ours = statistics.median(times["tessaron"])
        print(f"bare window  median {bare * 1000:6.1f} ms   idle RSS {statistics.median(memory['bare']) / 1024:5.1f} MiB")
        print(f"tessaron     median {ours * 1000:6.1f} ms   idle RSS {statistics.median(memory['tessaron']) / 1024:5.1f} MiB")
        print(f"ratio {ours / bare:.2f} (time)   {statistics.median(memory['tessaron']) / statistics.median(memory['bare']):.2f} (memory)")
    finally:
        xvfb.terminate()
        xvfb.wait()


if __name__ == "__main__":
    main()
