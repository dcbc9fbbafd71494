// The document model and the renderer's documents: copying styles, break and input items, document
// operations, plain text and markup output.

#include <gtest/gtest.h>

#include "HtmlTestSupport.h"

namespace {

TEST(HtmlItem, AssignCopiesTheStyleOnly) {
  THtmlData document;
  THtmlItem source(&document);
  source.FItemType = THtmlItemType::hitBitmap;
  source.SetText(u"text");
  source.FontStyle = {TFontStyle::fsBold};
  source.FontHeight = 22;
  source.FontBgColor = clYellow;
  source.FontColor = clRed;
  source.FLinkRef = u"target";
  source.FFontRef = u"Arial";
  source.FIndent = 12;
  source.FFntCnt = 2;
  source.FBoolState = HtmlLinkBit | HtmlClosedParagraphBit;
  source.FWidth = 5;
  source.FHeight = 6;
  source.FTransparent = true;
  source.FTag = 3;

  THtmlItem copy(&document);
  copy.Assign(source);
  EXPECT_EQ(copy.FontStyle, source.FontStyle);
  EXPECT_EQ(copy.FontHeight, 22);
  EXPECT_EQ(copy.FontBgColor, clYellow);
  EXPECT_EQ(copy.FontColor, clRed);
  EXPECT_EQ(copy.FLinkRef, u"target");
  EXPECT_EQ(copy.FFontRef, u"Arial");
  EXPECT_EQ(copy.FIndent, 12);
  EXPECT_EQ(copy.FFntCnt, 2);
  EXPECT_EQ(copy.FBoolState, HtmlLinkBit | HtmlClosedParagraphBit);
  EXPECT_EQ(copy.FItemType, THtmlItemType::hitChar);
  EXPECT_EQ(copy.Text(), u"");
  EXPECT_EQ(copy.CachedTextWidth(), HtmlTextNotMeasured);
  EXPECT_EQ(copy.FWidth, 0);
  EXPECT_EQ(copy.FHeight, 0);
  EXPECT_FALSE(copy.FTransparent);
  EXPECT_EQ(copy.FTag, 0);
}

TEST(HtmlItem, BreakItemsCopyListDataAndParameters) {
  THtmlData document;
  THtmlBreakItem source(&document);
  source.FParams = 0x00050003;
  source.FListLevel = 2;
  source.FListItemN = 4;
  source.FIndent = 9;

  THtmlBreakItem copy(&document);
  copy.Assign(source);
  EXPECT_EQ(copy.FParams, 0x00050000u);
  EXPECT_EQ(copy.FListLevel, 2);
  EXPECT_EQ(copy.FListItemN, 4);
  EXPECT_EQ(copy.FIndent, 9);

  THtmlItem run(&document);
  THtmlBreakItem fromRun(&document);
  fromRun.FListLevel = 1;
  fromRun.Assign(run);
  EXPECT_EQ(fromRun.FListLevel, 1);

  THtmlBreakItem props(&document);
  props.AssignBreakProps(&source);
  EXPECT_EQ(props.FParams, 0x00050003u);
  EXPECT_EQ(props.FListLevel, 2);
  EXPECT_EQ(props.FListItemN, 4);
  EXPECT_EQ(props.FIndent, 0);
  props.AssignBreakProps(nullptr);
  EXPECT_EQ(props.FParams, 0x00050003u);
}

TEST(HtmlItem, InputItemsJoinTheirRadioGroupAndWriteTheirTag) {
  THtmlData document;
  THtmlInputItem radio(&document);
  radio.FName = u"g";
  radio.FChecked = true;
  radio.FValue = u"v";
  radio.SetInputType(THtmlInputType::itRadioButton);
  EXPECT_EQ(radio.FTag, 1);

  THtmlInputItem copy(&document);
  copy.Assign(radio);
  EXPECT_EQ(copy.InputType(), THtmlInputType::itRadioButton);
  EXPECT_EQ(copy.FName, u"g");
  EXPECT_TRUE(copy.FChecked);
  EXPECT_EQ(copy.FValue, u"v");
  EXPECT_EQ(copy.FTag, 1);
  EXPECT_EQ(document.FRadioList, std::vector<std::u16string>{u"g"});

  std::u16string html;
  radio.AsHTML(html);
  EXPECT_EQ(html, u"<input type=\"radio\" name=\"g\" checked=\"True\" value=\"v\" >");
  THtmlInputItem box(&document);
  html.clear();
  box.AsHTML(html);
  EXPECT_EQ(html, u"<input type=\"checkbox\" >");
}

TEST(HtmlDocument, ConstructorDefaults) {
  const THtmlData document;
  EXPECT_EQ(document.GetLinkColor(), clBlue);
  EXPECT_EQ(document.GetDefaultColor(), clWindowText);
  EXPECT_EQ(document.GetLinkStyle(), TFontStyles{TFontStyle::fsUnderline});
  EXPECT_TRUE(document.GetDefaultStyle().Empty());
  EXPECT_EQ(document.GetDefaultHeight(), -11);
  EXPECT_EQ(document.GetCharset(), TFontCharset(0));
  EXPECT_EQ(document.GetDefaultFont(), u"MS Sans Serif");
  EXPECT_EQ(document.GetDefaultBgColor(), clNone);
  EXPECT_EQ(document.GetLineSpacing(), 0);
  EXPECT_EQ(document.GetLineGap(), 0);
  EXPECT_EQ(document.GetMaxWidth(), 0);
  EXPECT_EQ(document.GetHighlightColor(), TColor(0));
  EXPECT_EQ(document.GetHighlightBgColor(), TColor(0));
  EXPECT_EQ(document.GetTextSize().cx, 0);
  EXPECT_EQ(document.GetTextSize().cy, 0);
  EXPECT_EQ(document.GetItemCount(), 0);
  EXPECT_EQ(document.SelectedItem(), nullptr);
  EXPECT_EQ(document.ActiveItem(), nullptr);
}

TEST(HtmlDocument, ClearArrayEmptiesEverything) {
  THtmlRenderFixture fixture;
  THtmlData& document = fixture.Parse(u"<a href=x>link</a><input type=radio name=r>", 0, false);
  ASSERT_EQ(document.FControlsArray.size(), 2u);
  document.SetSelectedItem(document.FControlsArray[0]);
  document.SetActiveItem(dynamic_cast<THtmlInputItem*>(document.FControlsArray[1]));
  document.ClearArray();
  EXPECT_EQ(document.GetItemCount(), 0);
  EXPECT_TRUE(document.FControlsArray.empty());
  EXPECT_TRUE(document.FRadioList.empty());
  EXPECT_EQ(document.SelectedItem(), nullptr);
  EXPECT_EQ(document.ActiveItem(), nullptr);
}

TEST(HtmlDocument, ActiveItemChangeRaisesTheRenderersChange) {
  THtmlRenderFixture fixture;
  int changes = 0;
  fixture.Render.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &fixture.Render);
    ++changes;
  };
  THtmlData& document = fixture.Parse(u"<input type=checkbox>", 0, false);
  auto* input = dynamic_cast<THtmlInputItem*>(document.FControlsArray.at(0));
  document.SetActiveItem(input);
  document.SetActiveItem(input);
  document.SetActiveItem(nullptr);
  EXPECT_EQ(changes, 2);
}

TEST(HtmlDocument, PlainTextAndMarkup) {
  THtmlRenderFixture fixture;
  fixture.Parse(u"<p>a</p>b<br>c<ul><li>d</ul>", 0, false);
  EXPECT_EQ(fixture.Render.AsText(), u"a\r\n\r\nb\r\nc- d\r\n");
  EXPECT_EQ(fixture.Document().LineCount(), 6);

  THtmlData& document = fixture.Parse(u"a<br>b<~~x><input type=checkbox name=c><hr>", 0, false);
  EXPECT_EQ(document.GenerateHTML(),
            u"<html>a<br>\r\nb<~~~~> <input type=\"checkbox\" name=\"c\" >\r\n<br>\r\n<br>\r\n</html>");
}

// Whether Document is bound to Render: measured with its metrics, and its active item raising Render's
// OnChange.
::testing::AssertionResult BoundTo(THtmlData& Document, THtmlRender& Render) {
  if (Document.Metrics() != Render.Metrics())
    return ::testing::AssertionFailure() << "measured with other metrics";
  int changes = 0;
  Render.OnChange = [&changes](TObject*) { ++changes; };
  THtmlInputItem input(&Document);
  Document.SetActiveItem(&input);
  Document.SetActiveItem(nullptr);
  Render.OnChange = nullptr;
  if (changes != 2)
    return ::testing::AssertionFailure() << changes << " changes raised for 2 active item changes";
  return ::testing::AssertionSuccess();
}

TEST(HtmlRenderDocuments, CurrentDocumentAndCreatedDocuments) {
  THtmlRenderFixture fixture;
  THtmlRender& render = fixture.Render;
  THtmlData* internal = render.Data();
  ASSERT_NE(internal, nullptr);
  EXPECT_TRUE(BoundTo(*internal, render));

  THtmlData outside;
  EXPECT_EQ(outside.Metrics(), nullptr);
  render.SetData(&outside);
  EXPECT_EQ(render.Data(), &outside);
  EXPECT_TRUE(BoundTo(outside, render));
  render.SetData(nullptr);
  EXPECT_EQ(render.Data(), internal);

  THtmlData* created = render.CreateData();
  EXPECT_TRUE(BoundTo(*created, render));
  render.SetData(created);
  render.PrepareText(u"abc", 300, true);
  EXPECT_EQ(created->GetItemCount(), 2);
  EXPECT_EQ(created->GetMaxWidth(), 300);
  EXPECT_EQ(internal->GetItemCount(), 0);

  render.DestroyData(created);
  EXPECT_EQ(render.Data(), nullptr);
  render.PrepareText(u"abc", 300, true);
  EXPECT_EQ(render.AsText(), u"");
  render.DestroyData(&outside);  // not the renderer's: left alone
  EXPECT_TRUE(BoundTo(outside, render));
}

TEST(HtmlRenderDocuments, AParseReplacesTheContentAndKeepsTheDefaults) {
  THtmlRenderFixture fixture;
  THtmlData& document = fixture.Document();
  document.SetLinkColor(clRed);
  fixture.Parse(u"<a href=x>one</a> two", 0, false);
  EXPECT_EQ(document.GetItemCount(), 4);
  document.SetSelectedItem(document.FControlsArray.at(0));
  fixture.Parse(u"three", 0, false);
  EXPECT_EQ(DescribeItems(document), (std::vector<std::string>{"para", "text 'three'"}));
  EXPECT_EQ(document.SelectedItem(), nullptr);
  EXPECT_TRUE(document.FControlsArray.empty());
  EXPECT_EQ(document.GetLinkColor(), clRed);
}

}  // namespace
