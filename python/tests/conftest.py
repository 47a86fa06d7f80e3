"""The module of this build and the zorvan-cli beside it (ctest sets both)."""
import json
import os
import subprocess

import pytest

CLI = os.environ.get("ZORVAN_CLI", os.path.join(os.path.dirname(__file__), "../../build/zorvan-cli"))


def cli(*args, check=True):
    """zorvan-cli's output; with check=False the finished process."""
    done = subprocess.run([CLI, *map(str, args)], capture_output=True, text=True)
    if check:
        assert done.returncode == 0, done.stderr
        return done.stdout
    return done


@pytest.fixture
def dump():
    return lambda *args: json.loads(cli("dump", *args))
