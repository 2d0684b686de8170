#!/usr/bin/env bash
# Makes the tiny Ogg Vorbis files that the sound tests decode and play, into
# tests/data/sound/ (or the folder given). Needs sox and oggenc (Debian: sox,
# vorbis-tools). The files are committed; run this again only to change them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-"$root/tests/data/sound"}
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# make NAME QUALITY RATE CHANNELS SOX-EFFECTS...: synthesises a 16-bit WAV and
# encodes it at the given Vorbis quality.
make() {
  local name=$1 quality=$2 rate=$3 channels=$4
  shift 4
  sox -n -r "$rate" -c "$channels" -b 16 "$tmp/$name.wav" "$@"
  oggenc --quiet --quality "$quality" --discard-comments -o "$out/$name.ogg" "$tmp/$name.wav"
}

# One second of a steady tone: several 48000-byte stream chunks, audible to the end.
make tone_stereo 0 44100 2 synth 1.0 sine 440 vol 0.5
# Half a second of mono at another rate.
make tone_mono 0 22050 1 synth 0.5 sine 660 vol 0.5
# Half a second of silence, then half a second of tone: shows where playback is.
make gap_stereo 0 44100 2 synth 0.5 sine 440 vol 0.5 pad 0.5
# A short blip, shorter than one stream chunk.
make blip_stereo 0 44100 2 synth 0.2 sine 880 vol 0.5
# Four channels: more than the mixer formats the sound system uses.
make quad 0 44100 4 synth 0.1 sine 440 vol 0.5
# A second of noise, coded richly enough to fill several Ogg pages.
make noise_stereo 3 44100 2 synth 1.0 pinknoise vol 0.5

ls -l "$out"
