#include "platform/linux/qt_dialogs.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QString>

#include "platform/linux/input_box.h"
#include "platform/linux/qt_strings.h"

namespace zerin::linux_platform {

namespace {

QMessageBox::Icon qtIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Information: return QMessageBox::Information;
        case MsgIcon::Question: return QMessageBox::Question;
        case MsgIcon::Warning: return QMessageBox::Warning;
        case MsgIcon::Critical: return QMessageBox::Critical;
        case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QtDialogs::QtDialogs(std::ostream& errorStream) : m_headless(errorStream) {}

bool QtDialogs::headless() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return true;
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

MsgResult QtDialogs::messageBox(std::string_view text, std::string_view title, MsgButtons buttons, MsgIcon icon) {
    if (headless()) return m_headless.messageBox(text, title, buttons, icon);
    QMessageBox box(qtIcon(icon), toQStringLines(title), toQStringLines(text));
    switch (buttons) {
        case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case MsgButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    }
    switch (box.exec()) {
        case QMessageBox::Ok: return MsgResult::Ok;
        case QMessageBox::Yes: return MsgResult::Yes;
        case QMessageBox::No: return MsgResult::No;
        default: return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Cancel;
    }
}

std::optional<std::string> QtDialogs::inputBox(std::string_view prompt, int fontSize) {
    if (headless()) return m_headless.inputBox(prompt, fontSize);
    InputBox box(toQStringLines(prompt), fontSize);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return toUtf8(box.answer());
}

}  // namespace zerin::linux_platform
