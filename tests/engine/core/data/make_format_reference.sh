#!/usr/bin/env bash
# Regenerates format_reference.txt: what gfortran prints, with ROUND=COMPATIBLE (round half
# away from zero), for single-precision values in the F and E fields the reports use.
# Each output line is: value field |text|. Needs gfortran and python3; not run by the tests.
set -euo pipefail
out="$(cd "$(dirname "$0")" && pwd)/format_reference.txt"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
python3 - <<'PY'
import random, struct
random.seed(7)
f32 = lambda v: struct.unpack('f', struct.pack('f', v))[0]
vals = [0.0, -0.0, 0.5, -0.5, 0.25, -0.25, 2.5, 0.125, 1234.0, 12345678.0, 0.9996, 9.9996, -9.9996,
        99.96, 0.05, 0.04, -0.04, 1e-30, 1e30, 3.4e38, 1.2e-38, 123.456, 0.1, 0.35, 2.675, 1.5, -1.5,
        1e10, 99999.995, 0.00049, 0.0005, 5e-5, 1.0, 10.0, 100.0]
vals = [f32(v) for v in vals]
vals += [f32(random.choice([1, -1]) * 10 ** random.uniform(-12, 12)) for _ in range(165)]
vals += [random.randint(-5000, 5000) / random.choice([2, 4, 8, 16, 32, 64, 128]) for _ in range(40)]
open('vals.txt', 'w').write(''.join(repr(v) + '\n' for v in vals))
fmts = ['F5.1', 'F9.2', 'F8.1', 'F9.3', 'F9.4', 'F10.1', 'F6.3', 'F5.2', 'F3.2', 'F4.1', 'F3.0', 'F7.2',
        'F12.5', 'E10.3', 'E17.4', 'E16.4', 'E9.2', 'E9.3', 'E8.3', 'E12.5', 'E18.4', 'E19.4', 'E23.4']
src = ['program c', 'real :: x', 'character(len=40) :: s', 'integer :: ios', 'open(1,file="vals.txt")', 'do',
       'read(1,"(A)",iostat=ios) s', 'if (ios/=0) exit', 'read(s,*) x']
src += ["write(*,'(RC,A,A,%s,A)') trim(s), ' %s |', x, '|'" % (f, f) for f in fmts]
src += ['end do', 'end']
open('c.f90', 'w').write('\n'.join(src) + '\n')
PY
gfortran c.f90 -o c
./c > "$out"
