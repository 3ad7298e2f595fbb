"""Builds the extension with the project's CMake build, so the package gets
exactly the compiler options of the command-line tool:

    pip install --no-build-isolation ./python

needs CMake 3.25, a C++17 compiler, Python's development files and pybind11
(Debian: cmake g++ python3-dev pybind11-dev), and no network."""

import os
import pathlib
import shutil
import subprocess
import sys

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent


class CMakeExtension(Extension):
    def __init__(self, name):
        super().__init__(name, sources=[])


class CMakeBuild(build_ext):
    def build_extension(self, ext):
        if not (ROOT / "CMakeLists.txt").exists() or not (ROOT / "src").is_dir():
            sys.exit(f"manifit: the project's sources are not beside {HERE}; install from a "
                     "checkout of the whole project")
        build = pathlib.Path(self.build_temp).resolve() / "cmake"
        build.mkdir(parents=True, exist_ok=True)
        subprocess.check_call([
            "cmake", "-S", str(ROOT), "-B", str(build), "-DCMAKE_BUILD_TYPE=Release",
            "-DMANIFIT_TESTS=OFF", f"-DPython3_EXECUTABLE={sys.executable}"])
        jobs = os.environ.get("CMAKE_BUILD_PARALLEL_LEVEL", "2")
        subprocess.check_call(["cmake", "--build", str(build), "--target", "manifit_python",
                               "-j", jobs])
        built = list((build / "python" / "manifit").glob("_core*" + _suffix()))
        if len(built) != 1:
            sys.exit(f"manifit: the build left {len(built)} extension modules in {build}")
        target = pathlib.Path(self.get_ext_fullpath(ext.name))
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(built[0], target)


def _suffix():
    import sysconfig

    return sysconfig.get_config_var("EXT_SUFFIX") or ".so"


setup(ext_modules=[CMakeExtension("manifit._core")], cmdclass={"build_ext": CMakeBuild})
