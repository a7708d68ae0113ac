#pragma once
// Layout of the reference card "Real planetary systems": the table of systems, the note on
// rounding, and the Set up button with the line that says where it works.

class TRealSystemsForm;

void DefineRealSystemsForm(TRealSystemsForm& f);
