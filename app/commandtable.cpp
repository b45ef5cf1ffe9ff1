#include "commandtable.h"

namespace orbista {

namespace {

ScreenCommand label(const char* item, const char* caption, Category c, const char* control,
                    const char* screen, const char* screenCaption, bool hourglass = false,
                    const char* panelCaption = nullptr) {
    return {QString::fromUtf8(item),
            QString::fromUtf8(caption),
            c,
            QString::fromUtf8(control),
            QString::fromUtf8(panelCaption ? panelCaption : caption),
            {},
            QString::fromUtf8(screen),
            QString::fromUtf8(screenCaption),
            hourglass,
            false};
}

ScreenCommand button(const char* item, const char* caption, Category c, const char* control,
                     const char* buttonCaption, const char* hint, const char* screen,
                     const char* screenCaption) {
    return {QString::fromUtf8(item),
            QString::fromUtf8(caption),
            c,
            QString::fromUtf8(control),
            QString::fromUtf8(buttonCaption),
            QString::fromUtf8(hint ? hint : buttonCaption),
            QString::fromUtf8(screen),
            QString::fromUtf8(screenCaption),
            false,
            false};
}

QList<ScreenCommand> buildTable() {
    using C = Category;
    QList<ScreenCommand> t = {
        label("N35", "处方非处方费用统计", C::Outpatient, "Label16", "Tcf_form",
              "处方非处方费用统计"),
        label("N37", "门诊退款查询", C::Outpatient, "Label14", "Tfrmmz_query_cost_tk",
              "门诊退款查询"),
        label("N38", "门诊挂号信息查询", C::Outpatient, "Label37", "Tfrmmz_query_gh",
              "门诊挂号信息查询"),
        label("N39", "门诊患者费用查询", C::Outpatient, "Label17", "Tfrmmz_query_cost_human",
              "门诊患者费用查询"),
        label("N40", "医生门诊收入查询", C::Outpatient, "Label40", "Tfrmmz_query_cost_doctor",
              "门诊医生收入情况"),
        label("N41", "收款明细查询", C::Outpatient, "Label15", "Tfrmmz_query_recman",
              "本日缴款项记录"),
        label("N42", "收入统计表", C::Outpatient, "Label19", "Tfrmmz_query_cost_total",
              "收入合计统计表"),
        label("N59", "门诊个人收款记录", C::Outpatient, "Label10", "Tfrm_recan_total",
              "门诊个人收款记录"),
        label("N60", "门诊科室费用统计", C::Outpatient, "Label11", "Tfrmmz_depa_query",
              "门诊科室费用统计"),
        label("N61", "门诊医生费用统计", C::Outpatient, "Label12", "Tfrmmz_doctor_query",
              "门诊医生费用查询"),
        label("N63", "门诊费用一日清单", C::Outpatient, "Label18", "Tfrmmz_yrqd",
              "门诊费用一日清单"),

        button("N9", "门诊销售统计", C::Pharmacy, "SpeedButton2", "门诊销售", nullptr,
               "Tfrm_yfxs_query", "门诊药房销售信息查询"),
        button("N15", "住院销售统计", C::Pharmacy, "SpeedButton1", "住院销售", nullptr,
               "Tfrm_zyfy_total", "住院药房销售信息查询"),
        button("N51", "药房库存量查询窗口", C::Pharmacy, "SpeedButton3", "药房库存", nullptr,
               "Tfrmzy_kucuntotal", "库存量查询窗口"),
        button("N56", "药房报损查询", C::Pharmacy, "SpeedButton4", "药房报损", nullptr,
               "Tfrm_yfyp_bsquery", "药房药品报损查询"),

        label("N31", "药品入库统计", C::Warehouse, "Label5", "Tfrm_tj_rkyp", "药品入库统计报表"),
        label("N16", "卫材入库统计", C::Warehouse, "Label6", "Tfrm_tj_rkwc",
              "卫生材料入库统计报表"),
        label("N32", "低值入库统计", C::Warehouse, "Label7", "Tfrm_rk_dzyhp",
              "低值易耗品入库统计报表"),
        label("N8", "药品出库统计", C::Warehouse, "Label22", "Tfrm_tj_zybb", "药品出库统计报表"),
        label("N10", "卫材出库统计", C::Warehouse, "Label1", "Tfrm_tj_ckwc",
              "卫生材料出库统计报表"),
        label("N49", "低值出库统计", C::Warehouse, "Label2", "Tfrm_tj_dzyhp",
              "低值易耗品出库统计报表"),
        button("N58", "库房药品报损", C::Warehouse, "SpeedButton13", "药品报损", nullptr,
               "Tfrm_cx_bs", "查询药品报损单"),
        button("N57", "库房库存量查询", C::Warehouse, "SpeedButton5", "药品库存", "库房库存量查询",
               "Tfrm_cx_bs", "查询药品报损单"),

        label("N19", "在院病人信息查询", C::Inpatient, "Label21", "Tfrmzy_query_inman",
              "在院病人基础信息查询", true),
        label("N20", "病人出院信息查询", C::Inpatient, "Label25", "Tfrmzy_query_out",
              "出院情况查询", true),
        label("N25", "病人费用上锁查询", C::Inpatient, "Label23", "Tfrmzy_query_lock",
              "费用上锁查询", true),
        label("N26", "病人费用解锁查询", C::Inpatient, "Label26", "Tfrmzy_query_unlock",
              "费用解锁查询", true),
        label("N27", "病人转科查询", C::Inpatient, "Label24", "Tfrmzy_query_changedepa",
              "住院转科查询", true),
        label("N21", "住院病人费用查询", C::Inpatient, "Label27", "Tfrmzy_query_fyinman",
              "住院病人费用查询", true),
        label("N22", "科室费用查询", C::Inpatient, "Label29", "Tfrmzy_query_fydepa",
              "按照科室进行费用查询", true),
        label("N23", "医生费用查询", C::Inpatient, "Label30", "Tfrmzy_query_fydoctor",
              "医生收入查询", true),
        label("N24", "住院病人预交款查询", C::Inpatient, "Label33", "Tfrmzy_query_yjk",
              "预交款查询", true),
        label("N28", "个人收款记录", C::Inpatient, "Label28", "Tfrmzy_zz", "住院扎帐", true),
        label("N29", "住院部一日清单", C::Inpatient, "Label3", "Tfrmzy_cost_day", "住院部一日清单"),
        label("N30", "住院部收入统计", C::Inpatient, "Label4", "Tfrm_zy_shouru_totalquery",
              "住院收入统计查询"),
        label("N45", "病人住院收入汇总表(总收入)", C::Inpatient, "Label8",
              "Tfrm_zy_br_shouru_sumrep", "病人住院收入汇总(总收入)", true,
              "住院收入汇总表(总收入)"),
        label("N46", "在院病人住院收入月报表", C::Inpatient, "Label9",
              "Tfrm_zy_inbr_shouru_monthrep", "在院病人住院收入月报表", true),
        label("N64", "出院病人住院收入日报表", C::Inpatient, "Label31",
              "Tfrm_zy_outbr_shouru_dayrep", "出院病人住院收入报表", true),
        label("N65", "出院病人冲销在院医药费月报表", C::Inpatient, "Label32",
              "Tfrm_zy_outbr_shouru_monthrep", "出院病人冲销在院医药费月报表", true),

        button("N17", "处方逐日消耗表", C::Finance, "SpeedButton14", "处方消耗", nullptr,
               "Tfrm_xiao_hao", "处方消耗表"),
        button("N18", "医院工作明细表", C::Finance, "SpeedButton12", "工作明细", nullptr,
               "Tfrm_pr_work", "工作明细统计窗口"),
        button("N33", "住院部门收入统计", C::Finance, "SpeedButton8", "住院部收入", nullptr,
               "Tfrm_zybu_total", "住院部门收入统计"),
        // The two "医生收入" buttons: SpeedButton11 sits under "门诊部收入" but opens the
        // inpatient statistics, SpeedButton10 sits under "住院部收入" and opens the
        // outpatient ones; their hints say the opposite of what they open.
        button("N34", "住院医生收入统计", C::Finance, "SpeedButton11", "医生收入",
               "门诊医生收入统计", "Tfrm_zydoctor_total", "住院医生收入统计"),
        button("N44", "门诊部门收入统计", C::Finance, "SpeedButton9", "门诊部收入", nullptr,
               "TForm2", "门诊部门统计"),
        button("N47", "门诊医生收入统计", C::Finance, "SpeedButton10", "医生收入",
               "住院医生收入统计", "TForm3", "门诊医生统计"),
    };
    for (ScreenCommand& c : t) {
        if (c.menuItem == u"N18") {
            c.menuHidden = true;
        }
    }
    return t;
}

}  // namespace

const QList<ScreenCommand>& screenCommands() {
    static const QList<ScreenCommand> table = buildTable();
    return table;
}

const ScreenCommand* findCommand(const QString& menuItem) {
    for (const ScreenCommand& c : screenCommands()) {
        if (c.menuItem == menuItem) {
            return &c;
        }
    }
    return nullptr;
}

QString categoryButtonName(Category c) {
    switch (c) {
        case Category::Outpatient:
            return QStringLiteral("BitBtn1");
        case Category::Pharmacy:
            return QStringLiteral("BitBtn3");
        case Category::Warehouse:
            return QStringLiteral("BitBtn4");
        case Category::Inpatient:
            return QStringLiteral("BitBtn5");
        case Category::Finance:
            return QStringLiteral("BitBtn6");
    }
    return {};
}

QString categoryCaption(Category c) {
    switch (c) {
        case Category::Outpatient:
            return QStringLiteral("门诊信息查询");
        case Category::Pharmacy:
            return QStringLiteral("药房信息查询");
        case Category::Warehouse:
            return QStringLiteral("库房信息查询");
        case Category::Inpatient:
            return QStringLiteral("住院信息查询");
        case Category::Finance:
            return QStringLiteral("财务报表");
    }
    return {};
}

QString categoryPanelName(Category c) {
    switch (c) {
        case Category::Outpatient:
            return QStringLiteral("Panel7");
        case Category::Pharmacy:
            return QStringLiteral("Panel3");
        case Category::Warehouse:
            return QStringLiteral("Panel6");
        case Category::Inpatient:
            return QStringLiteral("Panel4");
        case Category::Finance:
            return QStringLiteral("Panel1");
    }
    return {};
}

QString categoryMenuTitle(Category c) {
    switch (c) {
        case Category::Outpatient:
            return QStringLiteral("【门诊信息查询&M】");
        case Category::Pharmacy:
            return QStringLiteral("【药房信息查询】");
        case Category::Warehouse:
            return QStringLiteral("【库房信息查询&K】");
        case Category::Inpatient:
            return QStringLiteral("【住院信息查询&Z】");
        case Category::Finance:
            return QStringLiteral("【财务报表&F】");
    }
    return {};
}

}  // namespace orbista
