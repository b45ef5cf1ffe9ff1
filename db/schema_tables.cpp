// The tables of the shared hospital database that the finance client reads. Table and column
// names are the hospital's own and must stay exactly as spelled here (mz_total.toatl included).
// Columns marked ours() are our design: the desks that fill those tables leave them open.

#include "schema.h"

namespace orbista::schema {

namespace {

ColumnDef column(const char* name, ColumnType type, int size = 0, int scale = 0) {
    return ColumnDef{QString::fromLatin1(name), type, size, scale, false};
}
ColumnDef varchar(const char* name, int size) {
    return column(name, ColumnType::Varchar, size);
}
ColumnDef fixed(const char* name, int size) {
    return column(name, ColumnType::Char, size);
}
ColumnDef integer(const char* name) {
    return column(name, ColumnType::Int);
}
ColumnDef smallint(const char* name) {
    return column(name, ColumnType::SmallInt);
}
ColumnDef bit(const char* name) {
    return column(name, ColumnType::Bit);
}
ColumnDef money(const char* name) {
    return column(name, ColumnType::Money);
}
// The "decimal" amounts of the pharmacy and warehouse desks: 19 digits like money.
ColumnDef decimal(const char* name) {
    return column(name, ColumnType::Decimal, 19, 4);
}
ColumnDef numeric(const char* name, int precision, int scale) {
    return column(name, ColumnType::Numeric, precision, scale);
}
ColumnDef datetime(const char* name) {
    return column(name, ColumnType::DateTime);
}
ColumnDef identity(const char* name) {
    return column(name, ColumnType::Identity);
}
ColumnDef ours(ColumnDef def) {
    def.ours = true;
    return def;
}

// One-column indexes on the date, code and name columns the screens filter by.
QList<QStringList> indexesOn(std::initializer_list<const char*> columns) {
    QList<QStringList> result;
    for (const char* name : columns) {
        result.append(QStringList{QString::fromLatin1(name)});
    }
    return result;
}

QList<TableDef> referenceTables() {
    return {
        {"data_oper",
         {varchar("code", 20), varchar("name", 20), varchar("pass", 20), varchar("grade", 20)},
         indexesOn({"code"})},
        {"data_xtconfig", {varchar("neirong", 100)}, {}},
        {"data_depa", {varchar("code", 20), varchar("name", 20)}, indexesOn({"code"})},
        {"data_doctor",
         {identity("id"), varchar("code", 20), varchar("name", 20), varchar("depa", 20),
          varchar("recman", 20)},
         indexesOn({"code"})},
        {"data_yp_x",
         {identity("id"), varchar("code", 20), varchar("name", 80), varchar("pym", 10),
          varchar("address", 20), varchar("gg", 20), varchar("bigtype", 20), varchar("type", 20),
          varchar("bigunit", 10), fixed("unit", 10), integer("num"), money("pfprice"),
          money("lsprice"), varchar("recman", 10), varchar("style", 2), varchar("ypunit", 10),
          varchar("danwei", 10), fixed("yp_style", 2),
          // Special-drug class for the monthly sales statements: "麻醉", "精神", "毒性",
          // "贵重自费", or empty for an ordinary drug.
          ours(varchar("tsyp", 10))},
         indexesOn({"pym", "code"})},
        {"data_ypbigtype", {varchar("code", 20), varchar("name", 20)}, {}},
        {"data_ypbigtype_z", {varchar("code", 20), varchar("name", 20)}, {}},
        {"data_add_x", {varchar("code", 20), varchar("name", 20)}, {}},
        {"data_add_z", {varchar("code", 20), varchar("name", 20)}, {}},
        // The outpatient fee item list, as the charging desk keeps it; only its rows count.
        {"data_fy_mz",
         {ours(identity("id")), ours(varchar("code", 20)), ours(varchar("name", 50)),
          ours(varchar("pym", 10)), ours(varchar("unit", 10)), ours(money("price")),
          ours(varchar("bigtype", 20)), ours(fixed("style", 2))},
         {}},
    };
}

QList<TableDef> outpatientTables() {
    return {
        {"mz_cost",
         {identity("id"), varchar("code", 20), datetime("fydate"), varchar("fycode", 20),
          varchar("fyname", 50), money("fyprice"), varchar("fydepa", 20), varchar("fydoctor", 20),
          varchar("jzman", 20), datetime("zdate"), varchar("zman", 10), varchar("bz", 2),
          varchar("depa", 2), varchar("type_flag", 1), varchar("bigtype", 2), varchar("style", 2),
          varchar("cfno", 10), fixed("tk_flag", 1),
          // Goods kind of a drug or material charge (the yp_style coding of data_yp_x),
          // empty for services: the pharmacy sales totals split by it.
          ours(fixed("yp_style", 2)),
          // Payer class as the cashier chose it: "普通", "公费" or another; the
          // prescription consumption table splits by it.
          ours(varchar("yltype", 10))},
         indexesOn({"fydate", "fydoctor", "fydepa", "jzman", "code", "fycode"})},
        {"mz_gh",
         {identity("id"), datetime("indate"), varchar("recman", 20), varchar("code", 20),
          varchar("name", 20), varchar("indepa", 20), varchar("indoctor", 20),
          varchar("ghtype", 20), money("price")},
         indexesOn({"indate", "code"})},
        {"mz_tk",
         {varchar("code", 20), datetime("fydate"), varchar("reason", 50), varchar("fycode", 20),
          varchar("fyname", 50), money("fyprice"), varchar("fydepa", 20), varchar("fydoctor", 20),
          varchar("jzman", 20)},
         indexesOn({"fycode"})},
        {"mz_ypout_x",
         {identity("id"), varchar("code", 20), datetime("fydate"), varchar("fycode", 20),
          varchar("fybigtype", 20), varchar("fyname", 50), money("fyprice"), integer("fynum"),
          varchar("fydepa", 20), varchar("fydoctor", 20), varchar("outman", 20), fixed("depa", 2),
          fixed("style", 2), fixed("yp_style", 2), fixed("chu_flag", 2), integer("flag"),
          datetime("outdate"), smallint("fushu"), varchar("gg", 20)},
         indexesOn({"fydate"})},
        {"mz_xy_hj",
         {identity("id"),          varchar("code", 50),      datetime("fydate"),
          fixed("fycode", 7),      varchar("fybigtype", 20), varchar("fyname", 50),
          money("fyprice"),        integer("fynum"),         varchar("fydepa", 20),
          varchar("fydoctor", 20), varchar("jzman", 20),     fixed("style", 2),
          fixed("flag", 2),        fixed("depa", 2),         fixed("yp_style", 2),
          fixed("chu_flag", 2),    varchar("xzflag", 10),    integer("dz_flag"),
          bit("fy_flag"),          smallint("fushu"),        varchar("gg", 20)},
         indexesOn({"fydate"})},
        // The income statistics' scratch table. The screens bind name as 20 wide, but it
        // receives an fyname, which is 50 wide.
        {"mz_total", {identity("id"), varchar("name", 50), money("toatl")}, {}},
    };
}

QList<TableDef> inpatientTables() {
    return {
        {"zy_in",
         {varchar("code", 20),    datetime("indate"),       varchar("name", 8),
          varchar("sex", 2),      varchar("marry", 8),      varchar("zhiye", 20),
          varchar("nation", 10),  varchar("address", 50),   varchar("workdept", 50),
          varchar("indepa", 20),  varchar("doctor", 8),     varchar("zhendan", 50),
          varchar("binqing", 10), varchar("yltype", 10),    varchar("lxr", 8),
          varchar("tel", 50),     varchar("cwh", 30),       varchar("status1", 10),
          varchar("status2", 20), varchar("in_out", 5),     varchar("recman", 20),
          datetime("rectime"),    varchar("bingli_no", 15), numeric("age", 8, 2)},
         indexesOn({"code", "in_out"})},
        {"zy_out",
         {varchar("code", 20), datetime("outdate"), varchar("outdepa", 20),
          varchar("outthing", 10)},
         indexesOn({"code", "outdate"})},
        {"zy_cost",
         {varchar("code", 20), datetime("fydate"), varchar("fycode", 20), varchar("fybigtype", 30),
          varchar("fyname", 50), integer("fynum"), money("fyprice"), varchar("fydepa", 20),
          varchar("fydoctor", 20), varchar("recman", 20), varchar("jzcode", 20), datetime("jzdate"),
          varchar("jzman", 20), varchar("jztype", 50), varchar("jzmemo", 50),
          varchar("fystatus", 10), varchar("cfcode", 20), varchar("ypcode", 20),
          fixed("cf_type", 1), fixed("jz_flag", 1), varchar("memo", 50), varchar("gdbz", 1),
          // Goods kind of a drug or material line, as on mz_cost: the inpatient pharmacy
          // sales totals split by it.
          ours(fixed("yp_style", 2))},
         indexesOn({"code", "fydate", "jzdate"})},
        {"zy_yjk",
         {varchar("code", 20), varchar("num", 20), datetime("indate"), varchar("type", 10),
          varchar("typememo", 30), money("price"), varchar("memo", 50), varchar("recman", 20)},
         indexesOn({"code", "indate"})},
        {"zy_lock",
         {varchar("code", 20), datetime("lockdate"), varchar("lockmemo", 50),
          varchar("recman", 20)},
         {}},
        {"zy_unlock",
         {varchar("code", 20), datetime("unlockdate"), varchar("unlockmemo", 50),
          varchar("recman", 20)},
         {}},
        {"zy_changedepa",
         {datetime("changedate"), varchar("code", 20), varchar("olddepa", 20),
          varchar("newdepa", 20), varchar("recman", 20)},
         {}},
        // The inpatient pharmacy's lines carry the same columns as the outpatient ones; the
        // desks name only the first eleven.
        {"zy_ypout_x",
         {identity("id"), varchar("code", 20), datetime("fydate"), varchar("fycode", 20),
          varchar("fybigtype", 20), varchar("fyname", 50), money("fyprice"), integer("fynum"),
          varchar("fydepa", 20), varchar("fydoctor", 20), varchar("outman", 20),
          ours(fixed("depa", 2)), ours(fixed("style", 2)), ours(fixed("yp_style", 2)),
          ours(fixed("chu_flag", 2)), ours(integer("flag")), ours(datetime("outdate")),
          ours(smallint("fushu")), ours(varchar("gg", 20))},
         {}},
    };
}

QList<TableDef> pharmacyTables() {
    return {
        {"yf_kucun_total",
         {varchar("ypcode", 20), fixed("depa", 2), integer("total_num"), integer("alarm_num")},
         {QStringList{"depa", "ypcode"}}},
        {"yf_bs",
         {fixed("style", 2), fixed("depa", 2), datetime("bsdate"), varchar("ypcode", 20),
          varchar("pinming", 80), varchar("danwei", 10), varchar("guige", 20), integer("num"),
          decimal("lsprice"), decimal("pfprice"), varchar("ph", 30), varchar("address", 20),
          integer("ypyxq"), varchar("ypbigtype", 20), varchar("yptype", 20),
          varchar("bs_reason", 50), varchar("recman", 10), varchar("pym", 10),
          fixed("yp_style", 2)},
         indexesOn({"bsdate"})},
        {"yf_pc",
         {fixed("style", 2), fixed("depa", 2), varchar("ypbigtype", 20), varchar("ypcode", 20),
          varchar("ypname", 80), varchar("ypunit", 10), varchar("ypgg", 20), varchar("ph", 30),
          varchar("address", 20), integer("ypyxq"), integer("zmcount"), integer("pccount"),
          decimal("lsprice"), decimal("pfprice"), datetime("pcdate"), varchar("memo", 255),
          varchar("recman", 10), varchar("pym", 10), fixed("status", 1)},
         indexesOn({"pcdate"})},
        // The inpatient settlement desk's closing log: one row per closing.
        {"yf_zzdate",
         {ours(identity("id")), ours(datetime("zzdate")), ours(varchar("recman", 20))},
         {}},
    };
}

QList<TableDef> warehouseTables() {
    return {
        // Receipt lines: one row per drug and batch received into the warehouse under a
        // receipt voucher. The goods style is ypstyle here, without the underscore.
        {"yp_xy_in",
         {ours(identity("id")),         ours(datetime("rkdate")),    ours(varchar("rkcode", 20)),
          ours(varchar("ypcode", 20)),  ours(varchar("ypname", 80)), ours(varchar("yppym", 20)),
          ours(varchar("ypgg", 20)),    ours(varchar("ypunit", 10)), varchar("ypbigtype", 30),
          varchar("yptype", 30),        fixed("ypstyle", 2),         ours(integer("num")),
          ours(money("pfprice")),       ours(money("lsprice")),      ours(money("pfmoney")),
          ours(money("lsmoney")),       ours(varchar("ph", 30)),     ours(integer("ypyxq")),
          ours(varchar("address", 30)), ours(varchar("ghdw", 50)),   ours(varchar("recman", 20))},
         indexesOn({"rkdate"})},
        // Issue lines: one row per drug and batch issued to a receiving department or
        // pharmacy (depa_code is a data_depa code or a pharmacy code such as "01").
        {"yp_xy_out",
         {ours(identity("id")),           ours(datetime("ckdate")),
          ours(varchar("ckcode", 20)),    ours(varchar("depa_code", 20)),
          ours(varchar("depa_name", 30)), ours(varchar("ypcode", 20)),
          ours(varchar("ypname", 80)),    ours(varchar("yppym", 20)),
          ours(varchar("ypgg", 20)),      ours(varchar("ypunit", 10)),
          varchar("ypbigtype", 30),       varchar("yptype", 30),
          fixed("yp_style", 2),           ours(integer("num")),
          ours(money("pfprice")),         ours(money("lsprice")),
          ours(money("pfmoney")),         ours(money("lsmoney")),
          ours(varchar("ph", 30)),        ours(integer("ypyxq")),
          ours(varchar("address", 30)),   ours(varchar("recman", 20))},
         indexesOn({"ckdate"})},
        {"yp_bs",
         {varchar("bsdate", 10), varchar("ypcode", 20), varchar("yppym", 50), varchar("ypname", 60),
          varchar("ypgg", 20), varchar("ypunit", 10), varchar("ypbigtype", 30),
          varchar("ypstyle", 2), decimal("price"), integer("number"), varchar("ph", 30),
          varchar("address", 30), varchar("reason", 255), varchar("sale", 50),
          varchar("recman", 20)},
         indexesOn({"bsdate"})},
        {"yp_tj_pd",
         {fixed("depa", 2),      datetime("pd_date"),   fixed("yp_style", 2),
          varchar("ypcode", 20), varchar("pym", 20),    varchar("pinming", 80),
          varchar("guige", 20),  varchar("danwei", 10), varchar("ypbigtype", 20),
          varchar("yptype", 20), integer("num"),        decimal("p_oldprice"),
          decimal("p_oldjine"),  decimal("p_newprice"), decimal("p_newjine"),
          decimal("p_zen"),      decimal("p_jian"),     decimal("l_oldprice"),
          decimal("l_oldjine"),  decimal("l_newprice"), decimal("l_newjine"),
          decimal("l_zen"),      decimal("l_jian"),     decimal("j_zen"),
          decimal("j_jian")},
         indexesOn({"pd_date"})},
    };
}

QList<TableDef> buildModel() {
    QList<TableDef> model = referenceTables();
    model += outpatientTables();
    model += inpatientTables();
    model += pharmacyTables();
    model += warehouseTables();
    return model;
}

}  // namespace

const QList<TableDef>& tables() {
    static const QList<TableDef> model = buildModel();
    return model;
}

const QStringList& serverProcedures() {
    static const QStringList names{
        // outpatient and financial reports
        "mz_fenlei_total", "mz_ypout_query", "pr_chufa_xiao", "pr_work",
        // inpatient
        "pr_zybr_shouru_rep", "zy_depa_price", "zy_fydoctor_price", "zy_out_feiyon", "zy_zz",
        // pharmacy
        "mzfy_query", "zy_fy_query", "pr_yfpc_rep", "pr_xy_tj1", "pr_xy_tj2", "pr_zy_tj1",
        "pr_zy_tj2",
        // warehouse
        "yk_tj_ckyp", "yk_tj_rkyp", "yk_tj_ckwc", "yk_tj_rkwc"};
    return names;
}

}  // namespace orbista::schema
