#!/usr/bin/env bash
# Renders the committed PNG and JPEG files from their SVG sources. Run it after editing
# resources/icons/column-designer.svg or resources/notes/notes-picture.svg, look at the
# results, and commit sources and renderings together.
# Needs rsvg-convert (librsvg2-bin), ImageMagick's convert and the Noto Arabic font.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/deps.sh
source scripts/deps.sh
coldesign_install librsvg2-bin imagemagick fonts-noto-core

icon_source=resources/icons/column-designer.svg
for size in 16 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" "$icon_source" \
    --output "resources/icons/column-designer-${size}.png"
done

# The notes window shows the picture at 256 x 384, and at 512 x 768 on a doubled scale.
picture_source=resources/notes/notes-picture.svg
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
render_picture() {
  local scale=$1 target=$2
  rsvg-convert --zoom "$scale" "$picture_source" --output "$scratch/picture.png"
  convert "$scratch/picture.png" -background white -alpha remove -strip \
    -sampling-factor 4:4:4 -quality 92 "$target"
}
render_picture 1 resources/notes/notes-picture.jpg
render_picture 2 resources/notes/notes-picture@2x.jpg
