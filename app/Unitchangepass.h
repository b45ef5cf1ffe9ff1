#pragma once

#include <QDialog>

class QLineEdit;

namespace orbista {

class Database;

// Password change of the logged-in operator. The new password is stored exactly as typed,
// as a bound value.
class Tfrmchangepass : public QDialog {
    Q_OBJECT
  public:
    explicit Tfrmchangepass(Database& db, QWidget* owner = nullptr);

    void FormActivate();
    void bitbtnsaveClick();
    void Edit4Enter();  // Enter in the old-password box
    // The statement texts sent, for the T-SQL syntax check.
    static QStringList statements();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    bool oldPasswordMatches();

    Database& db_;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
};

}  // namespace orbista
