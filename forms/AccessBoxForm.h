#pragma once
// Layout of the accessibility options dialog.

class TAccessBox;

void DefineAccessBoxForm(TAccessBox& f);
