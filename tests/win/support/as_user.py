"""What the as-a-user tests share: running a Windows program under Wine, X input with xdotool, and waiting."""
import os
import subprocess
import time

RUNNER = os.environ["OVANTA_WINE_RUNNER"]


def wine(*args, timeout=60):
    """Runs a Windows program to its end; gives its exit code and its output, stripped."""
    result = subprocess.run([RUNNER, *args], capture_output=True, text=True, timeout=timeout)
    return result.returncode, result.stdout.strip()


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=60)


def wait_for(predicate, seconds=20):
    """Asks the predicate every 0.2 s until it gives a true value or the seconds have passed; gives its value."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.2)
    return predicate()
