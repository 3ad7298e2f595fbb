"""A running fit leaves the interpreter free: the GIL is released."""

import threading
import time

import numpy as np

import manifit


def test_other_threads_run_during_a_fit():
    rng = np.random.default_rng(1)
    X = rng.normal(size=(30000, 10)).astype(np.float32)
    model = manifit.ElasticMap(size=(20, 20), schedule=[{"numiter": 15, "eps": 0.0}])
    fitter = threading.Thread(target=model.fit, args=(X,))
    ticks = []
    started = time.monotonic()
    fitter.start()
    while fitter.is_alive():
        ticks.append(time.monotonic())
        time.sleep(0.001)
    fitter.join()
    duration = time.monotonic() - started
    assert model.n_iter_ == 15
    assert duration > 0.3, "the fit is too short to tell"
    # Holding the interpreter lock for the whole fit would leave one gap as
    # long as the fit itself.
    gaps = np.diff([started] + ticks)
    assert gaps.max() < duration / 4
    assert len(ticks) > 50
