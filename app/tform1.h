// The main window: three input fields, the compute and exit buttons, the
// result labels and the picture of the profile. Its controls, their
// geometry, fonts, colours and recorded texts come from tform1.ui.
#pragma once

#include <memory>

#include "app/form_window.h"

namespace Ui {
class TForm1;
}

namespace parcyl {

class Application;
class FormLabel;
enum class ResultLabel;

class TForm1 : public FormWindow {
  Q_OBJECT

 public:
  // Builds the window hidden, with the texts it shows when it first opens.
  explicit TForm1(Application& owner);
  ~TForm1() override;

  // The compute command: the calculation on the three fields. Whatever error
  // ends it goes to the application's error dialog from here. The sender is
  // the clicked button, and neither handler needs it.
  void Button1Click(QObject* sender);
  // The exit command: closes the window, which ends the program.
  void Button2Click(QObject* sender);

 private:
  class LabelsView;

  FormLabel* ResultLabelControl(ResultLabel label) const;

  Application& owner_;
  std::unique_ptr<Ui::TForm1> ui_;
};

}  // namespace parcyl
