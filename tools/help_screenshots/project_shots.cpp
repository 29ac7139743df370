// A project as a user builds it: the editor with a pipeline entered by hand, its details, a tank
// sized on the calculation screen, the two dialogs on the way, and the list the saved project
// joins.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <functional>

#include "dialogs/tf_detali.h"
#include "dialogs/tf_par_izol.h"
#include "main_window.h"
#include "project_editor.h"
#include "project_list.h"
#include "shots.h"
#include "tree/project_tree.h"

namespace shots {

namespace {

// Fills the next modal dialog of type D as soon as it is up, and lets the picture be taken
// before it is applied.
template <typename D>
void Answer(std::function<void(D&)> fill) {
  QTimer::singleShot(0, [fill] {
    if (auto* dialog = dynamic_cast<D*>(QApplication::activeModalWidget())) fill(*dialog);
  });
}

void PickKind(ovalto::TfMain& window, const char* label) {
  QMouseEvent click(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton, {});
  if (QWidget* kind = window.findChild<QLabel*>(label)) QApplication::sendEvent(kind, &click);
}

void Type(ovalto::TfMain& window, const char* name, const char* text) {
  ovalto::CalcSession& session = window.Session();
  session.Grid.SetCell(session.Variables.VariableRow(name), text);
}

}  // namespace

bool ShootProjects(const HelpFolder& help) {
  QTemporaryDir programFolder;
  SilentMessages messages;
  NoShell shell;
  MemoryUserData userData;
  ovalto::TfMain window({messages, shell, userData, programFolder.path()});
  window.show();
  bool saved = true;
  const auto save = [&](QWidget& widget, const char* page, const char* name) {
    saved = help.Save(widget, QString::fromUtf8(page), QString::fromUtf8(name)) && saved;
  };

  window.ImMainMouseUp(2);
  ovalto::ProjectEditor& editor = *window.ProjectEditorPanel();
  editor.Edit1->setText(QStringLiteral("П-17"));
  editor.Edit3->setText(QStringLiteral("Котельная № 2"));
  editor.Edit2->setText(QStringLiteral("Иванов И.И."));
  ovalto::ProjectTree& tree = editor.TV->Tree();
  const auto system = [&tree] { return tree.Root()->Child(0); };

  // A pipeline by hand, then its fittings.
  editor.TV->Select(system());
  Answer<ovalto::TfParIzol>([&](ovalto::TfParIzol& d) {
    d.edN->setText(QStringLiteral("Подающий трубопровод Т1"));
    d.R2->click();
    d.cbD->setCurrentText(QStringLiteral("57"));
    d.edL->setText(QStringLiteral("42"));
    d.ed1->setText(QStringLiteral("20"));
    d.cb2->setCurrentIndex(0);
    d.cb3->setCurrentIndex(1);
    d.RGN->button(1)->setChecked(true);
    d.RGR->button(1)->setChecked(true);
    save(d, "14_Объекты_и_детали", "object_dialog.png");
    d.buttons.bbOK->click();
  });
  editor.bb1->click();
  ovalto::TreeNode* pipeline = system()->ChildCount() > 0 ? system()->Child(0) : nullptr;
  if (pipeline && pipeline->ChildCount() > 6) {
    editor.TV->Select(pipeline->Child(6));
    Answer<ovalto::TfDetali>([&](ovalto::TfDetali& d) {
      d.ed[0]->setText(QStringLiteral("6"));
      d.ed[2]->setText(QStringLiteral("4"));
      d.ed[4]->setText(QStringLiteral("1"));
      d.em[4]->setText(QStringLiteral("45"));
      save(d, "14_Объекты_и_детали", "details_dialog.png");
      d.buttons.bbOK->click();
    });
    editor.bbADD->click();
  }

  // A tank whose insulation the calculation sizes.
  editor.TV->Select(system());
  Answer<ovalto::TfParIzol>([&](ovalto::TfParIzol& d) {
    d.edN->setText(QStringLiteral("Бак-аккумулятор"));
    save(d, "15_Подбор_изоляции_объекта", "object_to_size.png");
    d.buttons.bbOK->click();
  });
  editor.bb2->click();
  save(window, "15_Подбор_изоляции_объекта", "fitting_kinds.png");
  PickKind(window, "L11211");
  Type(window, "De", "1200");
  Type(window, "He", "2500");
  Type(window, "Tb", "90");
  Type(window, "Qf", "40");
  window.bbCalkClick();
  // Back in the editor, which shows the sized tank where it joined the tree.
  window.tbDownClick();
  save(window, "15_Подбор_изоляции_объекта", "sized.png");
  editor.TV->scrollToTop();
  save(window, "13_Проекты", "project_editor.png");
  save(*editor.TV, "14_Объекты_и_детали", "project_tree.png");
  if (auto* bar = qobject_cast<QToolBar*>(editor.bbVDM->parentWidget())) {
    save(*bar, "16_Техномонтажная_ведомость", "editor_buttons.png");
    save(*bar, "17_Спецификация", "editor_buttons.png");
  }

  window.bbSaveClick();
  save(window, "13_Проекты", "project_list.png");
  return saved && !messages.AnyShown();
}

}  // namespace shots
