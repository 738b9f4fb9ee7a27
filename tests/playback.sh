#!/bin/sh
# Runs the playback test against a sound server of its own whose only sink is a null sink.
set -u
dir=$(mktemp -d)
export XDG_RUNTIME_DIR="$dir" HOME="$dir"
unset PULSE_SERVER
if ! pulseaudio -n --daemonize=yes --exit-idle-time=-1 --load="module-null-sink sink_name=zelta" \
        --load=module-native-protocol-unix 2>/dev/null; then
    echo "no sound server could start here: the playback is not tested (the WAV test stands)"
    rm -rf "$dir"
    exit 77
fi
ZELTAPLOT_SINK=zelta "$1" playback
status=$?
kill "$(cat "$dir/pulse/pid")" 2>/dev/null
rm -rf "$dir"
exit $status
