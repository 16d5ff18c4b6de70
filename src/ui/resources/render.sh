#!/bin/sh
# Re-renders the raster pictures from their SVG sources in this folder.
# Needs rsvg-convert (Debian: librsvg2-bin) and ImageMagick (Debian: imagemagick).
# Metadata chunks (timestamps, text) are left out so that the output is reproducible.
set -eu
cd "$(dirname "$0")"

if command -v magick >/dev/null 2>&1; then IM=magick; else IM=convert; fi

render() { # source.svg target.png width height
    rsvg-convert --width "$3" --height "$4" "$1" \
        | "$IM" png:- -strip -define png:exclude-chunks=date,time,tEXt,zTXt,iTXt "$2"
    echo "$2"
}

render splash.svg        splash.png        536  260
render tlo.svg           tlo.png           1600 1000
render kreator_tlo.svg   kreator_tlo.png   529  464
render icons/terravia.svg icons/terravia.png 256 256
render ekran_ustawienia.svg ekran_ustawienia.png 360 400

# The application icon in the sizes the desktop's icon theme asks for.
for s in 16 24 32 48 64 128 256; do
    render icons/terravia.svg ../../../packaging/linux/icons/terravia-$s.png $s $s
done
