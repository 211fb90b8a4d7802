#!/usr/bin/env bash
# Installs what every build of the tests needs (the wine and fuzz builds
# configure them too), and the Debian packages given as arguments.
set -euo pipefail
exec "$(dirname "$0")/install-build-deps.sh" libgtest-dev "$@"
