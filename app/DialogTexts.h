#pragma once
// The texts the dialog sets at run time: the header with the product name, the English texts (the German ones
// are those of the stored description) and the box shown when a download fails.

#include <string>

struct TDialogTexts {
  std::u16string Caption;
  std::u16string Step1;
  std::u16string SignupLink;
  std::u16string Step2;
  std::u16string CustomerIDLabel;
  std::u16string Step3;
  std::u16string DownloadButton;
  std::u16string Hint;
};

struct TFailureMessage {
  std::u16string Caption;
  std::u16string Text;
};

// The header label's caption, with the product name in bold at font size 22. The closing tags of each
// language stand in their own order; the label takes them as they are.
std::u16string GermanHeader(const std::u16string& prodName);
std::u16string EnglishHeader(const std::u16string& prodName);

const TDialogTexts& EnglishTexts();
const TFailureMessage& FailureMessage(bool german);
