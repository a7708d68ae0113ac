#pragma once
// The closing page: where the reader can go from here.

#include "book/TThisChapter.h"

class TSummaryChapter : public TThisChapter {
public:
    explicit TSummaryChapter(TCustomBook* owner);
    void ShowPage() override;
    void WritePageText() override;
};
