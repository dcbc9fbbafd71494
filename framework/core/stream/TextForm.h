#pragma once
// The readable text form of a stored description (UTF-8):
//
//   object Form1: TForm1            // "object TForm1" when the object has no name
//     Left = 0                      // integer: the smallest of Int8, Int16, Int32 that holds it; $FF000005
//     is
//                                   //   a 32-bit pattern in hexadecimal (here -16777211)
//     AnimationStretchFactor = 1.7  // a number with '.' or an exponent: Single
//     Flat = True                   // True / False (any letter case)
//     PopupMenu = nil               // no component (any letter case)
//     OnClick = Button1Click        // identifier (may be dotted): Ident
//     Anchors = [akLeft, akTop]     // set; an element may also be a quoted string
//     Data = {0A0B0C}               // binary, hexadecimal digits (white space allowed between pairs)
//     Caption = 'M'#246'glich'#13#10 +
//       'next'                      // string pieces: 'quoted' ('' is a quote), #nnn or #$hh is one UTF-16
//       code
//                                   //   unit; pieces join by adjacency and by '+', also across lines
//     object Label1: TLabel
//     end
//   end
//
// Lines (or line ends) starting with // are comments. A string of 7-bit characters only becomes a String (a
// LString when longer than 255), any other a WString. Where that automatic choice would give another type
// than wanted, the value is written with its type as a prefix, in the manner of a type cast:
//
//   Int8(n) Int16(n) Int32(n)   an integer of exactly that size
//   Single(x)                   a Single from a number, or Single($7FC00000) from its 32-bit pattern (NaN,
//   inf) String('...')               8-bit text, every code unit at most 255 (#246 is the byte 0xF6), up to
//   255 bytes LString('...')              8-bit text with a 4-byte length WString('...')              UTF-16
//   text UTF8String('...')           text stored as UTF-8 (no unpaired surrogates) Ident('...') an identifier
//   that is not written bare (True, False, nil, object, end, or
//                               one with other characters);
//                               every code unit is one byte, as for String
//
// The printer writes a prefix only where the automatic choice would differ, so that print and parse give back
// the same values. Names (class, object, property) are identifiers of ASCII letters, digits and '_' (property
// names may be dotted); a model whose names are not of this form cannot be printed.

#include <string>
#include <string_view>

#include "StreamObject.h"

// A text form error; what() is "line:column: message" (1-based; the column counts characters).
class ETextFormError : public EStreamError {
 public:
  ETextFormError(int line, int column, const std::string& message);
  int Line() const { return FLine; }
  int Column() const { return FColumn; }
  const std::string& Message() const { return FMessage; }

 private:
  int FLine;
  int FColumn;
  std::string FMessage;
};

// Parses one root object; nothing but white space and comments may follow its final `end`. Throws
// ETextFormError.
TStreamObject ParseTextForm(std::string_view text);

// Prints `root` in the form above, two spaces of indentation per level, lines ended by "\n". Throws
// EStreamError for a name that the text form cannot express or for nesting deeper than kMaxObjectNesting.
std::string PrintTextForm(const TStreamObject& root);
