#include "StreamObject.h"

bool TStreamValue::IsInteger() const {
  return Type == TValueType::vaInt8 || Type == TValueType::vaInt16 || Type == TValueType::vaInt32;
}

bool TStreamValue::IsText() const {
  return Type == TValueType::vaString || Type == TValueType::vaLString || Type == TValueType::vaWString ||
         Type == TValueType::vaUTF8String;
}
