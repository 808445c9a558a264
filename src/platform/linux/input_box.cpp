#include "platform/linux/input_box.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zerin::linux_platform {

InputBox::InputBox(const QString& prompt, int fontSize, QWidget* parent)
    : QDialog(parent), m_lblInput(new QLabel(prompt, this)), m_txtInput(new QLineEdit(this)) {
    setObjectName(QStringLiteral("frmInput"));
    setWindowTitle(QStringLiteral("Zerin"));
    m_lblInput->setObjectName(QStringLiteral("lblInput"));
    m_txtInput->setObjectName(QStringLiteral("txtInput"));
    QFont font = m_lblInput->font();
    if (fontSize > 0) font.setPointSize(fontSize);
    m_lblInput->setFont(font);
    m_txtInput->setFont(font);
    m_lblInput->setWordWrap(true);
    // The field is as high as the measured height of "'Aj", plus its frame.
    QFontMetrics metrics(font);
    m_txtInput->setMinimumHeight(metrics.boundingRect(QStringLiteral("'Aj")).height() + 8);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lblInput);
    layout->addWidget(m_txtInput);
    connect(m_txtInput, &QLineEdit::returnPressed, this, &QDialog::accept);
    setMinimumWidth(360);
}

QString InputBox::answer() const { return m_txtInput->text(); }

}  // namespace zerin::linux_platform
