#!/bin/sh
# The command line must start without the window's libraries: no Qt library among those it
# needs, and none at all when it is linked statically.
#   loaded_libraries_check.sh PROGRAM static|shared
set -eu
needed=$(readelf --dynamic "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
echo "needed: ${needed:-nothing}"
if echo "$needed" | grep -q '^libQt'; then
    echo "the command line needs Qt" >&2
    exit 1
fi
if [ "$2" = static ] && [ -n "$needed" ]; then
    echo "the statically linked command line needs shared libraries" >&2
    exit 1
fi
