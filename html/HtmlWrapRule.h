#pragma once
// The wrap check's question, asked by the parser after every character it appends to the current run while
// wrapping: is the run, at the place where it starts on its line, wider than the wrap width? The parser
// answers what happens then; a rule only decides the question.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class THtmlItem;

// The parse as a rule sees it.
class IHtmlWrapSubject {
 public:
  virtual ~IHtmlWrapSubject() = default;
  virtual THtmlItem& CurrentRun() = 0;
  // x at which the current run starts on its line.
  virtual std::int64_t LineOffset() = 0;
  virtual std::int32_t MaxWidth() const = 0;
  // Counts tags read and wraps done: while it stays the same, the run and its line change only by characters
  // appended to the run.
  virtual std::uint64_t Changes() const = 0;
  // Appends to Text the characters the parser will append to the run next if nothing else happens first, up
  // to the next tag or about MaxUnits code units, and to Checks the length Text has after each append (where
  // the check runs). True when the text up to the next tag (or the end) is all in.
  virtual bool PeekRunText(std::u16string& Text, std::vector<std::size_t>& Checks, std::size_t MaxUnits) = 0;
};

class IHtmlWrapRule {
 public:
  virtual ~IHtmlWrapRule() = default;
  // Whether Subject's run, just grown by one character, is wider than the rest of its line: run width plus
  // line offset greater than the wrap width, with the run's width as the layout counts it.
  virtual bool RunTooWide(IHtmlWrapSubject& Subject) = 0;
};
