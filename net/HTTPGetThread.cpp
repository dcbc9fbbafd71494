#include "HTTPGetThread.h"

#include <string_view>
#include <utility>

#include "AnsiText.h"
#include "HTTPGetURL.h"
#include "LastError.h"

namespace {

// Every read asks for this many bytes.
constexpr DWORD kChunkSize = 1025;
constexpr std::wstring_view kFormContentType = L"Content-Type: application/x-www-form-urlencoded";

const char* NullWhenEmpty(const std::string& text) {
  return text.empty() ? nullptr : text.c_str();
}

}  // namespace

THTTPGetThread::THTTPGetThread(const THTTPGetSettings& settings, TOnProgressEvent progress, bool toFile)
    : TThread(true),
      FTAcceptTypes(settings.AcceptTypes),
      FTAgent(settings.Agent),
      FTURL(settings.URL),
      FTFileName(settings.FileName),
      FTUserName(settings.UserName),
      FTPassword(settings.Password),
      FTPostQuery(settings.PostQuery),
      FTReferer(settings.Referer),
      FTBinaryData(settings.BinaryData),
      FTUseCache(settings.UseCache),
      FTToFile(toFile),
      FTProgress(std::move(progress)) {
  SetFreeOnTerminate(true);
}

void THTTPGetThread::Cancel() {
  Terminate();
  FTResult = false;
}

void THTTPGetThread::Execute() {
  try {
    Transfer();
  } catch (...) {
    FTResult = false;
  }
  FFile.Reset();
  CloseHandles();
  // A stopped transfer never counts as a success, whenever the stop request came.
  if (Terminated())
    FTResult = false;
}

void THTTPGetThread::Transfer() {
  const THTTPGetURL url = ParseURL(FTURL);
  if (Terminated())
    return;

  FInternet.Reset(InternetOpenA(NullWhenEmpty(FTAgent), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  FConnection.Reset(InternetConnectA(FInternet.Get(), url.HostName.c_str(),
                                     url.Secure ? INTERNET_DEFAULT_HTTPS_PORT : INTERNET_DEFAULT_HTTP_PORT,
                                     FTUserName.c_str(), FTPassword.c_str(), INTERNET_SERVICE_HTTP, 0, 0));
  const char* acceptTypes[] = {FTAcceptTypes.c_str(), nullptr};
  DWORD requestFlags = FTUseCache ? 0 : INTERNET_FLAG_RELOAD;
  if (url.Secure)
    requestFlags |= INTERNET_FLAG_SECURE;
  FRequest.Reset(HttpOpenRequestA(FConnection.Get(), FTPostQuery.empty() ? "GET" : "POST",
                                  url.ObjectPath.c_str(), "HTTP/1.0", FTReferer.c_str(), acceptTypes,
                                  requestFlags, 0));
  // A failure of any step so far shows as a request without an answer below.
  if (FTPostQuery.empty()) {
    HttpSendRequestW(FRequest.Get(), nullptr, 0, nullptr, 0);
  } else {
    HttpSendRequestW(FRequest.Get(), kFormContentType.data(), static_cast<DWORD>(kFormContentType.size()),
                     const_cast<char*>(FTPostQuery.data()), static_cast<DWORD>(FTPostQuery.size()));
  }
  if (Terminated())
    return;

  // An error page or no answer at all is never taken for the requested document.
  if (!AnswerIsSuccess())
    return;

  DWORD contentLength = 0;
  DWORD lengthSize = sizeof(contentLength);
  DWORD index = 0;
  const bool lengthDeclared =
      HttpQueryInfoW(FRequest.Get(), HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &contentLength,
                     &lengthSize, &index) != FALSE;
  FTResult = lengthDeclared;
  if (Terminated())
    return;
  if (!lengthDeclared && FTBinaryData)
    return;
  if (lengthDeclared)
    FTFileSize = static_cast<std::int32_t>(contentLength);
  BytesReaded = 0;

  if (FTToFile)
    CreateTargetFile();
  else
    FTStringResult.clear();

  char buffer[kChunkSize];
  for (;;) {
    if (Terminated())
      return;
    if (!InternetReadFile(FRequest.Get(), buffer, kChunkSize, &BytesToRead) || BytesToRead == 0)
      break;
    StoreChunk(buffer, BytesToRead);
    BytesReaded += BytesToRead;
    if (FTProgress)
      Synchronize([this] { DoProgress(); });
  }

  if (FTToFile)
    FTResult = static_cast<DWORD>(FTFileSize) == BytesReaded;
  else
    FTResult = BytesReaded != 0;
}

bool THTTPGetThread::AnswerIsSuccess() const {
  DWORD status = 0;
  DWORD statusSize = sizeof(status);
  DWORD index = 0;
  if (!HttpQueryInfoW(FRequest.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &statusSize,
                      &index))
    return false;
  return status >= 200 && status <= 299;
}

void THTTPGetThread::CreateTargetFile() {
  const std::u16string name = AnsiToUnicode(FTFileName);
  FFile.Reset(CreateFileW(reinterpret_cast<const wchar_t*>(name.c_str()), GENERIC_WRITE, 0, nullptr,
                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!FFile)
    RaiseLastError("CreateFile");
}

void THTTPGetThread::StoreChunk(const char* data, DWORD size) {
  if (!FTToFile) {
    FTStringResult.append(data, size);
    return;
  }
  DWORD written = 0;
  if (!WriteFile(FFile.Get(), data, size, &written, nullptr) || written != size)
    RaiseLastError("WriteFile");
}

void THTTPGetThread::DoProgress() {
  if (Terminated())
    return;
  Raise(FTProgress, this, FTFileSize, static_cast<std::int32_t>(BytesReaded));
}

void THTTPGetThread::CloseHandles() {
  FRequest.Reset();
  FConnection.Reset();
  FInternet.Reset();
}
