#include "platform/linux/qt_dialogs.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QString>

#include "platform/linux/input_box.h"

namespace zerin::linux_platform {

namespace {

QString toQt(std::string_view s) {
    QString q = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return q;
}

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

QtDialogs::QtDialogs(std::ostream& errorStream) : m_err(errorStream) {}

bool QtDialogs::headless() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return true;
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

void QtDialogs::reportHeadless(std::string_view text) {
    std::string_view firstLine = text.substr(0, text.find_first_of("\r\n"));
    m_err << dialog_messages::kHeadlessAnswer << firstLine << '\n';
    m_err.flush();
}

MsgResult QtDialogs::messageBox(std::string_view text, std::string_view title, MsgButtons buttons, MsgIcon icon) {
    if (headless()) {
        reportHeadless(text);
        // A box without a Cancel button answers the way closing it would.
        return buttons == MsgButtons::YesNo ? MsgResult::No
               : buttons == MsgButtons::Ok  ? MsgResult::Ok
                                            : MsgResult::Cancel;
    }
    QMessageBox box(qtIcon(icon), toQt(title), toQt(text));
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
    if (headless()) {
        reportHeadless(prompt);
        return std::nullopt;
    }
    InputBox box(toQt(prompt), fontSize);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.answer().toStdString();
}

}  // namespace zerin::linux_platform
