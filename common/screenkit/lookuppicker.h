#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QAbstractButton;
class QLineEdit;
class QRadioButton;

namespace orbista {

class Database;
class QueryScreen;
class ResultGrid;
class ResultSet;

// The drop-down picker of department, doctor and drug codes: entering a code box lists every
// candidate, typing narrows them by prefix, Enter or a double-click in the grid picks one,
// fills the code and name boxes and runs the screen's query.
class LookupPicker : public QObject {
    Q_OBJECT
  public:
    enum class Kind { Department, Doctor, Drug };

    LookupPicker(QueryScreen* screen, Database& db, ResultGrid* grid, QAbstractButton* queryButton);
    ~LookupPicker() override;

    void addBox(Kind kind, QRadioButton* mode, QLineEdit* code, QLineEdit* name);
    // The drug-kind restriction of the chosen pharmacy, e.g. " yp_style not like'20%'".
    void setDrugKindFilter(const QString& fragment) { drugKindFilter_ = fragment; }
    static QString drugKindFilterOf(const QString& pharmacyItem);

    static QString allStatement(Kind kind, const QString& drugKindFilter);
    static QString narrowStatement(Kind kind, const QString& drugKindFilter);
    static QString drugByCodeStatement(const QString& drugKindFilter);
    // The statement texts sent, for the T-SQL syntax check.
    static QStringList statements();

    // The candidates now in the grid; nullptr when the picker query is closed.
    ResultSet* candidates() const { return candidates_.get(); }
    Kind selectedKind() const { return selected_; }

    // Handlers.
    void enterBox(Kind kind);
    void narrow(Kind kind);
    void gridEnter();
    void gridDoubleClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Box;
    Box* box(Kind kind);
    Box* boxOf(QObject* widget);
    void open(const QString& sql, const QString& prefix = {}, bool withPrefix = false);
    void close();
    void pick(bool reloadDrugByCode);

    QueryScreen* screen_;
    Database& db_;
    QPointer<ResultGrid> grid_;  // a sibling under the screen; may go first
    QAbstractButton* queryButton_;
    QString drugKindFilter_ = QStringLiteral(" yp_style like '%'");
    Kind selected_ = Kind::Department;
    std::unique_ptr<ResultSet> candidates_;
    std::vector<std::unique_ptr<Box>> boxes_;
    bool filling_ = false;
};

}  // namespace orbista
