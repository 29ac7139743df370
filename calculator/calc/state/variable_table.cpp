#include "state/variable_table.h"

#include "number_format.h"

namespace ovalto {

namespace {

struct Definition {
  std::int16_t group;
  const char* name;
  const char* caption;
  char type;
  std::int16_t inputKind;
  const char* defaultText;
};

// The order matters: the grid shows, the input check walks and every lookup
// finds the variables in this order.
constexpr Definition kDefinitions[kVariableCount] = {
    {1, "Zn_", "Зона расположения", 'S', 10, ""},
    {1, "Ms_", "Материал стенки трубы", 'S', 11, ""},
    {1, "Dn", "Наружний диаметр, мм", 'F', 12, ""},
    {1, "Dv", "Диаметр воздуховода, мм", 'F', 0, ""},
    {1, "Lv", "Ширина воздуховода, мм", 'F', 0, ""},
    {1, "De", "Наружний диаметр ёмкости, мм", 'F', 0, ""},
    {1, "Hv", "Высота воздуховода, мм", 'F', 0, ""},
    {1, "He", "Высота ёмкости, мм", 'F', 0, ""},
    {1, "L", "Длина трубы, м", 'F', 0, ""},
    {1, "Wst", "Толщина стенки, мм", 'F', 13, "0"},
    {1, "Lst", "Теплопроводность стенки, Вт/(м*K)", 'F', 0, ""},
    {1, "Kdp", "Коэффициент доп. потерь", 'F', 0, "1,1"},
    {2, "Vv_", "Вид вещества", 'S', 21, ""},
    {2, "Z", "Часов работы в год", 'F', 0, ""},
    {2, "Tb", "Температура вещества, °С", 'F', 0, ""},
    {2, "Zt", "Время приостановки движения, ч", 'F', 0, "24"},
    {2, "Tz", "Температура замерзания °С", 'F', 0, ""},
    {2, "Rb", "Теплота замерзания, кДж/(кг°С)", 'F', 0, ""},
    {2, "Kz", "Допуст. кол-во замерзшего в-ва, %", 'F', 0, "25"},
    {2, "Pb", "Плотность вещества, кг/м3", 'F', 0, ""},
    {2, "Cp", "Теплоемкость вещества, кДж/(кг°С)", 'F', 0, ""},
    {2, "Gm", "Расход вещества", 'F', 22, ""},
    {2, "T1", "Начальная температура вещества,°С", 'F', 0, ""},
    {2, "T2", "Конечная температура вещества,°С", 'F', 0, ""},
    {2, "Zv", "Время хранения вещества, ч", 'F', 0, ""},
    {2, "Wb", "Скорость движения вещества, м/с", 'F', 0, ""},
    {2, "Vlv", "Относит. влажность вещества, %", 'F', 0, ""},
    {2, "Ab", "Коэффициент теплоотдачи", 'F', 0, ""},
    {2, "Trv", "Температура точки росы, °С", 'F', 0, ""},
    {3, "Rg_", "Выбрать регион", 'S', 31, ""},
    {3, "Np_", "Выбрать населенный пункт", 'S', 32, ""},
    {3, "Tn", "Температура окруж. среды, °С", 'F', 0, ""},
    {3, "W", "Скорость ветра, м/c", 'F', 0, ""},
    {3, "Vla", "Относит. влажность воздуха, %", 'F', 0, "60"},
    {3, "Tr", "Температура точки росы °С", 'F', 0, ""},
    {4, "Ti_", "Тип изоляции", 'S', 41, ""},
    {4, "Liz", "Теплопроводность, Вт/(м*K)", 'F', 0, ""},
    {5, "Tp_", "Тип покрытия", 'S', 51, ""},
    {5, "An", "Коэффициент теплоотдачи", 'F', 0, ""},
    {5, "Tp", "Температура поверхности,°С", 'F', 0, ""},
    {6, "Be", "Стоимость 1 Гкал, руб.", 'F', 0, "500"},
    {6, "Ktr", "Транспортные расходы, %", 'F', 0, "5"},
    {6, "Zpl", "Зарплата рабочих, руб.", 'F', 0, "30000"},
    {7, "Wiz", "Толщина изоляции, мм", 'F', 0, ""},
    {7, "Egod", "Суммарные затраты в год, руб.", 'F', 0, ""},
    {7, "QL", "Тепловой поток, Вт/м", 'F', 0, "0"},
    {7, "Qf", "Плотность теплового потока, Вт/м2", 'F', 0, "0"},
};

constexpr const char* kGroupCaptions[kGroupCount] = {
    "ПАРАМЕТРЫ ОБОРУДОВАНИЯ", "ПАРАМЕТРЫ ВЕЩЕСТВА", "ПАРАМЕТРЫ ОКРУЖАЮЩЕЙ СРЕДЫ", "ПАРАМЕТРЫ ИЗОЛЯЦИИ",
    "ПАРАМЕТРЫ ПОКРЫТИЯ",     "ДАННЫЕ ДЛЯ РАСЧЕТА", "РЕЗУЛЬТАТЫ РАСЧЕТА",
};

static_assert(
    [] {
      for (int i = 0; i < kVariableCount; ++i) {
        if (kVariableNames[static_cast<std::size_t>(i)] != kDefinitions[i].name) return false;
      }
      return true;
    }(),
    "the table's names are the names a lookup knows, in the same order");

}  // namespace

VariableTable::VariableTable(GridModel& grid, MessageBoxes& messages) : grid_(grid), messages_(messages) {
  // Every screen and every headless run starts from the same table.
  static const std::array<VariableRecord, kVariableCount> kFreshRecords = [] {
    std::array<VariableRecord, kVariableCount> records;
    for (int i = 0; i < kVariableCount; ++i) {
      const Definition& d = kDefinitions[i];
      records[static_cast<std::size_t>(i)] =
          VariableRecord{d.group, d.inputKind, d.caption, d.name, d.type, 0, 0, "", 0, d.defaultText};
    }
    return records;
  }();
  records_ = kFreshRecords;
  for (int g = 0; g < kGroupCount; ++g) groups_[g] = GroupHeaderRecord{-1, kGroupCaptions[g]};
}

void VariableTable::SetVariable(std::string_view name, std::string_view text, double number) {
  VariableRecord* record = Find(name);
  if (!record) return;
  if (record == &records_[VariableIndex("An")] && grid_.bbGetKT.Tag > 0) return;
  const bool forced = !text.empty() && text[0] == '!';
  if (!forced && record->GridRow < grid_.Tag) return;

  const std::string_view stored = forced ? text.substr(1) : text;
  const bool shown = record->GridRow >= 0 && record->GridRow < grid_.RowCount();
  if (!stored.empty()) {
    record->Text = stored;
    if (shown) grid_.SetCell(record->GridRow, record->Text);
  } else {
    record->Value = number;
    // Only a shown variable needs its number as text.
    if (shown) grid_.SetCell(record->GridRow, TextOfNumber(static_cast<std::size_t>(record - records_.data()), number));
  }
}

const std::string& VariableTable::TextOfNumber(std::size_t index, double number) {
  ShownNumbers& texts = shownNumbers_[index];
  for (const ShownNumber& text : texts) {
    if (!text.Text.empty() && text.Value == number) return text.Text;
  }
  // The newer text moves to the front, the older one gives way.
  std::swap(texts[0], texts[1]);
  texts[0] = {number, FormatGeneral(number)};
  return texts[0].Text;
}

double VariableTable::UnknownVariable(std::string_view name) {
  messages_.Show(MessageType::Error, "Не найдена переменая \"" + std::string(name) + "\" !", kButtonCancel);
  return 0;
}

std::int16_t VariableTable::RowOfInputKind(std::int16_t kind) const {
  for (const auto& record : records_) {
    if (record.InputKind == kind) return record.GridRow;
  }
  return 0;
}

}  // namespace ovalto
