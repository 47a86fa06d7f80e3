"""ZORVAN for scripts and notebooks: slider-crank engine and compressor designs.

    >>> import zorvan
    >>> v8 = zorvan.Design.preset(5)
    >>> v8.set(VeeAngle=60)
    >>> r = zorvan.run(v8)
    >>> r.columns["TotalTorque"].max()          # float32 arrays, 241 rows

    >>> study = zorvan.sweep(v8, vary={"VeeAngle": (60, 120, 5)},
    ...                      figures=["PeakPrimaryMoment"])

The numbers are those of zorvan-cli dump and zorvan-cli sweep, to the last bit.
"""
from ._core import (CalculationError, Design, InputError, Result, __version__, figures, run,
                    sweep)

__all__ = ["CalculationError", "Design", "InputError", "Result", "__version__", "figures", "run",
           "sweep"]
