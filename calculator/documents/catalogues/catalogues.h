// The two built-in catalogues: KALDERON insulation products (tubes and rolls)
// and PELLORIT coverings with their fitting covers. Loaded once at start-up
// and read only by the bill of materials.
#pragma once

#include <string>
#include <vector>

#include "message_box.h"

namespace ovalto {

struct InsulationProduct {
  std::string Mark;            // product line, e.g. "KALDERON Vardo"
  std::string Name;            // article name as printed
  std::string Unit;            // "м" for tubes, "кв.м." for rolls
  double InnerDiameterMm = 0;  // 0 marks a roll
  double ThicknessMm = 0;
  double WidthM = 0;
  double LengthM = 0;
};

struct CoveringItem {
  std::string FittingKind;  // "Труба", "Отвод" …; empty fits every kind
  std::string Mark;         // covering type, e.g. "PELLORIT TK"
  std::string Name;
  std::string Unit;
  double OuterDiameterMm = 0;
  double SmallDiameterMm = 0;
  double BendDiameterMm = 0;
  double BendThicknessMm = 0;
};

struct Catalogues {
  std::vector<InsulationProduct> Insulation;  // "Kalderon"
  std::vector<CoveringItem> Coverings;        // "Pellorit"
};

// The built-in resources as compiled into the program (code page 1251).
const std::string& KalderonResource();
const std::string& PelloritResource();

// Parses one resource text; false when a row does not read (the caller
// shows the message and keeps the catalogue empty).
bool ParseInsulationCatalogue(const std::string& cp1251, std::vector<InsulationProduct>& out);
bool ParseCoveringCatalogue(const std::string& cp1251, std::vector<CoveringItem>& out);

// Loads both built-in catalogues, telling the user of a resource that does
// not read ("Ошибка ресурса "kalderon" ! ").
Catalogues LoadPrices(MessageBoxes& messages);
Catalogues LoadPrices(const std::string& kalderon, const std::string& pellorit, MessageBoxes& messages);

// The project editor shows "Ведомость" and "Специфи..." only when both
// catalogues hold rows.
bool DocumentButtonsVisible(const Catalogues& catalogues);

}  // namespace ovalto
