#pragma once
// Sets a flag for the duration of a scope and restores its value before, also when the scope is left by an
// exception.

class TFlagScope {
 public:
  explicit TFlagScope(bool& flag) : FFlag(flag), FBefore(flag) { FFlag = true; }
  ~TFlagScope() { FFlag = FBefore; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& FFlag;
  bool FBefore;
};
