#pragma once
// Layout of the book window's base form: client area, contents panel, menus.

class TCustomBook;

void DefineCustomBookForm(TCustomBook& f);
