// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "book/ChapterTable.h"

#include "TFindingPlanet.h"
#include "TFreeExperiment.h"
#include "TIntro.h"
#include "TOnePlanet.h"
#include "TSimpleCase.h"
#include "TSummaryChapter.h"
#include "TTwoPlanets.h"

int ChapterTableSize() { return 7; }

int SystemChapter() { return 5; }

TCustomChapter* CreateChapterWindow(int number, TCustomBook& owner) {
    switch (number) {
    case 1:
        return CreateForm<TIntro>(&owner);
    case 2:
        return CreateForm<TSimpleCase>(&owner);
    case 3:
        return CreateForm<TOnePlanet>(&owner);
    case 4:
        return CreateForm<TTwoPlanets>(&owner);
    case 5:
        return CreateForm<TFreeExperiment>(&owner);
    case 6:
        return CreateForm<TFindingPlanet>(&owner);
    case 7:
        return CreateForm<TSummaryChapter>(&owner);
    default:
        return nullptr;
    }
}
