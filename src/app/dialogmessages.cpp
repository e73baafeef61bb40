// Message boxes through QMessageBox.
#include "app/dialogmessages.h"

#include <QMessageBox>

namespace mw {

namespace {

QMessageBox::Icon boxIconOf(MessageIcon icon)
{
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (icon) {
    case MessageIcon::None:
        break;
    case MessageIcon::Critical:
        boxIcon = QMessageBox::Critical;
        break;
    case MessageIcon::Warning:
        boxIcon = QMessageBox::Warning;
        break;
    case MessageIcon::Information:
        boxIcon = QMessageBox::Information;
        break;
    }
    return boxIcon;
}

// Texts separate their lines with CR LF; the box wants plain line feeds.
QString boxText(const QString& text)
{
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

void DialogMessageService::show(const QString& text, MessageIcon icon)
{
    QMessageBox box(boxIconOf(icon), kMessageTitle, boxText(text), QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool DialogMessageService::ask(const QString& text, MessageIcon icon)
{
    QMessageBox box(boxIconOf(icon), kMessageTitle, boxText(text), QMessageBox::Yes | QMessageBox::No, parent_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace mw
