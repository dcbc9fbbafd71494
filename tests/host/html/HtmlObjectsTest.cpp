// The list, rule, indent, picture, input and variable tags (fixed metrics: a list indents by the font's
// maximum character width, 13 pixels at height -13).

#include <gtest/gtest.h>

#include <map>

#include "HtmlTestSupport.h"

namespace {

using Items = std::vector<std::string>;

struct TMarkupCase {
  const char* Markup;
  Items Expected;
};

void ExpectItems(THtmlRenderFixture& fixture, const std::vector<TMarkupCase>& cases) {
  for (const TMarkupCase& test : cases) {
    SCOPED_TRACE(test.Markup);
    EXPECT_EQ(DescribeItems(fixture.Parse(U16(test.Markup), 0, false)), test.Expected);
  }
}

TEST(HtmlLists, BulletsNumbersAndNesting) {
  THtmlRenderFixture fixture;
  ExpectItems(
      fixture,
      {
          {"<ul><li>one<li>two</ul>after",
           {"para", "ul ind=13", "li ind=13 n=-1 level=1", "text 'one' ind=13", "li ind=13 n=-1 level=1",
            "text 'two' ind=13", "br", "text 'after'"}},
          {"<ol><li>a<li>b<li>c</ol>",
           {"para", "ol ind=13", "li ind=13 n=1 level=1", "text 'a' ind=13", "li ind=13 n=2 level=1",
            "text 'b' ind=13", "li ind=13 n=3 level=1", "text 'c' ind=13", "br"}},
          {"<ol><li>a<ul><li>b</ul><li>c</ol>",
           {"para", "ol ind=13", "li ind=13 n=1 level=1", "text 'a' ind=13", "ul ind=26",
            "li ind=26 n=-1 level=2", "text 'b' ind=26", "li ind=13 n=-1 level=1", "text 'c' ind=13", "br"}},
          {"<b><ul><li>x</ul></b>",
           {"para", "ul b ind=14", "li b ind=14 n=-1 level=1", "text 'x' b ind=14", "br b"}},
          {"<li>loose", {"para", "li n=0 level=0", "text 'loose'"}},
      });
}

TEST(HtmlLists, BreaksBeforeListsAndItemsAreRemoved) {
  THtmlRenderFixture fixture;
  ExpectItems(fixture,
              {
                  {"x<br><ul><li>a</ul>",
                   {"para", "text 'x'", "ul ind=13", "li ind=13 n=-1 level=1", "text 'a' ind=13", "br"}},
                  {"x<br> <b> </b><ul>", {"para", "text 'x'", "ul ind=13"}},
                  {"x<br> <ul>", {"para", "text 'x'", "text ' '", "ul ind=13"}},
                  {"x<br>y <ul>", {"para", "text 'x'", "br", "text 'y '", "ul ind=13"}},
                  {"x<p><ul>", {"para", "text 'x'", "para", "ul ind=13"}},
                  {"<ul><li>a<br><li>b</ul>",
                   {"para", "ul ind=13", "li ind=13 n=-1 level=1", "text 'a' ind=13",
                    "li ind=13 n=-1 level=1", "text 'b' ind=13", "br"}},
                  {"<ul><li>a<br></ul>x",
                   {"para", "ul ind=13", "li ind=13 n=-1 level=1", "text 'a' ind=13", "br", "text 'x'"}},
              });
}

TEST(HtmlLists, ListItemsAfterAListRestartTheLoop) {
  THtmlRenderFixture fixture;
  fixture.Parse(u"<ol><li>a<li>b", 0, false);
  // A new parse numbers from the start again and knows no list.
  ExpectItems(fixture, {{"<li>x", {"para", "li n=0 level=0", "text 'x'"}}});
}

TEST(HtmlObjects, RulesAndIndents) {
  THtmlRenderFixture fixture;
  ExpectItems(fixture, {
                           {"a<hr>b", {"para", "text 'a'", "br", "hr 0x0", "br", "text 'b'"}},
                           {"<hr width=200>", {"para", "br", "hr 200x0", "br"}},
                           {"<hr width=wide>", {"para", "br", "hr 0x0", "br"}},
                           {"a<ind width=20>b", {"para", "text 'a'", "ind 20x0", "text 'b'"}},
                           {"<ind width=30 pos=ABS>b<ind width=5>c",
                            {"para", "ind abs 30x0", "text 'b'", "ind 5x0", "text 'c'"}},
                           {"<ind width=x>b", {"para", "ind 0x0", "text 'b'"}},
                           {"a<ind>b<ind pos=abs>c", {"para", "text 'abc'"}},
                       });
}

class TPictures : public IHtmlImageSource {
 public:
  std::optional<THtmlPictureSize> GetImage(const std::u16string& Src) override {
    Requested.push_back(Src);
    if (Src == u"pic")
      return THtmlPictureSize{40, 30};
    return std::nullopt;
  }
  std::vector<std::u16string> Requested;
};

TEST(HtmlObjects, PicturesTakeTheirSizeFromTheSourceOrTheAttributes) {
  THtmlRenderFixture fixture;
  TPictures pictures;
  fixture.Render.SetImageSource(&pictures);
  ExpectItems(fixture, {
                           {"a<img src=pic>b", {"para", "text 'a'", "img 'pic' 40x30", "text 'b'"}},
                           {"<img src='pic' width=10>", {"para", "img 'pic' 10x30"}},
                           {"<img src=none height=7>", {"para", "img 'none' 0x7"}},
                           {"a<img>b<img width=3>c", {"para", "text 'abc'"}},
                       });
  EXPECT_EQ(pictures.Requested, (std::vector<std::u16string>{u"pic", u"pic", u"none"}));

  const struct {
    const char* Markup;
    bool Transparent;
  } transparency[] = {{"<img src=pic>", true},
                      {"<img src=pic transparent=solid>", false},
                      {"<img src=pic transparent=Solid>", true}};
  for (const auto& test : transparency) {
    SCOPED_TRACE(test.Markup);
    EXPECT_EQ(fixture.Parse(U16(test.Markup), 0, false).FArray.at(1)->FTransparent, test.Transparent);
  }

  fixture.Render.SetImageSource(nullptr);
  ExpectItems(fixture, {{"<img src=pic>", {"para", "img 'pic' 0x0"}}});
}

TEST(HtmlObjects, InputItems) {
  THtmlRenderFixture fixture;
  THtmlData& document = fixture.Parse(
      u"<input type=checkbox name=Opt checked=true value=V>"
      u"<input type=RADIO name=g><input type=radio name=h checked=1><input type=radio name=G>"
      u"<input type=text><input>",
      0, false);
  ASSERT_EQ(document.GetItemCount(), 5);
  ASSERT_EQ(document.FControlsArray.size(), 4u);
  const struct {
    THtmlInputType Type;
    const char16_t* Name;
    bool Checked;
    const char16_t* Value;
    int Group;
  } expected[] = {{THtmlInputType::itCheckBox, u"opt", true, u"V", 0},
                  {THtmlInputType::itRadioButton, u"g", false, u"", 1},
                  {THtmlInputType::itRadioButton, u"h", true, u"", 2},
                  {THtmlInputType::itRadioButton, u"g", false, u"", 1}};
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(i);
    auto* input = dynamic_cast<THtmlInputItem*>(document.FArray[i + 1].get());
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(document.FControlsArray[i], input);
    EXPECT_EQ(input->FItemType, THtmlItemType::hitInput);
    EXPECT_EQ(input->InputType(), expected[i].Type);
    EXPECT_EQ(input->FName, expected[i].Name);
    EXPECT_EQ(input->FChecked, expected[i].Checked);
    EXPECT_EQ(input->FValue, expected[i].Value);
    EXPECT_EQ(input->FTag, expected[i].Group);
    EXPECT_EQ(input->FWidth, 17);
    EXPECT_EQ(input->FHeight, 17);
  }
  EXPECT_EQ(document.FRadioList, (std::vector<std::u16string>{u"g", u"h"}));
}

TEST(HtmlObjects, InputAttributesStopAtTheFirstUnreadableValue) {
  THtmlRenderFixture fixture;
  const struct {
    const char* Markup;
    bool Checked;
    const char16_t* Value;
    int Width, Height;
  } cases[] = {
      {"<input type=checkbox height=5 width=30>", false, u"", 30, 5},
      {"<input type=checkbox width=x height=5 value=v>", false, u"v", 17, 17},
      {"<input type=checkbox checked=maybe value=v width=3>", false, u"", 17, 17},
      {"<input type=checkbox checked=FALSE value=v>", false, u"v", 17, 17},
      {"<input type=checkbox checked='-1'>", true, u"", 17, 17},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.Markup);
    THtmlData& document = fixture.Parse(U16(test.Markup), 0, false);
    ASSERT_EQ(document.GetItemCount(), 2);
    const auto& input = dynamic_cast<const THtmlInputItem&>(*document.FArray[1]);
    EXPECT_EQ(input.FChecked, test.Checked);
    EXPECT_EQ(input.FValue, test.Value);
    EXPECT_EQ(input.FWidth, test.Width);
    EXPECT_EQ(input.FHeight, test.Height);
  }
}

TEST(HtmlObjects, VariablesAskTheHostAndAreFollowedByABlank) {
  THtmlRenderFixture fixture;
  ExpectItems(fixture, {{"Hallo <~~UserName>!", {"para", "text 'Hallo '", "var '~~'", "text ' !'"}}});

  std::map<std::u16string, std::u16string> values{{u"UserName", u"Anna"}, {u"Who", u"Ben"}};
  std::vector<std::u16string> asked;
  fixture.Render.OnVariableNeeded = [&](TObject* sender, const std::u16string& name, std::u16string& value) {
    EXPECT_EQ(sender, &fixture.Render);
    EXPECT_EQ(value, u"~~");
    asked.push_back(name);
    if (values.count(name))
      value = values[name];
  };
  ExpectItems(fixture, {
                           {"Hallo <~~UserName>!", {"para", "text 'Hallo '", "var 'Anna'", "text ' !'"}},
                           {"<~~ name=Who p1=x>", {"para", "var 'Ben'", "text ' '"}},
                           {"<~~>", {"para", "var '~~'", "text ' '"}},
                           {"<~~X name=Who>", {}},
                       });
  EXPECT_EQ(asked, (std::vector<std::u16string>{u"UserName", u"Who", u""}));
}

}  // namespace
