#!/usr/bin/env bash
# Installs the pinned MCP client from the committed lock file into a work
# folder (outside the source tree) and runs the client test against tandor.
# Usage: run.sh <tandor executable> <work folder>
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
tandor="$1"
work="$2"

mkdir -p "$work"
cp "$here/package.json" "$here/package-lock.json" "$here/client.mjs" "$work/"
cd "$work"
npm ci --prefer-offline --no-audit --no-fund --ignore-scripts --loglevel=error
node client.mjs "$tandor"
