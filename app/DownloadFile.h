#pragma once
// The download's target file: its name taken from the address, and the removal of an earlier download.

#include <string>
#include <string_view>

// Everything after the last "/" of `url`; the whole of `url` when it has none.
std::string DownloadFileName(std::string_view url);

// Deletes `fileName` when it names an existing file (links followed). A link to a directory that is itself a
// directory entry is removed as a directory. Failures are left as they are: the next download reports a file
// it cannot create.
void DeleteEarlierDownload(const std::u16string& fileName);
