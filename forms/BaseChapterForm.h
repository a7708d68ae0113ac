#pragma once
// Layout of the simulation chapter window: the orbit view with its controls, the velocity
// graph with its axis title and time scale, the run buttons and the timer.

class TBaseChapter;

void DefineBaseChapterForm(TBaseChapter& f);
