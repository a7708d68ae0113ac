#pragma once
// Layout of the navigation panel: the back and forward buttons.

class TNavPanel;

void DefineNavPanelForm(TNavPanel& f);
