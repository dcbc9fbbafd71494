#pragma once
// Enumerations and sets as stored descriptions name them: every enumeration that a published property uses
// has a table of its identifiers in declaration order (TEnumNames), and TSet is a set of such values.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <type_traits>

// Specialised for each published enumeration: `static constexpr std::array<std::string_view, N> Names`,
// followed by `static_assert(NamesEveryValue(Names, E::<last value>));` so that a table that misses a value
// (or has a slot left empty) does not compile.
template <class E>
struct TEnumNames;

template <class E, std::size_t N>
consteval bool NamesEveryValue(const std::array<std::string_view, N>& Names, E Last) {
  if (N != static_cast<std::size_t>(Last) + 1)
    return false;
  for (std::string_view name : Names)
    if (name.empty())
      return false;
  return true;
}

template <class E>
concept NamedEnum = std::is_enum_v<E> && requires {
  TEnumNames<E>::Names;
};

template <NamedEnum E>
std::optional<E> EnumFromName(std::string_view name) {
  const auto& names = TEnumNames<E>::Names;
  for (std::size_t i = 0; i < names.size(); ++i)
    if (names[i] == name)
      return static_cast<E>(i);
  return std::nullopt;
}

template <NamedEnum E>
std::string_view EnumName(E value) {
  const auto index = static_cast<std::size_t>(value);
  const auto& names = TEnumNames<E>::Names;
  return index < names.size() ? names[index] : std::string_view{};
}

// A set of up to 32 values of an enumeration, stored as bits (value N is bit N).
template <NamedEnum E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> values) {
    for (E v : values)
      Include(v);
  }
  static constexpr TSet FromBits(std::uint32_t bits) {
    TSet s;
    s.FBits = bits;
    return s;
  }
  constexpr bool Contains(E v) const { return (FBits & Bit(v)) != 0; }
  constexpr void Include(E v) { FBits |= Bit(v); }
  constexpr void Exclude(E v) { FBits &= ~Bit(v); }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr std::uint32_t Bits() const { return FBits; }
  constexpr TSet operator|(TSet other) const { return FromBits(FBits | other.FBits); }
  constexpr TSet operator&(TSet other) const { return FromBits(FBits & other.FBits); }
  constexpr TSet operator-(TSet other) const { return FromBits(FBits & ~other.FBits); }
  friend constexpr bool operator==(TSet, TSet) = default;

 private:
  static constexpr std::uint32_t Bit(E v) { return std::uint32_t{1} << static_cast<unsigned>(v); }
  std::uint32_t FBits = 0;
};

// Integer-valued types whose stored form may also be one of a few identifiers (colours, cursors, charsets).
struct TIdentValue {
  std::string_view Name;
  std::int32_t Value;
};
