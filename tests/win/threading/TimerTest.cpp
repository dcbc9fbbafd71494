#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <stdexcept>

#include "ExtCtrls.h"
#include "Forms.h"
#include "TestSupport.h"

namespace {

// Long enough for many ticks of a 10 ms timer.
constexpr DWORD kQuietWaitMilliseconds = 200;

TEST(Timer, TicksInTheMessageLoopUntilDisabled) {
  TTimer timer(nullptr);
  int ticks = 0;
  timer.OnTimer = [&](TObject* sender) {
    EXPECT_EQ(sender, &timer);
    if (++ticks == 3)
      timer.SetEnabled(false);
  };
  timer.SetInterval(10);
  ASSERT_TRUE(PumpMessagesUntil([&] { return ticks >= 3; }));

  PumpMessagesFor(kQuietWaitMilliseconds);
  EXPECT_EQ(ticks, 3) << "ticked while disabled";

  timer.SetEnabled(true);
  EXPECT_TRUE(PumpMessagesUntil([&] { return ticks >= 5; })) << "did not tick again once enabled";
}

struct TQuietCase {
  const char* Name;
  std::function<void(TTimer&)> Setup;
};

void PrintTo(const TQuietCase& quietCase, std::ostream* out) {
  *out << quietCase.Name;
}

class TimerQuiet : public testing::TestWithParam<TQuietCase> {};

TEST_P(TimerQuiet, DoesNotTick) {
  TTimer timer(nullptr);
  int ticks = 0;
  timer.OnTimer = [&](TObject*) { ++ticks; };
  GetParam().Setup(timer);
  PumpMessagesFor(kQuietWaitMilliseconds);
  EXPECT_EQ(ticks, 0);
}

const TQuietCase kQuietCases[] = {
    {"Disabled",
     [](TTimer& timer) {
       timer.SetInterval(10);
       timer.SetEnabled(false);
     }},
    {"IntervalZero", [](TTimer& timer) { timer.SetInterval(0); }},
    {"WhileLoading",
     [](TTimer& timer) {
       timer.BeginLoading();
       timer.SetInterval(10);
     }},
};

std::string QuietCaseName(const testing::TestParamInfo<TQuietCase>& param) {
  return param.param.Name;
}

INSTANTIATE_TEST_SUITE_P(States, TimerQuiet, testing::ValuesIn(kQuietCases), QuietCaseName);

TEST(Timer, StartsOnceLoaded) {
  TTimer timer(nullptr);
  int ticks = 0;
  timer.OnTimer = [&](TObject*) { ++ticks; };
  timer.BeginLoading();
  timer.SetInterval(10);
  static_cast<TComponent&>(timer).Loaded();  // as the reader does at the end of a description
  EXPECT_TRUE(PumpMessagesUntil([&] { return ticks >= 1; }));
}

TEST(Timer, AnExceptionOfOnTimerGoesToTheApplication) {
  TRecordingHandler handler;
  TTimer timer(nullptr);
  timer.OnTimer = [&](TObject*) {
    timer.SetEnabled(false);
    throw std::runtime_error("tick failure");
  };
  timer.SetInterval(10);
  ASSERT_TRUE(PumpMessagesUntil([&] { return !handler.Handled.empty(); }));
  EXPECT_EQ(handler.Handled[0].Sender, &timer);
  EXPECT_EQ(handler.Handled[0].Message, u"tick failure");
}

TEST(Timer, ClassInfoReadsTheStoredProperties) {
  const TClassInfo& info = TTimer::StaticClass();
  ASSERT_TRUE(info.IsCreatable());
  TComponent root(nullptr);
  TComponent* created = info.Create(&root);
  auto* timer = dynamic_cast<TTimer*>(created);
  ASSERT_NE(timer, nullptr);

  TStreamValue interval;
  interval.Type = TValueType::vaInt16;
  interval.Integer = 250;
  info.FindProperty("Interval")->Read(*timer, interval, root);
  TStreamValue disabled;
  disabled.Type = TValueType::vaFalse;
  info.FindProperty("Enabled")->Read(*timer, disabled, root);
  EXPECT_EQ(timer->GetInterval(), 250u);
  EXPECT_FALSE(timer->GetEnabled());
  EXPECT_NE(info.FindProperty("OnTimer"), nullptr);

  TStreamValue negative;
  negative.Type = TValueType::vaInt8;
  negative.Integer = -1;
  EXPECT_THROW(info.FindProperty("Interval")->Read(*timer, negative, root), EReadError);
  EXPECT_EQ(timer->GetInterval(), 250u);
}

}  // namespace
