// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oGraphic.h"

void oGraphic::Measure(TCanvas&) {}
