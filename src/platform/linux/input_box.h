// frmInput: a prompt and a one-line field. Enter accepts; any other way of closing
// the box gives no answer.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace zerin::linux_platform {

class InputBox : public QDialog {
    Q_OBJECT
public:
    InputBox(const QString& prompt, int fontSize, QWidget* parent = nullptr);
    QString answer() const;

private:
    QLabel* m_lblInput;
    QLineEdit* m_txtInput;
};

}  // namespace zerin::linux_platform
