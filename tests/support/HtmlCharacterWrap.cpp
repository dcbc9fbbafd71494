#include "HtmlCharacterWrap.h"

#include "HtmlData.h"

bool THtmlCharacterWrap::RunTooWide(IHtmlWrapSubject& Subject) {
  return Subject.CurrentRun().GetWidth() + Subject.LineOffset() > Subject.MaxWidth();
}
