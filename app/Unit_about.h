#pragma once

#include <QDialog>

namespace orbista {

// The about box: five lines about the maker and an OK button; Enter and Esc close it.
class TfrmAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmAboutBox(QWidget* owner = nullptr);
};

}  // namespace orbista
