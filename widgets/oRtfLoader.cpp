#include "oRtfLoader.h"

#include "oRichEdit.h"

AnsiString oRtfLoader::GetText() const { return owner_.GetRtf(); }

void oRtfLoader::SetText(const AnsiString& rtf) { owner_.SetRtf(rtf); }
