#!/usr/bin/env bash
# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Starts the program, or says in one line why it cannot be seen here.
set -euo pipefail
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "No display to show Quantell on; 'make screenshot' renders its windows into PNG files instead." >&2
    exit 1
fi
exec "$1"
