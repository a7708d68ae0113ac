#pragma once
// Chapter 1: the Doppler effect and how it reveals unseen companions of a star.

#include "book/TThisChapter.h"

class TIntro : public TThisChapter {
public:
    explicit TIntro(TCustomBook* owner);
    void ShowPage() override;
    void WritePageText() override;
};
