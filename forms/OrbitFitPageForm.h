// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Layout of the observing run's page "Fit": the fitted curve over the measurements, the
// residuals and their periodogram, the buttons and model choices, the results table, the
// summary and the line on the last planet's evidence.

class TOrbitFitPage;

void DefineOrbitFitPage(TOrbitFitPage& f);
