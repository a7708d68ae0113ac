// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Layout of the navigation panel: the back and forward buttons.

class TNavPanel;

void DefineNavPanelForm(TNavPanel& f);
