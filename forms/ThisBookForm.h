#pragma once
// Layout of this book's main window: splash screen, contents page, chapter buttons.

class TThisBook;

void DefineThisBookForm(TThisBook& f);
