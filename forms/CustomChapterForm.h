#pragma once
// Layout of the chapter window's base form: size, colour and font.

class TCustomChapter;

void DefineCustomChapterForm(TCustomChapter& f);
