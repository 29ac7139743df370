// The window's project screens: the list, the editor's save and back, and
// the question and the write at close. The rules live in the project
// library; here they meet the widgets.
#include <QCloseEvent>
#include <QCoreApplication>

#include "main_window.h"
#include "project_editor.h"
#include "project_list.h"

namespace ovalto {

namespace {

constexpr const char* kSaveChangesQuestion = "В программе открыт проект !\r\rСохранить все изменения ?";

std::string ProjectGoneMessage(const std::string& number) {
  return "Проекта \"" + number + "\" больше нет в файле: другая копия программы удалила его или изменила его номер.";
}

}  // namespace

bool ProjectOpenAtClose(int viewMode, double projectContext) {
  return viewMode == kProjectEditor || projectContext >= 0;
}

void TfMain::FillProjectList() {
  RefreshProjects();
  pnLST->Fill(projects_.Table(), openProject_);
}

void TfMain::RefreshProjects() {
  const ProjectTable& table = projects_.Table();
  const std::optional<ProjectRecord> open =
      openProject_ && *openProject_ < table.size() ? std::optional(table[*openProject_]) : std::nullopt;
  if (const std::optional<std::string> report = projects_.Refresh()) {
    services_.Messages.Show(MessageType::Error, *report, kButtonOk);
  }
  openProject_ = open ? FindRecord(projects_.Table(), *open).Row : std::nullopt;
}

void TfMain::LoadProjectIntoEditor() {
  const ProjectTable& table = projects_.Table();
  const bool stored = openProject_ && *openProject_ < table.size();
  openedProject_ = stored ? std::optional(OpenProject(table, *openProject_)) : std::nullopt;
  const std::string error = pnPRJ->LoadProject(stored ? &table[*openProject_] : nullptr, programFolder_.toStdString());
  if (!error.empty()) services_.Messages.ShowRaisedError(error);
}

void TfMain::bbOpenClick() {
  const std::optional<size_t> row = pnLST->SelectedRow();
  if (!row) return;
  // The list may be older than the file: the project opens as the file holds
  // it now, or not at all when another copy took it away.
  openProject_ = row;
  const std::string number = projects_.Table()[*row].Number;
  RefreshProjects();
  if (!openProject_) {
    services_.Messages.Show(MessageType::Warning, ProjectGoneMessage(number), kButtonOk);
    FillProjectList();
    return;
  }
  viewMode_ = kProjectEditor;
  pnPRJ->Lprj->setText(QStringLiteral("Редакция проекта"));
  SwitchView(true);
}

void TfMain::bbDelPClick() {
  const std::optional<size_t> row = pnLST->SelectedRow();
  if (!row) return;
  const std::string question = DeleteProjectQuestion(projects_.Table()[*row].Number);
  if (services_.Messages.Show(MessageType::Confirmation, question, kButtonYes | kButtonNo) != kButtonYes) return;
  // The table may have changed under the list either way: another copy's
  // changes come in with every change of this one.
  if (const std::optional<std::string> message = projects_.Delete(*row)) {
    services_.Messages.Show(MessageType::Error, *message, kButtonOk);
  }
  openProject_.reset();
  SwitchView(true);
}

void TfMain::ToolButton5Click() {
  openProject_.reset();
  viewMode_ = kStartScreen;
  session_.CalcKindCode = 0;
  SwitchView(true);
  QCoreApplication::processEvents();
}

bool TfMain::bbSaveClick() {
  ProjectForm form = pnPRJ->Form();
  const auto refuse = [&](const FormError& failed) {
    pnPRJ->ShowChecked(form, failed.Focus);
    services_.Messages.ShowRaisedError(failed.Text);
    return false;
  };
  if (const std::optional<FormError> failed = CheckProjectForm(form, projects_.Table(), openProject_)) {
    return refuse(*failed);
  }
  pnPRJ->ShowChecked(form, FormField::None);
  form.TreeText = pnPRJ->TreeTextToStore();
  ProjectStore::SaveResult saved = projects_.Save(form, openedProject_);
  if (saved.OtherCopy) {
    if (saved.ReadReport) services_.Messages.Show(MessageType::Error, *saved.ReadReport, kButtonOk);
    const MessageButton answer =
        services_.Messages.Show(MessageType::Confirmation, OtherCopyQuestion(*saved.OtherCopy), kButtonYes | kButtonNo);
    if (answer != kButtonYes) return ShowStoredProject();
    saved = projects_.Save(form, openedProject_, true);
  }
  // Checked again on the file as it is: another copy may have taken the number.
  if (saved.Check) return refuse(*saved.Check);
  if (saved.WriteError) {
    services_.Messages.Show(MessageType::Error, *saved.WriteError, kButtonOk);
    return false;
  }
  if (saved.ReadReport) services_.Messages.Show(MessageType::Error, *saved.ReadReport, kButtonOk);
  viewMode_ = kProjectList;
  openProject_ = saved.Row;
  SwitchView(true);
  return true;
}

bool TfMain::ShowStoredProject() {
  // The editor's version is dropped: the list shows the project as the other
  // copy left it, selected where it still is.
  RefreshProjects();
  openProject_ = openedProject_ ? FindProject(projects_.Table(), *openedProject_).Row : std::nullopt;
  viewMode_ = kProjectList;
  SwitchView(true);
  return true;
}

void TfMain::bbOtmClick() {
  // "Назад" drops the editor's edits; changed ones are offered for saving first, as at close.
  if (pnPRJ->Changed()) {
    const MessageButton answer = services_.Messages.Show(MessageType::Confirmation, kSaveChangesQuestion,
                                                         kButtonYes | kButtonNo | kButtonCancel);
    if (answer != kButtonYes && answer != kButtonNo) return;
    if (answer == kButtonYes && !bbSaveClick()) return;
  }
  viewMode_ = kStartScreen;
  session_.CalcKindCode = 0;
  SwitchView(true);
  QCoreApplication::processEvents();
}

bool TfMain::FormCloseQuery() {
  // Sizing an object hides the editor, but its project is open all the same.
  if (!ProjectOpenAtClose(viewMode_, projectContext_)) return true;
  const MessageButton answer =
      services_.Messages.Show(MessageType::Confirmation, kSaveChangesQuestion, kButtonYes | kButtonNo | kButtonCancel);
  if (answer == kButtonYes) return bbSaveClick();
  return answer == kButtonNo;
}

void TfMain::FormClose() {
  if (const std::optional<std::string> error = projects_.Write()) {
    services_.Messages.Show(MessageType::Error, *error, kButtonOk);
  }
}

void TfMain::closeEvent(QCloseEvent* event) {
  if (!FormCloseQuery()) {
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}

}  // namespace ovalto
