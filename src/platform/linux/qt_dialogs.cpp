#include "platform/linux/qt_dialogs.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
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

// Sizes for the progress line: the unit that keeps the number below 1000.
QString byteText(std::uint64_t bytes) {
    const char* units[] = {"bytes", "KB", "MB", "GB", "TB"};
    double value = static_cast<double>(bytes);
    int unit = 0;
    while (value >= 1024.0 && unit < 4) value /= 1024.0, ++unit;
    return unit == 0 ? QString::number(bytes) + QLatin1String(" bytes")
                     : QString::number(value, 'f', 1) + QLatin1Char(' ') + QLatin1String(units[unit]);
}

// The shell-like progress of a copy: the file being copied, bytes done of the total and
// Cancel. Shown only when a copy lasts, so short copies do not flash a window.
class QtProgressWindow : public ProgressWindow {
public:
    explicit QtProgressWindow(const QString& title) : m_dialog(new QProgressDialog) {
        m_dialog->setWindowTitle(title);
        m_dialog->setAttribute(Qt::WA_DeleteOnClose, false);
        m_dialog->setRange(0, kSteps);
        m_dialog->setMinimumDuration(500);
        m_dialog->setMinimumWidth(480);
        m_dialog->setValue(0);
        m_clock.start();
    }
    ~QtProgressWindow() override { delete m_dialog.data(); }

    void update(std::string_view currentFile, std::uint64_t done, std::uint64_t total) override {
        if (!m_dialog) return;
        QString label = toQString(currentFile) + QLatin1String("\n") + byteText(done) + QLatin1String(" of ") +
                        byteText(total);
        // Speed and time left once there is a second's worth of copying to judge them by.
        const double seconds = static_cast<double>(m_clock.elapsed()) / 1000.0;
        if (seconds >= 1.0 && done > 0) {
            const double perSecond = static_cast<double>(done) / seconds;
            const auto left = static_cast<long long>(static_cast<double>(total > done ? total - done : 0) / perSecond);
            label += QStringLiteral("\n%1/s, %2:%3 left")
                         .arg(byteText(static_cast<std::uint64_t>(perSecond)))
                         .arg(left / 60)
                         .arg(left % 60, 2, 10, QLatin1Char('0'));
        }
        m_dialog->setLabelText(label);
        m_dialog->setValue(total == 0 ? 0 : static_cast<int>(static_cast<double>(done) / static_cast<double>(total) * kSteps));
    }
    bool cancelled() override { return !m_dialog || m_dialog->wasCanceled(); }

private:
    static constexpr int kSteps = 1000;
    QPointer<QProgressDialog> m_dialog;
    QElapsedTimer m_clock;
};

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

ConflictAnswer QtDialogs::askCopyConflict(std::string_view source, std::string_view target) {
    if (headless()) return Dialogs::askCopyConflict(source, target);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Copying file"),
                    QStringLiteral("This already exists:\n%1\n\nReplace it with:\n%2").arg(toQString(target), toQString(source)));
    QPushButton* overwrite = box.addButton(QStringLiteral("&Overwrite"), QMessageBox::AcceptRole);
    QPushButton* skip = box.addButton(QStringLiteral("&Skip"), QMessageBox::RejectRole);
    QPushButton* rename = box.addButton(QStringLiteral("Keep &both"), QMessageBox::ActionRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(skip);
    box.setEscapeButton(cancel);
    auto* all = new QCheckBox(QStringLiteral("Do this for &all conflicts"));
    box.setCheckBox(all);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    ConflictAnswer answer;
    answer.applyToAll = all->isChecked();
    answer.choice = clicked == overwrite ? ConflictChoice::Overwrite
                    : clicked == skip    ? ConflictChoice::Skip
                    : clicked == rename  ? ConflictChoice::Rename
                                         : ConflictChoice::Cancel;
    return answer;
}

std::unique_ptr<ProgressWindow> QtDialogs::openProgress(std::string_view title) {
    if (headless()) return nullptr;
    return std::make_unique<QtProgressWindow>(toQStringLines(title));
}

}  // namespace zerin::linux_platform
