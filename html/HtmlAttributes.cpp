#include "HtmlAttributes.h"

#include "AsciiCase.h"

namespace {

bool IsBlankOrControl(char16_t c) {
  return c <= u' ';
}

bool IsQuote(char16_t c) {
  return c == u'"' || c == u'\'';
}

}  // namespace

std::u16string_view TrimText(std::u16string_view Text) {
  while (!Text.empty() && IsBlankOrControl(Text.front()))
    Text.remove_prefix(1);
  while (!Text.empty() && IsBlankOrControl(Text.back()))
    Text.remove_suffix(1);
  return Text;
}

std::optional<std::int32_t> ParseInteger(std::u16string_view Text) {
  while (!Text.empty() && Text.front() == u' ')
    Text.remove_prefix(1);
  bool negative = false;
  if (!Text.empty() && (Text.front() == u'+' || Text.front() == u'-')) {
    negative = Text.front() == u'-';
    Text.remove_prefix(1);
  }
  if (Text.empty())
    return std::nullopt;
  std::int64_t value = 0;
  for (char16_t c : Text) {
    if (c < u'0' || c > u'9')
      return std::nullopt;
    value = value * 10 + (c - u'0');
    if (value > std::int64_t{1} << 31)
      return std::nullopt;
  }
  if (negative)
    value = -value;
  if (value > INT32_MAX)
    return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::size_t THtmlAttributes::Read(std::u16string_view Text, std::size_t Start) {
  std::u16string token;
  char16_t quote = 0;
  for (std::size_t i = Start; i < Text.size(); ++i) {
    const char16_t c = Text[i];
    if (quote) {
      if (c == quote)
        quote = 0;
      else if (c == u' ' && !token.empty() && token.back() == u' ')
        continue;
      token += c;
    } else if (IsQuote(c)) {
      quote = c;
      token += c;
    } else if (c == u' ' || c == u'>') {
      AddToken(token);
      token.clear();
      if (c == u'>')
        return i;
    } else {
      token += c;
    }
  }
  AddToken(token);
  return Text.size();
}

void THtmlAttributes::AddToken(std::u16string_view Token) {
  // A pair needs a name before its "=": spaces around "=" make separate positional tokens of all three parts.
  const std::size_t equals = Token.find(u'=');
  const std::u16string_view name =
      equals == std::u16string_view::npos ? std::u16string_view{} : TrimText(Token.substr(0, equals));
  if (!name.empty()) {
    std::u16string_view value = Token.substr(equals + 1);
    while (!value.empty() && IsBlankOrControl(value.back()))
      value.remove_suffix(1);
    Add(AsciiLower(name), std::u16string(value));
  } else if (!Token.empty()) {
    std::u16string positional = u"p";
    for (char c : std::to_string(++FPositional))
      positional += static_cast<char16_t>(c);
    Add(std::move(positional), std::u16string(Token));
  }
}

const std::u16string* THtmlAttributes::Find(std::u16string_view Name) const {
  for (const auto& [name, value] : FLines)
    if (name == Name)
      return &value;
  return nullptr;
}

std::u16string THtmlAttributes::Value(std::u16string_view Name) const {
  const std::u16string* found = Find(Name);
  if (!found)
    return {};
  std::u16string_view value = *found;
  if (!value.empty() && IsQuote(value.front())) {
    const char16_t quote = value.front();
    value.remove_prefix(1);
    if (!value.empty() && value.back() == quote)
      value.remove_suffix(1);
  }
  return std::u16string(value);
}
