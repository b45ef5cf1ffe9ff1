#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace orbista {

enum class Category { Outpatient, Pharmacy, Warehouse, Inpatient, Finance };

// One screen command of the main window: its menu item, the panel controls that also run
// it, and the screen it opens.
struct ScreenCommand {
    QString menuItem;     // objectName of the menu action, e.g. "N35"
    QString menuCaption;  // "处方非处方费用统计"
    Category category;
    QString panelControl;   // objectName of the label or picture button on the category panel
    QString panelCaption;   // the control's text (labels: the menu caption unless noted)
    QString panelHint;      // tooltip of a picture button
    QString screenClass;    // "Tcf_form"
    QString screenCaption;  // "处方非处方费用统计"
    bool hourglass = false;
    bool menuHidden = false;  // the item exists but is not shown in the menu
};

// Every screen command in menu order within each category.
const QList<ScreenCommand>& screenCommands();
const ScreenCommand* findCommand(const QString& menuItem);

// The panel title of each category and its category button.
QString categoryButtonName(Category c);
QString categoryCaption(Category c);
QString categoryPanelName(Category c);
// Menu title of a category, with its Alt accelerator.
QString categoryMenuTitle(Category c);

}  // namespace orbista
