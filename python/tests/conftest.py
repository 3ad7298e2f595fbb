"""Shared fixtures: the bundled data sets and runs of the command-line tool."""

import os
import pathlib
import subprocess

import numpy as np
import pytest

SOURCE_DIR = pathlib.Path(os.environ.get("MANIFIT_SOURCE_DIR",
                                         pathlib.Path(__file__).resolve().parents[2]))
EXAMPLES = SOURCE_DIR / "examples"
CONFIG = EXAMPLES / "manifit.ini"


def read_table(path):
    """A table file (first line: points and coordinates) as float32 rows."""
    with open(path) as file:
        points, columns = (int(word) for word in file.readline().split())
        values = np.array(file.read().split(), dtype=np.float32)
    return values[: points * columns].reshape(points, columns)


def write_table(path, table):
    """The table in the tool's table format, every float written so that it
    reads back as exactly the same float."""
    with open(path, "w") as file:
        file.write(f"{table.shape[0]} {table.shape[1]}\n")
        for row in table:
            file.write(" ".join(repr(float(x)) for x in row) + "\n")


@pytest.fixture(scope="session")
def iris():
    return read_table(EXAMPLES / "iris.txt")


@pytest.fixture(scope="session")
def wine():
    return read_table(EXAMPLES / "wine.txt")


@pytest.fixture(scope="session")
def datasets(iris, wine):
    return {"iris": iris, "wine": wine}


class ToolRun:
    """One run of the command-line tool in its own folder."""

    def __init__(self, folder, completed):
        self.folder = folder
        self.status = completed.returncode
        self.stdout = completed.stdout

    def text(self, name):
        return (self.folder / name).read_text()

    def block(self, name, header):
        """The lines of one "# HEADER" block of a manifold file."""
        lines = self.text(name).split("\n")
        start = lines.index(f"# {header}") + 1
        end = start
        while end < len(lines) and lines[end] != "":
            end += 1
        return lines[start:end]


@pytest.fixture
def run_tool(tmp_path):
    """run_tool(table, *options, files={name: text}) runs manifit on the float
    table (and the given extra files) in a fresh folder."""
    binary = os.environ.get("MANIFIT_BINARY")
    if not binary:
        pytest.fail("MANIFIT_BINARY must name the manifit program (ctest sets it)")
    counter = iter(range(1000))

    def run(table, *options, files=None):
        folder = tmp_path / f"run{next(counter)}"
        folder.mkdir()
        write_table(folder / "table.txt", table)
        for name, text in (files or {}).items():
            (folder / name).write_text(text)
        completed = subprocess.run([binary, "-d", "table.txt", *options], cwd=folder,
                                   capture_output=True, text=True, timeout=600)
        return ToolRun(folder, completed)

    return run


def node_block(nodes):
    """Node rows as the manifold file's "# GRIDNODES" block writes them."""
    return ["".join("%10.8f " % float(x) for x in node) for node in nodes]


def projection_lines(coordinates):
    """Grid coordinates as the projections file writes them."""
    return "".join("%f\t%f\t%f\n" % tuple(float(c) for c in row) for row in coordinates)
