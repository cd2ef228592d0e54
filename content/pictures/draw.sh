#!/usr/bin/env bash
# Draws every picture of the program from shapes, gradients and DejaVu glyphs.
# Run from any folder: ./content/pictures/draw.sh. It writes into its own folder
# and gives byte-identical files on every run.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here"

CONVERT=${CONVERT:-convert}
command -v "$CONVERT" >/dev/null || { echo "draw.sh: ImageMagick's convert is needed" >&2; exit 1; }

FONTS=/usr/share/fonts/truetype/dejavu
SANS=$FONTS/DejaVuSans.ttf
SERIF_BOLD=$FONTS/DejaVuSerif-Bold.ttf
for font in "$SANS" "$SERIF_BOLD"; do
    [[ -r $font ]] || { echo "draw.sh: missing $font (install fonts-dejavu-core)" >&2; exit 1; }
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# Numbers are written and read with a decimal point, whatever the user's locale.
export LC_ALL=C

# The same bytes on every run: one thread, and no time stamps or comments in the files.
export MAGICK_THREAD_LIMIT=1
# shellcheck disable=SC2054 # the commas belong to ImageMagick's option values
# 8 bits per channel: 16-bit files decode about three times slower and show no difference.
PNG=(-strip -depth 8 -define png:exclude-chunks=date,time -define png:compression-level=9)
JPEG=(-strip -sampling-factor 1x1 -quality 92)

im() { "$CONVERT" "$@"; }

# Advance width in pixels of TEXT in FONT at SIZE points (with KERNING extra per letter).
advance() {
    local font=$1 size=$2 kerning=$3 text=$4
    im -debug annotate xc: -font "$font" -pointsize "$size" -kerning "$kerning" \
        -annotate 0 "$text" null: 2>&1 | sed -n 's/.*; width: \([0-9.]*\);.*/\1/p' | head -n 1 |
        xargs printf '%.0f\n'
}

# Writes OUT: TEXT in small capitals (first letter tall, the rest short capitals) on a transparent
# background as wide as the text, with the baseline BIG + 2 pixels from the top, so that names with
# and without a descender (the Q of Aquarius) sit on the same line.
small_caps() {
    local out=$1 text=$2 colour=$3 font=$4 big=$5 small=$6 kerning=$7
    local first=${text:0:1} rest=${text:1}
    first=${first^^}
    rest=${rest^^}
    local w_first w_rest
    w_first=$(advance "$font" "$big" "$kerning" "$first")
    w_rest=$(advance "$font" "$small" "$kerning" "$rest")
    im -size $((w_first + w_rest + 6))x$((big + 8)) xc:none -font "$font" -fill "$colour" \
        -kerning "$kerning" -pointsize "$big" -annotate +2+$((big + 2)) "$first" \
        -pointsize "$small" -annotate +$((3 + w_first))+$((big + 2)) "$rest" "$out"
}

# Writes OUT: GLYPH in COLOUR, drawn large and thickened, then scaled down to fit in BOX x BOX
# pixels (so every glyph is sharp and about the same size), centred on a transparent square with
# a soft SHADOW colour below and to the right.
glyph_with_shadow() {
    local out=$1 glyph=$2 colour=$3 box=$4 shadow=$5
    im -size 600x600 xc:none -font "$SANS" -pointsize 360 \
        -fill "$colour" -stroke "$colour" -strokewidth 9 -gravity center \
        -annotate +0+0 "$glyph" -trim +repage -filter Lanczos -resize "${box}x${box}" \
        -background none -gravity center -extent $((box + 24))x$((box + 24)) \
        \( +clone -fill "$shadow" -colorize 100 -channel RGBA -blur 0x3 \
            -channel A -evaluate multiply 0.6 +channel -roll +2+3 \) \
        +swap -compose over -composite "$out"
}

# ---------------------------------------------------------------------------------------------
# The twelve sign pictures: the glyph on a gradient in the colours of the sign's element.
# name | glyph | dark colour | light colour | gradient angle | glyph colour
signs=(
    "aries|♈|#6e0b10|#e8571c|150|#fff3e2"
    "taurus|♉|#173f16|#6f9a3a|200|#f6f3df"
    "gemini|♊|#2f6aa8|#92c3ea|120|#ffffff"
    "cancer|♋|#0a2356|#1f7a96|160|#e4f8ff"
    "leo|♌|#8a2c00|#f0a328|210|#fff6dd"
    "virgo|♍|#3c4a1c|#93a55a|135|#fbf8e6"
    "libra|♎|#5b4a9e|#b3a3e0|195|#ffffff"
    "scorpio|♏|#050f2a|#13586a|120|#d9f6ff"
    "sagittarius|♐|#5a0830|#dd4a26|170|#ffeedd"
    "capricorn|♑|#33200f|#7d5c36|215|#f7efdd"
    "aquarius|♒|#275f9a|#8d86d4|145|#ffffff"
    "pisces|♓|#0b3562|#25a095|190|#e2fffa"
)

for row in "${signs[@]}"; do
    IFS='|' read -r name glyph dark light angle ink <<<"$row"
    glyph_with_shadow "$tmp/glyph.png" "$glyph" "$ink" 94 black
    small_caps "$tmp/name.png" "$name" "$ink" "$SERIF_BOLD" 17 13 1.5
    im -size 200x200 -define gradient:angle="$angle" gradient:"$dark-$light" \
        \( -size 200x200 radial-gradient:"#ffffff50-#ffffff00" \) -geometry +0-16 -compose over -composite \
        -fill none -stroke "${ink}40" -strokewidth 1.5 -draw "circle 100,84 100,14" \
        -fill "#00000040" -stroke none -draw "rectangle 0,166 200,200" \
        -fill none -stroke "${ink}70" -strokewidth 1 -draw "line 24,166.5 176,166.5" \
        -stroke "${ink}60" -strokewidth 1.5 -draw "roundrectangle 5,5 194,194 10,10" \
        "$tmp/glyph.png" -gravity center -geometry +0-16 -compose over -composite \
        "$tmp/name.png" -gravity south -geometry +0+6 -compose over -composite \
        "${JPEG[@]}" "signs/$name.jpg"
done

# ---------------------------------------------------------------------------------------------
# The emblem: a golden sun rising over the horizon on a dark indigo disc inside a gold ring.
# Drawn at 1024 x 1024 and scaled down, so the edges are smooth at every size.

# Prints a -draw string of N pointed rays around (CX,CY) from radius R1 to R2, spread over the
# angles FROM..TO degrees (0 = right, 90 = up), each HALF degrees wide at its foot.
rays() {
    awk -v cx="$1" -v cy="$2" -v r1="$3" -v r2="$4" -v n="$5" -v from="$6" -v to="$7" -v half="$8" '
    BEGIN {
        pi = atan2(0, -1)
        for (i = 0; i < n; i++) {
            a = (from + (to - from) * i / (n - 1)) * pi / 180
            h = half * pi / 180
            printf "polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f ",
                cx + r1 * cos(a - h), cy - r1 * sin(a - h),
                cx + r2 * cos(a), cy - r2 * sin(a),
                cx + r1 * cos(a + h), cy - r1 * sin(a + h)
        }
    }'
}

# Prints a -draw string of small four-pointed stars: each star is "x,y,r" (r = arm length).
sparkles() {
    local star
    for star in "$@"; do
        IFS=, read -r x y r <<<"$star"
        awk -v x="$x" -v y="$y" -v r="$r" 'BEGIN {
            q = r * 0.28
            printf "polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f ",
                x, y - r, x + q, y - q, x + r, y, x + q, y + q, x, y + r, x - q, y + q, x - r, y, x - q, y - q
        }'
    done
}

emblem="$tmp/emblem.png"
# The sun: a gradient disc, later laid on the sky; the ground then covers its lower half.
im -size 1024x1024 radial-gradient:"#ffeaa6-#f0901f" -roll +0+98 -alpha set \
    \( -size 1024x1024 xc:none -fill white -draw "circle 512,610 512,400" \) \
    -compose DstIn -composite "$tmp/sun.png"
# Sky with stars and rays, the sun, the ground with a golden horizon and the sun's reflection.
im -size 1024x1024 radial-gradient:"#3d2f96-#120b35" \
    -fill "#fff4c8" -stroke none \
    -draw "$(sparkles 250,300,26 330,190,16 700,200,22 790,330,14 430,120,12 600,110,10)" \
    -fill "#f6b93b" -draw "$(rays 512 610 246 390 9 10 170 6)" \
    "$tmp/sun.png" -compose over -composite \
    -fill "#0c0827" -draw "rectangle 0,610 1024,1024" \
    -fill "#f6c14a" -draw "rectangle 0,598 1024,632" \
    -fill "#e0a53a" \
    -draw "roundrectangle 362,692 662,716 12,12 roundrectangle 427,772 597,794 11,11" \
    -draw "roundrectangle 477,848 547,868 10,10" \
    "$tmp/emblem-art.png"
# A gold ring (lit from above) around the picture cut to a disc.
im -size 1024x1024 gradient:"#ffe7a0-#b9801f" \
    \( -size 1024x1024 xc:black -fill white -draw "circle 512,512 512,8" \) \
    -alpha off -compose CopyOpacity -composite \
    \( "$tmp/emblem-art.png" \
        \( -size 1024x1024 xc:black -fill white -draw "circle 512,512 512,52" \) \
        -alpha off -compose CopyOpacity -composite \) \
    -compose over -composite \
    -fill none -stroke "#7a4f10" -strokewidth 6 -draw "circle 512,512 512,49" \
    "$emblem"
im "$emblem" -filter Lanczos -resize 256x256 "${PNG[@]}" icon.png
im "$emblem" -filter Lanczos -resize 32x32 -unsharp 0x0.5 "${PNG[@]}" icon-32.png

# ---------------------------------------------------------------------------------------------
# Shared by the wheels below.

glyphs=(♈ ♉ ♊ ♋ ♌ ♍ ♎ ♏ ♐ ♑ ♒ ♓)

# Prints a -draw string of N spokes around (CX,CY) from radius R1 to R2, the first at FIRST degrees.
spokes() {
    awk -v cx="$1" -v cy="$2" -v r1="$3" -v r2="$4" -v n="$5" -v first="$6" 'BEGIN {
        pi = atan2(0, -1)
        for (i = 0; i < n; i++) {
            a = (first + 360 * i / n) * pi / 180
            printf "line %.1f,%.1f %.1f,%.1f ", cx + r1 * cos(a), cy - r1 * sin(a), cx + r2 * cos(a), cy - r2 * sin(a)
        }
    }'
}

# Prints the arguments for -annotate that set the twelve sign glyphs around (CX,CY) at radius R,
# Aries in the sector just right of the top and the rest clockwise, in an image W x H drawn with
# -gravity center.
ring_of_glyphs() {
    local cx=$1 cy=$2 r=$3 w=$4 h=$5 i
    for i in "${!glyphs[@]}"; do
        awk -v cx="$cx" -v cy="$cy" -v r="$r" -v w="$w" -v h="$h" -v i="$i" 'BEGIN {
            pi = atan2(0, -1)
            a = (75 - 30 * i) * pi / 180
            printf "%+.0f%+.0f\n", cx + r * cos(a) - w / 2, cy - r * sin(a) - h / 2
        }' | { read -r offset; printf -- '-annotate\n%s\n%s\n' "$offset" "${glyphs[$i]}"; }
    done
}

# ---------------------------------------------------------------------------------------------
# The heading of the Vedic Ascendant screen: the title over a twelve-sector mandala, in saffron
# and maroon. Drawn at twice the size and scaled down.

mapfile -t vedic_glyphs < <(ring_of_glyphs 360 244 106 720 400)
petals=""
for i in $(seq 0 11); do
    petals+="push graphic-context translate 360,244 rotate $((i * 30 + 15)) "
    petals+="ellipse 0,-48 14,35 0,360 pop graphic-context "
done
im -size 720x400 gradient:"#7d1b22-#3f0910" \
    \( -size 520x520 radial-gradient:"#f29d2b66-#f29d2b00" \) -gravity center -geometry +0+44 \
    -compose over -composite -gravity northwest \
    -fill "#f5b445" -stroke none -draw "$(rays 360 244 124 141 24 7.5 352.5 5.5)" \
    -fill "#f6a623" -stroke "#ffd98a" -strokewidth 2 -draw "circle 360,244 360,118" \
    -fill "#5a0e18" -stroke "#ffd98a" -strokewidth 2 -draw "circle 360,244 360,156" \
    -fill none -stroke "#6a1019" -strokewidth 3 -draw "$(spokes 360 244 88 126 12 90)" \
    -fill "#7a1721" -stroke "#f4b548" -strokewidth 2.5 -draw "$petals" \
    -fill "#f6a623" -stroke "#ffd98a" -strokewidth 2 -draw "circle 360,244 360,227" \
    -fill "#5a0e18" -stroke none -draw "circle 360,244 360,237" \
    -gravity center -font "$SANS" -pointsize 24 -fill "#5a0e18" -stroke "#5a0e18" -strokewidth 0.8 \
    "${vedic_glyphs[@]}" \
    -gravity north -font "$SERIF_BOLD" -pointsize 50 -stroke none \
    -fill "#2a0508" -annotate +2+16 "Vedic Ascendant" \
    -fill "#ffc95e" -annotate +0+13 "Vedic Ascendant" \
    -gravity northwest -stroke "#f5b445" -strokewidth 2 -draw "line 150,86 330,86 line 390,86 570,86" \
    -fill "#f5b445" -stroke none \
    -draw "polygon 360,78 370,86 360,94 350,86 circle 340,86 343,86 circle 380,86 383,86" \
    -filter Lanczos -resize 360x200 -alpha off "${PNG[@]}" vedic-heading.png

# ---------------------------------------------------------------------------------------------
# The product picture of the About tab: the emblem with the program's name under it on a light
# card with rounded corners. Drawn at twice the size.

im -size 320x320 xc:none \
    \( -size 320x320 gradient:"#f7f4ff-#dcd3f5" \
        \( -size 320x320 xc:black -fill white -draw "roundrectangle 2,2 317,317 36,36" \) \
        -alpha off -compose CopyOpacity -composite \) -compose over -composite \
    -fill none -stroke "#b8a9e6" -strokewidth 3 -draw "roundrectangle 3,3 316,316 35,35" \
    \( "$emblem" -filter Lanczos -resize 212x212 \) -gravity north -geometry +0+18 -composite \
    -font "$SERIF_BOLD" -pointsize 46 -stroke none -fill "#2b1f6e" -annotate +0+236 "Zenthari" \
    -filter Lanczos -resize 160x160 "${PNG[@]}" product.png

# ---------------------------------------------------------------------------------------------
# Deterministic scattering: prints N lines "x y size alpha" for points in the box X0..X1 x Y0..Y1,
# from a fixed seed, so the stars are the same on every run and every machine.
scatter() {
    awk -v n="$1" -v x0="$2" -v x1="$3" -v y0="$4" -v y1="$5" -v seed="$6" 'BEGIN {
        s = seed
        for (i = 0; i < n; i++) {
            s = (s * 1103515245 + 12345) % 2147483648; x = x0 + (x1 - x0) * s / 2147483648
            s = (s * 1103515245 + 12345) % 2147483648; y = y0 + (y1 - y0) * s / 2147483648
            s = (s * 1103515245 + 12345) % 2147483648; z = s / 2147483648
            s = (s * 1103515245 + 12345) % 2147483648; a = s / 2147483648
            printf "%.1f %.1f %.3f %.3f\n", x, y, z, a
        }
    }'
}

# Prints a -draw string of round stars, one per scattered point, radius RMIN..RMAX and opacity
# AMIN..AMAX, in white.
star_dots() {
    local rmin=$1 rmax=$2 amin=$3 amax=$4
    awk -v rmin="$rmin" -v rmax="$rmax" -v amin="$amin" -v amax="$amax" '{
        r = rmin + (rmax - rmin) * $3
        printf "fill rgba(255,255,255,%.2f) circle %s,%s %.1f,%s ", amin + (amax - amin) * $4, $1, $2, $1 + r, $2
    }'
}

# ---------------------------------------------------------------------------------------------
# The lagna picture before the sign is known: a starry night-sky disc with a faint zodiac wheel,
# no sign singled out, and a question mark at its heart. Drawn at twice the size.

mapfile -t lagna_glyphs < <(ring_of_glyphs 200 200 134 400 400)
im -size 400x400 radial-gradient:"#27306a-#060917" \
    -stroke none -draw "$(scatter 150 10 390 10 390 7 | star_dots 0.8 2.4 0.25 0.9)" \
    -fill "#ffffff" -draw "$(sparkles 84,112,9 318,96,7 300,318,8 96,300,6)" \
    -fill "#0b0f2ba0" -draw "circle 200,200 200,92" \
    \( -size 220x220 radial-gradient:"#8d9cff38-#8d9cff00" \) -gravity center -compose over -composite \
    -gravity northwest \
    -fill none -stroke "#c9d2ff40" -strokewidth 2 -draw "circle 200,200 200,50 circle 200,200 200,82" \
    -draw "$(spokes 200 200 118 150 12 90)" \
    -stroke "#c9d2ff26" -strokewidth 1.5 -draw "circle 200,200 200,110" \
    -gravity center -font "$SANS" -pointsize 24 -fill "#d5dcff70" -stroke none "${lagna_glyphs[@]}" \
    -font "$SERIF_BOLD" -pointsize 120 -fill "#0009" -annotate +3+5 "?" \
    -fill "#e6eaffb0" -annotate +0+0 "?" \
    \( -size 400x400 xc:black -fill white -draw "circle 200,200 200,6" \) \
    -alpha off -compose CopyOpacity -composite \
    -compose over -fill none -stroke "#8d98d8" -strokewidth 3 -draw "circle 200,200 200,7" \
    -filter Lanczos -resize 200x200 "${PNG[@]}" lagna-initial.png

# ---------------------------------------------------------------------------------------------
# The two icons of the choice band, drawn at eight times the size.

# Western rising sign: the sun rising over the horizon, with its reflection below.
im -size 384x384 xc:none \
    -fill "#f39a1e" -stroke none -draw "$(rays 192 250 148 196 7 18 162 7)" \
    \( -size 384x384 radial-gradient:"#ffe07a-#f0891a" -roll +0+58 \
        \( -size 384x384 xc:black -fill white -draw "circle 192,250 192,118" \
            -fill black -draw "rectangle 0,250 384,384" \) \
        -alpha off -compose CopyOpacity -composite \) \
    -compose over -composite \
    -fill "#2d2272" -draw "roundrectangle 16,244 368,272 14,14" \
    -draw "roundrectangle 96,300 288,322 11,11 roundrectangle 144,348 240,368 10,10" \
    -filter Lanczos -resize 48x48 "${PNG[@]}" choice-rising.png

# Vedic chart: the North Indian square of twelve houses, the first house (top diamond) shaded.
im -size 384x384 xc:none \
    -fill "#fde8bd" -stroke none -draw "rectangle 24,24 360,360" \
    -fill "#f6a623" -draw "polygon 192,24 276,108 192,192 108,108" \
    -fill none -stroke "#7a1721" -strokewidth 18 -draw "rectangle 24,24 360,360" \
    -strokewidth 14 -draw "line 24,24 360,360 line 360,24 24,360" \
    -draw "polygon 192,24 360,192 192,360 24,192" \
    -filter Lanczos -resize 48x48 "${PNG[@]}" choice-vedic.png

# ---------------------------------------------------------------------------------------------
# The banner band: deep indigo to violet with a faint row of small stars.

im -size 1600x40 -define gradient:direction=east gradient:"#1b1350-#5b2d92" \
    -stroke none -draw "$(scatter 90 4 1596 5 35 11 | star_dots 0.5 1.3 0.15 0.45)" \
    -fill "#ffffff60" \
    -draw "$(sparkles 140,12,4 470,27,3 790,11,4 1130,26,3 1450,14,4)" \
    -alpha off "${PNG[@]}" banner.png

# ---------------------------------------------------------------------------------------------
# The pointing hand for clickable labels: a white hand with a black outline, index finger up and
# to the left. The hand is drawn in cursor pixels with its fingertip at 0,0, turned and moved so
# that the fingertip lands on the hot spot, and everything is drawn eight times larger.

hot_x=4
hot_y=2
tilt=-28
hand="
    roundrectangle -2.3,0 2.3,14 2.3,2.3
    roundrectangle 1.6,8 5.8,14.5 2,2
    roundrectangle 5.2,9 9.2,15.5 2,2
    roundrectangle 8.6,10.5 12.2,16.5 1.8,1.8
    roundrectangle -2.3,11 12.2,22 3.5,3.5
    push graphic-context translate -3.6,14.8 rotate -42 ellipse 0,0 2.1,4.4 0,360 pop graphic-context
    rectangle -0.8,20 10.6,25
"
place="scale 8,8 translate $hot_x,$hot_y rotate $tilt"
im -size 256x256 xc:none \
    -fill black -stroke black -strokewidth 2 -draw "$place $hand" \
    -fill white -stroke none -draw "$place $hand" \
    -fill none -stroke black -strokewidth 0.9 \
    -draw "$place line 2.3,8.6 2.3,12 line 5.5,9.8 5.5,12.4 line 8.9,11.2 8.9,13.6 line -0.8,20 10.6,20" \
    -filter Lanczos -resize 32x32 "${PNG[@]}" pointer.png
echo "$hot_x $hot_y" >pointer-hotspot.txt
