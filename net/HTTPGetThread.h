#pragma once
// THTTPGetThread: one HTTP or HTTPS transfer through WinInet on its own thread, into a file or an 8-bit
// string. It copies its settings when it is made, is created suspended (its owner attaches the completion
// notification and starts it), and frees itself after the completion has run on the main thread.

#include <windows.h>
#include <wininet.h>

#include <atomic>
#include <cstdint>
#include <string>

#include "HTTPGet.h"
#include "Handles.h"
#include "InternetHandle.h"
#include "Thread.h"

struct THTTPGetSettings {
  std::string AcceptTypes;
  std::string Agent;
  std::string URL;
  std::string FileName;
  std::string UserName;
  std::string Password;
  std::string PostQuery;
  std::string Referer;
  bool BinaryData = false;
  bool UseCache = false;
};

class THTTPGetThread : public TThread {
 public:
  THTTPGetThread(const THTTPGetSettings& settings, TOnProgressEvent progress, bool toFile);

  // Outcome, read on the main thread once the transfer has ended.
  bool Succeeded() const { return FTResult; }
  bool ToFile() const { return FTToFile; }
  const std::string& FileName() const { return FTFileName; }
  std::int32_t FileSize() const { return FTFileSize; }
  const std::string& StringResult() const { return FTStringResult; }

  // Stops the transfer at its next check point; it ends as a failure.
  void Cancel();

 protected:
  void Execute() override;

 private:
  // The transfer itself; throws on file errors and when the progress handler raised.
  void Transfer();
  // False when the server gave no answer or one whose status is outside 200-299.
  bool AnswerIsSuccess() const;
  void CreateTargetFile();
  void StoreChunk(const char* data, DWORD size);
  // Runs the progress handler on the main thread, unless the transfer was asked to stop: the stop request
  // comes from the main thread too, so a handler of a component destroyed meanwhile is never called.
  void DoProgress();
  // Closes the request, the connection and the internet handle, in this order.
  void CloseHandles();

  const std::string FTAcceptTypes;
  const std::string FTAgent;
  const std::string FTURL;
  const std::string FTFileName;
  std::string FTStringResult;
  const std::string FTUserName;
  const std::string FTPassword;
  const std::string FTPostQuery;
  const std::string FTReferer;
  const bool FTBinaryData;
  const bool FTUseCache;
  std::atomic<bool> FTResult{false};
  std::int32_t FTFileSize = 0;
  const bool FTToFile;
  DWORD BytesToRead = 0;
  DWORD BytesReaded = 0;
  const TOnProgressEvent FTProgress;

  TInternetHandle FInternet;
  TInternetHandle FConnection;
  TInternetHandle FRequest;
  TFileHandle FFile;
};
