#include "book/ChapterTable.h"

#include "TIntro.h"
#include "TSimpleCase.h"
#include "TSummaryChapter.h"

namespace {

// A chapter whose own window has not been written yet: the framework's page text under
// the chapter's caption and page count.
TCustomChapter* interimChapter(TCustomBook& owner, const char* caption, int pages) {
    auto* chapter = new TThisChapter(&owner);
    chapter->SetCaption(caption);
    chapter->PageCount = chapter->PageTotal = pages;
    chapter->RunCreate();
    return chapter;
}

} // namespace

int ChapterTableSize() { return 6; }

TCustomChapter* CreateChapterWindow(int number, TCustomBook& owner) {
    switch (number) {
    case 1:
        return CreateForm<TIntro>(&owner);
    case 2:
        return CreateForm<TSimpleCase>(&owner);
    case 3:
        return interimChapter(owner, "One planet", 15);
    case 4:
        return interimChapter(owner, "Two planets", 9);
    case 5:
        return interimChapter(owner, "Free experiment", 4);
    case 6:
        return CreateForm<TSummaryChapter>(&owner);
    default:
        return nullptr;
    }
}
