#!/usr/bin/env bash
# Sets up and builds Lumenary for the browser into build-web/site/: index.html and the program
# (pictures and fonts inside it) as a script with its module beside it, for a web server, and as
# one script, for the file system; each activity's pictures, and the picture folders with their
# sharper copies, which the page reads when it paints a screen scaled up.
# Open build-web/site/index.html, or serve the folder with any static web server.
set -euo pipefail
cd "$(dirname "$0")/.."

# The desktop's packages (its artwork tool draws the pictures, and its fonts are the program's)
# and the browser build's.
bash scripts/setup.sh --web
# Emscripten's optimiser needs acorn, which Debian's node finds by itself and another node does not.
export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"
jobs="${LUMENARY_JOBS:-$(nproc)}"

# The pictures, drawn by the desktop build's artwork tool, and the fonts it copies; the desktop
# program too, which the page's tests compare it with. LUMENARY_DESKTOP_BUILD names a desktop
# build folder that has them already (the test command's).
desktop="${LUMENARY_DESKTOP_BUILD:-build-web/desktop}"
if [[ -z "${LUMENARY_DESKTOP_BUILD:-}" ]]; then
  cmake -S . -B "$desktop" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$desktop" --target artwork lumenary -j"$jobs"
fi
app="$desktop/app"

# The program folder carried inside the module: each picture at its own size, and the fonts.
program=build-web/program
rm -rf "$program"
mkdir -p "$program"
cp -r "$app/fonts" "$program/"
# Each face cut to the letters a screen can show, in English and in the languages to come: Latin,
# Latin Extended-A (Welsh, Polish) and Cyrillic (Ukrainian), with the punctuation around them.
# Widths, kerning and hinting stay, so the page sets text as the desktop does, in a sixth of the bytes.
for font in "$program"/fonts/*.ttf; do
  /usr/bin/python3 -m fontTools.subset "$font" --output-file="$font.cut" --layout-features='*' --drop-tables+=FFTM,BDF \
    --unicodes='U+0020-007E,U+00A0-017F,U+0400-045F,U+2013-2014,U+2018-201E,U+2022,U+2026,U+20AC'
  mv "$font.cut" "$font"
done
# Each picture at its own size, with the copies of pictures with words drawn in each language
# (Images/cy/exit.jpg ...); the sharper copies ("@") stay outside, for the page to fetch.
destination=$(realpath "$program")
for folder in Images newton opening; do
  (cd "$app" && find "$folder" -type f ! -name '*@*' -exec cp -p --parents {} "$destination/" \;)
done

# Each activity's pictures leave the module for a script of their own, packs/NAME.js, which the
# page loads when the topic menu that opens the activity is shown (a page from the file system
# may load a script where it may not fetch a file). The artwork tool lists them from the
# activities' catalogue, one line an activity: its name, then its pictures.
rm -rf build-web/site/packs
mkdir -p build-web/site/packs
names=()
while read -r name files; do
  names+=("$name")
  (
    cd "$program"
    printf "Lumenary.packs.arrived('%s', {\n" "$name"
    for file in $files; do
      printf "'%s': '%s',\n" "$file" "$(base64 -w0 "$file")"
      rm "$file"
    done
    printf '});\n'
  ) >"build-web/site/packs/$name.js"
done <"$desktop/activity-pictures.txt"
printf '%s\n' "${names[@]}" | sort | sed 's/.*/"&"/' | paste -sd, | sed 's/.*/[&]/' >build-web/site/packs/index.json

emcmake cmake -S src/web -B build-web/module -DCMAKE_BUILD_TYPE=Release \
  -DLUMENARY_PROGRAM_DIR="$PWD/$program" -DLUMENARY_SITE_DIR="$PWD/build-web/site" >/dev/null
# The module carries the program folder: relink when a file in it changes, comes or goes.
listing=$(find "$program" -type f -printf '%P %T@ %s\n' | sort | sha1sum)
[[ -f build-web/program.listing && "$(cat build-web/program.listing)" == "$listing" ]] || rm -f build-web/site/lumenary*.js
echo "$listing" >build-web/program.listing
cmake --build build-web/module -j"$jobs"

# The sharper copies of the pictures, in their folders beside the page (the desktop's copies of
# the background at common displays' sizes stay out: the page reduces its own).
site=$(realpath build-web/site)
for folder in Images newton opening; do
  rm -rf "build-web/site/$folder"
  (cd "$app" && find "$folder" -type f -name '*@[0-9]x.*' -exec cp -p --parents {} "$site/" \;)
done
du -sh build-web/site
