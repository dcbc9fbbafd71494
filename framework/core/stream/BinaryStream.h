#pragma once
// The binary form of a stored description: signature "TPF0", then the root object. An object is its class
// name and object name (1-byte-length strings), its properties (name, value-type byte, value; ended by a zero
// byte) and its children, each an object of the same form, ended by a zero byte. Numbers are little-endian.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "StreamObject.h"

// Reads a whole stream. Throws EStreamError, with the byte offset in the message, when the signature is
// missing, the data ends early, a value type is unknown, UTF-8 text is malformed, objects nest deeper than
// kMaxObjectNesting, a filer-flags prefix is present or bytes follow the root object. Never reads outside
// [data, data + size).
TStreamObject ReadObjectStream(const std::uint8_t* data, std::size_t size);

// Writes the stream of `root`, each value with exactly its Type. Throws EStreamError for what the stream
// cannot hold: a name longer than 255 bytes (a class name longer than 239, as longer ones would read as filer
// flags), an empty class or property name, an integer that does not fit its type, a vaString or identifier
// longer than 255 bytes, an empty set element, a vaUTF8String with an unpaired surrogate, a vaNull value, or
// nesting deeper than kMaxObjectNesting.
std::vector<std::uint8_t> WriteObjectStream(const TStreamObject& root);
