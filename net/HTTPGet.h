#pragma once
// THTTPGet: a non-visual component that fetches one URL over HTTP or HTTPS into a file or an 8-bit string and
// reports the outcome as events. Its settings are 8-bit strings in the system's ANSI code page.

#include <cstdint>
#include <memory>
#include <string>

#include "Component.h"

// Sender, the declared content length (0 when none was declared) and the bytes received so far.
using TOnProgressEvent = TEvent<std::int32_t /*TotalSize*/, std::int32_t /*Readed*/>;
// Sender, the file written and its size.
using TOnDoneFileEvent = TEvent<const std::string& /*FileName*/, std::int32_t /*FileSize*/>;
// Sender and the body received.
using TOnDoneStringEvent = TEvent<const std::string& /*Result*/>;

class THTTPGetThread;

class THTTPGet : public TComponent {
  OVANTA_CLASS(THTTPGet)

 public:
  explicit THTTPGet(TComponent* owner);
  // Stops a running transfer without waiting for it; neither its progress nor its outcome is reported then.
  ~THTTPGet() override;

  // Starts a transfer into FileName, unless one is running. With WaitThread it returns when the transfer is
  // over, having dispatched every message meanwhile; the outcome event is raised from inside. When no worker
  // thread can be made, OnError is raised from inside at once.
  void GetFile();
  // Starts a transfer into a string, unless one is running. With WaitThread it dispatches the messages
  // already waiting; the outcome arrives later through OnDoneString or OnError (from inside at once when no
  // worker thread can be made).
  void GetString();
  // Asks a running transfer to stop; it ends with OnError.
  void Abort();
  // True from the start of a transfer until its outcome handler has returned.
  bool Busy() const { return FThread != nullptr || FReportingFailedStart; }

  const std::string& GetAcceptTypes() const { return FAcceptTypes; }
  void SetAcceptTypes(const std::string& value) { FAcceptTypes = value; }
  // The user-agent name given to the internet handle; empty means none.
  const std::string& GetAgent() const { return FAgent; }
  void SetAgent(const std::string& value) { FAgent = value; }
  // True: an answer without a declared content length counts as a failure.
  bool GetBinaryData() const { return FBinaryData; }
  void SetBinaryData(bool value) { FBinaryData = value; }
  const std::string& GetURL() const { return FURL; }
  void SetURL(const std::string& value) { FURL = value; }
  // False: the request bypasses the local cache and reloads from the server.
  bool GetUseCache() const { return FUseCache; }
  void SetUseCache(bool value) { FUseCache = value; }
  const std::string& GetFileName() const { return FFileName; }
  void SetFileName(const std::string& value) { FFileName = value; }
  const std::string& GetUserName() const { return FUserName; }
  void SetUserName(const std::string& value) { FUserName = value; }
  const std::string& GetPassword() const { return FPassword; }
  void SetPassword(const std::string& value) { FPassword = value; }
  // Empty: a GET request; otherwise a POST with this form-encoded body.
  const std::string& GetPostQuery() const { return FPostQuery; }
  void SetPostQuery(const std::string& value) { FPostQuery = value; }
  const std::string& GetReferer() const { return FReferer; }
  void SetReferer(const std::string& value) { FReferer = value; }
  // True: a file transfer returns to its caller only when it is over.
  bool GetWaitThread() const { return FWaitThread; }
  void SetWaitThread(bool value) { FWaitThread = value; }

  TOnProgressEvent OnProgress;
  TOnDoneFileEvent OnDoneFile;
  TOnDoneStringEvent OnDoneString;
  TNotifyEvent OnError;

 private:
  // Starts a worker; false when none could be started (the failure is then reported).
  bool StartTransfer(bool toFile);
  void ReportFailedStart();
  // The worker's completion, on the main thread.
  void ThreadDone(THTTPGetThread& thread);

  // The running worker, or none; set only for a worker that runs.
  THTTPGetThread* FThread = nullptr;
  // True while OnError reports a worker that could not be started.
  bool FReportingFailedStart = false;
  // Shared with the completion notifications of the workers; cleared when the component goes away, so that
  // a worker still running never reports to it.
  std::shared_ptr<THTTPGet*> FSelf;
  std::string FAcceptTypes;
  std::string FAgent;
  bool FBinaryData = false;
  std::string FURL;
  bool FUseCache = false;
  std::string FFileName;
  std::string FUserName;
  std::string FPassword;
  std::string FPostQuery;
  std::string FReferer;
  bool FWaitThread = false;
};

// Makes THTTPGet known to the readers of stored descriptions.
void RegisterHTTPGetClasses();
