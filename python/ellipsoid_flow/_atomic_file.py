# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Files that appear under their name only once they are complete.

A regular file is written beside its name and renamed into place; it gets the
permissions of a new file (0666 less the umask), or keeps those, owner and
group of the file it replaces. A name that is a symbolic link is written
through it. A pipe or a device has nothing to replace and is written in place.
"""

import contextlib
import os
import secrets
import stat
from pathlib import Path


@contextlib.contextmanager
def written_whole(path):
    """Yields a path to open and write in place of `path`; gives it its name on success.

    On any failure the scratch file is removed and `path` keeps whatever it
    held.

    Parameters
    ----------
    path : str or os.PathLike
        The file to write: a regular file, a new name, a link to one, a pipe
        or a device.

    Yields
    ------
    str or pathlib.Path
        The name to write to: a scratch file beside `path`, or the open pipe
        or device.

    Raises
    ------
    OSError
        `path` cannot be written (a write to a full device among it), named
        by `path`.
    """
    target = Path(os.path.realpath(path))
    try:
        if _is_special(target):
            with _opened_in_place(target) as in_place:
                yield in_place
            return
        partial = _created_beside(target)
        try:
            yield partial
            os.replace(partial, target)
        except BaseException:
            os.unlink(partial)
            raise
    except OSError as error:
        if error.errno is None:
            raise
        # Named by the user's name for the file, not by the scratch or device name.
        raise OSError(error.errno, error.strerror, str(path)) from None


def write_csv(table, path, float_format):
    """A pandas table as CSV without its index, under its name only once complete.

    Parameters
    ----------
    table : pandas.DataFrame
    path : str or os.PathLike
    float_format : str
        A printf format for the floats ("%.17g": to the last bit).

    Raises
    ------
    OSError
        As `written_whole` raises it.
    """
    with written_whole(path) as partial:
        table.to_csv(partial, index=False, float_format=float_format)


def _is_special(path):
    """Whether `path` exists as neither a regular file nor a folder (a pipe, a device)."""
    try:
        mode = os.stat(path).st_mode
    except FileNotFoundError:
        return False
    return not stat.S_ISREG(mode) and not stat.S_ISDIR(mode)


@contextlib.contextmanager
def _opened_in_place(path):
    """A name for `path` opened without waiting for a pipe's reader (none: ENXIO)."""
    fd = os.open(path, os.O_WRONLY | os.O_NONBLOCK | os.O_CLOEXEC)
    try:
        os.set_blocking(fd, True)
        # Writers open files by name; this one names the open pipe or device.
        yield f"/dev/fd/{fd}"
    finally:
        os.close(fd)


def _created_beside(target):
    """A new empty file in `target`'s folder, with the owner and mode `target` should end with."""
    for _ in range(100):
        partial = target.with_name(f".{target.name}.{secrets.token_hex(4)}.partial")
        try:
            # The kernel applies the umask to 0666, as for any new file.
            fd = os.open(partial, os.O_WRONLY | os.O_CREAT | os.O_EXCL | os.O_CLOEXEC, 0o666)
        except FileExistsError:
            continue
        try:
            _take_owner_and_mode(fd, target)
        except BaseException:
            os.unlink(partial)
            raise
        finally:
            os.close(fd)
        return partial
    raise FileExistsError(f"{target}: no free scratch name beside it")


def _take_owner_and_mode(fd, target):
    """Gives the open file `fd` the mode, and where allowed the owner, of an existing `target`."""
    try:
        old = os.stat(target)
    except FileNotFoundError:
        return
    new = os.fstat(fd)
    if (old.st_uid, old.st_gid) != (new.st_uid, new.st_gid):
        # Only root may give a file away; anyone else's replacement is their own.
        with contextlib.suppress(PermissionError):
            os.fchown(fd, old.st_uid, old.st_gid)
    os.fchmod(fd, stat.S_IMODE(old.st_mode))
