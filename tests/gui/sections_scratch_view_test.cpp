#include "manager_fixture.h"

#include "link/link_idle.h"
#include "sections/section_table.h"
#include "shell/main_form.h"

#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>

#include <iostream>

namespace {
using SectionsScratch = ManagerFixture;
TEST_F(SectionsScratch, HeaderClicks) {
    LinkIdle = true;
    selectRow(4);
    QWidget* hv = form().DrawGrid1->horizontalHeader()->viewport();
    for (auto button : {Qt::LeftButton, Qt::RightButton}) {
        QPointF p(100, 10);
        QMouseEvent press(QEvent::MouseButtonPress, p, hv->mapToGlobal(p), button, button, Qt::NoModifier);
        QApplication::sendEvent(hv, &press);
        QMouseEvent rel(QEvent::MouseButtonRelease, p, hv->mapToGlobal(p), button, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(hv, &rel);
        std::cerr << "button " << button << " row " << form().DrawGrid1->currentGridRow() << " menu " << form().PopupMenu1->isVisible() << "\n";
    }
    form().PopupMenu1->hide();
}
}
