#pragma once
// The fixture server's address, its body pattern, scratch files and a recorder of the download component's
// events.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "HTTPGet.h"

// The fixture server (fixture_server.py) listens here on port 80.
inline const std::string kServer = "http://127.0.0.20";

// The first `size` bytes of the fixture server's bodies.
std::string Pattern(std::size_t size);
// A path in the temporary directory (8-bit, system code page), with no file there.
std::string ScratchFile(const std::string& name);
bool FileExists(const std::string& path);
std::string FileContents(const std::string& path);

// Everything the component reported.
struct TEventLog {
  explicit TEventLog(THTTPGet& component);
  int Outcomes() const { return DoneFiles + DoneStrings + Errors; }

  int DoneFiles = 0;
  int DoneStrings = 0;
  int Errors = 0;
  TObject* LastSender = nullptr;
  std::string FileName;
  std::int32_t FileSize = -1;
  std::string Text;
};
