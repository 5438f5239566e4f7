#pragma once

#include <array>
#include <cstdint>

// Corvane_BGM, CD part: the audio CD plays while the saver runs. A poll every 200 ms starts play
// whenever the disc is stopped and, when a track is to repeat, brings play back to that track's
// start as soon as another track sounds. The first sign of trouble ends the polling for good.
namespace corvane {

// -1 while the polling goes on; the poll sets it to 0 when it fails, and the display form
// copies it into the enabled state of its poll timer after every poll.
extern std::int16_t CD_PollEnabled;
// Receives the answer of the mode query; only its first 7 characters are looked at.
extern std::array<char, 255> CD_ModeBuffer;

// Opens the CD audio device and sets its time format to track, minutes, seconds, frames. Play
// begins at the first poll.
void CdOpen();
// One poll: checks that a disc is there, reads the mode, starts or redirects play.
void CdPoll();
// Stops play and closes the device.
void CdStop();

}  // namespace corvane
