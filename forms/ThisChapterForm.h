#pragma once
// Layout of the chapter window: text box, feedback panel, OK button and face lists.

class TThisChapter;

void DefineThisChapterForm(TThisChapter& f);
