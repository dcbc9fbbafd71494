// What a label shows: its own caption or a container snippet, as plain text once the markup is taken out.

#include <gtest/gtest.h>

#include "ExHTMLLbl.h"

namespace {

struct TPlainTextCase {
  const char16_t* Markup;
  const char16_t* Text;
};

// The label's text is the parsed document's: runs as they are, a line end per break.
const TPlainTextCase kPlainTextCases[] = {
    {u"<B><U>Schritt 1:</U></B><br><br>Klicken Sie", u"Schritt 1:\r\n\r\nKlicken Sie"},
    {u"Jetzt kostenlos auf die <b>Vollversion</b> umsteigen!",
     u"Jetzt kostenlos auf die Vollversion umsteigen!"},
    {u"R&amp;D &lt;tag&gt;", u"R&D <tag>"},
    {u"", u""},
};

TEST(LabelText, PlainTextIsTheParsedDocumentsText) {
  TExHTMLLabel label(nullptr);
  label.SetAutoSize(false);
  for (const auto& c : kPlainTextCases) {
    label.SetCaption(c.Markup);
    EXPECT_EQ(label.PlainText(), c.Text);
  }
}

TEST(LabelText, PlainLabelKeepsItsCaption) {
  TExHTMLLabel label(nullptr);
  label.SetAutoSize(false);
  label.SetIsHTML(false);
  label.SetCaption(u"<b>&amp;</b>");
  EXPECT_EQ(label.PlainText(), u"<b>&amp;</b>");
}

TEST(LabelText, VariablesAreAskedOfTheLabelsHandler) {
  TExHTMLLabel label(nullptr);
  label.SetAutoSize(false);
  std::u16string asked;
  std::u16string answer = u"Q";
  label.OnVariableNeeded = [&](TObject* sender, const std::u16string& name, std::u16string& value) {
    EXPECT_EQ(sender, &label);
    EXPECT_EQ(value, u"~~");
    asked += name + u";";
    value = answer;
  };
  label.SetCaption(u"Willkommen bei <~~Product>");
  EXPECT_EQ(asked, u"Product;");
  const int shortWidth = label.TextRect().right;
  // The answer is laid out: a longer one makes the text wider.
  answer = u"Quillon Vollversion";
  label.RebuildHTML();
  EXPECT_EQ(asked, u"Product;Product;");
  EXPECT_GT(label.TextRect().right, shortWidth);
}

TEST(LabelText, CaptionFollowsTheNameWhileItEqualsIt) {
  TExHTMLLabel label(nullptr);
  label.SetName("ExHTMLLabel1");
  label.SetCaption(u"ExHTMLLabel1");
  label.SetName("SignupLink");
  EXPECT_EQ(label.GetCaption(), u"SignupLink");
  label.SetCaption(u"Jetzt registrieren");
  label.SetName("Other");
  EXPECT_EQ(label.GetCaption(), u"Jetzt registrieren");
}

class ContainerText : public testing::Test {
 protected:
  ContainerText() {
    FLabel.SetAutoSize(false);
    FLabel.SetCaption(u"own");
    FContainer->Items().Add().SetCaption(u"first");
    FContainer->Items().Add().SetCaption(u"second");
    FContainer->OnChange = [this](TObject*) { ++FChanges; };
  }

  TComponent FOwner{nullptr};
  TExHTMLContainer* FContainer = new TExHTMLContainer(&FOwner);
  TExHTMLLabel FLabel{nullptr};
  int FChanges = 0;
};

TEST_F(ContainerText, ItemsAreNamedByTheFirstFreeNumber) {
  TExHTMLListItems& items = FContainer->Items();
  EXPECT_EQ(items.Items(0).GetName(), u"ExHTMLSnip0");
  EXPECT_EQ(items.Items(1).GetName(), u"ExHTMLSnip1");
  items.Items(0).SetName(u"intro");
  EXPECT_EQ(items.Add().GetName(), u"ExHTMLSnip0");
  // A name another item has is replaced; an item may keep its own.
  items.Items(2).SetName(u"intro");
  EXPECT_EQ(items.Items(2).GetName(), u"ExHTMLSnip0");
  items.Items(1).SetName(u"ExHTMLSnip1");
  EXPECT_EQ(items.Items(1).GetName(), u"ExHTMLSnip1");
  EXPECT_EQ(items.FindByName(u"Intro"), nullptr);
  EXPECT_EQ(items.FindByName(u"intro"), &items.Items(0));
}

TEST_F(ContainerText, LabelShowsTheItemWhileTheIndexIsInRange) {
  const struct {
    int Index;
    const char16_t* Shown;
  } cases[] = {{0, u"first"}, {1, u"second"}, {2, u"own"}, {-1, u"own"}};
  FLabel.SetContainer(FContainer);
  for (const auto& c : cases) {
    FLabel.SetContainerIndex(c.Index);
    EXPECT_EQ(FLabel.GetSourceText(), c.Shown) << "index " << c.Index;
  }
}

TEST_F(ContainerText, CaptionChangeTellsContainerAndLinks) {
  int linkChanges = 0;
  TExHTMLChangeLink link;
  link.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, FContainer);
    ++linkChanges;
  };
  FContainer->RegisterChanges(link);
  FContainer->Items().Items(1).SetCaption(u"changed");
  FContainer->Items().Items(1).SetCaption(u"changed");  // unchanged: no news
  EXPECT_EQ(FChanges, 1);
  EXPECT_EQ(linkChanges, 1);
  FContainer->UnRegisterChanges(link);
  FContainer->Items().Items(1).SetCaption(u"again");
  EXPECT_EQ(linkChanges, 1);
}

TEST_F(ContainerText, LabelLetsGoOfADestroyedContainer) {
  FLabel.SetContainer(FContainer);
  TExHTMLChangeLink link;
  FContainer->RegisterChanges(link);
  delete FContainer;
  EXPECT_EQ(FLabel.GetContainer(), nullptr);
  EXPECT_EQ(FLabel.GetSourceText(), u"own");
  EXPECT_EQ(link.Sender(), nullptr);
}

}  // namespace
