#include "ExceptionHandling.h"

#include <atomic>

#include "AnsiText.h"
#include "WinText.h"
#include "stream/StrictUtf8.h"

namespace {

// The framework's own handler: a message box, and the program goes on.
class TDefaultExceptionHandler final : public IExceptionHandler {
 public:
  void HandleException(TObject*, std::exception_ptr error, const TExceptionDisplay& display) override {
    MessageBoxW(display.Owner, WideText(ExceptionMessage(error)), WideText(display.Title),
                MB_OK | MB_ICONERROR);
  }

  std::exception_ptr RunThread(const std::function<void()>& execute) override {
    try {
      execute();
    } catch (...) {
      return std::current_exception();
    }
    return nullptr;
  }

  void SynchronizeFailed(TObject*, std::exception_ptr) override {}
};

// Never destroyed: forms freed while the program shuts down may still report exceptions.
TDefaultExceptionHandler& DefaultHandler() {
  static auto* handler = new TDefaultExceptionHandler;
  return *handler;
}

std::atomic<IExceptionHandler*>& InstalledHandler() {
  static std::atomic<IExceptionHandler*> installed{nullptr};
  return installed;
}

// Messages of exceptions are UTF-8 where the program wrote them, otherwise in the ANSI code page.
std::u16string MessageText(const char* what) {
  if (!what)
    return {};
  const std::string_view text(what);
  if (auto decoded = strict_utf8::Decode(text))
    return *decoded;
  return AnsiToUnicode(text);
}

}  // namespace

EUnicodeException::EUnicodeException(const std::u16string& message)
    : std::runtime_error(UnicodeToUtf8(message)), FMessage(message) {}

IExceptionHandler& ExceptionHandler() {
  IExceptionHandler* installed = InstalledHandler().load();
  return installed ? *installed : DefaultHandler();
}

IExceptionHandler* SetExceptionHandler(IExceptionHandler* handler) {
  IExceptionHandler* previous = InstalledHandler().exchange(handler);
  return previous ? previous : &DefaultHandler();
}

std::u16string ExceptionMessage(std::exception_ptr error) {
  if (!error)
    return u"Unknown exception";
  try {
    std::rethrow_exception(error);
  } catch (const EUnicodeException& e) {
    return e.Message();
  } catch (const std::exception& e) {
    return MessageText(e.what());
  } catch (...) {
    return u"Unknown exception";
  }
}
