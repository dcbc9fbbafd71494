#include "NetTestSupport.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "AnsiText.h"

std::string Pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<char>(i % 251);
  return bytes;
}

std::string ScratchFile(const std::string& name) {
  char directory[MAX_PATH];
  GetTempPathA(MAX_PATH, directory);
  const std::string path = std::string(directory) + "ovanta-net-" + name;
  DeleteFileA(path.c_str());
  return path;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string FileContents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEventLog::TEventLog(THTTPGet& component) {
  component.OnDoneFile = [this](TObject* sender, const std::string& fileName, std::int32_t fileSize) {
    ++DoneFiles;
    LastSender = sender;
    FileName = fileName;
    FileSize = fileSize;
  };
  component.OnDoneString = [this](TObject* sender, const std::string& text) {
    ++DoneStrings;
    LastSender = sender;
    Text = text;
  };
  component.OnError = [this](TObject* sender) {
    ++Errors;
    LastSender = sender;
  };
}
