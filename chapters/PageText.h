// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Symbols the chapters' page texts share, written at the insertion point, and the writing of
// a translated sentence that holds them.

#include <functional>
#include <initializer_list>

class QString;
class TRichEditControl;

// The inclination: an italic i, as the parameter dialog and the card write it.
void WriteInclination(TRichEditControl& t);
// m sin i, the one mass the radial velocity reveals, kept on one line.
void WriteMassTimesSine(TRichEditControl& t);

// A sentence with its inline styles marked (WriteMarked) whose placeholders %1 to %9 stand
// for symbols drawn by writers, the first writer's at %1: the translator places the symbols
// where the language puts them. A placeholder without a writer is written as it stands; a
// mark left open ends before a symbol.
void WriteMarkedWith(TRichEditControl& t, const QString& marked,
                     std::initializer_list<std::function<void(TRichEditControl&)>> symbols);
// A sentence whose %1 is the inclination and %2 m sin i.
void WriteWithInclination(TRichEditControl& t, const QString& marked);
