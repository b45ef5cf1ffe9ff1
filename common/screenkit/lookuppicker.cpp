#include "lookuppicker.h"

#include "codeentry.h"
#include "database.h"
#include "queryscreen.h"
#include "resultgrid.h"
#include "textroutines.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

namespace orbista {

struct LookupPicker::Box {
    Kind kind;
    QRadioButton* mode;
    QLineEdit* code;
    QLineEdit* name;
};

namespace {

const QString kDrugColumns = QStringLiteral("select pym,code,gg,bigtype,type,name from data_yp_x");

}  // namespace

QString LookupPicker::allStatement(Kind kind, const QString& drugKindFilter) {
    switch (kind) {
        case Kind::Department:
            return QStringLiteral("select code,name from data_depa");
        case Kind::Doctor:
            return QStringLiteral("select code,name,depa from data_doctor");
        case Kind::Drug:
            break;
    }
    return kDrugColumns + QStringLiteral(" \n where") + drugKindFilter;
}

QString LookupPicker::narrowStatement(Kind kind, const QString& drugKindFilter) {
    // The typed prefix is bound, its wildcards escaped with "\".
    switch (kind) {
        case Kind::Department:
            return QStringLiteral(
                "select code,name from data_depa where code like :a1 escape '\\' order by code");
        case Kind::Doctor:
            return QStringLiteral(
                "select code,name,depa from data_doctor where code like :a1 escape '\\' order "
                "by code");
        case Kind::Drug:
            break;
    }
    return kDrugColumns + QStringLiteral(" where  pym like :a1 escape '\\'\n and") +
           drugKindFilter + QStringLiteral("\n order by pym");
}

QString LookupPicker::drugByCodeStatement(const QString& drugKindFilter) {
    return kDrugColumns + QStringLiteral("\nwhere  code=:a1\n and") + drugKindFilter;
}

QStringList LookupPicker::statements() {
    QStringList all;
    for (const QString& pharmacy : {QStringLiteral("一门诊西药房"), QStringLiteral("一门诊中药房"),
                                    QStringLiteral("三门诊药房"), QStringLiteral("门诊药房")}) {
        const QString filter = drugKindFilterOf(pharmacy);
        for (Kind kind : {Kind::Department, Kind::Doctor, Kind::Drug}) {
            all << allStatement(kind, filter) << narrowStatement(kind, filter);
        }
        all << drugByCodeStatement(filter);
    }
    all.removeDuplicates();
    return all;
}

LookupPicker::LookupPicker(QueryScreen* screen, Database& db, ResultGrid* grid,
                           QAbstractButton* queryButton)
    : QObject(screen), screen_(screen), db_(db), grid_(grid), queryButton_(queryButton) {
    grid_->setObjectName(QStringLiteral("dgrid"));
    grid_->installEventFilter(this);
    connect(grid_, &ResultGrid::doubleClicked, this, [this] { gridDoubleClick(); });
}

LookupPicker::~LookupPicker() {
    if (grid_) {
        grid_->unbind();
    }
}

QString LookupPicker::drugKindFilterOf(const QString& pharmacyItem) {
    if (pharmacyItem == u"一门诊西药房" || pharmacyItem == u"二门诊西药房") {
        return QStringLiteral(" yp_style not like'20%'");
    }
    if (pharmacyItem == u"一门诊中药房" || pharmacyItem == u"二门诊中药房") {
        return QStringLiteral(" yp_style not like'01%'");
    }
    if (pharmacyItem == u"三门诊药房") {
        return QStringLiteral(" yp_style not like'&*%'");
    }
    return QStringLiteral(" yp_style like '%'");
}

void LookupPicker::addBox(Kind kind, QRadioButton* mode, QLineEdit* code, QLineEdit* name) {
    boxes_.push_back(std::make_unique<Box>(Box{kind, mode, code, name}));
    code->installEventFilter(this);
    connect(code, &QLineEdit::textChanged, this, [this, kind] {
        if (!filling_) {
            narrow(kind);
        }
    });
}

LookupPicker::Box* LookupPicker::box(Kind kind) {
    for (auto& b : boxes_) {
        if (b->kind == kind) {
            return b.get();
        }
    }
    return nullptr;
}

LookupPicker::Box* LookupPicker::boxOf(QObject* widget) {
    for (auto& b : boxes_) {
        if (b->code == widget) {
            return b.get();
        }
    }
    return nullptr;
}

void LookupPicker::open(const QString& sql, const QString& prefix, bool withPrefix) {
    close();
    Params params;
    if (withPrefix) {
        params.append({QStringLiteral(":a1"), likePrefix(prefix)});
    }
    candidates_ = db_.query(sql, params);
    grid_->bind(candidates_.get());
}

void LookupPicker::close() {
    grid_->unbind();
    candidates_.reset();
}

void LookupPicker::enterBox(Kind kind) {
    Box* b = box(kind);
    selected_ = kind;
    filling_ = true;
    b->code->clear();
    b->name->clear();
    filling_ = false;
    b->mode->setChecked(true);
    screen_->guarded([this, kind] {
        open(allStatement(kind, drugKindFilter_));
        if (candidates_->isEmpty()) {
            close();
            screen_->simpleMessage(kind == Kind::Doctor
                                       ? QStringLiteral("数据库中没有符合条件的数据！")
                                       : QStringLiteral("数据库中没有符合条件的数据数据！"));
            return;
        }
        grid_->show();
    });
}

void LookupPicker::narrow(Kind kind) {
    Box* b = box(kind);
    const QString typed = b->code->text();
    screen_->guarded(
        [this, kind, typed] { open(narrowStatement(kind, drugKindFilter_), typed, true); });
}

void LookupPicker::pick(bool reloadDrugByCode) {
    Box* b = box(selected_);
    if (!b || !candidates_ || candidates_->isEmpty() || candidates_->currentRow() < 0) {
        return;
    }
    const bool ok = screen_->guarded([this, b, reloadDrugByCode] {
        if (selected_ == Kind::Drug) {
            const QString code = candidates_->text(u"code");
            const QString pym = candidates_->text(u"pym");
            const QString name = candidates_->text(u"name");
            b->code->setText(pym);  // narrows the picker again, as typing would
            b->name->setText(name);
            if (reloadDrugByCode) {
                // The picker then holds exactly the picked drug.
                close();
                candidates_ = db_.query(
                    kDrugColumns + QStringLiteral("\nwhere  code=:a1\n and") + drugKindFilter_,
                    {{":a1", code}});
                grid_->bind(candidates_.get());
            } else {
                close();
            }
        } else {
            const QString code = candidates_->text(u"code");
            const QString name = candidates_->text(u"name");
            filling_ = true;
            b->code->setText(code);
            filling_ = false;
            b->name->setText(name);
            if (!reloadDrugByCode) {
                close();
            }
        }
    });
    if (ok) {
        grid_->hide();
        queryButton_->click();
    }
}

void LookupPicker::gridEnter() {
    pick(true);
}

void LookupPicker::gridDoubleClick() {
    pick(false);
}

bool LookupPicker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (Box* b = boxOf(watched)) {
            enterBox(b->kind);
        }
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (watched == grid_ && enter) {
            gridEnter();
            return true;
        }
        Box* b = boxOf(watched);
        if (b && b->kind != Kind::Drug) {
            // The text before the key takes effect must be a number.
            if (!b->code->text().isEmpty() && !isDecimalNumericText(b->code->text())) {
                screen_->message(QStringLiteral("录入为非法数值！"),
                                 QStringLiteral("系统错误提示："), PromptIcon::Question);
                b->code->clear();
                return true;
            }
            if (enter) {
                const bool rows = candidates_ && !candidates_->isEmpty();
                if (b->kind == Kind::Department || rows) {
                    grid_->setFocus();
                }
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace orbista
