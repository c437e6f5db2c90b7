# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""User text, as the package reads numbers from it and quotes it in messages."""

QUOTED_LENGTH = 80


def quoted(text):
    """`text` in quotes, at most QUOTED_LENGTH characters of it, control characters escaped.

    A longer text is cut, and the cut marked with "...": a message stays
    short and printable whatever line of a file it quotes.

    Parameters
    ----------
    text : object
        Quoted as `str` gives it.

    Returns
    -------
    str
    """
    text = str(text)
    shown = repr(text[:QUOTED_LENGTH])
    return shown + "..." if len(text) > QUOTED_LENGTH else shown


def is_number(value):
    """Whether `value` reads as a number (inf and nan among them).

    Parameters
    ----------
    value : object
        A text or a number.

    Returns
    -------
    bool
        Whether `float` takes it.
    """
    try:
        float(value)
    except (TypeError, ValueError):
        return False
    return True
