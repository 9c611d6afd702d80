#include "app/tform1.h"

#include <string>

#include "app/antenna_diagram.h"
#include "app/application.h"
#include "app/dialog_service.h"
#include "app/qt_text_bridge.h"
#include "calc/calculation.h"
#include "calc/errors.h"
#include "ui_tform1.h"

namespace parcyl {

// Where a calculation writes: the labels of this window, and the
// application's dialogs.
class TForm1::LabelsView : public CalculationView {
 public:
  LabelsView(const TForm1& form, Application& owner) : form_(form), owner_(owner) {}

  void SetLabel(ResultLabel label, std::string text) override {
    form_.ResultLabelControl(label)->SetCaption(ToQString(text));
  }
  void ShowPrompt(std::string_view text) override {
    owner_.Dialogs().ShowPrompt(owner_.Title(), ToQString(text));
  }
  void ShowMathError(std::string_view text) override {
    owner_.Dialogs().ShowMathError(owner_.ExecutableFileName(), ToQString(text));
  }

 private:
  const TForm1& form_;
  Application& owner_;
};

TForm1::TForm1(Application& owner) : owner_(owner), ui_(std::make_unique<Ui::TForm1>()) {
  ui_->setupUi(this);
  FinishLayout();
  ui_->Image1->SetPicture(DrawAntennaDiagram());

  setWindowTitle(QStringLiteral("Расчет антенны 'Антенна QUIRA'"));
  ui_->Label3->SetCaption(QStringLiteral("Для справки нажимайте F1"));
  for (FormLabel* label : {ui_->Label4, ui_->Label5, ui_->Label6, ui_->Label9, ui_->Label10,
                           ui_->Label11, ui_->Label12, ui_->Label13, ui_->Label14, ui_->Label15}) {
    label->SetCaption(QString());
  }
  SetHelpContext(this, 1);

  connect(ui_->Button1, &QPushButton::clicked, this, [this] { Button1Click(ui_->Button1); });
  connect(ui_->Button2, &QPushButton::clicked, this, [this] { Button2Click(ui_->Button2); });
}

TForm1::~TForm1() = default;

FormLabel* TForm1::ResultLabelControl(ResultLabel label) const {
  return ui_->content->findChild<FormLabel*>(ToQString(LabelName(label)),
                                             Qt::FindDirectChildrenOnly);
}

void TForm1::Button1Click(QObject* /*sender*/) {
  // No exception may unwind into Qt's event handling: every error of the
  // command ends here and goes to the one error dialog.
  try {
    const std::string aperture = FromQString(ui_->Edit1->text());
    const std::string width = FromQString(ui_->Edit2->text());
    const std::string frequency = FromQString(ui_->Edit3->text());
    LabelsView view(*this, owner_);
    RunCalculation({aperture, width, frequency}, view);
  } catch (const Exception& error) {
    owner_.ShowException(error);
  } catch (...) {
    owner_.ShowException(Exception(std::string()));
  }
}

void TForm1::Button2Click(QObject* /*sender*/) { close(); }

}  // namespace parcyl
