#pragma once
// A small family of classes with every kind of published property, for the component-model tests.

#include <string>
#include <vector>

#include "Component.h"
#include "Types.h"

enum class TShape : std::uint8_t { shCircle, shSquare, shTriangle };
template <>
struct TEnumNames<TShape> {
  static constexpr std::array<std::string_view, 3> Names{"shCircle", "shSquare", "shTriangle"};
  static_assert(NamesEveryValue(Names, TShape::shTriangle));
};

class TPen2 : public TPersistent {
  OVANTA_CLASS(TPen2)

 public:
  int GetWidth() const { return FWidth; }
  void SetWidth(int w) { FWidth = w; }
  TColor GetColor() const { return FColor; }
  void SetColor(TColor c) { FColor = c; }

 private:
  int FWidth = 1;
  TColor FColor = clBlack;
};

// Records the order of Loaded calls across instances.
inline std::vector<std::string>& LoadedLog() {
  static std::vector<std::string> log;
  return log;
}

class TWidget : public TComponent {
  OVANTA_CLASS(TWidget)

 public:
  explicit TWidget(TComponent* owner) : TComponent(owner) {}

  int GetCount() const { return FCount; }
  void SetCount(int v) { FCount = v; }
  std::int16_t GetSmall() const { return FSmall; }
  void SetSmall(std::int16_t v) { FSmall = v; }
  bool GetActive() const { return FActive; }
  void SetActive(bool v) { FActive = v; }
  float GetRatio() const { return FRatio; }
  void SetRatio(float v) { FRatio = v; }
  const std::u16string& GetCaption() const { return FCaption; }
  void SetCaption(const std::u16string& v) { FCaption = v; }
  const std::string& GetAgent() const { return FAgent; }
  void SetAgent(const std::string& v) { FAgent = v; }
  TShape GetShape() const { return FShape; }
  void SetShape(TShape v) { FShape = v; }
  TFontStyles GetStyle() const { return FStyle; }
  void SetStyle(TFontStyles v) { FStyle = v; }
  TColor GetColor() const { return FColor; }
  void SetColor(TColor v) { FColor = v; }
  TCursor GetCursor() const { return FCursor; }
  void SetCursor(TCursor v) { FCursor = v; }
  TPen2* GetPen() { return &FPen; }
  TWidget* GetBuddy() const { return FBuddy; }
  void SetBuddy(TWidget* w) { FBuddy = w; }
  void SetLegacyFlag(bool v) { FLegacyFlag = v; }
  bool LegacyFlag() const { return FLegacyFlag; }
  TComponent* Parent() const { return FParent; }
  bool StateWhileReading() const { return FLoadingWhileRead; }

  void SetParentComponent(TComponent* parent) override { FParent = parent; }
  void Loaded() override;

  TNotifyEvent OnPing;
  TEvent<int> OnValue;

 private:
  int FCount = 0;
  std::int16_t FSmall = 0;
  bool FActive = false;
  float FRatio = 0;
  std::u16string FCaption;
  std::string FAgent;
  TShape FShape = TShape::shCircle;
  TFontStyles FStyle;
  TColor FColor = clWindow;
  TCursor FCursor = crDefault;
  TPen2 FPen;
  TWidget* FBuddy = nullptr;
  bool FLegacyFlag = false;
  TComponent* FParent = nullptr;
  bool FLoadingWhileRead = false;
};

class TOtherWidget : public TComponent {
  OVANTA_CLASS(TOtherWidget)

 public:
  explicit TOtherWidget(TComponent* owner) : TComponent(owner) {}
};

class TBoard : public TComponent {
  OVANTA_CLASS(TBoard)

 public:
  explicit TBoard(TComponent* owner) : TComponent(owner) {}

  TWidget* First = nullptr;
  TWidget* Second = nullptr;
  std::vector<std::string> Calls;

  void PingHandler(TObject* sender) {
    Calls.push_back("ping " + static_cast<TComponent*>(sender)->GetName());
  }
  void ValueHandler(TObject*, int value) { Calls.push_back("value " + std::to_string(value)); }
};

TClassRegistry& TestClasses();
