#pragma once

#include <QRadioButton>

namespace moltherm::gui {

// An option button whose selection belongs to the window's model: a click or its access key
// (Alt and the marked letter) is reported, and the check mark changes only when the model
// says the selection changed.
class OptionButton final : public QRadioButton {
    Q_OBJECT

  public:
    explicit OptionButton(QWidget* parent);

  signals:
    void chosen();
    void accessKeyPressed();

  protected:
    void nextCheckState() override {}
    bool event(QEvent* event) override;
};

}  // namespace moltherm::gui
