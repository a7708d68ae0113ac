// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Layout of the About box: the notebook of four pages and its buttons.

class TAboutBox;

void DefineAboutBoxForm(TAboutBox& f);
