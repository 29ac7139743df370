#include "dialogs/tf_par_izol.h"

#include <gtest/gtest.h>

#include <QTest>

#include "dialog_shots.h"
#include "recording_message_boxes.h"

extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so"; }

namespace ovalto {
namespace {

using testing::RecordingMessageBoxes;

struct Dialog {
  explicit Dialog(int kind) {
    params.Kind = kind;
    params.ThicknessMm = 5;
    dialog = std::make_unique<TfParIzol>(params, messages);
  }
  void ByHand() { QTest::mouseClick(dialog->R2, Qt::LeftButton); }
  QStringList Lines() const {
    QStringList items;
    for (int i = 0; i < dialog->cb2->count(); ++i) items << dialog->cb2->itemText(i);
    return items;
  }
  ObjectParams params;
  RecordingMessageBoxes messages;
  std::unique_ptr<TfParIzol> dialog;
};

TEST(TfParIzol, OpensCancelledWithTheCalculationChosen) {
  Dialog d(kPipelineObject);
  EXPECT_EQ(d.params.ThicknessMm, kObjectCancelled);
  EXPECT_EQ(d.dialog->windowTitle(), QStringLiteral("Ввод данных"));
  EXPECT_TRUE(d.dialog->R1->isChecked());
  EXPECT_FALSE(d.dialog->buttons.bbOK->isEnabled());
  EXPECT_FALSE(d.dialog->cbD->isEnabled());
  EXPECT_EQ(d.dialog->cbD->count(), 62);
  EXPECT_EQ(d.dialog->cb3->count(), 5);

  d.dialog->edN->setText(QStringLiteral("ТРУБОПРОВОД"));
  EXPECT_TRUE(d.dialog->buttons.bbOK->isEnabled());
  d.dialog->buttons.bbOK->click();
  EXPECT_EQ(d.dialog->result(), QDialog::Accepted);
  EXPECT_EQ(d.params.ThicknessMm, 0);
}

TEST(TfParIzol, EachKindShowsItsOwnFields) {
  struct Case {
    int Kind;
    const char* Size;
    const char* Length;
    bool Height;
    const char* Shot;
  };
  const Case cases[] = {{kPipelineObject, "Диаметр трубы", "Длина трубы", false, "object_pipeline"},
                        {kTankObject, "Наружний диаметр", nullptr, true, "object_tank"},
                        {kRectangularDuctObject, "Ширина", "Длина воздуховода", true, "object_rectangular_duct"},
                        {kCylindricalDuctObject, "Диаметр", "Длина воздуховода", false, "object_cylindrical_duct"}};
  for (const Case& c : cases) {
    Dialog d(c.Kind);
    d.dialog->show();
    d.ByHand();
    EXPECT_EQ(d.dialog->L0->text(), QString::fromUtf8(c.Size));
    EXPECT_EQ(d.dialog->edL->isVisible(), c.Length != nullptr);
    if (c.Length) {
      EXPECT_EQ(d.dialog->LL->text(), QString::fromUtf8(c.Length));
    }
    EXPECT_EQ(d.dialog->edH->isVisible(), c.Height);
    EXPECT_EQ(d.dialog->cbD->count(), c.Kind == kPipelineObject ? 62 : c.Kind == kCylindricalDuctObject ? 25 : 0);
    // Only the pipeline's size drops down a list.
    EXPECT_EQ(d.dialog->cbD->styleSheet().contains(QStringLiteral("drop-down")), c.Kind != kPipelineObject);
    testing::SaveShot(*d.dialog, QString::fromLatin1(c.Shot));
  }
}

TEST(TfParIzol, APlainSizeEntryLooksDisabledWhileTheCalculationIsChosen) {
  // Tank and rectangular duct sizes have no list: their size box is styled
  // as a plain entry, and must grey out like the entries beside it.
  for (const int kind : {kTankObject, kRectangularDuctObject}) {
    Dialog d(kind);
    d.dialog->show();
    ASSERT_FALSE(d.dialog->cbD->isEnabled());
    const QImage size = d.dialog->cbD->grab().toImage();
    const QImage thickness = d.dialog->ed1->grab().toImage();
    // Well inside the frame, right of any text.
    const QColor sizeFill = size.pixelColor(size.width() - 8, size.height() / 2);
    const QColor thicknessFill = thickness.pixelColor(thickness.width() - 8, thickness.height() / 2);
    EXPECT_EQ(sizeFill.name().toStdString(), thicknessFill.name().toStdString()) << "kind " << kind;
  }
}

TEST(TfParIzol, NumberFieldsTakeOneDecimalComma) {
  Dialog d(kPipelineObject);
  d.dialog->show();
  d.ByHand();
  QTest::keyClicks(d.dialog->ed1, QStringLiteral("2.5.,x-7"));
  EXPECT_EQ(d.dialog->ed1->text(), QStringLiteral("2,57"));
  QTest::keyClicks(d.dialog->edL, QStringLiteral("12345678"));
  EXPECT_EQ(d.dialog->edL->text(), QStringLiteral("1234567"));
}

TEST(TfParIzol, InsulationLinesFollowTheDiameterAndKeepTheChoice) {
  Dialog d(kPipelineObject);
  d.ByHand();
  EXPECT_EQ(d.Lines(), (QStringList{"KALDERON Vardo", "KALDERON Vardo AL"}));
  d.dialog->ed1->setText(QStringLiteral("6"));
  d.dialog->cbD->setCurrentText(QStringLiteral("25"));
  EXPECT_EQ(d.Lines().size(), 5);
  d.dialog->cb2->setCurrentText(QStringLiteral("KALDERON Vardo AL"));
  d.dialog->cbD->setCurrentText(QStringLiteral("40"));
  EXPECT_EQ(d.Lines(), (QStringList{"KALDERON Vardo", "KALDERON Vardo AL"}));
  EXPECT_EQ(d.dialog->cb2->currentText(), QStringLiteral("KALDERON Vardo AL"));
}

TEST(TfParIzol, RefusalKeepsTheDialogOpenAndFocusesTheField) {
  Dialog d(kTankObject);
  d.dialog->show();
  QApplication::setActiveWindow(d.dialog.get());
  d.ByHand();
  d.dialog->edN->setText(QStringLiteral("ЁМКОСТЬ"));
  d.dialog->RGN->button(2)->setChecked(true);
  d.dialog->RGR->button(1)->setChecked(true);
  d.dialog->cbD->setCurrentText(QStringLiteral("1200"));
  d.dialog->ed1->setText(QStringLiteral("40"));
  d.dialog->buttons.bbOK->click();
  ASSERT_EQ(d.messages.RaisedErrors.size(), 1u);
  EXPECT_EQ(d.messages.RaisedErrors[0], "Укажите параметр \"Высота\" !");
  EXPECT_TRUE(d.dialog->isVisible());
  EXPECT_TRUE(d.dialog->edH->hasFocus());
  EXPECT_EQ(d.params.ThicknessMm, kObjectCancelled);

  d.dialog->edH->setText(QStringLiteral("2500"));
  d.dialog->cb2->setCurrentIndex(1);
  d.dialog->cb3->setCurrentIndex(0);
  d.dialog->buttons.bbOK->click();
  EXPECT_FALSE(d.dialog->isVisible());
  EXPECT_EQ(d.params.Purpose, "ТВ П");
  EXPECT_EQ(d.params.HeightMm, 2500);
  EXPECT_EQ(d.params.InsulationType, "KALDERON Vardo AL");
}

TEST(TfParIzol, LeavingTheHandEntryForgetsPurposeAndLocation) {
  Dialog d(kPipelineObject);
  d.ByHand();
  d.dialog->RGN->button(0)->setChecked(true);
  QTest::mouseClick(d.dialog->R1, Qt::LeftButton);
  EXPECT_EQ(d.dialog->RGN->checkedId(), -1);
  EXPECT_FALSE(d.dialog->cb3->isEnabled());
}

TEST(TfParIzol, ReEditOffersNoCalculation) {
  Dialog d(kPipelineObject);
  ObjectEntry entry;
  entry.Name = "Т1";
  entry.SizeText = "57";
  entry.LengthText = "12,5";
  entry.ThicknessText = "13";
  entry.InsulationType = "KALDERON Vardo";
  entry.CoveringType = "PELLORIT AL";
  entry.PurposeItem = 3;
  entry.LocationItem = 1;
  d.dialog->PresetForReEdit(entry);
  EXPECT_FALSE(d.dialog->R1->isEnabled());
  EXPECT_TRUE(d.dialog->R2->isChecked());
  EXPECT_TRUE(d.dialog->cbD->isEnabled());
  EXPECT_EQ(d.dialog->cb3->currentText(), QStringLiteral("PELLORIT AL"));
  EXPECT_EQ(d.dialog->RGN->checkedId(), 3);
  d.dialog->buttons.bbOK->click();
  EXPECT_EQ(d.params.LengthM, 12.5);
  EXPECT_EQ(d.params.Purpose, "СТ П");
}

}  // namespace
}  // namespace ovalto
