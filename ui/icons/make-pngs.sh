#!/bin/sh
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
# Renders the window and desktop icons from ellipsoid-flow.svg; run it again
# after changing the drawing and commit the PNGs it writes.
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 256; do
    convert -background none -density 384 ellipsoid-flow.svg -resize "${size}x${size}" \
        -strip "PNG32:ellipsoid-flow-${size}.png"
done
