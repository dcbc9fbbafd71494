// The parser: characters, references, tags, attributes, styles, breaks, paragraphs, links and fonts, checked
// on the whole item list.

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "HtmlAttributes.h"
#include "HtmlTestSupport.h"

namespace {

using Items = std::vector<std::string>;

struct TMarkupCase {
  const char* Markup;
  Items Expected;
};

// Parses every case without wrapping and compares the whole item list.
void ExpectItems(THtmlRenderFixture& fixture, const std::vector<TMarkupCase>& cases) {
  for (const TMarkupCase& test : cases) {
    SCOPED_TRACE(test.Markup);
    EXPECT_EQ(DescribeItems(fixture.Parse(U16(test.Markup), 0, false)), test.Expected);
  }
}

TEST(HtmlParserText, LineEndsReferencesAndBlanks) {
  THtmlRenderFixture fixture;
  ExpectItems(fixture,
              {
                  {"a\r\nb", {"para", "text 'ab'"}},
                  {"a\rb", {"para", "text 'ab'"}},
                  {"a\nb", {"para", "text 'a\nb'"}},
                  {"a\tb", {"para", "text 'a\tb'"}},
                  {"a   b ", {"para", "text 'a b '"}},
                  {" ", {"para", "text ' '"}},
                  {"&amp;&lt;&gt;&quot;", {"para", "text '&<>\"'"}},
                  {"&AMP;", {"para", "text '&'"}},
                  {"a & b", {"para", "text 'a & b'"}},
                  {"x&y", {"para", "text 'x&y'"}},
                  {"x&", {"para", "text 'x&'"}},
                  {"x&bogus;y", {"para", "text 'xy'"}},
                  {"a&b;c&d", {"para", "text 'ac&d'"}},
                  {"&#65;&#66", {"para", "text 'AB'"}},
                  {"&#65601;", {"para", "text 'A'"}},
                  {"a&#0;b", {"para", "text 'ab'"}},
                  {"a &#32; b", {"para", "text 'a b'"}},
                  {"&#x41;", {"para", "text ' '"}},
                  {"&#;", {"para", "text ' '"}},
                  {"&Auml;&ouml;&szlig;&euro;", {"para", "text '\xC3\xA4\xC3\xB6\xC3\x9F\xE2\x82\xAC'"}},
                  {"&Uuml;&thorn;", {}},
                  {"&nbsp;", {"para", "text ' '"}},
              });
}

TEST(HtmlParserText, BlankAfterTagStartsTheNewRun) {
  THtmlRenderFixture fixture;
  ExpectItems(fixture, {
                           {"a <b> b", {"para", "text 'a '", "text ' b' b"}},
                           {"a <b>  b", {"para", "text 'a '", "text ' b' b"}},
                       });
}

TEST(HtmlParserTags, CommentsUnterminatedAndUnknownTags) {
  THtmlRenderFixture fixture;
  ExpectItems(fixture, {
                           {"", {}},
                           {"<b></b><i></i>", {}},
                           {"a<!-- <b> -->b", {"para", "text 'ab'"}},
                           {"a<!--->b", {"para", "text 'ab'"}},
                           {"a<!-->b-->c", {"para", "text 'ac'"}},
                           {"a<!-- never closed", {"para", "text 'a'"}},
                           {"a<b", {"para", "text 'a'"}},
                           {"a<p align=center", {"para", "text 'a'", "para align=1"}},
                           {"a<unknown x='>'>b", {"para", "text 'ab'"}},
                           {"a<br/>b", {"para", "text 'ab'"}},
                           {"a<html>b", {"para", "text 'ab'"}},
                           {"a<control vclclass=TEdit>b", {"para", "text 'ab'"}},
                           {"x<B >y</B>z", {"para", "text 'x'", "text 'y' b", "text 'z'"}},
                       });
}

TEST(HtmlParserTags, StyleAndScriptTags) {
  THtmlRenderFixture fixture;
  ExpectItems(fixture,
              {
                  {"<strong>a</STRONG><em>b</em><u>c</u><s>d</s>",
                   {"para", "text 'a' b", "text 'b' i", "text 'c' u", "text 'd' s"}},
                  {"<var>a</i>b</cite>c", {"para", "text 'a' b i", "text 'b' b", "text 'c'"}},
                  {"<b><i>a</b>b</i>", {"para", "text 'a' b i", "text 'b' i"}},
                  {"H<sub>2</sub>O", {"para", "text 'H'", "text '2' sub", "text 'O'"}},
                  {"x<sup>2</sub>y</sup>z", {"para", "text 'x'", "text '2' sup", "text 'y' sup", "text 'z'"}},
              });
}

TEST(HtmlParserTags, ClosingStyleLeavesTheDefaultStyle) {
  THtmlRenderFixture fixture;
  fixture.Document().SetDefaultStyle({TFontStyle::fsBold});
  ExpectItems(fixture, {
                           {"a</b>b", {"para", "text 'a' b", "text 'b' b"}},
                           {"<i>a</var>b", {"para", "text 'a' b i", "text 'b'"}},
                       });
}

TEST(HtmlParserTags, BreaksAndParagraphs) {
  THtmlRenderFixture fixture;
  ExpectItems(fixture,
              {
                  {"a<br>b", {"para", "text 'a'", "br", "text 'b'"}},
                  {"a<br><br>", {"para", "text 'a'", "br", "br"}},
                  {"<p align=right>a<br>b", {"para align=2", "text 'a'", "br align=2", "text 'b'"}},
                  {"<p align=CENTER>a", {"para align=1", "text 'a'"}},
                  {"<p align=middle>a", {"para", "text 'a'"}},
                  {"<p indent=20>a<br>b", {"para ind=20", "text 'a' ind=20", "br ind=20", "text 'b' ind=20"}},
                  {"<p indent=x>a", {"para", "text 'a'"}},
                  {"a</p><br><p>b", {"para", "text 'a'", "para closed", "br", "text 'b' closed"}},
                  {"a</p></p>b", {"para", "text 'a'", "para closed", "para closed", "text 'b' closed"}},
              });
}

TEST(HtmlParserTags, Links) {
  THtmlRenderFixture fixture;
  ExpectItems(
      fixture,
      {
          {"<a href=\"x.htm\">link</a> after",
           {"para", "text ''", "text 'link' u c=00FF0000 link='x.htm'", "text ' after'"}},
          {"<b>a<a href=>b</a>c", {"para", "text 'a' b", "text 'b' u c=00FF0000 link=''", "text 'c' b"}},
          {"<a>x</a>y", {"para", "text 'x'", "text 'y'"}},
          {"<a href=t>a<b>b</b></a>",
           {"para", "text ''", "text 'a' u c=00FF0000 link='t'", "text 'b' b u c=00FF0000 link='t'"}},
      });
}

TEST(HtmlParserTags, ControlsArrayHoldsTheFirstRunOfEachLink) {
  THtmlRenderFixture fixture;
  THtmlData& document = fixture.Parse(u"<a href=1><b></b>one</a> <a href=2></a>x", 0, false);
  ASSERT_EQ(document.FControlsArray.size(), 1u);
  EXPECT_EQ(document.FControlsArray[0]->Text(), u"one");
  EXPECT_EQ(document.FControlsArray[0]->FLinkRef, u"1");

  THtmlData& second = fixture.Parse(u"<a href=1>a</a><a href=2>b", 0, false);
  ASSERT_EQ(second.FControlsArray.size(), 2u);
  EXPECT_EQ(second.FControlsArray[0]->Text(), u"a");
  EXPECT_EQ(second.FControlsArray[1]->Text(), u"b");
}

TEST(HtmlParserFont, SizesColoursAndFaces) {
  THtmlRenderFixture fixture;
  ExpectItems(fixture, {
                           {"<font size=+2>x", {"para", "text 'x' h=-16"}},
                           {"<font size=-2>x", {"para", "text 'x' h=-10"}},
                           {"<font size=+x>x", {"para", "text 'x'"}},
                           {"<font size=3>x", {"para", "text 'x' h=-28"}},
                           {"<font size=9>x", {"para", "text 'x' h=-58"}},
                           {"<font size=10>x", {"para", "text 'x' h=10"}},
                           {"<font size=22>x", {"para", "text 'x' h=22"}},
                           {"<font size=22px>x", {"para", "text 'x' h=22"}},
                           {"<font size=5px>x", {"para", "text 'x' h=5"}},
                           {"<font size=0>x", {"para", "text 'x' h=0"}},
                           {"<font size=big>x", {"para", "text 'x'"}},
                           {"<font size = 22>x", {"para", "text 'x'"}},
                           {"<font size=22><font size=+1>x", {"para", "text 'x' h=14"}},
                           {"<font face=Arial name=Tahoma>x", {"para", "text 'x' face=Tahoma"}},
                           {"<font face='Courier  New'>x", {"para", "text 'x' face=Courier New"}},
                           {"<font color=red>x", {"para", "text 'x' c=000000FF fnt=1"}},
                           {"<font color=clRed>x", {"para", "text 'x' c=000000FF fnt=1"}},
                           {"<font color=\"Navy\">x", {"para", "text 'x' c=00800000 fnt=1"}},
                           {"<font color=btnface>x", {"para", "text 'x' c=FF00000F fnt=1"}},
                           {"<font color=CLRED>x", {"para", "text 'x' fnt=1"}},
                           {"<font color=#FF0000>x", {"para", "text 'x' c=000000FF fnt=1"}},
                           {"<font color=#0000ff>x", {"para", "text 'x' c=00FF0000 fnt=1"}},
                           {"<font color=#$FF>x", {"para", "text 'x' c=00FF0000 fnt=1"}},
                           {"<font color=#123456789>x", {"para", "text 'x' c=00896745 fnt=1"}},
                           {"<font color=#zz>x", {"para", "text 'x' c=00080000 fnt=1"}},
                           {"<font bgcolor=yellow>x", {"para", "text 'x' bg=0000FFFF fnt=1"}},
                           {"<font bgcolor= background=#FF0000>x", {"para", "text 'x' bg=000000FF fnt=1"}},
                           {"<font bgcolor=#zz>x", {"para", "text 'x' bg=00FFFFFF fnt=1"}},
                       });
}

TEST(HtmlParserFont, PointStepsFollowTheScreenResolution) {
  THtmlRenderFixture fixture(120);
  ExpectItems(fixture, {
                           {"<font size=+1>x", {"para", "text 'x' h=-15"}},
                           {"<font size=+3>x", {"para", "text 'x' h=-18"}},
                       });
}

TEST(HtmlParserFont, FontStackAndColourCount) {
  THtmlRenderFixture fixture;
  ExpectItems(fixture, {
                           {"<font color=red>a<font size=3>b</font>c</font>d",
                            {"para", "text 'a' c=000000FF fnt=1", "text 'b' h=-28 c=000000FF fnt=1",
                             "text 'c' c=000000FF fnt=1", "text 'd'"}},
                           {"<font color=red>a<font color=blue>b</font>c</font>d",
                            {"para", "text 'a' c=000000FF fnt=1", "text 'b' c=00FF0000 fnt=2",
                             "text 'c' c=000000FF fnt=1", "text 'd'"}},
                           {"</font>x<font>y</font>z", {"para", "text 'x'", "text 'y'", "text 'z'"}},
                           {"<font color=unknown>x</font>y", {"para", "text 'x' fnt=1", "text 'y' fnt=1"}},
                       });
}

TEST(HtmlAttributes, TokensQuotesAndPositionalValues) {
  struct TCase {
    const char* Tag;  // from the blank after the name
    std::vector<std::pair<const char*, const char*>> Values;
  };
  const TCase cases[] = {
      {" a=1 B=2>", {{"a", "1"}, {"b", "2"}}},
      {" size = 22>", {{"size", ""}, {"p1", "size"}, {"p2", "="}, {"p3", "22"}}},
      {" href=\"a  b>c\">", {{"href", "a b>c"}}},
      {" title='it\"s'>", {{"title", "it\"s"}}},
      {" checked x=1 foo>", {{"p1", "checked"}, {"x", "1"}, {"p2", "foo"}}},
      {" a=\"x'>", {{"a", "x'>"}}},
      {" a=\"x' b=1>", {{"a", "x' b=1>"}, {"b", ""}}},
      {" a=x\t>", {{"a", "x"}}},
      {" a=1 a=2>", {{"a", "1"}}},
      {" a=\">", {{"a", ">"}}},
  };
  for (const TCase& test : cases) {
    SCOPED_TRACE(test.Tag);
    THtmlAttributes attributes;
    const std::u16string text = U16(test.Tag);
    attributes.Read(text, 0);
    for (auto [name, value] : test.Values)
      EXPECT_EQ(Utf8(attributes.Value(U16(name))), value) << name;
  }
}

TEST(HtmlAttributes, ReadStopsAtTheClosingBracketOutsideQuotes) {
  THtmlAttributes attributes;
  const std::u16string text = u" a='>' b=2>rest";
  EXPECT_EQ(attributes.Read(text, 0), text.find(u">rest"));
  THtmlAttributes unclosed;
  EXPECT_EQ(unclosed.Read(u" a='x", 0), 5u);
  EXPECT_TRUE(unclosed.Present());
}

// Thrown by a host that reports its failure outside the standard exception hierarchy.
struct THostAbort {
  int Code;
};

class TFailingPictures : public IHtmlImageSource {
 public:
  explicit TFailingPictures(std::function<void()> Fail) : FFail(std::move(Fail)) {}
  std::optional<THtmlPictureSize> GetImage(const std::u16string&) override {
    FFail();
    return std::nullopt;
  }

 private:
  std::function<void()> FFail;
};

// A host event that throws ends the parse with an empty document, and the previous document is current again
// and untouched. A standard exception ends there; anything else reaches the caller after that cleanup.
TEST(HtmlParserFailure, AThrowingHostEventLeavesAnEmptyDocument) {
  enum class TEventKind { Variable, Picture };
  const struct {
    const char* Name;
    TEventKind Event;
    std::function<void()> Fail;
    bool Propagates;
  } cases[] = {
      {"variable, runtime_error", TEventKind::Variable, [] { throw std::runtime_error("host failure"); },
       false},
      {"picture, out_of_range", TEventKind::Picture, [] { throw std::out_of_range("no picture"); }, false},
      {"variable, int", TEventKind::Variable, [] { throw 42; }, true},
      {"picture, host object", TEventKind::Picture, [] { throw THostAbort{7}; }, true},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.Name);
    THtmlRenderFixture fixture;
    THtmlRender& render = fixture.Render;
    fixture.Parse(u"kept <b>text</b>");
    const Items previous = DescribeItems(fixture.Document());
    THtmlData* const internal = render.Data();
    THtmlData* other = render.CreateData();

    TFailingPictures pictures(test.Fail);
    if (test.Event == TEventKind::Picture)
      render.SetImageSource(&pictures);
    else
      render.OnVariableNeeded = [&test](TObject*, const std::u16string&, std::u16string&) { test.Fail(); };

    const std::u16string caption = u"<a href=x>link</a> <input type=radio name=r><img src=p><~~v> after";
    int escaped = 0;
    try {
      render.PrepareToData(caption, 400, true, *other);
    } catch (int code) {
      EXPECT_EQ(code, 42);
      ++escaped;
    } catch (const THostAbort& abort) {
      EXPECT_EQ(abort.Code, 7);
      ++escaped;
    }
    EXPECT_EQ(escaped, test.Propagates ? 1 : 0);
    EXPECT_EQ(other->GetItemCount(), 0);
    EXPECT_TRUE(other->FControlsArray.empty());
    EXPECT_TRUE(other->FRadioList.empty());
    EXPECT_EQ(render.Data(), internal);
    EXPECT_EQ(DescribeItems(*internal), previous);
  }
}

}  // namespace
