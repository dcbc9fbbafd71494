#pragma once
// File-system queries shared by the dialog's handling of its temporary directory and download file.

#include <windows.h>

#include <string>

// The attributes of `path`, those of its target when it is a link; INVALID_FILE_ATTRIBUTES when it or its
// target does not exist.
DWORD AttributesFollowingLinks(const std::u16string& path);
