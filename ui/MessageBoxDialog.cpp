// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/MessageBoxDialog.h"

#include <QMessageBox>
#include <QWidget>

namespace orrin {
namespace {

QMessageBox::Icon ToQtIcon(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::Information: return QMessageBox::Information;
    case BoxIcon::Warning: return QMessageBox::Warning;
    case BoxIcon::Question: return QMessageBox::Question;
    case BoxIcon::Error: return QMessageBox::Critical;
    case BoxIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

int ShowMessageBoxDialog(const BoxRequest &request)
{
    QWidget *owner = qobject_cast<QWidget *>(request.owner);
    QMessageBox box(ToQtIcon(request.icon), request.caption, request.text, QMessageBox::NoButton, owner);
    switch (request.buttons) {
    case BoxButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case BoxButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case BoxButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return kIdYes;
    case QMessageBox::No: return kIdNo;
    case QMessageBox::Cancel: return kIdCancel;
    default: return kIdOk;
    }
}

void InstallMessageBoxDialog()
{
    SetMessageBoxHandler(ShowMessageBoxDialog);
}

} // namespace orrin
