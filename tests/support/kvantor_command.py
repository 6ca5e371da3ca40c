"""Running `Kvantor2 <command> ...` for the end-to-end checks of the
commands, and collecting what those checks find."""
import os
import subprocess


def program():
    """The built program, beside its tables."""
    return os.path.join(os.environ["KV_BIN_DIR"], "Kvantor2")


def run(*args, prog=None, timeout=60, cwd=None, env=None):
    """The finished process of `Kvantor2 args...`, text out and err. Commands
    need no display: the check runs them without one."""
    env = dict(env or os.environ)
    env.pop("DISPLAY", None)
    env["QT_QPA_PLATFORM"] = "minimal"
    return subprocess.run([prog or program(), *args], capture_output=True, text=True, env=env,
                          timeout=timeout, cwd=cwd)


class Checks:
    """Failed checks, each printed when it fails; `finish` gives the exit status."""

    def __init__(self):
        self.failures = []

    def __call__(self, cond, what):
        if not cond:
            self.failures.append(what)
            print("FAIL:", what)

    def finish(self, name):
        print(f"{name}: " + ("FAILED" if self.failures else "all checks passed"))
        return 1 if self.failures else 0


def stop(program):
    """Ends a started program (terminated, killed if it lingers) and gives
    what it printed."""
    if program.poll() is None:
        program.terminate()
        try:
            program.wait(5)
        except subprocess.TimeoutExpired:
            program.kill()
    return program.stdout.read().decode(errors="replace")
