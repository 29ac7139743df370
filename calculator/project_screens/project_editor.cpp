#include "project_editor.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QFormLayout>
#include <QLocale>
#include <QTextDocument>
#include <QVBoxLayout>

#include "message_box.h"
#include "store/project_date.h"
#include "tool_button.h"
#include "tree/field_text.h"
#include "tree/tree_editing.h"

namespace ovalto {

namespace {

QLineEdit* FieldEdit(const char* name, int maxLength, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(name));
  if (maxLength > 0) edit->setMaxLength(maxLength);
  // A TAB or a pilcrow pasted in would split the stored line, and the user
  // should see now what the file will give back.
  QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit] {
    const QString clean = QString::fromStdString(StorableText(edit->text().toStdString()));
    if (clean != edit->text()) edit->setText(clean);
  });
  return edit;
}

QDate ToQDate(CivilDate date) { return QDate(date.Year, date.Month, date.Day); }

}  // namespace

ProjectEditor::ProjectEditor(MessageBoxes& messages, QWidget* parent) : QWidget(parent), messages_(messages) {
  setObjectName(QStringLiteral("pnPRJ"));
  auto* layout = new QVBoxLayout(this);
  Lprj = new QLabel(this);
  Lprj->setObjectName(QStringLiteral("Lprj"));
  layout->addWidget(Lprj);

  auto* fields = new QFormLayout;
  Edit1 = FieldEdit("Edit1", static_cast<int>(kNumberLength), this);
  Date1 = new QDateEdit(this);
  Date1->setObjectName(QStringLiteral("Date1"));
  Date1->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  Date1->setCalendarPopup(true);
  // The calendar names months and days in Russian whatever the desktop's
  // language; it is a window of its own and takes no locale from the field.
  const QLocale russian(QLocale::Russian, QLocale::Russia);
  Date1->setLocale(russian);
  Date1->calendarWidget()->setLocale(russian);
  Edit3 = FieldEdit("Edit3", 0, this);
  Edit2 = FieldEdit("Edit2", static_cast<int>(kDeveloperLength), this);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setTabChangesFocus(true);
  Memo1->setMaximumHeight(80);
  Memo1->installEventFilter(this);
  // The bounded fields as wide as their 32 characters, the date as its text.
  Edit1->setMaximumWidth(320);
  Edit2->setMaximumWidth(320);
  Date1->setMaximumWidth(140);
  fields->addRow(QStringLiteral("Проект №"), Edit1);
  fields->addRow(QStringLiteral("Дата"), Date1);
  fields->addRow(QStringLiteral("Наименование"), Edit3);
  fields->addRow(QStringLiteral("Разработчик"), Edit2);
  fields->addRow(QStringLiteral("Примечание"), Memo1);
  layout->addLayout(fields);

  TreeBar = new QToolBar(this);
  TreeBar->setObjectName(QStringLiteral("TreeBar"));
  bbADS = AddToolButton(TreeBar, "bbADS", QStringLiteral("Система"), QStringLiteral("Добавить систему"));
  bb1 = AddToolButton(TreeBar, "bb1", QStringLiteral("Трубо..."), QStringLiteral("Добавить трубопровод"));
  bb2 = AddToolButton(TreeBar, "bb2", QStringLiteral("Ёмкость"), QStringLiteral("Добавить ёмкость"));
  bb3 = AddToolButton(TreeBar, "bb3", QStringLiteral("Воздух..."), QStringLiteral("Добавить воздуховод прямоугольный"));
  bb4 =
      AddToolButton(TreeBar, "bb4", QStringLiteral("Воздух..."), QStringLiteral("Добавить воздуховод цилиндрический"));
  bbADD = AddToolButton(TreeBar, "bbADD", QStringLiteral("Добавить"), QStringLiteral("Добавить деталь"));
  bbDEL = AddToolButton(TreeBar, "bbDEL", QStringLiteral("Удалить"));
  TreeBar->addSeparator();
  bbVDM = AddToolButton(TreeBar, "bbVDM", QStringLiteral("Ведомость"),
                        QStringLiteral("Сформировать техномонтажную ведомость"));
  bbCLK = AddToolButton(TreeBar, "bbCLK", QStringLiteral("Специфи..."), QStringLiteral("Сформировать спецификацию"));
  TreeBar->addSeparator();
  bbSave = AddToolButton(TreeBar, "bbSave", QStringLiteral("Сохранить"), QStringLiteral("Сохранить проект"));
  bbOtm = AddToolButton(TreeBar, "bbOtm", QStringLiteral("Назад"));
  layout->addWidget(TreeBar);

  TV = new ProjectTreeView(this);
  layout->addWidget(TV, 1);

  connect(TV, &ProjectTreeView::NodeSelected, this, &ProjectEditor::TVChange);
  connect(bbADS, &QToolButton::clicked, TV, &ProjectTreeView::bbADSClick);
  connect(bbDEL, &QToolButton::clicked, this, [this] { TV->bbDELClick(messages_); });
  connect(bbSave, &QToolButton::clicked, this, &ProjectEditor::SaveClicked);
  connect(bbOtm, &QToolButton::clicked, this, &ProjectEditor::BackClicked);
  TVChange(nullptr);
}

void ProjectEditor::TVChange(const TreeNode* node) {
  const TreeButtons buttons = ButtonsFor(node);
  bbADS->setEnabled(buttons.bbADS);
  bbDEL->setEnabled(buttons.bbDEL);
  bbADD->setEnabled(buttons.bbADD);
  bb1->setEnabled(buttons.bb1);
  bb2->setEnabled(buttons.bb2);
  bb3->setEnabled(buttons.bb3);
  bb4->setEnabled(buttons.bb4);
}

std::string ProjectEditor::LoadProject(const ProjectRecord* record, const std::string& folder) {
  std::string error = ShowRecord(record, folder);
  loaded_ = Form();
  return error;
}

bool ProjectEditor::Changed() { return Form() != loaded_; }

std::string ProjectEditor::ShowRecord(const ProjectRecord* record, const std::string& folder) {
  unreadTree_.reset();
  Memo1->clear();
  Date1->setDate(QDate::currentDate());
  Edit1->clear();
  Edit2->clear();
  Edit3->clear();
  if (!record) {
    TV->NewProjectTree();
    return {};
  }
  Edit1->setText(QString::fromStdString(record->Number));
  Edit2->setText(QString::fromStdString(record->Developer));
  Edit3->setText(QString::fromStdString(record->ProjectName));
  // A date that does not read back leaves today; the rest of the project
  // loads all the same.
  if (const std::optional<CivilDate> date = ParseDateText(record->DateText)) Date1->setDate(ToQDate(*date));
  Memo1->setPlainText(QString::fromStdString(MemoTextOf(record->Note)));
  std::string error = TV->LoadTreeText(record->TreeText, folder);
  if (!error.empty()) unreadTree_ = record->TreeText;
  return error;
}

ProjectForm ProjectEditor::Form() {
  CleanMemo();
  ProjectForm form;
  form.Number = Edit1->text().toStdString();
  const QDate date = Date1->date();
  if (date.isValid()) form.Date = CivilDate{date.year(), date.month(), date.day()};
  form.ProjectName = Edit3->text().toStdString();
  form.Developer = Edit2->text().toStdString();
  form.NoteLines = MemoLines(MemoText().toStdString());
  form.TreeText = TV->BuildTreeText();
  return form;
}

std::string ProjectEditor::TreeTextToStore() {
  if (unreadTree_ && messages_.Show(MessageType::Confirmation,
                                    "Дерево проекта было прочитано не полностью, и в редакторе только его начало.\r"
                                    "Заменить им сохранённое дерево ?\r\r"
                                    "«Нет» сохраняет прежнее дерево целиком, без изменений дерева в редакторе.",
                                    kButtonYes | kButtonNo) != kButtonYes) {
    return *unreadTree_;
  }
  return TV->BuildTreeText();
}

void ProjectEditor::ShowChecked(const ProjectForm& form, FormField focus) {
  Edit1->setText(QString::fromStdString(form.Number));
  Edit2->setText(QString::fromStdString(form.Developer));
  Edit3->setText(QString::fromStdString(form.ProjectName));
  if (focus == FormField::Number) Edit1->setFocus();
}

bool ProjectEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Memo1 && event->type() == QEvent::FocusOut) CleanMemo();
  return QWidget::eventFilter(watched, event);
}

void ProjectEditor::CleanMemo() {
  // The memo's own line breaks become pilcrows when stored; any other
  // separator in a line would split the stored record.
  const QString memo = MemoText();
  QStringList clean;
  for (const QString& line : memo.split(QLatin1Char('\n'))) {
    clean << QString::fromStdString(StorableText(line.toStdString()));
  }
  const QString text = clean.join(QLatin1Char('\n'));
  if (text != memo) Memo1->setPlainText(text);
}

QString ProjectEditor::MemoText() const {
  // toPlainText() would give a no-break space as a plain blank.
  QString text = Memo1->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  return text;
}

}  // namespace ovalto
