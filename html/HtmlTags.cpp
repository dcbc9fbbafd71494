#include "HtmlTags.h"

#include <iterator>

#include "HtmlNameTables.h"

namespace {

struct TTagName {
  std::u16string_view Name;
  THtmlTag Tag;
};

constexpr TTagName TagTable[] = {
    {u"sub", THtmlTag::Sub},
    {u"/sub", THtmlTag::Sub},
    {u"sup", THtmlTag::Sup},
    {u"/sup", THtmlTag::Sup},
    {u"b", THtmlTag::Bold},
    {u"/b", THtmlTag::Bold},
    {u"strong", THtmlTag::Bold},
    {u"/strong", THtmlTag::Bold},
    {u"i", THtmlTag::Italic},
    {u"/i", THtmlTag::Italic},
    {u"em", THtmlTag::Italic},
    {u"/em", THtmlTag::Italic},
    {u"var", THtmlTag::BoldItalic},
    {u"/var", THtmlTag::BoldItalic},
    {u"cite", THtmlTag::BoldItalic},
    {u"/cite", THtmlTag::BoldItalic},
    {u"strikeout", THtmlTag::StrikeOut},
    {u"/strikeout", THtmlTag::StrikeOut},
    {u"s", THtmlTag::StrikeOut},
    {u"/s", THtmlTag::StrikeOut},
    {u"u", THtmlTag::Underline},
    {u"/u", THtmlTag::Underline},
    {u"ul", THtmlTag::ListStart},
    {u"/ul", THtmlTag::ListEnd},
    {u"ol", THtmlTag::NumberStart},
    {u"/ol", THtmlTag::NumberEnd},
    {u"li", THtmlTag::ListItem},
    {u"p", THtmlTag::Paragraph},
    {u"/p", THtmlTag::Paragraph},
    {u"br", THtmlTag::Break},
    {u"ind", THtmlTag::Indent},
    {u"img", THtmlTag::Image},
    {u"a", THtmlTag::LinkStart},
    {u"/a", THtmlTag::LinkEnd},
    {u"html", THtmlTag::Html},
    {u"hr", THtmlTag::Rule},
    {u"/font", THtmlTag::FontEnd},
    {u"font", THtmlTag::Font},
    {u"input", THtmlTag::Input},
    {u"control", THtmlTag::Control},
    {u"~~", THtmlTag::Variable},
};
static_assert(std::size(TagTable) == 41);

static_assert(LongestName(TagTable) == LongestTagName);

}  // namespace

std::optional<THtmlTag> LookupTag(std::u16string_view LowerName) {
  for (const TTagName& entry : TagTable)
    if (entry.Name == LowerName)
      return entry.Tag;
  return std::nullopt;
}
