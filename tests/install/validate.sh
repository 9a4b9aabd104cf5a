#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the freedesktop validators on the desktop entry and the AppStream file.
# Anything it reports, hints included, fails.
# usage: validate.sh desktop FILE | validate.sh metainfo FILE
set -euo pipefail
kind=$1 file=$2
case "$kind" in
desktop)
    command -v desktop-file-validate >/dev/null || { echo "desktop-file-validate is missing" >&2; exit 1; }
    out=$(desktop-file-validate "$file" 2>&1) || { echo "$out"; exit 1; }
    echo "$out"
    ! grep -qiE ": (warning|error|hint):" <<<"$out"
    ;;
metainfo)
    command -v appstreamcli >/dev/null || { echo "appstreamcli is missing" >&2; exit 1; }
    appstreamcli validate --no-net --explain "$file"
    ;;
*)
    echo "usage: $0 desktop|metainfo FILE" >&2
    exit 2
    ;;
esac
