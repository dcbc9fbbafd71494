// formc: compiles the readable text form of a stored description into its binary stream, or prints a binary
// stream as text.
//
//   formc INPUT.txt OUTPUT.bin
//   formc --print INPUT.bin
//
// Errors go to standard error as "file:line:column: message" (text) or "file: offset N: message" (binary);
// the exit code is then 1, and 2 for wrong usage.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "stream/BinaryStream.h"
#include "stream/TextForm.h"

namespace {

constexpr int kFailure = 1;
constexpr int kUsageError = 2;

std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file)
    return std::nullopt;
  std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad())
    return std::nullopt;
  return content;
}

// Writes through a temporary file so that a failed run never leaves a partial output behind.
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
      std::remove(temporary.c_str());
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error)
    std::remove(temporary.c_str());
  return !error;
}

int Compile(const std::string& input, const std::string& output) {
  const auto text = ReadFile(input);
  if (!text) {
    std::cerr << input << ": cannot read the file\n";
    return kFailure;
  }
  try {
    const std::vector<std::uint8_t> bytes = WriteObjectStream(ParseTextForm(*text));
    if (!WriteFile(output, bytes)) {
      std::cerr << output << ": cannot write the file\n";
      return kFailure;
    }
  } catch (const ETextFormError& error) {
    std::cerr << input << ":" << error.what() << "\n";  // what() begins with "line:column:"
    return kFailure;
  } catch (const EStreamError& error) {
    std::cerr << input << ": " << error.what() << "\n";
    return kFailure;
  }
  return 0;
}

int Print(const std::string& input) {
  const auto bytes = ReadFile(input);
  if (!bytes) {
    std::cerr << input << ": cannot read the file\n";
    return kFailure;
  }
  try {
    std::cout << PrintTextForm(
        ReadObjectStream(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()));
  } catch (const EStreamError& error) {
    std::cerr << input << ": " << error.what() << "\n";
    return kFailure;
  }
  return std::cout.flush() ? 0 : kFailure;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "--print")
    return Print(args[1]);
  if (args.size() == 2 && args[0].rfind("--", 0) != 0)
    return Compile(args[0], args[1]);
  std::cerr << "usage: formc INPUT.txt OUTPUT.bin\n       formc --print INPUT.bin\n";
  return kUsageError;
}
