#include "referencewriter.h"

namespace orbista::demo {

namespace {

void writeCodeNames(WriterSet& writers, const char* table, const std::vector<CodeName>& rows) {
    TableWriter& out = writers.make(table, {"code", "name"});
    for (const CodeName& row : rows) {
        out.text(row.code).text(row.name).row();
    }
}

void writeStaff(WriterSet& writers, const ReferenceCatalog& catalog) {
    writers.make("data_xtconfig", {"neirong"}).text(catalog.hospital).row();

    TableWriter& departments = writers.make("data_depa", {"code", "name"});
    for (const Department& department : catalog.departments) {
        departments.text(department.code).text(department.name).row();
    }

    const std::string& registrar = catalog.op(catalog.administrators.front()).name;
    TableWriter& doctors = writers.make("data_doctor", {"code", "name", "depa", "recman"});
    for (const Doctor& doctor : catalog.doctors) {
        doctors.text(doctor.code)
            .text(doctor.name)
            .text(catalog.department(doctor.department).code)
            .text(registrar)
            .row();
    }

    TableWriter& operators = writers.make("data_oper", {"code", "name", "pass", "grade"});
    for (const Operator& op : catalog.operators) {
        operators.text(op.code).text(op.name).text(op.pass).text(op.grade).row();
    }
}

void writeDrugs(WriterSet& writers, const ReferenceCatalog& catalog) {
    writeCodeNames(writers, "data_ypbigtype", catalog.westernBigTypes);
    writeCodeNames(writers, "data_ypbigtype_z", catalog.chineseBigTypes);
    writeCodeNames(writers, "data_add_x", catalog.westernOrigins);
    writeCodeNames(writers, "data_add_z", catalog.chineseOrigins);

    const std::string& keeper = catalog.op(catalog.warehouseKeepers.front()).name;
    TableWriter& drugs =
        writers.make("data_yp_x", {"code", "name", "pym", "address", "gg", "bigtype", "type",
                                   "bigunit", "unit", "num", "pfprice", "lsprice", "recman",
                                   "style", "ypunit", "danwei", "yp_style", "tsyp"});
    for (const Drug& drug : catalog.drugs) {
        drugs.text(drug.code)
            .text(drug.name)
            .text(drug.pym)
            .text(drug.origin)
            .text(drug.strength)
            .text(drug.bigType)
            .text(drug.form)
            .text(drug.bigUnit)
            .text(drug.unit)
            .integer(drug.perBigUnit)
            .money(drug.wholesale)
            .money(drug.retail)
            .text(keeper)
            .text(goodsStyle(drug.kind))
            .text(drug.unit)
            .text(drug.unit)
            .text(goodsStyle(drug.kind))
            .text(drug.controlClass)
            .row();
    }

    TableWriter& fees =
        writers.make("data_fy_mz", {"code", "name", "pym", "unit", "price", "bigtype", "style"});
    for (const FeeItem& fee : catalog.outpatientFees) {
        fees.text(fee.code)
            .text(fee.name)
            .text(fee.pym)
            .text(fee.unit)
            .money(fee.price)
            .text(feeClassInfo(fee.feeClass).name)
            .text(fee.style)
            .row();
    }
}

}  // namespace

void writeReferenceTables(WriterSet& writers, const ReferenceCatalog& catalog) {
    writeStaff(writers, catalog);
    writeDrugs(writers, catalog);
}

}  // namespace orbista::demo
