#pragma once

#include <cstdint>

#include "os/window.h"

// The common file dialog the program calls by its original name, over the installed file chooser.
namespace corvane::platform {

// The open-file request: only the fields the program fills. Text is UTF-8.
struct OpenFileNameA {
  HWND owner = 0;
  // Description and ";"-separated patterns, each ended by a NUL ("Music\0*.MP3;*.WAV\0"); only
  // the first pair is offered.
  const char* filter = nullptr;
  // Receives the chosen path, ended by a NUL; max_file is its size in bytes.
  char* file = nullptr;
  std::uint32_t max_file = 0;
  const char* initial_dir = nullptr;
  const char* title = nullptr;
};

// Shows the chooser and waits for it; nonzero when the user chose a file whose path fits the
// buffer with its NUL. Cancel, failure, no chooser and a path too long give 0 and leave the buffer.
int GetOpenFileNameA(OpenFileNameA* request);

}  // namespace corvane::platform
