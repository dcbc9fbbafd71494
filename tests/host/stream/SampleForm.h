#pragma once
// Models shared by the stream tests: every value type, and types the text form can only express with a
// prefix.

#include <cstdint>
#include <string>

#include "stream/StreamObject.h"

TStreamValue IntegerValue(TValueType type, std::int32_t number);
TStreamValue SingleValue(float number);
TStreamValue BytesValue(TValueType type, std::string bytes);
TStreamValue TextValue(TValueType type, std::u16string text);
TStreamValue SetValue(std::vector<std::string> elements);
TStreamValue BooleanValue(bool value);
TStreamValue TypedValue(TValueType type);  // a value without value bytes (vaNil)

// A form with two levels of children and one property of each value type, some of them in the form the text
// form writes with a type prefix (Int32 holding a small value, 8-bit text with bytes >= 0x80, ASCII in a
// WString, ...).
TStreamObject SampleForm();
