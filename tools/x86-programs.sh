#!/usr/bin/env bash
# Can this machine execute 32-bit x86 programs? Some kernels give user space no 32-bit mode: there
# every i386 program, Wine's 32-bit loader and the 32-bit Windows programs it runs among them,
# fails with "Exec format error", though the i386 packages install.
# Prints one line, "32-bit x86 programs: yes" or "32-bit x86 programs: no (why)", and exits 0
# or 1 accordingly. KORVALA_PRETEND_NO_32_BIT=1 answers no, so that a machine that runs them can
# try what one that does not would do.
set -euo pipefail

if [ -n "${KORVALA_PRETEND_NO_32_BIT:-}" ]; then
    echo "32-bit x86 programs: no (KORVALA_PRETEND_NO_32_BIT is set)"
    exit 1
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The smallest static i386 ELF program: exit(42) through int 0x80, needing no 32-bit library.
# ELF header (52 bytes), one loadable segment (32 bytes), then: mov bl, 42; xor eax, eax;
# inc eax; int 0x80.
printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'\
'\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'\
'\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00'\
'\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08'\
'\x00\x80\x04\x08\x5b\x00\x00\x00\x5b\x00\x00\x00\x05\x00\x00\x00'\
'\x00\x10\x00\x00\xb3\x2a\x31\xc0\x40\xcd\x80' >"$scratch/exit42"
chmod +x "$scratch/exit42"

status=0
"$scratch/exit42" 2>/dev/null || status=$?
case $status in
42) echo "32-bit x86 programs: yes" ;;
126) echo "32-bit x86 programs: no (the kernel cannot execute them: Exec format error)" ;;
*) echo "32-bit x86 programs: no (a 32-bit test program ended with status $status, not 42)" ;;
esac
[ "$status" -eq 42 ]
