#include "Unit_about.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbista {

TfrmAboutBox::TfrmAboutBox(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmAboutBox"));
    setWindowTitle(QStringLiteral("关于"));
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    panel->setPalette(pal);
    auto* lines = new QVBoxLayout(panel);
    auto* company = new QLabel(QStringLiteral("奥比斯塔医疗信息技术有限公司"), panel);
    company->setStyleSheet(QStringLiteral("font-size: 20px; font-weight: bold;"));
    lines->addWidget(company);
    lines->addWidget(new QLabel(QStringLiteral("地址：本院信息科"), panel));
    lines->addWidget(new QLabel(QStringLiteral("电话：信息科值班电话  财务科内线"), panel));
    lines->addWidget(new QLabel(QStringLiteral("网址：本院内网信息科主页"), panel));
    lines->addWidget(
        new QLabel(QStringLiteral("版权所有 2025-2026 orbista-finance 开发组"), panel));
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

}  // namespace orbista
