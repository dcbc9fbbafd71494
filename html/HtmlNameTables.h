#pragma once
// The name tables of the markup (tags, entities) are searched only for names up to their longest name's
// length; each table is tied to that constant at compile time with LongestName.

#include <algorithm>
#include <cstddef>

// The length of the longest Name among the entries of `table`.
template <class Table>
constexpr std::size_t LongestName(const Table& table) {
  std::size_t longest = 0;
  for (const auto& entry : table)
    longest = std::max(longest, entry.Name.size());
  return longest;
}
