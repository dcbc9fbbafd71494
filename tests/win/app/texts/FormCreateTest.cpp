// The dialog after its creation handler: the language, every text, the product settings and the download
// target in the temporary directory.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <memory>
#include <string_view>

#include "AnsiText.h"
#include "DownloadFile.h"
#include "ExHTMLLbl.h"
#include "HTTPGet.h"
#include "Handles.h"
#include "ProductConfig.h"
#include "StdCtrls.h"
#include "StoredDialog.h"
#include "UnitOvanta.h"
#include "WinText.h"

namespace {

// The language the run's locale asks for, independent of how the program finds it.
bool GermanSystem() {
  const char* locale = std::getenv("LC_ALL");
  return locale && std::string_view(locale).substr(0, 3) == "de_";
}

std::u16string TempPath() {
  wchar_t buffer[MAX_PATH];
  GetTempPathW(MAX_PATH, buffer);
  return FromWide(buffer);
}

// A directory below the temporary directory that exists for the test's lifetime; TEMP points at it while the
// dialog is created.
class TScratchTemp {
 public:
  explicit TScratchTemp(const std::u16string& name) : FPath(TempPath() + name) {
    CreateDirectoryW(WideText(FPath), nullptr);
    wchar_t old[32767];
    const DWORD length = GetEnvironmentVariableW(L"TEMP", old, 32767);
    FOldTemp = length ? FromWide(old) : u"";
    SetEnvironmentVariableW(L"TEMP", WideText(FPath));
  }
  ~TScratchTemp() {
    SetEnvironmentVariableW(L"TEMP", FOldTemp.empty() ? nullptr : WideText(FOldTemp));
    RemoveDirectoryW(WideText(FPath));
  }
  const std::u16string& Path() const { return FPath; }

 private:
  std::u16string FPath;
  std::u16string FOldTemp;
};

class FormCreateTest : public testing::Test {
 protected:
  // The dialog after its creation handler, as the program creates it.
  static std::unique_ptr<TForm1> CreatedDialog() {
    auto form = StoredDialog();
    form->FormCreate(form.get());
    return form;
  }
};

struct TTexts {
  std::u16string Caption, Header, Step1, Link, Step2, CustomerID, Step3, Button, Hint;
};

TTexts TextsOf(const TForm1& form) {
  return {form.GetCaption(),
          form.ExHTMLLabel1->GetCaption(),
          form.ExHTMLLabel2->GetCaption(),
          form.ExHTMLLabel3->GetCaption(),
          form.ExHTMLLabel4->GetCaption(),
          form.Label1->GetCaption(),
          form.ExHTMLLabel6->GetCaption(),
          form.Button1->GetCaption(),
          form.ExHTMLLabel5->GetCaption()};
}

void ExpectTexts(const TTexts& actual, const TTexts& expected) {
  EXPECT_EQ(UnicodeToUtf8(actual.Caption), UnicodeToUtf8(expected.Caption));
  EXPECT_EQ(UnicodeToUtf8(actual.Header), UnicodeToUtf8(expected.Header));
  EXPECT_EQ(UnicodeToUtf8(actual.Step1), UnicodeToUtf8(expected.Step1));
  EXPECT_EQ(UnicodeToUtf8(actual.Link), UnicodeToUtf8(expected.Link));
  EXPECT_EQ(UnicodeToUtf8(actual.Step2), UnicodeToUtf8(expected.Step2));
  EXPECT_EQ(UnicodeToUtf8(actual.CustomerID), UnicodeToUtf8(expected.CustomerID));
  EXPECT_EQ(UnicodeToUtf8(actual.Step3), UnicodeToUtf8(expected.Step3));
  EXPECT_EQ(UnicodeToUtf8(actual.Button), UnicodeToUtf8(expected.Button));
  EXPECT_EQ(UnicodeToUtf8(actual.Hint), UnicodeToUtf8(expected.Hint));
}

TEST_F(FormCreateTest, TextsFollowTheSystemDefaultLanguage) {
  const auto stored = StoredDialog();
  const auto form = CreatedDialog();
  if (GermanSystem()) {
    // Only the header changes; everything else is the stored German dialog.
    TTexts expected = TextsOf(*stored);
    expected.Header =
        u"Kostenlose Registrierung für die <br><b>Vollversion von <font size=22>Quillon</b></font>";
    EXPECT_EQ(UnicodeToUtf8(expected.Caption), "Vollversion registrieren");
    ExpectTexts(TextsOf(*form), expected);
  } else {
    ExpectTexts(
        TextsOf(*form),
        {u"Register full version",
         u"Free registration for <br><b><font size=22>Quillon</font> (full version)</b>",
         u"<B><U>Step 1:</U></B><br><br>Click the following link and register:", u"Register now",
         u"<B><U>Step 2:</U></B><br><br>Enter your customer ID received by e-mail once your registration "
         u"succeeded:",
         u"Customer ID:", u"<B><U>Step 3:</U></B><br><br>Download and install full version on your computer:",
         u"Download full version",
         u"Please pay attention to the <B>correct input of your data</B>, otherwise registration will "
         u"fail!"});
  }
}

TEST_F(FormCreateTest, ProductSettingsAreFixed) {
  const auto form = CreatedDialog();
  EXPECT_EQ(UnicodeToUtf8(form->ProdName), "Quillon");
  EXPECT_EQ(form->HTTPGetUpdate->GetURL(),
            std::string("http://") + ProductConfig::kDownloadHostAnsi + "/download/quillonVV.exe");
  EXPECT_EQ(UnicodeToUtf8(form->CampaignValue), UnicodeToUtf8(ProductConfig::kCampaign));
  EXPECT_EQ(UnicodeToUtf8(form->ClientRegKey), "\\Software\\VELTRA\\Quillon");
  EXPECT_EQ(UnicodeToUtf8(form->ClientRegValue), "CustomerID");
  EXPECT_EQ(form->HTTPGetUpdate->GetPassword(), "plainaccessq");
  // Not the creation handler's: the user name is the customer ID typed later.
  EXPECT_EQ(form->HTTPGetUpdate->GetUserName(), "");
}

TEST_F(FormCreateTest, TargetIsTheLastAddressSegmentInTheTemporaryDirectory) {
  const TScratchTemp temp(u"Ovanta Target");
  const auto form = CreatedDialog();
  EXPECT_EQ(form->HTTPGetUpdate->GetFileName(), UnicodeToAnsi(temp.Path() + u"\\quillonVV.exe"));
}

// A directory name the ANSI code page cannot spell is given in its short form, through which the file can
// be created in that very directory.
TEST_F(FormCreateTest, TargetInADirectoryTheCodePageCannotSpellUsesItsShortForm) {
  const TScratchTemp temp(u"Загрузки Ovanta");
  bool lossless = true;
  UnicodeToAnsi(temp.Path(), &lossless);
  ASSERT_FALSE(lossless) << "the scratch directory must have characters outside the ANSI code page";

  const auto form = CreatedDialog();
  const std::string& target = form->HTTPGetUpdate->GetFileName();
  ASSERT_NE(target.find("quillonVV.exe"), std::string::npos) << target;
  ASSERT_TRUE(TFileHandle(CreateFileW(WideText(AnsiToUnicode(target)), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)))
      << target;
  const std::u16string inLongDirectory = temp.Path() + u"\\quillonVV.exe";
  EXPECT_NE(GetFileAttributesW(WideText(inLongDirectory)), INVALID_FILE_ATTRIBUTES) << target;
  DeleteFileW(WideText(inLongDirectory));
}

TEST(DownloadFileNameTest, IsEverythingAfterTheLastSlash) {
  struct TCase {
    const char* Url;
    const char* Name;
  };
  for (const TCase& c : {TCase{"http://127.0.0.7/download/quillonVV.exe", "quillonVV.exe"},
                         TCase{"quillonVV.exe", "quillonVV.exe"}, TCase{"http://host/download/", ""},
                         TCase{"http://host/a/b.exe?x=1/2", "2"}}) {
    EXPECT_EQ(DownloadFileName(c.Url), c.Name) << c.Url;
  }
}

}  // namespace
