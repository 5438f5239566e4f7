#pragma once

#include "winapi/windef.h"

// The common file dialog the program calls by its Windows name, over the installed file chooser.
namespace corvane::platform {

// The open-file request: Windows' structure, with the fields the program fills. Text is
// UTF-8.
struct OPENFILENAMEA {
  DWORD lStructSize = sizeof(OPENFILENAMEA);
  HWND hwndOwner = 0;
  // Description and ";"-separated patterns, each ended by a NUL ("Music\0*.MP3;*.WAV\0"); only
  // the first pair is offered.
  const char* lpstrFilter = nullptr;
  // Receives the chosen path, ended by a NUL; nMaxFile is its size in bytes.
  char* lpstrFile = nullptr;
  DWORD nMaxFile = 0;
  const char* lpstrInitialDir = nullptr;
  const char* lpstrTitle = nullptr;
  DWORD Flags = 0;
};

// Shows the chooser and waits for it; nonzero when the user chose a file whose path fits the
// buffer with its NUL. Cancel, failure, no chooser and a path too long give 0 and leave the buffer.
BOOL GetOpenFileNameA(OPENFILENAMEA* request);

}  // namespace corvane::platform
