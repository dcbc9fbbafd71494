#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "Forms.h"
#include "Handles.h"
#include "MessagePump.h"
#include "NetTestSupport.h"
#include "Thread.h"

namespace {

class HTTPGetTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(Application()->Handle(), nullptr);
    Get.SetWaitThread(true);
  }

  // A waiting file transfer of `path` on the fixture server.
  void FetchFile(const std::string& path, const std::string& target) {
    Get.SetURL(kServer + path);
    Get.SetFileName(target);
    Get.GetFile();
  }

  // The request the fixture server received before asking for its log.
  std::string LastRequest() {
    THTTPGet logReader(nullptr);
    std::string text;
    logReader.OnDoneString = [&](TObject*, const std::string& result) { text = result; };
    logReader.SetURL(kServer + "/log");
    logReader.GetString();
    EXPECT_TRUE(PumpMessagesUntil([&] { return !logReader.Busy(); }));
    return text;
  }

  THTTPGet Get{nullptr};
  TEventLog Log{Get};
};

TEST(HTTPGetDefaults, CreateSetsAcceptTypesAndAgentOnly) {
  THTTPGet get(nullptr);
  EXPECT_EQ(get.GetAcceptTypes(), "*/*");
  EXPECT_EQ(get.GetAgent(), "Corvex HTTPGet");
  EXPECT_EQ(get.GetURL(), "");
  EXPECT_EQ(get.GetFileName(), "");
  EXPECT_FALSE(get.GetBinaryData());
  EXPECT_FALSE(get.GetUseCache());
  EXPECT_FALSE(get.GetWaitThread());
  EXPECT_FALSE(get.Busy());
}

// Sizes around the 1025-byte chunk, and an empty body.
class HTTPGetFileSizeTest : public HTTPGetTest, public testing::WithParamInterface<int> {};

TEST_P(HTTPGetFileSizeTest, WritesTheWholeBodyAndReportsItsSize) {
  const int size = GetParam();
  const std::string target = ScratchFile("size.bin");
  FetchFile("/bytes/" + std::to_string(size), target);
  ASSERT_EQ(Log.DoneFiles, 1) << "errors: " << Log.Errors;
  EXPECT_EQ(Log.LastSender, &Get);
  EXPECT_EQ(Log.FileName, target);
  EXPECT_EQ(Log.FileSize, size);
  EXPECT_EQ(FileContents(target), Pattern(static_cast<std::size_t>(size)));
  EXPECT_FALSE(Get.Busy());
}

INSTANTIATE_TEST_SUITE_P(Sizes, HTTPGetFileSizeTest, testing::Values(0, 1, 1024, 1025, 1026, 70000));

TEST_F(HTTPGetTest, StringModeReturnsTheBodyAndFailsOnAnEmptyOne) {
  Get.SetURL(kServer + "/bytes/3000");
  Get.GetString();
  ASSERT_TRUE(PumpMessagesUntil([&] { return Log.Outcomes() == 1; }));
  EXPECT_EQ(Log.DoneStrings, 1);
  EXPECT_EQ(Log.Text, Pattern(3000));

  Get.SetURL(kServer + "/bytes/0");
  Get.GetString();
  ASSERT_TRUE(PumpMessagesUntil([&] { return Log.Outcomes() == 2; }));
  EXPECT_EQ(Log.Errors, 1);
}

TEST_F(HTTPGetTest, GetSendsAgentAcceptTypesAndRefererOverHTTP10) {
  Get.SetReferer("http://referrer.example/page");
  Get.SetAcceptTypes("application/octet-stream");
  FetchFile("/bytes/10", ScratchFile("get.bin"));
  ASSERT_EQ(Log.DoneFiles, 1);
  const std::string request = LastRequest();
  EXPECT_EQ(request.rfind("GET /bytes/10 HTTP/1.0\r\n", 0), 0u) << request;
  EXPECT_NE(request.find("user-agent: Corvex HTTPGet\r\n"), std::string::npos) << request;
  EXPECT_NE(request.find("referer: http://referrer.example/page\r\n"), std::string::npos) << request;
  EXPECT_NE(request.find("accept: application/octet-stream\r\n"), std::string::npos) << request;
  EXPECT_EQ(request.find("content-type:"), std::string::npos) << request;
  EXPECT_EQ(request.substr(request.find("\r\n\r\n") + 4), "") << request;
}

TEST_F(HTTPGetTest, PostCarriesTheFormBodyAndItsContentType) {
  Get.SetPostQuery("id=AB12&x=%20y");
  Get.SetURL(kServer + "/echo");
  Get.GetString();
  ASSERT_TRUE(PumpMessagesUntil([&] { return Log.Outcomes() == 1; }));
  ASSERT_EQ(Log.DoneStrings, 1);
  EXPECT_EQ(Log.Text, "id=AB12&x=%20y");
  const std::string request = LastRequest();
  EXPECT_EQ(request.rfind("POST /echo HTTP/1.0\r\n", 0), 0u) << request;
  EXPECT_NE(request.find("content-type: application/x-www-form-urlencoded\r\n"), std::string::npos)
      << request;
}

// Scheme in any letter case, no scheme, a redirect and a Basic challenge answered with the connection's
// credentials all lead to the document.
class HTTPGetAddressTest : public HTTPGetTest, public testing::WithParamInterface<const char*> {};

TEST_P(HTTPGetAddressTest, FetchesTheDocument) {
  Get.SetUserName("CUSTOMER01");
  Get.SetPassword("secret");
  const std::string target = ScratchFile("address.bin");
  Get.SetURL(GetParam());
  Get.SetFileName(target);
  Get.GetFile();
  ASSERT_EQ(Log.DoneFiles, 1) << GetParam();
  EXPECT_EQ(FileContents(target), Pattern(static_cast<std::size_t>(Log.FileSize)));
  EXPECT_GT(Log.FileSize, 0);
}

INSTANTIATE_TEST_SUITE_P(Addresses, HTTPGetAddressTest,
                         testing::Values("HTTP://127.0.0.20/bytes/100", "Http://127.0.0.20/bytes/100",
                                         "127.0.0.20/bytes/100", "http://127.0.0.20/redirect/2500",
                                         "http://127.0.0.20/auth/CUSTOMER01/secret/2300"));

struct TFailureCase {
  const char* Name;
  const char* URL;
  bool BinaryData;
  // The bytes left under the target name; -1: no file.
  int BytesLeft;
};

class HTTPGetFailureTest : public HTTPGetTest, public testing::WithParamInterface<TFailureCase> {};

TEST_P(HTTPGetFailureTest, EndsInOnError) {
  const TFailureCase& c = GetParam();
  const std::string target = ScratchFile("failure.bin");
  Get.SetUserName("CUSTOMER01");
  Get.SetPassword("wrong");
  Get.SetBinaryData(c.BinaryData);
  Get.SetURL(c.URL);
  Get.SetFileName(target);
  Get.GetFile();
  EXPECT_EQ(Log.Errors, 1);
  EXPECT_EQ(Log.DoneFiles, 0);
  EXPECT_EQ(Log.LastSender, &Get);
  if (c.BytesLeft < 0)
    EXPECT_FALSE(FileExists(target));
  else
    EXPECT_EQ(FileContents(target), Pattern(static_cast<std::size_t>(c.BytesLeft)));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, HTTPGetFailureTest,
    testing::Values(
        TFailureCase{"NoSlashAfterHost", "http://127.0.0.20", false, -1},
        TFailureCase{"CutShortKeepsThePartialFile", "http://127.0.0.20/short/5000/3000", false, 3000},
        TFailureCase{"NotFoundWithBody", "http://127.0.0.20/status/404/5000", false, -1},
        TFailureCase{"ServerErrorWithBody", "http://127.0.0.20/status/500/3000", false, -1},
        TFailureCase{"WrongCredentials", "http://127.0.0.20/auth/CUSTOMER01/secret/3000", false, -1},
        TFailureCase{"NoServerAnswers", "http://127.0.0.29/bytes/10", false, -1},
        TFailureCase{"NoLengthDeclared", "http://127.0.0.20/nolength/3000", false, 3000},
        TFailureCase{"NoLengthWithBinaryData", "http://127.0.0.20/nolength/3000", true, -1}),
    [](const testing::TestParamInfo<TFailureCase>& param) { return std::string(param.param.Name); });

TEST_F(HTTPGetTest, TargetThatCannotBeCreatedEndsInOnError) {
  FetchFile("/bytes/10", ScratchFile("missing-directory\\file.bin"));
  EXPECT_EQ(Log.Errors, 1);
  EXPECT_EQ(Log.DoneFiles, 0);
}

TEST_F(HTTPGetTest, ProgressComesFromTheWorkerWithDeclaredAndReceivedSizes) {
  std::vector<std::pair<std::int32_t, std::int32_t>> reports;
  TObject* progressSender = nullptr;
  Get.OnProgress = [&](TObject* sender, std::int32_t total, std::int32_t readed) {
    progressSender = sender;
    reports.emplace_back(total, readed);
  };
  FetchFile("/bytes/3000", ScratchFile("progress.bin"));
  ASSERT_EQ(Log.DoneFiles, 1);
  ASSERT_FALSE(reports.empty());
  EXPECT_NE(progressSender, nullptr);
  EXPECT_NE(progressSender, &Get);
  std::int32_t previous = 0;
  for (const auto& [total, readed] : reports) {
    EXPECT_EQ(total, 3000);
    EXPECT_GT(readed, previous);
    EXPECT_LE(readed - previous, 1025);
    previous = readed;
  }
  EXPECT_EQ(previous, 3000);
}

TEST_F(HTTPGetTest, ProgressHandlerThatRaisesEndsInFailure) {
  Get.OnProgress = [](TObject*, std::int32_t, std::int32_t) { throw std::runtime_error("progress failed"); };
  FetchFile("/bytes/3000", ScratchFile("throwing.bin"));
  EXPECT_EQ(Log.Errors, 1);
  EXPECT_EQ(Log.DoneFiles, 0);
}

TEST_F(HTTPGetTest, SecondTransferDuringOneReturnsAtOnceWithoutAnEvent) {
  Get.SetWaitThread(false);
  FetchFile("/slow/1000", ScratchFile("first.bin"));
  ASSERT_TRUE(Get.Busy());
  FetchFile("/bytes/10", ScratchFile("second.bin"));
  EXPECT_EQ(Log.Outcomes(), 0);
  ASSERT_TRUE(PumpMessagesUntil([&] { return !Get.Busy(); }));
  EXPECT_EQ(Log.DoneFiles, 1);
  EXPECT_EQ(Log.FileSize, 1000);
  EXPECT_FALSE(FileExists(ScratchFile("second.bin")));
}

TEST_F(HTTPGetTest, GetFileFromInsideTheOutcomeHandlersReturnsAtOnce) {
  int nestedCalls = 0;
  const auto startAnother = [&] {
    ++nestedCalls;
    EXPECT_TRUE(Get.Busy());
    FetchFile("/bytes/10", ScratchFile("nested.bin"));
  };
  Get.OnDoneFile = [&](TObject*, const std::string&, std::int32_t) { startAnother(); };
  Get.OnError = [&](TObject*) { startAnother(); };
  FetchFile("/bytes/20", ScratchFile("outer.bin"));
  FetchFile("/status/404/10", ScratchFile("outer.bin"));
  EXPECT_EQ(nestedCalls, 2);
  EXPECT_FALSE(Get.Busy());
  EXPECT_FALSE(FileExists(ScratchFile("nested.bin")));
}

TEST_F(HTTPGetTest, AbortWithoutTransferDoesNothingAndDuringOneEndsInOnError) {
  Get.Abort();
  EXPECT_EQ(Log.Outcomes(), 0);
  Get.OnProgress = [&](TObject*, std::int32_t, std::int32_t) { Get.Abort(); };
  FetchFile("/slow/3000", ScratchFile("aborted.bin"));
  EXPECT_EQ(Log.Errors, 1);
  EXPECT_EQ(Log.DoneFiles, 0);
  EXPECT_FALSE(Get.Busy());
}

TEST_F(HTTPGetTest, WithoutWaitThreadEventsArriveThroughTheCallersLoop) {
  Get.SetWaitThread(false);
  FetchFile("/bytes/500", ScratchFile("nowait.bin"));
  EXPECT_TRUE(Get.Busy());
  EXPECT_EQ(Log.Outcomes(), 0);
  ASSERT_TRUE(PumpMessagesUntil([&] { return Log.Outcomes() == 1; }));
  EXPECT_EQ(Log.DoneFiles, 1);
  EXPECT_EQ(Log.FileSize, 500);
}

TEST_F(HTTPGetTest, QuitRequestDuringTheWaitSurvives) {
  Get.OnProgress = [](TObject*, std::int32_t, std::int32_t readed) {
    if (readed <= 1025)
      PostQuitMessage(7);
  };
  FetchFile("/bytes/3000", ScratchFile("quit.bin"));
  ASSERT_EQ(Log.DoneFiles, 1);
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);
}

// What the handlers of a component heard; shared with them, so that it outlives the component.
struct TDoomedLog {
  int Progress = 0;
  std::int32_t Readed = 0;
  int Outcomes = 0;
  // The component's worker, opened while it certainly runs (it waits for the first progress call).
  TKernelHandle Worker;
};

TEST_F(HTTPGetTest, DestroyedMidTransferItsHandlersHearNothingMore) {
  auto heard = std::make_shared<TDoomedLog>();
  auto doomed = std::make_unique<THTTPGet>(nullptr);
  doomed->OnProgress = [heard](TObject* sender, std::int32_t, std::int32_t readed) {
    ++heard->Progress;
    heard->Readed = readed;
    if (!heard->Worker)
      heard->Worker.Reset(OpenThread(SYNCHRONIZE, FALSE, dynamic_cast<TThread&>(*sender).ThreadID()));
  };
  doomed->OnDoneFile = [heard](TObject*, const std::string&, std::int32_t) { ++heard->Outcomes; };
  doomed->OnError = [heard](TObject*) { ++heard->Outcomes; };
  // The server sends two whole chunks and holds the rest back: the worker's next read is then in flight.
  doomed->SetURL(kServer + "/hold/4000/2050");
  doomed->SetFileName(ScratchFile("doomed.bin"));
  doomed->GetFile();
  ASSERT_TRUE(PumpMessagesUntil([&] { return heard->Readed == 2050; }));
  ASSERT_TRUE(heard->Worker);
  // A round trip to the server, time enough for the worker to be inside that read.
  FetchFile("/bytes/10", ScratchFile("meanwhile.bin"));
  const int progressBefore = heard->Progress;
  doomed.reset();

  Get.SetURL(kServer + "/release");
  Get.GetString();
  ASSERT_TRUE(PumpMessagesUntil(
      [&] { return Log.DoneStrings == 1 && WaitForSingleObject(heard->Worker.Get(), 0) == WAIT_OBJECT_0; }));
  EXPECT_EQ(heard->Progress, progressBefore) << "a progress call reached the destroyed component";
  EXPECT_EQ(heard->Outcomes, 0);
  // The other component goes on working normally meanwhile.
  EXPECT_EQ(Log.DoneFiles, 1);
  EXPECT_EQ(Log.Text, "released");
}

// A handler of each outcome that raises.
struct TRaisingHandlerCase {
  const char* Name;
  const char* Path;
  bool ToFile;
  void (*Install)(THTTPGet& get);
};

class HTTPGetRaisingHandlerTest : public HTTPGetTest,
                                  public testing::WithParamInterface<TRaisingHandlerCase> {};

TEST_P(HTTPGetRaisingHandlerTest, LeavesTheComponentIdleAndReadyForTheNextTransfer) {
  const TRaisingHandlerCase& c = GetParam();
  c.Install(Get);
  Get.SetWaitThread(false);
  Get.SetURL(kServer + c.Path);
  Get.SetFileName(ScratchFile("raising.bin"));
  if (c.ToFile)
    Get.GetFile();
  else
    Get.GetString();
  ASSERT_TRUE(PumpMessagesUntil([&] { return !Get.Busy(); })) << "still busy after the handler raised";

  const TEventLog later(Get);
  Get.SetWaitThread(true);
  FetchFile("/bytes/10", ScratchFile("next.bin"));
  EXPECT_EQ(later.DoneFiles, 1);
  EXPECT_FALSE(Get.Busy());
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, HTTPGetRaisingHandlerTest,
    testing::Values(TRaisingHandlerCase{"OnDoneFile", "/bytes/10", true,
                                        [](THTTPGet& get) {
                                          get.OnDoneFile = [](TObject*, const std::string&, std::int32_t) {
                                            throw std::runtime_error("file handler");
                                          };
                                        }},
                    TRaisingHandlerCase{"OnDoneString", "/bytes/10", false,
                                        [](THTTPGet& get) {
                                          get.OnDoneString = [](TObject*, const std::string&) {
                                            throw std::runtime_error("string handler");
                                          };
                                        }},
                    TRaisingHandlerCase{"OnError", "/status/404/10", true,
                                        [](THTTPGet& get) {
                                          get.OnError = [](TObject*) {
                                            throw std::runtime_error("error handler");
                                          };
                                        }}),
    [](const testing::TestParamInfo<TRaisingHandlerCase>& param) { return std::string(param.param.Name); });

}  // namespace
