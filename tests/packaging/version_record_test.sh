#!/usr/bin/env bash
# Compiles the Windows version record with Debian's MinGW resource compiler,
# reads the compiled record back as text and compares it, field by field,
# with what Ludrix.exe must carry.
# Usage: version_record_test.sh RC-FILE EXPECTED PREPROCESSOR WORK-DIR
source "$(dirname "$0")/common.sh"
rc=$1 expected=$2 preprocessor=$3 work=$4
windres=x86_64-w64-mingw32-windres
need "$windres"

mkdir -p "$work"
# The record needs no Windows header, so the host's compiler can preprocess
# it in place of a MinGW one. The language starts out neutral rather than
# this compiler's US English, as other compilers start from the machine's
# own: the record has to name its language itself.
"$windres" --preprocessor="$preprocessor" --preprocessor-arg=-E --preprocessor-arg=-xc \
    --preprocessor-arg=-DRC_INVOKED --language=0 --input-format=rc --output-format=res "$rc" "$work/ludrix.res"
"$windres" --input-format=res --output-format=rc "$work/ludrix.res" >"$work/ludrix.decompiled.rc"
# The compiler opens its text with a comment naming the resource; the record
# itself follows.
sed '1,/\*\//d' "$work/ludrix.decompiled.rc" >"$work/record.rc"
diff -u "$expected" "$work/record.rc" || fail "the compiled version record differs from $expected"
echo "the version record holds every field, and no other"
