#include "ui/text_box_view.h"
#include "platform/linux/qt_strings.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace zerin::ui {

namespace {

std::string toModel(const QString& q) {
    QString copy = q;
    copy.replace(QChar::ParagraphSeparator, QChar('\n'));
    copy.replace(QChar::LineSeparator, QChar('\n'));
    QByteArray utf8 = copy.toUtf8();
    std::string out;
    out.reserve(static_cast<std::size_t>(utf8.size()) + 16);
    for (char c : utf8) {
        if (c == '\n') out += "\r\n";
        else out.push_back(c);
    }
    return out;
}

}  // namespace

// One character of the model text at byte i: how many bytes it takes and how many
// positions it takes in the view (CR LF is one line break; beyond the BMP, two units).
static void stepChar(const std::string& text, std::size_t i, std::size_t& bytes, int& units) {
    auto c = static_cast<unsigned char>(text[i]);
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
        bytes = 2;
        units = 1;
    } else if (c < 0x80) {
        bytes = 1;
        units = 1;
    } else {
        bytes = (c & 0xF0) == 0xF0 ? 4 : (c & 0xE0) == 0xE0 ? 3 : (c & 0xC0) == 0xC0 ? 2 : 1;
        units = bytes == 4 ? 2 : 1;
    }
}

int TextBoxView::viewPosition(const std::string& text, std::size_t byteOffset) {
    int pos = 0;
    std::size_t i = 0;
    byteOffset = std::min(byteOffset, text.size());
    while (i < byteOffset) {
        std::size_t bytes;
        int units;
        stepChar(text, i, bytes, units);
        i += bytes;
        pos += units;
    }
    return pos;
}

std::size_t TextBoxView::modelOffset(const std::string& text, int viewPos) {
    int pos = 0;
    std::size_t i = 0;
    while (i < text.size() && pos < viewPos) {
        std::size_t bytes;
        int units;
        stepChar(text, i, bytes, units);
        i += bytes;
        pos += units;
    }
    return std::min(i, text.size());
}

TextBoxView::TextBoxView(TextBox& model, QWidget* parent) : QPlainTextEdit(parent), m_model(model) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    m_syncing = true;
    setPlainText(toQStringLines(m_model.text()));
    m_syncing = false;
    applyModelSelection();
    TextBox::Observer obs;
    obs.textChanged = [this](const TextBox::Change& c) { applyModelChange(c); };
    obs.selectionChanged = [this] { applyModelSelection(); };
    m_observer = m_model.addObserver(std::move(obs));
    connect(document(), &QTextDocument::contentsChange, this, &TextBoxView::onContentsChange);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &TextBoxView::onCursorMoved);
    connect(this, &QPlainTextEdit::selectionChanged, this, &TextBoxView::onCursorMoved);
}

TextBoxView::~TextBoxView() { m_model.removeObserver(m_observer); }

void TextBoxView::applyModelChange(const TextBox::Change& change) {
    m_syncing = true;
    if (change.reset) {
        setPlainText(toQStringLines(m_model.text()));
    } else {
        // The model already holds the new text; map the edit back onto the old view text
        // by positions that precede it, which are unchanged.
        const std::string& now = m_model.text();
        int start = viewPosition(now, change.start);
        QTextCursor cursor(document());
        cursor.setPosition(start);
        if (change.removed > 0) {
            // The removed bytes are gone from the model; count their view length from the
            // document, whose text still has them.
            int removedView = 0;
            QString doc = document()->toPlainText();
            std::string oldTail = toModel(doc.mid(start));
            removedView = viewPosition(oldTail, change.removed);
            cursor.setPosition(start + removedView, QTextCursor::KeepAnchor);
        }
        cursor.insertText(toQStringLines(change.inserted));
    }
    m_syncing = false;
}

void TextBoxView::applyModelSelection() {
    if (m_syncing) return;
    m_syncing = true;
    const std::string& t = m_model.text();
    int start = viewPosition(t, m_model.selStart());
    int end = viewPosition(t, m_model.selStart() + m_model.selLength());
    QTextCursor cursor = textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
    m_syncing = false;
}

void TextBoxView::onContentsChange(int position, int charsRemoved, int charsAdded) {
    if (m_syncing) return;
    const std::string& t = m_model.text();
    std::size_t start = modelOffset(t, position);
    std::size_t end = modelOffset(t, position + charsRemoved);
    QString added = document()->toPlainText().mid(position, charsAdded);
    m_model.applyUserEdit(start, end - start, toModel(added));
}

void TextBoxView::onCursorMoved() {
    if (m_syncing) return;
    QTextCursor c = textCursor();
    const std::string& t = m_model.text();
    std::size_t a = modelOffset(t, c.selectionStart());
    std::size_t b = modelOffset(t, c.selectionEnd());
    m_model.applyUserSelection(a, b - a);
}

}  // namespace zerin::ui
