#include "TestClasses.h"

const TClassInfo& TPen2::StaticClass() {
  static const TClassInfo info = TClassBuilder<TPen2>("TPen2", &TPersistent::StaticClass())
                                     .Property<int>("Width", &TPen2::GetWidth, &TPen2::SetWidth)
                                     .Property<TColor>("Color", &TPen2::GetColor, &TPen2::SetColor)
                                     .Build();
  return info;
}

void TWidget::Loaded() {
  FLoadingWhileRead = IsLoading() && !IsReading();
  TComponent::Loaded();
  LoadedLog().push_back(GetName());
}

const TClassInfo& TWidget::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TWidget>("TWidget", &TComponent::StaticClass())
          .Creatable()
          .Property<int>("Count", &TWidget::GetCount, &TWidget::SetCount)
          .Property<std::int16_t>("Small", &TWidget::GetSmall, &TWidget::SetSmall)
          .Property<bool>("Active", &TWidget::GetActive, &TWidget::SetActive)
          .Property<float>("Ratio", &TWidget::GetRatio, &TWidget::SetRatio)
          .Property<std::u16string>("Caption", &TWidget::GetCaption, &TWidget::SetCaption)
          .Property<std::string>("Agent", &TWidget::GetAgent, &TWidget::SetAgent)
          .Property<TShape>("Shape", &TWidget::GetShape, &TWidget::SetShape)
          .Property<TFontStyles>("Style", &TWidget::GetStyle, &TWidget::SetStyle)
          .Property<TColor>("Color", &TWidget::GetColor, &TWidget::SetColor)
          .Property<TCursor>("Cursor", &TWidget::GetCursor, &TWidget::SetCursor)
          .Object("Pen", &TWidget::GetPen)
          .Reference<TWidget>("Buddy", &TWidget::GetBuddy, &TWidget::SetBuddy)
          .Property<bool>("LegacyFlag", nullptr, &TWidget::SetLegacyFlag)
          .Event("OnPing", &TWidget::OnPing)
          .Event("OnValue", &TWidget::OnValue)
          .Build();
  return info;
}

const TClassInfo& TOtherWidget::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TOtherWidget>("TOtherWidget", &TComponent::StaticClass()).Creatable().Build();
  return info;
}

const TClassInfo& TBoard::StaticClass() {
  static const TClassInfo info = TClassBuilder<TBoard>("TBoard", &TComponent::StaticClass())
                                     .Field("First", &TBoard::First)
                                     .Field("Second", &TBoard::Second)
                                     .Method("PingHandler", &TBoard::PingHandler)
                                     .Method("ValueHandler", &TBoard::ValueHandler)
                                     .Build();
  return info;
}

TClassRegistry& TestClasses() {
  static TClassRegistry registry = [] {
    TClassRegistry r;
    r.Register(TWidget::StaticClass());
    r.Register(TOtherWidget::StaticClass());
    return r;
  }();
  return registry;
}
