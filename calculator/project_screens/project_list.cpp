#include "project_list.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "tool_button.h"
#include "tree/field_text.h"

namespace ovalto {

namespace {

constexpr int kColumns = 6;
constexpr int kRowHeight = 18;
constexpr int kMarkColumnWidth = 12;

}  // namespace

ProjectList::ProjectList(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pnLST"));
  auto* layout = new QVBoxLayout(this);
  Llst = new QLabel(QStringLiteral("Список проектов"), this);
  Llst->setObjectName(QStringLiteral("Llst"));
  layout->addWidget(Llst);

  auto* bar = new QToolBar(this);
  bbOpen = AddToolButton(bar, "bbOpen", QStringLiteral("Выбрать"), QStringLiteral("Выбрать проект"));
  bbDelP = AddToolButton(bar, "bbDelP", QStringLiteral("Удалить"), QStringLiteral("Удалить проект"));
  ToolButton5 = AddToolButton(bar, "ToolButton5", QStringLiteral("Назад"));
  layout->addWidget(bar);

  sgPRJ = new QTableWidget(this);
  sgPRJ->setObjectName(QStringLiteral("sgPRJ"));
  sgPRJ->setColumnCount(kColumns);
  sgPRJ->setHorizontalHeaderLabels({QString(), QStringLiteral(" Проект №"), QStringLiteral(" Дата"),
                                    QStringLiteral(" Наименование"), QStringLiteral(" Разработчик"),
                                    QStringLiteral(" Примечание")});
  sgPRJ->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  sgPRJ->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  sgPRJ->horizontalHeader()->setMinimumSectionSize(kMarkColumnWidth);
  sgPRJ->verticalHeader()->hide();
  sgPRJ->verticalHeader()->setDefaultSectionSize(kRowHeight);
  sgPRJ->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  sgPRJ->setSelectionBehavior(QAbstractItemView::SelectRows);
  sgPRJ->setSelectionMode(QAbstractItemView::SingleSelection);
  sgPRJ->setEditTriggers(QAbstractItemView::NoEditTriggers);
  sgPRJ->setWordWrap(false);
  sgPRJ->setShowGrid(true);
  layout->addWidget(sgPRJ, 1);

  connect(bbOpen, &QToolButton::clicked, this, &ProjectList::OpenClicked);
  connect(bbDelP, &QToolButton::clicked, this, &ProjectList::DeleteClicked);
  connect(ToolButton5, &QToolButton::clicked, this, &ProjectList::BackClicked);
  connect(sgPRJ, &QTableWidget::cellDoubleClicked, this, [this] {
    if (bbOpen->isEnabled()) bbOpen->click();
  });
  connect(sgPRJ, &QTableWidget::currentCellChanged, this, &ProjectList::EnableButtons);
  Fill({}, std::nullopt);
}

void ProjectList::Fill(const ProjectTable& table, std::optional<size_t> current) {
  count_ = table.size();
  sgPRJ->clearContents();
  sgPRJ->setRowCount(table.empty() ? 1 : static_cast<int>(table.size()));
  for (size_t i = 0; i < table.size(); ++i) {
    const ProjectRecord& record = table[i];
    const std::string cells[kColumns] = {
        {}, record.Number, record.DateText, record.ProjectName, record.Developer, BlankSeparators(record.Note)};
    for (int column = 0; column < kColumns; ++column) {
      sgPRJ->setItem(static_cast<int>(i), column, new QTableWidgetItem(QString::fromStdString(cells[column])));
    }
  }
  const int row = current && *current < table.size() ? static_cast<int>(*current) : 0;
  sgPRJ->setCurrentCell(row, 1);
  sgPRJ->selectRow(row);
  EnableButtons();
}

std::optional<size_t> ProjectList::SelectedRow() const {
  const int row = sgPRJ->currentRow();
  if (row < 0 || static_cast<size_t>(row) >= count_) return std::nullopt;
  return static_cast<size_t>(row);
}

void ProjectList::EnableButtons() {
  // By the selected row: a project without a number still opens and goes.
  const bool project = SelectedRow().has_value();
  bbOpen->setEnabled(project);
  bbDelP->setEnabled(project);
}

void ProjectList::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  pnLSTResize();
}

void ProjectList::pnLSTResize() {
  const double width = sgPRJ->width() - 37;
  static constexpr double kShares[kColumns] = {0, 0.15, 0.10, 0.30, 0.15, 0.30};
  sgPRJ->setColumnWidth(0, kMarkColumnWidth);
  for (int column = 1; column < kColumns; ++column) {
    sgPRJ->setColumnWidth(column, static_cast<int>(width * kShares[column]));
  }
}

}  // namespace ovalto
