#pragma once
// Layout of the About box: the notebook of three pages and its buttons.

class TAboutBox;

void DefineAboutBoxForm(TAboutBox& f);
