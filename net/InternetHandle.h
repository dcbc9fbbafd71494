#pragma once
// The owning type of WinInet handles (sessions, connections, requests), all released with
// InternetCloseHandle.

#include <windows.h>
#include <wininet.h>

#include "Handles.h"

using TInternetHandle = TUniqueHandle<TNullHandleTraits<HINTERNET, InternetCloseHandle>>;
