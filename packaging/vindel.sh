#!/bin/bash
# SPDX-License-Identifier: MIT
# What the menu entry starts. Vindel keeps Vindel.ini in its working
# directory, and a launcher starts programs in the home directory; so give it
# a folder of its own under the user's data directory and start it there.
# Started from a terminal as "Vindel", it uses the current directory instead.
set -euo pipefail
dir="${XDG_DATA_HOME:-$HOME/.local/share}/vindel"
mkdir -p "$dir"
cd "$dir"
# The program sits next to this script, wherever the package put both.
exec "$(dirname "$(readlink -f "$0")")/Vindel" "$@"
