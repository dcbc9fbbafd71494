// The download component built from a stored description as the dialog's would store it: every stored value
// arrives in its property and events bind to the root's handlers.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HTTPGet.h"
#include "StoredDescriptionTest.h"
#include "StoredValues.h"

namespace {

using HTTPGetDescription = StoredDescriptionTest<RegisterHTTPGetClasses>;

TEST_F(HTTPGetDescription, HTTPGetTakesEveryStoredValue) {
  const std::vector<TPropertyCase> values = {
      {"AcceptTypes", StoredAnsi("application/octet-stream")},
      {"Agent", StoredAnsi("Ovanta")},
      {"BinaryData", Stored(true)},
      {"URL", StoredAnsi("http://127.0.0.1:8080/download/quillon10.exe")},
      {"UseCache", Stored(true)},
      {"FileName", StoredAnsi("C:\\temp\\quillon10.exe")},
      {"UserName", StoredAnsi("1234567890")},
      {"Password", StoredAnsi("secret")},
      {"PostQuery", StoredAnsi("a=1&b=2")},
      {"Referer", StoredAnsi("VELTRA - Ovanta")},
      {"WaitThread", Stored(true)},
  };
  auto& get = Read<THTTPGet>(StoredObject("THTTPGet", "HTTPGetUpdate", values,
                                          {{"OnProgress", StoredIdent("Progress")},
                                           {"OnDoneFile", StoredIdent("DoneFile")},
                                           {"OnDoneString", StoredIdent("DoneString")},
                                           {"OnError", StoredIdent("Failed")}}));
  ExpectHoldsAll(get, values);

  Raise(get.OnProgress, &get, std::int32_t{5000}, std::int32_t{1024});
  Raise(get.OnDoneFile, &get, std::string("setup.exe"), std::int32_t{5000});
  Raise(get.OnDoneString, &get, std::string("body"));
  Raise(get.OnError, &get);
  EXPECT_EQ(FRoot.Calls, (std::vector<std::string>{"progress 1024/5000", "file HTTPGetUpdate setup.exe 5000",
                                                   "string HTTPGetUpdate body", "error HTTPGetUpdate"}));
}

}  // namespace
