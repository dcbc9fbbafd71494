#include "HtmlRender.h"

#include <algorithm>
#include <exception>

#include "HtmlParser.h"

THtmlRender::THtmlRender(std::unique_ptr<IHtmlTextMetrics> Metrics)
    : FMetrics(std::move(Metrics)), FData(&FIntData) {
  Bind(FIntData);
}

THtmlRender::~THtmlRender() = default;

void THtmlRender::Bind(THtmlData& Document) {
  Document.SetMetrics(FMetrics.get());
  Document.OnActiveItemChange = [this](TObject*) { Change(); };
  Document.OnChange = [this](TObject*) { Change(); };
  Document.OnInputItemChecked = [this](TObject*, THtmlInputItem* Item) {
    Raise(OnInputItemChecked, this, Item);
  };
}

void THtmlRender::SetData(THtmlData* NewData) {
  FData = NewData ? NewData : &FIntData;
  Bind(*FData);
}

THtmlData* THtmlRender::CreateData() {
  FCreatedData.push_back(std::make_unique<THtmlData>());
  Bind(*FCreatedData.back());
  return FCreatedData.back().get();
}

void THtmlRender::DestroyData(THtmlData* Data) {
  const auto created = std::find_if(FCreatedData.begin(), FCreatedData.end(),
                                    [Data](const auto& document) { return document.get() == Data; });
  if (created == FCreatedData.end())
    return;
  if (FData == Data)
    FData = nullptr;
  FCreatedData.erase(created);
}

void THtmlRender::PrepareText(const std::u16string& Text, int MaxWidth, bool AutoWrap) {
  if (FData)
    PrepareToData(Text, MaxWidth, AutoWrap, *FData);
}

void THtmlRender::PrepareToData(const std::u16string& Text, int MaxWidth, bool AutoWrap, THtmlData& CurData) {
  struct TRestoreData {
    THtmlRender& Render;
    THtmlData* Previous;
    ~TRestoreData() { Render.FData = Previous; }
  } restore{*this, FData};
  FData = &CurData;
  CurData.SetMaxWidth(MaxWidth);
  try {
    THtmlParser(*this, CurData, Text, AutoWrap).Run();
  } catch (const std::exception&) {
    // A failing host event (or memory) costs the caption, not the caller.
    CurData.ClearArray();
  } catch (...) {
    // Not an error this code knows how to absorb: the caller decides, but gets no half-built document.
    CurData.ClearArray();
    throw;
  }
}

std::u16string THtmlRender::AsText() const {
  std::u16string text;
  if (!FData)
    return text;
  const auto& items = FData->FArray;
  for (std::size_t i = 0; i < items.size(); ++i) {
    switch (items[i]->FItemType) {
      case THtmlItemType::hitChar:
        text += items[i]->Text();
        break;
      case THtmlItemType::hitBreak:
        text += u"\r\n";
        break;
      case THtmlItemType::hitPara:
        if (i > 0)
          text += u"\r\n\r\n";
        break;
      case THtmlItemType::hitLI:
        text += u"- ";
        break;
      default:
        break;
    }
  }
  return text;
}

std::optional<THtmlPictureSize> THtmlRender::GetImage(const std::u16string& Src) {
  return FImageSource ? FImageSource->GetImage(Src) : std::nullopt;
}

void THtmlRender::GetVariable(const std::u16string& Name, std::u16string& Value) {
  Raise(OnVariableNeeded, this, Name, Value);
}

void THtmlRender::Change() {
  Raise(OnChange, this);
}
