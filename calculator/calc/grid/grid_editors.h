// The change handlers of the grid's in-place editors and the lists they
// offer. Each handler runs after the user changed its editor (the model
// already holds the new choice or text) and writes what follows from it into
// the variable table; programmatic selections run no handler unless a rule
// says so.
#pragma once

#include <string>
#include <vector>

#include "state/calc_session.h"

namespace ovalto {

// Zone of a surface-temperature kind: the permitted surface temperature.
void cbZNChange(CalcSession& session);
// Pipe material: diameter list, wall conductivity, additional-loss factor.
void cbMSChange(CalcSession& session);
// Outer diameter: wall list and thickness, additional-loss factor.
void cbVDChange(CalcSession& session);
// Carried substance (also the flow unit cbGW): its properties.
void cbVVChange(CalcSession& session);
// Region: its settlements.
void cbRGChange(CalcSession& session);
// Settlement: ambient temperature and wind speed of the kind.
void cbNPChange(CalcSession& session);
// Insulation line: conductivity and the coverings the line takes.
void cbTIChange(CalcSession& session);
// What cbTIChange does before it hands over to the covering's handler:
// false when no line is chosen, and the handler is not due.
bool TakeInsulationLine(CalcSession& session);
// Covering: the outer coefficient, once every input is valid.
void cbTPChange(CalcSession& session);
// Thickness calculated or given: the mark on the sought variable's row.
void cbWIChange(CalcSession& session);

// What the material combo offers: steel only for ducts.
std::vector<std::string> PipeMaterialItems(int calcKindCode);
// What the substance combo offers for the shown kind.
std::vector<std::string> SubstanceItems(const CalcSession& session);
// Fills the insulation list with the lines that suit the kind (and a
// conditioning pipe's size).
void FillInsulationLines(CalcSession& session);

}  // namespace ovalto
