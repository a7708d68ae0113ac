// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Byte strings as the system's components exchange them (RTF, captions, file names).

#include <string>

using AnsiString = std::string;
