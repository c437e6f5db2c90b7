# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Files that appear under their name only once they are complete."""

import contextlib
import os
import tempfile
from pathlib import Path


@contextlib.contextmanager
def written_whole(path):
    """Yields a scratch path beside `path` to write; renames it to `path` on success.

    On any failure the scratch file is removed and `path` keeps whatever it held.
    """
    path = Path(path)
    handle, partial = tempfile.mkstemp(dir=path.parent, prefix=f".{path.name}.", suffix=".partial")
    os.close(handle)
    try:
        yield partial
        os.replace(partial, path)
    except BaseException:
        os.unlink(partial)
        raise


def write_csv(table, path, float_format):
    """A pandas table as CSV without its index, under its name only once complete."""
    with written_whole(path) as partial:
        table.to_csv(partial, index=False, float_format=float_format)
