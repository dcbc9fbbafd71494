#pragma once
// The wrap check in its plain form, as the reference for the renderer's own rule: after every character the
// current run is measured again and, with the widths of the items before it on its line, compared with the
// wrap width. Parses with this rule give the layouts the renderer's rule must give, with one measurement per
// character.

#include "HtmlWrapRule.h"

class THtmlCharacterWrap : public IHtmlWrapRule {
 public:
  bool RunTooWide(IHtmlWrapSubject& Subject) override;
};
