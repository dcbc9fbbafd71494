#include "HtmlEntities.h"

#include "HtmlNameTables.h"

namespace {

struct TEntity {
  std::u16string_view Name;
  char16_t Value;
};

// The first matching row wins. "nbsp" is an ordinary blank.
constexpr TEntity EntityTable[] = {
    {u"nbsp", 32},   {u"quot", 34},    {u"amp", 38},     {u"lt", 60},      {u"gt", 62},      {u"iexcl", 161},
    {u"cent", 162},  {u"pound", 163},  {u"curren", 164}, {u"yen", 165},    {u"brvbar", 166}, {u"sect", 167},
    {u"uml", 168},   {u"copy", 169},   {u"ordf", 170},   {u"laquo", 171},  {u"not", 172},    {u"shy", 173},
    {u"reg", 174},   {u"macr", 175},   {u"deg", 176},    {u"plusmn", 177}, {u"sup2", 178},   {u"sup3", 179},
    {u"acute", 180}, {u"micro", 181},  {u"para", 182},   {u"middot", 183}, {u"cedil", 184},  {u"sup1", 185},
    {u"ordm", 186},  {u"raquo", 187},  {u"frac14", 188}, {u"frac12", 189}, {u"frac34", 190}, {u"iquest", 191},
    {u"times", 215}, {u"szlig", 223},  {u"agrave", 224}, {u"aacute", 225}, {u"acirc", 226},  {u"atilde", 227},
    {u"auml", 228},  {u"aring", 229},  {u"aelig", 230},  {u"ccedil", 231}, {u"egrave", 232}, {u"eacute", 233},
    {u"ecirc", 234}, {u"euml", 235},   {u"igrave", 236}, {u"iacute", 237}, {u"icirc", 238},  {u"iuml", 239},
    {u"eth", 240},   {u"ntilde", 241}, {u"ograve", 242}, {u"oacute", 243}, {u"ocirc", 244},  {u"otilde", 245},
    {u"ouml", 246},  {u"divide", 247}, {u"oslash", 248}, {u"ugrave", 249}, {u"uacute", 250}, {u"trade", 8482},
    {u"euro", 8364},
};

static_assert(LongestName(EntityTable) == LongestEntityName);

}  // namespace

std::optional<char16_t> LookupEntity(std::u16string_view Name) {
  for (const TEntity& entity : EntityTable)
    if (entity.Name == Name)
      return entity.Value;
  return std::nullopt;
}
