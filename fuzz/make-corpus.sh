#!/usr/bin/env bash
# Makes the seed corpus of every fuzz target in fuzz/corpus/<target>/: small hand-written inputs,
# the program's own artwork, and sounds made with sox and lame. Fields of one input are separated
# by NUL bytes (see each target's comment). Inputs the fuzzers found are kept beside the seeds
# under names starting "found-", and this script leaves them alone.
set -euo pipefail
cd "$(dirname "$0")"

seed() {  # seed <target> <name> <printf format...>
  mkdir -p "corpus/$1"
  # shellcheck disable=SC2059
  printf "${@:3}" >"corpus/$1/$2"
}

# The settings file, then a section, key and value to store and another entry to look up.
kind='BGM\x8b\xe6\x95\xaa' repeat='BGM\xd8\xcb\xdf\xb0\xc4' file='BGM\xcc\xa7\xb2\xd9'
seed ini_fuzzer saved "[Section]\r\n$kind=1\r\n$repeat=3\r\n$file=/music/a.mp3\r\n\x00Section\x00${kind}\x002\x00Section\x00$file"
seed ini_fuzzer quoted "[Section]\n$kind=\" 2 \"\n;comment\n[section]\n$kind=9\x00Other\x00key\x00 padded \x00Section\x00$kind"
seed ini_fuzzer odd-lines "key=before any section\r\n[Sec\x81]tion]\r\n\x1a\r\n[Section\r\n=empty\r\n\x00Sec\x81]tion\x00a\x00\"q\"\x00Section\x00key"
seed ini_fuzzer numbers "[Section]\r\n$kind=-32769\r\n$repeat=1e3\r\n$file=\r\n"

# The answer buffer's length, then command strings as the music module sends them.
seed mci_fuzzer file-device '\x40\x00open "/m/a b.mp3" type MPEGVideo alias MP3Play\x00play MP3Play from 0\x00status MP3Play mode\x00status MP3Play position\x00status MP3Play length\x00pause MP3Play\x00resume MP3Play\x00stop MP3Play\x00play MP3Play from 5 to 9 wait\x00close MP3Play'
seed mci_fuzzer cd-device '\x08\x00open cdaudio alias cd shareable\x00set cd time format tmsf\x00status cd number of tracks\x00play cd from 1 to 3 wait\x00status cd position\x00set cd time format milliseconds\x00status cd length track 3\x00play cd from 0:0:0:1 notify\x00close all'
seed mci_fuzzer malformed '\x03\x00open\x00play nothing\x00status cdaudio\x00open "unterminated\x00set cdaudio time format\x00close all\x00close all'

# Command lines as hosts start the program.
n=0
for args in /s -S /c /c:1234 "/p 1234" "/p  12 34" /p "/p 99999999999" /a "" x; do
  seed command_line_fuzzer "args-$((n += 1))" '%s' "$args"
done

# A cue sheet over a.bin (8 sectors, made by the target) and b.wav (the rest of the input).
wav=$(mktemp)
trap 'rm -f "$wav"' EXIT
sox -n -r 44100 -c 2 -b 16 -e signed-integer -t wav "$wav" synth 0.04 sine 440
seed cue_fuzzer bin 'FILE "a.bin" BINARY\r\n  TRACK 01 AUDIO\r\n    INDEX 00 00:00:00\r\n    INDEX 01 00:00:01\r\n  TRACK 02 MODE1/2352\r\n    INDEX 01 00:00:04\r\n  TRACK 03 AUDIO\r\n    INDEX 01 00:00:06\r\n'
{ printf 'REM a wave file after the data file\nFILE "a.bin" BINARY\n TRACK 1 AUDIO\n  INDEX 1 0:0:0\nFILE b.wav WAVE\n TRACK 2 AUDIO\n  TITLE "x"\n  INDEX 01 00:00:00\n\x00'
  cat "$wav"; } >corpus/cue_fuzzer/bin-and-wave
seed cue_fuzzer broken 'FILE "a.bin" BINARY\n TRACK 02 AUDIO\n  INDEX 01 00:00:05\n TRACK 01 AUDIO\n  INDEX 01 00:00:02\nTRACK 03 AUDIO\n'

# Short sounds in each format the front ends tell apart.
mkdir -p corpus/audio_fuzzer
sox -n -r 8000 -c 1 -b 8 -e unsigned-integer -t wav corpus/audio_fuzzer/u8-mono.wav synth 0.02 sine 300
sox -n -r 44100 -c 2 -b 16 -t wav corpus/audio_fuzzer/s16-stereo.wav synth 0.01 sine 440
sox -n -r 22050 -c 1 -b 32 -e floating-point -t wav corpus/audio_fuzzer/float.wav synth 0.01 sine 440
sox -n -r 11025 -c 1 -b 16 -t aiff corpus/audio_fuzzer/s16.aiff synth 0.01 sine 440
sox -n -r 44100 -c 1 -b 16 -t flac corpus/audio_fuzzer/s16.flac synth 0.02 sine 440
sox -n -r 22050 -c 1 -b 16 -t raw - synth 0.1 sine 440 |
  lame --quiet -r -s 22.05 -m m --bitwidth 16 -b 32 - corpus/audio_fuzzer/mono.mp3

# The program's own artwork, a one-pixel GIF with a transparent colour, and a cut-off JPEG.
mkdir -p corpus/image_fuzzer
cp ../resources/dialog/icon.gif ../resources/dialog/title.gif ../resources/dialog/mark_on.jpg \
  corpus/image_fuzzer/
seed image_fuzzer pixel.gif 'GIF89a\1\x00\1\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\4\1\x00\x00\x00\x00,\x00\x00\x00\x00\1\x00\1\x00\x00\2\2D\1\x00;'
head -c 600 ../resources/dialog/mark_off.jpg >corpus/image_fuzzer/cut.jpg

# Stored entries: which instance and name (instance + 2 * name index), the value's type, its bytes.
seed property_bag_fuzzer frame '\x1a\x01\x10\x27\x00\x1c\x01\x96\x00\x0c\x01\xff\xff\x00\x18\x00\x05\x00\x00\x00\x40\x1f\x00\x02\x00\x30\x75'
seed property_bag_fuzzer button '\x0b\x04Caption text\x00\x15\x05\x24\x00\x90\x01Gothic\x00\x0f\x03\x01\x00\x21\x01\x02\x00\x13\x02\xff\x00\x25\x00\x01'
seed property_bag_fuzzer wrong-types '\x1a\x04deep\x00\x0b\x00\x07\x00\x01\x05\x01\x00\x15\x00\x01\x00\x22\x03\x00'
