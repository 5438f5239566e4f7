#pragma once

#include <array>

// Corvane_BGM, file part: the music file plays for as long as the saver runs, always repeated.
// An MP3 file plays through the command-string service under the alias MP3Play, restarted by a
// check every second; a WAV file loops by itself through wave playback.
namespace corvane {

// The answer of the last mode query that succeeded; a failed query leaves it as it was.
extern std::array<char, 30> MP3_ModeBuffer;

// Opens BGM_File under the alias MP3Play and starts play. A file that cannot be opened stays
// silent; the repeat check keeps trying the missing alias, harmlessly.
void Mp3Start();
// True while the alias reports the mode "playing".
bool Mp3IsPlaying();
// Each second: when the file is not playing (it reached its end), play it again from the start.
void Mp3Repeat();
// Stops and closes the alias.
void Mp3Stop();
// Loops BGM_File asynchronously, when there is an audio output device at all.
void WavStart();
// Stops the wave sound.
void WavStop();

}  // namespace corvane
