#pragma once
// The tag names of the markup and the action each one selects.

#include <cstddef>
#include <optional>
#include <string_view>

enum class THtmlTag {
  Sub,          // "sub", "/sub"
  Sup,          // "sup", "/sup"
  Bold,         // "b", "/b", "strong", "/strong"
  Italic,       // "i", "/i", "em", "/em"
  BoldItalic,   // "var", "/var", "cite", "/cite"
  StrikeOut,    // "strikeout", "/strikeout", "s", "/s"
  Underline,    // "u", "/u"
  ListStart,    // "ul"
  ListEnd,      // "/ul"
  NumberStart,  // "ol"
  NumberEnd,    // "/ol"
  ListItem,     // "li"
  Paragraph,    // "p", "/p"
  Break,        // "br"
  Indent,       // "ind"
  Image,        // "img"
  LinkStart,    // "a"
  LinkEnd,      // "/a"
  Html,         // "html"
  Rule,         // "hr"
  FontEnd,      // "/font"
  Font,         // "font"
  Input,        // "input"
  Control,      // "control"
  Variable,     // "~~"
};

// No tag name is longer ("/strikeout"): longer names need no lookup.
constexpr std::size_t LongestTagName = 10;

// The tag of a lower-case name; none for names the markup does not know.
std::optional<THtmlTag> LookupTag(std::u16string_view LowerName);
