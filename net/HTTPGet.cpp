#include "HTTPGet.h"

const TClassInfo& THTTPGet::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<THTTPGet>("THTTPGet", &TComponent::StaticClass())
          .Creatable()
          .Property<std::string>("AcceptTypes", &THTTPGet::GetAcceptTypes, &THTTPGet::SetAcceptTypes)
          .Property<std::string>("Agent", &THTTPGet::GetAgent, &THTTPGet::SetAgent)
          .Property<bool>("BinaryData", &THTTPGet::GetBinaryData, &THTTPGet::SetBinaryData)
          .Property<std::string>("URL", &THTTPGet::GetURL, &THTTPGet::SetURL)
          .Property<bool>("UseCache", &THTTPGet::GetUseCache, &THTTPGet::SetUseCache)
          .Property<std::string>("FileName", &THTTPGet::GetFileName, &THTTPGet::SetFileName)
          .Property<std::string>("UserName", &THTTPGet::GetUserName, &THTTPGet::SetUserName)
          .Property<std::string>("Password", &THTTPGet::GetPassword, &THTTPGet::SetPassword)
          .Property<std::string>("PostQuery", &THTTPGet::GetPostQuery, &THTTPGet::SetPostQuery)
          .Property<std::string>("Referer", &THTTPGet::GetReferer, &THTTPGet::SetReferer)
          .Property<bool>("WaitThread", &THTTPGet::GetWaitThread, &THTTPGet::SetWaitThread)
          .Event("OnProgress", &THTTPGet::OnProgress)
          .Event("OnDoneFile", &THTTPGet::OnDoneFile)
          .Event("OnDoneString", &THTTPGet::OnDoneString)
          .Event("OnError", &THTTPGet::OnError)
          .Build();
  return info;
}

THTTPGet::THTTPGet(TComponent* owner)
    : TComponent(owner),
      FSelf(std::make_shared<THTTPGet*>(this)),
      FAcceptTypes("*/*"),
      FAgent("Corvex HTTPGet") {}

void RegisterHTTPGetClasses() {
  RegisteredClasses().Register(THTTPGet::StaticClass());
}
