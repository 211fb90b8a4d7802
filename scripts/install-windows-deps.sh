#!/usr/bin/env bash
# Installs what configuring the Windows builds needs beyond their compilers
# (scripts/build-windows.sh installs those): Wine, which runs the wizard's
# suites built for Windows and is looked for when the win32 preset is
# configured, and the Debian packages given as arguments. The 64-bit
# Korrin.exe needs wine64 (apt satisfies `wine` with the 32-bit loader alone
# when recommends are left out), the 32-bit programs wine32 of the i386
# architecture, which is added if missing.
set -euo pipefail
exec "$(dirname "$0")/install-deps.sh" wine wine64 wine32:i386 "$@"
