#!/usr/bin/env bash
# Photographs the program under a virtual X server: the README's screenshot of an
# example running (docs/screenshot.png) and the user guide's pictures
# (help/images/*.png).
#   tools/screenshot.sh [build-folder]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
SCREEN="1400x1000x24"

cmake --build "$BUILD" --target motionbench motionbench_screenshot
DRIVER="$(cd "$BUILD/src/app" && pwd)/motionbench_screenshot"
mkdir -p docs help/images

# shoot OUTPUT SCALE MODE [ARGS...]: start the program in MODE under Xvfb, wait for
# it to say it is ready, take the whole screen, scaled to SCALE percent. ImageMagick's
# import takes the picture when it is installed; otherwise the driver takes it.
shoot() {
    local out="$1" scale="$2"
    shift 2
    local log
    log="$(mktemp)"
    # The driver runs from the program's folder, so it finds ground.bmp and help/ there.
    xvfb-run -a -s "-screen 0 $SCREEN" bash -c '
        out="$1"; scale="$2"; log="$3"; driver="$4"; shift 4
        case "$out" in /*) ;; *) out="$PWD/$out" ;; esac
        if ! command -v import >/dev/null; then
            (cd "$(dirname "$driver")" && exec "$driver" --shot "$out" "$scale" "$@") 2>/dev/null
            exit $?
        fi
        (cd "$(dirname "$driver")" && exec "$driver" "$@") >"$log" 2>/dev/null &
        pid=$!
        for _ in $(seq 1 200); do
            grep -q ready "$log" && break
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        grep -q ready "$log" || { echo "screenshot: the program did not get ready" >&2; kill "$pid" 2>/dev/null; exit 1; }
        import -window root -resize "$scale%" "$out"
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    ' shoot "$out" "$scale" "$log" "$DRIVER" "$@"
    rm -f "$log"
    echo "wrote $out"
}

EXAMPLES="$(pwd)/examples"
shoot docs/screenshot.png 100 run "$EXAMPLES/orbit.kmx" 3000
shoot help/images/start.png 60 start
shoot help/images/origin.png 60 origin
shoot help/images/scale.png 60 scale
shoot help/images/settings.png 60 settings "$EXAMPLES/projectile.kmx"
shoot help/images/running.png 60 run "$EXAMPLES/cyclotron.kmx" 2500
# The property dialogs of the examples' elements (kind codes) and Parameter adjust.
shoot help/images/dialog_magnetic.png 60 dialog "$EXAMPLES/cyclotron.kmx" 5
shoot help/images/dialog_mass.png 60 dialog "$EXAMPLES/orbit.kmx" 6
shoot help/images/dialog_damping.png 60 dialog "$EXAMPLES/damping.kmx" 7
shoot help/images/dialog_hanging_spring.png 60 dialog "$EXAMPLES/spring_oscillator.kmx" 12
shoot help/images/dialog_link_spring.png 60 dialog "$EXAMPLES/link_spring.kmx" 13
shoot help/images/dialog_hanging_cord.png 60 dialog "$EXAMPLES/cord_pendulum.kmx" 16
shoot help/images/dialog_straight_track.png 60 dialog "$EXAMPLES/box_bounce.kmx" 14
shoot help/images/dialog_circular_track.png 60 dialog "$EXAMPLES/circular_track.kmx" 15
shoot help/images/adjust.png 60 adjust "$EXAMPLES/box_bounce.kmx" 12
shoot help/images/place.png 60 place
shoot help/images/band.png 60 band "$EXAMPLES/projectile.kmx"
shoot help/images/fall.png 60 fall 1500
shoot help/images/data_window.png 60 data "$EXAMPLES/projectile.kmx" 900
shoot help/images/curve_window.png 60 curve "$EXAMPLES/cord_pendulum.kmx" 4000
