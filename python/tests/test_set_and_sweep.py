"""Settings are judged as zorvan-cli --set judges them; zorvan.sweep is zorvan-cli sweep."""
import csv
import io
import threading

import numpy as np
import pytest

import zorvan
from conftest import cli


def every_field(d):
    return {name: d.get(name) for name in zorvan.Design.fields()}


@pytest.mark.parametrize("values, field", [
    ({"VeeAngle": 200}, "VeeAngle"),                      # outside its limits
    ({"Bore": 3.5, "IdleRPM": -1}, "IdleRPM"),            # the first is not kept either
    ({"NoSuchField": 1}, "NoSuchField"),
    ({"Bore": "wide"}, "Bore"),
    ({"NumCylinders": 1e9}, "NumCylinders"),              # beyond what the field holds
    ({"PhaseAngle": [0, 90, 720]}, "PhaseAngle"),
    ({"FiringOrder": [1] * 8}, None),                     # the design as a whole
])
def test_a_refused_value_raises_and_changes_nothing(values, field):
    d = zorvan.Design.preset(5)
    d.set(VeeAngle=80)
    before = every_field(d)
    with pytest.raises(zorvan.InputError) as refused:
        d.set(**values)
    assert refused.value.field == field
    if field:
        assert field in str(refused.value)
    assert every_field(d) == before and d.settings == [("VeeAngle", "80")]
    args = [a for name, v in values.items() for a in ("--set", f"{name}={v}")]
    assert cli("dump", "--preset", 5, *args, check=False).returncode == 2


def test_a_setting_reads_back_and_a_bool_is_refused():
    d = zorvan.Design()
    d.set(Arrangement="Vee", NumCylinders=6, PhaseAngle=np.array([0, 120, 240, 0, 120, 240]),
          FiringOrder=[1, 4, 2, 5, 3, 6], FiringAngle=np.arange(6) * 120.0, Bore=0.1)
    assert d["PhaseAngle"] == [0, 120, 240, 0, 120, 240] and d["NumCylinders"] == 6
    assert d["Bore"] == np.float32(0.1)
    with pytest.raises(TypeError):
        d.set(Bore=True)


def rows_of(text):
    return list(csv.reader(io.StringIO(text)))


@pytest.mark.parametrize("design, vary", [
    (["--preset", "5"], {"LRRatio": (0.5, 2.5, 1), "VeeAngle": (60, 240, 60), "IdleRPM": (500, 900, 200)}),
    (["--preset", "6", "--set", "CounterweightMass=0.02", "--set", "UnitSystem=2"],
     {"PhaseAngle[3]": (0, 360, 45)}),
])
def test_a_sweep_is_the_command_lines_csv(design, vary):
    d = zorvan.Design.preset(int(design[1]))
    d.set(**dict(s.split("=") for s in design[3::2]))
    got = zorvan.sweep(d, vary=vary, jobs=2)
    args = [a for name, (a0, a1, a2) in vary.items() for a in ("--vary", f"{name}={a0}:{a1}:{a2}")]
    heading, *rows = rows_of(cli("sweep", *design, *args))
    assert [h.split(" (")[0] for h in heading] == list(got)
    assert len(rows) == len(got["error"]) and any(got["error"])  # failed designs among them
    for i, row in enumerate(rows):
        for text, name in zip(row, got):
            value = got[name][i]
            if name == "error":
                assert value == text
            elif name in vary:
                assert value == float(text)
            else:
                assert text == ("" if np.isnan(value) else "%.9g" % value), (i, name)


def test_a_bad_grid_raises():
    d = zorvan.Design.preset(5)
    for vary in ({"VeeAngle": (60, 120, 0)}, {"Nope": (1, 2, 1)}, {"PhaseAngle": (0, 90, 45)}, {}):
        with pytest.raises(zorvan.InputError):
            zorvan.sweep(d, vary=vary)
    with pytest.raises(zorvan.InputError):
        zorvan.sweep(d, vary={"VeeAngle": (60, 120, 10)}, figures=["Nope"])
    with pytest.raises(TypeError):
        zorvan.sweep(d, vary={"VeeAngle": (60, 120)})


def test_a_sweep_runs_the_design_as_it_was_given_while_other_threads_change_it():
    d = zorvan.Design.preset(6)
    vary = {"VeeAngle": (60, 159, 1), "LRRatio": (3, 3.05, 0.001)}
    expected, got = zorvan.sweep(d.copy(), vary=vary), {}
    worker = threading.Thread(target=lambda: got.update(zorvan.sweep(d, vary=vary)))
    worker.start()
    while worker.is_alive():  # runs because the sweep lets go of the interpreter
        d.set(Bore=4 + len(d.settings) % 2)
    assert len(d.settings) > 1
    for name, values in expected.items():
        assert np.array_equal(got[name], values, equal_nan=True) if name != "error" else got[name] == values
