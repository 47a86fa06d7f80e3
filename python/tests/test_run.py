"""zorvan.run gives the numbers of zorvan-cli dump for the same design, to the last bit."""
import math

import numpy as np
import pytest

import zorvan
from conftest import cli


def same_floats(array, values, dtype):
    """JSON nulls are NaN; every other number must be the array's, exactly."""
    expected = np.array([math.nan if v is None else v for v in np.ravel(values)], dtype=dtype)
    got = np.ravel(array)
    assert got.dtype == dtype
    assert got.shape == expected.shape
    assert np.array_equal(got, expected, equal_nan=True)


def nine_digits(got, values):
    """Doubles the dump writes with 9 significant digits (null for NaN)."""
    assert ["%.9g" % v for v in np.ravel(got)] == ["nan" if v is None else "%.9g" % v for v in np.ravel(values)]


def same_dict(got, expected, dtype):
    assert list(got) == list(expected)
    for name, value in expected.items():
        if isinstance(value, bool):
            assert got[name] is value, name
        elif isinstance(value, list):
            same_floats(got[name], value, dtype)
        else:
            assert got[name] == (np.float32(value) if dtype == np.float32 and isinstance(value, float) else value), name


@pytest.mark.parametrize("k", range(11))
def test_every_result_of_a_preset_is_its_dump(k, dump):
    j = dump("--preset", k, "--set", f"UnitSystem={1 + k % 5}")
    d = zorvan.Design.preset(k)
    d.set(UnitSystem=1 + k % 5)
    r = zorvan.run(d)
    assert list(r.columns) == list(j["columns"]) and list(r.tables) == list(j["tables"])
    for name, values in j["columns"].items():  # as wide as the record holds them
        same_floats(r.columns[name], values, np.float64 if name == "TanConrodAngle" else np.float32)
    for name, rows in j["tables"].items():
        assert r.tables[name].shape == (241, len(rows[0]))
        same_floats(r.tables[name], rows, np.float32)
    same_dict(r.derived, j["derived"], np.float32)
    assert r.flags == j["flags"]
    same_floats(r.harmonic_sums, j["HarmonicSums"], np.float64)
    same_floats(r.bank_number, j["BankNumber"], np.float32)
    same_floats(r.bank_angle, j["BankAngle"], np.float32)
    flywheel = dict(j["flywheel"])
    for name in ("EnergySwing", "FlywheelInertia"):  # doubles, written with 17 digits
        assert r.flywheel.pop(name) == flywheel.pop(name)
    same_dict(r.flywheel, flywheel, np.float32)
    rodload = dict(j["rodload"])
    for name in ("ReversalDegrees", "ReversalPercent"):
        nine_digits([r.rodload.pop(name)], [rodload.pop(name)])
    same_dict(r.rodload, rodload, np.float32)
    assert list(r.orders) == list(j["orders"])
    orders = dict(j["orders"])
    assert r.orders.pop("MomentsAbout") == orders.pop("MomentsAbout")
    nine_digits([r.orders.pop("EngineCentre")], [orders.pop("EngineCentre")])
    for name, column in orders.items():
        if column is None:
            assert r.orders[name] is None
        else:
            assert list(r.orders[name]) == list(column)
            for part, values in column.items():
                assert r.orders[name][part].dtype == np.float64
                nine_digits(r.orders[name][part], values)


def test_a_failed_calculation_raises_its_number_and_report():
    d = zorvan.Design.preset(5)
    d.set(LRRatio=0.5)
    with pytest.raises(zorvan.CalculationError) as failed:
        zorvan.run(d)
    done = cli("dump", "--preset", "5", "--set", "LRRatio=0.5", check=False)
    assert done.returncode == 1
    assert failed.value.number == 5
    assert failed.value.text.strip() == done.stderr.strip()
    assert d.settings == [("LRRatio", "0.5")]  # the design itself stays as it was set


def test_a_saved_design_reads_back_to_the_same_results(tmp_path):
    d = zorvan.Design.preset(6)
    d.set(VeeAngle=75, CounterweightMass=0.02)
    d.save(str(tmp_path / "w12.zrv"))
    cli("save", tmp_path / "cli.zrv", "--preset", 6, "--set", "VeeAngle=75", "--set", "CounterweightMass=0.02")
    again, by_cli = zorvan.run(zorvan.Design.read(str(tmp_path / "w12.zrv"))), zorvan.run(d)
    for name, column in by_cli.columns.items():
        assert np.array_equal(again.columns[name], column, equal_nan=True), name
    assert (tmp_path / "w12.zrv").read_bytes() == (tmp_path / "cli.zrv").read_bytes().replace(b"cli", b"w12")
    with pytest.raises(zorvan.CalculationError):
        zorvan.Design.read(str(tmp_path / "missing.zrv"))
