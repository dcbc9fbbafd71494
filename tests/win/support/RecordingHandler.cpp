#include "RecordingHandler.h"

TRecordingHandler::TRecordingHandler() : FInstalled(true), FPrevious(SetExceptionHandler(this)) {}

TRecordingHandler::TRecordingHandler(TNotInstalled) noexcept : FInstalled(false), FPrevious(nullptr) {}

TRecordingHandler::~TRecordingHandler() {
  if (FInstalled)
    SetExceptionHandler(FPrevious);
}

void TRecordingHandler::HandleException(TObject* sender, std::exception_ptr error, const TExceptionDisplay&) {
  Handled.push_back({sender, ExceptionMessage(error)});
}

std::exception_ptr TRecordingHandler::RunThread(const std::function<void()>& execute) {
  try {
    execute();
  } catch (...) {
    return std::current_exception();
  }
  return nullptr;
}

void TRecordingHandler::SynchronizeFailed(TObject* thread, std::exception_ptr error) {
  SyncFailures.push_back({thread, ExceptionMessage(error), GetCurrentThreadId()});
}

std::vector<std::u16string> TRecordingHandler::Messages() const {
  std::vector<std::u16string> messages;
  for (const THandled& handled : Handled)
    messages.push_back(handled.Message);
  return messages;
}
